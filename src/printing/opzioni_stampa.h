#pragma once

#include "core/archivio_impostazioni.h"
#include "core/impostazioni_generali.h"
#include "printing/impaginazione.h"

// The print options kept between runs: the orientation and the slip number option (general settings) and
// the current slip's dialog options "IDE_ruota_simb", "IDE_gioca_abb", "IDE_num_abb".
namespace stampa {

inline constexpr const char* ChiaveRuotaSimbolotto = "ruota_simb";
inline constexpr const char* ChiaveGiocaAbbonamento = "gioca_abb";
inline constexpr const char* ChiaveNumeroAbbonamento = "num_abb";

struct OpzioniSimbolotto
{
    bool ruotaSimbolotto = false;
    bool abbonamento = false;
    int numeroAbbonamento = -1; // index 0..6 of "2", "3", "4", "5", "6", "9", "10"; -1 none
};

OpzioniSimbolotto LeggiOpzioniSimbolotto(ArchivioImpostazioni& store);
void ScriviOpzioniSimbolotto(ArchivioImpostazioni& store, const OpzioniSimbolotto& opzioni);

// The slip options as the settings give them for a model (the Simbolotto ones only on the current slip).
OpzioniSchedina OpzioniDaImpostazioni(const ImpostazioniGenerali& generali,
                                      const OpzioniSimbolotto& simbolotto, ModelloSchedina modello);

} // namespace stampa
