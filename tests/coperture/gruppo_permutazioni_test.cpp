#include "coperture/gruppo_permutazioni.h"

#include "coperture/campo_finito.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(GruppoPermutazioni, OrdiniENomi)
{
    const struct
    {
        GruppoPermutazioni gruppo;
        int ordine;
        const char* nome;
    } righe[] = {
        {GruppoCiclico(20, 1, 19), 19, "Z19+1"},          {GruppoCiclico(21, 2, 10), 10, "2xZ10+1"},
        {GruppoAffine(20, 19, 9), 171, "AGL1(19,9)+1"},   {GruppoAffine(16, 16, 15), 240, "AGL1(16,15)"},
        {GruppoAffine(27, 27, 2), 54, "AGL1(27,2)"},      {GruppoProiettivo(20, 19), 3420, "PSL2(19)"},
        {GruppoProiettivo(17, 16), 4080, "PSL2(16)"},     {GruppoProiettivo(12, 9), 360, "PSL2(9)+2"},
        {GruppoPianoProiettivo4(22), 20160, "PSL3(4)+1"},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(r.gruppo.ordine(), r.ordine);
        EXPECT_EQ(r.gruppo.nome(), r.nome);
        // Every element is a permutation of the points that fixes those beyond the ones it moves.
        std::set<std::uint32_t> immagini;
        for (int g = 0; g < r.gruppo.ordine(); ++g) {
            std::uint32_t tutti = 0;
            for (int x = 0; x < r.gruppo.v(); ++x) {
                tutti |= r.gruppo.applica(std::uint32_t{1} << x, g);
            }
            ASSERT_EQ(tutti, (std::uint32_t{1} << r.gruppo.v()) - 1U);
            immagini.insert(r.gruppo.applica(0b1011U, g));
        }
        EXPECT_GT(immagini.size(), 1U);
    }
    EXPECT_EQ(GruppoPermutazioni(20, {}, "uno").ordine(), 1);
    EXPECT_EQ(GruppoProiettivo(30, 29).ordine(), 12180);
}

TEST(CampoFinito, AssiomiDelCampo)
{
    for (const int q : {2, 3, 4, 5, 7, 8, 9, 16, 25, 27, 32}) {
        SCOPED_TRACE(q);
        const CampoFinito f(q);
        ASSERT_EQ(f.q(), q);
        for (int a = 0; a < q; ++a) {
            EXPECT_EQ(f.somma(a, f.opposto(a)), 0);
            if (a != 0) {
                EXPECT_EQ(f.prodotto(a, f.inverso(a)), 1);
            }
            for (int b = 0; b < q; ++b) {
                EXPECT_EQ(f.prodotto(a, b), f.prodotto(b, a));
                for (int c = 0; c < q; c += 3) {
                    ASSERT_EQ(f.prodotto(a, f.somma(b, c)), f.somma(f.prodotto(a, b), f.prodotto(a, c)));
                    ASSERT_EQ(f.prodotto(a, f.prodotto(b, c)), f.prodotto(f.prodotto(a, b), c));
                }
            }
        }
    }
    for (const int q : {0, 1, 6, 10, 12, 33}) {
        EXPECT_EQ(CampoFinito(q).q(), 0) << q;
    }
}
