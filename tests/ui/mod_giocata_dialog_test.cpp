#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/mod_giocata_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

class ModGiocataDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void posizioneIniziale_data();
    void posizioneIniziale();
    void applica_data();
    void applica();

private:
    void apri(int posizione);
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TModGiocata> m_dialogo;
    int m_aggiornamenti = 0;
};

void ModGiocataDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(3));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.voce(2) = test::giocata({4, 5});
    m_prova->stato.giocate.voce(3) = test::giocata({6, 7, 90});
    m_prova->stato.giocate.setConteggio(3);
    m_aggiornamenti = 0;
}

void ModGiocataDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void ModGiocataDialogTest::apri(int posizione)
{
    m_dialogo = std::make_unique<TModGiocata>(m_prova->stato, posizione, [this] { ++m_aggiornamenti; });
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void ModGiocataDialogTest::posizioneIniziale_data()
{
    QTest::addColumn<int>("richiesta");
    QTest::addColumn<int>("mostrata");
    QTest::addColumn<QString>("numeri");
    QTest::newRow("la seconda") << 2 << 2 << QStringLiteral("4 5");
    QTest::newRow("nessuna selezione") << 0 << 1 << QStringLiteral("1 2 3");
    QTest::newRow("oltre il conteggio") << 7 << 1 << QStringLiteral("1 2 3");
}

void ModGiocataDialogTest::posizioneIniziale()
{
    QFETCH(int, richiesta);
    QFETCH(int, mostrata);
    QFETCH(QString, numeri);
    apri(richiesta);
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Modifica giocata"));
    QCOMPARE(trova<QSpinBox>("posizioneSpinBox")->value(), mostrata);
    QCOMPARE(trova<QSpinBox>("posizioneSpinBox")->maximum(), 3);
    QCOMPARE(trova<QLabel>("giocataLabel")->text(), QStringLiteral("Giocata Nº: %1").arg(mostrata));
    QCOMPARE(trova<QLineEdit>("numeriLineEdit")->text(), numeri);
    QVERIFY(!trova<QPushButton>("applicaPushButton")->isEnabled());

    // Editing enables "Applica", moving the selector reloads the box and disables it again.
    QTest::keyClick(trova<QLineEdit>("numeriLineEdit"), Qt::Key_Backspace);
    QVERIFY(trova<QPushButton>("applicaPushButton")->isEnabled());
    trova<QSpinBox>("posizioneSpinBox")->setValue(3);
    QCOMPARE(trova<QLineEdit>("numeriLineEdit")->text(), QStringLiteral("6 7 90"));
    QVERIFY(!trova<QPushButton>("applicaPushButton")->isEnabled());
}

void ModGiocataDialogTest::applica_data()
{
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("dopo"); // the play at the position afterwards
    QTest::addColumn<int>("selettore");
    QTest::newRow("in una nuova") << 1 << "9 8" << QString() << "8 9" << 2;
    QTest::newRow("in se stessa") << 2 << "5 4" << QString() << "4 5" << 3;
    QTest::newRow("l'ultima resta") << 3 << "11" << QString() << "11" << 3;
    QTest::newRow("gia presente altrove")
        << 1 << "4 5" << QStringLiteral("La giocata è già presente nell'elenco delle giocate finali!")
        << "1 2 3" << 1;
    QTest::newRow("non valida") << 2 << "0"
                                << QStringLiteral("Alcuni numeri che compongono la giocata non sono validi!")
                                << "4 5" << 2;
}

void ModGiocataDialogTest::applica()
{
    QFETCH(int, posizione);
    QFETCH(QString, testo);
    QFETCH(QString, messaggio);
    QFETCH(QString, dopo);
    QFETCH(int, selettore);
    apri(posizione);
    auto* casella = trova<QLineEdit>("numeriLineEdit");
    casella->selectAll();
    QTest::keyClicks(casella, testo);
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
    if (!messaggio.isEmpty()) {
        QCOMPARE(m_prova->messaggi.mostrati.back().titolo, std::string("Attenzione"));
        QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Avviso);
    }
    QCOMPARE(QString::fromStdString(TestoGiocata(m_prova->stato.giocate.voce(posizione))), dopo);
    QCOMPARE(trova<QSpinBox>("posizioneSpinBox")->value(), selettore);
    QCOMPARE(m_prova->stato.sistema.modificato, messaggio.isEmpty());
    QCOMPARE(m_aggiornamenti, messaggio.isEmpty() ? 1 : 0);
    QVERIFY(casella->hasFocus());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 3);
}

QTEST_MAIN(ModGiocataDialogTest)
#include "mod_giocata_dialog_test.moc"
