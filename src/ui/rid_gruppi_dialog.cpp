#include "ui/rid_gruppi_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "ui/analisi_filtro_dialog.h"
#include "ui/filtro_tasti.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor Verde(0, 170, 0);
const QColor Rosso(210, 0, 0);

void MostraGrafico(GraficoBarre& grafico, const std::vector<BarraFiltro>& barre)
{
    std::vector<double> valori;
    std::vector<QColor> colori;
    QStringList etichette;
    for (const BarraFiltro& b : barre) {
        valori.push_back(static_cast<double>(b.conteggio));
        colori.push_back(b.ammessa ? Verde : Rosso);
        etichette << QString::number(b.valore);
    }
    grafico.setDati(std::move(valori));
    grafico.setEtichette(etichette);
    grafico.setColoriBarre(std::move(colori));
}

GraficoBarre* NuovoGrafico(const QString& nome, QWidget* genitore)
{
    auto* grafico = new GraficoBarre(genitore);
    grafico->setObjectName(nome);
    grafico->setClic(GraficoBarre::Clic::Nessuno);
    grafico->setMinimumSize(220, 200);
    return grafico;
}

} // namespace

TRidFiltroGruppi::TRidFiltroGruppi(StatoApplicazione& stato, ServiziFinestre& servizi, MembroFiltro membro,
                                   QString topic, const QString& titolo, const QString& sceltaGrafico,
                                   QWidget* parent)
    : TRiduzioneDialog(stato, servizi, topic, titolo, parent, QStringLiteral("Applica riduzione")),
      m_membro(membro), m_topic(std::move(topic))
{
    auto* corpo = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(creaModo());
    m_gruppi = new QVBoxLayout;
    sinistra->addLayout(m_gruppi, 1);
    sinistra->addWidget(creaErrori());
    corpo->addLayout(sinistra);
    corpo->addWidget(creaGrafici(sceltaGrafico), 1);
    areaParametri()->addLayout(corpo, 1);

    auto* analisi = new QHBoxLayout;
    auto* analisiGiocate = new QPushButton(QStringLiteral("Analisi giocate"), this);
    analisiGiocate->setObjectName(QStringLiteral("analisiGiocatePushButton"));
    auto* analisiStorica = new QPushButton(QStringLiteral("Analisi storica"), this);
    analisiStorica->setObjectName(QStringLiteral("analisiStoricaPushButton"));
    for (QPushButton* p : {analisiGiocate, analisiStorica}) {
        p->setAutoDefault(false);
        analisi->addWidget(p);
        disabilitaInEsecuzione(p);
    }
    analisi->addStretch(1);
    areaParametri()->addLayout(analisi);
    connect(analisiGiocate, &QPushButton::clicked, this, &TRidFiltroGruppi::apriAnalisiGiocate);
    connect(analisiStorica, &QPushButton::clicked, this, &TRidFiltroGruppi::apriAnalisiStorica);

    mostraConteggio(QString::fromUtf8(messaggi_filtro::GiocateFinali));
}

QWidget* TRidFiltroGruppi::creaModo()
{
    auto* gruppo = new QGroupBox(this);
    gruppo->setObjectName(QStringLiteral("modoGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    m_pronostico = new QRadioButton(QStringLiteral("Applica riduzione al pronostico"), gruppo);
    m_pronostico->setObjectName(QStringLiteral("pronosticoRadioButton"));
    m_giocate = new QRadioButton(gruppo);
    m_giocate->setObjectName(QStringLiteral("giocateRadioButton"));
    m_consideraFisse = new QCheckBox(QStringLiteral("Considera Fisse"), gruppo);
    m_consideraFisse->setObjectName(QStringLiteral("consideraFisseCheckBox"));
    const bool conFisse = stato().sistema.numeroFisse > 0;
    m_consideraFisse->setEnabled(conFisse);
    m_consideraFisse->setChecked(conFisse);
    layout->addWidget(m_pronostico);
    layout->addWidget(m_giocate);
    layout->addWidget(m_consideraFisse);
    disabilitaInEsecuzione(gruppo);
    aggiornaModo();
    return gruppo;
}

void TRidFiltroGruppi::aggiornaModo()
{
    const std::int32_t n = stato().giocate.conteggio();
    m_giocate->setText(QStringLiteral("Applica riduzione alle ") + QString::number(n) +
                       QStringLiteral(" giocate attuali"));
    m_giocate->setEnabled(n > 0);
    // After a run that changed nothing the user's choice stays; a changed list chooses again.
    if (n != m_conteggioModo || (n == 0 && m_giocate->isChecked())) {
        (n > 0 ? m_giocate : m_pronostico)->setChecked(true);
        m_conteggioModo = n;
    }
}

ModoFiltro TRidFiltroGruppi::modo() const
{
    return m_giocate->isChecked() ? ModoFiltro::Giocate : ModoFiltro::Pronostico;
}

QWidget* TRidFiltroGruppi::creaErrori()
{
    auto* riquadro = new QWidget(this);
    auto* layout = new QHBoxLayout(riquadro);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(QStringLiteral("Numero massimo di errori consentiti:"), riquadro);
    auto* meno = new QToolButton(riquadro);
    meno->setObjectName(QStringLiteral("erroriMenoToolButton"));
    meno->setArrowType(Qt::LeftArrow);
    m_errori = new QLineEdit(QStringLiteral("0"), riquadro);
    m_errori->setObjectName(QStringLiteral("erroriLineEdit"));
    m_errori->setFixedWidth(48);
    m_errori->setAlignment(Qt::AlignCenter);
    m_errori->installEventFilter(FiltroTasti::Cifre(false, m_errori));
    etichetta->setBuddy(m_errori);
    auto* piu = new QToolButton(riquadro);
    piu->setObjectName(QStringLiteral("erroriPiuToolButton"));
    piu->setArrowType(Qt::RightArrow);
    layout->addWidget(etichetta);
    layout->addWidget(meno);
    layout->addWidget(m_errori);
    layout->addWidget(piu);
    layout->addStretch(1);
    disabilitaInEsecuzione(riquadro);
    connect(meno, &QToolButton::clicked, this, [this] { cambiaErrori(-1); });
    connect(piu, &QToolButton::clicked, this, [this] { cambiaErrori(1); });
    return riquadro;
}

void TRidFiltroGruppi::limitaErrori(int massimo, int caratteri)
{
    m_erroriMassimo = massimo;
    m_errori->setMaxLength(caratteri > 0 ? caratteri : 9);
}

void TRidFiltroGruppi::mostraErrori(std::int32_t errori)
{
    m_errori->setText(QString::number(errori));
}

void TRidFiltroGruppi::cambiaErrori(int passo)
{
    bool letto = false;
    int errori = m_errori->text().trimmed().toInt(&letto);
    errori = std::max(0, (letto ? errori : 0) + passo);
    if (m_erroriMassimo >= 0) {
        errori = std::min(errori, m_erroriMassimo);
    }
    mostraErrori(errori);
}

QWidget* TRidFiltroGruppi::creaGrafici(const QString& sceltaGrafico)
{
    auto* riquadro = new QGroupBox(QStringLiteral(" Grafici "), this);
    riquadro->setObjectName(QStringLiteral("graficiGroupBox"));
    auto* layout = new QVBoxLayout(riquadro);
    auto* scelta = new QHBoxLayout;
    auto* etichetta = new QLabel(sceltaGrafico, riquadro);
    m_sceltaGrafico = new QComboBox(riquadro);
    m_sceltaGrafico->setObjectName(QStringLiteral("sceltaGraficoComboBox"));
    m_sceltaGrafico->setMinimumContentsLength(3);
    etichetta->setBuddy(m_sceltaGrafico);
    auto* aggiorna = new QPushButton(QStringLiteral("Aggiorna"), riquadro);
    aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
    aggiorna->setAutoDefault(false);
    scelta->addWidget(etichetta);
    scelta->addWidget(m_sceltaGrafico);
    scelta->addStretch(1);
    scelta->addWidget(aggiorna);
    layout->addLayout(scelta);

    auto* grafici = new QGridLayout;
    grafici->addWidget(new QLabel(QStringLiteral("Giocate"), riquadro), 0, 0);
    grafici->addWidget(new QLabel(QStringLiteral("Archivio storico"), riquadro), 0, 1);
    m_graficoGiocate = NuovoGrafico(QStringLiteral("graficoGiocate"), riquadro);
    m_graficoArchivio = NuovoGrafico(QStringLiteral("graficoArchivio"), riquadro);
    grafici->addWidget(m_graficoGiocate, 1, 0);
    grafici->addWidget(m_graficoArchivio, 1, 1);
    m_giocateValide = new QLabel(QString::fromStdString(m_datiGiocate.testo(GiocateValideGrafico)), riquadro);
    m_giocateValide->setObjectName(QStringLiteral("giocateValideLabel"));
    m_estrazioniValide =
        new QLabel(QString::fromStdString(m_datiArchivio.testo(EstrazioniValideGrafico)), riquadro);
    m_estrazioniValide->setObjectName(QStringLiteral("estrazioniValideLabel"));
    grafici->addWidget(m_giocateValide, 2, 0);
    grafici->addWidget(m_estrazioniValide, 2, 1);
    grafici->setRowStretch(1, 1);
    layout->addLayout(grafici, 1);
    disabilitaInEsecuzione(m_sceltaGrafico);
    disabilitaInEsecuzione(aggiorna);
    connect(aggiorna, &QPushButton::clicked, this, &TRidFiltroGruppi::aggiornaGrafici);
    return riquadro;
}

void TRidFiltroGruppi::ricostruisciSceltaGrafico()
{
    const int scelto = m_sceltaGrafico->currentIndex();
    const int n = gruppiGrafico();
    m_sceltaGrafico->clear();
    for (int g = 1; g <= n; ++g) {
        m_sceltaGrafico->addItem(QString::number(g));
    }
    m_sceltaGrafico->setCurrentIndex(scelto >= 0 && scelto < n ? scelto : (n > 0 ? 0 : -1));
}

void TRidFiltroGruppi::mostraRifiuto(const Messaggio& messaggio, QWidget* focus)
{
    stato().messaggi.mostra(messaggio);
    if (focus != nullptr) {
        focus->setFocus();
    }
}

bool TRidFiltroGruppi::accetta()
{
    if (!accettaImpostazioni()) {
        return false;
    }
    ricostruisciSceltaGrafico();
    return true;
}

void TRidFiltroGruppi::aggiornaGrafici()
{
    if (inEsecuzione() || !accetta()) {
        return;
    }
    const int g = m_sceltaGrafico->currentIndex();
    if (g < 0) {
        return;
    }
    const auto [gruppo, ammessi] = gruppoGrafico(g);
    GraficoFiltro giocate;
    GraficoFiltro archivio;
    const ModoFiltro scelto = modo();
    const bool completati = calcolaInEsecuzione([&](ControlloEsecuzione& controllo) {
        return GraficoGiocateGruppo(stato().sistema, stato().giocate, scelto, gruppo, ammessi, giocate,
                                    controllo) &&
               GraficoArchivioGruppo(stato().archivio, gruppo, ammessi, archivio, controllo);
    });
    if (!completati) {
        return;
    }
    m_datiGiocate = giocate;
    m_datiArchivio = archivio;
    mostraGrafici();
}

void TRidFiltroGruppi::mostraGrafici()
{
    MostraGrafico(*m_graficoGiocate, BarreGiocate(m_datiGiocate));
    MostraGrafico(*m_graficoArchivio,
                  m_datiArchivio.calcolato ? m_datiArchivio.barre(5) : std::vector<BarraFiltro>{});
    m_giocateValide->setText(QString::fromStdString(m_datiGiocate.testo(GiocateValideGrafico)));
    m_estrazioniValide->setText(QString::fromStdString(m_datiArchivio.testo(EstrazioniValideGrafico)));
}

FiltroRiduzione TRidFiltroGruppi::filtro()
{
    return FiltroRiduzione::DelSistema(m_membro, stato().sistema, stato().archivio);
}

EsitoRiduzione TRidFiltroGruppi::esegui(ControlloEsecuzione& controllo)
{
    EsitoRiduzione esito = RiduzioneFiltro(stato().sistema, stato().giocate, filtro(), modo(),
                                           consideraFisse(m_consideraFisse), controllo);
    if (!esito.confermata()) {
        aggiornaModo();
    }
    return esito;
}

void TRidFiltroGruppi::apriAnalisiGiocate()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroGiocate finestra(stato(), servizi(), filtro(), modo(), consideraFisse(m_consideraFisse),
                                   m_topic, this);
    servizi().esegui(finestra);
}

void TRidFiltroGruppi::apriAnalisiStorica()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroStorica finestra(stato(), servizi(), filtro(), m_topic, this);
    servizi().esegui(finestra);
}

namespace {

struct Famiglia
{
    MembroFiltro membro;
    const char* titolo;
    const char* topic;
    const char* scelta;
};

Famiglia Descrizione(FamigliaGruppi famiglia)
{
    switch (famiglia) {
    case FamigliaGruppi::Cadenze:
        return {MembroFiltro::Cadenze, "Riduzione in base alle cadenze", "mdr_cadenze.htm",
                "Grafici cadenza Nº"};
    case FamigliaGruppi::Figure:
        return {MembroFiltro::Figure, "Riduzione in base alle figure", "mdr_figure.htm", "Grafici figura Nº"};
    case FamigliaGruppi::Decine:
        break;
    }
    return {MembroFiltro::Decine, "Riduzione in base alle decine naturali", "mdr_decine.htm",
            "Grafici decina Nº"};
}

constexpr int Quantita = 11; // counts 0..10

} // namespace

TRidGruppiFissi::TRidGruppiFissi(StatoApplicazione& stato, ServiziFinestre& servizi, FamigliaGruppi famiglia,
                                 QWidget* parent)
    : TRidFiltroGruppi(stato, servizi, Descrizione(famiglia).membro,
                       QString::fromLatin1(Descrizione(famiglia).topic),
                       QString::fromUtf8(Descrizione(famiglia).titolo),
                       QString::fromUtf8(Descrizione(famiglia).scelta), parent),
      m_famiglia(famiglia)
{
    const GruppiFissi record = GruppiDelSistema(stato.sistema, famiglia);
    auto* riquadro = new QGroupBox(this);
    riquadro->setObjectName(QStringLiteral("gruppiGroupBox"));
    auto* griglia = new QGridLayout(riquadro);
    griglia->setHorizontalSpacing(1);
    griglia->setVerticalSpacing(1);
    auto* presenze = new QLabel(QStringLiteral("Presenze consentite"), riquadro);
    presenze->setAlignment(Qt::AlignCenter);
    griglia->addWidget(presenze, 0, 1, 1, Quantita);
    for (int q = 0; q < Quantita; ++q) {
        auto* titolo = new QLabel(QString::number(q), riquadro);
        titolo->setAlignment(Qt::AlignCenter);
        griglia->addWidget(titolo, 1, q + 1);
    }
    for (int g = 0; g < record.gruppi(); ++g) {
        const auto gi = static_cast<std::size_t>(g);
        auto* casella =
            new QCheckBox(QString::fromStdString(TestoMaschera(NumeriGruppo(famiglia, g + 1))), riquadro);
        casella->setObjectName(QStringLiteral("gruppo%1CheckBox").arg(g + 1));
        m_inUso[gi] = casella;
        griglia->addWidget(casella, g + 2, 0);
        griglia->setColumnMinimumWidth(0, casella->sizeHint().width() + 8);
        for (int q = 0; q < Quantita; ++q) {
            auto* cella = new QPushButton(QString::number(q), riquadro);
            cella->setObjectName(QStringLiteral("presenza%1_%2PushButton").arg(g + 1).arg(q));
            cella->setCheckable(true);
            cella->setAutoDefault(false);
            cella->setFocusPolicy(Qt::NoFocus);
            cella->setFixedSize(24, 22);
            cella->setStyleSheet(
                QStringLiteral("QPushButton { background: white; border: 1px solid #a0a0a0; }"
                               "QPushButton:checked { background: #2060c0; color: white; }"));
            m_presenze[gi][static_cast<std::size_t>(q)] = cella;
            griglia->addWidget(cella, g + 2, q + 1);
            connect(cella, &QPushButton::toggled, this,
                    [this, g](bool accesa) { presenzaCambiata(g, accesa); });
        }
    }
    griglia->setRowStretch(record.gruppi() + 2, 1);
    areaGruppi()->addWidget(riquadro, 1);
    disabilitaInEsecuzione(riquadro);

    limitaErrori(record.gruppi() - 1, 1);
    mostraRecord(record);
    ricostruisciSceltaGrafico();
    resize(1040, 560);
}

void TRidGruppiFissi::mostraRecord(const GruppiFissi& record)
{
    for (std::size_t g = 0; g < static_cast<std::size_t>(record.gruppi()); ++g) {
        m_inUso[g]->setChecked(record.inUso[g]);
        for (std::size_t q = 0; q < Quantita; ++q) {
            const QSignalBlocker blocco(m_presenze[g][q]);
            m_presenze[g][q]->setChecked(((record.ammesse[g] >> q) & 1U) != 0);
        }
    }
    mostraErrori(record.massimoErrori);
}

void TRidGruppiFissi::presenzaCambiata(int gruppo, bool accesa)
{
    const auto& riga = m_presenze[static_cast<std::size_t>(gruppo)];
    if (accesa ||
        std::any_of(riga.begin(), riga.end(), [](const QPushButton* p) { return p->isChecked(); })) {
        return;
    }
    // A group always allows some count: with the last one gone, 0 comes back.
    const QSignalBlocker blocco(riga.front());
    riga.front()->setChecked(true);
}

bool TRidGruppiFissi::accettaImpostazioni()
{
    std::array<bool, 10> inUso{};
    std::array<std::uint16_t, 10> ammesse{};
    const int gruppi = gruppiGrafico();
    for (std::size_t g = 0; g < static_cast<std::size_t>(gruppi); ++g) {
        inUso[g] = m_inUso[g]->isChecked();
        for (std::size_t q = 0; q < Quantita; ++q) {
            if (m_presenze[g][q]->isChecked()) {
                ammesse[g] = static_cast<std::uint16_t>(ammesse[g] | (1U << q));
            }
        }
    }
    const EsitoAccettazione<GruppiFissi> esito =
        AccettaGruppi(m_famiglia, campoErrori()->text().toStdString(), inUso, ammesse);
    if (!esito.ok()) {
        mostraRifiuto(*esito.messaggio, esito.focus == FocusAccettazione::Errori
                                            ? static_cast<QWidget*>(campoErrori())
                                            : m_inUso[0]);
        return false;
    }
    Sistema& sistema = stato().sistema;
    ImpostaGruppi(sistema, *esito.record);
    const std::string& cartella = stato().cartelle.dati;
    bool scritto = false;
    switch (m_famiglia) {
    case FamigliaGruppi::Cadenze:
        scritto = ScriviCadenze(cartella, sistema.riduzioni.cadenze);
        break;
    case FamigliaGruppi::Figure:
        scritto = ScriviFigure(cartella, sistema.riduzioni.figure);
        break;
    case FamigliaGruppi::Decine:
        scritto = ScriviDecine(cartella, sistema.riduzioni.decine);
        break;
    }
    if (!scritto) {
        // The settings stand for this session; the user learns that they were not saved.
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    mostraRecord(*esito.record);
    return true;
}

int TRidGruppiFissi::gruppiGrafico() const
{
    return m_famiglia == FamigliaGruppi::Cadenze ? 10 : 9;
}

std::pair<Maschera90, std::uint16_t> TRidGruppiFissi::gruppoGrafico(int g)
{
    const GruppiFissi record = GruppiDelSistema(stato().sistema, m_famiglia);
    return {NumeriGruppo(m_famiglia, g + 1), record.ammesse[static_cast<std::size_t>(g)]};
}
