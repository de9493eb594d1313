#include "ui/probabilita_vincita_dialog.h"

#include "core/impostazioni.h"
#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* PiedeStampa = "QUARVINA LOTTO - ";

QString Testo(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

// At each poll: the chart, first about 150 ms after the start and then at most every 900 ms, then the
// window's poll (gauge, events, stop question).
class TProbabilitaVincita::Controllo final : public ControlloEsecuzione
{
public:
    explicit Controllo(TProbabilitaVincita& finestra) : m_finestra(finestra) { m_orologio.start(); }

    bool verifica(const Avanzamento& stato) override
    {
        const qint64 attesa = m_aggiornato ? IntervalloGraficoMs : PrimoAggiornamentoMs;
        if (m_orologio.elapsed() > attesa) {
            m_finestra.aggiornaGrafico();
            m_orologio.start();
            m_aggiornato = true;
        }
        return m_finestra.m_controllo.verifica(stato);
    }

private:
    TProbabilitaVincita& m_finestra;
    QElapsedTimer m_orologio;
    bool m_aggiornato = false;
};

TProbabilitaVincita::TProbabilitaVincita(StatoApplicazione& stato, ServiziFinestre& servizi, Origine origine,
                                         QWidget* parent)
    : TProbabilitaVincita(stato, servizi, parent)
{
    setWindowTitle(origine.titolo);
    m_origine = std::move(origine);
}

TProbabilitaVincita::TProbabilitaVincita(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_controllo(stato.messaggi)
{
    setWindowTitle(Testo(messaggi_probabilita_vincita::Titolo));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    m_pannello = new QWidget(this);
    m_pannello->setObjectName(QStringLiteral("comandiWidget"));
    auto* comandi = new QHBoxLayout(m_pannello);
    comandi->setContentsMargins(0, 0, 0, 0);
    m_punti = new QComboBox(m_pannello);
    m_punti->setObjectName(QStringLiteral("puntiComboBox"));
    for (int p = 1; p <= 5; ++p) {
        m_punti->addItem(QString::number(p));
    }
    auto* etichetta = new QLabel(Testo(messaggi_probabilita_vincita::Punti), m_pannello);
    etichetta->setBuddy(m_punti);
    comandi->addWidget(etichetta);
    comandi->addWidget(m_punti);
    comandi->addStretch(1);
    const auto pulsante = [this, comandi](const char* nome, const char* testo) {
        auto* p = new QPushButton(Testo(testo), m_pannello);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        comandi->addWidget(p);
        return p;
    };
    m_avvia = pulsante("avviaPushButton", "Avvia");
    m_avvia->setDefault(true);
    m_stampa = pulsante("stampaPushButton", "Stampa");
    m_stampa->setEnabled(false);
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    m_chiudi = pulsante("chiudiPushButton", "Chiudi");
    layout->addWidget(m_pannello);

    m_avanzamento = new QWidget(this);
    m_avanzamento->setObjectName(QStringLiteral("avanzamentoWidget"));
    auto* avanzamento = new QHBoxLayout(m_avanzamento);
    avanzamento->setContentsMargins(0, 0, 0, 0);
    m_barra = new QProgressBar(m_avanzamento);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, 100);
    auto* interrompi = new QPushButton(QStringLiteral("Interrompi"), m_avanzamento);
    interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    interrompi->setAutoDefault(false);
    avanzamento->addWidget(new QLabel(QStringLiteral("Stato avanzamento"), m_avanzamento));
    avanzamento->addWidget(m_barra, 1);
    avanzamento->addWidget(interrompi);
    m_avanzamento->hide();
    layout->addWidget(m_avanzamento);
    m_controllo.setBarra(m_barra);

    m_grafico = new GraficoBarre(this);
    m_grafico->setObjectName(QStringLiteral("probabilitaGraficoBarre"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setMostraValori(true);
    m_grafico->setTitoloAsseX(Testo(messaggi_probabilita_vincita::Piede));
    m_grafico->setTitoloAsseY(Testo(messaggi_probabilita_vincita::Serie));
    m_grafico->setNomiSerie({Testo(messaggi_probabilita_vincita::Serie)});
    m_grafico->setTestoValori([](double v) { return QString::fromStdString(TestoPercentualeGrafico(v)); });
    m_grafico->setDati(std::vector<double>(6, 0.0));
    QStringList etichette;
    for (const char* e : messaggi_probabilita_vincita::Etichette) {
        etichette << Testo(e);
    }
    m_grafico->setEtichette(etichette);
    layout->addWidget(m_grafico, 1);
    resize(900, 560);

    m_punti->setCurrentIndex(
        std::clamp(IDE_Intero(m_stato.impostazioni, ChiaveCalcProVin, SceltaPuntiPredefinita, false), 0, 4));

    connect(m_avvia, &QPushButton::clicked, this, &TProbabilitaVincita::avvia);
    connect(m_stampa, &QPushButton::clicked, this, &TProbabilitaVincita::stampa);
    connect(interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(guida, &QPushButton::clicked, this, [this] {
        m_servizi.apriGuida(m_origine ? m_origine->guida
                                      : QString::fromLatin1(messaggi_probabilita_vincita::Guida));
    });
    connect(m_chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TProbabilitaVincita::~TProbabilitaVincita() = default;

void TProbabilitaVincita::avvia()
{
    if (m_inCalcolo || !m_avvia->isEnabled()) {
        return;
    }
    const int punti = m_punti->currentIndex() + 1;
    for (QWidget* w : std::initializer_list<QWidget*>{m_punti, m_avvia, m_stampa, m_chiudi}) {
        w->setEnabled(false);
    }
    m_barra->setValue(0);
    m_avanzamento->show();
    m_controllo.azzera();
    m_inCalcolo = true;
    m_grafico->setTitolo(Testo(messaggi_probabilita_vincita::TitoloGraficoPrima) + QString::number(punti) +
                         Testo(messaggi_probabilita_vincita::TitoloGraficoDopo));
    m_esito = EsitoDistribuzionePunti{};
    aggiornaGrafico();

    Controllo controllo(*this);
    if (m_origine) {
        DistribuzionePunti(m_origine->pronostico, m_origine->giocate.data(),
                           static_cast<std::int32_t>(m_origine->giocate.size()), punti, m_esito, controllo);
    } else {
        DistribuzionePunti(NumeriPronostico(m_stato.sistema.pronostico), m_stato.giocate, punti, m_esito,
                           controllo);
    }
    if (m_esito.insiemi > 0) {
        aggiornaGrafico();
    }

    m_inCalcolo = false;
    for (QWidget* w : std::initializer_list<QWidget*>{m_punti, m_avvia, m_stampa, m_chiudi}) {
        w->setEnabled(true);
    }
    m_avanzamento->hide();
}

void TProbabilitaVincita::aggiornaGrafico()
{
    std::vector<double> valori;
    for (int s = 0; s <= 5; ++s) {
        valori.push_back(m_esito.percentuale(s));
    }
    m_grafico->setDati(std::move(valori));
}

void TProbabilitaVincita::disegnaPagina(QPainter& painter, const QRect& area) const
{
    // The page keeps the chart's proportions on screen; the footer goes under its bottom right corner.
    const QFontMetrics misure(font(), painter.device());
    const int piede = misure.height() * 2;
    const QRect grafico(area.x(), area.y(), area.width(), std::max(1, area.height() - piede));
    m_grafico->disegnaInScala(painter, grafico);
    const double scala = std::min(static_cast<double>(grafico.width()) / std::max(1, m_grafico->width()),
                                  static_cast<double>(grafico.height()) / std::max(1, m_grafico->height()));
    const int destra = grafico.x() + static_cast<int>((grafico.width() + m_grafico->width() * scala) / 2);
    const int basso = grafico.y() + static_cast<int>(m_grafico->height() * scala);
    const QString testo = QString::fromLatin1(PiedeStampa) + QString::fromStdString(m_stato.generali.sitoWeb);
    painter.save();
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.x(), basso, destra - area.x(), piede), Qt::AlignRight | Qt::AlignVCenter,
                     testo);
    painter.restore();
}

void TProbabilitaVincita::stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(Testo(messaggi_probabilita_vincita::TitoloStampa));
    stampante.setPageOrientation(QPageLayout::Landscape);
    if (!m_servizi.scegliStampante(stampante, this)) {
        return;
    }
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        (void)m_stato.messaggi.mostra(Errore(messaggi_probabilita_vincita::StampaNonRiuscita));
        return;
    }
    disegnaPagina(pittore, pittore.viewport());
    pittore.end();
}

void TProbabilitaVincita::done(int risultato)
{
    if (m_inCalcolo) {
        return;
    }
    (void)IDE_Intero(m_stato.impostazioni, ChiaveCalcProVin, m_punti->currentIndex(), true);
    QDialog::done(risultato);
}

void TProbabilitaVincita::reject()
{
    if (!m_inCalcolo && m_avvia->isEnabled()) {
        QDialog::reject();
    }
}

void TProbabilitaVincita::closeEvent(QCloseEvent* evento)
{
    if (m_inCalcolo) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TProbabilitaVincita::keyPressEvent(QKeyEvent* evento)
{
    // Enter starts and Escape closes only while "Avvia" can be pressed.
    const int tasto = evento->key();
    if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Escape) &&
        !m_avvia->isEnabled()) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}
