#pragma once

#include "ui/comandi/area_comandi.h"

// The helpers of the prediction (menu " Pronostico iniziale "): numbers added or removed by probability
// or at random, the prediction taken from the plays, the prediction emptied.
class ComandiPronostico final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    void numeriProbabili(bool aggiungi);
    void numeriCasuali(bool aggiungi);
    void daGiocate();
    void eliminaTutti();
};
