#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "reductions/indice_copertura.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Texts of the winning probability of the plays, shared by its window and the command-line tool.
namespace messaggi_probabilita_vincita {

inline constexpr const char* Titolo = "Calcola probabilità di vincita";
inline constexpr const char* NessunaGiocata = "Non ci sono giocate finali da controllare.";
inline constexpr const char* Punti = "Punti nel pronostico:";
// Bars by best score 0..5.
inline constexpr std::array<const char*, 6> Etichette = {"0",     "Estratto", "Ambo",
                                                         "Terno", "Quaterna", "Cinquina"};
inline constexpr const char* TitoloGraficoPrima = "Probabilità di vincita nelle giocate finali realizzando ";
inline constexpr const char* TitoloGraficoDopo = " punti nel pronostico iniziale (su una stessa ruota)";
inline constexpr const char* Piede = "Punti nelle giocate finali";
inline constexpr const char* Serie = "Probabilità di vincita";
inline constexpr const char* TitoloStampa = "QUARVINA LOTTO";
inline constexpr const char* Guida = "gf_provin.htm";
inline constexpr const char* StampaNonRiuscita = "Impossibile avviare la stampa.";

} // namespace messaggi_probabilita_vincita

// The dialog setting: the index (0..4) of the chosen points 1..5, 4 ("5") by default.
inline constexpr const char* ChiaveCalcProVin = "CalcProVinID";
inline constexpr int SceltaPuntiPredefinita = 4;

// Sets between two polls of the enumeration.
inline constexpr std::int64_t PassoControlloPunti = 64;

// The scorers of a set of predicted numbers (its best score against the plays), shared with the
// guarantee check.
// The literal score: the most numbers of the set held by one play.
class PunteggioLetterale
{
public:
    PunteggioLetterale(const Tipo_Giocata* giocate, std::int32_t quante)
        : m_giocate(giocate), m_quante(quante)
    {}

    int operator()(const std::uint8_t* insieme, int dimensione)
    {
        for (int i = 0; i < dimensione; ++i) {
            m_segni[insieme[i]] = 1;
        }
        int migliore = 0;
        for (std::int32_t g = 0; g < m_quante && migliore < dimensione; ++g) {
            int punteggio = 0;
            for (std::uint8_t numero : m_giocate[g]) {
                if (numero == 0) {
                    break;
                }
                punteggio += m_segni[numero <= NumeroMassimo ? numero : 0];
            }
            migliore = std::max(migliore, punteggio);
        }
        for (int i = 0; i < dimensione; ++i) {
            m_segni[insieme[i]] = 0;
        }
        return migliore;
    }

private:
    const Tipo_Giocata* m_giocate;
    std::int32_t m_quante;
    std::array<std::uint8_t, NumeroMassimo + 1> m_segni{};
};

// The sub-combinations of the predicted numbers that some play holds, one bit set per size.
class SottoinsiemiGiocate
{
public:
    // False when the memory of the bit sets is not available.
    bool prepara(const std::vector<std::uint8_t>& numeri, const Tipo_Giocata* giocate, std::int32_t quante,
                 int dimensione)
    {
        m_dimensione = dimensione;
        for (int s = 1; s <= dimensione; ++s) {
            if (!m_insiemi[static_cast<std::size_t>(s)].prenota(s)) {
                return false;
            }
        }
        std::array<std::uint8_t, NumeroMassimo + 1> predetto{};
        for (std::uint8_t n : numeri) {
            predetto[n] = 1;
        }
        std::array<std::uint8_t, NumeriMassimiPerGiocata> comuni{};
        for (std::int32_t g = 0; g < quante; ++g) {
            int m = 0;
            for (std::uint8_t numero : giocate[g]) {
                if (numero == 0) {
                    break;
                }
                if (numero <= NumeroMassimo && predetto[numero] != 0) {
                    comuni[static_cast<std::size_t>(m++)] = numero;
                }
            }
            // Plays are kept ascending; one that is not must still give the subsets their ranks.
            std::sort(comuni.begin(), comuni.begin() + m);
            m = static_cast<int>(std::unique(comuni.begin(), comuni.begin() + m) - comuni.begin());
            for (int s = 1; s <= std::min(m, dimensione); ++s) {
                InsiemeCombinazioni& insieme = m_insiemi[static_cast<std::size_t>(s)];
                PerOgniSottoinsieme(comuni.data(), m, s, [&insieme](std::int32_t rango) {
                    insieme.segna(rango);
                    return true;
                });
            }
        }
        return true;
    }

    int operator()(const std::uint8_t* insieme, int dimensione) const
    {
        if (dimensione >= 1 && m_insiemi[static_cast<std::size_t>(dimensione)].contiene(
                                   RangoCombinazione(insieme, dimensione))) {
            return dimensione;
        }
        for (int s = dimensione - 1; s >= 1; --s) {
            const InsiemeCombinazioni& marcati = m_insiemi[static_cast<std::size_t>(s)];
            const bool trovato = !PerOgniSottoinsieme(
                insieme, dimensione, s, [&marcati](std::int32_t rango) { return !marcati.contiene(rango); });
            if (trovato) {
                return s;
            }
        }
        return 0;
    }

private:
    int m_dimensione = 0;
    std::array<InsiemeCombinazioni, 6> m_insiemi;
};

// The histogram of the best score of a list of plays over the sets of P predicted numbers.
struct EsitoDistribuzionePunti
{
    std::array<std::int64_t, 6> istogramma{}; // sets by best score 0..5
    std::int64_t insiemi = 0;                 // sets evaluated (c)
    double totale = 0;                        // sets expected (T), for the progress only
    bool interrotta = false;                  // a stop was confirmed

    // 100 h[s] / c; 0 before any set.
    double percentuale(int punti) const;
};

// T = C(n, P) in double precision as (P+1) .. n over (n - P)!; 1 when n <= P.
double InsiemiPronostico(int numeri, int punti);

// The predicted numbers of a flag table, ascending.
std::vector<std::uint8_t> NumeriPronostico(const SegniNumeri& segni);

// `DistribuzionePunti`: supposes that exactly P (1..5) numbers of the prediction come out, for every set S
// of P predicted numbers (the P-subsets in lexicographic order of their positions; with fewer than P
// numbers the one set is the whole prediction), and counts S under its best score, the most numbers of S
// that one of the plays giocate[0 .. quante) holds (0 without plays). The prediction is taken ascending,
// numbers outside 1..90 and repetitions dropped; a play's numbers run to its first empty slot.
//
// Each play marks, for s = 1..P, the s-subsets of its predicted numbers in one bit set per s (ranked with
// IndiceCombinazione, at most 637 marks for a play of ten); the best score of S is then the largest s for
// which some s-subset of S is marked, at most 2^P - 1 look-ups per set whatever the number of plays (bench:
// bench/distribuzione_punti_bench.cpp). The bit sets take C(90, s) bits each, 5.5 MB for P = 5; when that
// memory is not available the plays are scanned literally, with the same result.
//
// `esito` is reset and kept up to date. With P >= 2 the run polls every PassoControlloPunti sets (elaborati:
// the sets done, totale: T); a confirmed stop returns at once with the counts reached and `interrotta` set.
// With P = 1 (at most 90 sets) it does not poll.
void DistribuzionePunti(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                        std::int32_t quante, int punti, EsitoDistribuzionePunti& esito,
                        ControlloEsecuzione& controllo);

// The same over the committed plays of the list.
void DistribuzionePunti(const std::vector<std::uint8_t>& pronostico, const ElencoGiocate& elenco, int punti,
                        EsitoDistribuzionePunti& esito, ControlloEsecuzione& controllo);

// The literal definition, every set scored against every play: the reference of the tests and the
// benchmark. Polls like DistribuzionePunti; `limite` > 0 stops after that many sets (not marked
// interrupted), so that a benchmark can time a sample.
void DistribuzionePuntiLetterale(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                                 std::int32_t quante, int punti, EsitoDistribuzionePunti& esito,
                                 ControlloEsecuzione& controllo, std::int64_t limite = 0);

// A percentage with four decimals and "." ("12.5000"), whatever the locale.
std::string TestoPercentualeQuattroDecimali(double percentuale);
// A percentage of the chart: up to four decimals, trailing zeros dropped, then " %" ("12.5 %", "90 %").
std::string TestoPercentualeGrafico(double percentuale);
