#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

// The orthogonal reduction commands of the main window: entry checks, the dialog, the summary after it.
class PriOrtogonaleTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlliDiIngresso_data();
    void controlliDiIngresso();
    void riduceLeGiocate();
    void riduceIlPronostico();

private:
    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }
    void pronostico(int n, int indiceNumeri)
    {
        for (int i = 0; i < n; ++i) {
            m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
        }
        m_finestra->findChild<QComboBox*>(QStringLiteral("numpergioComboBox"))->setCurrentIndex(indiceNumeri);
    }
    void mettiGiocate(const std::vector<Tipo_Giocata>& giocate)
    {
        QVERIFY(m_prova->stato.giocate.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1));
        for (std::size_t i = 0; i < giocate.size(); ++i) {
            m_prova->stato.giocate.voce(static_cast<std::int32_t>(i + 1)) = giocate[i];
        }
        m_prova->stato.giocate.setConteggio(static_cast<std::int32_t>(giocate.size()));
    }
    // Triggers the command; when its dialog opens, returns its title after pressing Avvia in it.
    QString esegui(const QString& comando)
    {
        QString titolo;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* dialogo = QApplication::activeModalWidget()) {
                titolo = dialogo->windowTitle();
                dialogo->findChild<QPushButton*>(QStringLiteral("avviaPushButton"))->click();
            }
        });
        azione(comando)->trigger();
        QCoreApplication::processEvents();
        return titolo;
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;
};

void PriOrtogonaleTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
    m_finestra->iniziaNuovoSistema();
    m_finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_finestra.get()));
}

void PriOrtogonaleTest::cleanup()
{
    m_prova->stato.sistema.modificato = false;
    m_finestra.reset();
    m_prova.reset();
}

void PriOrtogonaleTest::controlliDiIngresso_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<int>("indiceNumeri"); // numbers per play - 1
    QTest::addColumn<int>("giocate");      // 0 none, 1 plays of two numbers, 2 plays of different sizes
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("pronostico: due numeri per giocata")
        << QStringLiteral("Riduzione ortogonale del pronostico") << 1 << 0
        << QStringLiteral("Per questa riduzione sono richiesti almeno 3 numeri per giocata.");
    QTest::newRow("giocate: nessuna") << QStringLiteral("Riduzione ortogonale delle giocate") << 2 << 0
                                      << QStringLiteral("Questo metodo richiede almeno due giocate.");
    QTest::newRow("giocate: due numeri")
        << QStringLiteral("Riduzione ortogonale delle giocate") << 2 << 1
        << QStringLiteral("Questo metodo richiede giocate con almeno tre numeri.");
    QTest::newRow("giocate: quantità diverse")
        << QStringLiteral("Riduzione ortogonale delle giocate") << 2 << 2
        << QStringLiteral(
               "Questo metodo richiede che le giocate abbiano tutte la stessa quantità di numeri.\r"
               "Alcune giocate hanno una diversa quantità di numeri.");
}

void PriOrtogonaleTest::controlliDiIngresso()
{
    QFETCH(QString, comando);
    QFETCH(int, indiceNumeri);
    QFETCH(int, giocate);
    QFETCH(QString, messaggio);
    pronostico(10, indiceNumeri);
    if (giocate == 1) {
        mettiGiocate({test::giocata({1, 2}), test::giocata({3, 4})});
    } else if (giocate == 2) {
        mettiGiocate({test::giocata({1, 2, 3}), test::giocata({3, 4, 5, 6})});
    }
    QVERIFY(azione(comando)->isEnabled());
    QCOMPARE(esegui(comando), QString());
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
}

void PriOrtogonaleTest::riduceLeGiocate()
{
    pronostico(6, 2);
    mettiGiocate({test::giocata({1, 2, 3}), test::giocata({1, 2, 4}), test::giocata({1, 3, 4}),
                  test::giocata({2, 3, 4}), test::giocata({1, 2, 5})});
    QCOMPARE(esegui(QStringLiteral("Riduzione ortogonale delle giocate")),
             QStringLiteral("Riduzione ortogonale delle giocate"));
    QVERIFY2(m_prova->messaggi.mostrati.empty(), m_prova->messaggi.ultimo().c_str());
    QVERIFY(m_prova->stato.giocate.conteggio() < 5);
    const auto* etichetta = m_finestra->findChild<QLabel*>(QStringLiteral("giocateFinaliLabel"));
    QVERIFY(etichetta->text().contains(QString::number(m_prova->stato.giocate.conteggio())));
    QVERIFY(m_prova->stato.sistema.modificato);
}

void PriOrtogonaleTest::riduceIlPronostico()
{
    pronostico(6, 2);
    QCOMPARE(esegui(QStringLiteral("Riduzione ortogonale del pronostico")),
             QStringLiteral("Riduzione ortogonale del pronostico"));
    QVERIFY2(m_prova->messaggi.mostrati.empty(), m_prova->messaggi.ultimo().c_str());
    QVERIFY(m_prova->stato.giocate.conteggio() > 0);
    const auto* etichetta = m_finestra->findChild<QLabel*>(QStringLiteral("giocateFinaliLabel"));
    QVERIFY(etichetta->text().contains(QString::number(m_prova->stato.giocate.conteggio())));
}

QTEST_MAIN(PriOrtogonaleTest)
#include "pri_ortogonale_test.moc"
