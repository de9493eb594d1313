#include "ui/rid_sost_comb_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_tasti.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ms = messaggi_sostituzione;

namespace {

// The cells take digits, spaces and backspace only.
class DelegatoCombinazione final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzioni,
                          const QModelIndex& indice) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(genitore, opzioni, indice);
        if (auto* riga = qobject_cast<QLineEdit*>(editor)) {
            riga->installEventFilter(FiltroTasti::Cifre(true, riga));
        }
        return editor;
    }
};

bool RigaVuota(const QTableWidget* griglia, int riga)
{
    for (int colonna = 1; colonna <= 2; ++colonna) {
        const QTableWidgetItem* voce = griglia->item(riga, colonna);
        if (voce != nullptr && !voce->text().trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

QString TestoCella(const QTableWidget* griglia, int riga, int colonna)
{
    const QTableWidgetItem* voce = griglia->item(riga, colonna);
    return voce == nullptr ? QString() : voce->text();
}

} // namespace

TRidSostComb::TRidSostComb(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_sostcomb.htm"),
                       QStringLiteral("Sostituzione combinazioni di numeri"), parent,
                       QStringLiteral("Applica sostituzioni"))
{
    auto* spiegazione = new QLabel(
        QStringLiteral("Per ogni sostituzione inserire la combinazione originale e la nuova combinazione di "
                       "numeri. Nelle combinazioni inserire da 1 a 10 numeri separandoli con uno spazio. "
                       "Le combinazioni di una sostituzione (originale e nuova) devono avere la stessa "
                       "quantità di numeri."),
        this);
    spiegazione->setWordWrap(true);
    areaParametri()->addWidget(spiegazione);

    m_griglia = new QTableWidget(0, 3, this);
    m_griglia->setObjectName(QStringLiteral("sostituzioniTableWidget"));
    m_griglia->setHorizontalHeaderLabels({QStringLiteral("Nº"), QStringLiteral("Combinazioni originali"),
                                          QStringLiteral("Nuove combinazioni")});
    m_griglia->verticalHeader()->hide();
    m_griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_griglia->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_griglia->setItemDelegate(new DelegatoCombinazione(m_griglia));
    m_griglia->setMinimumHeight(220);
    areaParametri()->addWidget(m_griglia);
    disabilitaInEsecuzione(m_griglia);
    connect(m_griglia, &QTableWidget::currentCellChanged, this,
            [this](int riga, int, int, int) { sistemaRighe(riga); });
    connect(m_griglia, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem*) { sistemaRighe(m_griglia->currentRow()); });

    QPushButton* azzera = aggiungiPulsanteRiga(QStringLiteral("Azzera"), QStringLiteral("azzeraPushButton"));
    connect(azzera, &QPushButton::clicked, this, [this] { this->azzera(); });

    m_consideraFisse = aggiungiConsideraFisse(QStringLiteral("Considera Fisse"));
    m_parziale = new QCheckBox(QStringLiteral("Applica sostituzioni parziali"), this);
    m_parziale->setObjectName(QStringLiteral("parzialeCheckBox"));
    m_consideraFisse->parentWidget()->layout()->addWidget(m_parziale);

    m_tabella = TabellaDaRecord(stato.sistema.riduzioni.sostituzioni);
    m_parziale->setChecked(m_tabella.parziale);
    mostraTabella(m_tabella);
    setDomandaInterruzione(ms::ConfermaInterruzione);
    mostraConteggio(QStringLiteral("Nº giocate finali: "));
    resize(560, sizeHint().height());
}

void TRidSostComb::mostraTabella(const TabellaSostituzioni& tabella)
{
    {
        const QSignalBlocker blocco(m_griglia);
        m_griglia->setRowCount(0);
        for (std::size_t i = 0; i < tabella.voci.size(); ++i) {
            const int riga = static_cast<int>(i);
            m_griglia->insertRow(riga);
            m_griglia->setItem(
                riga, 1, new QTableWidgetItem(QString::fromStdString(TestoGiocata(tabella.voci[i].vecchia))));
            m_griglia->setItem(
                riga, 2, new QTableWidgetItem(QString::fromStdString(TestoGiocata(tabella.voci[i].nuova))));
        }
    }
    sistemaRighe(-1);
}

// Keeps one empty row below the last filled one, drops the empty rows between filled ones (except the
// one being edited) and numbers the rows.
void TRidSostComb::sistemaRighe(int rigaCorrente)
{
    const QSignalBlocker blocco(m_griglia);
    for (int r = m_griglia->rowCount() - 2; r >= 0; --r) {
        if (r != rigaCorrente && RigaVuota(m_griglia, r)) {
            m_griglia->removeRow(r);
            if (rigaCorrente > r) {
                --rigaCorrente;
            }
        }
    }
    const int n = m_griglia->rowCount();
    if (n == 0 || !RigaVuota(m_griglia, n - 1)) {
        m_griglia->insertRow(n);
    }
    for (int r = 0; r < m_griglia->rowCount(); ++r) {
        auto* numero = new QTableWidgetItem(QString::number(r + 1));
        numero->setFlags(Qt::ItemIsEnabled);
        numero->setBackground(palette().button());
        numero->setTextAlignment(Qt::AlignCenter);
        m_griglia->setItem(r, 0, numero);
    }
}

void TRidSostComb::azzera()
{
    Messaggio domanda = Avviso(ms::Azzera);
    domanda.icona = Icona::Domanda;
    domanda.pulsanti = Pulsanti::SiNo;
    domanda.predefinita = Risposta::No;
    if (stato().messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    m_tabella = TabellaSostituzioni{};
    m_tabella.parziale = m_parziale->isChecked();
    TabellaInRecord(m_tabella, stato().sistema.riduzioni.sostituzioni);
    mostraTabella(m_tabella);
}

bool TRidSostComb::controllaParametri()
{
    std::vector<RigaSostituzione> righe;
    for (int r = 0; r < m_griglia->rowCount(); ++r) {
        righe.push_back(
            {TestoCella(m_griglia, r, 1).toStdString(), TestoCella(m_griglia, r, 2).toStdString()});
    }
    const LetturaSostituzioni lettura = LeggiRigheSostituzioni(righe, m_parziale->isChecked());
    if (lettura.rifiuto) {
        stato().messaggi.mostra(*lettura.rifiuto);
        m_griglia->setFocus();
        if (lettura.rigaErrata >= 0) {
            m_griglia->setCurrentCell(lettura.rigaErrata, 1);
        }
        return false;
    }
    if (lettura.avviso) {
        stato().messaggi.mostra(*lettura.avviso);
    }
    m_tabella = lettura.tabella;
    TabellaInRecord(m_tabella, stato().sistema.riduzioni.sostituzioni);
    if (!ScriviSostituzioni(stato().cartelle.dati, stato().sistema.riduzioni.sostituzioni)) {
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    mostraTabella(m_tabella);
    return true;
}

EsitoRiduzione TRidSostComb::esegui(ControlloEsecuzione& controllo)
{
    return SostituisciCombinazioni(stato().sistema, stato().giocate, m_tabella,
                                   consideraFisse(m_consideraFisse), controllo);
}
