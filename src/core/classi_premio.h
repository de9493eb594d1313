#pragma once

#include <array>
#include <string_view>

// Stake slots per prize class (1-based, as stored).
enum ClassePremio : int {
    Estratto = 1,
    Ambo = 2,
    Terno = 3,
    Quaterna = 4,
    Cinquina = 5,
    EstrattoDeterminato = 6,
    Ambetto = 7,
};

constexpr int NumeroImporti = 10;  // stake slots stored; 8..10 stay 0
constexpr int NumeroPosizioni = 5; // extraction positions 1..5 of the Estratto determinato

// Numbers per play a class needs before its stake can be entered (index = slot).
constexpr std::array<int, 8> NumeriMinimiClasse = {0, 1, 2, 3, 4, 5, 1, 2};

constexpr std::array<std::string_view, 8> NomiClassi = {
    "", "Estratto", "Ambo", "Terno", "Quaterna", "Cinquina", "Estratto determinato", "Ambetto",
};
