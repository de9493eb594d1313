#pragma once

#include <array>
#include <bit>
#include <cstdint>

// Subsets of the points 0..v-1 (v <= 32) as masks, their colexicographic ranks and their enumeration:
// the flat tables the searches and the verification index their counters with.

// C(n, r) for n = 0..32, r = 0..10 (C(32, 10) = 64,512,240 fits).
inline constexpr auto Binomiali = [] {
    std::array<std::array<std::uint32_t, 11>, 33> c{};
    for (std::size_t n = 0; n < c.size(); ++n) {
        c[n][0] = 1;
        for (std::size_t r = 1; r <= 10 && r <= n; ++r) {
            c[n][r] = c[n - 1][r - 1] + (r <= n - 1 ? c[n - 1][r] : 0U);
        }
    }
    return c;
}();

[[nodiscard]] constexpr std::uint32_t Binomiale(int n, int r)
{
    if (n < 0 || r < 0 || r > 10 || r > n || n > 32) {
        return 0;
    }
    return Binomiali[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
}

// Colexicographic rank of a set among the sets of its size, 0-based: the sum of C(e_i, i) over its
// elements e_1 < e_2 < ... (points 0-based). Sets of s points of 0..v-1 get the ranks 0..C(v, s)-1 in
// the numeric order of their masks, whatever v. One look-up per element (at most 10).
[[nodiscard]] inline std::uint32_t RangoColex(std::uint32_t insieme)
{
    std::uint32_t rango = 0;
    std::size_t i = 1;
    while (insieme != 0) {
        rango += Binomiali[static_cast<std::size_t>(std::countr_zero(insieme))][i];
        ++i;
        insieme &= insieme - 1;
    }
    return rango;
}

// The set of s points (s <= 10) with the given colex rank (< C(32, s)): the inverse of RangoColex.
// At most 32 + s comparisons.
[[nodiscard]] std::uint32_t InsiemeDaRango(std::uint32_t rango, int s);

// The next mask with the same number of bits in numeric (so colex) order: Gosper's step. The caller
// stops at the first mask at or above 1 << v.
[[nodiscard]] constexpr std::uint32_t SuccessivoStessiBit(std::uint32_t m)
{
    const std::uint32_t basso = m & (~m + 1U);
    const std::uint32_t somma = m + basso;
    return somma | (((m ^ somma) >> 2) / basso);
}

// Writes every subset of `quante` points of `insieme` into uscita, in colex order, and returns how
// many (C(popcount, quante); one empty set when quante = 0, none when quante is above the popcount).
// uscita must hold that many. No allocation; cost proportional to the output.
int ElencaSottoinsiemi(std::uint32_t insieme, int quante, std::uint32_t* uscita);

// The r-th point (0-based, r < popcount) of the set, as a one-bit mask.
[[nodiscard]] inline std::uint32_t PuntoNumero(std::uint32_t insieme, int r)
{
    for (int i = 0; i < r; ++i) {
        insieme &= insieme - 1;
    }
    return insieme & (~insieme + 1U);
}
