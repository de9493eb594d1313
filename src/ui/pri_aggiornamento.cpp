// Commands of the main window for the archive update over the Internet and its connection settings.
#include "ui/pri_window.h"

#include "platform/http_client.h"
#include "ui/aggio_dialog.h"
#include "ui/impo_conn_dialog.h"

void TPri::collegaComandiAggiornamento()
{
    m_comandi.collega(QStringLiteral("Aggiorna da Internet"), this, [this] { comandoAggiornaDaInternet(); });
    m_comandi.collega(QStringLiteral("Connessione ad Internet"), this,
                      [this] { comandoConnessioneInternet(); });
}

void TPri::comandoAggiornaDaInternet()
{
    HttpClient client;
    TAggio dialogo(
        m_stato, client, [this](const std::string& topic) { m_apriGuida(QString::fromStdString(topic)); },
        [this] { ricalcolaStatistiche(); }, this);
    dialogo.exec();
    if (dialogo.archivioSalvato()) {
        aggiornaArchivio();
    }
}

void TPri::comandoConnessioneInternet()
{
    TImpoConn dialogo(
        m_stato, [this](const std::string& topic) { m_apriGuida(QString::fromStdString(topic)); }, this);
    dialogo.exec();
}
