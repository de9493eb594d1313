#include "ui/analisi_dialog.h"

#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MargineBarra = 54;

// The count cells: on white, a red bar as long as the count against the largest of the column (the
// cell width less 54 pixels), then the count in a small pale-yellow box. Rows not in use stay blank.
class DelegatoConteggi final : public QStyledItemDelegate
{
public:
    DelegatoConteggi(std::vector<bool> attive, QObject* genitore)
        : QStyledItemDelegate(genitore), m_attive(std::move(attive))
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& opzioni,
               const QModelIndex& indice) const override
    {
        const QRect r = opzioni.rect;
        painter->fillRect(r, Qt::white);
        if (!attiva(indice.row())) {
            return;
        }
        qint64 massimo = 0;
        for (int i = 0; i < indice.model()->rowCount(); ++i) {
            if (attiva(i)) {
                massimo = std::max(massimo, indice.model()->index(i, 1).data().toString().toLongLong());
            }
        }
        const qint64 valore = indice.data().toString().toLongLong();
        const int lunghezzaMassima = std::max(0, r.width() - MargineBarra);
        const int lunghezza = massimo > 0 ? static_cast<int>(static_cast<double>(valore) /
                                                             static_cast<double>(massimo) * lunghezzaMassima)
                                          : 0;
        const QRect barra(r.left() + 2, r.top() + r.height() / 4, lunghezza, r.height() / 2);
        painter->fillRect(barra, QColor(220, 0, 0));
        const QString testo = QString::number(valore);
        const QFontMetrics metrica(opzioni.font);
        const int larghezza = metrica.horizontalAdvance(testo) + 6;
        const QRect scatola(barra.right() + 3, r.top() + 2, larghezza, r.height() - 4);
        painter->fillRect(scatola, QColor(255, 255, 200));
        painter->setPen(QColor(160, 160, 160));
        painter->drawRect(scatola.adjusted(0, 0, -1, -1));
        painter->setPen(Qt::black);
        painter->drawText(scatola, Qt::AlignCenter, testo);
    }

private:
    bool attiva(int riga) const
    {
        return riga >= 0 && static_cast<std::size_t>(riga) < m_attive.size() &&
               m_attive[static_cast<std::size_t>(riga)];
    }

    std::vector<bool> m_attive;
};

} // namespace

// The poll of an analysis: the window's poll plus the refreshes of the line and of the grid.
class TAnalisiDialog::Controllo final : public ControlloEsecuzione
{
public:
    explicit Controllo(TAnalisiDialog& finestra) : m_finestra(finestra) { m_orologio.start(); }

    bool verifica(const Avanzamento& stato) override
    {
        if (!m_riga.isValid() || m_riga.elapsed() >= ControlloEsecuzioneQt::IntervalloMs) {
            m_finestra.aggiornaRiga(false);
            m_riga.start();
        }
        if (m_cadenza.dovuto(m_orologio.elapsed())) {
            m_finestra.aggiornaGriglia();
        }
        return m_finestra.m_controllo.verifica(stato);
    }

private:
    TAnalisiDialog& m_finestra;
    QElapsedTimer m_orologio;
    QElapsedTimer m_riga;
    CadenzaAggiornamento m_cadenza;
};

TAnalisiDialog::TAnalisiDialog(ServizioMessaggi& messaggi, ServiziFinestre& servizi, Testi testi,
                               QWidget* parent)
    : QDialog(parent), m_servizi(servizi), m_testi(std::move(testi)), m_controllo(messaggi),
      m_conteggi(static_cast<std::size_t>(m_testi.criteri.size()))
{
    setWindowTitle(m_testi.titolo);
    setModal(true);
    auto* principale = new QVBoxLayout(this);

    m_scelte = new QHBoxLayout;
    principale->addLayout(m_scelte);

    m_griglia = new QTableWidget(static_cast<int>(m_testi.criteri.size()), 2, this);
    m_griglia->setObjectName(QStringLiteral("analisiTableWidget"));
    m_griglia->setHorizontalHeaderLabels({m_testi.colonnaCriteri, m_testi.colonnaConteggi});
    m_griglia->verticalHeader()->hide();
    m_griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_griglia->setSelectionMode(QAbstractItemView::NoSelection);
    m_griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (int r = 0; r < m_griglia->rowCount(); ++r) {
        m_griglia->setItem(r, 0, new QTableWidgetItem(m_testi.criteri[r]));
        auto* conteggio = new QTableWidgetItem(QStringLiteral("0"));
        conteggio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_griglia->setItem(r, 1, conteggio);
    }
    principale->addWidget(m_griglia, 1);

    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, 100);
    m_barra->setValue(0);
    principale->addWidget(m_barra);
    m_controllo.setBarra(m_barra);

    auto* riga = new QHBoxLayout;
    auto* etichetta = new QLabel(m_testi.etichettaValide, this);
    etichetta->setObjectName(QStringLiteral("etichettaValideLabel"));
    m_valide = new QLabel(QString::fromStdString(TestoValide(0, 0)), this);
    m_valide->setObjectName(QStringLiteral("valideLabel"));
    riga->addWidget(etichetta);
    // The line grows with its text: the rest of the row is its room.
    riga->addWidget(m_valide, 1);
    principale->addLayout(riga);

    auto* pulsanti = new QHBoxLayout;
    m_interrompi = new QPushButton(QStringLiteral("Interrompi"), this);
    m_interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    m_interrompi->setEnabled(false);
    m_guida = new QPushButton(QStringLiteral("Guida in linea"), this);
    m_guida->setObjectName(QStringLiteral("guidaPushButton"));
    m_chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    m_chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    for (QPushButton* p : {m_interrompi, m_guida, m_chiudi}) {
        p->setAutoDefault(false);
    }
    pulsanti->addWidget(m_interrompi);
    pulsanti->addStretch(1);
    pulsanti->addWidget(m_guida);
    pulsanti->addWidget(m_chiudi);
    principale->addLayout(pulsanti);
    resize(520, 420);

    connect(m_interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(m_chiudi, &QPushButton::clicked, this, &TAnalisiDialog::reject);
    connect(m_guida, &QPushButton::clicked, this, [this] { m_servizi.apriGuida(m_testi.topic); });
}

TAnalisiDialog::~TAnalisiDialog() = default;

void TAnalisiDialog::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!m_avvioProgrammato) {
        m_avvioProgrammato = true;
        QTimer::singleShot(RitardoAvvioMs, this, &TAnalisiDialog::avviaCalcolo);
    }
}

void TAnalisiDialog::reject()
{
    if (!m_inCalcolo) {
        QDialog::reject();
    }
}

void TAnalisiDialog::closeEvent(QCloseEvent* evento)
{
    if (m_inCalcolo) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TAnalisiDialog::avviaCalcolo()
{
    if (m_inCalcolo || m_calcolata) {
        return;
    }
    m_inCalcolo = true;
    m_chiudi->setEnabled(false);
    m_interrompi->setEnabled(true);
    m_controllo.azzera();
    m_conteggi = ConteggiAnalisi(static_cast<std::size_t>(m_testi.criteri.size()));
    aggiornaGriglia();
    aggiornaRiga(false);
    statoCalcolo(true);

    Controllo controllo(*this);
    calcola(controllo, m_conteggi);

    m_inCalcolo = false;
    statoCalcolo(false);
    m_calcolata = true;
    aggiornaGriglia();
    aggiornaRiga(true);
    m_controllo.azzera();
    if (!m_conteggi.interrotta) {
        m_barra->setValue(m_barra->maximum());
    }
    m_interrompi->setEnabled(false);
    m_chiudi->setEnabled(true);
}

void TAnalisiDialog::ricalcola()
{
    if (m_inCalcolo) {
        return;
    }
    m_calcolata = false;
    avviaCalcolo();
}

void TAnalisiDialog::mostraConteggiABarre(std::vector<bool> righeInUso)
{
    m_griglia->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #c0c0c0; font-weight: bold; }"));
    m_griglia->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int r = 0; r < m_griglia->rowCount(); ++r) {
        const bool attiva =
            static_cast<std::size_t>(r) < righeInUso.size() && righeInUso[static_cast<std::size_t>(r)];
        if (QTableWidgetItem* voce = m_griglia->item(r, 0)) {
            voce->setForeground(attiva ? QColor(Qt::black) : QColor(150, 150, 150));
            voce->setBackground(Qt::white);
        }
    }
    m_righeInUso = righeInUso;
    m_griglia->setItemDelegateForColumn(1, new DelegatoConteggi(std::move(righeInUso), m_griglia));
    aggiornaGriglia();
    m_griglia->verticalHeader()->setDefaultSectionSize(m_griglia->fontMetrics().height() + 6);
}

void TAnalisiDialog::aggiornaGriglia()
{
    const auto righe = std::min<std::size_t>(m_conteggi.nonRispettate.size(),
                                             static_cast<std::size_t>(m_griglia->rowCount()));
    for (std::size_t r = 0; r < righe; ++r) {
        const bool inUso = m_righeInUso.empty() || (r < m_righeInUso.size() && m_righeInUso[r]);
        m_griglia->item(static_cast<int>(r), 1)
            ->setText(inUso ? QString::number(m_conteggi.nonRispettate[r]) : QString());
    }
}

void TAnalisiDialog::aggiornaRiga(bool finale)
{
    const std::int64_t base =
        finale && m_testi.finaleSulTotale && m_conteggi.totale > 0 ? m_conteggi.totale : m_conteggi.esaminate;
    const std::string testo = finale ? TestoValide(m_conteggi.valide, base)
                                     : TestoValideArrotondato(m_conteggi.valide, m_conteggi.esaminate);
    m_valide->setText(QString::fromStdString(testo));
}
