#include "editor/modifica_giocate.h"

#include "editor/messaggi_giocate.h"

#include <cassert>
#include <cstring>

std::optional<Messaggio> MessaggioModifica(EsitoModifica esito, bool inserimento)
{
    switch (esito) {
    case EsitoModifica::NumeriNonValidi:
        return Avviso(messaggi_giocate::NumeriNonValidi);
    case EsitoModifica::GiaPresente:
        return Avviso(inserimento ? messaggi_giocate::GiaPresenteInserimento
                                  : messaggi_giocate::GiaPresenteModifica);
    case EsitoModifica::Fatto:
    case EsitoModifica::Memoria:
        break;
    }
    return std::nullopt;
}

EsitoModifica AggiungiGiocata(std::string_view testo, ElencoGiocate& giocate)
{
    Tipo_Giocata nuova{};
    if (!LeggiGiocataDaTesto(testo, nuova)) {
        return EsitoModifica::NumeriNonValidi;
    }
    if (giocate.CercaGiocata(nuova) != 0) {
        return EsitoModifica::GiaPresente;
    }
    const std::int32_t n = giocate.conteggio() + 1;
    if (giocate.capacita() < n && !giocate.AmpliaElenco()) {
        return EsitoModifica::Memoria;
    }
    giocate.voce(n) = nuova;
    giocate.setConteggio(n);
    return EsitoModifica::Fatto;
}

EsitoModifica ModificaGiocata(std::int32_t posizione, std::string_view testo, ElencoGiocate& giocate)
{
    assert(posizione >= 1 && posizione <= giocate.conteggio());
    // A zeroed slot matches no play, so the search cannot find the play being rewritten.
    const Tipo_Giocata vecchia = giocate.voce(posizione);
    giocate.voce(posizione) = Tipo_Giocata{};
    Tipo_Giocata nuova{};
    EsitoModifica esito = EsitoModifica::Fatto;
    if (!LeggiGiocataDaTesto(testo, nuova)) {
        esito = EsitoModifica::NumeriNonValidi;
    } else if (giocate.CercaGiocata(nuova) != 0) {
        esito = EsitoModifica::GiaPresente;
    }
    giocate.voce(posizione) = esito == EsitoModifica::Fatto ? nuova : vecchia;
    return esito;
}

void EliminaGiocate(std::int32_t primo, std::int32_t ultimo, ElencoGiocate& giocate)
{
    const std::int32_t conteggio = giocate.conteggio();
    assert(primo >= 1 && primo <= ultimo && ultimo <= conteggio);
    giocate.CopiaPerAnnulla();
    const std::int32_t dopo = conteggio - ultimo;
    if (dopo > 0) {
        std::memmove(&giocate.voce(primo), &giocate.voce(ultimo + 1),
                     static_cast<std::size_t>(dopo) * sizeof(Tipo_Giocata));
    }
    giocate.setConteggio(conteggio - (ultimo - primo + 1));
}

void EliminaTutteLeGiocate(ElencoGiocate& giocate)
{
    giocate.CopiaPerAnnulla();
    giocate.svuota();
}
