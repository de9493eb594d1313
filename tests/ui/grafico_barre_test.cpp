#include "support/cartella_temporanea.h"
#include "ui/grafico_barre.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numeric>

using Ordinamento = GraficoBarre::Ordinamento;

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them; 3:1 is their
// minimum for graphical objects.
double Luminanza(const QColor& c)
{
    auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}

double Contrasto(const QColor& a, const QColor& b)
{
    const double la = Luminanza(a);
    const double lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Values of n items of s series, item after item.
std::vector<double> Valori(int n, int serie, const std::function<double(int, int)>& valore)
{
    std::vector<double> valori;
    for (int i = 0; i < n; ++i) {
        for (int s = 0; s < serie; ++s) {
            valori.push_back(valore(i, s));
        }
    }
    return valori;
}

} // namespace

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

    // Every series stands out on the plot and on paper, and no two look alike.
    void coloriDelleSerie()
    {
        const auto& colori = GraficoBarre::ColoriSerie();
        for (std::size_t s = 0; s < colori.size(); ++s) {
            const QByteArray riga = QByteArray("serie ") + QByteArray::number(static_cast<int>(s));
            QVERIFY2(Contrasto(colori[s], GraficoBarre::SfondoGrafico()) >= 3.0, riga);
            QVERIFY2(Contrasto(colori[s], Qt::white) >= 3.0, riga);
            for (std::size_t t = s + 1; t < colori.size(); ++t) {
                // Far apart in colour, and apart in lightness too, for black-and-white prints.
                const double distanza =
                    std::hypot(colori[s].red() - colori[t].red(), colori[s].green() - colori[t].green(),
                               colori[s].blue() - colori[t].blue());
                QVERIFY2(distanza >= 90, riga + " e " + QByteArray::number(static_cast<int>(t)));
                QVERIFY2(std::abs(Luminanza(colori[s]) - Luminanza(colori[t])) >= 0.015,
                         riga + " e " + QByteArray::number(static_cast<int>(t)));
            }
        }
    }

    // The value labels lie inside the plot frame, beyond the end of their own bar, never over one
    // another, and all in the one orientation the width of the bars allows; a value of 0 still has a
    // visible bar.
    void etichetteDeiValoriNellaCornice()
    {
        struct Riga
        {
            const char* nome;
            QSize area;
            int serie;
            std::vector<double> valori;
            std::optional<Qt::Orientation> attesa; // none: no labels fit
            int decimali = 0;
        };
        const auto crescenti = [](int i, int s) { return static_cast<double>((i * 37 + s * 11) % 151); };
        const Riga righe[] = {
            {"poche barre larghe",
             {800, 300},
             1,
             Valori(12, 1, [](int i, int) { return i * 90.0; }),
             Qt::Horizontal},
            {"90 numeri", {1600, 228}, 1, Valori(90, 1, crescenti), Qt::Vertical},
            {"il massimo su una linea della griglia",
             {1600, 228},
             1,
             Valori(90, 1, [](int i, int) { return i % 2 == 0 ? 100.0 : 40.0; }),
             Qt::Vertical},
            {"valori negativi sotto lo zero",
             {900, 300},
             2,
             Valori(10, 2, [](int i, int s) { return s == 0 ? -1.0 : i * 3.0; }),
             Qt::Horizontal},
            {"tutti zero", {900, 250}, 4, Valori(12, 4, [](int, int) { return 0.0; }), Qt::Horizontal},
            {"cinque serie con legenda", {1000, 260}, 5, Valori(10, 5, crescenti), Qt::Vertical},
            {"decimali", {1000, 260}, 1, Valori(30, 1, [](int i, int) { return i * 3.25; }), Qt::Vertical, 2},
            {"barre troppo sottili", {1268, 228}, 4, Valori(90, 4, crescenti), std::nullopt},
            {"grafico troppo basso", {1268, 70}, 1, Valori(20, 1, crescenti), std::nullopt},
        };
        for (const Riga& riga : righe) {
            GraficoBarre grafico;
            QFont carattere(QStringLiteral("Liberation Sans"));
            carattere.setPixelSize(11);
            grafico.setFont(carattere);
            grafico.setTitolo(QStringLiteral("Ritardi"));
            grafico.setDecimali(riga.decimali);
            grafico.setDati(riga.valori, riga.serie);
            if (riga.serie > 1) {
                grafico.setNomiSerie({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                      QStringLiteral("D"), QStringLiteral("E")});
            }
            const QFontMetrics metrica(carattere);
            const auto d = grafico.disposizione(QRect(QPoint(0, 0), riga.area), metrica);
            const QRectF cornice(d.cornice);
            QVERIFY2(d.barre.size() == riga.valori.size(), riga.nome);
            for (const QRectF& barra : d.barre) {
                QVERIFY2(barra.height() >= 2 && cornice.contains(barra), riga.nome);
            }
            if (!riga.attesa) {
                QVERIFY2(d.valori.empty(), riga.nome);
                continue;
            }
            QVERIFY2(d.orientamentoValori == *riga.attesa, riga.nome);
            QVERIFY2(d.valori.size() == d.barre.size(), riga.nome);
            for (std::size_t i = 0; i < d.valori.size(); ++i) {
                const QRectF& posto = d.valori[i];
                const QRectF& barra = d.barre[i];
                QVERIFY2(cornice.contains(posto), riga.nome);
                // Across the bar: a flat label is one line high, an upright one about a line wide.
                QVERIFY2(*riga.attesa == Qt::Horizontal ? posto.height() == metrica.height()
                                                        : posto.width() >= metrica.height() - 2,
                         riga.nome);
                QVERIFY2(posto.left() >= barra.left() - 0.01 && posto.right() <= barra.right() + 0.01,
                         riga.nome);
                QVERIFY2(posto.bottom() <= barra.top() || posto.top() >= barra.bottom(), riga.nome);
                if (i > 0) {
                    QVERIFY2(!posto.intersects(d.valori[i - 1]), riga.nome);
                }
            }
        }
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
