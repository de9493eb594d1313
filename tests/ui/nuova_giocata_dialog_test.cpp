#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/nuova_giocata_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class NuovaGiocataDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void applica_data();
    void applica();
    void tastiECaratteri();

private:
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TNuovaGiocata> m_dialogo;
    int m_aggiornamenti = 0;
};

void NuovaGiocataDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.setConteggio(1);
    m_aggiornamenti = 0;
    m_dialogo = std::make_unique<TNuovaGiocata>(m_prova->stato, [this] { ++m_aggiornamenti; });
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void NuovaGiocataDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void NuovaGiocataDialogTest::applica_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("invio");
    QTest::addColumn<int>("conteggio");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("rimasto");
    QTest::newRow("nuova con Applica") << "9 4" << false << 2 << QString() << QString();
    QTest::newRow("nuova con Invio") << "9 4" << true << 2 << QString() << QString();
    QTest::newRow("non valida") << "4 4" << false << 1
                                << QStringLiteral("Alcuni numeri che compongono la giocata non sono validi!")
                                << QStringLiteral("4 4");
    QTest::newRow("gia presente") << "3 1 2" << true << 1
                                  << QStringLiteral("La giocata è già presente nell'elenco delle giocate.!")
                                  << QStringLiteral("3 1 2");
}

void NuovaGiocataDialogTest::applica()
{
    QFETCH(QString, testo);
    QFETCH(bool, invio);
    QFETCH(int, conteggio);
    QFETCH(QString, messaggio);
    QFETCH(QString, rimasto);
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Inserimento giocate da tastiera"));
    QCOMPARE(trova<QLabel>("giocataLabel")->text(), QStringLiteral("Giocata Nº: 2"));
    auto* casella = trova<QLineEdit>("numeriLineEdit");
    auto* applica = trova<QPushButton>("applicaPushButton");
    QCOMPARE(casella->toolTip(),
             QStringLiteral(" Inserire i numeri della giocata separandoli con uno spazio "));
    QVERIFY(!applica->isEnabled());
    QTest::keyClicks(casella, testo);
    QVERIFY(applica->isEnabled());
    if (invio) {
        QTest::keyClick(casella, Qt::Key_Return);
    } else {
        QTest::mouseClick(applica, Qt::LeftButton);
    }
    QCOMPARE(m_prova->stato.giocate.conteggio(), conteggio);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
    QCOMPARE(casella->text(), rimasto);
    QCOMPARE(m_prova->stato.sistema.modificato, conteggio == 2);
    QCOMPARE(trova<QLabel>("giocataLabel")->text(), QStringLiteral("Giocata Nº: %1").arg(conteggio + 1));
    QVERIFY(!applica->isEnabled());
    QVERIFY(casella->hasFocus());
    QCOMPARE(m_aggiornamenti, 1);
    QCOMPARE(m_prova->stato.giocate.conteggioAnnulla(), 0);
    QVERIFY(m_dialogo->isVisible());
    // Enter with "Applica" disabled does nothing.
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(m_aggiornamenti, 1);
    QVERIFY(m_dialogo->isVisible());
}

void NuovaGiocataDialogTest::tastiECaratteri()
{
    auto* casella = trova<QLineEdit>("numeriLineEdit");
    QTest::keyClicks(casella, QStringLiteral("1a 2,.-3"));
    QCOMPARE(casella->text(), QStringLiteral("1 23"));
    QTest::keyClicks(casella, QString(40, QLatin1Char('1')));
    QCOMPARE(casella->text().size(), 30);
    QTest::keyClick(casella, Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());
}

QTEST_MAIN(NuovaGiocataDialogTest)
#include "nuova_giocata_dialog_test.moc"
