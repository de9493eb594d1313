#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_condizionata.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/analisi_condizionata_dialog.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/rid_condizionata_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

// The conditional reduction dialog, driven through its widgets.
class RidCondizionataDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aperturaDalRecord();
    void validazioneEFocus_data();
    void validazioneEFocus();
    void grigliaCresceESiAzzera();
    void paginaInsiemeNonRestaVuota();
    void pronosticoAggiungeEScrive();
    void giocateTutteEliminate();
    void esecuzioneVuotaTieneIlModo();
    void graficoStorico();
    void analisi();
    void comandoDelMenu();

private:
    void pronostico(int n, int k);
    void condizioniPari(std::initializer_list<int> pari);
    template <typename T> T* trova(QObject* d, const QString& nome) const { return test::trova<T>(d, nome); }
    QPushButton* valore(TRidCondizionata& d, int criterio, int v) const
    {
        return trova<QPushButton>(trova<QWidget>(&d, QStringLiteral("pagina%1").arg(criterio)),
                                  QStringLiteral("valore%1PushButton").arg(v));
    }
    QTableWidget* griglia(TRidCondizionata& d, int criterio) const
    {
        return trova<QTableWidget>(trova<QWidget>(&d, QStringLiteral("pagina%1").arg(criterio)),
                                   QStringLiteral("intervalliTableWidget"));
    }
    void scrivi(QTableWidget* g, int riga, int colonna, const QString& testo)
    {
        g->setCurrentCell(riga, colonna);
        g->item(riga, colonna) != nullptr ? g->item(riga, colonna)->setText(testo)
                                          : g->setItem(riga, colonna, new QTableWidgetItem(testo));
    }
    QString messaggio() const { return QString::fromStdString(m_prova->messaggi.ultimo()); }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidCondizionataDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void RidCondizionataDialogTest::cleanup()
{
    m_prova.reset();
}

void RidCondizionataDialogTest::pronostico(int n, int k)
{
    for (int i = 0; i < n; ++i) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    m_prova->stato.sistema.numeriPerGiocata = k;
}

void RidCondizionataDialogTest::condizioniPari(std::initializer_list<int> pari)
{
    CondizioniRiduzione c;
    c.abilitati[0] = 1;
    for (int v : pari) {
        c.insiemi[0][static_cast<std::size_t>(v)] = 1;
    }
    c.errori[0] = 1;
    c.errori[Indice(Criterio::ErroriConsentiti)] = 1; // cleared when the dialog opens
    ImpostaCondizioni(m_prova->stato.sistema, c);
}

void RidCondizionataDialogTest::aperturaDalRecord()
{
    condizioniPari({2, 3});
    CondizioniRiduzione c = CondizioniDelSistema(m_prova->stato.sistema);
    c.abilitati[4] = 1;
    c.lista(Criterio::Somma).numero = 2;
    c.lista(Criterio::Somma).minimi = {150, 20};
    c.lista(Criterio::Somma).massimi = {300, 40};
    c.abilitati[8] = 1;
    c.lista(Criterio::Media).numero = 1;
    c.lista(Criterio::Media).minimi[0] = 10.5;
    c.lista(Criterio::Media).massimi[0] = 12;
    ImpostaCondizioni(m_prova->stato.sistema, c);
    m_prova->store.scriviIntero("IDE_RidCond_cbe", 4);
    m_prova->store.scriviIntero("IDE_RidCond_cb4", 11);

    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione condizionata"));
    QCOMPARE(trova<QPushButton>(&d, QStringLiteral("avviaPushButton"))->text(),
             QStringLiteral("Applica riduzione"));
    auto* lista = trova<QListWidget>(&d, QStringLiteral("criteriListWidget"));
    QCOMPARE(lista->count(), 25);
    QCOMPARE(lista->item(24)->text(), QStringLiteral("Errori consentiti"));
    QCOMPARE(lista->item(15)->text(), QStringLiteral("Consecutività numeriche"));
    QCOMPARE(lista->item(0)->checkState(), Qt::Checked);
    QCOMPARE(lista->item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(lista->item(24)->checkState(), Qt::Checked);
    QCOMPARE(lista->currentRow(), 4);
    QVERIFY(valore(d, 0, 2)->isChecked() && valore(d, 0, 3)->isChecked() && !valore(d, 0, 4)->isChecked());
    QCOMPARE(trova<QWidget>(&d, QStringLiteral("pagina24"))->findChildren<QPushButton*>().size(), 24);

    QTableWidget* somme = griglia(d, 4);
    QCOMPARE(somme->rowCount(), 3);
    QCOMPARE(somme->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(somme->item(0, 1)->text(), QStringLiteral("150"));
    QCOMPARE(somme->item(1, 2)->text(), QStringLiteral("40"));
    QCOMPARE(somme->horizontalHeaderItem(1)->text(), QStringLiteral("Somma minima"));
    QCOMPARE(griglia(d, 8)->item(0, 1)->text(), QStringLiteral("10.50"));
    QCOMPARE(griglia(d, 8)->horizontalHeaderItem(2)->text(), QStringLiteral("Media massima"));
    QCOMPARE(griglia(d, 13)->horizontalHeaderItem(1)->text(), QStringLiteral("Valore minimo"));

    // Empty list: the prediction mode, the plays mode off; no fixed numbers: "Considera Fisse" off.
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("pronosticoRadioButton"))->isChecked());
    auto* giocate = trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"));
    QVERIFY(!giocate->isEnabled());
    QCOMPARE(giocate->text(), QStringLiteral("Applica riduzione alle 0 giocate attuali"));
    QVERIFY(!trova<QCheckBox>(&d, QStringLiteral("consideraFisseCheckBox"))->isEnabled());
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("ruotaComboBox"))->currentText(),
             QStringLiteral("Nazionale"));
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("dimensioneComboBox"))->currentText(),
             QStringLiteral("Cinquine"));

    // "Errori consentiti" cannot be unticked; "Deseleziona tutti" keeps it.
    lista->item(24)->setCheckState(Qt::Unchecked);
    QCOMPARE(lista->item(24)->checkState(), Qt::Checked);
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("selezionaTuttiPushButton")), Qt::LeftButton);
    QCOMPARE(lista->item(17)->checkState(), Qt::Checked);
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("deselezionaTuttiPushButton")), Qt::LeftButton);
    QCOMPARE(lista->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(lista->item(24)->checkState(), Qt::Checked);

    lista->setCurrentRow(17);
    QCOMPARE(trova<QStackedWidget>(&d, QStringLiteral("pagineStackedWidget"))->currentIndex(), 17);
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("annullaPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidCond_cbe"), std::optional<std::int32_t>(17));
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidCond_cb4"), std::optional<std::int32_t>(11));
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidCond_cb2"), std::optional<std::int32_t>(0));
    // Nothing validated: the record is as it was.
    QCOMPARE(CondizioniDelSistema(m_prova->stato.sistema).blocco(), c.blocco());
}

void RidCondizionataDialogTest::validazioneEFocus_data()
{
    QTest::addColumn<int>("spunta");
    QTest::addColumn<QString>("minimo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("pagina");
    QTest::newRow("nessuna condizione")
        << -1 << QString() << QStringLiteral("Selezionare almeno una condizione!") << 0;
    QTest::newRow("intervallo mancante")
        << 6 << QString() << QStringLiteral("Inserire almeno un intervallo consentito.") << 6;
    QTest::newRow("minimo non valido")
        << 1 << QStringLiteral("900") << QStringLiteral("Il valore minimo dell'intervallo nº 1 non è valido.")
        << 11;
}

void RidCondizionataDialogTest::validazioneEFocus()
{
    QFETCH(int, spunta);
    QFETCH(QString, minimo);
    QFETCH(QString, testo);
    QFETCH(int, pagina);
    pronostico(10, 3);
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    auto* lista = trova<QListWidget>(&d, QStringLiteral("criteriListWidget"));
    if (spunta >= 0) {
        lista->item(spunta)->setCheckState(Qt::Checked);
    }
    if (!minimo.isEmpty()) {
        scrivi(griglia(d, 11), 0, 1, minimo);
        scrivi(griglia(d, 11), 0, 2, QStringLiteral("5"));
    }
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QCOMPARE(messaggio(), testo);
    QCOMPARE(lista->currentRow(), pagina);
    QVERIFY(d.isVisible());
    QVERIFY(!QFile::exists(QString::fromStdString(m_prova->cartella.file("Quarvin.con"))));
}

void RidCondizionataDialogTest::grigliaCresceESiAzzera()
{
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    QTableWidget* g = griglia(d, 4);
    QCOMPARE(g->rowCount(), 1);
    scrivi(g, 0, 1, QStringLiteral("10"));
    QCOMPARE(g->rowCount(), 2);
    scrivi(g, 1, 1, QStringLiteral("20"));
    scrivi(g, 2, 1, QStringLiteral("30"));
    QCOMPARE(g->rowCount(), 4);
    // Emptying the middle row: it goes once the cursor leaves it.
    scrivi(g, 1, 1, QString());
    g->setCurrentCell(0, 1);
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(g->item(1, 1)->text(), QStringLiteral("30"));
    QCOMPARE(g->item(2, 0)->text(), QStringLiteral("3"));

    // Only digits (and, for the means, "." with "," turned into it) reach a cell.
    g->setCurrentCell(2, 2);
    g->setItem(2, 2, new QTableWidgetItem);
    g->editItem(g->item(2, 2));
    auto* editor = g->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, QStringLiteral("4a,5"));
    QCOMPARE(editor->text(), QStringLiteral("45"));

    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    QTest::mouseClick(
        trova<QPushButton>(trova<QWidget>(&d, QStringLiteral("pagina4")), QStringLiteral("azzeraPushButton")),
        Qt::LeftButton);
    QCOMPARE(messaggio(), QStringLiteral("Eliminare tutti gli intervalli ?"));
    QCOMPARE(g->rowCount(), 3);
    QTest::mouseClick(
        trova<QPushButton>(trova<QWidget>(&d, QStringLiteral("pagina4")), QStringLiteral("azzeraPushButton")),
        Qt::LeftButton);
    QCOMPARE(g->rowCount(), 1);
    QVERIFY(g->item(0, 1) == nullptr || g->item(0, 1)->text().isEmpty());

    trova<QListWidget>(&d, QStringLiteral("criteriListWidget"))->setCurrentRow(8);
    QTableWidget* medie = griglia(d, 8);
    medie->setCurrentCell(0, 1);
    medie->setItem(0, 1, new QTableWidgetItem);
    medie->editItem(medie->item(0, 1));
    auto* riga = medie->findChild<QLineEdit*>();
    QVERIFY(riga != nullptr);
    QTest::keyClicks(riga, QStringLiteral("10,5"));
    QCOMPARE(riga->text(), QStringLiteral("10.5"));
}

void RidCondizionataDialogTest::paginaInsiemeNonRestaVuota()
{
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    QPushButton* tre = valore(d, 18, 3);
    tre->click();
    QVERIFY(tre->isChecked());
    tre->click();
    // The last value gone, 0 comes back.
    QVERIFY(valore(d, 18, 0)->isChecked());
    valore(d, 18, 0)->click();
    QVERIFY(valore(d, 18, 0)->isChecked());
}

void RidCondizionataDialogTest::pronosticoAggiungeEScrive()
{
    pronostico(10, 3);
    condizioniPari({1, 2});
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 100);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!d.isVisible());
    // The validated record, flag 24 set and error 24 clear, in memory and in Quarvin.con.
    const CondizioniRiduzione c = CondizioniDelSistema(m_prova->stato.sistema);
    QCOMPARE(int(c.abilitati[Indice(Criterio::ErroriConsentiti)]), 1);
    QCOMPARE(int(c.errori[Indice(Criterio::ErroriConsentiti)]), 0);
    const auto file = test::LeggiFile(m_prova->cartella.file("Quarvin.con"));
    QCOMPARE(file.size(), std::size_t{17888});
    QVERIFY(std::equal(file.begin(), file.end(), m_prova->stato.sistema.riduzioni.condizionata.begin()));
}

// A run that adds nothing leaves the mode the user chose, although the list holds plays: the next
// "Applica riduzione" must add to them again, not remove them.
void RidCondizionataDialogTest::esecuzioneVuotaTieneIlModo()
{
    for (int n : {1, 3, 5, 7}) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    m_prova->stato.sistema.numeriPerGiocata = 3;
    condizioniPari({1}); // no play of odd numbers has exactly one even number
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(2));
    m_prova->stato.giocate.voce(1) = test::giocata({2, 4, 6});
    m_prova->stato.giocate.voce(2) = test::giocata({1, 3, 5});
    m_prova->stato.giocate.setConteggio(2);
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    auto* pronostico = trova<QRadioButton>(&d, QStringLiteral("pronosticoRadioButton"));
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->isChecked());
    pronostico->click();
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);
    QVERIFY(d.isVisible());
    QVERIFY(pronostico->isChecked());
}

void RidCondizionataDialogTest::giocateTutteEliminate()
{
    pronostico(10, 3);
    condizioniPari({1});
    m_prova->stato.giocate.AllocaAnnulla();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(2));
    m_prova->stato.giocate.voce(1) = test::giocata({2, 4, 6});
    m_prova->stato.giocate.voce(2) = test::giocata({1, 3, 5});
    m_prova->stato.giocate.setConteggio(2);
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    auto* giocate = trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"));
    QVERIFY(giocate->isChecked());
    QCOMPARE(giocate->text(), QStringLiteral("Applica riduzione alle 2 giocate attuali"));
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QCOMPARE(messaggio(),
             QStringLiteral("Sono state eliminate tutte le giocate.\rVerificare le condizioni o la "
                            "presenza di eventuali fisse nel pronostico."));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(d.isVisible());
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("pronosticoRadioButton"))->isChecked());
    QVERIFY(!giocate->isEnabled());
    QCOMPARE(trova<QLabel>(&d, QStringLiteral("statoAvanzamentoLabel"))->text(),
             QStringLiteral("Stato avanzamento"));
    QCOMPARE(m_prova->stato.giocate.conteggioAnnulla(), 2);
}

void RidCondizionataDialogTest::graficoStorico()
{
    // Bari: 10 20 30 40 50 (5 even) and 1 2 3 4 5 (2 even); nothing on the other wheels.
    for (int n = 0; n < 2; ++n) {
        Tipo_Estrazione e;
        e.giorno = static_cast<std::uint8_t>(1 + n);
        e.mese = 1;
        e.setAnno(2020);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Bari, p, static_cast<std::uint8_t>(n == 0 ? 10 * p : p));
        }
        m_prova->stato.archivio.InserisciEstrazione(e);
    }
    condizioniPari({2});
    m_prova->store.scriviIntero("IDE_RidCond_cb4", 0);
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    d.aggiornaGrafico();
    auto* grafico = trova<GraficoBarre>(&d, QStringLiteral("graficoBarre"));
    auto* etichetta = trova<QLabel>(&d, QStringLiteral("estrazioniValideLabel"));
    QCOMPARE(trova<QGroupBox>(&d, QStringLiteral("graficoGroupBox"))->title(),
             QStringLiteral(" Statistiche sull'archivio storico, grafico: Numeri pari "));
    QCOMPARE(grafico->elementi(), 6);
    QCOMPARE(grafico->valore(2), 50.0);
    QCOMPARE(grafico->valore(5), 50.0);
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide: 50.0 %"));
    valore(d, 0, 5)->click();
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide: 100.0 %"));

    // The sum: bars 14..151, no label; an invalid interval shows its message and an empty chart.
    auto* lista = trova<QListWidget>(&d, QStringLiteral("criteriListWidget"));
    scrivi(griglia(d, 4), 0, 1, QStringLiteral("0"));
    scrivi(griglia(d, 4), 0, 2, QStringLiteral("100"));
    lista->setCurrentRow(4);
    QCOMPARE(grafico->elementi(), 151 - 14 + 1);
    QCOMPARE(grafico->etichetta(0), QStringLiteral("14"));
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide: 50.0 %"));
    scrivi(griglia(d, 4), 0, 2, QStringLiteral("900"));
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    QCOMPARE(messaggio(), QStringLiteral("Il valore massimo dell'intervallo nº 1 non è valido."));
    QCOMPARE(grafico->elementi(), 0);
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide:"));
    scrivi(griglia(d, 4), 0, 2, QStringLiteral("100"));

    // "Errori consentiti": a full computation (which validates), then recolouring only. With the sum
    // ticked, the first draw fails one criterion and the second none.
    lista->item(4)->setCheckState(Qt::Checked);
    lista->setCurrentRow(24);
    QVERIFY(grafico->elementi() > 0);
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide: 50.0 %"));
    QVERIFY(QFile::exists(QString::fromStdString(m_prova->cartella.file("Quarvin.con"))));
    lista->setCurrentRow(4);
    d.grab().save(QStringLiteral("/tmp/rid_condizionata_dialog_somma.png"));
    lista->setCurrentRow(24);
    m_prova->stato.archivio.svuota(); // a scan now would find nothing
    valore(d, 24, 1)->click();
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide: 100.0 %"));
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    QCOMPARE(etichetta->text(), QStringLiteral("Estrazioni valide:"));
    d.grab().save(QStringLiteral("/tmp/rid_condizionata_dialog.png"));
}

void RidCondizionataDialogTest::analisi()
{
    pronostico(10, 3);
    condizioniPari({1, 2});
    m_prova->stato.sistema.numeroFisse = 1;
    m_prova->stato.sistema.fisse[0] = 7;
    TRidCondizionata d(m_prova->stato, m_prova->servizi);
    d.show();
    QString titolo;
    ConteggiAnalisi conteggi;
    m_prova->servizi.dialogo = [&](QDialog& finestra) -> std::optional<int> {
        titolo = finestra.windowTitle();
        auto& analisi = static_cast<TAnalisiDialog&>(finestra);
        analisi.show();
        analisi.avviaCalcolo();
        conteggi = analisi.conteggi();
        finestra.grab().save(QStringLiteral("/tmp/analisi_condizionata_dialog.png"));
        return QDialog::Accepted;
    };
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton")), Qt::LeftButton);
    QCOMPARE(titolo, QStringLiteral("Analisi giocate"));
    QCOMPARE(conteggi.esaminate, 120);
    QCOMPARE(conteggi.valide, 30);
    QCOMPARE(conteggi.nonRispettate.size(), std::size_t{25});
    QCOMPARE(conteggi.nonRispettate[24], 84); // C(9, 3) plays without the 7
    QCOMPARE(conteggi.nonRispettate[0], 6);   // with the 7 and both others odd

    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton")), Qt::LeftButton);
    QCOMPARE(titolo, QStringLiteral(
                         "Analisi sull'archivio storico, ruota: Tutte , sviluppo estrazioni in: Cinquine"));
    QCOMPARE(conteggi.esaminate, 0);
    QCOMPARE(conteggi.nonRispettate.size(), std::size_t{24});
    QCOMPARE(m_prova->servizi.dialoghi, (std::vector<QString>{QStringLiteral("TAnalisiRidCondizionata"),
                                                              QStringLiteral("TAnalisiStoricaRidCond")}));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
}

void RidCondizionataDialogTest::comandoDelMenu()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    QAction* azione = nullptr;
    for (QAction* a : finestra.findChildren<QAction*>()) {
        if (a->text() == QStringLiteral("Riduzione condizionata")) {
            azione = a;
        }
    }
    QVERIFY(azione != nullptr && azione->isEnabled());

    // Empty list: the system is validated first, and an empty prediction stops there.
    azione->trigger();
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});

    // With plays there is no validation: the dialog opens.
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.setConteggio(1);
    bool aperto = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* d = qobject_cast<TRidCondizionata*>(QApplication::activeModalWidget())) {
            aperto = true;
            d->reject();
        }
    });
    azione->trigger();
    QVERIFY(aperto);
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
}

QTEST_MAIN(RidCondizionataDialogTest)
#include "rid_condizionata_dialog_test.moc"
