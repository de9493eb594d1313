#include "checking/distribuzione_punti.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using test::giocata;

using test::StopAl;

std::vector<std::uint8_t> Numeri(std::initializer_list<int> numeri)
{
    std::vector<std::uint8_t> v;
    for (int n : numeri) {
        v.push_back(static_cast<std::uint8_t>(n));
    }
    return v;
}

EsitoDistribuzionePunti Calcola(const std::vector<std::uint8_t>& pronostico,
                                const std::vector<Tipo_Giocata>& giocate, int punti)
{
    EsitoDistribuzionePunti esito;
    EsecuzioneContinua continua;
    DistribuzionePunti(pronostico, giocate.data(), static_cast<std::int32_t>(giocate.size()), punti, esito,
                       continua);
    return esito;
}

} // namespace

TEST(DistribuzionePunti, CasiNoti)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> pronostico;
        std::vector<Tipo_Giocata> giocate;
        int punti;
        std::array<std::int64_t, 6> istogramma;
        std::int64_t insiemi;
    };
    const Riga righe[] = {
        {"una giocata con tutto il pronostico: 100% cinquina",
         Numeri({3, 14, 27, 60, 88}),
         {giocata({3, 14, 27, 60, 88})},
         5,
         {0, 0, 0, 0, 0, 1},
         1},
        {"1..6 in due terzine: 2 terni e 18 ambi",
         Numeri({1, 2, 3, 4, 5, 6}),
         {giocata({1, 2, 3}), giocata({4, 5, 6})},
         3,
         {0, 0, 18, 2, 0, 0},
         20},
        {"un punto: i numeri assenti dalle giocate",
         Numeri({1, 2, 3, 4, 5, 6, 7, 8}),
         {giocata({1, 2, 9}), giocata({3, 40})},
         1,
         {5, 3, 0, 0, 0, 0},
         8},
        {"pronostico piu' corto dei punti: un solo insieme",
         Numeri({5, 6, 7}),
         {giocata({5, 6, 50})},
         5,
         {0, 0, 1, 0, 0, 0},
         1},
        {"nessuna giocata: tutto a zero punti", Numeri({1, 2, 3, 4}), {}, 2, {6, 0, 0, 0, 0, 0}, 6},
        {"pronostico disordinato e ripetuto",
         Numeri({6, 1, 3, 2, 5, 4, 3, 0, 91}),
         {giocata({1, 2, 3}), giocata({4, 5, 6})},
         3,
         {0, 0, 18, 2, 0, 0},
         20},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoDistribuzionePunti esito = Calcola(r.pronostico, r.giocate, r.punti);
        EXPECT_EQ(esito.istogramma, r.istogramma);
        EXPECT_EQ(esito.insiemi, r.insiemi);
        EXPECT_FALSE(esito.interrotta);
    }
    const EsitoDistribuzionePunti sei =
        Calcola(Numeri({1, 2, 3, 4, 5, 6}), {giocata({1, 2, 3}), giocata({4, 5, 6})}, 3);
    EXPECT_EQ(TestoPercentualeGrafico(sei.percentuale(3)), "10 %");
    EXPECT_EQ(TestoPercentualeGrafico(sei.percentuale(2)), "90 %");
    EXPECT_EQ(TestoPercentualeQuattroDecimali(sei.percentuale(2)), "90.0000");
    EXPECT_EQ(TestoPercentualeGrafico(100.0 / 3), "33.3333 %");
    EXPECT_EQ(TestoPercentualeGrafico(12.5), "12.5 %");
    EXPECT_EQ(TestoPercentualeQuattroDecimali(0), "0.0000");

    EXPECT_DOUBLE_EQ(InsiemiPronostico(90, 5), 43949268.0);
    EXPECT_DOUBLE_EQ(InsiemiPronostico(6, 3), 20.0);
    EXPECT_DOUBLE_EQ(InsiemiPronostico(4, 5), 1.0);
}

// The bit sets against the plain definition, on random predictions, plays (of 1..10 numbers, some outside
// the prediction) and points.
TEST(DistribuzionePunti, UgualeAllaDefinizioneSuCasiCasuali)
{
    std::mt19937 caso(616);
    EsecuzioneContinua continua;
    for (int prova = 0; prova < 120; ++prova) {
        std::vector<int> tutti(90);
        std::iota(tutti.begin(), tutti.end(), 1);
        std::shuffle(tutti.begin(), tutti.end(), caso);
        const int n = 1 + static_cast<int>(caso() % 22);
        std::vector<std::uint8_t> pronostico;
        for (int i = 0; i < n; ++i) {
            pronostico.push_back(static_cast<std::uint8_t>(tutti[static_cast<std::size_t>(i)]));
        }
        std::vector<Tipo_Giocata> giocate;
        const int quante = static_cast<int>(caso() % 40);
        for (int g = 0; g < quante; ++g) {
            std::vector<int> scelta(pronostico.begin(), pronostico.end());
            for (int i = 0; i < 4; ++i) {
                scelta.push_back(tutti[static_cast<std::size_t>(60 + caso() % 30)]);
            }
            std::sort(scelta.begin(), scelta.end());
            scelta.erase(std::unique(scelta.begin(), scelta.end()), scelta.end());
            std::shuffle(scelta.begin(), scelta.end(), caso);
            Tipo_Giocata giocata{};
            const int m = std::min<int>(1 + static_cast<int>(caso() % 10), static_cast<int>(scelta.size()));
            for (int i = 0; i < m; ++i) {
                giocata[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(scelta[static_cast<std::size_t>(i)]);
            }
            OrdinaGiocata(giocata);
            giocate.push_back(giocata);
        }
        const int punti = 1 + prova % 5;
        SCOPED_TRACE(testing::Message()
                     << "prova " << prova << " n " << n << " giocate " << quante << " punti " << punti);
        const EsitoDistribuzionePunti veloce = Calcola(pronostico, giocate, punti);
        EsitoDistribuzionePunti letterale;
        DistribuzionePuntiLetterale(pronostico, giocate.data(), quante, punti, letterale, continua);
        EXPECT_EQ(veloce.istogramma, letterale.istogramma);
        EXPECT_EQ(veloce.insiemi, letterale.insiemi);
        EXPECT_EQ(veloce.insiemi, static_cast<std::int64_t>(InsiemiPronostico(n, punti) + 0.5));
    }
}

TEST(DistribuzionePunti, InterruzioneTieneIConteggiRaggiunti)
{
    std::vector<std::uint8_t> pronostico;
    for (int i = 1; i <= 20; ++i) {
        pronostico.push_back(static_cast<std::uint8_t>(i));
    }
    const std::vector<Tipo_Giocata> giocate = {giocata({1, 2, 3, 4, 5}), giocata({6, 7, 8, 9, 10})};
    StopAl stop(3);
    EsitoDistribuzionePunti esito;
    DistribuzionePunti(pronostico, giocate.data(), 2, 4, esito, stop);
    EXPECT_TRUE(esito.interrotta);
    EXPECT_EQ(esito.insiemi, 3 * PassoControlloPunti);
    EXPECT_EQ(stop.ultimo.elaborati, 192.0);
    EXPECT_EQ(stop.ultimo.totale, 4845.0);
    std::int64_t somma = 0;
    for (std::int64_t h : esito.istogramma) {
        somma += h;
    }
    EXPECT_EQ(somma, esito.insiemi);
    // The first sets, in order: 1 2 3 4 scores 4 and so on; the share so far is what the chart shows.
    EXPECT_GT(esito.percentuale(4), 0.0);

    // One point: no poll, so no stop.
    StopAl subito(1);
    DistribuzionePunti(pronostico, giocate.data(), 2, 1, esito, subito);
    EXPECT_EQ(subito.polls, 0);
    EXPECT_EQ(esito.insiemi, 20);
    EXPECT_DOUBLE_EQ(esito.percentuale(0), 50.0);
}
