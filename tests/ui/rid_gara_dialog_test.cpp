#include "editor/stato_applicazione.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/riduttori_immediati.h"
#include "reductions/riduttori_predefiniti.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/rid_gara_gio_dialog.h"
#include "ui/rid_gara_pro_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

class RidGaraDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selettoreRitornaAlMassimo_data();
    void selettoreRitornaAlMassimo();
    void stimaDelRiduttore();
    void pronosticoAggiungeEChiude();
    void riduttoreDanneggiatoChiudeSenzaToccareIlSistema_data();
    void riduttoreDanneggiatoChiudeSenzaToccareIlSistema();
    void modoTornaNormale();
    void giocateRidotte();
    void scaricaRiduttori();
    void riduttoriSpeditiTrentaNumeri();

private:
    void pronostico(int n, int k, std::initializer_list<int> fisse = {});
    void scriviFano();
    template <typename T> T* trova(QDialog* d, const char* nome) const { return test::trova<T>(d, nome); }
    static void clicca(QDialog* d, const char* nome)
    {
        QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(nome)), Qt::LeftButton);
    }
    static QStringList punti(QDialog* d)
    {
        auto* tabella = d->findChild<QTreeWidget*>(QStringLiteral("puntiTreeWidget"));
        QStringList v;
        for (int i = 0; i < tabella->topLevelItemCount(); ++i) {
            v << tabella->topLevelItem(i)->text(1);
        }
        return v;
    }

    // The addresses the dialog opened.
    QStringList aperti() const
    {
        QStringList v;
        for (const QUrl& indirizzo : m_prova->servizi.indirizzi) {
            v << indirizzo.toString();
        }
        return v;
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void RidGaraDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void RidGaraDialogTest::cleanup()
{
    m_prova.reset();
}

void RidGaraDialogTest::pronostico(int n, int k, std::initializer_list<int> fisse)
{
    Sistema& s = m_prova->stato.sistema;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    for (int f : fisse) {
        s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
    }
}

void RidGaraDialogTest::scriviFano()
{
    QVERIFY(ScriviRiduttoriImmediati(
        m_prova->stato.cartelle.dati + NomeFileRiduttoriGaranzia,
        {{7, 3, 2, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}}}));
}

void RidGaraDialogTest::selettoreRitornaAlMassimo_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("salvato");
    QTest::addColumn<int>("scelto");
    QTest::addColumn<QString>("mostrato");
    QTest::addColumn<QStringList>("tabella");
    QTest::newRow("k 3 terno") << 3 << 0 << 1 << QStringLiteral("Ambo")
                               << QStringList{"2", "1", "0", "0", "0"};
    QTest::newRow("k 3 salvata cinquina")
        << 3 << 3 << -1 << QStringLiteral("Ambo") << QStringList{"2", "1", "0", "0", "0"};
    QTest::newRow("k 5 cinquina") << 5 << 0 << 3 << QStringLiteral("Quaterna")
                                  << QStringList{"4", "3", "2", "1", "0"};
    QTest::newRow("k 8 cinquina") << 8 << 0 << 3 << QStringLiteral("Cinquina")
                                  << QStringList{"5", "4", "3", "2", "1"};
}

void RidGaraDialogTest::selettoreRitornaAlMassimo()
{
    QFETCH(int, k);
    QFETCH(int, salvato);
    QFETCH(int, scelto);
    QFETCH(QString, mostrato);
    QFETCH(QStringList, tabella);
    pronostico(12, k);
    m_prova->store.scriviIntero("IDE_RidGara", salvato);
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Riduzione del pronostico a garanzia"));
    auto* garanzia = trova<QComboBox>(&dialogo, "garanziaComboBox");
    if (scelto >= 0) {
        garanzia->setCurrentIndex(scelto);
    }
    QCOMPARE(garanzia->currentText(), mostrato);
    QCOMPARE(punti(&dialogo), tabella);
    auto* intestazione = trova<QTreeWidget>(&dialogo, "puntiTreeWidget")->headerItem();
    QCOMPARE(intestazione->text(0), QStringLiteral("Punti nel pronostico"));
    QCOMPARE(intestazione->text(1), QStringLiteral("Punti garantiti nelle giocate"));
    dialogo.grab().save(QStringLiteral("/tmp/rid_gara_pro_dialog.png"));
}

void RidGaraDialogTest::stimaDelRiduttore()
{
    scriviFano();
    pronostico(7, 3, {4});
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    auto* stima = trova<QLabel>(&dialogo, "stimaLabel");
    auto* tipo = trova<QLabel>(&dialogo, "tipoLabel");
    auto* fisse = trova<QCheckBox>(&dialogo, "consideraFisseCheckBox");
    QVERIFY(fisse->isChecked());
    QCOMPARE(stima->text(), QStringLiteral("Nº stimato di giocate: non disponibile"));
    QCOMPARE(tipo->text(), QStringLiteral("Tipo di riduzione: non immediata (controllo fisse)"));
    fisse->click();
    QCOMPARE(stima->text(), QStringLiteral("Nº stimato di giocate: 7"));
    QCOMPARE(tipo->text(), QStringLiteral("Tipo di riduzione: immediata"));
}

void RidGaraDialogTest::pronosticoAggiungeEChiude()
{
    pronostico(10, 4);
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    trova<QComboBox>(&dialogo, "garanziaComboBox")->setCurrentIndex(1);
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QVERIFY(m_prova->stato.giocate.conteggio() > 0);
    QVERIFY(m_prova->stato.giocate.conteggio() < 210);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidGara"), std::optional<std::int32_t>(1));
}

void RidGaraDialogTest::riduttoreDanneggiatoChiudeSenzaToccareIlSistema_data()
{
    QTest::addColumn<bool>("modificato");
    QTest::addColumn<bool>("apri");
    QTest::newRow("non salvato, apre la pagina") << true << true;
    QTest::newRow("salvato, non apre") << false << false;
}

void RidGaraDialogTest::riduttoreDanneggiatoChiudeSenzaToccareIlSistema()
{
    QFETCH(bool, modificato);
    QFETCH(bool, apri);
    scriviFano();
    const std::string file = m_prova->stato.cartelle.dati + NomeFileRiduttoriGaranzia;
    auto byte = test::LeggiFile(file);
    byte.back() = 9; // position beyond v
    test::ScriviFile(file, byte);
    pronostico(7, 3);
    m_prova->stato.sistema.modificato = modificato;
    m_prova->messaggi.risposte.push_back(Risposta::Ok);
    m_prova->messaggi.risposte.push_back(apri ? Risposta::Si : Risposta::No);
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "avviaPushButton");

    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{2});
    const Messaggio& errore = m_prova->messaggi.mostrati[0];
    QCOMPARE(QString::fromStdString(errore.testo),
             QStringLiteral("Il file contenente i riduttori immediati risulta danneggiato. Si consiglia di "
                            "reinstallare il software o i riduttori immediati."));
    QCOMPARE(QString::fromStdString(errore.titolo), QStringLiteral("Errore fatale"));
    QCOMPARE(errore.icona, Icona::Errore);
    const Messaggio& domanda = m_prova->messaggi.mostrati[1];
    QCOMPARE(QString::fromStdString(domanda.testo),
             QStringLiteral("Vuoi aprire la pagina web del sito di QUARVINA LOTTO dedicata all'installazione "
                            "dei riduttori immediati ?"));
    QCOMPARE(domanda.pulsanti, Pulsanti::SiNo);
    QCOMPARE(domanda.predefinita, Risposta::No);
    QCOMPARE(aperti(), apri ? QStringList{QStringLiteral("http://riduttori.quarvina.example/lotto/"
                                                         "riduttori_immediati/index2.php?idm=g&idf=12345")}
                            : QStringList{});
    QTRY_VERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 0);
    QCOMPARE(m_prova->stato.sistema.modificato, modificato);
}

void RidGaraDialogTest::modoTornaNormale()
{
    scriviFano();
    pronostico(7, 3, {1});
    EsecuzioneContinua continua;
    QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte ==
            35);
    m_prova->store.scriviIntero("IDE_RidGaraGioTR", 1);
    SegniNumeri usati{};
    for (int i = 0; i < 7; ++i) {
        usati[static_cast<std::size_t>(i)] = 1;
    }
    {
        // Loaded with the fixed numbers considered: back to "Normale".
        TRidGaraGio dialogo(m_prova->stato, m_prova->servizi, 3, usati);
        dialogo.show();
        auto* modo = trova<QComboBox>(&dialogo, "modoComboBox");
        QCOMPARE(modo->currentText(), QStringLiteral("Normale"));
        auto* fisse = trova<QCheckBox>(&dialogo, "consideraFisseCheckBox");
        fisse->click();
        modo->setCurrentIndex(1);
        QCOMPARE(modo->currentText(), QStringLiteral("Riduttori immediati"));
        fisse->click();
        QCOMPARE(modo->currentText(), QStringLiteral("Normale"));
        auto* intestazione = trova<QTreeWidget>(&dialogo, "puntiTreeWidget")->headerItem();
        QCOMPARE(intestazione->text(0), QStringLiteral("Punti nelle giocate attuali"));
        QCOMPARE(intestazione->text(1), QStringLiteral("Punti garantiti nelle giocate finali"));
        dialogo.grab().save(QStringLiteral("/tmp/rid_gara_gio_dialog.png"));
    }
    // No reducer for 6 numbers.
    usati[6] = 0;
    TRidGaraGio dialogo(m_prova->stato, m_prova->servizi, 3, usati);
    dialogo.show();
    trova<QCheckBox>(&dialogo, "consideraFisseCheckBox")->setChecked(false);
    auto* modo = trova<QComboBox>(&dialogo, "modoComboBox");
    modo->setCurrentIndex(1);
    QCOMPARE(modo->currentText(), QStringLiteral("Normale"));
}

void RidGaraDialogTest::giocateRidotte()
{
    scriviFano();
    pronostico(7, 3);
    EsecuzioneContinua continua;
    QVERIFY(SviluppoIntegrale(m_prova->stato.sistema, false, m_prova->stato.giocate, continua).aggiunte ==
            35);
    m_prova->stato.sistema.modificato = false;
    SegniNumeri usati{};
    for (int i = 0; i < 7; ++i) {
        usati[static_cast<std::size_t>(i)] = 1;
    }
    TRidGaraGio dialogo(m_prova->stato, m_prova->servizi, 3, usati);
    dialogo.show();
    trova<QComboBox>(&dialogo, "modoComboBox")->setCurrentIndex(1);
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.giocate.conteggio(), 7);
    QVERIFY(m_prova->stato.sistema.modificato);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidGaraGioTR"), std::optional<std::int32_t>(1));
    QCOMPARE(m_prova->store.leggiIntero("IDE_RidGaraGio"), std::optional<std::int32_t>(0));
}

void RidGaraDialogTest::scaricaRiduttori()
{
    scriviFano();
    const auto dimensione = test::LeggiFile(m_prova->stato.cartelle.dati + NomeFileRiduttoriGaranzia).size();
    pronostico(10, 3);
    m_prova->stato.generali.serverRiduttori = "https://mio.server.example/";
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    clicca(&dialogo, "scaricaPushButton");
    QCOMPARE(aperti(), QStringList{QStringLiteral("https://mio.server.example/lotto/riduttori_immediati/"
                                                  "index2.php?idm=g&idf=%1")
                                       .arg(dimensione)});
    // Anything but a web address never reaches the shell.
    m_prova->stato.generali.serverRiduttori = "file:///etc/passwd";
    clicca(&dialogo, "scaricaPushButton");
    QCOMPARE(aperti().size(), 1);
}

QTEST_MAIN(RidGaraDialogTest)
#include "rid_gara_dialog_test.moc"

// The reducers shipped with the program, installed as at the first start: 30 numbers in cinquine with the
// terno guarantee take the immediate path, in at most 107 plays.
void RidGaraDialogTest::riduttoriSpeditiTrentaNumeri()
{
    const std::string dati = m_prova->stato.cartelle.dati;
    QVERIFY(!PreparaRiduttoriPredefiniti(dati, QUARVIN_DATI_COSTRUITI).installati.empty());
    const RiduttoreImmediato riduttore = CercaRiduttoreImmediato(dati + NomeFileRiduttoriGaranzia, 30, 5, 3);
    QVERIFY(riduttore.disponibile());
    QVERIFY(riduttore.giocate <= 107);

    Sistema& s = m_prova->stato.sistema;
    for (int i = 1; i <= 30; ++i) {
        s.pronostico[static_cast<std::size_t>(i * 3 - i % 3 - 1)] = 1; // 2, 4, 9, 11, 13, 18, ..., 85, 90
    }
    s.numeriPerGiocata = 5;
    TRidGaraPro dialogo(m_prova->stato, m_prova->servizi);
    dialogo.show();
    trova<QComboBox>(&dialogo, "garanziaComboBox")->setCurrentIndex(1);
    QCOMPARE(trova<QLabel>(&dialogo, "tipoLabel")->text(), QStringLiteral("Tipo di riduzione: immediata"));
    QCOMPARE(trova<QLabel>(&dialogo, "stimaLabel")->text(),
             QStringLiteral("Nº stimato di giocate: %1").arg(riduttore.giocate));
    clicca(&dialogo, "avviaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(static_cast<std::int64_t>(m_prova->stato.giocate.conteggio()), riduttore.giocate);
}
