#pragma once

#include "printing/calibrazione.h"
#include "printing/schedina.h"
#include "ui/comandi/area_comandi.h"

#include <memory>

class StampanteCondivisa;

// Printing (menu " Stampa "): the plays on the slips and on plain paper, the calibrations, the printer.
class ComandiStampa final : public AreaComandi
{
public:
    explicit ComandiStampa(FinestraComandi& finestra);
    ~ComandiStampa() override;

    std::vector<VoceComando> voci() override;

private:
    void impostaStampante();
    void schedine(stampa::ModelloSchedina modello);
    void cartaComune();
    void calibra(stampa::MembroCalibrazione membro);

    std::unique_ptr<StampanteCondivisa> m_stampante;
};
