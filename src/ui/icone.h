#pragma once

#include <QIcon>
#include <QPalette>

// The pictures of the commands: the desktop theme's icon for the standard commands (new, open, save,
// print, help), our own drawing (src/ui/icone/*.svg, built into the program) for the rest and wherever
// the theme has none, so the toolbar looks the same on every desktop that lacks a theme.
namespace Icone {

enum Tipo {
    Nuovo,
    Apri,
    Salva,
    Garanzia,
    Ortogonale,
    Condizionata,
    Filtro,
    Ritardi,
    Frequenze,
    Ottimizza,
    Annulla,
    Elimina,
    Modifica,
    Spoglio,
    Probabilita,
    Stampa,
    Aggiorna,
    Guida,
};

inline constexpr int NumeroTipi = Guida + 1;

// The icon of a command. Our drawings take their strokes from the palette's text colour, so they stay
// readable on a dark desktop too.
QIcon Crea(Tipo tipo, const QPalette& tavolozza);

// Our own drawing of a command at `lato` pixels, whatever the theme holds (empty if the drawing is
// missing from the program).
QPixmap Disegno(Tipo tipo, int lato, const QPalette& tavolozza);

} // namespace Icone
