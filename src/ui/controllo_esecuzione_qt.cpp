#include "ui/controllo_esecuzione_qt.h"

#include "core/messaggi.h"
#include "core/messaggi_servizio.h"

#include <QCoreApplication>

ControlloEsecuzioneQt::ControlloEsecuzioneQt(ServizioMessaggi& messaggi, QProgressBar* barra)
    : m_messaggi(messaggi), m_barra(barra)
{}

void ControlloEsecuzioneQt::azzera()
{
    m_interruzione = false;
    m_orologio.invalidate();
    mostraAvanzamento(0);
}

void ControlloEsecuzioneQt::mostraAvanzamento(int percentuale)
{
    if (m_barra != nullptr && m_barra->value() != percentuale) {
        m_barra->setValue(percentuale);
    }
}

bool ControlloEsecuzioneQt::verifica(const Avanzamento& stato)
{
    if (!m_orologio.isValid() || m_orologio.elapsed() >= IntervalloMs) {
        mostraAvanzamento(stato.percentuale());
        // The events include the click on "Interrompi", which can only be seen here.
        QCoreApplication::processEvents();
        m_orologio.start();
    }
    if (!m_interruzione) {
        return true;
    }
    const Messaggio domanda{m_domanda.empty() ? std::string(messaggi::ConfermaInterruzione) : m_domanda,
                            "Attenzione", Icona::Domanda, Pulsanti::SiNo, Risposta::No};
    const Risposta risposta = m_messaggi.mostra(domanda);
    m_interruzione = false;
    // Time spent in the question must not delay the next repaint.
    m_orologio.invalidate();
    return risposta != Risposta::Si;
}
