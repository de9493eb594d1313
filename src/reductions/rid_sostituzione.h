#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/record_riduzioni.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/esecuzione_riduzione.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "Sostituzione combinazioni di numeri": every play holding the old combination of a substitution (or,
// in partial mode, any of its numbers) takes the corresponding new numbers; plays that become equal
// to an earlier play are removed.

namespace messaggi_sostituzione {

inline constexpr const char* RigaNonValida = "Una delle combinazioni della sostituzione nº ";
inline constexpr const char* RigaNonValidaFine = " non è valida.";
inline constexpr const char* Troppe = "Non è possibile inserire più di ";
inline constexpr const char* TroppeFine = " sostituzioni.";
inline constexpr const char* Nessuna = "Inserire almeno una sostituzione.";
inline constexpr const char* Azzera = "Eliminare tutte le combinazioni ?";
inline constexpr const char* ConfermaInterruzione =
    "Sei sicuro di voler interrompere l'elaborazione?\r"
    "Non sarà possibile ripristinare le giocate fino a questo punto elaborate.";
inline constexpr const char* TutteEliminate =
    "Sono state eliminate tutte le giocate.\r"
    "Verificare le condizioni o la presenza di eventuali fisse nel pronostico.";

} // namespace messaggi_sostituzione

inline constexpr int MassimoSostituzioni = 100;

struct Sostituzione
{
    Tipo_Giocata vecchia{}; // ascending, the j-th smallest old number becomes the j-th smallest new one
    Tipo_Giocata nuova{};
};

struct TabellaSostituzioni
{
    std::vector<Sostituzione> voci;
    bool parziale = false;
};

// The table stored in the record (and in Sostituzioni.def); a count outside 0..100 reads as none, and
// a substitution whose two combinations differ in size or are not plays is skipped.
[[nodiscard]] TabellaSostituzioni TabellaDaRecord(const BloccoRecord<2008>& record);
void TabellaInRecord(const TabellaSostituzioni& tabella, BloccoRecord<2008>& record);

// One row of the dialog's grid: the two texts as typed.
struct RigaSostituzione
{
    std::string vecchia;
    std::string nuova;
};

// The grid read into a table. `rifiuto` stops the run (a faulty row, or no substitution); `avviso` is
// the note that rows past the 100th were ignored, shown before the run goes on.
struct LetturaSostituzioni
{
    TabellaSostituzioni tabella;
    std::optional<Messaggio> rifiuto;
    std::optional<Messaggio> avviso;
    // The 0-based grid row of a faulty substitution, -1 otherwise.
    int rigaErrata = -1;
};
[[nodiscard]] LetturaSostituzioni LeggiRigheSostituzioni(const std::vector<RigaSostituzione>& righe,
                                                         bool parziale);

// The rows of a text with one substitution a line, "old numbers ; new numbers" (a line without ";" is
// a row whose new combination is missing, so it is refused with its line number).
[[nodiscard]] std::vector<RigaSostituzione> RigheDaTesto(std::string_view testo);

enum class EsitoSostituzione { Rimossa, Cambiata, Invariata };

// One play through the table. Every substitution sees the numbers as the earlier ones left them; the
// numbers it replaces are chosen before any is moved, so "1 2 -> 2 3" turns 1 2 5 into 2 3 5 rather than
// letting the 2 just written be replaced again. `conFisse` false means the play lacks the fixed numbers
// that count (it is removed).
[[nodiscard]] EsitoSostituzione SostituisciGiocata(const Tipo_Giocata& giocata,
                                                   const TabellaSostituzioni& tabella, bool conFisse,
                                                   Tipo_Giocata& risultato);

// The run: play i is rewritten with its result, or (removed, or equal to one of plays 1..i-1) swapped
// with the last play and the count lowered. Polls every `intervallo` plays with the bar at i / count.
// A stop keeps what was done so far. When no play remains, the list stays empty and the outcome is
// NessunRisultato with its message.
[[nodiscard]] EsitoRiduzione SostituisciCombinazioni(Sistema& sistema, ElencoGiocate& giocate,
                                                     const TabellaSostituzioni& tabella, bool consideraFisse,
                                                     ControlloEsecuzione& controllo,
                                                     std::int64_t intervallo = 64);
