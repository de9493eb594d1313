#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/probabilita_vincita_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<Tipo_Giocata>)
Q_DECLARE_METATYPE(std::vector<double>)

class ProbabilitaVincitaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void percentuali_data();
    void percentuali();
    void interruzioneTieneLePercentuali();
    void stampaSuPdf();
    void dallaFinestraPrincipale();

private:
    void sistema(const std::vector<int>& pronostico, const std::vector<Tipo_Giocata>& giocate);
    GraficoBarre* grafico() const
    {
        return test::trova<GraficoBarre>(m_dialogo.get(), "probabilitaGraficoBarre");
    }
    QPushButton* pulsante(const char* nome) const { return test::trova<QPushButton>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TProbabilitaVincita> m_dialogo;
};

void ProbabilitaVincitaDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void ProbabilitaVincitaDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void ProbabilitaVincitaDialogTest::sistema(const std::vector<int>& pronostico,
                                           const std::vector<Tipo_Giocata>& giocate)
{
    for (int n : pronostico) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1));
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        m_prova->stato.giocate.voce(static_cast<std::int32_t>(i) + 1) = giocate[i];
    }
    m_prova->stato.giocate.setConteggio(static_cast<std::int32_t>(giocate.size()));
}

void ProbabilitaVincitaDialogTest::percentuali_data()
{
    QTest::addColumn<std::vector<int>>("pronostico");
    QTest::addColumn<std::vector<Tipo_Giocata>>("giocate");
    QTest::addColumn<int>("punti");
    QTest::addColumn<std::vector<double>>("barre");
    QTest::newRow("una giocata con tutto il pronostico")
        << std::vector<int>{3, 14, 27, 60, 88}
        << std::vector<Tipo_Giocata>{test::giocata({3, 14, 27, 60, 88})} << 5
        << std::vector<double>{0, 0, 0, 0, 0, 100};
    QTest::newRow("1..6 in due terzine, 3 punti")
        << std::vector<int>{1, 2, 3, 4, 5, 6}
        << std::vector<Tipo_Giocata>{test::giocata({1, 2, 3}), test::giocata({4, 5, 6})} << 3
        << std::vector<double>{0, 0, 90, 10, 0, 0};
}

void ProbabilitaVincitaDialogTest::percentuali()
{
    QFETCH(std::vector<int>, pronostico);
    QFETCH(std::vector<Tipo_Giocata>, giocate);
    QFETCH(int, punti);
    QFETCH(std::vector<double>, barre);
    sistema(pronostico, giocate);
    m_dialogo = std::make_unique<TProbabilitaVincita>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Calcola probabilità di vincita"));
    auto* scelta = test::trova<QComboBox>(m_dialogo.get(), "puntiComboBox");
    QCOMPARE(scelta->currentText(), QStringLiteral("5"));
    QVERIFY(!pulsante("stampaPushButton")->isEnabled());
    scelta->setCurrentIndex(punti - 1);
    QTest::keyClick(m_dialogo.get(), Qt::Key_Return);

    QCOMPARE(grafico()->titolo(),
             QStringLiteral("Probabilità di vincita nelle giocate finali realizzando %1 punti "
                            "nel pronostico iniziale (su una stessa ruota)")
                 .arg(punti));
    const QStringList etichette = {"0", "Estratto", "Ambo", "Terno", "Quaterna", "Cinquina"};
    for (int s = 0; s < 6; ++s) {
        QCOMPARE(grafico()->etichetta(s), etichette.at(s));
        QCOMPARE(grafico()->valore(s), barre[static_cast<std::size_t>(s)]);
    }
    QVERIFY(pulsante("stampaPushButton")->isEnabled());
    QVERIFY(!test::trova<QWidget>(m_dialogo.get(), "avanzamentoWidget")->isVisible());
    QVERIFY(m_prova->messaggi.mostrati.empty());

    // The chosen points are kept when the window closes.
    QVERIFY(m_dialogo->close());
    QCOMPARE(m_prova->store.leggiIntero("IDE_CalcProVinID"), std::optional<std::int32_t>(punti - 1));
    TProbabilitaVincita riaperto(m_prova->stato, m_prova->servizi);
    QCOMPARE(test::trova<QComboBox>(&riaperto, "puntiComboBox")->currentIndex(), punti - 1);
}

void ProbabilitaVincitaDialogTest::interruzioneTieneLePercentuali()
{
    std::vector<int> pronostico;
    for (int n = 1; n <= 40; ++n) {
        pronostico.push_back(n);
    }
    sistema(pronostico, {test::giocata({1, 2, 3, 4, 5}), test::giocata({1, 2, 3, 6, 7, 8})});
    m_dialogo = std::make_unique<TProbabilitaVincita>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();

    // At the first poll (64 sets).
    bool chiusuraRifiutata = false;
    bool inCalcolo = false;
    QTimer::singleShot(0, m_dialogo.get(), [&] {
        inCalcolo = m_dialogo->inCalcolo() &&
                    test::trova<QWidget>(m_dialogo.get(), "avanzamentoWidget")->isVisible() &&
                    !pulsante("avviaPushButton")->isEnabled() && !pulsante("chiudiPushButton")->isEnabled();
        chiusuraRifiutata = !m_dialogo->close();
        QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
        chiusuraRifiutata = chiusuraRifiutata && m_dialogo->isVisible();
        pulsante("interrompiPushButton")->click();
    });
    m_prova->messaggi.risposte = {Risposta::Si};
    m_dialogo->avvia();

    QVERIFY(inCalcolo);
    QVERIFY(chiusuraRifiutata);
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QVERIFY(m_dialogo->esito().interrotta);
    QCOMPARE(m_dialogo->esito().insiemi, std::int64_t{64});
    // The first 64 sets all start 1 2 3 4: the shares of those sets, not zeros.
    double somma = 0;
    for (int s = 0; s < 6; ++s) {
        somma += grafico()->valore(s);
    }
    QCOMPARE(somma, 100.0);
    QVERIFY(grafico()->valore(4) > 0);
    QVERIFY(pulsante("stampaPushButton")->isEnabled());
    QVERIFY(!test::trova<QWidget>(m_dialogo.get(), "avanzamentoWidget")->isVisible());
    QVERIFY(m_dialogo->close());
}

void ProbabilitaVincitaDialogTest::stampaSuPdf()
{
    sistema({1, 2, 3, 4, 5, 6}, {test::giocata({1, 2, 3}), test::giocata({4, 5, 6})});
    m_prova->stato.generali.sitoWeb = "https://lotto.prova.example";
    m_dialogo = std::make_unique<TProbabilitaVincita>(m_prova->stato, m_prova->servizi);
    m_dialogo->resize(900, 560);
    m_dialogo->show();
    test::trova<QComboBox>(m_dialogo.get(), "puntiComboBox")->setCurrentIndex(2);
    m_dialogo->avvia();

    const QString pdf = QString::fromStdString(m_prova->cartella.file("probabilita.pdf"));
    int richieste = 0;
    QString titolo;
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        ++richieste;
        titolo = stampante.docName();
        if (richieste == 1) {
            return false;
        }
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    QTest::mouseClick(pulsante("stampaPushButton"), Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QTest::mouseClick(pulsante("stampaPushButton"), Qt::LeftButton);
    QCOMPARE(richieste, 2);
    QCOMPARE(titolo, QStringLiteral("QUARVINA LOTTO"));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QVERIFY(pulsante("stampaPushButton")->isVisible());

    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        m_dialogo->grab().save(QDir(catture).filePath(QStringLiteral("probabilita_vincita.png")));
        QFile::copy(pdf, QDir(catture).filePath(QStringLiteral("probabilita_vincita.pdf")));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("realizzando 3 punti")), qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("90 %")));
    QVERIFY(testo.contains(QStringLiteral("10 %")));
    QVERIFY(testo.contains(QStringLiteral("Quaterna")));
    QVERIFY(testo.contains(QStringLiteral("QUARVINA LOTTO - https://lotto.prova.example")));
    QVERIFY(!testo.contains(QStringLiteral("Avvia")));
}

void ProbabilitaVincitaDialogTest::dallaFinestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* comando = test::azione(&finestra, QStringLiteral("Calcola probabilità di vincita"));
    QVERIFY(comando->isEnabled());
    QVERIFY(test::trova<QToolBar>(&finestra, "strumentiToolBar")->actions().contains(comando));
    QCOMPARE(comando->toolTip(), QStringLiteral(" Calcola probabilità di vincita "));

    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate finali da controllare."));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Avviso);

    // Plays but a prediction too short for the system: the check of the system refuses.
    sistema({}, {test::giocata({1, 2, 3})});
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Il pronostico iniziale non contiene abbastanza numeri!"));
    QVERIFY(finestra.findChild<TProbabilitaVincita*>() == nullptr);

    std::vector<int> dodici;
    for (int n = 1; n <= 12; ++n) {
        dodici.push_back(n);
    }
    sistema(dodici, {test::giocata({1, 2, 3})});
    double terno = -1;
    test::quandoAperto<TProbabilitaVincita>([&](TProbabilitaVincita* d) {
        d->avvia();
        terno = d->esito().percentuale(3);
        test::trova<QPushButton>(d, "chiudiPushButton")->click();
    });
    comando->trigger();
    QVERIFY(terno > 0);
    m_prova->stato.sistema.modificato = false;
}

QTEST_MAIN(ProbabilitaVincitaDialogTest)
#include "probabilita_vincita_dialog_test.moc"
