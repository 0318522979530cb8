// Exponential, logarithm and power: special cases, bounds, exact results.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_math.h"

using namespace tarsel_test;

namespace {

// |(got) - (want)| <= tol * |want|, both parts of each value counted.
::testing::AssertionResult near_rel(tarsel got, tarsel want, double tol)
{
    double diff_hi, diff_lo, want_hi, want_lo;
    tarsel_extract(tarsel_sub(got, want), &diff_hi, &diff_lo);
    tarsel_extract(want, &want_hi, &want_lo);
    double rel = std::fabs(diff_hi) / std::fabs(want_hi);
    if (rel <= tol)
        return ::testing::AssertionSuccess();
    double hi, lo;
    tarsel_extract(got, &hi, &lo);
    return ::testing::AssertionFailure() << "got {" << describe(hi) << ", " << describe(lo) << "}, relative error "
                                         << rel << " above " << tol;
}

struct Case {
    double x_hi, x_lo;
    double want_hi, want_lo;
    const char *why;
};

} // namespace

TEST(Exponential, SpecialArgumentsAndBounds)
{
    const Case cases[] = {
        {0.0, 0.0, 1.0, 0.0, "k = 0, r = 0"},
        {709.7827128933841, 0.0, inf, 0.0, "next double above the overflow bound"},
        {inf, 0.0, inf, 0.0, "+inf"},
        {-745.1332191019412, 0.0, 0.0, 0.0, "next double below the underflow bound"},
        {-inf, 0.0, 0.0, 0.0, "-inf"},
        {1e-20, 0.0, 1.0, 1e-20, "tiny argument lands in the low part"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(same_bits(tarsel_exp(dd(c.x_hi, c.x_lo)), c.want_hi, c.want_lo)) << c.why;
}

TEST(Exponential, OverflowBoundItselfIsComputed)
{
    double hi, lo;
    tarsel_extract(tarsel_exp(dd(709.782712893384)), &hi, &lo);
    EXPECT_EQ(bits_of(hi), 0x7FEFFFFFFFFFFF2AULL) << describe(hi);
    EXPECT_TRUE(std::isfinite(lo));
}

TEST(Exponential, UnderflowBoundItselfGivesTheSmallestSubnormal)
{
    double hi, lo;
    tarsel_extract(tarsel_exp(dd(-745.1332191019411)), &hi, &lo);
    EXPECT_EQ(bits_of(hi), 1ULL) << describe(hi);
    EXPECT_EQ(lo, 0.0);
}

TEST(Exponential, NaNHighPartGivesLibraryNaNButNaNLowPartFlowsThrough)
{
    EXPECT_TRUE(is_library_nan(tarsel_exp(dd(nan_, 5.0))));
    EXPECT_TRUE(is_library_nan(tarsel_exp(dd(-nan_))));
    double hi, lo;
    tarsel_extract(tarsel_exp(dd(1.0, nan_)), &hi, &lo);
    EXPECT_TRUE(std::isnan(lo));
}

TEST(Exponential, OneAgreesWithStoredE)
{
    EXPECT_TRUE(near_rel(tarsel_exp(dd(1.0)), _tarsel_from_raw(_tarsel_e_raw), 1e-32));
}

TEST(Exponential, NegativeCountSplitsIntoFloorAndPositiveIndex)
{
    // x = -(ln 2)/16 gives k = -1: m = -1 and i = 15, e^x = 2^-1 2^(15/16).
    tarsel x = tarsel_neg(_tarsel_from_raw(_tarsel_ln2_16_raw));
    tarsel want = tarsel_mul(_tarsel_from_raw(_tarsel_exp_table[15]), dd(0.5));
    EXPECT_TRUE(near_rel(tarsel_exp(x), want, 1e-32));
}

TEST(Exponential, ReductionPolynomialAndScalingGiveTheseExactBits)
{
    // Both parts of the result depend on the order and grouping of every
    // double-double step (the Horner sum, 1 + r (1 + r s), the table product,
    // the scaling).  The bits come from an independent evaluation of those
    // steps in binary64; round and ldexp are exact, so they hold on any libm.
    const struct {
        double x_hi, x_lo;
        std::uint64_t want_hi, want_lo;
        const char *why;
    } cases[] = {
        {0.1, 0.0, 0x3FF1AEC7B35A00D4ULL, 0xBC977D498B0E382AULL, "k = 2"},
        {0.3, 0.0, 0x3FF599058C8C1A96ULL, 0xBC9B3AE34963B3D0ULL, "k = 7"},
        {-1.1, 0.0, 0x3FD54DC284911BF1ULL, 0xBC7F0E7A1FEC1206ULL, "k = -25: m = -2, i = 7"},
        {-2.75, 0.0, 0x3FB05D93892FA010ULL, 0x3C46E8E273723660ULL, "k = -63: m = -4, i = 1"},
        {176.0, 0.0, 0x4FCE27B0A2F86833ULL, 0x4C5A7B6E2B865948ULL, "k = 4063"},
        {1.5, 1e-17, 0x4011ED3FE64FC541ULL, 0x3CB9319E2DE0C362ULL, "the low part enters r"},
        {-700.0, 0.0, 0x00D14F2B0FB9307FULL, 0x00000000000000ACULL, "low part scaled into the subnormals"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_exp(dd(c.x_hi, c.x_lo)), from_bits(c.want_hi), from_bits(c.want_lo))) << c.why;
}

TEST(Exponential, ProductWithReflectionIsOne)
{
    for (double x : {0.3, 1.0, -2.5, 10.0, 100.0, -300.0})
        EXPECT_TRUE(near_rel(tarsel_mul(tarsel_exp(dd(x)), tarsel_exp(dd(-x))), dd(1.0), 1e-30)) << x;
}

TEST(Logarithm, SpecialArgumentsInTheirOrder)
{
    const Case cases[] = {
        {0.0, 0.0, -inf, 0.0, "+0"},
        {-0.0, 0.0, -inf, 0.0, "-0"},
        {inf, 0.0, inf, 0.0, "+inf"},
        {1.0, 0.0, 0.0, 0.0, "exact seed, zero correction"},
        {0.0, 1e-300, -inf, 0.0, "non-normalised: seed -inf survives both steps"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(same_bits(tarsel_log(dd(c.x_hi, c.x_lo)), c.want_hi, c.want_lo)) << c.why;
    for (tarsel x : {dd(-1.0), dd(0.0, -1e-300), dd(nan_), dd(-inf)})
        EXPECT_TRUE(is_library_nan(tarsel_log(x)));
}

TEST(Logarithm, TwoAndTenGiveTheStoredConstantsExactly)
{
    EXPECT_TRUE(same_bits(tarsel_log(dd(2.0)), _tarsel_ln2_raw[0], _tarsel_ln2_raw[1]));
    EXPECT_TRUE(same_bits(tarsel_log(dd(10.0)), _tarsel_ln10_raw[0], _tarsel_ln10_raw[1]));
}

TEST(Logarithm, BothEndsOfTheRangeKeepTheLowPart)
{
    // Near 2^1023 x + e^y overflowed, below 2^-976 e^y lost its low part
    // among the subnormals: from 2^1000 up and below 2^-976 the argument is
    // scaled by 2^-+1000 and 1000 ln 2 added.  References: mpmath at 400 bits, rounded to
    // double-double; the bound is 2^-103 relative.
    const Case cases[] = {
        {0x1p1023, 0.0, 0x1.628b76e3a7b61p+9, -0x1.19508762aa710p-45, "2^1023: lo was 0"},
        {1e308, 0.0, 0x1.62991d5d62a5ep+9, -0x1.e876db77e7b55p-47, "1e308"},
        {DBL_MAX, 0.0, 0x1.62e42fefa39efp+9, 0x1.a9c9e3b39803fp-46, "the largest double"},
        {0x1p1000, 0.0, 0x1.5a92d6d005c94p+9, -0x1.971e6bd14ec61p-45, "2^1000, the threshold"},
        {0x1.fffffffffffffp-1001, 0.0, -0x1.5a92d6d005c94p+9, 0x1.961e6bd14ec61p-45, "just below 2^-1000"},
        {0x1.fffffffffffffp-977, 0.0, -0x1.52417db067f38p+9, 0x1.90e4be34c70f2p-52, "just below 2^-976, the threshold"},
        {DBL_MIN, 0.0, -0x1.6232bdd7abcd2p+9, -0x1.eef3fec1be37fp-46, "the smallest normal double"},
        {1e-310, 0.0, -0x1.64e69394d9508p+9, -0x1.35918fe61c196p-47, "subnormal"},
        {5e-324, 0.0, -0x1.74385446d71c3p+9, -0x1.8e569fa8ee781p-45, "the smallest subnormal"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(near_rel(tarsel_log(dd(c.x_hi, c.x_lo)), dd(c.want_hi, c.want_lo), 0x1p-103)) << c.why;
}

TEST(Logarithm, PowersOfTwoAtBothEndsAreMultiplesOfTheStoredLn2)
{
    // log 2^k = k ln 2; the stored ln 2 is within 2^-109 of ln 2, and its
    // double-double product by k adds about 2^-106.
    for (int k : {1000, 1001, 1023, -977, -1000, -1001, -1022, -1050, -1074}) {
        tarsel want = tarsel_mul(dd(double(k)), _tarsel_from_raw(_tarsel_ln2_raw));
        EXPECT_TRUE(near_rel(tarsel_log(dd(std::ldexp(1.0, k))), want, 0x1p-103)) << "2^" << k;
    }
}

TEST(Logarithm, PoorSeedTakesExactlyOneMoreStep)
{
    // {1, 1} is 2, but its seed log(1) = 0 is off by ln 2: the first step
    // leaves about 3e-2, the second about 1e-6, and there is no third.
    double hi, lo;
    tarsel_extract(tarsel_sub(tarsel_log(dd(1.0, 1.0)), _tarsel_from_raw(_tarsel_ln2_raw)), &hi, &lo);
    EXPECT_LT(std::fabs(hi), 1e-4);
    EXPECT_GT(std::fabs(hi), 1e-12);
}

TEST(Logarithm, InvertsTheExponential)
{
    for (double x : {1e-300, 0.001, 0.75, 3.0, 1e10, 1e300}) {
        tarsel lx = tarsel_log(dd(x));
        EXPECT_TRUE(near_rel(tarsel_exp(lx), dd(x), 1e-29)) << x;
    }
}

TEST(Power, ZeroExponentIsOneForEveryBase)
{
    for (tarsel base : {dd(nan_), dd(0.0), dd(-0.0), dd(-inf), dd(5.0)})
        EXPECT_TRUE(same_bits(tarsel_pow(base, dd(0.0)), 1.0, 0.0));
}

TEST(Power, ZeroBaseSignFromOddIntegerExponent)
{
    const struct {
        double base, exponent, want_hi, want_lo;
    } cases[] = {
        {0.0, 3.0, 0.0, 0.0},   {-0.0, 3.0, -0.0, -0.0}, {-0.0, 2.0, 0.0, 0.0},    {0.0, -3.0, inf, 0.0},
        {-0.0, -3.0, -inf, 0.0}, {-0.0, -2.0, inf, 0.0},  {0.0, 0.5, 0.0, 0.0},     {0.0, -inf, inf, 0.0},
        {0.0, nan_, 0.0, 0.0},  {-0.0, -1e19, inf, 0.0}, {-0.0, 2.5, 0.0, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_pow(dd(c.base), dd(c.exponent)), c.want_hi, c.want_lo))
            << c.base << " ^ " << c.exponent;
}

TEST(Power, NegativeBaseNeedsAnInt64Exponent)
{
    const struct {
        double base, exponent, want_hi, want_lo;
    } cases[] = {
        {-2.0, 3.0, -8.0, -0.0}, {-2.0, 2.0, 4.0, 0.0},   {-inf, 3.0, -inf, -0.0},
        {-inf, -3.0, -0.0, -0.0}, {-inf, 2.0, inf, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_pow(dd(c.base), dd(c.exponent)), c.want_hi, c.want_lo))
            << c.base << " ^ " << c.exponent;
    for (tarsel exponent : {dd(0.5), dd(inf), dd(1e19), dd(3.0, 1e-20), dd(nan_)})
        EXPECT_TRUE(is_library_nan(tarsel_pow(dd(-2.0), exponent)));
    EXPECT_TRUE(is_library_nan(tarsel_pow(dd(-1.0), dd(inf))));
}

TEST(Power, NegativeLowPartWithZeroHighIsANegativeBase)
{
    EXPECT_TRUE(is_library_nan(tarsel_pow(dd(0.0, -1e-300), dd(0.5))));
    // |base| = {0, 0.5} has the seed log 0 = -inf, so the odd power is -0.
    EXPECT_TRUE(same_bits(tarsel_pow(dd(0.0, -0.5), dd(3.0)), -0.0, -0.0));
}

TEST(Power, PositiveBase)
{
    EXPECT_TRUE(same_bits(tarsel_pow(dd(2.0), dd(0.5)), _tarsel_sqrt2_raw[0], _tarsel_sqrt2_raw[1]));
    const struct {
        double base, exponent, want_hi, want_lo;
    } cases[] = {
        {2.0, 10.0, 1024.0, 0.0}, {inf, 2.0, inf, 0.0}, {inf, -2.0, 0.0, 0.0},
        {2.0, 2000.0, inf, 0.0},  {0.5, inf, 0.0, 0.0}, {2.0, -inf, 0.0, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_pow(dd(c.base), dd(c.exponent)), c.want_hi, c.want_lo))
            << c.base << " ^ " << c.exponent;
    // log 1 = 0 and inf * 0 is NaN in the product.
    EXPECT_TRUE(is_library_nan(tarsel_pow(dd(1.0), dd(inf))));
}

TEST(Power, IntegerPowersComeThroughLogAndExp)
{
    EXPECT_TRUE(near_rel(tarsel_pow(dd(3.0), dd(3.0)), dd(27.0), 1e-31));
    EXPECT_TRUE(near_rel(tarsel_pow(dd(-3.0), dd(-3.0)), tarsel_div(dd(-1.0), dd(27.0)), 1e-31));
}
