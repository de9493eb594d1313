#pragma once

#include "checking/spoglio_storico.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>

struct StatoApplicazione;
class QCheckBox;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ServiziFinestre;
class TDaiNumEstra;

// "Spoglio con l'archivio storico": runs the plays against a span of consecutive archive draws and lists,
// draw by draw, the combinations each class would have won (hits only, no amounts), with the totals.
// The span comes from "Nº di estrazioni:" and "Estrazione di partenza:" (the draw chooser fills the
// latter) and is written back into them when the run starts. While running the window refuses to close
// and only "Interrompi" is offered; the grid is filled when the run ends, complete or interrupted, and
// the totals follow the run. The typed number of draws and the all-wheels box are kept in the settings
// when the window closes.
class TSpoglioStorico final : public QDialog
{
    Q_OBJECT

public:
    TSpoglioStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TSpoglioStorico() override;

    bool inCorso() const { return m_inCorso; }
    const EsitoSpoglioStorico& esito() const { return m_esito; }

    // "Avvia": the range, then the run.
    void avvia();

    void done(int risultato) override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    class Controllo;

    void apri();
    void mostraTotali(const ConteggiClassi& totali);
    void mostraRighe();
    void abilita(bool inAttesa);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    EsitoSpoglioStorico m_esito;
    bool m_inCorso = false;

    TDaiNumEstra* m_scelta = nullptr;
    QLineEdit* m_estrazioni = nullptr;
    QLineEdit* m_partenza = nullptr;
    QCheckBox* m_tutte = nullptr;
    QPushButton* m_apri = nullptr;
    QPushButton* m_avvia = nullptr;
    QTableWidget* m_griglia = nullptr;
    QTableWidget* m_totali = nullptr;
    QLabel* m_etichettaAvanzamento = nullptr;
    QProgressBar* m_barra = nullptr;
    QPushButton* m_interrompi = nullptr;
};
