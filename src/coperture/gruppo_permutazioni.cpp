#include "coperture/gruppo_permutazioni.h"

#include "coperture/campo_finito.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <set>

namespace {

Permutazione Identita()
{
    Permutazione p{};
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = static_cast<std::uint8_t>(i);
    }
    return p;
}

std::string Fissi(int v, int mossi)
{
    return v > mossi ? "+" + std::to_string(v - mossi) : "";
}

// An element of order q - 1 of GF(q)*.
int Primitivo(const CampoFinito& f)
{
    for (int a = 2; a < f.q(); ++a) {
        int ordine = 1;
        for (int x = a; x != 1; x = f.prodotto(x, a)) {
            ++ordine;
        }
        if (ordine == f.q() - 1) {
            return a;
        }
    }
    return 1;
}

// The translations x -> x + e for e in 1, g, g^2, ...: they span the additive group whatever q is.
std::vector<Permutazione> Traslazioni(const CampoFinito& f, int primitivo)
{
    std::vector<Permutazione> generatori;
    int e = 1;
    for (int i = 0; i < f.grado(); ++i) {
        Permutazione p = Identita();
        for (int x = 0; x < f.q(); ++x) {
            p[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(f.somma(x, e));
        }
        generatori.push_back(p);
        e = f.prodotto(e, primitivo);
    }
    return generatori;
}

} // namespace

GruppoPermutazioni::GruppoPermutazioni(int v, const std::vector<Permutazione>& generatori, std::string nome,
                                       std::size_t ordineMassimo)
    : m_v(v), m_nome(std::move(nome)), m_generatori(generatori)
{
    std::set<Permutazione> visti{Identita()};
    m_elementi.push_back(Identita());
    for (std::size_t i = 0; i < m_elementi.size(); ++i) {
        for (const Permutazione& g : generatori) {
            Permutazione composta{};
            for (std::size_t x = 0; x < composta.size(); ++x) {
                composta[x] = g[m_elementi[i][x]];
            }
            if (visti.insert(composta).second) {
                if (m_elementi.size() >= ordineMassimo) {
                    m_elementi.clear();
                    return;
                }
                m_elementi.push_back(composta);
            }
        }
    }
}

GruppoPermutazioni GruppoCiclico(int v, int cicli, int lunghezza)
{
    assert(cicli >= 1 && lunghezza >= 2 && cicli * lunghezza <= v && v <= 32);
    Permutazione p = Identita();
    for (int j = 0; j < cicli; ++j) {
        for (int i = 0; i < lunghezza; ++i) {
            p[static_cast<std::size_t>(j * lunghezza + i)] =
                static_cast<std::uint8_t>(j * lunghezza + (i + 1) % lunghezza);
        }
    }
    const std::string nome = (cicli > 1 ? std::to_string(cicli) + "xZ" : "Z") + std::to_string(lunghezza) +
                             Fissi(v, cicli * lunghezza);
    return GruppoPermutazioni(v, {p}, nome);
}

GruppoPermutazioni GruppoAffine(int v, int q, int moltiplicatori)
{
    const CampoFinito f(q);
    assert(f.q() == q && q <= v && (q - 1) % moltiplicatori == 0);
    const int primitivo = Primitivo(f);
    std::vector<Permutazione> generatori = Traslazioni(f, primitivo);
    const int a = f.potenza(primitivo, (q - 1) / moltiplicatori);
    Permutazione m = Identita();
    for (int x = 0; x < q; ++x) {
        m[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(f.prodotto(a, x));
    }
    generatori.push_back(m);
    return GruppoPermutazioni(v, generatori,
                              "AGL1(" + std::to_string(q) + "," + std::to_string(moltiplicatori) + ")" +
                                  Fissi(v, q));
}

GruppoPermutazioni GruppoProiettivo(int v, int q)
{
    const CampoFinito f(q);
    assert(f.q() == q && q + 1 <= v);
    const int primitivo = Primitivo(f);
    std::vector<Permutazione> generatori = Traslazioni(f, primitivo);
    const int quadrato = q % 2 == 0 ? primitivo : f.prodotto(primitivo, primitivo);
    Permutazione m = Identita();
    Permutazione inversione = Identita();
    for (int x = 0; x < q; ++x) {
        m[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(f.prodotto(quadrato, x));
        inversione[static_cast<std::size_t>(x)] =
            static_cast<std::uint8_t>(x == 0 ? q : f.opposto(f.inverso(x)));
    }
    inversione[static_cast<std::size_t>(q)] = 0;
    generatori.push_back(m);
    generatori.push_back(inversione);
    return GruppoPermutazioni(v, generatori, "PSL2(" + std::to_string(q) + ")" + Fissi(v, q + 1));
}

GruppoPermutazioni GruppoPianoProiettivo4(int v)
{
    assert(v >= 21);
    const CampoFinito f(4);
    // The points of PG(2, 4): the vectors of GF(4)^3 whose first non-zero coordinate is 1.
    using Vettore = std::array<int, 3>;
    std::vector<Vettore> punti;
    const auto normale = [&](Vettore x) {
        const int primo = x[0] != 0 ? x[0] : x[1] != 0 ? x[1] : x[2];
        for (int& c : x) {
            c = f.prodotto(c, f.inverso(primo));
        }
        return x;
    };
    for (int i = 1; i < 64; ++i) {
        const Vettore x{i / 16, i / 4 % 4, i % 4};
        if (normale(x) == x) {
            punti.push_back(x);
        }
    }
    // The transvections x_i += c x_j (c = 1 and a generator of GF(4)*) generate SL(3, 4), which acts on
    // the points as PSL(3, 4).
    std::vector<Permutazione> generatori;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            for (const int c : {1, 2}) {
                if (i == j) {
                    continue;
                }
                Permutazione p = Identita();
                for (std::size_t n = 0; n < punti.size(); ++n) {
                    Vettore x = punti[n];
                    x[i] = f.somma(x[i], f.prodotto(c, x[j]));
                    p[n] = static_cast<std::uint8_t>(std::find(punti.begin(), punti.end(), normale(x)) -
                                                     punti.begin());
                }
                generatori.push_back(p);
            }
        }
    }
    return GruppoPermutazioni(v, generatori, "PSL3(4)" + Fissi(v, 21), 20160);
}
