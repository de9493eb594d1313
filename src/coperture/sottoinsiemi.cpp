#include "coperture/sottoinsiemi.h"

#include "core/conta_bit.h"

#include <vector>

std::uint32_t InsiemeDaRango(std::uint32_t rango, int s)
{
    std::uint32_t insieme = 0;
    int limite = 32;
    for (int i = s; i >= 1; --i) {
        // The largest element e with C(e, i) <= rango; it lies below the element chosen before.
        int e = limite - 1;
        while (Binomiale(e, i) > rango) {
            --e;
        }
        insieme |= std::uint32_t{1} << e;
        rango -= Binomiale(e, i);
        limite = e;
    }
    return insieme;
}

namespace {

// The subsets of r of the indices 0..n-1, n <= 10, as index masks in numeric order.
struct IndiciPiccoli
{
    std::array<std::array<std::vector<std::uint16_t>, 11>, 11> combinazioni;
    IndiciPiccoli()
    {
        for (std::uint32_t m = 0; m < (1U << 10); ++m) {
            const auto r = static_cast<std::size_t>(ContaBit(m));
            for (int n = 10; n >= 1 && m < (1U << n); --n) {
                combinazioni[static_cast<std::size_t>(n)][r].push_back(static_cast<std::uint16_t>(m));
            }
        }
    }
};

const IndiciPiccoli& Indici()
{
    static const IndiciPiccoli indici;
    return indici;
}

} // namespace

int ElencaSottoinsiemi(std::uint32_t insieme, int quante, std::uint32_t* uscita)
{
    std::array<std::uint32_t, 32> punti{};
    int n = 0;
    for (std::uint32_t m = insieme; m != 0; m &= m - 1) {
        punti[static_cast<std::size_t>(n++)] = m & (~m + 1U);
    }
    if (quante < 0 || quante > n) {
        return 0;
    }
    if (quante == 0) {
        uscita[0] = 0;
        return 1;
    }
    if (n <= 10) {
        // A block: its subsets from a table of index masks, each index mask turned into points by two
        // look-ups in the unions of the first five and of the last five points.
        std::array<std::uint32_t, 32> basso{};
        std::array<std::uint32_t, 32> alto{};
        for (std::size_t i = 1; i < 32; ++i) {
            const auto b = static_cast<std::size_t>(std::countr_zero(i));
            basso[i] = basso[i & (i - 1)] | punti[b];
            alto[i] = alto[i & (i - 1)] | punti[b + 5];
        }
        const auto& elenco =
            Indici().combinazioni[static_cast<std::size_t>(n)][static_cast<std::size_t>(quante)];
        int scritti = 0;
        for (const std::uint16_t m : elenco) {
            uscita[scritti++] = basso[m & 31U] | alto[m >> 5];
        }
        return scritti;
    }
    // Index combinations in colex order: the lowest index that can move up moves, those below it
    // restart from the bottom.
    std::array<int, 32> indice{};
    for (int i = 0; i < quante; ++i) {
        indice[static_cast<std::size_t>(i)] = i;
    }
    int scritti = 0;
    while (true) {
        std::uint32_t m = 0;
        for (int i = 0; i < quante; ++i) {
            m |= punti[static_cast<std::size_t>(indice[static_cast<std::size_t>(i)])];
        }
        uscita[scritti++] = m;
        int i = 0;
        while (i < quante && indice[static_cast<std::size_t>(i)] + 1 ==
                                 (i + 1 < quante ? indice[static_cast<std::size_t>(i + 1)] : n)) {
            ++i;
        }
        if (i == quante) {
            return scritti;
        }
        ++indice[static_cast<std::size_t>(i)];
        for (int j = 0; j < i; ++j) {
            indice[static_cast<std::size_t>(j)] = j;
        }
    }
}
