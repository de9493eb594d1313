#pragma once

#include "checking/spoglio.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// What the printed check shows: the draw as typed in the window, the summary rows and the report.
struct StampaSpoglioDati
{
    QString data;
    std::array<std::array<QString, 5>, 11> celle{}; // by archive wheel and position, the cells' texts
    std::array<VoceRiepilogoSpoglio, 9> riepilogo{};
    std::vector<std::string> resoconto;
};

// Paints the check on the pages of `pagine` (the painter's device): "Estrazione del: " and the date, the
// eleven wheels with their cells, beside them the counts and amounts of the seven classes and the total in
// bold, then the report lines below the wheels, separators left out (their line stays blank); a page that
// is full continues at the top of the next one. The font is the largest Arial in which 90 letters "H" fit
// across the page; font, pen and brush are restored.
void DisegnaSpoglio(QPainter& pittore, QPagedPaintDevice& pagine, const StampaSpoglioDati& dati);

// Prints the check as the job "Quarvin" on a printer already chosen; false when the printer could not
// start or finish.
[[nodiscard]] bool StampaSpoglio(QPrinter& stampante, const StampaSpoglioDati& dati);
