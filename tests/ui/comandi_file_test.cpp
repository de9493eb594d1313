#include "editor/file_sistema.h"
#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

// Opening a system from the main window: the plays stream in while the window keeps processing events.
class ComandiFileTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;

    QString giocateFinali() const
    {
        return m_finestra->findChild<QLabel*>(QStringLiteral("giocateFinaliLabel"))->text();
    }

    // A system file of n distinct plays of four numbers (n up to 26100).
    std::string sistemaDi(std::int32_t n)
    {
        Sistema s;
        s.nomeFile = m_prova->cartella.file("Grande.qvs");
        ElencoGiocate elenco;
        if (!elenco.AssicuraCapacita(n)) {
            return {};
        }
        for (std::int32_t i = 1; i <= n; ++i) {
            elenco.voce(i) = test::giocata({1 + i % 30, 31 + i / 30 % 30, 61 + i / 900 % 29, 90});
        }
        elenco.setConteggio(n);
        return ScriviSistema(s, elenco).ok() ? s.nomeFile : std::string();
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

    // A system of several chunks: events run while it is read (the window disabled, the list not yet
    // changed), and at the end the window shows all its plays.
    void aperturaABlocchiLasciaDipingereLaFinestra()
    {
        const std::string percorso = sistemaDi(3 * file_sistema::BloccoLettura + 1);
        QVERIFY(!percorso.empty());
        bool eseguito = false;
        bool finestraDisattiva = false;
        std::int32_t giocateDurante = -1;
        QTimer::singleShot(0, m_finestra.get(), [&] {
            eseguito = true;
            finestraDisattiva = !m_finestra->isEnabled();
            giocateDurante = m_prova->stato.giocate.conteggio();
        });
        m_finestra->apriSistema(QString::fromStdString(percorso));

        QVERIFY2(eseguito, "no event ran while the system was read");
        QVERIFY(finestraDisattiva);
        QCOMPARE(giocateDurante, 0);
        QVERIFY(m_finestra->isEnabled());
        QVERIFY(m_prova->messaggi.mostrati.empty());
        QCOMPARE(m_prova->stato.giocate.conteggio(), 3 * file_sistema::BloccoLettura + 1);
        QCOMPARE(giocateFinali(), QStringLiteral("Numero giocate finali: 18001"));
    }
};

QTEST_MAIN(ComandiFileTest)
#include "comandi_file_test.moc"
