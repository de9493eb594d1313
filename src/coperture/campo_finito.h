#pragma once

#include <cstdint>
#include <vector>

// The finite field GF(q) for a prime power q = r^e up to 32, by tables: elements are 0..q-1, read as the
// polynomials of degree below e with coefficients base r (0 and 1 are zero and one). The modulus is the
// first monic polynomial of degree e, in numeric order, that leaves the product without zero divisors, so
// the field is the same on every run.
class CampoFinito
{
public:
    // q a prime power 2..32; an invalid q gives an empty field (q() == 0).
    explicit CampoFinito(int q);

    int q() const { return m_q; }
    // The characteristic r and the degree e of q = r^e.
    int caratteristica() const { return m_r; }
    int grado() const { return m_e; }

    int somma(int a, int b) const { return m_somma[indice(a, b)]; }
    int prodotto(int a, int b) const { return m_prodotto[indice(a, b)]; }
    int opposto(int a) const { return m_opposto[static_cast<std::size_t>(a)]; }
    // a != 0.
    int inverso(int a) const { return m_inverso[static_cast<std::size_t>(a)]; }
    int differenza(int a, int b) const { return somma(a, opposto(b)); }
    int potenza(int a, int n) const;

private:
    std::size_t indice(int a, int b) const { return static_cast<std::size_t>(a * m_q + b); }

    int m_q = 0;
    int m_r = 0;
    int m_e = 0;
    std::vector<std::uint8_t> m_somma;
    std::vector<std::uint8_t> m_prodotto;
    std::vector<std::uint8_t> m_opposto;
    std::vector<std::uint8_t> m_inverso;
};
