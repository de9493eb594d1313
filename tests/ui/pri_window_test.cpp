#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/griglia_numeri.h"
#include "ui/impo_notifiche_dialog.h"
#include "ui/notifica_dialog.h"
#include "ui/pri_window.h"
#include "ui/traduzioni_qt.h"
#include "ui/vista_giocate.h"
#include "ui/vista_statistica.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

// Centre of the cell of a number on the number grid (cells 43 x 30).
QPoint Cella(int numero)
{
    return {((numero - 1) % 10) * 43 + 21, ((numero - 1) / 10) * 30 + 15};
}

class OrologioFisso final : public Orologio
{
public:
    explicit OrologioFisso(DataOra adesso) : m_adesso(adesso) {}
    DataOra adesso() const override { return m_adesso; }
    std::uint64_t millisecondi() const override { return 0; }

private:
    DataOra m_adesso;
};

// What a maximised window loses to the desktop: a task bar and its own title bar.
constexpr int BarraApplicazioni = 40;
constexpr int BarraTitolo = 30;

} // namespace

class PriWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;

    template <typename T> T* w(const char* nome) const { return test::trova<T>(m_finestra.get(), nome); }
    QString etichetta(const char* nome) const { return w<QLabel>(nome)->text(); }

    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }

    void pronostico(std::initializer_list<int> numeri)
    {
        auto* griglia = w<GrigliaNumeri>("vssGrigliaNumeri");
        for (int n : numeri) {
            QTest::mouseClick(griglia, Qt::LeftButton, Qt::NoModifier, Cella(n));
        }
    }

private slots:
    void init()
    {
        m_prova = std::make_unique<test::StatoDiProva>();
        m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
        m_finestra->iniziaNuovoSistema();
        m_finestra->show();
    }

    void cleanup()
    {
        m_prova->stato.sistema.modificato = false;
        m_finestra.reset();
        m_prova.reset();
    }

    void statoIniziale()
    {
        QCOMPARE(m_finestra->windowTitle(), QStringLiteral("QUARVINA LOTTO - [Sistema1.qvs]"));
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 0 numeri"));
        QCOMPARE(etichetta("numeriPerGiocataLabel"), QStringLiteral("Numeri per giocata: 5"));
        QCOMPARE(etichetta("sviluppoLabel"), QStringLiteral("Sviluppo integrale: 0 giocate"));
        QCOMPARE(etichetta("ruoteLabel"), QStringLiteral("Nº Ruote: 1"));
        QCOMPARE(etichetta("percentualeLabel"), QStringLiteral("Percentuale di riduzione:"));
        QCOMPARE(etichetta("statoLabel"), QStringLiteral("Stato sistema: non modificato"));
        QVERIFY(w<QCheckBox>("ruota12CheckBox")->isChecked());
        // Every command has its window by now.
        QVERIFY(azione(QStringLiteral("Notifiche aggiornamenti"))->isEnabled());
        QVERIFY(azione(QStringLiteral("Riduzione cruciverba"))->isEnabled());
        QVERIFY(azione(QStringLiteral("Salva Sistema1.qvs"))->isEnabled());
    }

    // Every command has its action in a menu, with a caption (the recent files fill theirs later) and,
    // when it names one, a help page that ships.
    void ogniComandoHaAzioneMenuEGuida()
    {
        const QDir pagine(qEnvironmentVariable("QUARVIN_SORGENTI") + QStringLiteral("/data/help/html"));
        for (int i = 0; i < NumeroComandi; ++i) {
            const auto comando = static_cast<Comando>(i);
            QAction& a = m_finestra->azione(comando);
            const bool recente =
                i >= IndiceComando(Comando::Recente1) && i <= IndiceComando(Comando::Recente9);
            QVERIFY2(recente || !a.text().isEmpty(), qPrintable(QString::number(i)));
            bool inUnMenu = false;
            for (QObject* o : a.associatedObjects()) {
                inUnMenu = inUnMenu || qobject_cast<QMenu*>(o) != nullptr;
            }
            QVERIFY2(inUnMenu, qPrintable(a.text()));
            const QString guida = QString::fromLatin1(m_finestra->azioni().guida(comando));
            QVERIFY2(guida.isEmpty() || pagine.exists(guida), qPrintable(guida));
        }
        QCOMPARE(m_finestra->azione(Comando::Sommario).shortcut(), QKeySequence(Qt::Key_F1));
    }

    // Qt's own dialogs speak Italian like the program.
    void dialoghiDiQtInItaliano()
    {
        QTranslator traduzioni;
        QVERIFY(CaricaTraduzioniQt(traduzioni));
        QVERIFY(QCoreApplication::installTranslator(&traduzioni));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
        QCoreApplication::removeTranslator(&traduzioni);
    }

    void trattoSullaGriglia()
    {
        auto* griglia = w<GrigliaNumeri>("vssGrigliaNumeri");
        QTest::mousePress(griglia, Qt::LeftButton, Qt::NoModifier, Cella(1));
        QTest::mouseMove(griglia, Cella(2));
        QTest::mouseMove(griglia, Cella(3));
        QTest::mouseMove(griglia, Cella(13));
        QTest::mouseRelease(griglia, Qt::LeftButton, Qt::NoModifier, Cella(13));
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 4 numeri"));
        QCOMPARE(m_prova->stato.sistema.pronostico[12], std::uint8_t{1});
        QCOMPARE(etichetta("statoLabel"), QStringLiteral("Stato sistema: non salvato"));

        QTest::mousePress(griglia, Qt::RightButton, Qt::NoModifier, Cella(2));
        QTest::mouseMove(griglia, Cella(3));
        QTest::mouseRelease(griglia, Qt::RightButton, Qt::NoModifier, Cella(3));
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 2 numeri"));
    }

    void sviluppoEPercentuale()
    {
        pronostico({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        w<QComboBox>("numpergioComboBox")->setCurrentIndex(2);
        QCOMPARE(etichetta("sviluppoLabel"), QStringLiteral("Sviluppo integrale: 120 giocate"));
        QCOMPARE(m_prova->store.leggiIntero("IDE_NumxGio"), std::optional<std::int32_t>(2));

        QVERIFY(m_prova->stato.giocate.AssicuraCapacita(60));
        m_prova->stato.giocate.setConteggio(60);
        m_finestra->AggiornaRiepilogo();
        QCOMPARE(etichetta("percentualeLabel"), QStringLiteral("Percentuale di riduzione: 50.000 %"));
        QCOMPARE(etichetta("giocateFinaliLabel"), QStringLiteral("Numero giocate finali: 60"));
    }

    void ruoteEImporti()
    {
        pronostico({1, 2, 3, 4});
        w<QComboBox>("numpergioComboBox")->setCurrentIndex(2);
        // Bari, Roma and Nazionale instead of Tutte.
        w<QCheckBox>("ruota1CheckBox")->click();
        w<QCheckBox>("ruota8CheckBox")->click();
        w<QCheckBox>("ruota11CheckBox")->click();
        w<QCheckBox>("ruota12CheckBox")->click();
        QCOMPARE(etichetta("ruoteLabel"), QStringLiteral("Nº Ruote: 3"));

        w<QLineEdit>("amboLineEdit")->clear();
        QTest::keyClicks(w<QLineEdit>("amboLineEdit"), QStringLiteral("1"));
        w<QLineEdit>("ternoLineEdit")->clear();
        QTest::keyClicks(w<QLineEdit>("ternoLineEdit"), QStringLiteral("0.5x"));
        QCOMPARE(w<QLineEdit>("ternoLineEdit")->text(), QStringLiteral("0,5"));
        QVERIFY(m_prova->stato.giocate.AssicuraCapacita(100));
        m_prova->stato.giocate.setConteggio(100);
        m_finestra->AggiornaRiepilogo();
        QCOMPARE(etichetta("importoLabel"), QStringLiteral("Importo di giocata: 1,50 €"));
        QCOMPARE(etichetta("costoLabel"), QStringLiteral("Costo complessivo: 450,00 €"));
        QVERIFY(w<QLabel>("importoLabel")->styleSheet().isEmpty());

        // k from 3 to 2: Terno no longer counts.
        w<QComboBox>("numpergioComboBox")->setCurrentIndex(1);
        QVERIFY(!w<QLineEdit>("ternoLineEdit")->isEnabled());
        QVERIFY(!w<QLineEdit>("quaternaLineEdit")->isEnabled());
        QVERIFY(w<QLineEdit>("ambettoLineEdit")->isEnabled());
        QCOMPARE(etichetta("importoLabel"), QStringLiteral("Importo di giocata: 1,00 €"));

        // An amount that is not a multiple of 0,05 colours the stake red.
        w<QLineEdit>("amboLineEdit")->setText(QStringLiteral("0,07"));
        QVERIFY(w<QLabel>("importoLabel")->styleSheet().contains(QStringLiteral("red")));
    }

    void ultimaRuotaRiattivaTutte()
    {
        auto* tutte = w<QCheckBox>("ruota12CheckBox");
        tutte->click();
        QVERIFY(tutte->isChecked());
        QCOMPARE(m_prova->stato.sistema.ruote[Tutte - 1], std::uint8_t{1});
    }

    void fisseNonValide()
    {
        auto* prima = w<QLineEdit>("fissa1LineEdit");
        QTest::keyClicks(prima, QStringLiteral("9a1"));
        QCOMPARE(m_prova->messaggi.ultimo(), std::string("Il valore inserito non è valido!"));
        QCOMPARE(prima->text(), QString());

        prima->setText(QStringLiteral("5"));
        w<QLineEdit>("fissa3LineEdit")->setText(QStringLiteral("5"));
        m_prova->messaggi.mostrati.clear();
        QFocusEvent uscita(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w<QLineEdit>("fissa3LineEdit"), &uscita);
        QCOMPARE(w<QLineEdit>("fissa3LineEdit")->text(), QString());
        QCOMPARE(prima->text(), QStringLiteral("5"));
        QVERIFY(!m_prova->messaggi.mostrati.empty());
        QCOMPARE(m_prova->messaggi.ultimo(), std::string("Il valore inserito non è valido!"));
    }

    void salvaERiapri()
    {
        pronostico({5, 17, 33, 48, 71, 90});
        w<QComboBox>("numpergioComboBox")->setCurrentIndex(3);
        w<QLineEdit>("fissa1LineEdit")->setText(QStringLiteral("17"));
        w<QLineEdit>("estrattoLineEdit")->setText(QStringLiteral("1000"));
        w<QLineEdit>("amboLineEdit")->setText(QStringLiteral("0,125"));
        w<QCheckBox>("posizione3CheckBox")->click();
        const QString percorso = QString::fromStdString(m_prova->cartella.file("prova.qvs"));
        m_prova->servizi.file = percorso;
        azione(QStringLiteral("Salva con nome"))->trigger();
        QCOMPARE(m_finestra->windowTitle(), QStringLiteral("QUARVINA LOTTO - [prova.qvs]"));
        QCOMPARE(etichetta("statoLabel"), QStringLiteral("Stato sistema: non modificato"));
        const QString importo = etichetta("importoLabel");

        azione(QStringLiteral("Nuovo"))->trigger();
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 0 numeri"));
        m_prova->servizi.file = percorso;
        azione(QStringLiteral("Apri"))->trigger();
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 6 numeri"));
        QCOMPARE(etichetta("numeriPerGiocataLabel"), QStringLiteral("Numeri per giocata: 4"));
        QCOMPARE(w<QLineEdit>("fissa1LineEdit")->text(), QStringLiteral("17"));
        QCOMPARE(w<QLineEdit>("estrattoLineEdit")->text(), QStringLiteral("1000"));
        QCOMPARE(w<QLineEdit>("amboLineEdit")->text(), QStringLiteral("0,125"));
        QVERIFY(w<QCheckBox>("posizione3CheckBox")->isChecked());
        QCOMPARE(etichetta("importoLabel"), importo);
        QCOMPARE(m_prova->stato.sistema.importi[0], 1000.0);
        QCOMPARE(etichetta("statoLabel"), QStringLiteral("Stato sistema: non modificato"));
    }

    void domandaPrimaDiNuovo()
    {
        pronostico({1, 2, 3});
        m_prova->messaggi.risposte.push_back(Risposta::Annulla);
        azione(QStringLiteral("Nuovo"))->trigger();
        QCOMPARE(m_prova->messaggi.ultimo(),
                 std::string("Il sistema attuale non è stato salvato!\rSalvare il sistema sul disco ?"));
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 3 numeri"));

        m_prova->messaggi.risposte.push_back(Risposta::No);
        azione(QStringLiteral("Nuovo"))->trigger();
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 0 numeri"));
    }

    void fileNonValidoAllApertura()
    {
        const std::string percorso = m_prova->cartella.file("rotto.qvs");
        test::ScriviFile(percorso, {5, 0, 0});
        m_finestra->apriSistema(QString::fromStdString(percorso));
        QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{2});
        QCOMPARE(
            m_prova->messaggi.mostrati[0].testo,
            std::string(
                "Questa versione non è compatibile con la versione usata per creare il sistema da aprire."));
        QCOMPARE(m_prova->messaggi.mostrati[1].testo,
                 std::string("Si è verificato un errore durante l'apertura del sistema."));
        QCOMPARE(etichetta("statoLabel"), QStringLiteral("Stato sistema: non modificato"));
    }

    void notificaConArchivioIndietro()
    {
        Tipo_Estrazione sabato;
        sabato.giorno = 5;
        sabato.mese = 12;
        sabato.setAnno(2026);
        sabato.setNumero(Bari, 1, 7);
        QCOMPARE(m_prova->stato.archivio.InserisciEstrazione(sabato), 1);
        OrologioFisso martediSera({2026, 12, 8, 21, 0});
        m_finestra->controllaAggiornamento(martediSera);
        auto* notifica = m_finestra->findChild<TNotificaAggiornamento*>();
        QVERIFY(notifica != nullptr);
        QCOMPARE(notifica->windowTitle(), QStringLiteral("Notifica Aggiornamento"));
        QCOMPARE(notifica->findChild<QLabel*>(QStringLiteral("testoLabel"))->text(),
                 QStringLiteral("L'ultimo aggiornamento dell'archivio storico risale a Sabato 5/12/2026."));
        notifica->findChild<QCheckBox*>(QStringLiteral("nonMostrareCheckBox"))->setChecked(true);
        notifica->reject();
        QCOMPARE(m_prova->stato.generali.notificaAggio, 0);
        QCOMPARE(m_prova->store.leggiIntero("notificaaggio"), std::optional<std::int32_t>(0));

        // Notifications off: a system named on the command line is ignored.
        const std::string percorso = m_prova->cartella.file("argomento.qvs");
        test::ScriviFile(percorso, {4});
        m_finestra->primaAttivazione({QStringLiteral("quarvin"), QString::fromStdString(percorso)},
                                     martediSera);
        QCOMPARE(m_finestra->windowTitle(), QStringLiteral("QUARVINA LOTTO - [Sistema1.qvs]"));
    }

    // The days chosen in "Notifiche aggiornamenti" are the ones the start-up check watches.
    void giorniDelleNotificheDalMenu()
    {
        Tipo_Estrazione sabato;
        sabato.giorno = 5;
        sabato.mese = 12;
        sabato.setAnno(2026);
        sabato.setNumero(Bari, 1, 7);
        QCOMPARE(m_prova->stato.archivio.InserisciEstrazione(sabato), 1);
        test::quandoAperto<TImpoNotifiche>([](TImpoNotifiche* d) {
            test::trova<QCheckBox>(d, QStringLiteral("martediCheckBox"))->setChecked(false);
            QTest::mouseClick(test::trova<QPushButton>(d, QStringLiteral("applicaPushButton")),
                              Qt::LeftButton);
        });
        azione(QStringLiteral("Notifiche aggiornamenti"))->trigger();
        QCOMPARE(m_prova->stato.generali.giorniNotifica, std::string("0000101"));

        m_finestra->controllaAggiornamento(OrologioFisso({2026, 12, 8, 21, 0}));
        QVERIFY(m_finestra->findChild<TNotificaAggiornamento*>() == nullptr);
    }

    void argomentoApreIlSistema()
    {
        pronostico({4, 8, 15, 16, 23, 42});
        const QString percorso = QString::fromStdString(m_prova->cartella.file("dariga.qvs"));
        m_prova->servizi.file = percorso;
        azione(QStringLiteral("Salva con nome"))->trigger();
        azione(QStringLiteral("Nuovo"))->trigger();
        OrologioFisso orologio({2026, 12, 8, 21, 0});
        m_finestra->primaAttivazione({QStringLiteral("quarvin"), percorso}, orologio);
        QCOMPARE(m_finestra->windowTitle(), QStringLiteral("QUARVINA LOTTO - [dariga.qvs]"));
        QCOMPARE(etichetta("pronosticoLabel"), QStringLiteral("Pronostico: 6 numeri"));
    }

    void sviluppoIntegraleDalMenu()
    {
        pronostico({1, 2, 3, 4, 5, 6});
        w<QComboBox>("numpergioComboBox")->setCurrentIndex(2);
        // The dialog is modal: press "Avvia" once it is up.
        QTimer::singleShot(0, this, [] {
            for (QWidget* finestra : QApplication::topLevelWidgets()) {
                auto* avvia = finestra->findChild<QPushButton*>(QStringLiteral("avviaPushButton"));
                if (finestra->isVisible() && avvia != nullptr) {
                    avvia->click();
                    return;
                }
            }
            qFatal("development dialog not shown");
        });
        azione(QStringLiteral("Sviluppo integrale del pronostico"))->trigger();
        QCOMPARE(m_prova->stato.giocate.conteggio(), 20);
        QCOMPARE(etichetta("giocateFinaliLabel"), QStringLiteral("Numero giocate finali: 20"));
        QCOMPARE(etichetta("percentualeLabel"), QStringLiteral("Percentuale di riduzione: 0.000 %"));

        // Not enough numbers: the check stops the command before any dialog.
        m_prova->messaggi.risposte.push_back(Risposta::No);
        azione(QStringLiteral("Nuovo"))->trigger();
        pronostico({1, 2});
        azione(QStringLiteral("Sviluppo integrale del pronostico"))->trigger();
        QCOMPARE(m_prova->messaggi.ultimo(),
                 std::string("Il pronostico iniziale non contiene abbastanza numeri!"));
    }

    // On the common laptop screens the maximised window shows everything without scrolling, the chart
    // keeps a readable height and a play of ten numbers shows whole; on a smaller screen the window
    // scrolls rather than squeeze the chart.
    void siAdattaAgliSchermi()
    {
        struct Riga
        {
            const char* nome;
            QSize schermo;
            bool scorre;
        };
        const Riga righe[] = {
            {"1280 x 720", {1280, 720}, false},
            {"1366 x 768", {1366, 768}, false},
            {"1920 x 1080", {1920, 1080}, false},
            {"1024 x 600", {1024, 600}, true},
        };
        auto* scorrimento = w<QScrollArea>("finestraScrollArea");
        auto* grafico = w<QWidget>("statisticheGraficoBarre");
        QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
        m_prova->stato.giocate.voce(1) = Tipo_Giocata{81, 82, 83, 84, 85, 86, 87, 88, 89, 90};
        m_prova->stato.giocate.setConteggio(1);
        w<VistaGiocate>("sggioVistaGiocate")->aggiorna();
        for (const Riga& riga : righe) {
            m_finestra->resize(riga.schermo.width(), riga.schermo.height() - BarraApplicazioni - BarraTitolo);
            QApplication::processEvents();
            const QSize contenuto = scorrimento->widget()->minimumSizeHint();
            const QByteArray dettagli = QByteArray(riga.nome) + ": contents need " +
                                        QByteArray::number(contenuto.width()) + " x " +
                                        QByteArray::number(contenuto.height()) + ", chart " +
                                        QByteArray::number(grafico->height()) + " pixels high";
            const bool scorre = scorrimento->verticalScrollBar()->isVisible() ||
                                scorrimento->horizontalScrollBar()->isVisible();
            QVERIFY2(scorre == riga.scorre, dettagli);
            QVERIFY2(grafico->height() >= VistaStatistica::AltezzaMinimaGrafico, dettagli);
            QVERIFY2(grafico->isVisible(), dettagli);
            // The play of ten numbers shows whole where the window does not scroll.
            auto* giocate = w<VistaGiocate>("sggioVistaGiocate");
            const int cifre = giocate->fontMetrics().horizontalAdvance(QStringLiteral("90"));
            QVERIFY2(riga.scorre || giocate->larghezzaGiocata() >= 10 * cifre, dettagli);
            if (const QString catture = qEnvironmentVariable("QUARVIN_CATTURE"); !catture.isEmpty()) {
                m_finestra->grab().save(
                    QDir(catture).filePath(QStringLiteral("principale %1.png").arg(riga.nome)));
            }
        }
    }
};

QTEST_MAIN(PriWindowTest)
#include "pri_window_test.moc"
