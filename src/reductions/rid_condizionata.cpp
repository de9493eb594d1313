#include "reductions/rid_condizionata.h"

#include "editor/sviluppo_integrale.h"
#include "reductions/verifica_condizioni.h"

CondizioniRiduzione CondizioniDelSistema(const Sistema& sistema)
{
    return CondizioniRiduzione::daBlocco(sistema.riduzioni.condizionata);
}

void ImpostaCondizioni(Sistema& sistema, const CondizioniRiduzione& condizioni)
{
    sistema.riduzioni.condizionata = condizioni.blocco();
}

EsitoRiduzione RiduzioneCondizionata(Sistema& sistema, ElencoGiocate& giocate,
                                     const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                                     bool consideraFisse, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo, OpzioniFiltro(modo, consideraFisse));
    esecuzione.avvia();
    const VerificatoreCondizioni verificatore(condizioni, esecuzione.mappa());
    const bool fisse = esecuzione.consideraFisse();

    if (modo == ModoFiltro::Giocate) {
        EsitoRiduzione esito = FiltraGiocate(
            esecuzione, [&](const Tipo_Giocata& giocata) { return verificatore.accettata(giocata, fisse); });
        if (esito.codice == CodiceRiduzione::Completata) {
            sistema.modificato = true;
        }
        return esito;
    }
    // Instantiated per fixed-number option so that the common case has no test left in its loop but
    // the conditions.
    if (fisse) {
        FiltraPronostico(esecuzione, [&](const Tipo_Giocata& c) { return verificatore.accettata(c, true); });
    } else {
        FiltraPronostico(esecuzione, [&](const Tipo_Giocata& c) { return verificatore.accettata(c, false); });
    }
    return ConcludiFiltroPronostico(esecuzione);
}
