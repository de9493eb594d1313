#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/elimina_giocate_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

class EliminaGiocateDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void estremiLegati();
    void caselle_data();
    void caselle();
    void conferma_data();
    void conferma();

private:
    void apri(int posizione);
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TEliminaGiocate> m_dialogo;
};

void EliminaGiocateDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    QVERIFY(m_prova->stato.giocate.AllocaAnnulla());
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(10));
    for (int i = 1; i <= 10; ++i) {
        m_prova->stato.giocate.voce(i) = test::giocata({i, 50 + i});
    }
    m_prova->stato.giocate.setConteggio(10);
}

void EliminaGiocateDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void EliminaGiocateDialogTest::apri(int posizione)
{
    m_dialogo = std::make_unique<TEliminaGiocate>(m_prova->stato, posizione);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void EliminaGiocateDialogTest::estremiLegati()
{
    apri(4);
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Selezionare l'intervallo"));
    QCOMPARE(m_dialogo->prima(), 4);
    QCOMPARE(m_dialogo->ultima(), 4);
    QCOMPARE(trova<QLabel>("primaGiocataLabel")->text(), QStringLiteral("[4 54]"));
    QCOMPARE(trova<QLabel>("selezionateLabel")->text(), QStringLiteral("Numero di giocate selezionate: 1"));
    trova<QScrollBar>("primaScrollBar")->setValue(7);
    QCOMPARE(m_dialogo->ultima(), 7);
    QCOMPARE(trova<QLineEdit>("ultimaLineEdit")->text(), QStringLiteral("7"));
    trova<QScrollBar>("ultimaScrollBar")->setValue(9);
    QCOMPARE(trova<QLabel>("selezionateLabel")->text(), QStringLiteral("Numero di giocate selezionate: 3"));
    trova<QScrollBar>("ultimaScrollBar")->setValue(2);
    QCOMPARE(m_dialogo->prima(), 2);
    QCOMPARE(trova<QLabel>("primaGiocataLabel")->text(), QStringLiteral("[2 52]"));
    QCOMPARE(trova<QScrollBar>("ultimaScrollBar")->maximum(), 10);
}

void EliminaGiocateDialogTest::caselle_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("prima");
    QTest::newRow("valore valido") << "6" << 6;
    QTest::newRow("oltre il conteggio") << "11" << 1;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("lettere scartate") << "x8" << 8;
}

void EliminaGiocateDialogTest::caselle()
{
    QFETCH(QString, testo);
    QFETCH(int, prima);
    apri(0);
    auto* casella = trova<QLineEdit>("primaLineEdit");
    casella->setFocus();
    casella->selectAll();
    QTest::keyClicks(casella, testo);
    trova<QLineEdit>("ultimaLineEdit")->setFocus(); // leaving the box applies it
    QCOMPARE(m_dialogo->prima(), prima);
    QCOMPARE(casella->text(), QString::number(prima));
    QCOMPARE(m_dialogo->ultima(), prima);
}

void EliminaGiocateDialogTest::conferma_data()
{
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<bool>("si");
    QTest::addColumn<QString>("domanda");
    QTest::addColumn<int>("conteggio");
    QTest::addColumn<int>("terza"); // first number of play 3 afterwards
    QTest::newRow("3..5 di 10") << 3 << 5 << true << "Eliminare le 3 giocate selezionate ?" << 7 << 6;
    QTest::newRow("una sola") << 3 << 3 << true << "Eliminare la giocata selezionata ?" << 9 << 4;
    QTest::newRow("risposta no") << 3 << 5 << false << "Eliminare le 3 giocate selezionate ?" << 10 << 3;
}

void EliminaGiocateDialogTest::conferma()
{
    QFETCH(int, prima);
    QFETCH(int, ultima);
    QFETCH(bool, si);
    QFETCH(QString, domanda);
    QFETCH(int, conteggio);
    QFETCH(int, terza);
    apri(prima);
    trova<QScrollBar>("ultimaScrollBar")->setValue(ultima);
    m_prova->messaggi.risposte.push_back(si ? Risposta::Si : Risposta::No);
    QTest::keyClick(trova<QLineEdit>("primaLineEdit"), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), domanda);
    QCOMPARE(m_prova->messaggi.mostrati.back().pulsanti, Pulsanti::SiNo);
    QCOMPARE(m_prova->stato.giocate.conteggio(), conteggio);
    QCOMPARE(static_cast<int>(m_prova->stato.giocate.voce(3)[0]), terza);
    QCOMPARE(m_prova->stato.giocate.conteggioAnnulla(), si ? 10 : 0);
    QCOMPARE(m_prova->stato.sistema.modificato, si);
    QCOMPARE(m_dialogo->isVisible(), !si);
}

QTEST_MAIN(EliminaGiocateDialogTest)
#include "elimina_giocate_dialog_test.moc"
