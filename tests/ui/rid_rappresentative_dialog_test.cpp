#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "support/giocate_prova.h"
#include "ui/rid_otti_proba_dialog.h"
#include "ui/rid_rappresentative_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <memory>
#include <set>

class RidRappresentativeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_prova = std::make_unique<test::StatoDiProva>(); }
    void cleanup() { m_prova.reset(); }

    void genioStimaEAggiunge();
    void menoRappreElimina();
    void ottiProbaRiscrive();

private:
    void pronostico(int n, int k)
    {
        for (int i = 0; i < n; ++i) {
            m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
        }
        m_prova->stato.sistema.numeriPerGiocata = k;
    }
    static void clicca(QDialog* d, const char* nome)
    {
        QTest::mouseClick(test::trova<QPushButton>(d, QString::fromLatin1(nome)), Qt::LeftButton);
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidRappresentativeDialogTest::genioStimaEAggiunge()
{
    pronostico(30, 6);
    m_prova->store.scriviIntero("IDE_TKBGenio", 0);
    TRidGenio dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Aggiungi colonne più rappresentative"));
    auto* cursore = test::trova<QSlider>(&dialogo, "TKBSlider");
    auto* stima = test::trova<QLabel>(&dialogo, "stimaLabel");
    auto* quante = test::trova<QLineEdit>(&dialogo, "giocateLineEdit");
    QCOMPARE(cursore->value(), 0);
    QCOMPARE(stima->text(), QStringLiteral("Tempo previsto: 1 minuti e 1 secondi"));
    quante->setText(QString());
    QCOMPARE(stima->text(), QString());
    quante->setText(QStringLiteral("2"));
    cursore->setValue(100);
    QCOMPARE(stima->text(), QStringLiteral("Tempo previsto: 0 minuti e 1 secondi"));
    dialogo.grab().save(QStringLiteral("/tmp/rid_genio_dialog.png"));

    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);
    QVERIFY(m_prova->stato.giocate.voce(1) != m_prova->stato.giocate.voce(2));
    QVERIFY(m_prova->stato.sistema.modificato);
    QCOMPARE(m_prova->store.leggiIntero("IDE_TKBGenio"), std::optional<std::int32_t>(100));
    QCOMPARE(m_prova->store.leggiIntero("IDE_NumNewGenio"), std::optional<std::int32_t>(2));

    TRidGenio rifiuta(m_prova->stato, m_prova->servizi);
    rifiuta.show();
    test::trova<QLineEdit>(&rifiuta, "giocateLineEdit")->setText(QStringLiteral("0"));
    clicca(&rifiuta, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Il numero di giocate da aggiungere non è valido."));
    QVERIFY(rifiuta.isVisible());
}

void RidRappresentativeDialogTest::menoRappreElimina()
{
    pronostico(9, 3);
    QVERIFY(test::CaricaGiocate(m_prova->stato.giocate, {test::giocata({1, 2, 3}), test::giocata({1, 2, 4}),
                                                         test::giocata({7, 8, 9})}));
    TRidMenoRappre dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Elimina giocate meno rappresentative"));
    auto* quante = test::trova<QLineEdit>(&dialogo, "giocateLineEdit");
    quante->clear();
    QTest::keyClicks(quante, QStringLiteral("x"));
    QCOMPARE(quante->text(), QString());
    clicca(&dialogo, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral(
                 "Il numero di giocate da eliminare non è valido.\rInserire un numero compreso tra 1 e 3"));
    quante->setText(QStringLiteral("1"));
    dialogo.grab().save(QStringLiteral("/tmp/rid_meno_rappre_dialog.png"));
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(test::Giocate(m_prova->stato.giocate),
             (std::vector<Tipo_Giocata>{test::giocata({7, 8, 9}), test::giocata({1, 2, 4})}));
}

void RidRappresentativeDialogTest::ottiProbaRiscrive()
{
    pronostico(10, 3);
    // A stored selector above k is lowered to k.
    m_prova->store.scriviIntero("IDE_QNumOPDV", 7);
    QVERIFY(test::CaricaGiocate(m_prova->stato.giocate, {test::giocata({1, 2, 3}), test::giocata({1, 2, 3}),
                                                         test::giocata({1, 2, 4})}));
    TRidOttiProba dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Ottimizza probabilità di vincita"));
    auto* selettore = test::trova<QComboBox>(&dialogo, "ComboBox1");
    QCOMPARE(selettore->count(), 10);
    QCOMPARE(selettore->currentText(), QStringLiteral("3"));
    selettore->setCurrentIndex(0);
    dialogo.grab().save(QStringLiteral("/tmp/rid_otti_proba_dialog.png"));
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    const std::vector<Tipo_Giocata> dopo = test::Giocate(m_prova->stato.giocate);
    QCOMPARE(std::set<Tipo_Giocata>(dopo.begin(), dopo.end()).size(), std::size_t{3});
    QCOMPARE(m_prova->store.leggiIntero("IDE_QNumOPDV"), std::optional<std::int32_t>(0));
}

QTEST_MAIN(RidRappresentativeDialogTest)
#include "rid_rappresentative_dialog_test.moc"
