#include "checking/messaggi_aggiornamento.h"
#include "core/file_archivio.h"
#include "core/file_binario.h"
#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "support/server_http_locale.h"
#include "ui/aggio_dialog.h"
#include "ui/aggiorna_software_dialog.h"
#include "ui/impo_conn_dialog.h"
#include "ui/notifica_dialog.h"
#include "ui/perrtf_dialog.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// An "esl" line with Bari's numbers from `segno`.
std::string Riga(const char* data, int segno)
{
    std::string riga = std::string("esl") + data;
    for (int p = 0; p < 5; ++p) {
        riga += QStringLiteral("%1").arg(segno + p, 2, 10, QLatin1Char('0')).toStdString();
    }
    return riga + std::string(100, '0');
}

} // namespace

class AggioDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aggiornaUnisceSalvaEChiude();
    void connessioneFallitaTieneAperto();
    void nuovaVersioneApreLaFinestra();
    void pulsantiGuidaEImpostazioni();

    void impoConnAbilitazioni();
    void impoConnApplica();
    void impoConnRifiutaServerEAnnulla();

    void messaggioDalFileSenzaCollegamenti();

    void aggiornaSoftwareScaricaEMostraLaCartella();
    void aggiornaSoftwareFallitoNonLasciaFile();
    void aggiornaSoftwareNelBrowser();

    void finestraPrincipale();

private:
    void risposta(const std::string& testo)
    {
        std::lock_guard blocco(m_mutex);
        m_risposta = testo;
    }
    std::unique_ptr<TAggio> apriAggio();
    // The addresses opened, as text.
    std::vector<QString> aperti() const
    {
        std::vector<QString> v;
        for (const QUrl& indirizzo : m_prova->servizi.indirizzi) {
            v.push_back(indirizzo.toString());
        }
        return v;
    }
    void clicca(QWidget* w, const char* nome)
    {
        QTest::mouseClick(test::trova<QPushButton>(w, nome), Qt::LeftButton);
    }

    std::unique_ptr<test::ServerHttpLocale> m_server;
    std::mutex m_mutex;
    std::string m_risposta;
    std::unique_ptr<test::StatoDiProva> m_prova;
    std::vector<QString> m_rtf;
    int m_ricalcoli = 0;
};

void AggioDialogTest::init()
{
    m_server = std::make_unique<test::ServerHttpLocale>();
    httplib::Server& s = m_server->server();
    s.Get("/aggiorna.php", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard blocco(m_mutex);
        res.set_content(m_risposta, "text/plain");
    });
    s.Get("/estrazioni.txt", [this](const httplib::Request&, httplib::Response& res) {
        res.set_content(Riga("20090307", 20) + "\n" + Riga("20090301", 30) + "\nrtf" +
                            m_server->indirizzo("/m.rtf") + "\nurl https://www.example.org/\n",
                        "text/plain");
    });
    s.Get("/m.rtf", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Novit\\'e0\\b0\\par Ciao}",
                        "application/rtf");
    });
    s.Get("/nuova.exe", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(200000, 'Q'), "application/octet-stream");
    });
    s.Get("/errore", [](const httplib::Request&, httplib::Response& res) { res.status = 404; });
    m_server->avvia();

    m_prova = std::make_unique<test::StatoDiProva>();
    m_prova->stato.generali.serverAggiornamenti = m_server->indirizzo();
    for (int giorno = 3; giorno <= 5; ++giorno) {
        (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(giorno, 3, 2009, giorno));
    }
    m_rtf.clear();
    m_ricalcoli = 0;
    risposta(m_server->indirizzo("/estrazioni.txt"));
}

void AggioDialogTest::cleanup()
{
    m_prova.reset();
    m_server.reset();
    m_prova.reset();
}

std::unique_ptr<TAggio> AggioDialogTest::apriAggio()
{
    // The windows the update opens are answered for: the server's message is read, the offer of a new
    // version is sent to the browser, the settings are cancelled.
    m_prova->servizi.dialogo = [this](QDialog& finestra) -> std::optional<int> {
        if (auto* messaggio = qobject_cast<Tperrtf*>(&finestra)) {
            m_rtf.push_back(test::trova<QTextEdit>(messaggio, "testoTextEdit")->toPlainText());
        } else if (qobject_cast<TAggiornaSoftware*>(&finestra) != nullptr) {
            clicca(&finestra, "browserPushButton");
            return finestra.result();
        }
        return QDialog::Rejected;
    };
    auto dialogo = std::make_unique<TAggio>(m_prova->stato, m_prova->servizi, [this] { ++m_ricalcoli; });
    dialogo->show();
    return dialogo;
}

void AggioDialogTest::aggiornaUnisceSalvaEChiude()
{
    auto dialogo = apriAggio();
    QCOMPARE(dialogo->windowTitle(), QStringLiteral("Aggiornamento diretto da Internet"));
    dialogo->grab().save(QStringLiteral("/tmp/agg/taggio.png"));
    clicca(dialogo.get(), "aggiornaPushButton");

    QVERIFY(!dialogo->isVisible());
    QCOMPARE(dialogo->result(), int(QDialog::Accepted));
    QVERIFY(dialogo->archivioSalvato());
    QCOMPARE(m_ricalcoli, 1);
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QCOMPARE(m_prova->stato.archivio.estrazione(1).chiaveData(), 20090301);
    QCOMPARE(m_prova->messaggi.ultimo(),
             std::string("Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Lotto: 2"));
    QCOMPARE(m_prova->messaggi.mostrati.back().titolo, std::string("OK"));

    ArchivioStorico riletto;
    QVERIFY(CaricaArchivio(m_prova->cartella.file("Quarvin.db"), riletto).ok());
    QCOMPARE(riletto.conteggio(), 5);

    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("Tperrtf")});
    QCOMPARE(m_rtf, std::vector<QString>{QStringLiteral("Novità\nCiao")});
    QCOMPARE(aperti(), std::vector<QString>{QStringLiteral("https://www.example.org/")});
    QVERIFY(!QFile::exists(QString::fromStdString(m_prova->cartella.file("Msg.rtf"))));
    QCOMPARE(test::trova<QProgressBar>(dialogo.get(), "avanzamentoProgressBar")->value(), 0);
}

void AggioDialogTest::connessioneFallitaTieneAperto()
{
    m_prova->stato.generali.serverAggiornamenti = m_server->indirizzo("/errore?");
    auto dialogo = apriAggio();
    clicca(dialogo.get(), "aggiornaPushButton");

    QVERIFY(dialogo->isVisible());
    QCOMPARE(m_prova->messaggi.ultimo(), std::string(messaggi_aggiornamento::ConnessioneFallita));
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("rdp_connessione.htm")});
    QCOMPARE(m_prova->stato.archivio.conteggio(), 3);
    QVERIFY(!QFile::exists(QString::fromStdString(m_prova->cartella.file("Quarvin.db"))));
    QVERIFY(test::trova<QPushButton>(dialogo.get(), "aggiornaPushButton")->isEnabled());
    QVERIFY(test::trova<QPushButton>(dialogo.get(), "annullaPushButton")->isEnabled());
    QVERIFY(test::trova<QPushButton>(dialogo.get(), "impostazioniPushButton")->isEnabled());

    QTest::keyClick(dialogo.get(), Qt::Key_Escape);
    QVERIFY(!dialogo->isVisible());
    QVERIFY(!dialogo->archivioSalvato());
}

void AggioDialogTest::nuovaVersioneApreLaFinestra()
{
    risposta("nnn" + m_server->indirizzo("/nuova.exe") + "nnnE' disponibile una nuova versione.");
    auto dialogo = apriAggio();
    clicca(dialogo.get(), "aggiornaPushButton");
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t(1));
    QCOMPARE(m_prova->messaggi.mostrati[0].titolo, std::string("QUARVINA LOTTO"));
    QCOMPARE(m_prova->messaggi.mostrati[0].pulsanti, Pulsanti::OkAnnulla);
    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("TAggiornaSoftware")});
    QCOMPARE(aperti(), std::vector<QString>{QString::fromStdString(m_server->indirizzo("/nuova.exe"))});
    QVERIFY(!dialogo->isVisible());
}

void AggioDialogTest::pulsantiGuidaEImpostazioni()
{
    auto dialogo = apriAggio();
    clicca(dialogo.get(), "guidaPushButton");
    clicca(dialogo.get(), "impostazioniPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("as_aggiorna_internet.htm")});
    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("TImpoConn")});
    QVERIFY(dialogo->isVisible());
    clicca(dialogo.get(), "annullaPushButton");
    QVERIFY(!dialogo->isVisible());
    QCOMPARE(m_prova->stato.archivio.conteggio(), 3);
}

void AggioDialogTest::impoConnAbilitazioni()
{
    m_prova->stato.generali.usaProxy = true;
    m_prova->stato.generali.proxyAuth = true;
    m_prova->stato.generali.proxyServer = "proxy.locale";
    TImpoConn dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    dialogo.grab().save(QStringLiteral("/tmp/agg/timpoconn.png"));
    auto* proxy = test::trova<QCheckBox>(&dialogo, "usaProxyCheckBox");
    auto* autenticazione = test::trova<QCheckBox>(&dialogo, "autenticazioneCheckBox");
    auto* host = test::trova<QLineEdit>(&dialogo, "proxyServerLineEdit");
    auto* utente = test::trova<QLineEdit>(&dialogo, "proxyUtenteLineEdit");
    auto* password = test::trova<QLineEdit>(&dialogo, "proxyPasswordLineEdit");
    QCOMPARE(host->text(), QStringLiteral("proxy.locale"));
    QVERIFY(host->isEnabled() && utente->isEnabled());
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(host->maxLength(), 100);

    proxy->setChecked(false);
    QVERIFY(!autenticazione->isChecked());
    QVERIFY(!host->isEnabled() && !autenticazione->isEnabled() && !utente->isEnabled() &&
            !password->isEnabled());
    proxy->setChecked(true);
    QVERIFY(host->isEnabled() && autenticazione->isEnabled() && !utente->isEnabled());
    autenticazione->setChecked(true);
    QVERIFY(utente->isEnabled() && password->isEnabled());

    auto* porta = test::trova<QLineEdit>(&dialogo, "proxyPortaLineEdit");
    porta->setFocus();
    QTest::keyClicks(porta, "8a0-8");
    QCOMPARE(porta->text(), QStringLiteral("808"));
    QTest::keyClicks(porta, "09");
    QCOMPARE(porta->text(), QStringLiteral("8080")); // 80809 is beyond 65535
}

void AggioDialogTest::impoConnApplica()
{
    TImpoConn dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    test::trova<QCheckBox>(&dialogo, "usaProxyCheckBox")->setChecked(true);
    test::trova<QLineEdit>(&dialogo, "proxyServerLineEdit")->setText(QStringLiteral("10.0.0.1"));
    test::trova<QLineEdit>(&dialogo, "proxyPortaLineEdit")->setText(QStringLiteral("3128"));
    test::trova<QCheckBox>(&dialogo, "autenticazioneCheckBox")->setChecked(true);
    test::trova<QLineEdit>(&dialogo, "proxyUtenteLineEdit")->setText(QStringLiteral("mario"));
    test::trova<QLineEdit>(&dialogo, "proxyPasswordLineEdit")->setText(QStringLiteral("segreta"));
    test::trova<QLineEdit>(&dialogo, "serverAggiornamentiLineEdit")
        ->setText(QStringLiteral(" https://club.example/lotto "));
    clicca(&dialogo, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("imp_connessione.htm")});
    clicca(&dialogo, "applicaPushButton");

    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    const ImpostazioniGenerali& g = m_prova->stato.generali;
    QVERIFY(g.usaProxy && g.proxyAuth);
    QCOMPARE(g.proxyServer, std::string("10.0.0.1"));
    QCOMPARE(g.proxyPorta, std::string("3128"));
    QCOMPARE(g.proxyUsername, std::string("mario"));
    QCOMPARE(g.proxyPassword, std::string("segreta"));
    QCOMPARE(g.serverAggiornamenti, std::string("https://club.example/lotto"));
    QCOMPARE(m_prova->store.leggiTesto("ProxyPassword").value_or(""), std::string("segreta"));
    QCOMPARE(m_prova->store.leggiTesto("UsaProxy").value_or(""), std::string("1"));
    QCOMPARE(m_prova->store.leggiTesto("ServerAggiornamenti").value_or(""),
             std::string("https://club.example/lotto"));
}

void AggioDialogTest::impoConnRifiutaServerEAnnulla()
{
    TImpoConn dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    test::trova<QLineEdit>(&dialogo, "serverAggiornamentiLineEdit")->setText(QStringLiteral("file:///etc"));
    clicca(&dialogo, "applicaPushButton");
    QVERIFY(dialogo.isVisible());
    QVERIFY(m_prova->messaggi.ultimo().find("https://") != std::string::npos);
    QVERIFY(m_prova->store.nomi().empty());

    test::trova<QCheckBox>(&dialogo, "usaProxyCheckBox")->setChecked(true);
    clicca(&dialogo, "annullaPushButton");
    QCOMPARE(dialogo.result(), int(QDialog::Rejected));
    QVERIFY(!m_prova->stato.generali.usaProxy);
    QVERIFY(m_prova->store.nomi().empty());
}

// A field keeps only its result, shown as the text it is: no link to follow, no markup read.
void AggioDialogTest::messaggioDalFileSenzaCollegamenti()
{
    const std::string percorso = m_prova->cartella.file("Msg.rtf");
    const std::string rtf =
        "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"file:///bin/sh\"}{\\fldrslt <b>clic</b>}}}";
    QVERIFY(ScriviFileAtomico(percorso,
                              std::span(reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size())));
    Tperrtf dialogo(Tperrtf::leggiFile(QString::fromStdString(percorso)));
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Messaggio"));
    auto* testo = test::trova<QTextEdit>(&dialogo, "testoTextEdit");
    QCOMPARE(testo->toPlainText(), QStringLiteral("<b>clic</b>"));
    QVERIFY(!testo->document()->find(QStringLiteral("clic")).charFormat().isAnchor());
    QVERIFY(testo->isReadOnly());
    dialogo.grab().save(QStringLiteral("/tmp/agg/tperrtf.png"));
    clicca(&dialogo, "okPushButton");
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QVERIFY(Tperrtf::leggiFile(QStringLiteral("/non/esiste")).empty());
}

void AggioDialogTest::aggiornaSoftwareScaricaEMostraLaCartella()
{
    TAggiornaSoftware dialogo(m_prova->stato, QString::fromStdString(m_server->indirizzo("/nuova.exe")),
                              m_prova->servizi);
    const QString cartella = QString::fromStdString(m_prova->cartella.file("scaricati"));
    QVERIFY(QDir().mkpath(cartella));
    dialogo.setCartellaDestinazione(cartella);
    QFile vecchio(dialogo.percorsoFile());
    QVERIFY(vecchio.open(QIODevice::WriteOnly));
    vecchio.write("vecchio");
    vecchio.close();
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Aggiornamento di QUARVINA LOTTO"));
    QCOMPARE(test::trova<QLabel>(&dialogo, "testoLabel")->text(),
             QStringLiteral("Fare clic su \"Aggiorna\" per avviare l'aggiornamento."));
    dialogo.grab().save(QStringLiteral("/tmp/agg/taggiornasoftware.png"));
    clicca(&dialogo, "aggiornaPushButton");

    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QFile file(dialogo.percorsoFile());
    QVERIFY(dialogo.percorsoFile().endsWith(QStringLiteral("/QuarvinUPD.exe")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), qint64(200000));
    QCOMPARE(aperti(), std::vector<QString>{QUrl::fromLocalFile(cartella).toString()});
    QVERIFY(m_prova->messaggi.ultimo().find("QuarvinUPD.exe") != std::string::npos);
}

void AggioDialogTest::aggiornaSoftwareFallitoNonLasciaFile()
{
    TAggiornaSoftware dialogo(m_prova->stato, QString::fromStdString(m_server->indirizzo("/errore")),
                              m_prova->servizi);
    dialogo.setCartellaDestinazione(QString::fromStdString(m_prova->cartella.cartella()));
    dialogo.show();
    clicca(&dialogo, "aggiornaPushButton");
    QVERIFY(dialogo.isVisible());
    QVERIFY(!QFile::exists(dialogo.percorsoFile()));
    QCOMPARE(m_prova->messaggi.ultimo(), std::string(messaggi_aggiornamento::ConnessioneFallita));
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("rdp_connessione.htm")});
    QVERIFY(m_prova->servizi.indirizzi.empty());
    QVERIFY(test::trova<QPushButton>(&dialogo, "aggiornaPushButton")->isEnabled());
}

void AggioDialogTest::aggiornaSoftwareNelBrowser()
{
    struct Caso
    {
        const char* indirizzo;
        std::vector<QString> aperti;
    };
    const Caso casi[] = {
        {"https://www.example.org/nuova", {QStringLiteral("https://www.example.org/nuova")}},
        {"file:///bin/sh", {}},
    };
    for (const Caso& caso : casi) {
        m_prova->servizi.indirizzi.clear();
        TAggiornaSoftware dialogo(m_prova->stato, QString::fromLatin1(caso.indirizzo), m_prova->servizi);
        dialogo.show();
        clicca(&dialogo, "browserPushButton");
        QCOMPARE(aperti(), caso.aperti);
        QVERIFY(!dialogo.isVisible());
    }
}

namespace {

class OrologioFisso final : public Orologio
{
public:
    DataOra adesso() const override { return {2009, 3, 12, 21, 0}; }
    std::uint64_t millisecondi() const override { return 0; }
};

} // namespace

void AggioDialogTest::finestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    std::vector<QString> abilitati;
    for (QAction* a : finestra.findChildren<QAction*>()) {
        if ((a->text() == QStringLiteral("Aggiorna da Internet") ||
             a->text() == QStringLiteral("Connessione ad Internet")) &&
            a->isEnabled()) {
            abilitati.push_back(a->text());
        }
    }
    QVERIFY(abilitati.size() >= 2);

    // Accepting the notification opens the update window.
    OrologioFisso orologio;
    finestra.controllaAggiornamento(orologio);
    auto* notifica = finestra.findChild<TNotificaAggiornamento*>();
    QVERIFY(notifica != nullptr);
    QString aperta;
    QTimer::singleShot(100, this, [&aperta] {
        if (auto* aggio = qobject_cast<TAggio*>(QApplication::activeModalWidget())) {
            aperta = aggio->windowTitle();
            aggio->reject();
        }
    });
    notifica->accept();
    QTRY_COMPARE(aperta, QStringLiteral("Aggiornamento diretto da Internet"));
}

QTEST_MAIN(AggioDialogTest)
#include "aggio_dialog_test.moc"
