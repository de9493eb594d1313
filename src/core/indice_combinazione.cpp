#include "core/indice_combinazione.h"

namespace {

std::int64_t binomiale(int n, int k)
{
    if (k < 0 || n < k) {
        return 0;
    }
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * (n - k + i) / i;
    }
    return r;
}

std::int32_t somma(int da, int a, int k)
{
    std::int64_t s = 0;
    for (int m = da; m <= a; ++m) {
        s += binomiale(m, k);
    }
    return static_cast<std::int32_t>(s);
}

} // namespace

TabelleIndici::TabelleIndici()
{
    for (int k = 2; k <= 5; ++k) {
        for (int a = 1; a <= 90; ++a) {
            m_primo[k][a] = somma(91 - a, 89, k - 1);
        }
    }
    for (int a = 1; a <= 90; ++a) {
        for (int b = a + 1; b <= 90; ++b) {
            for (int k = 3; k <= 5; ++k) {
                m_secondo[k - 3][a][b] = somma(91 - b, 89 - a, k - 2);
            }
            for (int k = 4; k <= 5; ++k) {
                m_terzo[k - 4][a][b] = somma(91 - b, 89 - a, k - 3);
            }
            m_quarto[a][b] = somma(91 - b, 89 - a, 1);
        }
    }
}

std::int32_t TabelleIndici::indice(const Tipo_Giocata& g, int k) const
{
    if (k == 0) {
        k = NumeriGiocata(g);
    }
    switch (k) {
    case 1:
        return g[0];
    case 2:
        return m_primo[2][g[0]] + (g[1] - g[0]);
    case 3:
        return m_primo[3][g[0]] + m_secondo[0][g[0]][g[1]] + (g[2] - g[1]);
    case 4:
        return m_primo[4][g[0]] + m_secondo[1][g[0]][g[1]] + m_terzo[0][g[1]][g[2]] + (g[3] - g[2]);
    case 5:
        return m_primo[5][g[0]] + m_secondo[2][g[0]][g[1]] + m_terzo[1][g[1]][g[2]] + m_quarto[g[2]][g[3]] +
               (g[4] - g[3]);
    default:
        return 0;
    }
}

const TabelleIndici& Tabelle()
{
    static const TabelleIndici tabelle;
    return tabelle;
}
