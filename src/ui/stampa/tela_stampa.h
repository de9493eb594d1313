#pragma once

#include "printing/impaginazione.h"
#include "printing/schedina.h"

#include <QRect>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The one canvas of printing: it draws the layouts of the printing engine on a printer, a PDF or a widget.
// A frame coordinate v of a layout lands at round(target size × v ÷ frame size) pixels of the target.
namespace tela {

// Arial on a paint device, measured in that device's pixels.
class MisuraQt final : public stampa::MisuraTesto
{
public:
    explicit MisuraQt(QPaintDevice* dispositivo) : m_dispositivo(dispositivo) {}
    int larghezza(std::string_view testo, int altezzaFont) const override;
    int altezza(std::string_view testo, int altezzaFont) const override;

private:
    QPaintDevice* m_dispositivo;
};

// The page values of a printer or PDF writer: printable size and resolution, and the offset of the
// printable area from the paper's edge.
stampa::PaginaStampante PaginaDi(const QPagedPaintDevice& dispositivo);

// Draws one page of the layout into `area` (device pixels of the painter's device).
void DisegnaPagina(QPainter& pittore, const QRect& area, const stampa::Impaginazione& impaginazione,
                   const stampa::PaginaDisegno& pagina);

// Prints every page of the layout on the device, one page after the other; false when the painter could not
// start (no printer, an unwritable PDF). `prima` runs before each page and may stop the print (false):
// the pages already sent stay printed.
[[nodiscard]] bool StampaImpaginazione(QPagedPaintDevice& dispositivo,
                                       const stampa::Impaginazione& impaginazione,
                                       const std::function<bool(int pagina)>& prima = {});

} // namespace tela
