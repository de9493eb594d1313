#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/indice_copertura.h"
#include "reductions/rid_garanzia.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

Sistema PronosticoGaranzia(int n, int k)
{
    Sistema s;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    return s;
}

std::vector<Tipo_Giocata> Casuali(GeneratoreCasuale& gen, int quante, int s)
{
    std::vector<Tipo_Giocata> v;
    while (static_cast<int>(v.size()) < quante) {
        Tipo_Giocata g{};
        int n = 0;
        while (n < s) {
            const auto x = static_cast<std::uint8_t>(gen.estrai(90) + 1);
            if (std::find(g.begin(), g.begin() + n, x) == g.begin() + n) {
                g[static_cast<std::size_t>(n++)] = x;
            }
        }
        OrdinaGiocata(g);
        v.push_back(g);
    }
    return v;
}

constexpr int GiocateIndice = 10000;
constexpr int CandidatiIndice = 1000;

// "Some play shares at least 3 numbers with the candidate" over 10,000 plays of 5 numbers: the index
// (10 look-ups per candidate) against the scan of the plays.
void BM_CoperturaIndice(benchmark::State& state)
{
    GeneratoreCasuale gen;
    gen.imposta(1);
    const auto giocate = Casuali(gen, GiocateIndice, 5);
    const auto candidati = Casuali(gen, CandidatiIndice, 5);
    IndiceCopertura indice;
    (void)indice.prenota(3);
    for (const Tipo_Giocata& g : giocate) {
        indice.aggiungi(g);
    }
    for (auto _ : state) {
        int coperti = 0;
        for (const Tipo_Giocata& c : candidati) {
            coperti += indice.coperta(c, 5) ? 1 : 0;
        }
        benchmark::DoNotOptimize(coperti);
    }
    state.SetItemsProcessed(state.iterations() * CandidatiIndice);
}
BENCHMARK(BM_CoperturaIndice);

void BM_CoperturaLetterale(benchmark::State& state)
{
    GeneratoreCasuale gen;
    gen.imposta(1);
    const auto giocate = Casuali(gen, GiocateIndice, 5);
    const auto candidati = Casuali(gen, CandidatiIndice, 5);
    for (auto _ : state) {
        int coperti = 0;
        for (const Tipo_Giocata& c : candidati) {
            coperti += CopertaLetterale(c, 5, giocate.data(), giocate.size(), 3) ? 1 : 0;
        }
        benchmark::DoNotOptimize(coperti);
    }
    state.SetItemsProcessed(state.iterations() * CandidatiIndice);
}
BENCHMARK(BM_CoperturaLetterale);

// The single pass of the play reduction on the whole development of 90 numbers in cinquine (43,949,268
// plays), terno guarantee. The development is rebuilt outside the timing.
void BM_GaraGioPassataSingola90(benchmark::State& state)
{
    ElencoGiocate elenco;
    Sistema s = PronosticoGaranzia(90, 5);
    EsecuzioneContinua continua;
    GeneratoreCasuale gen;
    for (auto _ : state) {
        state.PauseTiming();
        elenco.svuota();
        (void)SviluppoIntegrale(s, false, elenco, continua);
        ParametriGaraGio p;
        p.garanzia = 3;
        p.numeriGiocate = 5;
        p.numeriUsati = NumeriNelleGiocate(elenco);
        state.ResumeTiming();
        const EsitoGaranzia e = RiduzioneGiocateGaranzia(s, elenco, p, nullptr, gen, continua);
        state.counters["giocate"] = static_cast<double>(e.esito.giocate);
    }
}
BENCHMARK(BM_GaraGioPassataSingola90)->Unit(benchmark::kMillisecond)->Iterations(1);

// The greedy path of the prediction reduction: 30 numbers, k = 5, terno guarantee.
void BM_GaraProAvido30(benchmark::State& state)
{
    for (auto _ : state) {
        Sistema s = PronosticoGaranzia(30, 5);
        ElencoGiocate elenco;
        EsecuzioneContinua continua;
        GeneratoreCasuale gen;
        ParametriGaraPro p;
        p.garanzia = 3;
        const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
        state.counters["giocate"] = static_cast<double>(e.esito.giocate);
    }
}
BENCHMARK(BM_GaraProAvido30)->Unit(benchmark::kMillisecond);

// The merge path: 40 numbers, k = 10, quaterna guarantee.
void BM_GaraProAccorpa40(benchmark::State& state)
{
    for (auto _ : state) {
        Sistema s = PronosticoGaranzia(40, 10);
        ElencoGiocate elenco;
        EsecuzioneContinua continua;
        GeneratoreCasuale gen;
        ParametriGaraPro p;
        p.garanzia = 4;
        const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
        state.counters["giocate"] = static_cast<double>(e.esito.giocate);
    }
}
BENCHMARK(BM_GaraProAccorpa40)->Unit(benchmark::kMillisecond);

} // namespace
