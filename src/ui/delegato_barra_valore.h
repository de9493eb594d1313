#pragma once

#include <QStyledItemDelegate>

// A value cell drawn as a horizontal bar proportional to the value over the largest value of the
// list, with the value written beside it and, when the model gives one, a note in bold after it
// (RuoloNota). The value is read from RuoloValore, else from the display text.
class DelegatoBarraValore : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RuoloValore = Qt::UserRole + 1;
    static constexpr int RuoloNota = Qt::UserRole + 2;

    explicit DelegatoBarraValore(QObject* parent = nullptr);

    // The value that fills the whole bar; values at or below 0 draw no bar.
    void setMassimo(double massimo) { m_massimo = massimo; }
    double massimo() const { return m_massimo; }
    void setColore(const QColor& colore) { m_colore = colore; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    double m_massimo = 0;
    QColor m_colore{70, 120, 200};
};
