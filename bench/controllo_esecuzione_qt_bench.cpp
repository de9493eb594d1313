#include "core/esecuzione.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QApplication>
#include <QProgressBar>

#include <benchmark/benchmark.h>

namespace {

// Never asked anything in these runs.
class MessaggiMuti final : public ServizioMessaggi
{
public:
    Risposta mostra(const Messaggio& messaggio) override { return messaggio.predefinita; }
};

// A poll when nothing is due: no stop request and the last repaint less than the interval ago, so
// the poll is one clock read. This is what a run pays every 64 candidates.
void BM_VerificaSenzaNullaDaFare(benchmark::State& state)
{
    MessaggiMuti messaggi;
    QProgressBar barra;
    barra.setRange(0, 100);
    ControlloEsecuzioneQt controllo(messaggi, &barra);
    controllo.azzera();
    Avanzamento stato;
    stato.totale = 1e9;
    // The first poll repaints and processes events; the ones measured come right after it.
    benchmark::DoNotOptimize(controllo.verifica(stato));
    for (auto _ : state) {
        stato.elaborati += 64;
        benchmark::DoNotOptimize(controllo.verifica(stato));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VerificaSenzaNullaDaFare);

// The full development of 90 numbers in plays of 5 with the window's poll, as the dialog runs it
// (the bar repainted and events processed every 20 ms).
void BM_SviluppoIntegraleConControlloQt(benchmark::State& state)
{
    MessaggiMuti messaggi;
    QProgressBar barra;
    barra.setRange(0, 100);
    std::int64_t prodotte = 0;
    for (auto _ : state) {
        Sistema s;
        for (int i = 0; i < 90; ++i) {
            s.pronostico[static_cast<std::size_t>(i)] = 1;
        }
        s.numeriPerGiocata = 5;
        ElencoGiocate elenco;
        ControlloEsecuzioneQt controllo(messaggi, &barra);
        controllo.azzera();
        const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, controllo);
        prodotte = esito.aggiunte;
        benchmark::DoNotOptimize(elenco.dati());
    }
    state.SetItemsProcessed(state.iterations() * prodotte);
}
BENCHMARK(BM_SviluppoIntegraleConControlloQt)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
