#include "editor/stato_applicazione.h"
#include "reductions/rid_filtri.h"
#include "support/finestre_prova.h"
#include "ui/analisi_filtro_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

// The analysis windows of the filter reductions, on cadences: cadence 1 allows no number, cadence 10
// is not in use, the others allow 0 or 1.
class AnalisiFiltroDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_prova = std::make_unique<test::StatoDiProva>(); }
    void cleanup() { m_prova.reset(); }
    void analisiGiocateConFisse();
    void analisiStoricaSiRipete();

private:
    FiltroRiduzione cadenze() const
    {
        GruppiFissi g;
        g.famiglia = FamigliaGruppi::Cadenze;
        for (std::size_t i = 0; i < 10; ++i) {
            g.inUso[i] = i != 9;
            g.ammesse[i] = i == 0 ? 0b1 : 0b11;
        }
        return FiltroRiduzione::DaGruppi(g);
    }
    QTableWidget* griglia(QDialog& d) const
    {
        return test::trova<QTableWidget>(&d, QStringLiteral("analisiTableWidget"));
    }
    QString valide(QDialog& d) const
    {
        return test::trova<QLabel>(&d, QStringLiteral("valideLabel"))->text();
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void AnalisiFiltroDialogTest::analisiGiocateConFisse()
{
    Sistema& s = m_prova->stato.sistema;
    for (std::size_t n = 0; n < 10; ++n) {
        s.pronostico[n] = 1;
    }
    s.numeriPerGiocata = 3;
    s.numeroFisse = 1;
    s.fisse[0] = 7;
    TAnalisiFiltroGiocate d(m_prova->stato, m_prova->servizi, cadenze(), ModoFiltro::Pronostico, true,
                            QStringLiteral("mdr_cadenze.htm"));
    d.show();
    d.avviaCalcolo();

    QTableWidget* g = griglia(d);
    QCOMPARE(d.windowTitle(), QStringLiteral("Analisi giocate"));
    QCOMPARE(g->horizontalHeaderItem(0)->text(), QStringLiteral("Cadenze"));
    QCOMPARE(g->horizontalHeaderItem(1)->text(),
             QStringLiteral("Nº giocate con quantità di errori superiore a 0"));
    QCOMPARE(g->rowCount(), 11);
    QCOMPARE(g->item(0, 0)->text(), QStringLiteral("1 11 21 31 41 51 61 71 81"));
    QCOMPARE(g->item(10, 0)->text(), QStringLiteral("Fisse"));
    // 84 of the 120 triples lack the 7; of the other 36, the 8 holding the 1 err on cadence 1.
    QCOMPARE(g->item(10, 1)->text(), QStringLiteral("84"));
    QCOMPARE(g->item(0, 1)->text(), QStringLiteral("8"));
    QCOMPARE(g->item(1, 1)->text(), QStringLiteral("0"));
    // Cadence 10 takes no part: no count.
    QCOMPARE(g->item(9, 1)->text(), QString());
    QCOMPARE(test::trova<QLabel>(&d, QStringLiteral("etichettaValideLabel"))->text(),
             QStringLiteral("Nº di giocate valide:"));
    QCOMPARE(valide(d), QStringLiteral("28 su 120 (23.33 %)"));
    d.grab().save(QStringLiteral("/tmp/analisi_filtro_giocate.png"));
    test::trova<QPushButton>(&d, QStringLiteral("guidaPushButton"))->click();
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("mdr_cadenze.htm")});
}

void AnalisiFiltroDialogTest::analisiStoricaSiRipete()
{
    // Bari 1 2 3 4 5 and 11 12 13 14 15: each holds one number of cadence 1.
    for (int n = 0; n < 2; ++n) {
        Tipo_Estrazione e;
        e.giorno = static_cast<std::uint8_t>(1 + n);
        e.mese = 1;
        e.setAnno(2020);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Bari, p, static_cast<std::uint8_t>(10 * n + p));
        }
        m_prova->stato.archivio.InserisciEstrazione(e);
    }
    m_prova->stato.sistema.numeroFisse = 1; // never counted by the historic analysis
    m_prova->stato.sistema.fisse[0] = 7;
    TAnalisiFiltroStorica d(m_prova->stato, m_prova->servizi, cadenze(), QStringLiteral("mdr_cadenze.htm"));
    auto* ruota = test::trova<QComboBox>(&d, QStringLiteral("ruotaComboBox"));
    auto* dimensione = test::trova<QComboBox>(&d, QStringLiteral("dimensioneComboBox"));
    auto* aggiorna = test::trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"));
    QCOMPARE(ruota->count(), 12);
    QCOMPARE(ruota->currentText(), QStringLiteral("Tutte"));
    QCOMPARE(ruota->itemText(11), QStringLiteral("Nazionale"));
    QCOMPARE(dimensione->currentText(), QStringLiteral("Cinquine"));
    d.show();
    QTRY_VERIFY_WITH_TIMEOUT(d.calcolata(), 5000);

    QTableWidget* g = griglia(d);
    QCOMPARE(d.windowTitle(), QStringLiteral("Analisi storica"));
    QCOMPARE(g->rowCount(), 10);
    QCOMPARE(g->horizontalHeaderItem(1)->text(),
             QStringLiteral("Nº estrazioni con quantità di errori superiore a 0"));
    QCOMPARE(test::trova<QLabel>(&d, QStringLiteral("etichettaValideLabel"))->text(),
             QStringLiteral("Nº di estrazioni valide:"));
    QCOMPARE(g->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(valide(d), QStringLiteral("0 su 2 (0.0 %)"));

    // In pairs: 4 of the 10 pairs of each draw hold the number of cadence 1.
    dimensione->setCurrentIndex(3);
    aggiorna->click();
    QCOMPARE(g->item(0, 1)->text(), QStringLiteral("8"));
    QCOMPARE(valide(d), QStringLiteral("12 su 20 (60.0 %)"));
    QVERIFY(ruota->isEnabled() && dimensione->isEnabled() && aggiorna->isEnabled());
    d.grab().save(QStringLiteral("/tmp/analisi_filtro_storica.png"));

    // Nazionale has no draws here.
    ruota->setCurrentIndex(11);
    aggiorna->click();
    QCOMPARE(g->item(0, 1)->text(), QStringLiteral("0"));
    QCOMPARE(valide(d), QStringLiteral("0 su 0 (0 %)"));
}

QTEST_MAIN(AnalisiFiltroDialogTest)
#include "analisi_filtro_dialog_test.moc"
