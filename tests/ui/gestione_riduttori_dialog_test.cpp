#include "checking/distribuzione_punti.h"
#include "editor/stato_applicazione.h"
#include "support/finestre_prova.h"
#include "ui/gestione_riduttori_dialog.h"
#include "ui/nuovo_riduttore_dialog.h"
#include "ui/pro_vin_riduttore_dialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

class GestioneRiduttoriDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pulsantiEdEliminazione();
    void probabilitaDiUnRiduttoreElencato();

private:
    std::string file(const std::string& nome) const { return m_prova->stato.cartelle.personale + nome; }
    void clicca(QDialog& d, const char* nome)
    {
        QTest::mouseClick(test::trova<QPushButton>(&d, QString::fromLatin1(nome)), Qt::LeftButton);
    }
    std::unique_ptr<test::StatoDiProva> m_prova;
};

void GestioneRiduttoriDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    std::ofstream(file("sei.rid"), std::ios::binary)
        << "<<1>>\r\n6\r\n5\r\n<</1>>\r\n<<2>>\r\ncoppie\r\n<</2>>\r\n<<3>>\r\n1 2 3\r\n4 5 6\r\n1 4\r\n2 "
           "5\r\n3 6\r\n"
           "<</3>>\r\n";
    std::ofstream(file("tanti.rid"), std::ios::binary) << "<<1>>\r\n3\r\n10001\r\n<</1>>\r\n<<3>>\r\n1 2\r\n";
}

void GestioneRiduttoriDialogTest::cleanup()
{
    m_prova.reset();
}

void GestioneRiduttoriDialogTest::pulsantiEdEliminazione()
{
    TGestioneRiduttori dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Gestione riduttori"));
    auto* tabella = test::trova<QTableWidget>(&dialogo, QStringLiteral("riduttoriTableWidget"));
    QCOMPARE(tabella->rowCount(), 2);
    QCOMPARE(test::trova<QPlainTextEdit>(&dialogo, QStringLiteral("commentiPlainTextEdit"))->toPlainText(),
             QStringLiteral("coppie"));
    QVERIFY(test::trova<QPushButton>(&dialogo, QStringLiteral("eliminaPushButton"))->isEnabled());
    dialogo.grab().save(QStringLiteral("/tmp/gestione_riduttori_dialog.png"));

    // The 10000 limit of the probability.
    tabella->selectRow(1);
    clicca(dialogo, "probabilitaPushButton");
    QCOMPARE(m_prova->messaggi.ultimo(),
             std::string("La probabilità di vincita può essere calcolata solo per "
                         "riduttori con meno di 10000 giocate riduttrici."));
    QVERIFY(m_prova->servizi.dialoghi.empty());

    // The web pages on the reducer server, help.
    clicca(dialogo, "scaricaPushButton");
    clicca(dialogo, "pubblicaPushButton");
    QCOMPARE(m_prova->servizi.indirizzi.size(), std::size_t{2});
    QCOMPARE(m_prova->servizi.indirizzi[0].toString(),
             QStringLiteral("http://riduttori.quarvina.example/lotto/riduttori_personalizzati/index.php"));
    QCOMPARE(m_prova->servizi.indirizzi[1].toString(),
             QStringLiteral("http://riduttori.quarvina.example/lotto/riduttori_personalizzati/invia.php"));
    m_prova->stato.generali.serverRiduttori = "file:///etc";
    clicca(dialogo, "scaricaPushButton");
    QCOMPARE(m_prova->servizi.indirizzi.size(), std::size_t{2});
    clicca(dialogo, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide.back(), QStringLiteral("mdr_gestrid.htm"));

    // "Nuovo" and "Modifica" open the editor, then rebuild the list.
    m_prova->servizi.dialogo = [](QDialog&) -> std::optional<int> { return QDialog::Rejected; };
    clicca(dialogo, "nuovoPushButton");
    clicca(dialogo, "modificaPushButton");
    QCOMPARE(m_prova->servizi.dialoghi,
             (std::vector<QString>{QStringLiteral("TNuovoRiduttore"), QStringLiteral("TNuovoRiduttore")}));

    // "Elimina" asks first: No keeps the file, Yes deletes it.
    tabella->selectRow(1);
    m_prova->messaggi.risposte = {Risposta::No};
    clicca(dialogo, "eliminaPushButton");
    QCOMPARE(m_prova->messaggi.ultimo(),
             std::string("Eliminare definitivamente il riduttore \"tanti\" e il relativo "
                         "file \"tanti.rid\" dal disco ?"));
    QCOMPARE(m_prova->messaggi.mostrati.back().pulsanti, Pulsanti::SiNo);
    QVERIFY(std::filesystem::exists(file("tanti.rid")));
    tabella->selectRow(1);
    m_prova->messaggi.risposte = {Risposta::Si};
    clicca(dialogo, "eliminaPushButton");
    QVERIFY(!std::filesystem::exists(file("tanti.rid")));
    QCOMPARE(tabella->rowCount(), 1);

    clicca(dialogo, "chiudiPushButton");
    QVERIFY(!dialogo.isVisible());
}

void GestioneRiduttoriDialogTest::probabilitaDiUnRiduttoreElencato()
{
    TGestioneRiduttori dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QString titolo;
    std::array<double, 6> percentuali{};
    QString guida;
    m_prova->servizi.dialogo = [&](QDialog& d) -> std::optional<int> {
        auto* p = qobject_cast<TProVinRiduttore*>(&d);
        if (p == nullptr) {
            return QDialog::Rejected;
        }
        titolo = p->windowTitle();
        test::trova<QComboBox>(p, QStringLiteral("puntiComboBox"))->setCurrentIndex(2);
        p->avvia();
        for (int s = 0; s < 6; ++s) {
            percentuali[static_cast<std::size_t>(s)] = p->esito().percentuale(s);
        }
        QTest::mouseClick(test::trova<QPushButton>(p, QStringLiteral("guidaPushButton")), Qt::LeftButton);
        return QDialog::Accepted;
    };
    clicca(dialogo, "probabilitaPushButton");
    QCOMPARE(titolo, QStringLiteral("Calcola probabilità di vincita del riduttore sei.rid"));
    QCOMPARE(m_prova->servizi.guide.back(), QStringLiteral("mdr_applicarid.htm"));

    // The positions as numbers give the shares of any prediction of six numbers with the mapped plays.
    const std::vector<Tipo_Giocata> mappate = {test::giocata({4, 8, 15}), test::giocata({16, 23, 42}),
                                               test::giocata({4, 16}), test::giocata({8, 23}),
                                               test::giocata({15, 42})};
    EsitoDistribuzionePunti atteso;
    EsecuzioneContinua continua;
    DistribuzionePunti({4, 8, 15, 16, 23, 42}, mappate.data(), 5, 3, atteso, continua);
    for (int s = 0; s < 6; ++s) {
        QCOMPARE(percentuali[static_cast<std::size_t>(s)], atteso.percentuale(s));
    }
    QVERIFY(atteso.percentuale(3) > 0);
}

QTEST_MAIN(GestioneRiduttoriDialogTest)
#include "gestione_riduttori_dialog_test.moc"
