#include "editor/stato_applicazione.h"
#include "reducers/riduttore_personale.h"
#include "support/finestre_prova.h"
#include "ui/applica_riduttore_dialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <memory>

class ApplicaRiduttoreDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filtroSelezioneEApplicazione();

private:
    void scrivi(const std::string& nome, const std::string& testo)
    {
        std::ofstream(m_prova->stato.cartelle.personale + nome, std::ios::binary) << testo;
    }
    std::unique_ptr<test::StatoDiProva> m_prova;
};

void ApplicaRiduttoreDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    Sistema& s = m_prova->stato.sistema;
    for (int n : {4, 8, 15, 16, 23, 42}) {
        s.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    s.numeriPerGiocata = 3;
    s.fisse[0] = 16;
    s.numeroFisse = 1;
    scrivi("sei.rid",
           "<<1>>\r\n6\r\n3\r\n<</1>>\r\n<<2>>\r\nterzine\r\n<</2>>\r\n<<3>>\r\n1 3 6\r\n1 2 3\r\n1 4 5\r\n"
           "<</3>>\r\n");
    scrivi("otto.rid",
           "<<1>>\r\n8\r\n1\r\n<</1>>\r\n<<2>>\r\nper otto\r\n<</2>>\r\n<<3>>\r\n1 8\r\n<</3>>\r\n");
}

void ApplicaRiduttoreDialogTest::cleanup()
{
    m_prova.reset();
}

void ApplicaRiduttoreDialogTest::filtroSelezioneEApplicazione()
{
    auto dialogo = std::make_unique<TApplicaRiduttore>(m_prova->stato, m_prova->servizi);
    dialogo->show();
    QCOMPARE(dialogo->windowTitle(), QStringLiteral("Applica riduttore"));
    auto* tabella = test::trova<QTableWidget>(dialogo.get(), QStringLiteral("riduttoriTableWidget"));
    auto* applica = test::trova<QPushButton>(dialogo.get(), QStringLiteral("avviaPushButton"));
    auto* probabilita = test::trova<QPushButton>(dialogo.get(), QStringLiteral("probabilitaPushButton"));
    auto* commenti = test::trova<QPlainTextEdit>(dialogo.get(), QStringLiteral("commentiPlainTextEdit"));
    auto* filtro = test::trova<QCheckBox>(dialogo.get(), QStringLiteral("filtroCheckBox"));
    QCOMPARE(applica->text(), QStringLiteral("Applica riduttore"));
    QVERIFY(applica->isDefault());
    QVERIFY(test::trova<QCheckBox>(dialogo.get(), QStringLiteral("consideraFisseCheckBox"))->isChecked());

    // Unfiltered: both reducers, in name order, the first selected; m = 8 cannot be applied to 6 numbers.
    QCOMPARE(tabella->rowCount(), 2);
    QCOMPARE(tabella->item(0, 2)->text(), QStringLiteral("otto.rid"));
    QCOMPARE(commenti->toPlainText(), QStringLiteral("per otto"));
    QVERIFY(!applica->isEnabled());
    QVERIFY(probabilita->isEnabled());
    tabella->selectRow(1);
    QCOMPARE(commenti->toPlainText(), QStringLiteral("terzine"));
    QVERIFY(applica->isEnabled());

    // The header sorts by the numbers of the column, reversing at the second click.
    QTest::mouseClick(tabella->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(tabella->horizontalHeader()->sectionPosition(1) + 5, 5));
    QCOMPARE(tabella->item(0, 1)->text(), QStringLiteral("1"));
    QTest::mouseClick(tabella->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(tabella->horizontalHeader()->sectionPosition(1) + 5, 5));
    QCOMPARE(tabella->item(0, 1)->text(), QStringLiteral("3"));

    // The filter keeps the reducers for 6 numbers and starts without a selection.
    filtro->setChecked(true);
    QCOMPARE(tabella->rowCount(), 1);
    QVERIFY(!applica->isEnabled());
    QVERIFY(!probabilita->isEnabled());
    QVERIFY(commenti->toPlainText().isEmpty());
    tabella->selectRow(0);
    QVERIFY(applica->isEnabled());
    dialogo->grab().save(QStringLiteral("/tmp/applica_riduttore_dialog.png"));

    // "Gestione riduttori" opens its window and rebuilds the list afterwards (with the filter).
    m_prova->servizi.dialogo = [](QDialog&) -> std::optional<int> { return QDialog::Rejected; };
    QTest::mouseClick(test::trova<QPushButton>(dialogo.get(), QStringLiteral("gestionePushButton")),
                      Qt::LeftButton);
    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("TGestioneRiduttori")});
    QCOMPARE(tabella->rowCount(), 1);
    QVERIFY(applica->isEnabled());

    // With the fixed number 16 only 1 4 5 (4 16 23) is added; the dialog closes and keeps the filter.
    QTest::mouseClick(applica, Qt::LeftButton);
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 1);
    QCOMPARE(TestoGiocata(m_prova->stato.giocate.voce(1)), std::string("4 16 23"));
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!dialogo->isVisible());
    QCOMPARE(m_prova->store.leggiIntero("IDE_ApplicaRidCB1"), std::optional<std::int32_t>(1));

    // A second time nothing is new: the message, and the dialog stays open.
    dialogo = std::make_unique<TApplicaRiduttore>(m_prova->stato, m_prova->servizi);
    dialogo->show();
    QVERIFY(test::trova<QCheckBox>(dialogo.get(), QStringLiteral("filtroCheckBox"))->isChecked());
    QTest::mouseClick(test::trova<QPushButton>(dialogo.get(), QStringLiteral("avviaPushButton")),
                      Qt::LeftButton);
    QCOMPARE(
        m_prova->messaggi.ultimo(),
        std::string("Non è stata aggiunta nessuna nuova giocata.\rVerificare la presenza di eventuali fisse "
                    "nel pronostico."));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 1);
    QVERIFY(dialogo->isVisible());
    QCOMPARE(test::trova<QLabel>(dialogo.get(), QStringLiteral("conteggioLabel"))->text().left(19),
             QStringLiteral("Nº Giocate finali: "));
}

QTEST_MAIN(ApplicaRiduttoreDialogTest)
#include "applica_riduttore_dialog_test.moc"
