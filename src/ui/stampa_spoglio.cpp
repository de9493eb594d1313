#include "ui/stampa_spoglio.h"

#include "core/ruote.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// Counts of the seven class rows, in the summary's order.
constexpr std::array<const char*, 7> EtichetteClassi = {
    "Nº Cinquine: ", "Nº Quaterne: ", "Nº Terni: ",         "Nº Ambi: ",
    "Nº Ambetti: ",  "Nº Estratti: ", "Nº Estratti det.: ",
};

// Text placed by its top edge, as the coordinates of the page are given.
void Scrivi(QPainter& pittore, int x, int y, const QString& testo)
{
    pittore.drawText(x, y + QFontMetrics(pittore.font(), pittore.device()).ascent(), testo);
}

QString Testo(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

void DisegnaSpoglio(QPainter& pittore, QPagedPaintDevice& pagine, const StampaSpoglioDati& dati)
{
    pittore.save();
    const int larghezza = pittore.device()->width();
    const int altezza = pittore.device()->height();

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // The largest font for which 90 letters "H" fit across the page.
    for (int d = 61; d <= 200; ++d) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(static_cast<double>(altezza) / d))));
        if (QFontMetrics(font, pittore.device()).horizontalAdvance(QLatin1Char('H')) * 90 <= larghezza) {
            break;
        }
    }
    pittore.setFont(font);
    pittore.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    pittore.setBrush(Qt::NoBrush);
    const QFontMetrics misure(font, pittore.device());
    const int l = std::max(1, misure.boundingRect(QStringLiteral("Hq")).height());
    const int w = misure.horizontalAdvance(QLatin1Char('H'));
    const int x0 = w;
    int y = l / 2;

    Scrivi(pittore, x0, y, QStringLiteral("Estrazione del: ") + dati.data);
    y += l + l / 2;

    for (int ruota = 1; ruota <= RuoteArchivio; ++ruota) {
        const int yr = y + (ruota - 1) * l;
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(ruota)];
        Scrivi(pittore, x0, yr, QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
        for (int p = 1; p <= 5; ++p) {
            Scrivi(pittore, x0 + w * (3 * p + 6), yr,
                   dati.celle[static_cast<std::size_t>(ruota - 1)][static_cast<std::size_t>(p - 1)]);
        }
    }

    for (std::size_t r = 0; r < EtichetteClassi.size(); ++r) {
        const int yr = y + static_cast<int>(r) * l;
        Scrivi(pittore, 46 * w, yr, QString::fromUtf8(EtichetteClassi[r]) + Testo(dati.riepilogo[r].vincite));
        Scrivi(pittore, 66 * w, yr,
               QStringLiteral("Vincita: ") + Testo(dati.riepilogo[r].importo) + QStringLiteral(" €"));
    }
    // The total goes half a line below the seven rows, and the report below the eleven wheels.
    QFont grassetto = font;
    grassetto.setBold(true);
    pittore.setFont(grassetto);
    Scrivi(pittore, 66 * w, y + 7 * l + l / 2,
           QStringLiteral("Totale: ") + Testo(dati.riepilogo[RigaTotaleSpoglio].importo) +
               QStringLiteral(" €"));
    pittore.setFont(font);
    y += 14 * l;

    for (std::size_t i = 0; i < dati.resoconto.size(); ++i) {
        const std::string& riga = dati.resoconto[i];
        if (riga.find("----") == std::string::npos) {
            Scrivi(pittore, x0, y, Testo(riga));
        }
        if (y + 2 * l >= altezza && i + 1 < dati.resoconto.size()) {
            pagine.newPage();
            y = 0;
        }
        y += l;
    }
    pittore.restore();
}

bool StampaSpoglio(QPrinter& stampante, const StampaSpoglioDati& dati)
{
    stampante.setDocName(QStringLiteral("Quarvin"));
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        return false;
    }
    DisegnaSpoglio(pittore, stampante, dati);
    return pittore.end();
}
