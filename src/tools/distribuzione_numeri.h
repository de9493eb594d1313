#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"

#include <array>
#include <cstdint>

// How many plays of a list contain each number 1..90.
namespace distribuzione {

// Plays counted between two polls.
inline constexpr std::int32_t PassoControllo = 357;

struct DistribuzioneNumeri
{
    std::array<std::int32_t, NumeroMassimo> conteggi{}; // number n at index n - 1
    std::int32_t esaminate = 0;                         // plays counted so far
    bool interrotta = false;                            // a stop was confirmed

    std::int32_t conteggio(int numero) const { return conteggi[static_cast<std::size_t>(numero - 1)]; }
};

// Counts the plays giocate[0 .. quante) in list order: each number of a play adds one to its counter
// (a slot 0 ends the play; values above 90 are ignored). Polls after every PassoControllo plays with
// the plays done out of `quante`; a confirmed stop returns at once with the counts reached and
// `interrotta` set. `esito` is reset first and kept up to date as the run goes, so that the caller
// can show the counts at each poll.
void ContaDistribuzione(const Tipo_Giocata* giocate, std::int32_t quante, DistribuzioneNumeri& esito,
                        ControlloEsecuzione& controllo);

// The same over the committed plays of the list.
void ContaDistribuzione(const ElencoGiocate& elenco, DistribuzioneNumeri& esito,
                        ControlloEsecuzione& controllo);

} // namespace distribuzione
