#include "support/cartella_temporanea.h"
#include "ui/agg_eli_num_casu_dialog.h"
#include "ui/agg_eli_num_proba_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The two quantity dialogs of the prediction helpers: the random one refuses a value above the
// maximum, the probability one lowers it.
class AggEliNumDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void testi_data();
    void testi();
    void quantita_data();
    void quantita();
    void impostazioni();

private:
    test::MessaggiRegistrati m_messaggi;
};

void AggEliNumDialogTest::testi_data()
{
    QTest::addColumn<bool>("probabili");
    QTest::addColumn<bool>("aggiungi");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("etichetta");
    QTest::newRow("aggiungi casuali") << false << true << "Aggiungi numeri casualmente"
                                      << "Quantità di numeri da aggiungere:";
    QTest::newRow("elimina casuali") << false << false << "Elimina numeri casualmente"
                                     << "Quantità di numeri da eliminare:";
    QTest::newRow("aggiungi probabili") << true << true << "Aggiungi numeri più probabili"
                                        << "Quantità di numeri da aggiungere:";
    QTest::newRow("elimina probabili") << true << false << "Elimina numeri meno probabili"
                                       << "Quantità di numeri da eliminare:";
}

void AggEliNumDialogTest::testi()
{
    QFETCH(bool, probabili);
    QFETCH(bool, aggiungi);
    QFETCH(QString, titolo);
    QFETCH(QString, etichetta);
    const Verso verso = aggiungi ? Verso::Aggiungi : Verso::Elimina;
    std::unique_ptr<QDialog> dialogo;
    if (probabili) {
        dialogo = std::make_unique<TAggEliNumPiuProba>(verso, 5, m_messaggi, nullptr);
    } else {
        dialogo = std::make_unique<TAggEliNumCasu>(verso, 5, m_messaggi);
    }
    dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialogo.get()));
    QCOMPARE(dialogo->windowTitle(), titolo);
    QCOMPARE(dialogo->findChild<QLabel*>(QStringLiteral("quantitaLabel"))->text(), etichetta);
    QCOMPARE(dialogo->findChild<QLineEdit*>(QStringLiteral("quantitaLineEdit"))->text(), QStringLiteral("1"));
}

void AggEliNumDialogTest::quantita_data()
{
    QTest::addColumn<bool>("probabili");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("accettato");
    QTest::addColumn<int>("quantita");
    QTest::newRow("casuali entro i limiti") << false << "3" << true << 3;
    QTest::newRow("casuali oltre il massimo") << false << "9" << false << 0;
    QTest::newRow("casuali zero") << false << "0" << false << 0;
    QTest::newRow("casuali vuoto") << false << "" << false << 0;
    QTest::newRow("probabili oltre il massimo abbassato") << true << "99" << true << 5;
    QTest::newRow("probabili zero") << true << "0" << false << 0;
    QTest::newRow("lettere scartate") << true << "a2" << true << 2;
}

void AggEliNumDialogTest::quantita()
{
    QFETCH(bool, probabili);
    QFETCH(QString, testo);
    QFETCH(bool, accettato);
    QFETCH(int, quantita);
    m_messaggi.mostrati.clear();
    std::unique_ptr<QDialog> dialogo;
    if (probabili) {
        dialogo = std::make_unique<TAggEliNumPiuProba>(Verso::Aggiungi, 5, m_messaggi, nullptr);
    } else {
        dialogo = std::make_unique<TAggEliNumCasu>(Verso::Aggiungi, 5, m_messaggi);
    }
    dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialogo.get()));
    auto* casella = dialogo->findChild<QLineEdit*>(QStringLiteral("quantitaLineEdit"));
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_Backspace);
    QTest::keyClicks(casella, testo);
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(dialogo->result() == QDialog::Accepted, accettato);
    QCOMPARE(dialogo->isVisible(), !accettato);
    if (accettato) {
        const int letta = probabili ? static_cast<TAggEliNumPiuProba*>(dialogo.get())->quantita()
                                    : static_cast<TAggEliNumCasu*>(dialogo.get())->quantita();
        QCOMPARE(letta, quantita);
        QVERIFY(m_messaggi.mostrati.empty());
    } else {
        QCOMPARE(QString::fromStdString(m_messaggi.ultimo()),
                 QStringLiteral("Il valore inserito non è valido.\rIndicare un numero compreso tra 1 e 5"));
    }
}

void AggEliNumDialogTest::impostazioni()
{
    int aperte = 0;
    TAggEliNumPiuProba dialogo(Verso::Elimina, 5, m_messaggi, [&aperte] { ++aperte; });
    auto* pulsante = dialogo.findChild<QPushButton*>(QStringLiteral("impostazioniPushButton"));
    QVERIFY(pulsante->isEnabled());
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QCOMPARE(aperte, 1);
    TAggEliNumPiuProba senza(Verso::Elimina, 5, m_messaggi, nullptr);
    QVERIFY(!senza.findChild<QPushButton*>(QStringLiteral("impostazioniPushButton"))->isEnabled());
}

QTEST_MAIN(AggEliNumDialogTest)
#include "agg_eli_num_dialog_test.moc"
