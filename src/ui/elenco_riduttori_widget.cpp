#include "ui/elenco_riduttori_widget.h"

#include "reducers/riduttore_personale.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

ElencoRiduttoriWidget::ElencoRiduttoriWidget(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabella = new QTableWidget(0, 3, this);
    m_tabella->setObjectName(QStringLiteral("riduttoriTableWidget"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Dim. pronostico"), QStringLiteral("Nº giocate"), QStringLiteral("Nome file")});
    m_tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setStretchLastSection(true);
    m_tabella->horizontalHeader()->setSectionsClickable(true);
    m_tabella->setColumnWidth(0, 120);
    m_tabella->setColumnWidth(1, 90);
    layout->addWidget(m_tabella, 3);

    auto* etichetta = new QLabel(QStringLiteral("Commenti"), this);
    layout->addWidget(etichetta);
    m_commenti = new QPlainTextEdit(this);
    m_commenti->setObjectName(QStringLiteral("commentiPlainTextEdit"));
    m_commenti->setReadOnly(true);
    etichetta->setBuddy(m_commenti);
    layout->addWidget(m_commenti, 1);

    connect(m_tabella->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ElencoRiduttoriWidget::ordina);
    connect(m_tabella, &QTableWidget::itemSelectionChanged, this, [this] {
        aggiornaCommenti();
        emit selezioneCambiata();
    });
}

void ElencoRiduttoriWidget::imposta(std::vector<VoceRiduttore> voci)
{
    m_voci = std::move(voci);
    mostraRighe();
    if (!m_voci.empty()) {
        seleziona(0);
    } else {
        deseleziona();
    }
}

void ElencoRiduttoriWidget::mostraRighe()
{
    const QSignalBlocker blocco(m_tabella);
    m_tabella->clearContents();
    m_tabella->setRowCount(static_cast<int>(m_voci.size()));
    for (int i = 0; i < static_cast<int>(m_voci.size()); ++i) {
        const VoceRiduttore& v = m_voci[static_cast<std::size_t>(i)];
        const QString testi[] = {QString::number(v.m), QString::number(v.p),
                                 QString::fromStdString(v.nomeFile)};
        for (int c = 0; c < 3; ++c) {
            m_tabella->setItem(i, c, new QTableWidgetItem(testi[c]));
        }
    }
}

const VoceRiduttore* ElencoRiduttoriWidget::selezionato() const
{
    const QList<QTableWidgetSelectionRange> scelte = m_tabella->selectedRanges();
    if (scelte.isEmpty()) {
        return nullptr;
    }
    const int riga = scelte.front().topRow();
    return riga >= 0 && riga < static_cast<int>(m_voci.size()) ? &m_voci[static_cast<std::size_t>(riga)]
                                                               : nullptr;
}

void ElencoRiduttoriWidget::seleziona(int riga)
{
    m_tabella->clearSelection();
    m_tabella->selectRow(riga);
    m_tabella->setCurrentCell(riga, 0);
    aggiornaCommenti();
    emit selezioneCambiata();
}

void ElencoRiduttoriWidget::deseleziona()
{
    m_tabella->clearSelection();
    aggiornaCommenti();
    emit selezioneCambiata();
}

void ElencoRiduttoriWidget::ordina(int colonna)
{
    m_crescente = colonna == m_colonnaOrdinata ? !m_crescente : true;
    m_colonnaOrdinata = colonna;
    const VoceRiduttore* scelto = selezionato();
    const std::string nome = scelto != nullptr ? scelto->nomeFile : std::string();
    OrdinaRiduttori(m_voci, static_cast<ColonnaRiduttori>(colonna), m_crescente);
    mostraRighe();
    for (std::size_t i = 0; i < m_voci.size(); ++i) {
        if (!nome.empty() && m_voci[i].nomeFile == nome) {
            seleziona(static_cast<int>(i));
            return;
        }
    }
    deseleziona();
}

void ElencoRiduttoriWidget::aggiornaCommenti()
{
    const VoceRiduttore* v = selezionato();
    if (v == nullptr) {
        m_commenti->clear();
        return;
    }
    // The comments are not part of the listing: read when the row is chosen.
    const EsitoLetturaRiduttore esito = LeggiFileRiduttore(v->percorso);
    m_commenti->setPlainText(esito ? QString::fromStdString(esito.riduttore.commenti) : QString());
}
