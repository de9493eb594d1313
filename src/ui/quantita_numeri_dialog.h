#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class ServizioMessaggi;

// The body shared by the dialogs that ask how many numbers to add to or remove from the prediction:
// a two-digit box starting at "1", "OK" and "Annulla", and optionally an "Impostazioni" button at the
// left. "OK" accepts a quantity from 1 to `massimo` (a larger one lowered to `massimo` when
// `abbassaOltreMassimo`); anything else shows the limits and keeps the dialog open.
class TQuantitaNumeri : public QDialog
{
    Q_OBJECT

public:
    // The accepted quantity.
    int quantita() const { return m_quantita; }

protected:
    TQuantitaNumeri(const QString& nomeOggetto, const QString& titolo, const QString& etichetta, int massimo,
                    bool abbassaOltreMassimo, bool conImpostazioni, ServizioMessaggi& messaggi,
                    QWidget* parent);

    // "Impostazioni", or null when the dialog was built without it.
    QPushButton* pulsanteImpostazioni() const { return m_impostazioni; }

private:
    void conferma();

    ServizioMessaggi& m_messaggi;
    int m_massimo;
    bool m_abbassaOltreMassimo;
    int m_quantita = 0;
    QLineEdit* m_casella;
    QPushButton* m_impostazioni = nullptr;
};
