// Commands of the main window for the winnings calculator and the manual maintenance of the archive.
#include "ui/pri_window.h"

#include "ui/aggio_manuale_dialog.h"
#include "ui/calc_vin_dialog.h"

void TPri::collegaComandiVincite()
{
    m_comandi.collega(QStringLiteral("Calcola vincite"), this, [this] { comandoCalcolaVincite(); });
    m_comandi.collega(QStringLiteral("Archivio storico/Visualizza/Modifica"), this,
                      [this] { comandoAggiornamentoManuale(); });
}

void TPri::comandoCalcolaVincite()
{
    TCalcVin dialogo(m_stato.generali, m_stato.messaggi, this);
    dialogo.exec();
}

void TPri::comandoAggiornamentoManuale()
{
    TAggioManuale dialogo(m_stato, m_apriGuida, this);
    dialogo.exec();
    ricalcolaStatistiche();
    aggiornaArchivio();
}
