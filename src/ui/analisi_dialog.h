#pragma once

#include "reductions/analisi_riduzione.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <vector>

class QCloseEvent;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;
class QTableWidget;
class ServiziFinestre;
class ServizioMessaggi;

// The base of the read-only analysis windows ("Analisi giocate", "Analisi storica"): a two-column grid
// (the criteria and, per criterion, the candidates that fail it), a progress bar, the line of the valid
// candidates ("Nº di giocate valide:" and "V su T (P %)"), "Interrompi", "Guida in linea" and "Chiudi".
// The computation starts by itself 250 ms after the window is shown; while it runs "Chiudi" is disabled
// and close requests are refused. The grid is refreshed first 0.3 s after the start, then at most every
// 2.5 s, and at the end; the line is refreshed with the bar (P rounded) and written at the end in the
// shared percentage format. A confirmed stop keeps the counts reached.
//
// A subclass passes its criteria and captions and implements calcola() with one call of its engine
// (AnalizzaCombinazioni / AnalizzaGiocate or its own loop) filling the counts it is handed. A window with
// choices of its own puts them in areaScelte() (above the grid), locks them in statoCalcolo() and runs
// the computation again with ricalcola().
class TAnalisiDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RitardoAvvioMs = 250;

    struct Testi
    {
        QString titolo;          // window caption
        QString colonnaConteggi; // "Nº giocate che non rispettano le condizioni"
        QStringList criteri;     // one grid row each
        QString etichettaValide; // "Nº di giocate valide:" or "Nº di estrazioni valide:"
        QString topic;           // help page
        // The final line of "Analisi giocate" reads V su T with T the whole run's candidates, also after
        // a stop; "Analisi storica" counts the draws examined.
        bool finaleSulTotale = false;
        QString colonnaCriteri = QStringLiteral("Condizioni"); // heading of the criteria column
    };

    TAnalisiDialog(ServizioMessaggi& messaggi, ServiziFinestre& servizi, Testi testi,
                   QWidget* parent = nullptr);
    ~TAnalisiDialog() override;

    bool inCalcolo() const { return m_inCalcolo; }
    bool calcolata() const { return m_calcolata; }
    const ConteggiAnalisi& conteggi() const { return m_conteggi; }

    void reject() override;

    // The computation (the one-shot timer's job; callable by tests).
    void avviaCalcolo();

protected:
    // Fills the counts; called with the window in the computing state (once, unless ricalcola()).
    virtual void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) = 0;
    // Called as a computation starts (true) and ends (false).
    virtual void statoCalcolo(bool inCalcolo) { (void)inCalcolo; }

    // A row above the grid for the window's own choices (empty and without room until used).
    QHBoxLayout* areaScelte() const { return m_scelte; }
    // A new computation from zero counts (ignored while one runs).
    void ricalcola();
    // The count cells drawn as red bars against the largest count of the rows in use; the criteria of the
    // rows not in use in grey and their count cells empty; the heading grey and bold.
    void mostraConteggiABarre(std::vector<bool> righeInUso);
    QTableWidget* griglia() const { return m_griglia; }

    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    class Controllo;

    void aggiornaGriglia();
    void aggiornaRiga(bool finale);

    ServiziFinestre& m_servizi;
    Testi m_testi;
    QHBoxLayout* m_scelte = nullptr;
    QTableWidget* m_griglia = nullptr;
    QProgressBar* m_barra = nullptr;
    QLabel* m_valide = nullptr;
    QPushButton* m_interrompi = nullptr;
    QPushButton* m_guida = nullptr;
    QPushButton* m_chiudi = nullptr;
    ControlloEsecuzioneQt m_controllo;
    ConteggiAnalisi m_conteggi;
    std::vector<bool> m_righeInUso; // empty: every row counts
    bool m_inCalcolo = false;
    bool m_calcolata = false;
    bool m_avvioProgrammato = false;
};
