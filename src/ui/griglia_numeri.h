#pragma once

#include "core/giocata.h"

#include <QWidget>

// The number grid of the main window: 9 rows of 10 cells, number = row * 10 + column + 1, each
// cell 43 x 30 pixels. A stroke with the left button paints the numbers it crosses, one with the
// right button erases them.
class GrigliaNumeri : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Colonne = 10;
    static constexpr int Righe = 9;
    static constexpr int LarghezzaCella = 43;
    static constexpr int AltezzaCella = 30;

    explicit GrigliaNumeri(QWidget* genitore = nullptr);

    // Replaces every flag and repaints; emits nothing.
    void setSegni(const SegniNumeri& segni);
    const SegniNumeri& segni() const { return m_segni; }

    // The number (1..90) whose cell holds the widget point, after the grid's own rounding and
    // clamping: column (x + 1) / 43 in 0..9, row (y + 1) / 30 in 0..8.
    static int numeroNelPunto(const QPoint& punto);
    // The drawn cell of a number 1..90, grid lines excluded.
    static QRect rettangoloNumero(int numero);

    QSize sizeHint() const override;

signals:
    // A stroke entered a new cell with a button held and set its flag (true: left button) or
    // cleared it (false: right button). Emitted for every new cell of the stroke, also when the
    // flag already had that value, so that the caller can mark the system modified as the user
    // expects after any stroke.
    void numeroCambiato(int numero, bool selezionato);
    // The number under the pointer, on every move and press.
    void numeroIndicato(int numero);
    // The pointer left the grid.
    void puntatoreUscito();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    void movimento(const QPoint& punto, Qt::MouseButtons pulsanti);

    SegniNumeri m_segni{};
    int m_ultimoNumero = 0; // cell already handled by the current stroke, 0 for none
};
