#include "support/finestre_prova.h"
#include "ui/icone.h"
#include "ui/pri_window.h"

#include <QDir>
#include <QImage>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// How many pixels are visible (alpha over half) and how many of those have the given colour's hue.
struct Conteggio
{
    int visibili = 0;
    int colorati = 0;
};

Conteggio Conta(const QPixmap& immagine, const QColor& colore)
{
    Conteggio c;
    const QImage pixel = immagine.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixel.height(); ++y) {
        for (int x = 0; x < pixel.width(); ++x) {
            const QColor p = pixel.pixelColor(x, y);
            if (p.alpha() < 128) {
                continue;
            }
            ++c.visibili;
            if (std::abs(p.red() - colore.red()) < 40 && std::abs(p.green() - colore.green()) < 40 &&
                std::abs(p.blue() - colore.blue()) < 40) {
                ++c.colorati;
            }
        }
    }
    return c;
}

QPalette ConTesto(const QColor& colore)
{
    QPalette tavolozza;
    tavolozza.setColor(QPalette::WindowText, colore);
    return tavolozza;
}

} // namespace

class IconeTest : public QObject
{
    Q_OBJECT

private slots:
    // Every drawing ships, shows at the toolbar's two sizes and takes its strokes from the palette, so a
    // dark desktop gets light strokes instead of black on black.
    void ogniDisegnoSiVedeEPrendeIlColoreDelTesto()
    {
        const QColor rosso(220, 0, 0);
        const QColor ciano(0, 200, 220);
        for (int t = 0; t < Icone::NumeroTipi; ++t) {
            const auto tipo = static_cast<Icone::Tipo>(t);
            for (int lato : {16, 24}) {
                const QPixmap conRosso = Icone::Disegno(tipo, lato, ConTesto(rosso));
                QVERIFY2(!conRosso.isNull(), qPrintable(QString::number(t)));
                QCOMPARE(conRosso.size(), QSize(lato, lato));
                const Conteggio c = Conta(conRosso, rosso);
                // Strokes, not a blot and not a speck: between a tenth and two thirds of the square.
                QVERIFY2(c.visibili > lato * lato / 10 && c.visibili < lato * lato * 2 / 3,
                         qPrintable(QStringLiteral("%1 a %2: %3").arg(t).arg(lato).arg(c.visibili)));
                QVERIFY2(c.colorati > 0, qPrintable(QString::number(t)));
                QCOMPARE(Conta(Icone::Disegno(tipo, lato, ConTesto(ciano)), rosso).colorati, 0);
            }
        }
    }

    // Without a desktop theme (as here) the standard commands fall back on our drawings too.
    void senzaTemaLeIconeSonoLeNostre()
    {
        if (!QIcon::themeName().isEmpty() && QIcon::hasThemeIcon(QStringLiteral("document-new"))) {
            QSKIP("a desktop theme provides the standard icons");
        }
        const QPalette tavolozza = ConTesto(Qt::black);
        for (Icone::Tipo tipo : {Icone::Nuovo, Icone::Apri, Icone::Salva, Icone::Stampa, Icone::Guida}) {
            const QIcon icona = Icone::Crea(tipo, tavolozza);
            QVERIFY(!icona.isNull());
            QCOMPARE(icona.pixmap(24).toImage(), Icone::Disegno(tipo, 24, tavolozza).toImage());
        }
    }

    // The toolbar of the main window shows a picture on every button, at both sizes.
    void barraDegliStrumenti()
    {
        test::StatoDiProva prova;
        TPri finestra(prova.stato, prova.servizi);
        finestra.iniziaNuovoSistema();
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        auto* barra = test::trova<QToolBar>(&finestra, QStringLiteral("strumentiToolBar"));
        int pulsanti = 0;
        for (QAction* azione : barra->actions()) {
            if (azione->isSeparator()) {
                continue;
            }
            ++pulsanti;
            QVERIFY2(!azione->icon().isNull(), qPrintable(azione->text()));
        }
        QCOMPARE(pulsanti, 17);

        const QString catture = qEnvironmentVariable("QUARVIN_CATTURE");
        for (int lato : {24, 16}) {
            barra->setIconSize(QSize(lato, lato));
            QApplication::processEvents();
            auto* pulsante = qobject_cast<QToolButton*>(barra->widgetForAction(barra->actions().first()));
            QVERIFY(pulsante != nullptr);
            QCOMPARE(pulsante->iconSize(), QSize(lato, lato));
            if (!catture.isEmpty()) {
                barra->grab().save(QDir(catture).filePath(QStringLiteral("barra_%1.png").arg(lato)));
            }
        }
        prova.stato.sistema.modificato = false;
    }
};

QTEST_MAIN(IconeTest)
#include "icone_test.moc"
