#include "ui/visua_distri_dialog.h"

#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "tools/messaggi_strumenti.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

const QColor ColorePronostico(0, 170, 0);
const QColor ColoreAltri(210, 0, 0);

// What the chart keeps beside its bars (value axis, margins), about.
constexpr int MargineGrafico = 80;
constexpr int CarattereMinimo = 7;

} // namespace

// The poll of the count: the gauge at every poll, the bars at most once a second (the first time at
// once), then the window's own poll with the stop confirmation.
class TVisuaDistri::Controllo final : public ControlloEsecuzione
{
public:
    explicit Controllo(TVisuaDistri& finestra) : m_finestra(finestra) {}

    bool verifica(const Avanzamento& stato) override
    {
        m_finestra.m_barra->setValue(static_cast<int>(stato.elaborati));
        if (!m_grafico.isValid() || m_grafico.elapsed() > IntervalloGraficoMs) {
            m_finestra.aggiornaGrafico();
            m_grafico.start();
        }
        return m_finestra.m_controllo.verifica(stato);
    }

private:
    TVisuaDistri& m_finestra;
    QElapsedTimer m_grafico;
};

TVisuaDistri::TVisuaDistri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_controllo(stato.messaggi)
{
    setWindowTitle(QString::fromUtf8(messaggi_strumenti::TitoloDistribuzione));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    m_grafico = new GraficoBarre(this);
    m_grafico->setObjectName(QStringLiteral("distribuzioneGraficoBarre"));
    m_grafico->setTitolo(QString::fromUtf8(messaggi_strumenti::TitoloDistribuzione));
    m_grafico->setTitoloAsseX(QStringLiteral("Numeri"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setMostraValori(true);
    std::vector<QColor> colori;
    for (std::uint8_t predetto : m_stato.sistema.pronostico) {
        colori.push_back(predetto != 0 ? ColorePronostico : ColoreAltri);
    }
    m_grafico->setColoriBarre(std::move(colori));
    m_grafico->setDati(std::vector<double>(NumeroMassimo, 0.0));
    m_grafico->installEventFilter(this);
    layout->addWidget(m_grafico, 1);

    m_pannelloCalcolo = new QWidget(this);
    auto* calcolo = new QHBoxLayout(m_pannelloCalcolo);
    calcolo->setContentsMargins(0, 0, 0, 0);
    m_barra = new QProgressBar(m_pannelloCalcolo);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, std::max(1, m_stato.giocate.conteggio()));
    m_barra->setValue(0);
    m_barra->setFormat(QStringLiteral("%v / %m"));
    m_interrompi = new QPushButton(QStringLiteral("Interrompi"), m_pannelloCalcolo);
    m_interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    m_interrompi->setAutoDefault(false);
    calcolo->addWidget(m_barra, 1);
    calcolo->addWidget(m_interrompi);
    layout->addWidget(m_pannelloCalcolo);

    m_pannelloPulsanti = new QWidget(this);
    auto* pulsanti = new QHBoxLayout(m_pannelloPulsanti);
    pulsanti->setContentsMargins(0, 0, 0, 0);
    pulsanti->addStretch(1);
    const auto pulsante = [this, pulsanti](const char* nome, const char* testo) {
        auto* p = new QPushButton(QString::fromUtf8(testo), m_pannelloPulsanti);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        pulsanti->addWidget(p);
        return p;
    };
    QPushButton* stampaPulsante = pulsante("stampaPushButton", "Stampa");
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* chiudi = pulsante("chiudiPushButton", "Chiudi");
    m_pannelloPulsanti->hide();
    layout->addWidget(m_pannelloPulsanti);
    resize(1180, 560);

    connect(m_interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(stampaPulsante, &QPushButton::clicked, this, &TVisuaDistri::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_strumenti::GuidaDistribuzione)); });
    connect(chiudi, &QPushButton::clicked, this, &TVisuaDistri::accept);
}

TVisuaDistri::~TVisuaDistri() = default;

bool TVisuaDistri::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == m_grafico && evento->type() == QEvent::Resize) {
        adattaCarattere();
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TVisuaDistri::adattaCarattere()
{
    // The chart writes a count above its bar only when the bar is about one line of text wide, so
    // the text shrinks with the window (down to a legible size) to keep the 90 counts in view.
    const double passo =
        std::max(1, m_grafico->width() - MargineGrafico) / static_cast<double>(NumeroMassimo);
    const double barra = passo * 0.82;
    QFont carattere = font();
    int pixel = std::max(CarattereMinimo, QFontInfo(carattere).pixelSize());
    for (; pixel > CarattereMinimo; --pixel) {
        carattere.setPixelSize(pixel);
        if (QFontMetrics(carattere).height() - 2 <= barra) {
            break;
        }
    }
    carattere.setPixelSize(pixel);
    if (m_grafico->font() != carattere) {
        m_grafico->setFont(carattere);
    }
}

void TVisuaDistri::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!m_avvioProgrammato) {
        m_avvioProgrammato = true;
        QTimer::singleShot(0, this, &TVisuaDistri::avviaCalcolo);
    }
}

void TVisuaDistri::reject()
{
    if (m_completata) {
        QDialog::reject();
    }
}

void TVisuaDistri::closeEvent(QCloseEvent* evento)
{
    if (!m_completata) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TVisuaDistri::avviaCalcolo()
{
    if (m_inCalcolo || m_completata) {
        return;
    }
    m_inCalcolo = true;
    m_controllo.azzera();
    Controllo controllo(*this);
    distribuzione::ContaDistribuzione(m_stato.giocate, m_distribuzione, controllo);
    m_inCalcolo = false;
    m_completata = true;

    aggiornaGrafico();
    m_barra->setValue(m_distribuzione.esaminate);
    m_pannelloCalcolo->hide();
    m_pannelloPulsanti->show();
}

void TVisuaDistri::aggiornaGrafico()
{
    std::vector<double> valori(m_distribuzione.conteggi.begin(), m_distribuzione.conteggi.end());
    m_grafico->setDati(std::move(valori));
}

void TVisuaDistri::disegnaGrafico(QPainter& painter, const QRect& area) const
{
    m_grafico->disegnaInScala(painter, area);
}

void TVisuaDistri::stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Quarvin"));
    // The chart is wide: landscape fills the page best (the user may still choose otherwise).
    stampante.setPageOrientation(QPageLayout::Landscape);
    if (!m_servizi.scegliStampante(stampante, this)) {
        return;
    }
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        (void)m_stato.messaggi.mostra(Errore(messaggi_strumenti::StampaNonRiuscita));
        return;
    }
    disegnaGrafico(pittore, pittore.viewport());
    pittore.end();
}
