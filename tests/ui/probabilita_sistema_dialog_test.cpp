#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "ui/pri_window.h"
#include "ui/probabilita_sistema_dialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include <memory>

class ProbabilitaSistemaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabellaValoreAttesoEStampa();
    void dallaFinestraPrincipale();

private:
    // The play 17 71 with 1 euro on the ambo on Bari and Tutte.
    void sistema();

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void ProbabilitaSistemaDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void ProbabilitaSistemaDialogTest::cleanup()
{
    m_prova.reset();
}

void ProbabilitaSistemaDialogTest::sistema()
{
    auto& s = m_prova->stato;
    s.sistema.ruote = {};
    s.sistema.ruote[Bari - 1] = 1;
    s.sistema.ruote[Tutte - 1] = 1;
    s.sistema.importi = {};
    s.sistema.importi[Ambo - 1] = 1;
    QVERIFY(s.giocate.AssicuraCapacita(2));
    s.giocate.voce(1) = test::giocata({17, 71});
    s.giocate.setConteggio(1);
}

void ProbabilitaSistemaDialogTest::tabellaValoreAttesoEStampa()
{
    sistema();
    TProbabilitaSistema dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QVERIFY(!test::trova<QPushButton>(&dialogo, "stampaPushButton")->isEnabled());
    test::trova<QPushButton>(&dialogo, "avviaPushButton")->click();

    auto* tabella = test::trova<QTableWidget>(&dialogo, "probabilitaTableWidget");
    QCOMPARE(tabella->item(1, 0)->text(), QStringLiteral("Ambo"));
    QCOMPARE(tabella->item(1, 1)->text(), QStringLiteral("0.002496879 (1 su 400,5)"));
    // Ten regional wheels: 1 - (799/801)^10.
    QVERIFY2(tabella->item(1, 2)->text().startsWith(QStringLiteral("0.024690101 (1 su 40,5)")),
             qPrintable(tabella->item(1, 2)->text()));
    QCOMPARE(tabella->item(2, 1)->text(), QStringLiteral("0.000000000"));
    QCOMPARE(test::trova<QLabel>(&dialogo, "attesaLabel")->text(),
             QStringLiteral("Per ogni euro giocato si attende di riavere 0,6242 euro."));

    const QString pdf = QString::fromStdString(m_prova->cartella.file("valore.pdf"));
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    test::trova<QPushButton>(&dialogo, "stampaPushButton")->click();
    QVERIFY(QFile::exists(pdf));
    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        dialogo.grab().save(QDir(catture).filePath(QStringLiteral("probabilita_sistema.png")));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("0.002496879")), qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("riavere 0,6242 euro")));
}

void ProbabilitaSistemaDialogTest::dallaFinestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* comando = test::azione(&finestra, QStringLiteral("Probabilità e valore atteso"));
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate finali da controllare."));
    sistema();
    bool aperta = false;
    test::quandoAperto<TProbabilitaSistema>([&](TProbabilitaSistema* d) {
        aperta = true;
        test::trova<QPushButton>(d, "chiudiPushButton")->click();
    });
    comando->trigger();
    QVERIFY(aperta);
    m_prova->stato.sistema.modificato = false;
}

QTEST_MAIN(ProbabilitaSistemaDialogTest)
#include "probabilita_sistema_dialog_test.moc"
