#pragma once

#include "tools/cerchio_ciclometrico.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <cstdint>

class ServiziFinestre;
struct StatoApplicazione;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The square on which the circle is drawn: the 90 ticks with their numbers and, when the first
// number is not 0, the pentagon of the five numbers shown.
class DisegnoCerchio final : public QWidget
{
    Q_OBJECT

public:
    explicit DisegnoCerchio(QWidget* parent = nullptr);

    void setNumeri(const cerchio::Cinquina& numeri);
    const cerchio::Cinquina& numeri() const { return m_numeri; }

    QSize sizeHint() const override { return {LatoPredefinito, LatoPredefinito}; }

    static constexpr int LatoPredefinito = 460;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    cerchio::Cinquina m_numeri{};
};

// "Il cerchio ciclometrico": the five numbers of a draw on one wheel, or five typed numbers, drawn on the
// circle of the 90 numbers with their sides and distances. Made once and reopened: the numbers shown,
// the draw and the wheel stay between openings; the bar goes back to the newest draw only when the
// archive's count changed since the last opening.
class TCerchioCiclometrico final : public QDialog
{
    Q_OBJECT

public:
    TCerchioCiclometrico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // Called at every opening (and by the constructor): when the number of draws changed, the bar is
    // set to the newest one and its numbers are loaded.
    void preparaApertura();

    // The numbers drawn, ascending.
    const cerchio::Cinquina& numeri() const { return m_numeri; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void caricaEstrazione();
    void ridisegna();
    void mostraNumeri(const cerchio::Cinquina& numeri);
    void scriviCampi(const cerchio::Cinquina& numeri);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    cerchio::Cinquina m_numeri{};
    std::int32_t m_conteggioArchivio = -1; // the draws counted at the last opening

    QScrollBar* m_barra = nullptr;
    QLabel* m_data = nullptr;
    QLabel* m_concorso = nullptr;
    QComboBox* m_ruota = nullptr;
    std::array<QLineEdit*, cerchio::NumeriCerchio> m_campi{};
    QPushButton* m_ridisegna = nullptr;
    DisegnoCerchio* m_disegno = nullptr;
    QLabel* m_etichettaNumeri = nullptr;
    QLabel* m_etichettaLati = nullptr;
    QLabel* m_etichettaDistanze = nullptr;
    QLabel* m_etichettaDistanzeCiclometriche = nullptr;
};
