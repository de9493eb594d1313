#include "core/conta_bit.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

// The inline count agrees with the standard one on the words at the edges of every step of its
// arithmetic and on random words.
TEST(ContaBit, ComeIlConteggioStandard)
{
    static_assert(ContaBit(0) == 0 && ContaBit(~std::uint64_t{0}) == 64 &&
                  ContaBit(0x8000000000000001ULL) == 2);
    for (int b = 0; b < 64; ++b) {
        const std::uint64_t uno = std::uint64_t{1} << b;
        EXPECT_EQ(ContaBit(uno), 1) << b;
        EXPECT_EQ(ContaBit(uno - 1), b) << b;
        EXPECT_EQ(ContaBit(~uno), 63) << b;
    }
    std::mt19937_64 caso(7);
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t x = caso() & caso();
        ASSERT_EQ(ContaBit(x), std::popcount(x)) << x;
    }
}
