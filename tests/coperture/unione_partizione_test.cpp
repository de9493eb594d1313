#include "coperture/unione_partizione.h"

#include "coperture/ricottura.h"
#include "coperture/verifica_disegno.h"
#include "prova_disegni.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// A greedy covering C(n, k, t) of the search, a different one for each seed.
Blocchi Avida(int n, int k, int t, std::uint64_t seme)
{
    Ricottura r({TipoDisegno::Ortogonale, n, k, t, t}, nullptr, seme);
    r.completaAvido();
    return r.disegno();
}

} // namespace

TEST(UnionePartizione, GaranziaSuPartizioniCasuali)
{
    const Cella celle[] = {
        {TipoDisegno::Garanzia, 14, 3, 3, 2}, {TipoDisegno::Garanzia, 16, 6, 5, 2},
        {TipoDisegno::Garanzia, 15, 6, 5, 3}, {TipoDisegno::Garanzia, 13, 4, 4, 2},
        {TipoDisegno::Garanzia, 12, 7, 5, 3}, {TipoDisegno::Garanzia, 11, 5, 5, 4},
    };
    CasualeRicerca casuale(17);
    for (const Cella& c : celle) {
        const int massimo = (c.p - 1) / (c.t - 1);
        for (int prova = 0; prova < 8; ++prova) {
            // Random sizes, zeros and parts of fewer than t or k points included.
            std::vector<int> parti(
                static_cast<std::size_t>(1 + casuale.estrai(static_cast<std::uint32_t>(massimo))));
            int resto = c.v;
            for (std::size_t i = 0; i + 1 < parti.size(); ++i) {
                parti[i] = static_cast<int>(casuale.estrai(static_cast<std::uint32_t>(resto + 1)));
                resto -= parti[i];
            }
            parti.back() = resto;
            SCOPED_TRACE(std::to_string(c.v) + " " + std::to_string(c.k) + " " + std::to_string(c.p) + " " +
                         std::to_string(c.t) + " parti " + std::to_string(parti.size()));
            const UnionePartizione u =
                UnioneSuParti(c, parti, [&](int n) { return Avida(n, c.k, c.t, casuale.prossimo()); });
            EXPECT_FALSE(ControllaBlocchi(c, u.blocchi));
            EXPECT_EQ(ContaScoperti(c, u.blocchi), test::ScopertiPerDefinizione(c, u.blocchi));
            EXPECT_EQ(ContaScoperti(c, u.blocchi), 0U);
        }
    }
}

TEST(UnionePartizione, SceltaDellaPartizioneMigliore)
{
    // Known covering sizes C(n, 3, 2) for the Turán-like lotto design L(v, 3, 3, 2): two halves.
    const Cella c{TipoDisegno::Garanzia, 14, 3, 3, 2};
    const UnionePartizione u = UnioneSuPartizione(c, [](int n) { return Avida(n, 3, 2, 1); });
    EXPECT_EQ(ContaScoperti(c, u.blocchi), 0U);
    ASSERT_EQ(u.parti.size(), 2U);
    EXPECT_EQ(std::accumulate(u.parti.begin(), u.parti.end(), 0), 14);
    std::size_t somma = 0;
    for (const int n : u.parti) {
        somma += n <= 3 ? 1 : Avida(n, 3, 2, 1).size();
    }
    EXPECT_EQ(u.blocchi.size(), somma);
    // The union of C(7, 3, 2) twice is 14 blocks whichever greedy covering stands for 7 points.
    EXPECT_LE(u.blocchi.size(), 2 * Avida(7, 3, 2, 1).size());
}
