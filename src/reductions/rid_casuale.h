#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "Aggiungi giocate casuali" and "Elimina giocate casualmente": random plays drawn from the prediction
// and appended, or random plays removed. Every choice comes from the program's one GeneratoreCasuale,
// so a given generator state gives the same plays in the window and in quarvin-cli.

namespace messaggi_casuale {

inline constexpr const char* EstrazioneNonValida = "Il numero di giocate da estrarre non è valido.\r"
                                                   "Inserire un numero compreso tra 1 e ";
inline constexpr const char* NessunaNuovaGiocata =
    "Non è possibile estrarre nuove giocate.\r"
    "Sono già state sviluppate tutte le giocate del pronostico.";
inline constexpr const char* EstrazioneNonValidaFisse = "Il numero di giocate da estrarre non è valido.\r"
                                                        "Con le fisse, inserire un numero compreso tra 1 e ";
inline constexpr const char* NessunaNuovaGiocataFisse =
    "Non è possibile estrarre nuove giocate.\r"
    "Sono già state sviluppate tutte le giocate del pronostico che contengono le fisse.";
inline constexpr const char* EliminazioneNonValida = "Il numero di giocate da eliminare non è valido.\r"
                                                     "Inserire un numero compreso tra 1 e ";

} // namespace messaggi_casuale

// Dialog settings: plays to add, plays to remove (default 1 each).
inline constexpr const char* ChiaveNumNewRandom = "NumNewRandom";
inline constexpr const char* ChiaveNumNewRandomDel = "NumNewRandomDel";

// A count typed by the user, checked: the count to use, or the warning that refuses it.
struct RichiestaCasuale
{
    std::int32_t quante = 0;
    std::optional<Messaggio> rifiuto;

    bool valida() const { return !rifiuto.has_value(); }
};

// How many new plays can be drawn. R = C(n, k) - count, the limit the window states. When fixed numbers
// are considered, the plays a run can draw are those made of the fixed numbers (the first min(fisse, k))
// and k - that many other predicted numbers; D counts those not already in the list, so that a request
// above D, which could never be met, is refused instead of drawing for ever.
struct DisponibiliCasuali
{
    std::int64_t limite = 0;              // R
    std::optional<std::int64_t> conFisse; // D, only when fixed numbers are considered
};
DisponibiliCasuali GiocateCasualiDisponibili(const Sistema& sistema, const ElencoGiocate& giocate,
                                             bool consideraFisse);

// The count N of "Aggiungi giocate casuali": a whole number 1 <= N <= R (and <= D with the fixed
// numbers), else the warning with the limit; with R <= 0 (or D <= 0) the warning that no new play can
// be drawn, whatever N.
[[nodiscard]] RichiestaCasuale ControllaAggiuntaCasuale(const Sistema& sistema, const ElencoGiocate& giocate,
                                                        bool consideraFisse, std::string_view testo);

// Appends N random plays not already in the list, one at a time (the count grows at once). Each play:
// with the fixed numbers considered, its first min(fisse, k) numbers are the fixed ones in order; every
// other number is generatore.estrai(90) + 1, drawn again until it is predicted and not yet in the play;
// then the play is sorted and appended unless the list already holds it. Polls after every attempt, with
// the bar at added / N. A confirmed stop removes the plays this run appended; a failed growth keeps them
// (MemoriaInsufficiente). Expects a request accepted by ControllaAggiuntaCasuale, which guarantees that
// N new plays exist. Takes the undo snapshot when the list is not empty.
[[nodiscard]] EsitoRiduzione AggiungiGiocateCasuali(Sistema& sistema, ElencoGiocate& giocate,
                                                    bool consideraFisse, std::int32_t n,
                                                    GeneratoreCasuale& generatore,
                                                    ControlloEsecuzione& controllo);

// The count N of "Elimina giocate casualmente": a whole number >= 1, else the warning with the count;
// an N above the count is lowered to the count.
[[nodiscard]] RichiestaCasuale ControllaEliminazioneCasuale(const ElencoGiocate& giocate,
                                                            std::string_view testo);

// Removes N plays: N times, r = generatore.estrai(count), play r + 1 is swapped with the last and the
// count lowered by one; polls after each removal with the bar at removed / N. A confirmed stop restores
// the count (every removed play comes back, in another order). N equal to the count empties the list.
[[nodiscard]] EsitoRiduzione EliminaGiocateCasualmente(Sistema& sistema, ElencoGiocate& giocate,
                                                       std::int32_t n, GeneratoreCasuale& generatore,
                                                       ControlloEsecuzione& controllo);
