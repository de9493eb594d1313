#pragma once

#include "core/conta_bit.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <unordered_map>
#include <vector>

// For every set of one to five numbers, the last draw in which the whole set came out together on
// one of the chosen wheels. The best score of a play against the draws from w onwards is then the
// number of sizes s whose latest s-subset of the play came out at w or later: a set came out whenever
// a larger set holding it did, so the latest draws fall with s.
//
// Tables by size s = 1..4 are rows of 91 draw indices: row T (an (s-1)-subset, by its colex rank) and
// column x hold the last draw of T + {x}. A play's s-subsets that end in x are then the rows of its
// (s-1)-subsets at column x, and the rows of one prefix cover every x at once: the enumeration of a
// prediction takes the largest of a few contiguous rows per prefix instead of one search per
// candidate. The sets of five (about 44 million) are few in any archive and stay in a map from the
// rank of their first four numbers.
class UsciteSottoinsiemi
{
public:
    // Rows are padded to 96 columns (x = 1..90 used) so that they split into blocks of 8 cells, which
    // the compiler turns into one vector operation each. A cell holds a draw index, at most 12000.
    static constexpr int Colonne = 96;
    static constexpr int Blocco = 8;
    using Cella = std::int16_t;
    static constexpr int DimensioneMassima = 5;

    UsciteSottoinsiemi();

    // The five numbers of one wheel of draw `estrazione` (any order, zeros skipped). Draws are given
    // in increasing order, so the latest index wins.
    void registra(const std::uint8_t* numeri, int quanti, std::int32_t estrazione);

    // For a play of k numbers ascending (k <= 10): ultime[s - 1] = the last draw holding s of its
    // numbers together, 0 when none (and for s > k).
    std::array<std::int32_t, DimensioneMassima> ultime(const std::uint8_t* numeri, int k) const;

    // Row T of size s (1..4): its 91 last draws by x. rango is the colex rank of T (0 for s = 1).
    const Cella* riga(int s, std::uint32_t rango) const;
    // Whether row T of size s (1..5) holds any draw: most are empty in a window of a few hundred
    // draws, and a walk skips them without touching their memory.
    bool piena(int s, std::uint32_t rango) const
    {
        const auto& bit = m_piene[static_cast<std::size_t>(s - 1)];
        return ((bit[rango >> 6] >> (rango & 63U)) & 1U) != 0;
    }
    // Row T of size s (1..4): bit b set when block b (cells 8b .. 8b + 7) holds a draw. Rows of four
    // numbers hold a draw or two in a window of a few hundred draws, so a walk reads only those blocks.
    std::uint16_t blocchi(int s, std::uint32_t rango) const
    {
        return m_blocchi[static_cast<std::size_t>(s - 1)][rango];
    }
    // The sets of five whose first four numbers have colex rank rango4: calls visita(x, last draw).
    template <typename Visita> void perOgniCinquina(std::uint32_t rango4, Visita&& visita) const
    {
        if (!piena(5, rango4)) {
            return;
        }
        const auto trovato = m_cinquine.find(rango4);
        if (trovato != m_cinquine.end()) {
            for (const auto& [x, ultima] : trovato->second) {
                visita(x, ultima);
            }
        }
    }

    // Colex rank of a 0-based value v as the j-th element (j = 1..5) of an ascending subset: the rank of
    // a subset is the sum over its elements.
    static std::uint32_t Binomiale(int v, int j)
    {
        return TabellaBinomiali()[static_cast<std::size_t>(v)][static_cast<std::size_t>(j)];
    }

private:
    using Binomiali = std::array<std::array<std::uint32_t, DimensioneMassima + 1>, 91>;
    static const Binomiali& TabellaBinomiali();

    void aggiorna(int s, std::uint32_t rango, int x, std::int32_t estrazione);

    std::array<std::vector<Cella>, DimensioneMassima> m_righe; // sizes 1..4 used
    std::array<std::vector<std::uint64_t>, DimensioneMassima> m_piene;
    std::array<std::vector<std::uint16_t>, DimensioneMassima> m_blocchi; // sizes 1..4 used
    std::unordered_map<std::uint32_t, std::vector<std::pair<std::uint8_t, std::int32_t>>> m_cinquine;
};

// For the numbers of one wheel (any order, zeros and repeats skipped): every subset S of them and every x
// of S, as visita(s = |S|, colex rank of S - {x}, x).
template <typename Visita>
void PerOgniSottoinsiemeEstratto(const std::uint8_t* numeri, int quanti, Visita&& visita)
{
    std::array<std::uint8_t, UsciteSottoinsiemi::DimensioneMassima> ordinati{};
    int n = 0;
    for (int i = 0; i < quanti && n < UsciteSottoinsiemi::DimensioneMassima; ++i) {
        if (numeri[i] >= 1 && numeri[i] <= 90) {
            ordinati[static_cast<std::size_t>(n++)] = numeri[i];
        }
    }
    std::sort(ordinati.begin(), ordinati.begin() + n);
    n = static_cast<int>(std::unique(ordinati.begin(), ordinati.begin() + n) - ordinati.begin());
    for (unsigned insieme = 1; insieme < (1U << n); ++insieme) {
        const int s = ContaBit(insieme);
        for (int escluso = 0; escluso < n; ++escluso) {
            if (((insieme >> escluso) & 1U) == 0) {
                continue;
            }
            std::uint32_t rango = 0;
            int j = 0;
            for (int i = 0; i < n; ++i) {
                if (i != escluso && ((insieme >> i) & 1U) != 0) {
                    rango += UsciteSottoinsiemi::Binomiale(ordinati[static_cast<std::size_t>(i)] - 1, ++j);
                }
            }
            visita(s, rango, static_cast<int>(ordinati[static_cast<std::size_t>(escluso)]));
        }
    }
}

// The colex ranks of every j-subset (j = 0..4) of a growing ascending set, at most ten numbers.
struct RanghiSottoinsiemi
{
    std::array<std::array<std::uint32_t, 256>, 5> ranghi{};
    std::array<int, 5> quanti{1, 0, 0, 0, 0}; // the empty set, rank 0

    // Adds x (0-based, larger than every number so far): each j-subset gives a (j+1)-subset.
    void aggiungi(int x)
    {
        for (int j = 4; j >= 1; --j) {
            const auto bin = UsciteSottoinsiemi::Binomiale(x, j);
            auto& destinazione = ranghi[static_cast<std::size_t>(j)];
            const auto& sorgente = ranghi[static_cast<std::size_t>(j - 1)];
            for (int i = 0; i < quanti[static_cast<std::size_t>(j - 1)]; ++i) {
                destinazione[static_cast<std::size_t>(quanti[static_cast<std::size_t>(j)]++)] =
                    sorgente[static_cast<std::size_t>(i)] + bin;
            }
        }
    }
};
