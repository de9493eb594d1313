#pragma once

class AzioniPrincipali;
class QMenu;
class QMenuBar;
class QToolBar;

// The menus and the toolbar of the main window, laid out from the actions of every command. Every
// command is placed exactly once in the menus (the toolbar repeats some); a command left out stops the
// program at start-up. Returns the "Riapri" submenu, which the file commands fill with the recent files.
QMenu* CreaMenuPrincipale(const AzioniPrincipali& azioni, QMenuBar* barra, QToolBar* strumenti);
