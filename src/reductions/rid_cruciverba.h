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
#include <vector>

// "Riduzione a Cruciverba": the predicted numbers arranged in an L x L square where no number repeats
// along a row, a column or a diagonal (diagonals wrap around the left and right edges) and all these
// lines are different sets; the chosen kinds of line become systems, and "Sviluppa sistemi" adds every
// k-number combination of every system.

namespace messaggi_cruciverba {

inline constexpr const char* LatoNonValido = "La dimensione dei lati non è valida.";
inline constexpr const char* Impossibile = "Impossibile creare il cruciverba.\r\nAumentare la quantità di "
                                           "numeri o diminuire la dimensione dei lati.";
inline constexpr const char* NessunaNuova = "Non è stata aggiunta nessuna nuova giocata.\r"
                                            "Verificare la presenza di eventuali fisse nel pronostico.";

} // namespace messaggi_cruciverba

// Dialog settings.
inline constexpr const char* ChiaveDimXY = "RidCruci_DIMXY";
inline constexpr const char* ChiaveOri = "RidCruci_ORI";
inline constexpr const char* ChiaveVer = "RidCruci_VER";
inline constexpr const char* ChiaveDia = "RidCruci_DIA";
inline constexpr const char* ChiaveObl = "RidCruci_OBL";

// Time limits: one filling attempt, and one whole construction.
inline constexpr std::int64_t MillisecondiTentativo = 1000;
inline constexpr std::int64_t MillisecondiCostruzione = 10 * 1000;

// The square, row after row: cella(y, x) with y, x in 0..lato-1.
struct GrigliaCruciverba
{
    int lato = 0;
    std::vector<std::uint8_t> celle;

    std::uint8_t cella(int y, int x) const { return celle[static_cast<std::size_t>(y * lato + x)]; }
};

// The kinds of line that become systems.
struct LineeCruciverba
{
    bool righe = true;
    bool colonne = true;
    bool diagonali = true; // the two main diagonals
    bool oblique = false;  // the other wrapped diagonals
};

// L: a whole number with L >= k and 3 <= L <= 90; else nullopt (the caller shows LatoNonValido).
[[nodiscard]] std::optional<int> LeggiLato(std::string_view testo, int k);

// The line of a kind, as the numbers of its cells in order. Down-right diagonal from column s (0-based):
// cells (y, s + y); down-left: (y, s - y), columns modulo lato.
std::vector<std::uint8_t> Riga(const GrigliaCruciverba& g, int y);
std::vector<std::uint8_t> Colonna(const GrigliaCruciverba& g, int x);
std::vector<std::uint8_t> DiagonaleDestra(const GrigliaCruciverba& g, int s);
std::vector<std::uint8_t> DiagonaleSinistra(const GrigliaCruciverba& g, int s);

// Whether no number repeats along any row, column or wrapped diagonal, and the 4L lines are different sets.
[[nodiscard]] bool CruciverbaValido(const GrigliaCruciverba& g);

// One filling attempt on the ordered prediction: false when some cell has no fitting value or when
// `millisecondi` have passed (the attempt gives up cleanly). Does not test distinctness.
[[nodiscard]] bool TentativoCruciverba(int lato, const std::vector<std::uint8_t>& pronostico,
                                       GeneratoreCasuale& generatore, std::int64_t millisecondi,
                                       GrigliaCruciverba& griglia);

enum class EsitoCostruzione { Costruita, Impossibile, Interrotta };

// Attempts until one gives a valid square, the stop is confirmed, or `totale` ms have passed; polls after
// every attempt with the bar at the milliseconds spent over `totale`.
[[nodiscard]] EsitoCostruzione CostruisciCruciverba(int lato, const std::vector<std::uint8_t>& pronostico,
                                                    GeneratoreCasuale& generatore,
                                                    ControlloEsecuzione& controllo,
                                                    GrigliaCruciverba& griglia,
                                                    std::int64_t perTentativo = MillisecondiTentativo,
                                                    std::int64_t totale = MillisecondiCostruzione);

// The systems of the chosen kinds, each sorted ascending, in order: rows, columns, the main down-right
// and down-left diagonals, the other down-right diagonals (start columns 2..L) and down-left ones (L-1
// down to 1); a line equal to one already listed is skipped.
[[nodiscard]] std::vector<std::vector<std::uint8_t>> SistemiCruciverba(const GrigliaCruciverba& g,
                                                                       const LineeCruciverba& linee);
// "1 5 9 ...": a system as its text.
[[nodiscard]] std::string TestoSistema(const std::vector<std::uint8_t>& sistema);

// The systems one per line ("\n" after each), for the text file export.
[[nodiscard]] std::string TestoSistemi(const std::vector<std::vector<std::uint8_t>>& sistemi);

// The run: every k-combination of every system, in order, appended when it passes the fixed numbers and
// is not among the plays present or already added. Commits by adding; nothing added gives NessunaNuova.
[[nodiscard]] EsitoRiduzione SviluppaSistemi(Sistema& sistema, ElencoGiocate& giocate,
                                             const std::vector<std::vector<std::uint8_t>>& sistemi,
                                             bool consideraFisse, ControlloEsecuzione& controllo);
