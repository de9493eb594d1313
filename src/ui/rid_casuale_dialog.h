#pragma once

#include "ui/riduzione_dialog.h"

class QCheckBox;
class QLineEdit;

// "Aggiungi giocate casuali": appends N plays drawn at random from the prediction (with the fixed
// numbers when "Considera Fisse" is ticked). The count is checked before the run; the run appends
// one play at a time and a confirmed stop takes them away again. The count is kept in NumNewRandom.
class TRidCasuale final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidCasuale(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent = nullptr);

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    QCheckBox* m_consideraFisse = nullptr;
    QLineEdit* m_quante = nullptr;
    std::int32_t m_richieste = 0;
};
