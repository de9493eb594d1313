#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"

#include <array>
#include <cstdint>

// "Normalizza distribuzione dei numeri nelle giocate": occurrences move from the numbers that appear in
// too many plays to the predicted numbers that appear in too few, until every number appears about
// equally often.

namespace messaggi_normalizza {

inline constexpr const char* GiaNormalizzata =
    "La distribuzione dei numeri nelle combinazioni risulta già normalizzata.";

} // namespace messaggi_normalizza

// f(x): the plays holding x, index x - 1.
using FrequenzeNumeri = std::array<std::int32_t, 90>;
[[nodiscard]] FrequenzeNumeri ContaFrequenze(const ElencoGiocate& giocate);

// The mean m = count x k / n of the predicted numbers, L0 = m truncated and H0 = L0 + 1.
struct SoglieDistribuzione
{
    double media = 0;
    std::int32_t bassa = 0;
    std::int32_t alta = 1;
};
[[nodiscard]] SoglieDistribuzione CalcolaSoglie(const Sistema& sistema, std::int32_t conteggio);

// The excess E: over the predicted numbers, L0 - f below L0 and f - H0 above H0.
[[nodiscard]] std::int64_t EccessoDistribuzione(const Sistema& sistema, const FrequenzeNumeri& f,
                                                const SoglieDistribuzione& soglie);

// The run. A distribution with E <= 1 is already normalised: NessunRisultato with its message (shown
// as information) and no change. Otherwise passes over the plays repeat while a pass changes something;
// in each play the first number with the highest f above H0 (never a fixed number when they count) is
// replaced by the first predicted number below L0, in ascending order of f, that gives a play without
// repetitions and not already in the list. Polls every `intervallo` plays, the bar at E0 - E over E0; a
// stop keeps the plays rewritten so far.
[[nodiscard]] EsitoRiduzione NormalizzaDistribuzione(Sistema& sistema, ElencoGiocate& giocate,
                                                     bool consideraFisse, ControlloEsecuzione& controllo,
                                                     std::int64_t intervallo = 17);
