#include "ui/comandi/comandi_archivio.h"

#include "ui/aggio_dialog.h"
#include "ui/aggio_manuale_dialog.h"

std::vector<VoceComando> ComandiArchivio::voci()
{
    return {
        {Comando::AggiornaDaInternet,
         "Aggiorna da Internet",
         [this] { aggiornaDaInternet(); },
         {},
         Icone::Aggiorna,
         nullptr,
         "as_aggiorna_internet.htm"},
        {Comando::VisualizzaModificaArchivio,
         "Visualizza/Modifica",
         [this] { visualizzaModifica(); },
         {},
         {},
         nullptr,
         "as_aggiorna_manuale.htm"},
    };
}

void ComandiArchivio::aggiornaDaInternet()
{
    TAggio dialogo(
        stato(), servizi(), [this] { m_finestra.ricalcolaStatistiche(); }, genitore());
    dialogo.exec();
    if (dialogo.archivioSalvato()) {
        m_finestra.aggiornaArchivio();
    }
}

void ComandiArchivio::visualizzaModifica()
{
    TAggioManuale dialogo(stato(), servizi(), genitore());
    dialogo.exec();
    m_finestra.ricalcolaStatistiche();
    m_finestra.aggiornaArchivio();
}
