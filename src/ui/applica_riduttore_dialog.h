#pragma once

#include "reducers/riduttore_personale.h"
#include "ui/riduzione_dialog.h"

class ElencoRiduttoriWidget;
class QCheckBox;
class QPushButton;

// "Applica riduttore": the personal reducers of the personal folder (only those that fit the prediction
// with "Visualizza solo i riduttori applicabili al pronostico attuale", kept in ApplicaRidCB1), and the run
// that maps the selected reducer onto the prediction and appends the new plays. "Applica riduttore" is
// enabled only while the selected reducer's m equals the number of predicted numbers n, counted when the
// window opens. "Probabilità di vincita" opens TProVinRiduttore on the positions 1..m; "Gestione
// riduttori" opens TGestioneRiduttori and rebuilds the list afterwards.
class TApplicaRiduttore final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TApplicaRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // Rebuilds the list from the folder, with the filter.
    void ricarica();

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    void aggiornaPulsanti();
    void probabilita();
    void gestione();

    int m_numeri = 0;
    ElencoRiduttoriWidget* m_elenco = nullptr;
    QCheckBox* m_filtro = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    QPushButton* m_probabilita = nullptr;
    QPushButton* m_gestione = nullptr;
    RiduttorePersonale m_riduttore;
};
