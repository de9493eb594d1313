#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Texts of the guarantee check, shared by its window and the command-line tool.
namespace messaggi_verifica_garanzia {

inline constexpr const char* Titolo = "Verifica garanzia";
inline constexpr const char* NessunaGiocata = "Non ci sono giocate finali da controllare.";
inline constexpr const char* Punti = "Punti nel pronostico:";
inline constexpr const char* Livello = "Livello richiesto:";
inline constexpr const char* Garantito = "garantito";
inline constexpr const char* Buchi = "buchi";
// The guaranteed result in words, by least best score 0..5.
inline constexpr std::array<const char*, 6> GaranziaInParole = {
    "nessuna vincita garantita", "estratto garantito", "ambo garantito",
    "terno garantito",           "quaterna garantita", "cinquina garantita"};
inline constexpr const char* Guida = "gf_vergar.htm";
inline constexpr const char* EsportaTitolo = "Esporta i buchi";
inline constexpr const char* EsportaNonRiuscita = "Impossibile scrivere il file dei buchi.";

} // namespace messaggi_verifica_garanzia

// Holes listed by default.
inline constexpr int BuchiPredefiniti = 100;
// The window's choices of its last run, kept in the settings store: points, level, holes listed.
inline constexpr const char* ChiaveVerGarPunti = "VerGarPunti";
inline constexpr const char* ChiaveVerGarLivello = "VerGarLivello";
inline constexpr const char* ChiaveVerGarBuchi = "VerGarBuchi";

// The guarantee of a list of plays over the P-subsets of the prediction.
struct EsitoVerificaGaranzia
{
    std::array<std::int64_t, 6> istogramma{};       // P-subsets by best score 0..5
    std::int64_t insiemi = 0;                       // P-subsets evaluated
    int garantito = 0;                              // the least best score (0 with no sets)
    int livello = 0;                                // the level the holes are measured against
    std::int64_t buchiTotali = 0;                   // P-subsets whose best score is below livello
    std::vector<std::array<std::uint8_t, 5>> buchi; // the first holes, in lexicographic order
    int dimensione = 0;                             // numbers in each hole (P, or fewer predicted numbers)
    bool interrotta = false;

    double percentuale(int punti) const;
};

// The level the full development of the prediction in plays of k numbers reaches: min(P, k, n).
int LivelloSviluppoIntegrale(int numeriPronostico, int numeriGiocata, int punti);

// The most numbers of one play (until its first empty slot) among the plays.
int NumeriGiocataMassimi(const Tipo_Giocata* giocate, std::int32_t quante);

// Every P-subset of the prediction (P = 1..5, normalised as DistribuzionePunti does) scored by its best
// score against the plays through the sub-combination bit sets; the least best score is the result the
// plays guarantee when P predicted numbers come out on a wheel. The subsets scoring below `livello`
// (livello <= 0: LivelloSviluppoIntegrale with the longest play) are counted, the first `massimoBuchi`
// kept. Polls every PassoControlloPunti sets; a confirmed stop returns with `interrotta` set.
void VerificaGaranzia(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                      std::int32_t quante, int punti, int livello, int massimoBuchi,
                      EsitoVerificaGaranzia& esito, ControlloEsecuzione& controllo);

// One hole per line, the numbers separated by one space.
std::string TestoBuchi(const EsitoVerificaGaranzia& esito);
