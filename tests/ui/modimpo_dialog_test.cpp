#include "core/impostazioni.h"
#include "core/impostazioni_generali.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/modimpo_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

class ModimpoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mostraLeImpostazioni();
    void decimaliCheTroncanoMostranoIlValoreEsatto();
    void tastiDelleCaselle();
    void tastiDellaGriglia();
    void applicaRifiuta_data();
    void applicaRifiuta();
    void applicaScriveEChiude();
    void escapeChiudeSenzaCambiare();
    void guidaInLinea();

private:
    void apri();
    template <typename T> T* trova(const char* nome) const { return test::trova<T>(m_dialogo.get(), nome); }
    QTableWidget* griglia() const { return trova<QTableWidget>("importiTableWidget"); }
    void clicca(const char* pulsante) { QTest::mouseClick(trova<QPushButton>(pulsante), Qt::LeftButton); }

    ImpostazioniGenerali m_impostazioni;
    test::ArchivioMemoria m_archivio;
    test::MessaggiRegistrati m_messaggi;
    std::unique_ptr<test::ServiziRegistrati> m_servizi;
    std::unique_ptr<TModimpo> m_dialogo;
};

void ModimpoDialogTest::init()
{
    m_impostazioni = ImpostazioniGenerali{};
    m_archivio = test::ArchivioMemoria{};
    m_messaggi = test::MessaggiRegistrati{};
    m_servizi = std::make_unique<test::ServiziRegistrati>(m_messaggi);
    apri();
}

void ModimpoDialogTest::cleanup()
{
    m_dialogo.reset();
}

void ModimpoDialogTest::apri()
{
    m_dialogo = std::make_unique<TModimpo>(m_impostazioni, m_archivio, m_messaggi, *m_servizi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void ModimpoDialogTest::mostraLeImpostazioni()
{
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Modifica importi di giocata"));
    QCOMPARE(griglia()->rowCount(), 18);
    QCOMPARE(griglia()->columnCount(), 1);
    QCOMPARE(griglia()->toolTip(), QStringLiteral("Inserire gli importi di giocata in ordine decrescente."));
    QCOMPARE(griglia()->item(0, 0)->text(), QStringLiteral("200,00"));
    QCOMPARE(griglia()->item(1, 0)->text(), QStringLiteral("100,00"));
    QCOMPARE(griglia()->item(17, 0)->text(), QStringLiteral("0,05"));
    QCOMPARE(trova<QLineEdit>("minimoLineEdit")->text(), QStringLiteral("1,00"));
    QCOMPARE(trova<QLineEdit>("multiploLineEdit")->text(), QStringLiteral("0,50"));
    QCOMPARE(trova<QLineEdit>("massimoLineEdit")->text(), QStringLiteral("200,00"));
    QCOMPARE(trova<QLineEdit>("vincitaMassimaLineEdit")->text(), QStringLiteral("6000000,00"));
}

void ModimpoDialogTest::decimaliCheTroncanoMostranoIlValoreEsatto()
{
    // With no decimals 0,05 would show as "0" and "Applica" would store 0 for an untouched row.
    m_impostazioni.decimali = 0;
    m_impostazioni.multiplo = 0.125;
    apri();
    QCOMPARE(griglia()->item(0, 0)->text(), QStringLiteral("200"));
    QCOMPARE(griglia()->item(17, 0)->text(), QStringLiteral("0,05"));
    QCOMPARE(trova<QLineEdit>("multiploLineEdit")->text(), QStringLiteral("0,125"));

    const ImpostazioniGenerali prima = m_impostazioni;
    clicca("applicaPushButton");
    QCOMPARE(m_impostazioni.importiGiocata, prima.importiGiocata);
    QCOMPARE(m_impostazioni.multiplo, 0.125);
}

void ModimpoDialogTest::tastiDelleCaselle()
{
    for (const char* nome :
         {"minimoLineEdit", "multiploLineEdit", "massimoLineEdit", "vincitaMassimaLineEdit"}) {
        auto* casella = trova<QLineEdit>(nome);
        casella->clear();
        casella->setFocus();
        QTest::keyClicks(casella, "1a.5 x-");
        QCOMPARE(casella->text(), QStringLiteral("1,5"));
        QTest::keyClick(casella, Qt::Key_Left);
        QTest::keyClick(casella, Qt::Key_Backspace);
        QTest::keyClick(casella, Qt::Key_Delete);
        QCOMPARE(casella->text(), QStringLiteral("1"));
    }
}

void ModimpoDialogTest::tastiDellaGriglia()
{
    QTableWidget* tabella = griglia();
    tabella->setFocus();
    tabella->setCurrentCell(3, 0);
    tabella->editItem(tabella->item(3, 0));
    auto* editor = tabella->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->clear();
    QTest::keyClicks(editor, "3.5z");
    QCOMPARE(editor->text(), QStringLiteral("3,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(tabella->item(3, 0)->text(), QStringLiteral("3,5")); // the commit is queued
}

void ModimpoDialogTest::applicaRifiuta_data()
{
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("messaggio");

    const QString importoNonValido = QStringLiteral("Uno degli importi delle giocate non è valido.");
    QTest::newRow("importo") << "riga5"
                             << "1,2,3" << importoNonValido;
    QTest::newRow("importo con lettere") << "riga17"
                                         << "x" << importoNonValido;
    QTest::newRow("minimo") << "minimoLineEdit"
                            << ","
                            << "L'importo minimo di giocata non è valido.";
    QTest::newRow("massimo") << "massimoLineEdit"
                             << "1,,0"
                             << "L'importo massimo di giocata non è valido.";
    QTest::newRow("multiplo") << "multiploLineEdit"
                              << "0,5,0"
                              << "Il multiplo delle giocate non è valido.";
    QTest::newRow("vincita massima") << "vincitaMassimaLineEdit"
                                     << "6,000,000"
                                     << "La vincita massima per giocata non è valida.";
}

void ModimpoDialogTest::applicaRifiuta()
{
    QFETCH(QString, casella);
    QFETCH(QString, testo);
    QFETCH(QString, messaggio);

    // A valid change ahead of the bad value must not reach the settings either.
    griglia()->item(0, 0)->setText(QStringLiteral("150"));
    trova<QLineEdit>("vincitaMassimaLineEdit")->setText(QStringLiteral("5000000"));
    if (casella.startsWith(QStringLiteral("riga"))) {
        griglia()->item(casella.mid(4).toInt(), 0)->setText(testo);
    } else {
        trova<QLineEdit>(casella.toLatin1().constData())->setText(testo);
    }
    clicca("applicaPushButton");

    QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_messaggi.ultimo()), messaggio);
    QCOMPARE(QString::fromStdString(m_messaggi.mostrati.back().titolo), QStringLiteral("Errore"));
    QVERIFY(m_messaggi.mostrati.back().icona == Icona::Errore);
    QVERIFY(m_dialogo->isVisible());
    QCOMPARE(m_impostazioni.i18(), 200.0);
    QCOMPARE(m_impostazioni.vincitaMassima, 6000000.0);
    QVERIFY(m_archivio.nomi().empty());
}

void ModimpoDialogTest::applicaScriveEChiude()
{
    griglia()->item(17, 0)->setText(QStringLiteral("0,1"));
    griglia()->item(0, 0)->setText(QStringLiteral("250"));
    trova<QLineEdit>("minimoLineEdit")->setText(QStringLiteral("2"));
    trova<QLineEdit>("multiploLineEdit")->setText(QStringLiteral("0"));
    trova<QLineEdit>("massimoLineEdit")->setText(QStringLiteral("1000,5"));
    trova<QLineEdit>("vincitaMassimaLineEdit")->setText(QStringLiteral(""));
    clicca("applicaPushButton");

    QVERIFY(m_messaggi.mostrati.empty());
    QVERIFY(!m_dialogo->isVisible());
    QCOMPARE(m_dialogo->result(), int(QDialog::Accepted));
    QCOMPARE(m_impostazioni.i1(), 0.1);
    QCOMPARE(m_impostazioni.i18(), 250.0);
    QCOMPARE(m_impostazioni.importiGiocata[1], 0.1); // an untouched row keeps its amount
    QCOMPARE(m_impostazioni.minimo, 2.0);
    QCOMPARE(m_impostazioni.multiplo, 0.0);
    QCOMPARE(m_impostazioni.massimo, 1000.5);
    QCOMPARE(m_impostazioni.vincitaMassima, 0.0); // an empty box reads as 0

    const ImpostazioniGenerali salvate = CaricaImpostazioniGenerali(m_archivio);
    QCOMPARE(salvate.importiGiocata, m_impostazioni.importiGiocata);
    QCOMPARE(salvate.minimo, 2.0);
    QCOMPARE(salvate.massimo, 1000.5);
    QCOMPARE(salvate.multiplo, 0.0);
    QCOMPARE(salvate.vincitaMassima, 0.0);
}

void ModimpoDialogTest::escapeChiudeSenzaCambiare()
{
    auto* minimo = trova<QLineEdit>("minimoLineEdit");
    minimo->setText(QStringLiteral("7"));
    minimo->setFocus();
    QTest::keyClick(minimo, Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());
    QCOMPARE(m_dialogo->result(), int(QDialog::Rejected));
    QCOMPARE(m_impostazioni.minimo, 1.0);
    QVERIFY(m_archivio.nomi().empty());
}

void ModimpoDialogTest::guidaInLinea()
{
    clicca("guidaPushButton");
    QCOMPARE(m_servizi->guide, std::vector<QString>{QStringLiteral("imp_importi.htm")});
    QVERIFY(m_dialogo->isVisible());
}

QTEST_MAIN(ModimpoDialogTest)
#include "modimpo_dialog_test.moc"
