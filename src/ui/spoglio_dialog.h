#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct EsitoSpoglio;
struct StatoApplicazione;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class ServiziFinestre;
class TDaiNumEstra;

// "Spoglio delle giocate": checks every play of the system against one draw, typed in the grid (11
// wheels x 5 positions), taken from the archive (the arrows beside the date, "Apri" with the draw
// chooser) or fetched by the Internet update, and shows the report of the winning plays and the
// summary per class. The main window makes it once and keeps it, so the draw typed is still there at
// the next opening. A typed draw can be stored in the archive ("Salva"). "Internet" runs TAggio through
// the window services.
class TSpoglio final : public QDialog
{
    Q_OBJECT

public:
    // After the archive changed in memory and was written (or its writing failed and was reported):
    // the caller recomputes the statistics and refreshes its views. Empty: the state's statistics are
    // recomputed.
    using ArchivioCambiato = std::function<void()>;

    TSpoglio(StatoApplicazione& stato, ServiziFinestre& servizi, ArchivioCambiato archivioCambiato = {},
             QWidget* parent = nullptr);

    // The report lines of the last check (empty before a check, after one without wins and at every
    // opening).
    const std::vector<std::string>& resoconto() const { return m_resoconto; }

    // Fills the date and the grid with archive draw i (1..N) and lets "Verifica" run again.
    void mostraEstrazione(std::int32_t i);

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void attiva();
    void vicina(int passo);
    void apri();
    void salva();
    void internet();
    void azzera();
    void verifica();
    void stampa();
    void archivioModificato();
    void mostraRiepilogo(const EsitoSpoglio& esito);
    void mostraResoconto();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ArchivioCambiato m_archivioCambiato;
    std::vector<std::string> m_resoconto;

    TDaiNumEstra* m_scelta = nullptr;
    QLineEdit* m_data = nullptr;
    QTableWidget* m_numeri = nullptr;
    QPlainTextEdit* m_testoResoconto = nullptr;
    QTableWidget* m_riepilogo = nullptr;
    QPushButton* m_verifica = nullptr;
};
