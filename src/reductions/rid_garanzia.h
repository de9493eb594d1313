#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "core/giocata.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"
#include "reductions/indice_copertura.h"
#include "reductions/riduttori_immediati.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Guarantee reductions: plays such that, whatever five numbers are drawn, when enough of them fall in
// the reference set (the prediction, or one current play) some play scores the guaranteed class g.
// A candidate is covered by a play when the two share at least t = g numbers. Both runs use the coverage
// index, so testing a candidate costs C(s, t) look-ups whatever the number of plays.

namespace messaggi_garanzia {

inline constexpr const char* TitoloPronostico = "Riduzione del pronostico a garanzia";
inline constexpr const char* TitoloGiocate = "Riduzione delle giocate a garanzia";
inline constexpr const char* PunteggioGarantito = "Punteggio garantito dalla riduzione:";
inline constexpr const char* StimaNonDisponibile = "Nº stimato di giocate: non disponibile";
inline constexpr const char* Stima = "Nº stimato di giocate: ";
inline constexpr const char* TipoNonImmediata = "Tipo di riduzione: non immediata";
inline constexpr const char* TipoImmediata = "Tipo di riduzione: immediata";
inline constexpr const char* TipoControlloFisse = "Tipo di riduzione: non immediata (controllo fisse)";
inline constexpr const char* PuntiNelPronostico = "Punti nel pronostico";
inline constexpr const char* PuntiGarantitiGiocate = "Punti garantiti nelle giocate";
inline constexpr const char* PuntiNelleGiocate = "Punti nelle giocate attuali";
inline constexpr const char* PuntiGarantitiFinali = "Punti garantiti nelle giocate finali";
inline constexpr const char* Normale = "Normale";
inline constexpr const char* RiduttoriImmediati = "Riduttori immediati";
inline constexpr const char* ScaricaRiduttori = "Scarica riduttori";

} // namespace messaggi_garanzia

// Dialog settings: guarantee index of each dialog (0 = ambo) and mode index of the play reduction
// (0 = "Normale").
inline constexpr const char* ChiaveRidGara = "RidGara";
inline constexpr const char* ChiaveRidGaraGio = "RidGaraGio";
inline constexpr const char* ChiaveRidGaraGioTR = "RidGaraGioTR";

// The names of the guarantee selector, item index + 2 = g.
inline constexpr std::array<const char*, 4> NomiGaranzia{"Ambo", "Terno", "Quaterna", "Cinquina"};

// The guarantee the selector keeps for plays of k numbers: when k <= 5 and g >= min(k, 5), k - 1 (k = 3
// allows only ambo, 4 up to terno, 5 up to quaterna); g otherwise. g is first brought into 2..5.
[[nodiscard]] int GaranziaAmmessa(int k, int g);

// The table of points: for p = 5, 4, 3, 2, 1 drawn numbers in the reference set, the points guaranteed
// in one play, max(0, min(k, g - (5 - p))).
[[nodiscard]] std::array<int, 5> PuntiGarantiti(int k, int g);

// The two estimate labels of the prediction reduction for (n, k, g) and the file of reducers.
struct StimaRiduzione
{
    std::string giocate;
    std::string tipo;
};
[[nodiscard]] StimaRiduzione StimaRiduttore(const std::string& fileRiduttori, int n, int k, int g,
                                            bool consideraFisse);

// Whether the mode "Riduttori immediati" may stay selected: a reducer for (v, k, g) exists and the fixed
// numbers are not considered.
[[nodiscard]] bool ImmediatiAmmessi(const std::string& fileRiduttori, int v, int k, int g,
                                    bool consideraFisse);

// The outcome of a guarantee run. riduttoreDanneggiato: the immediate reducer failed its checks; nothing
// was committed (the system's modified flag is left as it was) and the dialog shows the damaged-reducer
// messages and closes.
struct EsitoGaranzia
{
    EsitoRiduzione esito;
    bool riduttoreDanneggiato = false;
};

struct ParametriGaraPro
{
    int garanzia = 2; // g, clamped with GaranziaAmmessa against the system's k
    bool consideraFisse = false;
    std::string fileRiduttori; // Quarvin.ra2 (empty or missing: no immediate path)
};

// "Riduzione del pronostico a garanzia" (TRidGaraPro). Adds plays of k numbers of the prediction so that
// every k-number combination of the prediction (with the fixed numbers, when considered) shares at least
// g numbers with some play of the list; the plays already in the list count. Paths:
//  - immediate (fixed numbers not considered, a reducer for (n, k, g)): the reducer's plays turned into
//    numbers of the ordered prediction, those already in the list skipped; polls every 17 plays;
//  - greedy (k <= 5): the needed combinations, in order, into a buffer of 252; each step adds the
//    candidate covering most others (ties: the earliest) and removes those it covers; polls every 64
//    combinations;
//  - merge (k >= 6): the needed five-number combinations merged into growing plays (AccorpaCombinazione),
//    then the random completion from the prediction (random positions 0..n-1); polls every 64.
// Commits by adding; nothing added gives NessunaGiocataAggiunta. A stop or a failed growth adds nothing.
[[nodiscard]] EsitoGaranzia RiduzionePronosticoGaranzia(Sistema& sistema, ElencoGiocate& giocate,
                                                        const ParametriGaraPro& parametri,
                                                        GeneratoreCasuale& generatore,
                                                        ControlloEsecuzione& controllo);

struct ParametriGaraGio
{
    int garanzia = 2; // g, clamped with GaranziaAmmessa against k
    bool consideraFisse = false;
    bool immediati = false;    // mode "Riduttori immediati"
    std::string fileRiduttori; // Quarvin.ra2
    int numeriGiocate = 0;     // k, the size of every current play (at least 3)
    SegniNumeri numeriUsati{}; // the numbers occurring in the plays: the base list
};

// "Riduzione delle giocate a garanzia" (TRidGaraGio). Replaces the list with plays of k numbers of the
// base list such that every current play shares at least g numbers (the class) with some final play,
// taking fewer plays. Paths:
//  - immediate (mode "Riduttori immediati", fixed numbers not considered, a reducer for (v, k, g)): each
//    reducer play is kept when it covers (t = g + k - 5 for k > 5, else g) a current play not yet
//    covered, and removes every such play; polls every 77 plays scanned and every 17 reducer plays;
//  - single pass (k <= 5): each current play is kept when no kept play covers it; polls every 93;
//  - five-number path (k >= 6): the current plays are moved behind the list, their five-number
//    combinations not seen before (mappaCinquine, may be null) merged into new plays when needed, then
//    the random completion (numbers 1..90 drawn until one of the base list); polls every 64 plays.
// The new list is committed; nothing produced gives NessunaGiocataAggiunta. A stop leaves every play in
// the list (the single and immediate paths possibly in another order; the five-number path exactly as
// it was). A five-number run that produces nothing, or whose list cannot grow, also puts every current
// play back where it was.
[[nodiscard]] EsitoGaranzia RiduzioneGiocateGaranzia(Sistema& sistema, ElencoGiocate& giocate,
                                                     const ParametriGaraGio& parametri,
                                                     InsiemeCombinazioni* mappaCinquine,
                                                     GeneratoreCasuale& generatore,
                                                     ControlloEsecuzione& controllo);

// The numbers occurring in the plays 1..count (the base list of the play reductions).
[[nodiscard]] SegniNumeri NumeriNelleGiocate(const ElencoGiocate& giocate);

// AccorpaCombinazione on a set of growing plays. The plays live in the play list at the positions the
// caller chooses; this keeps, for those not yet full, which numbers they hold, so that choosing a play
// costs one popcount per open play.
class AccorpamentoGiocate
{
public:
    explicit AccorpamentoGiocate(int k) : m_k(k) {}

    // Merges combination c (its first s numbers, ascending) into the open play with most room left after
    // the merge (ties: the earliest added), appending the numbers it lacks in c's order into its next
    // empty slots; returns that play's list position. Without such a play returns 0: the caller writes c
    // as a new play and calls nuova().
    std::int32_t accorpa(ElencoGiocate& giocate, const Tipo_Giocata& c, int s);
    // A new play of s numbers written by the caller at this list position.
    void nuova(std::int32_t posizione, const Tipo_Giocata& c, int s);

private:
    struct Aperta
    {
        std::int32_t posizione;
        std::uint64_t basso;
        std::uint64_t alto;
        int quanti;
    };
    int m_k;
    std::vector<Aperta> m_aperte; // in order of creation
};

// The random completion: every play at the positions given, while it holds fewer than k numbers, takes
// a number of the base list not yet in it, then is sorted. daPronostico: a random position 0..v-1 of the
// base list (the prediction reductions); otherwise a random number 1..90 drawn again until it is in the
// base list (the play reductions).
void CompletamentoCasuale(ElencoGiocate& giocate, std::int32_t prima, std::int32_t ultima, int k,
                          const std::vector<std::uint8_t>& base, bool daPronostico,
                          GeneratoreCasuale& generatore);
