#include "core/archivio_testo.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/rid_probabilistiche.h"

#include "comune_bench.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

// The reductions by delays and by scores generating from 90 numbers in plays of 5 (43,949,268
// candidates), each against the bare full development of the same prediction in the same iteration, and
// the historic analyses of the five members over the shipped archive.

namespace {

using namespace bench;

// The member's settings on the real archive: the delays between 4 and 12 on average (every delay
// allowed with tutti), the default [7, 28] of the scores by delays, mean frequencies over 18 draws
// between 8 and 12, custom scores.
ImpostazioniProbabilistiche Impostazioni(MembroProbabilistico membro, bool tutti = false)
{
    ImpostazioniProbabilistiche imp;
    imp.membro = membro;
    imp.estrazioni = 200;
    imp.intervalli.numero = 1;
    imp.intervalli.minimi[0] = 7;
    imp.intervalli.massimi[0] = 28;
    if (membro == MembroProbabilistico::Ritardi) {
        imp.intervalli.minimi[0] = tutti ? 0 : 4;
        imp.intervalli.massimi[0] = tutti ? 100 : 12;
    } else if (membro == MembroProbabilistico::Frequenze) {
        imp.estrazioni = 18;
        imp.intervalli.minimi[0] = 8;
        imp.intervalli.massimi[0] = 12;
    }
    for (std::size_t n = 0; n < 90; ++n) {
        imp.personali[n] = static_cast<double>((n * 37) % 101);
    }
    CompletaCache(imp, ArchivioReale(), NovantaInCinque().ruote);
    return imp;
}

void BM_ProbabilisticaSuSviluppo(benchmark::State& state)
{
    // 5: the delays with every play kept, the dearest case (every candidate written out).
    const bool tutti = state.range(0) == 5;
    const auto membro =
        tutti ? MembroProbabilistico::Ritardi : static_cast<MembroProbabilistico>(state.range(0));
    const ImpostazioniProbabilistiche imp = Impostazioni(membro, tutti);
    const GiudizioProbabilistico giudizio(ValoriNumeri(imp), imp.intervalli);
    double riduzione = 0;
    double sviluppo = 0;
    std::int64_t accettate = 0;
    for (auto _ : state) {
        const double r = Secondi([&] {
            Sistema s = NovantaInCinque();
            ElencoGiocate elenco;
            ControlloConteggio controllo;
            const EsitoRiduzione esito =
                RiduzioneProbabilistica(s, elenco, giudizio, ModoFiltro::Pronostico, false, controllo);
            accettate = esito.giocate;
            benchmark::DoNotOptimize(elenco.dati());
        });
        const double v = Secondi([&] {
            Sistema s = NovantaInCinque();
            ElencoGiocate elenco;
            ControlloConteggio controllo;
            const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, controllo);
            benchmark::DoNotOptimize(esito.aggiunte);
            benchmark::DoNotOptimize(elenco.dati());
        });
        riduzione += r;
        sviluppo += v;
        state.SetIterationTime(r + v);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["riduzione_ms"] = riduzione * 1000 / n;
    state.counters["sviluppo_ms"] = sviluppo * 1000 / n;
    state.counters["rapporto"] = sviluppo > 0 ? riduzione / sviluppo : 0;
    state.counters["accettate"] = static_cast<double>(accettate);
}
// Ritardi (4, and 5 keeping everything) and ProbabilitaRitardi (0).
BENCHMARK(BM_ProbabilisticaSuSviluppo)
    ->Arg(4)
    ->Arg(5)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

void BM_AnalisiStoricaProbabilistica(benchmark::State& state)
{
    const ImpostazioniProbabilistiche imp = Impostazioni(static_cast<MembroProbabilistico>(state.range(0)));
    std::int64_t valide = 0;
    for (auto _ : state) {
        IstogrammaProbabilistico istogramma(ContenitoriDelMembro(imp.membro));
        ControlloConteggio controllo;
        const double t = Secondi([&] {
            AnalisiProbabilisticaStorica(ArchivioReale(), NovantaInCinque().ruote, imp, istogramma,
                                         controllo);
        });
        valide = istogramma.totali.valide;
        state.SetIterationTime(t);
    }
    state.counters["valide"] = static_cast<double>(valide);
    state.counters["estrazioni"] = ArchivioReale().conteggio();
}
BENCHMARK(BM_AnalisiStoricaProbabilistica)
    ->DenseRange(0, 4)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
