#include "core/archivio_testo.h"
#include "core/statistiche.h"

#include "comune_bench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace bench;

// One recompute as after a wheel click, with the frequency window of state.range(0) draws.
void BM_RicalcolaStatistiche(benchmark::State& state)
{
    const ArchivioStorico& archivio = ArchivioReale();
    if (archivio.vuoto()) {
        state.SkipWithError("archive not found");
        return;
    }
    SegniRuote ruote{};
    ruote[Tutte - 1] = 1;
    ImpostazioniGenerali impostazioni;
    impostazioni.ifNumEstra = static_cast<std::int32_t>(state.range(0));
    StatisticheNumeri statistiche;
    for (auto _ : state) {
        RicalcolaStatistiche(archivio, ruote, impostazioni, statistiche);
        benchmark::DoNotOptimize(statistiche);
    }
    state.counters["estrazioni"] = archivio.conteggio();
}
BENCHMARK(BM_RicalcolaStatistiche)->Arg(100)->Arg(12000)->Unit(benchmark::kMicrosecond);

} // namespace
