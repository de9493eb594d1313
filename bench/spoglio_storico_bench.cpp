#include "checking/spoglio_storico.h"
#include "core/archivio_testo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

const ArchivioStorico& Archivio()
{
    static const ArchivioStorico archivio = [] {
        ArchivioStorico a;
        (void)ImportaFileArchivioTesto(std::string(QUARVIN_CARTELLA_SORGENTI) + "/data/storico.txt", a);
        return a;
    }();
    return archivio;
}

// 10,000 random plays of state.range(0) numbers over the whole shipped archive, on all eleven wheels.
void BM_SpoglioStorico(benchmark::State& state)
{
    const ArchivioStorico& archivio = Archivio();
    if (archivio.vuoto()) {
        state.SkipWithError("archive not found");
        return;
    }
    std::mt19937 caso(7323);
    std::vector<int> numeri(90);
    std::iota(numeri.begin(), numeri.end(), 1);
    std::vector<Tipo_Giocata> giocate;
    for (int g = 0; g < 10000; ++g) {
        std::shuffle(numeri.begin(), numeri.end(), caso);
        Tipo_Giocata giocata{};
        for (int i = 0; i < state.range(0); ++i) {
            giocata[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(i)]);
        }
        OrdinaGiocata(giocata);
        giocate.push_back(giocata);
    }
    EsecuzioneContinua continua;
    EsitoSpoglioStorico esito;
    for (auto _ : state) {
        SpoglioStorico(giocate.data(), static_cast<std::int32_t>(giocate.size()), archivio,
                       {1, archivio.conteggio()}, ParametriSpoglioStorico{}, esito, continua);
        benchmark::DoNotOptimize(esito.totali);
    }
    state.counters["estrazioni"] = archivio.conteggio();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(giocate.size()) *
                            archivio.conteggio());
}
BENCHMARK(BM_SpoglioStorico)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
