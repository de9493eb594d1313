#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The designs behind the immediate reducers, on the points 1..v (v <= 30).
//
// A block is a 32-bit mask, bit i standing for point i + 1, so that the meeting of two sets is one AND
// and its size one popcount. A design is a list of blocks of k points each.

inline constexpr int PuntiMassimi = 30;
inline constexpr int BloccoMassimo = 10;
// p (and so t) stays at most 5: the targets are then at most C(30, 5) = 142,506.
inline constexpr int BersaglioMassimo = 5;

using Blocchi = std::vector<std::uint32_t>;

enum class TipoDisegno {
    // Covering C(v, k, t), file Quarvin.ro2: every t-subset of the points lies inside some block.
    Ortogonale,
    // Lotto design L(v, k, p, t), file Quarvin.ra2: every p-subset meets some block in at least t points.
    Garanzia,
};

// One design to find. For Ortogonale p equals t; a Garanzia cell with p = t is the same covering.
struct Cella
{
    TipoDisegno tipo = TipoDisegno::Ortogonale;
    int v = 0;
    int k = 0;
    int p = 0;
    int t = 0;
};

// The p the program's reducer files use for a lotto design with blocks of k points: p = k up to five,
// five above (the draw has five numbers).
[[nodiscard]] constexpr int PGaranzia(int k)
{
    return k <= 5 ? k : 5;
}

// Why the cell cannot be searched, or nullopt: 1 <= t <= p <= 5, t <= k <= 10, k <= v <= 30, and p = t
// for a covering.
[[nodiscard]] std::optional<std::string> ControllaCella(const Cella& cella);

// "ortogonale" / "garanzia": the folder name of the kind.
[[nodiscard]] const char* NomeTipo(TipoDisegno tipo);
// The file name of a cell among the search's results: "v22-k6-p5-t3.txt".
[[nodiscard]] std::string NomeFileCella(const Cella& cella);

// The mask of all the points 1..v.
[[nodiscard]] constexpr std::uint32_t TuttiIPunti(int v)
{
    return v >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << v) - 1U;
}
