#include "checking/distribuzione_punti.h"
#include "checking/verifica_garanzia.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using test::giocata;

std::vector<std::uint8_t> DaUnoA(int n)
{
    std::vector<std::uint8_t> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), std::uint8_t{1});
    return v;
}

// Every k-subset of 1..n as a play.
std::vector<Tipo_Giocata> Sviluppo(int n, int k)
{
    std::vector<Tipo_Giocata> giocate;
    std::vector<bool> scelta(static_cast<std::size_t>(n));
    std::fill(scelta.begin(), scelta.begin() + k, true);
    do {
        Tipo_Giocata g{};
        int m = 0;
        for (int i = 0; i < n; ++i) {
            if (scelta[static_cast<std::size_t>(i)]) {
                g[static_cast<std::size_t>(m++)] = static_cast<std::uint8_t>(i + 1);
            }
        }
        giocate.push_back(g);
    } while (std::prev_permutation(scelta.begin(), scelta.end()));
    return giocate;
}

EsitoVerificaGaranzia Verifica(const std::vector<std::uint8_t>& pronostico,
                               const std::vector<Tipo_Giocata>& g, int punti, int livello = 0,
                               int buchi = BuchiPredefiniti)
{
    EsitoVerificaGaranzia esito;
    EsecuzioneContinua continua;
    VerificaGaranzia(pronostico, g.data(), static_cast<std::int32_t>(g.size()), punti, livello, buchi, esito,
                     continua);
    return esito;
}

} // namespace

TEST(VerificaGaranzia, LoSviluppoIntegraleGarantisceIlMassimo)
{
    const auto giocate = Sviluppo(8, 3);
    ASSERT_EQ(giocate.size(), 56U);
    for (int punti = 1; punti <= 5; ++punti) {
        SCOPED_TRACE(punti);
        const auto esito = Verifica(DaUnoA(8), giocate, punti);
        EXPECT_EQ(esito.garantito, std::min(punti, 3));
        EXPECT_EQ(esito.livello, std::min(punti, 3));
        EXPECT_EQ(esito.buchiTotali, 0);
        EXPECT_TRUE(esito.buchi.empty());
        EXPECT_DOUBLE_EQ(esito.percentuale(std::min(punti, 3)), 100.0);
    }
}

TEST(VerificaGaranzia, UnaTerzinaMancanteEUnBucoSolo)
{
    auto giocate = Sviluppo(6, 3);
    const auto tolta = std::find(giocate.begin(), giocate.end(), giocata({2, 4, 6}));
    ASSERT_NE(tolta, giocate.end());
    giocate.erase(tolta);

    const auto tre = Verifica(DaUnoA(6), giocate, 3);
    EXPECT_EQ(tre.garantito, 2);
    EXPECT_EQ(tre.buchiTotali, 1);
    EXPECT_EQ(TestoBuchi(tre), "2 4 6\n");
    EXPECT_EQ(tre.istogramma, (std::array<std::int64_t, 6>{0, 0, 1, 19, 0, 0}));

    // With four points every set still holds one of the other triples; asking for a quaterna makes all
    // fifteen sets holes, and only the first two are kept.
    const auto quattro = Verifica(DaUnoA(6), giocate, 4);
    EXPECT_EQ(quattro.garantito, 3);
    EXPECT_EQ(quattro.buchiTotali, 0);
    const auto quaterna = Verifica(DaUnoA(6), giocate, 4, 4, 2);
    EXPECT_EQ(quaterna.buchiTotali, 15);
    EXPECT_EQ(TestoBuchi(quaterna), "1 2 3 4\n1 2 3 5\n");
}

TEST(VerificaGaranzia, ConcordaConLaDistribuzioneEConLaDefinizione)
{
    std::mt19937 caso(2020);
    const auto pronostico = DaUnoA(14);
    std::vector<Tipo_Giocata> giocate;
    for (int g = 0; g < 12; ++g) {
        std::vector<std::uint8_t> numeri = pronostico;
        std::shuffle(numeri.begin(), numeri.end(), caso);
        Tipo_Giocata gioc{};
        std::copy_n(numeri.begin(), 4, gioc.begin());
        std::sort(gioc.begin(), gioc.begin() + 4);
        giocate.push_back(gioc);
    }
    for (int punti = 2; punti <= 5; ++punti) {
        SCOPED_TRACE(punti);
        const auto esito = Verifica(pronostico, giocate, punti, 0, 1000000);
        EsitoDistribuzionePunti distribuzione;
        EsecuzioneContinua continua;
        DistribuzionePunti(pronostico, giocate.data(), static_cast<std::int32_t>(giocate.size()), punti,
                           distribuzione, continua);
        EXPECT_EQ(esito.istogramma, distribuzione.istogramma);
        const int livello = std::min(punti, 4);
        std::int64_t sotto = 0;
        for (int s = 0; s < livello; ++s) {
            sotto += esito.istogramma[static_cast<std::size_t>(s)];
        }
        EXPECT_EQ(esito.buchiTotali, sotto);
        ASSERT_EQ(static_cast<std::int64_t>(esito.buchi.size()), sotto);
        const auto primo = std::find_if(esito.istogramma.begin(), esito.istogramma.end(),
                                        [](std::int64_t h) { return h > 0; });
        EXPECT_EQ(esito.garantito, primo - esito.istogramma.begin());
        // Every hole listed: no play holds `livello` of its numbers.
        for (const auto& buco : esito.buchi) {
            for (const auto& g : giocate) {
                int comuni = 0;
                for (int i = 0; i < punti; ++i) {
                    comuni += static_cast<int>(
                        std::count(g.begin(), g.begin() + 4, buco[static_cast<std::size_t>(i)]));
                }
                ASSERT_LT(comuni, livello);
            }
        }
    }
}

TEST(VerificaGaranzia, CasiLimite)
{
    // Fewer predicted numbers than points: the one set is the whole prediction.
    const auto corto = Verifica({5, 9, 9, 0, 91}, {giocata({5, 9, 30})}, 5);
    EXPECT_EQ(corto.insiemi, 1);
    EXPECT_EQ(corto.garantito, 2);
    EXPECT_EQ(corto.livello, 2);
    EXPECT_EQ(corto.buchiTotali, 0);
    // No plays: every set scores 0 and is a hole.
    const auto nessuna = Verifica(DaUnoA(5), {}, 2);
    EXPECT_EQ(nessuna.garantito, 0);
    EXPECT_EQ(nessuna.buchiTotali, 0); // the level of no plays is 0
    const auto richiesto = Verifica(DaUnoA(5), {}, 2, 1);
    EXPECT_EQ(richiesto.buchiTotali, 10);
    EXPECT_EQ(Verifica(DaUnoA(5), {}, 6).insiemi, 0);
}
