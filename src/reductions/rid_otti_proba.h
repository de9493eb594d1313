#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"
#include "reductions/profilo_sovrapposizioni.h"

#include <cstdint>

// "Ottimizza probabilità di vincita": the plays keep their count but change their numbers so that they
// overlap each other less. In each pass every play in turn is replaced by the best of its one-number
// variants (one number swapped for a predicted number it does not hold), best meaning the smallest
// overlap profile from above; the play itself comes first, so it changes only when a variant strictly
// beats it. M passes bound how many numbers of a play can change.

// Dialog setting: the selector's item index (M - 1), default k - 1.
inline constexpr const char* ChiaveQNumOPDV = "QNumOPDV";

// A is better than B: at the first index from 10 downward where they differ, A has fewer plays.
inline bool MenoSovrapposto(const ProfiloSovrapposizioni& a, const ProfiloSovrapposizioni& b)
{
    for (std::size_t c = a.size(); c-- > 0;) {
        if (a[c] != b[c]) {
            return a[c] < b[c];
        }
    }
    return false;
}

// The run: `passi` passes (the progress bar runs to count x passi), a poll after every play. A variant
// that drops a fixed number (when they count) or equals a play of the list is not a candidate. A stop
// keeps the plays already replaced.
[[nodiscard]] EsitoRiduzione OttimizzaProbabilita(Sistema& sistema, ElencoGiocate& giocate, int passi,
                                                  bool consideraFisse, ControlloEsecuzione& controllo);
