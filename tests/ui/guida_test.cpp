#include "platform/dati_programma.h"
#include "ui/guida.h"

#include "support/cartella_temporanea.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

namespace {

void creaPagina(const QString& percorso, const QString& titolo)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QString html = QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>");
    file.write(html.arg(titolo).toUtf8());
}

QString cartellaSorgenti()
{
    return QDir(qEnvironmentVariable("QUARVIN_SORGENTI")).filePath(QStringLiteral("data/help/html"));
}

} // namespace

class GuidaTest : public QObject
{
    Q_OBJECT

private slots:
    void apreLaPaginaOIlSommario_data();
    void apreLaPaginaOIlSommario();
    void collegamentiInterniSoloNellaCartella();
    void cartellaCercataNellOrdine();
    void utilizzabileSopraUnDialogoModale();
};

void GuidaTest::apreLaPaginaOIlSommario_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("pagina esistente") << "sistema.htm"
                                      << "La finestra principale";
    QTest::newRow("pagina mancante") << "mdr_inesistente.htm"
                                     << "Sommario";
    QTest::newRow("nome con cartella") << "../html/sistema.htm"
                                       << "Sommario";
    QTest::newRow("vuoto") << ""
                           << "Sommario";
}

void GuidaTest::apreLaPaginaOIlSommario()
{
    QFETCH(QString, topic);
    QFETCH(QString, titolo);
    QVERIFY(!qEnvironmentVariableIsEmpty("QUARVIN_SORGENTI"));
    Guida guida(cartellaSorgenti());
    guida.apri(topic);
    QVERIFY(guida.isVisible());
    QCOMPARE(guida.windowTitle(), QStringLiteral("Guida in linea - QUARVINA LOTTO"));
    QCOMPARE(guida.browser()->documentTitle(), titolo);
}

void GuidaTest::collegamentiInterniSoloNellaCartella()
{
    test::CartellaTemporanea temp;
    const QString radice = QString::fromStdString(temp.cartella());
    const QString cartella = radice + QStringLiteral("help/html");
    creaPagina(cartella + QStringLiteral("/index.htm"), QStringLiteral("Indice"));
    creaPagina(cartella + QStringLiteral("/argomento.htm"), QStringLiteral("Argomento"));
    creaPagina(radice + QStringLiteral("fuori.htm"), QStringLiteral("Fuori"));

    Guida guida(cartella);
    guida.sommario();
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("Indice"));

    emit guida.browser()->anchorClicked(QUrl(QStringLiteral("argomento.htm")));
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("Argomento"));

    // Neither a relative climb nor an absolute path leaves the help folder.
    emit guida.browser()->anchorClicked(QUrl(QStringLiteral("../../fuori.htm")));
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("Argomento"));
    emit guida.browser()->anchorClicked(QUrl::fromLocalFile(radice + QStringLiteral("fuori.htm")));
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("Argomento"));
    QVERIFY(!guida.browser()
                 ->loadResource(QTextDocument::HtmlResource,
                                QUrl::fromLocalFile(radice + QStringLiteral("fuori.htm")))
                 .isValid());

    guida.browser()->backward();
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("Indice"));
}

void GuidaTest::cartellaCercataNellOrdine()
{
    test::CartellaTemporanea temp;
    const QString base = QString::fromStdString(temp.cartella());
    const QString programma = base + QStringLiteral("prefisso/bin/");
    QDir().mkpath(programma);

    // Nothing beside the program: no data, whatever the source tree holds.
    QCOMPARE(CartellaDatiProgramma(programma), QString());
    QCOMPARE(CartellaGuida(CartellaDatiProgramma(programma)), QString());

    // An install under a prefix; a help folder without the index page does not count.
    QDir().mkpath(base + QStringLiteral("prefisso/share/quarvin/help/html"));
    QCOMPARE(CartellaDatiProgramma(programma), base + QStringLiteral("prefisso/share/quarvin"));
    QCOMPARE(CartellaGuida(CartellaDatiProgramma(programma)), QString());
    creaPagina(base + QStringLiteral("prefisso/share/quarvin/help/html/index.htm"), QStringLiteral("Indice"));
    QCOMPARE(CartellaGuida(CartellaDatiProgramma(programma)),
             base + QStringLiteral("prefisso/share/quarvin/help/html"));

    // A portable install beside the program comes first.
    QDir().mkpath(programma + QStringLiteral("data"));
    QCOMPARE(CartellaDatiProgramma(programma), programma + QStringLiteral("data"));

    // The build tree is laid out like an install: this test finds the shipped pages from its own folder.
    const QString build = CartellaDatiProgramma(QCoreApplication::applicationDirPath());
    QVERIFY(!build.isEmpty());
    QCOMPARE(CartellaGuida(build), QDir(cartellaSorgenti()).canonicalPath());
}

// Help asked from a modal dialog: the window comes to the front as one of the dialog's windows (the
// only ones a modal dialog does not block), and outlives the dialog.
void GuidaTest::utilizzabileSopraUnDialogoModale()
{
    Guida guida(cartellaSorgenti());
    auto* dialogo = new QDialog;
    dialogo->setWindowModality(Qt::ApplicationModal);
    dialogo->show();
    QTRY_COMPARE(QApplication::activeModalWidget(), dialogo);

    guida.apri(QStringLiteral("sistema.htm"));
    QVERIFY(guida.isVisible());
    QVERIFY(guida.isWindow());
    QCOMPARE(guida.parentWidget(), dialogo);
    QVERIFY(guida.windowHandle() != nullptr);
    QCOMPARE(guida.windowHandle()->transientParent(), dialogo->windowHandle());
    QTRY_COMPARE(QApplication::activeWindow(), &guida);

    dialogo->hide();
    delete dialogo;
    QCOMPARE(guida.parentWidget(), nullptr);
    QTRY_VERIFY(guida.isVisible());
    QCOMPARE(guida.browser()->documentTitle(), QStringLiteral("La finestra principale"));
}

QTEST_MAIN(GuidaTest)
#include "guida_test.moc"
