#pragma once

#include <cstdint>

// The one pseudo-random generator of the program: a 32-bit linear congruential state
// (seme := seme * 134775813 + 1 mod 2^32). The same seed always gives the same sequence, so a run
// started with a given seed can be repeated exactly, in the window or from quarvin-cli --seme.
class GeneratoreCasuale
{
public:
    void imposta(std::uint32_t seme) { m_seme = seme; }
    std::uint32_t seme() const { return m_seme; }

    // Seeds from a clock reading (a high-resolution counter or the millisecond tick): its low 32 bits.
    void seminaDaOrologio(std::uint64_t contatore) { m_seme = static_cast<std::uint32_t>(contatore); }

    // A value in 0..n-1 (0 when n is 0). The state advances first; the value is the upper 32 bits of
    // the 64-bit product of the new state and n, so every value comes out with almost equal weight.
    std::uint32_t estrai(std::uint32_t n);

    // A uniform byte 0..255: estrai(256).
    std::uint8_t byteCasuale() { return static_cast<std::uint8_t>(estrai(256)); }

private:
    std::uint32_t m_seme = 0;
};

// The high-resolution counter of the standard library's steady clock, for seminaDaOrologio at start-up.
std::uint64_t ContatoreAltaRisoluzione();
