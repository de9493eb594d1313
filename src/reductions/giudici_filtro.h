#pragma once

#include "core/archivio_storico.h"
#include "core/giocata.h"
#include "core/ruote.h"
#include "reductions/record_filtri.h"
#include "reductions/uscite_sottoinsiemi.h"

#include <cstdint>
#include <memory>
#include <vector>

// The tests of the filter reductions. A play errs on a criterion when its score there is not allowed;
// it passes when it errs on no more criteria than the maximum. Criteria are taken in order and the
// test stops at the first error beyond the maximum, which is also what the analyses count.

// A set of numbers and the allowed counts of a play's numbers in it: an interval, a cadence, a figure,
// a decade, a filter play. riga is the criterion's row in the analyses (groups not in use have none).
struct CriterioNumeri
{
    Maschera90 numeri;
    std::uint16_t ammessi = 0; // bit c: c numbers in the set are allowed
    int riga = 0;
};

class FiltroNumeri
{
public:
    FiltroNumeri(std::vector<CriterioNumeri> criteri, std::int32_t massimoErrori);

    static FiltroNumeri DaIntervalli(const IntervalliNumeri& record);
    static FiltroNumeri DaGruppi(const GruppiFissi& record);
    static FiltroNumeri DaGiocateFiltro(const GiocateFiltro& record);

    bool accettata(const Maschera90& giocata) const
    {
        std::int32_t errori = 0;
        for (const auto& c : m_criteri) {
            if (((c.ammessi >> giocata.inComune(c.numeri)) & 1U) == 0 && ++errori > m_massimoErrori) {
                return false;
            }
        }
        return true;
    }
    // The same test, adding one to nonRispettate[riga] for each criterion it errs on up to the one
    // that rejects it.
    bool conta(const Maschera90& giocata, std::int64_t* nonRispettate) const;

    const std::vector<CriterioNumeri>& criteri() const { return m_criteri; }
    std::int32_t massimoErrori() const { return m_massimoErrori; }

private:
    std::vector<CriterioNumeri> m_criteri;
    std::int32_t m_massimoErrori = 0;
};

// The comparisons with the archive. The score of a play in a comparison of N draws is the largest
// number of its numbers that came out together on one chosen wheel in one of the N draws before the
// reference draw r (the draws max(1, r - N) .. r - 1); the reduction takes r = the number of draws + 1,
// the historic analyses each target draw.
class FiltroConfronti
{
public:
    // Comparisons ordered by N ascending, as the settings store them.
    FiltroConfronti(const ConfrontiStorico& record);

    // The test from the last draws of the sets of the play (UsciteSottoinsiemi::ultime).
    bool accettata(const std::array<std::int32_t, 5>& ultime, std::int32_t riferimento) const
    {
        std::int32_t errori = 0;
        for (const auto& c : m_confronti) {
            if (!ammesso(c, ultime, riferimento) && ++errori > m_massimoErrori) {
                return false;
            }
        }
        return true;
    }
    bool conta(const std::array<std::int32_t, 5>& ultime, std::int32_t riferimento,
               std::int64_t* nonRispettate) const;

    // The score against the N draws before the reference: how many sizes came out since then.
    static int Punteggio(const std::array<std::int32_t, 5>& ultime, std::int32_t riferimento,
                         std::int32_t estrazioni)
    {
        const std::int32_t da = std::max<std::int32_t>(1, riferimento - estrazioni);
        int punteggio = 0;
        while (punteggio < 5 && ultime[static_cast<std::size_t>(punteggio)] >= da) {
            ++punteggio;
        }
        return punteggio;
    }

    const std::vector<ConfrontoStorico>& confronti() const { return m_confronti; }
    std::int32_t massimoErrori() const { return m_massimoErrori; }
    // The largest N (0 without comparisons).
    std::int32_t estrazioniMassime() const;

private:
    static bool ammesso(const ConfrontoStorico& c, const std::array<std::int32_t, 5>& ultime,
                        std::int32_t riferimento)
    {
        return ((c.punteggi >> Punteggio(ultime, riferimento, c.estrazioni)) & 1U) != 0;
    }

    std::vector<ConfrontoStorico> m_confronti;
    std::int32_t m_massimoErrori = 0;
};

// The sets of the draws from..to (inclusive, clamped to the archive) on the wheels the system plays.
std::unique_ptr<UsciteSottoinsiemi> UsciteArchivio(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                                   std::int32_t da, std::int32_t a);
// Registers one draw's chosen wheels in a table with registra(numbers, count, draw).
template <typename Uscite>
void RegistraEstrazione(Uscite& uscite, const ArchivioStorico& archivio, const SegniRuote& ruote,
                        std::int32_t estrazione)
{
    const Tipo_Estrazione& e = archivio.estrazione(estrazione);
    for (int w = 1; w <= RuoteArchivio; ++w) {
        if (!RuotaSelezionata(ruote, w) || !e.haDati(w)) {
            continue;
        }
        std::array<std::uint8_t, 5> numeri{};
        for (int p = 1; p <= 5; ++p) {
            numeri[static_cast<std::size_t>(p - 1)] = e.numero(w, p);
        }
        uscite.registra(numeri.data(), 5, estrazione);
    }
}

// The state of a FiltroNumeri along the prefix of a prediction walk (PercorsoPronostico): the count of
// the prefix's numbers in every criterion, and for the last number the errors it adds, so that a
// candidate costs the criteria its last number belongs to.
class PrefissoNumeri
{
public:
    explicit PrefissoNumeri(const FiltroNumeri& filtro);

    void entra(int x) { cambia(x, 1); }
    void esci(int x) { cambia(x, -1); }
    // The last numbers whose errors stay within the maximum, as a mask.
    Maschera90 ultimiAccettati() const;

private:
    // Whether criterion j errs when the play holds n of its numbers.
    int errore(std::size_t j, int n) const { return ((m_ammessi[j] >> n) & 1U) == 0 ? 1 : 0; }
    // Moves the prefix's count of every criterion holding x by passo, keeping the prefix's errors and,
    // for every number y, what adding y would change: a criterion touches its numbers' cells only when
    // that change moves, so the last number of a candidate costs one look-up.
    void cambia(int x, int passo);

    std::vector<std::uint16_t> m_ammessi;
    // The criteria holding each number x: m_criteri[m_inizio[x] .. m_inizio[x + 1]).
    std::array<std::uint32_t, 92> m_inizio{};
    std::vector<std::uint16_t> m_criteri;
    std::vector<std::uint8_t> m_conteggi;
    // The numbers of criterion j: m_numeri[m_primoNumero[j] .. m_primoNumero[j + 1]).
    std::vector<std::uint8_t> m_numeri;
    std::vector<std::uint32_t> m_primoNumero;
    // The errors of the prefix, and the errors each number y would add to them (possibly negative),
    // with room up to 96 for whole vectors.
    int m_errori = 0;
    std::array<std::int16_t, 97> m_differenza{};
    std::int32_t m_massimoErrori = 0;
};

// Inline: a walk calls it twice per prefix.
inline void PrefissoNumeri::cambia(int x, int passo)
{
    for (std::uint32_t i = m_inizio[static_cast<std::size_t>(x)];
         i < m_inizio[static_cast<std::size_t>(x) + 1]; ++i) {
        const std::size_t j = m_criteri[i];
        const int prima = m_conteggi[j];
        const int dopo = prima + passo;
        m_conteggi[j] = static_cast<std::uint8_t>(dopo);
        m_errori += errore(j, dopo) - errore(j, prima);
        const int variazione =
            (errore(j, dopo + 1) - errore(j, dopo)) - (errore(j, prima + 1) - errore(j, prima));
        // Only the numbers above x can follow it in the prefix: the cells below are read by no prefix
        // holding x, and entering and leaving x touch the same cells.
        if (variazione != 0) {
            for (std::uint32_t n = m_primoNumero[j + 1]; n > m_primoNumero[j] && m_numeri[n - 1] > x; --n) {
                auto& cella = m_differenza[m_numeri[n - 1]];
                cella = static_cast<std::int16_t>(cella + variazione);
            }
        }
    }
}

// The state of a FiltroConfronti along the prefix: for every depth, the last draws of the prefix's
// s-subsets and the rows that give, for every next number x at once, the last draw of the s-subsets the
// prefix makes with x. A longer prefix starts from its parent's rows and adds only the rows of the
// subsets holding its new number.
class PrefissoConfronti
{
public:
    PrefissoConfronti(const UsciteSottoinsiemi& uscite, const FiltroConfronti& filtro,
                      std::int32_t riferimento);

    // A level's rows are built when a deeper level or the judgement of the last numbers needs them.
    void entra(int x);
    void esci(int x);
    // Judges every last number from da up at once, eight to a vector.
    void preparaUltimi(int da);
    bool accettaUltimo(int x) const { return m_accettato[static_cast<std::size_t>(x)] != 0; }

private:
    using Riga = std::array<UsciteSottoinsiemi::Cella, UsciteSottoinsiemi::Colonne>;
    struct Livello
    {
        alignas(16) std::array<Riga, 5> righe{};
        std::array<std::int32_t, 5> ultime{};
        std::array<int, 5> quanti{};
    };

    const UsciteSottoinsiemi& m_uscite;
    // Per comparison: the first draw of its window and its allowed scores.
    std::vector<std::pair<std::int32_t, std::uint8_t>> m_finestre;
    std::int32_t m_massimoErrori = 0;
    RanghiSottoinsiemi m_ranghi;
    std::size_t m_profondita = 0;
    std::vector<Livello> m_livelli;

    // Builds the rows of the level entered last from its parent's and those of its new subsets.
    void materializza();

    // The level entered last (m_nuovo its number) has no rows yet.
    bool m_sospeso = false;
    int m_nuovo = 0;
    // Set by preparaUltimi: whether the prefix with x passes, by x.
    alignas(16) std::array<std::uint8_t, UsciteSottoinsiemi::Colonne> m_accettato{};
};
