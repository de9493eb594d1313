#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/grafico_barre.h"
#include "ui/visua_distri_dialog.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

class VisuaDistriDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sviluppoDiSeiNumeriInTerzine();
    void interruzione_data();
    void interruzione();
    void stampaSuPdf();
    void guida();

private:
    // The 20 plays of 4 17 33 58 71 90 taken three at a time, the six numbers predicted.
    void sviluppoSeiTerzine();
    // n plays of five consecutive numbers, going round 1..90.
    void giocateCinquine(int n);
    void attendiFine(TVisuaDistri& dialogo) { QTRY_VERIFY(dialogo.completata()); }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void VisuaDistriDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void VisuaDistriDialogTest::cleanup()
{
    m_prova.reset();
}

void VisuaDistriDialogTest::sviluppoSeiTerzine()
{
    const int numeri[] = {4, 17, 33, 58, 71, 90};
    for (int n : numeri) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(20));
    int i = 0;
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            for (int c = b + 1; c < 6; ++c) {
                m_prova->stato.giocate.voce(++i) = test::giocata({numeri[a], numeri[b], numeri[c]});
            }
        }
    }
    m_prova->stato.giocate.setConteggio(20);
}

void VisuaDistriDialogTest::giocateCinquine(int n)
{
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(n));
    for (int i = 1; i <= n; ++i) {
        Tipo_Giocata g{};
        for (int j = 0; j < 5; ++j) {
            g[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(1 + (5 * (i - 1) + j) % 90);
        }
        OrdinaGiocata(g);
        m_prova->stato.giocate.voce(i) = g;
    }
    m_prova->stato.giocate.setConteggio(n);
}

void VisuaDistriDialogTest::sviluppoDiSeiNumeriInTerzine()
{
    sviluppoSeiTerzine();
    TVisuaDistri dialogo(m_prova->stato, m_prova->servizi);
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Distribuzione dei numeri nelle giocate"));
    auto* grafico = test::trova<GraficoBarre>(&dialogo, "distribuzioneGraficoBarre");
    QCOMPARE(grafico->titolo(), QStringLiteral("Distribuzione dei numeri nelle giocate"));
    // The bars are there, at 0, before the count starts.
    QCOMPARE(grafico->elementi(), 90);
    QCOMPARE(grafico->valore(3), 0.0);

    dialogo.show();
    attendiFine(dialogo);
    for (int n = 1; n <= 90; ++n) {
        const bool predetto = m_prova->stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] != 0;
        QCOMPARE(grafico->valore(n - 1), predetto ? 10.0 : 0.0);
        QCOMPARE(grafico->etichetta(n - 1), QString::number(n));
    }
    QVERIFY(!test::trova<QProgressBar>(&dialogo, "avanzamentoProgressBar")->isVisible());
    QVERIFY(!test::trova<QPushButton>(&dialogo, "interrompiPushButton")->isVisible());
    for (const char* nome : {"stampaPushButton", "guidaPushButton", "chiudiPushButton"}) {
        QVERIFY2(test::trova<QPushButton>(&dialogo, nome)->isVisible(), nome);
    }
    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        dialogo.grab().save(QDir(catture).filePath(QStringLiteral("distribuzione.png")));
    }
    QVERIFY(dialogo.close());
    QVERIFY(m_prova->messaggi.mostrati.empty());
}

void VisuaDistriDialogTest::interruzione_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("esaminate");
    QTest::newRow("No: il conteggio prosegue") << static_cast<int>(Risposta::No) << 1000;
    QTest::newRow("Sì: si ferma ai conteggi raggiunti") << static_cast<int>(Risposta::Si) << 357;
}

void VisuaDistriDialogTest::interruzione()
{
    QFETCH(int, risposta);
    QFETCH(int, esaminate);
    giocateCinquine(1000);
    TVisuaDistri dialogo(m_prova->stato, m_prova->servizi);
    auto* grafico = test::trova<GraficoBarre>(&dialogo, "distribuzioneGraficoBarre");
    dialogo.show();

    // Runs at the first poll (after 357 plays), while the count is under way.
    bool visto = false;
    bool chiusuraRifiutata = false;
    bool pannelloCalcolo = false;
    double primaBarra = -1;
    int avanzamento = -1;
    QTimer::singleShot(0, &dialogo, [&] {
        visto = true;
        chiusuraRifiutata = !dialogo.close() && dialogo.isVisible();
        QTest::keyClick(&dialogo, Qt::Key_Escape);
        chiusuraRifiutata = chiusuraRifiutata && dialogo.isVisible();
        pannelloCalcolo = test::trova<QPushButton>(&dialogo, "interrompiPushButton")->isVisible() &&
                          !test::trova<QPushButton>(&dialogo, "chiudiPushButton")->isVisible();
        primaBarra = grafico->valore(0);
        avanzamento = test::trova<QProgressBar>(&dialogo, "avanzamentoProgressBar")->value();
        test::trova<QPushButton>(&dialogo, "interrompiPushButton")->click();
    });
    m_prova->messaggi.risposte = {static_cast<Risposta>(risposta)};
    dialogo.avviaCalcolo();

    QVERIFY(visto);
    QVERIFY(chiusuraRifiutata);
    QVERIFY(pannelloCalcolo);
    // The first chart update comes at the first poll; the gauge counts plays.
    QCOMPARE(primaBarra, 20.0);
    QCOMPARE(avanzamento, 357);
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    const Messaggio& domanda = m_prova->messaggi.mostrati.back();
    QCOMPARE(QString::fromStdString(domanda.testo),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QCOMPARE(QString::fromStdString(domanda.titolo), QStringLiteral("Attenzione"));
    QCOMPARE(domanda.pulsanti, Pulsanti::SiNo);
    QCOMPARE(domanda.predefinita, Risposta::No);

    QVERIFY(dialogo.completata());
    QCOMPARE(dialogo.distribuzione().esaminate, esaminate);
    std::int64_t somma = 0;
    for (int n = 0; n < 90; ++n) {
        somma += static_cast<std::int64_t>(grafico->valore(n));
    }
    QCOMPARE(somma, 5 * static_cast<std::int64_t>(esaminate));
    QVERIFY(test::trova<QPushButton>(&dialogo, "chiudiPushButton")->isVisible());
    QVERIFY(dialogo.close());
}

void VisuaDistriDialogTest::stampaSuPdf()
{
    sviluppoSeiTerzine();
    TVisuaDistri dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    attendiFine(dialogo);

    const QString pdf = QString::fromStdString(m_prova->cartella.file("distribuzione.pdf"));
    int richieste = 0;
    QString titolo;
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        ++richieste;
        titolo = stampante.docName();
        if (richieste == 1) {
            return false; // cancelled: nothing printed
        }
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    auto* stampa = test::trova<QPushButton>(&dialogo, "stampaPushButton");
    QTest::mouseClick(stampa, Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QTest::mouseClick(stampa, Qt::LeftButton);
    QCOMPARE(richieste, 2);
    QCOMPARE(titolo, QStringLiteral("Quarvin"));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(m_prova->messaggi.mostrati.empty());
    // The window is whole again after printing.
    QVERIFY(stampa->isVisible());

    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        QFile::copy(pdf, QDir(catture).filePath(QStringLiteral("distribuzione.pdf")));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("Distribuzione dei numeri nelle giocate")), qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("Numeri")));
    QCOMPARE(testo.count(QStringLiteral("10")) >= 6, true);
    QVERIFY(!testo.contains(QStringLiteral("Chiudi")));
}

void VisuaDistriDialogTest::guida()
{
    sviluppoSeiTerzine();
    TVisuaDistri dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    attendiFine(dialogo);
    QTest::mouseClick(test::trova<QPushButton>(&dialogo, "guidaPushButton"), Qt::LeftButton);
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("gf_distrinu.htm")});
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    QVERIFY(!dialogo.isVisible());
}

QTEST_MAIN(VisuaDistriDialogTest)
#include "visua_distri_dialog_test.moc"
