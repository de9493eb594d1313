#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_filtri.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/analisi_dialog.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/rid_conf_storico_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

// The historic comparison dialog, driven through its widgets.
class RidConfStoricoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tabellaEAccettazione();
    void graficiERegolaDelleCinquanta();
    void riduceLeGiocate();
    void comandoDelMenu();

private:
    template <typename T> T* trova(QObject* d, const QString& nome) const { return test::trova<T>(d, nome); }
    QTableWidget* tabella(QObject* d) const
    {
        return trova<QTableWidget>(d, QStringLiteral("confrontiTableWidget"));
    }
    void scrivi(QTableWidget* t, int riga, int colonna, const QString& testo)
    {
        t->setCurrentCell(riga, colonna);
        t->item(riga, colonna) != nullptr ? t->item(riga, colonna)->setText(testo)
                                          : t->setItem(riga, colonna, new QTableWidgetItem(testo));
    }
    QString testo(QTableWidget* t, int riga, int colonna) const
    {
        return t->item(riga, colonna) != nullptr ? t->item(riga, colonna)->text() : QString();
    }
    // Draws on Bari only: 1..5, 10..14, 20..24, then further ones of 30..34.
    void archivio(int quante)
    {
        for (int i = 0; i < quante; ++i) {
            m_prova->stato.archivio.InserisciEstrazione(
                test::estrazioneNumero(i, i < 3 ? (i == 0 ? 1 : 10 * i) : 30));
        }
    }
    void confronti(std::initializer_list<std::pair<int, std::vector<int>>> voci, int errori)
    {
        ConfrontiStorico record;
        for (const auto& [n, punteggi] : voci) {
            ConfrontoStorico c;
            c.estrazioni = n;
            for (int s : punteggi) {
                c.punteggi = static_cast<std::uint8_t>(c.punteggi | (1U << s));
            }
            record.confronti.push_back(c);
        }
        record.massimoErrori = errori;
        ImpostaConfronti(m_prova->stato.sistema, record);
    }
    void giocate(std::initializer_list<Tipo_Giocata> voci)
    {
        ElencoGiocate& elenco = m_prova->stato.giocate;
        elenco.AllocaAnnulla();
        QVERIFY(elenco.AssicuraCapacita(static_cast<std::int32_t>(voci.size())));
        std::int32_t i = 0;
        for (const auto& g : voci) {
            elenco.voce(++i) = g;
        }
        elenco.setConteggio(i);
    }
    QString messaggio() const { return QString::fromStdString(m_prova->messaggi.ultimo()); }
    QString file() const { return QString::fromStdString(m_prova->cartella.file("ConfSto.def")); }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidConfStoricoDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void RidConfStoricoDialogTest::cleanup()
{
    m_prova.reset();
}

void RidConfStoricoDialogTest::tabellaEAccettazione()
{
    archivio(400);
    confronti({{10, {2}}, {100, {2, 3}}, {300, {3}}}, 0);
    TRidConfStorico d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione tramite il confronto con l'archivio storico"));
    QCOMPARE(trova<QGroupBox>(&d, QStringLiteral("elencoGroupBox"))->title(),
             QStringLiteral(" Elenco confronti "));
    QVERIFY(trova<QLabel>(&d, QStringLiteral("spiegazioneLabel"))
                ->text()
                .endsWith(QStringLiteral("Attualmente nell'archivio storico sono presenti 400 estrazioni.")));
    QTableWidget* t = tabella(&d);
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(testo(t, 1, 1), QStringLiteral("100"));
    QCOMPARE(testo(t, 1, 2), QStringLiteral("2 3"));
    QCOMPARE(testo(t, 3, 0), QStringLiteral("4"));
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("confrontoComboBox"))->count(), 3);

    // The arrows: never below 0, no upper limit.
    auto* errori = trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"));
    trova<QToolButton>(&d, QStringLiteral("erroriMenoToolButton"))->click();
    QCOMPARE(errori->text(), QStringLiteral("0"));
    for (int i = 0; i < 7; ++i) {
        trova<QToolButton>(&d, QStringLiteral("erroriPiuToolButton"))->click();
    }
    QCOMPARE(errori->text(), QStringLiteral("7"));

    // A new row, typed below the others: stored by N, its scores read as the table rules say.
    scrivi(t, 3, 1, QStringLiteral("5000"));
    QCOMPARE(t->rowCount(), 5);
    scrivi(t, 3, 2, QStringLiteral("7  0"));
    QVERIFY(d.accetta());
    QCOMPARE(testo(t, 3, 1), QStringLiteral("400"));
    QCOMPARE(testo(t, 3, 2), QStringLiteral("0 5"));
    QCOMPARE(errori->text(), QStringLiteral("3"));
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("confrontoComboBox"))->count(), 4);
    const auto accettato = m_prova->stato.sistema.riduzioni.confrontoStorico;
    const auto scritto = test::LeggiFile(file().toStdString());
    QCOMPARE(scritto.size(), std::size_t{1508});
    QVERIFY(std::equal(scritto.begin(), scritto.end(), accettato.begin()));

    // Refusals change neither the record nor the file, and point at the field at fault.
    scrivi(t, 0, 1, QStringLiteral("0"));
    errori->setText(QStringLiteral("1"));
    QVERIFY(!d.accetta());
    QCOMPARE(messaggio(),
             QStringLiteral("Il numero di estrazioni da usare per il confronto nº 1 non è valido."));
    QCOMPARE(t->currentRow(), 0);
    errori->clear();
    QVERIFY(!d.accetta());
    QCOMPARE(messaggio(), QStringLiteral("Il numero massimo di errori consentiti non è valido."));
    QVERIFY(m_prova->stato.sistema.riduzioni.confrontoStorico == accettato);
    QVERIFY(test::LeggiFile(file().toStdString()) == scritto);
    d.grab().save(QStringLiteral("/tmp/rid_conf_storico_dialog_tabella.png"));

    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    auto* elimina = trova<QPushButton>(&d, QStringLiteral("eliminaTuttiPushButton"));
    elimina->click();
    QCOMPARE(messaggio(), QStringLiteral("Eliminare tutti i confronti ?"));
    QCOMPARE(t->rowCount(), 5);
    elimina->click();
    QCOMPARE(t->rowCount(), 1);
    QVERIFY(ConfrontiDelSistema(m_prova->stato.sistema).confronti.empty());
    QVERIFY(test::LeggiFile(file().toStdString()) == scritto);
    QVERIFY(!d.accetta());
    QCOMPARE(messaggio(), QStringLiteral("Inserire almeno un confronto."));
}

void RidConfStoricoDialogTest::graficiERegolaDelleCinquanta()
{
    archivio(3);
    confronti({{1, {0}}}, 0);
    giocate({test::giocata({20, 21, 30}), test::giocata({1, 2, 3}), test::giocata({40, 41, 42})});
    TRidConfStorico d(m_prova->stato, m_prova->servizi);
    d.show();
    auto* sinistra = trova<GraficoBarre>(&d, QStringLiteral("giocateGraficoBarre"));
    auto* destra = trova<GraficoBarre>(&d, QStringLiteral("estrazioniGraficoBarre"));
    QCOMPARE(sinistra->elementi(), 0);
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    // Against the last draw (20..24) one play scores 2; each later draw scored 0 against the one before.
    QCOMPARE(sinistra->elementi(), 6);
    QCOMPARE(sinistra->valore(0), 2.0);
    QCOMPARE(sinistra->valore(2), 1.0);
    QCOMPARE(trova<QLabel>(&d, QStringLiteral("giocateValideLabel"))->text(),
             QStringLiteral("Giocate valide: 2 (66.67 %)"));
    QCOMPARE(destra->valore(0), 2.0);
    QCOMPARE(trova<QLabel>(&d, QStringLiteral("estrazioniValideLabel"))->text(),
             QStringLiteral("Estrazioni valide: 2 (100.0 %)"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 3);
    QVERIFY(d.isVisible());
    d.grab().save(QStringLiteral("/tmp/rid_conf_storico_dialog.png"));

    // The analysis of the plays counts the play the comparison rejects.
    ConteggiAnalisi conteggi;
    m_prova->servizi.dialogo = [&](QDialog& finestra) -> std::optional<int> {
        auto& analisi = static_cast<TAnalisiDialog&>(finestra);
        analisi.show();
        analisi.avviaCalcolo();
        conteggi = analisi.conteggi();
        return QDialog::Accepted;
    };
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton")), Qt::LeftButton);
    QCOMPARE(conteggi.esaminate, 3);
    QCOMPARE(conteggi.valide, 2);
    QCOMPARE(conteggi.nonRispettate[0], 1);

    // Too few draws after the largest comparison: the message, no window.
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton")), Qt::LeftButton);
    QCOMPARE(messaggio(),
             QStringLiteral("Il confronto Nº 1 richiede troppe estrazioni.\rLe statistiche con le "
                            "rimanenti estrazioni non sarebbero affidabili.\rDiminuire il numero di "
                            "estrazioni del confronto Nº 1 e riprovare."));
    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("TAnalisiFiltroGiocate")});
}

void RidConfStoricoDialogTest::riduceLeGiocate()
{
    archivio(3);
    confronti({{1, {0}}}, 0);
    giocate({test::giocata({20, 21, 30}), test::giocata({1, 2, 3}), test::giocata({40, 41, 42})});
    TRidConfStorico d(m_prova->stato, m_prova->servizi);
    d.show();
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->isChecked());
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);
    QCOMPARE(m_prova->stato.giocate.CercaGiocata(test::giocata({20, 21, 30})), 0);
    QVERIFY(m_prova->stato.sistema.modificato);
}

void RidConfStoricoDialogTest::comandoDelMenu()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    giocate({test::giocata({1, 2, 3})});
    bool aperto = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* d = qobject_cast<TRidConfStorico*>(QApplication::activeModalWidget())) {
            aperto = true;
            d->reject();
        }
    });
    test::azione(&finestra, QStringLiteral("Riduzione tramite il confronto con l'archivio storico"))
        ->trigger();
    QVERIFY(aperto);
}

QTEST_MAIN(RidConfStoricoDialogTest)
#include "rid_conf_storico_dialog_test.moc"
