// The historic chart of the conditional reduction: for the selected criterion, how its value was
// distributed over the historic combinations, green where the page allows the value and red where not.
#include "ui/rid_condizionata_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_condizionata.h"
#include "ui/grafico_barre.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor Verde(0, 170, 0);
const QColor Rosso(210, 0, 0);

// Restores the pointer and the guard however the refresh ends.
class InAggiornamento
{
public:
    explicit InAggiornamento(bool& flag) : m_flag(flag)
    {
        m_flag = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~InAggiornamento()
    {
        QApplication::restoreOverrideCursor();
        m_flag = false;
    }
    InAggiornamento(const InAggiornamento&) = delete;
    InAggiornamento& operator=(const InAggiornamento&) = delete;

private:
    bool& m_flag;
};

} // namespace

QWidget* TRidCondizionata::creaGrafico()
{
    m_riquadroGrafico = new QGroupBox(this);
    m_riquadroGrafico->setObjectName(QStringLiteral("graficoGroupBox"));
    auto* layout = new QVBoxLayout(m_riquadroGrafico);
    m_grafico = new GraficoBarre(m_riquadroGrafico);
    m_grafico->setObjectName(QStringLiteral("graficoBarre"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setDecimali(1);
    m_grafico->setTitoloAsseY(QStringLiteral("%"));
    m_grafico->setMinimumHeight(220);
    layout->addWidget(m_grafico, 1);
    m_estrazioniValide = new QLabel(QStringLiteral("Estrazioni valide:"), m_riquadroGrafico);
    m_estrazioniValide->setObjectName(QStringLiteral("estrazioniValideLabel"));
    layout->addWidget(m_estrazioniValide);

    auto* scelte = new QGridLayout;
    m_ruota = new QComboBox(m_riquadroGrafico);
    m_ruota->setObjectName(QStringLiteral("ruotaComboBox"));
    for (int r = 0; r < CampioneStorico::SceltePossibili; ++r) {
        m_ruota->addItem(QString::fromUtf8(NomeSceltaRuota(r)));
    }
    m_dimensione = new QComboBox(m_riquadroGrafico);
    m_dimensione->setObjectName(QStringLiteral("dimensioneComboBox"));
    for (int d = 0; d < CampioneStorico::Dimensioni; ++d) {
        m_dimensione->addItem(QString::fromUtf8(NomeDimensione(d)));
    }
    ArchivioImpostazioni& store = stato().impostazioni;
    const std::int32_t ruota = IDE_Intero(store, ChiaveRidCondRuota, CampioneStorico::SceltaTutte, false);
    const std::int32_t dimensione = IDE_Intero(store, ChiaveRidCondDimensione, 0, false);
    m_ruota->setCurrentIndex(
        ruota >= 0 && ruota < CampioneStorico::SceltePossibili ? ruota : CampioneStorico::SceltaTutte);
    m_dimensione->setCurrentIndex(dimensione >= 0 && dimensione < CampioneStorico::Dimensioni ? dimensione
                                                                                              : 0);
    m_aggiorna = new QPushButton(QStringLiteral("Aggiorna"), m_riquadroGrafico);
    m_aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
    m_aggiorna->setAutoDefault(false);
    scelte->addWidget(new QLabel(QStringLiteral("Ruota:"), m_riquadroGrafico), 0, 0);
    scelte->addWidget(m_ruota, 0, 1);
    scelte->addWidget(new QLabel(QStringLiteral("Sviluppa estrazioni in:"), m_riquadroGrafico), 0, 2);
    scelte->addWidget(m_dimensione, 0, 3);
    scelte->setColumnStretch(4, 1);
    scelte->addWidget(m_aggiorna, 0, 5);
    layout->addLayout(scelte);
    disabilitaInEsecuzione(m_riquadroGrafico);

    const auto ricalcola = [this] {
        m_ricalcola = true;
        aggiornaGrafico();
    };
    connect(m_ruota, &QComboBox::currentIndexChanged, this, ricalcola);
    connect(m_dimensione, &QComboBox::currentIndexChanged, this, ricalcola);
    connect(m_aggiorna, &QPushButton::clicked, this, ricalcola);
    return m_riquadroGrafico;
}

void TRidCondizionata::aggiornaGrafico()
{
    if (m_inAggiornamento || m_grafico == nullptr) {
        return;
    }
    const InAggiornamento guardia(m_inAggiornamento);
    const Criterio criterio = criterioSelezionato();
    const DescrizioneCriterio& descrizione = Descrizione(criterio);
    m_riquadroGrafico->setTitle(QStringLiteral(" Statistiche sull'archivio storico, grafico: ") +
                                QString::fromUtf8(descrizione.didascalia) + QStringLiteral(" "));

    // What the pages allow now: the page of a set criterion, the grid read again, or the whole record.
    CondizioniRiduzione condizioni = m_attuale;
    const PagineCondizioni lette = pagine();
    if (criterio == Criterio::ErroriConsentiti) {
        if (!m_ricalcola && m_criterioGrafico == Criterio::ErroriConsentiti) {
            for (int e = 0; e < descrizione.valoriInsieme(); ++e) {
                condizioni.errori[static_cast<std::size_t>(e)] = lette.valore(criterio, e) ? 1 : 0;
            }
            RicoloraGrafico(criterio, m_datiGrafico, condizioni);
            mostraGrafico();
            return;
        }
        svuotaGrafico();
        if (!validaCondizioni()) {
            return;
        }
        condizioni = m_validate;
    } else if (descrizione.intervalli()) {
        svuotaGrafico();
        const EsitoIntervalli letti = LeggiIntervalli(lette.griglia(criterio), condizioni.lista(criterio));
        if (!letti.ok) {
            stato().messaggi.mostra(*letti.messaggio);
            m_griglie[Indice(criterio)]->setFocus();
            return;
        }
    } else {
        svuotaGrafico();
        for (int v = 0; v < descrizione.valoriInsieme(); ++v) {
            condizioni.insieme(criterio)[static_cast<std::size_t>(v)] = lette.valore(criterio, v) ? 1 : 0;
        }
    }

    QCoreApplication::processEvents();
    const CampioneStorico campione(stato().archivio, m_ruota->currentIndex(), m_dimensione->currentIndex());
    const std::vector<std::int64_t> istogramma = IstogrammaCriterio(criterio, condizioni, campione);
    QCoreApplication::processEvents();
    m_datiGrafico = CostruisciGrafico(criterio, istogramma, condizioni);
    m_criterioGrafico = criterio;
    if (criterio == Criterio::ErroriConsentiti) {
        m_ricalcola = false;
    }
    mostraGrafico();
}

void TRidCondizionata::mostraGrafico()
{
    std::vector<double> valori;
    std::vector<QColor> colori;
    QStringList etichette;
    for (const BarraGrafico& b : m_datiGrafico.barre) {
        // The bars stand as shares of the total: the same shape as the counts, and the label a user reads.
        valori.push_back(m_datiGrafico.percentuale(b));
        colori.push_back(b.ammessa ? Verde : Rosso);
        etichette << QString::number(b.valore);
    }
    m_grafico->setDati(std::move(valori));
    m_grafico->setEtichette(etichette);
    m_grafico->setColoriBarre(std::move(colori));
    m_grafico->setMostraValori(m_datiGrafico.conPercentuali);
    m_estrazioniValide->setText(QString::fromStdString(TestoEstrazioniValide(m_datiGrafico)));
}

void TRidCondizionata::svuotaGrafico()
{
    m_datiGrafico = GraficoCondizione{};
    m_criterioGrafico.reset();
    mostraGrafico();
}
