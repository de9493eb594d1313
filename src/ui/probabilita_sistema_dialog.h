#pragma once

#include "checking/probabilita_sistema.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>

struct StatoApplicazione;
class QCloseEvent;
class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ServiziFinestre;

// "Probabilità e valore atteso": for the system as it stands (plays, wheels, stakes), the exact
// probability of at least one win of each class or better in one draw, on one wheel and on the system's
// wheels, and the expected winnings per euro staked in words. "Avvia" runs the enumeration of the
// outcomes of a wheel (a few seconds; "Interrompi" stops it), "Stampa" prints the table and the text.
class TProbabilitaSistema final : public QDialog
{
    Q_OBJECT

public:
    TProbabilitaSistema(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TProbabilitaSistema() override;

    bool inCalcolo() const { return m_inCalcolo; }
    const EsitoProbabilitaSistema& esito() const { return m_esito; }

    void avvia();
    void disegnaPagina(QPainter& painter, const QRect& area) const;

    void done(int risultato) override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void mostraEsito();
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    EsitoProbabilitaSistema m_esito;
    bool m_inCalcolo = false;

    QPushButton* m_avvia = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QWidget* m_avanzamento = nullptr;
    QProgressBar* m_barra = nullptr;
    QTableWidget* m_tabella = nullptr;
    QLabel* m_attesa = nullptr;
    QLabel* m_nota = nullptr;
};
