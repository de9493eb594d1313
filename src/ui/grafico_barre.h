#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// The program's own bar chart, drawn with QPainter: one group of 1..5 bars per item (single or
// multi-series), a title, the category label under each group, axis captions, value labels, a
// horizontal reference line, and an order (natural, descending or ascending by one series) that a
// click can change. No widget per bar: up to 10,001 items stay quick, and when a bar would be
// narrower than a pixel the items falling on one pixel column are drawn as one column holding
// their largest value. disegna() paints on any device, so the printed page is what the screen shows.
// Every bar of a series has the series colour of one palette (ColoriSerie) unless a caller colours
// single bars; a value of 0 still shows as a thin bar, so that no series looks missing.
class GraficoBarre : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SerieMassime = 5;

    enum class Ordinamento { Naturale, Decrescente, Crescente };
    Q_ENUM(Ordinamento)
    // What a left click does to the order: nothing; natural -> descending -> ascending -> natural;
    // descending <-> ascending (a natural order becomes descending).
    enum class Clic { Nessuno, Ciclo, InvertiDirezione };
    // Orders the item indexes 0..chiavi.size()-1 by the keys, largest first when decrescente; the
    // default keeps ties in their natural order. A view whose lists have a tie rule of their own
    // passes it here.
    using Ordinatore = std::function<std::vector<int>(const std::vector<double>& chiavi, bool decrescente)>;

    // The plot background, and the series colours in series order: distinct hues of clearly different
    // lightness (a black-and-white print keeps them apart), each at least 3:1 in contrast with the
    // background and with white paper.
    static QColor SfondoGrafico();
    static const std::array<QColor, SerieMassime>& ColoriSerie();

    // Where one drawing puts things, in the coordinates of the area it is given.
    struct Disposizione
    {
        QRect cornice;      // the plot frame; the bars and the value labels lie inside it
        double passo = 0;   // width of one item's group
        double minimo = 0;  // value at the bottom of the frame
        double massimo = 1; // value at the top
        int primo = 0;      // first item in view, in the order drawn
        int visibili = 0;   // items in view
        // The value labels of a chart all lie flat or all stand upright, chosen from the width of a bar
        // and the widest value; when neither fits there are none.
        Qt::Orientation orientamentoValori = Qt::Horizontal;
        std::vector<QRectF> barre;  // item in view k, series s at k * serie + s; empty below a pixel
        std::vector<QRectF> valori; // the label of each bar, same index; empty when labels do not fit
    };
    Disposizione disposizione(const QRect& area, const QFontMetrics& metrica) const;

    explicit GraficoBarre(QWidget* parent = nullptr);

    // The data: `serie` values (1..5) per item, item after item (valori[i * serie + s]). The order
    // returns to the natural one only through setOrdinamento; the labels go back to 1..n when
    // their count no longer matches.
    void setDati(std::vector<double> valori, int serie = 1);
    int elementi() const { return m_serie > 0 ? static_cast<int>(m_valori.size()) / m_serie : 0; }
    int serie() const { return m_serie; }
    double valore(int elemento, int serie = 0) const;

    // Category labels by item (natural order); empty for 1..n.
    void setEtichette(QStringList etichette);
    QString etichetta(int elemento) const;

    void setTitolo(const QString& titolo);
    QString titolo() const { return m_titolo; }
    void setTitoloAsseX(const QString& testo);
    void setTitoloAsseY(const QString& testo);

    // Colour of series s, and optionally of single bars (by item, natural order; used for series 0
    // of those items, an invalid colour keeps the series colour).
    void setColoreSerie(int serie, const QColor& colore);
    void setColoriBarre(std::vector<QColor> colori);
    // Names shown in the legend (drawn only for two series or more).
    void setNomiSerie(QStringList nomi);

    // The narrowest a bar may get, in pixels (0, the default: no limit, every item in view). When the
    // items do not fit, a scroll bar under the chart moves through them; printing draws those in view.
    void setLarghezzaMinimaBarra(int pixel);
    // Index, in the order drawn, of the first item in view.
    int primoVisibile() const { return m_primo; }

    void setMostraValori(bool mostra);
    void setDecimali(int decimali);
    // The text of a bar's value label and tooltip (the value axis keeps the plain number with the
    // decimals above); empty for the plain number.
    void setTestoValori(std::function<QString(double)> testo);
    void setLineaRiferimento(std::optional<double> valore, const QString& etichetta = {});

    void setOrdinamento(Ordinamento ordinamento);
    Ordinamento ordinamento() const { return m_ordinamento; }
    // The series whose values order the items; -1 orders by the item index itself.
    void setSerieChiave(int serie);
    int serieChiave() const { return m_serieChiave; }
    void setClic(Clic clic) { m_clic = clic; }
    void setOrdinatore(Ordinatore ordinatore);

    // Items in the order drawn (natural indexes).
    const std::vector<int>& ordineMostrato() const { return m_ordine; }
    // The item (natural index) whose group lies under a point of the widget, -1 for none.
    int elementoNelPunto(const QPoint& punto) const;

    // Paints the whole chart into the rectangle; used by paintEvent and by printing.
    void disegna(QPainter& painter, const QRect& area) const;
    // Paints the chart as laid out at its size on screen, texts included, scaled to fit the rectangle
    // and centred across it, whatever the device's resolution: the printed page looks like the window.
    void disegnaInScala(QPainter& painter, const QRect& area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A left click; elemento is the item under the pointer (natural index) or -1.
    void cliccato(int elemento);
    void ordinamentoCambiato(GraficoBarre::Ordinamento ordinamento);

protected:
    // The tooltip names the item under the pointer and its values.
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    // The frame, the value range and the items in view for a given width of the value axis; conValori
    // tells whether the value labels fit.
    Disposizione cornice(const QRect& area, const QFontMetrics& metrica, int larghezzaAsse,
                         bool& conValori) const;
    // The rectangles of the bars in view and, when conValori, of their labels.
    void disponiBarre(Disposizione& d, const QFontMetrics& metrica, bool conValori) const;
    // Width of one bar in a group of the given width (the groups keep a gap between them).
    double larghezzaBarra(double passo) const;
    void riordina();
    void aggiornaScorrimento();
    QRect areaGrafico() const;
    QColor colore(int elemento, int serie) const;
    QString testoValore(double v) const;
    QString testoBarra(double v) const;
    double passoValori(double minimo) const;

    std::vector<double> m_valori;
    int m_serie = 1;
    QStringList m_etichette;
    QString m_titolo;
    QString m_titoloX;
    QString m_titoloY;
    std::vector<QColor> m_coloriSerie;
    std::vector<QColor> m_coloriBarre;
    QStringList m_nomiSerie;
    bool m_mostraValori = true;
    int m_decimali = 0;
    std::function<QString(double)> m_testoValori;
    std::optional<double> m_riferimento;
    QString m_etichettaRiferimento;
    Ordinamento m_ordinamento = Ordinamento::Naturale;
    int m_serieChiave = 0;
    Clic m_clic = Clic::Ciclo;
    Ordinatore m_ordinatore;
    std::vector<int> m_ordine;
    int m_larghezzaMinima = 0;
    int m_primo = 0;
    class QScrollBar* m_scorrimento = nullptr;
};
