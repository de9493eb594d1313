#pragma once

#include "ui/riduzione_dialog.h"

#include "reductions/rid_sostituzione.h"

class QCheckBox;
class QTableWidget;

// "Sostituzione combinazioni di numeri": the grid of substitutions (old combination, new combination),
// the partial mode and the run that rewrites the plays. The table is read from the grid before every
// run, stored in the system's record and written to Sostituzioni.def; the plays rewritten before a
// stop stay rewritten, which the stop question says.
class TRidSostComb final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidSostComb(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    void mostraTabella(const TabellaSostituzioni& tabella);
    void azzera();

    QTableWidget* m_griglia = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    QCheckBox* m_parziale = nullptr;
    TabellaSostituzioni m_tabella;
};
