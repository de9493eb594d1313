#include "ui/aggio_dialog.h"

#include "checking/messaggi_aggiornamento.h"
#include "core/file_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/aggiorna_software_dialog.h"
#include "ui/impo_conn_dialog.h"
#include "ui/perrtf_dialog.h"
#include "ui/servizi_finestre.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
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

// The wait cursor is lifted while a message or a window asks something of the user.
class SenzaAttesa
{
public:
    SenzaAttesa() : m_attiva(QApplication::overrideCursor() != nullptr)
    {
        if (m_attiva) {
            QApplication::restoreOverrideCursor();
        }
    }
    ~SenzaAttesa()
    {
        if (m_attiva) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    SenzaAttesa(const SenzaAttesa&) = delete;
    SenzaAttesa& operator=(const SenzaAttesa&) = delete;

private:
    bool m_attiva;
};

} // namespace

TAggio::TAggio(StatoApplicazione& stato, ServiziFinestre& servizi, Ricalcola ricalcola, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_ricalcola(std::move(ricalcola))
{
    setObjectName(QStringLiteral("TAggio"));
    setWindowTitle(QString::fromUtf8(messaggi_aggiornamento::TitoloAggio));

    auto* gruppo = new QGroupBox(QStringLiteral("Stato avanzamento"), this);
    auto* layoutGruppo = new QVBoxLayout(gruppo);
    m_avanzamento = new QProgressBar(gruppo);
    m_avanzamento->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_avanzamento->setRange(0, 100);
    m_avanzamento->setValue(0);
    layoutGruppo->addWidget(m_avanzamento);

    m_aggiorna = Pulsante(this, QStringLiteral("Aggiorna"), "aggiornaPushButton");
    m_aggiorna->setDefault(true);
    m_annulla = Pulsante(this, QStringLiteral("Annulla"), "annullaPushButton");
    m_impostazioni = Pulsante(this, QStringLiteral("Impostazioni"), "impostazioniPushButton");
    auto* guida = Pulsante(this, QStringLiteral("Guida in linea"), "guidaPushButton");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(m_aggiorna);
    pulsanti->addWidget(m_annulla);
    pulsanti->addWidget(m_impostazioni);
    pulsanti->addWidget(guida);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gruppo);
    layout->addLayout(pulsanti);
    setMinimumWidth(440);

    connect(m_aggiorna, &QPushButton::clicked, this, &TAggio::aggiorna);
    connect(m_annulla, &QPushButton::clicked, this, &TAggio::reject);
    connect(m_impostazioni, &QPushButton::clicked, this, [this] {
        TImpoConn dialogo(m_stato, m_servizi, this);
        m_servizi.esegui(dialogo);
    });
    connect(guida, &QPushButton::clicked, this,
            [this] { this->apriGuida(messaggi_aggiornamento::GuidaAggiorna); });
}

std::string TAggio::percorsoMessaggio() const
{
    return m_stato.cartelle.personale + aggiornamento::NomeFileMessaggio;
}

void TAggio::reject()
{
    if (!m_inCorso) {
        QDialog::reject();
    }
}

void TAggio::done(int risultato)
{
    QFile::remove(QString::fromStdString(percorsoMessaggio()));
    QDialog::done(risultato);
}

void TAggio::impostaInCorso(bool inCorso)
{
    m_inCorso = inCorso;
    m_aggiorna->setEnabled(!inCorso);
    m_annulla->setEnabled(!inCorso);
    m_impostazioni->setEnabled(!inCorso);
}

void TAggio::aggiorna()
{
    if (m_inCorso) {
        return;
    }
    impostaInCorso(true);
    const ImpostazioniGenerali& g = m_stato.generali;
    aggiornamento::ParametriAggiornamento parametri;
    parametri.server = g.serverAggiornamenti;
    parametri.proxy =
        ProxyHttp{g.usaProxy, g.proxyServer, g.proxyPorta, g.proxyAuth, g.proxyUsername, g.proxyPassword};
    parametri.percorsoMessaggio = percorsoMessaggio();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const aggiornamento::EsitoAggiornamento esito =
        aggiornamento::EseguiAggiornamento(parametri, m_stato.archivio, m_servizi.clientHttp(), *this);
    QApplication::restoreOverrideCursor();
    impostaInCorso(false);
    if (!esito.tieniAperto) {
        accept();
    }
}

void TAggio::avanzamento(int percentuale)
{
    m_avanzamento->setValue(percentuale);
    m_avanzamento->repaint();
}

Risposta TAggio::mostra(const Messaggio& messaggio)
{
    SenzaAttesa senzaAttesa;
    return m_stato.messaggi.mostra(messaggio);
}

void TAggio::apriGuida(const std::string& topic)
{
    m_servizi.apriGuida(QString::fromStdString(topic));
}

void TAggio::apriIndirizzo(const std::string& indirizzo)
{
    m_servizi.apriIndirizzo(QUrl(QString::fromStdString(indirizzo)));
}

void TAggio::aggiornaSoftware(const std::string& indirizzo)
{
    SenzaAttesa senzaAttesa;
    TAggiornaSoftware dialogo(m_stato, QString::fromStdString(indirizzo), m_servizi, this);
    m_servizi.esegui(dialogo);
}

void TAggio::mostraMessaggio(const std::string& percorso)
{
    SenzaAttesa senzaAttesa;
    Tperrtf dialogo(Tperrtf::leggiFile(QString::fromStdString(percorso)), this);
    m_servizi.esegui(dialogo);
}

bool TAggio::salvaArchivio()
{
    const bool salvato = SalvaArchivio(m_stato.cartelle.dati + file_archivio::NomeFile, m_stato.archivio,
                                       [this] { return m_stato.generatore.byteCasuale(); });
    if (!salvato) {
        return false;
    }
    m_archivioSalvato = true;
    if (m_ricalcola) {
        m_ricalcola();
    } else {
        m_stato.ricalcolaStatistiche();
    }
    return true;
}

bool TAggio::inAttesa()
{
    const qint64 adesso = QDateTime::currentMSecsSinceEpoch();
    if (adesso - m_ultimiEventi >= IntervalloEventiMs) {
        m_ultimiEventi = adesso;
        // Repaints only: the buttons are disabled, and typed input would reach a window that waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}
