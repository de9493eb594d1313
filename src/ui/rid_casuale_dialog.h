#pragma once

#include "ui/rid_casuale_base.h"

class QCheckBox;

// "Aggiungi giocate casuali": appends N plays drawn at random from the prediction (with the fixed
// numbers when "Considera Fisse" is ticked). The count is checked before the run; the run appends
// one play at a time and a confirmed stop takes them away again. The count is kept in NumNewRandom.
class TRidCasuale final : public TRidCasualeBase
{
    Q_OBJECT

public:
    TRidCasuale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    RichiestaCasuale controllaQuante(const std::string& testo) override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    QCheckBox* m_consideraFisse = nullptr;
};
