#pragma once

#include <bit>
#include <cstdint>

// The set bits of a word. For the default x86-64 target, which lacks the popcnt instruction, the
// compiler turns std::popcount into a call into its runtime library; counting in a dozen arithmetic
// operations inline is several times cheaper in the loops that count bits per candidate play.
constexpr int ContaBit(std::uint64_t x)
{
#if defined(__POPCNT__) || !(defined(__x86_64__) || defined(__i386__))
    return std::popcount(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}
