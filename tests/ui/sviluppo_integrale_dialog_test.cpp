#include "editor/stato_applicazione.h"
#include "editor/sviluppo_integrale.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/sviluppo_integrale_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString NessunaGiocata = QStringLiteral("Non è stata aggiunta nemmeno una giocata!\r"
                                              "Verificare la presenza delle fisse nel pronostico.");

// What the dialog shows while a run is going on, read from inside the run.
struct DuranteLaCorsa
{
    bool letto = false;
    bool inEsecuzione = false;
    bool avvia = false;
    bool annulla = false;
    bool opzioni = false;
    bool interrompi = false;
    bool visibileDopoEscape = false;
    bool chiusuraAccettata = true;
};

} // namespace

class SviluppoIntegraleDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void consideraFisse_data();
    void consideraFisse();
    void esitoDellaCorsa_data();
    void esitoDellaCorsa();
    void interruzione_data();
    void interruzione();
    void annullaEGuida();

private:
    void apri();
    void pronostico(int n, int k, std::initializer_list<int> fisse = {});
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }
    void clicca(const char* pulsante) { QTest::mouseClick(trova<QPushButton>(pulsante), Qt::LeftButton); }
    void verificaInattivo();

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TSviluppoIntegrale> m_dialogo;
};

void SviluppoIntegraleDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void SviluppoIntegraleDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void SviluppoIntegraleDialogTest::apri()
{
    m_dialogo = std::make_unique<TSviluppoIntegrale>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void SviluppoIntegraleDialogTest::pronostico(int n, int k, std::initializer_list<int> fisse)
{
    Sistema& s = m_prova->stato.sistema;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    s.numeroFisse = 0;
    for (int f : fisse) {
        s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
    }
}

void SviluppoIntegraleDialogTest::verificaInattivo()
{
    QVERIFY(!m_dialogo->inEsecuzione());
    QVERIFY(trova<QPushButton>("avviaPushButton")->isEnabled());
    QVERIFY(trova<QPushButton>("annullaPushButton")->isEnabled());
    QVERIFY(trova<QGroupBox>("opzioniGroupBox")->isEnabled());
    QVERIFY(!trova<QPushButton>("interrompiPushButton")->isEnabled());
    QCOMPARE(trova<QProgressBar>("avanzamentoProgressBar")->value(), 0);
}

void SviluppoIntegraleDialogTest::consideraFisse_data()
{
    QTest::addColumn<int>("fisse");
    QTest::newRow("senza fisse") << 0;
    QTest::newRow("una fissa") << 1;
    QTest::newRow("tre fisse") << 3;
}

void SviluppoIntegraleDialogTest::consideraFisse()
{
    QFETCH(int, fisse);
    pronostico(10, 3);
    m_prova->stato.sistema.numeroFisse = fisse;
    m_prova->stato.sistema.fisse = {1, 2, 3};
    apri();
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Sviluppo integrale"));
    QCOMPARE(trova<QGroupBox>("opzioniGroupBox")->title(), QStringLiteral(" Opzioni "));
    auto* casella = trova<QCheckBox>("consideraFisseCheckBox");
    QCOMPARE(casella->text(), QStringLiteral("Considera fisse"));
    QCOMPARE(casella->isEnabled(), fisse > 0);
    QCOMPARE(casella->isChecked(), fisse > 0);
    QVERIFY(trova<QPushButton>("avviaPushButton")->isDefault());
    verificaInattivo();
}

void SviluppoIntegraleDialogTest::esitoDellaCorsa_data()
{
    QTest::addColumn<int>("fissa");
    QTest::addColumn<bool>("spunta");
    QTest::addColumn<int>("giocatePrima");
    QTest::addColumn<bool>("chiusa");
    QTest::addColumn<int>("giocateDopo");
    QTest::newRow("senza fisse chiude") << 0 << false << 0 << true << 20;
    QTest::newRow("fissa 1 considerata") << 1 << true << 0 << true << 10;
    QTest::newRow("fissa 7 non considerata") << 7 << false << 0 << true << 20;
    QTest::newRow("fissa 7 non pronosticata") << 7 << true << 0 << false << 0;
    QTest::newRow("sviluppo gia presente") << 0 << false << 20 << false << 20;
}

void SviluppoIntegraleDialogTest::esitoDellaCorsa()
{
    QFETCH(int, fissa);
    QFETCH(bool, spunta);
    QFETCH(int, giocatePrima);
    QFETCH(bool, chiusa);
    QFETCH(int, giocateDopo);
    pronostico(6, 3);
    if (fissa != 0) {
        m_prova->stato.sistema.numeroFisse = 1;
        m_prova->stato.sistema.fisse[0] = static_cast<std::uint8_t>(fissa);
    }
    if (giocatePrima > 0) {
        EsecuzioneContinua continua;
        QCOMPARE(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte,
                 giocatePrima);
        m_prova->stato.sistema.modificato = false;
    }
    apri();
    trova<QCheckBox>("consideraFisseCheckBox")->setChecked(spunta);

    clicca("avviaPushButton");

    QCOMPARE(m_prova->stato.giocate.conteggio(), giocateDopo);
    QCOMPARE(m_prova->stato.sistema.modificato, chiusa);
    QCOMPARE(m_dialogo->isVisible(), !chiusa);
    if (chiusa) {
        QCOMPARE(m_dialogo->result(), int(QDialog::Accepted));
        QVERIFY(m_prova->messaggi.mostrati.empty());
    } else {
        QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), NessunaGiocata);
        QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati[0].titolo), QStringLiteral("Attenzione"));
        QVERIFY(m_prova->messaggi.mostrati[0].icona == Icona::Avviso);
    }
    verificaInattivo();
}

void SviluppoIntegraleDialogTest::interruzione_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("chiusa");
    QTest::addColumn<int>("giocate");
    QTest::newRow("Sì ferma senza aggiungere") << int(Risposta::Si) << false << 0;
    QTest::newRow("No prosegue fino in fondo") << int(Risposta::No) << true << 658008;
}

void SviluppoIntegraleDialogTest::interruzione()
{
    QFETCH(int, risposta);
    QFETCH(bool, chiusa);
    QFETCH(int, giocate);
    // 40 numbers in plays of 5: enough polls for the click to land in the middle of the run.
    pronostico(40, 5);
    m_prova->messaggi.risposte.push_back(static_cast<Risposta>(risposta));
    apri();

    DuranteLaCorsa durante;
    // Runs at the first poll of the run, which lets pending events through.
    QTimer::singleShot(0, this, [this, &durante] {
        durante.letto = true;
        durante.inEsecuzione = m_dialogo->inEsecuzione();
        durante.avvia = trova<QPushButton>("avviaPushButton")->isEnabled();
        durante.annulla = trova<QPushButton>("annullaPushButton")->isEnabled();
        durante.opzioni = trova<QGroupBox>("opzioniGroupBox")->isEnabled();
        durante.interrompi = trova<QPushButton>("interrompiPushButton")->isEnabled();
        QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
        durante.visibileDopoEscape = m_dialogo->isVisible();
        durante.chiusuraAccettata = m_dialogo->close();
        clicca("interrompiPushButton");
    });
    clicca("avviaPushButton");

    QVERIFY(durante.letto);
    QVERIFY(durante.inEsecuzione);
    QVERIFY(!durante.avvia);
    QVERIFY(!durante.annulla);
    QVERIFY(!durante.opzioni);
    QVERIFY(durante.interrompi);
    QVERIFY(durante.visibileDopoEscape);
    QVERIFY(!durante.chiusuraAccettata);

    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), giocate);
    QCOMPARE(m_dialogo->isVisible(), !chiusa);
    verificaInattivo();
}

void SviluppoIntegraleDialogTest::annullaEGuida()
{
    pronostico(6, 3);
    apri();
    clicca("guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("mdr_svilint.htm")});
    QVERIFY(m_dialogo->isVisible());

    clicca("annullaPushButton");
    QVERIFY(!m_dialogo->isVisible());
    QCOMPARE(m_dialogo->result(), int(QDialog::Rejected));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(!m_prova->stato.sistema.modificato);
}

QTEST_MAIN(SviluppoIntegraleDialogTest)
#include "sviluppo_integrale_dialog_test.moc"
