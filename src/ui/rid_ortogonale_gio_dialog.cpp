#include "ui/rid_ortogonale_gio_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"
#include "ui/pagina_riduttori.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace mg = messaggi_garanzia;

namespace {

constexpr const char* TopicGuida = "mdr_ortogio.htm";
constexpr int ModoNormale = 0;
constexpr int ModoImmediati = 1;

} // namespace

TRidOrtogonaleGiocate::TRidOrtogonaleGiocate(StatoApplicazione& stato, ServiziFinestre& servizi,
                                             int numeriGiocate, const SegniNumeri& numeriUsati,
                                             QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida),
                       QStringLiteral("Riduzione ortogonale delle giocate"), parent),
      m_k(numeriGiocate), m_numeriUsati(numeriUsati), m_file(ortogonale_ui::FileRiduttoriOrtogonali(stato))
{
    m_v = static_cast<int>(
        std::count_if(m_numeriUsati.begin(), m_numeriUsati.end(), [](std::uint8_t s) { return s != 0; }));

    auto* campi = new QFormLayout;
    m_garanzia = ortogonale_ui::CreaSelettoreGaranzia(this);
    campi->addRow(QString::fromUtf8(mg::PunteggioGarantito), m_garanzia);
    m_modo = new QComboBox(this);
    m_modo->setObjectName(QStringLiteral("modoComboBox"));
    m_modo->addItem(QString::fromUtf8(mg::Normale));
    m_modo->addItem(QString::fromUtf8(mg::RiduttoriImmediati));
    campi->addRow(QStringLiteral("Modalità:"), m_modo);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_garanzia);
    disabilitaInEsecuzione(m_modo);

    m_punti = ortogonale_ui::CreaTabellaPunti(this, QString::fromUtf8(mg::PuntiNelleGiocate),
                                              QString::fromUtf8(mg::PuntiGarantitiFinali));
    areaParametri()->addWidget(m_punti);

    m_consideraFisse = aggiungiConsideraFisse();

    auto* scarica =
        aggiungiPulsanteRiga(QString::fromUtf8(mg::ScaricaRiduttori), QStringLiteral("scaricaPushButton"));
    mostraConteggio(QString::fromUtf8(messaggi_riduzioni::NumeroGiocate));

    m_garanzia->setCurrentIndex(
        std::clamp(IDE_Intero(stato.impostazioni, ChiaveRidOrtogGio, 0, false), 0, 3));
    m_modo->setCurrentIndex(std::clamp(IDE_Intero(stato.impostazioni, ChiaveRidOrtogGioTR, 0, false), 0, 1));
    garanziaCambiata();

    connect(m_garanzia, &QComboBox::currentIndexChanged, this, &TRidOrtogonaleGiocate::garanziaCambiata);
    connect(m_modo, &QComboBox::currentIndexChanged, this, &TRidOrtogonaleGiocate::controllaModo);
    connect(m_consideraFisse, &QCheckBox::clicked, this, &TRidOrtogonaleGiocate::controllaModo);
    connect(scarica, &QPushButton::clicked, this,
            [this] { pagina_riduttori::ApriScarica(this->stato(), this->servizi(), 'o', m_file); });
    resize(460, sizeHint().height());
}

int TRidOrtogonaleGiocate::garanzia() const
{
    return m_garanzia->currentIndex() + 2;
}

bool TRidOrtogonaleGiocate::immediati() const
{
    return m_modo->currentIndex() == ModoImmediati;
}

void TRidOrtogonaleGiocate::garanziaCambiata()
{
    const int g = GaranziaAmmessa(m_k, garanzia());
    if (g != garanzia()) {
        const QSignalBlocker blocco(m_garanzia);
        m_garanzia->setCurrentIndex(g - 2);
    }
    ortogonale_ui::RiempiTabellaPunti(m_punti, g);
    controllaModo();
}

void TRidOrtogonaleGiocate::controllaModo()
{
    if (immediati() && !ImmediatiAmmessi(m_file, m_v, m_k, garanzia(), consideraFisse(m_consideraFisse))) {
        m_modo->setCurrentIndex(ModoNormale);
    }
}

EsitoRiduzione TRidOrtogonaleGiocate::esegui(ControlloEsecuzione& controllo)
{
    ParametriOrtogonaleGiocate parametri;
    parametri.garanzia = garanzia();
    parametri.numeriPerGiocata = m_k;
    parametri.numeriUsati = m_numeriUsati;
    parametri.consideraFisse = consideraFisse(m_consideraFisse);
    parametri.immediati = immediati();
    parametri.fileRiduttori = m_file;
    const EsitoOrtogonale esito = RiduzioneOrtogonaleGiocate(stato().sistema, stato().giocate, parametri,
                                                             stato().generatore, controllo);
    if (esito.riduttoreDanneggiato) {
        pagina_riduttori::MostraDanneggiato(stato(), servizi(), 'o');
        // The run is still on: the dialog closes once the base has left the running state.
        QMetaObject::invokeMethod(this, &TRidOrtogonaleGiocate::reject, Qt::QueuedConnection);
    }
    return esito.esito;
}

void TRidOrtogonaleGiocate::salvaOpzioni()
{
    (void)IDE_Intero(stato().impostazioni, ChiaveRidOrtogGio, m_garanzia->currentIndex(), true);
    (void)IDE_Intero(stato().impostazioni, ChiaveRidOrtogGioTR, m_modo->currentIndex(), true);
}
