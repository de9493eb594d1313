#pragma once

#include "core/giocata.h"

#include <array>
#include <cstdint>

// Lexicographic rank of a sorted combination of 1..5 numbers among all the combinations of the
// same size of 1..90: (1,2) is 1, (89,90) is 4005, (86..90) is C(90,5). Each rank costs k-1
// table look-ups; the tables are built once, on first use.
class TabelleIndici
{
public:
    TabelleIndici();

    // k = 0 takes the count of leading non-zero numbers; defined for k = 1..5 (0 otherwise).
    std::int32_t indice(const Tipo_Giocata& giocata, int k) const;

private:
    // primo[k][a]: k-combinations whose first number is below a.
    std::array<std::array<std::int32_t, 91>, 6> m_primo{};
    // secondo[k-3][a][b], terzo[k-4][b][c], quarto[c][d]: see the builder.
    std::array<std::array<std::array<std::int32_t, 91>, 91>, 3> m_secondo{};
    std::array<std::array<std::array<std::int32_t, 91>, 91>, 2> m_terzo{};
    std::array<std::array<std::int32_t, 91>, 91> m_quarto{};
};

const TabelleIndici& Tabelle();

inline std::int32_t IndiceCombinazione(const Tipo_Giocata& giocata, int k)
{
    return Tabelle().indice(giocata, k);
}
