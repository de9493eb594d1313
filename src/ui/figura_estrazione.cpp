#include "ui/figura_estrazione.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace {

// The orange of the printed frame, so that picture and page belong together.
const QColor Arancio(255, 170, 90);

void Pallina(QPainter& pittore, QPointF centro, qreal raggio, const QColor& colore)
{
    QRadialGradient sfumatura(centro + QPointF(-raggio / 3, -raggio / 3), raggio * 1.3);
    sfumatura.setColorAt(0.0, Qt::white);
    sfumatura.setColorAt(0.35, colore.lighter(130));
    sfumatura.setColorAt(1.0, colore.darker(160));
    pittore.setPen(QPen(colore.darker(200), 1.0));
    pittore.setBrush(sfumatura);
    pittore.drawEllipse(centro, raggio, raggio);
    // The white label where the number goes, turned a little as the ball rolls.
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(QColor(255, 255, 255, 220));
    pittore.drawEllipse(centro + QPointF(raggio * 0.12, raggio * 0.1), raggio * 0.4, raggio * 0.37);
}

void Schedina(QPainter& pittore, const QRectF& area)
{
    pittore.setPen(QPen(QColor(120, 120, 120), 1.0));
    pittore.setBrush(Qt::white);
    pittore.drawRoundedRect(area, 3, 3);
    pittore.setBrush(QColor(255, 230, 200));
    pittore.setPen(Qt::NoPen);
    pittore.drawRect(QRectF(area.left() + 1, area.top() + 1, area.width() - 2, 7));

    constexpr int Colonne = 5;
    constexpr int Righe = 3;
    const qreal lato = 8;
    const qreal passoX = (area.width() - 10) / Colonne;
    const qreal passoY = (area.height() - 14) / Righe;
    // Five boxes marked, as a player fills a slip.
    constexpr std::array<int, 5> Segnate{1, 3, 7, 10, 14};
    for (int r = 0; r < Righe; ++r) {
        for (int c = 0; c < Colonne; ++c) {
            const QRectF casella(area.left() + 5 + c * passoX + (passoX - lato) / 2,
                                 area.top() + 10 + r * passoY + (passoY - lato) / 2, lato, lato);
            pittore.setPen(QPen(Arancio.darker(120), 0.8));
            pittore.setBrush(Qt::NoBrush);
            pittore.drawRect(casella);
            if (std::find(Segnate.begin(), Segnate.end(), r * Colonne + c) != Segnate.end()) {
                pittore.setPen(QPen(QColor(40, 60, 160), 1.8, Qt::SolidLine, Qt::RoundCap));
                pittore.drawLine(casella.topLeft() + QPointF(1.5, 1.5),
                                 casella.bottomRight() - QPointF(1.5, 1.5));
                pittore.drawLine(casella.topRight() + QPointF(-1.5, 1.5),
                                 casella.bottomLeft() + QPointF(1.5, -1.5));
            }
        }
    }
}

} // namespace

void DisegnaFiguraEstrazione(QPainter& pittore, const QRectF& rettangolo)
{
    if (rettangolo.width() <= 0 || rettangolo.height() <= 0) {
        return;
    }
    const QSize misure = FiguraEstrazione::Proporzioni;
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing, true);
    pittore.translate(rettangolo.topLeft());
    pittore.scale(rettangolo.width() / misure.width(), rettangolo.height() / misure.height());

    const QRectF fondo(1, 1, misure.width() - 2, misure.height() - 2);
    QLinearGradient cielo(fondo.topLeft(), fondo.bottomLeft());
    cielo.setColorAt(0.0, QColor(232, 240, 255));
    cielo.setColorAt(1.0, QColor(255, 248, 232));
    pittore.setPen(QPen(Arancio, 2.0));
    pittore.setBrush(cielo);
    pittore.drawRoundedRect(fondo, 10, 10);

    struct Palla
    {
        QPointF centro;
        QColor colore;
    };
    const std::array<Palla, 5> palle{{
        {{38, 38}, QColor(214, 52, 52)},
        {{62, 88}, QColor(40, 150, 75)},
        {{38, 138}, QColor(45, 105, 210)},
        {{62, 188}, QColor(225, 160, 25)},
        {{40, 238}, QColor(135, 75, 190)},
    }};
    for (const Palla& p : palle) {
        Pallina(pittore, p.centro, 22, p.colore);
    }
    Schedina(pittore, QRectF(14, 270, 72, 40));
    pittore.restore();
}

FiguraEstrazione::FiguraEstrazione(QWidget* genitore) : QWidget(genitore)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize FiguraEstrazione::sizeHint() const
{
    return Proporzioni;
}

void FiguraEstrazione::paintEvent(QPaintEvent*)
{
    QPainter pittore(this);
    // The widget follows the height of the window's column; the picture keeps its proportions.
    const qreal altezza = height();
    const qreal larghezza = altezza * Proporzioni.width() / Proporzioni.height();
    DisegnaFiguraEstrazione(pittore, QRectF((width() - larghezza) / 2, 0, larghezza, altezza));
}
