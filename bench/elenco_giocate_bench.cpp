#include "core/elenco_giocate.h"
#include "core/indice_combinazione.h"

#include <benchmark/benchmark.h>

namespace {

// Fills the list with the lexicographic development of 1..n in plays of 5.
void Sviluppa(ElencoGiocate& elenco, int n)
{
    std::int32_t c = 0;
    Tipo_Giocata g{};
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            for (int d = b + 1; d <= n; ++d) {
                for (int e = d + 1; e <= n; ++e) {
                    for (int f = e + 1; f <= n; ++f) {
                        if (c + 1 > elenco.capacita() && !elenco.AmpliaElenco()) {
                            return;
                        }
                        g = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                             static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(e),
                             static_cast<std::uint8_t>(f)};
                        elenco.voce(++c) = g;
                    }
                }
            }
        }
    }
    elenco.setConteggio(c);
}

// Looking up every play in list order: the cursor makes each lookup one comparison.
void BM_CercaGiocataInOrdine(benchmark::State& state)
{
    ElencoGiocate elenco;
    Sviluppa(elenco, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::int64_t trovate = 0;
        for (std::int32_t i = 1; i <= elenco.conteggio(); ++i) {
            trovate += elenco.CercaGiocata(elenco.voce(i)) != 0;
        }
        benchmark::DoNotOptimize(trovate);
    }
    state.SetItemsProcessed(state.iterations() * elenco.conteggio());
}
BENCHMARK(BM_CercaGiocataInOrdine)->Arg(30)->Arg(50);

// Appending n plays one at a time with growth on demand, as a development or a reduction that keeps
// tens of millions of plays does: the growth itself must not cost a pass over the new slots.
void BM_AccodaConCrescita(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    const Tipo_Giocata g{1, 2, 3, 4, 5};
    for (auto _ : state) {
        ElencoGiocate elenco;
        for (std::int32_t i = 1; i <= n; ++i) {
            if (i > elenco.capacita() && !elenco.AmpliaElenco()) {
                state.SkipWithError("memoria insufficiente");
                return;
            }
            elenco.voce(i) = g;
        }
        elenco.setConteggio(n);
        benchmark::DoNotOptimize(elenco.dati());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AccodaConCrescita)->Arg(40'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_IndiceCombinazione5(benchmark::State& state)
{
    ElencoGiocate elenco;
    Sviluppa(elenco, 40);
    for (auto _ : state) {
        std::int64_t somma = 0;
        for (std::int32_t i = 1; i <= elenco.conteggio(); ++i) {
            somma += IndiceCombinazione(elenco.voce(i), 5);
        }
        benchmark::DoNotOptimize(somma);
    }
    state.SetItemsProcessed(state.iterations() * elenco.conteggio());
}
BENCHMARK(BM_IndiceCombinazione5);

} // namespace
