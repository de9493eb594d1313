#include "cli/ambiente.h"

#include "core/archivio_predefinito.h"
#include "core/file_archivio.h"
#include "core/generatore_casuale.h"
#include "core/impostazioni.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"
#include "editor/file_sistema.h"
#include "editor/nuovo_sistema.h"
#include "platform/cartelle_standard.h"
#include "platform/dati_programma.h"
#include "platform/impostazioni_qsettings.h"
#include "reductions/riduttori_predefiniti.h"

#include <QCoreApplication>
#include <QDir>

#include <ostream>

namespace cli {

namespace {

// Without an application object (tests run the commands in process) the working folder stands in for
// the program's.
QString CartellaProgramma()
{
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QDir::currentPath();
}

} // namespace

QString CartellaDatiDelProgramma()
{
    return CartellaDatiProgramma(CartellaProgramma());
}

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

namespace cli {

namespace {

// The header bytes carry no meaning: a generator of their own keeps the state's one (--seme) untouched.
SorgenteByte ByteCasuali()
{
    auto generatore = std::make_shared<GeneratoreCasuale>();
    generatore->seminaDaOrologio(ContatoreAltaRisoluzione());
    return [generatore] { return generatore->byteCasuale(); };
}

} // namespace

std::string AmbienteCli::percorsoArchivio() const
{
    return m_stato->cartelle.dati + file_archivio::NomeFile;
}

bool AmbienteCli::caricaArchivio()
{
    const QString cartellaDati = CartellaDatiDelProgramma();
    const std::string testoPredefinito =
        cartellaDati.isEmpty() ? std::string()
                               : QDir(cartellaDati).filePath(QStringLiteral("storico.txt")).toStdString();
    const EsitoArchivioPredefinito predefinito =
        PreparaArchivioPredefinito(m_stato->cartelle.dati, testoPredefinito, ByteCasuali());
    if (!predefinito.testo.empty()) {
        m_messaggi.mostra(Errore(predefinito.testo));
    }
    const EsitoCaricaArchivio esito = CaricaArchivio(percorsoArchivio(), m_stato->archivio);
    for (const std::string& avviso : esito.avvisi) {
        m_messaggi.mostra(Avviso(avviso));
    }
    return !esito.esiste || esito.letto;
}

void AmbienteCli::preparaRiduttori()
{
    const EsitoRiduttoriPredefiniti esito =
        PreparaRiduttoriPredefiniti(m_stato->cartelle.dati, CartellaDatiDelProgramma().toStdString());
    for (const auto* testi : {&esito.problemi, &esito.sostituiti}) {
        for (const std::string& testo : *testi) {
            m_messaggi.mostra(Avviso(testo));
        }
    }
}

bool AmbienteCli::salvaArchivio()
{
    if (!SalvaArchivio(percorsoArchivio(), m_stato->archivio, ByteCasuali())) {
        m_messaggi.mostra(Errore(messaggi_archivio::ErroreSalvataggioArchivio));
        return false;
    }
    return true;
}

} // namespace cli
