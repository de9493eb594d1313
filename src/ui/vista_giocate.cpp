#include "ui/vista_giocate.h"

#include "core/elenco_giocate.h"
#include "core/giocata.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

const QColor ColoreSelezione(0, 0, 128);
constexpr int Bordo = 1;
constexpr int Margine = 4;
constexpr int RighePerScatto = 3;

} // namespace

VistaGiocate::VistaGiocate(QWidget* genitore) : QWidget(genitore), m_barra(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("giocateVista"));
    m_barra->setObjectName(QStringLiteral("sbgioScrollBar"));
    m_barra->setFocusPolicy(Qt::NoFocus);
    m_barra->setSingleStep(1);
    m_barra->setPageStep(RigheVisibili - 1);
    m_barra->setRange(1, 1);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_barra, &QScrollBar::valueChanged, this, [this] { update(); });
    aggiorna();
}

void VistaGiocate::setElenco(const ElencoGiocate* elenco)
{
    m_elenco = elenco;
    m_conteggioVisto = -1;
    aggiorna();
}

std::int32_t VistaGiocate::conteggio() const
{
    return m_elenco != nullptr ? m_elenco->conteggio() : 0;
}

void VistaGiocate::aggiorna()
{
    const std::int32_t n = conteggio();
    // The last position shows the final 11 plays; a list that fits in the view cannot scroll.
    const int massimo = n >= RigheVisibili + 1 ? n - (RigheVisibili - 1) : 1;
    if (n != m_conteggioVisto) {
        m_conteggioVisto = n;
        m_ancora = 0;
        m_corrente = 0;
        m_trascinamento = false;
        m_barra->setRange(1, massimo);
        m_barra->setValue(1);
    } else {
        m_barra->setRange(1, massimo);
    }
    update();
}

int VistaGiocate::primaVisibile() const
{
    return m_barra->value();
}

void VistaGiocate::setPrimaVisibile(int indice)
{
    m_barra->setValue(indice);
}

std::pair<int, int> VistaGiocate::selezione() const
{
    const int n = conteggio();
    if (m_ancora == 0 || m_corrente == 0 || n == 0) {
        return {0, 0};
    }
    const int primo = std::min(m_ancora, m_corrente);
    const int ultimo = std::min(std::max(m_ancora, m_corrente), n);
    if (primo > n) {
        return {0, 0};
    }
    return {primo, ultimo};
}

void VistaGiocate::setSelezione(int primo, int ultimo)
{
    const int n = conteggio();
    if (primo <= 0 || ultimo <= 0 || n == 0) {
        m_ancora = 0;
        m_corrente = 0;
    } else {
        m_ancora = std::clamp(primo, 1, n);
        m_corrente = std::clamp(ultimo, 1, n);
        portaInVista(m_corrente);
    }
    update();
}

int VistaGiocate::altezzaRiga() const
{
    return fontMetrics().height() + 4;
}

QRect VistaGiocate::areaRighe() const
{
    const int h = altezzaRiga();
    return {Bordo, Bordo + h, std::max(0, width() - 2 * Bordo - m_barra->width()),
            std::max(0, height() - 2 * Bordo - h)};
}

int VistaGiocate::larghezzaIndice() const
{
    // Wide enough for the largest index of the list, never narrower than six digits, so the column
    // does not jump while a run grows the list.
    const int cifre = std::max<int>(6, static_cast<int>(QString::number(conteggio()).size()));
    const QFontMetrics fm = fontMetrics();
    return std::max(fm.horizontalAdvance(QString(cifre, QLatin1Char('0'))),
                    fm.horizontalAdvance(QStringLiteral("Nº"))) +
           2 * Margine;
}

int VistaGiocate::larghezzaGiocata() const
{
    return std::max(0, areaRighe().width() - larghezzaIndice() - 2 * Margine);
}

QString VistaGiocate::testoRiga(int indice) const
{
    if (indice < 1 || indice > conteggio()) {
        return {};
    }
    const QString larga = QString::fromStdString(TestoGiocata(m_elenco->voce(indice), "  "));
    if (fontMetrics().horizontalAdvance(larga) <= larghezzaGiocata()) {
        return larga;
    }
    return QString::fromStdString(TestoGiocata(m_elenco->voce(indice), " "));
}

void VistaGiocate::disegnaGiocata(QPainter& p, const QRect& spazio, int indice) const
{
    const QString testo = testoRiga(indice);
    if (fontMetrics().horizontalAdvance(testo) <= spazio.width()) {
        p.drawText(spazio, Qt::AlignVCenter | Qt::AlignLeft, testo);
        return;
    }
    // Not even one space apart: the numbers share the room in equal cells, which hold two digits
    // down to a column of ten times their width.
    const QStringList numeri = testo.split(QLatin1Char(' '));
    const auto quanti = static_cast<int>(numeri.size());
    for (int i = 0; i < quanti; ++i) {
        const int sinistra = spazio.left() + spazio.width() * i / quanti;
        const int destra = spazio.left() + spazio.width() * (i + 1) / quanti;
        p.drawText(QRect(sinistra, spazio.top(), destra - sinistra, spazio.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, numeri[i]);
    }
}

int VistaGiocate::giocataNelPunto(const QPoint& punto) const
{
    const QRect area = areaRighe();
    if (!area.contains(punto)) {
        return 0;
    }
    const int indice = primaVisibile() + (punto.y() - area.top()) / altezzaRiga();
    return indice <= conteggio() ? indice : 0;
}

QSize VistaGiocate::sizeHint() const
{
    return {260, 2 * Bordo + (RigheVisibili + 1) * altezzaRiga()};
}

QSize VistaGiocate::minimumSizeHint() const
{
    return {150, 2 * Bordo + (RigheVisibili + 1) * altezzaRiga()};
}

void VistaGiocate::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    const int larghezza = m_barra->sizeHint().width();
    m_barra->setGeometry(width() - Bordo - larghezza, Bordo, larghezza, std::max(0, height() - 2 * Bordo));
}

void VistaGiocate::changeEvent(QEvent* evento)
{
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::FontChange) {
        updateGeometry();
    }
}

void VistaGiocate::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect area = areaRighe();
    const int h = altezzaRiga();
    const int colonna = larghezzaIndice();
    const QColor linee = palette().color(QPalette::Mid);

    p.fillRect(rect(), Qt::white);

    const QRect intestazione(area.left(), Bordo, area.width(), h);
    p.fillRect(intestazione, palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(QRect(intestazione.left() + Margine, intestazione.top(), colonna - Margine, h),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Nº"));
    p.drawText(intestazione.adjusted(colonna + Margine, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Giocata"));

    const int n = conteggio();
    const int prima = primaVisibile();
    const auto [primoSel, ultimoSel] = selezione();
    const int righe = (area.height() + h - 1) / h;
    p.setClipRect(area);
    for (int r = 0; r < righe; ++r) {
        const int indice = prima + r;
        if (indice > n) {
            break;
        }
        const QRect riga(area.left(), area.top() + r * h, area.width(), h);
        const bool selezionata = indice >= primoSel && indice <= ultimoSel && primoSel > 0;
        if (selezionata) {
            p.fillRect(riga, ColoreSelezione);
        }
        p.setPen(selezionata ? Qt::white : Qt::black);
        p.drawText(QRect(riga.left() + Margine, riga.top(), colonna - 2 * Margine, h),
                   Qt::AlignVCenter | Qt::AlignRight, QString::number(indice));
        disegnaGiocata(p, riga.adjusted(colonna + Margine, 0, -Margine, 0), indice);
        if (indice == m_corrente && hasFocus()) {
            p.setPen(QPen(selezionata ? Qt::white : Qt::black, 1, Qt::DotLine));
            p.drawRect(riga.adjusted(0, 0, -1, -1));
        }
    }
    p.setClipping(false);

    p.setPen(linee);
    p.drawLine(area.left() + colonna, Bordo, area.left() + colonna, area.bottom());
    p.drawLine(area.left(), area.top() - 1, area.right(), area.top() - 1);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void VistaGiocate::portaInVista(int indice)
{
    const int prima = primaVisibile();
    if (indice < prima) {
        m_barra->setValue(indice);
    } else if (indice > prima + RigheVisibili - 1) {
        m_barra->setValue(indice - (RigheVisibili - 1));
    }
}

void VistaGiocate::spostaCorrente(int indice, bool estendi)
{
    const int n = conteggio();
    if (n == 0) {
        return;
    }
    indice = std::clamp(indice, 1, n);
    if (!estendi || m_ancora == 0) {
        m_ancora = indice;
    }
    m_corrente = indice;
    portaInVista(indice);
    update();
}

void VistaGiocate::mousePressEvent(QMouseEvent* evento)
{
    setFocus(Qt::MouseFocusReason);
    if (evento->button() != Qt::LeftButton) {
        return;
    }
    const int indice = giocataNelPunto(evento->position().toPoint());
    if (indice == 0) {
        return;
    }
    spostaCorrente(indice, evento->modifiers().testFlag(Qt::ShiftModifier));
    m_trascinamento = true;
}

void VistaGiocate::mouseMoveEvent(QMouseEvent* evento)
{
    if (!m_trascinamento || !evento->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    // Dragging past the top or the bottom row scrolls one play per move and extends the selection.
    const QRect area = areaRighe();
    const int y = static_cast<int>(evento->position().y());
    int indice = 0;
    if (y < area.top()) {
        indice = primaVisibile() - 1;
    } else if (y >= area.top() + RigheVisibili * altezzaRiga() || y > area.bottom()) {
        indice = std::min(primaVisibile() + RigheVisibili, conteggio());
    } else {
        indice = primaVisibile() + (y - area.top()) / altezzaRiga();
    }
    spostaCorrente(indice, true);
}

void VistaGiocate::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton) {
        m_trascinamento = false;
    }
}

void VistaGiocate::mouseDoubleClickEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && conteggio() > 0) {
        emit doppioClic();
    }
}

void VistaGiocate::keyPressEvent(QKeyEvent* evento)
{
    const int n = conteggio();
    const bool estendi = evento->modifiers().testFlag(Qt::ShiftModifier);
    // With nothing selected a movement key starts from the first visible play.
    const int base = m_corrente != 0 ? m_corrente : primaVisibile();
    const int passo = m_corrente != 0 ? 1 : 0;
    switch (evento->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (n > 0) {
            emit eliminaRichiesta();
        }
        return;
    case Qt::Key_Up:
        spostaCorrente(base - passo, estendi);
        return;
    case Qt::Key_Down:
        spostaCorrente(base + passo, estendi);
        return;
    case Qt::Key_PageUp:
        spostaCorrente(base - passo * (RigheVisibili - 1), estendi);
        return;
    case Qt::Key_PageDown:
        spostaCorrente(base + passo * (RigheVisibili - 1), estendi);
        return;
    case Qt::Key_Home:
        spostaCorrente(1, estendi);
        return;
    case Qt::Key_End:
        spostaCorrente(n, estendi);
        return;
    default:
        QWidget::keyPressEvent(evento);
    }
}

void VistaGiocate::wheelEvent(QWheelEvent* evento)
{
    m_rotellaResto += evento->angleDelta().y();
    const int scatti = m_rotellaResto / QWheelEvent::DefaultDeltasPerStep;
    m_rotellaResto %= QWheelEvent::DefaultDeltasPerStep;
    if (scatti != 0) {
        m_barra->setValue(primaVisibile() - scatti * RighePerScatto);
    }
    evento->accept();
}
