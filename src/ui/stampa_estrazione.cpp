#include "ui/stampa_estrazione.h"

#include "checking/manutenzione_archivio.h"
#include "core/estrazione.h"
#include "core/ruote.h"
#include "ui/figura_estrazione.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr const char* Piede = "QUARVINA LOTTO - ";

int Arrotonda(double x)
{
    return static_cast<int>(std::lround(x));
}

// Text placed by its top edge, as the coordinates of the page are given.
void Scrivi(QPainter& pittore, int x, int y, const QString& testo)
{
    pittore.drawText(x, y + QFontMetrics(pittore.font(), pittore.device()).ascent(), testo);
}

} // namespace

ImpaginazioneEstrazione DisegnaEstrazione(QPainter& pittore, const Tipo_Estrazione& estrazione,
                                          const QString& sitoWeb)
{
    ImpaginazioneEstrazione pagina;
    pittore.save();
    const int larghezza = pittore.device()->width();
    const int altezza = pittore.device()->height();

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // The largest font for which 40 letters "H" fit across the page and the 19 lines down to the
    // footer fit in its height (a landscape page is wide enough for a font that would push the footer
    // off the foot).
    for (int d = 21; d <= 201; ++d) {
        font.setPixelSize(std::max(1, Arrotonda(static_cast<double>(altezza) / d)));
        const QFontMetrics prova(font, pittore.device());
        const int riga = prova.boundingRect(QStringLiteral("Hq")).height();
        const int interlinea = riga + Arrotonda(riga / 10.0);
        if (prova.horizontalAdvance(QLatin1Char('H')) * 40 <= larghezza && 19 * interlinea <= altezza) {
            break;
        }
    }
    pittore.setFont(font);
    pittore.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    pittore.setBrush(Qt::NoBrush);
    const QFontMetrics misure(font, pittore.device());
    const int t = misure.boundingRect(QStringLiteral("Hq")).height();
    const int l = t + Arrotonda(t / 10.0);
    const int w = misure.horizontalAdvance(QLatin1Char('H'));
    const int n = misure.horizontalAdvance(QStringLiteral("Nazionale"));

    QFont grassetto = font;
    grassetto.setBold(true);
    pittore.setFont(grassetto);
    const QString titolo =
        QStringLiteral("ESTRAZIONE DEL ") + QString::fromStdString(TestoDataBreve(estrazione));
    const int h = QFontMetrics(grassetto, pittore.device()).horizontalAdvance(titolo);
    const int x0 = (larghezza - h) / 2 + 2 * w;
    Scrivi(pittore, x0 + (21 * w - h) / 2, 4 * l, titolo);
    pittore.setFont(font);

    // The picture fills the height from the heading to the foot of the frame, in its own proportions.
    const int altezzaFigura = 13 * l + l / 4;
    const QSize proporzioni = FiguraEstrazione::Proporzioni;
    const int larghezzaFigura =
        Arrotonda(static_cast<double>(altezzaFigura) * proporzioni.width() / proporzioni.height());
    pagina.figura = QRect(x0 - 2 * w - larghezzaFigura, 4 * l, larghezzaFigura, altezzaFigura);
    DisegnaFiguraEstrazione(pittore, pagina.figura);
    pittore.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    pittore.setBrush(Qt::NoBrush);

    for (int ruota = 1; ruota <= RuoteArchivio; ++ruota) {
        const int y = (5 + ruota) * l;
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(ruota)];
        Scrivi(pittore, x0, y, QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
        for (int p = 1; p <= 5 && estrazione.haDati(ruota); ++p) {
            Scrivi(pittore, x0 + n + w * (3 * p - 2), y, QString::number(estrazione.numero(ruota, p)));
        }
    }

    pittore.setPen(QPen(QColor(255, 170, 90), 1, Qt::SolidLine));
    const int sinistra = x0 - w / 2;
    const int destra = x0 + n + 15 * w;
    pagina.cornice = QRect(QPoint(sinistra, 6 * l - l / 4), QPoint(destra, 17 * l + l / 5));
    pittore.drawRect(pagina.cornice);
    for (int k = 1; k <= 10; ++k) {
        const int y = (k + 6) * l - l / 15;
        pittore.drawLine(sinistra, y, destra, y);
    }

    QFont piccolo = font;
    piccolo.setPixelSize(std::max(1, font.pixelSize() / 2));
    pittore.setFont(piccolo);
    pittore.setPen(QColor(0, 128, 0));
    const QString piede = QString::fromLatin1(Piede) + sitoWeb;
    const QFontMetrics misurePiede(piccolo, pittore.device());
    const int larghezzaPiede = misurePiede.horizontalAdvance(piede);
    pagina.piede =
        QRect(x0 + (21 * w - larghezzaPiede) / 2, 17 * l + l / 3, larghezzaPiede, misurePiede.height());
    Scrivi(pittore, pagina.piede.left(), pagina.piede.top(), piede);
    pittore.restore();
    return pagina;
}

bool StampaEstrazione(QPrinter& stampante, const Tipo_Estrazione& estrazione, const QString& sitoWeb)
{
    stampante.setDocName(QStringLiteral("Quarvin"));
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        return false;
    }
    DisegnaEstrazione(pittore, estrazione, sitoWeb);
    return pittore.end();
}
