#include "ui/comandi/comandi_verifica.h"

#include "checking/bilancio_storico.h"
#include "checking/distribuzione_punti.h"
#include "checking/probabilita_sistema.h"
#include "checking/spoglio.h"
#include "checking/spoglio_storico.h"
#include "checking/verifica_garanzia.h"
#include "tools/messaggi_strumenti.h"
#include "ui/bilancio_storico_dialog.h"
#include "ui/calc_vin_dialog.h"
#include "ui/probabilita_sistema_dialog.h"
#include "ui/probabilita_vincita_dialog.h"
#include "ui/spoglio_dialog.h"
#include "ui/spoglio_storico_dialog.h"
#include "ui/verifica_garanzia_dialog.h"
#include "ui/visua_distri_dialog.h"

std::vector<VoceComando> ComandiVerifica::voci()
{
    return {
        {Comando::SpoglioGiocate,
         "Spoglio delle giocate",
         [this] { spoglio(); },
         {},
         Icone::Spoglio,
         nullptr,
         "gf_spoglio.htm"},
        {Comando::SpoglioStorico,
         "Spoglio con l'archivio storico",
         [this] { spoglioStorico(); },
         {},
         {},
         nullptr,
         messaggi_spoglio_storico::Guida},
        {Comando::ProbabilitaVincita,
         "Calcola probabilità di vincita",
         [this] { probabilitaVincita(); },
         {},
         Icone::Probabilita,
         " Calcola probabilità di vincita ",
         messaggi_probabilita_vincita::Guida},
        {Comando::VerificaGaranzia,
         messaggi_verifica_garanzia::Titolo,
         [this] { verificaGaranzia(); },
         {},
         {},
         nullptr,
         messaggi_verifica_garanzia::Guida},
        {Comando::BilancioStorico,
         messaggi_bilancio_storico::Titolo,
         [this] { bilancioStorico(); },
         {},
         {},
         nullptr,
         messaggi_bilancio_storico::Guida},
        {Comando::ProbabilitaSistema,
         messaggi_probabilita_sistema::Titolo,
         [this] { probabilitaSistema(); },
         {},
         {},
         nullptr,
         messaggi_probabilita_sistema::Guida},
        {Comando::DistribuzioneNumeri,
         "Visualizza distribuzione dei numeri",
         [this] { distribuzioneNumeri(); },
         {},
         {},
         nullptr,
         "gf_distrinu.htm"},
        {Comando::CalcolaVincite,
         "Calcola vincite",
         [this] { calcolaVincite(); },
         {},
         {},
         nullptr,
         "imp_calcola_vincite.htm"},
    };
}

void ComandiVerifica::spoglio()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Messaggio{messaggi_spoglio::NessunaGiocata, "Attenzione", Icona::Informazione,
                                          Pulsanti::Ok, Risposta::Ok});
        return;
    }
    const EsitoImporti importi = m_finestra.leggiImporti();
    if (!importi.valido) {
        (void)messaggi().mostra(Errore(MessaggioImportiNonValidi(stato().generali), Icona::Avviso));
        return;
    }
    // Made once and kept, so the draw typed is still there at the next opening.
    if (m_spoglio == nullptr) {
        m_spoglio = new TSpoglio(
            stato(), servizi(),
            [this] {
                m_finestra.ricalcolaStatistiche();
                m_finestra.aggiornaArchivio();
            },
            genitore());
        m_spoglio->setObjectName(QStringLiteral("TSpoglio"));
    }
    m_spoglio->exec();
}

void ComandiVerifica::spoglioStorico()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Messaggio{messaggi_spoglio_storico::NessunaGiocata, "Attenzione",
                                          Icona::Informazione, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    TSpoglioStorico dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::probabilitaVincita()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Avviso(messaggi_probabilita_vincita::NessunaGiocata));
        return;
    }
    if (!m_finestra.validaSistema()) {
        return;
    }
    TProbabilitaVincita dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::verificaGaranzia()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Avviso(messaggi_verifica_garanzia::NessunaGiocata));
        return;
    }
    TVerificaGaranzia dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::bilancioStorico()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Avviso(messaggi_bilancio_storico::NessunaGiocata));
        return;
    }
    if (!(PuntataGiocata(ParametriDaSistema(stato().sistema, stato().generali.vincitaMassima)) > 0)) {
        (void)messaggi().mostra(Avviso(messaggi_bilancio_storico::ImportiNulli));
        return;
    }
    TBilancioStorico dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::probabilitaSistema()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Avviso(messaggi_probabilita_sistema::NessunaGiocata));
        return;
    }
    TProbabilitaSistema dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::distribuzioneNumeri()
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Messaggio{messaggi_strumenti::NessunaGiocata, "Attenzione",
                                          Icona::Informazione, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    TVisuaDistri dialogo(stato(), servizi(), genitore());
    dialogo.exec();
}

void ComandiVerifica::calcolaVincite()
{
    TCalcVin dialogo(stato().generali, messaggi(), genitore());
    dialogo.exec();
}
