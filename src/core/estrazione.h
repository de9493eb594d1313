#pragma once

#include "core/ruote.h"

#include <array>
#include <cstdint>

// One historic draw, 60 bytes, the same image in memory and in the archive file: the 55 numbers
// position by position (all the first numbers of the eleven wheels, then all the second ones, ...),
// then day, month, a reserved zero byte and the year (16-bit little-endian). A wheel whose first
// number is 0 has no data in that draw (wartime gaps, Nazionale before 2005).
struct Tipo_Estrazione
{
    std::array<std::uint8_t, 55> numeri{};
    std::uint8_t giorno = 0;
    std::uint8_t mese = 0;
    std::uint8_t riservato = 0;
    std::uint8_t annoBasso = 0; // year, low byte
    std::uint8_t annoAlto = 0;  // year, high byte

    // Number drawn in position p (1..5) on archive wheel w (1..11).
    std::uint8_t numero(int w, int p) const { return numeri[(p - 1) * RuoteArchivio + (w - 1)]; }
    void setNumero(int w, int p, std::uint8_t n) { numeri[(p - 1) * RuoteArchivio + (w - 1)] = n; }
    bool haDati(int w) const { return numero(w, 1) != 0; }

    int anno() const { return annoBasso | (annoAlto << 8); }
    void setAnno(int a)
    {
        annoBasso = static_cast<std::uint8_t>(a & 0xFF);
        annoAlto = static_cast<std::uint8_t>((a >> 8) & 0xFF);
    }
    // yyyymmdd as a number: orders dates like the eight-character keys.
    std::int32_t chiaveData() const { return anno() * 10000 + mese * 100 + giorno; }
};

static_assert(sizeof(Tipo_Estrazione) == 60, "the draw record is a 60-byte image");
