#include "editor/stato_applicazione.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/riduttori_immediati.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/rid_ortogonale_dialog.h"
#include "ui/rid_ortogonale_gio_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

// The two orthogonal dialogs: options, table, reducer estimate and mode, runs and their outcomes.
class RidOrtogonaleDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pronosticoApreConLeOpzioni_data();
    void pronosticoApreConLeOpzioni();
    void stimaDelRiduttore();
    void pronosticoAggiungeEChiude();
    void pronosticoSenzaGiocateRestaAperto();
    void riduttoreDanneggiatoChiude();
    void scaricaRiduttori();
    void giocateModoERicadute();
    void giocateRiduceEChiude();
    void giocateInterrottaLasciaLeGiocate();
    void guida();

private:
    void pronostico(std::vector<int> numeri, int k, std::initializer_list<int> fisse = {});
    std::vector<Tipo_Giocata> giocate() const;
    void scriviRiduttore(int v, int k, int g, std::vector<std::uint8_t> posizioni);
    template <typename T> T* trova(QDialog* d, const char* nome) const { return test::trova<T>(d, nome); }
    static QStringList colonna(QTableWidget* t, int c)
    {
        QStringList v;
        for (int r = 0; r < t->rowCount(); ++r) {
            v << t->item(r, c)->text();
        }
        return v;
    }
    static void clicca(QDialog* d, const char* nome)
    {
        QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(nome)), Qt::LeftButton);
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidOrtogonaleDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void RidOrtogonaleDialogTest::cleanup()
{
    m_prova.reset();
}

void RidOrtogonaleDialogTest::pronostico(std::vector<int> numeri, int k, std::initializer_list<int> fisse)
{
    Sistema& s = m_prova->stato.sistema;
    s.pronostico = {};
    for (int n : numeri) {
        s.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    s.numeriPerGiocata = k;
    s.numeroFisse = 0;
    for (int f : fisse) {
        s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
    }
}

std::vector<Tipo_Giocata> RidOrtogonaleDialogTest::giocate() const
{
    std::vector<Tipo_Giocata> v;
    for (std::int32_t i = 1; i <= m_prova->stato.giocate.conteggio(); ++i) {
        v.push_back(m_prova->stato.giocate.voce(i));
    }
    return v;
}

void RidOrtogonaleDialogTest::scriviRiduttore(int v, int k, int g, std::vector<std::uint8_t> posizioni)
{
    QVERIFY(ScriviRiduttoriImmediati(m_prova->cartella.file(NomeFileRiduttoriOrtogonali),
                                     {{v, k, g, std::move(posizioni)}}));
}

void RidOrtogonaleDialogTest::pronosticoApreConLeOpzioni_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("salvato"); // -1: nothing stored
    QTest::addColumn<QString>("garanzia");
    QTest::addColumn<QStringList>("punti");
    QTest::newRow("predefinito") << 6 << -1 << QStringLiteral("Ambo") << QStringList{"2", "1", "", "", ""};
    QTest::newRow("quaterna salvata")
        << 6 << 2 << QStringLiteral("Quaterna") << QStringList{"4", "3", "2", "1", ""};
    QTest::newRow("k = 3 riporta ad ambo")
        << 3 << 3 << QStringLiteral("Ambo") << QStringList{"2", "1", "", "", ""};
    QTest::newRow("k = 4 al massimo terno")
        << 4 << 3 << QStringLiteral("Terno") << QStringList{"3", "2", "1", "", ""};
}

void RidOrtogonaleDialogTest::pronosticoApreConLeOpzioni()
{
    QFETCH(int, k);
    QFETCH(int, salvato);
    QFETCH(QString, garanzia);
    QFETCH(QStringList, punti);
    pronostico({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, k);
    if (salvato >= 0) {
        m_prova->store.scriviIntero("IDE_RidOrtog", salvato);
    }
    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Riduzione ortogonale del pronostico"));
    auto* selettore = trova<QComboBox>(&dialogo, "garanziaComboBox");
    QCOMPARE(selettore->count(), 4);
    QCOMPARE(selettore->currentText(), garanzia);
    auto* tabella = trova<QTableWidget>(&dialogo, "puntiTableWidget");
    QCOMPARE(tabella->horizontalHeaderItem(0)->text(), QStringLiteral("Punti nel pronostico"));
    QCOMPARE(tabella->horizontalHeaderItem(1)->text(), QStringLiteral("Punti garantiti nelle giocate"));
    QCOMPARE(colonna(tabella, 0), punti);
    QCOMPARE(colonna(tabella, 1), punti);
    QCOMPARE(trova<QLabel>(&dialogo, "stimaLabel")->text(),
             QStringLiteral("Nº stimato di giocate: non disponibile"));
    QCOMPARE(trova<QLabel>(&dialogo, "tipoLabel")->text(),
             QStringLiteral("Tipo di riduzione: non immediata"));
    auto* fisse = trova<QCheckBox>(&dialogo, "consideraFisseCheckBox");
    QVERIFY(!fisse->isEnabled());
    QVERIFY(!fisse->isChecked());

    // Every choice above what k allows snaps back, and the table follows.
    selettore->setCurrentIndex(3);
    const int attesa = k <= 5 ? k - 1 : 5;
    QCOMPARE(dialogo.garanzia(), attesa);
    QCOMPARE(colonna(tabella, 0).front(), QString::number(attesa));

    dialogo.reject();
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidOrtog"), std::optional<std::int32_t>(attesa - 2));
}

void RidOrtogonaleDialogTest::stimaDelRiduttore()
{
    pronostico({5, 15, 25, 35, 45, 55}, 3, {5});
    scriviRiduttore(6, 3, 2, {1, 2, 3, 1, 4, 5, 1, 2, 6, 2, 4, 6, 3, 4, 6, 3, 5, 6, 2, 3, 5, 1, 3, 4});
    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    auto* stima = trova<QLabel>(&dialogo, "stimaLabel");
    auto* tipo = trova<QLabel>(&dialogo, "tipoLabel");
    auto* fisse = trova<QCheckBox>(&dialogo, "consideraFisseCheckBox");
    QVERIFY(fisse->isChecked());
    QCOMPARE(tipo->text(), QStringLiteral("Tipo di riduzione: non immediata (controllo fisse)"));
    fisse->click();
    QVERIFY(!fisse->isChecked());
    QCOMPARE(stima->text(), QStringLiteral("Nº stimato di giocate: 8"));
    QCOMPARE(tipo->text(), QStringLiteral("Tipo di riduzione: immediata"));

    // The immediate run: the reducer's eight plays, no random completion.
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 8);
    QCOMPARE(m_prova->stato.giocate.voce(1), test::giocata({5, 15, 25}));
}

void RidOrtogonaleDialogTest::pronosticoAggiungeEChiude()
{
    pronostico({3, 11, 25, 40, 62, 88}, 3);
    m_prova->stato.generatore.imposta(9);
    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QVERIFY(m_prova->stato.sistema.modificato);
    // Every pair of the six numbers lies in one play.
    const std::vector<Tipo_Giocata> v = giocate();
    QVERIFY(!v.empty());
    const std::vector<int> numeri = {3, 11, 25, 40, 62, 88};
    for (std::size_t a = 0; a < numeri.size(); ++a) {
        for (std::size_t b = a + 1; b < numeri.size(); ++b) {
            const bool coperta = std::any_of(v.begin(), v.end(), [&](const Tipo_Giocata& g) {
                return std::count(g.begin(), g.end(), numeri[a]) == 1 &&
                       std::count(g.begin(), g.end(), numeri[b]) == 1;
            });
            QVERIFY(coperta);
        }
    }
}

void RidOrtogonaleDialogTest::pronosticoSenzaGiocateRestaAperto()
{
    // Three fixed numbers and ambo: no pair can hold them, nothing is added.
    pronostico({1, 2, 3, 4, 5, 6, 7, 8}, 4, {1, 2, 3});
    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(dialogo.isVisible());
    QCOMPARE(
        QString::fromStdString(m_prova->messaggi.ultimo()),
        QStringLiteral("Non è stata aggiunta nemmeno una giocata!\rVerificare la presenza delle fisse nel "
                       "pronostico."));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(trova<QPushButton>(&dialogo, "avviaPushButton")->isEnabled());
}

void RidOrtogonaleDialogTest::riduttoreDanneggiatoChiude()
{
    // A reducer with a play out of order: reading it fails.
    pronostico({1, 2, 3, 4, 5, 6}, 3);
    const std::string ro2 = m_prova->cartella.file(NomeFileRiduttoriOrtogonali);
    scriviRiduttore(6, 3, 2, {1, 2, 3, 1, 4, 5, 1, 2, 6, 2, 4, 6, 3, 4, 6, 3, 5, 6, 2, 3, 5, 1, 3, 4});
    std::vector<unsigned char> byte = test::LeggiFile(ro2);
    byte[byte.size() - 2] = 4; // 1 3 4 -> 1 4 4
    test::ScriviFile(ro2, byte);
    m_prova->messaggi.risposte = {Risposta::Ok, Risposta::Si};

    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "avviaPushButton");
    QTRY_VERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{2});
    QCOMPARE(m_prova->messaggi.mostrati[0].titolo, std::string("Errore fatale"));
    QCOMPARE(m_prova->messaggi.mostrati[0].testo,
             std::string("Il file contenente i riduttori immediati risulta danneggiato. Si consiglia di "
                         "reinstallare il software o i riduttori immediati."));
    QCOMPARE(m_prova->messaggi.mostrati[1].pulsanti, Pulsanti::SiNo);
    QCOMPARE(m_prova->messaggi.mostrati[1].predefinita, Risposta::No);
    QCOMPARE(m_prova->servizi.indirizzi.size(), std::size_t{1});
    QVERIFY(m_prova->servizi.indirizzi.front().toString().endsWith(
        QStringLiteral("/lotto/riduttori_immediati/index2.php?idm=o&idf=12345")));
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QVERIFY(!m_prova->stato.sistema.modificato);
}

void RidOrtogonaleDialogTest::scaricaRiduttori()
{
    pronostico({1, 2, 3, 4, 5, 6}, 3);
    scriviRiduttore(6, 3, 2, {1, 2, 3});
    const auto dimensione = test::LeggiFile(m_prova->cartella.file(NomeFileRiduttoriOrtogonali)).size();
    // The server is the user's setting, as for the guarantee reductions.
    m_prova->stato.generali.serverRiduttori = "https://club.example:8080";
    TRidOrtogonale dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "scaricaPushButton");
    QCOMPARE(m_prova->servizi.indirizzi.size(), std::size_t{1});
    QCOMPARE(m_prova->servizi.indirizzi.front().toString(),
             QStringLiteral("https://club.example:8080/lotto/riduttori_immediati/index2.php?idm=o&idf=") +
                 QString::number(dimensione));
}

void RidOrtogonaleDialogTest::giocateModoERicadute()
{
    // Plays 1..5 of three numbers (v = 5, k = 3): a reducer exists for ambo only.
    scriviRiduttore(5, 3, 2, {1, 2, 3, 1, 4, 5, 2, 4, 5, 3, 4, 5});
    SegniNumeri usati{};
    for (int i = 0; i < 5; ++i) {
        usati[static_cast<std::size_t>(i)] = 1;
    }
    m_prova->store.scriviIntero("IDE_RidOrtogGio", 0);
    m_prova->store.scriviIntero("IDE_RidOrtogGioTR", 1);
    {
        TRidOrtogonaleGiocate dialogo(m_prova->stato, m_prova->servizi, 3, usati);
        dialogo.show();
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Riduzione ortogonale delle giocate"));
        auto* tabella = trova<QTableWidget>(&dialogo, "puntiTableWidget");
        QCOMPARE(tabella->horizontalHeaderItem(0)->text(), QStringLiteral("Punti nelle giocate attuali"));
        QCOMPARE(tabella->horizontalHeaderItem(1)->text(),
                 QStringLiteral("Punti garantiti nelle giocate finali"));
        QCOMPARE(colonna(tabella, 0), (QStringList{"2", "1", "", "", ""}));
        auto* modo = trova<QComboBox>(&dialogo, "modoComboBox");
        QCOMPARE(modo->currentText(), QStringLiteral("Riduttori immediati"));
        dialogo.reject();
    }
    // Without a reducer for the plays' numbers the loaded mode falls back.
    SegniNumeri sei = usati;
    sei[5] = 1;
    TRidOrtogonaleGiocate dialogo(m_prova->stato, m_prova->servizi, 3, sei);
    dialogo.show();
    auto* modo = trova<QComboBox>(&dialogo, "modoComboBox");
    QCOMPARE(modo->currentText(), QStringLiteral("Normale"));
    modo->setCurrentIndex(1);
    QCOMPARE(modo->currentIndex(), 0);
    dialogo.reject();
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidOrtogGioTR"), std::optional<std::int32_t>(0));
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidOrtogGio"), std::optional<std::int32_t>(0));
}

void RidOrtogonaleDialogTest::giocateRiduceEChiude()
{
    pronostico({1, 2, 3, 4, 5, 6, 7, 8}, 3);
    EsecuzioneContinua continua;
    QCOMPARE(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte, 56);
    m_prova->stato.sistema.modificato = false;
    SegniNumeri usati{};
    for (int i = 0; i < 8; ++i) {
        usati[static_cast<std::size_t>(i)] = 1;
    }
    TRidOrtogonaleGiocate dialogo(m_prova->stato, m_prova->servizi, 3, usati);
    dialogo.show();
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(!dialogo.isVisible());
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(m_prova->stato.giocate.conteggio() < 56);
    QVERIFY(m_prova->stato.giocate.conteggio() >= 10); // C(8,2) / C(3,2) rounded up
}

void RidOrtogonaleDialogTest::giocateInterrottaLasciaLeGiocate()
{
    pronostico({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36},
               4);
    EsecuzioneContinua continua;
    QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte >
            50000);
    m_prova->stato.sistema.modificato = false;
    const std::vector<Tipo_Giocata> prima = giocate();
    SegniNumeri usati{};
    for (int i = 0; i < 36; ++i) {
        usati[static_cast<std::size_t>(i)] = 1;
    }
    m_prova->messaggi.risposte.push_back(Risposta::Si);
    TRidOrtogonaleGiocate dialogo(m_prova->stato, m_prova->servizi, 4, usati);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    trova<QComboBox>(&dialogo, "garanziaComboBox")->setCurrentIndex(1);

    bool bloccato = false;
    QTimer::singleShot(0, this, [&] {
        bloccato = !trova<QComboBox>(&dialogo, "garanziaComboBox")->isEnabled() &&
                   !trova<QComboBox>(&dialogo, "modoComboBox")->isEnabled();
        clicca(&dialogo, "interrompiPushButton");
    });
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(bloccato);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere l'elaborazione?"));
    QVERIFY(dialogo.isVisible());
    QVERIFY(giocate() == prima);
    QVERIFY(!m_prova->stato.sistema.modificato);
    QVERIFY(trova<QPushButton>(&dialogo, "avviaPushButton")->isEnabled());
}

void RidOrtogonaleDialogTest::guida()
{
    pronostico({1, 2, 3, 4, 5, 6}, 3);
    TRidOrtogonale pro(m_prova->stato, m_prova->servizi);
    pro.show();
    clicca(&pro, "guidaPushButton");
    TRidOrtogonaleGiocate gio(m_prova->stato, m_prova->servizi, 3, SegniNumeri{});
    gio.show();
    clicca(&gio, "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, (std::vector<QString>{"mdr_ortopro.htm", "mdr_ortogio.htm"}));
}

QTEST_MAIN(RidOrtogonaleDialogTest)
#include "rid_ortogonale_dialog_test.moc"
