#include "ui/grafico_barre.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QColor Sfondo(236, 240, 247);
const QColor ColoreGriglia(205, 210, 222);
const QColor ColoreTesto(20, 20, 20);

// Lightness falls in the order orange, green, blue, red, purple, so that neighbouring series of the
// multi-series views differ in grey too.
const std::array<QColor, GraficoBarre::SerieMassime> Tavolozza = {
    QColor(40, 90, 190), // blue
    QColor(0, 135, 60),  // green
    QColor(210, 100, 0), // orange
    QColor(170, 20, 30), // red
    QColor(80, 30, 110), // purple
};

// A bar is never drawn shorter than this, so that a value of 0 still shows its series.
constexpr double AltezzaMinimaBarra = 2;
// Between the end of a bar and its value label.
constexpr double DistanzaValore = 2;

// 1, 2 or 5 times a power of ten, at least x.
double PassoTonda(double x)
{
    if (x <= 0) {
        return 1;
    }
    const double potenza = std::pow(10.0, std::floor(std::log10(x)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * potenza >= x) {
            return m * potenza;
        }
    }
    return 10 * potenza;
}

} // namespace

QColor GraficoBarre::SfondoGrafico()
{
    return Sfondo;
}

const std::array<QColor, GraficoBarre::SerieMassime>& GraficoBarre::ColoriSerie()
{
    return Tavolozza;
}

GraficoBarre::GraficoBarre(QWidget* parent) : QWidget(parent)
{
    m_coloriSerie.assign(Tavolozza.begin(), Tavolozza.end());
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scorrimento = new QScrollBar(Qt::Horizontal, this);
    m_scorrimento->hide();
    connect(m_scorrimento, &QScrollBar::valueChanged, this, [this](int valore) {
        m_primo = valore;
        update();
    });
}

void GraficoBarre::setLarghezzaMinimaBarra(int pixel)
{
    m_larghezzaMinima = std::max(0, pixel);
    aggiornaScorrimento();
}

QRect GraficoBarre::areaGrafico() const
{
    return m_scorrimento->isVisible() ? rect().adjusted(0, 0, 0, -m_scorrimento->height()) : rect();
}

void GraficoBarre::aggiornaScorrimento()
{
    const Disposizione g = disposizione(rect(), fontMetrics());
    const int n = elementi();
    const bool serve = g.visibili < n;
    const int altezza = m_scorrimento->sizeHint().height();
    m_scorrimento->setGeometry(0, height() - altezza, width(), altezza);
    m_scorrimento->setRange(0, serve ? n - g.visibili : 0);
    m_scorrimento->setPageStep(std::max(1, g.visibili));
    m_scorrimento->setVisible(serve);
    m_primo = m_scorrimento->value();
    update();
}

void GraficoBarre::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    aggiornaScorrimento();
}

void GraficoBarre::wheelEvent(QWheelEvent* evento)
{
    if (!m_scorrimento->isVisible()) {
        QWidget::wheelEvent(evento);
        return;
    }
    const int passi = evento->angleDelta().y() / 120;
    m_scorrimento->setValue(m_scorrimento->value() - passi * std::max(1, m_scorrimento->pageStep() / 4));
    evento->accept();
}

void GraficoBarre::setDati(std::vector<double> valori, int serie)
{
    m_serie = std::clamp(serie, 1, SerieMassime);
    m_valori = std::move(valori);
    m_valori.resize(m_valori.size() - m_valori.size() % static_cast<std::size_t>(m_serie));
    if (m_etichette.size() != elementi()) {
        m_etichette.clear();
    }
    if (m_serieChiave >= m_serie) {
        m_serieChiave = 0;
    }
    riordina();
    aggiornaScorrimento();
}

double GraficoBarre::valore(int elemento, int serie) const
{
    const std::size_t i = static_cast<std::size_t>(elemento) * static_cast<std::size_t>(m_serie) +
                          static_cast<std::size_t>(serie);
    return elemento >= 0 && serie >= 0 && serie < m_serie && i < m_valori.size() ? m_valori[i] : 0.0;
}

void GraficoBarre::setEtichette(QStringList etichette)
{
    m_etichette = etichette.size() == elementi() ? std::move(etichette) : QStringList();
    update();
}

QString GraficoBarre::etichetta(int elemento) const
{
    return elemento < m_etichette.size() ? m_etichette.at(elemento) : QString::number(elemento + 1);
}

void GraficoBarre::setTitolo(const QString& titolo)
{
    m_titolo = titolo;
    update();
}

void GraficoBarre::setTitoloAsseX(const QString& testo)
{
    m_titoloX = testo;
    update();
}

void GraficoBarre::setTitoloAsseY(const QString& testo)
{
    m_titoloY = testo;
    update();
}

void GraficoBarre::setColoreSerie(int serie, const QColor& colore)
{
    if (serie >= 0 && serie < SerieMassime) {
        m_coloriSerie[static_cast<std::size_t>(serie)] = colore;
        update();
    }
}

void GraficoBarre::setColoriBarre(std::vector<QColor> colori)
{
    m_coloriBarre = std::move(colori);
    update();
}

void GraficoBarre::setNomiSerie(QStringList nomi)
{
    m_nomiSerie = std::move(nomi);
    update();
}

void GraficoBarre::setMostraValori(bool mostra)
{
    m_mostraValori = mostra;
    update();
}

void GraficoBarre::setDecimali(int decimali)
{
    m_decimali = std::clamp(decimali, 0, 6);
    update();
}

void GraficoBarre::setLineaRiferimento(std::optional<double> valore, const QString& etichetta)
{
    m_riferimento = valore;
    m_etichettaRiferimento = etichetta;
    update();
}

void GraficoBarre::setOrdinamento(Ordinamento ordinamento)
{
    m_ordinamento = ordinamento;
    riordina();
}

void GraficoBarre::setSerieChiave(int serie)
{
    m_serieChiave = std::clamp(serie, -1, m_serie - 1);
    riordina();
}

void GraficoBarre::setOrdinatore(Ordinatore ordinatore)
{
    m_ordinatore = std::move(ordinatore);
    riordina();
}

void GraficoBarre::riordina()
{
    const int n = elementi();
    m_ordine.resize(static_cast<std::size_t>(n));
    std::iota(m_ordine.begin(), m_ordine.end(), 0);
    if (m_ordinamento != Ordinamento::Naturale && n > 0) {
        std::vector<double> chiavi(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            chiavi[static_cast<std::size_t>(i)] = m_serieChiave < 0 ? i : valore(i, m_serieChiave);
        }
        const bool decrescente = m_ordinamento == Ordinamento::Decrescente;
        if (m_ordinatore) {
            std::vector<int> ordine = m_ordinatore(chiavi, decrescente);
            if (ordine.size() == m_ordine.size()) {
                m_ordine = std::move(ordine);
            }
        } else {
            std::stable_sort(m_ordine.begin(), m_ordine.end(), [&](int a, int b) {
                const double ka = chiavi[static_cast<std::size_t>(a)];
                const double kb = chiavi[static_cast<std::size_t>(b)];
                return decrescente ? ka > kb : ka < kb;
            });
        }
    }
    if (m_scorrimento != nullptr) {
        m_scorrimento->setValue(0);
    }
    update();
}

QColor GraficoBarre::colore(int elemento, int serie) const
{
    if (serie == 0 && elemento >= 0 && static_cast<std::size_t>(elemento) < m_coloriBarre.size() &&
        m_coloriBarre[static_cast<std::size_t>(elemento)].isValid()) {
        return m_coloriBarre[static_cast<std::size_t>(elemento)];
    }
    return m_coloriSerie[static_cast<std::size_t>(serie)];
}

double GraficoBarre::passoValori(double minimo) const
{
    // Values shown without decimals get whole steps, so that no two grid lines carry the same text.
    const double passo = PassoTonda(minimo);
    return m_decimali == 0 ? std::max(1.0, passo) : passo;
}

QString GraficoBarre::testoValore(double v) const
{
    return QString::number(v, 'f', m_decimali);
}

QString GraficoBarre::testoBarra(double v) const
{
    return m_testoValori ? m_testoValori(v) : testoValore(v);
}

void GraficoBarre::setTestoValori(std::function<QString(double)> testo)
{
    m_testoValori = std::move(testo);
    update();
}

GraficoBarre::Disposizione GraficoBarre::cornice(const QRect& area, const QFontMetrics& metrica,
                                                 int larghezzaAsse, bool& conValori) const
{
    Disposizione g;
    conValori = false;
    const int h = metrica.height();
    double minimo = 0;
    double massimo = 0;
    for (double v : m_valori) {
        minimo = std::min(minimo, v);
        massimo = std::max(massimo, v);
    }
    if (m_riferimento) {
        minimo = std::min(minimo, *m_riferimento);
        massimo = std::max(massimo, *m_riferimento);
    }
    const double passoAsse = passoValori((massimo - minimo) / 5.0);
    g.minimo = std::floor(minimo / passoAsse) * passoAsse;
    g.massimo = std::max(g.minimo + passoAsse, std::ceil(massimo / passoAsse) * passoAsse);

    int alto = area.top() + h / 2;
    if (!m_titolo.isEmpty()) {
        alto += h * 3 / 2 + 2;
    }
    if (m_serie > 1 && !m_nomiSerie.isEmpty()) {
        alto += h + 4;
    }
    const int sinistra = area.left() + larghezzaAsse;
    const int destra = area.right() - 10;
    const int larghezza = std::max(1, destra - sinistra);
    g.visibili = elementi();
    if (m_larghezzaMinima > 0 && elementi() > 0) {
        const double gruppoMinimo = m_larghezzaMinima * m_serie / 0.82;
        g.visibili = std::clamp(static_cast<int>(larghezza / gruppoMinimo), 1, elementi());
    }
    g.primo = std::clamp(m_primo, 0, elementi() - g.visibili);
    g.passo = static_cast<double>(larghezza) / std::max(1, g.visibili);

    // Category labels lie flat when they fit, stand upright when a group is at least a line high.
    int larghezzaEtichette = 0;
    for (int i = 0; i < elementi(); i += std::max(1, elementi() / 200)) {
        larghezzaEtichette = std::max(larghezzaEtichette, metrica.horizontalAdvance(etichetta(i)));
    }
    const bool piatte = g.passo >= larghezzaEtichette + 3;
    int basso = area.bottom() - (piatte ? h + 4 : larghezzaEtichette + 8);
    if (!m_titoloX.isEmpty()) {
        basso -= h + 2;
    }
    g.cornice = QRect(QPoint(sinistra, alto), QPoint(destra, std::max(alto + 10, basso)));

    // The value labels: flat when the widest value fits a bar, upright when a bar is about a line wide. The
    // choice holds for the whole chart (every item, in view or not), so scrolling never changes it.
    if (!m_mostraValori || elementi() == 0) {
        return g;
    }
    const double barra = larghezzaBarra(g.passo);
    int testo = std::max(metrica.horizontalAdvance(testoBarra(massimo)),
                         metrica.horizontalAdvance(testoBarra(minimo)));
    if (m_testoValori) {
        // A text of its own need not grow with the value.
        for (double v : m_valori) {
            testo = std::max(testo, metrica.horizontalAdvance(testoBarra(v)));
        }
    }
    double ingombro = 0; // height a label needs beyond the end of its bar
    if (barra >= testo + 2) {
        g.orientamentoValori = Qt::Horizontal;
        ingombro = h;
    } else if (barra >= h - 2) {
        g.orientamentoValori = Qt::Vertical;
        ingombro = testo + 2;
    } else {
        return g;
    }
    // Room inside the frame: the value range grows by whole axis steps until the label of the tallest
    // (and of the deepest) bar fits between the bar and the frame.
    ingombro += DistanzaValore + AltezzaMinimaBarra;
    const double altezza = g.cornice.height();
    if (ingombro * 3 > altezza) {
        return g; // a chart this short shows its bars, not their values
    }
    for (int passata = 0; passata < 3; ++passata) {
        const double scala = altezza / (g.massimo - g.minimo);
        if ((g.massimo - massimo) * scala < ingombro) {
            const double serve = (massimo * altezza - ingombro * g.minimo) / (altezza - ingombro);
            g.massimo = std::ceil(serve / passoAsse - 1e-9) * passoAsse;
        }
        if (minimo < 0 && (minimo - g.minimo) * scala < ingombro) {
            const double serve = (minimo * altezza - ingombro * g.massimo) / (altezza - ingombro);
            g.minimo = std::floor(serve / passoAsse + 1e-9) * passoAsse;
        }
    }
    conValori = true;
    return g;
}

double GraficoBarre::larghezzaBarra(double passo) const
{
    const double spazio = passo >= 4 ? passo * 0.18 : 0.0;
    return (passo - spazio) / m_serie;
}

void GraficoBarre::disponiBarre(Disposizione& g, const QFontMetrics& metrica, bool conValori) const
{
    const QRectF r(g.cornice);
    const double barra = larghezzaBarra(g.passo);
    if (barra < 1.0) {
        return;
    }
    const double spazio = g.passo >= 4 ? g.passo * 0.18 : 0.0;
    const double scala = r.height() / (g.massimo - g.minimo);
    auto y = [&](double v) { return r.bottom() - (v - g.minimo) * scala; };
    const double zero = y(0);
    const int h = metrica.height();
    const auto quante = static_cast<std::size_t>(g.visibili) * static_cast<std::size_t>(m_serie);
    g.barre.reserve(quante);
    if (conValori) {
        g.valori.reserve(quante);
    }
    for (int k = 0; k < g.visibili; ++k) {
        const int e = m_ordine[static_cast<std::size_t>(g.primo + k)];
        for (int s = 0; s < m_serie; ++s) {
            const double v = valore(e, s);
            const double x0 = r.left() + k * g.passo + spazio / 2 + s * barra;
            double cima = std::min(zero, y(v));
            double fondo = std::max(zero, y(v));
            if (fondo - cima < AltezzaMinimaBarra) {
                if (v < 0) {
                    fondo = cima + AltezzaMinimaBarra;
                } else {
                    cima = fondo - AltezzaMinimaBarra;
                }
            }
            g.barre.emplace_back(QPointF(x0, cima), QPointF(x0 + barra, fondo));
            if (!conValori) {
                continue;
            }
            // A label sits beyond the end of its bar: above it, or below a bar going down.
            const double larghezzaTesto = metrica.horizontalAdvance(testoBarra(v));
            const double centro = x0 + barra / 2;
            // Upright, the digits need less than a line's full height (no descenders, little leading).
            const QSizeF misura = g.orientamentoValori == Qt::Horizontal ? QSizeF(larghezzaTesto, h)
                                                                         : QSizeF(h - 2, larghezzaTesto + 2);
            const double alto = v < 0 ? fondo + DistanzaValore : cima - DistanzaValore - misura.height();
            g.valori.emplace_back(QPointF(centro - misura.width() / 2, alto), misura);
        }
    }
}

GraficoBarre::Disposizione GraficoBarre::disposizione(const QRect& area, const QFontMetrics& metrica) const
{
    // The value axis is as wide as its widest text, which depends on the range the labels may widen:
    // a second pass takes the wider axis.
    auto asse = [&](const Disposizione& d) {
        return std::max(metrica.horizontalAdvance(testoValore(d.massimo)),
                        metrica.horizontalAdvance(testoValore(d.minimo))) +
               8 + (m_titoloY.isEmpty() ? 0 : metrica.height() + 4);
    };
    bool conValori = false;
    Disposizione d = cornice(area, metrica, 0, conValori);
    const int larghezzaAsse = asse(d);
    d = cornice(area, metrica, larghezzaAsse, conValori);
    if (asse(d) > larghezzaAsse) {
        d = cornice(area, metrica, asse(d), conValori);
    }
    disponiBarre(d, metrica, conValori);
    return d;
}

void GraficoBarre::disegnaInScala(QPainter& painter, const QRect& area) const
{
    // Recorded first at the size shown, so that the page keeps the proportions of the screen, texts
    // included, whatever the printer's resolution.
    QPicture figura;
    {
        QPainter registratore(&figura);
        disegna(registratore, rect());
    }
    const QSize dimensione = size();
    if (dimensione.isEmpty() || area.isEmpty()) {
        return;
    }
    const double scala = std::min(static_cast<double>(area.width()) / dimensione.width(),
                                  static_cast<double>(area.height()) / dimensione.height());
    painter.save();
    painter.translate(area.x() + (area.width() - dimensione.width() * scala) / 2, area.y());
    painter.scale(scala, scala);
    // A picture plays back at the device's resolution: undo that, the scale above already fits it.
    const QPaintDevice* dispositivo = painter.device();
    if (dispositivo != nullptr && dispositivo->logicalDpiX() > 0 && dispositivo->logicalDpiY() > 0) {
        painter.scale(static_cast<double>(figura.logicalDpiX()) / dispositivo->logicalDpiX(),
                      static_cast<double>(figura.logicalDpiY()) / dispositivo->logicalDpiY());
    }
    painter.drawPicture(0, 0, figura);
    painter.restore();
}

void GraficoBarre::disegna(QPainter& painter, const QRect& area) const
{
    painter.save();
    painter.setFont(font());
    const QFontMetrics metrica = painter.fontMetrics();
    const int h = metrica.height();
    const Disposizione g = disposizione(area, metrica);
    const QRect& r = g.cornice;
    const QRectF rf(r);
    const int n = g.visibili;
    auto ordine = [&](int k) { return m_ordine[static_cast<std::size_t>(g.primo + k)]; };
    const double scala = rf.height() / (g.massimo - g.minimo);
    auto y = [&](double v) { return rf.bottom() - (v - g.minimo) * scala; };
    const double zero = y(0);
    const qreal spessore = std::max(1, h / 14);

    painter.fillRect(area, Qt::white);
    painter.fillRect(r, Sfondo);

    painter.setPen(ColoreTesto);
    int testa = area.top() + h / 2;
    if (!m_titolo.isEmpty()) {
        QFont grassetto = font();
        grassetto.setBold(true);
        grassetto.setPointSizeF(grassetto.pointSizeF() * 1.2);
        painter.setFont(grassetto);
        painter.drawText(QRect(area.left(), testa, area.width(), h * 3 / 2), Qt::AlignCenter, m_titolo);
        painter.setFont(font());
        testa += h * 3 / 2 + 2;
    }
    if (m_serie > 1 && !m_nomiSerie.isEmpty()) {
        int x = r.left();
        for (int s = 0; s < m_serie && s < m_nomiSerie.size(); ++s) {
            const QRect campione(x, testa + h / 4, h / 2 + 2, h / 2 + 2);
            painter.fillRect(campione, m_coloriSerie[static_cast<std::size_t>(s)]);
            painter.setPen(Qt::darkGray);
            painter.drawRect(campione);
            painter.setPen(ColoreTesto);
            x += campione.width() + 4;
            painter.drawText(QPoint(x, testa + metrica.ascent()), m_nomiSerie.at(s));
            x += metrica.horizontalAdvance(m_nomiSerie.at(s)) + h;
        }
    }

    // Value axis with a grid line per step.
    const double passoAsse =
        passoValori((g.massimo - g.minimo) / std::max(2, std::min(8, r.height() / (2 * h))));
    for (double v = g.minimo; v <= g.massimo + passoAsse / 1000; v += passoAsse) {
        const int yy = static_cast<int>(std::lround(y(v)));
        painter.setPen(QPen(ColoreGriglia, spessore));
        painter.drawLine(r.left(), yy, r.right(), yy);
        painter.setPen(ColoreTesto);
        const QString t = testoValore(v);
        painter.drawText(QRect(area.left(), yy - h / 2, r.left() - area.left() - 4, h),
                         Qt::AlignRight | Qt::AlignVCenter, t);
    }

    if (!g.barre.empty()) {
        const bool bordo = larghezzaBarra(g.passo) >= 4;
        for (int k = 0; k < n; ++k) {
            const int e = ordine(k);
            for (int s = 0; s < m_serie; ++s) {
                const QRectF& barra = g.barre[static_cast<std::size_t>(k * m_serie + s)];
                painter.fillRect(barra, colore(e, s));
                if (bordo) {
                    painter.setPen(QPen(colore(e, s).darker(170), spessore));
                    painter.drawRect(barra);
                }
            }
        }
    } else {
        // Several items on one pixel column: the column shows, per series, their largest value
        // (tallest first, so that every series stays visible).
        const int colonne = r.width();
        std::vector<std::pair<double, int>> massimi(static_cast<std::size_t>(m_serie));
        int k = 0;
        for (int c = 0; c < colonne && k < n; ++c) {
            const int fine = std::min(n, static_cast<int>(std::ceil((c + 1) / g.passo)));
            for (int s = 0; s < m_serie; ++s) {
                massimi[static_cast<std::size_t>(s)] = {valore(ordine(k), s), s};
            }
            for (; k < fine; ++k) {
                for (int s = 0; s < m_serie; ++s) {
                    auto& m = massimi[static_cast<std::size_t>(s)].first;
                    m = std::max(m, valore(ordine(k), s));
                }
            }
            std::sort(massimi.begin(), massimi.end(), std::greater<>());
            for (const auto& [v, s] : massimi) {
                painter.setPen(QPen(m_coloriSerie[static_cast<std::size_t>(s)], 1));
                painter.drawLine(QPointF(r.left() + c + 0.5, zero), QPointF(r.left() + c + 0.5, y(v)));
            }
        }
    }

    if (m_riferimento) {
        const double yy = y(*m_riferimento);
        painter.setPen(QPen(QColor(170, 0, 0), spessore * 2, Qt::DashLine));
        painter.drawLine(QPointF(r.left(), yy), QPointF(r.right(), yy));
        if (!m_etichettaRiferimento.isEmpty()) {
            painter.setPen(QColor(170, 0, 0));
            painter.drawText(QRectF(r.left(), yy - h - 1, r.width() - 4, h), Qt::AlignRight | Qt::AlignBottom,
                             m_etichettaRiferimento);
        }
    }

    // The values beyond the ends of the bars, all in the orientation the layout chose.
    painter.setPen(ColoreTesto);
    for (std::size_t i = 0; i < g.valori.size(); ++i) {
        const QRectF& posto = g.valori[i];
        const QString t =
            testoBarra(valore(ordine(static_cast<int>(i) / m_serie), static_cast<int>(i) % m_serie));
        if (g.orientamentoValori == Qt::Horizontal) {
            painter.drawText(posto, Qt::AlignCenter, t);
        } else {
            painter.save();
            painter.translate(posto.bottomLeft());
            painter.rotate(-90);
            painter.drawText(QRectF(0, 0, posto.height(), posto.width()), Qt::AlignLeft | Qt::AlignVCenter,
                             t);
            painter.restore();
        }
    }

    // Category labels, thinned so that they never overlap.
    int larghezzaEtichette = 0;
    for (int i = 0; i < n; i += std::max(1, n / 200)) {
        larghezzaEtichette = std::max(larghezzaEtichette, metrica.horizontalAdvance(etichetta(i)));
    }
    const bool piatte = g.passo >= larghezzaEtichette + 3;
    const double ingombro = piatte ? larghezzaEtichette + 3 : h;
    const int salto = std::max(1, static_cast<int>(std::ceil(ingombro / g.passo)));
    for (int k = 0; k < n; k += salto) {
        const QString t = etichetta(ordine(k));
        const double centro = r.left() + (k + 0.5) * g.passo;
        if (piatte) {
            painter.drawText(QRectF(centro - g.passo / 2 - 1, r.bottom() + 3, g.passo + 2, h),
                             Qt::AlignHCenter | Qt::AlignTop, t);
        } else {
            painter.save();
            painter.translate(centro + metrica.ascent() / 2.0 - metrica.descent() / 2.0, r.bottom() + 4);
            painter.rotate(-90);
            painter.drawText(QRectF(-larghezzaEtichette, -metrica.ascent(), larghezzaEtichette, h),
                             Qt::AlignRight | Qt::AlignTop, t);
            painter.restore();
        }
    }

    if (!m_titoloX.isEmpty()) {
        painter.drawText(QRect(r.left(), area.bottom() - h - 1, r.width(), h), Qt::AlignCenter, m_titoloX);
    }
    if (!m_titoloY.isEmpty()) {
        painter.save();
        painter.translate(area.left() + 2, r.center().y());
        painter.rotate(-90);
        painter.drawText(QRect(-r.height() / 2, 0, r.height(), h), Qt::AlignCenter, m_titoloY);
        painter.restore();
    }

    painter.setPen(QPen(Qt::darkGray, spessore));
    painter.drawLine(QPointF(r.left(), zero), QPointF(r.right(), zero));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    painter.restore();
}

int GraficoBarre::elementoNelPunto(const QPoint& punto) const
{
    const Disposizione g = disposizione(areaGrafico(), fontMetrics());
    if (punto.x() < g.cornice.left() || punto.x() > g.cornice.right() || punto.y() < g.cornice.top() ||
        elementi() == 0) {
        return -1;
    }
    const int k = static_cast<int>((punto.x() - g.cornice.left()) / g.passo);
    return k >= 0 && k < g.visibili ? m_ordine[static_cast<std::size_t>(g.primo + k)] : -1;
}

QSize GraficoBarre::sizeHint() const
{
    return {720, 300};
}

QSize GraficoBarre::minimumSizeHint() const
{
    return {200, 120};
}

bool GraficoBarre::event(QEvent* evento)
{
    if (evento->type() != QEvent::ToolTip) {
        return QWidget::event(evento);
    }
    const auto* aiuto = static_cast<QHelpEvent*>(evento);
    const int e = elementoNelPunto(aiuto->pos());
    if (e < 0) {
        QToolTip::hideText();
        evento->ignore();
        return true;
    }
    QString testo = etichetta(e) + QStringLiteral(": ");
    for (int s = 0; s < m_serie; ++s) {
        if (s > 0) {
            testo += QStringLiteral("   ");
        }
        if (s < m_nomiSerie.size()) {
            testo += m_nomiSerie.at(s) + QLatin1Char(' ');
        }
        testo += testoBarra(valore(e, s));
    }
    QToolTip::showText(aiuto->globalPos(), testo, this);
    return true;
}

void GraficoBarre::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    disegna(painter, areaGrafico());
}

void GraficoBarre::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(evento);
        return;
    }
    const int elemento = elementoNelPunto(evento->position().toPoint());
    const Ordinamento prima = m_ordinamento;
    switch (m_clic) {
    case Clic::Nessuno:
        break;
    case Clic::Ciclo:
        m_ordinamento = m_ordinamento == Ordinamento::Naturale      ? Ordinamento::Decrescente
                        : m_ordinamento == Ordinamento::Decrescente ? Ordinamento::Crescente
                                                                    : Ordinamento::Naturale;
        break;
    case Clic::InvertiDirezione:
        m_ordinamento =
            m_ordinamento == Ordinamento::Decrescente ? Ordinamento::Crescente : Ordinamento::Decrescente;
        break;
    }
    if (m_ordinamento != prima) {
        riordina();
        emit ordinamentoCambiato(m_ordinamento);
    }
    emit cliccato(elemento);
}
