#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct StatoApplicazione;

// "Modifica giocata": rewrites the plays one at a time. The selector (1..count) picks the play,
// whose numbers fill the box; moving it reloads the box and disables "Applica", editing the box
// enables it. "Applica" rewrites the play unless the text is invalid or names a play found
// elsewhere in the list, then moves to the next play. No undo snapshot is taken.
class TModGiocata final : public QDialog
{
    Q_OBJECT

public:
    // posizione: the play to start from, 1 when out of range; giocateCambiate refreshes the main
    // window's plays view after a change. The list must not be empty.
    TModGiocata(StatoApplicazione& stato, int posizione, std::function<void()> giocateCambiate,
                QWidget* parent = nullptr);

private:
    void mostraGiocata();
    void applica();

    StatoApplicazione& m_stato;
    std::function<void()> m_giocateCambiate;
    QSpinBox* m_posizione;
    QLabel* m_etichetta;
    QLineEdit* m_numeri;
    QPushButton* m_applica;
};
