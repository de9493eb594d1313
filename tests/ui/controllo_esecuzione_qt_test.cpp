#include "ui/controllo_esecuzione_qt.h"

#include "core/messaggi_servizio.h"
#include "support/cartella_temporanea.h"

#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

Avanzamento stato(double elaborati, double totale)
{
    Avanzamento a;
    a.elaborati = elaborati;
    a.totale = totale;
    return a;
}

} // namespace

class ControlloEsecuzioneQtTest : public QObject
{
    Q_OBJECT

private slots:
    void senzaRichiestaProsegueInSilenzio();
    void richiestaConfermataConSiNo_data();
    void richiestaConfermataConSiNo();
    void clicDuranteIlPollVieneVisto();
    void barraMostraLaPercentuale();
};

void ControlloEsecuzioneQtTest::senzaRichiestaProsegueInSilenzio()
{
    test::MessaggiRegistrati messaggi;
    ControlloEsecuzioneQt controllo(messaggi);
    for (int i = 0; i < 1000; ++i) {
        QVERIFY(controllo.verifica(stato(i * 64, 64000)));
    }
    QVERIFY(messaggi.mostrati.empty());
}

void ControlloEsecuzioneQtTest::richiestaConfermataConSiNo_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("prosegue");
    QTest::newRow("No prosegue") << int(Risposta::No) << true;
    QTest::newRow("Sì interrompe") << int(Risposta::Si) << false;
}

void ControlloEsecuzioneQtTest::richiestaConfermataConSiNo()
{
    QFETCH(int, risposta);
    QFETCH(bool, prosegue);
    test::MessaggiRegistrati messaggi;
    messaggi.risposte.push_back(static_cast<Risposta>(risposta));
    ControlloEsecuzioneQt controllo(messaggi);

    controllo.richiediInterruzione();
    QCOMPARE(controllo.verifica(stato(64, 1000)), prosegue);
    QCOMPARE(messaggi.mostrati.size(), std::size_t{1});
    const Messaggio& domanda = messaggi.mostrati.front();
    QCOMPARE(QString::fromStdString(domanda.testo),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QCOMPARE(QString::fromStdString(domanda.titolo), QStringLiteral("Attenzione"));
    QVERIFY(domanda.pulsanti == Pulsanti::SiNo);
    QVERIFY(domanda.predefinita == Risposta::No);

    // Either answer consumes the request: the next poll asks nothing.
    QVERIFY(!controllo.interruzioneRichiesta());
    QVERIFY(controllo.verifica(stato(128, 1000)));
    QCOMPARE(messaggi.mostrati.size(), std::size_t{1});
}

void ControlloEsecuzioneQtTest::clicDuranteIlPollVieneVisto()
{
    // "Interrompi" is clicked while the run polls: the click is an event that the poll itself
    // delivers, and the same poll asks the question. No, then Yes on the next click.
    test::MessaggiRegistrati messaggi;
    messaggi.risposte = {Risposta::No, Risposta::Si};
    ControlloEsecuzioneQt controllo(messaggi);

    QTimer::singleShot(0, [&controllo] { controllo.richiediInterruzione(); });
    controllo.azzera();
    QVERIFY(controllo.verifica(stato(64, 1000)));
    QCOMPARE(messaggi.mostrati.size(), std::size_t{1});

    controllo.richiediInterruzione();
    QVERIFY(!controllo.verifica(stato(128, 1000)));
    QCOMPARE(messaggi.mostrati.size(), std::size_t{2});
}

void ControlloEsecuzioneQtTest::barraMostraLaPercentuale()
{
    test::MessaggiRegistrati messaggi;
    QProgressBar barra;
    barra.setRange(0, 100);
    barra.setValue(70);
    ControlloEsecuzioneQt controllo(messaggi, &barra);

    controllo.azzera();
    QCOMPARE(barra.value(), 0);
    QVERIFY(controllo.verifica(stato(333, 1000)));
    QCOMPARE(barra.value(), 33);
}

QTEST_MAIN(ControlloEsecuzioneQtTest)
#include "controllo_esecuzione_qt_test.moc"
