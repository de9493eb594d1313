#pragma once

#include "ui/comandi/area_comandi.h"

class TSpoglio;

// Checking the plays and their winnings (menu " Giocate finali " and the calculator of " Impostazioni "):
// the check against one draw, whose window is made on first use and kept with the draw typed in it, the
// distribution of the numbers in the plays and the winnings calculator.
class ComandiVerifica final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    void spoglio();
    void spoglioStorico();
    void probabilitaVincita();
    void verificaGaranzia();
    void bilancioStorico();
    void probabilitaSistema();
    void distribuzioneNumeri();
    void calcolaVincite();

    TSpoglio* m_spoglio = nullptr;
};
