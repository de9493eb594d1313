#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "core/giocata.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_riduzione.h"
#include "reductions/rid_garanzia.h"

#include <cstdint>
#include <string>

// "Riduzione ortogonale del pronostico" (TRidOrtogonale) and "Riduzione ortogonale delle giocate"
// (TRidOrtogonaleGiocate): plays of k numbers such that every g-number combination of the reference set
// (the prediction, or each current play) lies entirely inside at least one play. If g of the drawn
// numbers fall in the reference set, one play holds all of them.
//
// Both build their plays by merging the uncovered combinations into the plays added so far (the merge
// keeps each play within k numbers and prefers the play left with most room), then fill every play up
// to k numbers with random numbers of the base list from the program's GeneratoreCasuale: a given
// generator state gives the same plays in the window and in quarvin-cli. When the immediate-reducer file
// Quarvin.ro2 holds a reducer for the triple (v, k, g) its plays are used instead.

namespace messaggi_ortogonale {

inline constexpr const char* TutteScartate = "Sono state scartate tutte le giocate!\r"
                                             "Verificare la presenza delle fisse nel pronostico.";

} // namespace messaggi_ortogonale

// Dialog settings: the guarantee index (0 ambo .. 3 cinquina) of each dialog and the mode index
// (0 "Normale", 1 "Riduttori immediati") of the plays dialog.
inline constexpr const char* ChiaveRidOrtog = "RidOrtog";
inline constexpr const char* ChiaveRidOrtogGio = "RidOrtogGio";
inline constexpr const char* ChiaveRidOrtogGioTR = "RidOrtogGioTR";

// The guarantee selector, its clamp (GaranziaAmmessa) and the outcome with the damaged-reducer flag are
// those of the guarantee reductions.

// The points of row 1..5 of the guarantee table, the same in both columns: rows 1..g read g, g - 1, ...,
// 1 (p points among the drawn numbers of the reference set guarantee p points in one play), the others
// are blank (0 here).
[[nodiscard]] int PuntiRigaOrtogonale(int g, int riga);

// riduttoreDanneggiato: the immediate reducer could not be read whole or failed its checksum; nothing was
// committed, the outcome carries no message and the window shows the damaged-reducer messages and closes.
using EsitoOrtogonale = EsitoGaranzia;

struct ParametriOrtogonale
{
    int garanzia = 2; // g, clamped with GaranziaAmmessa against k
    bool consideraFisse = false;
    // Quarvin.ro2; empty, missing or without the triple: the run's own algorithm.
    std::string fileRiduttori;
};

// TRidOrtogonale: plays of k = sistema.numeriPerGiocata numbers added after the list, so that every
// g-combination of the prediction lies inside some play of the list (those already there count).
//
// Immediate path, when fixed numbers are not considered and the file holds a reducer for (n, k, g): its
// plays, turned into numbers of the ordered prediction, are added unless identical to a play present
// before the run; polls every 17 plays with the list's total. Otherwise the g-combinations of the
// prediction in lexicographic order (progress over C(n, g), a poll every 64 with the list's total): a
// combination not contained in any play of the list (and with the fixed numbers among its g numbers,
// when considered) is merged into the added plays; at the end each added play is filled up to k numbers
// with predicted numbers at random positions (generatore.estrai(n)) and sorted. Commits by adding;
// nothing added gives messaggi_riduzioni::NessunaGiocataAggiunta. A stop or a failed growth drops the
// added plays. Coverage costs one bit look-up per combination.
[[nodiscard]] EsitoOrtogonale RiduzioneOrtogonale(Sistema& sistema, ElencoGiocate& giocate,
                                                  const ParametriOrtogonale& parametri,
                                                  GeneratoreCasuale& generatore,
                                                  ControlloEsecuzione& controllo);

struct ParametriOrtogonaleGiocate
{
    int garanzia = 2;
    // k: the quantity of numbers of every current play (the entry check's numeriGiocate).
    int numeriPerGiocata = 0;
    // The numbers occurring in the current plays (the entry check's numeriUsati): the base list.
    SegniNumeri numeriUsati{};
    bool consideraFisse = false;
    // The mode "Riduttori immediati".
    bool immediati = false;
    std::string fileRiduttori;
};

// TRidOrtogonaleGiocate: a new list of k-number plays such that every g-combination of any current play
// lies inside some new play. The new list replaces the old one only on commit; until then the run works
// after the current plays, so a stop, a failed growth, a damaged reducer or a run that produced nothing
// leaves the list exactly as it was (count, order and plays).
//
// Immediate path, when the mode is immediate, fixed numbers are not considered and the file holds a
// reducer for (v, k, g): the reducer plays, turned into numbers of the base list, are appended (a poll
// every 129); then for each current play and each of its g-combinations not seen before, the first
// reducer play containing it (selected ones first) is selected; a poll every 29 current plays. The
// selected plays become the list: reducer plays that hold none of the combinations are dropped.
// Normal path: for each current play, its g-combinations not seen before that pass the fixed numbers
// (counted among the g) and are not contained in a play added so far are merged into the added plays;
// a poll every 64 current plays. At the end each added play is filled up to k numbers with random numbers
// 1..90 (generatore.estrai(90) + 1) occurring in the current plays, and sorted. Nothing produced gives
// messaggi_ortogonale::TutteScartate.
[[nodiscard]] EsitoOrtogonale RiduzioneOrtogonaleGiocate(Sistema& sistema, ElencoGiocate& giocate,
                                                         const ParametriOrtogonaleGiocate& parametri,
                                                         GeneratoreCasuale& generatore,
                                                         ControlloEsecuzione& controllo);
