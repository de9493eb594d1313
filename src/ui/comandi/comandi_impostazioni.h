#pragma once

#include "ui/comandi/area_comandi.h"

// The settings (menu " Impostazioni "): the probability model, the frequency window, the Internet
// connection, the stakes and the update notification.
class ComandiImpostazioni final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    void probabilita();
    void frequenze();
    void connessione();
    void importi();
    void notifiche();
};
