#include "ui/rid_numeri_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "ui/delegato_tasti.h"
#include "ui/elenchi_numerati.h"
#include "ui/filtro_tasti.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColonnaIntervallo = 1;
constexpr int ColonnaQuantita = 2;

QString Cella(const QTableWidget* tabella, int riga, int colonna)
{
    const QTableWidgetItem* voce = tabella->item(riga, colonna);
    return voce != nullptr ? voce->text() : QString();
}

} // namespace

TRidNumeri::TRidNumeri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRidFiltroGruppi(stato, servizi, MembroFiltro::Numeri, QStringLiteral("mdr_numeri.htm"),
                       QStringLiteral("Riduzione in base ai numeri"), QStringLiteral("Grafici intervallo Nº"),
                       parent)
{
    auto* riquadro = new QGroupBox(QStringLiteral(" Elenco intervalli di numeri "), this);
    riquadro->setObjectName(QStringLiteral("intervalliGroupBox"));
    auto* layout = new QVBoxLayout(riquadro);
    auto* spiegazione =
        new QLabel(QStringLiteral("Su ogni riga inserire prima l'intervallo dei numeri es. 1-20 quindi le "
                                  "quantità di numeri che devono essere presenti nelle giocate, es. 0 1 2."),
                   riquadro);
    spiegazione->setWordWrap(true);
    layout->addWidget(spiegazione);
    m_tabella = new QTableWidget(0, 3, riquadro);
    m_tabella->setObjectName(QStringLiteral("intervalliTableWidget"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Nº"), QStringLiteral("Intervalli"), QStringLiteral("Quantità ammesse")});
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tabella->horizontalHeader()->setSectionResizeMode(ColonnaIntervallo, QHeaderView::Stretch);
    m_tabella->horizontalHeader()->setSectionResizeMode(ColonnaQuantita, QHeaderView::Stretch);
    // The interval cell takes digits and "-", the quantities cell digits and spaces.
    m_tabella->setItemDelegate(new DelegatoTasti(
        [](QLineEdit* riga, int colonna) {
            riga->installEventFilter(colonna == ColonnaIntervallo
                                         ? new FiltroTasti(QStringLiteral("-"), {}, {}, riga)
                                         : FiltroTasti::Cifre(true, riga));
        },
        m_tabella));
    m_tabella->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabella->setMinimumSize(340, 130);
    layout->addWidget(m_tabella, 1);
    auto* elimina = new QPushButton(QStringLiteral("Elimina tutti"), riquadro);
    elimina->setObjectName(QStringLiteral("eliminaTuttiPushButton"));
    elimina->setAutoDefault(false);
    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(elimina);
    layout->addLayout(riga);
    areaGruppi()->addWidget(riquadro, 1);
    disabilitaInEsecuzione(riquadro);

    connect(elimina, &QPushButton::clicked, this, &TRidNumeri::eliminaTutti);
    SeguiRigheNumerate(m_tabella);

    limitaErrori(-1, 0);
    mostraRecord(IntervalliDelSistema(stato.sistema));
    ricostruisciSceltaGrafico();
    resize(1040, 600);
}

void TRidNumeri::mostraRecord(const IntervalliNumeri& record)
{
    {
        const QSignalBlocker blocco(m_tabella);
        m_tabella->setRowCount(0);
        for (const IntervalloNumeri& intervallo : record.intervalli) {
            const RigaIntervalloNumeri testo = TestoIntervallo(intervallo);
            const int r = m_tabella->rowCount();
            m_tabella->insertRow(r);
            m_tabella->setItem(r, ColonnaIntervallo,
                               new QTableWidgetItem(QString::fromStdString(testo.intervallo)));
            m_tabella->setItem(r, ColonnaQuantita,
                               new QTableWidgetItem(QString::fromStdString(testo.quantita)));
        }
    }
    m_intervalli = static_cast<int>(record.intervalli.size());
    SistemaRigheNumerate(m_tabella, -1);
    mostraErrori(record.massimoErrori);
}

void TRidNumeri::eliminaTutti()
{
    if (!conferma("Eliminare tutti gli intervalli ?")) {
        return;
    }
    // The record is cleared; Intervalli.def keeps the last accepted intervals.
    const IntervalliNumeri vuoto;
    ImpostaIntervalli(stato().sistema, vuoto);
    mostraRecord(vuoto);
    ricostruisciSceltaGrafico();
}

bool TRidNumeri::accettaImpostazioni()
{
    std::vector<RigaIntervalloNumeri> righe;
    for (int r = 0; r < m_tabella->rowCount(); ++r) {
        righe.push_back({Cella(m_tabella, r, ColonnaIntervallo).toStdString(),
                         Cella(m_tabella, r, ColonnaQuantita).toStdString()});
    }
    const EsitoAccettazione<IntervalliNumeri> esito =
        AccettaIntervalli(campoErrori()->text().toStdString(), righe);
    if (!esito.ok()) {
        mostraRifiuto(*esito.messaggio, esito.focus == FocusAccettazione::Errori
                                            ? static_cast<QWidget*>(campoErrori())
                                            : static_cast<QWidget*>(m_tabella));
        return false;
    }
    ImpostaIntervalli(stato().sistema, *esito.record);
    if (!ScriviIntervalliNumeri(stato().cartelle.dati, stato().sistema.riduzioni.intervalli)) {
        // The intervals stand for this session; the user learns that they were not saved.
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    mostraRecord(*esito.record);
    return true;
}

int TRidNumeri::gruppiGrafico() const
{
    return m_intervalli;
}

std::pair<Maschera90, std::uint16_t> TRidNumeri::gruppoGrafico(int g)
{
    const IntervalliNumeri record = IntervalliDelSistema(stato().sistema);
    const IntervalloNumeri& intervallo = record.intervalli.at(static_cast<std::size_t>(g));
    return {MascheraIntervallo(intervallo), intervallo.ammesse};
}
