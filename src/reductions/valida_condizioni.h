#pragma once

#include "core/messaggi_servizio.h"
#include "reductions/condizioni_riduzione.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The conditions as the dialog's pages hold them, checked and turned into the record; the same checks
// on a stored record for quarvin-cli.

namespace messaggi_condizioni {

inline constexpr const char* MinimoNonValido = "Il valore minimo dell'intervallo nº ";
inline constexpr const char* MassimoNonValido = "Il valore massimo dell'intervallo nº ";
inline constexpr const char* NonValido = " non è valido.";
inline constexpr const char* MinimoMaggiore = " è maggiore di quello massimo.";
inline constexpr const char* AlmenoUnIntervallo = "Inserire almeno un intervallo consentito.";
inline constexpr const char* AlmenoUnaCondizione = "Selezionare almeno una condizione!";

} // namespace messaggi_condizioni

// One row of an interval grid: the typed minimum and maximum.
struct RigaIntervallo
{
    std::string minimo;
    std::string massimo;
};

struct EsitoIntervalli
{
    bool ok = true;
    std::optional<Messaggio> messaggio; // the warning when not ok
};

// LeggiIntervalli: rows blank after trimming are skipped; the others must hold two real numbers in
// 0..855 (a "." separates the decimals), minimum not above maximum; they become the intervals in order.
// Row numbers in the messages count from 1. On failure the list holds the intervals read before.
[[nodiscard]] EsitoIntervalli LeggiIntervalli(const std::vector<RigaIntervallo>& righe,
                                              ListaIntervalli& lista);

// What the dialog shows: ticks, the values selected on the set pages, the typed interval grids; all
// indexed by Criterio.
struct PagineCondizioni
{
    std::array<bool, VociCondizioni> spunte{};
    std::array<std::array<bool, CriteriCondizioni>, VociCondizioni> valori{}; // [criterion][value]
    std::array<std::vector<RigaIntervallo>, ListeCondizioni> griglie{};

    // The grid of an interval criterion.
    std::vector<RigaIntervallo>& griglia(Criterio criterio)
    {
        return griglie[CondizioniRiduzione::PosizioneLista(criterio)];
    }
    const std::vector<RigaIntervallo>& griglia(Criterio criterio) const
    {
        return griglie[CondizioniRiduzione::PosizioneLista(criterio)];
    }
    bool valore(Criterio criterio, int v) const
    {
        return valori[Indice(criterio)][static_cast<std::size_t>(v)];
    }
};

struct EsitoValidazione
{
    bool ok = false;
    std::optional<Messaggio> messaggio;
    // Where the focus goes on failure: the grid of this criterion, or the list (none).
    std::optional<Criterio> criterioFocus;
    CondizioniRiduzione condizioni; // the new record when ok
};

// ValidaCondizioni without the widgets, criteria in list order: the sets of the set criteria, the
// interval lists (grids of unticked criteria are read too; a ticked criterion needs at least one
// interval), the error counts 0..23, the ticks; at least one of the 24 tests ticked. The record starts
// from `attuale`, so reserved bytes pass through; the enable flag of "Errori consentiti" and error byte
// 24 come from the pages as the dialog sets them. Nothing is changed on failure: the caller commits the
// new record (memory and Quarvin.con) only when ok.
[[nodiscard]] EsitoValidazione ValidaCondizioni(const PagineCondizioni& pagine,
                                                const CondizioniRiduzione& attuale);

// The checks of ValidaCondizioni on a stored record (quarvin-cli): a ticked interval criterion with no
// interval, then no criterion ticked. nullopt when the record can run.
std::optional<Messaggio> ControllaCondizioni(const CondizioniRiduzione& condizioni);
