#include "ui/rid_probabilistiche_dialog.h"

#include "core/impostazioni.h"
#include "core/testo.h"
#include "editor/probabilita_personalizzate.h"
#include "editor/stato_applicazione.h"
#include "reductions/analisi_riduzione.h"
#include "ui/analisi_probabilistiche_dialog.h"
#include "ui/cursore_occupato.h"
#include "ui/delegato_tasti.h"
#include "ui/elenchi_numerati.h"
#include "ui/filtro_tasti.h"
#include "ui/gruppo_modo_filtro.h"
#include "ui/impo_probabilita_dialog.h"
#include "ui/servizi_finestre.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColonnaMinimo = 1;
constexpr int ColonnaMassimo = 2;

struct DescrizioneMembro
{
    const char* titolo;
    const char* topic;
    const char* gruppoNumeri;
    const char* gruppoIntervalli;
    const char* colonnaMinimo;
    const char* colonnaMassimo;
    const char* colonnaGrezzi;
    std::array<const char*, 3> criteri;
};

DescrizioneMembro Descrivi(MembroProbabilistico membro)
{
    const std::array<const char*, 3> ritardi{"Assegna maggiore probabilità ai numeri più ritardatari",
                                             "Assegna maggiore probabilità ai numeri meno ritardatari",
                                             "Assegna maggiore probabilità ai numeri con ritardi medi"};
    const std::array<const char*, 3> frequenze{"Assegna maggiore probabilità ai numeri meno frequenti",
                                               "Assegna maggiore probabilità ai numeri più frequenti",
                                               "Assegna maggiore probabilità ai numeri con frequenze medie"};
    const char* gruppo = " Intervalli di probabilità consentiti ";
    switch (membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        return {"Riduzione probabilistica in base ai ritardi",
                "mdr_probarit.htm",
                " Probabilità ",
                gruppo,
                " Probabilità minima",
                " Probabilità massima",
                "Ritardo",
                ritardi};
    case MembroProbabilistico::ProbabilitaFrequenze:
        return {"Riduzione probabilistica in base alle frequenze",
                "mdr_probafreq.htm",
                " Probabilità ",
                gruppo,
                " Probabilità minima",
                " Probabilità massima",
                "Frequenza",
                frequenze};
    case MembroProbabilistico::ProbabilitaPersonali:
        return {"Riduzione in base a probabilità personalizzate",
                "mdr_probaper.htm",
                " Probabilità ",
                gruppo,
                " Probabilità minima",
                " Probabilità massima",
                "",
                {}};
    case MembroProbabilistico::Frequenze:
        return {"Riduzione in base alle frequenze",
                "mdr_freq.htm",
                " Frequenze ",
                " Intervalli di frequenza media consentiti ",
                " Frequenza minima",
                " Frequenza massima",
                "Frequenza",
                {}};
    case MembroProbabilistico::Ritardi:
        break;
    }
    return {"Riduzione in base ai ritardi",
            "mdr_rit.htm",
            " Ritardi ",
            " Intervalli di ritardo medio consentiti ",
            " Ritardo minimo",
            " Ritardo massimo",
            "Ritardo",
            {}};
}

QString U(const char* testo)
{
    return QString::fromUtf8(testo);
}

// Interval and score cells: digits, "." and backspace; a typed comma becomes ".".
DelegatoTasti* DelegatoDecimali(QObject* genitore)
{
    return new DelegatoTasti([](QLineEdit* riga, int) { riga->installEventFilter(FiltroTasti::Punto(riga)); },
                             genitore);
}

// A cell that sorts by the number it stands for, not by its text.
class VoceNumerica final : public QTableWidgetItem
{
public:
    VoceNumerica(const QString& testo, double valore) : QTableWidgetItem(testo)
    {
        setData(Qt::UserRole, valore);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& altra) const override
    {
        return data(Qt::UserRole).toDouble() < altra.data(Qt::UserRole).toDouble();
    }
};

QString Cella(const QTableWidget* tabella, int riga, int colonna)
{
    const QTableWidgetItem* voce = tabella->item(riga, colonna);
    return voce != nullptr ? voce->text() : QString();
}

// Three decimals, trailing "00" shortened as the percentages are.
QString TestoPunteggio(double valore)
{
    std::string testo = testo::Fisso(valore, 3);
    while (testo.size() >= 2 && testo.compare(testo.size() - 2, 2, "00") == 0) {
        testo.pop_back();
    }
    return QString::fromStdString(testo);
}

} // namespace

TRidProbabilistica::TRidProbabilistica(StatoApplicazione& stato, ServiziFinestre& servizi,
                                       MembroProbabilistico membro, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, U(Descrivi(membro).topic), U(Descrivi(membro).titolo), parent,
                       QStringLiteral("Applica riduzione")),
      m_impostazioni(ImpostazioniProbabilistiche::DalRecord(membro, stato.sistema.riduzioni))
{
    auto* corpo = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    m_modo = new GruppoModoFiltro(Qt::Vertical, stato, this);
    disabilitaInEsecuzione(m_modo);
    connect(m_modo, &GruppoModoFiltro::modoCambiato, this, &TRidProbabilistica::mostraNumeri);
    sinistra->addWidget(m_modo);
    sinistra->addWidget(creaIntervalli(), 1);
    corpo->addLayout(sinistra);
    corpo->addWidget(creaNumeri(), 1);
    areaParametri()->addLayout(corpo, 1);

    const PulsantiAnalisi analisi = aggiungiPulsantiAnalisi();
    connect(analisi.giocate, &QPushButton::clicked, this, &TRidProbabilistica::apriAnalisiGiocate);
    connect(analisi.storica, &QPushButton::clicked, this, &TRidProbabilistica::apriAnalisiStorica);
    mostraConteggio(U(messaggi_filtro::GiocateFinali));

    if (m_impostazioni.corretto) {
        stato.messaggi.mostra(Avviso(messaggi_probabilistiche::ImpostazioniCorrette));
        m_impostazioni.corretto = false;
    }
    CompletaCache(m_impostazioni, stato.archivio, stato.sistema.ruote);
    m_impostazioni.scriviIn(stato.sistema.riduzioni);
    mostraIntervalli();
    mostraNumeri();
    resize(membro == MembroProbabilistico::ProbabilitaPersonali ? 980 : 900, 560);
}

QString TRidProbabilistica::topic() const
{
    return U(Descrivi(membro()).topic);
}

ModoFiltro TRidProbabilistica::modo() const
{
    return m_modo->modo();
}

QWidget* TRidProbabilistica::creaIntervalli()
{
    const DescrizioneMembro d = Descrivi(membro());
    auto* riquadro = new QGroupBox(U(d.gruppoIntervalli), this);
    riquadro->setObjectName(QStringLiteral("intervalliGroupBox"));
    auto* layout = new QVBoxLayout(riquadro);
    m_intervalli = new QTableWidget(0, 3, riquadro);
    m_intervalli->setObjectName(QStringLiteral("intervalliTableWidget"));
    m_intervalli->setHorizontalHeaderLabels({U("  Nº"), U(d.colonnaMinimo), U(d.colonnaMassimo)});
    m_intervalli->verticalHeader()->hide();
    m_intervalli->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_intervalli->horizontalHeader()->setSectionResizeMode(ColonnaMinimo, QHeaderView::Stretch);
    m_intervalli->horizontalHeader()->setSectionResizeMode(ColonnaMassimo, QHeaderView::Stretch);
    m_intervalli->setItemDelegate(DelegatoDecimali(m_intervalli));
    m_intervalli->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_intervalli->setSelectionMode(QAbstractItemView::SingleSelection);
    m_intervalli->setMinimumSize(320, 160);
    m_intervalli->verticalHeader()->setDefaultSectionSize(m_intervalli->fontMetrics().height() + 8);
    layout->addWidget(m_intervalli, 1);
    auto* azzera = new QPushButton(QStringLiteral("Azzera"), riquadro);
    azzera->setObjectName(QStringLiteral("azzeraPushButton"));
    azzera->setAutoDefault(false);
    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(azzera);
    layout->addLayout(riga);
    disabilitaInEsecuzione(riquadro);
    connect(azzera, &QPushButton::clicked, this, &TRidProbabilistica::azzeraIntervalli);
    SeguiRigheNumerate(m_intervalli);
    return riquadro;
}

QWidget* TRidProbabilistica::creaNumeri()
{
    const DescrizioneMembro d = Descrivi(membro());
    auto* riquadro = new QGroupBox(U(d.gruppoNumeri), this);
    riquadro->setObjectName(QStringLiteral("numeriGroupBox"));
    auto* layout = new QVBoxLayout(riquadro);
    if (membro() == MembroProbabilistico::ProbabilitaRitardi ||
        membro() == MembroProbabilistico::ProbabilitaFrequenze) {
        for (std::size_t c = 0; c < m_criteri.size(); ++c) {
            m_criteri[c] = new QRadioButton(U(d.criteri[c]), riquadro);
            m_criteri[c]->setObjectName(QStringLiteral("criterio%1RadioButton").arg(c));
            layout->addWidget(m_criteri[c]);
            connect(m_criteri[c], &QRadioButton::clicked, this,
                    [this, c] { criterioScelto(static_cast<int>(c)); });
        }
        m_criteri[static_cast<std::size_t>(std::clamp(m_impostazioni.criterio, 0, 2))]->setChecked(true);
    }
    if (MembroDiFrequenze(membro())) {
        auto* riga = new QHBoxLayout;
        auto* etichetta = new QLabel(
            QStringLiteral("Nº di estrazioni da utilizzare per calcolare le frequenze:"), riquadro);
        m_estrazioni = new QLineEdit(QString::number(m_impostazioni.estrazioni), riquadro);
        m_estrazioni->setObjectName(QStringLiteral("estrazioniLineEdit"));
        m_estrazioni->setMaxLength(6);
        m_estrazioni->setFixedWidth(70);
        m_estrazioni->installEventFilter(FiltroTasti::Cifre(false, m_estrazioni));
        etichetta->setBuddy(m_estrazioni);
        riga->addWidget(etichetta);
        riga->addWidget(m_estrazioni);
        riga->addStretch(1);
        layout->addLayout(riga);
    }
    const bool personali = membro() == MembroProbabilistico::ProbabilitaPersonali;
    QStringList colonne;
    if (personali) {
        colonne = {QStringLiteral("Numeri"), QStringLiteral("Ritardi"), QStringLiteral("Frequenze"),
                   U("Probabilità (%)")};
    } else if (MembroInScala(membro())) {
        colonne = {QStringLiteral("Numero"), U(d.colonnaGrezzi), U("Probabilità (%)")};
    } else {
        colonne = {QStringLiteral("Numero"), U(d.colonnaGrezzi)};
    }
    m_numeri = new QTableWidget(90, static_cast<int>(colonne.size()), riquadro);
    m_numeri->setObjectName(QStringLiteral("numeriTableWidget"));
    m_numeri->setHorizontalHeaderLabels(colonne);
    m_numeri->verticalHeader()->hide();
    m_numeri->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_numeri->setSelectionMode(QAbstractItemView::SingleSelection);
    m_numeri->setEditTriggers(personali ? QAbstractItemView::AllEditTriggers
                                        : QAbstractItemView::NoEditTriggers);
    if (personali) {
        m_numeri->setItemDelegateForColumn(3, DelegatoDecimali(m_numeri));
    }
    m_numeri->setMinimumWidth(personali ? 420 : 340);
    m_numeri->verticalHeader()->setDefaultSectionSize(m_numeri->fontMetrics().height() + 6);
    connect(m_numeri->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TRidProbabilistica::ordinaNumeri);
    layout->addWidget(m_numeri, 1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    if (personali) {
        const std::array<std::pair<const char*, void (TRidProbabilistica::*)()>, 3> voci{{
            {"Ripristina predefinite", &TRidProbabilistica::ripristinaPredefinite},
            {"Imposta come predefinite", &TRidProbabilistica::impostaPredefinite},
            {"Suggerisci probabilità", &TRidProbabilistica::suggerisci},
        }};
        for (const auto& [testo, azione] : voci) {
            auto* p = new QPushButton(U(testo), riquadro);
            p->setAutoDefault(false);
            pulsanti->addWidget(p);
            connect(p, &QPushButton::clicked, this, azione);
        }
    }
    if (membro() != MembroProbabilistico::ProbabilitaRitardi && !personali) {
        auto* aggiorna = new QPushButton(QStringLiteral("Aggiorna"), riquadro);
        aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
        aggiorna->setAutoDefault(false);
        pulsanti->addWidget(aggiorna);
        connect(aggiorna, &QPushButton::clicked, this, &TRidProbabilistica::aggiorna);
    }
    layout->addLayout(pulsanti);
    disabilitaInEsecuzione(riquadro);
    return riquadro;
}

void TRidProbabilistica::mostraIntervalli()
{
    {
        const QSignalBlocker blocco(m_intervalli);
        m_intervalli->setRowCount(0);
        const FileIntervalli& iv = m_impostazioni.intervalli;
        for (std::int32_t j = 0; j < iv.numero; ++j) {
            const auto u = static_cast<std::size_t>(j);
            m_intervalli->insertRow(j);
            m_intervalli->setItem(
                j, ColonnaMinimo,
                new QTableWidgetItem(QString::fromStdString(FormatoPercentuale(iv.minimi[u]))));
            m_intervalli->setItem(
                j, ColonnaMassimo,
                new QTableWidgetItem(QString::fromStdString(FormatoPercentuale(iv.massimi[u]))));
        }
    }
    SistemaRigheNumerate(m_intervalli, -1);
}

void TRidProbabilistica::azzeraIntervalli()
{
    if (!conferma("Eliminare tutti gli intervalli ?")) {
        return;
    }
    // The block loses its intervals; the interval file keeps the last accepted ones.
    m_impostazioni.intervalli.numero = 0;
    m_impostazioni.scriviIn(stato().sistema.riduzioni);
    mostraIntervalli();
}

void TRidProbabilistica::mostraNumeri()
{
    if (m_numeri == nullptr) {
        return;
    }
    const bool personali = membro() == MembroProbabilistico::ProbabilitaPersonali;
    const std::array<double, 90> valori = ValoriNumeri(m_impostazioni);
    std::array<std::int32_t, 90> ritardi{};
    std::array<std::int32_t, 90> frequenze{};
    if (personali) {
        ritardi = RitardiSelezionati(stato().archivio, stato().sistema.ruote);
        frequenze = FrequenzeUltime(stato().archivio, stato().sistema.ruote, 100);
    }
    const bool grigi = personali && modo() == ModoFiltro::Pronostico;
    const QSignalBlocker blocco(m_numeri);
    m_numeri->setSortingEnabled(false);
    for (int r = 0; r < 90; ++r) {
        const auto n = static_cast<std::size_t>(r);
        std::vector<QTableWidgetItem*> voci;
        voci.push_back(new VoceNumerica(QString::number(r + 1), r + 1));
        if (personali) {
            voci.push_back(new VoceNumerica(QString::number(ritardi[n]), ritardi[n]));
            voci.push_back(new VoceNumerica(QString::number(frequenze[n]), frequenze[n]));
            voci.push_back(new VoceNumerica(TestoPunteggio(valori[n]), valori[n]));
        } else {
            voci.push_back(
                new VoceNumerica(QString::number(m_impostazioni.cache[n]), m_impostazioni.cache[n]));
            if (MembroInScala(membro())) {
                voci.push_back(new VoceNumerica(TestoPunteggio(valori[n]), valori[n]));
            }
        }
        const bool fuori = grigi && stato().sistema.pronostico[n] == 0;
        for (std::size_t c = 0; c < voci.size(); ++c) {
            if (!personali || c + 1 < voci.size()) {
                voci[c]->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            if (fuori) {
                voci[c]->setForeground(QColor(150, 150, 150));
            }
            m_numeri->setItem(r, static_cast<int>(c), voci[c]);
        }
    }
    // By score (the raw value for the raw members) ascending; the custom list stays in number order.
    if (!personali) {
        m_numeri->sortItems(m_numeri->columnCount() - 1, Qt::AscendingOrder);
    }
    m_discendente.fill(true);
}

void TRidProbabilistica::ordinaNumeri(int colonna)
{
    if (colonna < 0 || static_cast<std::size_t>(colonna) >= m_discendente.size()) {
        return;
    }
    auto& discendente = m_discendente[static_cast<std::size_t>(colonna)];
    m_numeri->sortItems(colonna, discendente ? Qt::DescendingOrder : Qt::AscendingOrder);
    discendente = !discendente;
}

void TRidProbabilistica::criterioScelto(int criterio)
{
    m_impostazioni.criterio = criterio;
    mostraNumeri();
}

bool TRidProbabilistica::accetta()
{
    ParametriProbabilistici parametri;
    parametri.criterio = m_impostazioni.criterio;
    for (int r = 0; r < m_intervalli->rowCount(); ++r) {
        parametri.righe.push_back({Cella(m_intervalli, r, ColonnaMinimo).toStdString(),
                                   Cella(m_intervalli, r, ColonnaMassimo).toStdString()});
    }
    if (m_estrazioni != nullptr) {
        parametri.estrazioni = m_estrazioni->text().trimmed().toStdString();
    }
    if (membro() == MembroProbabilistico::ProbabilitaPersonali) {
        // The cells in number order, whatever the list's order.
        parametri.personali.assign(90, std::string());
        for (int r = 0; r < 90; ++r) {
            const int n = m_numeri->item(r, 0)->data(Qt::UserRole).toInt();
            parametri.personali[static_cast<std::size_t>(n - 1)] = Cella(m_numeri, r, 3).toStdString();
        }
    }
    // The block on file is the one in memory until the acceptance succeeds.
    ImpostazioniProbabilistiche nuove =
        ImpostazioniProbabilistiche::DalRecord(membro(), stato().sistema.riduzioni);
    const EsitoProbabilistico esito = AccettaProbabilistiche(nuove, parametri, stato().archivio.conteggio());
    if (!esito.ok) {
        if (esito.fuoco == FuocoProbabilistico::Estrazioni) {
            nuove.scriviIn(stato().sistema.riduzioni); // the span becomes 100
            m_impostazioni.estrazioni = nuove.estrazioni;
            m_estrazioni->setText(QString::number(nuove.estrazioni));
        }
        stato().messaggi.mostra(*esito.messaggio);
        QWidget* focus = esito.fuoco == FuocoProbabilistico::Estrazioni ? static_cast<QWidget*>(m_estrazioni)
                         : esito.fuoco == FuocoProbabilistico::Punteggi ? static_cast<QWidget*>(m_numeri)
                                                                        : static_cast<QWidget*>(m_intervalli);
        if (focus != nullptr) {
            focus->setFocus();
        }
        return false;
    }
    CompletaCache(nuove, stato().archivio, stato().sistema.ruote);
    m_impostazioni = nuove;
    m_impostazioni.scriviIn(stato().sistema.riduzioni);
    if (!SalvaProbabilistiche(m_impostazioni, stato().cartelle.dati, stato().impostazioni)) {
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    mostraIntervalli();
    mostraNumeri();
    return true;
}

void TRidProbabilistica::aggiorna()
{
    if (!accetta()) {
        return;
    }
    m_impostazioni.cacheCalcolata = false;
    CompletaCache(m_impostazioni, stato().archivio, stato().sistema.ruote);
    m_impostazioni.scriviIn(stato().sistema.riduzioni);
    mostraNumeri();
}

EsitoRiduzione TRidProbabilistica::esegui(ControlloEsecuzione& controllo)
{
    const GiudizioProbabilistico giudizio(ValoriNumeri(m_impostazioni), m_impostazioni.intervalli);
    EsitoRiduzione esito = RiduzioneProbabilistica(stato().sistema, stato().giocate, giudizio, modo(),
                                                   consideraFisse(m_modo->casellaFisse()), controllo);
    if (!esito.confermata()) {
        m_modo->aggiorna(stato().giocate.conteggio());
    }
    return esito;
}

void TRidProbabilistica::apriAnalisiGiocate()
{
    if (!accetta()) {
        return;
    }
    if (MembroInScala(membro())) {
        TAnalisiRidProba finestra(stato(), servizi(), m_impostazioni, modo(),
                                  consideraFisse(m_modo->casellaFisse()), topic(), this);
        servizi().esegui(finestra);
        return;
    }
    TAnalisiRidFreRit finestra(stato(), servizi(), m_impostazioni, modo(),
                               consideraFisse(m_modo->casellaFisse()), topic(), this);
    servizi().esegui(finestra);
}

void TRidProbabilistica::apriAnalisiStorica()
{
    if (!accetta()) {
        return;
    }
    if (MembroDiRitardi(membro()) && stato().archivio.conteggio() < EstrazioniMinimeStoricaRitardi) {
        stato().messaggi.mostra(Avviso(messaggi_probabilistiche::PocheEstrazioni));
        return;
    }
    TAnalisiStoricaProbabilistica finestra(stato(), servizi(), m_impostazioni, topic(), this);
    servizi().esegui(finestra);
}

void TRidProbabilistica::ripristinaPredefinite()
{
    (void)RipristinaProbabilitaPredefinite(stato().cartelle.dati, stato().sistema.riduzioni,
                                           stato().messaggi);
    m_impostazioni.personali = ProbabilitaPersonalizzate(stato().sistema.riduzioni);
    mostraNumeri();
}

void TRidProbabilistica::impostaPredefinite()
{
    if (accetta()) {
        (void)ImpostaProbabilitaPredefinite(stato().cartelle.dati, stato().sistema.riduzioni,
                                            stato().messaggi);
    }
}

void TRidProbabilistica::suggerisci()
{
    TImpoProbabilita impostazioni(stato(), servizi(), {}, this);
    if (servizi().esegui(impostazioni) != QDialog::Accepted) {
        return;
    }
    {
        const CursoreOccupato occupato;
        stato().ricalcolaStatistiche();
    }
    const auto punteggi = PunteggiNumeri(stato().statistiche);
    std::copy(punteggi.begin(), punteggi.end(), m_impostazioni.personali.begin());
    PoniProbabilitaPersonalizzate(stato().sistema.riduzioni, m_impostazioni.personali);
    mostraNumeri();
}
