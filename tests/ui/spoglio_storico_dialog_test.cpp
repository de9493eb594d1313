#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/dai_num_estra_dialog.h"
#include "ui/pri_window.h"
#include "ui/spoglio_storico_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

void Clicca(QWidget* w, const char* pulsante)
{
    QTest::mouseClick(test::trova<QAbstractButton>(w, pulsante), Qt::LeftButton);
}

} // namespace

class SpoglioStoricoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ultimeUndiciEStessiConteggiDelMotore();
    void ruoteDelSistemaSenzaVincite();
    void interruzione_data();
    void interruzione();
    void apriConLaSceltaDellEstrazione();
    void impostazioniConservateAllaChiusura();
    void dallaFinestraPrincipale();

private:
    QLineEdit* campo(const char* nome) const { return test::trova<QLineEdit>(m_dialogo.get(), nome); }
    QTableWidget* griglia() const
    {
        return test::trova<QTableWidget>(m_dialogo.get(), "risultatiTableWidget");
    }
    QStringList riga(int r) const;
    QStringList totali() const;
    void apriDialogo();

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TSpoglioStorico> m_dialogo;
};

void SpoglioStoricoDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>(test::QualiCartelle::SoloDati);
    // 40 draws; draw i (0-based) holds 1 + i .. 5 + i on Bari and 50 .. 54 on Nazionale.
    for (int i = 0; i < 40; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i, 1 + i);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Nazionale, p, static_cast<std::uint8_t>(49 + p));
        }
        QVERIFY(m_prova->stato.archivio.InserisciEstrazione(e) > 0);
    }
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(2));
    m_prova->stato.giocate.voce(1) = test::giocata({30, 31, 32, 33, 34});
    m_prova->stato.giocate.voce(2) = test::giocata({39, 50});
    m_prova->stato.giocate.setConteggio(2);
}

void SpoglioStoricoDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void SpoglioStoricoDialogTest::apriDialogo()
{
    m_dialogo = std::make_unique<TSpoglioStorico>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
}

QStringList SpoglioStoricoDialogTest::riga(int r) const
{
    QStringList celle;
    for (int c = 0; c < 6; ++c) {
        celle << griglia()->item(r, c)->text();
    }
    return celle;
}

QStringList SpoglioStoricoDialogTest::totali() const
{
    auto* t = test::trova<QTableWidget>(m_dialogo.get(), "totaliTableWidget");
    QStringList celle;
    for (int c = 0; c < 6; ++c) {
        celle << t->item(0, c)->text();
    }
    return celle;
}

void SpoglioStoricoDialogTest::ultimeUndiciEStessiConteggiDelMotore()
{
    apriDialogo();
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Spoglio con l'archivio storico"));
    // 100 draws asked of an archive of 40: the start is the first draw.
    QCOMPARE(campo("estrazioniLineEdit")->text(), QStringLiteral("100"));
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("1"));
    QVERIFY(test::trova<QCheckBox>(m_dialogo.get(), "tutteRuoteCheckBox")->isChecked());
    QCOMPARE(griglia()->horizontalHeaderItem(1)->text(), QStringLiteral("Nº cinquine"));
    QVERIFY(!test::trova<QPushButton>(m_dialogo.get(), "interrompiPushButton")->isEnabled());

    // N - 10: the last 11 draws, the boxes rewritten.
    campo("partenzaLineEdit")->setText(QStringLiteral("30"));
    Clicca(m_dialogo.get(), "avviaPushButton");
    QCOMPARE(campo("estrazioniLineEdit")->text(), QStringLiteral("11"));
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("30"));
    QCOMPARE(m_dialogo->esito().esaminate, 11);

    // Draw 30 (index 29) holds 30..34 on Bari: the five-number play takes everything; the play 39 50 has
    // 50 on Nazionale in every draw and 39 on Bari in draws 35..39.
    QCOMPARE(riga(0), (QStringList{QStringLiteral("2/2/1900"), "1", "5", "10", "10", "6"}));
    QCOMPARE(griglia()->rowCount(), 11);
    QCOMPARE(riga(10).mid(1), (QStringList{"0", "0", "0", "0", "1"}));
    QCOMPARE(riga(5).mid(1), (QStringList{"0", "0", "0", "0", "2"}));
    QCOMPARE(totali(), (QStringList{QStringLiteral("TOTALE:"), "1", "6", "15", "20", "31"}));
    QVERIFY(griglia()->isVisible());
    QCOMPARE(griglia()->item(0, 0)->textAlignment(), int(Qt::AlignCenter));
    QVERIFY(m_prova->messaggi.mostrati.empty());

    const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
    if (!catture.isEmpty()) {
        m_dialogo->grab().save(QDir(catture).filePath(QStringLiteral("spoglio_storico.png")));
    }
}

void SpoglioStoricoDialogTest::ruoteDelSistemaSenzaVincite()
{
    // The system on Tutte only, all-wheels box off: Nazionale does not count.
    m_prova->stato.giocate.voce(1) = test::giocata({50, 51, 52});
    m_prova->stato.giocate.setConteggio(1);
    m_prova->stato.sistema.ruote = SegniRuote{};
    m_prova->stato.sistema.ruote[Tutte - 1] = 1;
    apriDialogo();
    test::trova<QCheckBox>(m_dialogo.get(), "tutteRuoteCheckBox")->setChecked(false);
    campo("estrazioniLineEdit")->setText(QStringLiteral("20"));
    campo("partenzaLineEdit")->setText(QStringLiteral("via"));
    Clicca(m_dialogo.get(), "avviaPushButton");
    // A start that is not a number: the newest 20 draws.
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("21"));
    QCOMPARE(m_dialogo->esito().esaminate, 20);
    QCOMPARE(griglia()->rowCount(), 1);
    QCOMPARE(riga(0), QStringList(6, QString()));
    QCOMPARE(totali().mid(1), QStringList(5, QStringLiteral("0")));
}

void SpoglioStoricoDialogTest::interruzione_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("esaminate");
    QTest::addColumn<bool>("interrotto");
    QTest::newRow("No: il controllo prosegue") << static_cast<int>(Risposta::No) << 40 << false;
    QTest::newRow("Sì: si ferma dopo la prima estrazione") << static_cast<int>(Risposta::Si) << 1 << true;
}

void SpoglioStoricoDialogTest::interruzione()
{
    QFETCH(int, risposta);
    QFETCH(int, esaminate);
    QFETCH(bool, interrotto);
    apriDialogo();
    // Runs at the first poll, at the end of the first draw.
    bool chiusuraRifiutata = false;
    bool soloInterrompi = false;
    QTimer::singleShot(0, m_dialogo.get(), [&] {
        chiusuraRifiutata = !m_dialogo->close() && m_dialogo->isVisible();
        QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
        chiusuraRifiutata = chiusuraRifiutata && m_dialogo->isVisible();
        soloInterrompi = test::trova<QPushButton>(m_dialogo.get(), "interrompiPushButton")->isEnabled() &&
                         !test::trova<QPushButton>(m_dialogo.get(), "avviaPushButton")->isEnabled() &&
                         !campo("estrazioniLineEdit")->isEnabled() && !griglia()->isVisible();
        test::trova<QPushButton>(m_dialogo.get(), "interrompiPushButton")->click();
    });
    m_prova->messaggi.risposte = {static_cast<Risposta>(risposta)};
    m_dialogo->avvia();

    QVERIFY(chiusuraRifiutata);
    QVERIFY(soloInterrompi);
    // Asked once: No does not ask again.
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    const Messaggio& domanda = m_prova->messaggi.mostrati.back();
    QCOMPARE(QString::fromStdString(domanda.testo),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QCOMPARE(domanda.pulsanti, Pulsanti::SiNo);
    QCOMPARE(domanda.predefinita, Risposta::No);
    QCOMPARE(m_dialogo->esito().esaminate, esaminate);
    QCOMPARE(m_dialogo->esito().interrotto, interrotto);
    // The rows already found stay, the window is idle again.
    QCOMPARE(griglia()->rowCount(), static_cast<int>(m_dialogo->esito().righe.size()));
    QCOMPARE(riga(0).at(0), QStringLiteral("1/1/1900"));
    QVERIFY(griglia()->isVisible());
    QVERIFY(test::trova<QPushButton>(m_dialogo.get(), "avviaPushButton")->isEnabled());
    QVERIFY(!test::trova<QPushButton>(m_dialogo.get(), "interrompiPushButton")->isEnabled());
    QCOMPARE(test::trova<QProgressBar>(m_dialogo.get(), "avanzamentoProgressBar")->value(), 0);
    QVERIFY(m_dialogo->close());
}

void SpoglioStoricoDialogTest::apriConLaSceltaDellEstrazione()
{
    apriDialogo();
    campo("partenzaLineEdit")->setText(QStringLiteral("12"));
    std::int32_t posizioneIniziale = -1;
    m_prova->servizi.dialogo = [&](QDialog& d) -> std::optional<int> {
        auto* scelta = qobject_cast<TDaiNumEstra*>(&d);
        if (scelta == nullptr) {
            return std::nullopt;
        }
        posizioneIniziale = scelta->posizione();
        scelta->mostraEstrazione(25);
        return QDialog::Accepted;
    };
    Clicca(m_dialogo.get(), "apriPushButton");
    QCOMPARE(posizioneIniziale, 12);
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("25"));

    // Cancelled: the box keeps its text.
    m_prova->servizi.dialogo = [](QDialog&) -> std::optional<int> { return QDialog::Rejected; };
    Clicca(m_dialogo.get(), "apriPushButton");
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("25"));
    QCOMPARE(m_prova->servizi.dialoghi, (std::vector<QString>{"TDaiNumEstra", "TDaiNumEstra"}));

    Clicca(m_dialogo.get(), "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("gf_sposto.htm")});
}

void SpoglioStoricoDialogTest::impostazioniConservateAllaChiusura()
{
    apriDialogo();
    campo("estrazioniLineEdit")->setText(QStringLiteral("15"));
    test::trova<QCheckBox>(m_dialogo.get(), "tutteRuoteCheckBox")->setChecked(false);
    QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());
    QCOMPARE(m_prova->store.leggiTesto("IDE_SpoStoED1"), std::optional<std::string>("15"));
    QCOMPARE(m_prova->store.leggiTesto("IDE_SpoStoCB1"), std::optional<std::string>("0"));

    apriDialogo();
    QCOMPARE(campo("estrazioniLineEdit")->text(), QStringLiteral("15"));
    QCOMPARE(campo("partenzaLineEdit")->text(), QStringLiteral("26"));
    QVERIFY(!test::trova<QCheckBox>(m_dialogo.get(), "tutteRuoteCheckBox")->isChecked());
}

void SpoglioStoricoDialogTest::dallaFinestraPrincipale()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* comando = test::azione(&finestra, QStringLiteral("Spoglio con l'archivio storico"));
    QVERIFY(comando->isEnabled());

    // The new system started with an empty list.
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    comando->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate da controllare!"));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Informazione);

    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({39, 50});
    m_prova->stato.giocate.setConteggio(1);
    QString totale;
    test::quandoAperto<TSpoglioStorico>([&](TSpoglioStorico* d) {
        d->avvia();
        totale = test::trova<QTableWidget>(d, "totaliTableWidget")->item(0, 5)->text();
        Clicca(d, "chiudiPushButton");
    });
    comando->trigger();
    // All 40 draws on the eleven wheels: 50 on Nazionale each time, 39 on Bari five times.
    QCOMPARE(totale, QStringLiteral("45"));
    m_prova->stato.sistema.modificato = false;
}

QTEST_MAIN(SpoglioStoricoDialogTest)
#include "spoglio_storico_dialog_test.moc"
