#include "core/impostazioni.h"
#include "core/probabilita.h"
#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/impo_frequenze_dialog.h"
#include "ui/impo_probabilita_dialog.h"
#include "ui/pri_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

class ImpoProbabilitaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mostraLeImpostazioni();
    void mostraImpostazioniSalvate();
    void cursoreMostraIPesi();
    void interazioneCaselle_data();
    void interazioneCaselle();
    void okSalvaERicalcola();
    void okSenzaRicalcolaUsaLeStatistiche();
    void anullaEdEscNonCambianoNulla();
    void invioConferma();
    void guidaInLinea();
    void pulsanteFrequenze();

    void frequenzeMostra();
    void frequenzeRifiuta_data();
    void frequenzeRifiuta();
    void frequenzeAccetta_data();
    void frequenzeAccetta();
    void frequenzeAnnulla();

    void comandiDellaFinestraPrincipale();

private:
    void apri();
    void apriFrequenze();
    void aggiungiEstrazioni(int quante);
    template <typename T> static T* trova(QWidget* dialogo, const char* nome)
    {
        return test::trova<T>(dialogo, nome);
    }
    template <typename T> T* trova(const char* nome) const { return trova<T>(m_dialogo.get(), nome); }
    QCheckBox* casella(const char* nome) const { return trova<QCheckBox>(nome); }
    QSlider* cursore() const { return trova<QSlider>("pesiSlider"); }
    QString pesi() const { return trova<QLabel>("pesiLabel")->text(); }
    void clicca(QWidget* dialogo, const char* pulsante)
    {
        QTest::mouseClick(trova<QPushButton>(dialogo, pulsante), Qt::LeftButton);
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
    int m_ricalcoli = 0;
    std::unique_ptr<TImpoProbabilita> m_dialogo;
    std::unique_ptr<TImpoFrequenze> m_frequenze;
};

void ImpoProbabilitaDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    m_ricalcoli = 0;
    apri();
}

void ImpoProbabilitaDialogTest::cleanup()
{
    m_frequenze.reset();
    m_dialogo.reset();
    m_prova.reset();
}

void ImpoProbabilitaDialogTest::apri()
{
    m_dialogo =
        std::make_unique<TImpoProbabilita>(m_prova->stato, m_prova->servizi, [this] { ++m_ricalcoli; });
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void ImpoProbabilitaDialogTest::apriFrequenze()
{
    m_frequenze = std::make_unique<TImpoFrequenze>(m_prova->stato, [this] { ++m_ricalcoli; });
    m_frequenze->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frequenze.get()));
}

void ImpoProbabilitaDialogTest::aggiungiEstrazioni(int quante)
{
    for (int i = 0; i < quante; ++i) {
        QCOMPARE(m_prova->stato.archivio.InserisciEstrazione(test::estrazioneNumero(i, 1 + (i * 7) % 86)),
                 i + 1);
    }
}

void ImpoProbabilitaDialogTest::mostraLeImpostazioni()
{
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Impostazioni per il calcolo delle probabilità"));
    QCOMPARE(trova<QGroupBox>("criterioGroupBox")->title(),
             QStringLiteral(" Criterio per l'assegnazione delle probabilità "));
    QCOMPARE(casella("ritardiCheckBox")->text(), QStringLiteral("Assegna probabilità in base ai ritardi"));
    QCOMPARE(casella("frequenzeCheckBox")->text(),
             QStringLiteral("Assegna probabilità in base alle frequenze"));
    QCOMPARE(trova<QRadioButton>("ritardiPiuRadioButton")->text(),
             QStringLiteral("Assegna maggiore probabilità ai numeri più ritardatari"));
    QCOMPARE(trova<QRadioButton>("ritardiMenoRadioButton")->text(),
             QStringLiteral("Assegna maggiore probabilità ai numeri meno ritardatari"));
    QCOMPARE(trova<QRadioButton>("frequenzeMenoRadioButton")->text(),
             QStringLiteral("Assegna maggiore probabilità ai numeri meno frequenti"));
    QCOMPARE(trova<QRadioButton>("frequenzePiuRadioButton")->text(),
             QStringLiteral("Assegna maggiore probabilità ai numeri più frequenti"));
    QCOMPARE(trova<QLabel>("ritardiLabel")->text(), QStringLiteral("Ritardi"));
    QCOMPARE(trova<QLabel>("frequenzeLabel")->text(), QStringLiteral("Frequenze"));
    QCOMPARE(trova<QPushButton>("frequenzePushButton")->text(), QStringLiteral("Frequenze"));
    QCOMPARE(trova<QPushButton>("guidaPushButton")->text(), QStringLiteral("Guida in linea"));
    QCOMPARE(trova<QPushButton>("okPushButton")->text(), QStringLiteral("OK"));
    QCOMPARE(trova<QPushButton>("annullaPushButton")->text(), QStringLiteral("Annulla"));

    // The defaults: both components, more delayed and less frequent numbers favoured, 50/50.
    QVERIFY(casella("ritardiCheckBox")->isChecked());
    QVERIFY(casella("frequenzeCheckBox")->isChecked());
    QVERIFY(trova<QRadioButton>("ritardiPiuRadioButton")->isChecked());
    QVERIFY(trova<QRadioButton>("frequenzeMenoRadioButton")->isChecked());
    QCOMPARE(cursore()->minimum(), 0);
    QCOMPARE(cursore()->maximum(), 100);
    QCOMPARE(cursore()->singleStep(), 1);
    QCOMPARE(cursore()->tickInterval(), 5);
    QCOMPARE(cursore()->value(), 50);
    QCOMPARE(pesi(), QStringLiteral("Peso ritardi/frequenze: 50/50"));
}

void ImpoProbabilitaDialogTest::mostraImpostazioniSalvate()
{
    m_prova->stato.generali.ipUsaRit = false;
    m_prova->stato.generali.ipRitDirProp = false;
    m_prova->stato.generali.ipFreqInvProp = false;
    m_prova->stato.generali.ipPrMax = 75.0;
    m_prova->stato.generali.ipPfMax = 25.0;
    apri();
    QVERIFY(!casella("ritardiCheckBox")->isChecked());
    QVERIFY(!trova<QWidget>("ritardiSceltaWidget")->isEnabled());
    QVERIFY(trova<QRadioButton>("ritardiMenoRadioButton")->isChecked());
    QVERIFY(trova<QWidget>("frequenzeSceltaWidget")->isEnabled());
    QVERIFY(trova<QRadioButton>("frequenzePiuRadioButton")->isChecked());
    // Opening shows the stored weights as they are; the interplay acts only on clicks.
    QCOMPARE(cursore()->value(), 25);
    QCOMPARE(pesi(), QStringLiteral("Peso ritardi/frequenze: 75/25"));
}

void ImpoProbabilitaDialogTest::cursoreMostraIPesi()
{
    cursore()->setFocus();
    QTest::keyClick(cursore(), Qt::Key_Right);
    QCOMPARE(pesi(), QStringLiteral("Peso ritardi/frequenze: 49/51"));
    QTest::keyClick(cursore(), Qt::Key_End);
    QCOMPARE(pesi(), QStringLiteral("Peso ritardi/frequenze: 0/100"));
    cursore()->setValue(0);
    QCOMPARE(pesi(), QStringLiteral("Peso ritardi/frequenze: 100/0"));
}

void ImpoProbabilitaDialogTest::interazioneCaselle_data()
{
    QTest::addColumn<bool>("ritardi");
    QTest::addColumn<bool>("frequenze");
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("cliccata");
    QTest::addColumn<bool>("ritardiDopo");
    QTest::addColumn<bool>("frequenzeDopo");
    QTest::addColumn<int>("posizioneDopo");

    QTest::newRow("togli ritardi") << true << true << 30 << "ritardiCheckBox" << false << true << 100;
    QTest::newRow("togli frequenze") << true << true << 30 << "frequenzeCheckBox" << true << false << 0;
    QTest::newRow("rimetti ritardi") << false << true << 100 << "ritardiCheckBox" << true << true << 100;
    QTest::newRow("rimetti frequenze") << true << false << 0 << "frequenzeCheckBox" << true << true << 0;
    QTest::newRow("nessuna: ritardi restano")
        << true << false << 0 << "ritardiCheckBox" << true << false << 0;
    QTest::newRow("nessuna: tornano i ritardi")
        << false << true << 100 << "frequenzeCheckBox" << true << false << 0;
}

void ImpoProbabilitaDialogTest::interazioneCaselle()
{
    QFETCH(bool, ritardi);
    QFETCH(bool, frequenze);
    QFETCH(int, posizione);
    QFETCH(QString, cliccata);
    QFETCH(bool, ritardiDopo);
    QFETCH(bool, frequenzeDopo);
    QFETCH(int, posizioneDopo);

    m_prova->stato.generali.ipUsaRit = ritardi;
    m_prova->stato.generali.ipUsaFre = frequenze;
    m_prova->stato.generali.ipPrMax = 100.0 - posizione;
    m_prova->stato.generali.ipPfMax = posizione;
    apri();
    QTest::mouseClick(casella(cliccata.toLatin1().constData()), Qt::LeftButton);

    QCOMPARE(casella("ritardiCheckBox")->isChecked(), ritardiDopo);
    QCOMPARE(casella("frequenzeCheckBox")->isChecked(), frequenzeDopo);
    QCOMPARE(trova<QWidget>("ritardiSceltaWidget")->isEnabled(), ritardiDopo);
    QCOMPARE(trova<QWidget>("frequenzeSceltaWidget")->isEnabled(), frequenzeDopo);
    QCOMPARE(cursore()->value(), posizioneDopo);
    QCOMPARE(pesi(),
             QStringLiteral("Peso ritardi/frequenze: %1/%2").arg(100 - posizioneDopo).arg(posizioneDopo));
    // Nothing is stored before "OK".
    QVERIFY(m_prova->store.nomi().empty());
    QCOMPARE(m_prova->stato.generali.ipUsaRit, ritardi);
}

void ImpoProbabilitaDialogTest::okSalvaERicalcola()
{
    m_prova->stato.generali.ipPrMin = 5.0; // a stale lower end is reset to 0
    apri();
    QTest::mouseClick(trova<QRadioButton>("ritardiMenoRadioButton"), Qt::LeftButton);
    QTest::mouseClick(trova<QRadioButton>("frequenzePiuRadioButton"), Qt::LeftButton);
    QTest::mouseClick(casella("frequenzeCheckBox"), Qt::LeftButton); // slider to 0
    cursore()->setValue(20);
    clicca(m_dialogo.get(), "okPushButton");

    QVERIFY(!m_dialogo->isVisible());
    QCOMPARE(m_dialogo->result(), int(QDialog::Accepted));
    QCOMPARE(m_ricalcoli, 1);
    QVERIFY(m_prova->messaggi.mostrati.empty());

    const ImpostazioniGenerali salvate = CaricaImpostazioniGenerali(m_prova->store);
    const ImpostazioniGenerali& inMemoria = m_prova->stato.generali;
    for (const ImpostazioniGenerali* g : {&inMemoria, &salvate}) {
        QCOMPARE(g->ipUsaRit, true);
        QCOMPARE(g->ipRitDirProp, false);
        QCOMPARE(g->ipUsaFre, false);
        QCOMPARE(g->ipFreqInvProp, false);
        QCOMPARE(g->ipPrMin, 0.0);
        QCOMPARE(g->ipPrMax, 80.0);
        QCOMPARE(g->ipPfMin, 0.0);
        QCOMPARE(g->ipPfMax, 20.0);
    }
    // The whole group is written together.
    QVERIFY(m_prova->store.nomi().size() > 9);
}

void ImpoProbabilitaDialogTest::okSenzaRicalcolaUsaLeStatistiche()
{
    aggiungiEstrazioni(20);
    m_dialogo = std::make_unique<TImpoProbabilita>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
    QCOMPARE(m_prova->stato.statistiche.probabilita[1], 0.0);
    clicca(m_dialogo.get(), "okPushButton");

    StatisticheNumeri attese;
    RicalcolaStatistiche(m_prova->stato.archivio, m_prova->stato.sistema.ruote, m_prova->stato.generali,
                         attese);
    QVERIFY(attese.probabilita != StatisticheNumeri{}.probabilita);
    QVERIFY(m_prova->stato.statistiche.probabilita == attese.probabilita);
}

void ImpoProbabilitaDialogTest::anullaEdEscNonCambianoNulla()
{
    const ImpostazioniGenerali prima = m_prova->stato.generali;
    for (const bool conEsc : {false, true}) {
        apri();
        QTest::mouseClick(casella("ritardiCheckBox"), Qt::LeftButton);
        QTest::mouseClick(trova<QRadioButton>("frequenzePiuRadioButton"), Qt::LeftButton);
        if (conEsc) {
            QTest::keyClick(cursore(), Qt::Key_Escape);
        } else {
            clicca(m_dialogo.get(), "annullaPushButton");
        }
        QVERIFY(!m_dialogo->isVisible());
        QCOMPARE(m_dialogo->result(), int(QDialog::Rejected));
    }
    QCOMPARE(m_prova->stato.generali.ipUsaRit, prima.ipUsaRit);
    QCOMPARE(m_prova->stato.generali.ipFreqInvProp, prima.ipFreqInvProp);
    QCOMPARE(m_prova->stato.generali.ipPrMax, prima.ipPrMax);
    QVERIFY(m_prova->store.nomi().empty());
    QCOMPARE(m_ricalcoli, 0);
}

void ImpoProbabilitaDialogTest::invioConferma()
{
    cursore()->setValue(100);
    QTest::keyClick(cursore(), Qt::Key_Return);
    QCOMPARE(m_dialogo->result(), int(QDialog::Accepted));
    QCOMPARE(m_prova->stato.generali.ipPrMax, 0.0);
    QCOMPARE(m_prova->stato.generali.ipPfMax, 100.0);
}

void ImpoProbabilitaDialogTest::guidaInLinea()
{
    clicca(m_dialogo.get(), "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("imp_probabilita.htm")});
    QVERIFY(m_dialogo->isVisible());
}

void ImpoProbabilitaDialogTest::pulsanteFrequenze()
{
    aggiungiEstrazioni(30);
    QString titolo;
    QString mostrato;
    QTimer::singleShot(0, this, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        auto* frequenze = qobject_cast<TImpoFrequenze*>(modale);
        if (frequenze == nullptr) {
            return;
        }
        titolo = frequenze->windowTitle();
        auto* numero = trova<QLineEdit>(frequenze, "numeroEstrazioniLineEdit");
        mostrato = numero->text();
        numero->setText(QStringLiteral("45"));
        clicca(frequenze, "okPushButton");
    });
    clicca(m_dialogo.get(), "frequenzePushButton");

    QCOMPARE(titolo, QStringLiteral("Impostazioni sul calcolo delle frequenze"));
    QCOMPARE(mostrato, QStringLiteral("100"));
    QCOMPARE(m_prova->stato.generali.ifNumEstra, 30); // lowered to the archive's draws
    QCOMPARE(CaricaImpostazioniGenerali(m_prova->store).ifNumEstra, 30);
    QCOMPARE(m_ricalcoli, 1);
    // The probability dialog stays open, and cancelling it keeps the stored span.
    QVERIFY(m_dialogo->isVisible());
    clicca(m_dialogo.get(), "annullaPushButton");
    QCOMPARE(m_prova->stato.generali.ifNumEstra, 30);
}

void ImpoProbabilitaDialogTest::frequenzeMostra()
{
    m_prova->stato.generali.ifNumEstra = 250;
    apriFrequenze();
    QCOMPARE(m_frequenze->windowTitle(), QStringLiteral("Impostazioni sul calcolo delle frequenze"));
    QCOMPARE(trova<QLabel>(m_frequenze.get(), "notaLabel")->text(),
             QStringLiteral("Selezionare le estrazioni da utilizzare per il calcolo delle frequenze"));
    QCOMPARE(trova<QLabel>(m_frequenze.get(), "ultimeLabel")->text(),
             QStringLiteral("Per il calcolo delle frequenze usa le ultime"));
    QCOMPARE(trova<QLabel>(m_frequenze.get(), "estrazioniLabel")->text(), QStringLiteral("estrazioni"));
    QCOMPARE(trova<QLineEdit>(m_frequenze.get(), "numeroEstrazioniLineEdit")->text(), QStringLiteral("250"));
    QCOMPARE(trova<QPushButton>(m_frequenze.get(), "okPushButton")->text(), QStringLiteral("OK"));
    QCOMPARE(trova<QPushButton>(m_frequenze.get(), "annullaPushButton")->text(), QStringLiteral("Annulla"));
}

void ImpoProbabilitaDialogTest::frequenzeRifiuta_data()
{
    QTest::addColumn<QString>("testo");
    QTest::newRow("vuoto") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("negativo") << "-3";
    QTest::newRow("lettere") << "cento";
    QTest::newRow("decimale") << "12,5";
    QTest::newRow("troppo grande") << "99999999999";
}

void ImpoProbabilitaDialogTest::frequenzeRifiuta()
{
    QFETCH(QString, testo);
    aggiungiEstrazioni(10);
    apriFrequenze();
    auto* numero = trova<QLineEdit>(m_frequenze.get(), "numeroEstrazioniLineEdit");
    numero->setText(testo);
    trova<QPushButton>(m_frequenze.get(), "okPushButton")->setFocus();
    clicca(m_frequenze.get(), "okPushButton");

    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Il numero di estrazioni non è valido!"));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Attenzione"));
    QVERIFY(m_frequenze->isVisible());
    QCOMPARE(m_frequenze->focusWidget(), numero);
    QCOMPARE(m_prova->stato.generali.ifNumEstra, 100);
    QVERIFY(m_prova->store.nomi().empty());
    QCOMPARE(m_ricalcoli, 0);
}

void ImpoProbabilitaDialogTest::frequenzeAccetta_data()
{
    QTest::addColumn<int>("archivio");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("atteso");
    QTest::newRow("dentro l'archivio") << 50 << "30" << 30;
    QTest::newRow("uno") << 50 << "1" << 1;
    QTest::newRow("pari all'archivio") << 50 << "50" << 50;
    QTest::newRow("oltre l'archivio") << 50 << "500" << 50;
    QTest::newRow("archivio vuoto") << 0 << "500" << 500;
}

void ImpoProbabilitaDialogTest::frequenzeAccetta()
{
    QFETCH(int, archivio);
    QFETCH(QString, testo);
    QFETCH(int, atteso);
    aggiungiEstrazioni(archivio);
    apriFrequenze();
    auto* numero = trova<QLineEdit>(m_frequenze.get(), "numeroEstrazioniLineEdit");
    numero->setText(testo);
    QTest::keyClick(numero, Qt::Key_Return); // Enter is "OK"

    QVERIFY(m_prova->messaggi.mostrati.empty());
    QVERIFY(!m_frequenze->isVisible());
    QCOMPARE(m_frequenze->result(), int(QDialog::Accepted));
    QCOMPARE(m_prova->stato.generali.ifNumEstra, atteso);
    QCOMPARE(CaricaImpostazioniGenerali(m_prova->store).ifNumEstra, atteso);
    QCOMPARE(m_ricalcoli, 1);
}

void ImpoProbabilitaDialogTest::frequenzeAnnulla()
{
    for (const bool conEsc : {false, true}) {
        apriFrequenze();
        auto* numero = trova<QLineEdit>(m_frequenze.get(), "numeroEstrazioniLineEdit");
        numero->setText(QStringLiteral("7"));
        if (conEsc) {
            QTest::keyClick(numero, Qt::Key_Escape);
        } else {
            clicca(m_frequenze.get(), "annullaPushButton");
        }
        QVERIFY(!m_frequenze->isVisible());
        QCOMPARE(m_frequenze->result(), int(QDialog::Rejected));
    }
    QCOMPARE(m_prova->stato.generali.ifNumEstra, 100);
    QVERIFY(m_prova->store.nomi().empty());
    QCOMPARE(m_ricalcoli, 0);
}

void ImpoProbabilitaDialogTest::comandiDellaFinestraPrincipale()
{
    m_dialogo.reset();
    aggiungiEstrazioni(40);
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    auto azione = [&finestra](const QString& testo) -> QAction* {
        for (QAction* a : finestra.findChildren<QAction*>()) {
            if (a->text() == testo) {
                return a;
            }
        }
        return nullptr;
    };
    QAction* probabilita = azione(QStringLiteral("Calcolo delle probabilità"));
    QAction* frequenze = azione(QStringLiteral("Calcolo delle frequenze"));
    QVERIFY(probabilita != nullptr && probabilita->isEnabled());
    QVERIFY(frequenze != nullptr && frequenze->isEnabled());

    // Frequencies alone, then over the last 10 of the 40 draws.
    QString aperti;
    QTimer::singleShot(0, this, [&] {
        if (auto* dialogo = qobject_cast<TImpoProbabilita*>(QApplication::activeModalWidget())) {
            aperti += dialogo->windowTitle();
            trova<QSlider>(dialogo, "pesiSlider")->setValue(100);
            clicca(dialogo, "okPushButton");
        }
    });
    probabilita->trigger();
    QTimer::singleShot(0, this, [&] {
        if (auto* dialogo = qobject_cast<TImpoFrequenze*>(QApplication::activeModalWidget())) {
            aperti += QStringLiteral("|") + dialogo->windowTitle();
            trova<QLineEdit>(dialogo, "numeroEstrazioniLineEdit")->setText(QStringLiteral("10"));
            clicca(dialogo, "okPushButton");
        }
    });
    frequenze->trigger();

    QCOMPARE(aperti, QStringLiteral("Impostazioni per il calcolo delle probabilità|"
                                    "Impostazioni sul calcolo delle frequenze"));
    QCOMPARE(m_prova->stato.generali.ipPfMax, 100.0);
    QCOMPARE(m_prova->stato.generali.ifNumEstra, 10);
    StatisticheNumeri attese;
    RicalcolaStatistiche(m_prova->stato.archivio, m_prova->stato.sistema.ruote, m_prova->stato.generali,
                         attese);
    QVERIFY(m_prova->stato.statistiche.probabilita == attese.probabilita);
    QVERIFY(m_prova->stato.statistiche.frequenze == attese.frequenze);
}

QTEST_MAIN(ImpoProbabilitaDialogTest)
#include "impo_probabilita_dialog_test.moc"
