#pragma once

#include "reductions/esecuzione_riduzione.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class ServiziFinestre;
struct StatoApplicazione;

// The window side of a reduction run: the poll of ControlloEsecuzioneQt (events, bar, stop question)
// plus the running count label ("Nº di giocate: " followed by the count the run reports), refreshed at
// the same rate.
class ControlloRiduzioneQt final : public ControlloEsecuzione
{
public:
    ControlloRiduzioneQt(ServizioMessaggi& messaggi, QProgressBar* barra);

    void setBarra(QProgressBar* barra) { m_qt.setBarra(barra); }
    void setDomanda(std::string testo) { m_qt.setDomanda(std::move(testo)); }
    void setEtichetta(QLabel* etichetta, const QString& prefisso);
    void richiediInterruzione() { m_qt.richiediInterruzione(); }
    void azzera();
    bool verifica(const Avanzamento& stato) override;

private:
    ControlloEsecuzioneQt m_qt;
    QPointer<QLabel> m_etichetta;
    QString m_prefisso;
    QElapsedTimer m_orologio;
};

// The base of every reduction dialog. It owns what they all share: the parameter area, the status
// caption "Stato avanzamento" with its bar and the optional running count, the buttons (start button,
// default; "Interrompi", enabled only while running; "Guida in linea" with the dialog's topic;
// "Annulla", closing the dialog), the running state in which every close request (Escape included) is
// refused and the parameter widgets are disabled, the message of an outcome and the close on commit.
//
// A subclass adds its widgets to areaParametri() (registering with disabilitaInEsecuzione those that a
// run must lock), optionally reads its parameters in controllaParametri() (showing its own refusal),
// and runs its engine in esegui() with the control it receives. Options it keeps in the settings store
// are loaded by its constructor and saved in salvaOpzioni(), which runs when the dialog closes.
class TRiduzioneDialog : public QDialog
{
    Q_OBJECT

public:
    TRiduzioneDialog(StatoApplicazione& stato, ServiziFinestre& servizi, QString topic, const QString& titolo,
                     QWidget* parent = nullptr, const QString& testoAvvio = QStringLiteral("Avvia"));
    ~TRiduzioneDialog() override;

    bool inEsecuzione() const { return m_inEsecuzione; }
    // The outcome of the last run.
    const EsitoRiduzione& ultimoEsito() const { return m_esito; }

    // Refused while running; otherwise saves the options and closes.
    void reject() override;
    void done(int risultato) override;

    // The start button's action, for tests and for subclasses with more than one way to start.
    void avvia();

protected:
    // Whether the parameters allow a run; on a refusal the subclass shows its message and returns false.
    virtual bool controllaParametri() { return true; }
    // The run; called with the dialog in the running state.
    virtual EsitoRiduzione esegui(ControlloEsecuzione& controllo) = 0;
    virtual void salvaOpzioni() {}

    void closeEvent(QCloseEvent* evento) override;

    StatoApplicazione& stato() { return m_stato; }
    ServiziFinestre& servizi() { return m_servizi; }
    QVBoxLayout* areaParametri() const { return m_parametri; }
    QProgressBar* barra() const { return m_barra; }
    QPushButton* pulsanteAvvia() const { return m_avvia; }

    // Locked (disabled) while a run goes on, then re-enabled.
    void disabilitaInEsecuzione(QWidget* widget) { m_daBloccare.push_back(widget); }
    // The group " Opzioni " with "Considera fisse" (caption as the dialog writes it), enabled and ticked
    // exactly when the system has fixed numbers; added to the parameter area and locked while running.
    QCheckBox* aggiungiConsideraFisse(const QString& testo = QStringLiteral("Considera fisse"));
    // The box's state as the run uses it: ticked while the system has fixed numbers. Valid during the
    // run too, when the box is disabled with its group.
    bool consideraFisse(const QCheckBox* casella) const;
    // A push button on a row of its own in the parameter area (not the default button), locked while
    // running; the caller connects it.
    QPushButton* aggiungiPulsanteRiga(const QString& testo, const QString& nomeOggetto);
    struct PulsantiAnalisi
    {
        QPushButton* giocate = nullptr;
        QPushButton* storica = nullptr;
    };
    // "Analisi giocate" and "Analisi storica" on a row of their own in the parameter area (not default
    // buttons), locked while running; the caller connects them.
    PulsantiAnalisi aggiungiPulsantiAnalisi();
    // Asks a yes/no question with "No" as the default answer; true when the user answers yes.
    [[nodiscard]] bool conferma(std::string testo);
    // The stop question of this dialog's runs, when it is not the usual one.
    void setDomandaInterruzione(std::string testo) { m_controllo.setDomanda(std::move(testo)); }
    // Shows the running count label with this prefix ("Nº di giocate: ").
    void mostraConteggio(const QString& prefisso);
    // Runs another computation of the dialog (a chart, a preview) in the running state: parameters
    // locked, "Interrompi" enabled, close refused, the bar and the stop question of a run. Returns what
    // the computation returns (false for a confirmed stop, by convention). Ignored (false) while running.
    bool calcolaInEsecuzione(const std::function<bool(ControlloEsecuzione&)>& calcolo);

private:
    void mostraInEsecuzione(bool inEsecuzione);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    QString m_topic;
    QVBoxLayout* m_parametri = nullptr;
    QLabel* m_statoAvanzamento = nullptr;
    QLabel* m_conteggio = nullptr;
    QProgressBar* m_barra = nullptr;
    QPushButton* m_avvia = nullptr;
    QPushButton* m_interrompi = nullptr;
    QPushButton* m_guida = nullptr;
    QPushButton* m_annulla = nullptr;
    std::vector<QPointer<QWidget>> m_daBloccare;
    ControlloRiduzioneQt m_controllo;
    EsitoRiduzione m_esito;
    bool m_inEsecuzione = false;
};
