#pragma once

#include "core/importi.h"
#include "ui/comandi/comando.h"

class QAction;
class QWidget;
class ServiziFinestre;
class VistaStatistica;
struct StatoApplicazione;

// What the command areas see of the main window: the application state, the window services, the
// actions of the other commands, the views to refresh and the few widget readings a command needs.
class FinestraComandi
{
public:
    virtual StatoApplicazione& stato() = 0;
    virtual ServiziFinestre& servizi() = 0;
    // The parent of the dialogs the commands open.
    virtual QWidget* finestra() = 0;
    virtual QAction& azione(Comando comando) = 0;

    // The summary, the plays view and the "Salva" caption, after the system or its plays changed.
    virtual void aggiornaRiepilogo() = 0;
    // Every widget of the system from the system (a new or opened system).
    virtual void riempiDaSistema() = 0;
    // The number grid from the prediction, after a command changed it.
    virtual void aggiornaPronostico() = 0;
    virtual void aggiornaTitolo() = 0;
    // The statistics and everything showing them, after the archive, the wheels or the settings changed.
    virtual void ricalcolaStatistiche() = 0;
    // The archive line of the status bar, after the archive changed.
    virtual void aggiornaArchivio() = 0;
    virtual VistaStatistica& vistaStatistica() = 0;

    // Reads the fixed-number and wheel boxes into the system and validates it (messages shown).
    [[nodiscard]] virtual bool validaSistema() = 0;
    // The stakes typed in the boxes, validated (the system keeps the values read).
    [[nodiscard]] virtual EsitoImporti leggiImporti() = 0;
    virtual void focusNumeriPerGiocata() = 0;
    // The last selected play of the plays view (1-based), or 1.
    [[nodiscard]] virtual int giocataSelezionata() const = 0;
    virtual void segnaModificato() = 0;

protected:
    ~FinestraComandi() = default;
};
