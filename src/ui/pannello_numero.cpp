#include "ui/pannello_numero.h"

#include "core/ruote.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Rows in the order shown: the ten regional wheels, Tutte (row 12 of the tables), Nazionale (11).
constexpr std::array<int, 12> RigheRuote = {Bari,    Cagliari, Firenze, Genova,  Milano, Napoli,
                                            Palermo, Roma,     Torino,  Venezia, Tutte,  Nazionale};

} // namespace

PannelloNumero::PannelloNumero(QWidget* parent) : QFrame(parent, Qt::ToolTip)
{
    setObjectName(QStringLiteral("pannelloNumeroFrame"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    m_titolo = new QLabel(this);
    m_titolo->setObjectName(QStringLiteral("titoloNumeroLabel"));
    QFont grassetto = m_titolo->font();
    grassetto.setBold(true);
    m_titolo->setFont(grassetto);
    layout->addWidget(m_titolo);

    m_tabella = new QTableWidget(12, 3, this);
    m_tabella->setObjectName(QStringLiteral("statisticheNumeroTableWidget"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Ruota"), QStringLiteral("Ritardo"), QStringLiteral("Frequenza")});
    m_tabella->horizontalHeaderItem(2)->setToolTip(QStringLiteral(" Frequenza sulle ultime 100 estrazioni "));
    m_tabella->verticalHeader()->hide();
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabella->setFocusPolicy(Qt::NoFocus);
    m_tabella->verticalHeader()->setDefaultSectionSize(20);
    for (int riga = 0; riga < 12; ++riga) {
        const auto nome = NomiRuote[RigheRuote[riga]];
        m_tabella->setItem(
            riga, 0, new QTableWidgetItem(QStringLiteral(" ") + QString::fromUtf8(nome.data(), nome.size())));
        for (int colonna = 1; colonna < 3; ++colonna) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabella->setItem(riga, colonna, cella);
        }
    }
    m_tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->setColumnWidth(0, 100);
    m_tabella->setColumnWidth(1, 70);
    m_tabella->setColumnWidth(2, 80);
    m_tabella->setFixedSize(100 + 70 + 80 + 2 * m_tabella->frameWidth(),
                            m_tabella->horizontalHeader()->sizeHint().height() + 12 * 20 +
                                2 * m_tabella->frameWidth());
    layout->addWidget(m_tabella);
}

void PannelloNumero::mostraNumero(int n, const StatisticheNumeri& statistiche, int finestraFrequenze,
                                  bool forza)
{
    if (n == m_numero && !forza) {
        return;
    }
    m_numero = n;
    m_titolo->setText(QStringLiteral("Statistiche relative al Nº %1").arg(n));
    m_tabella->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral(" Frequenza sulle ultime %1 estrazioni ").arg(finestraFrequenze));
    for (int riga = 0; riga < 12; ++riga) {
        const int ruota = RigheRuote[riga];
        m_tabella->item(riga, 1)->setText(QString::number(statistiche.ritardi[ruota][n]));
        m_tabella->item(riga, 2)->setText(QString::number(statistiche.frequenze[ruota][n]));
    }
}
