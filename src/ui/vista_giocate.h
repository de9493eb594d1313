#pragma once

#include <QWidget>

#include <cstdint>
#include <utility>

class ElencoGiocate;
class QPainter;
class QScrollBar;

// The plays view of the main window: a header ("Nº", "Giocata") over 11 rows, each showing a
// play's index and its numbers, and a vertical scroll bar whose position is the index of the first
// visible play. Only the visible rows are ever turned into text, so the list may hold tens of
// millions of plays. A contiguous range of plays can be selected with the mouse (click,
// shift+click, drag) and the arrow keys (shift extends).
class VistaGiocate : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RigheVisibili = 11;

    explicit VistaGiocate(QWidget* genitore = nullptr);

    // The list shown; not owned. nullptr shows an empty view.
    void setElenco(const ElencoGiocate* elenco);

    // Call after any change of the plays. When the count differs from the one last seen the view
    // returns to play 1 and the selection is dropped, because its indexes no longer name the same
    // plays; otherwise the rows are just repainted.
    void aggiorna();

    // Index of the first visible play (the scroll bar's position), 1 when the list is empty.
    int primaVisibile() const;
    // Moves the view so that the given play is the first visible one, within the scroll range.
    void setPrimaVisibile(int indice);

    // First and last selected play, 1-based; {0, 0} when nothing is selected.
    std::pair<int, int> selezione() const;
    // Selects plays primo..ultimo (clamped to the list); 0 clears the selection.
    void setSelezione(int primo, int ultimo);

    // The play under a point of the widget, 0 for the header, an empty row or outside the rows.
    int giocataNelPunto(const QPoint& punto) const;
    // Row height in pixels, the header included.
    int altezzaRiga() const;
    // The numbers of play `indice` as its row shows them: two spaces apart, or one where two would not
    // fit the column (plays of nine or ten numbers in the narrow view of a laptop screen).
    QString testoRiga(int indice) const;
    // The room of the plays column, in pixels.
    int larghezzaGiocata() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Double click on the view with a non-empty list.
    void doppioClic();
    // Backspace or Delete with a non-empty list.
    void eliminaRichiesta();

protected:
    void paintEvent(QPaintEvent* evento) override;
    // The numbers of play `indice` in the row's room: as testoRiga, or in equal cells where even that
    // is too wide.
    void disegnaGiocata(QPainter& p, const QRect& spazio, int indice) const;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    std::int32_t conteggio() const;
    QRect areaRighe() const;
    int larghezzaIndice() const;
    void portaInVista(int indice);
    void spostaCorrente(int indice, bool estendi);

    const ElencoGiocate* m_elenco = nullptr;
    QScrollBar* m_barra;
    std::int32_t m_conteggioVisto = -1;
    int m_ancora = 0;   // play where the selection started, 0 for none
    int m_corrente = 0; // play where the selection ends (moved by the keys and the drag)
    bool m_trascinamento = false;
    int m_rotellaResto = 0;
};
