#include "support/cartella_temporanea.h"
#include "support/finestre_prova.h"
#include "ui/analisi_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// Criterion 0: the play holds 1; criterion 1: its sum is even. Over the pairs of 1..n.
class AnalisiProva final : public TAnalisiDialog
{
public:
    AnalisiProva(ServizioMessaggi& messaggi, ServiziFinestre& servizi, int n)
        : TAnalisiDialog(messaggi, servizi,
                         {QStringLiteral("Analisi giocate"),
                          QStringLiteral("Nº giocate che non rispettano le condizioni"),
                          {QStringLiteral("Contiene 1"), QStringLiteral("Somma pari")},
                          QStringLiteral("Nº di giocate valide:"),
                          QStringLiteral("mdr_prova.htm"),
                          true}),
          m_n(n)
    {}

    std::function<void()> durante;

protected:
    void calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi) override
    {
        std::vector<std::uint8_t> numeri;
        for (int i = 1; i <= m_n; ++i) {
            numeri.push_back(static_cast<std::uint8_t>(i));
        }
        CombinazioniPronostico combinazioni(numeri, 2);
        AnalizzaCombinazioni(combinazioni, conteggi, controllo,
                             [this](const Tipo_Giocata& g, ConteggiAnalisi& c) {
                                 if (durante) {
                                     durante();
                                     durante = nullptr;
                                 }
                                 bool valida = true;
                                 if (g[0] != 1) {
                                     ++c.nonRispettate[0];
                                     valida = false;
                                 }
                                 if ((g[0] + g[1]) % 2 != 0) {
                                     ++c.nonRispettate[1];
                                     valida = false;
                                 }
                                 return valida;
                             });
    }

private:
    int m_n;
};

} // namespace

class AnalisiDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void partePocoDopoEMostraIConteggi();
    void interruzioneTieneIConteggi();
};

void AnalisiDialogTest::partePocoDopoEMostraIConteggi()
{
    test::MessaggiRegistrati messaggi;
    test::ServiziRegistrati servizi(messaggi);
    AnalisiProva finestra(messaggi, servizi, 10);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    // Not at once: 250 ms after showing.
    QVERIFY(!finestra.calcolata());
    QCOMPARE(finestra.findChild<QLabel*>(QStringLiteral("valideLabel"))->text(),
             QStringLiteral("0 su 0 (0 %)"));
    QTRY_VERIFY_WITH_TIMEOUT(finestra.calcolata(), 5000);

    auto* griglia = finestra.findChild<QTableWidget*>(QStringLiteral("analisiTableWidget"));
    QCOMPARE(griglia->horizontalHeaderItem(0)->text(), QStringLiteral("Condizioni"));
    QCOMPARE(griglia->item(0, 0)->text(), QStringLiteral("Contiene 1"));
    QCOMPARE(griglia->item(0, 1)->text(), QStringLiteral("36"));
    QCOMPARE(griglia->item(1, 1)->text(), QStringLiteral("25"));
    QCOMPARE(finestra.findChild<QLabel*>(QStringLiteral("etichettaValideLabel"))->text(),
             QStringLiteral("Nº di giocate valide:"));
    // 4 of 45: 8.888... %.
    QCOMPARE(finestra.findChild<QLabel*>(QStringLiteral("valideLabel"))->text(),
             QStringLiteral("4 su 45 (8.89 %)"));
    QVERIFY(finestra.findChild<QPushButton*>(QStringLiteral("chiudiPushButton"))->isEnabled());
    QTest::mouseClick(finestra.findChild<QPushButton*>(QStringLiteral("guidaPushButton")), Qt::LeftButton);
    QCOMPARE(servizi.guide, std::vector<QString>{QStringLiteral("mdr_prova.htm")});
    finestra.grab().save(QStringLiteral("/tmp/analisi_dialog.png"));
    QTest::mouseClick(finestra.findChild<QPushButton*>(QStringLiteral("chiudiPushButton")), Qt::LeftButton);
    QVERIFY(!finestra.isVisible());
}

void AnalisiDialogTest::interruzioneTieneIConteggi()
{
    test::MessaggiRegistrati messaggi;
    messaggi.risposte.push_back(Risposta::Si);
    test::ServiziRegistrati servizi(messaggi);
    AnalisiProva finestra(messaggi, servizi, 90);
    finestra.show();
    bool chiudiDisabilitato = false;
    bool chiusuraRifiutata = false;
    finestra.durante = [&] {
        // Runs inside the computation: the click is seen at the next poll.
        chiudiDisabilitato =
            !finestra.findChild<QPushButton*>(QStringLiteral("chiudiPushButton"))->isEnabled();
        chiusuraRifiutata = !finestra.close();
        finestra.findChild<QPushButton*>(QStringLiteral("interrompiPushButton"))->click();
    };
    finestra.avviaCalcolo();
    QVERIFY(chiudiDisabilitato);
    QVERIFY(chiusuraRifiutata);
    QCOMPARE(QString::fromStdString(messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QVERIFY(finestra.conteggi().interrotta);
    QCOMPARE(finestra.conteggi().esaminate, 64);
    // The counts reached stay on screen.
    QCOMPARE(finestra.findChild<QTableWidget*>(QStringLiteral("analisiTableWidget"))->item(0, 1)->text(),
             QStringLiteral("0"));
    // The final line measures the valid ones against the whole run (the 4005 pairs), not the 64 examined.
    QCOMPARE(finestra.findChild<QLabel*>(QStringLiteral("valideLabel"))->text(),
             QString::fromStdString(TestoValide(finestra.conteggi().valide, 4005)));
}

QTEST_MAIN(AnalisiDialogTest)
#include "analisi_dialog_test.moc"
