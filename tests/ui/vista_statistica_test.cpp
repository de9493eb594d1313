#include "core/archivio_testo.h"
#include "editor/smorfia.h"
#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/vista_statistica.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// Four draws on Bari only: 1..5, 6..10, 11..15, 1 16 17 18 19.
ArchivioStorico ArchivioPiccolo()
{
    ArchivioStorico a;
    const int numeri[4][5] = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {1, 16, 17, 18, 19}};
    for (int i = 0; i < 4; ++i) {
        Tipo_Estrazione e;
        e.giorno = static_cast<std::uint8_t>(i + 1);
        e.mese = 3;
        e.setAnno(2021);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Bari, p, static_cast<std::uint8_t>(numeri[i][p - 1]));
        }
        a.InserisciEstrazione(e);
    }
    return a;
}

QString Cella(QTableView* t, int riga, int colonna)
{
    return t->model()->index(riga, colonna).data().toString();
}

} // namespace

class VistaStatisticaTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;

    template <typename T> T* w(const char* nome) const { return test::trova<T>(m_finestra.get(), nome); }

    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }

    GraficoBarre* grafico() const { return w<GraficoBarre>("statisticheGraficoBarre"); }
    QComboBox* selettore() const { return w<QComboBox>("visualizzaComboBox"); }

    // Picks an entry of the selector as the user does.
    void scegli(int indice)
    {
        QComboBox* s = selettore();
        s->setCurrentIndex(indice);
        emit s->activated(indice);
    }

private slots:
    void init()
    {
        m_prova = std::make_unique<test::StatoDiProva>();
        m_prova->stato.archivio = ArchivioPiccolo();
        QVERIFY(smorfia::ScriviSmorfia(m_prova->cartella.file(smorfia::NomeFile),
                                       {{12, "i soldati"}, {31, "il padrone di casa"}, {70, "casa grande"}}));
        m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
        m_finestra->iniziaNuovoSistema();
        m_finestra->resize(1100, 900);
        m_finestra->show();
    }

    void cleanup()
    {
        m_prova->stato.sistema.modificato = false;
        m_finestra.reset();
        m_prova.reset();
    }

    void ilSelettoreCambiaVista()
    {
        QCOMPARE(selettore()->currentIndex(), 0);
        QCOMPARE(grafico()->titolo(), QStringLiteral("Ritardi dei 90 numeri sulle ruote selezionate"));
        auto* impostazioni = w<QToolButton>("impostazioniGraficoToolButton");
        QVERIFY(!impostazioni->isEnabled());
        QCOMPARE(grafico()->valore(0), 0.0); // 1 came out in the last draw
        QCOMPARE(grafico()->valore(1), 3.0);

        // N = 100 exceeds the four draws: the title and the setting take 4.
        scegli(1);
        QCOMPARE(grafico()->titolo(), QStringLiteral("Frequenze dei 90 numeri su 4 estrazioni"));
        QCOMPARE(m_prova->stato.generali.ifNumEstra, 4);
        QVERIFY(impostazioni->isEnabled());
        QCOMPARE(grafico()->valore(0), 2.0);

        scegli(3);
        auto* griglia = w<QTableView>("statisticheTableView");
        QVERIFY(griglia->isVisible());
        QCOMPARE(griglia->model()->rowCount(), 990);
        QCOMPARE(griglia->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Ritardo"));
        // 1 on Bari (delay 0) gives way to the first larger delay, 1 never drawn on Cagliari.
        QCOMPARE(Cella(griglia, 0, 0), QStringLiteral("1"));
        QCOMPARE(Cella(griglia, 0, 1), QStringLiteral("Cagliari"));
        QCOMPARE(Cella(griglia, 0, 2), QStringLiteral("4"));

        // The circle has a window of its own, opened from its menu entry.
        QVERIFY(azione(QStringLiteral("Cerchio ciclometrico"))->isEnabled());
    }

    void ilMenuScegieLaVista()
    {
        azione(QStringLiteral("I ritardi dei 4005 ambi"))->trigger();
        QCOMPARE(selettore()->currentIndex(), 11);
        auto* griglia = w<QTableView>("statisticheTableView");
        QCOMPARE(griglia->model()->rowCount(), 4005);
        QCOMPARE(Cella(griglia, 0, 0), QStringLiteral("1 6")); // never drawn: delay 4, first of the ties
        QCOMPARE(griglia->model()->index(0, 1).data(Qt::UserRole + 2).toString(),
                 QStringLiteral("Ambo mai uscito!"));
        // 1 2 came out only in the oldest draw: delay 3, no label.
        for (int r = 0; r < 4005; ++r) {
            if (Cella(griglia, r, 0) == QStringLiteral("1 2")) {
                QCOMPARE(Cella(griglia, r, 1), QStringLiteral("3"));
                QVERIFY(griglia->model()->index(r, 1).data(Qt::UserRole + 2).toString().isEmpty());
            }
        }
        azione(QStringLiteral("Ritardi nelle 5 posizioni"))->trigger();
        QCOMPARE(selettore()->currentIndex(), 7);
        QCOMPARE(grafico()->serie(), 5);
    }

    void ilClicCambiaOrdine()
    {
        using O = GraficoBarre::Ordinamento;
        QCOMPARE(grafico()->ordinamento(), O::Decrescente);
        QTest::mouseClick(grafico(), Qt::LeftButton, {}, grafico()->rect().center());
        QCOMPARE(grafico()->ordinamento(), O::Crescente);
        QTest::mouseClick(grafico(), Qt::LeftButton, {}, grafico()->rect().center());
        QCOMPARE(grafico()->ordinamento(), O::Naturale);
        QCOMPARE(grafico()->ordineMostrato().front(), 0);

        // The order survives a change of view.
        scegli(1);
        QCOMPARE(grafico()->ordinamento(), O::Crescente);
        scegli(0);
        QCOMPARE(grafico()->ordinamento(), O::Naturale);

        // The multi-series charts flip direction and order by the "Ordina per:" entry.
        scegli(5);
        auto* ordina = w<QComboBox>("ordinaPerComboBox");
        QCOMPARE(ordina->currentText(), QStringLiteral("Ritardi attuali"));
        QCOMPARE(grafico()->ordinamento(), O::Decrescente);
        QTest::mouseClick(grafico(), Qt::LeftButton, {}, grafico()->rect().center());
        QCOMPARE(grafico()->ordinamento(), O::Crescente);
        ordina->setCurrentIndex(0);
        emit ordina->activated(0);
        QCOMPARE(grafico()->serieChiave(), -1);
        QCOMPARE(grafico()->ordineMostrato().front(), 0);
    }

    void leRuoteENuovoRicalcolano()
    {
        scegli(3);
        // Only Nazionale: the delays of view 0 are all 4.
        w<QCheckBox>("ruota11CheckBox")->click();
        w<QCheckBox>("ruota12CheckBox")->click();
        QCOMPARE(m_prova->stato.sistema.ruote[Nazionale - 1], std::uint8_t{1});
        scegli(0);
        QCOMPARE(grafico()->valore(0), 4.0);
        scegli(4);
        m_finestra->iniziaNuovoSistema();
        QCOMPARE(selettore()->currentIndex(), 0);
        QCOMPARE(grafico()->valore(0), 0.0);
    }

    void smorfiaEAnalisi()
    {
        azione(QStringLiteral("La smorfia"))->trigger();
        auto* smo = w<QLineEdit>("smoLineEdit");
        QTest::keyClicks(smo, QStringLiteral("casa 12"));
        QTest::keyClick(smo, Qt::Key_Return);
        auto* risultati = w<QTableView>("smorfiaTableView");
        QCOMPARE(risultati->model()->rowCount(), 3);
        QCOMPARE(Cella(risultati, 0, 0), QStringLiteral("    70"));
        QCOMPARE(Cella(risultati, 0, 1), QStringLiteral("Casa grande"));
        QCOMPARE(Cella(risultati, 1, 0), QStringLiteral("    12"));
        QCOMPARE(Cella(risultati, 2, 0), QStringLiteral("    31"));

        azione(QStringLiteral("Analisi combinazioni"))->trigger();
        auto* numeri = w<QLineEdit>("combinazioneLineEdit");
        auto* visualizza = w<QPushButton>("visualizzaPushButton");
        QVERIFY(!visualizza->isEnabled());
        QTest::keyClicks(numeri, QStringLiteral("1 1"));
        QVERIFY(visualizza->isEnabled());
        QTest::mouseClick(visualizza, Qt::LeftButton);
        QCOMPARE(
            m_prova->messaggi.ultimo(),
            std::string("Alcuni numeri non sono validi!\rInserire i numeri separandoli con uno spazio."));
        numeri->clear();
        QTest::keyClicks(numeri, QStringLiteral("1 2 x6"));
        QCOMPARE(numeri->text(), QStringLiteral("1 2 6"));
        QTest::keyClick(numeri, Qt::Key_Return);
        auto* analisi = w<QTableView>("analisiTableView");
        // Draws 1, 2 and 4, an empty row, eleven wheels, an empty row, the total.
        QCOMPARE(analisi->model()->rowCount(), 3 + 14);
        QCOMPARE(Cella(analisi, 0, 0), QStringLiteral("1/3/2021"));
        QCOMPARE(Cella(analisi, 0, 2), QStringLiteral("1"));
        QCOMPARE(Cella(analisi, 16, 0), QStringLiteral("TOTALE:"));
        QCOMPARE(Cella(analisi, 16, 1), QStringLiteral("2"));
        QCOMPARE(analisi->currentIndex().row(), 16);

        m_prova->stato.sistema.pronostico[4] = 1;
        m_prova->stato.sistema.pronostico[89] = 1;
        w<QPushButton>("pronosticoPushButton")->click();
        QCOMPARE(numeri->text(), QStringLiteral("5 90"));
    }

    // Before any analysis the grid already shows its six columns, the eleven archive wheels, an empty
    // row and the total, with no counts.
    void laGrigliaDellAnalisiParteConLeRuote()
    {
        azione(QStringLiteral("Analisi combinazioni"))->trigger();
        auto* analisi = w<QTableView>("analisiTableView");
        QVERIFY(analisi->isVisible());
        const QStringList colonne = {QStringLiteral("Data/Ruota"),  QStringLiteral("Nº estratti"),
                                     QStringLiteral("Nº ambi"),     QStringLiteral("Nº terni"),
                                     QStringLiteral("Nº quaterne"), QStringLiteral("Nº cinquine")};
        QCOMPARE(analisi->model()->columnCount(), colonne.size());
        for (int c = 0; c < colonne.size(); ++c) {
            QCOMPARE(analisi->model()->headerData(c, Qt::Horizontal).toString(), colonne.at(c));
        }
        const QStringList righe = {
            QStringLiteral("Bari"),    QStringLiteral("Cagliari"),  QStringLiteral("Firenze"),
            QStringLiteral("Genova"),  QStringLiteral("Milano"),    QStringLiteral("Napoli"),
            QStringLiteral("Palermo"), QStringLiteral("Roma"),      QStringLiteral("Torino"),
            QStringLiteral("Venezia"), QStringLiteral("Nazionale"), QString(),
            QStringLiteral("TOTALE")};
        QCOMPARE(analisi->model()->rowCount(), 13);
        for (int r = 0; r < righe.size(); ++r) {
            QCOMPARE(Cella(analisi, r, 0), righe.at(r));
            for (int c = 1; c < colonne.size(); ++c) {
                QVERIFY(Cella(analisi, r, c).isEmpty());
            }
        }
    }

    // The view alone: the settings button and the help button.
    void impostazioniEGuida()
    {
        VistaStatistica vista(m_prova->stato, m_prova->servizi);
        std::vector<bool> aperte;
        vista.setApriImpostazioni([&](bool probabilita) {
            aperte.push_back(probabilita);
            m_prova->stato.generali.ifNumEstra = 2;
        });
        vista.show();
        vista.selezionaVista(viste::Vista::GraficoFrequenze);
        auto* grafico = vista.findChild<GraficoBarre*>(QStringLiteral("statisticheGraficoBarre"));
        vista.findChild<QToolButton*>(QStringLiteral("impostazioniGraficoToolButton"))->click();
        QCOMPARE(aperte, (std::vector<bool>{false}));
        QCOMPARE(grafico->titolo(), QStringLiteral("Frequenze dei 90 numeri su 2 estrazioni"));
        vista.selezionaVista(viste::Vista::GraficoProbabilita);
        vista.findChild<QToolButton*>(QStringLiteral("impostazioniGraficoToolButton"))->click();
        QCOMPARE(aperte, (std::vector<bool>{false, true}));
        auto* guida = vista.findChild<QToolButton*>(QStringLiteral("guidaToolButton"));
        QVERIFY(guida->toolTip().startsWith(QStringLiteral("Il grafico mostra la probabilità assegnata")));
        guida->click();
        QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("stats_probabilita.htm")});
        // A grid has neither help topic nor explanation.
        vista.selezionaVista(viste::Vista::NumeriMenoFrequenti);
        QVERIFY(guida->isHidden());
        QVERIFY(guida->toolTip().isEmpty());
    }

    // With QUARVIN_CATTURE=DIR every view of the shipped archive is saved as DIR/vista_K.png.
    void catture()
    {
        const char* cartella = std::getenv("QUARVIN_CATTURE");
        if (cartella == nullptr) {
            QSKIP("QUARVIN_CATTURE not set");
        }
        ArchivioStorico reale;
        (void)ImportaFileArchivioTesto(std::string(std::getenv("QUARVIN_SORGENTI")) + "/data/storico.txt",
                                       reale);
        m_prova->stato.archivio = reale;
        std::filesystem::remove(m_prova->cartella.file(smorfia::NomeFile));
        QVERIFY(smorfia::PreparaSmorfiaPredefinita(m_prova->cartella.cartella(),
                                                   std::string(std::getenv("QUARVIN_SORGENTI")) +
                                                       "/data/smorfia.txt")
                    .empty());
        m_finestra->iniziaNuovoSistema();
        m_finestra->resize(1280, 1000);
        const QString radice = QString::fromLocal8Bit(cartella);
        for (int k = 0; k < 15; ++k) {
            scegli(k);
            if (k == 13) {
                QTest::keyClicks(w<QLineEdit>("smoLineEdit"), QStringLiteral("casa"));
                QTest::keyClick(w<QLineEdit>("smoLineEdit"), Qt::Key_Return);
            }
            if (k == 14) {
                QTest::keyClicks(w<QLineEdit>("combinazioneLineEdit"), QStringLiteral("1 2 3 4 5"));
                QTest::keyClick(w<QLineEdit>("combinazioneLineEdit"), Qt::Key_Return);
            }
            QApplication::processEvents();
            QVERIFY(m_finestra->grab().save(QStringLiteral("%1/finestra_%2.png").arg(radice).arg(k)));
            QVERIFY(w<VistaStatistica>("vistaStatistica")
                        ->grab()
                        .save(QStringLiteral("%1/vista_%2.png").arg(radice).arg(k)));
        }
        // The window maximised on common screens: the screen less a task bar and a title bar.
        scegli(5);
        for (const QSize schermo : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)}) {
            m_finestra->resize(schermo.width(), schermo.height() - 70);
            QApplication::processEvents();
            QVERIFY(m_finestra->grab().save(QStringLiteral("%1/schermo_%2x%3.png")
                                                .arg(radice)
                                                .arg(schermo.width())
                                                .arg(schermo.height())));
        }
    }
};

QTEST_MAIN(VistaStatisticaTest)
#include "vista_statistica_test.moc"
