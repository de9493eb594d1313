#pragma once

#include <QIcon>
#include <QPalette>

// The toolbar's pictures, drawn by the program so that no image files need to ship.
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
};

QIcon Crea(Tipo tipo, const QPalette& tavolozza);

} // namespace Icone
