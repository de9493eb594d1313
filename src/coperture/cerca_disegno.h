#pragma once

#include "coperture/cella.h"
#include "coperture/costruzioni.h"
#include "coperture/gruppo_permutazioni.h"
#include "core/esecuzione.h"
#include "core/orologio.h"

#include <cstdint>
#include <string>
#include <vector>

// The search for a small design of one cell: every method this module has, the smallest valid design
// kept.
//
// In order: an algebraic construction (a Steiner system ends the search: nothing is smaller); the start
// design given by the caller; for a covering, the designs built from the caller's coverings of the
// neighbouring cells (one point more; a points less, 1 <= a < k, plus blocks holding those a points and
// a covering of the (t-1)-subsets of the rest, or of the (t-s)-subsets with blocks joining coverings of
// both parts for the subsets with fewer than s of those points; blocks one point shorter); for a lotto
// design, the union of coverings on the best partition (the parts' coverings: algebraic, the caller's, or a
// short search of their own); a greedy design; for a covering, the stable-orbit starts: under each group of
// GruppiStabili, the cheapest set of short block orbits (CoperturaOrbitale) covering all target orbits, or
// leaving some at a price to greedy plain blocks (four prices). Then, while the best is above the lower bound
// and the target, annealing over base blocks of three groups (two cyclic ones and one of the others of
// GruppiCandidati, the seed choosing which; lotto designs only cyclic ones), then annealing on plain blocks:
// from the best design found or, on four seeds out of five, a race at a cooler schedule of four starts (the
// best design found, the covering of one point more with that point replaced, then the stable-orbit starts,
// the smallest of each group first), each given 5% of the budget, the one that reached the smallest design
// going on with the rest (the seed also choosing how often the point leaving is drawn instead of
// priced). The orbit annealing takes 40% of the budget for a covering (15% when there are stable-orbit
// starts) and 25% for a lotto design. Each time the cost reaches zero the design is recorded and the least
// useful blocks removed: one at first, twice as many after a level that fell quickly, half as many after a
// slow one, going back to the last success when a jump of several blocks gets stuck. The accepted fraction of
// uphill moves falls from 5% to 0.01% over a cycle of 1M moves, each cycle twice as long as the one before,
// up to 32M.
//
// Every design kept has passed ContaScoperti. The run is deterministic for a seed and a move budget;
// with a time budget it depends on the machine's speed.

struct ParametriRicerca
{
    Cella cella;
    std::uint64_t seme = 1;
    // Budgets: the run ends when one is spent; 0 leaves that one unlimited (with both 0, only the run
    // control stops the run). A move is one proposal of the annealing; the budget is shared between the
    // phases in fixed proportions.
    std::uint64_t mosse = 0;
    std::uint64_t millisecondi = 0;
    // Needed with millisecondi; outlives the run.
    const Orologio* orologio = nullptr;
    // Stop as soon as a design of at most this many blocks is found (0: search until the budget ends).
    std::size_t obiettivo = 0;
    // A design to start from: blocks of k points within 1..v, which need not cover everything.
    Blocchi partenza;
    // The coverings C(n, k, t) the caller knows, for the partition unions and the doubling constructions
    // (may be empty).
    FornitoreCoperture coperture;
};

struct EsitoRicerca
{
    // The smallest valid design found, in ascending mask order; empty when the run was stopped before
    // the first one.
    Blocchi blocchi;
    // What found it: "banale", "algebrica", "partenza", "unione", "avida", "orbite Z23+1", "ricottura".
    std::string metodo;
    std::uint64_t mosse = 0;
    // The run control refused to go on.
    bool interrotta = false;
};

// The groups the searches try for v points: the cyclic ones Z_v, Z_{v-1} + 1, two cycles, Z_{v-2} + 2,
// three cycles (those that fit); unless soloCiclici, then the affine groups of GF(q) for q = v, v - 1,
// v - 2 (all multipliers, half of them, and the smallest subgroups) and PSL(2, q) on v or v - 1 points.
[[nodiscard]] std::vector<GruppoPermutazioni> GruppiCandidati(int v, bool soloCiclici);

// The groups of the stable-orbit starts: the affine groups of GF(q) for q = v .. v - 14 with every
// subgroup of multipliers (order 40 or more), PSL(2, q) for q = v - 1 .. v - 4 and, for v = 21 .. 24,
// PSL(3, 4) on the points of PG(2, 4), the other points fixed.
[[nodiscard]] std::vector<GruppoPermutazioni> GruppiStabili(int v);

// The search. Polls the run control every 16,384 moves or so (with the moves made as progress, the move
// budget as total) and stops with the best design found when it refuses. Memory: a few MB for the
// largest cells (C(30, 5) targets, an orbit table per group).
[[nodiscard]] EsitoRicerca CercaDisegno(const ParametriRicerca& parametri, ControlloEsecuzione& controllo);
