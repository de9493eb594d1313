#include "core/archivio_testo.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/file_riduzioni.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/rid_filtri.h"

#include "comune_bench.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <random>
#include <string>

// The filter reductions generating from 90 numbers in plays of 5 (43,949,268 candidates), each against
// the bare full development of the same prediction in the same iteration: the ratio compares like with
// like on a machine whose absolute speed varies.

namespace {

using namespace bench;

FiltroRiduzione Filtro(int caso)
{
    switch (caso) {
    case 0: // three intervals, no error
        return FiltroRiduzione::DaIntervalli(IntervalliNumeri::daBlocco(IntervalliNumeriPredefiniti()));
    case 1: { // decades with up to two numbers each
        GruppiFissi decine = GruppiFissi::daBlocco(FamigliaGruppi::Decine, DecinePredefinite());
        decine.ammesse.fill(0b111);
        return FiltroRiduzione::DaGruppi(decine);
    }
    case 2: { // 20 filter plays of 10 numbers allowing 0..2 in common, one error
        std::mt19937 generatore(42);
        GiocateFiltro filtri;
        for (int f = 0; f < 20; ++f) {
            GiocataFiltro filtro;
            while (filtro.numeri.numeri() < 10) {
                filtro.numeri.aggiungi(static_cast<int>(generatore() % 90) + 1);
            }
            filtro.punteggi = 0b111;
            filtri.filtri.push_back(filtro);
        }
        filtri.massimoErrori = 1;
        return FiltroRiduzione::DaGiocateFiltro(filtri);
    }
    default: { // comparisons with the latest 10, 50 and 200 draws of the real archive
        ConfrontiStorico confronti;
        confronti.confronti = {{10, 0b0111}, {50, 0b0110}, {200, 0b1100}};
        return FiltroRiduzione::DaConfronti(confronti, ArchivioReale(), NovantaInCinque().ruote);
    }
    }
}

void BM_FiltroSuSviluppo(benchmark::State& state)
{
    const FiltroRiduzione filtro = Filtro(static_cast<int>(state.range(0)));
    double riduzione = 0;
    double sviluppo = 0;
    std::int64_t accettate = 0;
    for (auto _ : state) {
        const double r = Secondi([&] {
            Sistema s = NovantaInCinque();
            ElencoGiocate elenco;
            ControlloConteggio controllo;
            const EsitoRiduzione esito =
                RiduzioneFiltro(s, elenco, filtro, ModoFiltro::Pronostico, false, controllo);
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
    state.SetLabel(filtro.titoloCriteri());
    state.counters["riduzione_ms"] = riduzione * 1000 / n;
    state.counters["sviluppo_ms"] = sviluppo * 1000 / n;
    state.counters["rapporto"] = sviluppo > 0 ? riduzione / sviluppo : 0;
    state.counters["accettate"] = static_cast<double>(accettate);
}
BENCHMARK(BM_FiltroSuSviluppo)
    ->DenseRange(0, 3)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace
