#include "coperture/costruzioni.h"

#include "coperture/verifica_disegno.h"

#include <gtest/gtest.h>

#include <string>

TEST(Costruzioni, SistemiDiSteinerVerificati)
{
    // Every construction is a covering of the expected size: the lower bound, except for the hyperplanes,
    // whose size is proven optimal by other means.
    const struct
    {
        int v, k, t;
    } righe[] = {
        {7, 3, 2},  {13, 4, 2}, {21, 5, 2}, {9, 3, 2},  {16, 4, 2}, {25, 5, 2}, {15, 3, 2},
        {21, 3, 2}, {27, 3, 2}, {28, 4, 2}, {8, 4, 3},  {16, 4, 3}, {10, 4, 3}, {17, 5, 3},
        {26, 6, 3}, {12, 4, 3}, {20, 4, 3}, {24, 4, 3}, {22, 6, 3}, {23, 7, 4}, {11, 5, 4},
        {24, 8, 5}, {12, 6, 5}, {27, 9, 3}, {15, 7, 3}, {16, 8, 4},
    };
    for (const auto& r : righe) {
        const std::string nome =
            "C(" + std::to_string(r.v) + "," + std::to_string(r.k) + "," + std::to_string(r.t) + ")";
        SCOPED_TRACE(nome);
        const Cella c{TipoDisegno::Ortogonale, r.v, r.k, r.t, r.t};
        const auto b = CostruzioneAlgebrica(r.v, r.k, r.t, {});
        ASSERT_TRUE(b);
        EXPECT_FALSE(ControllaBlocchi(c, *b));
        EXPECT_EQ(ContaScoperti(c, *b), 0U);
        const std::size_t atteso = r.v == 27 && r.k == 9   ? 39
                                   : r.v == 15 && r.k == 7 ? 15
                                   : r.v == 16 && r.k == 8 ? 30
                                                           : LimiteInferiore(c);
        EXPECT_EQ(b->size(), atteso);
    }
    EXPECT_FALSE(CostruzioneAlgebrica(14, 4, 3, {}));
    EXPECT_FALSE(CostruzioneAlgebrica(20, 5, 3, {}));
}

TEST(Costruzioni, RaddoppioDaUnaCoperturaNota)
{
    // C(28, 4, 3) doubles whatever C(14, 4, 3) the caller knows; a worse one still gives a covering.
    Blocchi tutte;
    for (std::uint32_t m = 0; m < (1U << 14); ++m) {
        if (std::popcount(m) == 4) {
            tutte.push_back(m);
        }
    }
    const auto b = CostruzioneAlgebrica(28, 4, 3, [&](int v, int k, int t) -> std::optional<Blocchi> {
        if (v == 14 && k == 4 && t == 3) {
            return tutte;
        }
        return std::nullopt;
    });
    ASSERT_TRUE(b);
    const Cella c{TipoDisegno::Ortogonale, 28, 4, 3, 3};
    EXPECT_EQ(ContaScoperti(c, *b), 0U);
    EXPECT_EQ(b->size(), 2 * tutte.size() + 13 * 49);
}
