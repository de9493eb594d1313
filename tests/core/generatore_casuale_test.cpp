#include "core/generatore_casuale.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

// Values worked out by hand from seme := seme * 134775813 + 1 (mod 2^32), value = (seme * n) >> 32:
// from 0 the states are 1, 134775814, 3698175007, 870078620, ...
TEST(GeneratoreCasuale, PrimiValoriFissatiDalSeme)
{
    struct Riga
    {
        const char* nome;
        std::uint32_t seme;
        std::uint32_t n;
        std::vector<std::uint32_t> attesi;
        std::uint32_t semeFinale;
    };
    const Riga righe[] = {
        {"seme 0, novanta", 0, 90, {0, 2, 77, 18}, 870078620U},
        {"seme 1, novanta", 1, 90, {2, 77, 18, 24}, 1172187917U},
        {"seme 0, byte", 0, 256, {0, 8, 220}, 3698175007U},
        {"seme massimo, il prodotto torna a capo", 0xFFFFFFFFU, 90, {87, 18}, 866343917U},
        {"n massimo", 1, 0xFFFFFFFFU, {134775813U, 3698175006U}, 3698175007U},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        GeneratoreCasuale g;
        g.imposta(riga.seme);
        for (std::uint32_t atteso : riga.attesi) {
            EXPECT_EQ(g.estrai(riga.n), atteso);
        }
        EXPECT_EQ(g.seme(), riga.semeFinale);
    }
}

TEST(GeneratoreCasuale, ValoriNellIntervallo)
{
    GeneratoreCasuale g;
    g.imposta(12345);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(g.estrai(1), 0U);
    }
    // Every value of 0..89 comes out, none outside: the upper bits of the product are used.
    std::array<int, 90> conteggi{};
    for (int i = 0; i < 90 * 200; ++i) {
        const std::uint32_t x = g.estrai(90);
        ASSERT_LT(x, 90U);
        ++conteggi[x];
    }
    for (std::size_t v = 0; v < conteggi.size(); ++v) {
        SCOPED_TRACE(v);
        EXPECT_GT(conteggi[v], 100);
        EXPECT_LT(conteggi[v], 300);
    }
}

TEST(GeneratoreCasuale, ByteESeminaDaOrologio)
{
    GeneratoreCasuale a;
    GeneratoreCasuale b;
    a.seminaDaOrologio(0x123456789ABCDEF0ULL);
    EXPECT_EQ(a.seme(), 0x9ABCDEF0U);
    b.imposta(0x9ABCDEF0U);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(a.byteCasuale(), b.estrai(256));
    }
}
