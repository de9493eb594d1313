#pragma once

#include "core/statistiche.h"

#include <QFrame>

class QLabel;
class QTableWidget;

// The delay and frequency of one number on every wheel, shown while the pointer is over the number
// grid, as a small window of the tooltip kind beside it (it never takes the focus). Rebuilt only
// when the number changes.
class PannelloNumero : public QFrame
{
    Q_OBJECT

public:
    explicit PannelloNumero(QWidget* parent = nullptr);

    // Shows number n (1..90) from the statistics; nothing happens when n is already shown, unless
    // forza is set (after a recompute).
    void mostraNumero(int n, const StatisticheNumeri& statistiche, int finestraFrequenze, bool forza = false);
    int numero() const { return m_numero; }

private:
    QLabel* m_titolo;
    QTableWidget* m_tabella;
    int m_numero = 0;
};
