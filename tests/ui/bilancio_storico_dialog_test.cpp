#include "editor/stato_applicazione.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/bilancio_storico_dialog.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include <memory>

class BilancioStoricoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void righeGraficoEStampa();
    void spanLungoRaggruppato();
    void numeroDiEstrazioniRicordato();
    void dallaFinestraPrincipale();

private:
    // The play 1 2 on Bari with 1 euro on the ambo; `quante` draws, the i-th (1-based) holding 1 2 when
    // i is a multiple of 5.
    void sistema(int quante);
    QPushButton* pulsante(const char* nome) const { return test::trova<QPushButton>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TBilancioStorico> m_dialogo;
};

void BilancioStoricoDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void BilancioStoricoDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void BilancioStoricoDialogTest::sistema(int quante)
{
    auto& s = m_prova->stato;
    s.archivio.svuota();
    for (int i = 1; i <= quante; ++i) {
        QVERIFY(s.archivio.InserisciEstrazione(test::estrazioneNumero(i - 1, i % 5 == 0 ? 1 : 40)) > 0);
    }
    s.sistema.ruote = {};
    s.sistema.ruote[Bari - 1] = 1;
    s.sistema.importi = {};
    s.sistema.importi[Ambo - 1] = 1;
    QVERIFY(s.giocate.AssicuraCapacita(2));
    s.giocate.voce(1) = test::giocata({1, 2});
    s.giocate.setConteggio(1);
}

void BilancioStoricoDialogTest::righeGraficoEStampa()
{
    sistema(10);
    m_dialogo = std::make_unique<TBilancioStorico>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QVERIFY(test::trova<QLabel>(m_dialogo.get(), "avvertenzaLabel")
                ->text()
                .startsWith(QStringLiteral("Le estrazioni passate non permettono di prevedere")));
    QCOMPARE(test::trova<QLineEdit>(m_dialogo.get(), "partenzaLineEdit")->text(), QStringLiteral("1"));
    pulsante("avviaPushButton")->click();
    // 100 asked, 10 in the archive: written back into the box.
    QCOMPARE(test::trova<QLineEdit>(m_dialogo.get(), "estrazioniLineEdit")->text(), QStringLiteral("10"));

    auto* tabella = test::trova<QTableWidget>(m_dialogo.get(), "bilancioTableWidget");
    QCOMPARE(tabella->rowCount(), 10);
    // Draw 5: the ambo (250) after four losing draws: 250 - 5.
    QCOMPARE(tabella->item(4, 0)->text(), QStringLiteral("5/1/1900"));
    QCOMPARE(tabella->item(4, 3)->text(), QStringLiteral("250,00"));
    QCOMPARE(tabella->item(4, 10)->text(), QStringLiteral("245,00"));
    QCOMPARE(tabella->item(3, 10)->text(), QStringLiteral("-4,00"));
    QVERIFY(test::trova<QLabel>(m_dialogo.get(), "totaliLabel")
                ->text()
                .contains(QStringLiteral("Saldo: 490,00")));

    auto* grafico = test::trova<GraficoBarre>(m_dialogo.get(), "bilancioGraficoBarre");
    QCOMPARE(grafico->elementi(), 10);
    QCOMPARE(grafico->valore(0), -1.0);
    QCOMPARE(grafico->valore(9), 490.0);

    const QString pdf = QString::fromStdString(m_prova->cartella.file("bilancio.pdf"));
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    pulsante("stampaPushButton")->click();
    QVERIFY(QFile::exists(pdf));
    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        m_dialogo->grab().save(QDir(catture).filePath(QStringLiteral("bilancio_storico.png")));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("Le estrazioni passate")), qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("Saldo progressivo")));
}

void BilancioStoricoDialogTest::spanLungoRaggruppato()
{
    sistema(2000);
    m_dialogo = std::make_unique<TBilancioStorico>(m_prova->stato, m_prova->servizi);
    test::trova<QLineEdit>(m_dialogo.get(), "estrazioniLineEdit")->setText(QStringLiteral("2000"));
    test::trova<QLineEdit>(m_dialogo.get(), "partenzaLineEdit")->setText(QStringLiteral("1"));
    m_dialogo->avvia();
    QCOMPARE(m_dialogo->esito().righe.size(), std::size_t{2000});
    auto* grafico = test::trova<GraficoBarre>(m_dialogo.get(), "bilancioGraficoBarre");
    QCOMPARE(grafico->elementi(), TBilancioStorico::BarreMassime);
    // Groups of five draws: each ends on a winning draw, 250 - 5 more each time.
    QCOMPARE(grafico->valore(0), 245.0);
    QCOMPARE(grafico->valore(TBilancioStorico::BarreMassime - 1), 245.0 * TBilancioStorico::BarreMassime);
}

// The next window starts from the number of draws of the last run, ending at the newest draw.
void BilancioStoricoDialogTest::numeroDiEstrazioniRicordato()
{
    sistema(10);
    m_dialogo = std::make_unique<TBilancioStorico>(m_prova->stato, m_prova->servizi);
    test::trova<QLineEdit>(m_dialogo.get(), "estrazioniLineEdit")->setText(QStringLiteral("4"));
    test::trova<QLineEdit>(m_dialogo.get(), "partenzaLineEdit")->setText(QStringLiteral("2"));
    m_dialogo->avvia();
    TBilancioStorico dopo(m_prova->stato, m_prova->servizi);
    QCOMPARE(test::trova<QLineEdit>(&dopo, "estrazioniLineEdit")->text(), QStringLiteral("4"));
    QCOMPARE(test::trova<QLineEdit>(&dopo, "partenzaLineEdit")->text(), QStringLiteral("7"));
}

void BilancioStoricoDialogTest::dallaFinestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* comando = test::azione(&finestra, QStringLiteral("Bilancio storico"));
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate finali da controllare."));
    sistema(10);
    m_prova->stato.sistema.importi = {};
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Le giocate non hanno importi: impostare gli importi di giocata."));
    m_prova->stato.sistema.importi[Ambo - 1] = 1;
    std::size_t righe = 0;
    test::quandoAperto<TBilancioStorico>([&](TBilancioStorico* d) {
        d->avvia();
        righe = d->esito().righe.size();
        test::trova<QPushButton>(d, "chiudiPushButton")->click();
    });
    comando->trigger();
    QCOMPARE(righe, std::size_t{10});
    m_prova->stato.sistema.modificato = false;
}

QTEST_MAIN(BilancioStoricoDialogTest)
#include "bilancio_storico_dialog_test.moc"
