#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QLineEdit;

// The delegate of the tables whose cells are typed: every text editor it opens is handed to `prepara`
// with the cell's column, which installs the key rules (FiltroTasti) and whatever else the column
// needs, so a key typed on the table, which opens the editor, is filtered too.
class DelegatoTasti final : public QStyledItemDelegate
{
public:
    using Preparazione = std::function<void(QLineEdit* editor, int colonna)>;

    DelegatoTasti(Preparazione prepara, QObject* genitore);

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzioni,
                          const QModelIndex& indice) const override;

private:
    Preparazione m_prepara;
};
