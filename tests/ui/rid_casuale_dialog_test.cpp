#include "editor/stato_applicazione.h"
#include "editor/sviluppo_integrale.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/rid_casuale_dialog.h"
#include "ui/rid_casuale_elimina_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class RidCasualeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aggiungiApreConLeOpzioni_data();
    void aggiungiApreConLeOpzioni();
    void aggiungiAggiungeEChiude();
    void aggiungiRifiutaIlNumero_data();
    void aggiungiRifiutaIlNumero();
    void aggiungiInterrotta();
    void eliminaTutteChiude();
    void eliminaRifiutaZero();
    void guida();

private:
    void pronostico(int n, int k, std::initializer_list<int> fisse = {});
    template <typename T> T* trova(QDialog* d, const char* nome) const { return test::trova<T>(d, nome); }
    static void clicca(QDialog* d, const char* nome)
    {
        QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(nome)), Qt::LeftButton);
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidCasualeDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void RidCasualeDialogTest::cleanup()
{
    m_prova.reset();
}

void RidCasualeDialogTest::pronostico(int n, int k, std::initializer_list<int> fisse)
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

void RidCasualeDialogTest::aggiungiApreConLeOpzioni_data()
{
    QTest::addColumn<int>("fisse");
    QTest::addColumn<int>("salvato"); // 0: nothing stored
    QTest::addColumn<QString>("mostrato");
    QTest::newRow("senza fisse, predefinito") << 0 << 0 << QStringLiteral("1");
    QTest::newRow("con una fissa, valore salvato") << 1 << 37 << QStringLiteral("37");
}

void RidCasualeDialogTest::aggiungiApreConLeOpzioni()
{
    QFETCH(int, fisse);
    QFETCH(int, salvato);
    QFETCH(QString, mostrato);
    pronostico(10, 3);
    m_prova->stato.sistema.numeroFisse = fisse;
    m_prova->stato.sistema.fisse[0] = 1;
    if (salvato != 0) {
        m_prova->store.scriviIntero("IDE_NumNewRandom", salvato);
    }
    TRidCasuale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Aggiungi giocate casuali"));
    auto* casella = trova<QCheckBox>(&dialogo, "consideraFisseCheckBox");
    QCOMPARE(casella->text(), QStringLiteral("Considera Fisse"));
    QCOMPARE(casella->isEnabled(), fisse > 0);
    QCOMPARE(casella->isChecked(), fisse > 0);
    auto* quante = trova<QLineEdit>(&dialogo, "giocateLineEdit");
    QCOMPARE(quante->text(), mostrato);
    QCOMPARE(quante->maxLength(), 8);
    QVERIFY(trova<QPushButton>(&dialogo, "avviaPushButton")->isDefault());
    QVERIFY(!trova<QPushButton>(&dialogo, "interrompiPushButton")->isEnabled());

    // Only digits reach the box.
    quante->clear();
    QTest::keyClicks(quante, QStringLiteral("1a2-3"));
    QCOMPARE(quante->text(), QStringLiteral("123"));
    dialogo.grab().save(QStringLiteral("/tmp/rid_casuale_dialog.png"));
}

void RidCasualeDialogTest::aggiungiAggiungeEChiude()
{
    pronostico(8, 3, {1});
    m_prova->stato.generatore.imposta(5);
    TRidCasuale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    trova<QLineEdit>(&dialogo, "giocateLineEdit")->setText(QStringLiteral("21"));
    clicca(&dialogo, "avviaPushButton");

    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 21);
    for (std::int32_t i = 1; i <= 21; ++i) {
        QCOMPARE(int(m_prova->stato.giocate.voce(i)[0]), 1);
    }
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QCOMPARE(m_prova->store.leggiIntero("IDE_NumNewRandom"), std::optional<std::int32_t>(21));
}

void RidCasualeDialogTest::aggiungiRifiutaIlNumero_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("sviluppato");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("salvato");
    QTest::newRow("oltre lo sviluppo") << QStringLiteral("57") << false
                                       << QStringLiteral("Il numero di giocate da estrarre non è valido.\r"
                                                         "Inserire un numero compreso tra 1 e 56")
                                       << 57;
    QTest::newRow("vuoto") << QString() << false
                           << QStringLiteral("Il numero di giocate da estrarre non è valido.\r"
                                             "Inserire un numero compreso tra 1 e 56")
                           << 1;
    QTest::newRow("tutte presenti") << QStringLiteral("1") << true
                                    << QStringLiteral(
                                           "Non è possibile estrarre nuove giocate.\r"
                                           "Sono già state sviluppate tutte le giocate del pronostico.")
                                    << 1;
}

void RidCasualeDialogTest::aggiungiRifiutaIlNumero()
{
    QFETCH(QString, testo);
    QFETCH(bool, sviluppato);
    QFETCH(QString, messaggio);
    QFETCH(int, salvato);
    pronostico(8, 3);
    if (sviluppato) {
        EsecuzioneContinua continua;
        QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte ==
                56);
        m_prova->stato.sistema.modificato = false;
    }
    const int prima = m_prova->stato.giocate.conteggio();
    TRidCasuale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    trova<QLineEdit>(&dialogo, "giocateLineEdit")->setText(testo);
    clicca(&dialogo, "avviaPushButton");

    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
    QVERIFY(dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), prima);
    QVERIFY(!m_prova->stato.sistema.modificato);

    // Closing writes the count; a text that is not a number is written as 1.
    clicca(&dialogo, "annullaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->store.leggiIntero("IDE_NumNewRandom"), std::optional<std::int32_t>(salvato));
}

void RidCasualeDialogTest::aggiungiInterrotta()
{
    pronostico(40, 6);
    m_prova->stato.giocate.AllocaAnnulla();
    m_prova->messaggi.risposte.push_back(Risposta::Si);
    TRidCasuale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    trova<QLineEdit>(&dialogo, "giocateLineEdit")->setText(QStringLiteral("3000000"));

    bool letto = false;
    bool chiusuraRifiutata = false;
    bool campoBloccato = false;
    QTimer::singleShot(0, this, [&] {
        letto = true;
        chiusuraRifiutata = !dialogo.close() && dialogo.isVisible();
        QTest::keyClick(&dialogo, Qt::Key_Escape);
        chiusuraRifiutata = chiusuraRifiutata && dialogo.isVisible();
        campoBloccato = !trova<QLineEdit>(&dialogo, "giocateLineEdit")->isEnabled();
        clicca(&dialogo, "interrompiPushButton");
    });
    clicca(&dialogo, "avviaPushButton");

    QVERIFY(letto);
    QVERIFY(chiusuraRifiutata);
    QVERIFY(campoBloccato);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(!m_prova->stato.sistema.modificato);
    QVERIFY(dialogo.isVisible());
    QVERIFY(!dialogo.inEsecuzione());
    QVERIFY(trova<QPushButton>(&dialogo, "avviaPushButton")->isEnabled());
    QVERIFY(!trova<QPushButton>(&dialogo, "interrompiPushButton")->isEnabled());
    QCOMPARE(trova<QProgressBar>(&dialogo, "avanzamentoProgressBar")->value(), 0);
}

void RidCasualeDialogTest::eliminaTutteChiude()
{
    pronostico(6, 3);
    EsecuzioneContinua continua;
    QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte ==
            20);
    m_prova->stato.sistema.modificato = false;
    m_prova->store.scriviIntero("IDE_NumNewRandomDel", 20);

    TRidCasualeElimina dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Elimina giocate casualmente"));
    QCOMPARE(trova<QLineEdit>(&dialogo, "giocateLineEdit")->text(), QStringLiteral("20"));
    QVERIFY(dialogo.findChild<QCheckBox*>() == nullptr);
    clicca(&dialogo, "avviaPushButton");

    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
}

void RidCasualeDialogTest::eliminaRifiutaZero()
{
    pronostico(6, 3);
    EsecuzioneContinua continua;
    QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte ==
            20);
    TRidCasualeElimina dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    trova<QLineEdit>(&dialogo, "giocateLineEdit")->setText(QStringLiteral("0"));
    clicca(&dialogo, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral(
                 "Il numero di giocate da eliminare non è valido.\rInserire un numero compreso tra 1 e 20"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 20);
    QVERIFY(dialogo.isVisible());
    dialogo.grab().save(QStringLiteral("/tmp/rid_casuale_elimina_dialog.png"));
}

void RidCasualeDialogTest::guida()
{
    pronostico(6, 3);
    TRidCasuale aggiungi(m_prova->stato, m_prova->servizi);
    clicca(&aggiungi, "guidaPushButton");
    TRidCasualeElimina elimina(m_prova->stato, m_prova->servizi);
    clicca(&elimina, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide,
             (std::vector<QString>{QStringLiteral("mdr_casuale.htm"), QStringLiteral("mdr_casuale.htm")}));
}

QTEST_MAIN(RidCasualeDialogTest)
#include "rid_casuale_dialog_test.moc"
