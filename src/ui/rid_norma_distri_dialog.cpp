#include "ui/rid_norma_distri_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/rid_normalizza.h"
#include "ui/grafico_barre.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

std::vector<QColor> ColoriNumeri(const Sistema& sistema)
{
    std::vector<QColor> colori;
    for (std::uint8_t segno : sistema.pronostico) {
        colori.push_back(segno != 0 ? QColor(0, 150, 0) : QColor(200, 0, 0));
    }
    return colori;
}

} // namespace

TRidNormaDistri::TRidNormaDistri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_normadistri.htm"),
                       QStringLiteral("Normalizza distribuzione dei numeri nelle giocate"), parent,
                       QStringLiteral("Avvia riduzione"))
{
    m_grafico = new GraficoBarre(this);
    m_grafico->setObjectName(QStringLiteral("distribuzioneGrafico"));
    m_grafico->setMinimumSize(640, 260);
    m_grafico->setMostraValori(false);
    m_grafico->setDati(std::vector<double>(NumeroMassimo, 0.0));
    m_grafico->setColoriBarre(ColoriNumeri(stato.sistema));
    const SoglieDistribuzione soglie = CalcolaSoglie(stato.sistema, stato.giocate.conteggio());
    m_grafico->setLineaRiferimento(soglie.media);
    areaParametri()->addWidget(m_grafico);
    m_consideraFisse = aggiungiConsideraFisse(QStringLiteral("Considera Fisse"));
    pulsanteAvvia()->setEnabled(false);
    QTimer::singleShot(100, this, [this] { conta(); });
}

void TRidNormaDistri::conta()
{
    const FrequenzeNumeri f = ContaFrequenze(stato().giocate);
    m_grafico->setDati(std::vector<double>(f.begin(), f.end()));
    m_grafico->setColoriBarre(ColoriNumeri(stato().sistema));
    m_grafico->setLineaRiferimento(CalcolaSoglie(stato().sistema, stato().giocate.conteggio()).media);
    pulsanteAvvia()->setEnabled(true);
    m_contato = true;
}

EsitoRiduzione TRidNormaDistri::esegui(ControlloEsecuzione& controllo)
{
    const EsitoRiduzione esito = NormalizzaDistribuzione(stato().sistema, stato().giocate,
                                                         consideraFisse(m_consideraFisse), controllo);
    // After a stop the chart shows the plays as they were left.
    conta();
    return esito;
}
