#include "ui/stampa/tela_stampa.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tela {

namespace {

QFont Arial(int altezzaPx)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, altezzaPx));
    return font;
}

QString Testo(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

int Scala(double v, int lato, double cornice)
{
    return cornice > 0 ? static_cast<int>(std::lround(lato * v / cornice)) : 0;
}

} // namespace

int MisuraQt::larghezza(std::string_view testo, int altezzaFont) const
{
    return QFontMetrics(Arial(altezzaFont), m_dispositivo).horizontalAdvance(Testo(testo));
}

int MisuraQt::altezza(std::string_view testo, int altezzaFont) const
{
    return QFontMetrics(Arial(altezzaFont), m_dispositivo).boundingRect(Testo(testo)).height();
}

stampa::PaginaStampante PaginaDi(const QPagedPaintDevice& d)
{
    stampa::PaginaStampante p;
    p.larghezzaPx = d.width();
    p.altezzaPx = d.height();
    p.dpiX = d.logicalDpiX();
    p.dpiY = d.logicalDpiY();
    const QRect stampabile = d.pageLayout().paintRectPixels(d.logicalDpiX());
    p.offsetXPx = stampabile.left();
    p.offsetYPx = stampabile.top();
    return p;
}

void DisegnaPagina(QPainter& pittore, const QRect& area, const stampa::Impaginazione& imp,
                   const stampa::PaginaDisegno& pagina)
{
    pittore.save();
    const int w = area.width();
    const int h = area.height();
    for (const stampa::ComandoDisegno& c : pagina.comandi) {
        const int x = Scala(c.x, w, imp.larghezza);
        const int y = Scala(c.y, h, imp.altezza);
        switch (c.tipo) {
        case stampa::TipoComando::Segno: {
            const int lato = Scala(c.larghezza, w, imp.larghezza);
            pittore.setPen(Qt::NoPen);
            pittore.setBrush(Qt::black);
            pittore.drawEllipse(area.left() + x, area.top() + y, lato, lato);
            break;
        }
        case stampa::TipoComando::Testo: {
            const QFont font = Arial(Scala(c.altezza, h, imp.altezza));
            const QFontMetrics misure(font, pittore.device());
            pittore.setFont(font);
            pittore.setPen(Qt::black);
            const int alto = std::max(0, y) + c.riga * misure.boundingRect(QStringLiteral("Hg")).height();
            pittore.drawText(area.left() + std::max(0, x), area.top() + alto + misure.ascent(),
                             Testo(c.testo));
            break;
        }
        case stampa::TipoComando::Cornice: {
            pittore.setPen(QPen(Qt::black, 0));
            pittore.setBrush(Qt::NoBrush);
            pittore.drawRect(area.left() + x, area.top() + y, Scala(c.larghezza, w, imp.larghezza),
                             Scala(c.altezza, h, imp.altezza));
            break;
        }
        }
    }
    pittore.restore();
}

bool StampaImpaginazione(QPagedPaintDevice& dispositivo, const stampa::Impaginazione& imp,
                         const std::function<bool(int)>& prima)
{
    QPainter pittore;
    if (!pittore.begin(&dispositivo)) {
        return false;
    }
    const QRect area(0, 0, dispositivo.width(), dispositivo.height());
    for (std::size_t i = 0; i < imp.pagine.size(); ++i) {
        if (prima && !prima(static_cast<int>(i))) {
            break;
        }
        if (i > 0) {
            dispositivo.newPage();
        }
        DisegnaPagina(pittore, area, imp, imp.pagine[i]);
    }
    return pittore.end();
}

} // namespace tela
