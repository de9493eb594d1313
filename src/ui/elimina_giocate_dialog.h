#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QScrollBar;
struct StatoApplicazione;

// "Selezionare l'intervallo": deletes a range of plays. Two positions, first and last, each 1..count,
// move on scroll bars or through their edit boxes (applied when the box is left, or on Enter, with a
// value 1..count); the first never passes the last: moving one drags the other along. Each shows the
// numbers of its play. "OK" (or Enter) asks for confirmation, then deletes the range after taking
// the undo snapshot and closes; "Annulla" (or Escape) closes.
class TEliminaGiocate final : public QDialog
{
    Q_OBJECT

public:
    // posizione: where both positions start, 1 when out of range. The list must not be empty.
    TEliminaGiocate(StatoApplicazione& stato, int posizione, QWidget* parent = nullptr);

    int prima() const;
    int ultima() const;

private:
    struct Estremo
    {
        QScrollBar* barra = nullptr;
        QLineEdit* casella = nullptr;
        QLabel* giocata = nullptr;
    };

    Estremo creaEstremo(const char* nome, int posizione);
    void estremoCambiato(bool primo);
    void applicaCasella(const Estremo& estremo);
    void mostra(const Estremo& estremo);
    void conferma();

    StatoApplicazione& m_stato;
    Estremo m_prima;
    Estremo m_ultima;
    QLabel* m_selezionate;
};
