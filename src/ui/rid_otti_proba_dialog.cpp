#include "ui/rid_otti_proba_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_otti_proba.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

TRidOttiProba::TRidOttiProba(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_ottiproba.htm"),
                       QStringLiteral("Ottimizza probabilità di vincita"), parent)
{
    auto* campi = new QFormLayout;
    m_passi = new QComboBox(this);
    m_passi->setObjectName(QStringLiteral("ComboBox1"));
    for (int m = 1; m <= 10; ++m) {
        m_passi->addItem(QString::number(m));
    }
    const int k = std::clamp(stato.sistema.numeriPerGiocata, 1, 10);
    const int indice = IDE_Intero(stato.impostazioni, ChiaveQNumOPDV, k - 1, false);
    m_passi->setCurrentIndex(std::clamp(indice, 0, k - 1));
    campi->addRow(QStringLiteral("Quantità massima di numeri da modificare in ogni giocata:"), m_passi);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_passi);
    m_consideraFisse = aggiungiConsideraFisse();
    resize(480, sizeHint().height());
}

EsitoRiduzione TRidOttiProba::esegui(ControlloEsecuzione& controllo)
{
    return OttimizzaProbabilita(stato().sistema, stato().giocate, m_passi->currentIndex() + 1,
                                consideraFisse(m_consideraFisse), controllo);
}

void TRidOttiProba::salvaOpzioni()
{
    IDE_Intero(stato().impostazioni, ChiaveQNumOPDV, m_passi->currentIndex(), true);
}
