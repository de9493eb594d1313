#include "core/giocata.h"
#include "core/indice_combinazione.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

using test::giocata;

TEST(Giocata, LetturaDaTesto)
{
    struct Riga
    {
        const char* nome;
        const char* testo;
        bool valido;
        Tipo_Giocata attesa;
    };
    const Riga righe[] = {
        {"tab e spazi doppi", "3\t\t1  2", true, giocata({1, 2, 3})},
        {"numero ripetuto", "12 5 5", false, {}},
        {"undici numeri", "1 2 3 4 5 6 7 8 9 10 11", false, {}},
        {"dieci numeri", "10 9 8 7 6 5 4 3 2 1", true, giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {"zero", "0 4", false, {}},
        {"novantuno", "91", false, {}},
        {"segno", "+5", false, {}},
        {"vuoto", "   ", false, {}},
        {"spazi ai bordi", "  90 1 ", true, giocata({1, 90})},
        {"lettere", "1 a", false, {}},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Tipo_Giocata g{};
        EXPECT_EQ(LeggiGiocataDaTesto(riga.testo, g), riga.valido);
        if (riga.valido) {
            EXPECT_EQ(g, riga.attesa);
        }
    }
}

TEST(Giocata, ElencoNumeri)
{
    SegniNumeri segni{};
    EXPECT_EQ(LeggiElencoNumeri("90 1 45", segni), 3);
    EXPECT_EQ(segni[0], 1);
    EXPECT_EQ(segni[44], 1);
    EXPECT_EQ(segni[89], 1);
    EXPECT_EQ(segni[1], 0);
    EXPECT_EQ(LeggiElencoNumeri("5 7 5", segni), 0);
    EXPECT_EQ(segni[4], 0) << "an invalid list leaves no flag set";
    EXPECT_EQ(LeggiElencoNumeri("0 4", segni), 0);
    EXPECT_EQ(LeggiElencoNumeri("91", segni), 0);
    EXPECT_EQ(LeggiElencoNumeri("", segni), 0);
    EXPECT_EQ(LeggiElencoNumeri("1\t2", segni), 0) << "only spaces separate the numbers of a list";

    std::string tutti;
    for (int n = 1; n <= 90; ++n) {
        tutti += std::to_string(n) + " ";
    }
    EXPECT_EQ(LeggiElencoNumeri(tutti, segni), 88) << "a typed list counts its first 255 characters";
    EXPECT_EQ(LeggiInsiemeNumeri(tutti, segni), 90);
}

TEST(Giocata, OrdinaEDaSegni)
{
    Tipo_Giocata g = giocata({9, 3, 7});
    EXPECT_EQ(OrdinaGiocata(g), 3);
    EXPECT_EQ(g, giocata({3, 7, 9}));

    SegniNumeri segni{};
    for (int n = 1; n <= 90; n += 7) {
        segni[n - 1] = 1;
    }
    EXPECT_EQ(GiocataDaSegni(segni), giocata({1, 8, 15, 22, 29, 36, 43, 50, 57, 64})) << "stops after ten";
}

TEST(Giocata, Fattoriale)
{
    EXPECT_EQ(Fattoriale(0), 1);
    EXPECT_EQ(Fattoriale(1), 1);
    EXPECT_EQ(Fattoriale(5), 120);
    EXPECT_EQ(Fattoriale(12), 479001600);
}

TEST(IndiceCombinazione, Estremi)
{
    EXPECT_EQ(IndiceCombinazione(giocata({17}), 1), 17);
    EXPECT_EQ(IndiceCombinazione(giocata({1, 2}), 2), 1);
    EXPECT_EQ(IndiceCombinazione(giocata({89, 90}), 2), 4005);
    EXPECT_EQ(IndiceCombinazione(giocata({1, 2, 3}), 0), 1);
    EXPECT_EQ(IndiceCombinazione(giocata({88, 89, 90}), 3), 117480);
    EXPECT_EQ(IndiceCombinazione(giocata({87, 88, 89, 90}), 4), 2555190);
    EXPECT_EQ(IndiceCombinazione(giocata({86, 87, 88, 89, 90}), 5), 43949268);
}

// Every combination of each size, walked in lexicographic order, has the next rank.
TEST(IndiceCombinazione, OrdineLessicograficoCompleto)
{
    for (int k = 2; k <= 4; ++k) {
        SCOPED_TRACE(k);
        std::array<int, 5> p{};
        for (int i = 0; i < k; ++i) {
            p[i] = i + 1;
        }
        std::int32_t atteso = 0;
        bool fine = false;
        while (!fine) {
            Tipo_Giocata g{};
            for (int i = 0; i < k; ++i) {
                g[i] = static_cast<std::uint8_t>(p[i]);
            }
            ASSERT_EQ(IndiceCombinazione(g, k), ++atteso);
            int j = k - 1;
            while (j >= 0 && p[j] == 90 - (k - 1 - j)) {
                --j;
            }
            if (j < 0) {
                fine = true;
            } else {
                ++p[j];
                for (int i = j + 1; i < k; ++i) {
                    p[i] = p[i - 1] + 1;
                }
            }
        }
    }
}

TEST(IndiceCombinazione, CinquineCampione)
{
    // Ranks of plays of five checked against the count of preceding combinations.
    EXPECT_EQ(IndiceCombinazione(giocata({1, 2, 3, 4, 5}), 5), 1);
    EXPECT_EQ(IndiceCombinazione(giocata({1, 2, 3, 4, 6}), 5), 2);
    EXPECT_EQ(IndiceCombinazione(giocata({1, 2, 3, 5, 6}), 5), 87);
    EXPECT_EQ(IndiceCombinazione(giocata({2, 3, 4, 5, 6}), 5), 2441626 + 1)
        << "after the C(89,4) plays that start with 1";
}
