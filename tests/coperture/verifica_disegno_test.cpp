#include "coperture/verifica_disegno.h"

#include "coperture/sottoinsiemi.h"
#include "prova_disegni.h"

#include <gtest/gtest.h>

#include <string>

TEST(VerificaDisegno, ComeLaDefinizioneSuDisegniCasuali)
{
    const struct
    {
        const char* nome;
        Cella cella;
        int blocchi;
    } righe[] = {
        {"copertura C(9,3,2)", {TipoDisegno::Ortogonale, 9, 3, 2, 2}, 10},
        {"copertura C(12,5,4)", {TipoDisegno::Ortogonale, 12, 5, 4, 4}, 40},
        {"copertura C(14,10,5)", {TipoDisegno::Ortogonale, 14, 10, 5, 5}, 12},
        {"garanzia L(10,3,3,2)", {TipoDisegno::Garanzia, 10, 3, 3, 2}, 6},
        {"garanzia L(13,6,5,3)", {TipoDisegno::Garanzia, 13, 6, 5, 3}, 4},
        {"garanzia L(15,10,5,2)", {TipoDisegno::Garanzia, 15, 10, 5, 2}, 2},
        {"garanzia L(11,4,4,3)", {TipoDisegno::Garanzia, 11, 4, 4, 3}, 12},
    };
    CasualeRicerca casuale(99);
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        for (int prova = 0; prova < 20; ++prova) {
            const Blocchi b = test::DisegnoCasuale(casuale, r.cella, r.blocchi + prova % 5);
            ASSERT_EQ(ContaScoperti(r.cella, b), test::ScopertiPerDefinizione(r.cella, b));
        }
    }
}

TEST(VerificaDisegno, RanghiEsottoinsiemi)
{
    // Ranks run 0..C(v, s)-1 in the numeric order of the masks, and unranking inverts them.
    for (const int s : {1, 3, 5}) {
        SCOPED_TRACE(s);
        std::uint32_t atteso = 0;
        for (std::uint32_t m = (1U << s) - 1U; m < (1U << 16); m = SuccessivoStessiBit(m), ++atteso) {
            ASSERT_EQ(RangoColex(m), atteso);
            ASSERT_EQ(InsiemeDaRango(atteso, s), m);
        }
        EXPECT_EQ(atteso, Binomiale(16, s));
    }
    // Blocks (at most ten points) take a table path, larger sets the general one: both give the same list.
    std::uint32_t uscita[300];
    std::uint32_t generale[300];
    for (const std::uint32_t insieme : {0b1111111111U, 0b1010110010111U}) {
        for (int quante = 0; quante <= 5; ++quante) {
            const int n = ElencaSottoinsiemi(insieme, quante, uscita);
            ASSERT_EQ(static_cast<std::uint32_t>(n), Binomiale(std::popcount(insieme), quante));
            int m = 0;
            for (std::uint32_t s = 0; s <= insieme; ++s) {
                if ((s & ~insieme) == 0 && std::popcount(s) == quante) {
                    generale[m++] = s;
                }
            }
            ASSERT_EQ(n, m);
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(uscita[i], generale[i]) << quante;
            }
        }
    }
    EXPECT_EQ(ElencaSottoinsiemi(0b1011010110U, 3, uscita), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(std::popcount(uscita[i]), 3);
        EXPECT_EQ(uscita[i] & ~0b1011010110U, 0U);
        if (i > 0) {
            EXPECT_LT(uscita[i - 1], uscita[i]);
        }
    }
    EXPECT_EQ(ElencaSottoinsiemi(0b111U, 0, uscita), 1);
    EXPECT_EQ(uscita[0], 0U);
    EXPECT_EQ(ElencaSottoinsiemi(0b11U, 3, uscita), 0);
}

TEST(VerificaDisegno, LimiteEForma)
{
    const struct
    {
        Cella cella;
        bool valida;
    } celle[] = {
        {{TipoDisegno::Ortogonale, 30, 10, 5, 5}, true}, {{TipoDisegno::Garanzia, 30, 3, 5, 2}, true},
        {{TipoDisegno::Ortogonale, 31, 5, 3, 3}, false}, {{TipoDisegno::Ortogonale, 20, 5, 4, 3}, false},
        {{TipoDisegno::Garanzia, 20, 11, 5, 3}, false},  {{TipoDisegno::Garanzia, 20, 6, 6, 3}, false},
        {{TipoDisegno::Garanzia, 4, 3, 5, 2}, false},    {{TipoDisegno::Garanzia, 20, 3, 5, 4}, false},
    };
    for (const auto& c : celle) {
        EXPECT_EQ(!ControllaCella(c.cella), c.valida) << c.cella.v << ' ' << c.cella.k << ' ' << c.cella.p;
    }
    const struct
    {
        Cella cella;
        std::uint64_t limite;
    } limiti[] = {
        {{TipoDisegno::Ortogonale, 7, 3, 2, 2}, 7},    {{TipoDisegno::Ortogonale, 10, 3, 2, 2}, 17},
        {{TipoDisegno::Ortogonale, 12, 6, 5, 5}, 132}, {{TipoDisegno::Ortogonale, 30, 4, 3, 3}, 1020},
        {{TipoDisegno::Garanzia, 30, 6, 5, 3}, 1},
    };
    for (const auto& l : limiti) {
        EXPECT_EQ(LimiteInferiore(l.cella), l.limite) << l.cella.v << ' ' << l.cella.k << ' ' << l.cella.t;
    }
    const Cella c{TipoDisegno::Ortogonale, 9, 3, 2, 2};
    EXPECT_FALSE(ControllaBlocchi(c, {0b111, 0b111000000}));
    EXPECT_TRUE(ControllaBlocchi(c, {0b111, 0b1111}));
    EXPECT_TRUE(ControllaBlocchi(c, {0b1000000011}));
}
