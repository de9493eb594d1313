#include "checking/testo_rtf.h"
#include "support/cartella_temporanea.h"
#include "support/finestre_prova.h"
#include "ui/perrtf_dialog.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextTable>
#include <QtTest>

#include <string>

namespace {

// A message as a word processor writes it: font and colour tables, a centred title in bold, coloured and
// sized runs, a table, a picture, an object and a link field.
const std::string MessaggioFormattato =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
    "{\\*\\generator Scrittore 1.0;}\\viewkind4\\uc1\\pard\\qc\\b\\fs32 Novit\\'e0 del mese\\b0\\fs24\\par"
    "\\pard Testo normale, {\\b forte}, {\\i inclinato}, {\\ul sottolineato}, {\\cf1 rosso} e {\\fs48 "
    "grande}."
    "{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}{\\object\\objemb{\\*\\objdata 01050000}}\\par"
    "\\trowd\\cellx2000\\cellx4000\\pard\\intbl Ruota\\cell Bari\\cell\\row"
    "\\trowd\\cellx2000\\cellx4000\\pard\\intbl Prezzo\\cell 2 \\u8364?\\cell\\row"
    "\\pard Vedi {\\field{\\*\\fldinst HYPERLINK \"http://www.example.org/\"}{\\fldrslt{\\ul\\cf2 il "
    "sito}}}\\par}";

QTextCharFormat FormatoDi(const QTextDocument* documento, const QString& testo)
{
    const QTextCursor trovato = documento->find(testo);
    return trovato.isNull() ? QTextCharFormat() : trovato.charFormat();
}

} // namespace

class PerrtfDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void mostraIlFormato();
    void nienteImmaginiNeCollegamentiNeRisorse();
    void rifiutiComeTestoSemplice_data();
    void rifiutiComeTestoSemplice();
};

void PerrtfDialogTest::mostraIlFormato()
{
    Tperrtf dialogo(MessaggioFormattato);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Messaggio"));
    auto* testo = test::trova<QTextEdit>(&dialogo, "testoTextEdit");
    QVERIFY(testo->isReadOnly());
    const QTextDocument* documento = testo->document();

    QCOMPARE(documento->begin().text(), QStringLiteral("Novità del mese"));
    QCOMPARE(documento->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(FormatoDi(documento, QStringLiteral("Novità")).fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatoDi(documento, QStringLiteral("Novità")).fontPointSize(), 16.0);
    QCOMPARE(FormatoDi(documento, QStringLiteral("forte")).fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatoDi(documento, QStringLiteral("normale")).fontWeight(), int(QFont::Normal));
    QVERIFY(FormatoDi(documento, QStringLiteral("inclinato")).fontItalic());
    QVERIFY(!FormatoDi(documento, QStringLiteral("forte")).fontItalic());
    QVERIFY(FormatoDi(documento, QStringLiteral("sottolineato")).fontUnderline());
    QCOMPARE(FormatoDi(documento, QStringLiteral("rosso")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(FormatoDi(documento, QStringLiteral("grande")).fontPointSize(), 24.0);
    QCOMPARE(FormatoDi(documento, QStringLiteral("normale")).fontPointSize(), 12.0);

    const QTextCursor cella = documento->find(QStringLiteral("Bari"));
    QTextTable* tabella = cella.currentTable();
    QVERIFY(tabella != nullptr);
    QCOMPARE(tabella->rows(), 2);
    QCOMPARE(tabella->columns(), 2);
    QCOMPARE(tabella->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("Ruota"));
    QCOMPARE(tabella->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("2 €"));
    QVERIFY(documento->find(QStringLiteral("Vedi il sito")).currentTable() == nullptr);
    QVERIFY(!documento->toPlainText().contains(QStringLiteral("HYPERLINK")));
    QVERIFY(!documento->toPlainText().contains(QStringLiteral("Scrittore")));
    QVERIFY(!documento->toPlainText().contains(QStringLiteral("Arial")));

    QTest::mouseClick(test::trova<QPushButton>(&dialogo, "okPushButton"), Qt::LeftButton);
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
}

// The picture, the object and the link of the message leave no trace in the view, and its document
// answers no resource request, not even for a file that exists.
void PerrtfDialogTest::nienteImmaginiNeCollegamentiNeRisorse()
{
    Tperrtf dialogo(MessaggioFormattato);
    const QTextDocument* documento = test::trova<QTextEdit>(&dialogo, "testoTextEdit")->document();
    int frammenti = 0;
    for (QTextBlock blocco = documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat formato = it.fragment().charFormat();
            QVERIFY2(!formato.isImageFormat(), qPrintable(it.fragment().text()));
            QVERIFY2(!formato.isAnchor() && formato.anchorHref().isEmpty(), qPrintable(it.fragment().text()));
            QVERIFY(!it.fragment().text().contains(QChar::ObjectReplacementCharacter));
            ++frammenti;
        }
    }
    QVERIFY(frammenti > 10);
    // Not even the look of a link: the field's result has the formatting of the text around it.
    QVERIFY(!FormatoDi(documento, QStringLiteral("il sito")).hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!FormatoDi(documento, QStringLiteral("il sito")).fontUnderline());

    test::CartellaTemporanea cartella;
    const QString immagine = QString::fromStdString(cartella.file("immagine.png"));
    QFile file(immagine);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n");
    file.close();
    QVERIFY(documento->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(immagine)).isNull());
    QVERIFY(
        documento->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("http://127.0.0.1:9/x.png")))
            .isNull());
}

void PerrtfDialogTest::rifiutiComeTestoSemplice_data()
{
    QTest::addColumn<QByteArray>("messaggio");
    QTest::addColumn<QString>("testo");
    QTest::newRow("gruppo non chiuso")
        << QByteArray("{\\rtf1 {\\b Ciao}\\par a {\\i b") << QStringLiteral("Ciao\na b");
    QTest::newRow("testo dopo la fine") << QByteArray("{\\rtf1 {\\b Uno}} due") << QStringLiteral("Uno due");
    QTest::newRow("troppo annidato") << QByteArray("{\\rtf1 {\\b a}" + QByteArray(200, '{') + "x" +
                                                   QByteArray(200, '}') + " b}")
                                     << QStringLiteral("a b");
    QTest::newRow("non rtf, con marcature") << QByteArray("Solo <b>testo</b> <img src=\"x.png\">")
                                            << QStringLiteral("Solo <b>testo</b> <img src=\"x.png\">");
    QTest::newRow("non rtf, Windows-1252") << QByteArray("Perch\xE9 \x80") << QStringLiteral("Perché €");
}

// What the formatted reading refuses is shown as the plain text of the RTF, with no formatting at all.
void PerrtfDialogTest::rifiutiComeTestoSemplice()
{
    QFETCH(QByteArray, messaggio);
    QFETCH(QString, testo);
    const std::string byte(messaggio.constData(), static_cast<std::size_t>(messaggio.size()));
    Tperrtf dialogo(byte);
    const QTextDocument* documento = test::trova<QTextEdit>(&dialogo, "testoTextEdit")->document();
    QCOMPARE(documento->toPlainText(), testo);
    QCOMPARE(documento->toPlainText(), QString::fromStdString(TestoDaRtf(byte)));
    for (QTextBlock blocco = documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            QVERIFY(it.fragment().charFormat().fontWeight() != QFont::Bold);
            QVERIFY(!it.fragment().charFormat().fontItalic());
        }
    }
}

QTEST_MAIN(PerrtfDialogTest)
#include "perrtf_dialog_test.moc"
