#pragma once

#include "coperture/cella.h"
#include "coperture/ricottura.h"

#include <bit>
#include <vector>

namespace test {

// A random set of k points of 0..v-1.
inline std::uint32_t BloccoCasuale(CasualeRicerca& casuale, int v, int k)
{
    std::uint32_t b = 0;
    while (std::popcount(b) < k) {
        b |= std::uint32_t{1} << casuale.estrai(static_cast<std::uint32_t>(v));
    }
    return b;
}

inline Blocchi DisegnoCasuale(CasualeRicerca& casuale, const Cella& c, int quanti)
{
    Blocchi blocchi;
    for (int i = 0; i < quanti; ++i) {
        blocchi.push_back(BloccoCasuale(casuale, c.v, c.k));
    }
    return blocchi;
}

// The plain definition: p-subsets of the points that no block meets in t points, by looking at every
// block for every p-subset, with sets of positions rather than masks.
inline std::uint64_t ScopertiPerDefinizione(const Cella& c, const Blocchi& blocchi)
{
    std::vector<std::vector<int>> insiemi;
    for (const std::uint32_t b : blocchi) {
        std::vector<int> punti;
        for (int i = 0; i < c.v; ++i) {
            if ((b >> i) & 1U) {
                punti.push_back(i);
            }
        }
        insiemi.push_back(punti);
    }
    std::uint64_t scoperti = 0;
    std::vector<int> scelta(static_cast<std::size_t>(c.p));
    for (int i = 0; i < c.p; ++i) {
        scelta[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        bool coperto = false;
        for (const auto& punti : insiemi) {
            int comuni = 0;
            for (int x : punti) {
                for (int y : scelta) {
                    comuni += x == y ? 1 : 0;
                }
            }
            coperto = coperto || comuni >= c.t;
        }
        scoperti += coperto ? 0U : 1U;
        int i = c.p - 1;
        while (i >= 0 && scelta[static_cast<std::size_t>(i)] == c.v - c.p + i) {
            --i;
        }
        if (i < 0) {
            return scoperti;
        }
        ++scelta[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < c.p; ++j) {
            scelta[static_cast<std::size_t>(j)] = scelta[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

} // namespace test
