#pragma once

struct Tipo_Estrazione;
class QPainter;
class QPrinter;

// The page of one archive draw: the heading "ESTRAZIONE DEL " with its date, the eleven wheels with
// their five numbers inside an orange frame, and the program's name at the foot. The font is sized to
// the painter's device (its width and height in device pixels); font, pen and brush are restored.
void DisegnaEstrazione(QPainter& pittore, const Tipo_Estrazione& estrazione);

// Prints the draw as one page of the job "Quarvin" on a printer already chosen; false when the printer
// could not start.
[[nodiscard]] bool StampaEstrazione(QPrinter& stampante, const Tipo_Estrazione& estrazione);
