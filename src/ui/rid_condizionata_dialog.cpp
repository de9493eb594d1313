#include "ui/rid_condizionata_dialog.h"

#include "core/impostazioni.h"
#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/analisi_riduzione.h"
#include "reductions/rid_condizionata.h"
#include "ui/analisi_condizionata_dialog.h"
#include "ui/delegato_tasti.h"
#include "ui/elenchi_numerati.h"
#include "ui/filtro_tasti.h"
#include "ui/gruppo_modo_filtro.h"
#include "ui/servizi_finestre.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr const char* TopicGuida = "mdr_condizionata.htm";
constexpr int RigheMassime = ListaIntervalli::Massimo;

// The list row, the page and the object names of a criterion.
int Riga(Criterio criterio)
{
    return static_cast<int>(Indice(criterio));
}

QString TestoLimite(Criterio criterio, double valore)
{
    if (Descrizione(criterio).reale) {
        return QString::fromStdString(FormatoPercentuale(valore));
    }
    return QString::number(std::llround(valore));
}

} // namespace

TRidCondizionata::TRidCondizionata(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida),
                       QStringLiteral("Riduzione condizionata"), parent, QStringLiteral("Applica riduzione")),
      m_attuale(CondizioniDelSistema(stato.sistema))
{
    m_attuale.setAbilitato(Criterio::ErroriConsentiti, true);
    m_attuale.errori[Indice(Criterio::ErroriConsentiti)] = 0;

    auto* corpo = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    m_modo = new GruppoModoFiltro(Qt::Vertical, stato, this);
    disabilitaInEsecuzione(m_modo);
    sinistra->addWidget(m_modo);
    sinistra->addWidget(creaCriteri(), 1);
    corpo->addLayout(sinistra);

    auto* destra = new QVBoxLayout;
    m_riquadroPagina = new QGroupBox(this);
    m_riquadroPagina->setObjectName(QStringLiteral("paginaGroupBox"));
    auto* layoutPagina = new QVBoxLayout(m_riquadroPagina);
    m_pagine = new QStackedWidget(m_riquadroPagina);
    m_pagine->setObjectName(QStringLiteral("pagineStackedWidget"));
    for (Criterio c : VociCriteri) {
        m_pagine->addWidget(Descrizione(c).intervalli() ? creaPaginaIntervalli(c) : creaPaginaInsieme(c));
    }
    layoutPagina->addWidget(m_pagine);
    // The pages take what the interval grids need; the chart gets the rest.
    m_pagine->setFixedHeight(170);
    destra->addWidget(m_riquadroPagina);
    disabilitaInEsecuzione(m_riquadroPagina);
    destra->addWidget(creaGrafico(), 1);
    corpo->addLayout(destra, 1);
    areaParametri()->addLayout(corpo, 1);

    const PulsantiAnalisi analisi = aggiungiPulsantiAnalisi();
    connect(analisi.giocate, &QPushButton::clicked, this, &TRidCondizionata::apriAnalisiGiocate);
    connect(analisi.storica, &QPushButton::clicked, this, &TRidCondizionata::apriAnalisiStorica);

    mostraConteggio(QString::fromUtf8(messaggi_condizionata::GiocateFinali));

    const std::int32_t scelto = IDE_Intero(stato.impostazioni, ChiaveRidCondCriterio, 0, false);
    m_silenzioso = true;
    m_criteri->setCurrentRow(scelto >= 0 && scelto < VociCondizioni ? scelto : 0);
    m_silenzioso = false;
    mostraCriterio(criterioSelezionato());
    resize(1000, 700);
}

QWidget* TRidCondizionata::creaCriteri()
{
    auto* riquadro = new QWidget(this);
    auto* layout = new QVBoxLayout(riquadro);
    layout->setContentsMargins(0, 0, 0, 0);
    m_criteri = new QListWidget(riquadro);
    m_criteri->setObjectName(QStringLiteral("criteriListWidget"));
    for (Criterio c : VociCriteri) {
        auto* voce = new QListWidgetItem(QString::fromUtf8(Descrizione(c).didascalia), m_criteri);
        voce->setFlags(voce->flags() | Qt::ItemIsUserCheckable);
        voce->setCheckState(m_attuale.abilitato(c) ? Qt::Checked : Qt::Unchecked);
    }
    m_criteri->setMinimumWidth(m_criteri->sizeHintForColumn(0) + 40);
    layout->addWidget(m_criteri, 1);
    auto* pulsanti = new QHBoxLayout;
    auto* tutti = new QPushButton(QStringLiteral("Seleziona tutti"), riquadro);
    tutti->setObjectName(QStringLiteral("selezionaTuttiPushButton"));
    auto* nessuno = new QPushButton(QStringLiteral("Deseleziona tutti"), riquadro);
    nessuno->setObjectName(QStringLiteral("deselezionaTuttiPushButton"));
    for (QPushButton* p : {tutti, nessuno}) {
        p->setAutoDefault(false);
        pulsanti->addWidget(p);
    }
    layout->addLayout(pulsanti);
    disabilitaInEsecuzione(riquadro);
    connect(m_criteri, &QListWidget::currentRowChanged, this, &TRidCondizionata::criterioCambiato);
    connect(m_criteri, &QListWidget::itemChanged, this, &TRidCondizionata::spuntaCambiata);
    connect(tutti, &QPushButton::clicked, this, [this] { selezionaTutti(true); });
    connect(nessuno, &QPushButton::clicked, this, [this] { selezionaTutti(false); });
    return riquadro;
}

QWidget* TRidCondizionata::creaPaginaInsieme(Criterio criterio)
{
    const DescrizioneCriterio& descrizione = Descrizione(criterio);
    auto* pagina = new QWidget(this);
    pagina->setObjectName(QStringLiteral("pagina%1").arg(Riga(criterio)));
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(new QLabel(QString::fromUtf8(descrizione.etichetta), pagina));
    auto* riga = new QHBoxLayout;
    riga->setSpacing(1);
    auto& pulsanti = m_valori[Indice(criterio)];
    for (int v = 0; v < descrizione.valoriInsieme(); ++v) {
        auto* cella = new QPushButton(QString::number(v), pagina);
        cella->setObjectName(QStringLiteral("valore%1PushButton").arg(v));
        cella->setCheckable(true);
        cella->setAutoDefault(false);
        cella->setFixedSize(26, 24);
        cella->setChecked(m_attuale.ammesso(criterio, v));
        cella->setStyleSheet(QStringLiteral("QPushButton { background: white; border: 1px solid #a0a0a0; }"
                                            "QPushButton:checked { background: #2060c0; color: white; }"));
        connect(cella, &QPushButton::toggled, this,
                [this, criterio, v](bool acceso) { valoreCliccato(criterio, v, acceso); });
        riga->addWidget(cella);
        pulsanti.push_back(cella);
    }
    riga->addStretch(1);
    layout->addLayout(riga);
    layout->addStretch(1);
    return pagina;
}

QWidget* TRidCondizionata::creaPaginaIntervalli(Criterio criterio)
{
    auto* pagina = new QWidget(this);
    pagina->setObjectName(QStringLiteral("pagina%1").arg(Riga(criterio)));
    auto* layout = new QHBoxLayout(pagina);
    auto* griglia = new QTableWidget(0, 3, pagina);
    griglia->setObjectName(QStringLiteral("intervalliTableWidget"));
    const TitoliIntervalli titoli = TitoliColonne(Descrizione(criterio).grandezza);
    griglia->setHorizontalHeaderLabels(
        {QStringLiteral("Nº"), QString::fromUtf8(titoli.minimo), QString::fromUtf8(titoli.massimo)});
    griglia->verticalHeader()->hide();
    griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    griglia->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    griglia->setItemDelegate(new DelegatoTasti(
        [decimali = Descrizione(criterio).reale](QLineEdit* riga, int) {
            riga->setMaxLength(10);
            // The means take decimals typed with a point (a typed comma becomes one); the counts digits only.
            riga->installEventFilter(decimali ? FiltroTasti::Punto(riga) : FiltroTasti::Cifre(false, riga));
        },
        griglia));
    griglia->setEditTriggers(QAbstractItemView::AllEditTriggers);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->setMinimumHeight(120);
    m_griglie[Indice(criterio)] = griglia;
    layout->addWidget(griglia, 1);
    auto* azzera = new QPushButton(QStringLiteral("Azzera"), pagina);
    azzera->setObjectName(QStringLiteral("azzeraPushButton"));
    azzera->setAutoDefault(false);
    auto* colonna = new QVBoxLayout;
    colonna->addWidget(azzera);
    colonna->addStretch(1);
    layout->addLayout(colonna);
    riempiIntervalli(criterio);
    connect(azzera, &QPushButton::clicked, this, [this, criterio] { azzeraIntervalli(criterio); });
    SeguiRigheNumerate(griglia, RigheMassime);
    return pagina;
}

void TRidCondizionata::riempiIntervalli(Criterio criterio)
{
    QTableWidget* griglia = m_griglie[Indice(criterio)];
    const QSignalBlocker blocco(griglia);
    const ListaIntervalli& lista = m_attuale.lista(criterio);
    griglia->setRowCount(0);
    for (int i = 0; i < lista.usati(); ++i) {
        griglia->insertRow(i);
        griglia->setItem(
            i, 1, new QTableWidgetItem(TestoLimite(criterio, lista.minimi[static_cast<std::size_t>(i)])));
        griglia->setItem(
            i, 2, new QTableWidgetItem(TestoLimite(criterio, lista.massimi[static_cast<std::size_t>(i)])));
    }
    SistemaRigheNumerate(griglia, -1, RigheMassime);
}

void TRidCondizionata::azzeraIntervalli(Criterio criterio)
{
    if (!conferma("Eliminare tutti gli intervalli ?")) {
        return;
    }
    QTableWidget* griglia = m_griglie[Indice(criterio)];
    {
        const QSignalBlocker blocco(griglia);
        griglia->setRowCount(0);
    }
    SistemaRigheNumerate(griglia, -1, RigheMassime);
}

void TRidCondizionata::valoreCliccato(Criterio criterio, int valore, bool acceso)
{
    const auto& pulsanti = m_valori[Indice(criterio)];
    if (!acceso &&
        std::none_of(pulsanti.begin(), pulsanti.end(), [](QPushButton* p) { return p->isChecked(); })) {
        // No value left: 0 comes back (its toggle refreshes the chart).
        if (valore != 0) {
            pulsanti.front()->setChecked(true);
            return;
        }
        const QSignalBlocker blocco(pulsanti.front());
        pulsanti.front()->setChecked(true);
    }
    aggiornaGrafico();
}

Criterio TRidCondizionata::criterioSelezionato() const
{
    const int riga = m_criteri->currentRow();
    return CriterioDi(riga >= 0 ? riga : 0);
}

void TRidCondizionata::criterioCambiato(int riga)
{
    if (riga < 0) {
        return;
    }
    mostraCriterio(CriterioDi(riga));
    if (m_silenzioso) {
        return;
    }
    if (CriterioDi(riga) != Criterio::ErroriConsentiti) {
        m_ricalcola = true;
    }
    aggiornaGrafico();
}

void TRidCondizionata::mostraCriterio(Criterio criterio)
{
    m_pagine->setCurrentIndex(Riga(criterio));
    m_riquadroPagina->setTitle(QStringLiteral(" ") + QString::fromUtf8(Descrizione(criterio).didascalia) +
                               QStringLiteral(" "));
}

void TRidCondizionata::spuntaCambiata(QListWidgetItem* voce)
{
    if (m_criteri->row(voce) == Riga(Criterio::ErroriConsentiti) && voce->checkState() != Qt::Checked) {
        voce->setCheckState(Qt::Checked);
    }
}

void TRidCondizionata::selezionaTutti(bool tutti)
{
    for (Criterio c : VociCriteri) {
        m_criteri->item(Riga(c))->setCheckState(tutti || c == Criterio::ErroriConsentiti ? Qt::Checked
                                                                                         : Qt::Unchecked);
    }
}

PagineCondizioni TRidCondizionata::pagine() const
{
    PagineCondizioni p;
    for (Criterio c : VociCriteri) {
        const auto i = Indice(c);
        p.spunte[i] = m_criteri->item(Riga(c))->checkState() == Qt::Checked;
        for (std::size_t v = 0; v < m_valori[i].size(); ++v) {
            p.valori[i][v] = m_valori[i][v]->isChecked();
        }
        if (const QTableWidget* griglia = m_griglie[i]) {
            auto& righe = p.griglia(c);
            for (int r = 0; r < griglia->rowCount(); ++r) {
                const QTableWidgetItem* minimo = griglia->item(r, 1);
                const QTableWidgetItem* massimo = griglia->item(r, 2);
                righe.push_back({minimo ? minimo->text().toStdString() : std::string(),
                                 massimo ? massimo->text().toStdString() : std::string()});
            }
        }
    }
    return p;
}

bool TRidCondizionata::validaCondizioni()
{
    const EsitoValidazione esito = ValidaCondizioni(pagine(), m_attuale);
    if (!esito.ok) {
        if (esito.criterioFocus) {
            // The grid may lie on another page: show it without refreshing the chart.
            m_silenzioso = true;
            m_criteri->setCurrentRow(Riga(*esito.criterioFocus));
            m_silenzioso = false;
            svuotaGrafico();
        }
        stato().messaggi.mostra(*esito.messaggio);
        if (esito.criterioFocus) {
            m_griglie[Indice(*esito.criterioFocus)]->setFocus();
        } else {
            m_criteri->setFocus();
        }
        return false;
    }
    m_attuale = esito.condizioni;
    m_validate = esito.condizioni;
    ImpostaCondizioni(stato().sistema, esito.condizioni);
    if (!ScriviCondizioni(stato().cartelle.dati, stato().sistema.riduzioni.condizionata)) {
        // The conditions stand for this session; the user learns that they were not saved.
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    return true;
}

bool TRidCondizionata::consideraFisseAttivo() const
{
    return consideraFisse(m_modo->casellaFisse());
}

bool TRidCondizionata::controllaParametri()
{
    return validaCondizioni();
}

EsitoRiduzione TRidCondizionata::esegui(ControlloEsecuzione& controllo)
{
    EsitoRiduzione esito = RiduzioneCondizionata(stato().sistema, stato().giocate, m_validate, m_modo->modo(),
                                                 consideraFisseAttivo(), controllo);
    if (!esito.confermata()) {
        // The dialog stays open with its parameters; the mode changes only if the list did.
        m_modo->aggiorna(stato().giocate.conteggio());
    }
    return esito;
}

void TRidCondizionata::salvaOpzioni()
{
    ArchivioImpostazioni& store = stato().impostazioni;
    (void)IDE_Intero(store, ChiaveRidCondCriterio, Riga(criterioSelezionato()), true);
    (void)IDE_Intero(store, ChiaveRidCondRuota, m_ruota->currentIndex(), true);
    (void)IDE_Intero(store, ChiaveRidCondDimensione, m_dimensione->currentIndex(), true);
}

void TRidCondizionata::showEvent(QShowEvent* evento)
{
    TRiduzioneDialog::showEvent(evento);
    if (m_primoAvvio) {
        m_primoAvvio = false;
        QTimer::singleShot(0, this, &TRidCondizionata::aggiornaGrafico);
    }
}

void TRidCondizionata::apriAnalisiGiocate()
{
    if (!validaCondizioni()) {
        return;
    }
    TAnalisiRidCondizionata finestra(stato(), servizi(), m_validate, m_modo->modo(), consideraFisseAttivo(),
                                     this);
    servizi().esegui(finestra);
}

void TRidCondizionata::apriAnalisiStorica()
{
    if (!validaCondizioni()) {
        return;
    }
    TAnalisiStoricaRidCond finestra(stato(), servizi(), m_validate, m_ruota->currentIndex(),
                                    m_dimensione->currentIndex(), this);
    servizi().esegui(finestra);
}
