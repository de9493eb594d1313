#pragma once

#include "editor/file_riduzioni.h"
#include "editor/sistema.h"
#include "editor/stato_applicazione.h"

#include <string>

// "Nuovo": the system takes its starting values. Prediction, fixed count, stakes and positions are
// cleared (the fixed-number bytes stay), only Tutte is played, k is IDE_NumxGio + 1 (5 when missing or
// outside 1..10), the play list is emptied, every reduction record is loaded from its settings file in
// the data folder, the file name is the first free default name in the documents folder and the
// system is not modified. Nothing is written. Returns the settings files that were present but refused.
EsitoCaricamentoRecord NuovoSistema(StatoApplicazione& stato);

// cartella + "Sistema" + N + ".qvs" for the smallest N from 1 that names nothing on disk; cartella
// ends with a separator (or is empty).
std::string NomeFilePredefinito(const std::string& cartella);

// "QUARVINA LOTTO - [" + file name without folder + "]".
std::string TitoloFinestra(const Sistema& sistema);
