#pragma once

#include "editor/pronostico_aiuti.h"
#include "ui/quantita_numeri_dialog.h"

#include <functional>

// "Aggiungi numeri più probabili" / "Elimina numeri meno probabili": asks how many numbers to add to
// or remove from the prediction. A value above `massimo` is lowered to it; a value below 1 or not a
// number shows the limits and keeps the dialog open. "Impostazioni" opens the probability settings.
class TAggEliNumPiuProba final : public TQuantitaNumeri
{
    Q_OBJECT

public:
    // impostazioni: opens the probability settings; without it the button is disabled.
    TAggEliNumPiuProba(Verso verso, int massimo, ServizioMessaggi& messaggi,
                       std::function<void()> impostazioni, QWidget* parent = nullptr);

private:
    std::function<void()> m_impostazioni;
};
