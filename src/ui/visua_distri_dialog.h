#pragma once

#include "tools/distribuzione_numeri.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>

#include <functional>

struct StatoApplicazione;
class GraficoBarre;
class QCloseEvent;
class QPainter;
class QPrinter;
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
    using ApriGuida = std::function<void(const QString& topic)>;
    // Shows the printer selection; false when the user cancelled. Replaced by tests.
    using ScegliStampante = std::function<bool(QPrinter& stampante, QWidget* genitore)>;

    static constexpr qint64 IntervalloGraficoMs = 1000;

    TVisuaDistri(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent = nullptr);
    ~TVisuaDistri() override;

    void setScegliStampante(ScegliStampante scegli) { m_scegliStampante = std::move(scegli); }

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
    ApriGuida m_apriGuida;
    ScegliStampante m_scegliStampante;
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
