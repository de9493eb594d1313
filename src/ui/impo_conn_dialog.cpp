#include "ui/impo_conn_dialog.h"

#include "checking/aggiornamento.h"
#include "checking/messaggi_aggiornamento.h"
#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_tasti.h"
#include "ui/pulsanti_impostazioni.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

constexpr int LunghezzaMassimaTesto = 100;
constexpr int LunghezzaMassimaServer = 200;

constexpr const char* ServerNonValido =
    "L'indirizzo del server degli aggiornamenti non è valido: deve iniziare con http:// oppure https://.";

// A port 0..65535 as at most five digits: anything else is refused as typed (QIntValidator would let
// 70000 through as "intermediate").
class ValidatorePorta final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override
    {
        if (testo.isEmpty()) {
            return Acceptable;
        }
        bool numero = testo.size() <= 5;
        for (const QChar c : testo) {
            numero = numero && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }
        return numero && testo.toInt() <= 65535 ? Acceptable : Invalid;
    }
};

QLineEdit* Casella(QWidget* genitore, const char* nome, const std::string& valore, int lunghezza)
{
    auto* casella = new QLineEdit(QString::fromStdString(valore), genitore);
    casella->setObjectName(QString::fromLatin1(nome));
    casella->setMaxLength(lunghezza);
    return casella;
}

} // namespace

TImpoConn::TImpoConn(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi)
{
    setObjectName(QStringLiteral("TImpoConn"));
    setWindowTitle(QString::fromUtf8(messaggi_aggiornamento::TitoloImpoConn));
    const ImpostazioniGenerali& g = m_stato.generali;

    auto* gruppo = new QGroupBox(QStringLiteral(" Impostazioni "), this);
    auto* griglia = new QGridLayout(gruppo);
    m_usaProxy = new QCheckBox(QStringLiteral("Usa il seguente proxy server:"), gruppo);
    m_usaProxy->setObjectName(QStringLiteral("usaProxyCheckBox"));
    m_usaProxy->setChecked(g.usaProxy);
    griglia->addWidget(m_usaProxy, 0, 0, 1, 2);

    m_server = Casella(gruppo, "proxyServerLineEdit", g.proxyServer, LunghezzaMassimaTesto);
    griglia->addWidget(new QLabel(QStringLiteral("Indirizzo o nome host:"), gruppo), 1, 0);
    griglia->addWidget(m_server, 1, 1);

    m_porta = Casella(gruppo, "proxyPortaLineEdit", g.proxyPorta, 5);
    m_porta->setValidator(new ValidatorePorta(m_porta));
    m_porta->installEventFilter(FiltroTasti::Cifre(false, m_porta));
    m_porta->setMaximumWidth(m_porta->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    griglia->addWidget(new QLabel(QStringLiteral("Numero porta:"), gruppo), 2, 0);
    griglia->addWidget(m_porta, 2, 1, Qt::AlignLeft);

    m_autenticazione = new QCheckBox(QStringLiteral("Autenticazione:"), gruppo);
    m_autenticazione->setObjectName(QStringLiteral("autenticazioneCheckBox"));
    m_autenticazione->setChecked(g.usaProxy && g.proxyAuth);
    griglia->addWidget(m_autenticazione, 3, 0, 1, 2);

    m_utente = Casella(gruppo, "proxyUtenteLineEdit", g.proxyUsername, LunghezzaMassimaTesto);
    griglia->addWidget(new QLabel(QStringLiteral("Nome utente:"), gruppo), 4, 0);
    griglia->addWidget(m_utente, 4, 1);

    m_password = Casella(gruppo, "proxyPasswordLineEdit", g.proxyPassword, LunghezzaMassimaTesto);
    m_password->setEchoMode(QLineEdit::Password);
    griglia->addWidget(new QLabel(QStringLiteral("Password:"), gruppo), 5, 0);
    griglia->addWidget(m_password, 5, 1);
    griglia->setColumnStretch(1, 1);

    auto* gruppoServer = new QGroupBox(QStringLiteral(" Server degli aggiornamenti "), this);
    auto* rigaServer = new QHBoxLayout(gruppoServer);
    m_serverAggiornamenti =
        Casella(gruppoServer, "serverAggiornamentiLineEdit", g.serverAggiornamenti, LunghezzaMassimaServer);
    rigaServer->addWidget(new QLabel(QStringLiteral("Indirizzo:"), gruppoServer));
    rigaServer->addWidget(m_serverAggiornamenti, 1);

    const RigaPulsantiImpostazioni pulsanti = CreaPulsantiImpostazioni(
        this, [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_aggiornamento::GuidaImpoConn)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gruppo);
    layout->addWidget(gruppoServer);
    layout->addLayout(pulsanti.riga);
    setMinimumWidth(420);

    connect(m_usaProxy, &QCheckBox::toggled, this, &TImpoConn::aggiornaAbilitazioni);
    connect(m_autenticazione, &QCheckBox::toggled, this, &TImpoConn::aggiornaAbilitazioni);
    connect(pulsanti.applica, &QPushButton::clicked, this, &TImpoConn::applica);
    aggiornaAbilitazioni();
}

void TImpoConn::aggiornaAbilitazioni()
{
    const bool proxy = m_usaProxy->isChecked();
    if (!proxy && m_autenticazione->isChecked()) {
        m_autenticazione->setChecked(false); // re-enters through toggled
        return;
    }
    m_server->setEnabled(proxy);
    m_porta->setEnabled(proxy);
    m_autenticazione->setEnabled(proxy);
    const bool autenticazione = proxy && m_autenticazione->isChecked();
    m_utente->setEnabled(autenticazione);
    m_password->setEnabled(autenticazione);
}

void TImpoConn::applica()
{
    const std::string server = m_serverAggiornamenti->text().trimmed().toStdString();
    if (!aggiornamento::IndirizzoWeb(server)) {
        m_stato.messaggi.mostra(Avviso(ServerNonValido));
        m_serverAggiornamenti->setFocus();
        return;
    }
    ImpostazioniGenerali& g = m_stato.generali;
    g.usaProxy = m_usaProxy->isChecked();
    g.proxyServer = m_server->text().toStdString();
    g.proxyPorta = m_porta->text().toStdString();
    g.proxyAuth = m_autenticazione->isChecked();
    g.proxyUsername = m_utente->text().toStdString();
    g.proxyPassword = m_password->text().toStdString();
    g.serverAggiornamenti = server;
    SalvaImpostazioniGenerali(m_stato.impostazioni, g);
    accept();
}
