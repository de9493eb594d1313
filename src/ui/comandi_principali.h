#pragma once

#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The command tree of the main window: every menu item with its caption and shortcut, the
// toolbar, and the items the window wires to a command. Items whose function is not built yet
// stay disabled.
struct ComandiPrincipali
{
    QAction* nuovo = nullptr;
    QAction* apri = nullptr;
    QMenu* riapri = nullptr;
    std::vector<QAction*> recenti; // ria1..ria9
    QAction* salva = nullptr;
    QAction* salvaConNome = nullptr;
    QAction* esci = nullptr;
    QAction* modificaImporti = nullptr;
    QAction* impostaStampante = nullptr;
    QAction* apriCartellaRiduttori = nullptr;
    QAction* sommario = nullptr;
    QAction* informazioni = nullptr;

    // Builds the menus on the bar and the toolbar; the actions are owned by `proprietario`.
    void crea(QWidget* proprietario, QMenuBar* barra, QToolBar* strumenti);
};
