#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The settings record of every reduction method, in the byte layout its settings file and the
// system file share. A method's own module gives the meaning of its record; until then the
// record travels as an opaque block of the right size.
template <std::size_t N>
using BloccoRecord = std::array<std::uint8_t, N>;

struct RecordRiduzioni
{
    BloccoRecord<17888> condizionata{};     // Quarvin.con
    BloccoRecord<15160> giocateFiltro{};    // Filtri.def
    BloccoRecord<1968> probabilitaRitardi{};
    BloccoRecord<1976> probabilitaFrequenze{};
    BloccoRecord<2328> probabilitaPersonali{};
    BloccoRecord<1968> frequenze{};
    BloccoRecord<1968> ritardi{};
    BloccoRecord<1508> confrontoStorico{};  // ConfSto.def
    BloccoRecord<884> intervalli{};         // Intervalli.def
    BloccoRecord<124> cadenze{};            // Cadenze.def
    BloccoRecord<112> figure{};             // Figure.def
    BloccoRecord<112> decine{};             // Decine.def
};
