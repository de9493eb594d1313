#include "core/file_archivio.h"
#include "core/importi.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/dai_num_estra_dialog.h"
#include "ui/pri_window.h"
#include "ui/spoglio_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

void Clicca(QWidget* w, const char* pulsante)
{
    QTest::mouseClick(test::trova<QAbstractButton>(w, pulsante), Qt::LeftButton);
}

// The draw of 30/5/2026 on all eleven wheels (Roma 67 47 2 86 42, Nazionale 77 72 73 56 83).
Tipo_Estrazione EstrazioneCompleta()
{
    const int numeri[11][5] = {{87, 61, 14, 25, 38}, {72, 1, 87, 13, 26},  {34, 60, 5, 42, 54},
                               {62, 5, 18, 69, 73},  {14, 54, 29, 81, 83}, {71, 76, 89, 19, 25},
                               {33, 15, 48, 26, 65}, {67, 47, 2, 86, 42},  {78, 87, 66, 10, 52},
                               {84, 23, 40, 15, 24}, {77, 72, 73, 56, 83}};
    Tipo_Estrazione e;
    e.giorno = 30;
    e.mese = 5;
    e.setAnno(2026);
    for (int w = 1; w <= 11; ++w) {
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(w, p, static_cast<std::uint8_t>(numeri[w - 1][p - 1]));
        }
    }
    return e;
}

QString Riga(const char* ruota, const char* importo)
{
    return QStringLiteral(" Ruota: %1").arg(QString::fromUtf8(ruota)).leftJustified(22) +
           QStringLiteral("Nº Ambi indovinati: 1").leftJustified(28) + QStringLiteral("Vincita: ") +
           QString::fromUtf8(importo) + QStringLiteral(" Euro");
}

} // namespace

class SpoglioDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frecceScorronoLArchivio();
    void apriConLaScelta();
    void verificaRomaETutte();
    void rifiutiLascianoTuttoComEra();
    void azzera();
    void salvaNellArchivio();
    void salvataggioFallitoSegnalato();
    void internet();
    void riaperturaConservaLEstrazione();
    void stampaSuPdf();
    void dallaFinestraPrincipale();

private:
    QTableWidget* griglia() const { return test::trova<QTableWidget>(m_dialogo.get(), "numeriTableWidget"); }
    QLineEdit* data() const { return test::trova<QLineEdit>(m_dialogo.get(), "dataLineEdit"); }
    QPushButton* verifica() const { return test::trova<QPushButton>(m_dialogo.get(), "verificaPushButton"); }
    QString cella(int ruota, int posizione) const
    {
        return griglia()->item(ruota - 1, posizione - 1)->text();
    }
    QStringList riepilogo() const;
    QStringList resoconto() const;

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TSpoglio> m_dialogo;
    int m_archivioCambiato = 0;
};

void SpoglioDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>(test::QualiCartelle::SoloDati);
    // Three draws of March 2003 with data on Bari only (1.., 2.., 3..), then a complete one.
    for (int i = 0; i < 3; ++i) {
        (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(1 + 7 * i, 3, 2003, i + 1));
    }
    (void)m_prova->stato.archivio.InserisciEstrazione(EstrazioneCompleta());
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(2));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 3, 5, 7, 9});
    m_prova->stato.giocate.voce(2) = test::giocata({2, 10, 20, 30, 47});
    m_prova->stato.giocate.setConteggio(2);
    m_prova->stato.sistema.ruote = {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1}; // Roma and Tutte
    m_prova->stato.sistema.importi[Ambo - 1] = 1.0;
    m_archivioCambiato = 0;
    m_dialogo =
        std::make_unique<TSpoglio>(m_prova->stato, m_prova->servizi, [this] { ++m_archivioCambiato; });
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void SpoglioDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

QStringList SpoglioDialogTest::riepilogo() const
{
    auto* tabella = test::trova<QTableWidget>(m_dialogo.get(), "riepilogoTableWidget");
    QStringList righe;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        righe << tabella->item(r, 0)->text() + QLatin1Char('|') + tabella->item(r, 1)->text() +
                     QLatin1Char('|') + tabella->item(r, 2)->text();
    }
    return righe;
}

QStringList SpoglioDialogTest::resoconto() const
{
    const QString testo =
        test::trova<QPlainTextEdit>(m_dialogo.get(), "resocontoPlainTextEdit")->toPlainText();
    return testo.isEmpty() ? QStringList() : testo.split(QLatin1Char('\n'));
}

const QStringList RiepilogoVuoto = {
    "Cinquina|0|0,00",
    "Quaterna|0|0,00",
    "Terno|0|0,00",
    "Ambo|0|0,00",
    "Ambetto|0|0,00",
    "Estratto|0|0,00",
    "Estratto determinato|0|0,00",
    "||",
    "TOTALE|0|0,00",
};

void SpoglioDialogTest::frecceScorronoLArchivio()
{
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Spoglio delle giocate"));
    QCOMPARE(riepilogo(), RiepilogoVuoto);
    QCOMPARE(test::trova<QLabel>(m_dialogo.get(), "notaLabel")->text(),
             QStringLiteral("*Al lordo delle ritenute di legge"));

    struct Passo
    {
        const char* nome;
        QString data; // typed before the arrow; a null text keeps what is shown
        const char* freccia;
        QString attesa;
    };
    const Passo passi[] = {
        {"data vuota: la più recente", QString(), "successivaToolButton", "30/5/2026"},
        {"oltre l'ultima", QString(), "successivaToolButton", "30/5/2026"},
        {"precedente", QString(), "precedenteToolButton", "15/3/2003"},
        {"con zeri iniziali", QStringLiteral("08/03/2003"), "precedenteToolButton", "1/3/2003"},
        {"prima della prima", QString(), "precedenteToolButton", "1/3/2003"},
        {"successiva", QString(), "successivaToolButton", "8/3/2003"},
        {"data assente: dalla più recente", QStringLiteral("9/3/2003"), "precedenteToolButton", "15/3/2003"},
        {"data non valida", QStringLiteral("31/13/2003"), "precedenteToolButton", "30/5/2026"},
    };
    for (const Passo& passo : passi) {
        if (!passo.data.isNull()) {
            data()->setText(passo.data);
        }
        Clicca(m_dialogo.get(), passo.freccia);
        QVERIFY2(data()->text() == passo.attesa, passo.nome);
    }
    QCOMPARE(cella(Roma, 2), QStringLiteral("47"));
    QCOMPARE(cella(Nazionale, 5), QStringLiteral("83"));

    // A draw with data on Bari only leaves the other wheels empty, not "0", and is checked as it is.
    Clicca(m_dialogo.get(), "verificaPushButton");
    QVERIFY(!verifica()->isEnabled());
    Clicca(m_dialogo.get(), "precedenteToolButton");
    QCOMPARE(data()->text(), QStringLiteral("15/3/2003"));
    QCOMPARE(cella(Bari, 1), QStringLiteral("3"));
    QCOMPARE(cella(Roma, 1), QString());
    QCOMPARE(cella(Nazionale, 5), QString());
    QVERIFY(verifica()->isEnabled());
    Clicca(m_dialogo.get(), "verificaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    // Bari 3..7 holds 3, 5, 7 of the first play: three ambi through Tutte.
    QCOMPARE(resoconto().value(2),
             Riga("Bari", "7,50")
                 .replace(QStringLiteral("Ambi indovinati: 1"), QStringLiteral("Ambi indovinati: 3")));
}

void SpoglioDialogTest::apriConLaScelta()
{
    Clicca(m_dialogo.get(), "verificaPushButton"); // empty grid: refused, nothing changes
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Inserire i numeri dell'estrazione da utilizzare per lo spoglio."));
    m_dialogo->mostraEstrazione(4);
    Clicca(m_dialogo.get(), "verificaPushButton");
    QVERIFY(!verifica()->isEnabled());

    std::int32_t proposta = 0;
    test::quandoAperto<TDaiNumEstra>([&proposta](TDaiNumEstra* scelta) {
        proposta = scelta->posizione();
        test::trova<QScrollBar>(scelta, "concorsoScrollBar")->setValue(2);
        Clicca(scelta, "okPushButton");
    });
    Clicca(m_dialogo.get(), "apriPushButton");
    QCOMPARE(proposta, 4); // the chooser starts on the newest draw
    QCOMPARE(data()->text(), QStringLiteral("8/3/2003"));
    QCOMPARE(cella(Bari, 1), QStringLiteral("2"));
    QCOMPARE(cella(Bari, 5), QStringLiteral("6"));
    QCOMPARE(cella(Roma, 1), QString());
    QVERIFY(verifica()->isEnabled());

    // Cancelled: the grid stays.
    test::quandoAperto<TDaiNumEstra>([](TDaiNumEstra* scelta) { Clicca(scelta, "annullaPushButton"); });
    Clicca(m_dialogo.get(), "apriPushButton");
    QCOMPARE(data()->text(), QStringLiteral("8/3/2003"));
}

void SpoglioDialogTest::verificaRomaETutte()
{
    m_dialogo->mostraEstrazione(4);
    verifica()->setFocus();
    QTest::keyClick(m_dialogo.get(), Qt::Key_Return); // Enter runs the default button
    const QString separatore(74, QLatin1Char('-'));
    const QStringList atteso = {
        separatore,
        QStringLiteral("Giocata Nº 2"),
        Riga("Roma", "25,00"),
        Riga("Roma", "2,50"),
        separatore,
        QString(43, QLatin1Char(' ')) + QStringLiteral("VINCITA TOTALE: 27,50 Euro"),
    };
    QCOMPARE(resoconto(), atteso);
    QCOMPARE(static_cast<int>(m_dialogo->resoconto().size()), atteso.size());
    QStringList righe = RiepilogoVuoto;
    righe[3] = QStringLiteral("Ambo|2|27,50");
    righe[8] = QStringLiteral("TOTALE|2|27,50");
    QCOMPARE(riepilogo(), righe);
    QVERIFY(!verifica()->isEnabled());

    // Escape does nothing after a check; it closes once the draw changed.
    QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
    QVERIFY(m_dialogo->isVisible());
    griglia()->item(Bari - 1, 0)->setText(QStringLiteral("88"));
    QVERIFY(verifica()->isEnabled());
    QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());
}

void SpoglioDialogTest::rifiutiLascianoTuttoComEra()
{
    m_dialogo->mostraEstrazione(4);
    Clicca(m_dialogo.get(), "verificaPushButton");
    const QStringList prima = resoconto();
    const QStringList riepilogoPrima = riepilogo();
    QCOMPARE(prima.size(), 6);

    struct Caso
    {
        const char* nome;
        int ruota;
        int posizione;
        QString testo;
        QString messaggio;
    };
    const Caso casi[] = {
        {"zero", Bari, 1, QStringLiteral("0"),
         QStringLiteral("La ruota \"Bari\" contiene dei valori non validi!")},
        {"oltre 90", Roma, 3, QStringLiteral("91"),
         QStringLiteral("La ruota \"Roma\" contiene dei valori non validi!")},
        {"uguali", Nazionale, 2, QStringLiteral("77"),
         QStringLiteral("Alcuni numeri della ruota \"Nazionale\" sono identici!")},
    };
    for (const Caso& caso : casi) {
        m_dialogo->mostraEstrazione(4);
        griglia()->item(caso.ruota - 1, caso.posizione - 1)->setText(caso.testo);
        QVERIFY2(verifica()->isEnabled(), caso.nome);
        Clicca(m_dialogo.get(), "verificaPushButton");
        QVERIFY2(QString::fromStdString(m_prova->messaggi.ultimo()) == caso.messaggio, caso.nome);
        QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo),
                 QStringLiteral("Attenzione"));
        QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Avviso);
        QCOMPARE(resoconto(), prima);
        QCOMPARE(riepilogo(), riepilogoPrima);
        QVERIFY(verifica()->isEnabled());
    }

    // Only Nazionale, with the plays on Roma and Tutte: the check runs and finds nothing.
    m_dialogo->mostraEstrazione(4);
    for (int w = 1; w <= 10; ++w) {
        for (int p = 0; p < 5; ++p) {
            griglia()->item(w - 1, p)->setText(QString());
        }
    }
    const std::size_t messaggi = m_prova->messaggi.mostrati.size();
    Clicca(m_dialogo.get(), "verificaPushButton");
    QCOMPARE(m_prova->messaggi.mostrati.size(), messaggi);
    QCOMPARE(resoconto(), QStringList{QStringLiteral("Nessuna vincita")});
    QVERIFY(m_dialogo->resoconto().empty());
    QCOMPARE(riepilogo(), RiepilogoVuoto);
}

void SpoglioDialogTest::azzera()
{
    m_dialogo->mostraEstrazione(4);
    m_prova->messaggi.risposte = {Risposta::No};
    Clicca(m_dialogo.get(), "azzeraPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Azzerare i numeri dell'estrazione ?"));
    QCOMPARE(m_prova->messaggi.mostrati.back().pulsanti, Pulsanti::SiNo);
    QCOMPARE(data()->text(), QStringLiteral("30/5/2026"));
    QVERIFY(verifica()->isEnabled());
    m_prova->messaggi.risposte = {Risposta::Si};
    Clicca(m_dialogo.get(), "azzeraPushButton");
    QCOMPARE(data()->text(), QString());
    QCOMPARE(cella(Roma, 2), QString());
    QVERIFY(!verifica()->isEnabled());

    // Typed keys: "-" gives "/" in the date, the cells take digits only.
    data()->setFocus();
    QTest::keyClicks(data(), QStringLiteral("1-2x-2003"));
    QCOMPARE(data()->text(), QStringLiteral("1/2/2003"));
    griglia()->setCurrentCell(0, 0);
    griglia()->setFocus();
    QTest::keyClick(griglia(), Qt::Key_4); // opens the cell's editor, which takes the next keys
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(cella(Bari, 1), QStringLiteral("45"));
    QVERIFY(verifica()->isEnabled());

    Clicca(m_dialogo.get(), "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("gf_spoglio.htm")});
}

void SpoglioDialogTest::salvaNellArchivio()
{
    // A draw of the archive, with its wheels without data, is stored again under a new date.
    m_dialogo->mostraEstrazione(1);
    data()->setText(QStringLiteral("2/3/2003"));
    Clicca(m_dialogo.get(), "salvaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QCOMPARE(m_prova->stato.archivio.estrazione(2).numero(Bari, 1), 1);
    QVERIFY(!m_prova->stato.archivio.estrazione(2).haDati(Roma));
    QCOMPARE(m_archivioCambiato, 1);
    ArchivioStorico letto;
    QVERIFY(CaricaArchivio(m_prova->cartella.file(file_archivio::NomeFile), letto).ok());
    QCOMPARE(letto.conteggio(), 5);

    struct Caso
    {
        const char* nome;
        QString data;
        int ruota;
        QString testo;
        QString messaggio;
    };
    const Caso casi[] = {
        {"data", QStringLiteral("31/02"), Bari, QStringLiteral("1"),
         QString::fromUtf8(messaggi_archivio::DataNonValida)},
        {"ruota incompleta", QStringLiteral("3/3/2003"), Roma, QStringLiteral("5"),
         QStringLiteral("La ruota \"Roma\" contiene dei valori non validi!")},
        {"numeri uguali", QStringLiteral("3/3/2003"), Bari, QStringLiteral("2"),
         QStringLiteral("Alcuni numeri della ruota \"Bari\" sono identici!")},
    };
    for (const Caso& caso : casi) {
        m_dialogo->mostraEstrazione(1);
        data()->setText(caso.data);
        griglia()->item(caso.ruota - 1, 0)->setText(caso.testo);
        Clicca(m_dialogo.get(), "salvaPushButton");
        QVERIFY2(QString::fromStdString(m_prova->messaggi.ultimo()) == caso.messaggio, caso.nome);
        QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    }
    QCOMPARE(m_archivioCambiato, 1);
}

void SpoglioDialogTest::salvataggioFallitoSegnalato()
{
    m_prova->stato.cartelle.dati = m_prova->cartella.cartella() + "manca/";
    m_dialogo->mostraEstrazione(4);
    data()->setText(QStringLiteral("6/6/2026"));
    Clicca(m_dialogo.get(), "salvaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QString::fromUtf8(messaggi_archivio::ErroreSalvataggioArchivio));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Errore"));
    // The draw stays in memory, and the statistics follow it.
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QCOMPARE(m_archivioCambiato, 1);
}

void SpoglioDialogTest::internet()
{
    m_dialogo->mostraEstrazione(2);
    Clicca(m_dialogo.get(), "verificaPushButton");
    // The update window is answered for: cancelled, then with a new draw stored.
    bool nuova = false;
    m_prova->servizi.dialogo = [&](QDialog&) -> std::optional<int> {
        if (nuova) {
            (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(6, 6, 2026, 11));
        }
        return QDialog::Rejected;
    };
    Clicca(m_dialogo.get(), "internetPushButton");
    QCOMPARE(m_prova->servizi.dialoghi, std::vector<QString>{QStringLiteral("TAggio")});
    QCOMPARE(data()->text(), QStringLiteral("8/3/2003")); // nothing new: the grid stays
    QVERIFY(!verifica()->isEnabled());

    nuova = true;
    Clicca(m_dialogo.get(), "internetPushButton");
    QCOMPARE(m_prova->servizi.dialoghi.size(), std::size_t{2});
    QCOMPARE(data()->text(), QStringLiteral("6/6/2026"));
    QCOMPARE(cella(Bari, 1), QStringLiteral("11"));
    QCOMPARE(cella(Roma, 1), QString());
    QVERIFY(verifica()->isEnabled());
}

void SpoglioDialogTest::riaperturaConservaLEstrazione()
{
    m_dialogo->mostraEstrazione(4);
    Clicca(m_dialogo.get(), "verificaPushButton");
    QCOMPARE(resoconto().size(), 6);
    m_dialogo->hide();
    (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(6, 6, 2026, 11));
    m_dialogo->show();
    QCOMPARE(data()->text(), QStringLiteral("30/5/2026"));
    QCOMPARE(cella(Roma, 2), QStringLiteral("47"));
    QCOMPARE(resoconto(), QStringList());
    QVERIFY(m_dialogo->resoconto().empty());
    QCOMPARE(riepilogo(), RiepilogoVuoto);
    QVERIFY(verifica()->isEnabled());
    std::int32_t proposta = 0;
    test::quandoAperto<TDaiNumEstra>([&proposta](TDaiNumEstra* scelta) {
        proposta = scelta->posizione();
        Clicca(scelta, "annullaPushButton");
    });
    Clicca(m_dialogo.get(), "apriPushButton");
    QCOMPARE(proposta, 5);
}

void SpoglioDialogTest::stampaSuPdf()
{
    // 120 winning plays: the report runs over several pages.
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(121));
    for (int i = 1; i <= 120; ++i) {
        m_prova->stato.giocate.voce(i) = test::giocata({2, 47, 50 + i % 10, 60 + i % 5, 70 + i % 10});
    }
    m_prova->stato.giocate.setConteggio(120);
    m_dialogo->mostraEstrazione(4);
    Clicca(m_dialogo.get(), "verificaPushButton");
    QCOMPARE(resoconto().size(), 2 + 120 * 4);

    const QString pdf = QString::fromStdString(m_prova->cartella.file("spoglio.pdf"));
    int richieste = 0;
    QString lavoro;
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        ++richieste;
        if (richieste == 1) {
            return false; // cancelled: nothing printed
        }
        lavoro = stampante.docName();
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    Clicca(m_dialogo.get(), "stampaPushButton");
    QVERIFY(!QFile::exists(pdf));
    Clicca(m_dialogo.get(), "stampaPushButton");
    QCOMPARE(richieste, 2);
    QCOMPARE(lavoro, QStringLiteral("Quarvin"));
    QVERIFY(QFile::exists(pdf));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the pages is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("Estrazione del: 30/5/2026")), qPrintable(testo.left(2000)));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Roma\\s+67\\s+47\\s+2\\s+86\\s+42"))));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Nº Ambi: 240\\s+Vincita: 3.300,00 €"))));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Nº Cinquine: 0\\s+Vincita: 0,00 €"))));
    QVERIFY(testo.contains(QStringLiteral("Totale: 3.300,00 €")));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Giocata Nº 1\\s*\\n"))));
    QVERIFY(testo.contains(QStringLiteral("Giocata Nº 120")));
    QVERIFY(testo.contains(QStringLiteral("VINCITA TOTALE: 3.300,00 Euro")));
    QVERIFY(!testo.contains(QStringLiteral("----")));
    // The wheels come before the report, which continues on further pages.
    QVERIFY(testo.indexOf(QStringLiteral("Nazionale")) < testo.indexOf(QStringLiteral("Giocata Nº 1")));
    QVERIFY(testo.count(QLatin1Char('\f')) >= 3);
}

// The main window checks its preconditions, then opens the one window it keeps.
void SpoglioDialogTest::dallaFinestraPrincipale()
{
    m_dialogo.reset();
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    finestra.show();
    QAction* spoglio = nullptr;
    for (QAction* a : finestra.findChildren<QAction*>()) {
        spoglio = a->text() == QStringLiteral("Spoglio delle giocate") ? a : spoglio;
    }
    QVERIFY(spoglio != nullptr && spoglio->isEnabled());
    QVERIFY(test::trova<QToolBar>(&finestra, "strumentiToolBar")->actions().contains(spoglio));

    m_prova->stato.giocate.setConteggio(0);
    spoglio->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Non ci sono giocate da controllare!"));
    QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Informazione);

    m_prova->stato.giocate.voce(1) = test::giocata({1, 3, 5, 7, 9});
    m_prova->stato.giocate.voce(2) = test::giocata({2, 10, 20, 30, 47});
    m_prova->stato.giocate.setConteggio(2);
    test::trova<QLineEdit>(&finestra, "amboLineEdit")->setText(QStringLiteral("0,07"));
    spoglio->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QString::fromStdString(MessaggioImportiNonValidi(m_prova->stato.generali)));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Errore"));
    QVERIFY(finestra.findChild<TSpoglio*>() == nullptr);

    test::trova<QLineEdit>(&finestra, "amboLineEdit")->setText(QStringLiteral("1"));
    TSpoglio* primo = nullptr;
    test::quandoAperto<TSpoglio>([&primo](TSpoglio* d) {
        primo = d;
        d->mostraEstrazione(4);
        Clicca(d, "verificaPushButton");
        Clicca(d, "chiudiPushButton");
    });
    spoglio->trigger();
    QVERIFY(primo != nullptr);
    QCOMPARE(primo->resoconto().size(), std::size_t{5}); // Tutte only: the ambo at 2,50
    QVERIFY(primo->resoconto()[2].find("Vincita: 2,50 Euro") != std::string::npos);
    TSpoglio* secondo = nullptr;
    QString dataRiaperta;
    test::quandoAperto<TSpoglio>([&](TSpoglio* d) {
        secondo = d;
        dataRiaperta = test::trova<QLineEdit>(d, "dataLineEdit")->text();
        Clicca(d, "chiudiPushButton");
    });
    spoglio->trigger();
    QCOMPARE(secondo, primo);
    QCOMPARE(dataRiaperta, QStringLiteral("30/5/2026"));
}

QTEST_MAIN(SpoglioDialogTest)
#include "spoglio_dialog_test.moc"
