#pragma once

#include <QRect>
#include <QString>

struct Tipo_Estrazione;
class QPainter;
class QPrinter;

// Where the parts of the page went, in device pixels.
struct ImpaginazioneEstrazione
{
    QRect figura;  // the side picture, left of the wheels
    QRect cornice; // the orange frame around the wheels
    QRect piede;   // the footer line
};

// The page of one archive draw: the heading "ESTRAZIONE DEL " with its date, the side picture of the
// maintenance window, the eleven wheels with their five numbers inside an orange frame, and at the
// foot "QUARVINA LOTTO - " followed by `sitoWeb`. The font is sized to the painter's device (its
// width and height in device pixels); font, pen and brush are restored.
ImpaginazioneEstrazione DisegnaEstrazione(QPainter& pittore, const Tipo_Estrazione& estrazione,
                                          const QString& sitoWeb);

// Prints the draw as one page of the job "Quarvin" on a printer already chosen; false when the printer
// could not start.
[[nodiscard]] bool StampaEstrazione(QPrinter& stampante, const Tipo_Estrazione& estrazione,
                                    const QString& sitoWeb);
