#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The reduction commands of the main window: entry checks, then the dialog, then the summary.
class PriRiduzioniTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void comandiAbilitati();
    void controlliDiIngresso_data();
    void controlliDiIngresso();
    void aggiungiPoiElimina();

private:
    QAction* azione(const QString& testo) const { return test::azione(m_finestra.get(), testo); }
    // Triggers a command whose dialog opens: types the count and starts it from inside the dialog.
    QString eseguiDialogo(const QString& comando, const QString& quante);

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;
};

void PriRiduzioniTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
    m_finestra->iniziaNuovoSistema();
    m_finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_finestra.get()));
}

void PriRiduzioniTest::cleanup()
{
    m_prova->stato.sistema.modificato = false;
    m_finestra.reset();
    m_prova.reset();
}

QString PriRiduzioniTest::eseguiDialogo(const QString& comando, const QString& quante)
{
    QString titolo;
    QTimer::singleShot(0, this, [&] {
        QWidget* dialogo = QApplication::activeModalWidget();
        if (dialogo == nullptr) {
            return;
        }
        titolo = dialogo->windowTitle();
        dialogo->findChild<QLineEdit*>(QStringLiteral("giocateLineEdit"))->setText(quante);
        dialogo->findChild<QPushButton*>(QStringLiteral("avviaPushButton"))->click();
    });
    azione(comando)->trigger();
    return titolo;
}

void PriRiduzioniTest::comandiAbilitati()
{
    QVERIFY(azione(QStringLiteral("Aggiungi giocate casuali"))->isEnabled());
    QVERIFY(azione(QStringLiteral("Elimina giocate casualmente"))->isEnabled());
}

void PriRiduzioniTest::controlliDiIngresso_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("aggiungi: pronostico troppo piccolo")
        << QStringLiteral("Aggiungi giocate casuali")
        << QStringLiteral("Il pronostico iniziale non contiene abbastanza numeri!");
    QTest::newRow("elimina: nessuna giocata") << QStringLiteral("Elimina giocate casualmente")
                                              << QStringLiteral("Non ci sono giocate finali da eliminare.");
}

void PriRiduzioniTest::controlliDiIngresso()
{
    QFETCH(QString, comando);
    QFETCH(QString, messaggio);
    bool dialogoAperto = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            dialogoAperto = true;
            d->close();
        }
    });
    azione(comando)->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!dialogoAperto);
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
}

void PriRiduzioniTest::aggiungiPoiElimina()
{
    for (int i = 0; i < 8; ++i) {
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    m_finestra->findChild<QComboBox*>(QStringLiteral("numpergioComboBox"))->setCurrentIndex(2);
    QCOMPARE(m_prova->stato.sistema.numeriPerGiocata, 3);

    QCOMPARE(eseguiDialogo(QStringLiteral("Aggiungi giocate casuali"), QStringLiteral("12")),
             QStringLiteral("Aggiungi giocate casuali"));
    QVERIFY2(m_prova->messaggi.mostrati.empty(), m_prova->messaggi.ultimo().c_str());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 12);
    const auto* giocate = m_finestra->findChild<QLabel*>(QStringLiteral("giocateFinaliLabel"));
    QVERIFY(giocate->text().contains(QStringLiteral("12")));

    QCOMPARE(eseguiDialogo(QStringLiteral("Elimina giocate casualmente"), QStringLiteral("5")),
             QStringLiteral("Elimina giocate casualmente"));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 7);
    QVERIFY(giocate->text().contains(QStringLiteral("7")));
    QVERIFY(m_prova->stato.sistema.modificato);
}

QTEST_MAIN(PriRiduzioniTest)
#include "pri_riduzioni_test.moc"
