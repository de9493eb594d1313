#pragma once

#include "coperture/cella.h"
#include "coperture/costruzioni.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Coverings of v points joined from coverings of the first v - 2m points (the old ones) and 2m new points
// paired by a one-factorization of the complete graph on them: 2m - 1 perfect matchings, each new point
// in one pair of every matching. Each matching has a class of (k-2)-blocks on the old points and each of
// its pairs takes every block of the class. A t-subset with
//  - no new point lies in a block of a covering C(v - 2m, k, t) of the old points;
//  - one new point x: x is paired once in every matching, so its blocks hold every class; the classes
//    together cover the (t-1)-subsets of the old points;
//  - two new points: their pair is in one matching, whose class covers the (t-2)-subsets;
//  - three or more: a block of all the new points and k - 2m old ones from a covering of the
//    (t-3)-subsets (one block when t <= 3).
// So a covering C(v-2m, k-2, t-1) shared out in 2m - 1 classes that each cover the (t-2)-subsets gives
// C(v, k, t) <= C(v-2m, k, t) + m * (its blocks) + C(v-2m, k-2m, t-3): the Golay design on 24 points, a
// C(24, 6, 4) of 791 blocks split in five (about 820 after completing the classes) and the 276 pairs
// make C(30, 8, 5) of about 3,500 blocks, where joining one point at a time stops near 4,070.

// The blocks of `copertura` (points 0..n-1, u <= 3) shared out among `classi` classes so that each class
// covers every u-subset: annealing on the class of each block, then each class completed greedily with
// new blocks of the same size where the sharing falls short. Every block lands in exactly one class.
[[nodiscard]] std::vector<Blocchi> SuddividiCopertura(const Blocchi& copertura, int n, int u, int classi,
                                                      std::uint64_t seme);

// The 2m - 1 perfect matchings of a one-factorization of the complete graph on the points 0..2m-1:
// matching i pairs 2m-1 with i and i - j with i + j (mod 2m - 1) for j = 1..m-1.
[[nodiscard]] std::vector<std::vector<std::pair<int, int>>> UnoFattorizzazione(int m);

// The join above for C(v, k, t) with the last 2m points new, or nullopt when the cell does not allow it
// (needs 3 <= t, 2 <= m, 2m <= k, k - 2m >= t - 3 and k < v - 2m) or noti lacks a part. noti gives the
// coverings of the old points: C(v-2m, k, t), C(v-2m, k-2, t-1) and, when t > 3, C(v-2m, k-2m, t-3).
// With daBattere above 0 it is also nullopt, before any sharing, when the parts alone reach that many
// blocks: completing the classes only adds blocks.
[[nodiscard]] std::optional<Blocchi> UnioneFattorizzata(int v, int k, int t, int m,
                                                        const FornitoreCoperture& noti, std::uint64_t seme,
                                                        std::size_t daBattere = 0);
