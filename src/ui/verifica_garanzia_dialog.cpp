#include "ui/verifica_garanzia_dialog.h"

#include "checking/distribuzione_punti.h"
#include "core/file_binario.h"
#include "core/impostazioni.h"
#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace {

QString Testo(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr const char* SviluppoIntegrale = "Sviluppo integrale";
constexpr const char* BuchiDaElencare = "Buchi da elencare:";
constexpr const char* BuchiElencati = "Buchi (insiemi sotto il livello richiesto): ";
constexpr const char* PrimiElencati = ", elencati i primi ";
constexpr const char* TitoloGrafico = "Miglior punteggio delle giocate finali sugli insiemi di ";
constexpr const char* TitoloGraficoDopo = " numeri del pronostico (su una stessa ruota)";
constexpr const char* Serie = "Insiemi";
constexpr const char* AsseY = "Insiemi (%)";

} // namespace

TVerificaGaranzia::TVerificaGaranzia(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TDialogoCalcolo(stato, servizi, parent)
{
    setWindowTitle(Testo(messaggi_verifica_garanzia::Titolo));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* pannello = new QWidget(this);
    auto* comandi = new QHBoxLayout(pannello);
    comandi->setContentsMargins(0, 0, 0, 0);
    m_punti = new QComboBox(pannello);
    m_punti->setObjectName(QStringLiteral("puntiComboBox"));
    for (int p = 1; p <= 5; ++p) {
        m_punti->addItem(QString::number(p));
    }
    // The choices of the last run.
    m_punti->setCurrentIndex(std::clamp(IDE_Intero(m_stato.impostazioni, ChiaveVerGarPunti, 3, false), 1, 5) -
                             1);
    m_livello = new QComboBox(pannello);
    m_livello->setObjectName(QStringLiteral("livelloComboBox"));
    m_livello->addItem(Testo(SviluppoIntegrale));
    for (int s = 1; s <= 5; ++s) {
        m_livello->addItem(Testo(messaggi_probabilita_vincita::Etichette[static_cast<std::size_t>(s)]));
    }
    m_livello->setCurrentIndex(
        std::clamp(IDE_Intero(m_stato.impostazioni, ChiaveVerGarLivello, 0, false), 0, 5));
    m_quantiBuchi = new QSpinBox(pannello);
    m_quantiBuchi->setObjectName(QStringLiteral("buchiSpinBox"));
    m_quantiBuchi->setRange(0, 100000);
    m_quantiBuchi->setValue(IDE_Intero(m_stato.impostazioni, ChiaveVerGarBuchi, BuchiPredefiniti, false));
    const auto campo = [pannello, comandi](const char* testo, QWidget* w) {
        auto* etichetta = new QLabel(Testo(testo), pannello);
        etichetta->setBuddy(w);
        comandi->addWidget(etichetta);
        comandi->addWidget(w);
    };
    campo(messaggi_verifica_garanzia::Punti, m_punti);
    campo(messaggi_verifica_garanzia::Livello, m_livello);
    campo(BuchiDaElencare, m_quantiBuchi);
    comandi->addStretch(1);
    const auto pulsante = [pannello, comandi](const char* nome, const char* testo) {
        auto* p = new QPushButton(Testo(testo), pannello);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        comandi->addWidget(p);
        return p;
    };
    m_avvia = pulsante("avviaPushButton", "Avvia");
    m_avvia->setDefault(true);
    m_esporta = pulsante("esportaPushButton", "Esporta buchi");
    m_stampa = pulsante("stampaPushButton", "Stampa");
    m_esporta->setEnabled(false);
    m_stampa->setEnabled(false);
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    m_chiudi = pulsante("chiudiPushButton", "Chiudi");
    layout->addWidget(pannello);

    layout->addWidget(creaAvanzamento());

    m_risultato = new QLabel(this);
    m_risultato->setObjectName(QStringLiteral("risultatoLabel"));
    QFont grassetto = m_risultato->font();
    grassetto.setBold(true);
    m_risultato->setFont(grassetto);
    layout->addWidget(m_risultato);

    auto* divisore = new QSplitter(Qt::Horizontal, this);
    m_grafico = new GraficoBarre(divisore);
    m_grafico->setObjectName(QStringLiteral("garanziaGraficoBarre"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setMostraValori(true);
    m_grafico->setTitoloAsseX(Testo(messaggi_probabilita_vincita::Piede));
    m_grafico->setTitoloAsseY(Testo(AsseY));
    m_grafico->setNomiSerie({Testo(Serie)});
    m_grafico->setTestoValori([](double v) { return QString::fromStdString(TestoPercentualeGrafico(v)); });
    m_grafico->setDati(std::vector<double>(6, 0.0));
    QStringList etichette;
    for (const char* e : messaggi_probabilita_vincita::Etichette) {
        etichette << Testo(e);
    }
    m_grafico->setEtichette(etichette);
    m_buchi = new QPlainTextEdit(divisore);
    m_buchi->setObjectName(QStringLiteral("buchiPlainTextEdit"));
    m_buchi->setReadOnly(true);
    divisore->addWidget(m_grafico);
    divisore->addWidget(m_buchi);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 1);
    layout->addWidget(divisore, 1);
    resize(1000, 580);

    connect(m_avvia, &QPushButton::clicked, this, &TVerificaGaranzia::avvia);
    connect(m_esporta, &QPushButton::clicked, this, &TVerificaGaranzia::esporta);
    connect(m_stampa, &QPushButton::clicked, this, &TVerificaGaranzia::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_verifica_garanzia::Guida)); });
    connect(m_chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TVerificaGaranzia::~TVerificaGaranzia() = default;

void TVerificaGaranzia::avvia()
{
    if (m_inCalcolo) {
        return;
    }
    const int punti = m_punti->currentIndex() + 1;
    (void)IDE_Intero(m_stato.impostazioni, ChiaveVerGarPunti, punti, true);
    (void)IDE_Intero(m_stato.impostazioni, ChiaveVerGarLivello, m_livello->currentIndex(), true);
    (void)IDE_Intero(m_stato.impostazioni, ChiaveVerGarBuchi, m_quantiBuchi->value(), true);
    const std::initializer_list<QWidget*> spenti = {m_punti,   m_livello, m_quantiBuchi, m_avvia,
                                                    m_esporta, m_stampa,  m_chiudi};
    for (QWidget* w : spenti) {
        w->setEnabled(false);
    }
    mostraAvanzamento(true);
    m_controllo.azzera();
    m_inCalcolo = true;
    m_grafico->setTitolo(Testo(TitoloGrafico) + QString::number(punti) + Testo(TitoloGraficoDopo));

    VerificaGaranzia(NumeriPronostico(m_stato.sistema.pronostico), m_stato.giocate.dati(),
                     m_stato.giocate.conteggio(), punti, m_livello->currentIndex(), m_quantiBuchi->value(),
                     m_esito, m_controllo);
    mostraEsito();

    m_inCalcolo = false;
    for (QWidget* w : spenti) {
        w->setEnabled(true);
    }
    mostraAvanzamento(false);
}

void TVerificaGaranzia::mostraEsito()
{
    std::vector<double> valori;
    for (int s = 0; s <= 5; ++s) {
        valori.push_back(m_esito.percentuale(s));
    }
    m_grafico->setDati(std::move(valori));
    QString riga = Testo(messaggi_verifica_garanzia::GaranziaInParole[static_cast<std::size_t>(
                       std::clamp(m_esito.garantito, 0, 5))]) +
                   QStringLiteral(" - ") + Testo(BuchiElencati) + QString::number(m_esito.buchiTotali);
    if (m_esito.buchiTotali > static_cast<std::int64_t>(m_esito.buchi.size())) {
        riga += Testo(PrimiElencati) + QString::number(m_esito.buchi.size());
    }
    if (m_esito.interrotta) {
        riga += QStringLiteral(" (interrotta)");
    }
    m_risultato->setText(riga);
    m_buchi->setPlainText(QString::fromStdString(TestoBuchi(m_esito)));
}

void TVerificaGaranzia::esporta()
{
    const QString percorso = m_servizi.scegliFile(
        this, ServiziFinestre::SceltaFile::Salva(
                  Testo(messaggi_verifica_garanzia::EsportaTitolo), QStringLiteral("buchi.txt"),
                  QStringLiteral("Testo (*.txt);;Tutti i file (*)"), QStringLiteral("txt")));
    if (percorso.isEmpty()) {
        return;
    }
    const std::string testo = TestoBuchi(m_esito);
    const auto* dati = reinterpret_cast<const std::uint8_t*>(testo.data());
    if (!ScriviFileAtomico(percorso.toStdString(), std::span<const std::uint8_t>(dati, testo.size()))) {
        (void)m_stato.messaggi.mostra(Errore(messaggi_verifica_garanzia::EsportaNonRiuscita));
    }
}

void TVerificaGaranzia::disegnaPagina(QPainter& painter, const QRect& area) const
{
    const QFontMetrics misure(font(), painter.device());
    const int riga = misure.height();
    painter.save();
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.x(), area.y(), area.width(), riga * 2), Qt::AlignLeft | Qt::AlignVCenter,
                     m_risultato->text());
    painter.restore();
    // The chart on the upper part, the listed holes under it in columns.
    const int altoGrafico = (area.height() - riga * 2) * 2 / 3;
    m_grafico->disegnaInScala(painter, QRect(area.x(), area.y() + riga * 2, area.width(), altoGrafico));
    // The holes of the result (not the text shown, which a user may have scrolled) in columns, each number
    // right-aligned in its own cell so that the columns line up.
    const int inizio = area.y() + riga * 2 + altoGrafico + riga;
    const int perColonna = std::max(1, (area.bottom() - inizio) / riga);
    const int cella = misure.horizontalAdvance(QStringLiteral("000"));
    const int larghezza = cella * (m_esito.dimensione + 1);
    painter.save();
    painter.setFont(font());
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < m_esito.buchi.size(); ++i) {
        const int colonna = static_cast<int>(i) / perColonna;
        const int x = area.x() + colonna * larghezza;
        if (x + larghezza > area.right()) {
            break;
        }
        const int y = inizio + (static_cast<int>(i) % perColonna) * riga;
        for (int j = 0; j < m_esito.dimensione; ++j) {
            painter.drawText(QRect(x + j * cella, y, cella, riga), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(m_esito.buchi[i][static_cast<std::size_t>(j)]));
        }
    }
    painter.restore();
}

void TVerificaGaranzia::stampa()
{
    stampaPagina(QPageLayout::Landscape);
}
