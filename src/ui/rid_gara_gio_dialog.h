#pragma once

#include "core/giocata.h"
#include "reductions/indice_copertura.h"
#include "ui/rid_gara_pro_dialog.h"

class QComboBox;

// "Riduzione delle giocate a garanzia": replaces the plays with fewer plays that guarantee, relative to
// any current play, the chosen class. The mode selector offers the immediate reducers and falls back to
// "Normale" whenever none exists for (v, k, g) or the fixed numbers are considered. The five-number bit
// set (MappaCinquine, 5.5 MB) lives as long as the dialog; without memory for it the run works without.
// Options kept in RidGaraGio (guarantee) and RidGaraGioTR (mode).
class TRidGaraGio final : public TRidGaranziaBase
{
    Q_OBJECT

public:
    // k: the size of every current play; numeriUsati: the numbers occurring in them (the entry check
    // hands both over).
    TRidGaraGio(StatoApplicazione& stato, ServiziFinestre& servizi, int k, const SegniNumeri& numeriUsati,
                QWidget* parent = nullptr);

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void aggiornaRiduttori() override;
    void salvaOpzioni() override;

private:
    SegniNumeri m_numeriUsati;
    int m_v = 0;
    QComboBox* m_modo = nullptr;
    InsiemeCombinazioni m_mappaCinquine;
};
