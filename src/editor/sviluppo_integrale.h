#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace messaggi_sviluppo {

inline constexpr const char* NessunaGiocataAggiunta = "Non è stata aggiunta nemmeno una giocata!\r"
                                                      "Verificare la presenza delle fisse nel pronostico.";

} // namespace messaggi_sviluppo

// The predicted numbers ascending.
std::vector<std::uint8_t> PronosticoOrdinato(const SegniNumeri& pronostico);

// The k-number combinations of an ordered list of numbers, in lexicographic order of their positions
// (1 2 3, 1 2 4, ..., for 1..6 and k = 3 ending with 4 5 6). Two ways through them: the iterator
// (giocata() / avanza(), the current combination kept as a zero-filled play whose first k slots are
// rewritten on each step) and perOgni(), a loop that keeps its state in local variables and is the
// one to use over millions of combinations. Nothing is allocated after construction.
class CombinazioniPronostico
{
public:
    // numeri: distinct numbers 1..90 ascending (so every combination is a play in canonical form);
    // k: 1..10. With fewer than k numbers, or k out of range, there is no combination.
    CombinazioniPronostico(std::vector<std::uint8_t> numeri, int k);
    CombinazioniPronostico(const SegniNumeri& pronostico, int k)
        : CombinazioniPronostico(PronosticoOrdinato(pronostico), k)
    {}

    int n() const { return static_cast<int>(m_numeri.size()); }
    int k() const { return m_k; }
    // C(n, k) in double precision (C(90, 10) does not fit in 64 bits): the progress total.
    double totale() const;
    // Whether there is at least one combination.
    bool esiste() const { return m_esiste; }

    // False once the enumeration is over (or when there was no combination at all).
    bool valida() const { return !m_finita; }
    // The current combination; meaningful while valida().
    const Tipo_Giocata& giocata() const { return m_giocata; }
    // 1-based position in the ordered list of the i-th number of the combination, i = 1..k.
    int posizione(int i) const { return static_cast<int>(m_posizioni[static_cast<std::size_t>(i - 1)]) + 1; }

    // Moves to the next combination; false (and valida() false) when there is none.
    bool avanza()
    {
        if (++m_posizioni[m_ultimo] < m_numeri.size()) {
            m_giocata[m_ultimo] = m_numeri[m_posizioni[m_ultimo]];
            return true;
        }
        return avanzaPrefisso();
    }

    // Back to the first combination.
    void riavvia();

    // Calls visita(const Tipo_Giocata&) for every combination from the first, in order, whatever the
    // iterator's state; stops as soon as visita returns false. Returns false when stopped that way.
    template <typename Visita> bool perOgni(Visita&& visita) const;

private:
    using Posizioni = std::array<std::size_t, NumeriMassimiPerGiocata>;

    // Positions 0-based. After the last position ran past the end: advances the rightmost position
    // that can still grow (position j may reach n - k + j) and restarts those after it right behind
    // it; returns that j, or -1 when the enumeration is over.
    static int avanzaPosizioni(Posizioni& p, std::size_t n, std::size_t k)
    {
        std::size_t j = k - 1;
        for (;;) {
            if (j == 0) {
                return -1;
            }
            --j;
            if (++p[j] <= n - k + j) {
                break;
            }
        }
        for (std::size_t i = j + 1; i < k; ++i) {
            p[i] = p[i - 1] + 1;
        }
        return static_cast<int>(j);
    }

    // Bit offset of slot i (0..7) inside the first 8 bytes of a play read as one integer, and of
    // slot i (8, 9) inside the last 2.
    static constexpr unsigned spostamentoBasso(std::size_t i)
    {
        return std::endian::native == std::endian::little ? static_cast<unsigned>(8 * i)
                                                          : static_cast<unsigned>(8 * (7 - i));
    }
    static constexpr unsigned spostamentoAlto(std::size_t i)
    {
        return std::endian::native == std::endian::little ? static_cast<unsigned>(8 * (i - 8))
                                                          : static_cast<unsigned>(8 * (9 - i));
    }

    bool avanzaPrefisso();

    std::vector<std::uint8_t> m_numeri;
    int m_k;
    std::size_t m_ultimo; // k - 1, kept a valid index even for a k out of range
    bool m_esiste;
    Posizioni m_posizioni{};
    Tipo_Giocata m_giocata{};
    bool m_finita = true;
};

template <typename Visita> bool CombinazioniPronostico::perOgni(Visita&& visita) const
{
    if (!m_esiste) {
        return true;
    }
    const std::uint8_t* numeri = m_numeri.data();
    const std::size_t n = m_numeri.size();
    const std::size_t k = static_cast<std::size_t>(m_k);
    const std::size_t ultimo = k - 1;
    Posizioni p{};
    for (std::size_t i = 0; i < k; ++i) {
        p[i] = i;
    }
    // The play is built in two integers, so that no byte is stored and read back as a wider word
    // (a stall on every play): the fixed prefix, then the last number put in on each step.
    for (;;) {
        std::uint64_t basso = 0;
        std::uint16_t alto = 0;
        for (std::size_t i = 0; i < ultimo; ++i) {
            if (i < 8) {
                basso |= std::uint64_t{numeri[p[i]]} << spostamentoBasso(i);
            } else {
                alto = static_cast<std::uint16_t>(alto | (numeri[p[i]] << spostamentoAlto(i)));
            }
        }
        for (const std::uint8_t* numero = numeri + p[ultimo]; numero != numeri + n; ++numero) {
            Tipo_Giocata g;
            if (ultimo < 8) {
                const std::uint64_t b = basso | (std::uint64_t{*numero} << spostamentoBasso(ultimo));
                std::memcpy(g.data(), &b, sizeof b);
                std::memcpy(g.data() + 8, &alto, sizeof alto);
            } else {
                const auto a = static_cast<std::uint16_t>(alto | (*numero << spostamentoAlto(ultimo)));
                std::memcpy(g.data(), &basso, sizeof basso);
                std::memcpy(g.data() + 8, &a, sizeof a);
            }
            if (!visita(static_cast<const Tipo_Giocata&>(g))) {
                return false;
            }
        }
        p[ultimo] = n;
        if (avanzaPosizioni(p, n, k) < 0) {
            return true;
        }
    }
}

// The fixed-number filter: a flag per number 1..90 and how many fixed numbers a play must hold.
class MappaFisse
{
public:
    // No fixed numbers: every play passes.
    MappaFisse() = default;
    // The first sistema.numeroFisse fixed numbers of the system.
    explicit MappaFisse(const Sistema& sistema);

    bool fissa(int numero) const { return numero >= 1 && numero <= NumeroMassimo && m_segni[numero] != 0; }
    int numeroFisse() const { return m_numeroFisse; }

private:
    friend bool ContieneFisse(const Tipo_Giocata& giocata, int k, const MappaFisse& mappa);

    std::array<std::uint8_t, NumeroMassimo + 1> m_segni{}; // index = number, slot 0 for the empty slot
    int m_numeroFisse = 0;
};

// True when at least numeroFisse() of the first k numbers of the play are fixed numbers. Costs k
// table look-ups.
inline bool ContieneFisse(const Tipo_Giocata& giocata, int k, const MappaFisse& mappa)
{
    int trovate = 0;
    for (int i = 0; i < k; ++i) {
        trovate += mappa.m_segni[giocata[static_cast<std::size_t>(i)]];
    }
    return trovate >= mappa.m_numeroFisse;
}

enum class CodiceSviluppo {
    Completato,          // plays appended and committed
    NessunaGiocata,      // no candidate passed: nothing changed but the undo copy
    Interrotto,          // the stop was confirmed: nothing added
    MemoriaInsufficiente // the list could not grow (its warning already shown): nothing added
};

struct EsitoSviluppo
{
    CodiceSviluppo codice = CodiceSviluppo::Completato;
    std::int32_t aggiunte = 0; // plays committed

    // The message the caller shows for this outcome, if any ("Non è stata aggiunta ...").
    std::optional<Messaggio> messaggio() const;
};

// Candidates between two polls of the run.
inline constexpr std::int64_t IntervalloVerifica = 64;

// Appends to the list every combination of sistema.numeriPerGiocata predicted numbers, in
// lexicographic order, that is not among the plays the list held before the run and, when
// consideraFisse, contains all the fixed numbers. When the list is not empty its undo snapshot is
// taken first. New plays are written after the count, which is raised once at the end together with
// sistema.modificato; an interrupted run, a failed growth or a run that accepted nothing leaves count,
// plays 1..count and the flag as they were (slots past the count may hold the dropped candidates).
// Polls every 64 candidates (none for k = 1) with the candidates examined so far, the total C(n, k)
// and the plays accepted. The duplicate check, one cursor search per candidate, is skipped when the
// list was empty; then the run costs little more than writing 10 bytes per play.
[[nodiscard]] EsitoSviluppo SviluppoIntegrale(Sistema& sistema, bool consideraFisse, ElencoGiocate& giocate,
                                              ControlloEsecuzione& controllo);
