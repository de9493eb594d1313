#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "support/giocate_prova.h"
#include "ui/rid_cruciverba_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <memory>
#include <sstream>

class RidCruciverbaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_prova = std::make_unique<test::StatoDiProva>(); }
    void cleanup() { m_prova.reset(); }

    void costruisceEsporta();
    void latoNonValido();

private:
    void pronostico(int n, int k)
    {
        for (int i = 0; i < n; ++i) {
            m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i)] = 1;
        }
        m_prova->stato.sistema.numeriPerGiocata = k;
    }
    static void clicca(QDialog* d, const char* nome)
    {
        QTest::mouseClick(test::trova<QPushButton>(d, QString::fromLatin1(nome)), Qt::LeftButton);
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidCruciverbaDialogTest::costruisceEsporta()
{
    pronostico(16, 5);
    m_prova->stato.generatore.imposta(3);
    TRidCruciverba dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Riduzione a Cruciverba"));
    // The side stored as 5 is the default; the first square is built as the window opens.
    QCOMPARE(test::trova<QLineEdit>(&dialogo, "Edit5")->text(), QStringLiteral("5"));
    QTRY_VERIFY(!dialogo.sistemi().empty());
    QVERIFY(CruciverbaValido(dialogo.griglia()));
    QCOMPARE(test::trova<QLabel>(&dialogo, "cruciverbaLabel")->text(), QStringLiteral("Cruciverba: 5 x 5"));
    // Rows, columns and the two main diagonals.
    QCOMPARE(dialogo.sistemi().size(), std::size_t{12});
    QCOMPARE(test::trova<QLabel>(&dialogo, "sistemiLabel")->text(), QStringLiteral("Sistemi estratti: 12"));
    QCOMPARE(test::trova<QListWidget>(&dialogo, "lisis")->count(), 12);
    auto* ricalcola = test::trova<QPushButton>(&dialogo, "ricalcolaPushButton");
    QVERIFY(!ricalcola->isEnabled());

    // Unticking every kind ticks the rows again; only the diagonals give two systems.
    auto* righe = test::trova<QCheckBox>(&dialogo, "orizzontaliCheckBox");
    QTest::mouseClick(righe, Qt::LeftButton);
    QTest::mouseClick(test::trova<QCheckBox>(&dialogo, "verticaliCheckBox"), Qt::LeftButton);
    QTest::mouseClick(test::trova<QCheckBox>(&dialogo, "diagonaliCheckBox"), Qt::LeftButton);
    QVERIFY(righe->isChecked());
    QVERIFY(ricalcola->isEnabled());
    QTest::mouseClick(test::trova<QCheckBox>(&dialogo, "diagonaliCheckBox"), Qt::LeftButton);
    QTest::mouseClick(righe, Qt::LeftButton);
    QVERIFY(!righe->isChecked());
    clicca(&dialogo, "ricalcolaPushButton");
    QCOMPARE(dialogo.sistemi().size(), std::size_t{2});
    dialogo.grab().save(QStringLiteral("/tmp/rid_cruciverba_dialog.png"));

    m_prova->servizi.file = QString::fromStdString(m_prova->cartella.file("sistemi.txt"));
    clicca(&dialogo, "esportaPushButton");
    std::ifstream letto(m_prova->cartella.file("sistemi.txt"));
    std::stringstream testo;
    testo << letto.rdbuf();
    QCOMPARE(QString::fromStdString(testo.str()), QString::fromStdString(TestoSistemi(dialogo.sistemi())));

    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 2);
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidCruci_ORI"), std::optional<std::int32_t>(0));
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidCruci_DIA"), std::optional<std::int32_t>(1));
}

void RidCruciverbaDialogTest::latoNonValido()
{
    pronostico(16, 5);
    m_prova->store.scriviIntero("IDE_RidCruci_DIMXY", 3);
    TRidCruciverba dialogo(m_prova->stato, m_prova->servizi);
    // A stored side below k is raised to k.
    auto* lato = test::trova<QLineEdit>(&dialogo, "Edit5");
    QCOMPARE(lato->text(), QStringLiteral("5"));
    lato->setText(QStringLiteral("4"));
    dialogo.ricalcola();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("La dimensione dei lati non è valida."));
    QTest::mouseClick(test::trova<QToolButton>(&dialogo, "UpDown1Piu"), Qt::LeftButton);
    QCOMPARE(lato->text(), QStringLiteral("5"));
    clicca(&dialogo, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("mdr_cruciverba.htm")});
}

QTEST_MAIN(RidCruciverbaDialogTest)
#include "rid_cruciverba_dialog_test.moc"
