#include "editor/stato_applicazione.h"
#include "reducers/riduttore_personale.h"
#include "support/finestre_prova.h"
#include "ui/dlg_dai_stringa.h"
#include "ui/nuovo_riduttore_dialog.h"
#include "ui/pro_vin_riduttore_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

class NuovoRiduttoreDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void scriveVerificaESalva();
    void righeENomiRifiutati();
    void modificaRinumeraLePosizioni();
    void giocateAttualiProbabilitaEChiusura();

private:
    // Answers the name dialog with the queued names (an empty one cancels).
    void nomi(std::initializer_list<const char*> elenco)
    {
        auto coda = std::make_shared<std::deque<QString>>();
        for (const char* n : elenco) {
            coda->push_back(QString::fromUtf8(n));
        }
        m_prova->servizi.dialogo = [coda](QDialog& d) -> std::optional<int> {
            auto* nome = qobject_cast<TDlgDaiStringa*>(&d);
            if (nome == nullptr || coda->empty()) {
                return QDialog::Rejected;
            }
            auto* campo = test::trova<QLineEdit>(nome, QStringLiteral("nomeLineEdit"));
            campo->setText(coda->front());
            coda->pop_front();
            return nome->testo().isEmpty() ? QDialog::Rejected : QDialog::Accepted;
        };
    }
    std::string file(const std::string& nome) const { return m_prova->stato.cartelle.personale + nome; }
    std::string leggi(const std::string& nome) const
    {
        const auto byte = test::LeggiFile(file(nome));
        return std::string(byte.begin(), byte.end());
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
};

void NuovoRiduttoreDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void NuovoRiduttoreDialogTest::cleanup()
{
    m_prova.reset();
}

void NuovoRiduttoreDialogTest::scriveVerificaESalva()
{
    TNuovoRiduttore editor(m_prova->stato, m_prova->servizi);
    editor.show();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Nuovo riduttore personalizzato"));
    auto* giocate = test::trova<QPlainTextEdit>(&editor, QStringLiteral("giocateTextEdit"));
    auto* conteggio = test::trova<QLabel>(&editor, QStringLiteral("conteggioLabel"));
    QVERIFY(!test::trova<QCheckBox>(&editor, QStringLiteral("usaGiocateCheckBox"))->isEnabled());
    QCOMPARE(conteggio->text(), QStringLiteral("Nº giocate: 0"));

    // Only digits, space, Backspace and Enter reach the box.
    QTest::keyClicks(giocate, QStringLiteral("5 17 33a.-"));
    QTest::keyClick(giocate, Qt::Key_Return);
    QTest::keyClicks(giocate, QStringLiteral("17 33 800"));
    QTest::keyClick(giocate, Qt::Key_Backspace);
    QCOMPARE(giocate->toPlainText(), QStringLiteral("5 17 33\n17 33 80"));
    QCOMPARE(conteggio->text(), QStringLiteral("Nº giocate: 2"));
    test::trova<QPlainTextEdit>(&editor, QStringLiteral("commentiTextEdit"))
        ->setPlainText(QStringLiteral("due  \n\n"));
    editor.grab().save(QStringLiteral("/tmp/nuovo_riduttore_dialog.png"));

    editor.verifica();
    QCOMPARE(m_prova->messaggi.ultimo(),
             std::string("Verifica conclusa con successo.\rDimensione del pronostico: 4 "
                         "numeri\rNumero di giocate valide: 2"));
    QCOMPARE(m_prova->messaggi.mostrati.back().titolo, std::string("OK"));

    nomi({"Prova"});
    QTest::mouseClick(test::trova<QPushButton>(&editor, QStringLiteral("salvaPushButton")), Qt::LeftButton);
    QCOMPARE(m_prova->servizi.dialoghi.back(), QStringLiteral("TDlgDaiStringa"));
    QCOMPARE(leggi("Prova.rid"),
             std::string("<<1>>\r\n4\r\n2\r\n<</1>>\r\n<<2>>\r\ndue\r\n<</2>>\r\n<<3>>\r\n1 2 3\r\n"
                         "2 3 4\r\n<</3>>\r\n"));
    QCOMPARE(editor.result(), int(QDialog::Accepted));

    // Saving another reducer under the same name and answering No leaves the file as it was.
    const std::string prima = leggi("Prova.rid");
    TNuovoRiduttore altro(m_prova->stato, m_prova->servizi);
    altro.show();
    test::trova<QPlainTextEdit>(&altro, QStringLiteral("giocateTextEdit"))
        ->setPlainText(QStringLiteral("1 2"));
    nomi({"Prova"});
    m_prova->messaggi.risposte.push_back(Risposta::No);
    altro.salva();
    QCOMPARE(m_prova->messaggi.ultimo(),
             std::string("Il file indicato (Prova) è già presente nel disco.\rSovrascrivere il file ?"));
    QCOMPARE(leggi("Prova.rid"), prima);
    QVERIFY(altro.isVisible());
}

void NuovoRiduttoreDialogTest::righeENomiRifiutati()
{
    TNuovoRiduttore editor(m_prova->stato, m_prova->servizi);
    editor.show();
    auto* giocate = test::trova<QPlainTextEdit>(&editor, QStringLiteral("giocateTextEdit"));
    const struct
    {
        QString testo;
        QString errata;
    } righe[] = {
        {QStringLiteral("1 2\n 1 2 3 4 5 6 7 8 9 10 11"), QStringLiteral(" 1 2 3 4 5 6 7 8 9 10 11")},
        {QStringLiteral("1 91\n3"), QStringLiteral("1 91")},
        {QStringLiteral("\n\n7 7"), QStringLiteral("7 7")},
    };
    for (const auto& r : righe) {
        giocate->setPlainText(r.testo);
        nomi({"Errato"});
        editor.salva();
        QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
                 QStringLiteral("La giocata \"") + r.errata.trimmed() +
                     QStringLiteral("\" non è valida.\rCorreggere e riprovare."));
        QCOMPARE(giocate->textCursor().selectedText(), r.errata);
        QVERIFY(!std::filesystem::exists(file("Errato.rid")));
    }

    // Names that would leave the personal folder are refused before anything is written, and the name is
    // asked again.
    giocate->setPlainText(QStringLiteral("1 2 3"));
    const std::size_t prima = m_prova->messaggi.mostrati.size();
    nomi({"../fuori", "a/b", ""});
    editor.salva();
    QCOMPARE(m_prova->messaggi.mostrati.size(), prima + 2);
    QCOMPARE(m_prova->messaggi.ultimo(), std::string("Il nome indicato non è un nome di file valido."));
    QVERIFY(!std::filesystem::exists(std::filesystem::path(m_prova->stato.cartelle.personale) / ".." /
                                     "fuori.rid"));
    QVERIFY(editor.isVisible());

    // The name dialog itself: the point cannot be typed, OK needs a name.
    TDlgDaiStringa nome(QString(), &editor);
    nome.show();
    QCOMPARE(nome.windowTitle(), QStringLiteral("Nome file"));
    auto* campo = test::trova<QLineEdit>(&nome, QStringLiteral("nomeLineEdit"));
    auto* ok = test::trova<QPushButton>(&nome, QStringLiteral("okPushButton"));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(campo, QStringLiteral("  "));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(campo, QStringLiteral("Pro.va"));
    QCOMPARE(nome.testo(), QStringLiteral("Prova"));
    QVERIFY(ok->isEnabled());
    nome.grab().save(QStringLiteral("/tmp/dlg_dai_stringa.png"));
}

void NuovoRiduttoreDialogTest::modificaRinumeraLePosizioni()
{
    std::ofstream(file("sei.rid"), std::ios::binary)
        << "<<1>>\r\n6\r\n3\r\n<</1>>\r\n<<2>>\r\n  riga uno  \r\nriga due\r\n<</2>>\r\n<<3>>\r\n1 2 3\r\n4 "
           "5 6\r\n"
           "1 5 6\r\n<</3>>\r\n";
    VoceRiduttore voce;
    voce.m = 6;
    voce.p = 3;
    voce.nomeFile = "sei.rid";
    voce.percorso = file("sei.rid");
    TNuovoRiduttore editor(m_prova->stato, m_prova->servizi, nullptr, voce);
    editor.show();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Modifica riduttore sei.rid"));
    auto* giocate = test::trova<QPlainTextEdit>(&editor, QStringLiteral("giocateTextEdit"));
    QCOMPARE(giocate->toPlainText(), QStringLiteral("1 2 3\n4 5 6\n1 5 6"));
    QCOMPARE(test::trova<QPlainTextEdit>(&editor, QStringLiteral("commentiTextEdit"))->toPlainText(),
             QStringLiteral("riga uno\nriga due"));

    // Deleting the play with position 4: the edited reducer keeps its name, m shrinks to 5.
    giocate->setPlainText(QStringLiteral("1 2 3\n1 5 6"));
    editor.salva();
    QVERIFY(m_prova->servizi.dialoghi.empty());
    const EsitoLetturaRiduttore letto = LeggiFileRiduttore(file("sei.rid"));
    QVERIFY(letto.letto);
    QCOMPARE(letto.riduttore.m, 5);
    QCOMPARE(TestoGiocata(letto.riduttore.giocate[1]), std::string("1 4 5"));
}

void NuovoRiduttoreDialogTest::giocateAttualiProbabilitaEChiusura()
{
    ElencoGiocate& elenco = m_prova->stato.giocate;
    QVERIFY(elenco.AssicuraCapacita(3));
    elenco.voce(1) = test::giocata({10, 20, 30});
    elenco.voce(2) = test::giocata({40, 50, 60});
    elenco.voce(3) = test::giocata({10, 40});
    elenco.setConteggio(3);
    TNuovoRiduttore editor(m_prova->stato, m_prova->servizi);
    editor.show();
    auto* usa = test::trova<QCheckBox>(&editor, QStringLiteral("usaGiocateCheckBox"));
    QVERIFY(usa->isEnabled());
    usa->setChecked(true);
    QVERIFY(!test::trova<QPlainTextEdit>(&editor, QStringLiteral("giocateTextEdit"))->isEnabled());
    QCOMPARE(test::trova<QLabel>(&editor, QStringLiteral("conteggioLabel"))->text(),
             QStringLiteral("Nº giocate: 3"));

    // The probability window measures the plays with their own numbers.
    QString titolo;
    double ambo = -1;
    m_prova->servizi.dialogo = [&](QDialog& d) -> std::optional<int> {
        auto* p = qobject_cast<TProVinRiduttore*>(&d);
        if (p == nullptr) {
            return QDialog::Rejected;
        }
        titolo = p->windowTitle();
        test::trova<QComboBox>(p, QStringLiteral("puntiComboBox"))->setCurrentIndex(1);
        p->avvia();
        ambo = p->esito().percentuale(2);
        p->grab().save(QStringLiteral("/tmp/pro_vin_riduttore_dialog.png"));
        return QDialog::Accepted;
    };
    editor.probabilita();
    QCOMPARE(titolo, QStringLiteral("Calcola probabilità di vincita del riduttore personalizzato"));
    // 15 pairs of the six numbers: 3 + 3 inside the terzine and 10-40.
    QCOMPARE(ambo, 100.0 * 7 / 15);

    // Closing with text in the box asks first; No keeps the editor open.
    usa->setChecked(false);
    test::trova<QPlainTextEdit>(&editor, QStringLiteral("giocateTextEdit"))
        ->setPlainText(QStringLiteral("1 2"));
    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    QTest::keyClick(&editor, Qt::Key_Escape);
    QCOMPARE(m_prova->messaggi.ultimo(), std::string("Chiudere la scheda senza salvare il riduttore ?"));
    QVERIFY(editor.isVisible());
    QTest::mouseClick(test::trova<QPushButton>(&editor, QStringLiteral("annullaPushButton")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
}

QTEST_MAIN(NuovoRiduttoreDialogTest)
#include "nuovo_riduttore_dialog_test.moc"
