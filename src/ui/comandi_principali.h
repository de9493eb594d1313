#pragma once

#include <QAction>
#include <QObject>
#include <QString>

#include <map>

#include <vector>

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

    // The command with this caption, or with "Menu/caption" where a caption repeats in several
    // menus (the menu title without its surrounding spaces: "Mod. MDN/Calibra la stampa verticale
    // su schedine"); nullptr when none. Toolbar buttons share the action of their menu item.
    QAction* azione(const QString& percorso) const;
    // Enables the command and connects it; the window calls this for every command it implements.
    template <typename Funzione>
    QAction* collega(const QString& percorso, const QObject* contesto, Funzione funzione)
    {
        QAction* a = azione(percorso);
        if (a != nullptr) {
            a->setEnabled(true);
            QObject::connect(a, &QAction::triggered, contesto, funzione);
        }
        return a;
    }

private:
    std::map<QString, QAction*> m_perPercorso;
};
