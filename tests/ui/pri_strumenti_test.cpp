#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/cerchio_ciclometrico_dialog.h"
#include "ui/grafico_barre.h"
#include "ui/pri_window.h"
#include "ui/visua_distri_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// The statistics tools as the main window opens them: the circle from the menu and from the view
// selector, the distribution from " Giocate finali ".
class PriStrumentiTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cerchioDalMenuEDalSelettore();
    void distribuzioneSenzaGiocate();
    void distribuzioneDelleGiocate();

private:
    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;
};

void PriStrumentiTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    Tipo_Estrazione e;
    e.giorno = 3;
    e.mese = 5;
    e.setAnno(2010);
    const int bari[] = {77, 5, 41, 23, 59};
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Bari, p, static_cast<std::uint8_t>(bari[p - 1]));
    }
    (void)m_prova->stato.archivio.InserisciEstrazione(e);
    m_prova->stato.ricalcolaStatistiche();
    m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
    m_finestra->iniziaNuovoSistema();
    m_finestra->show();
}

void PriStrumentiTest::cleanup()
{
    m_prova->stato.sistema.modificato = false;
    m_finestra.reset();
    m_prova.reset();
}

void PriStrumentiTest::cerchioDalMenuEDalSelettore()
{
    QVERIFY(azione(QStringLiteral("Cerchio ciclometrico"))->isEnabled());
    QString numeri;
    test::quandoAperto<TCerchioCiclometrico>([&](TCerchioCiclometrico* d) {
        numeri = d->findChild<QLabel*>(QStringLiteral("numeriLabel"))->text();
        d->accept();
    });
    azione(QStringLiteral("Cerchio ciclometrico"))->trigger();
    QCOMPARE(numeri, QStringLiteral("Numeri: 5 23 41 59 77"));

    // From the selector: the circle opens and the selector goes back to the view shown before.
    azione(QStringLiteral("Grafico delle probabilità"))->trigger();
    auto* selettore = m_finestra->findChild<QComboBox*>(QStringLiteral("visualizzaComboBox"));
    QCOMPARE(selettore->currentIndex(), 2);
    bool aperto = false;
    test::quandoAperto<TCerchioCiclometrico>([&](TCerchioCiclometrico* d) {
        aperto = true;
        d->reject();
    });
    selettore->setCurrentIndex(15);
    emit selettore->activated(15);
    QVERIFY(aperto);
    QCOMPARE(selettore->currentIndex(), 2);
}

void PriStrumentiTest::distribuzioneSenzaGiocate()
{
    QAction* comando = azione(QStringLiteral("Visualizza distribuzione dei numeri"));
    QVERIFY(comando->isEnabled());
    comando->trigger();
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate da controllare!"));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Attenzione"));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Informazione);
}

void PriStrumentiTest::distribuzioneDelleGiocate()
{
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(2));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.voce(2) = test::giocata({3, 90});
    m_prova->stato.giocate.setConteggio(2);
    double tre = -1;
    test::quandoAperto<TVisuaDistri>([&](TVisuaDistri* d) {
        QTRY_VERIFY(d->completata());
        tre = d->findChild<GraficoBarre*>(QStringLiteral("distribuzioneGraficoBarre"))->valore(2);
        d->accept();
    });
    azione(QStringLiteral("Visualizza distribuzione dei numeri"))->trigger();
    QCOMPARE(tre, 2.0);
    QVERIFY(m_prova->messaggi.mostrati.empty());
}

QTEST_MAIN(PriStrumentiTest)
#include "pri_strumenti_test.moc"
