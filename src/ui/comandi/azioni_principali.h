#pragma once

#include "ui/comandi/comando.h"
#include "ui/comandi/voce_comando.h"

#include <array>
#include <vector>

class QAction;
class QWidget;

// The actions of the main window, one per command, made once from the command areas' tables. Asking
// for a command that no table made, or making one twice, stops the program at start-up (a programming
// error that every window test meets), never a null at the moment the user clicks.
class AzioniPrincipali
{
public:
    explicit AzioniPrincipali(QWidget* proprietario) : m_proprietario(proprietario) {}

    // Makes the actions of one area's table and connects them to their rows' functions.
    void registra(const std::vector<VoceComando>& voci);
    // Stops the program unless every command has its action.
    void verificaComplete() const;

    QAction& azione(Comando comando) const;
    // The help page of a command's window ("" when it opens none).
    const char* guida(Comando comando) const;

private:
    QWidget* m_proprietario;
    std::array<QAction*, NumeroComandi> m_azioni{};
    std::array<const char*, NumeroComandi> m_guide{};
};
