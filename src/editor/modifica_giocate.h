#pragma once

#include "core/elenco_giocate.h"
#include "core/messaggi_servizio.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Editing the play list by hand: one play entered or rewritten from the text the user typed, a
// range of plays deleted, the whole list cleared. Single plays take no undo snapshot; the bulk
// deletions take one before they change anything.

enum class EsitoModifica {
    Fatto,
    NumeriNonValidi, // the text is not a play (LeggiGiocataDaTesto)
    GiaPresente,     // the play is already in the list (elsewhere, when modifying)
    Memoria,         // the list could not grow; AmpliaElenco has shown its warning
};

// The warning for an outcome of AggiungiGiocata (inserimento) or ModificaGiocata; nullopt for
// Fatto and Memoria.
std::optional<Messaggio> MessaggioModifica(EsitoModifica esito, bool inserimento);

// Appends the play read from the text after the last one, unless it is invalid or already present.
[[nodiscard]] EsitoModifica AggiungiGiocata(std::string_view testo, ElencoGiocate& giocate);

// Rewrites play `posizione` (1..count) with the play read from the text. The play's own slot is
// left out of the search, so rewriting a play into itself is accepted; on a refusal the list is
// unchanged.
[[nodiscard]] EsitoModifica ModificaGiocata(std::int32_t posizione, std::string_view testo,
                                            ElencoGiocate& giocate);

// Deletes plays primo..ultimo (1 <= primo <= ultimo <= count) after taking the undo snapshot: the
// plays after ultimo move down to follow primo - 1, in order.
void EliminaGiocate(std::int32_t primo, std::int32_t ultimo, ElencoGiocate& giocate);

// "Elimina tutte le giocate": the undo snapshot, then an empty list.
void EliminaTutteLeGiocate(ElencoGiocate& giocate);
