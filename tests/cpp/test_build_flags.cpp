// The double-double algorithms are only exact when every operation is rounded
// to binary64 on its own.  These checks fail if the build lets the compiler
// fuse a multiply and an add, or keeps intermediates in extended precision.
#include "tests/cpp/bits.hpp"

using tarsel_test::bits_of;

namespace {

// Opaque to the optimiser, so nothing below is folded at compile time.
volatile double opaque_one = 1.0;

} // namespace

TEST(BuildFlags, ProductIsRoundedBeforeTheSubtraction)
{
    const double u = opaque_one + 0x1p-30;
    const double p = u * u;       // 1 + 2^-29, the 2^-60 tail rounded away
    const double residue = u * u - p; // a fused multiply-add would give 2^-60
    EXPECT_EQ(bits_of(residue), 0u);
    EXPECT_EQ(bits_of(tarsel_exact_mul_err(u, u, p)), bits_of(0x1p-60));
}

TEST(BuildFlags, SumIsRoundedOnceToDouble)
{
    // 1 + (2^-53 + 2^-105) rounds up to 1 + 2^-52 in binary64; through an
    // 80-bit register the tail is lost first and the tie then rounds to 1.
    const double tail = opaque_one * (0x1p-53 + 0x1p-105);
    const double sum = opaque_one + tail;
    EXPECT_EQ(bits_of(sum), bits_of(1.0 + 0x1p-52));
}
