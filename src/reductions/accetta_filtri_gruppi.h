#pragma once

#include "core/messaggi_servizio.h"
#include "reductions/record_filtri.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Acceptance of the settings of the reductions by intervals of numbers, cadences, figures and decades,
// as their dialogs hold them. Acceptance builds a new record and never touches the one in use: a refused
// setting leaves the system's record (and so its settings file and any later save) as it was.

namespace messaggi_gruppi {

inline constexpr const char* ErroriNonValidi = "Il numero massimo di errori consentiti non è valido.";
inline constexpr const char* ErroriCadenze = "Il numero massimo di errori consentiti non è valido.\r"
                                             "Inserire un numero minore di 10 e maggiore o uguale a 0.";
inline constexpr const char* ErroriFigureDecine = "Il numero massimo di errori consentiti non è valido.\r"
                                                  "Inserire un numero minore di 9 e maggiore o uguale a 0.";
inline constexpr const char* IntervalloNonValido = "L'intervallo di numeri nº ";
inline constexpr const char* IntervalloNonValidoFine =
    " non è valido.\rInserire un intervallo valido (es. 10-20 per includere tutti i numeri dal 10 al 20) "
    "e riprovare.";
inline constexpr const char* QuantitaNonValide = "Alcune quantità ammesse dell'intervallo nº ";
inline constexpr const char* QuantitaNonValideFine = " non sono valide.";
inline constexpr const char* AlmenoUnIntervallo = "Inserire almeno un intervallo.";
inline constexpr const char* TroppiIntervalli = "Si possono inserire al massimo 46 intervalli.\r"
                                                "Eliminare gli intervalli in più e riprovare.";
inline constexpr const char* AlmenoUnaCadenza = "Selezionare almeno una cadenza!";
inline constexpr const char* AlmenoUnaFigura = "Selezionare almeno una figura!";
inline constexpr const char* AlmenoUnaDecina = "Selezionare almeno una decina!";

} // namespace messaggi_gruppi

// Where the dialog puts the focus after a refusal.
enum class FocusAccettazione { Nessuno, Errori, Tabella, Gruppi };

// One row of the intervals table as typed: "10-20" and "0 1 2".
struct RigaIntervalloNumeri
{
    std::string intervallo;
    std::string quantita;
};

template <typename Record> struct EsitoAccettazione
{
    std::optional<Record> record; // the accepted record; none when refused
    std::optional<Messaggio> messaggio;
    FocusAccettazione focus = FocusAccettazione::Nessuno;

    bool ok() const { return record.has_value(); }
};

// The intervals: the maximum-errors text must be a whole number >= 0; blank rows are skipped (row
// numbers in the messages count every row); an interval is "low-high" with 1 <= low < high; its
// quantities are the whole numbers >= 0 of the cell (above 10 read as 10, other pieces ignored), at least
// one; at least one and at most 46 intervals. The maximum errors is lowered to the count - 1.
[[nodiscard]] EsitoAccettazione<IntervalliNumeri>
AccettaIntervalli(const std::string& testoErrori, const std::vector<RigaIntervalloNumeri>& righe);

// Cadences, figures, decades: the maximum-errors text must be a whole number below the number of
// groups; at least one group in use; a group without allowed counts allows 0. The maximum errors is
// lowered to the groups in use - 1.
[[nodiscard]] EsitoAccettazione<GruppiFissi> AccettaGruppi(FamigliaGruppi famiglia,
                                                           const std::string& testoErrori,
                                                           const std::array<bool, 10>& inUso,
                                                           const std::array<std::uint16_t, 10>& ammesse);

// The cells of the intervals table for a record: "low-high" and the allowed counts ascending.
RigaIntervalloNumeri TestoIntervallo(const IntervalloNumeri& intervallo);
