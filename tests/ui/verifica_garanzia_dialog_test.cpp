#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/verifica_garanzia_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <vector>

class VerificaGaranziaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bucoElencatoEsportatoEStampato();
    void scelteRicordate();
    void dallaFinestraPrincipale();

private:
    // Prediction 1..6 and its twenty triples but 2 4 6.
    void sistemaConUnBuco();
    QPushButton* pulsante(const char* nome) const { return test::trova<QPushButton>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TVerificaGaranzia> m_dialogo;
};

void VerificaGaranziaDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void VerificaGaranziaDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void VerificaGaranziaDialogTest::sistemaConUnBuco()
{
    std::vector<Tipo_Giocata> giocate;
    for (int a = 1; a <= 6; ++a) {
        for (int b = a + 1; b <= 6; ++b) {
            for (int c = b + 1; c <= 6; ++c) {
                if (a != 2 || b != 4 || c != 6) {
                    giocate.push_back(test::giocata({a, b, c}));
                }
            }
        }
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(a - 1)] = 1;
    }
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1));
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        m_prova->stato.giocate.voce(static_cast<std::int32_t>(i) + 1) = giocate[i];
    }
    m_prova->stato.giocate.setConteggio(static_cast<std::int32_t>(giocate.size()));
}

void VerificaGaranziaDialogTest::bucoElencatoEsportatoEStampato()
{
    sistemaConUnBuco();
    m_dialogo = std::make_unique<TVerificaGaranzia>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QCOMPARE(test::trova<QComboBox>(m_dialogo.get(), "puntiComboBox")->currentText(), QStringLiteral("3"));
    QVERIFY(!pulsante("esportaPushButton")->isEnabled());
    pulsante("avviaPushButton")->click();

    auto* risultato = test::trova<QLabel>(m_dialogo.get(), "risultatoLabel");
    QVERIFY2(risultato->text().startsWith(QStringLiteral("ambo garantito")), qPrintable(risultato->text()));
    QVERIFY(risultato->text().endsWith(QStringLiteral(": 1")));
    QCOMPARE(test::trova<QPlainTextEdit>(m_dialogo.get(), "buchiPlainTextEdit")->toPlainText(),
             QStringLiteral("2 4 6\n"));
    auto* grafico = test::trova<GraficoBarre>(m_dialogo.get(), "garanziaGraficoBarre");
    QCOMPARE(grafico->valore(3), 95.0);
    QCOMPARE(grafico->valore(2), 5.0);

    // Asking only an ambo leaves no holes.
    test::trova<QComboBox>(m_dialogo.get(), "livelloComboBox")->setCurrentIndex(2);
    pulsante("avviaPushButton")->click();
    QCOMPARE(m_dialogo->esito().buchiTotali, std::int64_t{0});
    test::trova<QComboBox>(m_dialogo.get(), "livelloComboBox")->setCurrentIndex(0);
    pulsante("avviaPushButton")->click();

    // Export: cancelled writes nothing; then the file holds the hole.
    const QString txt = QString::fromStdString(m_prova->cartella.file("buchi.txt"));
    pulsante("esportaPushButton")->click();
    QVERIFY(!QFile::exists(txt));
    m_prova->servizi.file = txt;
    pulsante("esportaPushButton")->click();
    QFile esportato(txt);
    QVERIFY(esportato.open(QIODevice::ReadOnly));
    QCOMPARE(esportato.readAll(), QByteArray("2 4 6\n"));
    QVERIFY(m_prova->servizi.scelteFile.back().salva);
    // A folder that does not exist: the failure is reported.
    m_prova->servizi.file = QString::fromStdString(m_prova->cartella.file("manca/buchi.txt"));
    pulsante("esportaPushButton")->click();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Impossibile scrivere il file dei buchi."));

    const QString pdf = QString::fromStdString(m_prova->cartella.file("garanzia.pdf"));
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    pulsante("stampaPushButton")->click();
    QVERIFY(QFile::exists(pdf));
    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        m_dialogo->grab().save(QDir(catture).filePath(QStringLiteral("verifica_garanzia.png")));
        QFile::copy(pdf, QDir(catture).filePath(QStringLiteral("verifica_garanzia.pdf")));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("ambo garantito")), qPrintable(testo));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("\\b2 +4 +6\\b"))));
    QVERIFY(testo.contains(QStringLiteral("95 %")));
}

// The next window starts from the points, level and holes of the last run.
void VerificaGaranziaDialogTest::scelteRicordate()
{
    sistemaConUnBuco();
    m_dialogo = std::make_unique<TVerificaGaranzia>(m_prova->stato, m_prova->servizi);
    test::trova<QComboBox>(m_dialogo.get(), "puntiComboBox")->setCurrentIndex(1);
    test::trova<QComboBox>(m_dialogo.get(), "livelloComboBox")->setCurrentIndex(2);
    test::trova<QSpinBox>(m_dialogo.get(), "buchiSpinBox")->setValue(7);
    m_dialogo->avvia();
    TVerificaGaranzia dopo(m_prova->stato, m_prova->servizi);
    QCOMPARE(test::trova<QComboBox>(&dopo, "puntiComboBox")->currentText(), QStringLiteral("2"));
    QCOMPARE(test::trova<QComboBox>(&dopo, "livelloComboBox")->currentIndex(), 2);
    QCOMPARE(test::trova<QSpinBox>(&dopo, "buchiSpinBox")->value(), 7);
}

void VerificaGaranziaDialogTest::dallaFinestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* comando = test::azione(&finestra, QStringLiteral("Verifica garanzia"));
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate finali da controllare."));

    sistemaConUnBuco();
    std::int64_t buchi = -1;
    test::quandoAperto<TVerificaGaranzia>([&](TVerificaGaranzia* d) {
        d->avvia();
        buchi = d->esito().buchiTotali;
        test::trova<QPushButton>(d, "guidaPushButton")->click();
        test::trova<QPushButton>(d, "chiudiPushButton")->click();
    });
    comando->trigger();
    QCOMPARE(buchi, std::int64_t{1});
    QCOMPARE(m_prova->servizi.guide.back(), QStringLiteral("gf_vergar.htm"));
    m_prova->stato.sistema.modificato = false;
}

QTEST_MAIN(VerificaGaranziaDialogTest)
#include "verifica_garanzia_dialog_test.moc"
