#pragma once

#include "ui/comandi/area_comandi.h"

// The historic archive (menu " Archivio storico "): the update over the Internet and the manual
// maintenance of the draws.
class ComandiArchivio final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    void aggiornaDaInternet();
    void visualizzaModifica();
};
