#pragma once

// What the benchmarks share: a run control that only keeps the polls from being optimised away, the
// official archive of the sources, and timing by the thread's processor time, so that a ratio of two
// runs in one iteration holds on a busy machine, where wall time also counts the other processes.

#include "core/archivio_storico.h"
#include "core/archivio_testo.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

namespace bench {

class ControlloConteggio final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento& stato) override
    {
        benchmark::DoNotOptimize(stato.prodotti);
        return true;
    }
};

// The official archive shipped with the sources.
inline const ArchivioStorico& ArchivioReale()
{
    static const ArchivioStorico archivio = [] {
        ArchivioStorico a;
        (void)ImportaFileArchivioTesto(std::string(QUARVIN_CARTELLA_SORGENTI) + "/data/storico.txt", a);
        return a;
    }();
    return archivio;
}

// 90 numbers in plays of 5: 43,949,268 candidates.
inline Sistema NovantaInCinque()
{
    Sistema s;
    s.pronostico.fill(1);
    s.numeriPerGiocata = 5;
    return s;
}

inline double TempoProcessore()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The processor seconds of one call.
template <typename Lavoro> double Secondi(Lavoro&& lavoro)
{
    const double inizio = TempoProcessore();
    lavoro();
    return TempoProcessore() - inizio;
}

} // namespace bench
