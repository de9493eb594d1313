// The orthogonal reductions of the main window: "Riduzione ortogonale del pronostico" (system validation,
// k at least 3) and "Riduzione ortogonale delle giocate" (plays of one size, at least three numbers).
#include "ui/pri_window.h"

#include "reductions/ingresso_riduzioni.h"
#include "ui/rid_ortogonale_dialog.h"
#include "ui/rid_ortogonale_gio_dialog.h"

void TPri::collegaComandiOrtogonale()
{
    m_comandi.collega(QStringLiteral("Riduzione ortogonale del pronostico"), this,
                      [this] { comandoRiduzioneOrtogonale(); });
    m_comandi.collega(QStringLiteral("Riduzione ortogonale delle giocate"), this,
                      [this] { comandoRiduzioneOrtogonaleGiocate(); });
}

void TPri::comandoRiduzioneOrtogonale()
{
    if (!ingressoRiduzione(&IngressoPronosticoAlmenoTre)) {
        return;
    }
    TRidOrtogonale dialogo(m_stato, m_apriGuida, this);
    apriRiduzione(dialogo);
}

void TPri::comandoRiduzioneOrtogonaleGiocate()
{
    const EsitoIngresso ingresso = ingressoRiduzione(&IngressoGiocateUniformi);
    if (!ingresso) {
        return;
    }
    TRidOrtogonaleGiocate dialogo(m_stato, m_apriGuida, ingresso.numeriGiocate, ingresso.numeriUsati, this);
    apriRiduzione(dialogo);
}
