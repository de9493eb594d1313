#include "ui/aggio_manuale_dialog.h"

#include "checking/manutenzione_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/figura_estrazione.h"
#include "ui/new_mod_estra_dialog.h"
#include "ui/seleziona_estrazioni_dialog.h"
#include "ui/servizi_finestre.h"
#include "ui/stampa_estrazione.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* TopicGuida = "as_aggiorna_manuale.htm";

} // namespace

TAggioManuale::TAggioManuale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi)
{
    setWindowTitle(QStringLiteral("Visualizza/Modifica archivio storico"));
    setModal(true);
    auto* layout = new QHBoxLayout(this);
    auto* figura = new FiguraEstrazione(this);
    figura->setObjectName(QStringLiteral("figuraEstrazione"));
    layout->addWidget(figura);
    auto* sinistra = new QVBoxLayout;

    auto* intestazione = new QHBoxLayout;
    m_concorso = new QLabel(this);
    m_concorso->setObjectName(QStringLiteral("concorsoLabel"));
    m_data = new QLabel(this);
    m_data->setObjectName(QStringLiteral("dataLabel"));
    intestazione->addWidget(m_concorso);
    intestazione->addStretch();
    intestazione->addWidget(m_data);
    sinistra->addLayout(intestazione);

    m_barra = new QScrollBar(Qt::Horizontal, this);
    m_barra->setObjectName(QStringLiteral("concorsoScrollBar"));
    sinistra->addWidget(m_barra);

    m_griglia = new QTableWidget(RuoteArchivio, 6, this);
    m_griglia->setObjectName(QStringLiteral("estrazioneTableWidget"));
    m_griglia->horizontalHeader()->hide();
    m_griglia->verticalHeader()->hide();
    m_griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_griglia->setSelectionMode(QAbstractItemView::NoSelection);
    m_griglia->setFocusPolicy(Qt::NoFocus);
    m_griglia->setAlternatingRowColors(true);
    m_griglia->setStyleSheet(
        QStringLiteral("QTableWidget { background: #fff8e8; alternate-background-color: #e8f0ff; }"));
    m_griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_griglia->horizontalHeader()->setDefaultSectionSize(40);
    m_griglia->setColumnWidth(0, 96);
    m_griglia->verticalHeader()->setDefaultSectionSize(24);
    for (int r = 0; r < RuoteArchivio; ++r) {
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(r + 1)];
        auto* cella =
            new QTableWidgetItem(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
        m_griglia->setItem(r, 0, cella);
        for (int c = 1; c <= 5; ++c) {
            auto* numero = new QTableWidgetItem;
            numero->setTextAlignment(Qt::AlignCenter);
            m_griglia->setItem(r, c, numero);
        }
    }
    m_griglia->setFixedSize(96 + 5 * 40 + 2 * m_griglia->frameWidth(),
                            RuoteArchivio * 24 + 2 * m_griglia->frameWidth());
    sinistra->addWidget(m_griglia);
    layout->addLayout(sinistra);

    auto* destra = new QVBoxLayout;
    const auto pulsante = [this, destra](const char* nome, const char* testo) {
        auto* p = new QPushButton(QString::fromUtf8(testo), this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        destra->addWidget(p);
        return p;
    };
    QPushButton* nuovaPulsante = pulsante("nuovaPushButton", "Nuova");
    m_modifica = pulsante("modificaPushButton", "Modifica");
    m_elimina = pulsante("eliminaPushButton", "Elimina");
    m_stampa = pulsante("stampaPushButton", "Stampa");
    destra->addStretch();
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* chiudi = pulsante("chiudiPushButton", "Chiudi");
    layout->addLayout(destra);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_barra, &QScrollBar::valueChanged, this, &TAggioManuale::mostra);
    connect(nuovaPulsante, &QPushButton::clicked, this, &TAggioManuale::nuova);
    connect(m_modifica, &QPushButton::clicked, this, &TAggioManuale::modifica);
    connect(m_elimina, &QPushButton::clicked, this, &TAggioManuale::elimina);
    connect(m_stampa, &QPushButton::clicked, this, &TAggioManuale::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(TopicGuida)); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    mostraEstrazione(m_stato.archivio.conteggio());
}

std::int32_t TAggioManuale::posizione() const
{
    return m_stato.archivio.vuoto() ? 0 : m_barra->value();
}

void TAggioManuale::mostraEstrazione(std::int32_t posizione)
{
    const int n = m_stato.archivio.conteggio();
    const QSignalBlocker blocco(m_barra);
    m_barra->setRange(n > 0 ? 1 : 0, n);
    m_barra->setPageStep(std::max(1, n / 20));
    m_barra->setValue(std::clamp(posizione, n > 0 ? 1 : 0, n));
    m_barra->setEnabled(n > 0);
    for (QPushButton* p : {m_modifica, m_elimina, m_stampa}) {
        p->setEnabled(n > 0);
    }
    mostra();
}

void TAggioManuale::mostra()
{
    const std::int32_t i = posizione();
    if (i == 0) {
        m_concorso->setText(QStringLiteral("Nº Concorso:"));
        m_data->setText(QStringLiteral("Data:"));
        for (int r = 0; r < RuoteArchivio; ++r) {
            for (int c = 1; c <= 5; ++c) {
                m_griglia->item(r, c)->setText(QString());
            }
        }
        return;
    }
    const Tipo_Estrazione& e = m_stato.archivio.estrazione(i);
    m_concorso->setText(QStringLiteral("Nº Concorso:") + QString::number(i));
    m_data->setText(QStringLiteral("Data:") + QString::fromStdString(TestoDataBreve(e)));
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const int numero = e.numero(r + 1, c);
            m_griglia->item(r, c)->setText(numero != 0 ? QString::number(numero) : QString());
        }
    }
}

void TAggioManuale::nuova()
{
    TNewModEstra editor(m_stato, 0, this);
    if (editor.exec() == QDialog::Accepted && editor.indiceMemorizzato() > 0) {
        mostraEstrazione(editor.indiceMemorizzato());
    }
}

void TAggioManuale::modifica()
{
    if (posizione() == 0) {
        return;
    }
    TNewModEstra editor(m_stato, posizione(), this);
    if (editor.exec() == QDialog::Accepted && editor.indiceMemorizzato() > 0) {
        mostraEstrazione(editor.indiceMemorizzato());
    }
}

void TAggioManuale::elimina()
{
    const std::int32_t mostrata = posizione();
    if (mostrata == 0) {
        return;
    }
    TSelezionaEstrazioni selezione(m_stato.archivio, mostrata, mostrata,
                                   QString::fromUtf8(messaggi_manutenzione::TestoSelezioneElimina), this);
    if (selezione.exec() != QDialog::Accepted) {
        return;
    }
    Messaggio domanda{DomandaEliminaIntervallo(selezione.prima(), selezione.ultima()), "Attenzione",
                      Icona::Domanda, Pulsanti::SiNo, Risposta::No};
    if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    (void)EliminaIntervallo(m_stato.archivio, selezione.prima(), selezione.ultima());
    mostraEstrazione(m_stato.archivio.conteggio());
    (void)SalvaArchivioStato(m_stato);
}

void TAggioManuale::stampa()
{
    const std::int32_t i = posizione();
    if (i == 0) {
        return;
    }
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Quarvin"));
    if (!m_servizi.scegliStampante(stampante, this)) {
        return;
    }
    (void)StampaEstrazione(stampante, m_stato.archivio.estrazione(i),
                           QString::fromStdString(m_stato.generali.sitoWeb));
}
