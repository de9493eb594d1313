#include "ui/elenchi_numerati.h"

#include <QComboBox>
#include <QTableWidget>

namespace {

bool RigaVuota(const QTableWidget* tabella, int riga)
{
    for (int colonna = 1; colonna <= 2; ++colonna) {
        const QTableWidgetItem* voce = tabella->item(riga, colonna);
        if (voce != nullptr && !voce->text().trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

} // namespace

void SistemaRigheNumerate(QTableWidget* tabella, int rigaCorrente, int massimoRighe)
{
    const QSignalBlocker blocco(tabella);
    for (int r = tabella->rowCount() - 2; r >= 0; --r) {
        if (r != rigaCorrente && RigaVuota(tabella, r)) {
            tabella->removeRow(r);
            if (rigaCorrente > r) {
                --rigaCorrente;
            }
        }
    }
    const int n = tabella->rowCount();
    if ((n == 0 || !RigaVuota(tabella, n - 1)) && n < massimoRighe) {
        tabella->insertRow(n);
    }
    // The numbers look like a header: the window's button colour, not editable.
    const QBrush sfondo = tabella->window()->palette().button();
    for (int r = 0; r < tabella->rowCount(); ++r) {
        auto* numero = new QTableWidgetItem(QString::number(r + 1));
        numero->setFlags(Qt::ItemIsEnabled);
        numero->setBackground(sfondo);
        numero->setTextAlignment(Qt::AlignCenter);
        tabella->setItem(r, 0, numero);
    }
}

void SeguiRigheNumerate(QTableWidget* tabella, int massimoRighe)
{
    QObject::connect(tabella, &QTableWidget::currentCellChanged, tabella,
                     [tabella, massimoRighe](int riga, int, int, int) {
                         SistemaRigheNumerate(tabella, riga, massimoRighe);
                     });
    QObject::connect(tabella, &QTableWidget::itemChanged, tabella,
                     [tabella, massimoRighe](QTableWidgetItem*) {
                         SistemaRigheNumerate(tabella, tabella->currentRow(), massimoRighe);
                     });
}

void RiempiSelettoreNumerato(QComboBox* selettore, int n)
{
    const int scelto = selettore->currentIndex();
    selettore->clear();
    for (int k = 1; k <= n; ++k) {
        selettore->addItem(QString::number(k));
    }
    selettore->setCurrentIndex(scelto >= 0 && scelto < n ? scelto : (n > 0 ? 0 : -1));
}
