#pragma once

#include "core/archivio_storico.h"
#include "core/giocata.h"
#include "reductions/condizioni_riduzione.h"
#include "reductions/criteri_condizioni.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The historic combinations the conditions are compared with: for every draw of the archive and every
// chosen wheel on which the draw has numbers, the numbers drawn at each subset of s positions (s = 5,
// 4, 3, 2), sorted ascending. A draw gives 1, 5, 10 or 10 combinations per wheel.
class CampioneStorico
{
public:
    // The "Ruota:" selector: 0..9 Bari..Venezia, 10 "Tutte" (archive wheels 1..10), 11 "Nazionale".
    static constexpr int SceltaTutte = 10;
    static constexpr int SceltaNazionale = 11;
    static constexpr int SceltePossibili = 12;
    // The "Sviluppa estrazioni in:" selector: 0 "Cinquine", 1 "Quaterne", 2 "Terni", 3 "Ambi".
    static constexpr int Dimensioni = 4;

    // Out-of-range choices read as "Tutte" and "Cinquine".
    CampioneStorico(const ArchivioStorico& archivio, int sceltaRuota, int sceltaDimensione);

    int numeri() const { return m_numeri; }
    int primaRuota() const { return m_prima; }
    int ultimaRuota() const { return m_ultima; }
    const ArchivioStorico& archivio() const { return m_archivio; }
    // Position subsets of the chosen size, 0-based positions, in lexicographic order.
    const std::vector<std::array<std::uint8_t, 5>>& sottoinsiemi() const { return m_sottoinsiemi; }

    // Calls visita(const Tipo_Giocata&, std::int32_t draw index 1..count) for every combination in order
    // (draws, then wheels ascending, then subsets); stops when visita returns false, and then returns
    // false. Nothing is allocated.
    template <typename Visita> bool perOgni(Visita&& visita) const;

private:
    const ArchivioStorico& m_archivio;
    int m_numeri = 5;
    int m_prima = 1;
    int m_ultima = 10;
    std::vector<std::array<std::uint8_t, 5>> m_sottoinsiemi;
};

// The names the selectors show.
const char* NomeSceltaRuota(int scelta);
const char* NomeDimensione(int scelta);

template <typename Visita> bool CampioneStorico::perOgni(Visita&& visita) const
{
    const std::int32_t estrazioni = m_archivio.conteggio();
    const auto s = static_cast<std::size_t>(m_numeri);
    for (std::int32_t i = 1; i <= estrazioni; ++i) {
        const Tipo_Estrazione& e = m_archivio.estrazione(i);
        for (int w = m_prima; w <= m_ultima; ++w) {
            if (!e.haDati(w)) {
                continue;
            }
            for (const auto& posizioni : m_sottoinsiemi) {
                // Insertion into place: at most five numbers.
                Tipo_Giocata g{};
                for (std::size_t p = 0; p < s; ++p) {
                    const std::uint8_t numero = e.numero(w, posizioni[p] + 1);
                    std::size_t q = p;
                    for (; q > 0 && g[q - 1] > numero; --q) {
                        g[q] = g[q - 1];
                    }
                    g[q] = numero;
                }
                if (!visita(static_cast<const Tipo_Giocata&>(g), i)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// --- The chart of one criterion ---------------------------------------------------------------------

// Bins of the chart of a criterion (its DescrizioneCriterio::bin): 6 for the set criteria, 441 for
// the sums and the total gap, 91 for means and gaps, 31 for "Errori consentiti".
int BinCriterio(Criterio criterio);
// The bin of a play: the value capped at the last bin, means rounded to the nearest whole number
// (halves to the even neighbour); -1 when it is not counted (means of even or odd numbers of a play
// without such numbers). For "Errori consentiti" the caller passes the result of VerificaCondizioni as
// `risultato`.
int BinGiocata(Criterio criterio, const ValoriGiocata& valori, int risultato = 0);

// The histogram of a criterion over the sample. For "Errori consentiti" every combination is tested
// with the record (no fixed-number check). Runs through the whole sample without polling.
std::vector<std::int64_t> IstogrammaCriterio(Criterio criterio, const CondizioniRiduzione& condizioni,
                                             const CampioneStorico& campione);

struct BarraGrafico
{
    int valore = 0;             // the bin, the bar's caption
    std::int64_t conteggio = 0; // its combinations
    bool ammessa = false;       // green when allowed, red otherwise
};

struct GraficoCondizione
{
    std::vector<BarraGrafico> barre;
    bool conPercentuali = true; // the bars carry their share of the total as a label
    std::int64_t totale = 0;

    std::int64_t ammesse() const;
    double percentuale(const BarraGrafico& barra) const;
};

// Whether the bin value is allowed by the record: set criteria and "Errori consentiti" by their set,
// interval criteria by their list (the bin's whole value inside an interval).
bool ValoreAmmesso(Criterio criterio, int valore, const CondizioniRiduzione& condizioni);

// The bars of a histogram: every bin for the six-bin criteria; otherwise from the bin before the first
// non-empty one (or 0) to the bin after the last non-empty one (or the last bin), none when every bin is
// empty. Coloured by ValoreAmmesso.
GraficoCondizione CostruisciGrafico(Criterio criterio, const std::vector<std::int64_t>& istogramma,
                                    const CondizioniRiduzione& condizioni);
// Colours the bars again by the record (the allowed-errors chart after a change of its page).
void RicoloraGrafico(Criterio criterio, GraficoCondizione& grafico, const CondizioniRiduzione& condizioni);

// "Estrazioni valide:" when the chart is empty, else "Estrazioni valide: " + green share + " %".
std::string TestoEstrazioniValide(const GraficoCondizione& grafico);
