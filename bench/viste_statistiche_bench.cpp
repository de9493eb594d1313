#include "core/archivio_testo.h"
#include "core/statistiche.h"
#include "editor/viste_statistiche.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const ArchivioStorico& ArchivioCompleto()
{
    static const ArchivioStorico archivio = [] {
        ArchivioStorico a;
        (void)ImportaFileArchivioTesto(std::string(QUARVIN_CARTELLA_SORGENTI) + "/data/storico.txt", a);
        return a;
    }();
    return archivio;
}

// One view computed as the window does when it is selected, on the shipped archive with Tutte and the
// default window of 100 draws; the argument is the view index.
void BM_VistaStatistica(benchmark::State& state)
{
    const ArchivioStorico& archivio = ArchivioCompleto();
    if (archivio.vuoto()) {
        state.SkipWithError("archive not found");
        return;
    }
    SegniRuote ruote{};
    ruote[Tutte - 1] = 1;
    ImpostazioniGenerali generali;
    StatisticheNumeri statistiche;
    RicalcolaStatistiche(archivio, ruote, generali, statistiche);
    const viste::ContestoViste contesto{archivio, statistiche, ruote, generali.ifNumEstra};
    const viste::Vista vista = *viste::VistaDaIndice(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (viste::Descrizione(vista).tipo == viste::TipoVista::Grafico) {
            benchmark::DoNotOptimize(viste::CalcolaGrafico(vista, contesto));
        } else {
            benchmark::DoNotOptimize(viste::CalcolaTabella(vista, contesto));
        }
    }
    state.counters["estrazioni"] = archivio.conteggio();
}
BENCHMARK(BM_VistaStatistica)->DenseRange(0, 12)->Unit(benchmark::kMillisecond);

void BM_AnalisiCombinazioni(benchmark::State& state)
{
    const ArchivioStorico& archivio = ArchivioCompleto();
    SegniNumeri insieme{};
    for (int n : {1, 2, 3, 4, 5, 6}) {
        insieme[static_cast<std::size_t>(n - 1)] = 1;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(viste::AnalizzaCombinazioni(archivio, insieme, archivio.conteggio()));
    }
}
BENCHMARK(BM_AnalisiCombinazioni)->Unit(benchmark::kMillisecond);

} // namespace
