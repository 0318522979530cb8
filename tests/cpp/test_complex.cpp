// Bit-exact checks of the complex double-double arithmetic and modulus.
#include "tests/cpp/bits.hpp"

#include <cfloat>
#include <complex>

#include "tarsel/tarsel_complex.hpp"

extern "C" void tarsel_c11_complex(const double in[8], double out[10]);

using namespace tarsel_test;

namespace {

tarsel_complex cx(tarsel real, tarsel imag) { return _tarsel_complex_make(real, imag); }
tarsel_complex cx(double real, double imag) { return cx(dd(real), dd(imag)); }

struct ComplexRow {
    tarsel_complex a, b;
    double re_hi, re_lo, im_hi, im_lo;
    const char *why;
};

void expect_rows(tarsel_complex (*op)(tarsel_complex, tarsel_complex), const ComplexRow *rows, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        tarsel_complex got = op(rows[i].a, rows[i].b);
        EXPECT_TRUE(same_bits(got.real, rows[i].re_hi, rows[i].re_lo)) << "real part: " << rows[i].why;
        EXPECT_TRUE(same_bits(got.imag, rows[i].im_hi, rows[i].im_lo)) << "imaginary part: " << rows[i].why;
    }
}

} // namespace

TEST(ComplexArithmetic, SchoolbookProductAndSumAreExact)
{
    const ComplexRow mul_rows[] = {
        {cx(1.0, 2.0), cx(3.0, 4.0), -5.0, 0.0, 10.0, 0.0, "(1+2i)(3+4i) = -5+10i"},
        // i*i = -1: the real part is the difference of the two cross terms.
        {cx(0.0, 1.0), cx(0.0, 1.0), -1.0, 0.0, 0.0, 0.0, "i*i"},
        // The low parts take part: (1+2^-60)(1+2^-60) = 1 + 2^-59 + 2^-120.
        {cx(dd(1.0, 0x1p-60), dd(0.0)), cx(dd(1.0, 0x1p-60), dd(0.0)), 1.0, 0x1p-59, 0.0, 0.0,
         "low parts of the factors"},
    };
    expect_rows(tarsel_complex_mul, mul_rows, sizeof mul_rows / sizeof mul_rows[0]);

    const ComplexRow add_rows[] = {
        {cx(1.0, 2.0), cx(3.0, 4.0), 4.0, 0.0, 6.0, 0.0, "(1+2i)+(3+4i)"},
        {cx(dd(1.0, 0x1p-70), dd(-2.0)), cx(dd(0x1p-80), dd(2.0)), 1.0, 0x1p-70 + 0x1p-80, 0.0, 0.0,
         "parts added separately"},
    };
    expect_rows(tarsel_complex_add, add_rows, sizeof add_rows / sizeof add_rows[0]);

    const ComplexRow sub_rows[] = {
        {cx(1.0, 2.0), cx(3.0, 5.0), -2.0, 0.0, -3.0, 0.0, "(1+2i)-(3+5i)"},
    };
    expect_rows(tarsel_complex_sub, sub_rows, sizeof sub_rows / sizeof sub_rows[0]);
}

TEST(ComplexDivision, SmithBranchFollowsTheStrictlyLargerDivisorPart)
{
    const ComplexRow rows[] = {
        {cx(1.0, 0.0), cx(0.0, 1.0), 0.0, 0.0, -1.0, 0.0, "1/i = -i, imaginary-part branch"},
        {cx(1.0, 2.0), cx(3.0, 4.0), 0x1.c28f5c28f5c29p-2, -0x1.47ae147ae147bp-59, 0x1.47ae147ae147bp-4,
         -0x1.eb851eb851eb8p-60, "(1+2i)/(3+4i) = 0.44 + 0.08i, correctly rounded"},
        {cx(-5.0, 10.0), cx(3.0, 4.0), 1.0, 0.0, 2.0, 0.0, "inverse of the product"},
        {cx(-5.0, 10.0), cx(4.0, 3.0), 0x1.999999999999ap-2, -0x1.999999999999ap-56, 0x1.199999999999ap+1,
         -0x1.999999999999ap-53, "real-part branch, 0.4 + 2.2i correctly rounded"},
        // The wrong branch would form the ratio 1e600 and give NaN parts.
        {cx(1e300, 0.0), cx(1e300, 1e-300), 1.0, 0.0, 0.0, 0.0, "real part far larger"},
        {cx(0.0, 1e300), cx(1e-300, 1e300), 1.0, 0.0, 0.0, 0.0, "imaginary part far larger"},
        // Equal magnitudes take the imaginary-part branch, whose ratio -1 and
        // denominator -2 leave the real part a negative zero.
        {cx(1.0, 1.0), cx(1.0, -1.0), -0.0, -0.0, 1.0, -0.0, "tie, (1+i)/(1-i) = i"},
    };
    expect_rows(tarsel_complex_div, rows, sizeof rows / sizeof rows[0]);
}

TEST(ComplexDivision, ZeroDivisorGivesNaNParts)
{
    const tarsel_complex dividends[] = {cx(1.0, 1.0), cx(0.0, 0.0), cx(-3.0, 0.0), cx(inf, 0.0)};
    for (const tarsel_complex &a : dividends) {
        tarsel_complex q = tarsel_complex_div(a, cx(0.0, 0.0));
        EXPECT_TRUE(tarsel_isnan(q.real));
        EXPECT_TRUE(tarsel_isnan(q.imag));
    }
}

TEST(ComplexModulus, PythagoreanTriplesAreExact)
{
    EXPECT_TRUE(same_bits(tarsel_complex_abs(cx(3.0, 4.0)), 5.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_complex_abs(cx(-4.0, -3.0)), 5.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_complex_abs_sqr(cx(3.0, 4.0)), 25.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_complex_abs(cx(0.0, 0.0)), 0.0, 0.0));
}

// Moduli whose squares overflow or underflow are computed from scaled parts.
TEST(ComplexModulus, NoSpuriousOverflowOrUnderflow)
{
    struct {
        tarsel_complex z;
        double hi, lo;
        const char *why;
    } rows[] = {
        {cx(1e200, 0.0), 1e200, 0.0, "square overflows"},
        {cx(0.0, -1e200), 1e200, 0.0, "imaginary part"},
        {cx(3 * 0x1p700, 4 * 0x1p700), 5 * 0x1p700, 0.0, "large triple"},
        {cx(3 * 0x1p-700, 4 * 0x1p-700), 5 * 0x1p-700, 0.0, "small triple"},
        {cx(3 * 0x1p-1074, 4 * 0x1p-1074), 5 * 0x1p-1074, 0.0, "subnormal triple"},
        {cx(DBL_MAX, 0.0), DBL_MAX, 0.0, "largest double"},
        {cx(DBL_MAX, DBL_MAX), inf, 0.0, "modulus above the largest double"},
        {cx(inf, 1.0), inf, 0.0, "infinite part"},
        {cx(1e300, nan_), nan_, nan_, "NaN part with a large other part"},
        {cx(nan_, 0.0), nan_, nan_, "NaN part"},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(same_bits(tarsel_complex_abs(row.z), row.hi, row.lo)) << row.why;
    // The squared modulus has no scaled form: its overflow is genuine.
    EXPECT_TRUE(same_bits(tarsel_complex_abs_sqr(cx(1e200, 0.0)), inf, 0.0));
}

// Scaling by a power of two is exact, so |2^j z| must be 2^j |z| to the bit,
// including the low part, wherever the scaled parts stay normal.
TEST(ComplexModulus, ScalesExactlyWithPowersOfTwo)
{
    const tarsel third = tarsel_div(dd(1.0), dd(3.0));
    const tarsel root2 = tarsel_sqrt(dd(2.0));
    const tarsel_complex z = cx(third, root2);
    double hi, lo;
    tarsel_extract(tarsel_complex_abs(z), &hi, &lo);
    ASSERT_NE(lo, 0.0);
    for (int j : {501, 600, 1000, -501, -600, -900}) {
        tarsel_complex zj = cx(_tarsel_scale(third, j), _tarsel_scale(root2, j));
        EXPECT_TRUE(same_bits(tarsel_complex_abs(zj), ldexp(hi, j), ldexp(lo, j))) << "j = " << j;
    }
}

// Scaling starts strictly outside [2^-500, 2^500]: a larger part of exactly
// 2^-500 or 2^500 takes the plain root of the squared modulus, low bits of
// its subnormal product errors included.
TEST(ComplexModulus, BoundsThemselvesTakeThePlainRoot)
{
    const tarsel half_root2 = tarsel_mul(tarsel_sqrt(dd(2.0)), dd(0.5));
    for (int j : {-500, 500}) {
        tarsel_complex z = cx(dd(ldexp(1.0, j), ldexp(0x1.5p-60, j)), _tarsel_scale(half_root2, j));
        double hi, lo;
        tarsel_extract(tarsel_sqrt(tarsel_complex_abs_sqr(z)), &hi, &lo);
        EXPECT_TRUE(same_bits(tarsel_complex_abs(z), hi, lo)) << "j = " << j;
    }
}

TEST(Complex128, ConstructorsFillBothParts)
{
    tars::complex128 zero;
    EXPECT_TRUE(same_bits(zero.data.real, 0.0, 0.0));
    EXPECT_TRUE(same_bits(zero.data.imag, 0.0, 0.0));

    tars::complex128 from_doubles(1.5, -2.5);
    EXPECT_TRUE(same_bits(from_doubles.real().data, 1.5, 0.0));
    EXPECT_TRUE(same_bits(from_doubles.imag().data, -2.5, 0.0));

    tars::complex128 from_values(tars::float128(dd(1.0, 0x1p-60)), tars::float128(dd(-0.0, 0.0)));
    EXPECT_TRUE(same_bits(from_values.data.real, 1.0, 0x1p-60));
    EXPECT_TRUE(same_bits(from_values.data.imag, -0.0, 0.0));

    tars::complex128 from_std(std::complex<double>(0.25, -0.0));
    EXPECT_TRUE(same_bits(from_std.data.real, 0.25, 0.0));
    EXPECT_TRUE(same_bits(from_std.data.imag, -0.0, 0.0));

    tars::complex128 from_record(cx(dd(2.0, 0x1p-70), dd(3.0)));
    EXPECT_TRUE(same_bits(from_record.data.real, 2.0, 0x1p-70));
}

TEST(Complex128, StdComplexConversionTakesTheHighParts)
{
    tars::complex128 z(tars::float128(dd(1.0, 0x1p-60)), tars::float128(dd(-2.0, -0x1p-70)));
    std::complex<double> c = z;
    EXPECT_EQ(bits_of(c.real()), bits_of(1.0));
    EXPECT_EQ(bits_of(c.imag()), bits_of(-2.0));
}

TEST(Complex128, InPlaceOperatorsMatchBinaryOnes)
{
    const tars::complex128 a(1.0, 2.0), b(3.0, 4.0);
    const tars::complex128 sums[] = {a + b, a - b, a * b, a / b};
    tars::complex128 in_place[] = {a, a, a, a};
    tars::complex128 *r0 = &(in_place[0] += b);
    tars::complex128 *r1 = &(in_place[1] -= b);
    tars::complex128 *r2 = &(in_place[2] *= b);
    tars::complex128 *r3 = &(in_place[3] /= b);
    EXPECT_EQ(r0, &in_place[0]);
    EXPECT_EQ(r1, &in_place[1]);
    EXPECT_EQ(r2, &in_place[2]);
    EXPECT_EQ(r3, &in_place[3]);
    for (int i = 0; i < 4; ++i) {
        double hi, lo;
        tarsel_extract(sums[i].data.real, &hi, &lo);
        EXPECT_TRUE(same_bits(in_place[i].data.real, hi, lo)) << i;
        tarsel_extract(sums[i].data.imag, &hi, &lo);
        EXPECT_TRUE(same_bits(in_place[i].data.imag, hi, lo)) << i;
    }
    EXPECT_TRUE(same_bits(sums[2].data.real, -5.0, 0.0));
}

TEST(Complex128, ModulusOverloadsBesideTheRealAbs)
{
    EXPECT_TRUE(same_bits(tars::abs(tars::complex128(3.0, 4.0)).data, 5.0, 0.0));
    EXPECT_TRUE(same_bits(tars::abs_sqr(tars::complex128(3.0, 4.0)).data, 25.0, 0.0));
    EXPECT_TRUE(same_bits(tars::abs(tars::float128(-2.0)).data, 2.0, -0.0));
}

TEST(ComplexCLanguage, ArithmeticGivesTheSameBitsFromC)
{
    const double operands[][8] = {
        {1.0, 1e-17, -2.0, 3e-17, 3.0, -1e-18, 0.5, 1e-19},
        {1e300, 1e283, 1e-300, 0.0, -7.0, 0.0, 1e300, 0.0},
    };
    for (const auto &in : operands) {
        double from_c[10];
        tarsel_c11_complex(in, from_c);
        tarsel_complex a = cx(dd(in[0], in[1]), dd(in[2], in[3]));
        tarsel_complex b = cx(dd(in[4], in[5]), dd(in[6], in[7]));
        tarsel_complex product = tarsel_complex_mul(a, b), quotient = tarsel_complex_div(a, b);
        const tarsel from_cpp[5] = {product.real, product.imag, quotient.real, quotient.imag,
                                    tarsel_complex_abs(a)};
        for (int i = 0; i < 5; i++)
            EXPECT_TRUE(same_bits(from_cpp[i], from_c[2 * i], from_c[2 * i + 1])) << "result " << i;
    }
}
