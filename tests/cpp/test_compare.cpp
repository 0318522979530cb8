// Ordering, classification and absolute value of double-double values.
#include "tests/cpp/bits.hpp"

#include "tarsel/tarsel_utils.h"

#include <limits>

using namespace tarsel_test;

namespace {

struct OrderCase {
    const char *why;
    tarsel a, b;
    int cmp; // expected tarsel_cmp
    int eq, lt, le, gt, ge;
};

} // namespace

TEST(Ordering, LexicographicOnHiThenLoAndFalseForNaNHi)
{
    const OrderCase cases[] = {
        {"equal hi parts ordered by lo", dd(1.0, 1e-20), dd(1.0, 0.0), 1, 0, 0, 0, 1, 1},
        {"a negative lo orders first", dd(1.0, -1e-20), dd(1.0, 0.0), -1, 0, 1, 1, 0, 0},
        {"hi decides before lo", dd(1.0, 1e-16), dd(2.0, -1e-16), -1, 0, 1, 1, 0, 0},
        {"signed zeros are equal", dd(0.0, 0.0), dd(-0.0, 0.0), 0, 1, 0, 1, 0, 1},
        {"no renormalisation", dd(1.0, 0.0), dd(0.5, 0.5), 1, 0, 0, 0, 1, 1},
        {"a NaN lo orders its side first", dd(1.0, nan_), dd(1.0, 0.0), -1, 0, 1, 1, 0, 0},
        {"a NaN lo on the right too", dd(1.0, 0.0), dd(1.0, nan_), -1, 0, 1, 1, 0, 0},
        {"NaN hi on the left", dd(nan_), dd(1.0), -1, 0, 0, 0, 0, 0},
        {"NaN hi on the right", dd(1.0), dd(nan_), -1, 0, 0, 0, 0, 0},
        {"NaN against itself", dd(nan_), dd(nan_), -1, 0, 0, 0, 0, 0},
        {"infinities", dd(-inf), dd(inf), -1, 0, 1, 1, 0, 0},
    };
    for (const OrderCase &c : cases) {
        EXPECT_EQ(tarsel_cmp(c.a, c.b), c.cmp) << c.why;
        EXPECT_EQ(tarsel_eq(c.a, c.b), c.eq) << c.why;
        EXPECT_EQ(tarsel_lt(c.a, c.b), c.lt) << c.why;
        EXPECT_EQ(tarsel_le(c.a, c.b), c.le) << c.why;
        EXPECT_EQ(tarsel_gt(c.a, c.b), c.gt) << c.why;
        EXPECT_EQ(tarsel_ge(c.a, c.b), c.ge) << c.why;
    }
}

TEST(Classification, LooksAtTheHighPartOnly)
{
    EXPECT_EQ(tarsel_isnan(dd(nan_)), 1);
    EXPECT_EQ(tarsel_isnan(dd(1.0, nan_)), 0);
    EXPECT_EQ(tarsel_isinf(dd(inf)), 1);
    EXPECT_EQ(tarsel_isinf(dd(-inf)), 1);
    EXPECT_EQ(tarsel_isinf(dd(1.0, inf)), 0);
    EXPECT_EQ(tarsel_isinf(dd(nan_)), 0);
    EXPECT_EQ(tarsel_isinf(dd(1.7976931348623157e308)), 0);
}

TEST(AbsoluteValue, ZeroHiTakesTheMagnitudeOfLo)
{
    EXPECT_TRUE(same_bits(tarsel_abs(dd(-2.0, 1e-17)), 2.0, -1e-17));
    EXPECT_TRUE(same_bits(tarsel_abs(dd(2.0, -1e-17)), 2.0, -1e-17));
    EXPECT_TRUE(same_bits(tarsel_abs(dd(-0.0, 0.0)), 0.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_abs(dd(0.0, -1e-300)), 0.0, 1e-300));
    EXPECT_TRUE(same_bits(tarsel_abs(dd(-inf, 0.0)), inf, -0.0));
}

TEST(AbsoluteValue, NaNHiIsReturnedUnchanged)
{
    double hi, lo;
    tarsel_extract(tarsel_abs(dd(-nan_, -3.0)), &hi, &lo);
    EXPECT_TRUE(std::isnan(hi));
    EXPECT_TRUE(std::signbit(hi));
    EXPECT_EQ(bits_of(lo), bits_of(-3.0));
}
