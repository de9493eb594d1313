#include "core/impostazioni.h"
#include "support/finestre_prova.h"
#include "ui/impo_notifiche_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

class ImpoNotificheDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mostraLeImpostazioni_data();
    void mostraLeImpostazioni();
    void applicaSalvaERiapreUguale();
    void annullaEdEscNonCambianoNulla();
    void giorniSpentiSenzaNotifica();
    void guidaInLinea();

private:
    void apri();
    QCheckBox* casella(const char* nome) const { return test::trova<QCheckBox>(m_dialogo.get(), nome); }
    void clicca(const char* pulsante)
    {
        QTest::mouseClick(test::trova<QPushButton>(m_dialogo.get(), pulsante), Qt::LeftButton);
    }
    // The days as the dialog shows them, in the stored order (Sunday first).
    QString giorniMostrati() const;

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TImpoNotifiche> m_dialogo;
};

void ImpoNotificheDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    apri();
}

void ImpoNotificheDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void ImpoNotificheDialogTest::apri()
{
    m_dialogo = std::make_unique<TImpoNotifiche>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

QString ImpoNotificheDialogTest::giorniMostrati() const
{
    QString giorni;
    for (const char* nome : {"domenicaCheckBox", "lunediCheckBox", "martediCheckBox", "mercolediCheckBox",
                             "giovediCheckBox", "venerdiCheckBox", "sabatoCheckBox"}) {
        giorni += casella(nome)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    }
    return giorni;
}

void ImpoNotificheDialogTest::mostraLeImpostazioni_data()
{
    QTest::addColumn<int>("notifica");
    QTest::addColumn<QString>("giorni");
    QTest::addColumn<bool>("spuntata");
    QTest::addColumn<QString>("mostrati");

    QTest::newRow("prima esecuzione") << 1 << "0010101" << true << "0010101";
    QTest::newRow("domenica e sabato") << 1 << "1000001" << true << "1000001";
    QTest::newRow("spenta") << 0 << "0111110" << false << "0111110";
    // Only 1 switches the notification on at start-up, so only 1 shows ticked.
    QTest::newRow("valore estraneo") << 7 << "0010101" << false << "0010101";
    QTest::newRow("giorni troppo corti") << 1 << "01" << true << "0100000";
}

void ImpoNotificheDialogTest::mostraLeImpostazioni()
{
    QFETCH(int, notifica);
    QFETCH(QString, giorni);
    QFETCH(bool, spuntata);
    QFETCH(QString, mostrati);

    m_prova->stato.generali.notificaAggio = notifica;
    m_prova->stato.generali.giorniNotifica = giorni.toStdString();
    apri();
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Notifiche aggiornamenti"));
    QCOMPARE(casella("notificaCheckBox")->isChecked(), spuntata);
    QCOMPARE(giorniMostrati(), mostrati);

    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        m_dialogo->grab().save(QDir(catture).filePath(QStringLiteral("impo_notifiche_%1.png").arg(notifica)));
    }
}

void ImpoNotificheDialogTest::applicaSalvaERiapreUguale()
{
    casella("martediCheckBox")->setChecked(false);
    casella("mercolediCheckBox")->setChecked(true);
    casella("domenicaCheckBox")->setChecked(true);
    clicca("applicaPushButton");
    QCOMPARE(m_dialogo->result(), int(QDialog::Accepted));
    QCOMPARE(m_prova->stato.generali.giorniNotifica, std::string("1001101"));
    QCOMPARE(m_prova->stato.generali.notificaAggio, 1);

    // Written to the store as the next start-up reads it.
    const ImpostazioniGenerali riletta = CaricaImpostazioniGenerali(m_prova->store);
    QCOMPARE(riletta.giorniNotifica, std::string("1001101"));
    QCOMPARE(riletta.notificaAggio, 1);

    apri();
    QCOMPARE(giorniMostrati(), QStringLiteral("1001101"));
    casella("notificaCheckBox")->setChecked(false);
    clicca("applicaPushButton");
    QCOMPARE(CaricaImpostazioniGenerali(m_prova->store).notificaAggio, 0);
    // The days stay as they were, ready for when the notification is switched on again.
    QCOMPARE(CaricaImpostazioniGenerali(m_prova->store).giorniNotifica, std::string("1001101"));

    apri();
    QVERIFY(!casella("notificaCheckBox")->isChecked());
    QCOMPARE(giorniMostrati(), QStringLiteral("1001101"));
}

void ImpoNotificheDialogTest::annullaEdEscNonCambianoNulla()
{
    const auto cambia = [this] {
        casella("notificaCheckBox")->setChecked(false);
        casella("sabatoCheckBox")->setChecked(false);
        casella("lunediCheckBox")->setChecked(true);
    };
    cambia();
    clicca("annullaPushButton");
    QCOMPARE(m_dialogo->result(), int(QDialog::Rejected));

    apri();
    cambia();
    QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());

    QCOMPARE(m_prova->stato.generali.notificaAggio, 1);
    QCOMPARE(m_prova->stato.generali.giorniNotifica, std::string("0010101"));
    QVERIFY(m_prova->store.nomi().empty());
    apri();
    QVERIFY(casella("notificaCheckBox")->isChecked());
    QCOMPARE(giorniMostrati(), QStringLiteral("0010101"));
}

void ImpoNotificheDialogTest::giorniSpentiSenzaNotifica()
{
    auto* giorni = test::trova<QGroupBox>(m_dialogo.get(), "giorniGroupBox");
    QVERIFY(giorni->isEnabled());
    QTest::mouseClick(casella("notificaCheckBox"), Qt::LeftButton);
    QVERIFY(!giorni->isEnabled());
    QVERIFY(!casella("giovediCheckBox")->isEnabled());
    QTest::mouseClick(casella("notificaCheckBox"), Qt::LeftButton);
    QVERIFY(casella("giovediCheckBox")->isEnabled());
}

void ImpoNotificheDialogTest::guidaInLinea()
{
    clicca("guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("imp_notifiche.htm")});
    QVERIFY(m_dialogo->isVisible());
}

QTEST_MAIN(ImpoNotificheDialogTest)
#include "impo_notifiche_dialog_test.moc"
