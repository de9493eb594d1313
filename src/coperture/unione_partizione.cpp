#include "coperture/unione_partizione.h"

#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <map>

UnionePartizione UnioneSuParti(const Cella& c, const std::vector<int>& dimensioni,
                               const CoperturaParte& copertura)
{
    UnionePartizione u;

    const std::uint32_t tutti = TuttiIPunti(c.v);
    int inizio = 0;
    for (const int n : dimensioni) {
        const std::uint32_t parte = TuttiIPunti(n) << inizio;
        if (n >= c.t && n <= c.k) {
            // Fill the block up with the lowest points outside the part.
            std::uint32_t blocco = parte;
            for (std::uint32_t altri = tutti & ~parte; ContaBit(blocco) < c.k; altri &= altri - 1) {
                blocco |= altri & (~altri + 1U);
            }
            u.blocchi.push_back(blocco);
        } else if (n > c.k) {
            for (const std::uint32_t b : copertura(n)) {
                u.blocchi.push_back(b << inizio);
            }
        }
        if (n > 0) {
            u.parti.push_back(n);
        }
        inizio += n;
    }
    std::sort(u.blocchi.begin(), u.blocchi.end());
    u.blocchi.erase(std::unique(u.blocchi.begin(), u.blocchi.end()), u.blocchi.end());
    return u;
}

UnionePartizione UnioneSuPartizione(const Cella& c, const CoperturaParte& copertura)
{
    const int parti = c.t > 1 ? std::max(1, (c.p - 1) / (c.t - 1)) : 1;
    std::map<int, Blocchi> coperture;
    const auto blocchiParte = [&](int n) -> std::size_t {
        if (n < c.t) {
            return 0;
        }
        if (n <= c.k) {
            return 1;
        }
        auto trovata = coperture.find(n);
        if (trovata == coperture.end()) {
            trovata = coperture.emplace(n, copertura(n)).first;
        }
        return trovata->second.size();
    };

    // migliore[j][n]: fewest blocks for the first n points split into j parts; scelta: the last part.
    constexpr std::size_t Infinito = std::numeric_limits<std::size_t>::max();
    const auto v = static_cast<std::size_t>(c.v);
    std::vector<std::vector<std::size_t>> migliore(static_cast<std::size_t>(parti) + 1,
                                                   std::vector<std::size_t>(v + 1, Infinito));
    std::vector<std::vector<int>> scelta(migliore.size(), std::vector<int>(v + 1, 0));
    migliore[0][0] = 0;
    for (std::size_t j = 1; j <= static_cast<std::size_t>(parti); ++j) {
        for (int n = 0; n <= c.v; ++n) {
            for (int ultima = 0; ultima <= n; ++ultima) {
                const std::size_t prima = migliore[j - 1][static_cast<std::size_t>(n - ultima)];
                if (prima == Infinito) {
                    continue;
                }
                const std::size_t totale = prima + blocchiParte(ultima);
                if (totale < migliore[j][static_cast<std::size_t>(n)]) {
                    migliore[j][static_cast<std::size_t>(n)] = totale;
                    scelta[j][static_cast<std::size_t>(n)] = ultima;
                }
            }
        }
    }

    std::vector<int> dimensioni;
    for (std::size_t j = static_cast<std::size_t>(parti), n = v; j > 0; --j) {
        const int ultima = scelta[j][n];
        dimensioni.push_back(ultima);
        n -= static_cast<std::size_t>(ultima);
    }
    std::reverse(dimensioni.begin(), dimensioni.end());
    return UnioneSuParti(c, dimensioni, [&](int n) { return coperture.at(n); });
}
