#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reducers/riduttore_personale.h"
#include "reductions/esecuzione_riduzione.h"

#include <optional>
#include <string>

// Dialog setting: "Visualizza solo i riduttori applicabili al pronostico attuale" (0/1, unticked by default).
inline constexpr const char* ChiaveApplicaRidCB1 = "ApplicaRidCB1";

// Lines of the reducer between two polls: every line, so that even a short reducer can be stopped (the
// window's poll is rate-limited and costs a clock reading when it does nothing).
inline constexpr std::int64_t IntervalloVerificaRiduttore = 1;

// The refusal when the reducer's m is not the number of predicted numbers n; nullopt when it fits.
std::optional<Messaggio> RiduttoreNonAdatto(const RiduttorePersonale& riduttore, const Sistema& sistema);

// "Applica riduttore": position i of every reducer play becomes the i-th smallest predicted number and the
// play is appended after the committed plays when (with consideraFisse and fixed numbers in the system) it
// holds the fixed numbers and it is neither among the plays committed before the run nor an earlier play
// of this run (a hand-edited file may repeat a line). Runs in ModoRiduzione::Aggiunge: the undo snapshot
// is taken first, a stop or a failed growth leaves the list as it was, the commit adds the new plays and
// marks the system modified; nothing added gives NessunRisultato with the "Non è stata aggiunta nessuna
// nuova giocata." message. The caller checks the fit first (RiduttoreNonAdatto): a reducer that does not
// fit adds nothing.
//
// One progress step per valid play line (the skipped lines were dropped when the file was read), polled
// every IntervalloVerificaRiduttore lines; the running count shown is the committed count plus the plays
// added. Cost: O((c + p) log(c + p)) for c committed plays and p reducer plays, no allocation per play.
[[nodiscard]] EsitoRiduzione ApplicaRiduttore(Sistema& sistema, ElencoGiocate& giocate,
                                              const RiduttorePersonale& riduttore, bool consideraFisse,
                                              ControlloEsecuzione& controllo);
