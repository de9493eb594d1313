#pragma once

#include "ui/riduzione_dialog.h"

class GraficoBarre;
class QCheckBox;

// "Normalizza distribuzione dei numeri nelle giocate": the chart of how many plays hold each number
// (green for the predicted numbers, red for the others, a line at the mean) and the run that moves
// occurrences from over-represented numbers to under-represented ones. The start button is enabled
// once the first count is shown.
class TRidNormaDistri final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidNormaDistri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    bool contato() const { return m_contato; }

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    void conta();

    GraficoBarre* m_grafico = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    bool m_contato = false;
};
