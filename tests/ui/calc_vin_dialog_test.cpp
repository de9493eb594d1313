#include "core/impostazioni_generali.h"
#include "support/finestre_prova.h"
#include "ui/calc_vin_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class CalcVinDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void valoriIniziali();
    void tastiDegliImporti();
    void calcolaEMostraIlTotale_data();
    void calcolaEMostraIlTotale();
    void rifiuti_data();
    void rifiuti();
    void pulsanteRiabilitatoDaOgniModifica();

private:
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }
    QPushButton* calcola() const { return trova<QPushButton>("calcolaPushButton"); }
    QString totale() const { return trova<QLabel>("totaleLabel")->text(); }

    ImpostazioniGenerali m_impostazioni;
    test::MessaggiRegistrati m_messaggi;
    std::unique_ptr<TCalcVin> m_dialogo;
};

void CalcVinDialogTest::init()
{
    m_impostazioni = ImpostazioniGenerali{};
    m_messaggi = test::MessaggiRegistrati{};
    m_dialogo = std::make_unique<TCalcVin>(m_impostazioni, m_messaggi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void CalcVinDialogTest::cleanup()
{
    m_dialogo.reset();
}

void CalcVinDialogTest::valoriIniziali()
{
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Calcola Vincite"));
    QCOMPARE(trova<QComboBox>("ruotaComboBox")->currentText(), QStringLiteral("Singola"));
    QCOMPARE(trova<QComboBox>("giocatiComboBox")->currentText(), QStringLiteral("5"));
    QCOMPARE(trova<QComboBox>("giocatiComboBox")->count(), 10);
    QCOMPARE(trova<QComboBox>("indovinatiComboBox")->currentText(), QStringLiteral("1"));
    QCOMPARE(trova<QComboBox>("indovinatiComboBox")->count(), 11);
    QVERIFY(calcola()->isDefault());
    QCOMPARE(trova<QLabel>("notaLabel")->text(), QStringLiteral("*Al lordo delle ritenute di legge"));
}

void CalcVinDialogTest::tastiDegliImporti()
{
    auto* ambo = trova<QLineEdit>("amboLineEdit");
    ambo->setFocus();
    QTest::keyClicks(ambo, QStringLiteral("1a,5-x"));
    QCOMPARE(ambo->text(), QStringLiteral("1.5"));
}

void CalcVinDialogTest::calcolaEMostraIlTotale_data()
{
    QTest::addColumn<int>("ruota");
    QTest::addColumn<int>("giocati");
    QTest::addColumn<int>("indovinati");
    QTest::addColumn<QStringList>("importi");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("ambo di un terno su cinque")
        << 0 << 5 << 3 << QStringList{"", "1", "", "", ""} << QStringLiteral("Totale*: 75,00 €");
    QTest::newRow("estratto a 11,232 su Tutte")
        << 1 << 1 << 1 << QStringList{"100", "", "", "", ""} << QStringLiteral("Totale*: 112,32 €");
    QTest::newRow("nessun indovinato")
        << 0 << 5 << 0 << QStringList{"1", "1", "", "", ""} << QStringLiteral("Totale*: 0,00 €");
    QTest::newRow("totale limitato") << 0 << 5 << 5 << QStringList{"", "", "", "1", "2"}
                                     << QStringLiteral("Totale*: 6.000.000,00 €");
}

void CalcVinDialogTest::calcolaEMostraIlTotale()
{
    QFETCH(int, ruota);
    QFETCH(int, giocati);
    QFETCH(int, indovinati);
    QFETCH(QStringList, importi);
    QFETCH(QString, atteso);
    trova<QComboBox>("ruotaComboBox")->setCurrentIndex(ruota);
    trova<QComboBox>("giocatiComboBox")->setCurrentIndex(giocati - 1);
    trova<QComboBox>("indovinatiComboBox")->setCurrentIndex(indovinati);
    const char* caselle[] = {"estrattoLineEdit", "amboLineEdit", "ternoLineEdit", "quaternaLineEdit",
                             "cinquinaLineEdit"};
    for (int k = 0; k < 5; ++k) {
        trova<QLineEdit>(caselle[k])->setText(importi[k]);
    }
    QTest::mouseClick(calcola(), Qt::LeftButton);
    QVERIFY(m_messaggi.mostrati.empty());
    QCOMPARE(totale(), atteso);
    QCOMPARE(trova<QLabel>("totaleLabel")->toolTip(), atteso);
    QVERIFY(!calcola()->isEnabled());
}

void CalcVinDialogTest::rifiuti_data()
{
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("tutti vuoti") << QString() << QString()
                                 << QStringLiteral(
                                        "Gli importi delle giocate devono essere maggiori di zero.");
    QTest::newRow("zero") << QStringLiteral("ternoLineEdit") << QStringLiteral("0.00")
                          << QStringLiteral("Gli importi delle giocate devono essere maggiori di zero.");
    QTest::newRow("terno illeggibile") << QStringLiteral("ternoLineEdit") << QStringLiteral("1.2.3")
                                       << QStringLiteral("L'importo del terno non è valido.");
    QTest::newRow("quaterna illeggibile") << QStringLiteral("quaternaLineEdit") << QStringLiteral(".")
                                          << QStringLiteral("L'importo della quaterna non è valido.");
}

void CalcVinDialogTest::rifiuti()
{
    QFETCH(QString, casella);
    QFETCH(QString, testo);
    QFETCH(QString, messaggio);
    if (!casella.isEmpty()) {
        trova<QLineEdit>(casella.toLatin1().constData())->setText(testo);
    }
    const QString prima = totale();
    QTest::mouseClick(calcola(), Qt::LeftButton);
    QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_messaggi.ultimo()), messaggio);
    QCOMPARE(QString::fromStdString(m_messaggi.mostrati.back().titolo), QStringLiteral("Errore"));
    QCOMPARE(totale(), prima);
    QVERIFY(calcola()->isEnabled());
}

void CalcVinDialogTest::pulsanteRiabilitatoDaOgniModifica()
{
    trova<QLineEdit>("estrattoLineEdit")->setText(QStringLiteral("1"));
    QTest::mouseClick(calcola(), Qt::LeftButton);
    QVERIFY(!calcola()->isEnabled());
    trova<QComboBox>("indovinatiComboBox")->setCurrentIndex(2);
    QVERIFY(calcola()->isEnabled());
    QTest::mouseClick(calcola(), Qt::LeftButton);
    QVERIFY(!calcola()->isEnabled());
    trova<QLineEdit>("amboLineEdit")->setText(QStringLiteral("2"));
    QVERIFY(calcola()->isEnabled());
}

QTEST_MAIN(CalcVinDialogTest)
#include "calc_vin_dialog_test.moc"
