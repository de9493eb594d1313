// The conditional reduction command of the main window (menu " Metodi di riduzione " > "Metodi a base
// mista" > "Riduzione condizionata", and the toolbar button that shares its action).
#include "ui/pri_window.h"

#include "reductions/ingresso_riduzioni.h"
#include "ui/rid_condizionata_dialog.h"

void TPri::collegaComandiCondizionata()
{
    m_comandi.collega(QStringLiteral("Riduzione condizionata"), this,
                      [this] { comandoRiduzioneCondizionata(); });
}

void TPri::comandoRiduzioneCondizionata()
{
    if (!ingressoRiduzione(&IngressoValidazioneSeVuoto)) {
        return;
    }
    TRidCondizionata dialogo(m_stato, m_apriGuida, this);
    apriRiduzione(dialogo);
}
