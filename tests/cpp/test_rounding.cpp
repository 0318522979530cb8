// Rounding to integers and the truncated remainder.
#include <cmath>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_math.h"

using namespace tarsel_test;

namespace {

struct RoundCase {
    double x_hi, x_lo, floor_hi, floor_lo, ceil_hi, ceil_lo, trunc_hi, trunc_lo, round_hi, round_lo;
};

} // namespace

TEST(Rounding, FourRoundingsOfTheSameValues)
{
    // A part that rounds to zero keeps its sign (ceil -0.25 is -0), so a zero
    // low part can come out as -0; a zero high part is +0 after the two-sum.
    const RoundCase cases[] = {
        // x                floor           ceil            trunc           round
        {3.0, -1e-17,       2.0, 0.0,       3.0, -0.0,       2.0, 0.0,       3.0, 0.0},
        {3.0, 1e-17,        3.0, 0.0,       4.0, 0.0,       3.0, 0.0,       3.0, 0.0},
        {-3.0, 1e-17,       -3.0, 0.0,      -2.0, 0.0,      -2.0, 0.0,      -3.0, 0.0},
        {2.5, 1e-17,        2.0, 0.0,       3.0, 0.0,       2.0, 0.0,       3.0, 0.0},
        {2.5, 0.0,          2.0, 0.0,       3.0, 0.0,       2.0, 0.0,       3.0, 0.0},
        {-2.5, 0.0,         -3.0, 0.0,      -2.0, 0.0,      -2.0, 0.0,      -3.0, 0.0},
        {0.5, 0.0,          0.0, 0.0,       1.0, 0.0,       0.0, 0.0,       1.0, 0.0},
        {-0.5, 0.0,         -1.0, 0.0,      0.0, 0.0,       0.0, 0.0,       -1.0, 0.0},
        {0.5, -1e-20,       0.0, 0.0,       1.0, 0.0,       0.0, 0.0,       0.0, 0.0},
        {-0.0, 0.0,         0.0, 0.0,       0.0, 0.0,       0.0, 0.0,       0.0, 0.0},
        {two60, -0.25,      two60, -1.0,    two60, -0.0,     two60, -1.0,    two60, 0.0},
        {-two60, 0.75,      -two60, 0.0,    -two60, 1.0,    -two60, 1.0,    -two60, 1.0},
        {0.0, -0.25,        -1.0, 0.0,      0.0, -0.0,      0.0, -0.0,      0.0, 0.0},
        {4503599627370495.5, 0.0, 4503599627370495.0, 0.0, 4503599627370496.0, 0.0,
         4503599627370495.0, 0.0, 4503599627370496.0, 0.0},
    };
    for (const RoundCase &c : cases) {
        tarsel x = dd(c.x_hi, c.x_lo);
        EXPECT_TRUE(same_bits(tarsel_floor(x), c.floor_hi, c.floor_lo)) << "floor " << c.x_hi << " " << c.x_lo;
        EXPECT_TRUE(same_bits(tarsel_ceil(x), c.ceil_hi, c.ceil_lo)) << "ceil " << c.x_hi << " " << c.x_lo;
        EXPECT_TRUE(same_bits(tarsel_trunc(x), c.trunc_hi, c.trunc_lo)) << "trunc " << c.x_hi << " " << c.x_lo;
        EXPECT_TRUE(same_bits(tarsel_round(x), c.round_hi, c.round_lo)) << "round " << c.x_hi << " " << c.x_lo;
    }
}

TEST(Rounding, InfinitiesComeBackWithAZeroLowPart)
{
    for (double x : {inf, -inf}) {
        EXPECT_TRUE(same_bits(tarsel_floor(dd(x)), x, 0.0));
        EXPECT_TRUE(same_bits(tarsel_ceil(dd(x)), x, 0.0));
        EXPECT_TRUE(same_bits(tarsel_trunc(dd(x)), x, 0.0));
        EXPECT_TRUE(same_bits(tarsel_round(dd(x)), x, 0.0));
    }
}

TEST(Rounding, NaNStaysNaN)
{
    for (tarsel x : {dd(nan_), dd(nan_, 1.0)}) {
        EXPECT_TRUE(tarsel_isnan(tarsel_floor(x)));
        EXPECT_TRUE(tarsel_isnan(tarsel_ceil(x)));
        EXPECT_TRUE(tarsel_isnan(tarsel_trunc(x)));
        EXPECT_TRUE(tarsel_isnan(tarsel_round(x)));
    }
}

TEST(Remainder, SignFollowsTheDividend)
{
    const struct {
        double a, b, want;
    } cases[] = {
        {7.0, 3.0, 1.0}, {-7.0, 3.0, -1.0}, {7.0, -3.0, 1.0}, {-7.0, -3.0, -1.0}, {2.0, 5.0, 2.0}, {6.0, 3.0, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_fmod(dd(c.a), dd(c.b)), c.want, 0.0)) << c.a << " fmod " << c.b;
}

TEST(Remainder, KeepsTheLowPartBeyondDoublePrecision)
{
    // (1e17 + 0.5) mod 3: 1e17 = 3 * 33333333333333333 + 1.
    double hi, lo;
    tarsel_extract(tarsel_fmod(dd(1e17, 0.5), dd(3.0)), &hi, &lo);
    EXPECT_EQ(hi, 1.5);
    EXPECT_EQ(lo, 0.0);
}

TEST(Remainder, NaNOperandsGiveNaN)
{
    EXPECT_TRUE(tarsel_isnan(tarsel_fmod(dd(nan_), dd(3.0))));
    EXPECT_TRUE(tarsel_isnan(tarsel_fmod(dd(3.0), dd(nan_))));
    EXPECT_TRUE(tarsel_isnan(tarsel_fmod(dd(3.0), dd(0.0))));
}
