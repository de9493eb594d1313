#include "ui/comandi/comandi_riduzioni.h"

#include "reductions/ingresso_riduzioni.h"
#include "ui/applica_riduttore_dialog.h"
#include "ui/gestione_riduttori_dialog.h"
#include "ui/rid_casuale_dialog.h"
#include "ui/rid_casuale_elimina_dialog.h"
#include "ui/rid_condizionata_dialog.h"
#include "ui/rid_conf_storico_dialog.h"
#include "ui/rid_cruciverba_dialog.h"
#include "ui/rid_gara_gio_dialog.h"
#include "ui/rid_gara_pro_dialog.h"
#include "ui/rid_giocate_filtro_dialog.h"
#include "ui/rid_gruppi_dialog.h"
#include "ui/rid_norma_distri_dialog.h"
#include "ui/rid_numeri_dialog.h"
#include "ui/rid_ortogonale_dialog.h"
#include "ui/rid_ortogonale_gio_dialog.h"
#include "ui/rid_otti_proba_dialog.h"
#include "ui/rid_probabilistiche_dialog.h"
#include "ui/rid_rappresentative_dialog.h"
#include "ui/rid_sost_comb_dialog.h"
#include "ui/sviluppo_integrale_dialog.h"

#include <QUrl>

template <typename Dialogo> void ComandiRiduzioni::gruppi()
{
    if (!ingresso(&IngressoValidazioneSeVuoto)) {
        return;
    }
    Dialogo dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

std::vector<VoceComando> ComandiRiduzioni::voci()
{
    using C = Comando;
    return {
        {C::SviluppoIntegrale,
         "Sviluppo integrale del pronostico",
         [this] { sviluppoIntegrale(); },
         {},
         {},
         nullptr,
         "mdr_svilint.htm"},
        {C::RiduzioneOrtogonalePronostico,
         "Riduzione ortogonale del pronostico",
         [this] { ortogonalePronostico(); },
         {},
         Icone::Ortogonale,
         nullptr,
         "mdr_ortopro.htm"},
        {C::RiduzioneGaranziaPronostico,
         "Riduzione del pronostico a garanzia",
         [this] { garanziaPronostico(); },
         {},
         Icone::Garanzia,
         nullptr,
         "mdr_garapro.htm"},
        {C::RiduzioneOrtogonaleGiocate,
         "Riduzione ortogonale delle giocate",
         [this] { ortogonaleGiocate(); },
         {},
         {},
         nullptr,
         "mdr_ortogio.htm"},
        {C::RiduzioneGaranziaGiocate,
         "Riduzione delle giocate a garanzia",
         [this] { garanziaGiocate(); },
         {},
         {},
         nullptr,
         "mdr_garagio.htm"},
        {C::AggiungiGiocatePiuRappresentative,
         "Aggiungi giocate più rappresentative",
         [this] {
             if (ingresso(&IngressoAggiungiRappresentative)) {
                 TRidGenio dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_piurappre.htm"},
        {C::EliminaGiocateMenoRappresentative,
         "Elimina giocate meno rappresentative",
         [this] {
             if (ingresso(&IngressoEliminaRappresentative)) {
                 TRidMenoRappre dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_menorappre.htm"},
        {C::OttimizzaProbabilitaVincita,
         "Ottimizza probabilità di vincita",
         [this] {
             if (ingresso(&IngressoOttimizzaProbabilita)) {
                 TRidOttiProba dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         Icone::Ottimizza,
         nullptr,
         "mdr_ottiproba.htm"},
        {C::RiduzioneProbabilisticaFrequenze,
         "Riduzione probabilistica in base alle frequenze",
         [this] { gruppi<TRidProbaFre>(); },
         {},
         Icone::Frequenze,
         nullptr,
         "mdr_probafreq.htm"},
        {C::RiduzioneProbabilisticaRitardi,
         "Riduzione probabilistica in base ai ritardi",
         [this] { gruppi<TRidProbaRit>(); },
         {},
         Icone::Ritardi,
         nullptr,
         "mdr_probarit.htm"},
        {C::RiduzioneProbabilitaPersonalizzate,
         "Riduzione in base a probabilità personalizzate",
         [this] { gruppi<TRidProbaPer>(); },
         {},
         {},
         nullptr,
         "mdr_probaper.htm"},
        {C::RiduzioneFrequenze,
         "Riduzione in base alle frequenze",
         [this] { gruppi<TRidFre>(); },
         {},
         {},
         nullptr,
         "mdr_freq.htm"},
        {C::RiduzioneRitardi,
         "Riduzione in base ai ritardi",
         [this] { gruppi<TRidRit>(); },
         {},
         {},
         nullptr,
         "mdr_rit.htm"},
        {C::RiduzioneConfrontoStorico,
         "Riduzione tramite il confronto con l'archivio storico",
         [this] {
             if (ingresso(&IngressoValidazioneSeVuoto)) {
                 TRidConfStorico dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_confsto.htm"},
        {C::RiduzioneCondizionata,
         "Riduzione condizionata",
         [this] { condizionata(); },
         {},
         Icone::Condizionata,
         nullptr,
         "mdr_condizionata.htm"},
        {C::RiduzioneGiocateFiltro,
         "Riduzione tramite giocate filtro",
         [this] {
             if (ingresso(&IngressoValidazioneSeVuoto)) {
                 TRidGiocateFiltro dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         Icone::Filtro,
         nullptr,
         "mdr_giofiltro.htm"},
        {C::RiduzioneCruciverba,
         "Riduzione cruciverba",
         [this] {
             if (ingresso(&IngressoCruciverba)) {
                 TRidCruciverba dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_cruciverba.htm"},
        {C::RiduzioneNumeri,
         "Riduzione in base ai numeri",
         [this] { gruppi<TRidNumeri>(); },
         {},
         {},
         nullptr,
         "mdr_numeri.htm"},
        {C::RiduzioneCadenze,
         "Riduzione in base alle cadenze",
         [this] { gruppi<TRidCadenze>(); },
         {},
         {},
         nullptr,
         "mdr_cadenze.htm"},
        {C::RiduzioneFigure,
         "Riduzione in base alle figure",
         [this] { gruppi<TRidFigure>(); },
         {},
         {},
         nullptr,
         "mdr_figure.htm"},
        {C::RiduzioneDecine,
         "Riduzione in base alle decine",
         [this] { gruppi<TRidDecine>(); },
         {},
         {},
         nullptr,
         "mdr_decine.htm"},
        {C::SostituzioneCombinazioni,
         "Sostituzione combinazioni di numeri",
         [this] {
             if (ingresso(&IngressoSostituzione)) {
                 TRidSostComb dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_sostcomb.htm"},
        {C::NormalizzaDistribuzione,
         "Normalizza distribuzione dei numeri",
         [this] {
             if (ingresso(&IngressoNormalizza)) {
                 TRidNormaDistri dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_normadistri.htm"},
        {C::AggiungiGiocateCasuali,
         "Aggiungi giocate casuali",
         [this] { aggiungiCasuali(); },
         {},
         {},
         nullptr,
         "mdr_casuale.htm"},
        {C::EliminaGiocateCasualmente,
         "Elimina giocate casualmente",
         [this] { eliminaCasualmente(); },
         {},
         {},
         nullptr,
         "mdr_casuale.htm"},
        {C::ApplicaRiduttore,
         "Applica riduttore",
         [this] {
             if (ingresso(&IngressoValidazione)) {
                 TApplicaRiduttore dialogo(stato(), servizi(), genitore());
                 apri(dialogo);
             }
         },
         {},
         {},
         nullptr,
         "mdr_applicarid.htm"},
        {C::GestioneRiduttori,
         "Gestione riduttori",
         [this] {
             TGestioneRiduttori dialogo(stato(), servizi(), genitore());
             apri(dialogo);
         },
         {},
         {},
         nullptr,
         "mdr_gestrid.htm"},
        {C::ApriCartellaRiduttori, "Apri cartella riduttori personalizzati",
         [this] {
             servizi().apriIndirizzo(QUrl::fromLocalFile(QString::fromStdString(stato().cartelle.personale)));
         }},
    };
}

EsitoIngresso ComandiRiduzioni::ingresso(EsitoIngresso (*famiglia)(ContestoIngresso&))
{
    ContestoIngresso contesto{stato().sistema, stato().giocate, messaggi(),
                              [this] { return m_finestra.validaSistema(); }};
    EsitoIngresso esito = famiglia(contesto);
    if (!esito && esito.focusNumeriPerGiocata) {
        m_finestra.focusNumeriPerGiocata();
    }
    return esito;
}

void ComandiRiduzioni::apri(QDialog& dialogo)
{
    dialogo.exec();
    m_finestra.aggiornaRiepilogo();
}

void ComandiRiduzioni::sviluppoIntegrale()
{
    if (!m_finestra.validaSistema()) {
        return;
    }
    TSviluppoIntegrale dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

void ComandiRiduzioni::ortogonalePronostico()
{
    if (!ingresso(&IngressoPronosticoAlmenoTre)) {
        return;
    }
    TRidOrtogonale dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

void ComandiRiduzioni::ortogonaleGiocate()
{
    const EsitoIngresso esito = ingresso(&IngressoGiocateUniformi);
    if (!esito) {
        return;
    }
    TRidOrtogonaleGiocate dialogo(stato(), servizi(), esito.numeriGiocate, esito.numeriUsati, genitore());
    apri(dialogo);
}

void ComandiRiduzioni::garanziaPronostico()
{
    if (!ingresso(&IngressoPronosticoAlmenoTre)) {
        return;
    }
    TRidGaraPro dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

void ComandiRiduzioni::garanziaGiocate()
{
    const EsitoIngresso esito = ingresso(&IngressoGiocateUniformi);
    if (!esito) {
        return;
    }
    TRidGaraGio dialogo(stato(), servizi(), esito.numeriGiocate, esito.numeriUsati, genitore());
    apri(dialogo);
}

void ComandiRiduzioni::condizionata()
{
    if (!ingresso(&IngressoValidazioneSeVuoto)) {
        return;
    }
    TRidCondizionata dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

void ComandiRiduzioni::aggiungiCasuali()
{
    if (!ingresso(&IngressoValidazione)) {
        return;
    }
    TRidCasuale dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}

void ComandiRiduzioni::eliminaCasualmente()
{
    if (!ingresso(&IngressoEliminaCasualmente)) {
        return;
    }
    TRidCasualeElimina dialogo(stato(), servizi(), genitore());
    apri(dialogo);
}
