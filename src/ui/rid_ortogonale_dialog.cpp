#include "ui/rid_ortogonale_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"
#include "ui/pagina_riduttori.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace mg = messaggi_garanzia;

namespace ortogonale_ui {

QComboBox* CreaSelettoreGaranzia(QWidget* genitore)
{
    auto* selettore = new QComboBox(genitore);
    selettore->setObjectName(QStringLiteral("garanziaComboBox"));
    for (const char* nome : NomiGaranzia) {
        selettore->addItem(QString::fromUtf8(nome));
    }
    return selettore;
}

QTableWidget* CreaTabellaPunti(QWidget* genitore, const QString& titolo1, const QString& titolo2)
{
    auto* tabella = new QTableWidget(5, 2, genitore);
    tabella->setObjectName(QStringLiteral("puntiTableWidget"));
    tabella->setHorizontalHeaderLabels({titolo1, titolo2});
    tabella->verticalHeader()->hide();
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionMode(QAbstractItemView::NoSelection);
    tabella->setFocusPolicy(Qt::NoFocus);
    for (int riga = 0; riga < 5; ++riga) {
        for (int colonna = 0; colonna < 2; ++colonna) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignCenter);
            tabella->setItem(riga, colonna, cella);
        }
    }
    tabella->resizeRowsToContents();
    int altezza = tabella->horizontalHeader()->sizeHint().height() + 2 * tabella->frameWidth();
    for (int riga = 0; riga < 5; ++riga) {
        altezza += tabella->rowHeight(riga);
    }
    tabella->setFixedHeight(altezza);
    tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return tabella;
}

void RiempiTabellaPunti(QTableWidget* tabella, int g)
{
    for (int riga = 1; riga <= 5; ++riga) {
        const int punti = PuntiRigaOrtogonale(g, riga);
        const QString testo = punti > 0 ? QString::number(punti) : QString();
        tabella->item(riga - 1, 0)->setText(testo);
        tabella->item(riga - 1, 1)->setText(testo);
    }
}

std::string FileRiduttoriOrtogonali(const StatoApplicazione& stato)
{
    return stato.cartelle.dati + NomeFileRiduttoriOrtogonali;
}

} // namespace ortogonale_ui

namespace {

constexpr const char* TopicGuida = "mdr_ortopro.htm";

} // namespace

TRidOrtogonale::TRidOrtogonale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida),
                       QStringLiteral("Riduzione ortogonale del pronostico"), parent),
      m_file(ortogonale_ui::FileRiduttoriOrtogonali(stato))
{
    auto* campi = new QFormLayout;
    m_garanzia = ortogonale_ui::CreaSelettoreGaranzia(this);
    campi->addRow(QString::fromUtf8(mg::PunteggioGarantito), m_garanzia);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_garanzia);

    m_punti = ortogonale_ui::CreaTabellaPunti(this, QString::fromUtf8(mg::PuntiNelPronostico),
                                              QString::fromUtf8(mg::PuntiGarantitiGiocate));
    areaParametri()->addWidget(m_punti);

    m_stima = new QLabel(QString::fromUtf8(mg::StimaNonDisponibile), this);
    m_stima->setObjectName(QStringLiteral("stimaLabel"));
    m_tipo = new QLabel(QString::fromUtf8(mg::TipoNonImmediata), this);
    m_tipo->setObjectName(QStringLiteral("tipoLabel"));
    areaParametri()->addWidget(m_stima);
    areaParametri()->addWidget(m_tipo);

    m_consideraFisse = aggiungiConsideraFisse();

    auto* scarica =
        aggiungiPulsanteRiga(QString::fromUtf8(mg::ScaricaRiduttori), QStringLiteral("scaricaPushButton"));
    mostraConteggio(QString::fromUtf8(messaggi_riduzioni::NumeroGiocate));

    const std::int32_t salvato = IDE_Intero(stato.impostazioni, ChiaveRidOrtog, 0, false);
    m_garanzia->setCurrentIndex(std::clamp(salvato, 0, 3));
    garanziaCambiata();

    connect(m_garanzia, &QComboBox::currentIndexChanged, this, &TRidOrtogonale::garanziaCambiata);
    connect(m_consideraFisse, &QCheckBox::clicked, this, &TRidOrtogonale::aggiornaStima);
    connect(scarica, &QPushButton::clicked, this,
            [this] { pagina_riduttori::ApriScarica(this->stato(), this->servizi(), 'o', m_file); });
    resize(460, sizeHint().height());
}

int TRidOrtogonale::garanzia() const
{
    return m_garanzia->currentIndex() + 2;
}

void TRidOrtogonale::garanziaCambiata()
{
    const int g = GaranziaAmmessa(stato().sistema.numeriPerGiocata, garanzia());
    if (g != garanzia()) {
        const QSignalBlocker blocco(m_garanzia);
        m_garanzia->setCurrentIndex(g - 2);
    }
    ortogonale_ui::RiempiTabellaPunti(m_punti, g);
    aggiornaStima();
}

void TRidOrtogonale::aggiornaStima()
{
    const StimaRiduzione stima =
        StimaRiduttore(m_file, stato().sistema.numeriPronostico(), stato().sistema.numeriPerGiocata,
                       garanzia(), consideraFisse(m_consideraFisse));
    m_stima->setText(QString::fromStdString(stima.giocate));
    m_tipo->setText(QString::fromStdString(stima.tipo));
}

EsitoRiduzione TRidOrtogonale::esegui(ControlloEsecuzione& controllo)
{
    const ParametriOrtogonale parametri{garanzia(), consideraFisse(m_consideraFisse), m_file};
    const EsitoOrtogonale esito =
        RiduzioneOrtogonale(stato().sistema, stato().giocate, parametri, stato().generatore, controllo);
    if (esito.riduttoreDanneggiato) {
        pagina_riduttori::MostraDanneggiato(stato(), servizi(), 'o');
        chiudiDopoDanneggiato();
    }
    return esito.esito;
}

void TRidOrtogonale::chiudiDopoDanneggiato()
{
    // The run is still on: the dialog closes once the base has left the running state.
    QMetaObject::invokeMethod(this, &TRidOrtogonale::reject, Qt::QueuedConnection);
}

void TRidOrtogonale::salvaOpzioni()
{
    (void)IDE_Intero(stato().impostazioni, ChiaveRidOrtog, m_garanzia->currentIndex(), true);
}
