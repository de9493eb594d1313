#pragma once

#include "checking/verifica_garanzia.h"
#include "ui/dialogo_calcolo.h"

struct StatoApplicazione;
class GraficoBarre;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class ServiziFinestre;

// "Verifica garanzia": for the chosen points P of the prediction, the result the final plays guarantee
// on one wheel (the least best score over the P-subsets), the share of subsets under each best score as
// a bar chart, and the holes (the subsets below the level asked, "Sviluppo integrale" meaning the level
// of the full development) with their count and the first ones listed. "Esporta buchi" writes the listed
// holes as text, "Stampa" prints the result. While computing only "Interrompi" works.
class TVerificaGaranzia final : public TDialogoCalcolo
{
    Q_OBJECT

public:
    TVerificaGaranzia(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TVerificaGaranzia() override;

    const EsitoVerificaGaranzia& esito() const { return m_esito; }

    // "Avvia".
    void avvia();
    // The result line, the chart and the listed holes into the rectangle.
    void disegnaPagina(QPainter& painter, const QRect& area) const override;

private:
    void mostraEsito();
    void esporta();
    void stampa();

    EsitoVerificaGaranzia m_esito;

    QComboBox* m_punti = nullptr;
    QComboBox* m_livello = nullptr;
    QSpinBox* m_quantiBuchi = nullptr;
    QPushButton* m_avvia = nullptr;
    QPushButton* m_esporta = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QLabel* m_risultato = nullptr;
    GraficoBarre* m_grafico = nullptr;
    QPlainTextEdit* m_buchi = nullptr;
};
