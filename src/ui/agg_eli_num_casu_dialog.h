#pragma once

#include "editor/pronostico_aiuti.h"
#include "ui/quantita_numeri_dialog.h"

// "Aggiungi numeri casualmente" / "Elimina numeri casualmente": asks how many numbers to add to or
// remove from the prediction, from 1 to `massimo`. "OK" with anything else shows the limits and
// keeps the dialog open.
class TAggEliNumCasu final : public TQuantitaNumeri
{
    Q_OBJECT

public:
    TAggEliNumCasu(Verso verso, int massimo, ServizioMessaggi& messaggi, QWidget* parent = nullptr);
};
