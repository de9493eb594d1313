#include "ui/aggiorna_software_dialog.h"

#include "checking/aggiornamento.h"
#include "checking/client_http.h"
#include "checking/messaggi_aggiornamento.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/impo_conn_dialog.h"
#include "ui/servizi_finestre.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr qint64 IntervalloEventiMs = 30;

QPushButton* Pulsante(QWidget* genitore, const QString& testo, const char* nome)
{
    auto* p = new QPushButton(testo, genitore);
    p->setObjectName(QString::fromLatin1(nome));
    return p;
}

} // namespace

TAggiornaSoftware::TAggiornaSoftware(StatoApplicazione& stato, const QString& indirizzo,
                                     ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_indirizzo(indirizzo), m_servizi(servizi)
{
    setObjectName(QStringLiteral("TAggiornaSoftware"));
    setWindowTitle(QString::fromUtf8(messaggi_aggiornamento::TitoloAggiornaSoftware));

    m_testo = new QLabel(QString::fromUtf8(messaggi_aggiornamento::FareClicAggiorna), this);
    m_testo->setObjectName(QStringLiteral("testoLabel"));
    m_testo->setWordWrap(true);
    m_avanzamento = new QProgressBar(this);
    m_avanzamento->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_avanzamento->setRange(0, 100);
    m_avanzamento->setValue(0);

    m_aggiorna = Pulsante(this, QStringLiteral("Aggiorna"), "aggiornaPushButton");
    m_aggiorna->setDefault(true);
    m_browser = Pulsante(this, QStringLiteral("Apri nel browser"), "browserPushButton");
    m_impostazioni = Pulsante(this, QStringLiteral("Impostazioni"), "impostazioniPushButton");
    m_annullaPulsante = Pulsante(this, QStringLiteral("Annulla"), "annullaPushButton");
    auto* guida = Pulsante(this, QStringLiteral("Guida in linea"), "guidaPushButton");

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(m_aggiorna);
    pulsanti->addWidget(m_browser);
    pulsanti->addWidget(m_impostazioni);
    pulsanti->addWidget(m_annullaPulsante);
    pulsanti->addWidget(guida);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_testo);
    layout->addWidget(m_avanzamento);
    layout->addLayout(pulsanti);

    connect(m_aggiorna, &QPushButton::clicked, this, &TAggiornaSoftware::aggiorna);
    connect(m_browser, &QPushButton::clicked, this, &TAggiornaSoftware::apriNelBrowser);
    connect(m_annullaPulsante, &QPushButton::clicked, this, &TAggiornaSoftware::reject);
    connect(m_impostazioni, &QPushButton::clicked, this, [this] {
        TImpoConn dialogo(m_stato, m_servizi, this);
        m_servizi.esegui(dialogo);
    });
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_aggiornamento::GuidaAggiorna)); });
}

QString TAggiornaSoftware::percorsoFile() const
{
    QString cartella = m_cartella;
    if (cartella.isEmpty()) {
        cartella = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    if (cartella.isEmpty()) {
        cartella = QString::fromStdString(m_stato.cartelle.dati);
    }
    return QDir(cartella).filePath(QString::fromLatin1(aggiornamento::NomeFileSoftware));
}

void TAggiornaSoftware::reject()
{
    if (m_inCorso) {
        m_annulla = true;
        return;
    }
    QDialog::reject();
}

void TAggiornaSoftware::impostaInCorso(bool inCorso)
{
    m_inCorso = inCorso;
    m_aggiorna->setEnabled(!inCorso);
    m_browser->setEnabled(!inCorso);
    m_impostazioni->setEnabled(!inCorso);
    m_testo->setText(QString::fromUtf8(inCorso ? messaggi_aggiornamento::ScaricamentoInCorso
                                               : messaggi_aggiornamento::FareClicAggiorna));
}

void TAggiornaSoftware::apriNelBrowser()
{
    const QUrl url(m_indirizzo);
    if (aggiornamento::IndirizzoWeb(m_indirizzo.toStdString())) {
        m_servizi.apriIndirizzo(url);
    }
    accept();
}

void TAggiornaSoftware::aggiorna()
{
    if (m_inCorso) {
        return;
    }
    const QString percorso = percorsoFile();
    QFile::remove(percorso);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        m_stato.messaggi.mostra(Errore(messaggi_archivio::ErroreScritturaTesto +
                                       QDir::toNativeSeparators(percorso).toStdString()));
        return;
    }
    impostaInCorso(true);
    m_annulla = false;
    m_avanzamento->setValue(0);

    const ImpostazioniGenerali& g = m_stato.generali;
    RichiestaHttp richiesta = aggiornamento::RichiestaAggiornamento(
        m_indirizzo.toStdString(),
        ProxyHttp{g.usaProxy, g.proxyServer, g.proxyPorta, g.proxyAuth, g.proxyUsername, g.proxyPassword},
        aggiornamento::SoftwareMassimo);
    richiesta.userAgent = aggiornamento::UserAgentSoftware;
    richiesta.attesaLettura = aggiornamento::AttesaLetturaSoftware;
    QElapsedTimer orologio;
    orologio.start();
    int percentuale = 0;
    richiesta.avanzamento = [&](std::uint64_t ricevuti, std::uint64_t annunciati) {
        const int nuova =
            annunciati > 0 ? static_cast<int>(std::min<std::uint64_t>(100, ricevuti * 100 / annunciati)) : 0;
        if (nuova != percentuale) {
            percentuale = nuova;
            m_avanzamento->setValue(percentuale);
        }
        if (orologio.elapsed() >= IntervalloEventiMs) {
            QCoreApplication::processEvents();
            orologio.restart();
        }
        return !m_annulla;
    };
    richiesta.ricevi = [&](std::string_view blocco) {
        return file.write(blocco.data(), static_cast<qint64>(blocco.size())) ==
               static_cast<qint64>(blocco.size());
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const EsitoHttp esito = m_servizi.clientHttp().get(richiesta);
    QApplication::restoreOverrideCursor();
    const bool scritto = esito.ok() && file.commit();
    if (!scritto) {
        file.cancelWriting();
    }
    impostaInCorso(false);
    m_avanzamento->setValue(0);

    if (scritto && QFileInfo::exists(percorso)) {
        m_stato.messaggi.mostra(Messaggio{
            messaggi_aggiornamento::FileScaricato + QDir::toNativeSeparators(percorso).toStdString(),
            messaggi_aggiornamento::TitoloProgramma, Icona::Informazione, Pulsanti::Ok, Risposta::Ok});
        m_servizi.apriIndirizzo(QUrl::fromLocalFile(QFileInfo(percorso).absolutePath()));
        accept();
        return;
    }
    if (esito.codice == CodiceHttp::Annullata) {
        return;
    }
    m_stato.messaggi.mostra(Avviso(messaggi_aggiornamento::ConnessioneFallita));
    m_servizi.apriGuida(QString::fromLatin1(messaggi_aggiornamento::GuidaConnessioneFallita));
}
