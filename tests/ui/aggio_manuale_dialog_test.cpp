#include "core/file_archivio.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/aggio_manuale_dialog.h"
#include "ui/dai_num_estra_dialog.h"
#include "ui/new_mod_estra_dialog.h"
#include "ui/pri_window.h"
#include "ui/seleziona_estrazioni_dialog.h"
#include "ui/stampa_estrazione.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

void Clicca(QWidget* w, const char* pulsante)
{
    QTest::mouseClick(test::trova<QPushButton>(w, pulsante), Qt::LeftButton);
}

// Fills the editor: the date and, for wheel w (0-based), the numbers base+w, base+w+11, ... so every
// wheel holds five different numbers.
void Compila(TNewModEstra* editor, const QString& data, int base = 1)
{
    test::trova<QLineEdit>(editor, "dataLineEdit")->setText(data);
    auto* griglia = test::trova<QTableWidget>(editor, "numeriTableWidget");
    for (int w = 0; w < 11; ++w) {
        for (int p = 0; p < 5; ++p) {
            griglia->item(w, p)->setText(QString::number(base + w + 11 * p));
        }
    }
}

} // namespace

class AggioManualeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mostraLUltimaEstrazione();
    void nuovaEstrazione();
    void modificaSpostaLEstrazione();
    void modificaSullaDataDiUnAltraLaSostituisce();
    void rifiutiDellEditor_data();
    void rifiutiDellEditor();
    void azzera();
    void eliminaLasciaLaPiuVecchia();
    void eliminaAnnullata();
    void salvataggioFallitoSegnalato();
    void selezioneTrascinaLAltraBarra();
    void sceltaPerData();
    void stampaSuPdf();
    void paginaConFiguraEPiede_data();
    void paginaConFiguraEPiede();
    void guida();
    void dallaFinestraPrincipale();

private:
    void apri();
    std::int32_t posizione() const { return m_dialogo->posizione(); }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TAggioManuale> m_dialogo;
};

void AggioManualeDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>(test::QualiCartelle::SoloDati);
    // Four draws of March 2003 (Bari 1.., 2.., 3.., 4..) and one of 2004.
    for (int i = 0; i < 4; ++i) {
        (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(1 + 7 * i, 3, 2003, i + 1));
    }
    (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(10, 1, 2004, 5));
    apri();
}

void AggioManualeDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void AggioManualeDialogTest::apri()
{
    m_dialogo = std::make_unique<TAggioManuale>(m_prova->stato, m_prova->servizi);
    m_dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialogo.get()));
}

void AggioManualeDialogTest::mostraLUltimaEstrazione()
{
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Visualizza/Modifica archivio storico"));
    auto* barra = test::trova<QScrollBar>(m_dialogo.get(), "concorsoScrollBar");
    QCOMPARE(barra->minimum(), 1);
    QCOMPARE(barra->maximum(), 5);
    QCOMPARE(barra->value(), 5);
    QCOMPARE(test::trova<QLabel>(m_dialogo.get(), "concorsoLabel")->text(), QStringLiteral("Nº Concorso:5"));
    QCOMPARE(test::trova<QLabel>(m_dialogo.get(), "dataLabel")->text(), QStringLiteral("Data:10/1/2004"));
    barra->setValue(2);
    QCOMPARE(test::trova<QLabel>(m_dialogo.get(), "dataLabel")->text(), QStringLiteral("Data:8/3/2003"));
    auto* griglia = test::trova<QTableWidget>(m_dialogo.get(), "estrazioneTableWidget");
    QCOMPARE(griglia->item(0, 0)->text(), QStringLiteral("Bari"));
    QCOMPARE(griglia->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(griglia->item(0, 5)->text(), QStringLiteral("6"));
    QCOMPARE(griglia->item(10, 0)->text(), QStringLiteral("Nazionale"));
    QCOMPARE(griglia->item(10, 1)->text(), QString());
}

void AggioManualeDialogTest::nuovaEstrazione()
{
    test::quandoAperto<TNewModEstra>([](TNewModEstra* editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("Nuova estrazione"));
        QCOMPARE(test::trova<QLineEdit>(editor, "dataLineEdit")->text(), QString());
        Compila(editor, QStringLiteral("20/3/2003"), 3);
        Clicca(editor, "applicaPushButton");
    });
    Clicca(m_dialogo.get(), "nuovaPushButton");
    QVERIFY(m_prova->messaggi.mostrati.empty());
    QCOMPARE(m_prova->stato.archivio.conteggio(), 6);
    QCOMPARE(posizione(), 4);
    QCOMPARE(test::trova<QScrollBar>(m_dialogo.get(), "concorsoScrollBar")->maximum(), 6);
    QCOMPARE(m_prova->stato.archivio.estrazione(4).numero(Nazionale, 5), 3 + 10 + 44);

    // Saved at once: the file holds the six draws.
    ArchivioStorico letto;
    QVERIFY(CaricaArchivio(m_prova->cartella.file(file_archivio::NomeFile), letto).ok());
    QCOMPARE(letto.conteggio(), 6);
}

void AggioManualeDialogTest::modificaSpostaLEstrazione()
{
    test::trova<QScrollBar>(m_dialogo.get(), "concorsoScrollBar")->setValue(1);
    test::quandoAperto<TNewModEstra>([](TNewModEstra* editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("Modifica estrazione nº 1"));
        auto* data = test::trova<QLineEdit>(editor, "dataLineEdit");
        QCOMPARE(data->text(), QStringLiteral("1/3/2003"));
        QCOMPARE(test::trova<QTableWidget>(editor, "numeriTableWidget")->item(0, 4)->text(),
                 QStringLiteral("5"));
        data->setText(QStringLiteral("30/3/2003"));
        Clicca(editor, "applicaPushButton");
    });
    Clicca(m_dialogo.get(), "modificaPushButton");
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QCOMPARE(posizione(), 4);
    QCOMPARE(test::trova<QLabel>(m_dialogo.get(), "dataLabel")->text(), QStringLiteral("Data:30/3/2003"));
    // The old position holds the next older draw; the chooser finds the moved draw by its date.
    QCOMPARE(m_prova->stato.archivio.estrazione(1).numero(Bari, 1), 2);
    TDaiNumEstra scelta(m_prova->stato.archivio);
    scelta.show();
    test::trova<QScrollBar>(&scelta, "concorsoScrollBar")->setValue(3);
    auto* giorni = test::trova<QComboBox>(&scelta, "giornoComboBox");
    QCOMPARE(giorni->count(), 4);
    QCOMPARE(giorni->itemText(3), QStringLiteral("30"));
    giorni->setCurrentIndex(3);
    emit giorni->activated(3);
    QCOMPARE(scelta.posizione(), 4);
}

void AggioManualeDialogTest::modificaSullaDataDiUnAltraLaSostituisce()
{
    test::trova<QScrollBar>(m_dialogo.get(), "concorsoScrollBar")->setValue(4);
    test::quandoAperto<TNewModEstra>([](TNewModEstra* editor) {
        test::trova<QLineEdit>(editor, "dataLineEdit")->setText(QStringLiteral("08/03/2003"));
        Clicca(editor, "applicaPushButton");
    });
    Clicca(m_dialogo.get(), "modificaPushButton");
    QCOMPARE(m_prova->stato.archivio.conteggio(), 4);
    QCOMPARE(posizione(), 2);
    QCOMPARE(m_prova->stato.archivio.estrazione(2).numero(Bari, 1), 4);
}

void AggioManualeDialogTest::rifiutiDellEditor_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("ruota");
    QTest::addColumn<QStringList>("numeri");
    QTest::addColumn<QString>("messaggio");
    const QStringList buoni{"1", "12", "23", "34", "45"};
    QTest::newRow("data") << QStringLiteral("31/02") << 0 << buoni
                          << QString::fromUtf8(messaggi_archivio::DataNonValida);
    QTest::newRow("valore oltre 90") << QStringLiteral("1/1/2000") << 7
                                     << QStringList{"8", "19", "30", "91", "52"}
                                     << QStringLiteral("La ruota \"Roma\" contiene dei valori non validi!");
    QTest::newRow("cella vuota") << QStringLiteral("1/1/2000") << 1 << QStringList{"2", "", "24", "35", "46"}
                                 << QStringLiteral("La ruota \"Cagliari\" contiene dei valori non validi!");
    QTest::newRow("numeri uguali") << QStringLiteral("1/1/2000") << 10
                                   << QStringList{"11", "22", "33", "44", "11"}
                                   << QStringLiteral(
                                          "Alcuni numeri della ruota \"Nazionale\" sono identici!");
}

void AggioManualeDialogTest::rifiutiDellEditor()
{
    QFETCH(QString, data);
    QFETCH(int, ruota);
    QFETCH(QStringList, numeri);
    QFETCH(QString, messaggio);
    TNewModEstra editor(m_prova->stato, 0);
    editor.show();
    Compila(&editor, data);
    auto* griglia = test::trova<QTableWidget>(&editor, "numeriTableWidget");
    for (int p = 0; p < 5; ++p) {
        griglia->item(ruota, p)->setText(numeri[p]);
    }
    Clicca(&editor, "applicaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Attenzione"));
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.indiceMemorizzato(), 0);
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QVERIFY(!std::filesystem::exists(m_prova->cartella.file(file_archivio::NomeFile)));
}

void AggioManualeDialogTest::azzera()
{
    TNewModEstra editor(m_prova->stato, 2);
    editor.show();
    auto* data = test::trova<QLineEdit>(&editor, "dataLineEdit");
    auto* griglia = test::trova<QTableWidget>(&editor, "numeriTableWidget");
    m_prova->messaggi.risposte = {Risposta::No};
    Clicca(&editor, "azzeraPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Azzerare i numeri dell'estrazione ?"));
    QCOMPARE(data->text(), QStringLiteral("8/3/2003"));
    m_prova->messaggi.risposte = {Risposta::Si};
    Clicca(&editor, "azzeraPushButton");
    QCOMPARE(data->text(), QString());
    QCOMPARE(griglia->item(0, 0)->text(), QString());

    // Typed keys: "-" gives "/", letters are dropped; at most ten characters.
    data->setFocus();
    QTest::keyClicks(data, QStringLiteral("1-2x-20034567"));
    QCOMPARE(data->text(), QStringLiteral("1/2/200345"));
}

void AggioManualeDialogTest::eliminaLasciaLaPiuVecchia()
{
    test::trova<QScrollBar>(m_dialogo.get(), "concorsoScrollBar")->setValue(3);
    test::quandoAperto<TSelezionaEstrazioni>([](TSelezionaEstrazioni* selezione) {
        QCOMPARE(selezione->windowTitle(), QStringLiteral("Selezionare le estrazioni"));
        QCOMPARE(test::trova<QLabel>(selezione, "spiegazioneLabel")->text(),
                 QStringLiteral("Selezionare l'intervallo di estrazioni da eliminare"));
        QCOMPARE(selezione->prima(), 3);
        QCOMPARE(selezione->ultima(), 3);
        test::trova<QScrollBar>(selezione, "primaScrollBar")->setValue(1);
        test::trova<QScrollBar>(selezione, "ultimaScrollBar")->setValue(5);
        QCOMPARE(test::trova<QLabel>(selezione, "quanteLabel")->text(),
                 QStringLiteral("Numero di estrazioni selezionate: 5"));
        Clicca(selezione, "okPushButton");
    });
    m_prova->messaggi.risposte = {Risposta::Si};
    Clicca(m_dialogo.get(), "eliminaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Eliminare le estrazioni dalla nº 1 alla nº 5 ?"));
    QCOMPARE(m_prova->stato.archivio.conteggio(), 1);
    QCOMPARE(m_prova->stato.archivio.estrazione(1).numero(Bari, 1), 1);
    QCOMPARE(posizione(), 1);
    ArchivioStorico letto;
    QVERIFY(CaricaArchivio(m_prova->cartella.file(file_archivio::NomeFile), letto).ok());
    QCOMPARE(letto.conteggio(), 1);
}

void AggioManualeDialogTest::eliminaAnnullata()
{
    test::quandoAperto<TSelezionaEstrazioni>([](TSelezionaEstrazioni* s) { Clicca(s, "okPushButton"); });
    m_prova->messaggi.risposte = {Risposta::No};
    Clicca(m_dialogo.get(), "eliminaPushButton");
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    test::quandoAperto<TSelezionaEstrazioni>([](TSelezionaEstrazioni* s) {
        QCOMPARE(test::trova<QPushButton>(s, "annullaPushButton")->text(), QStringLiteral("Annulla"));
        Clicca(s, "annullaPushButton");
    });
    const std::size_t messaggi = m_prova->messaggi.mostrati.size();
    Clicca(m_dialogo.get(), "eliminaPushButton");
    QCOMPARE(m_prova->messaggi.mostrati.size(), messaggi);
    QCOMPARE(m_prova->stato.archivio.conteggio(), 5);
    QVERIFY(!std::filesystem::exists(m_prova->cartella.file(file_archivio::NomeFile)));
}

void AggioManualeDialogTest::salvataggioFallitoSegnalato()
{
    m_prova->stato.cartelle.dati = m_prova->cartella.cartella() + "manca/";
    test::quandoAperto<TNewModEstra>([](TNewModEstra* editor) {
        Compila(editor, QStringLiteral("1/1/2005"));
        Clicca(editor, "applicaPushButton");
    });
    Clicca(m_dialogo.get(), "nuovaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QString::fromUtf8(messaggi_archivio::ErroreSalvataggioArchivio));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Errore"));
    // The draw stays in memory and is shown.
    QCOMPARE(m_prova->stato.archivio.conteggio(), 6);
    QCOMPARE(posizione(), 6);
}

void AggioManualeDialogTest::selezioneTrascinaLAltraBarra()
{
    TSelezionaEstrazioni s(m_prova->stato.archivio, 2, 3, QStringLiteral("prova"));
    s.show();
    auto* prima = test::trova<QScrollBar>(&s, "primaScrollBar");
    auto* ultima = test::trova<QScrollBar>(&s, "ultimaScrollBar");
    QCOMPARE(test::trova<QLabel>(&s, "primaLabel")->text(),
             QStringLiteral("Estrazione iniziale: nº 2 del 8/3/2003"));
    QCOMPARE(test::trova<QLabel>(&s, "ultimaLabel")->text(),
             QStringLiteral("Estrazione finale: nº 3 del 15/3/2003"));
    prima->setValue(5);
    QCOMPARE(ultima->value(), 5);
    ultima->setValue(1);
    QCOMPARE(prima->value(), 1);
    QCOMPARE(test::trova<QLabel>(&s, "quanteLabel")->text(),
             QStringLiteral("Numero di estrazioni selezionate: 1"));
}

void AggioManualeDialogTest::sceltaPerData()
{
    TDaiNumEstra scelta(m_prova->stato.archivio);
    scelta.mostraEstrazione(0);
    scelta.show();
    QCOMPARE(scelta.windowTitle(), QStringLiteral("Specificare l'estrazione"));
    auto* anni = test::trova<QComboBox>(&scelta, "annoComboBox");
    auto* mesi = test::trova<QComboBox>(&scelta, "meseComboBox");
    auto* giorni = test::trova<QComboBox>(&scelta, "giornoComboBox");
    QCOMPARE(scelta.posizione(), 5);
    QCOMPARE(test::trova<QLabel>(&scelta, "concorsoLabel")->text(), QStringLiteral("Nº Concorso: 5"));
    QCOMPARE(anni->count(), 2);
    QCOMPARE(anni->currentText(), QStringLiteral("2004"));
    QCOMPARE(mesi->currentText(), QStringLiteral("1"));
    QCOMPARE(giorni->currentText(), QStringLiteral("10"));

    // 2003 has draws only in March: choosing the year keeps January, which has no day.
    anni->setCurrentIndex(1);
    emit anni->activated(1);
    QCOMPARE(giorni->count(), 0);
    QCOMPARE(scelta.posizione(), 5);
    mesi->setCurrentIndex(2);
    emit mesi->activated(2);
    QCOMPARE(giorni->count(), 4);
    QCOMPARE(giorni->itemText(0), QStringLiteral("1"));
    QCOMPARE(giorni->itemText(3), QStringLiteral("22"));
    QCOMPARE(scelta.posizione(), 1);
    giorni->setCurrentIndex(2);
    emit giorni->activated(2);
    QCOMPARE(scelta.posizione(), 3);
    QCOMPARE(test::trova<QLabel>(&scelta, "concorsoLabel")->text(), QStringLiteral("Nº Concorso: 3"));
    mesi->setCurrentIndex(3);
    emit mesi->activated(3);
    QCOMPARE(giorni->count(), 0);
    QCOMPARE(scelta.posizione(), 5);

    // The bar sets the three lists.
    test::trova<QScrollBar>(&scelta, "concorsoScrollBar")->setValue(2);
    QCOMPARE(anni->currentText(), QStringLiteral("2003"));
    QCOMPARE(mesi->currentText(), QStringLiteral("3"));
    QCOMPARE(giorni->currentText(), QStringLiteral("8"));

    // The range follows the archive at every opening.
    scelta.hide();
    (void)m_prova->stato.archivio.InserisciEstrazione(test::estrazione(1, 2, 2005, 9));
    scelta.show();
    QCOMPARE(test::trova<QScrollBar>(&scelta, "concorsoScrollBar")->maximum(), 6);
    QCOMPARE(scelta.posizione(), 2);
}

void AggioManualeDialogTest::stampaSuPdf()
{
    const QString pdf = QString::fromStdString(m_prova->cartella.file("estrazione.pdf"));
    Tipo_Estrazione e = test::estrazione(7, 3, 2003, 40);
    e.setNumero(Nazionale, 1, 81);
    e.setNumero(Nazionale, 2, 82);
    e.setNumero(Nazionale, 3, 83);
    e.setNumero(Nazionale, 4, 84);
    e.setNumero(Nazionale, 5, 85);
    QCOMPARE(m_prova->stato.archivio.InserisciEstrazione(e), 2);
    m_dialogo->mostraEstrazione(2);
    m_prova->stato.generali.sitoWeb = "https://www.esempio.it/lotto";

    int richieste = 0;
    m_prova->servizi.stampante = [&](QPrinter& stampante) {
        ++richieste;
        if (richieste == 1) {
            return false; // cancelled: nothing printed
        }
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    };
    Clicca(m_dialogo.get(), "stampaPushButton");
    QVERIFY(!QFile::exists(pdf));
    Clicca(m_dialogo.get(), "stampaPushButton");
    QCOMPARE(richieste, 2);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(QFileInfo(pdf).size() > 1000);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed: the text of the page is not checked");
    }
    QProcess processo;
    processo.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(20000));
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("ESTRAZIONE DEL 7/3/2003")), qPrintable(testo));
    QVERIFY2(testo.contains(QStringLiteral("QUARVINA LOTTO - https://www.esempio.it/lotto")),
             qPrintable(testo));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Bari\\s+40\\s+41\\s+42\\s+43\\s+44"))));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Nazionale\\s+81\\s+82\\s+83\\s+84\\s+85"))));
}

void AggioManualeDialogTest::paginaConFiguraEPiede_data()
{
    QTest::addColumn<QSize>("pagina");
    QTest::newRow("A4 verticale, 150 dpi") << QSize(1240, 1754);
    QTest::newRow("Letter, 300 dpi") << QSize(2550, 3300);
    QTest::newRow("A5, 72 dpi") << QSize(420, 595);
    QTest::newRow("A4 orizzontale, 150 dpi") << QSize(1754, 1240);
    QTest::newRow("A5 orizzontale, 72 dpi") << QSize(595, 420);
}

// The page drawn on an image: the side picture lies on the page, left of the frame and clear of it,
// and is really drawn; the footer lies on the page under the frame.
void AggioManualeDialogTest::paginaConFiguraEPiede()
{
    QFETCH(QSize, pagina);
    QImage immagine(pagina, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    const ImpaginazioneEstrazione parti = DisegnaEstrazione(pittore, test::estrazione(7, 3, 2003, 40),
                                                            QStringLiteral("http://www.quarvina.example"));
    pittore.end();
    if (const QString catture = qEnvironmentVariable("QUARVIN_CATTURE"); !catture.isEmpty()) {
        immagine.save(QDir(catture).filePath(
            QStringLiteral("estrazione %1x%2.png").arg(pagina.width()).arg(pagina.height())));
    }

    const QRect foglio(QPoint(0, 0), pagina);
    QVERIFY(foglio.contains(parti.figura));
    QVERIFY(foglio.contains(parti.piede));
    QVERIFY(parti.figura.width() > pagina.width() / 20);
    QVERIFY(parti.figura.right() < parti.cornice.left());
    QVERIFY(parti.piede.top() > parti.cornice.bottom());
    QVERIFY(parti.figura.top() < parti.cornice.top() && parti.figura.bottom() >= parti.cornice.bottom());

    int disegnati = 0;
    int colorati = 0;
    for (int y = parti.figura.top(); y <= parti.figura.bottom(); ++y) {
        for (int x = parti.figura.left(); x <= parti.figura.right(); ++x) {
            const QColor c = immagine.pixelColor(x, y);
            disegnati += c != QColor(Qt::white) ? 1 : 0;
            colorati += c.hsvSaturation() > 60 ? 1 : 0;
        }
    }
    const int area = parti.figura.width() * parti.figura.height();
    QVERIFY2(disegnati > area * 9 / 10, qPrintable(QString::number(disegnati) + "/" + QString::number(area)));
    QVERIFY2(colorati > area / 10, qPrintable(QString::number(colorati) + "/" + QString::number(area)));
}

void AggioManualeDialogTest::guida()
{
    Clicca(m_dialogo.get(), "guidaPushButton");
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("as_aggiorna_manuale.htm")});
}

// The main window opens the maintenance from its menu and, once it closes, shows the archive as it now
// is and recomputes the statistics on it.
void AggioManualeDialogTest::dallaFinestraPrincipale()
{
    m_dialogo.reset();
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.aggiornaArchivio();
    QAction* calcola = nullptr;
    QAction* visualizza = nullptr;
    for (QAction* a : finestra.findChildren<QAction*>()) {
        calcola = a->text() == QStringLiteral("Calcola vincite") ? a : calcola;
        visualizza = a->text() == QStringLiteral("Visualizza/Modifica") ? a : visualizza;
    }
    QVERIFY(calcola != nullptr && calcola->isEnabled());
    QVERIFY(visualizza != nullptr && visualizza->isEnabled());

    test::quandoAperto<TAggioManuale>([](TAggioManuale* d) {
        test::quandoAperto<TSelezionaEstrazioni>([](TSelezionaEstrazioni* s) {
            test::trova<QScrollBar>(s, "primaScrollBar")->setValue(1);
            Clicca(s, "okPushButton");
        });
        Clicca(d, "eliminaPushButton");
        Clicca(d, "chiudiPushButton");
    });
    m_prova->messaggi.risposte = {Risposta::Si};
    visualizza->trigger();
    QCOMPARE(m_prova->stato.archivio.conteggio(), 1);
    QCOMPARE(test::trova<QLabel>(&finestra, "archivioLabel")->text(),
             QStringLiteral("Archivio storico: 1 estrazioni, dal 01/03/2003 al 01/03/2003"));
    QCOMPARE(m_prova->stato.statistiche.frequenze[Bari][1], 1);
}

QTEST_MAIN(AggioManualeDialogTest)
#include "aggio_manuale_dialog_test.moc"
