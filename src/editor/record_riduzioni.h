#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The settings record of every reduction method, in the byte layout its settings file and the
// system file share. A method's own module gives the meaning of its record; until then the
// record travels as an opaque block of the right size.
template <std::size_t N> using BloccoRecord = std::array<std::uint8_t, N>;

struct RecordRiduzioni
{
    BloccoRecord<17888> condizionata{};  // Quarvin.con
    BloccoRecord<15160> giocateFiltro{}; // Filtri.def
    BloccoRecord<1968> probabilitaRitardi{};
    BloccoRecord<1976> probabilitaFrequenze{};
    BloccoRecord<2328> probabilitaPersonali{};
    BloccoRecord<1968> frequenze{};
    BloccoRecord<1968> ritardi{};
    BloccoRecord<1508> confrontoStorico{}; // ConfSto.def
    BloccoRecord<884> intervalli{};        // Intervalli.def
    BloccoRecord<124> cadenze{};           // Cadenze.def
    BloccoRecord<112> figure{};            // Figure.def
    BloccoRecord<112> decine{};            // Decine.def
    // Sostituzioni.def. Not carried in the system file: every new system and every opened system
    // takes the table from the settings file.
    BloccoRecord<2008> sostituzioni{};
};

// Little-endian fields at a byte offset of a record block (the blocks are the files' images).
static_assert(std::endian::native == std::endian::little, "record blocks are little-endian images");

template <std::size_t N>
void ScriviCampoInt32(BloccoRecord<N>& blocco, std::size_t offset, std::int32_t valore)
{
    assert(offset + sizeof valore <= N);
    std::memcpy(blocco.data() + offset, &valore, sizeof valore);
}

template <std::size_t N> void ScriviCampoDouble(BloccoRecord<N>& blocco, std::size_t offset, double valore)
{
    assert(offset + sizeof valore <= N);
    std::memcpy(blocco.data() + offset, &valore, sizeof valore);
}

template <std::size_t N> std::int32_t LeggiCampoInt32(const BloccoRecord<N>& blocco, std::size_t offset)
{
    assert(offset + sizeof(std::int32_t) <= N);
    std::int32_t valore = 0;
    std::memcpy(&valore, blocco.data() + offset, sizeof valore);
    return valore;
}

template <std::size_t N> double LeggiCampoDouble(const BloccoRecord<N>& blocco, std::size_t offset)
{
    assert(offset + sizeof(double) <= N);
    double valore = 0;
    std::memcpy(&valore, blocco.data() + offset, sizeof valore);
    return valore;
}
