#include "reductions/analisi_condizionata.h"

#include "editor/sviluppo_integrale.h"
#include "reductions/verifica_condizioni.h"

namespace {

// Counts one tested candidate; true when valid.
bool Conta(const VerificatoreCondizioni& verificatore, const Tipo_Giocata& g, bool fisse,
           ConteggiAnalisi& conteggi, std::size_t righe)
{
    EsitoCondizioni esito;
    const int r = verificatore.VerificaCondizioni(g, fisse, esito);
    for (std::size_t i = 0; i < righe && i < esito.size(); ++i) {
        conteggi.nonRispettate[i] += esito[i];
    }
    return verificatore.erroreAmmesso(r);
}

} // namespace

void AnalisiCondizioniGiocate(const Sistema& sistema, const ElencoGiocate& giocate,
                              const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                              bool consideraFisse, ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo)
{
    const bool fisse = consideraFisse && sistema.numeroFisse > 0;
    const VerificatoreCondizioni verificatore(condizioni, fisse ? MappaFisse(sistema) : MappaFisse());
    conteggi.nonRispettate.resize(RigheAnalisiGiocate, 0);
    const auto valuta = [&](const Tipo_Giocata& g, ConteggiAnalisi& c) {
        return Conta(verificatore, g, fisse, c, RigheAnalisiGiocate);
    };
    if (modo == ModoCondizionata::Giocate) {
        AnalizzaGiocate(giocate, conteggi, controllo, valuta);
        return;
    }
    const CombinazioniPronostico combinazioni(sistema.pronostico, sistema.numeriPerGiocata);
    AnalizzaCombinazioni(combinazioni, conteggi, controllo, valuta);
}

void AnalisiCondizioniStorica(const CampioneStorico& campione, const CondizioniRiduzione& condizioni,
                              ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo)
{
    const VerificatoreCondizioni verificatore(condizioni);
    conteggi.nonRispettate.resize(RigheAnalisiStorica, 0);
    const double estrazioni = campione.archivio().conteggio();
    std::int64_t finoAllaVerifica = IntervalloVerificaStorica;
    campione.perOgni([&](const Tipo_Giocata& g, std::int32_t indice) {
        ++conteggi.esaminate;
        if (Conta(verificatore, g, false, conteggi, RigheAnalisiStorica)) {
            ++conteggi.valide;
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerificaStorica;
            Avanzamento stato;
            stato.elaborati = indice;
            stato.totale = estrazioni;
            stato.prodotti = conteggi.valide;
            if (!controllo.verifica(stato)) {
                conteggi.interrotta = true;
                return false;
            }
        }
        return true;
    });
}

std::string TitoloAnalisiStorica(int sceltaRuota, int sceltaDimensione)
{
    return std::string("Analisi sull'archivio storico, ruota: ") + NomeSceltaRuota(sceltaRuota) +
           " , sviluppo estrazioni in: " + NomeDimensione(sceltaDimensione);
}
