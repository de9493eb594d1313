#include "reductions/indice_copertura.h"

#include "core/generatore_casuale.h"
#include "core/indice_combinazione.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using test::giocata;

// s distinct random numbers of 1..limite, in the order drawn (not sorted: merged plays are not).
Tipo_Giocata Casuale(GeneratoreCasuale& gen, int s, int limite)
{
    Tipo_Giocata g{};
    int quanti = 0;
    while (quanti < s) {
        const auto n = static_cast<std::uint8_t>(gen.estrai(static_cast<std::uint32_t>(limite)) + 1);
        if (std::find(g.begin(), g.begin() + quanti, n) == g.begin() + quanti) {
            g[static_cast<std::size_t>(quanti++)] = n;
        }
    }
    return g;
}

} // namespace

TEST(IndiceCopertura, RangoComeIndiceCombinazione)
{
    GeneratoreCasuale gen;
    gen.imposta(7);
    for (int t = 1; t <= 5; ++t) {
        SCOPED_TRACE(t);
        for (int prova = 0; prova < 2000; ++prova) {
            Tipo_Giocata g = Casuale(gen, t, 90);
            OrdinaGiocata(g);
            ASSERT_EQ(RangoCombinazione(g.data(), t), IndiceCombinazione(g, t)) << TestoGiocata(g);
        }
    }
    const Tipo_Giocata ultima = giocata({86, 87, 88, 89, 90});
    EXPECT_EQ(RangoCombinazione(ultima.data(), 5), CombinazioniNovanta(5));
    EXPECT_EQ(CombinazioniNovanta(2), 4005);
    EXPECT_EQ(CombinazioniNovanta(3), 117480);
    EXPECT_EQ(CombinazioniNovanta(4), 2555190);
    EXPECT_EQ(CombinazioniNovanta(5), 43949268);
}

TEST(IndiceCopertura, SottoinsiemiInOrdineConIlLoroRango)
{
    const Tipo_Giocata g = giocata({3, 10, 40, 77});
    std::vector<std::int32_t> ranghi;
    PerOgniSottoinsieme(g.data(), 4, 2, [&](std::int32_t r) {
        ranghi.push_back(r);
        return true;
    });
    const std::vector<std::int32_t> attesi{
        IndiceCombinazione(giocata({3, 10}), 2),  IndiceCombinazione(giocata({3, 40}), 2),
        IndiceCombinazione(giocata({3, 77}), 2),  IndiceCombinazione(giocata({10, 40}), 2),
        IndiceCombinazione(giocata({10, 77}), 2), IndiceCombinazione(giocata({40, 77}), 2)};
    EXPECT_EQ(ranghi, attesi);
}

// The index and the literal scan agree on random plays and candidates of every size and threshold,
// on a small universe so that hits and misses are both frequent.
TEST(IndiceCopertura, ComeLaDefinizioneLetterale)
{
    struct Caso
    {
        const char* nome;
        int t;
        int dimensioneGiocate;
        int dimensioneCandidati;
        int universo;
        int giocate;
    };
    const Caso casi[] = {
        {"ambo su terzine", 2, 3, 3, 20, 15},     {"terno su cinquine", 3, 5, 5, 25, 30},
        {"quaterna su decine", 4, 10, 5, 30, 40}, {"cinquina su decine", 5, 10, 10, 20, 25},
        {"candidato corto", 4, 6, 3, 15, 20},     {"ambo su 90 numeri", 2, 6, 6, 90, 50},
    };
    GeneratoreCasuale gen;
    gen.imposta(12345);
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        std::vector<Tipo_Giocata> giocate;
        IndiceCopertura indice;
        ASSERT_TRUE(indice.prenota(caso.t));
        int coperti = 0;
        for (int i = 0; i < caso.giocate; ++i) {
            giocate.push_back(Casuale(gen, caso.dimensioneGiocate, caso.universo));
            indice.aggiungi(giocate.back());
            for (int prova = 0; prova < 200; ++prova) {
                const Tipo_Giocata c = Casuale(gen, caso.dimensioneCandidati, caso.universo);
                const bool letterale =
                    CopertaLetterale(c, caso.dimensioneCandidati, giocate.data(), giocate.size(), caso.t);
                ASSERT_EQ(indice.coperta(c, caso.dimensioneCandidati), letterale) << TestoGiocata(c);
                coperti += letterale ? 1 : 0;
            }
        }
        if (caso.dimensioneCandidati >= caso.t) {
            EXPECT_GT(coperti, 0);
        }
    }
}

TEST(IndiceCopertura, ContenutaUnaSolaCombinazione)
{
    IndiceCopertura indice;
    ASSERT_TRUE(indice.prenota(3));
    // An unsorted, growing play: its subsets are ranked sorted.
    indice.aggiungi(giocata({40, 5, 17, 0}));
    const Tipo_Giocata dentro = giocata({5, 17, 40});
    const Tipo_Giocata fuori = giocata({5, 17, 41});
    EXPECT_TRUE(indice.contenuta(dentro.data()));
    EXPECT_FALSE(indice.contenuta(fuori.data()));
    indice.svuota();
    EXPECT_FALSE(indice.contenuta(dentro.data()));
    EXPECT_FALSE(IndiceCopertura().prenota(6));
}

TEST(InsiemeCombinazioni, SegnaSeNuovaUnaVolta)
{
    InsiemeCombinazioni insieme;
    ASSERT_TRUE(insieme.prenota(5));
    EXPECT_TRUE(insieme.segnaSeNuova(43949268));
    EXPECT_FALSE(insieme.segnaSeNuova(43949268));
    EXPECT_TRUE(insieme.segnaSeNuova(1));
    EXPECT_TRUE(insieme.contiene(1));
    ASSERT_TRUE(insieme.prenota(5));
    EXPECT_FALSE(insieme.contiene(1));
}
