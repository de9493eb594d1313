#pragma once

#include "reductions/giudici_filtro.h"
#include "reductions/record_filtri.h"
#include "reductions/uscite_sottoinsiemi.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The comparisons with the archive for the prediction walk when they look at a few distinct windows of
// draws (the usual case: a handful of comparisons). Per set T of s - 1 numbers (s = 1..5) and per window,
// the numbers x such that T + {x} came out together in a draw of the window, as a 90-bit mask. A prefix
// keeps, per size and window, the mask of the next numbers that would give the play s numbers drawn
// together in the window; a new number ORs the rows of the few sets it makes, and the scores of every
// last number at once are a handful of mask operations, with no branch per candidate.
//
// Every window ends at the draw before the reference, so the windows are nested: only the draws of the
// widest one are registered. Beyond MassimoFinestre distinct windows the rows would grow too large; the
// walk then keeps the last draws instead (PrefissoConfronti).
class FinestreSottoinsiemi
{
public:
    static constexpr std::size_t MassimoFinestre = 8;

    // inizi: the first draw of each window (any order, repeats allowed, at most MassimoFinestre distinct).
    explicit FinestreSottoinsiemi(const std::vector<std::int32_t>& inizi);

    // The five numbers of one wheel of draw `estrazione` (any order, zeros skipped).
    void registra(const std::uint8_t* numeri, int quanti, std::int32_t estrazione);

    std::size_t finestre() const { return m_inizi.size(); }
    // The window of a first draw given to the constructor.
    std::size_t finestra(std::int32_t inizio) const;

    // Row T of size s (1..5) by the colex rank of T: one mask per window, or nullptr when T + {x} came
    // out in no window for any x (most rows, which the walk then skips without touching their memory).
    const Maschera90* riga(int s, std::uint32_t rango) const
    {
        const auto i = static_cast<std::size_t>(s - 1);
        if (s == 5) {
            if (((m_cinquinePiene[rango >> 6] >> (rango & 63U)) & 1U) == 0) {
                return nullptr;
            }
            return m_righe[i].data() + m_cinquine.at(rango);
        }
        const std::uint32_t indice = m_indice[i][rango];
        return indice == 0 ? nullptr : m_righe[i].data() + (indice - 1);
    }

private:
    // dentro: bit w set for every window w holding the draw.
    void aggiorna(int s, std::uint32_t rango, int x, std::uint32_t dentro);

    std::vector<std::int32_t> m_inizi; // distinct, ascending: window 0 is the widest
    // Sizes 1..4: 1 + the offset of the row's masks in m_righe, 0 for an empty row.
    std::array<std::vector<std::uint32_t>, 4> m_indice;
    // Sets of five: a bitmap of the rows in use, then the offset by rank.
    std::vector<std::uint64_t> m_cinquinePiene;
    std::unordered_map<std::uint32_t, std::uint32_t> m_cinquine;
    std::array<std::vector<Maschera90>, 5> m_righe;
};

// The state of a FiltroConfronti along the prefix of a prediction walk (PercorsoPronostico) on the masks
// of FinestreSottoinsiemi.
class PrefissoFinestre
{
public:
    // Whether the comparisons fit the masks: few distinct windows.
    static bool Adatto(const FiltroConfronti& filtro, std::int32_t riferimento);
    static std::vector<std::int32_t> Inizi(const FiltroConfronti& filtro, std::int32_t riferimento);

    PrefissoFinestre(const FinestreSottoinsiemi& tabelle, const FiltroConfronti& filtro,
                     std::int32_t riferimento);

    void entra(int y);
    void esci(int /*y*/) { m_ranghi.quanti = m_livelli[--m_profondita].quanti; }
    // The last numbers that the prefix accepts, as a mask.
    Maschera90 ultimiAccettati() const;

private:
    static constexpr std::size_t MassimoMaschere = 5 * FinestreSottoinsiemi::MassimoFinestre;
    // A prefix keeps only the masks its comparisons read: per size s and window, the numbers x such
    // that the prefix with x has s numbers drawn together in the window.
    struct Maschera
    {
        int dimensione = 0;
        std::size_t finestra = 0;
    };
    struct Livello
    {
        std::array<Maschera90, MassimoMaschere> uscite{};
        std::array<int, 5> quanti{};
    };
    // The allowed scores of a comparison as runs lo..hi: the lanes with at least lo numbers drawn
    // together and not hi + 1, each bound a kept mask, or none for 0 (every lane) and 6 (no lane).
    static constexpr int Ogni = -1;
    static constexpr int Nessuna = -2;
    struct Tratto
    {
        int almeno = Ogni;
        int oltre = Nessuna;
    };
    struct Confronto
    {
        std::array<Tratto, 3> tratti{};
        int quanti = 0;
    };

    int maschera(int dimensione, std::size_t finestra);
    Maschera90 almeno(const Livello& livello, int indice) const
    {
        if (indice == Ogni) {
            return Maschera90::Tutti();
        }
        return indice == Nessuna ? Maschera90{} : livello.uscite[static_cast<std::size_t>(indice)];
    }

    const FinestreSottoinsiemi& m_tabelle;
    std::vector<Maschera> m_maschere;
    // The kept masks of size s are m_maschere[m_primaDi[s - 1] .. m_primaDi[s]).
    std::array<std::size_t, 6> m_primaDi{};
    std::vector<Confronto> m_confronti;
    std::int32_t m_massimoErrori = 0;
    RanghiSottoinsiemi m_ranghi;
    std::size_t m_profondita = 0;
    std::vector<Livello> m_livelli;
};
