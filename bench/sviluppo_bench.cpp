#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

// 90 numbers in plays of 5: C(90, 5) plays of 10 bytes.
constexpr std::int64_t Giocate90in5 = 43'949'268;
constexpr std::size_t Byte90in5 = static_cast<std::size_t>(Giocate90in5) * sizeof(Tipo_Giocata);

// Counts the polls through a virtual call, as a window's control would be reached.
class ControlloConteggio final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento& stato) override
    {
        ++verifiche;
        benchmark::DoNotOptimize(stato.prodotti);
        return true;
    }
    std::int64_t verifiche = 0;
};

Sistema Pronostico(int n, int k)
{
    Sistema s;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    return s;
}

// One full development into a fresh list, the list's growth and release included; seconds.
double SviluppaUnaVolta(int n, int k, std::int64_t& prodotte)
{
    Sistema s = Pronostico(n, k);
    ElencoGiocate elenco;
    ControlloConteggio controllo;
    const auto inizio = std::chrono::steady_clock::now();
    const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, controllo);
    benchmark::DoNotOptimize(elenco.dati());
    benchmark::ClobberMemory();
    const auto fine = std::chrono::steady_clock::now();
    prodotte = esito.aggiunte;
    return std::chrono::duration<double>(fine - inizio).count();
}

// The same number of bytes written into memory just allocated, freed afterwards; seconds.
double RiempiMemoriaNuova(std::size_t byte)
{
    const auto inizio = std::chrono::steady_clock::now();
    auto* blocco = static_cast<unsigned char*>(std::malloc(byte));
    if (blocco == nullptr) {
        return 0;
    }
    std::memset(blocco, 1, byte);
    benchmark::DoNotOptimize(blocco);
    benchmark::ClobberMemory();
    const auto fine = std::chrono::steady_clock::now();
    std::free(blocco);
    return std::chrono::duration<double>(fine - inizio).count();
}

void BM_SviluppoIntegrale(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const int k = static_cast<int>(state.range(1));
    std::int64_t prodotte = 0;
    for (auto _ : state) {
        state.SetIterationTime(SviluppaUnaVolta(n, k, prodotte));
    }
    state.SetItemsProcessed(state.iterations() * prodotte);
    state.SetBytesProcessed(state.iterations() * prodotte * static_cast<std::int64_t>(sizeof(Tipo_Giocata)));
}
BENCHMARK(BM_SviluppoIntegrale)->Args({40, 5})->Args({90, 5})->UseManualTime()->Unit(benchmark::kMillisecond);

// The floor the development is measured against: the bytes of 90 in 5 written with memset into
// fresh memory (page faults included, as the development's growth has them too).
void BM_ScritturaMemoriaNuova(benchmark::State& state)
{
    for (auto _ : state) {
        state.SetIterationTime(RiempiMemoriaNuova(Byte90in5));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Byte90in5));
}
BENCHMARK(BM_ScritturaMemoriaNuova)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both in the same iteration, so that the ratio compares runs under the same machine load.
void BM_RapportoSviluppoSuMemoria(benchmark::State& state)
{
    double sviluppo = 0;
    double memoria = 0;
    std::int64_t prodotte = 0;
    for (auto _ : state) {
        const double s = SviluppaUnaVolta(90, 5, prodotte);
        const double m = RiempiMemoriaNuova(Byte90in5);
        sviluppo += s;
        memoria += m;
        state.SetIterationTime(s + m);
    }
    if (prodotte != Giocate90in5) {
        state.SkipWithError("unexpected number of plays");
        return;
    }
    state.counters["sviluppo_ms"] = sviluppo * 1000 / static_cast<double>(state.iterations());
    state.counters["memoria_ms"] = memoria * 1000 / static_cast<double>(state.iterations());
    state.counters["rapporto"] = memoria > 0 ? sviluppo / memoria : 0;
}
BENCHMARK(BM_RapportoSviluppoSuMemoria)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Enumeration alone, nothing stored: the cost of one step of the iterator.
void BM_CombinazioniPronostico(benchmark::State& state)
{
    const Sistema s = Pronostico(static_cast<int>(state.range(0)), 5);
    std::int64_t passi = 0;
    for (auto _ : state) {
        CombinazioniPronostico c(s.pronostico, 5);
        std::uint32_t somma = 0;
        do {
            somma += c.giocata()[4];
            ++passi;
        } while (c.avanza());
        benchmark::DoNotOptimize(somma);
    }
    state.SetItemsProcessed(passi);
}
BENCHMARK(BM_CombinazioniPronostico)->Arg(40)->Unit(benchmark::kMillisecond);

// Developing into a list that already holds the same development: one cursor comparison per
// candidate and nothing added.
void BM_SviluppoSuSviluppoEsistente(benchmark::State& state)
{
    Sistema s = Pronostico(static_cast<int>(state.range(0)), 5);
    ElencoGiocate elenco;
    EsecuzioneContinua continua;
    if (SviluppoIntegrale(s, false, elenco, continua).codice != CodiceSviluppo::Completato) {
        state.SkipWithError("first development failed");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SviluppoIntegrale(s, false, elenco, continua).codice);
    }
    state.SetItemsProcessed(state.iterations() * elenco.conteggio());
}
BENCHMARK(BM_SviluppoSuSviluppoEsistente)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace
