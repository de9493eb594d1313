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
//
// It lives in the editor layer because it holds the Sistema being edited, an editor type: core sits
// below the editor and cannot name it, while every layer above (reductions, checking, tools, the
// windows, the command line) already depends on the editor. It holds only plain objects and the
// interfaces of the platform (settings store, message service), so engines and tests use it without Qt.
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
