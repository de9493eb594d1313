#pragma once

#include "editor/stato_applicazione.h"
#include "ui/comandi/finestra_comandi.h"
#include "ui/comandi/voce_comando.h"
#include "ui/servizi_finestre.h"

#include <vector>

// A group of the main window's commands (one menu area): its table of commands and their functions.
// A new command is one row in its area's table and a function that opens its dialog.
class AreaComandi
{
public:
    explicit AreaComandi(FinestraComandi& finestra) : m_finestra(finestra) {}
    virtual ~AreaComandi() = default;
    AreaComandi(const AreaComandi&) = delete;
    AreaComandi& operator=(const AreaComandi&) = delete;

    // The area's table, in the order of the rows; read once when the window is made.
    [[nodiscard]] virtual std::vector<VoceComando> voci() = 0;

protected:
    StatoApplicazione& stato() { return m_finestra.stato(); }
    ServiziFinestre& servizi() { return m_finestra.servizi(); }
    ServizioMessaggi& messaggi() { return m_finestra.stato().messaggi; }
    QWidget* genitore() { return m_finestra.finestra(); }

    FinestraComandi& m_finestra;
};
