#include "support/cartella_temporanea.h"
#include "ui/grafico_barre.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <numeric>

using Ordinamento = GraficoBarre::Ordinamento;

class GraficoBarreTest : public QObject
{
    Q_OBJECT

private slots:
    // A click steps natural -> descending -> ascending -> natural; ties stay in natural order.
    void ilClicScorreGliOrdinamenti()
    {
        GraficoBarre grafico;
        grafico.resize(600, 300);
        grafico.setDati({5, 9, 5, 1, 9});
        QSignalSpy cambi(&grafico, &GraficoBarre::ordinamentoCambiato);
        const QPoint centro(300, 150);

        QTest::mouseClick(&grafico, Qt::LeftButton, {}, centro);
        QCOMPARE(grafico.ordinamento(), Ordinamento::Decrescente);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{1, 4, 0, 2, 3}));
        QTest::mouseClick(&grafico, Qt::LeftButton, {}, centro);
        QCOMPARE(grafico.ordinamento(), Ordinamento::Crescente);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{3, 0, 2, 1, 4}));
        QTest::mouseClick(&grafico, Qt::LeftButton, {}, centro);
        QCOMPARE(grafico.ordinamento(), Ordinamento::Naturale);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{0, 1, 2, 3, 4}));
        QCOMPARE(cambi.count(), 3);

        // Flipping only the direction, keyed on the second series.
        grafico.setDati({1, 30, 2, 10, 3, 20}, 2);
        grafico.setSerieChiave(1);
        grafico.setClic(GraficoBarre::Clic::InvertiDirezione);
        QTest::mouseClick(&grafico, Qt::LeftButton, {}, centro);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{0, 2, 1}));
        QTest::mouseClick(&grafico, Qt::LeftButton, {}, centro);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{1, 2, 0}));
    }

    // A view may impose its own tie rule.
    void unOrdinatoreProprioDecideLeParita()
    {
        GraficoBarre grafico;
        grafico.setDati({2, 2, 1});
        grafico.setOrdinatore([](const std::vector<double>&, bool) { return std::vector<int>{1, 0, 2}; });
        grafico.setOrdinamento(Ordinamento::Decrescente);
        QCOMPARE(grafico.ordineMostrato(), (std::vector<int>{1, 0, 2}));
    }

    // The item under a click, in the order drawn, reaches the signal.
    void ilClicIndicaLaBarraSottoIlPuntatore()
    {
        GraficoBarre grafico;
        grafico.resize(900, 300);
        grafico.setDati({1, 2, 3, 4});
        grafico.setClic(GraficoBarre::Clic::Nessuno);
        grafico.setOrdinamento(Ordinamento::Decrescente);
        QSignalSpy clic(&grafico, &GraficoBarre::cliccato);
        // The first drawn group starts at the left of the plot: find it by scanning right.
        int primo = -1;
        for (int x = 0; x < 900 && primo < 0; ++x) {
            primo = grafico.elementoNelPunto(QPoint(x, 150));
        }
        QCOMPARE(primo, 3);
        QCOMPARE(grafico.elementoNelPunto(QPoint(885, 150)), 0);
        QCOMPARE(grafico.elementoNelPunto(QPoint(2, 150)), -1);
        QTest::mouseClick(&grafico, Qt::LeftButton, {}, QPoint(885, 150));
        QCOMPARE(clic.count(), 1);
        QCOMPARE(clic.at(0).at(0).toInt(), 0);
    }

    // Bars kept at a minimum width scroll instead of shrinking; a new order starts from its first item.
    void leBarreLargheScorrono()
    {
        GraficoBarre grafico;
        grafico.resize(600, 300);
        std::vector<double> valori(100);
        std::iota(valori.begin(), valori.end(), 0.0);
        grafico.setDati(valori);
        grafico.setLarghezzaMinimaBarra(20);
        auto* barra = grafico.findChild<QScrollBar*>();
        QVERIFY(barra != nullptr && !barra->isHidden());
        barra->setValue(10);
        QCOMPARE(grafico.primoVisibile(), 10);
        int primo = -1;
        for (int x = 0; x < 600 && primo < 0; ++x) {
            primo = grafico.elementoNelPunto(QPoint(x, 100));
        }
        QCOMPARE(primo, 10);
        grafico.setOrdinamento(Ordinamento::Decrescente);
        QCOMPARE(grafico.primoVisibile(), 0);
        grafico.setLarghezzaMinimaBarra(0);
        QVERIFY(barra->isHidden());
    }

    // 10,001 bars in a few hundred pixels are aggregated into columns and still drawn.
    void diecimilaBarreSiDisegnano()
    {
        std::vector<double> valori;
        for (int i = 0; i < 10001; ++i) {
            valori.push_back(i % 97);
        }
        GraficoBarre grafico;
        grafico.setTitolo(QStringLiteral("Prova"));
        grafico.setDati(std::move(valori));
        grafico.setLineaRiferimento(48.0, QStringLiteral("media"));
        QImage immagine(640, 320, QImage::Format_RGB32);
        immagine.fill(Qt::black);
        {
            QPainter painter(&immagine);
            grafico.disegna(painter, immagine.rect());
        }
        // Some bar colour reached the plot.
        bool barre = false;
        for (int x = 0; x < immagine.width() && !barre; ++x) {
            barre = immagine.pixelColor(x, 250) == QColor(40, 90, 190);
        }
        QVERIFY(barre);

        grafico.setDati(std::vector<double>(5 * 10001, 3.0), 5);
        QImage multi(640, 320, QImage::Format_RGB32);
        QPainter painter(&multi);
        grafico.disegna(painter, multi.rect());
    }

    void stampaSuPdf()
    {
        test::CartellaTemporanea cartella;
        const QString percorso = QString::fromStdString(cartella.file("grafico.pdf"));
        GraficoBarre grafico;
        grafico.setTitolo(QStringLiteral("Ritardi"));
        grafico.setDati({3, 1, 4, 1, 5, 9, 2, 6}, 2);
        grafico.setNomiSerie({QStringLiteral("A"), QStringLiteral("B")});
        {
            QPrinter stampante(QPrinter::HighResolution);
            stampante.setOutputFormat(QPrinter::PdfFormat);
            stampante.setOutputFileName(percorso);
            QPainter painter(&stampante);
            grafico.disegna(
                painter,
                stampante.pageLayout()
                    .paintRectPixels(stampante.resolution())
                    .translated(-stampante.pageLayout().paintRectPixels(stampante.resolution()).topLeft()));
        }
        QVERIFY(std::filesystem::file_size(percorso.toStdString()) > 500);
    }
};

QTEST_MAIN(GraficoBarreTest)
#include "grafico_barre_test.moc"
