#pragma once

#include "core/archivio_impostazioni.h"
#include "core/archivio_storico.h"
#include "core/cartelle.h"
#include "core/elenco_giocate.h"
#include "core/generatore_casuale.h"
#include "core/impostazioni_generali.h"
#include "core/messaggi_servizio.h"
#include "core/statistiche.h"
#include "editor/sistema.h"

// The process-wide objects, created once by main() (or by a test in a temporary folder) and
// handed by reference to whoever needs them. Nothing here is global.
struct StatoApplicazione
{
    StatoApplicazione(ArchivioImpostazioni& store, ServizioMessaggi& servizio, Cartelle dirs)
        : impostazioni(store), messaggi(servizio), cartelle(std::move(dirs))
    {
        giocate.setServizioMessaggi(&messaggi);
    }

    ArchivioImpostazioni& impostazioni;
    ServizioMessaggi& messaggi;
    Cartelle cartelle;
    ImpostazioniGenerali generali;
    ElencoGiocate giocate;
    Sistema sistema;
    ArchivioStorico archivio;
    StatisticheNumeri statistiche;
    GeneratoreCasuale generatore;

    // After the archive, the wheels or the probability settings changed.
    void ricalcolaStatistiche() { RicalcolaStatistiche(archivio, sistema.ruote, generali, statistiche); }
};
