#include "checking/verifica_garanzia.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

// 10,000 random plays of 5 numbers of 1..90, a fixed seed: the same plays as the points distribution
// benchmark, so the two figures compare.
std::vector<Tipo_Giocata> GiocateCasuali()
{
    std::mt19937 caso(90510);
    std::vector<int> numeri(90);
    std::iota(numeri.begin(), numeri.end(), 1);
    std::vector<Tipo_Giocata> v;
    for (int g = 0; g < 10000; ++g) {
        std::shuffle(numeri.begin(), numeri.end(), caso);
        Tipo_Giocata giocata{};
        for (int i = 0; i < 5; ++i) {
            giocata[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(i)]);
        }
        OrdinaGiocata(giocata);
        v.push_back(giocata);
    }
    return v;
}

// The guarantee of 10,000 plays over the 43,949,268 five-number subsets of 1..90 (P = 5), with the
// holes below the level of the full development counted and the first 100 kept.
void BM_VerificaGaranzia(benchmark::State& state)
{
    static const std::vector<Tipo_Giocata> giocate = GiocateCasuali();
    std::vector<std::uint8_t> pronostico(90);
    std::iota(pronostico.begin(), pronostico.end(), std::uint8_t{1});
    EsecuzioneContinua continua;
    EsitoVerificaGaranzia esito;
    for (auto _ : state) {
        VerificaGaranzia(pronostico, giocate.data(), static_cast<std::int32_t>(giocate.size()),
                         static_cast<int>(state.range(0)), 0, BuchiPredefiniti, esito, continua);
        benchmark::DoNotOptimize(esito.istogramma);
    }
    state.SetItemsProcessed(state.iterations() * esito.insiemi);
    state.counters["buchi"] = static_cast<double>(esito.buchiTotali);
    state.counters["garantito"] = esito.garantito;
}
BENCHMARK(BM_VerificaGaranzia)->Arg(5)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
