#include "coperture/unione_fattorizzata.h"

#include "coperture/costruzioni.h"
#include "coperture/ricottura.h"
#include "coperture/sottoinsiemi.h"
#include "coperture/verifica_disegno.h"
#include "prova_disegni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// A greedy covering C(n, k, t) of the search; all the t-subsets when k = t.
std::optional<Blocchi> Avida(int n, int k, int t)
{
    if (n < k || k < t || t < 1) {
        return std::nullopt;
    }
    Ricottura r({TipoDisegno::Ortogonale, n, k, t, t}, nullptr, 5);
    r.completaAvido();
    return r.disegno();
}

} // namespace

TEST(UnioneFattorizzata, OgniCoppiaInUnSoloAccoppiamentoPerfetto)
{
    for (int m = 1; m <= 6; ++m) {
        const auto accoppiamenti = UnoFattorizzazione(m);
        ASSERT_EQ(accoppiamenti.size(), static_cast<std::size_t>(2 * m - 1));
        std::multiset<std::pair<int, int>> coppie;
        for (const auto& a : accoppiamenti) {
            std::uint32_t toccati = 0;
            for (auto [x, y] : a) {
                toccati |= (std::uint32_t{1} << x) | (std::uint32_t{1} << y);
                coppie.insert({std::min(x, y), std::max(x, y)});
            }
            EXPECT_EQ(toccati, TuttiIPunti(2 * m)) << "m " << m;
        }
        EXPECT_EQ(coppie.size(), static_cast<std::size_t>(m * (2 * m - 1)));
        const std::set<std::pair<int, int>> distinte(coppie.begin(), coppie.end());
        EXPECT_EQ(distinte.size(), coppie.size());
    }
}

TEST(UnioneFattorizzata, OgniClasseCopreEOgniBloccoResta)
{
    struct Caso
    {
        int n, punti, u, classi;
    };
    // The sharings the join asks for (u = t - 2), a Steiner system among them: S(3, 6, 22) has no
    // spare block, so its classes are completed by new ones.
    for (const Caso c : {Caso{12, 5, 2, 3}, Caso{16, 6, 3, 5}, Caso{14, 4, 1, 3}, Caso{22, 6, 3, 3}}) {
        SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.punti) + " " + std::to_string(c.u));
        const Blocchi copertura =
            c.n == 22 ? Derivato(Derivato(Golay24(), 23), 22) : *Avida(c.n, c.punti, c.u + 1);
        const std::vector<Blocchi> classi = SuddividiCopertura(copertura, c.n, c.u, c.classi, 3);
        ASSERT_EQ(classi.size(), static_cast<std::size_t>(c.classi));
        std::multiset<std::uint32_t> tutti;
        for (const Blocchi& classe : classi) {
            EXPECT_EQ(ContaScoperti({TipoDisegno::Ortogonale, c.n, c.punti, c.u, c.u}, classe), 0U);
            tutti.insert(classe.begin(), classe.end());
        }
        for (const std::uint32_t b : copertura) {
            EXPECT_TRUE(tutti.count(b) > 0);
        }
        EXPECT_GE(tutti.size(), copertura.size());
    }
}

TEST(UnioneFattorizzata, CoperturaDaCoperturePiuPiccole)
{
    struct Caso
    {
        int v, k, t, m;
        bool ammessa;
    };
    const Caso casi[] = {
        {16, 6, 4, 2, true},  {18, 7, 5, 2, true},  {15, 6, 3, 3, true},
        {17, 8, 5, 3, true},  {20, 8, 5, 4, false}, // 2m = 8 leaves no old point for the (t-3)-subsets
        {14, 6, 2, 2, false},                       // t < 3: no sharing to make
        {12, 6, 4, 3, false},                       // k >= v - 2m
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.v) + " " + std::to_string(c.k) + " " + std::to_string(c.t) + " m " +
                     std::to_string(c.m));
        const std::optional<Blocchi> b = UnioneFattorizzata(c.v, c.k, c.t, c.m, Avida, 1);
        ASSERT_EQ(b.has_value(), c.ammessa);
        if (!b) {
            continue;
        }
        const Cella cella{TipoDisegno::Ortogonale, c.v, c.k, c.t, c.t};
        EXPECT_FALSE(ControllaBlocchi(cella, *b));
        EXPECT_EQ(ContaScoperti(cella, *b), test::ScopertiPerDefinizione(cella, *b));
        EXPECT_EQ(ContaScoperti(cella, *b), 0U);
    }
    EXPECT_FALSE(UnioneFattorizzata(
        16, 6, 4, 2, [](int, int, int) { return std::optional<Blocchi>{}; }, 1));
}
