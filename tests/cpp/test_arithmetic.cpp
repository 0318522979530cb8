// Bit-exact checks of the double-double arithmetic kernel: the special cases
// in their order, the rescaling branches and the results fixed to the bit.
#include "tests/cpp/bits.hpp"

#include <cfloat>
#include <limits>
#include <vector>

using namespace tarsel_test;

namespace {

using BinaryOp = tarsel (*)(tarsel, tarsel);

struct BinaryCase {
    const char *why;
    BinaryOp op;
    tarsel a, b;
    double hi, lo;
};

void check_table(const std::vector<BinaryCase> &cases)
{
    for (const BinaryCase &c : cases)
        EXPECT_TRUE(same_bits(c.op(c.a, c.b), c.hi, c.lo)) << c.why;
}

} // namespace

TEST(Construction, PartsAreTakenApartAndJoinedUnchanged)
{
    double hi, lo;
    tarsel_extract(tarsel_from_hi_lo(0.0, 1e-300), &hi, &lo);
    EXPECT_EQ(bits_of(hi), 0u);
    EXPECT_EQ(lo, 1e-300);
    EXPECT_TRUE(same_bits(tarsel_from_double(2.5), 2.5, 0.0));
}

TEST(Negation, FlipsBothSignsIncludingZeros)
{
    EXPECT_TRUE(same_bits(tarsel_neg(dd(1.0, 1e-20)), -1.0, -1e-20));
    EXPECT_TRUE(same_bits(tarsel_neg(dd(0.0, 0.0)), -0.0, -0.0));
    EXPECT_TRUE(same_bits(tarsel_neg(dd(-inf, 0.0)), inf, -0.0));
}

TEST(AddSubMul, SignedZerosAndOverflowFollowTheTwoSum)
{
    check_table({
        {"(-0) + (-0) loses the sign in the two-sum", tarsel_add, dd(-0.0, -0.0), dd(-0.0, -0.0), 0.0, 0.0},
        {"(-0) - (+0) loses the sign too", tarsel_sub, dd(-0.0, -0.0), dd(0.0, 0.0), 0.0, 0.0},
        {"(-0) * 1 gives +0 in both parts", tarsel_mul, dd(-0.0, -0.0), dd(1.0, 0.0), 0.0, 0.0},
        {"an overflowing sum is a special value", tarsel_add, dd(1e308), dd(1e308), inf, 0.0},
        {"an overflowing difference is a special value", tarsel_sub, dd(-1e308), dd(1e308), -inf, 0.0},
        {"an overflowing product is a special value", tarsel_mul, dd(1e200), dd(-1e200), -inf, 0.0},
        {"low parts of opposite sign cancel before the correction", tarsel_add, dd(1.0, 1e-20),
         dd(0x1p-60, -1e-20), 1.0, 0x1p-60},
        {"subtraction keeps the low part of the difference", tarsel_sub, dd(1.0, 0x1p-80), dd(0x1p-60, 0.0),
         1.0, -0x1p-60 + 0x1p-80},
    });
}

TEST(Multiplication, ErrorTermIsExactForHugeFactors)
{
    check_table({
        {"large factor times a factor below one (first rescale)", tarsel_mul, dd(0x1.fffffffffffffp+1023),
         dd(0.3), 0x1.3333333333332p+1022, 0x1.999999999999ap+968},
        {"factor below one times a large factor (second rescale)", tarsel_mul, dd(0.7123456789012345),
         dd(1.2345678901234567e300), 0x1.502db847e0aaep+996, -0x1.fa1fc3699ec86p+942},
        {"large factor times a factor above one stays exact", tarsel_mul, dd(1.2345678901234567e300), dd(3.3),
         0x1.85580021af4bcp+998, 0x1.cd3c814e78460p+941},
        {"1e300 * 10 is exact", tarsel_mul, dd(1e300), dd(10.0), 1e301, 0.0},
    });
}

TEST(Multiplication, HugeFactorScalesLikeASmallOne)
{
    // Scaling an operand by a power of two must scale the product exactly,
    // whichever rescaling branch the large operand takes.
    const double factors[] = {1.0, 3.3, 1234.5678, 9.0e4};
    for (double f : factors) {
        tarsel big = tarsel_mul(dd(0x1.23456789abcdep+1000), dd(f, f * 1e-17));
        tarsel small = tarsel_mul(dd(0x1.23456789abcdep+900), dd(f, f * 1e-17));
        double hi, lo;
        tarsel_extract(small, &hi, &lo);
        EXPECT_TRUE(same_bits(big, hi * 0x1p100, lo * 0x1p100)) << "factor " << f;
    }
}

TEST(Division, QuotientToAbout106Bits)
{
    EXPECT_TRUE(same_bits(tarsel_div(dd(1.0), dd(3.0)), from_bits(0x3FD5555555555555ULL),
                          from_bits(0x3C75555555555555ULL)));
}

TEST(Division, SpecialCasesInTheirOrder)
{
    check_table({
        {"1 / 0", tarsel_div, dd(1.0), dd(0.0), inf, 0.0},
        {"-1 / 0", tarsel_div, dd(-1.0), dd(0.0), -inf, 0.0},
        {"1 / -0 takes the sign of the zero", tarsel_div, dd(1.0), dd(-0.0, 0.0), -inf, 0.0},
        {"a divisor with hi 0 and lo not 0 is no zero", tarsel_div, dd(1.0), dd(0.0, 0x1p-1000), inf, 0.0},
        {"2 / inf", tarsel_div, dd(2.0), dd(inf), 0.0, 0.0},
        {"-2 / inf", tarsel_div, dd(-2.0), dd(inf), -0.0, 0.0},
        {"2 / -inf", tarsel_div, dd(2.0), dd(-inf), -0.0, 0.0},
        {"inf / 2", tarsel_div, dd(inf), dd(2.0), inf, 0.0},
        {"-inf / 2", tarsel_div, dd(-inf), dd(2.0), -inf, 0.0},
        {"inf / -2", tarsel_div, dd(inf), dd(-2.0), -inf, 0.0},
        {"an overflowing first digit", tarsel_div, dd(1e300), dd(1e-10), inf, 0.0},
        {"an overflowing negative first digit", tarsel_div, dd(-1e300), dd(1e-10), -inf, 0.0},
    });
    EXPECT_TRUE(is_library_nan(tarsel_div(dd(0.0), dd(0.0))));
    EXPECT_TRUE(is_library_nan(tarsel_div(dd(-0.0), dd(0.0))));
    EXPECT_TRUE(is_library_nan(tarsel_div(dd(inf), dd(inf))));
    EXPECT_TRUE(is_library_nan(tarsel_div(dd(nan_), dd(-inf))));
}

TEST(Division, ByZeroTakesItsValueFromTheHighParts)
{
    // Only the high parts enter the quotient: a dividend with hi 0 and lo not
    // 0 over zero is 0/0 in the high parts, a NaN with lo +0.0.
    double hi, lo;
    tarsel_extract(tarsel_div(dd(0.0, 1e-300), dd(0.0)), &hi, &lo);
    EXPECT_TRUE(std::isnan(hi));
    EXPECT_EQ(bits_of(lo), 0u);
}

TEST(Division, NaNOperandsRunTheOrdinarySteps)
{
    // A NaN operand is no special case, also beside an infinite dividend or a
    // divisor whose hi alone is zero: the steps give NaN in the low part too,
    // where a special value would carry lo = +0.0.
    const struct {
        const char *why;
        tarsel a, b;
    } rows[] = {
        {"NaN dividend", dd(nan_), dd(2.0)},
        {"NaN divisor", dd(1.0), dd(nan_)},
        {"infinite dividend, NaN divisor", dd(inf), dd(nan_)},
        {"NaN dividend, divisor with hi 0 and lo not 0", dd(nan_), dd(0.0, 0x1p-1000)},
    };
    for (const auto &r : rows) {
        double hi, lo;
        tarsel_extract(tarsel_div(r.a, r.b), &hi, &lo);
        EXPECT_TRUE(std::isnan(hi) && std::isnan(lo)) << r.why;
    }
}

TEST(Division, NearTheLargestDoubleIsFiniteAndScalesExactly)
{
    // q1 * 3 rounds past the largest double although the quotient is finite.
    tarsel top = tarsel_div(dd(DBL_MAX), dd(3.0));
    tarsel half = tarsel_div(dd(DBL_MAX / 2), dd(3.0));
    double hi, lo;
    tarsel_extract(half, &hi, &lo);
    EXPECT_TRUE(same_bits(top, hi * 2, lo * 2));
    tarsel_extract(top, &hi, &lo);
    EXPECT_TRUE(std::isfinite(hi) && std::isfinite(lo));
}

TEST(SquareRoot, RootOfTwoAndOfLargeValues)
{
    EXPECT_TRUE(same_bits(tarsel_sqrt(dd(2.0)), 1.4142135623730951, -9.667293313452916e-17));
    double hi, lo;
    tarsel_extract(tarsel_sqrt(dd(1e308)), &hi, &lo);
    EXPECT_EQ(hi, 1e154);
}

TEST(SquareRoot, RootOfTheLargestDoubleScalesExactly)
{
    // z * z overflows for the largest double; a quarter of it does not, and
    // its root is exactly half.
    tarsel top = tarsel_sqrt(dd(DBL_MAX, 0x1p970));
    double hi, lo;
    tarsel_extract(tarsel_sqrt(dd(DBL_MAX / 4, 0x1p968)), &hi, &lo);
    EXPECT_TRUE(same_bits(top, hi * 2, lo * 2));
    EXPECT_TRUE(std::isfinite(hi * 2) && std::isfinite(lo));
}

TEST(SquareRoot, SpecialCasesInTheirOrder)
{
    EXPECT_TRUE(is_library_nan(tarsel_sqrt(dd(-1.0))));
    EXPECT_TRUE(is_library_nan(tarsel_sqrt(dd(0.0, -1e-300))));
    EXPECT_TRUE(is_library_nan(tarsel_sqrt(dd(-inf))));
    EXPECT_TRUE(same_bits(tarsel_sqrt(dd(-0.0, 0.0)), -0.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_sqrt(dd(0.0, 1e-300)), 0.0, 1e-300));
    EXPECT_TRUE(same_bits(tarsel_sqrt(dd(inf)), inf, 0.0));
    double hi, lo;
    tarsel_extract(tarsel_sqrt(dd(nan_, 5.0)), &hi, &lo);
    EXPECT_TRUE(std::isnan(hi));
    EXPECT_EQ(lo, 5.0);
}

TEST(SquareRoot, BottomOfTheRangeKeepsTheLowPart)
{
    // Below 2^-968 the corrections of z * z fell among the subnormals; the
    // root is taken of x 2^128.  Exact squares m^2 2^(2e) (m < 2^26, so the
    // square is one double) have the root m 2^e; the others are mpmath at
    // 400 bits rounded to double-double.  The bound is 2^-104 relative.
    const struct {
        double x_hi, x_lo, want_hi, want_lo;
        const char *why;
    } cases[] = {
        {0x1p-1074, 0.0, 0x1p-537, 0.0, "the smallest subnormal"},
        {9 * 0x1p-1074, 0.0, 3 * 0x1p-537, 0.0, "3^2 2^-1074"},
        {4503599493152769.0 * 0x1p-1074, 0.0, 67108863.0 * 0x1p-537, 0.0, "(2^26 - 1)^2 2^-1074"},
        {4503599493152769.0 * 0x1p-1000, 0.0, 67108863.0 * 0x1p-500, 0.0, "(2^26 - 1)^2 2^-1000"},
        {1853020188851841.0 * 0x1p-1020, 0.0, 43046721.0 * 0x1p-510, 0.0, "(3^16)^2 2^-1020"},
        {DBL_MIN, 0.0, 0x1p-511, 0.0, "the smallest normal double"},
        {1e-305, 0.0, 0x1.533195cb00bf7p-507, 0x1.e8e2c81fd0868p-561, "1e-305"},
        {1e-323, 0.0, 0x1.6a09e667f3bcdp-537, -0x1.bdd3413b26456p-591, "1e-323: hi was wrong"},
    };
    for (const auto &c : cases) {
        double diff_hi, diff_lo;
        tarsel_extract(tarsel_sub(tarsel_sqrt(dd(c.x_hi, c.x_lo)), dd(c.want_hi, c.want_lo)), &diff_hi, &diff_lo);
        EXPECT_LE(std::fabs(diff_hi), 0x1p-104 * c.want_hi) << c.why;
    }
}

TEST(ErrorFreeProduct, ExactInEveryRescalingBranch)
{
    // u = 1 + 2^-30: u * u = 1 + 2^-29 + 2^-60 rounds to 1 + 2^-29, so the
    // error is 2^-60 times whatever powers of two the factors carry.  Each row
    // sends the product through a different branch.
    const double u = 1.0 + 0x1p-30;
    struct Row {
        const char *why;
        double a, b, err;
    } rows[] = {
        {"no rescale", u, u, 0x1p-60},
        {"large first factor, second below one", u * 0x1p1000, u * 0x1p-1, 0x1p939},
        {"first below one, large second factor", u * 0x1p-1, u * 0x1p1000, 0x1p939},
        {"large first factor, second above one", u * 0x1p1000, u * 0x1p2, 0x1p942},
        {"first above one, large second factor", u * 0x1p2, u * 0x1p1000, 0x1p942},
        {"large factor and a negative one", u * 0x1p1000, -u, -0x1p940},
        {"product near the largest double, first factor larger", 0x1.2265b1f236eb0p+945, 0x1.c35aa905715ddp+78,
         -0x1.f59a988502100p+967},
        {"product near the largest double, second factor larger", 0x1.c35aa905715ddp+78, -0x1.2265b1f236eb0p+945,
         0x1.f59a988502100p+967},
        {"product near the largest double, factors of like size", 0x1.1027c4c829868p+572, 0x1.e19b779f44a16p+451,
         -0x1.0d2ca0cc6b880p+968},
        {"largest double times 1 - 2^-53", DBL_MAX, 1.0 - 0x1p-53, 0x1p918},
    };
    for (const Row &r : rows) {
        double p = r.a * r.b;
        EXPECT_EQ(bits_of(tarsel_exact_mul_err(r.a, r.b, p)), bits_of(r.err)) << r.why;
    }
}

TEST(TopOfTheRange, FiniteResultsStayFiniteWithTheirSign)
{
    // The partial product ahi * bhi of the split used to round past the
    // largest double here, giving an infinite or NaN error term.  Each result
    // must be twice that of the same operation on half the dividend or first
    // factor, which takes the plain steps.
    const struct {
        const char *why;
        BinaryOp op;
        double a, b;
    } rows[] = {
        {"largest double / 2^53", tarsel_div, DBL_MAX, 0x1p53},
        {"-largest double / 1e15", tarsel_div, -DBL_MAX, 1e15},
        {"largest double / 3", tarsel_div, DBL_MAX, 3.0},
        {"largest double * (1 - 2^-53)", tarsel_mul, DBL_MAX, 1.0 - 0x1p-53},
        {"-largest double * (1 - 2^-53)", tarsel_mul, -DBL_MAX, 1.0 - 0x1p-53},
    };
    for (const auto &r : rows) {
        double hi, lo;
        tarsel_extract(r.op(dd(r.a / 2), dd(r.b)), &hi, &lo);
        EXPECT_TRUE(same_bits(r.op(dd(r.a), dd(r.b)), hi * 2, lo * 2)) << r.why;
        EXPECT_TRUE(std::isfinite(hi * 2) && std::isfinite(lo)) << r.why;
    }
    EXPECT_TRUE(same_bits(tarsel_div(dd(DBL_MAX), dd(0x1p53)), 0x1.fffffffffffffp+970, 0.0));
    EXPECT_TRUE(same_bits(tarsel_mul(dd(DBL_MAX), dd(1.0 - 0x1p-53)), 0x1.ffffffffffffep+1023, 0x1p918));
}

TEST(TopOfTheRange, SquareOfTheRootOfTheLargestDoubleIsFinite)
{
    tarsel root = tarsel_sqrt(dd(DBL_MAX));
    double hi, lo;
    tarsel_extract(tarsel_mul(root, root), &hi, &lo);
    EXPECT_EQ(bits_of(hi), bits_of(DBL_MAX));
    EXPECT_LE(std::fabs(lo), 0x1p920);
}
