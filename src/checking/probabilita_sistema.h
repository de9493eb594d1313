#pragma once

#include "checking/vincite.h"
#include "core/esecuzione.h"
#include "core/giocata.h"

#include <array>
#include <cstdint>
#include <string>

// Texts of the odds of a system, shared by its window and the command-line tool.
namespace messaggi_probabilita_sistema {

inline constexpr const char* Titolo = "Probabilità e valore atteso";
inline constexpr const char* NessunaGiocata = "Non ci sono giocate finali da controllare.";
inline constexpr std::array<const char*, 5> Classi = {"Estratto", "Ambo", "Terno", "Quaterna", "Cinquina"};
inline constexpr const char* ValoreAtteso = "Valore atteso per euro";
inline constexpr const char* UnaRuota = "Su una ruota";
inline constexpr const char* RuoteSistema = "Sulle ruote del sistema";
inline constexpr const char* AttesaPrima = "Per ogni euro giocato si attende di riavere ";
inline constexpr const char* AttesaDopo = " euro.";
inline constexpr const char* Guida = "gf_valatt.htm";

} // namespace messaggi_probabilita_sistema

// The five-number outcomes of one wheel, C(90, 5).
inline constexpr std::int64_t CinquineNovanta = 43949268;

// The exact odds of the plays in one draw.
struct EsitoProbabilitaSistema
{
    // Probability of at least one win of class k or better (index k - 1, estratto .. cinquina): on one
    // wheel, and on any of the system's wheels (wheels draw independently).
    std::array<double, 5> unaRuota{};
    std::array<double, 5> sistema{};
    std::array<std::int64_t, 6> esiti{}; // outcomes of one wheel by the best hits of a play, 0..5
    int ruote = 0;                       // wheels played: own flags, the ten of Tutte, Nazionale by its own
    double spesa = 0;                    // the stake of one draw
    double attesa = 0;                   // the expected winnings of one draw
    bool interrotta = false;

    // Expected winnings per euro staked; 0 without stakes.
    double perEuro() const { return spesa > 0 ? attesa / spesa : 0.0; }
};

// The expected win of one euro on class k (1..5) of a play holding at least k numbers on one wheel:
// each of its k-subsets is drawn with probability C(5, k) / C(90, k), and one euro is spread over its
// C(n, k) combinations, so n drops out: C(5, k) / C(90, k) x the multiplier.
double AttesaClasse(int k);

// The expected win of one euro on the ambetto of a play of at least two numbers on one wheel. Each of the
// play's pairs and each of its neighbour pairs (CoppieAmbetto) is one line, paid when the neighbour pair
// is drawn and the pair's other number is not: C(87, 3) / C(90, 5) for every line. The stake is spread
// over the lines (over the pairs, then over each pair's neighbours), so the size of the play and the
// number of neighbours drop out: C(87, 3) / C(90, 5) x the multiplier.
double AttesaAmbetto();

// Wheels a play is paid on: its own flags (Nazionale included), the ten regional ones through Tutte.
int RuoteSistema(const SegniRuote& ruote);

// The odds of the plays giocate[0 .. quante) with the stakes and wheels of `parametri`. The probabilities
// enumerate the 43,949,268 outcomes of a wheel with the sub-combination bit sets of the plays (polling
// like DistribuzionePunti); the expected winnings follow from linearity over plays, wheels and classes
// (estratto .. cinquina, the estratto determinato and the ambetto; the cap on one play's win is not
// applied).
void ProbabilitaSistema(const Tipo_Giocata* giocate, std::int32_t quante, const ParametriVincite& parametri,
                        EsitoProbabilitaSistema& esito, ControlloEsecuzione& controllo);

// A probability as a decimal fraction with nine decimals and ".", whatever the locale.
std::string TestoProbabilita(double p);
