#include "reductions/rid_condizionata.h"

#include "editor/sviluppo_integrale.h"
#include "reductions/verifica_condizioni.h"

#include <limits>

namespace mco = messaggi_condizionata;

CondizioniRiduzione CondizioniDelSistema(const Sistema& sistema)
{
    return CondizioniRiduzione::daBlocco(sistema.riduzioni.condizionata);
}

void ImpostaCondizioni(Sistema& sistema, const CondizioniRiduzione& condizioni)
{
    sistema.riduzioni.condizionata = condizioni.blocco();
}

namespace {

// The prediction run, instantiated per filter so that the common case (empty list, no fixed numbers)
// has no test left in its loop but the conditions.
template <bool Fisse, bool Duplicati>
void SuPronostico(EsecuzioneRiduzione& esecuzione, const VerificatoreCondizioni& verificatore)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::int32_t iniziali = esecuzione.iniziali();
    const CombinazioniPronostico combinazioni(esecuzione.pronostico(), esecuzione.numeriPerGiocata());
    esecuzione.setTotale(combinazioni.totale());
    const bool conVerifica = combinazioni.k() >= 2;
    std::int64_t finoAllaVerifica =
        conVerifica ? IntervalloVerificaCombinazioni : std::numeric_limits<std::int64_t>::max();
    std::int64_t esaminate = 0;
    combinazioni.perOgni([&](const Tipo_Giocata& candidata) {
        if (verificatore.accettata(candidata, Fisse)) {
            bool nuova = true;
            if constexpr (Duplicati) {
                nuova = giocate.CercaGiocataTra(candidata, iniziali) == 0;
            }
            if (nuova && !esecuzione.aggiungi(candidata)) {
                return false;
            }
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerificaCombinazioni;
            esaminate += IntervalloVerificaCombinazioni;
            esecuzione.setElaborati(esaminate);
            esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
            return esecuzione.verifica();
        }
        return true;
    });
}

EsitoRiduzione SuGiocate(EsecuzioneRiduzione& esecuzione, const VerificatoreCondizioni& verificatore)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const bool fisse = esecuzione.consideraFisse();
    std::int32_t j = 1;
    std::int64_t finoAllaVerifica = IntervalloVerificaCondizionata;
    while (j <= giocate.conteggio()) {
        if (verificatore.accettata(giocate.voce(j), fisse)) {
            ++j;
        } else {
            esecuzione.elimina(j);
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerificaCondizionata;
            esecuzione.setElaborati(j);
            esecuzione.setTotale(giocate.conteggio());
            esecuzione.setMostrate(giocate.conteggio());
            if (!esecuzione.verifica()) {
                break;
            }
        }
    }
    EsitoRiduzione esito = esecuzione.concludi(Avviso(mco::TutteEliminate));
    if (esito.codice == CodiceRiduzione::NessunRisultato && giocate.conteggio() > 0) {
        // Every play passed: nothing removed, and that is a result too.
        esito.codice = CodiceRiduzione::Completata;
        esito.messaggio.reset();
    }
    if (esito.codice == CodiceRiduzione::Completata && giocate.conteggio() == 0) {
        // Every play refused: the list stays empty, and the dialog stays open with the message.
        esito.codice = CodiceRiduzione::NessunRisultato;
        esito.messaggio = Avviso(mco::TutteEliminate);
    }
    return esito;
}

} // namespace

EsitoRiduzione RiduzioneCondizionata(Sistema& sistema, ElencoGiocate& giocate,
                                     const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                                     bool consideraFisse, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione::Opzioni opzioni;
    opzioni.consideraFisse = consideraFisse;
    if (modo == ModoCondizionata::Giocate) {
        opzioni.modo = ModoRiduzione::EliminaSubito;
        opzioni.intervalloVerifica = IntervalloVerificaCondizionata;
        opzioni.risultatoVuotoAmmesso = true;
    } else {
        opzioni.modo = ModoRiduzione::Aggiunge;
    }
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo, opzioni);
    esecuzione.avvia();
    const VerificatoreCondizioni verificatore(condizioni, esecuzione.mappa());

    if (modo == ModoCondizionata::Giocate) {
        EsitoRiduzione esito = SuGiocate(esecuzione, verificatore);
        if (esito.codice == CodiceRiduzione::Completata) {
            sistema.modificato = true;
        }
        return esito;
    }
    const bool fisse = esecuzione.consideraFisse();
    const bool duplicati = esecuzione.iniziali() > 0;
    if (fisse) {
        duplicati ? SuPronostico<true, true>(esecuzione, verificatore)
                  : SuPronostico<true, false>(esecuzione, verificatore);
    } else {
        duplicati ? SuPronostico<false, true>(esecuzione, verificatore)
                  : SuPronostico<false, false>(esecuzione, verificatore);
    }
    return esecuzione.concludi(Avviso(mco::NessunaNuovaGiocata));
}
