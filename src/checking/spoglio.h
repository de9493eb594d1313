#pragma once

#include "checking/vincite.h"
#include "core/elenco_giocate.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Texts of the check of the plays against one draw, shared by its window and the command-line tool.
namespace messaggi_spoglio {

inline constexpr const char* NessunaGiocata = "Non ci sono giocate da controllare!";
inline constexpr const char* NessunaVincita = "Nessuna vincita";
inline constexpr const char* InserireNumeri =
    "Inserire i numeri dell'estrazione da utilizzare per lo spoglio.";
inline constexpr const char* Titolo = "Spoglio delle giocate";

// The summary rows, in the window's order: seven classes, an empty row, the total.
inline constexpr std::array<const char*, 9> VociRiepilogo = {
    "Cinquina", "Quaterna", "Terno", "Ambo", "Ambetto", "Estratto", "Estratto determinato", "", "TOTALE",
};
inline constexpr const char* ColonnaVincite = "Nº vincite";
inline constexpr const char* ColonnaImporti = "Importi* (€)";

inline constexpr const char* Giocata = "Giocata Nº ";
inline constexpr const char* Ruota = " Ruota: ";
inline constexpr const char* Cinquine = "Nº Cinquine indovinate: ";
inline constexpr const char* Quaterne = "Nº Quaterne indovinate: ";
inline constexpr const char* Terni = "Nº Terni indovinati: ";
inline constexpr const char* Ambi = "Nº Ambi indovinati: ";
inline constexpr const char* Estratti = "Nº Estratti indovinati: ";
inline constexpr const char* PosizioneDeterminato = "Pos. Estratto det.: ";
inline constexpr const char* AmbettoPrima = "AMBETTO (";
inline constexpr const char* AmbettoDopo = ")";
inline constexpr const char* Vincita = "Vincita: ";
inline constexpr const char* Euro = " Euro";
inline constexpr const char* VincitaTotale = "VINCITA TOTALE: ";

} // namespace messaggi_spoglio

// Rows of the summary: the seven classes (0..6), the empty row, the total.
inline constexpr int RigheClassiSpoglio = 7;
inline constexpr int RigaVuotaSpoglio = 7;
inline constexpr int RigaTotaleSpoglio = 8;

// The summary row (0..6) of a prize class: Cinquina, Quaterna, Terno, Ambo, Ambetto, Estratto,
// Estratto determinato.
int RigaClasseSpoglio(ClassePremio classe);

// The grid of the draw as typed: by archive wheel (0..10) and position (0..4).
using CelleSpoglio = std::array<std::array<std::string, 5>, 11>;

struct EsitoGrigliaSpoglio
{
    bool valida = false;
    std::array<std::uint8_t, 55> numeri{}; // draw-record order, 0 for an empty cell
    std::string messaggio;                 // the refusal (caption "Attenzione", warning icon)
};

// Reads the grid for a check: an empty cell is 0 and matches nothing; first every wheel in order must hold
// only whole numbers 1..90, then no wheel may hold a number twice, and at least one cell must be filled.
// The first failure gives its message.
EsitoGrigliaSpoglio LeggiGrigliaSpoglio(const CelleSpoglio& celle);

struct EsitoSpoglio
{
    std::vector<std::string> resoconto;                     // the report lines; empty when nothing is won
    std::array<std::int64_t, RigheClassiSpoglio> vincite{}; // by summary row 0..6
    std::array<double, RigheClassiSpoglio> importi{};       // by summary row, the sum of the capped lines
    double totale = 0; // the sum of the plays' totals, each capped at the largest win

    std::int64_t vinciteTotali() const;
};

// Checks every play of the list (1..count, in order) against the 55 numbers of a draw on the eleven wheels.
// Each winning play adds its block ("Giocata Nº i", one line per win line, a separator); when the total is
// above 0 a separator opens the report and the total line closes it, otherwise the report is empty and
// every count and amount is 0. Amounts are written with `decimali` decimals. A play and a wheel that cannot
// win (not staked, no hit, or hits only in classes without a stake) cost a few table look-ups and no
// allocation, so the cost is that of the winning plays and their report lines (bench/spoglio_bench.cpp);
// the list is not polled.
EsitoSpoglio Spoglio(const ElencoGiocate& giocate, const std::array<std::uint8_t, 55>& numeri,
                     const ParametriVincite& parametri, int decimali);

// One win line of the report: " Ruota: " and the wheel padded to 22 characters, the class text with the
// line padded to 50 characters, "Vincita: ", the amount and " Euro".
std::string RigaVincitaSpoglio(const Tipo_Vincita& vincita, int decimali);

// The nine summary rows as the window shows them: label, count, amount ("0" and "0,00" before a check and
// after a check without wins; the empty row all empty).
struct VoceRiepilogoSpoglio
{
    std::string voce;
    std::string vincite;
    std::string importo;
};
std::array<VoceRiepilogoSpoglio, 9> RiepilogoSpoglio(const EsitoSpoglio& esito, int decimali);
