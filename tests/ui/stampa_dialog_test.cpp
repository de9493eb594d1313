#include "editor/stato_applicazione.h"
#include "printing/calibrazione.h"
#include "support/finestre_prova.h"
#include "ui/calibra_dialog.h"
#include "ui/col_su_carta_dialog.h"
#include "ui/pri_window.h"
#include "ui/stampa/tela_stampa.h"
#include "ui/stampa_comune.h"
#include "ui/stampa_schedine_dialog.h"

#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// A paint device that keeps the ellipses drawn on it, to check where the canvas puts the marks.
class RegistraSegni final : public QPaintDevice
{
public:
    RegistraSegni(int w, int h) : m_w(w), m_h(h) {}
    QPaintEngine* paintEngine() const override { return &m_motore; }
    std::vector<QRect> segni() const { return m_motore.ellissi; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_w;
        case PdmHeight:
            return m_h;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 600;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    struct Motore final : QPaintEngine
    {
        Motore() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawEllipse(const QRect& r) override { ellissi.push_back(r); }
        void drawEllipse(const QRectF& r) override { ellissi.push_back(r.toRect()); }
        Type type() const override { return QPaintEngine::User; }
        std::vector<QRect> ellissi;
    };
    int m_w;
    int m_h;
    mutable Motore m_motore;
};

QString TestoPdf(const QString& pdf)
{
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programma.isEmpty()) {
        return {};
    }
    QProcess processo;
    processo.start(programma, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    processo.waitForFinished(20000);
    return QString::fromUtf8(processo.readAllStandardOutput());
}

void Clicca(QWidget* w, const char* nome)
{
    test::trova<QPushButton>(w, QString::fromLatin1(nome))->click();
}

} // namespace

class StampaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlliDelMenu();
    void segniCalibratiSulDispositivo();
    void stampaUnaEIntervallo();
    void interruzioneDellIntervallo();
    void calibrazioneMemorizzata();
    void cartaComuneSuPdf();

private:
    void giocate(int n);
    // The next printer choices answer with a PDF printer writing `pdf`.
    void stampanteSuPdf(const QString& pdf);
    void cattura(QWidget* w, const char* nome);

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TPri> m_finestra;
};

void StampaDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
}

void StampaDialogTest::cleanup()
{
    if (m_finestra) {
        m_prova->stato.sistema.modificato = false;
    }
    m_finestra.reset();
    m_prova.reset();
}

void StampaDialogTest::giocate(int n)
{
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(n));
    for (int i = 1; i <= n; ++i) {
        m_prova->stato.giocate.voce(i) = test::giocata({i, i + 1, i + 2, i + 3, i + 4});
        m_prova->stato.sistema.pronostico[static_cast<std::size_t>(i - 1)] = 1;
    }
    m_prova->stato.giocate.setConteggio(n);
}

void StampaDialogTest::stampanteSuPdf(const QString& pdf)
{
    m_prova->servizi.stampante = [pdf](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
}

void StampaDialogTest::cattura(QWidget* w, const char* nome)
{
    // Pictures of the windows for a look by eye, when asked for.
    const QByteArray cartella = qgetenv("QUARVIN_CATTURE");
    if (!cartella.isEmpty()) {
        w->resize(w->sizeHint());
        w->grab().save(QString::fromLocal8Bit(cartella) + QLatin1Char('/') + QLatin1String(nome) + ".png");
    }
}

void StampaDialogTest::controlliDelMenu()
{
    m_finestra = std::make_unique<TPri>(m_prova->stato, m_prova->servizi);
    m_finestra->iniziaNuovoSistema();
    m_finestra->show();
    for (const char* voce : {"Stampa giocate su schedine", "Stampa giocate su schedine LottoPiù"}) {
        test::azione(m_finestra.get(), QString::fromUtf8(voce))->trigger();
        QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
                 QStringLiteral("Non ci sono giocate da stampare!"));
        QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Informazione);
    }
    giocate(3);
    // A terno of 400 is a valid stake once the settings allow it, but the boxes cannot hold it.
    m_prova->stato.generali.importiGiocata[17] = 500;
    m_prova->stato.generali.massimo = 1000;
    test::trova<QLineEdit>(m_finestra.get(), QStringLiteral("ternoLineEdit"))->setText(QStringLiteral("400"));
    m_prova->messaggi.mostrati.clear();
    test::azione(m_finestra.get(), QStringLiteral("Stampa giocate su schedine (Mod. MDN)"))->trigger();
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("L'importo 400,00 € non può essere stampato sulle nuove schedine.\r"
                            "Modificare l'importo e riprovare."));
    QVERIFY(m_prova->servizi.dialoghi.empty());

    // Positions without their stake only warn; the dialog then opens.
    test::trova<QLineEdit>(m_finestra.get(), QStringLiteral("ternoLineEdit"))->setText(QStringLiteral("1"));
    m_prova->stato.sistema.posizioni = {0, 1, 0, 0, 0};
    m_prova->messaggi.mostrati.clear();
    m_prova->servizi.dialogo = [](QDialog&) { return std::optional<int>(0); };
    test::azione(m_finestra.get(), QStringLiteral("Stampa giocate su schedine"))->trigger();
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
    QVERIFY(
        QString::fromStdString(m_prova->messaggi.ultimo()).contains(QStringLiteral("posizioni di estratti")));
    QCOMPARE(m_prova->servizi.dialoghi.back(), QStringLiteral("TGiocateSuScheSimbolotto"));
    test::azione(m_finestra.get(), QStringLiteral("Stampa giocate su carta comune"))->trigger();
    QCOMPARE(m_prova->servizi.dialoghi.back(), QStringLiteral("TColSuCarta"));
}

void StampaDialogTest::segniCalibratiSulDispositivo()
{
    giocate(1);
    m_prova->stato.sistema.ruote = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    stampa::CalibrazioneSchedina c =
        stampa::CalibrazionePredefinita(stampa::ModelloSchedina::Mdn, stampa::Orientamento::Orizzontale);
    c.campo(1) = 31.3;
    c.campo(3) = 1.013;
    c.campo(4) = 0.991;
    c.campo(5) = 2.2;
    RegistraSegni dispositivo(4961, 7016);
    const stampa::PaginaStampante pagina{4961, 7016, 600, 600, 0, 0};
    const stampa::PaginaMm mm = stampa::MisuraPagina(pagina);
    const tela::MisuraQt misura(&dispositivo);
    stampa::OpzioniSchedina o;
    o.orientamento = stampa::Orientamento::Orizzontale;
    o.numeroSchedina = false;
    const stampa::Impaginazione imp =
        stampa::ImpaginaSchedine(stampa::ModelloSchedina::Mdn, c, pagina, misura, m_prova->stato.sistema,
                                 m_prova->stato.giocate, 1, 1, o);
    QPainter pittore(&dispositivo);
    tela::DisegnaPagina(pittore, QRect(0, 0, 4961, 7016), imp, imp.pagine.front());
    pittore.end();
    const std::vector<QRect> segni = dispositivo.segni();
    QCOMPARE(segni.size(), std::size_t{7}); // five numbers, boxes 11 and 12
    const int lato = static_cast<int>(std::lround(4961 * 2.2 / mm.larghezza));
    struct Atteso
    {
        int tipo, a;
    };
    const Atteso attesi[] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 11}, {2, 12}};
    for (std::size_t i = 0; i < segni.size(); ++i) {
        const stampa::Punto p = stampa::PosizioneSegno(
            stampa::ModelloSchedina::Mdn, stampa::Orientamento::Orizzontale, attesi[i].tipo, attesi[i].a);
        const double x = p.x * 1.013 + (31.3 - 10);
        const double y = p.y * 0.991 + (7.5 - 10);
        QCOMPARE(segni[i].left(), static_cast<int>(std::lround(4961 * x / mm.larghezza)));
        QCOMPARE(segni[i].top(), static_cast<int>(std::lround(7016 * y / mm.altezza)));
        QCOMPARE(segni[i].width(), lato);
    }
}

void StampaDialogTest::stampaUnaEIntervallo()
{
    giocate(4);
    m_prova->stato.sistema.ruote = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    m_prova->stato.sistema.importi[Ambo - 1] = 0.3;
    StampanteCondivisa stampante;
    TGiocateSuScheSimbolotto dialogo(m_prova->stato, m_prova->servizi, stampante);
    dialogo.show();
    cattura(&dialogo, "schedina_verticale");
    test::trova<QRadioButton>(&dialogo, QStringLiteral("orizzontaleRadioButton"))->setChecked(true);
    cattura(&dialogo, "schedina_orizzontale");
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Stampa di 4 Giocate"));

    const QString una = m_prova->cartella.file("una.pdf").c_str();
    stampanteSuPdf(una);
    auto* campo = test::trova<QLineEdit>(&dialogo, QStringLiteral("unaLineEdit"));
    campo->setText(QStringLiteral("9"));
    Clicca(&dialogo, "stampaUnaPushButton");
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Il numero della schedina da stampare non è valido!\rCorreggere e riprovare."));
    QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo), QStringLiteral("Errore !"));
    QVERIFY(!QFile::exists(una));
    campo->setText(QStringLiteral("4"));
    Clicca(&dialogo, "stampaUnaPushButton");
    QCOMPARE(campo->text(), QStringLiteral("1")); // the last slip moves the field back to 1
    QCOMPARE(dialogo.schedinaMostrata(), 1);

    // The printer stays chosen; the range 3..3 goes to the same PDF file.
    test::trova<QLineEdit>(&dialogo, QStringLiteral("daLineEdit"))->setText(QStringLiteral("3"));
    test::trova<QLineEdit>(&dialogo, QStringLiteral("aLineEdit"))->setText(QStringLiteral("3"));
    Clicca(&dialogo, "stampaDallaPushButton");
    const QString testo = TestoPdf(una);
    if (testo.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QVERIFY2(testo.contains(QStringLiteral("Scheda Nº 3")), qPrintable(testo));
    QCOMPARE(testo.count(QLatin1Char('\f')), 1);

    const QString pdf = m_prova->cartella.file("pdf.pdf").c_str();
    m_prova->servizi.file = pdf;
    test::trova<QLineEdit>(&dialogo, QStringLiteral("daLineEdit"))->setText(QStringLiteral("1"));
    test::trova<QLineEdit>(&dialogo, QStringLiteral("aLineEdit"))->setText(QStringLiteral("4"));
    Clicca(&dialogo, "pdfPushButton");
    const QString tutte = TestoPdf(pdf);
    QCOMPARE(tutte.count(QLatin1Char('\f')), 4);
    QVERIFY(tutte.contains(QStringLiteral("Scheda Nº 4")));
    Clicca(&dialogo, "chiudiPushButton");
    QCOMPARE(m_prova->stato.generali.msOrientamento, 0);
    QCOMPARE(m_prova->store.leggiIntero("ms_orientamento"), std::optional<std::int32_t>(0));
}

void StampaDialogTest::interruzioneDellIntervallo()
{
    giocate(4);
    StampanteCondivisa stampante;
    TColSuSche_lp dialogo(m_prova->stato, m_prova->servizi, stampante);
    dialogo.show();
    cattura(&dialogo, "lottopiu");
    const QString pdf = m_prova->cartella.file("lp.pdf").c_str();
    stampanteSuPdf(pdf);
    m_prova->messaggi.risposte = {Risposta::No, Risposta::Si};
    QTimer::singleShot(0, &dialogo, [&dialogo] { Clicca(&dialogo, "interrompiPushButton"); });
    Clicca(&dialogo, "stampaDallaPushButton");
    // Asked before slip 1 (No: printed) and again before slip 2 (Yes: stopped).
    QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()),
             QStringLiteral("Sei sicuro di voler interrompere la stampa ?"));
    QVERIFY(!test::trova<QPushButton>(&dialogo, QStringLiteral("interrompiPushButton"))->isVisible());
    const QString testo = TestoPdf(pdf);
    if (testo.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QCOMPARE(testo.count(QLatin1Char('\f')), 1);
    QVERIFY(testo.contains(QStringLiteral("Scheda Nº 1")));
}

void StampaDialogTest::calibrazioneMemorizzata()
{
    StampanteCondivisa stampante;
    {
        TCalibraScheSimbolottoVer dialogo(m_prova->stato, m_prova->servizi, stampante);
        dialogo.show();
        cattura(&dialogo, "calibra_simbolotto");
        QStringList valori;
        for (int campo = 1; campo <= 8; ++campo) {
            valori << test::trova<QLineEdit>(&dialogo, QStringLiteral("campo%1LineEdit").arg(campo))->text();
        }
        QCOMPARE(valori.join(' '), QStringLiteral("9.0 27.5 83.1 111.5151 2.0 10.0 10.0 3.0"));
        // Arrows and the clamping, then Annulla: nothing stored.
        test::trova<QToolButton>(&dialogo, QStringLiteral("campo1SuToolButton"))->click();
        test::trova<QRadioButton>(&dialogo, QStringLiteral("centraleRadioButton"))->setChecked(true);
        QCOMPARE(test::trova<QLineEdit>(&dialogo, QStringLiteral("campo1LineEdit"))->text(),
                 QStringLiteral("66.0"));
        Clicca(&dialogo, "annullaPushButton");
    }
    QVERIFY(!m_prova->store.leggiTesto("new_calsimb_ver_1").has_value());
    QVERIFY(!m_prova->store.leggiIntero("ms_tipo_bloccaggio").has_value());

    const QString pdf = m_prova->cartella.file("prova.pdf").c_str();
    stampanteSuPdf(pdf);
    TCalibraScheSimbolottoVer dialogo(m_prova->stato, m_prova->servizi, stampante);
    test::trova<QLineEdit>(&dialogo, QStringLiteral("campo3LineEdit"))->setText(QStringLiteral("166,2"));
    Clicca(&dialogo, "provaPushButton");
    QCOMPARE(test::trova<QLineEdit>(&dialogo, QStringLiteral("campo3LineEdit"))->text(),
             QStringLiteral("166.2"));
    test::trova<QRadioButton>(&dialogo, QStringLiteral("centraleRadioButton"))->setChecked(true);
    Clicca(&dialogo, "salvaPushButton");
    QCOMPARE(m_prova->stato.generali.newCalsimbVer[2], 2.0);
    QCOMPARE(m_prova->store.leggiTesto("new_calsimb_ver_3"), std::optional<std::string>("2.0"));
    QCOMPARE(m_prova->store.leggiTesto("new_calsimb_ver_1"), std::optional<std::string>("65.50"));
    QCOMPARE(m_prova->store.leggiIntero("ms_tipo_bloccaggio"), std::optional<std::int32_t>(1));
    const QString testo = TestoPdf(pdf);
    if (testo.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QVERIFY2(testo.contains(QStringLiteral("Schedina Nº 0")) && testo.contains(QStringLiteral("0,00 €")),
             qPrintable(testo));

    // The family: every member opens on its own record and shows its fields.
    for (int m = 0; m < stampa::NumeroMembriCalibrazione; ++m) {
        const auto membro = static_cast<stampa::MembroCalibrazione>(m);
        TCalibraSchedina d(membro, m_prova->stato, m_prova->servizi, stampante);
        QCOMPARE(d.windowTitle(), QString::fromUtf8(stampa::Descrizione(membro).titolo));
        QCOMPARE(d.findChildren<QLineEdit*>().size(),
                 static_cast<qsizetype>(stampa::Descrizione(membro).campi.size()));
        if (m == static_cast<int>(stampa::MembroCalibrazione::SciVerticale) ||
            m == static_cast<int>(stampa::MembroCalibrazione::LottoPiuVerticale)) {
            d.show();
            cattura(&d, stampa::Descrizione(membro).classe);
        }
    }
}

void StampaDialogTest::cartaComuneSuPdf()
{
    giocate(7);
    m_prova->stato.sistema.nomeFile = "/tmp/SETTE.qvs";
    StampanteCondivisa stampante;
    TColSuCarta dialogo(m_prova->stato, m_prova->servizi, stampante);
    dialogo.show();
    cattura(&dialogo, "carta_comune");
    QVERIFY(!test::trova<QCheckBox>(&dialogo, QStringLiteral("fisseCheckBox"))->isEnabled());
    QVERIFY(test::trova<QPlainTextEdit>(&dialogo, QStringLiteral("intestazionePlainTextEdit"))
                ->toPlainText()
                .startsWith(QStringLiteral("Nome del sistema: Sette\n")));
    const QString pdf = m_prova->cartella.file("carta.pdf").c_str();
    stampanteSuPdf(pdf);
    Clicca(&dialogo, "stampaPushButton");
    const QString testo = TestoPdf(pdf);
    if (testo.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QVERIFY2(testo.contains(QStringLiteral("GIOCATA")), qPrintable(testo));
    QVERIFY2(
        testo.contains(QRegularExpression(QStringLiteral("1\\s+1\\s*2\\s*3\\s*4\\s*5\\s+2\\s+2\\s*3\\s*4\\s*"
                                                         "5\\s*6\\s+3\\s+3\\s*4\\s*5\\s*6\\s*7\\s*\\n"))),
        qPrintable(testo));
    QVERIFY(testo.contains(QRegularExpression(QStringLiteral("\\n\\s*7\\s+7 8 9 10 11\\s*\\n"))));
}

QTEST_MAIN(StampaDialogTest)
#include "stampa_dialog_test.moc"
