#pragma once

#include "tools/distribuzione_numeri.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>

class ServiziFinestre;
struct StatoApplicazione;
class GraficoBarre;
class QCloseEvent;
class QPainter;
class QProgressBar;
class QPushButton;
class QShowEvent;

// "Distribuzione dei numeri nelle giocate": how many plays contain each number 1..90, as a bar chart
// with the predicted numbers in green. The count starts by itself as soon as the window is shown;
// while it runs only "Interrompi" and the gauge are offered and the window refuses to close. The bars
// follow the counts at most once a second, and take the final (or interrupted) counts at the end.
class TVisuaDistri final : public QDialog
{
    Q_OBJECT

public:
    static constexpr qint64 IntervalloGraficoMs = 1000;

    TVisuaDistri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TVisuaDistri() override;

    bool inCalcolo() const { return m_inCalcolo; }
    bool completata() const { return m_completata; }
    const distribuzione::DistribuzioneNumeri& distribuzione() const { return m_distribuzione; }

    // The count (the one-shot timer's job; callable by tests). Runs once.
    void avviaCalcolo();

    // Draws the chart as shown, scaled to fit the rectangle and centred in it.
    void disegnaGrafico(QPainter& painter, const QRect& area) const;

    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    class Controllo;

    void adattaCarattere();
    void aggiornaGrafico();
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    distribuzione::DistribuzioneNumeri m_distribuzione;
    bool m_inCalcolo = false;
    bool m_completata = false;
    bool m_avvioProgrammato = false;

    GraficoBarre* m_grafico = nullptr;
    QWidget* m_pannelloCalcolo = nullptr;
    QWidget* m_pannelloPulsanti = nullptr;
    QProgressBar* m_barra = nullptr;
    QPushButton* m_interrompi = nullptr;
};
