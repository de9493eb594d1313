#pragma once

#include "core/classi_premio.h"
#include "core/estrazione.h"
#include "core/giocata.h"
#include "core/ruote.h"
#include "editor/sistema.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Payout of the Lotto: multipliers of the stake for one winning combination on one wheel.
namespace pagamenti {

inline constexpr long double Estratto = 11.23L;             // checking plays against a draw
inline constexpr long double EstrattoCalcolatore = 11.232L; // the stand-alone winnings calculator
inline constexpr long double Ambo = 250.0L;
inline constexpr long double Terno = 4500.0L;
inline constexpr long double Quaterna = 120000.0L;
inline constexpr long double Cinquina = 6000000.0L;
inline constexpr long double EstrattoDeterminato = 55.0L;
inline constexpr long double Ambetto = 260.0L;

// Multiplier of the classes Ambo..Cinquina by size k (2..5); 0 elsewhere.
long double MoltiplicatoreClasse(int k);

// A stake on Tutte is spread over the ten regional wheels.
inline constexpr int DivisoreRuota = 1;
inline constexpr int DivisoreTutte = 10;

} // namespace pagamenti

// C(n, k) as n! / ((n - k)! k!) in extended precision; 0 when k < 0 or k > n (no such combination).
// Meant for n <= 12 (plays hold at most 10 numbers).
long double Combinazioni(int n, int k);

// Pairs of numbers, each 1..90, in the order they were built.
using Tipo_Vettore_AmboPerSpoglio = std::vector<std::array<std::uint8_t, 2>>;

// All pairs (ai, aj), i < j, of the first n numbers of the play, in the lexicographic order of the
// positions: (a1,a2), (a1,a3), ..., (a1,an), (a2,a3), ...; n(n-1)/2 pairs, none below n = 2.
Tipo_Vettore_AmboPerSpoglio CoppieGiocata(int n, const Tipo_Giocata& giocata);

// The neighbours of the pair (x, y) paid by the ambetto, in the order (x, y+1), (x, y-1), (x+1, y),
// (x-1, y), the numbers running on a circle (90 + 1 is 1, 1 - 1 is 90). A neighbour made of two equal
// numbers is left out, so adjacent pairs and (1, 90) have two neighbours, the others four.
Tipo_Vettore_AmboPerSpoglio CoppieAmbetto(std::uint8_t x, std::uint8_t y);

// How a play is staked on the wheel of a win line: on the wheel itself (or Nazionale) or through Tutte.
enum class Puntata { Ruota, Tutte };

// One win line of one play on one wheel.
struct Tipo_Vincita
{
    int ruota = 0; // archive wheel 1..11
    Puntata puntata = Puntata::Ruota;
    ClassePremio classe = Estratto; // Cinquina..Estratto, EstrattoDeterminato or Ambetto
    int quantita = 0;  // winning combinations (Estratto: the hits); 1 for the determinato and the ambetto
    int posizione = 0; // EstrattoDeterminato: the extraction position 1..5
    std::array<std::uint8_t, 2> coppia{}; // Ambetto: the neighbour pair drawn on the wheel
    double importo = 0;                   // euro, already capped at the largest win
};

// What the win lines depend on besides the play and the draw: the system's stakes, the positions of the
// estratto determinato, the wheel selection and the largest win of a line and of a play.
struct ParametriVincite
{
    std::array<double, NumeroImporti> importi{}; // by ClassePremio, slot 1 at index 0
    std::array<std::uint8_t, NumeroPosizioni> posizioni{};
    SegniRuote ruote{};
    double vincitaMassima = 6000000.0;
};

// The parameters of the system being edited.
ParametriVincite ParametriDaSistema(const Sistema& sistema, double vincitaMassima);

// The five numbers drawn on archive wheel w (1..11) by position; 0 where nothing was drawn.
using NumeriRuota = std::array<std::uint8_t, 5>;
NumeriRuota NumeriEstrattiRuota(const std::array<std::uint8_t, 55>& numeri, int ruota);

// The win lines of the play on archive wheel `ruota` (1..11), with the wheel's five drawn numbers (0 matches
// nothing). A wheel on which the play is not staked, or where it has no hit, gives nothing. The lines come in
// the order cinquina, quaterna, terno, ambo, estratto (each own wheel before Tutte), estratto determinato
// (all own-wheel positions before all Tutte ones), ambetto (each neighbour pair on its own wheel and then on
// Tutte). A play staked on its wheel and on Tutte is paid twice there, with the divisors 1 and 10. Every
// amount above vincitaMassima is replaced by it.
std::vector<Tipo_Vincita> VinciteGiocataRuota(const Tipo_Giocata& giocata, int ruota,
                                              const NumeriRuota& estratti, const ParametriVincite& parametri);

// The lines of the play on the eleven wheels of a draw (55 numbers in the draw record's order), Bari first,
// Nazionale last.
std::vector<Tipo_Vincita> VinciteGiocata(const Tipo_Giocata& giocata,
                                         const std::array<std::uint8_t, 55>& numeri,
                                         const ParametriVincite& parametri);

// The win of a play: the sum of its lines, capped at vincitaMassima.
double TotaleVincite(const std::vector<Tipo_Vincita>& vincite, double vincitaMassima);

// Texts of the winnings calculator, shared by its window and the command-line tool.
namespace messaggi_vincite {

// By class Estratto..Cinquina (index 0..4): the amount typed for it does not read as a number.
inline constexpr std::array<const char*, 5> ImportiNonValidi = {
    "L'importo dell'estratto non è valido.",  "L'importo dell'ambo non è valido.",
    "L'importo del terno non è valido.",      "L'importo della quaterna non è valido.",
    "L'importo della cinquina non è valido.",
};
inline constexpr const char* ImportiZero = "Gli importi delle giocate devono essere maggiori di zero.";
inline constexpr const char* Totale = "Totale*: ";
inline constexpr const char* AlLordo = "*Al lordo delle ritenute di legge";

} // namespace messaggi_vincite

// The stand-alone calculator: n numbers played, h of them hit on one wheel, the stakes of the five
// classes Estratto..Cinquina (index 0..4), on one wheel (divisore 1) or on Tutte (10). The estratto is paid
// 11.232 times. A class pays when h >= k and n >= k; hits above the numbers played count as all of them.
struct RisultatoCalcolo
{
    std::array<double, 5> vincite{}; // Estratto..Cinquina, each capped
    double totale = 0;               // capped
};
RisultatoCalcolo CalcolaVincita(int numeriGiocati, int indovinati, const std::array<double, 5>& importi,
                                int divisore, double vincitaMassima);

// The calculator's five typed stakes (Estratto..Cinquina; spaces around a text are ignored, an empty
// text is 0) read as amounts. On failure `errore` is the message and `campo` the index of the box to
// give the focus to (-1 when all stakes are zero, the first message the user must fix).
struct ImportiCalcolatore
{
    std::array<double, 5> importi{};
    std::string errore; // empty when valid
    int campo = -1;

    bool valido() const { return errore.empty(); }
};
[[nodiscard]] ImportiCalcolatore LeggiImportiCalcolatore(const std::array<std::string, 5>& testi);
