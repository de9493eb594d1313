#include "ui/delegato_barra_valore.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

DelegatoBarraValore::DelegatoBarraValore(QObject* parent) : QStyledItemDelegate(parent) {}

void DelegatoBarraValore::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem opzione = option;
    initStyleOption(&opzione, index);
    const QString testo = opzione.text;
    const QString nota = index.data(RuoloNota).toString();
    // The background and the selection as the style draws them, without the text.
    opzione.text.clear();
    const QWidget* widget = option.widget;
    QStyle* stile = widget != nullptr ? widget->style() : QApplication::style();
    stile->drawControl(QStyle::CE_ItemViewItem, &opzione, painter, widget);

    const QVariant dato = index.data(RuoloValore);
    const double valore = dato.isValid() ? dato.toDouble() : testo.toDouble();
    const QFontMetrics metrica(option.font);
    const QRect area = option.rect.adjusted(3, 3, -3, -3);
    // The bar takes the cell less room for the widest value the column is likely to hold.
    const int spazioTesto = metrica.horizontalAdvance(QStringLiteral("000000")) + 6;
    const int lunghezzaMassima = std::max(0, area.width() - spazioTesto);
    const double quota = m_massimo > 0 ? std::clamp(valore / m_massimo, 0.0, 1.0) : 0.0;
    const int lunghezza = static_cast<int>(lunghezzaMassima * quota);

    painter->save();
    if (lunghezza > 0) {
        const QRect barra(area.left(), area.top(), lunghezza, area.height());
        painter->fillRect(barra, m_colore);
        painter->setPen(m_colore.darker(150));
        painter->drawRect(barra.adjusted(0, 0, -1, -1));
    }
    const bool selezionata = (option.state & QStyle::State_Selected) != 0;
    painter->setPen(option.palette.color(selezionata ? QPalette::HighlightedText : QPalette::Text));
    QRect zonaTesto = area.adjusted(lunghezza + 4, 0, 0, 0);
    painter->drawText(zonaTesto, Qt::AlignLeft | Qt::AlignVCenter, testo);
    if (!nota.isEmpty()) {
        QFont grassetto = option.font;
        grassetto.setBold(true);
        painter->setFont(grassetto);
        zonaTesto.adjust(metrica.horizontalAdvance(testo) + 8, 0, 0, 0);
        painter->drawText(zonaTesto, Qt::AlignLeft | Qt::AlignVCenter, nota);
    }
    painter->restore();
}

QSize DelegatoBarraValore::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize misura = QStyledItemDelegate::sizeHint(option, index);
    const QString nota = index.data(RuoloNota).toString();
    QFont grassetto = option.font;
    grassetto.setBold(true);
    const int extra = 120 + (nota.isEmpty() ? 0 : QFontMetrics(grassetto).horizontalAdvance(nota) + 8);
    misura.setWidth(misura.width() + extra);
    return misura;
}
