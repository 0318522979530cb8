// Hyperbolic functions: the series threshold, saturation and special values.
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_math.h"

using namespace tarsel_test;

namespace {

const double threshold = 0.0001;

} // namespace

TEST(Hyperbolic, SpecialValues)
{
    const struct {
        tarsel (*f)(tarsel);
        const char *name;
        double x_hi, x_lo, want_hi, want_lo;
    } cases[] = {
        {tarsel_sinh, "sinh", 0.0, 0.0, 0.0, 0.0},      {tarsel_sinh, "sinh", -0.0, 0.0, 0.0, 0.0},
        {tarsel_tanh, "tanh", -0.0, 0.0, 0.0, 0.0},     {tarsel_cosh, "cosh", -0.0, 0.0, 1.0, 0.0},
        {tarsel_sinh, "sinh", 1e-300, 0.0, 1e-300, 0.0}, {tarsel_tanh, "tanh", -1e-300, 0.0, -1e-300, 0.0},
        {tarsel_sinh, "sinh", inf, 0.0, inf, 0.0},      {tarsel_sinh, "sinh", -inf, 0.0, -inf, 0.0},
        {tarsel_cosh, "cosh", -inf, 0.0, inf, 0.0},     {tarsel_sinh, "sinh", 710.0, 0.0, inf, 0.0},
        {tarsel_sinh, "sinh", -1000.0, 0.0, -inf, 0.0}, {tarsel_cosh, "cosh", 1000.0, 0.0, inf, 0.0},
        {tarsel_cosh, "cosh", -1000.0, 0.0, inf, 0.0},  {tarsel_tanh, "tanh", 40.0, 0.0, 1.0, 0.0},
        {tarsel_tanh, "tanh", 1000.0, 0.0, 1.0, 0.0},   {tarsel_tanh, "tanh", inf, 0.0, 1.0, 0.0},
        {tarsel_tanh, "tanh", -1000.0, 0.0, -1.0, 0.0}, {tarsel_tanh, "tanh", -inf, 0.0, -1.0, 0.0},
        {tarsel_tanh, "tanh", 20.0, 0.0, 1.0, -8.496708510583178e-18},
        /* the overflow results of negative arguments, below the reflection */
        {tarsel_sinh, "sinh", -709.7827128933841, 0.0, -inf, 0.0}, {tarsel_cosh, "cosh", -709.7827128933841, 0.0, inf, 0.0},
        {tarsel_sinh, "sinh", -720.0, 0.0, -inf, 0.0},  {tarsel_cosh, "cosh", -720.0, 0.0, inf, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(c.f(dd(c.x_hi, c.x_lo)), c.want_hi, c.want_lo)) << c.name << " " << c.x_hi;
}

TEST(Hyperbolic, NaNArgumentComesBackUnchanged)
{
    for (tarsel (*f)(tarsel) : {tarsel_sinh, tarsel_cosh, tarsel_tanh}) {
        double hi, lo;
        tarsel_extract(f(dd(nan_, 3.0)), &hi, &lo);
        EXPECT_TRUE(std::isnan(hi));
        EXPECT_EQ(lo, 3.0);
    }
}

TEST(Hyperbolic, OneAgreesWithTheLeadingDigits)
{
    double hi, lo;
    tarsel_extract(tarsel_sinh(dd(1.0)), &hi, &lo);
    EXPECT_EQ(hi, 1.1752011936438014);
    tarsel_extract(tarsel_cosh(dd(1.0)), &hi, &lo);
    EXPECT_EQ(hi, 1.5430806348152437);
}

TEST(Hyperbolic, SeriesThresholdIsStrict)
{
    // At the threshold the exponential path runs; one double below, the
    // series.  The two differ in the low part (the series omits x^7 terms and
    // the exponential path cancels), so the branch taken is visible.
    tarsel at = dd(threshold), below = dd(std::nextafter(threshold, 0.0));
    tarsel ex = tarsel_exp(at);
    tarsel emx = tarsel_div(dd(1.0), ex);
    tarsel sinh_by_exp = tarsel_mul(tarsel_sub(ex, emx), dd(0.5));
    tarsel tanh_by_exp = tarsel_div(tarsel_sub(ex, emx), tarsel_add(ex, emx));
    EXPECT_TRUE(tarsel_eq(tarsel_sinh(at), sinh_by_exp));
    EXPECT_TRUE(tarsel_eq(tarsel_tanh(at), tanh_by_exp));

    tarsel x2 = tarsel_mul(below, below);
    tarsel x3 = tarsel_mul(x2, below);
    tarsel x5 = tarsel_mul(x3, x2);
    tarsel sinh_series = tarsel_add(tarsel_add(below, tarsel_div(x3, dd(6.0))), tarsel_div(x5, dd(120.0)));
    tarsel tanh_series =
        tarsel_add(tarsel_add(below, tarsel_div(x3, dd(-3.0))), tarsel_mul(x5, dd(0.13333333333333333)));
    EXPECT_TRUE(tarsel_eq(tarsel_sinh(below), sinh_series));
    EXPECT_TRUE(tarsel_eq(tarsel_tanh(below), tanh_series));
    EXPECT_TRUE(tarsel_eq(tarsel_sinh(tarsel_neg(below)), tarsel_neg(sinh_series)));
}

TEST(Hyperbolic, IdentitiesOnTheExponentialPath)
{
    for (double x : {0.5, -1.0, 3.0, 20.0, -50.0}) {
        tarsel s = tarsel_sinh(dd(x)), c = tarsel_cosh(dd(x));
        double hi, lo;
        // cosh^2 - sinh^2 = 1 (cancels for large x, so relative to cosh^2)
        tarsel_extract(tarsel_sub(tarsel_sub(tarsel_mul(c, c), tarsel_mul(s, s)), dd(1.0)), &hi, &lo);
        double c_hi, c_lo;
        tarsel_extract(c, &c_hi, &c_lo);
        EXPECT_LT(std::fabs(hi), 1e-30 * c_hi * c_hi) << x;
        tarsel_extract(tarsel_sub(tarsel_tanh(dd(x)), tarsel_div(s, c)), &hi, &lo);
        EXPECT_LT(std::fabs(hi), 1e-31) << x;
    }
}

TEST(Hyperbolic, SeriesAndExponentialPathsGiveTheseExactBits)
{
    // Both paths to the last bit of the low part.  The bits come from an
    // independent evaluation of the series and of the e^x, 1/e^x steps in
    // binary64; they use no libm function beyond exact ones.
    const struct {
        tarsel (*f)(tarsel);
        const char *name;
        double x;
        std::uint64_t want_hi, want_lo;
    } cases[] = {
        {tarsel_sinh, "sinh", 5e-05, 0x3F0A36E2EB4B2CC6ULL, 0x3BA624E7F28DD89FULL},
        {tarsel_sinh, "sinh", 0.5, 0x3FE0ACD00FE63B97ULL, 0xBC7AE543B544F28FULL},
        {tarsel_sinh, "sinh", -3.0, 0xC0240926E70949AEULL, 0x3CC923F985AB875EULL},
        {tarsel_cosh, "cosh", 0.5, 0x3FF20AC1862AE8D0ULL, 0x3C991608E93C1820ULL},
        {tarsel_cosh, "cosh", -3.0, 0x402422A497D6185EULL, 0x3CC28E5883D54186ULL},
        {tarsel_tanh, "tanh", -5e-05, 0xBF0A36E2EABE6FFAULL, 0xBBA427865320A664ULL},
        {tarsel_tanh, "tanh", 0.5, 0x3FDD9353D7568AF3ULL, 0x3C7944A3B887196AULL},
        {tarsel_tanh, "tanh", 3.0, 0x3FEFD77D111A0B00ULL, 0xBC6DF50F574F4800ULL},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(c.f(dd(c.x)), from_bits(c.want_hi), from_bits(c.want_lo))) << c.name << " " << c.x;
}

TEST(Hyperbolic, LargeNegativeArgumentsMirrorThePositiveOnes)
{
    // Below -512 e^x has a low part among the subnormals; sinh and cosh are
    // taken at -x instead, so both parts mirror the positive argument's.
    // References: mpmath at 400 bits, rounded to double-double; the bound is
    // that of the exponential's reduction there, 1e-31 + 3e-32 |x|.
    const struct {
        double x_hi, x_lo, cosh_hi, cosh_lo;
    } cases[] = {
        {-512.5, 0.0, 0x1.4d6c351cbd815p+738, -0x1.d3675a98736f0p+684},
        {-600.0, 0.0, 0x1.88a122d234b39p+864, 0x1.2e21a5ab69fdfp+810},
        {-700.0, 0.0, 0x1.d945df4f8ec8ep+1008, 0x1.183392684a46ep+953},
        {-709.782712893384, 0.0, 0x1.fffffffffff2ap+1022, 0x1.b0e263400d160p+966},
    };
    for (const auto &c : cases) {
        tarsel x = dd(c.x_hi, c.x_lo);
        EXPECT_TRUE(tarsel_eq(tarsel_cosh(x), tarsel_cosh(tarsel_neg(x)))) << c.x_hi;
        EXPECT_TRUE(tarsel_eq(tarsel_sinh(x), tarsel_neg(tarsel_sinh(tarsel_neg(x))))) << c.x_hi;
        double bound = 1e-31 + 3e-32 * std::fabs(c.x_hi);
        for (bool is_sinh : {false, true}) {
            tarsel got = is_sinh ? tarsel_sinh(x) : tarsel_cosh(x);
            tarsel want = dd(c.cosh_hi, c.cosh_lo);
            if (is_sinh)
                want = tarsel_neg(want);
            double diff_hi, diff_lo;
            tarsel_extract(tarsel_sub(got, want), &diff_hi, &diff_lo);
            EXPECT_LE(std::fabs(diff_hi), bound * c.cosh_hi) << (is_sinh ? "sinh " : "cosh ") << c.x_hi;
        }
    }
}
