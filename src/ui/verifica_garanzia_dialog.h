#pragma once

#include "checking/verifica_garanzia.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>

struct StatoApplicazione;
class GraficoBarre;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class ServiziFinestre;

// "Verifica garanzia": for the chosen points P of the prediction, the result the final plays guarantee
// on one wheel (the least best score over the P-subsets), the share of subsets under each best score as
// a bar chart, and the holes (the subsets below the level asked, "Sviluppo integrale" meaning the level
// of the full development) with their count and the first ones listed. "Esporta buchi" writes the listed
// holes as text, "Stampa" prints the result. While computing only "Interrompi" works.
class TVerificaGaranzia final : public QDialog
{
    Q_OBJECT

public:
    TVerificaGaranzia(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TVerificaGaranzia() override;

    bool inCalcolo() const { return m_inCalcolo; }
    const EsitoVerificaGaranzia& esito() const { return m_esito; }

    // "Avvia".
    void avvia();
    // The result line, the chart and the listed holes into the rectangle.
    void disegnaPagina(QPainter& painter, const QRect& area) const;

    void done(int risultato) override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void mostraEsito();
    void esporta();
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    EsitoVerificaGaranzia m_esito;
    bool m_inCalcolo = false;

    QComboBox* m_punti = nullptr;
    QComboBox* m_livello = nullptr;
    QSpinBox* m_quantiBuchi = nullptr;
    QPushButton* m_avvia = nullptr;
    QPushButton* m_esporta = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QWidget* m_avanzamento = nullptr;
    QProgressBar* m_barra = nullptr;
    QLabel* m_risultato = nullptr;
    GraficoBarre* m_grafico = nullptr;
    QPlainTextEdit* m_buchi = nullptr;
};
