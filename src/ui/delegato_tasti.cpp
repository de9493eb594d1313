#include "ui/delegato_tasti.h"

#include <QLineEdit>

DelegatoTasti::DelegatoTasti(Preparazione prepara, QObject* genitore)
    : QStyledItemDelegate(genitore), m_prepara(std::move(prepara))
{}

QWidget* DelegatoTasti::createEditor(QWidget* genitore, const QStyleOptionViewItem& opzioni,
                                     const QModelIndex& indice) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(genitore, opzioni, indice);
    if (auto* riga = qobject_cast<QLineEdit*>(editor)) {
        m_prepara(riga, indice.column());
    }
    return editor;
}
