// The guarantee reductions of the main window: "Riduzione del pronostico a garanzia" (system validation,
// k at least 3) and "Riduzione delle giocate a garanzia" (plays of one size, at least three numbers).
#include "ui/pri_window.h"

#include "reductions/ingresso_riduzioni.h"
#include "ui/rid_gara_gio_dialog.h"
#include "ui/rid_gara_pro_dialog.h"

void TPri::collegaComandiGaranzia()
{
    m_comandi.collega(QStringLiteral("Riduzione del pronostico a garanzia"), this,
                      [this] { comandoRiduzioneGaranzia(); });
    m_comandi.collega(QStringLiteral("Riduzione delle giocate a garanzia"), this,
                      [this] { comandoRiduzioneGaranziaGiocate(); });
}

void TPri::comandoRiduzioneGaranzia()
{
    if (!ingressoRiduzione(&IngressoPronosticoAlmenoTre)) {
        return;
    }
    TRidGaraPro dialogo(m_stato, m_apriGuida, this);
    apriRiduzione(dialogo);
}

void TPri::comandoRiduzioneGaranziaGiocate()
{
    const EsitoIngresso ingresso = ingressoRiduzione(&IngressoGiocateUniformi);
    if (!ingresso) {
        return;
    }
    TRidGaraGio dialogo(m_stato, m_apriGuida, ingresso.numeriGiocate, ingresso.numeriUsati, this);
    apriRiduzione(dialogo);
}
