#include "ui/rid_conf_storico_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/accetta_confronti.h"
#include "reductions/rid_filtri.h"
#include "ui/analisi_filtro_dialog.h"
#include "ui/campo_errori.h"
#include "ui/delegato_tasti.h"
#include "ui/elenchi_numerati.h"
#include "ui/filtro_tasti.h"
#include "ui/grafico_barre.h"
#include "ui/gruppo_modo_filtro.h"
#include "ui/servizi_finestre.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mc = messaggi_confronti;
namespace mgc = messaggi_grafici_confronti;

namespace {

constexpr const char* TopicGuida = "mdr_confsto.htm";

const QColor Verde(0, 170, 0);
const QColor Rosso(210, 0, 0);

} // namespace

TRidConfStorico::TRidConfStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida),
                       QStringLiteral("Riduzione tramite il confronto con l'archivio storico"), parent,
                       QStringLiteral("Applica riduzione")),
      m_confronti(ConfrontiDelSistema(stato.sistema))
{
    m_modo = new GruppoModoFiltro(Qt::Horizontal, stato, this);
    disabilitaInEsecuzione(m_modo);
    areaParametri()->addWidget(m_modo);
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(creaElenco(), 2);
    corpo->addWidget(creaGrafici(), 3);
    areaParametri()->addLayout(corpo, 1);

    const PulsantiAnalisi analisi = aggiungiPulsantiAnalisi();
    connect(analisi.giocate, &QPushButton::clicked, this, &TRidConfStorico::apriAnalisiGiocate);
    connect(analisi.storica, &QPushButton::clicked, this, &TRidConfStorico::apriAnalisiStorica);

    mostraConteggio(QString::fromUtf8(messaggi_filtro::GiocateFinali));
    riempiTabella();
    riempiSelettore();
    svuotaGrafici();
    resize(minimumSizeHint().expandedTo(QSize(1060, 640)));
}

QWidget* TRidConfStorico::creaElenco()
{
    auto* gruppo = new QGroupBox(QStringLiteral(" Elenco confronti "), this);
    gruppo->setObjectName(QStringLiteral("elencoGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    auto* spiegazione = new QLabel(QString::fromUtf8(mc::ElencoSpiegazionePrima) +
                                       QString::number(stato().archivio.conteggio()) +
                                       QString::fromUtf8(mc::ElencoSpiegazioneDopo),
                                   gruppo);
    spiegazione->setObjectName(QStringLiteral("spiegazioneLabel"));
    spiegazione->setWordWrap(true);
    layout->addWidget(spiegazione);

    m_tabella = new QTableWidget(0, 3, gruppo);
    m_tabella->setObjectName(QStringLiteral("confrontiTableWidget"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Nº"), QStringLiteral("Num. Estrazioni"), QStringLiteral("Punteggi consentiti")});
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tabella->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tabella->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    // "Num. Estrazioni" takes digits, "Punteggi consentiti" digits and spaces.
    m_tabella->setItemDelegate(new DelegatoTasti(
        [](QLineEdit* riga, int colonna) {
            riga->installEventFilter(FiltroTasti::Cifre(colonna == 2, riga));
        },
        m_tabella));
    m_tabella->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_tabella, 1);

    auto* riga = new QHBoxLayout;
    m_errori = new CampoErrori(gruppo);
    riga->addWidget(m_errori);
    auto* elimina = new QPushButton(QStringLiteral("Elimina tutti"), gruppo);
    elimina->setObjectName(QStringLiteral("eliminaTuttiPushButton"));
    elimina->setAutoDefault(false);
    riga->addWidget(elimina);
    layout->addLayout(riga);
    disabilitaInEsecuzione(gruppo);

    connect(elimina, &QPushButton::clicked, this, &TRidConfStorico::eliminaTutti);
    SeguiRigheNumerate(m_tabella);
    return gruppo;
}

QWidget* TRidConfStorico::creaGrafico(GraficoBarre*& grafico, QLabel*& valide, const char* spiegazione,
                                      const QString& nome)
{
    auto* colonna = new QWidget(this);
    auto* layout = new QVBoxLayout(colonna);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* testo = new QLabel(QString::fromUtf8(spiegazione), colonna);
    testo->setWordWrap(true);
    testo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    testo->setMinimumHeight(testo->fontMetrics().lineSpacing() * 4);
    layout->addWidget(testo);
    grafico = new GraficoBarre(colonna);
    grafico->setObjectName(nome + QStringLiteral("GraficoBarre"));
    grafico->setClic(GraficoBarre::Clic::Nessuno);
    grafico->setTitoloAsseX(QStringLiteral("Punteggio"));
    grafico->setMinimumSize(240, 220);
    layout->addWidget(grafico, 1);
    valide = new QLabel(colonna);
    valide->setObjectName(nome + QStringLiteral("ValideLabel"));
    layout->addWidget(valide);
    return colonna;
}

QWidget* TRidConfStorico::creaGrafici()
{
    auto* gruppo = new QGroupBox(this);
    gruppo->setObjectName(QStringLiteral("graficiGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    auto* scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel(QStringLiteral("Grafici confronto Nº"), gruppo));
    m_selettore = new QComboBox(gruppo);
    m_selettore->setObjectName(QStringLiteral("confrontoComboBox"));
    m_selettore->setMinimumContentsLength(4);
    scelta->addWidget(m_selettore);
    auto* aggiorna = new QPushButton(QStringLiteral("Aggiorna"), gruppo);
    aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
    aggiorna->setAutoDefault(false);
    scelta->addWidget(aggiorna);
    scelta->addStretch(1);
    layout->addLayout(scelta);
    auto* grafici = new QHBoxLayout;
    grafici->addWidget(
        creaGrafico(m_graficoGiocate, m_giocateValide, mgc::SpiegazioneGiocate, QStringLiteral("giocate")),
        1);
    grafici->addWidget(creaGrafico(m_graficoEstrazioni, m_estrazioniValide, mgc::SpiegazioneEstrazioni,
                                   QStringLiteral("estrazioni")),
                       1);
    layout->addLayout(grafici, 1);
    disabilitaInEsecuzione(gruppo);
    connect(aggiorna, &QPushButton::clicked, this, &TRidConfStorico::aggiornaGrafici);
    return gruppo;
}

void TRidConfStorico::riempiTabella()
{
    {
        const QSignalBlocker blocco(m_tabella);
        m_tabella->setRowCount(0);
        for (const ConfrontoStorico& c : m_confronti.confronti) {
            const RigaConfronto riga = RigaDelConfronto(c);
            const int r = m_tabella->rowCount();
            m_tabella->insertRow(r);
            m_tabella->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(riga.estrazioni)));
            m_tabella->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(riga.punteggi)));
        }
    }
    m_errori->mostra(m_confronti.massimoErrori);
    SistemaRigheNumerate(m_tabella, -1);
}

void TRidConfStorico::riempiSelettore()
{
    RiempiSelettoreNumerato(m_selettore, static_cast<int>(m_confronti.confronti.size()));
}

bool TRidConfStorico::accetta()
{
    // Empty rows left between the others go first, so that the numbers in messages match the "Nº" column.
    SistemaRigheNumerate(m_tabella, -1);
    std::vector<RigaConfronto> righe;
    for (int r = 0; r < m_tabella->rowCount(); ++r) {
        const QTableWidgetItem* estrazioni = m_tabella->item(r, 1);
        const QTableWidgetItem* punteggi = m_tabella->item(r, 2);
        righe.push_back({estrazioni != nullptr ? estrazioni->text().toStdString() : std::string(),
                         punteggi != nullptr ? punteggi->text().toStdString() : std::string()});
    }
    const EsitoAccettazioneConfronti esito =
        AccettaConfronti(righe, m_errori->campo()->text().toStdString(), stato().archivio.conteggio());
    if (!esito.ok) {
        stato().messaggi.mostra(*esito.messaggio);
        if (esito.focus == CampoConfronti::Errori) {
            m_errori->campo()->setFocus();
            m_errori->campo()->selectAll();
        } else {
            if (esito.riga > 0) {
                m_tabella->setCurrentCell(esito.riga - 1, 1);
            }
            m_tabella->setFocus();
        }
        return false;
    }
    m_confronti = esito.record;
    ImpostaConfronti(stato().sistema, m_confronti);
    if (!ScriviConfrontoStorico(stato().cartelle.dati, stato().sistema.riduzioni.confrontoStorico)) {
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    riempiTabella();
    riempiSelettore();
    return true;
}

bool TRidConfStorico::controllaParametri()
{
    return accetta();
}

EsitoRiduzione TRidConfStorico::esegui(ControlloEsecuzione& controllo)
{
    EsitoRiduzione esito = RiduzioneFiltro(stato().sistema, stato().giocate, filtro(), m_modo->modo(),
                                           consideraFisse(m_modo->casellaFisse()), controllo);
    if (!esito.confermata()) {
        m_modo->aggiorna(stato().giocate.conteggio());
    }
    return esito;
}

void TRidConfStorico::aggiornaGrafici()
{
    if (inEsecuzione() || !accetta()) {
        return;
    }
    const int k = m_selettore->currentIndex();
    if (k < 0 || static_cast<std::size_t>(k) >= m_confronti.confronti.size()) {
        return;
    }
    const ConfrontoStorico confronto = m_confronti.confronti[static_cast<std::size_t>(k)];
    GraficiConfronto grafici;
    const bool completati = calcolaInEsecuzione([&](ControlloEsecuzione& controllo) {
        grafici = CalcolaGraficiConfronto(stato().sistema, stato().giocate, stato().archivio, confronto,
                                          m_modo->modo(), controllo);
        return !grafici.interrotto;
    });
    // A confirmed stop leaves the charts as they were.
    if (completati) {
        mostraGrafici(grafici);
    }
}

void TRidConfStorico::mostraGrafici(const GraficiConfronto& grafici)
{
    const auto riempi = [](GraficoBarre* grafico, const GraficoPunteggi& dati, bool presente) {
        std::vector<double> valori;
        std::vector<QColor> colori;
        QStringList etichette;
        for (int s = 0; s < 6; ++s) {
            valori.push_back(presente ? static_cast<double>(dati.barre[static_cast<std::size_t>(s)]) : 0.0);
            colori.push_back(dati.ammesso(s) ? Verde : Rosso);
            etichette << QString::number(s);
        }
        grafico->setDati(presente ? std::move(valori) : std::vector<double>{});
        grafico->setEtichette(presente ? etichette : QStringList{});
        grafico->setColoriBarre(presente ? std::move(colori) : std::vector<QColor>{});
    };
    riempi(m_graficoGiocate, grafici.giocate, true);
    m_giocateValide->setText(QString::fromStdString(TestoGiocateValideConfronto(grafici.giocate)));
    riempi(m_graficoEstrazioni, grafici.estrazioni, grafici.conEstrazioni);
    m_estrazioniValide->setText(
        grafici.conEstrazioni ? QString::fromStdString(TestoEstrazioniValideConfronto(grafici.estrazioni))
                              : QString::fromUtf8(mgc::EstrazioniValide));
}

void TRidConfStorico::svuotaGrafici()
{
    for (GraficoBarre* g : {m_graficoGiocate, m_graficoEstrazioni}) {
        g->setDati({});
        g->setEtichette({});
        g->setColoriBarre({});
    }
    m_giocateValide->setText(QString::fromUtf8(mgc::GiocateValide));
    m_estrazioniValide->setText(QString::fromUtf8(mgc::EstrazioniValide));
}

void TRidConfStorico::eliminaTutti()
{
    if (!conferma(mc::EliminareTutti)) {
        return;
    }
    m_confronti = ConfrontiStorico{};
    ImpostaConfronti(stato().sistema, m_confronti);
    riempiTabella();
    riempiSelettore();
    svuotaGrafici();
}

FiltroRiduzione TRidConfStorico::filtro()
{
    return FiltroRiduzione::DaConfronti(m_confronti, stato().archivio, stato().sistema.ruote);
}

void TRidConfStorico::apriAnalisiGiocate()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroGiocate finestra(stato(), servizi(), filtro(), m_modo->modo(),
                                   consideraFisse(m_modo->casellaFisse()), QString::fromLatin1(TopicGuida),
                                   this);
    servizi().esegui(finestra);
}

void TRidConfStorico::apriAnalisiStorica()
{
    if (!accetta()) {
        return;
    }
    if (const auto messaggio = ControllaAnalisiStorica(m_confronti, stato().archivio.conteggio())) {
        stato().messaggi.mostra(*messaggio);
        return;
    }
    TAnalisiFiltroStorica finestra(stato(), servizi(), filtro(), QString::fromLatin1(TopicGuida), this);
    servizi().esegui(finestra);
}
