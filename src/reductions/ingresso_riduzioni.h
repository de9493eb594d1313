#pragma once

#include "core/elenco_giocate.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"

#include <functional>

// The checks the main window runs before opening a reduction dialog, one function per family of
// menu items. Each runs its checks in order and stops at the first that fails, after showing its
// message through the service (title "Attenzione", warning icon unless noted). The k tested before a
// system validation is the system's current numbers per play.
struct ContestoIngresso
{
    Sistema& sistema;
    const ElencoGiocate& giocate;
    ServizioMessaggi& messaggi;
    // ValidaSistema on the window's boxes: shows its own message and returns false on failure.
    std::function<bool()> validaSistema;
};

struct EsitoIngresso
{
    bool ammesso = false;
    // The failed check was on k: the numbers-per-play selector takes the focus.
    bool focusNumeriPerGiocata = false;
    // IngressoGiocateUniformi only: the quantity of numbers of every play and the numbers they use.
    int numeriGiocate = 0;
    SegniNumeri numeriUsati{};

    explicit operator bool() const { return ammesso; }
};

// "Riduzione ortogonale del pronostico", "Riduzione del pronostico a garanzia": system validation;
// k at least 3 (focus).
[[nodiscard]] EsitoIngresso IngressoPronosticoAlmenoTre(ContestoIngresso& c);

// "Riduzione ortogonale delle giocate", "Riduzione delle giocate a garanzia": at least 2 plays; the
// first of at least 3 numbers; all of the same quantity as the first. No system validation.
[[nodiscard]] EsitoIngresso IngressoGiocateUniformi(ContestoIngresso& c);

// "Aggiungi giocate più rappresentative": system validation; k at least 2 (focus).
[[nodiscard]] EsitoIngresso IngressoAggiungiRappresentative(ContestoIngresso& c);

// "Elimina giocate meno rappresentative": system validation; at least one play; k at least 2 (focus).
[[nodiscard]] EsitoIngresso IngressoEliminaRappresentative(ContestoIngresso& c);

// "Ottimizza probabilità di vincita": system validation; at least 2 plays (information icon).
[[nodiscard]] EsitoIngresso IngressoOttimizzaProbabilita(ContestoIngresso& c);

// "Aggiungi giocate casuali", the statistical reductions (probabilistic, by frequencies, by delays,
// custom probabilities) and "Applica riduttore": system validation.
[[nodiscard]] EsitoIngresso IngressoValidazione(ContestoIngresso& c);

// "Elimina giocate casualmente": at least one play.
[[nodiscard]] EsitoIngresso IngressoEliminaCasualmente(ContestoIngresso& c);

// "Riduzione condizionata", the filter-play reduction, the reductions by numbers, cadences, figures
// and decades, the historic comparison: system validation only when the play list is empty.
[[nodiscard]] EsitoIngresso IngressoValidazioneSeVuoto(ContestoIngresso& c);

// "Riduzione cruciverba": k at least 2 (its own message, focus); system validation.
[[nodiscard]] EsitoIngresso IngressoCruciverba(ContestoIngresso& c);

// "Sostituzione combinazioni di numeri": at least one play.
[[nodiscard]] EsitoIngresso IngressoSostituzione(ContestoIngresso& c);

// "Normalizza distribuzione dei numeri": k at least 2 (focus); at least 2 plays; system validation.
[[nodiscard]] EsitoIngresso IngressoNormalizza(ContestoIngresso& c);
