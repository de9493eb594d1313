// The main window's check of the plays against one draw (" Giocate finali " and its toolbar button).
#include "ui/pri_window.h"

#include "checking/spoglio.h"
#include "ui/spoglio_dialog.h"

void TPri::collegaComandiSpoglio()
{
    m_comandi.collega(QStringLiteral("Spoglio delle giocate"), this, [this] { comandoSpoglio(); });
}

void TPri::comandoSpoglio()
{
    if (m_stato.giocate.vuoto()) {
        (void)m_stato.messaggi.mostra(Messaggio{messaggi_spoglio::NessunaGiocata, "Attenzione",
                                                Icona::Informazione, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    const EsitoImporti importi = ValidaImporti(caselleImporti(), m_stato.sistema.posizioni, m_stato.generali);
    m_stato.sistema.importi = importi.importi;
    if (!importi.valido) {
        (void)m_stato.messaggi.mostra(Errore(MessaggioImportiNonValidi(m_stato.generali), Icona::Avviso));
        return;
    }
    // Made once and kept, so the draw typed is still there at the next opening.
    if (m_spoglio == nullptr) {
        m_spoglio = new TSpoglio(
            m_stato, m_apriGuida,
            [this] {
                ricalcolaStatistiche();
                aggiornaArchivio();
            },
            this);
        m_spoglio->setObjectName(QStringLiteral("TSpoglio"));
    }
    m_spoglio->exec();
}
