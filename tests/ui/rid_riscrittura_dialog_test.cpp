#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_normalizza.h"
#include "support/finestre_prova.h"
#include "support/giocate_prova.h"
#include "ui/rid_norma_distri_dialog.h"
#include "ui/rid_sost_comb_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

class RidRiscritturaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_prova = std::make_unique<test::StatoDiProva>(); }
    void cleanup() { m_prova.reset(); }

    void sostituzioneApplicaEChiude();
    void sostituzioneRifiutaLaRiga();
    void normalizzaConta();

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
    static void scrivi(QTableWidget* griglia, int riga, int colonna, const QString& testo)
    {
        griglia->setCurrentCell(riga, colonna);
        griglia->setItem(riga, colonna, new QTableWidgetItem(testo));
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidRiscritturaDialogTest::sostituzioneApplicaEChiude()
{
    pronostico(20, 3);
    QVERIFY(test::CaricaGiocate(m_prova->stato.giocate, {test::giocata({1, 2, 5}), test::giocata({1, 5, 9}),
                                                         test::giocata({3, 4, 5})}));
    TRidSostComb dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Sostituzione combinazioni di numeri"));
    QCOMPARE(test::trova<QPushButton>(&dialogo, "avviaPushButton")->text(),
             QStringLiteral("Applica sostituzioni"));
    auto* griglia = test::trova<QTableWidget>(&dialogo, "sostituzioniTableWidget");
    QCOMPARE(griglia->rowCount(), 1);
    scrivi(griglia, 0, 1, QStringLiteral("1 2"));
    scrivi(griglia, 0, 2, QStringLiteral("3 4"));
    // A new empty row follows the filled one.
    QCOMPARE(griglia->rowCount(), 2);
    QCOMPARE(griglia->item(1, 0)->text(), QStringLiteral("2"));
    test::trova<QCheckBox>(&dialogo, "parzialeCheckBox")->setChecked(true);
    dialogo.grab().save(QStringLiteral("/tmp/rid_sost_comb_dialog.png"));
    clicca(&dialogo, "avviaPushButton");

    QVERIFY(!dialogo.isVisible());
    // Partial: 1 2 5 -> 3 4 5 (equal to the third, removed); 1 5 9 -> 3 5 9.
    const std::vector<Tipo_Giocata> dopo = test::Giocate(m_prova->stato.giocate);
    QCOMPARE(dopo.size(), std::size_t{2});
    QVERIFY(std::find(dopo.begin(), dopo.end(), test::giocata({3, 5, 9})) != dopo.end());
    QVERIFY(std::find(dopo.begin(), dopo.end(), test::giocata({3, 4, 5})) != dopo.end());
    QVERIFY(m_prova->stato.sistema.modificato);
    // The table went to the data folder, partial flag included.
    BloccoRecord<2008> record{};
    QCOMPARE(LeggiSostituzioni(m_prova->stato.cartelle.dati, record), EsitoLettura::Letto);
    const TabellaSostituzioni tabella = TabellaDaRecord(record);
    QVERIFY(tabella.parziale);
    QCOMPARE(tabella.voci.size(), std::size_t{1});

    // Reopened, the grid shows the stored table.
    TRidSostComb riaperto(m_prova->stato, m_prova->servizi);
    auto* rigriglia = test::trova<QTableWidget>(&riaperto, "sostituzioniTableWidget");
    QCOMPARE(rigriglia->item(0, 1)->text(), QStringLiteral("1 2"));
    QCOMPARE(rigriglia->item(0, 2)->text(), QStringLiteral("3 4"));
    QVERIFY(test::trova<QCheckBox>(&riaperto, "parzialeCheckBox")->isChecked());
}

void RidRiscritturaDialogTest::sostituzioneRifiutaLaRiga()
{
    pronostico(20, 3);
    QVERIFY(test::CaricaGiocate(m_prova->stato.giocate, {test::giocata({1, 2, 5})}));
    TRidSostComb dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    auto* griglia = test::trova<QTableWidget>(&dialogo, "sostituzioniTableWidget");
    scrivi(griglia, 0, 1, QStringLiteral("1"));
    scrivi(griglia, 0, 2, QStringLiteral("2"));
    scrivi(griglia, 1, 1, QStringLiteral("1 2"));
    scrivi(griglia, 1, 2, QStringLiteral("3"));
    clicca(&dialogo, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Una delle combinazioni della sostituzione nº 2 non è valida."));
    QVERIFY(dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.voce(1), test::giocata({1, 2, 5}));

    // "Azzera" asks, then empties the grid.
    m_prova->messaggi.risposte.push_back(Risposta::Si);
    clicca(&dialogo, "azzeraPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Eliminare tutte le combinazioni ?"));
    QCOMPARE(griglia->rowCount(), 1);
    clicca(&dialogo, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Inserire almeno una sostituzione."));
    clicca(&dialogo, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("mdr_sostcomb.htm")});
}

void RidRiscritturaDialogTest::normalizzaConta()
{
    pronostico(12, 4);
    std::vector<Tipo_Giocata> prime;
    for (int a = 5; a <= 12 && prime.size() < 15; ++a) {
        for (int b = a + 1; b <= 12 && prime.size() < 15; ++b) {
            prime.push_back(test::giocata({1, 2, a, b}));
        }
    }
    QVERIFY(test::CaricaGiocate(m_prova->stato.giocate, prime));
    TRidNormaDistri dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Normalizza distribuzione dei numeri nelle giocate"));
    QVERIFY(!test::trova<QPushButton>(&dialogo, "avviaPushButton")->isEnabled());
    QTRY_VERIFY(dialogo.contato());
    dialogo.grab().save(QStringLiteral("/tmp/rid_norma_distri_dialog.png"));
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    const FrequenzeNumeri f = ContaFrequenze(m_prova->stato.giocate);
    QVERIFY(f[0] <= 6 && f[1] <= 6);
    QCOMPARE(m_prova->stato.giocate.conteggio(), 15);

    // On plays already normalised the run says so and leaves the dialog open.
    QVERIFY(
        test::CaricaGiocate(m_prova->stato.giocate, {test::giocata({1, 2, 3, 4}), test::giocata({5, 6, 7, 8}),
                                                     test::giocata({9, 10, 11, 12})}));
    TRidNormaDistri ancora(m_prova->stato, m_prova->servizi);
    ancora.show();
    QTRY_VERIFY(ancora.contato());
    clicca(&ancora, "avviaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("La distribuzione dei numeri nelle combinazioni risulta già normalizzata."));
    QVERIFY(ancora.isVisible());
}

QTEST_MAIN(RidRiscritturaDialogTest)
#include "rid_riscrittura_dialog_test.moc"
