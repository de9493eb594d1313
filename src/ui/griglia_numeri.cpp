#include "ui/griglia_numeri.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor ColoreSelezione(0, 0, 128);
const QColor ColoreLinee(128, 128, 128);

} // namespace

GrigliaNumeri::GrigliaNumeri(QWidget* genitore) : QWidget(genitore)
{
    setObjectName(QStringLiteral("grigliaNumeri"));
    setMouseTracking(true);
    // One extra pixel for the closing grid line on the right and at the bottom.
    setFixedSize(Colonne * LarghezzaCella + 1, Righe * AltezzaCella + 1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QSize GrigliaNumeri::sizeHint() const
{
    return {Colonne * LarghezzaCella + 1, Righe * AltezzaCella + 1};
}

void GrigliaNumeri::setSegni(const SegniNumeri& segni)
{
    m_segni = segni;
    update();
}

int GrigliaNumeri::numeroNelPunto(const QPoint& punto)
{
    // The +1 makes the grid line to the left of (and above) a cell belong to that cell.
    const int colonna = std::clamp((punto.x() + 1) / LarghezzaCella, 0, Colonne - 1);
    const int riga = std::clamp((punto.y() + 1) / AltezzaCella, 0, Righe - 1);
    return riga * Colonne + colonna + 1;
}

QRect GrigliaNumeri::rettangoloNumero(int numero)
{
    const int colonna = (numero - 1) % Colonne;
    const int riga = (numero - 1) / Colonne;
    return {colonna * LarghezzaCella + 1, riga * AltezzaCella + 1, LarghezzaCella - 1, AltezzaCella - 1};
}

void GrigliaNumeri::paintEvent(QPaintEvent* evento)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);

    QFont normale = font();
    normale.setPointSize(std::max(normale.pointSize(), 10));
    QFont grassetto = normale;
    grassetto.setBold(true);

    for (int numero = 1; numero <= NumeroMassimo; ++numero) {
        const QRect cella = rettangoloNumero(numero);
        if (!evento->rect().intersects(cella)) {
            continue;
        }
        const bool selezionato = m_segni[static_cast<std::size_t>(numero - 1)] != 0;
        if (selezionato) {
            p.fillRect(cella, ColoreSelezione);
            p.setPen(Qt::white);
            p.setFont(grassetto);
        } else {
            p.setPen(Qt::black);
            p.setFont(normale);
        }
        p.drawText(cella, Qt::AlignCenter, QString::number(numero));
    }

    p.setPen(ColoreLinee);
    for (int c = 0; c <= Colonne; ++c) {
        p.drawLine(c * LarghezzaCella, 0, c * LarghezzaCella, Righe * AltezzaCella);
    }
    for (int r = 0; r <= Righe; ++r) {
        p.drawLine(0, r * AltezzaCella, Colonne * LarghezzaCella, r * AltezzaCella);
    }
}

void GrigliaNumeri::mousePressEvent(QMouseEvent* evento)
{
    // A new press starts a new stroke, so the cell under the pointer is handled even when the
    // previous stroke ended on it.
    m_ultimoNumero = 0;
    movimento(evento->position().toPoint(), evento->buttons());
}

void GrigliaNumeri::mouseMoveEvent(QMouseEvent* evento)
{
    movimento(evento->position().toPoint(), evento->buttons());
}

void GrigliaNumeri::leaveEvent(QEvent* evento)
{
    QWidget::leaveEvent(evento);
    emit puntatoreUscito();
}

void GrigliaNumeri::movimento(const QPoint& punto, Qt::MouseButtons pulsanti)
{
    const int numero = numeroNelPunto(punto);
    emit numeroIndicato(numero);

    const bool sinistro = pulsanti.testFlag(Qt::LeftButton);
    const bool destro = pulsanti.testFlag(Qt::RightButton);
    if (numero == m_ultimoNumero || (!sinistro && !destro)) {
        return;
    }
    m_ultimoNumero = numero;
    // With both buttons held the left one wins.
    const bool selezionato = sinistro;
    m_segni[static_cast<std::size_t>(numero - 1)] = selezionato ? 1 : 0;
    update(rettangoloNumero(numero));
    emit numeroCambiato(numero, selezionato);
}
