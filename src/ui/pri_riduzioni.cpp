// The reduction commands of the main window: each runs the entry checks of its menu item, then opens
// its dialog modally and refreshes the summary when the dialog closes.
#include "ui/pri_window.h"

#include "reductions/ingresso_riduzioni.h"
#include "ui/rid_casuale_dialog.h"
#include "ui/rid_casuale_elimina_dialog.h"

#include <QComboBox>
#include <QDialog>

void TPri::collegaComandiRiduzioni()
{
    m_comandi.collega(QStringLiteral("Aggiungi giocate casuali"), this,
                      [this] { comandoAggiungiGiocateCasuali(); });
    m_comandi.collega(QStringLiteral("Elimina giocate casualmente"), this,
                      [this] { comandoEliminaGiocateCasualmente(); });
}

EsitoIngresso TPri::ingressoRiduzione(EsitoIngresso (*famiglia)(ContestoIngresso&))
{
    ContestoIngresso contesto{m_stato.sistema, m_stato.giocate, m_stato.messaggi, [this] {
                                  return ValidaSistema(m_stato.sistema, caselleFisse(), ruoteDaCaselle(),
                                                       m_stato.messaggi);
                              }};
    EsitoIngresso esito = famiglia(contesto);
    if (!esito && esito.focusNumeriPerGiocata) {
        m_numeriPerGiocata->setFocus();
    }
    return esito;
}

void TPri::apriRiduzione(QDialog& dialogo)
{
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoAggiungiGiocateCasuali()
{
    if (!ingressoRiduzione(&IngressoValidazione)) {
        return;
    }
    TRidCasuale dialogo(m_stato, m_apriGuida, this);
    apriRiduzione(dialogo);
}

void TPri::comandoEliminaGiocateCasualmente()
{
    if (!ingressoRiduzione(&IngressoEliminaCasualmente)) {
        return;
    }
    TRidCasualeElimina dialogo(m_stato, m_apriGuida, this);
    apriRiduzione(dialogo);
}
