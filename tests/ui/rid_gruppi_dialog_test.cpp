#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_filtri.h"
#include "support/finestre_prova.h"
#include "ui/analisi_dialog.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/rid_gruppi_dialog.h"
#include "ui/rid_numeri_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

// The dialogs of the reductions by numbers, cadences, figures and decades, driven through their widgets.
class RidGruppiDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void numeriTabellaERifiuti();
    void numeriGraficiEApplica();
    void cadenzeRifiutoNonCambiaNulla();
    void figureFiltranoLeGiocate();
    void decineAnalisiEErrori();
    void comandiDelMenu();

private:
    template <typename T> T* trova(QObject* d, const QString& nome) const { return test::trova<T>(d, nome); }
    QString messaggio() const { return QString::fromStdString(m_prova->messaggi.ultimo()); }
    bool esiste(const char* file) const
    {
        return QFile::exists(QString::fromStdString(m_prova->cartella.file(file)));
    }
    void scrivi(QTableWidget* t, int riga, int colonna, const QString& testo)
    {
        t->setCurrentCell(riga, colonna);
        t->item(riga, colonna) != nullptr ? t->item(riga, colonna)->setText(testo)
                                          : t->setItem(riga, colonna, new QTableWidgetItem(testo));
    }
    void pronostico(int n, int k)
    {
        for (int i = 0; i < n; ++i) {
            m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
        }
        m_prova->stato.sistema.numeriPerGiocata = k;
    }
    void applica(QDialog& d) { trova<QPushButton>(&d, QStringLiteral("avviaPushButton"))->click(); }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidGruppiDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    RecordRiduzioni& r = m_prova->stato.sistema.riduzioni;
    r.intervalli = IntervalliNumeriPredefiniti();
    r.cadenze = CadenzePredefinite();
    r.figure = FigurePredefinite();
    r.decine = DecinePredefinite();
}

void RidGruppiDialogTest::cleanup()
{
    m_prova.reset();
}

void RidGruppiDialogTest::numeriTabellaERifiuti()
{
    TRidNumeri d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione in base ai numeri"));
    auto* t = trova<QTableWidget>(&d, QStringLiteral("intervalliTableWidget"));
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->item(1, 1)->text(), QStringLiteral("31-60"));
    QCOMPARE(t->item(1, 2)->text(), QStringLiteral("1 2 3"));
    QCOMPARE(t->item(3, 0)->text(), QStringLiteral("4"));
    auto* scelta = trova<QComboBox>(&d, QStringLiteral("sceltaGraficoComboBox"));
    QCOMPARE(scelta->count(), 3);

    // Typing into the last row adds one; an empty row left above it goes.
    scrivi(t, 3, 1, QStringLiteral("80-99"));
    QCOMPARE(t->rowCount(), 5);
    scrivi(t, 1, 1, QString());
    scrivi(t, 1, 2, QString());
    t->setCurrentCell(0, 1);
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->item(2, 1)->text(), QStringLiteral("80-99"));
    QCOMPARE(t->item(3, 0)->text(), QStringLiteral("4"));

    // A refusal names the row and changes nothing: no file, the record as it was.
    const auto prima = m_prova->stato.sistema.riduzioni.intervalli;
    applica(d);
    QCOMPARE(messaggio(), QStringLiteral("Alcune quantità ammesse dell'intervallo nº 3 non sono valide."));
    scrivi(t, 2, 2, QStringLiteral("0 1 15"));
    scrivi(t, 0, 1, QStringLiteral("5-5"));
    applica(d);
    QCOMPARE(messaggio(),
             QStringLiteral("L'intervallo di numeri nº 1 non è valido.\rInserire un intervallo valido "
                            "(es. 10-20 per includere tutti i numeri dal 10 al 20) e riprovare."));
    QVERIFY(m_prova->stato.sistema.riduzioni.intervalli == prima);
    QVERIFY(!esiste("Intervalli.def"));
    QVERIFY(d.isVisible());

    // Accepted by "Aggiorna": stored, written, shown again with the errors lowered to count - 1.
    scrivi(t, 0, 1, QStringLiteral(" 1 - 30 "));
    trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"))->setText(QStringLiteral("7"));
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    const IntervalliNumeri record = IntervalliDelSistema(m_prova->stato.sistema);
    QCOMPARE(record.intervalli.size(), std::size_t{3});
    QCOMPARE(record.intervalli[2].alto, 99);
    QCOMPARE(int(record.intervalli[2].ammesse), 0b10000000011);
    QCOMPARE(record.massimoErrori, 2);
    QCOMPARE(trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"))->text(), QStringLiteral("2"));
    QCOMPARE(t->item(0, 1)->text(), QStringLiteral("1-30"));
    QCOMPARE(t->item(2, 2)->text(), QStringLiteral("0 1 10"));
    QVERIFY(esiste("Intervalli.def"));
    // The arrows: no upper limit, never below 0.
    auto* piu = trova<QToolButton>(&d, QStringLiteral("erroriPiuToolButton"));
    auto* meno = trova<QToolButton>(&d, QStringLiteral("erroriMenoToolButton"));
    for (int i = 0; i < 12; ++i) {
        piu->click();
    }
    QCOMPARE(trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"))->text(), QStringLiteral("14"));
    for (int i = 0; i < 20; ++i) {
        meno->click();
    }
    QCOMPARE(trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"))->text(), QStringLiteral("0"));
    d.grab().save(QStringLiteral("/tmp/rid_numeri_dialog.png"));

    // "Elimina tutti": No keeps everything; Si empties the record in memory but not the file.
    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    trova<QPushButton>(&d, QStringLiteral("eliminaTuttiPushButton"))->click();
    QCOMPARE(messaggio(), QStringLiteral("Eliminare tutti gli intervalli ?"));
    QCOMPARE(t->rowCount(), 4);
    trova<QPushButton>(&d, QStringLiteral("eliminaTuttiPushButton"))->click();
    QCOMPARE(t->rowCount(), 1);
    QVERIFY(IntervalliDelSistema(m_prova->stato.sistema).intervalli.empty());
    QCOMPARE(scelta->count(), 0);
    QCOMPARE(test::LeggiFile(m_prova->cartella.file("Intervalli.def")).size(), std::size_t{884});
    applica(d);
    QCOMPARE(messaggio(), QStringLiteral("Inserire almeno un intervallo."));
}

void RidGruppiDialogTest::numeriGraficiEApplica()
{
    // Bari 1 2 3 4 5 (five numbers in 1-5) and 11 12 13 14 15 (none).
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
    pronostico(10, 3);
    IntervalliNumeri record;
    record.intervalli = {{1, 5, 0b10}, {6, 10, 0b100}};
    ImpostaIntervalli(m_prova->stato.sistema, record);
    TRidNumeri d(m_prova->stato, m_prova->servizi);
    d.show();
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("pronosticoRadioButton"))->isChecked());
    QVERIFY(!trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->isEnabled());
    QVERIFY(!trova<QCheckBox>(&d, QStringLiteral("consideraFisseCheckBox"))->isEnabled());

    // Of the 120 triples of 1..10, 10, 50, 50 and 10 hold 0, 1, 2 and 3 numbers of 1-5.
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    auto* giocate = trova<GraficoBarre>(&d, QStringLiteral("graficoGiocate"));
    QCOMPARE(giocate->elementi(), 5);
    QCOMPARE(giocate->valore(1), 50.0);
    QCOMPARE(giocate->valore(4), 0.0);
    QCOMPARE(trova<QLabel>(&d, QStringLiteral("giocateValideLabel"))->text(),
             QStringLiteral("Giocate valide: 50 (41.67 %)"));
    auto* archivio = trova<GraficoBarre>(&d, QStringLiteral("graficoArchivio"));
    QCOMPARE(archivio->elementi(), 6);
    QCOMPARE(archivio->valore(5), 1.0);
    QCOMPARE(archivio->valore(0), 1.0);
    QCOMPARE(trova<QLabel>(&d, QStringLiteral("estrazioniValideLabel"))->text(),
             QStringLiteral("Estrazioni valide: 0 (0.0 %)"));
    d.grab().save(QStringLiteral("/tmp/rid_numeri_grafici.png"));

    // One of 1-5 and two of 6-10: 5 * 10 plays.
    applica(d);
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 50);
    QVERIFY(!d.isVisible());
}

void RidGruppiDialogTest::cadenzeRifiutoNonCambiaNulla()
{
    pronostico(10, 2);
    TRidCadenze d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione in base alle cadenze"));
    QCOMPARE(trova<QCheckBox>(&d, QStringLiteral("gruppo10CheckBox"))->text(),
             QStringLiteral("10 20 30 40 50 60 70 80 90"));
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("sceltaGraficoComboBox"))->count(), 10);

    // A row never stays without a count.
    auto* due = trova<QPushButton>(&d, QStringLiteral("presenza3_2PushButton"));
    auto* uno = trova<QPushButton>(&d, QStringLiteral("presenza3_1PushButton"));
    auto* zero = trova<QPushButton>(&d, QStringLiteral("presenza3_0PushButton"));
    due->click();
    zero->click();
    uno->click();
    QVERIFY(due->isChecked() && !zero->isChecked());
    due->click();
    QVERIFY(zero->isChecked());
    zero->click();
    QVERIFY(zero->isChecked());

    // The arrows stop at 9.
    auto* errori = trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"));
    for (int i = 0; i < 12; ++i) {
        trova<QToolButton>(&d, QStringLiteral("erroriPiuToolButton"))->click();
    }
    QCOMPARE(errori->text(), QStringLiteral("9"));

    // No cadence in use: refused, the record and the file untouched.
    const auto prima = m_prova->stato.sistema.riduzioni.cadenze;
    for (int g = 1; g <= 10; ++g) {
        trova<QCheckBox>(&d, QStringLiteral("gruppo%1CheckBox").arg(g))->setChecked(false);
    }
    applica(d);
    QCOMPARE(messaggio(), QStringLiteral("Selezionare almeno una cadenza!"));
    QVERIFY(m_prova->stato.sistema.riduzioni.cadenze == prima);
    QVERIFY(!esiste("Cadenze.def"));

    // Two in use with 9 errors: stored as 1. A failed write says so and the settings still stand.
    trova<QCheckBox>(&d, QStringLiteral("gruppo1CheckBox"))->setChecked(true);
    trova<QCheckBox>(&d, QStringLiteral("gruppo3CheckBox"))->setChecked(true);
    m_prova->stato.cartelle.dati = m_prova->cartella.file("nessuna/cartella");
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    QCOMPARE(m_prova->messaggi.mostrati.back().testo, std::string(file_riduzioni::ErroreScritturaDisco));
    const GruppiFissi record = GruppiDelSistema(m_prova->stato.sistema, FamigliaGruppi::Cadenze);
    QCOMPARE(record.gruppiInUso(), 2);
    QCOMPARE(record.massimoErrori, 1);
    QCOMPARE(int(record.ammesse[2]), 1);
    QCOMPARE(errori->text(), QStringLiteral("1"));
    d.grab().save(QStringLiteral("/tmp/rid_cadenze_dialog.png"));
}

void RidGruppiDialogTest::figureFiltranoLeGiocate()
{
    ElencoGiocate& elenco = m_prova->stato.giocate;
    QVERIFY(elenco.AssicuraCapacita(3));
    elenco.voce(1) = test::giocata({9, 18, 27}); // three of figure 9
    elenco.voce(2) = test::giocata({1, 2, 3});
    elenco.voce(3) = test::giocata({1, 4, 10}); // two of figure 1
    elenco.setConteggio(3);
    TRidFigure d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione in base alle figure"));
    QCOMPARE(trova<QCheckBox>(&d, QStringLiteral("gruppo9CheckBox"))->text(),
             QStringLiteral("9 18 27 36 45 54 63 72 81 90"));
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->isChecked());
    QCOMPARE(trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->text(),
             QStringLiteral("Applica riduzione alle 3 giocate attuali"));
    d.grab().save(QStringLiteral("/tmp/rid_figure_dialog.png"));
    applica(d);
    QCOMPARE(elenco.conteggio(), 1);
    QVERIFY(elenco.voce(1) == test::giocata({1, 2, 3}));
    QVERIFY(esiste("Figure.def"));
    QVERIFY(!d.isVisible());
}

void RidGruppiDialogTest::decineAnalisiEErrori()
{
    pronostico(20, 2);
    TRidDecine d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione in base alle decine naturali"));
    QCOMPARE(trova<QCheckBox>(&d, QStringLiteral("gruppo9CheckBox"))->text(),
             QStringLiteral("81 82 83 84 85 86 87 88 89 90"));
    auto* errori = trova<QLineEdit>(&d, QStringLiteral("erroriLineEdit"));
    errori->setText(QStringLiteral("9"));
    trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton"))->click();
    QCOMPARE(messaggio(), QStringLiteral("Il numero massimo di errori consentiti non è valido.\r"
                                         "Inserire un numero minore di 9 e maggiore o uguale a 0."));
    QVERIFY(m_prova->servizi.dialoghi.empty());

    errori->setText(QStringLiteral("0"));
    ConteggiAnalisi conteggi;
    QStringList titoli;
    m_prova->servizi.dialogo = [&](QDialog& finestra) -> std::optional<int> {
        titoli << finestra.windowTitle();
        auto& analisi = static_cast<TAnalisiDialog&>(finestra);
        analisi.show();
        analisi.avviaCalcolo();
        conteggi = analisi.conteggi();
        return QDialog::Accepted;
    };
    trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton"))->click();
    // The pairs of 1..20 with both numbers in one decade: 2 * C(10, 2) = 90 err on it.
    QCOMPARE(conteggi.esaminate, 190);
    QCOMPARE(conteggi.nonRispettate[0] + conteggi.nonRispettate[1], 90);
    QCOMPARE(conteggi.valide, 100);
    trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton"))->click();
    QCOMPARE(titoli, (QStringList{QStringLiteral("Analisi giocate"), QStringLiteral("Analisi storica")}));
    QCOMPARE(m_prova->servizi.dialoghi, (std::vector<QString>{QStringLiteral("TAnalisiFiltroGiocate"),
                                                              QStringLiteral("TAnalisiFiltroStorica")}));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
}

void RidGruppiDialogTest::comandiDelMenu()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.setConteggio(1);
    const std::vector<std::pair<QString, QString>> voci{
        {QStringLiteral("Riduzione in base ai numeri"), QStringLiteral("TRidNumeri")},
        {QStringLiteral("Riduzione in base alle cadenze"), QStringLiteral("TRidCadenze")},
        {QStringLiteral("Riduzione in base alle figure"), QStringLiteral("TRidFigure")},
        {QStringLiteral("Riduzione in base alle decine"), QStringLiteral("TRidDecine")},
    };
    for (const auto& [testo, classe] : voci) {
        QAction* azione = test::azione(&finestra, testo);
        QVERIFY(azione->isEnabled());
        QString aperta;
        QTimer::singleShot(0, this, [&] {
            if (auto* d = qobject_cast<TRidFiltroGruppi*>(QApplication::activeModalWidget())) {
                aperta = QString::fromLatin1(d->metaObject()->className());
                d->reject();
            }
        });
        azione->trigger();
        QCOMPARE(aperta, classe);
    }
    QVERIFY(m_prova->messaggi.mostrati.empty());
}

QTEST_MAIN(RidGruppiDialogTest)
#include "rid_gruppi_dialog_test.moc"
