#include "cli/ambiente.h"

#include "core/impostazioni.h"
#include "core/testo.h"
#include "editor/file_sistema.h"
#include "editor/nuovo_sistema.h"
#include "platform/cartelle_standard.h"
#include "platform/impostazioni_qsettings.h"

#include <QCoreApplication>
#include <QDir>

#include <ostream>

namespace cli {

namespace {

QString CartellaProgramma()
{
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QDir::currentPath();
}

} // namespace

Risposta ServizioMessaggiTesto::mostra(const Messaggio& messaggio)
{
    m_err << testo::RigheUnix(messaggio.testo) << '\n';
    return messaggio.predefinita;
}

AmbienteCli::AmbienteCli(const RigaComando& riga, std::ostream& err) : m_messaggi(err)
{
    // The names give the per-user store and the platform's application folders.
    QCoreApplication::setOrganizationName(QStringLiteral("Calvestra"));
    QCoreApplication::setApplicationName(QStringLiteral("Quarvin"));
    m_store = std::make_unique<ImpostazioniQSettings>();
    Cartelle cartelle = RisolviCartelle(CartellaProgramma(), QString::fromStdString(riga.dati),
                                        QString::fromStdString(riga.personale));
    m_stato = std::make_unique<StatoApplicazione>(*m_store, m_messaggi, std::move(cartelle));
    m_stato->generali = CaricaImpostazioniGenerali(*m_store);
}

AmbienteCli::~AmbienteCli() = default;

void AmbienteCli::mostra(const std::vector<Messaggio>& messaggi)
{
    for (const Messaggio& m : messaggi) {
        m_messaggi.mostra(m);
    }
}

} // namespace cli

namespace cli {

bool AmbienteCli::apriSistema(const std::string& percorso)
{
    NuovoSistema(*m_stato);
    m_stato->sistema.nomeFile = percorso;
    const EsitoFileSistema esito = LeggiSistema(m_stato->sistema, m_stato->giocate);
    mostra(esito.messaggi());
    return esito.ok();
}

} // namespace cli
