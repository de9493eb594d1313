#pragma once

#include "ui/comandi/area_comandi.h"

// The help (menu " Guida in linea "): the contents of the help pages and the program's information.
class ComandiGuida final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    void informazioni();
};
