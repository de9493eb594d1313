#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reductions/condizioni_riduzione.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/esecuzione_riduzione.h"

#include <string>

// "Riduzione condizionata": the run of the conditions over the prediction or over the plays.

namespace messaggi_condizionata {

inline constexpr const char* NessunaNuovaGiocata = messaggi_filtro::NessunaNuovaGiocata;
inline constexpr const char* TutteEliminate = messaggi_filtro::TutteEliminate;
inline constexpr const char* GiocateFinali = messaggi_filtro::GiocateFinali;

} // namespace messaggi_condizionata

// Dialog settings: the selected criterion, the wheel and the size of the historic chart.
inline constexpr const char* ChiaveRidCondCriterio = "RidCond_cbe";
inline constexpr const char* ChiaveRidCondRuota = "RidCond_cb4";
inline constexpr const char* ChiaveRidCondDimensione = "RidCond_cb2";

// Polls of the plays mode.
inline constexpr std::int64_t IntervalloVerificaCondizionata = IntervalloVerificaFiltro;

using ModoCondizionata = ModoFiltro;

// The record the system carries, as a struct, and back.
CondizioniRiduzione CondizioniDelSistema(const Sistema& sistema);
void ImpostaCondizioni(Sistema& sistema, const CondizioniRiduzione& condizioni);

// Prediction mode: every k-combination of the prediction, in lexicographic order, that the conditions
// accept (with the fixed-number check when consideraFisse and the system has fixed numbers) and that is
// not among the plays the list held before the run is written after them; the commit adds them all.
// Polls every 64 combinations (never for k = 1) with "Nº Giocate finali: " count + added. Nothing added:
// NessunRisultato with NessunaNuovaGiocata. A stop or a failed growth adds nothing. The duplicate check
// is one cursor search per accepted combination, skipped when the list was empty.
//
// Plays mode: from j = 1 while j <= count: an accepted play j stays and j advances; a refused one is
// swapped with the last play and the count lowered (the play moved in is tested next). Polls every 17
// plays with "Nº Giocate finali: " count and the bar at j / count. A stop brings every removed play back
// (in another order). Plays remaining: Completata, the system marked modified. None remaining: the list
// stays empty (and the system modified), NessunRisultato with TutteEliminate.
//
// Either way the undo snapshot is taken first when the list is not empty.
[[nodiscard]] EsitoRiduzione RiduzioneCondizionata(Sistema& sistema, ElencoGiocate& giocate,
                                                   const CondizioniRiduzione& condizioni,
                                                   ModoCondizionata modo, bool consideraFisse,
                                                   ControlloEsecuzione& controllo);
