#include "checking/spoglio.h"

#include <benchmark/benchmark.h>

namespace {

// The 201376 plays of 5 numbers of 1..32, in lexicographic order.
void Sviluppa(ElencoGiocate& elenco)
{
    if (!elenco.AssicuraCapacita(201376)) {
        return;
    }
    std::int32_t c = 0;
    for (int a = 1; a <= 32; ++a) {
        for (int b = a + 1; b <= 32; ++b) {
            for (int d = b + 1; d <= 32; ++d) {
                for (int e = d + 1; e <= 32; ++e) {
                    for (int f = e + 1; f <= 32; ++f) {
                        elenco.voce(++c) = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                            static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(e),
                                            static_cast<std::uint8_t>(f)};
                    }
                }
            }
        }
    }
    elenco.setConteggio(c);
}

// A complete draw, five numbers of 1..90 on each wheel, about one in three of them within 1..32.
std::array<std::uint8_t, 55> Estrazione()
{
    std::array<std::uint8_t, 55> numeri{};
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        numeri[i] = static_cast<std::uint8_t>((i * 37 + 11) % 90 + 1);
    }
    return numeri;
}

// Range 0: stakes on the ambo only (most plays and wheels are skipped at once); 1: estratto, ambo and
// ambetto (most plays win something and write their report block). On Tutte.
void BM_Spoglio(benchmark::State& state)
{
    ElencoGiocate elenco;
    Sviluppa(elenco);
    ParametriVincite p;
    p.ruote[Tutte - 1] = 1;
    p.importi[Ambo - 1] = 1.0;
    if (state.range(0) == 1) {
        p.importi[Estratto - 1] = 0.5;
        p.importi[Ambetto - 1] = 0.5;
    }
    const auto numeri = Estrazione();
    for (auto _ : state) {
        const EsitoSpoglio esito = Spoglio(elenco, numeri, p, 2);
        benchmark::DoNotOptimize(esito.totale);
    }
    state.SetItemsProcessed(state.iterations() * elenco.conteggio());
}
BENCHMARK(BM_Spoglio)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
