#include "coperture/costruzioni.h"

#include "coperture/campo_finito.h"
#include "core/conta_bit.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

std::uint32_t Bit(int punto)
{
    return std::uint32_t{1} << punto;
}

void Ordina(Blocchi& blocchi)
{
    std::sort(blocchi.begin(), blocchi.end());
    blocchi.erase(std::unique(blocchi.begin(), blocchi.end()), blocchi.end());
}

// The points of PG(2, q): the non-zero triples whose first non-zero coordinate is 1.
std::vector<std::array<int, 3>> PuntiProiettivi(const CampoFinito& f)
{
    std::vector<std::array<int, 3>> punti;
    const int q = f.q();
    for (int x = 0; x < q; ++x) {
        for (int y = 0; y < q; ++y) {
            for (int z = 0; z < q; ++z) {
                const int primo = x != 0 ? x : (y != 0 ? y : z);
                if (primo == 1) {
                    punti.push_back({x, y, z});
                }
            }
        }
    }
    return punti;
}

int Scalare(const CampoFinito& f, const std::array<int, 3>& a, const std::array<int, 3>& b)
{
    return f.somma(f.somma(f.prodotto(a[0], b[0]), f.prodotto(a[1], b[1])), f.prodotto(a[2], b[2]));
}

// A basis of the binary span of the vectors (bit masks), by leading bit.
std::vector<std::uint32_t> BaseBinaria(const std::vector<std::uint32_t>& vettori)
{
    std::array<std::uint32_t, 32> per_bit{};
    for (std::uint32_t v : vettori) {
        for (int b = 31; b >= 0 && v != 0; --b) {
            if (((v >> b) & 1U) == 0) {
                continue;
            }
            if (per_bit[static_cast<std::size_t>(b)] == 0) {
                per_bit[static_cast<std::size_t>(b)] = v;
                v = 0;
            } else {
                v ^= per_bit[static_cast<std::size_t>(b)];
            }
        }
    }
    std::vector<std::uint32_t> base;
    for (std::uint32_t v : per_bit) {
        if (v != 0) {
            base.push_back(v);
        }
    }
    return base;
}

using VettoreTernario = std::array<int, 12>;

// A basis of the span over GF(3) of vectors of length n, by Gaussian elimination.
std::vector<VettoreTernario> BaseTernaria(std::vector<VettoreTernario> righe, int n)
{
    std::vector<VettoreTernario> base;
    for (int colonna = 0; colonna < n; ++colonna) {
        const auto c = static_cast<std::size_t>(colonna);
        auto perno =
            std::find_if(righe.begin(), righe.end(), [&](const VettoreTernario& r) { return r[c] != 0; });
        if (perno == righe.end()) {
            continue;
        }
        VettoreTernario scelta = *perno;
        righe.erase(perno);
        for (VettoreTernario& r : righe) {
            // r - (r[c] / scelta[c]) * scelta; in GF(3) 1/a = a.
            const int fattore = (r[c] * scelta[c]) % 3;
            for (int i = 0; i < n; ++i) {
                r[static_cast<std::size_t>(i)] =
                    ((r[static_cast<std::size_t>(i)] - fattore * scelta[static_cast<std::size_t>(i)]) % 3 +
                     3) %
                    3;
            }
        }
        base.push_back(scelta);
    }
    return base;
}

std::vector<int> Residui(int p)
{
    std::vector<int> r;
    for (int x = 1; x < p; ++x) {
        r.push_back(x * x % p);
    }
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

} // namespace

Blocchi PianoProiettivo(int q)
{
    const CampoFinito f(q);
    const auto punti = PuntiProiettivi(f);
    Blocchi blocchi;
    for (const auto& retta : punti) {
        std::uint32_t b = 0;
        for (std::size_t i = 0; i < punti.size(); ++i) {
            if (Scalare(f, retta, punti[i]) == 0) {
                b |= Bit(static_cast<int>(i));
            }
        }
        blocchi.push_back(b);
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi PianoAffine(int q)
{
    const CampoFinito f(q);
    Blocchi blocchi;
    for (int m = 0; m < q; ++m) {
        for (int c = 0; c < q; ++c) {
            std::uint32_t b = 0;
            for (int x = 0; x < q; ++x) {
                b |= Bit(x * q + f.somma(f.prodotto(m, x), c));
            }
            blocchi.push_back(b);
        }
    }
    for (int c = 0; c < q; ++c) {
        std::uint32_t b = 0;
        for (int y = 0; y < q; ++y) {
            b |= Bit(c * q + y);
        }
        blocchi.push_back(b);
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi IperpianiAffini(int n, int q)
{
    const CampoFinito f(q);
    int punti = 1;
    for (int i = 0; i < n; ++i) {
        punti *= q;
    }
    // Point x: the base-q digits of its number; hyperplane a.x = c for each direction a (first non-zero
    // coordinate 1) and each c.
    const auto coordinata = [q](int x, int i) {
        for (int j = 0; j < i; ++j) {
            x /= q;
        }
        return x % q;
    };
    Blocchi blocchi;
    for (int a = 1; a < punti; ++a) {
        int primo = 0;
        for (int i = 0; i < n && primo == 0; ++i) {
            primo = coordinata(a, i);
        }
        if (primo != 1) {
            continue;
        }
        for (int c = 0; c < q; ++c) {
            std::uint32_t b = 0;
            for (int x = 0; x < punti; ++x) {
                int somma = 0;
                for (int i = 0; i < n; ++i) {
                    somma = f.somma(somma, f.prodotto(coordinata(a, i), coordinata(x, i)));
                }
                if (somma == c) {
                    b |= Bit(x);
                }
            }
            blocchi.push_back(b);
        }
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi IperpianiProiettivi(int n, int q)
{
    // The projective points are the affine points of dimension n + 1 with first non-zero coordinate 1.
    const CampoFinito f(q);
    int tutti = 1;
    for (int i = 0; i <= n; ++i) {
        tutti *= q;
    }
    const auto coordinata = [q](int x, int i) {
        for (int j = 0; j < i; ++j) {
            x /= q;
        }
        return x % q;
    };
    std::vector<int> punti;
    for (int x = 1; x < tutti; ++x) {
        int primo = 0;
        for (int i = 0; i <= n && primo == 0; ++i) {
            primo = coordinata(x, i);
        }
        if (primo == 1) {
            punti.push_back(x);
        }
    }
    Blocchi blocchi;
    for (const int a : punti) {
        std::uint32_t b = 0;
        for (std::size_t j = 0; j < punti.size(); ++j) {
            int somma = 0;
            for (int i = 0; i <= n; ++i) {
                somma = f.somma(somma, f.prodotto(coordinata(a, i), coordinata(punti[j], i)));
            }
            if (somma == 0) {
                b |= Bit(static_cast<int>(j));
            }
        }
        blocchi.push_back(b);
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi TripleBose(int n)
{
    const int m = 2 * n + 1;
    const auto punto = [m](int x, int i) { return Bit(x + (i % 3) * m); };
    Blocchi blocchi;
    for (int x = 0; x < m; ++x) {
        blocchi.push_back(punto(x, 0) | punto(x, 1) | punto(x, 2));
    }
    // The idempotent commutative quasigroup x o y = (x + y) / 2 on Z_m.
    for (int i = 0; i < 3; ++i) {
        for (int x = 0; x < m; ++x) {
            for (int y = x + 1; y < m; ++y) {
                blocchi.push_back(punto(x, i) | punto(y, i) | punto((x + y) * (n + 1) % m, i + 1));
            }
        }
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi QuaterneBooleane(int n)
{
    const int v = 1 << n;
    Blocchi blocchi;
    for (int a = 0; a < v; ++a) {
        for (int b = a + 1; b < v; ++b) {
            for (int c = b + 1; c < v; ++c) {
                const int d = a ^ b ^ c;
                if (d > c) {
                    blocchi.push_back(Bit(a) | Bit(b) | Bit(c) | Bit(d));
                }
            }
        }
    }
    return blocchi;
}

Blocchi PianoInversivo(int q)
{
    const CampoFinito f(q * q);
    const int n = q * q;
    const int infinito = n;
    std::vector<int> base;
    for (int x = 0; x < n; ++x) {
        if (f.potenza(x, q) == x) {
            base.push_back(x);
        }
    }
    base.push_back(infinito);
    Blocchi blocchi;
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            for (int c = 0; c < n; ++c) {
                for (int d = 0; d < n; ++d) {
                    if (f.differenza(f.prodotto(a, d), f.prodotto(b, c)) == 0) {
                        continue;
                    }
                    std::uint32_t blocco = 0;
                    for (const int z : base) {
                        int immagine = 0;
                        if (z == infinito) {
                            immagine = c == 0 ? infinito : f.prodotto(a, f.inverso(c));
                        } else {
                            const int sotto = f.somma(f.prodotto(c, z), d);
                            immagine = sotto == 0
                                           ? infinito
                                           : f.prodotto(f.somma(f.prodotto(a, z), b), f.inverso(sotto));
                        }
                        blocco |= Bit(immagine);
                    }
                    blocchi.push_back(blocco);
                }
            }
        }
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi Unitale()
{
    const CampoFinito f(9);
    const auto punti = PuntiProiettivi(f);
    std::vector<std::array<int, 3>> unitale;
    for (const auto& p : punti) {
        if (f.somma(f.somma(f.potenza(p[0], 4), f.potenza(p[1], 4)), f.potenza(p[2], 4)) == 0) {
            unitale.push_back(p);
        }
    }
    Blocchi blocchi;
    for (const auto& retta : punti) {
        std::uint32_t b = 0;
        for (std::size_t i = 0; i < unitale.size(); ++i) {
            if (Scalare(f, retta, unitale[i]) == 0) {
                b |= Bit(static_cast<int>(i));
            }
        }
        if (ContaBit(b) > 1) {
            blocchi.push_back(b);
        }
    }
    Ordina(blocchi);
    return blocchi;
}

Blocchi Golay24()
{
    const int n = 23;
    const auto residui = Residui(n);
    const std::uint32_t tutti = (std::uint32_t{1} << n) - 1U;
    for (int scelta = 1; scelta < 8; ++scelta) {
        std::uint32_t g = (scelta & 1) != 0 ? 1U : 0U;
        for (int x = 1; x < n; ++x) {
            const bool residuo = std::binary_search(residui.begin(), residui.end(), x);
            if ((residuo && (scelta & 2) != 0) || (!residuo && (scelta & 4) != 0)) {
                g |= Bit(x);
            }
        }
        std::vector<std::uint32_t> rotazioni;
        for (int i = 0; i < n; ++i) {
            rotazioni.push_back(((g << i) | (g >> (n - i))) & tutti);
        }
        const auto base = BaseBinaria(rotazioni);
        if (base.size() != 12) {
            continue;
        }
        Blocchi parole;
        int distanza = n;
        for (std::uint32_t c = 1; c < (1U << 12); ++c) {
            std::uint32_t w = 0;
            for (std::size_t i = 0; i < 12; ++i) {
                if (((c >> i) & 1U) != 0) {
                    w ^= base[i];
                }
            }
            distanza = std::min(distanza, ContaBit(w));
            w |= static_cast<std::uint32_t>(ContaBit(w) & 1) << n;
            if (ContaBit(w) == 8) {
                parole.push_back(w);
            }
        }
        if (distanza == 7) {
            Ordina(parole);
            return parole;
        }
    }
    return {};
}

Blocchi Golay12()
{
    const int n = 11;
    const auto residui = Residui(n);
    for (int scelta = 1; scelta < 27; ++scelta) {
        const std::array<int, 3> coeff{scelta % 3, scelta / 3 % 3, scelta / 9};
        VettoreTernario g{};
        for (int x = 0; x < n; ++x) {
            const bool residuo = std::binary_search(residui.begin(), residui.end(), x);
            g[static_cast<std::size_t>(x)] = x == 0 ? coeff[0] : (residuo ? coeff[1] : coeff[2]);
        }
        std::vector<VettoreTernario> rotazioni;
        for (int i = 0; i < n; ++i) {
            VettoreTernario r{};
            for (int x = 0; x < n; ++x) {
                r[static_cast<std::size_t>((x + i) % n)] = g[static_cast<std::size_t>(x)];
            }
            rotazioni.push_back(r);
        }
        const auto base = BaseTernaria(rotazioni, n);
        if (base.size() != 6) {
            continue;
        }
        Blocchi supporti;
        int distanza = n;
        for (int c = 1; c < 729; ++c) {
            VettoreTernario w{};
            for (int i = 0, resto = c; i < 6; ++i, resto /= 3) {
                for (int x = 0; x < n; ++x) {
                    const auto xx = static_cast<std::size_t>(x);
                    w[xx] = (w[xx] + (resto % 3) * base[static_cast<std::size_t>(i)][xx]) % 3;
                }
            }
            int somma = 0;
            std::uint32_t supporto = 0;
            for (int x = 0; x < n; ++x) {
                somma += w[static_cast<std::size_t>(x)];
                if (w[static_cast<std::size_t>(x)] != 0) {
                    supporto |= Bit(x);
                }
            }
            distanza = std::min(distanza, ContaBit(supporto));
            if (somma % 3 != 0) {
                supporto |= Bit(n);
            }
            if (ContaBit(supporto) == 6) {
                supporti.push_back(supporto);
            }
        }
        if (distanza == 5) {
            Ordina(supporti);
            return supporti;
        }
    }
    return {};
}

Blocchi Derivato(const Blocchi& blocchi, int punto)
{
    Blocchi derivato;
    const std::uint32_t sotto = Bit(punto) - 1U;
    for (const std::uint32_t b : blocchi) {
        if ((b & Bit(punto)) != 0) {
            derivato.push_back((b & sotto) | ((b >> (punto + 1)) << punto));
        }
    }
    Ordina(derivato);
    return derivato;
}

Blocchi RaddoppioQuaterne(const Blocchi& piccola, int v)
{
    Blocchi blocchi;
    for (const std::uint32_t b : piccola) {
        blocchi.push_back(b);
        blocchi.push_back(b << v);
    }
    // The one-factors of K_v on infinity = v - 1 and Z_{v-1}: {infinity, j} and {j - i, j + i}.
    const int m = v - 1;
    for (int j = 0; j < m; ++j) {
        std::vector<std::uint32_t> coppie{Bit(m) | Bit(j)};
        for (int i = 1; i <= (v - 2) / 2; ++i) {
            coppie.push_back(Bit(((j - i) % m + m) % m) | Bit((j + i) % m));
        }
        for (const std::uint32_t e : coppie) {
            for (const std::uint32_t f : coppie) {
                blocchi.push_back(e | (f << v));
            }
        }
    }
    Ordina(blocchi);
    return blocchi;
}

std::optional<Blocchi> CostruzioneAlgebrica(int v, int k, int t, const FornitoreCoperture& noti)
{
    std::optional<Blocchi> migliore;
    const auto considera = [&](Blocchi b) {
        if (!b.empty() && (!migliore || b.size() < migliore->size())) {
            migliore = std::move(b);
        }
    };
    if (t == 2) {
        for (int q = 2; q <= 4; ++q) {
            if (v == q * q + q + 1 && k == q + 1) {
                considera(PianoProiettivo(q));
            }
        }
        for (int q = 3; q <= 5; ++q) {
            if (v == q * q && k == q) {
                considera(PianoAffine(q));
            }
        }
        if (k == 3 && v % 6 == 3) {
            considera(TripleBose((v - 3) / 6));
        }
        if (k == 4 && v == 28) {
            considera(Unitale());
        }
    } else if (t == 3) {
        if (v == 27 && k == 9) {
            considera(IperpianiAffini(3, 3));
        }
        if (v == 15 && k == 7) {
            considera(IperpianiProiettivi(3, 2));
        }
        if (k == 4 && (v == 8 || v == 16)) {
            considera(QuaterneBooleane(v == 8 ? 3 : 4));
        }
        for (int q = 3; q <= 5; ++q) {
            if (v == q * q + 1 && k == q + 1) {
                considera(PianoInversivo(q));
            }
        }
        if (k == 4 && v % 4 == 0 && v >= 8) {
            std::optional<Blocchi> meta = CostruzioneAlgebrica(v / 2, 4, 3, noti);
            if (v / 2 == 4) {
                meta = Blocchi{0b1111};
            } else if (v / 2 == 6) {
                // C(6, 4, 3): the complements of the edges of two disjoint triangles, since any three
                // points leave a pair of one triangle outside.
                meta = Blocchi{};
                for (int a = 0; a < 6; ++a) {
                    for (int b = a + 1; b < 6; ++b) {
                        if (a / 3 == b / 3) {
                            meta->push_back(0b111111U & ~(Bit(a) | Bit(b)));
                        }
                    }
                }
            }
            if (noti) {
                if (auto nota = noti(v / 2, 4, 3); nota && (!meta || nota->size() < meta->size())) {
                    meta = std::move(nota);
                }
            }
            if (meta) {
                considera(RaddoppioQuaterne(*meta, v / 2));
            }
        }
        if (k == 6 && v == 22) {
            considera(Derivato(Derivato(Golay24(), 23), 22));
        }
    } else if (t == 4) {
        if (k == 8 && v == 16) {
            considera(IperpianiAffini(4, 2));
        }
        if (k == 7 && v == 23) {
            considera(Derivato(Golay24(), 23));
        }
        if (k == 5 && v == 11) {
            considera(Derivato(Golay12(), 11));
        }
    } else if (t == 5) {
        if (k == 8 && v == 24) {
            considera(Golay24());
        }
        if (k == 6 && v == 12) {
            considera(Golay12());
        }
    }
    return migliore;
}
