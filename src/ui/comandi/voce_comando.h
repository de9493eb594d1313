#pragma once

#include "ui/comandi/comando.h"
#include "ui/icone.h"

#include <QKeySequence>

#include <functional>
#include <optional>

// One row of a command area's table: everything the menus and the toolbar show of a command, and what
// it does. A row without `esegui` is a command whose window is not built yet: shown, not usable.
struct VoceComando
{
    Comando comando;
    const char* testo;                  // menu caption (UTF-8)
    std::function<void()> esegui;       // empty: shown disabled
    QKeySequence tasti = {};            // shortcut
    std::optional<Icone::Tipo> icona{}; // toolbar picture, for the commands on the toolbar
    const char* suggerimento = nullptr; // toolbar tip when it differs from the caption
    const char* guida = nullptr;        // help page of the window the command opens
};
