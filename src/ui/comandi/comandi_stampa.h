#pragma once

#include "ui/comandi/area_comandi.h"

#include <memory>

class QPrinter;

// Printing (menu " Stampa "): the plays on the slips and on plain paper, the calibrations, the printer.
class ComandiStampa final : public AreaComandi
{
public:
    explicit ComandiStampa(FinestraComandi& finestra);
    ~ComandiStampa() override;

    std::vector<VoceComando> voci() override;

private:
    void impostaStampante();

    std::unique_ptr<QPrinter> m_stampante;
};
