#pragma once

#include "editor/pronostico_aiuti.h"

#include <QDialog>

class QLineEdit;
class ServizioMessaggi;

// "Aggiungi numeri casualmente" / "Elimina numeri casualmente": asks how many numbers to add to or
// remove from the prediction, from 1 to `massimo`. "OK" with anything else shows the limits and
// keeps the dialog open.
class TAggEliNumCasu final : public QDialog
{
    Q_OBJECT

public:
    TAggEliNumCasu(Verso verso, int massimo, ServizioMessaggi& messaggi, QWidget* parent = nullptr);

    // The accepted quantity.
    int quantita() const { return m_quantita; }

private:
    void conferma();

    ServizioMessaggi& m_messaggi;
    int m_massimo;
    int m_quantita = 0;
    QLineEdit* m_casella;
};
