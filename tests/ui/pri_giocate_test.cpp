#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/griglia_numeri.h"
#include "ui/pri_window.h"
#include "ui/vista_giocate.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

// The play and prediction commands of the main window, driven through their menu actions with the
// file dialogs replaced and the answers scripted.
class PriGiocateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void comandiAbilitati();
    void annullaDopoEliminaTutte();
    void importaEdEsportaTesto();
    void pronosticoDaGiocateESvuota();
    void doppioClicECanc();

private:
    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }
    void giocate(int n)
    {
        QVERIFY(m_prova->stato.giocate.AssicuraCapacita(n));
        for (int i = 1; i <= n; ++i) {
            m_prova->stato.giocate.voce(i) = test::giocata({i, 50 + i % 40});
        }
        m_prova->stato.giocate.setConteggio(n);
        m_finestra->AggiornaRiepilogo();
    }
    QString giocateFinali() const
    {
        return m_finestra->findChild<QLabel*>(QStringLiteral("giocateFinaliLabel"))->text();
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;
    QString& m_file() { return m_prova->servizi.file; }
};

void PriGiocateTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    QVERIFY(m_prova->stato.giocate.AllocaAnnulla());
    m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
    m_finestra->iniziaNuovoSistema();
    m_finestra->show();
}

void PriGiocateTest::cleanup()
{
    m_prova->stato.sistema.modificato = false;
    m_finestra.reset();
    m_prova.reset();
}

void PriGiocateTest::comandiAbilitati()
{
    for (const char* testo :
         {"Annulla ultima operazione", "Modifica giocate manualmente", "Inserimento giocate da tastiera",
          "Elimina giocate", "Elimina tutte le giocate", "Importa giocate da un altro sistema",
          "Importa giocate da un sistema esterno (.lpc)", "Importa giocate da file di testo",
          "Esporta giocate su file di testo", "Aggiungi numeri più probabili",
          "Elimina numeri meno probabili", "Aggiungi numeri casualmente", "Elimina numeri casualmente",
          "Pronostico da giocate", "Elimina tutti i numeri"}) {
        QVERIFY2(azione(QString::fromUtf8(testo))->isEnabled(), testo);
    }
}

void PriGiocateTest::annullaDopoEliminaTutte()
{
    azione(QStringLiteral("Annulla ultima operazione"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate da ripristinare!"));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Informazione);
    azione(QStringLiteral("Elimina tutte le giocate"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate finali da eliminare."));

    giocate(50);
    m_prova->messaggi.risposte = {Risposta::Si};
    azione(QStringLiteral("Elimina tutte le giocate"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Eliminare tutte le giocate ?"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(m_prova->stato.sistema.modificato);

    for (int volta = 0; volta < 2; ++volta) { // the snapshot stays: it can be restored again
        m_prova->messaggi.risposte = {Risposta::Si};
        m_prova->stato.giocate.svuota();
        azione(QStringLiteral("Annulla ultima operazione"))->trigger();
        QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
                 QStringLiteral("Sostituire le attuali 0 giocate con le precedenti 50 giocate ?"));
        QCOMPARE(m_prova->stato.giocate.conteggio(), 50);
    }
    QVERIFY(giocateFinali().contains(QStringLiteral("50")));
}

void PriGiocateTest::importaEdEsportaTesto()
{
    m_file() = QString::fromStdString(m_prova->cartella.file("giocate.txt"));
    std::ofstream(m_file().toStdString()) << "1 2 3\n3 2 1\n1 2 3 4 5 6 7 8 9 10 11\n\n";
    azione(QStringLiteral("Importa giocate da file di testo"))->trigger();
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(m_prova->messaggi.mostrati.empty());

    m_prova->stato.sistema.modificato = false;
    azione(QStringLiteral("Importa giocate da file di testo"))->trigger();
    QVERIFY(QString::fromStdString(m_prova->messaggi.ultimo())
                .startsWith(QStringLiteral("Nel file non è stata trovata nessuna nuova giocata valida.")));
    QVERIFY(!m_prova->stato.sistema.modificato);
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);

    m_file() = QString::fromStdString(m_prova->cartella.file("uscita.txt"));
    azione(QStringLiteral("Esporta giocate su file di testo"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Giocate salvate con successo."));
    QCOMPARE(m_prova->messaggi.mostrati.back().titolo, std::string("OK"));
    m_file() = QString::fromStdString(m_prova->cartella.file("manca/uscita.txt"));
    azione(QStringLiteral("Esporta giocate su file di testo"))->trigger();
    QVERIFY(QString::fromStdString(m_prova->messaggi.ultimo())
                .startsWith(QStringLiteral("Si è verificato un errore")));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Errore);

    m_file() = QString::fromStdString(m_prova->cartella.file("versione.qvs"));
    std::ofstream(m_file().toStdString()) << '\x07';
    azione(QStringLiteral("Importa giocate da un altro sistema"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral(
                 "Questa versione non è compatibile con la versione usata per creare il sistema da aprire."));
    const auto mostrati = m_prova->messaggi.mostrati.size();
    m_file().clear(); // cancelled dialog
    azione(QStringLiteral("Importa giocate da un sistema esterno (.lpc)"))->trigger();
    QCOMPARE(m_prova->messaggi.mostrati.size(), mostrati);
}

void PriGiocateTest::pronosticoDaGiocateESvuota()
{
    azione(QStringLiteral("Pronostico da giocate"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("L'elenco delle giocate finali è vuoto."));
    giocate(2); // 1 51, 2 52
    m_prova->messaggi.risposte = {Risposta::Si};
    azione(QStringLiteral("Pronostico da giocate"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Inserire nel pronostico i numeri presenti nelle giocate finali ?"));
    QCOMPARE(m_prova->stato.sistema.numeriPronostico(), 4);
    QCOMPARE(m_finestra->findChild<GrigliaNumeri*>(QStringLiteral("vssGrigliaNumeri"))->segni(),
             m_prova->stato.sistema.pronostico);
    QCOMPARE(m_finestra->findChild<QLabel*>(QStringLiteral("pronosticoLabel"))->text(),
             QStringLiteral("Pronostico: 4 numeri"));

    m_prova->messaggi.risposte = {Risposta::No};
    azione(QStringLiteral("Elimina tutti i numeri"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Eliminare tutti numeri del pronostico iniziale ?"));
    QCOMPARE(m_prova->stato.sistema.numeriPronostico(), 4);
    m_prova->messaggi.risposte = {Risposta::Si};
    azione(QStringLiteral("Elimina tutti i numeri"))->trigger();
    QCOMPARE(m_prova->stato.sistema.numeriPronostico(), 0);
}

void PriGiocateTest::doppioClicECanc()
{
    auto* vista = m_finestra->findChild<VistaGiocate*>(QStringLiteral("sggioVistaGiocate"));
    QTest::keyClick(vista, Qt::Key_Delete); // empty list: no signal, no message
    QVERIFY(m_prova->messaggi.mostrati.empty());
    azione(QStringLiteral("Elimina giocate"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate da eliminare!"));

    giocate(10);
    vista->setSelezione(3, 5);
    QString titolo;
    QString posizione;
    const auto leggiEChiudi = [&titolo, &posizione] {
        QWidget* attiva = QApplication::activeModalWidget();
        if (attiva != nullptr) {
            titolo = attiva->windowTitle();
            if (auto* e = attiva->findChild<QLineEdit*>(QStringLiteral("ultimaLineEdit"))) {
                posizione = e->text();
            } else if (auto* l = attiva->findChild<QLabel*>(QStringLiteral("giocataLabel"))) {
                posizione = l->text();
            }
            attiva->close();
        }
    };
    QTimer::singleShot(0, this, leggiEChiudi);
    vista->setFocus();
    QTest::keyClick(vista, Qt::Key_Backspace);
    QCOMPARE(titolo, QStringLiteral("Selezionare l'intervallo"));
    QCOMPARE(posizione, QStringLiteral("5"));

    QTimer::singleShot(0, this, leggiEChiudi);
    QTest::mouseDClick(vista, Qt::LeftButton, Qt::NoModifier, QPoint(20, vista->altezzaRiga() * 2 + 2));
    QCOMPARE(titolo, QStringLiteral("Modifica giocata"));
    QVERIFY(posizione.startsWith(QStringLiteral("Giocata Nº: ")));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 10);
}

QTEST_MAIN(PriGiocateTest)
#include "pri_giocate_test.moc"
