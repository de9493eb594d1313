#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"
#include "reductions/profilo_sovrapposizioni.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// "Aggiungi colonne più rappresentative" adds plays each of which is, among many random candidates, the
// one that overlaps the list least; "Elimina giocate meno rappresentative" removes, one at a time, the
// play that overlaps the others most.

namespace messaggi_rappresentative {

inline constexpr const char* AggiuntaNonValida = "Il numero di giocate da aggiungere non è valido.";
inline constexpr const char* EliminazioneNonValida = "Il numero di giocate da eliminare non è valido.\r"
                                                     "Inserire un numero compreso tra 1 e ";

} // namespace messaggi_rappresentative

// Dialog settings.
inline constexpr const char* ChiaveNumNewGenio = "NumNewGenio";
inline constexpr const char* ChiaveTKBGenio = "TKBGenio";
inline constexpr const char* ChiaveNumNewMenoRapp = "NumNewMenoRapp";

// The time budget of one added play for the slider position 0..100: 6 x (101 - s)^2 ms, at least 500.
[[nodiscard]] std::int64_t TempoPerGiocata(int posizione);
// "Tempo previsto: M minuti e S secondi" for n plays of `millisecondi` each (1 second when it would
// read 0 and 0).
[[nodiscard]] std::string TestoTempoPrevisto(std::int64_t n, std::int64_t millisecondi);

// The profile of a play against every play of `maschere` except the one at `escluso` (0-based, -1 for
// none).
[[nodiscard]] ProfiloSovrapposizioni ProfiloContro(const MascheraNumeri& giocata,
                                                   const std::vector<MascheraNumeri>& maschere,
                                                   std::ptrdiff_t escluso = -1);

// A count typed by the user: a whole number >= 1, else nullopt.
[[nodiscard]] std::optional<std::int32_t> LeggiQuanteRappresentative(std::string_view testo);

struct ParametriGenio
{
    std::int32_t giocate = 1;
    bool consideraFisse = false;
    // The candidates of one play: drawn for `millisecondi` (the window), or exactly `candidati` of them
    // when it is above 0 (reproducible runs). Either way at least one is drawn.
    std::int64_t millisecondi = 0;
    std::int64_t candidati = 0;
    // Called at each poll with the share 0..1 of the current play's budget already spent.
    std::function<void(double)> tempoGiocata;
};

// The run: for each play to add, candidates are drawn (the fixed numbers first when they count, the
// others generatore.estrai(90) + 1 again until predicted and new to the candidate, then sorted); a
// candidate not already in the list whose profile beats the best one from below becomes the best, and
// the best is appended at once. Polls every 64 candidates. A stop takes the appended plays away; no play
// added gives NessunRisultato with the no-play message.
[[nodiscard]] EsitoRiduzione AggiungiPiuRappresentative(Sistema& sistema, ElencoGiocate& giocate,
                                                        const ParametriGenio& parametri,
                                                        GeneratoreCasuale& generatore,
                                                        ControlloEsecuzione& controllo);

// The run: n times (n lowered to the count) the play whose profile against the others beats the chosen
// one from above (the first of equals) is swapped with the last play and the count lowered. Polls after
// every play examined; a stop brings every removed play back. Removing every play is a result.
[[nodiscard]] EsitoRiduzione EliminaMenoRappresentative(Sistema& sistema, ElencoGiocate& giocate,
                                                        std::int32_t n, ControlloEsecuzione& controllo);
