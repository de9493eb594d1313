#pragma once

#include "coperture/cella.h"

#include <cstdint>
#include <optional>
#include <string>

// The exact check of a design, independent of the searches that found it.

// How many p-subsets of 1..v meet no block in at least t points (for a covering: how many t-subsets
// lie in no block); 0 for a valid design. Marks one bit per target in a set of C(v, p) bits (17.8 KB
// at most): each block marks the targets it meets in t..p points, sum over j = t..min(k, p) of
// C(k, j) * C(v - k, p - j) ranks (C(10, 5) = 252 per block for C(30, 10, 5); 5,886 for
// L(30, 6, 5, 3)). Expects blocks accepted by ControllaBlocchi.
[[nodiscard]] std::uint64_t ContaScoperti(const Cella& cella, const Blocchi& blocchi);

// Why the blocks are not a design of the cell's shape (a block without exactly k points, or with a point
// beyond v), or nullopt.
[[nodiscard]] std::optional<std::string> ControllaBlocchi(const Cella& cella, const Blocchi& blocchi);

// The number of blocks below which no covering C(v, k, t) exists: Schönheim's bound
// ceil(v/k * ceil((v-1)/(k-1) * ... ceil((v-t+1)/(k-t+1)))). 1 for a lotto design with p > t, whose
// bounds are not tabulated here.
[[nodiscard]] std::uint64_t LimiteInferiore(const Cella& cella);
