#include "ui/comandi/comandi_impostazioni.h"

#include "ui/impo_conn_dialog.h"
#include "ui/impo_frequenze_dialog.h"
#include "ui/impo_notifiche_dialog.h"
#include "ui/impo_probabilita_dialog.h"
#include "ui/modimpo_dialog.h"

std::vector<VoceComando> ComandiImpostazioni::voci()
{
    return {
        {Comando::ImpostazioniProbabilita,
         "Calcolo delle probabilità",
         [this] { probabilita(); },
         {},
         {},
         nullptr,
         "imp_probabilita.htm"},
        {Comando::ImpostazioniFrequenze, "Calcolo delle frequenze", [this] { frequenze(); }},
        {Comando::ConnessioneInternet,
         "Connessione ad Internet",
         [this] { connessione(); },
         {},
         {},
         nullptr,
         "imp_connessione.htm"},
        {Comando::ModificaImporti,
         "Modifica importi di giocata",
         [this] { importi(); },
         {},
         {},
         nullptr,
         "imp_importi.htm"},
        {Comando::NotificheAggiornamenti,
         "Notifiche aggiornamenti",
         [this] { notifiche(); },
         {},
         {},
         nullptr,
         "imp_notifiche.htm"},
    };
}

void ComandiImpostazioni::probabilita()
{
    TImpoProbabilita dialogo(
        stato(), servizi(), [this] { m_finestra.ricalcolaStatistiche(); }, genitore());
    dialogo.exec();
}

void ComandiImpostazioni::frequenze()
{
    TImpoFrequenze dialogo(
        stato(), [this] { m_finestra.ricalcolaStatistiche(); }, genitore());
    dialogo.exec();
}

void ComandiImpostazioni::connessione()
{
    TImpoConn dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiImpostazioni::importi()
{
    TModimpo dialogo(stato().generali, stato().impostazioni, messaggi(), servizi(), genitore());
    dialogo.exec();
    m_finestra.aggiornaRiepilogo();
}

void ComandiImpostazioni::notifiche()
{
    TImpoNotifiche dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}
