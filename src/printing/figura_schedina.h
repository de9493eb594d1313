#pragma once

#include "printing/impaginazione.h"
#include "printing/schedina.h"

// The picture of a slip for the previews, drawn from the slip's own geometry: a framed box with its label
// around every mark position, inside the outline of the slip.
namespace stampa {

struct FiguraSchedina
{
    Impaginazione disegno; // one page; frame coordinates are slip millimetres minus `origine`
    Punto origine;
};

// For the box-table slips the positions are PosizioneSegno's; for the grid models those of the record given.
// The marks of a play land on the picture at their position minus `origine` (plus half the mark diameter to
// reach the centre of a box).
FiguraSchedina DisegnaFiguraSchedina(ModelloSchedina modello, Orientamento orientamento,
                                     const CalibrazioneSchedina& record);

} // namespace stampa
