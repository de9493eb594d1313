#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

Sistema Pronostico(int n, int k)
{
    Sistema s;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    return s;
}

// The orthogonal reduction of a prediction of n numbers in plays of k with guarantee g, on an empty list
// whose storage is kept between iterations (the first growth of the list is not what is measured).
void BM_RiduzioneOrtogonale(benchmark::State& state)
{
    const auto n = static_cast<int>(state.range(0));
    const auto k = static_cast<int>(state.range(1));
    const auto g = static_cast<int>(state.range(2));
    ElencoGiocate elenco;
    if (!elenco.AmpliaElenco()) {
        state.SkipWithError("memoria");
        return;
    }
    std::int64_t giocate = 0;
    for (auto _ : state) {
        Sistema s = Pronostico(n, k);
        elenco.setConteggio(0);
        GeneratoreCasuale generatore;
        generatore.imposta(1);
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {g, false, ""}, generatore, continua);
        giocate = esito.esito.giocate;
        benchmark::DoNotOptimize(elenco.dati());
    }
    state.counters["giocate"] = static_cast<double>(giocate);
    state.counters["combinazioni"] = CombinazioniDouble(n, g);
}
BENCHMARK(BM_RiduzioneOrtogonale)->Args({30, 6, 3})->Args({40, 8, 4})->Unit(benchmark::kMillisecond);

// The orthogonal reduction of the plays of a full development (n numbers in plays of k), guarantee g.
void BM_RiduzioneOrtogonaleGiocate(benchmark::State& state)
{
    const auto n = static_cast<int>(state.range(0));
    const auto k = static_cast<int>(state.range(1));
    const auto g = static_cast<int>(state.range(2));
    Sistema s = Pronostico(n, k);
    ElencoGiocate sviluppo;
    EsecuzioneContinua continua;
    if (SviluppoIntegrale(s, false, sviluppo, continua).codice != CodiceSviluppo::Completato) {
        state.SkipWithError("sviluppo");
        return;
    }
    const std::vector<Tipo_Giocata> attuali(sviluppo.dati(), sviluppo.dati() + sviluppo.conteggio());
    ParametriOrtogonaleGiocate parametri;
    parametri.garanzia = g;
    parametri.numeriPerGiocata = k;
    parametri.numeriUsati = s.pronostico;
    ElencoGiocate elenco;
    if (!elenco.AssicuraCapacita(static_cast<std::int32_t>(2 * attuali.size()))) {
        state.SkipWithError("memoria");
        return;
    }
    std::int64_t giocate = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(attuali.begin(), attuali.end(), elenco.dati());
        elenco.setConteggio(static_cast<std::int32_t>(attuali.size()));
        GeneratoreCasuale generatore;
        generatore.imposta(1);
        state.ResumeTiming();
        const EsitoOrtogonale esito = RiduzioneOrtogonaleGiocate(s, elenco, parametri, generatore, continua);
        giocate = esito.esito.giocate;
        benchmark::DoNotOptimize(elenco.dati());
    }
    state.counters["attuali"] = static_cast<double>(attuali.size());
    state.counters["giocate"] = static_cast<double>(giocate);
}
BENCHMARK(BM_RiduzioneOrtogonaleGiocate)->Args({20, 6, 3})->Unit(benchmark::kMillisecond);

} // namespace
