#include "coperture/campo_finito.h"

#include <array>

namespace {

// The base-r digits of a, lowest first.
std::array<int, 8> Cifre(int a, int r)
{
    std::array<int, 8> c{};
    for (std::size_t i = 0; a > 0; ++i) {
        c[i] = a % r;
        a /= r;
    }
    return c;
}

int Numero(const std::array<int, 8>& c, int r, int e)
{
    int a = 0;
    for (int i = e - 1; i >= 0; --i) {
        a = a * r + c[static_cast<std::size_t>(i)];
    }
    return a;
}

} // namespace

CampoFinito::CampoFinito(int q)
{
    int r = 0;
    for (int d = 2; d <= q && r == 0; ++d) {
        if (q % d == 0) {
            r = d;
        }
    }
    if (q < 2 || q > 32 || r == 0) {
        return;
    }
    int e = 0;
    for (int resto = q; resto > 1; resto /= r) {
        if (resto % r != 0) {
            return;
        }
        ++e;
    }
    const auto n = static_cast<std::size_t>(q);
    m_somma.resize(n * n);
    m_prodotto.resize(n * n);
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            std::array<int, 8> s{};
            const auto ca = Cifre(a, r);
            const auto cb = Cifre(b, r);
            for (std::size_t i = 0; i < 8; ++i) {
                s[i] = (ca[i] + cb[i]) % r;
            }
            m_somma[static_cast<std::size_t>(a * q + b)] = static_cast<std::uint8_t>(Numero(s, r, e));
        }
    }
    // Modulus x^e + (coefficients of `basso`), tried in order until the product has no zero divisors.
    for (int basso = 0; basso < q; ++basso) {
        const auto modulo = Cifre(basso, r);
        bool campo = true;
        for (int a = 0; a < q && campo; ++a) {
            for (int b = 0; b < q; ++b) {
                const auto ca = Cifre(a, r);
                const auto cb = Cifre(b, r);
                std::array<int, 16> prodotto{};
                for (int i = 0; i < e; ++i) {
                    for (int j = 0; j < e; ++j) {
                        const auto ij = static_cast<std::size_t>(i + j);
                        prodotto[ij] = (prodotto[ij] +
                                        ca[static_cast<std::size_t>(i)] * cb[static_cast<std::size_t>(j)]) %
                                       r;
                    }
                }
                // x^e = -(modulo): reduce from the top degree down.
                for (int grado = 2 * e - 2; grado >= e; --grado) {
                    const int c = prodotto[static_cast<std::size_t>(grado)];
                    prodotto[static_cast<std::size_t>(grado)] = 0;
                    for (int i = 0; i < e; ++i) {
                        const auto pos = static_cast<std::size_t>(grado - e + i);
                        prodotto[pos] =
                            ((prodotto[pos] - c * modulo[static_cast<std::size_t>(i)]) % r + r) % r;
                    }
                }
                std::array<int, 8> basse{};
                for (std::size_t i = 0; i < 8; ++i) {
                    basse[i] = prodotto[i];
                }
                const int valore = Numero(basse, r, e);
                if (a != 0 && b != 0 && valore == 0) {
                    campo = false;
                    break;
                }
                m_prodotto[static_cast<std::size_t>(a * q + b)] = static_cast<std::uint8_t>(valore);
            }
        }
        if (campo) {
            m_q = q;
            m_r = r;
            m_e = e;
            break;
        }
    }
    if (m_q == 0) {
        m_somma.clear();
        m_prodotto.clear();
        return;
    }
    m_opposto.resize(n);
    m_inverso.resize(n);
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            if (somma(a, b) == 0) {
                m_opposto[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(b);
            }
            if (prodotto(a, b) == 1) {
                m_inverso[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(b);
            }
        }
    }
}

int CampoFinito::potenza(int a, int n) const
{
    int risultato = 1;
    for (int i = 0; i < n; ++i) {
        risultato = prodotto(risultato, a);
    }
    return risultato;
}
