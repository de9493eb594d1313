#include "reductions/ingresso_riduzioni.h"

#include "reductions/messaggi_riduzioni.h"

#include <initializer_list>
#include <string>

namespace mr = messaggi_riduzioni;

namespace {

// One check of a family; the families are lists of these, run in order.
enum class Controllo {
    Validazione,
    ValidazioneSeVuoto,
    KAlmenoTre,
    KAlmenoDue,
    KAlmenoDueCruciverba,
    AlmenoUnaGiocata,       // "Non ci sono giocate finali da eliminare."
    AlmenoUnaGiocataMetodo, // "Questo metodo richiede almeno una giocata."
    AlmenoDueGiocate,       // "Questo metodo richiede almeno due giocate."
    PresenzaDueGiocate,     // information icon
    GiocateUniformi,
};

bool Rifiuta(ContestoIngresso& c, EsitoIngresso& esito, const char* testo, bool focus = false,
             Icona icona = Icona::Avviso)
{
    Messaggio m = Avviso(testo);
    m.icona = icona;
    c.messaggi.mostra(m);
    esito.focusNumeriPerGiocata = focus;
    return false;
}

bool GiocateUniformi(ContestoIngresso& c, EsitoIngresso& esito)
{
    const ElencoGiocate& g = c.giocate;
    if (g.conteggio() < 2) {
        return Rifiuta(c, esito, mr::AlmenoDueGiocate);
    }
    const int prima = NumeriGiocata(g.voce(1));
    if (prima < 3) {
        return Rifiuta(c, esito, mr::GiocateAlmenoTreNumeri);
    }
    SegniNumeri usati{};
    for (std::int32_t i = 1; i <= g.conteggio(); ++i) {
        const Tipo_Giocata& giocata = g.voce(i);
        const int quanti = NumeriGiocata(giocata);
        if (quanti != prima) {
            return Rifiuta(c, esito, mr::GiocateDiversaQuantita);
        }
        for (int s = 0; s < quanti; ++s) {
            const int numero = giocata[static_cast<std::size_t>(s)];
            if (numero <= NumeroMassimo) {
                usati[static_cast<std::size_t>(numero - 1)] = 1;
            }
        }
    }
    esito.numeriGiocate = prima;
    esito.numeriUsati = usati;
    return true;
}

bool Esegui(ContestoIngresso& c, EsitoIngresso& esito, Controllo controllo)
{
    const int k = c.sistema.numeriPerGiocata;
    const std::int32_t giocate = c.giocate.conteggio();
    switch (controllo) {
    case Controllo::Validazione:
        return !c.validaSistema || c.validaSistema();
    case Controllo::ValidazioneSeVuoto:
        return giocate > 0 || !c.validaSistema || c.validaSistema();
    case Controllo::KAlmenoTre:
        return k >= 3 || Rifiuta(c, esito, mr::AlmenoTreNumeri, true);
    case Controllo::KAlmenoDue:
        return k >= 2 || Rifiuta(c, esito, mr::AlmenoDueNumeri, true);
    case Controllo::KAlmenoDueCruciverba:
        return k >= 2 || Rifiuta(c, esito, mr::AlmenoDueNumeriCruciverba, true);
    case Controllo::AlmenoUnaGiocata:
        return giocate >= 1 || Rifiuta(c, esito, mr::NessunaGiocataDaEliminare);
    case Controllo::AlmenoUnaGiocataMetodo:
        return giocate >= 1 || Rifiuta(c, esito, mr::AlmenoUnaGiocata);
    case Controllo::AlmenoDueGiocate:
        return giocate >= 2 || Rifiuta(c, esito, mr::AlmenoDueGiocate);
    case Controllo::PresenzaDueGiocate:
        return giocate >= 2 || Rifiuta(c, esito, mr::PresenzaDueGiocate, false, Icona::Informazione);
    case Controllo::GiocateUniformi:
        return GiocateUniformi(c, esito);
    }
    return false;
}

EsitoIngresso Sequenza(ContestoIngresso& c, std::initializer_list<Controllo> controlli)
{
    EsitoIngresso esito;
    for (Controllo controllo : controlli) {
        if (!Esegui(c, esito, controllo)) {
            return esito;
        }
    }
    esito.ammesso = true;
    return esito;
}

} // namespace

EsitoIngresso IngressoPronosticoAlmenoTre(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::Validazione, Controllo::KAlmenoTre});
}

EsitoIngresso IngressoGiocateUniformi(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::GiocateUniformi});
}

EsitoIngresso IngressoAggiungiRappresentative(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::Validazione, Controllo::KAlmenoDue});
}

EsitoIngresso IngressoEliminaRappresentative(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::Validazione, Controllo::AlmenoUnaGiocata, Controllo::KAlmenoDue});
}

EsitoIngresso IngressoOttimizzaProbabilita(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::Validazione, Controllo::PresenzaDueGiocate});
}

EsitoIngresso IngressoValidazione(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::Validazione});
}

EsitoIngresso IngressoEliminaCasualmente(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::AlmenoUnaGiocata});
}

EsitoIngresso IngressoValidazioneSeVuoto(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::ValidazioneSeVuoto});
}

EsitoIngresso IngressoCruciverba(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::KAlmenoDueCruciverba, Controllo::Validazione});
}

EsitoIngresso IngressoSostituzione(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::AlmenoUnaGiocataMetodo});
}

EsitoIngresso IngressoNormalizza(ContestoIngresso& c)
{
    return Sequenza(c, {Controllo::KAlmenoDue, Controllo::AlmenoDueGiocate, Controllo::Validazione});
}
