#include "ui/rid_sost_comb_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "ui/delegato_tasti.h"
#include "ui/elenchi_numerati.h"
#include "ui/filtro_tasti.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ms = messaggi_sostituzione;

namespace {

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
    // The cells take digits, spaces and backspace only.
    m_griglia->setItemDelegate(new DelegatoTasti(
        [](QLineEdit* riga, int) { riga->installEventFilter(FiltroTasti::Cifre(true, riga)); }, m_griglia));
    m_griglia->setMinimumHeight(220);
    areaParametri()->addWidget(m_griglia);
    disabilitaInEsecuzione(m_griglia);
    SeguiRigheNumerate(m_griglia);

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
    SistemaRigheNumerate(m_griglia, -1);
}

void TRidSostComb::azzera()
{
    if (!conferma(ms::Azzera)) {
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
