#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Wheel flags are kept in this order: the ten regional wheels, Nazionale, Tutte. The archive has
// columns 1..11 (no column for Tutte).
enum Ruota : int {
    Bari = 1,
    Cagliari,
    Firenze,
    Genova,
    Milano,
    Napoli,
    Palermo,
    Roma,
    Torino,
    Venezia,
    Nazionale = 11,
    Tutte = 12,
};

constexpr int NumeroRuote = 12;
constexpr int RuoteArchivio = 11;

using SegniRuote = std::array<std::uint8_t, NumeroRuote>;

// Names by wheel index 1..12 (index 0 is empty).
constexpr std::array<std::string_view, NumeroRuote + 1> NomiRuote = {
    "",        "Bari", "Cagliari", "Firenze", "Genova",    "Milano", "Napoli",
    "Palermo", "Roma", "Torino",   "Venezia", "Nazionale", "Tutte",
};

// Whether archive wheel w (1..11) is played: its own flag or Tutte, and Nazionale only by its own.
constexpr bool RuotaSelezionata(const SegniRuote& segni, int w)
{
    bool propriaOTutte = segni[w - 1] != 0 || segni[Tutte - 1] != 0;
    return propriaOTutte && (w != Nazionale || segni[Nazionale - 1] != 0);
}

// Number of set flags among the 12 (Tutte and Nazionale count one each).
constexpr int RuoteGiocate(const SegniRuote& segni)
{
    int n = 0;
    for (auto s : segni) {
        n += s != 0 ? 1 : 0;
    }
    return n;
}
