#pragma once

#include "editor/pronostico_aiuti.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class ServizioMessaggi;

// "Aggiungi numeri più probabili" / "Elimina numeri meno probabili": asks how many numbers to add to
// or remove from the prediction. A value above `massimo` is lowered to it; a value below 1 or not a
// number shows the limits and keeps the dialog open. "Impostazioni" opens the probability settings.
class TAggEliNumPiuProba final : public QDialog
{
    Q_OBJECT

public:
    // impostazioni: opens the probability settings; without it the button is disabled.
    TAggEliNumPiuProba(Verso verso, int massimo, ServizioMessaggi& messaggi,
                       std::function<void()> impostazioni, QWidget* parent = nullptr);

    // The accepted quantity, already lowered to the maximum.
    int quantita() const { return m_quantita; }

private:
    void conferma();

    ServizioMessaggi& m_messaggi;
    std::function<void()> m_impostazioni;
    int m_massimo;
    int m_quantita = 0;
    QLineEdit* m_casella;
};
