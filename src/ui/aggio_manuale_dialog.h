#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

struct StatoApplicazione;
class QLabel;
class QPrinter;
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
    using ApriGuida = std::function<void(const QString& topic)>;
    // Shows the printer selection for the printer; false when the user cancelled. Replaced by tests, so
    // that they never block on the native dialog.
    using ScegliStampante = std::function<bool(QPrinter& stampante, QWidget* genitore)>;

    TAggioManuale(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent = nullptr);

    void setScegliStampante(ScegliStampante scegli) { m_scegliStampante = std::move(scegli); }
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
    ApriGuida m_apriGuida;
    ScegliStampante m_scegliStampante;
    QScrollBar* m_barra = nullptr;
    QLabel* m_concorso = nullptr;
    QLabel* m_data = nullptr;
    QTableWidget* m_griglia = nullptr;
    QPushButton* m_modifica = nullptr;
    QPushButton* m_elimina = nullptr;
    QPushButton* m_stampa = nullptr;
};
