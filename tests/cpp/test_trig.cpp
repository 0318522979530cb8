// Sine, cosine and tangent: the quadrant reduction and its edges.
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_math.h"

using namespace tarsel_test;

namespace {

double abs_error(tarsel got, double want)
{
    double hi, lo;
    tarsel_extract(tarsel_sub(got, dd(want)), &hi, &lo);
    return std::fabs(hi);
}

tarsel half_pi_times(double k) { return tarsel_mul(_tarsel_from_raw(_tarsel_pi_over_2_raw), dd(k)); }

} // namespace

TEST(SineCosine, NaNAndInfinitiesGiveLibraryNaNForBoth)
{
    for (tarsel x : {dd(nan_), dd(inf), dd(-inf), dd(-nan_, 1.0)}) {
        tarsel s = dd(7.0), c = dd(7.0);
        tarsel_sincos(x, &s, &c);
        EXPECT_TRUE(is_library_nan(s));
        EXPECT_TRUE(is_library_nan(c));
        EXPECT_TRUE(tarsel_isnan(tarsel_tan(x)));
    }
}

TEST(SineCosine, UnusableLowPartGivesNaNNotAnUndefinedCount)
{
    // A finite hi with a NaN, infinite or huge lo has no 64-bit quarter-turn
    // count; the sanitizer build traps the conversion if it is attempted.
    for (tarsel x : {dd(1.0, nan_), dd(1.0, inf), dd(-1.0, -inf), dd(1.0, 1e300)}) {
        tarsel s = dd(7.0), c = dd(7.0);
        tarsel_sincos(x, &s, &c);
        EXPECT_TRUE(is_library_nan(s));
        EXPECT_TRUE(is_library_nan(c));
    }
}

TEST(SineCosine, ZeroIsExact)
{
    EXPECT_TRUE(same_bits(tarsel_sin(dd(0.0)), 0.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_cos(dd(0.0)), 1.0, 0.0));
}

TEST(SineCosine, StoredHalfPiReducesToAnExactZero)
{
    // k = 1, r = 0: sine is cos_r, cosine is the negated sin_r, and the
    // tangent divides 1 by -0.
    tarsel x = _tarsel_from_raw(_tarsel_pi_over_2_raw);
    EXPECT_TRUE(same_bits(tarsel_sin(x), 1.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_cos(x), -0.0, -0.0));
    EXPECT_TRUE(same_bits(tarsel_tan(x), -inf, 0.0));
}

TEST(SineCosine, QuadrantTableHoldsForNegativeCounts)
{
    // x = k pi/2 for k = -5..5: sine and cosine cycle through 0, 1, 0, -1.
    const double sine_of_quadrant[4] = {0.0, 1.0, 0.0, -1.0};
    for (int k = -5; k <= 5; k++) {
        int q = ((k % 4) + 4) % 4;
        tarsel s, c;
        tarsel_sincos(half_pi_times(k), &s, &c);
        EXPECT_LT(abs_error(s, sine_of_quadrant[q]), 1e-30) << "k = " << k;
        EXPECT_LT(abs_error(c, sine_of_quadrant[(q + 1) % 4]), 1e-30) << "k = " << k;
    }
    // k = -1 exactly: q = 3, so the sine is -cos_r and the cosine sin_r.
    tarsel x = tarsel_neg(_tarsel_from_raw(_tarsel_pi_over_2_raw));
    EXPECT_TRUE(same_bits(tarsel_sin(x), -1.0, -0.0));
    EXPECT_TRUE(same_bits(tarsel_cos(x), 0.0, 0.0));
}

TEST(SineCosine, PythagoreanIdentityAndTangentAtQuarterPi)
{
    for (double x : {0.1, 0.7853981633974483, 1.0, -2.0, 3.0, 100.0, -1000.5}) {
        tarsel s, c;
        tarsel_sincos(dd(x), &s, &c);
        EXPECT_LT(abs_error(tarsel_add(tarsel_mul(s, s), tarsel_mul(c, c)), 1.0), 1e-31) << x;
    }
    tarsel quarter_pi = tarsel_mul(_tarsel_from_raw(_tarsel_pi_over_2_raw), dd(0.5));
    EXPECT_LT(abs_error(tarsel_tan(quarter_pi), 1.0), 1e-31);
}

TEST(SineCosine, LowPartCountsUpToTheHugeBound)
{
    // 9e18 itself takes the ordinary path, where lo still moves the result;
    // the next double takes the fmod path on hi alone.
    EXPECT_FALSE(tarsel_eq(tarsel_sin(dd(9e18)), tarsel_sin(dd(9e18, 1000.0))));
    double above = std::nextafter(9e18, inf);
    EXPECT_TRUE(tarsel_eq(tarsel_sin(dd(above)), tarsel_sin(dd(above, 1000.0))));
}

TEST(SineCosine, HugeArgumentsReduceByTheDoubleTwoPi)
{
    const double two_pi = 6.283185307179586;
    for (double x : {1e19, -1e19, std::nextafter(9e18, inf), -1e300}) {
        double reduced = std::fmod(x, two_pi);
        if (reduced < 0)
            reduced += two_pi;
        tarsel s, c, ws, wc;
        tarsel_sincos(dd(x), &s, &c);
        tarsel_sincos(dd(reduced), &ws, &wc);
        double s_hi, s_lo, c_hi, c_lo;
        tarsel_extract(ws, &s_hi, &s_lo);
        tarsel_extract(wc, &c_hi, &c_lo);
        EXPECT_TRUE(same_bits(s, s_hi, s_lo)) << x;
        EXPECT_TRUE(same_bits(c, c_hi, c_lo)) << x;
    }
}

TEST(SineCosine, QuarterTurnsInTheLowPartOfTheScaledArgumentAreCounted)
{
    // Above about 7.07e15 the high part of x 2/pi is an integer of 2^52 or
    // more; the quarter turns in its low part must enter k, or r grows to
    // hundreds and the series diverge (sin 9e18 came out near 9.3e44).
    const struct {
        double x, sin_x, cos_x;
    } cases[] = {
        {9e18, -0.4820076435744805, 0.8761670112117761},
        {-5e18, 0.8291276046395747, 0.5590594022325723},
        {1e17, -0.4645301048353727, -0.8855573282976307},
        {7.5e15, 0.11452079746541945, 0.99342085087232},
    };
    for (const auto &c : cases) {
        tarsel s, co;
        tarsel_sincos(dd(c.x), &s, &co);
        EXPECT_LT(abs_error(s, c.sin_x), 1e-13) << c.x;
        EXPECT_LT(abs_error(co, c.cos_x), 1e-13) << c.x;
    }
}

TEST(SineCosine, ReductionSeriesAndQuadrantGiveTheseExactBits)
{
    // Sine, cosine and tangent to the last bit of the low part, one argument
    // per quadrant and per reduction path.  The bits come from an independent
    // evaluation of the reduction, both Horner series and the quadrant table
    // in binary64; round and fmod are exact, so they hold on any libm.
    const struct {
        double x_hi, x_lo;
        std::uint64_t sin_hi, sin_lo, cos_hi, cos_lo, tan_hi, tan_lo;
    } cases[] = {
        {0.5, 0.0, 0x3FDEAEE8744B05F0ULL, 0xBC5789B43C9B027CULL, 0x3FEC1528065B7D50ULL, 0xBC8892111312E828ULL,
         0x3FE17B4F5BF3474AULL, 0x3C80C5E59201E209ULL}, // q = 0
        {2.0, 0.0, 0x3FED18F6EAD1B446ULL, 0xBC702A3DBF3BFFB2ULL, 0xBFDAA22657537205ULL, 0x3C76F3341D4D1236ULL,
         0xC0017AF62E0950F8ULL, 0xBC9DA84C843D57B6ULL}, // q = 1
        {3.5, 0.0, 0xBFD6733B7EBA621FULL, 0xBC6AE055844CF8C7ULL, 0xBFEDF77403C11A5FULL, 0x3C5094DD04296F84ULL,
         0x3FD7F9360C8212A7ULL, 0xBC7BC8DA3B25E836ULL}, // q = 2
        {-1.4, 0.0, 0xBFEF88CDDF44E102ULL, 0xBC795E70F85399EAULL, 0x3FC5C17BBC13570BULL, 0xBC66FA764A9798A0ULL,
         0xC01731086DC00A35ULL, 0x3CB32648716C79CCULL}, // k = -1, q = 3
        {100.0, 1e-15, 0xBFE03425B78C4DB0ULL, 0xBC80AA6F99BE93B2ULL, 0x3FEB981DBF665FE4ULL, 0xBC58E490AC30EB44ULL,
         0xBFE2CA74D62B5D2CULL, 0x3C8B583AC2DFDDECULL}, // the low part enters r
        {1e10, 0.0, 0xBFDF334C7896A4E3ULL, 0xBC7332CC27F6A8ECULL, 0x3FEBF098901C931AULL, 0xBC8F365FE4290B1EULL,
         0xBFE1DE000F443F50ULL, 0xBC878D1845DC90AFULL},
        {7.5e15, 0.5, 0x3FE274EC311FB130ULL, 0x3C684E656DDE8EBEULL, 0x3FEA24152889A443ULL, 0xBC52F77D381F7760ULL,
         0x3FE697EF2BF8D275ULL, 0x3C726E936AFD807AULL}, // x 2/pi beyond 2^52: k_lo counted
        {1e19, 0.0, 0xBFEFC07DAB441D62ULL, 0xBC85B3EEE3104207ULL, 0xBFBFD0B0CE36E493ULL, 0xBC4B141F161567E0ULL,
         0x401FEFB4C63D52B1ULL, 0x3C8A24629EB4F3FBULL}, // fmod path
    };
    for (const auto &c : cases) {
        tarsel s, co;
        tarsel_sincos(dd(c.x_hi, c.x_lo), &s, &co);
        EXPECT_TRUE(same_bits(s, from_bits(c.sin_hi), from_bits(c.sin_lo))) << "sin " << c.x_hi;
        EXPECT_TRUE(same_bits(co, from_bits(c.cos_hi), from_bits(c.cos_lo))) << "cos " << c.x_hi;
        EXPECT_TRUE(same_bits(tarsel_tan(dd(c.x_hi, c.x_lo)), from_bits(c.tan_hi), from_bits(c.tan_lo)))
            << "tan " << c.x_hi;
    }
}
