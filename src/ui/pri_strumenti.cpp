// The statistics tools of the main window: the cyclometric circle (menu " Statistiche " and the last
// entry of the view selector) and the distribution of the numbers in the plays (" Giocate finali ").
#include "ui/pri_window.h"

#include "tools/messaggi_strumenti.h"
#include "ui/cerchio_ciclometrico_dialog.h"
#include "ui/vista_statistica.h"
#include "ui/visua_distri_dialog.h"

void TPri::collegaComandiStrumenti()
{
    m_cerchio = new TCerchioCiclometrico(m_stato, m_apriGuida, this);
    m_cerchio->setObjectName(QStringLiteral("TCerchioCiclometrico"));
    m_comandi.collega(QStringLiteral("Cerchio ciclometrico"), this, [this] { comandoCerchioCiclometrico(); });
    m_vistaStatistica->setApriCerchio([this] { comandoCerchioCiclometrico(); });
    m_comandi.collega(QStringLiteral("Visualizza distribuzione dei numeri"), this,
                      [this] { comandoDistribuzioneNumeri(); });
}

void TPri::comandoCerchioCiclometrico()
{
    m_cerchio->exec();
}

void TPri::comandoDistribuzioneNumeri()
{
    if (m_stato.giocate.vuoto()) {
        (void)m_stato.messaggi.mostra(Messaggio{messaggi_strumenti::NessunaGiocata, "Attenzione",
                                                Icona::Informazione, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    TVisuaDistri dialogo(m_stato, m_apriGuida, this);
    dialogo.exec();
}
