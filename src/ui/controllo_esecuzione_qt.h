#pragma once

#include "core/esecuzione.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>

#include <string>
#include <utility>

class ServizioMessaggi;

// The window side of a long run: at the run's poll points it lets pending events run and shows
// the progress, at most once every IntervalloMs milliseconds so that a poll every few candidates
// costs one clock read, and it asks for confirmation when the user pressed "Interrompi".
class ControlloEsecuzioneQt final : public ControlloEsecuzione
{
public:
    static constexpr qint64 IntervalloMs = 20;

    explicit ControlloEsecuzioneQt(ServizioMessaggi& messaggi, QProgressBar* barra = nullptr);

    void setBarra(QProgressBar* barra) { m_barra = barra; }
    // The stop question, for runs whose stop cannot be undone (empty: the usual question).
    void setDomanda(std::string testo) { m_domanda = std::move(testo); }

    // Called by the "Interrompi" button; the run sees it at its next poll.
    void richiediInterruzione() { m_interruzione = true; }
    bool interruzioneRichiesta() const { return m_interruzione; }

    // Prepares a new run: clears the stop request, sets the bar to 0 and lets the first poll
    // process events at once.
    void azzera();

    // Returns false when the user confirmed the stop (the request is then cleared); "No" clears
    // the request and the run goes on.
    bool verifica(const Avanzamento& stato) override;

private:
    void mostraAvanzamento(int percentuale);

    ServizioMessaggi& m_messaggi;
    QPointer<QProgressBar> m_barra;
    QElapsedTimer m_orologio;
    bool m_interruzione = false;
    std::string m_domanda;
};
