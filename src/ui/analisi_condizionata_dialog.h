#pragma once

#include "reductions/condizioni_riduzione.h"
#include "reductions/rid_condizionata.h"
#include "ui/analisi_dialog.h"

#include <array>

struct StatoApplicazione;

// "Analisi giocate" of the conditional reduction: per criterion, how many of the candidates the
// reduction would test (the prediction's combinations or the plays) fail it, with a row "Fisse" for the
// candidates lacking a fixed number, and how many the conditions accept.
class TAnalisiRidCondizionata final : public TAnalisiDialog
{
    Q_OBJECT

public:
    TAnalisiRidCondizionata(StatoApplicazione& stato, ServiziFinestre& servizi,
                            const CondizioniRiduzione& condizioni, ModoCondizionata modo, bool consideraFisse,
                            QWidget* parent = nullptr);

protected:
    void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) override;

private:
    StatoApplicazione& m_stato;
    CondizioniRiduzione m_condizioni;
    ModoCondizionata m_modo;
    bool m_consideraFisse;
};

// "Analisi storica": the same counts over the combinations of the historic draws of a wheel choice and
// size (CampioneStorico).
class TAnalisiStoricaRidCond final : public TAnalisiDialog
{
    Q_OBJECT

public:
    TAnalisiStoricaRidCond(StatoApplicazione& stato, ServiziFinestre& servizi,
                           const CondizioniRiduzione& condizioni, int sceltaRuota, int sceltaDimensione,
                           QWidget* parent = nullptr);

protected:
    void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) override;

private:
    StatoApplicazione& m_stato;
    CondizioniRiduzione m_condizioni;
    int m_ruota;
    int m_dimensione;
};
