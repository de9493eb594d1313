#pragma once

#include "coperture/cella.h"

#include <functional>
#include <vector>

// Lotto designs as unions of coverings on the parts of a partition of the points.
//
// Split the v points into m parts with m (t - 1) < p, that is m <= (p - 1) / (t - 1). Whatever p points
// are drawn, some part receives at least t of them (otherwise at most m (t - 1) < p points would be
// drawn), so a covering C(n_i, k, t) on every part guarantees t hits. A part of fewer than t points
// never receives t and needs no block; a part of t..k points needs one block, its points plus any
// others.

// The blocks of a covering C(n, k, t) on the points 0..n-1, n > k: the best the caller has.
using CoperturaParte = std::function<Blocchi(int n)>;

struct UnionePartizione
{
    // The sizes of the parts, in the order they take the points 1..v (empty parts left out).
    std::vector<int> parti;
    Blocchi blocchi;
};

// The union on consecutive parts of the given sizes (summing to v, at most (p - 1) / (t - 1) of them for
// the guarantee to hold); copertura is asked for each part above k points.
[[nodiscard]] UnionePartizione UnioneSuParti(const Cella& cella, const std::vector<int>& parti,
                                             const CoperturaParte& copertura);

// The split into at most (p - 1) / (t - 1) consecutive parts with the fewest blocks in total, by dynamic
// programming over the part sizes (ties: the first split found in order of the first part's size),
// then the union of the coverings. copertura is asked once for each size k + 1 .. v at most.
[[nodiscard]] UnionePartizione UnioneSuPartizione(const Cella& cella, const CoperturaParte& copertura);
