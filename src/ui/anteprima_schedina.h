#pragma once

#include "printing/figura_schedina.h"

#include <QWidget>

#include <vector>

// The picture of a slip with the marks of one play, scaled to the widget. For the calibration previews the
// picture can be moved (`spostamento`, mm) and a marker drawn at a far corner.
class AnteprimaSchedina final : public QWidget
{
public:
    explicit AnteprimaSchedina(QWidget* genitore = nullptr);

    void setFigura(stampa::FiguraSchedina figura);
    // Mark positions in slip millimetres (top-left of the mark's square) and the mark diameter.
    void setSegni(std::vector<stampa::Punto> segni, double diametro);
    void setSpostamento(stampa::Punto spostamento);
    // A cross at a point of the slip (mm), drawn in red; none when `visibile` is false.
    void setMarcatore(stampa::Punto punto, bool visibile);

    QSize sizeHint() const override { return {360, 460}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    stampa::FiguraSchedina m_figura;
    std::vector<stampa::Punto> m_segni;
    double m_diametro = 2.0;
    stampa::Punto m_spostamento;
    stampa::Punto m_marcatore;
    bool m_conMarcatore = false;
};
