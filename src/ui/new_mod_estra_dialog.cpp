#include "ui/new_mod_estra_dialog.h"

#include "checking/manutenzione_archivio.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_cifre.h"
#include "ui/filtro_data.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The cells are edited in a two-digit line edit that lets through digits and backspace only.
class DelegatoNumero final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(genitore);
        editor->setMaxLength(2);
        editor->setAlignment(Qt::AlignCenter);
        editor->installEventFilter(new FiltroCifre(false, editor));
        return editor;
    }
};

} // namespace

TNewModEstra::TNewModEstra(StatoApplicazione& stato, std::int32_t posizione, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_posizione(posizione)
{
    setWindowTitle(posizione > 0 ? QStringLiteral("Modifica estrazione nº ") + QString::number(posizione)
                                 : QStringLiteral("Nuova estrazione"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* riga = new QHBoxLayout;
    m_data = new QLineEdit(this);
    m_data->setObjectName(QStringLiteral("dataLineEdit"));
    m_data->setMaxLength(10);
    m_data->setFixedWidth(110);
    m_data->setToolTip(QStringLiteral("Inserire la data dell'estrazione nel formato gg/mm/aaaa"));
    m_data->installEventFilter(new FiltroData(m_data));
    auto* etichetta = new QLabel(QStringLiteral("Estrazione del:"), this);
    etichetta->setBuddy(m_data);
    riga->addWidget(etichetta);
    riga->addWidget(m_data);
    riga->addStretch();
    layout->addLayout(riga);

    m_numeri = new QTableWidget(RuoteArchivio, 5, this);
    m_numeri->setObjectName(QStringLiteral("numeriTableWidget"));
    m_numeri->setItemDelegate(new DelegatoNumero(m_numeri));
    QStringList ruote;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(w)];
        ruote << QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()));
    }
    m_numeri->setVerticalHeaderLabels(ruote);
    m_numeri->setHorizontalHeaderLabels({QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°"),
                                         QStringLiteral("4°"), QStringLiteral("5°")});
    m_numeri->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_numeri->horizontalHeader()->setDefaultSectionSize(44);
    m_numeri->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_numeri->verticalHeader()->setDefaultSectionSize(24);
    m_numeri->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_numeri->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < 5; ++c) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignCenter);
            m_numeri->setItem(r, c, cella);
        }
    }
    m_numeri->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_numeri->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_numeri->setFixedSize(
        m_numeri->verticalHeader()->sizeHint().width() + 5 * 44 + 2 * m_numeri->frameWidth(),
        m_numeri->horizontalHeader()->sizeHint().height() + RuoteArchivio * 24 + 2 * m_numeri->frameWidth());
    layout->addWidget(m_numeri);

    auto* pulsanti = new QHBoxLayout;
    auto* azzera = new QPushButton(QStringLiteral("Azzera"), this);
    azzera->setObjectName(QStringLiteral("azzeraPushButton"));
    azzera->setAutoDefault(false);
    auto* applica = new QPushButton(QStringLiteral("Applica"), this);
    applica->setObjectName(QStringLiteral("applicaPushButton"));
    applica->setAutoDefault(false);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    pulsanti->addWidget(azzera);
    pulsanti->addStretch();
    pulsanti->addWidget(applica);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(applica, &QPushButton::clicked, this, &TNewModEstra::applica);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(azzera, &QPushButton::clicked, this, &TNewModEstra::azzera);

    if (posizione >= 1 && posizione <= stato.archivio.conteggio()) {
        riempi(posizione);
    }
}

void TNewModEstra::riempi(std::int32_t posizione)
{
    const EstrazioneDigitata d = EstrazioneInTesto(m_stato.archivio.estrazione(posizione));
    m_data->setText(QString::fromStdString(d.data));
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < 5; ++c) {
            m_numeri->item(r, c)->setText(
                QString::fromStdString(d.numeri[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        }
    }
}

void TNewModEstra::azzera()
{
    Messaggio domanda{messaggi_manutenzione::AzzeraEstrazione, "Attenzione", Icona::Domanda, Pulsanti::SiNo,
                      Risposta::No};
    if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    m_data->clear();
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < 5; ++c) {
            m_numeri->item(r, c)->setText(QString());
        }
    }
}

void TNewModEstra::applica()
{
    EstrazioneDigitata d;
    d.data = m_data->text().toStdString();
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < 5; ++c) {
            d.numeri[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                m_numeri->item(r, c)->text().toStdString();
        }
    }
    const EsitoEstrazioneDigitata esito = LeggiEstrazioneDigitata(d);
    if (!esito.valida) {
        m_stato.messaggi.mostra(Avviso(esito.messaggio));
        return;
    }
    const std::int32_t indice = MemorizzaEstrazione(m_stato.archivio, esito.estrazione, m_posizione);
    if (indice == 0) {
        m_stato.messaggi.mostra(Avviso(messaggi_archivio::ArchivioPieno));
        return;
    }
    m_memorizzato = indice;
    // A failed save is told by SalvaArchivioStato; the draw stays in memory and the editor closes, so the
    // window behind shows the archive as it now is.
    (void)SalvaArchivioStato(m_stato);
    accept();
}
