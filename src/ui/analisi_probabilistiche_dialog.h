#pragma once

#include "reductions/rid_probabilistiche.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QString>

class GraficoBarre;
class QLabel;
class QProgressBar;
class QPushButton;
class ServiziFinestre;
struct StatoApplicazione;

// The chart analyses of the reductions by delays, frequencies and custom scores: a histogram of the
// candidates' means (101 bins of scores, or 10001 bins of raw means), each bar green when its value lies
// in an allowed interval and red otherwise, with the line of the valid ones. "Analisi giocate" goes over
// the candidates of the mode; "Analisi storica" replays the method over the archive. The computation
// starts 250 ms after the window is shown, the chart is redrawn at least every 3 seconds, "Chiudi" is
// enabled only at the end and the window cannot be closed while it runs.
class TAnalisiProbabilistica : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RitardoAvvioMs = 250;
    static constexpr qint64 RidisegnoMs = 3000;

    struct Testi
    {
        QString titolo;          // window caption
        QString titoloGrafico;   // "Distribuzione delle probabilità nelle giocate"
        QString asseY;           // "Nº di giocate"
        QString asseX;           // "Frequenza media"
        QString etichettaValide; // "Nº di giocate valide:"
        QString topic;
    };

    // storica: the archive replay; otherwise the candidates of the mode.
    TAnalisiProbabilistica(StatoApplicazione& stato, ServiziFinestre& servizi,
                           ImpostazioniProbabilistiche impostazioni, bool storica, ModoFiltro modo,
                           bool consideraFisse, Testi testi, QWidget* parent = nullptr);

    bool inCalcolo() const { return m_inCalcolo; }
    bool calcolata() const { return m_calcolata; }
    const IstogrammaProbabilistico& istogramma() const { return m_istogramma; }

    void avviaCalcolo();
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    class Controllo;
    void ridisegna();
    void aggiornaRiga(bool finale);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ImpostazioniProbabilistiche m_impostazioni;
    GiudizioProbabilistico m_giudizio;
    bool m_storica;
    ModoFiltro m_modo;
    bool m_consideraFisse;
    Testi m_testi;
    GraficoBarre* m_grafico = nullptr;
    QProgressBar* m_barra = nullptr;
    QLabel* m_valide = nullptr;
    QPushButton* m_interrompi = nullptr;
    QPushButton* m_chiudi = nullptr;
    ControlloEsecuzioneQt m_controllo;
    IstogrammaProbabilistico m_istogramma;
    bool m_inCalcolo = false;
    bool m_calcolata = false;
    bool m_avvioProgrammato = false;
};

// "Analisi giocate" of the three reductions by scores (shared by them) and of the two by raw means.
class TAnalisiRidProba final : public TAnalisiProbabilistica
{
    Q_OBJECT

public:
    TAnalisiRidProba(StatoApplicazione& stato, ServiziFinestre& servizi,
                     ImpostazioniProbabilistiche impostazioni, ModoFiltro modo, bool consideraFisse,
                     QString topic, QWidget* parent = nullptr);
};

class TAnalisiRidFreRit final : public TAnalisiProbabilistica
{
    Q_OBJECT

public:
    TAnalisiRidFreRit(StatoApplicazione& stato, ServiziFinestre& servizi,
                      ImpostazioniProbabilistiche impostazioni, ModoFiltro modo, bool consideraFisse,
                      QString topic, QWidget* parent = nullptr);
};

// "Analisi storica" of any of the five (the member of the settings says which replay); the fixed
// numbers take no part.
class TAnalisiStoricaProbabilistica final : public TAnalisiProbabilistica
{
    Q_OBJECT

public:
    TAnalisiStoricaProbabilistica(StatoApplicazione& stato, ServiziFinestre& servizi,
                                  ImpostazioniProbabilistiche impostazioni, QString topic,
                                  QWidget* parent = nullptr);
};

using TAnalisiStoricaRidRit = TAnalisiStoricaProbabilistica;
using TAnalisiStoricaRidFreq = TAnalisiStoricaProbabilistica;
using TAnalisiStoricaRidProbaPer = TAnalisiStoricaProbabilistica;
using TAnalisiStoRidFreNoProba = TAnalisiStoricaProbabilistica;
using TAnalisiStoRidRitNoProba = TAnalisiStoricaProbabilistica;
