#pragma once

#include "checking/bilancio_storico.h"
#include "ui/dialogo_calcolo.h"

struct StatoApplicazione;
class GraficoBarre;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTableWidget;
class ServiziFinestre;

// "Bilancio storico": the final plays played with the system's stakes and wheels on every draw of a span
// of the archive (the span read as the historic checking reads its boxes): a row per draw with the cost,
// the winnings by class and the running balance, the totals, and the running balance as a bar chart
// (green above zero, red below; long spans grouped into at most BarreMassime bars, each showing the
// balance at the last draw of its group). The first line says that past draws do not predict future ones.
class TBilancioStorico final : public TDialogoCalcolo
{
    Q_OBJECT

public:
    static constexpr int BarreMassime = 400;

    TBilancioStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TBilancioStorico() override;

    const EsitoBilancio& esito() const { return m_esito; }

    // "Avvia".
    void avvia();
    // The warning, the totals and the chart into the rectangle.
    void disegnaPagina(QPainter& painter, const QRect& area) const override;

private:
    void mostraEsito();
    void stampa();

    EsitoBilancio m_esito;

    QLineEdit* m_estrazioni = nullptr;
    QLineEdit* m_partenza = nullptr;
    QPushButton* m_avvia = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QLabel* m_avvertenza = nullptr;
    QLabel* m_totali = nullptr;
    QTableWidget* m_tabella = nullptr;
    GraficoBarre* m_grafico = nullptr;
};
