#include "ui/rid_gara_gio_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace mg = messaggi_garanzia;

TRidGaraGio::TRidGaraGio(StatoApplicazione& stato, ServiziFinestre& servizi, int k,
                         const SegniNumeri& numeriUsati, QWidget* parent)
    : TRidGaranziaBase(stato, servizi, "mdr_garagio.htm", mg::TitoloGiocate, k, mg::PuntiNelleGiocate,
                       mg::PuntiGarantitiFinali, ChiaveRidGaraGio, parent),
      m_numeriUsati(numeriUsati)
{
    m_v = static_cast<int>(
        std::count_if(numeriUsati.begin(), numeriUsati.end(), [](std::uint8_t s) { return s != 0; }));
    // Without the memory the five-number path examines every combination of every play.
    (void)m_mappaCinquine.prenota(5);

    auto* campi = new QFormLayout;
    m_modo = new QComboBox(this);
    m_modo->setObjectName(QStringLiteral("modoComboBox"));
    m_modo->addItem(QString::fromLatin1(mg::Normale));
    m_modo->addItem(QString::fromLatin1(mg::RiduttoriImmediati));
    campi->addRow(QStringLiteral("Modalità:"), m_modo);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_modo);
    aggiungiScarica();

    {
        const QSignalBlocker blocco(m_modo);
        m_modo->setCurrentIndex(
            std::clamp(IDE_Intero(stato.impostazioni, ChiaveRidGaraGioTR, 0, false), 0, 1));
    }
    connect(m_modo, &QComboBox::currentIndexChanged, this, [this] { aggiornaRiduttori(); });
    caricaGaranzia();
    resize(460, sizeHint().height());
}

void TRidGaraGio::aggiornaRiduttori()
{
    if (m_modo == nullptr || m_modo->currentIndex() != 1) {
        return;
    }
    if (!ImmediatiAmmessi(fileRiduttori(), m_v, numeriPerGiocata(), garanzia(),
                          consideraFisse(casellaFisse()))) {
        m_modo->setCurrentIndex(0);
    }
}

EsitoRiduzione TRidGaraGio::esegui(ControlloEsecuzione& controllo)
{
    ParametriGaraGio p;
    p.garanzia = garanzia();
    p.consideraFisse = consideraFisse(casellaFisse());
    p.immediati = m_modo->currentIndex() == 1;
    p.fileRiduttori = fileRiduttori();
    p.numeriGiocate = numeriPerGiocata();
    p.numeriUsati = m_numeriUsati;
    const EsitoGaranzia e = RiduzioneGiocateGaranzia(stato().sistema, stato().giocate, p,
                                                     m_mappaCinquine.prenotato() ? &m_mappaCinquine : nullptr,
                                                     stato().generatore, controllo);
    if (e.riduttoreDanneggiato) {
        mostraRiduttoreDanneggiato();
    }
    return e.esito;
}

void TRidGaraGio::salvaOpzioni()
{
    TRidGaranziaBase::salvaOpzioni();
    (void)IDE_Intero(stato().impostazioni, ChiaveRidGaraGioTR, m_modo->currentIndex(), true);
}
