#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_filtri.h"
#include "support/finestre_prova.h"
#include "ui/analisi_dialog.h"
#include "ui/imposta_punteggi_dialog.h"
#include "ui/pri_window.h"
#include "ui/rid_giocate_filtro_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

// The filter plays dialog, driven through its widgets.
class RidGiocateFiltroDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void elencoEModifica();
    void accettazioneRifiutataNonCambiaNulla();
    void importaEsportaEliminaPunteggi();
    void riduceLeGiocate();
    void comandoDelMenu();

private:
    template <typename T> T* trova(QObject* d, const QString& nome) const { return test::trova<T>(d, nome); }
    QPushButton* numero(QObject* d, int n) const
    {
        return trova<QPushButton>(d, QStringLiteral("numero%1PushButton").arg(n));
    }
    QPushButton* punteggio(QObject* d, int s) const
    {
        return trova<QPushButton>(d, QStringLiteral("punteggio%1PushButton").arg(s));
    }
    QString cella(QObject* d, int riga, int colonna) const
    {
        return trova<QTableWidget>(d, QStringLiteral("giocateFiltroTableWidget"))
            ->item(riga, colonna)
            ->text();
    }
    void filtri(std::initializer_list<std::pair<std::vector<int>, std::vector<int>>> voci, int errori)
    {
        GiocateFiltro record;
        for (const auto& [numeri, punteggi] : voci) {
            GiocataFiltro f;
            for (int n : numeri) {
                f.numeri.aggiungi(n);
            }
            for (int s : punteggi) {
                f.punteggi = static_cast<std::uint16_t>(f.punteggi | (1U << s));
            }
            record.filtri.push_back(f);
        }
        record.massimoErrori = errori;
        ImpostaGiocateFiltro(m_prova->stato.sistema, record);
    }
    QString file(const char* nome) const { return QString::fromStdString(m_prova->cartella.file(nome)); }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidGiocateFiltroDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    for (int n = 1; n <= 20; ++n) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    m_prova->stato.sistema.numeriPerGiocata = 3;
}

void RidGiocateFiltroDialogTest::cleanup()
{
    m_prova.reset();
}

void RidGiocateFiltroDialogTest::elencoEModifica()
{
    filtri({{{1, 2, 3}, {0, 1}}, {{40}, {1}}}, 1);
    TRidGiocateFiltro d(m_prova->stato, m_prova->servizi);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione tramite giocate filtro"));
    auto* elenco = trova<QTableWidget>(&d, QStringLiteral("giocateFiltroTableWidget"));
    auto* errori = trova<QComboBox>(&d, QStringLiteral("erroriComboBox"));
    auto* editor = trova<QGroupBox>(&d, QStringLiteral("editorGroupBox"));
    QCOMPARE(elenco->rowCount(), 3);
    QCOMPARE(cella(&d, 0, 1), QStringLiteral("1 2 3"));
    QCOMPARE(cella(&d, 0, 2), QStringLiteral("0 1"));
    QCOMPARE(cella(&d, 2, 1), QStringLiteral("Fare clic per inserire la giocata filtro nº 3"));
    QCOMPARE(errori->count(), 2);
    QCOMPARE(errori->currentText(), QStringLiteral("1"));
    QCOMPARE(editor->title(), QStringLiteral("Giocata filtro Nº 1"));
    QVERIFY(numero(&d, 2)->isChecked() && punteggio(&d, 1)->isChecked() && !punteggio(&d, 2)->isChecked());
    // Only the prediction's numbers can be toggled; the 40 of the second filter play shows but is locked.
    QVERIFY(numero(&d, 20)->isEnabled() && !numero(&d, 21)->isEnabled());
    elenco->setCurrentCell(1, 1);
    QVERIFY(numero(&d, 40)->isChecked() && !numero(&d, 40)->isEnabled());

    // The inviting row becomes filter play 3 at the first toggle; a new inviting row follows.
    elenco->setCurrentCell(2, 1);
    QCOMPARE(editor->title(), QStringLiteral("Giocata filtro Nº 3"));
    punteggio(&d, 4)->click();
    QCOMPARE(elenco->rowCount(), 4);
    QCOMPARE(cella(&d, 2, 1), QString());
    QCOMPARE(cella(&d, 2, 2), QStringLiteral("4"));
    QCOMPARE(cella(&d, 3, 1), QStringLiteral("Fare clic per inserire la giocata filtro nº 4"));
    QCOMPARE(errori->count(), 3);
    numero(&d, 7)->click();
    QCOMPARE(cella(&d, 2, 1), QStringLiteral("7"));
    // The record follows every toggle, Filtri.def only an acceptance.
    QCOMPARE(GiocateFiltroDelSistema(m_prova->stato.sistema).filtri.size(), std::size_t{3});
    QVERIFY(!QFile::exists(file("Filtri.def")));

    // Emptied, it leaves the list; the row selected now shows the inviting entry.
    numero(&d, 7)->click();
    punteggio(&d, 4)->click();
    QCOMPARE(elenco->rowCount(), 3);
    QCOMPARE(d.rigaSelezionata(), 2);
    QVERIFY(!punteggio(&d, 4)->isChecked());
    QCOMPARE(GiocateFiltroDelSistema(m_prova->stato.sistema).filtri.size(), std::size_t{2});

    auto* solo = trova<QCheckBox>(&d, QStringLiteral("soloPronosticoCheckBox"));
    QVERIFY(solo->isChecked());
    solo->click();
    QVERIFY(numero(&d, 90)->isEnabled());
    d.grab().save(QStringLiteral("/tmp/rid_giocate_filtro_dialog.png"));
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("annullaPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidFiltroCB1"), std::optional<std::int32_t>(0));
}

void RidGiocateFiltroDialogTest::accettazioneRifiutataNonCambiaNulla()
{
    filtri({{{1, 2}, {1}}, {{3}, {}}}, 1);
    const auto prima = m_prova->stato.sistema.riduzioni.giocateFiltro;
    TRidGiocateFiltro d(m_prova->stato, m_prova->servizi);
    d.show();
    trova<QComboBox>(&d, QStringLiteral("erroriComboBox"))->setCurrentIndex(0);
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Una giocata filtro risulta priva di numeri o di punteggi consentiti."));
    QCOMPARE(d.rigaSelezionata(), 1);
    QVERIFY(d.isVisible());
    QVERIFY(!QFile::exists(file("Filtri.def")));
    QVERIFY(m_prova->stato.sistema.riduzioni.giocateFiltro == prima); // the maximum errors is still 1

    // Mended, it is accepted: the record and the file take the new maximum errors.
    punteggio(&d, 0)->click();
    QVERIFY(d.accetta());
    QCOMPARE(GiocateFiltroDelSistema(m_prova->stato.sistema).massimoErrori, 0);
    const auto scritto = test::LeggiFile(file("Filtri.def").toStdString());
    QCOMPARE(scritto.size(), std::size_t{15160});
    QVERIFY(
        std::equal(scritto.begin(), scritto.end(), m_prova->stato.sistema.riduzioni.giocateFiltro.begin()));
}

void RidGiocateFiltroDialogTest::importaEsportaEliminaPunteggi()
{
    filtri({{{10}, {0}}}, 0);
    std::ofstream(m_prova->cartella.file("filtri.txt"), std::ios::binary) << "5 12 40 - 0 1 15\r\n- 3\n";
    m_prova->servizi.file = file("filtri.txt");
    TRidGiocateFiltro d(m_prova->stato, m_prova->servizi);
    d.show();
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("importaPushButton")), Qt::LeftButton);
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QVERIFY(!trova<QCheckBox>(&d, QStringLiteral("soloPronosticoCheckBox"))->isChecked());
    QCOMPARE(cella(&d, 1, 1), QStringLiteral("5 12 40"));
    QCOMPARE(cella(&d, 1, 2), QStringLiteral("0 1"));
    QCOMPARE(cella(&d, 2, 1), QString());
    QCOMPARE(cella(&d, 2, 2), QStringLiteral("3"));
    QCOMPARE(m_prova->servizi.scelteFile.back().filtro,
             QStringLiteral("File di testo (*.txt);;Tutti i file (*)"));

    // "- 3" has no number: the export accepts first and stops there.
    m_prova->servizi.file = file("esportate.txt");
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("esportaPushButton")), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Una giocata filtro risulta priva di numeri o di punteggi consentiti."));
    QCOMPARE(d.rigaSelezionata(), 2);
    QVERIFY(!QFile::exists(file("esportate.txt")));
    numero(&d, 33)->click();

    // Every filter play takes the scores chosen once.
    m_prova->servizi.dialogo = [this](QDialog& finestra) -> std::optional<int> {
        finestra.grab().save(QStringLiteral("/tmp/imposta_punteggi_dialog.png"));
        punteggio(&finestra, 2)->click();
        punteggio(&finestra, 9)->click();
        return QDialog::Accepted;
    };
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("modificaPunteggiPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->servizi.dialoghi.back(), QStringLiteral("TImpostaPunteggi"));
    QCOMPARE(cella(&d, 0, 2), QStringLiteral("2 9"));
    QCOMPARE(cella(&d, 2, 2), QStringLiteral("2 9"));

    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("esportaPushButton")), Qt::LeftButton);
    const auto testo = test::LeggiFile(file("esportate.txt").toStdString());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(testo.data()), static_cast<qsizetype>(testo.size())),
             QByteArray("10 - 2 9\n5 12 40 - 2 9\n33 - 2 9\n"));

    // A file without one valid line: the Part's message, the list as it was.
    std::ofstream(m_prova->cartella.file("vuoto.txt"), std::ios::binary) << std::string("\x01\x02\n\n", 4);
    m_prova->servizi.file = file("vuoto.txt");
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("importaPushButton")), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Nel file ") + file("vuoto.txt") +
                 QStringLiteral(" non è stata trovata nessuna giocata filtro valida."));
    QCOMPARE(trova<QTableWidget>(&d, QStringLiteral("giocateFiltroTableWidget"))->rowCount(), 4);

    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    auto* elimina = trova<QPushButton>(&d, QStringLiteral("eliminaTuttePushButton"));
    QTest::mouseClick(elimina, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Eliminare tutte le giocate filtro ?"));
    QCOMPARE(trova<QTableWidget>(&d, QStringLiteral("giocateFiltroTableWidget"))->rowCount(), 4);
    QTest::mouseClick(elimina, Qt::LeftButton);
    QCOMPARE(trova<QTableWidget>(&d, QStringLiteral("giocateFiltroTableWidget"))->rowCount(), 1);
    QCOMPARE(trova<QComboBox>(&d, QStringLiteral("erroriComboBox"))->count(), 0);
    QVERIFY(GiocateFiltroDelSistema(m_prova->stato.sistema).filtri.empty());
    // Filtri.def keeps what the export accepted.
    BloccoRecord<15160> salvato{};
    QCOMPARE(LeggiGiocateFiltro(m_prova->cartella.cartella(), salvato), EsitoLettura::Letto);
    QCOMPARE(GiocateFiltro::daBlocco(salvato).filtri.size(), std::size_t{3});
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Inserire almeno una giocata filtro."));
}

void RidGiocateFiltroDialogTest::riduceLeGiocate()
{
    // 1 2 3 4 5 allowing 0 or 1 in common: of the plays below only 1 6 7 and 8 9 10 stay.
    filtri({{{1, 2, 3, 4, 5}, {0, 1}}}, 0);
    ElencoGiocate& giocate = m_prova->stato.giocate;
    giocate.AllocaAnnulla();
    QVERIFY(giocate.AssicuraCapacita(3));
    giocate.voce(1) = test::giocata({1, 2, 8});
    giocate.voce(2) = test::giocata({1, 6, 7});
    giocate.voce(3) = test::giocata({8, 9, 10});
    giocate.setConteggio(3);
    TRidGiocateFiltro d(m_prova->stato, m_prova->servizi);
    d.show();
    QVERIFY(trova<QRadioButton>(&d, QStringLiteral("giocateRadioButton"))->isChecked());

    // The analyses see the accepted filter plays; the plays one counts what the run will keep.
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
    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->servizi.dialoghi, (std::vector<QString>{QStringLiteral("TAnalisiFiltroGiocate"),
                                                              QStringLiteral("TAnalisiFiltroStorica")}));

    QTest::mouseClick(trova<QPushButton>(&d, QStringLiteral("avviaPushButton")), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(giocate.conteggio(), 2);
    QVERIFY(giocate.CercaGiocata(test::giocata({1, 6, 7})) != 0);
    QVERIFY(giocate.CercaGiocata(test::giocata({8, 9, 10})) != 0);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(QFile::exists(file("Filtri.def")));
}

void RidGiocateFiltroDialogTest::comandoDelMenu()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.setConteggio(1);
    bool aperto = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* d = qobject_cast<TRidGiocateFiltro*>(QApplication::activeModalWidget())) {
            aperto = true;
            d->reject();
        }
    });
    test::azione(&finestra, QStringLiteral("Riduzione tramite giocate filtro"))->trigger();
    QVERIFY(aperto);
}

QTEST_MAIN(RidGiocateFiltroDialogTest)
#include "rid_giocate_filtro_dialog_test.moc"
