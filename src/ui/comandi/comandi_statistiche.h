#pragma once

#include "ui/comandi/area_comandi.h"

class TCerchioCiclometrico;

// The statistics of the archive (menu " Statistiche "): item k shows view k in the main window's lower
// half; the cyclometric circle has a window of its own, made once and keeping its numbers between
// openings.
class ComandiStatistiche final : public AreaComandi
{
public:
    explicit ComandiStatistiche(FinestraComandi& finestra);

    std::vector<VoceComando> voci() override;

private:
    void cerchioCiclometrico();

    TCerchioCiclometrico* m_cerchio = nullptr;
};
