// The complex circular and hyperbolic functions and the complex text.
#include "tests/cpp/bits.hpp"

#include <cmath>
#include <string>

#include "tarsel/tarsel_complex.hpp"

using namespace tarsel_test;

namespace {

tars::complex128 cz(double re, double im) { return tars::complex128(re, im); }

::testing::AssertionResult same_parts(const tars::complex128 &got, double re, double im)
{
    ::testing::AssertionResult r = same_bits(got.data.real, re, 0.0);
    if (!r)
        return r << " (real part)";
    r = same_bits(got.data.imag, im, 0.0);
    if (!r)
        return r << " (imaginary part)";
    return r;
}

::testing::AssertionResult same_value(const tars::float128 &got, const tars::float128 &want)
{
    double hi, lo;
    want.extract(hi, lo);
    return same_bits(got.data, hi, lo);
}

using complex_fn = tars::complex128 (*)(const tars::complex128 &);

} // namespace

TEST(ComplexText, SignAndMagnitudeOfTheImaginaryPart)
{
    const std::string one = "1.0000000000000000000000000000000", two = "2.0000000000000000000000000000000",
                      zero = "0.0000000000000000000000000000000";
    const struct {
        tars::complex128 z;
        std::string want;
    } rows[] = {
        {cz(1.0, 2.0), one + " + " + two + "i"},
        {cz(1.0, -2.0), one + " - " + two + "i"},
        {cz(-1.0, -2.0), "-" + one + " - " + two + "i"},
        {cz(0.0, 0.0), zero + " + " + zero + "i"},
        {cz(1.0, -0.0), one + " + " + zero + "i"},
        {cz(0.5, -0.25), "0.5000000000000000000000000000000 - 0.2500000000000000000000000000000i"},
        // A zero high part with a negative low part is below zero.
        {tars::complex128(tars::float128(1.0), tars::float128(dd(0.0, -0x1p-1000))),
         one + " - " + tars::float128(dd(0.0, 0x1p-1000)).to_string() + "i"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.z.to_string(), row.want);
}

TEST(ComplexFunctions, ValuesAtZero)
{
    const tars::complex128 zero;
    EXPECT_TRUE(same_parts(tars::sin(zero), 0.0, 0.0));
    EXPECT_TRUE(same_parts(tars::sinh(zero), 0.0, 0.0));
    EXPECT_TRUE(same_parts(tars::cos(zero), 1.0, 0.0));
    EXPECT_TRUE(same_parts(tars::cosh(zero), 1.0, 0.0));
    EXPECT_TRUE(same_parts(tars::tan(zero), 0.0, 0.0));
    EXPECT_TRUE(same_parts(tars::tanh(zero), 0.0, 0.0));
}

// On an axis each part is one real function times 0 or 1, so it is the real
// function's value to the bit.
TEST(ComplexFunctions, AxesReproduceTheRealFunctions)
{
    const tars::float128 one(1.0), half(0.5);
    EXPECT_TRUE(same_value(tars::sin(cz(0.0, 1.0)).imag(), tars::sinh(one)));
    EXPECT_TRUE(same_value(tars::sin(cz(0.0, 1.0)).real(), tars::float128(0.0)));
    EXPECT_TRUE(same_value(tars::cos(cz(0.0, 1.0)).real(), tars::cosh(one)));
    EXPECT_TRUE(same_value(tars::sin(cz(0.5, 0.0)).real(), tars::sin(half)));
    EXPECT_TRUE(same_value(tars::cos(cz(0.5, 0.0)).real(), tars::cos(half)));
    EXPECT_TRUE(same_value(tars::sinh(cz(0.5, 0.0)).real(), tars::sinh(half)));
    EXPECT_TRUE(same_value(tars::cosh(cz(0.0, 0.5)).real(), tars::cos(half)));
    EXPECT_TRUE(same_value(tars::sinh(cz(0.0, 0.5)).imag(), tars::sin(half)));
    EXPECT_TRUE(same_value(tars::tanh(cz(0.5, 0.0)).real(), tars::sinh(half) / tars::cosh(half)));
}

// Past the exponential's overflow bound tanh is +-1 and tan is +-i, where the
// plain quotient of infinite products would be NaN.
TEST(ComplexFunctions, TangentsKeepTheirLimitsPastOverflow)
{
    const struct {
        complex_fn f;
        double re, im, want_re, want_im;
        const char *why;
    } rows[] = {
        {tars::tanh, 800.0, 0.0, 1.0, 0.0, "tanh on the real axis"},
        {tars::tanh, -800.0, 3.0, -1.0, 0.0, "negative real part"},
        {tars::tanh, 709.7827128933841, -1e300, 1.0, 0.0, "just past the bound, any finite imaginary part"},
        {tars::tanh, inf, 1.0, 1.0, 0.0, "+inf"},
        {tars::tanh, -inf, 0.0, -1.0, 0.0, "-inf"},
        {tars::tan, 0.0, 800.0, 0.0, 1.0, "tan on the imaginary axis"},
        {tars::tan, 2.0, -1e300, 0.0, -1.0, "negative imaginary part"},
        {tars::tan, -5.0, -inf, 0.0, -1.0, "-inf"},
        {tars::tanh, nan_, 0.0, nan_, nan_, "NaN real part"},
        {tars::tanh, 800.0, nan_, nan_, nan_, "NaN imaginary part"},
        {tars::tanh, 800.0, inf, nan_, nan_, "infinite imaginary part"},
        {tars::tan, nan_, 800.0, nan_, nan_, "NaN real part of tan"},
        {tars::tan, 0.0, nan_, nan_, nan_, "NaN imaginary part of tan"},
    };
    for (const auto &row : rows) {
        tars::complex128 got = row.f(cz(row.re, row.im));
        if (std::isnan(row.want_re)) {
            EXPECT_TRUE(tarsel_isnan(got.data.real) && tarsel_isnan(got.data.imag)) << row.why;
        } else {
            EXPECT_TRUE(same_parts(got, row.want_re, row.want_im)) << row.why;
        }
    }
}

// Just inside the bound the quotient is taken; its factors are near the
// largest double and must not overflow on the way to the limit.  The small
// part carries the quotient's error, of the order 2^-106 of the large one.
TEST(ComplexFunctions, TangentsJustInsideTheBoundTakeTheQuotient)
{
    const tars::float128 tiny(0x1p-100);
    tars::complex128 t = tars::tanh(cz(709.78, 1.0));
    EXPECT_TRUE(same_bits(t.data.real, 1.0, 0.0));
    EXPECT_TRUE(tars::abs(t.imag()) < tiny);
    tars::complex128 u = tars::tan(cz(1.0, -709.78));
    EXPECT_TRUE(same_bits(u.data.imag, -1.0, 0.0));
    EXPECT_TRUE(tars::abs(u.real()) < tiny);
}

// The bound itself is not past it: the quotient is taken there, and its zero
// parts come out negative where the limit would give +0.0.
TEST(ComplexFunctions, TangentsAtTheBoundItselfTakeTheQuotient)
{
    const double bound = 0x1.62e42fefa39efp+9; /* 0x40862E42FEFA39EF */
    tars::complex128 t = tars::tanh(cz(bound, 3.0));
    EXPECT_TRUE(same_bits(t.data.real, 1.0, -0.0));
    EXPECT_TRUE(same_bits(t.data.imag, -0.0, -0.0));
    tars::complex128 u = tars::tan(cz(3.0, bound));
    EXPECT_TRUE(same_bits(u.data.real, -0.0, -0.0));
    EXPECT_TRUE(same_bits(u.data.imag, 1.0, -0.0));
}

TEST(ComplexFunctions, OverflowOfTheHyperbolicFactorsPassesThrough)
{
    tars::complex128 s = tars::sin(cz(1.0, 710.0));
    EXPECT_TRUE(tarsel_isinf(s.data.real));
    EXPECT_TRUE(tarsel_isinf(s.data.imag));
    tars::complex128 c = tars::cosh(cz(-800.0, 2.0));
    EXPECT_TRUE(same_parts(c, -inf, -inf));
}
