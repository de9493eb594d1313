#include "core/archivio_testo.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/campione_storico.h"
#include "reductions/rid_condizionata.h"

#include "comune_bench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace bench;

Sistema Pronostico(int n, int k)
{
    Sistema s;
    for (int i = 0; i < n; ++i) {
        s.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    s.numeriPerGiocata = k;
    return s;
}

// What a player typically asks: 2 or 3 even numbers, sum 150..300, at most two consecutive numbers,
// no error allowed.
CondizioniRiduzione CondizioniTipiche()
{
    CondizioniRiduzione c;
    c.setAbilitato(Criterio::NumeriPari, true);
    c.insieme(Criterio::NumeriPari)[2] = c.insieme(Criterio::NumeriPari)[3] = 1;
    c.setAbilitato(Criterio::Somma, true);
    c.lista(Criterio::Somma).numero = 1;
    c.lista(Criterio::Somma).minimi[0] = 150;
    c.lista(Criterio::Somma).massimi[0] = 300;
    c.setAbilitato(Criterio::Consecutivi, true);
    auto& consecutivi = c.insieme(Criterio::Consecutivi);
    consecutivi[0] = consecutivi[1] = consecutivi[2] = 1;
    c.setAbilitato(Criterio::ErroriConsentiti, true);
    c.errori[0] = 1;
    return c;
}

// The conditional reduction of 90 numbers in plays of 5 against the bare full development of the same
// prediction, both into a fresh list, in the same iteration so that the ratio compares like with like.
void BM_CondizionataSuSviluppo(benchmark::State& state)
{
    const CondizioniRiduzione condizioni = CondizioniTipiche();
    double condizionata = 0;
    double sviluppo = 0;
    std::int64_t accettate = 0;
    for (auto _ : state) {
        const double c = Secondi([&] {
            Sistema s = Pronostico(90, 5);
            ElencoGiocate elenco;
            ControlloConteggio controllo;
            const EsitoRiduzione esito =
                RiduzioneCondizionata(s, elenco, condizioni, ModoCondizionata::Pronostico, false, controllo);
            accettate = esito.giocate;
            benchmark::DoNotOptimize(elenco.dati());
        });
        const double v = Secondi([&] {
            Sistema s = Pronostico(90, 5);
            ElencoGiocate elenco;
            ControlloConteggio controllo;
            const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, controllo);
            benchmark::DoNotOptimize(esito.aggiunte);
            benchmark::DoNotOptimize(elenco.dati());
        });
        condizionata += c;
        sviluppo += v;
        state.SetIterationTime(c + v);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["condizionata_ms"] = condizionata * 1000 / n;
    state.counters["sviluppo_ms"] = sviluppo * 1000 / n;
    state.counters["rapporto"] = sviluppo > 0 ? condizionata / sviluppo : 0;
    state.counters["accettate"] = static_cast<double>(accettate);
}
BENCHMARK(BM_CondizionataSuSviluppo)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The plays mode over the full development of 90 in 5 already in the list (swap with the last).
void BM_CondizionataSuGiocate(benchmark::State& state)
{
    const CondizioniRiduzione condizioni = CondizioniTipiche();
    for (auto _ : state) {
        state.PauseTiming();
        Sistema s = Pronostico(90, 5);
        ElencoGiocate elenco;
        ControlloConteggio controllo;
        (void)SviluppoIntegrale(s, false, elenco, controllo);
        state.ResumeTiming();
        const EsitoRiduzione esito =
            RiduzioneCondizionata(s, elenco, condizioni, ModoCondizionata::Giocate, false, controllo);
        benchmark::DoNotOptimize(esito.giocate);
    }
}
BENCHMARK(BM_CondizionataSuGiocate)->Iterations(2)->Unit(benchmark::kMillisecond);

// One refresh of the historic chart on the real archive: "Tutte", sizes Cinquine (0) to Ambi (3), for
// the sum (a plain value) and for "Errori consentiti" (the whole test on every combination).
void BM_GraficoStorico(benchmark::State& state)
{
    const ArchivioStorico& archivio = ArchivioReale();
    if (archivio.vuoto()) {
        state.SkipWithError("archive not found");
        return;
    }
    const Criterio criterio = CriterioDi(static_cast<int>(state.range(0)));
    const CampioneStorico campione(archivio, CampioneStorico::SceltaTutte, static_cast<int>(state.range(1)));
    const CondizioniRiduzione condizioni = CondizioniTipiche();
    std::int64_t combinazioni = 0;
    for (auto _ : state) {
        const auto istogramma = IstogrammaCriterio(criterio, condizioni, campione);
        const GraficoCondizione grafico = CostruisciGrafico(criterio, istogramma, condizioni);
        combinazioni = grafico.totale;
        benchmark::DoNotOptimize(grafico.barre.data());
    }
    state.counters["estrazioni"] = archivio.conteggio();
    state.counters["combinazioni"] = static_cast<double>(combinazioni);
}
BENCHMARK(BM_GraficoStorico)
    ->Args({static_cast<int>(Criterio::Somma), 0})
    ->Args({static_cast<int>(Criterio::Somma), 3})
    ->Args({static_cast<int>(Criterio::ErroriConsentiti), 0})
    ->Args({static_cast<int>(Criterio::ErroriConsentiti), 3})
    ->Unit(benchmark::kMillisecond);

} // namespace
