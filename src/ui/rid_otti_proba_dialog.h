#pragma once

#include "ui/riduzione_dialog.h"

class QCheckBox;
class QComboBox;

// "Ottimizza probabilità di vincita": the number of passes M (at most k numbers of each play change)
// and the run that rewrites the plays in place.
class TRidOttiProba final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidOttiProba(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    QComboBox* m_passi = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
};
