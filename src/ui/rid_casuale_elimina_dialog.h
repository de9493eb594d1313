#pragma once

#include "ui/rid_casuale_base.h"

// "Elimina giocate casualmente": removes N plays chosen at random (all of them when N is at least the
// count). A confirmed stop brings every removed play back. The count is kept in NumNewRandomDel.
class TRidCasualeElimina final : public TRidCasualeBase
{
    Q_OBJECT

public:
    TRidCasualeElimina(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    RichiestaCasuale controllaQuante(const std::string& testo) override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
};
