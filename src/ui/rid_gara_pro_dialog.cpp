#include "ui/rid_gara_pro_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
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
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace mg = messaggi_garanzia;
namespace mr = messaggi_riduttori;

TRidGaranziaBase::TRidGaranziaBase(StatoApplicazione& stato, ServiziFinestre& servizi, const char* topic,
                                   const char* titolo, int k, const char* colonnaPunti,
                                   const char* colonnaGarantiti, const char* chiave, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(topic), QString::fromUtf8(titolo), parent), m_k(k),
      m_chiave(chiave), m_fileRiduttori(stato.cartelle.dati + NomeFileRiduttoriGaranzia)
{
    auto* campi = new QFormLayout;
    m_garanzia = new QComboBox(this);
    m_garanzia->setObjectName(QStringLiteral("garanziaComboBox"));
    for (const char* nome : NomiGaranzia) {
        m_garanzia->addItem(QString::fromLatin1(nome));
    }
    campi->addRow(QString::fromUtf8(mg::PunteggioGarantito), m_garanzia);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_garanzia);

    m_punti = new QTreeWidget(this);
    m_punti->setObjectName(QStringLiteral("puntiTreeWidget"));
    m_punti->setColumnCount(2);
    m_punti->setHeaderLabels({QString::fromUtf8(colonnaPunti), QString::fromUtf8(colonnaGarantiti)});
    m_punti->setRootIsDecorated(false);
    m_punti->setSelectionMode(QAbstractItemView::NoSelection);
    m_punti->setFocusPolicy(Qt::NoFocus);
    m_punti->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (int p = 5; p >= 1; --p) {
        auto* riga = new QTreeWidgetItem(m_punti, {QString::number(p), QString()});
        riga->setTextAlignment(0, Qt::AlignCenter);
        riga->setTextAlignment(1, Qt::AlignCenter);
    }
    m_punti->setFixedHeight(m_punti->sizeHintForRow(0) * 5 + m_punti->header()->sizeHint().height() + 6);
    areaParametri()->addWidget(m_punti);

    m_consideraFisse = aggiungiConsideraFisse();
    connect(m_consideraFisse, &QCheckBox::clicked, this, [this] { aggiornaRiduttori(); });
    connect(m_garanzia, &QComboBox::currentIndexChanged, this, &TRidGaranziaBase::garanziaScelta);
    mostraConteggio(QString::fromUtf8(messaggi_riduzioni::NumeroGiocate));
}

int TRidGaranziaBase::garanzia() const
{
    return m_garanzia->currentIndex() + 2;
}

void TRidGaranziaBase::caricaGaranzia()
{
    const std::int32_t indice = std::clamp(IDE_Intero(stato().impostazioni, m_chiave, 0, false), 0, 3);
    const QSignalBlocker blocco(m_garanzia);
    m_garanzia->setCurrentIndex(indice);
    garanziaScelta();
}

void TRidGaranziaBase::garanziaScelta()
{
    const int g = GaranziaAmmessa(m_k, garanzia());
    if (g != garanzia()) {
        const QSignalBlocker blocco(m_garanzia);
        m_garanzia->setCurrentIndex(g - 2);
    }
    const std::array<int, 5> punti = PuntiGarantiti(m_k, g);
    for (int riga = 0; riga < 5; ++riga) {
        m_punti->topLevelItem(riga)->setText(1, QString::number(punti[static_cast<std::size_t>(riga)]));
    }
    aggiornaRiduttori();
}

void TRidGaranziaBase::aggiungiScarica()
{
    auto* scarica =
        aggiungiPulsanteRiga(QString::fromLatin1(mg::ScaricaRiduttori), QStringLiteral("scaricaPushButton"));
    connect(scarica, &QPushButton::clicked, this, &TRidGaranziaBase::scaricaRiduttori);
}

std::string TRidGaranziaBase::fileRiduttori() const
{
    return m_fileRiduttori;
}

void TRidGaranziaBase::scaricaRiduttori()
{
    pagina_riduttori::ApriScarica(stato(), servizi(), 'g', fileRiduttori());
}

void TRidGaranziaBase::mostraRiduttoreDanneggiato()
{
    pagina_riduttori::MostraDanneggiato(stato(), servizi(), 'g');
    // Closes once the run is over (a running dialog refuses to close).
    QMetaObject::invokeMethod(this, &TRidGaranziaBase::reject, Qt::QueuedConnection);
}

void TRidGaranziaBase::salvaOpzioni()
{
    (void)IDE_Intero(stato().impostazioni, m_chiave, m_garanzia->currentIndex(), true);
}

TRidGaraPro::TRidGaraPro(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRidGaranziaBase(stato, servizi, "mdr_garapro.htm", mg::TitoloPronostico,
                       stato.sistema.numeriPerGiocata, mg::PuntiNelPronostico, mg::PuntiGarantitiGiocate,
                       ChiaveRidGara, parent)
{
    m_stima = new QLabel(QString::fromUtf8(mg::StimaNonDisponibile), this);
    m_stima->setObjectName(QStringLiteral("stimaLabel"));
    m_tipo = new QLabel(QString::fromUtf8(mg::TipoNonImmediata), this);
    m_tipo->setObjectName(QStringLiteral("tipoLabel"));
    areaParametri()->addWidget(m_stima);
    areaParametri()->addWidget(m_tipo);
    aggiungiScarica();
    caricaGaranzia();
    resize(460, sizeHint().height());
}

void TRidGaraPro::aggiornaRiduttori()
{
    if (m_stima == nullptr) {
        return;
    }
    const StimaRiduzione s = StimaRiduttore(fileRiduttori(), stato().sistema.numeriPronostico(),
                                            numeriPerGiocata(), garanzia(), consideraFisse(casellaFisse()));
    m_stima->setText(QString::fromStdString(s.giocate));
    m_tipo->setText(QString::fromStdString(s.tipo));
}

EsitoRiduzione TRidGaraPro::esegui(ControlloEsecuzione& controllo)
{
    ParametriGaraPro p;
    p.garanzia = garanzia();
    p.consideraFisse = consideraFisse(casellaFisse());
    p.fileRiduttori = fileRiduttori();
    const EsitoGaranzia e =
        RiduzionePronosticoGaranzia(stato().sistema, stato().giocate, p, stato().generatore, controllo);
    if (e.riduttoreDanneggiato) {
        mostraRiduttoreDanneggiato();
    }
    return e.esito;
}
