#pragma once

#include "reductions/esecuzione_filtro.h"
#include "reductions/rid_filtri.h"
#include "ui/analisi_dialog.h"

class QComboBox;
class QPushButton;
struct StatoApplicazione;

// "Analisi giocate" of a filter reduction (intervals, cadences, figures, decades, filter plays,
// comparisons): per criterion, how many of the candidates the reduction would test (the prediction's
// combinations or the plays, as the mode says) err on it before being rejected, with a row "Fisse" for
// the candidates lacking a fixed number when the fixed option is on and the system has fixed numbers.
class TAnalisiFiltroGiocate final : public TAnalisiDialog
{
    Q_OBJECT

public:
    TAnalisiFiltroGiocate(StatoApplicazione& stato, ServiziFinestre& servizi, FiltroRiduzione filtro,
                          ModoFiltro modo, bool consideraFisse, QString topicGuida,
                          QWidget* parent = nullptr);

protected:
    void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) override;

private:
    StatoApplicazione& m_stato;
    FiltroRiduzione m_filtro;
    ModoFiltro m_modo;
    bool m_consideraFisse;
};

// "Analisi storica" of a filter reduction: the same counts over the sub-combinations of the historic
// draws, for the wheel and the size chosen in the window ("Ruota:", default "Tutte"; "Sviluppa estrazioni
// in:", default "Cinquine"). It runs when the window opens and again on "Aggiorna"; the choices are
// locked while it runs.
class TAnalisiFiltroStorica final : public TAnalisiDialog
{
    Q_OBJECT

public:
    TAnalisiFiltroStorica(StatoApplicazione& stato, ServiziFinestre& servizi, FiltroRiduzione filtro,
                          QString topicGuida, QWidget* parent = nullptr);

    // Runs the analysis again with the current choices ("Aggiorna").
    void aggiorna();

protected:
    void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) override;
    void statoCalcolo(bool inCalcolo) override;

private:
    StatoApplicazione& m_stato;
    FiltroRiduzione m_filtro;
    QComboBox* m_ruota = nullptr;
    QComboBox* m_dimensione = nullptr;
    QPushButton* m_aggiorna = nullptr;
};
