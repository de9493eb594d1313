#pragma once

#include "checking/probabilita_sistema.h"
#include "ui/dialogo_calcolo.h"

struct StatoApplicazione;
class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;
class ServiziFinestre;

// "Probabilità e valore atteso": for the system as it stands (plays, wheels, stakes), the exact
// probability of at least one win of each class or better in one draw, on one wheel and on the system's
// wheels, and the expected winnings per euro staked in words. "Avvia" runs the enumeration of the
// outcomes of a wheel (a few seconds; "Interrompi" stops it), "Stampa" prints the table and the text.
class TProbabilitaSistema final : public TDialogoCalcolo
{
    Q_OBJECT

public:
    TProbabilitaSistema(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TProbabilitaSistema() override;

    const EsitoProbabilitaSistema& esito() const { return m_esito; }

    void avvia();
    void disegnaPagina(QPainter& painter, const QRect& area) const override;

private:
    void mostraEsito();
    void stampa();

    EsitoProbabilitaSistema m_esito;

    QPushButton* m_avvia = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QTableWidget* m_tabella = nullptr;
    QLabel* m_attesa = nullptr;
    QLabel* m_nota = nullptr;
};
