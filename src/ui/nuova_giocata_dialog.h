#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
struct StatoApplicazione;

// "Inserimento giocate da tastiera": appends the plays typed one at a time after the last one.
// "Applica" (or Enter, while it is enabled) adds the play unless it is invalid or already present;
// every attempt empties nothing but the accepted play, keeps the focus on the box and disables
// "Applica" until the box changes again. No undo snapshot is taken. "Chiudi" (or Escape) closes.
class TNuovaGiocata final : public QDialog
{
    Q_OBJECT

public:
    // giocateCambiate refreshes the main window's plays view after each attempt.
    TNuovaGiocata(StatoApplicazione& stato, std::function<void()> giocateCambiate, QWidget* parent = nullptr);

private:
    void applica();
    void mostraNumero();

    StatoApplicazione& m_stato;
    std::function<void()> m_giocateCambiate;
    QLabel* m_etichetta;
    QLineEdit* m_numeri;
    QPushButton* m_applica;
};
