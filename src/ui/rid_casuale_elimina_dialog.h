#pragma once

#include "ui/riduzione_dialog.h"

class QLineEdit;

// "Elimina giocate casualmente": removes N plays chosen at random (all of them when N is at least the
// count). A confirmed stop brings every removed play back. The count is kept in NumNewRandomDel.
class TRidCasualeElimina final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidCasualeElimina(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent = nullptr);

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    QLineEdit* m_quante = nullptr;
    std::int32_t m_richieste = 0;
};
