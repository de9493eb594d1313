#include "reducers/applica_riduttore.h"
#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>
#include <random>
#include <string>

namespace {

// 100,000 distinct random plays of 6 positions of 1..30, written to a file and read back (the read is
// part of what the window does before a run).
RiduttorePersonale RiduttoreGrande()
{
    std::mt19937 caso(17);
    std::vector<int> posizioni(30);
    std::iota(posizioni.begin(), posizioni.end(), 1);
    std::vector<std::string> righe;
    for (int g = 0; g < 100000; ++g) {
        std::shuffle(posizioni.begin(), posizioni.end(), caso);
        Tipo_Giocata giocata{};
        for (std::size_t i = 0; i < 6; ++i) {
            giocata[i] = static_cast<std::uint8_t>(posizioni[i]);
        }
        OrdinaGiocata(giocata);
        righe.push_back(TestoGiocata(giocata));
    }
    return ValidaRigheRiduttore(righe, "").riduttore;
}

void BM_ApplicaRiduttore100000(benchmark::State& stato)
{
    const RiduttorePersonale riduttore = RiduttoreGrande();
    const std::string percorso =
        (std::filesystem::temp_directory_path() / "quarvin_bench_grande.rid").string();
    if (!ScriviFileRiduttore(percorso, riduttore)) {
        stato.SkipWithError("file non scritto");
        return;
    }
    Sistema sistema;
    for (int n = 31; n <= 60; ++n) {
        sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    sistema.numeriPerGiocata = 6;
    ElencoGiocate giocate;
    EsecuzioneContinua continua;
    for (auto _ : stato) {
        giocate.svuota();
        const EsitoLetturaRiduttore letto = LeggiFileRiduttore(percorso);
        const EsitoRiduzione esito = ApplicaRiduttore(sistema, giocate, letto.riduttore, false, continua);
        benchmark::DoNotOptimize(esito.giocate);
    }
    std::filesystem::remove(percorso);
}
BENCHMARK(BM_ApplicaRiduttore100000)->Unit(benchmark::kMillisecond);

void BM_ElencoRiduttori1000(benchmark::State& stato)
{
    const std::filesystem::path cartella = std::filesystem::temp_directory_path() / "quarvin_bench_riduttori";
    std::filesystem::create_directories(cartella);
    RiduttorePersonale r;
    r.m = 12;
    r.commenti = "riduttore di prova";
    for (int g = 0; g < 50; ++g) {
        r.giocate.push_back(Tipo_Giocata{1, 2, 3, static_cast<std::uint8_t>(4 + g % 9)});
    }
    for (int i = 0; i < 1000; ++i) {
        if (!ScriviFileRiduttore((cartella / ("r" + std::to_string(i) + ".rid")).string(), r)) {
            stato.SkipWithError("file non scritto");
            return;
        }
    }
    for (auto _ : stato) {
        benchmark::DoNotOptimize(ElencoRiduttori(cartella.string()).size());
    }
    std::filesystem::remove_all(cartella);
}
BENCHMARK(BM_ElencoRiduttori1000)->Unit(benchmark::kMillisecond);

} // namespace
