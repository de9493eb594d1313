#pragma once

#include <QRectF>
#include <QSize>
#include <QWidget>

class QPainter;

// The side picture of the archive maintenance: a column of five lotto balls over a slip with a few
// boxes marked, drawn with the painter (no image file), so it stays sharp at any printer resolution.
// Its design is FiguraEstrazione::Proporzioni units wide and high; a rectangle of other proportions
// stretches it.
void DisegnaFiguraEstrazione(QPainter& pittore, const QRectF& rettangolo);

// The picture as a widget, at the left of the maintenance window.
class FiguraEstrazione final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize Proporzioni{100, 320};

    explicit FiguraEstrazione(QWidget* genitore = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;
};
