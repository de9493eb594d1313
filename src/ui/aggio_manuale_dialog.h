#pragma once

#include <QDialog>

#include <cstdint>

class ServiziFinestre;
struct StatoApplicazione;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;

// "Visualizza/Modifica archivio storico": browses the archive draw by draw (1 the oldest .. N the
// newest) and edits it by hand: a new draw, the shown draw corrected, a range of draws deleted (never
// the last one left), the shown draw printed. Every change is saved at once; the caller recomputes the
// statistics when the window closes.
class TAggioManuale final : public QDialog
{
    Q_OBJECT

public:
    TAggioManuale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // The draw shown, 0 for an empty archive.
    std::int32_t posizione() const;
    // Renews the range of the bar and shows draw `posizione` (clamped to 1..N).
    void mostraEstrazione(std::int32_t posizione);

private:
    void mostra();
    void nuova();
    void modifica();
    void elimina();
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    QScrollBar* m_barra = nullptr;
    QLabel* m_concorso = nullptr;
    QLabel* m_data = nullptr;
    QTableWidget* m_griglia = nullptr;
    QPushButton* m_modifica = nullptr;
    QPushButton* m_elimina = nullptr;
    QPushButton* m_stampa = nullptr;
};
