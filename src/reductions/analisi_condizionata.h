#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reductions/analisi_riduzione.h"
#include "reductions/campione_storico.h"
#include "reductions/condizioni_riduzione.h"
#include "reductions/rid_condizionata.h"

#include <string>

// The two analyses of the conditional reduction: per criterion, how many candidates fail it, and how
// many the conditions accept. Rows 0..23 are the criteria; "Analisi giocate" has row 24, "Fisse".

inline constexpr int RigheAnalisiGiocate = VociCondizioni;
inline constexpr int RigheAnalisiStorica = CriteriCondizioni;
// Combinations between two polls of the historic analysis.
inline constexpr std::int64_t IntervalloVerificaStorica = 153;

// "Analisi giocate": the candidates the reduction would test (the k-combinations of the prediction, or
// the plays of the list), each tested with VerificaCondizioni (with the fixed-number check when
// consideraFisse and the system has fixed numbers). A candidate is valid when its result is below 25
// and allowed; every failure flag counts in its row (the missing fixed number in row 24 only). Polls
// every 64 combinations or 17 plays; a confirmed stop keeps the counts reached.
void AnalisiCondizioniGiocate(const Sistema& sistema, const ElencoGiocate& giocate,
                              const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                              bool consideraFisse, ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo);

// "Analisi storica": the combinations of the historic sample, tested without the fixed-number check.
// Polls every 153 combinations with the bar at draw index / draws; a confirmed stop keeps the counts.
void AnalisiCondizioniStorica(const CampioneStorico& campione, const CondizioniRiduzione& condizioni,
                              ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo);

// "Analisi sull'archivio storico, ruota: " + wheel + " , sviluppo estrazioni in: " + size.
std::string TitoloAnalisiStorica(int sceltaRuota, int sceltaDimensione);
