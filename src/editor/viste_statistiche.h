#pragma once

#include "core/archivio_storico.h"
#include "core/giocata.h"
#include "core/impostazioni_generali.h"
#include "core/statistiche.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The statistics views of the main window's lower half: what each one shows, computed from the
// archive, the shared statistics and the wheel selection. Every table is built by one pass over the
// archive (newest draw first for delays, the frequency window for frequencies), so any view on the
// full archive costs milliseconds; the longest part is the exchange sort of the per-position grids.
namespace viste {

// The views in the order of the "Visualizza:" selector and of the " Statistiche " menu; the underlying
// value is the selector index.
enum class Vista : std::uint8_t {
    GraficoRitardi,
    GraficoFrequenze,
    GraficoProbabilita,
    NumeriPiuRitardatari,
    NumeriMenoFrequenti,
    RitardiMinimiMediMassimi,
    FrequenzeMinimeMedieMassime,
    RitardiPosizioni,
    FrequenzePosizioni,
    PiuRitardatariPosizioni,
    MenoFrequentiPosizioni,
    RitardiAmbi,
    FrequenzeAmbi,
    Smorfia,
    AnalisiCombinazioni,
    CerchioCiclometrico,
};

inline constexpr int NumeroViste = 16;

constexpr std::size_t Indice(Vista vista)
{
    return static_cast<std::size_t>(vista);
}
// The view at a selector index; none outside 0..15.
constexpr std::optional<Vista> VistaDaIndice(int indice)
{
    if (indice < 0 || indice >= NumeroViste) {
        return std::nullopt;
    }
    return static_cast<Vista>(indice);
}

enum class TipoVista { Grafico, Griglia, Smorfia, AnalisiCombinazioni, CerchioCiclometrico };

// What a chart or grid view measures.
enum class Misura { Nessuna, Ritardo, Frequenza, Probabilita };

inline constexpr const char* NumeriNonValidi =
    "Alcuni numeri non sono validi!\rInserire i numeri separandoli con uno spazio.";
inline constexpr const char* AmboMaiUscito = "Ambo mai uscito!";

struct DescrizioneVista
{
    Vista vista;
    std::string_view testo; // selector and menu text
    TipoVista tipo;
    std::string_view guida; // help topic of a chart view, empty for the others
    bool impostazioni;      // "Impostazioni del grafico" is enabled
    bool probabilita;       // that button opens the probability settings instead of the frequency ones
    Misura misura;
    int serie;                    // values per number of a chart view (1, 4 or 5); 0 for the others
    std::string_view spiegazione; // what the help button of a chart view says under the pointer

    // The direction the view's order starts from: delays and probabilities from the largest,
    // frequencies from the smallest.
    bool decrescente() const { return misura != Misura::Frequenza; }
};

// Views 0..15 in selector order.
const std::array<DescrizioneVista, NumeroViste>& Viste();
const DescrizioneVista& Descrizione(Vista vista);

// The frequency window of the views: when N exceeds the draws of a non-empty archive it is lowered
// to their count in the settings (kept in memory until the general settings are written again).
// Returns the window in use. An empty archive leaves the setting alone, since a window of 0 draws is
// no valid setting.
std::int32_t LimitaFinestra(ImpostazioniGenerali& generali, std::int32_t conteggio);

// What a view is computed from. `finestra` is N after LimitaFinestra.
struct ContestoViste
{
    const ArchivioStorico& archivio;
    const StatisticheNumeri& statistiche;
    SegniRuote ruote{};
    std::int32_t finestra = 100;
};

// The exchange sort of the views: for every position i and every later position j the two entries
// swap when the value at j is strictly larger (descending) or strictly smaller (ascending) than the
// one now at i. Returns the resulting permutation of 0..n-1. Ties end in a fixed order that is not
// always the natural one; O(n^2) comparisons (12 million for 4950 rows, a few milliseconds).
std::vector<int> OrdinaPerScambio(const std::vector<std::int32_t>& valori, bool decrescente);
std::vector<int> OrdinaPerScambio(const std::vector<double>& valori, bool decrescente);

// --- charts (the views of TipoVista::Grafico) ---

struct DatiGrafico
{
    std::string titolo;
    int serie = 1;                                   // values per number
    std::vector<std::array<std::int32_t, 5>> valori; // [n - 1][s], n = 1..90
    std::vector<std::string> ordinaPer; // entries of "Ordina per:" (multi-series views), else empty
    bool decrescente = true;            // the starting direction
    bool ordinato = true;               // starts ordered by value (false: natural 1..90)
};

// A chart view; any other view gives an empty chart.
DatiGrafico CalcolaGrafico(Vista vista, const ContestoViste& contesto);

// --- grids (the views of TipoVista::Griglia) ---

struct RigaTabella
{
    std::int8_t numero = 0;    // the number, or the first of the pair
    std::int8_t secondo = 0;   // the second number of a pair, else 0
    std::int8_t ruota = 0;     // archive wheel 1..11, 0 for the pair views
    std::int8_t posizione = 0; // extraction position 1..5, 0 when the view has none
    std::int32_t valore = 0;
    bool maiUscito = false; // a pair never drawn: its value cell also shows "Ambo mai uscito!"
};

struct TabellaVista
{
    std::vector<std::string> colonne; // the last one holds the value
    std::vector<RigaTabella> righe;   // in the view's order
    bool decrescente = true;
};

// A grid view, already in its order; any other view gives an empty table.
TabellaVista CalcolaTabella(Vista vista, const ContestoViste& contesto);
// The text of a cell: the wheel name, the position followed by "º", the pair as "a b", the value.
std::string TestoCella(const TabellaVista& tabella, const RigaTabella& riga, std::size_t colonna);

// --- "Analisi combinazioni" ---

struct RigaAnalisi
{
    std::string etichetta;                  // the draw date (d/m/yyyy), a wheel name, "TOTALE:" or empty
    std::array<std::int32_t, 5> conteggi{}; // wheels with 1..5 numbers of the set
    bool vuota = false;                     // no counts shown: the separating rows, and the rows before
                                            // the first analysis
};

// What the grid shows before any analysis: the eleven archive wheels, an empty row and "TOTALE",
// without counts.
std::vector<RigaAnalisi> AnalisiIniziale();

// The numbers of S (flags) against the last N draws (all of them when N > count), oldest first, on
// all eleven archive wheels with data whatever the selection: a row per draw with at least one hit,
// an empty row, a row per wheel with its totals, an empty row and "TOTALE:".
std::vector<RigaAnalisi> AnalizzaCombinazioni(const ArchivioStorico& archivio, const SegniNumeri& insieme,
                                              std::int32_t finestra);

} // namespace viste
