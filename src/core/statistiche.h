#pragma once

#include "core/archivio_storico.h"
#include "core/impostazioni_generali.h"
#include "core/ruote.h"

#include <array>
#include <cstdint>

// The per-number statistics every view and reduction shares, recomputed from the archive, the
// system's wheels and the probability settings.
struct StatisticheNumeri
{
    // [w][n] with w = 1..12 (12: the ten regional wheels together) and n = 1..90; index 0 unused.
    using Tabella = std::array<std::array<std::int32_t, 91>, 13>;

    Tabella ritardi{};                    // TabellaRitardi
    Tabella frequenze{};                  // TabellaFrequenze over the last IFNumEstra draws
    std::array<double, 91> probabilita{}; // ProbabilitaNumeri, index 1..90

    // d[n] and f[n] on the selected wheels, before the probability blend shifts them (index 1..90):
    // d[n] the smallest delay over the set wheel flags (Tutte reads row 12; 10000000 when no flag is
    // set), f[n] the frequency summed over the archive wheels the flags select (RuotaSelezionata).
    std::array<std::int32_t, 91> ritardoSelezionate{};
    std::array<std::int32_t, 91> frequenzaSelezionate{};
};

// Rewrites every table. One backward pass over the archive finds every delay; the frequency window
// is max(1, count - N + 1) .. count (N = ifNumEstra, below 1 taken as 1). An empty archive gives zeros
// everywhere. A wheel without data in a draw (zeros) is skipped, but the draw still counts in the
// delays of that wheel. Cost: the draws back to the oldest most-recent occurrence plus the window;
// microseconds on the full archive, fine after every wheel click.
void RicalcolaStatistiche(const ArchivioStorico& archivio, const SegniRuote& ruote,
                          const ImpostazioniGenerali& impostazioni, StatisticheNumeri& statistiche);
