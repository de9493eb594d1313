#include "ui/anteprima_schedina.h"

#include "ui/stampa/tela_stampa.h"

#include <QPainter>

#include <algorithm>

AnteprimaSchedina::AnteprimaSchedina(QWidget* genitore) : QWidget(genitore)
{
    setMinimumSize(240, 240);
}

void AnteprimaSchedina::setFigura(stampa::FiguraSchedina figura)
{
    m_figura = std::move(figura);
    update();
}

void AnteprimaSchedina::setSegni(std::vector<stampa::Punto> segni, double diametro)
{
    m_segni = std::move(segni);
    m_diametro = diametro;
    update();
}

void AnteprimaSchedina::setSpostamento(stampa::Punto spostamento)
{
    m_spostamento = spostamento;
    update();
}

void AnteprimaSchedina::setMarcatore(stampa::Punto punto, bool visibile)
{
    m_marcatore = punto;
    m_conMarcatore = visibile;
    update();
}

void AnteprimaSchedina::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const auto& imp = m_figura.disegno;
    if (imp.pagine.empty() || imp.larghezza <= 0 || imp.altezza <= 0) {
        return;
    }
    // One scale for both axes, so the slip keeps its shape; a fixed number of millimetres per pixel.
    const double scala = std::min((width() - 8) / imp.larghezza, (height() - 8) / imp.altezza);
    const int w = static_cast<int>(imp.larghezza * scala);
    const int h = static_cast<int>(imp.altezza * scala);
    const int x0 = (width() - w) / 2 + static_cast<int>(m_spostamento.x * scala);
    const int y0 = (height() - h) / 2 + static_cast<int>(m_spostamento.y * scala);
    p.fillRect(QRect(x0, y0, w, h), QColor(255, 250, 235));
    p.setRenderHint(QPainter::Antialiasing);
    tela::DisegnaPagina(p, QRect(x0, y0, w, h), imp, imp.pagine.front());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 160));
    const int lato = std::max(3, static_cast<int>(m_diametro * scala));
    for (const stampa::Punto& s : m_segni) {
        const double x = (s.x - m_figura.origine.x) * scala + x0;
        const double y = (s.y - m_figura.origine.y) * scala + y0;
        p.drawEllipse(QRectF(x, y, lato, lato));
    }
    if (m_conMarcatore) {
        const double x = (m_marcatore.x - m_figura.origine.x) * scala + (width() - w) / 2;
        const double y = (m_marcatore.y - m_figura.origine.y) * scala + (height() - h) / 2;
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(x - 8, y), QPointF(x + 8, y));
        p.drawLine(QPointF(x, y - 8), QPointF(x, y + 8));
    }
}
