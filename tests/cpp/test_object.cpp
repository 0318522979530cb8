// tars::float128: construction, operators and free functions forward to the
// scalar layer, and in-place operators change the object itself.
#include "tests/cpp/bits.hpp"

#include "tarsel/tarsel.hpp"

#include <limits>

using namespace tarsel_test;

TEST(Float128, DefaultIsPositiveZeroInBothParts)
{
    tars::float128 x;
    EXPECT_TRUE(same_bits(x.data, 0.0, 0.0));
    double hi = 1.0, lo = 1.0;
    tars::float128(2.5).extract(hi, lo);
    EXPECT_EQ(hi, 2.5);
    EXPECT_EQ(bits_of(lo), 0u);
}

TEST(Float128, OperatorsMatchTheScalarFunctions)
{
    const tars::float128 a(tarsel_from_hi_lo(1.0, 1e-20)), b(3.0);
    const struct {
        const char *why;
        tars::float128 got;
        tarsel want;
    } rows[] = {
        {"+", a + b, tarsel_add(a.data, b.data)},
        {"-", a - b, tarsel_sub(a.data, b.data)},
        {"*", a * b, tarsel_mul(a.data, b.data)},
        {"/", a / b, tarsel_div(a.data, b.data)},
        {"unary -", -a, tarsel_neg(a.data)},
    };
    for (const auto &r : rows) {
        double hi, lo;
        tarsel_extract(r.want, &hi, &lo);
        EXPECT_TRUE(same_bits(r.got.data, hi, lo)) << r.why;
    }
    EXPECT_TRUE(same_bits((a + b).data, 4.0, 1e-20));
}

TEST(Float128, InPlaceOperatorsReturnTheSameObject)
{
    tars::float128 x(1.0);
    tars::float128 &r = (x += tars::float128(2.0));
    EXPECT_EQ(&r, &x);
    EXPECT_TRUE(same_bits(x.data, 3.0, 0.0));
    x -= tars::float128(1.0);
    x *= tars::float128(3.0);
    x /= tars::float128(4.0);
    EXPECT_TRUE(same_bits(x.data, 1.5, 0.0));
}

TEST(Float128, ComparisonOperatorsAndNotEqualForNaN)
{
    const tars::float128 one(1.0), two(2.0), nan_(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(one < two && one <= two && two > one && two >= one && one != two);
    EXPECT_FALSE(nan_ == nan_);
    EXPECT_TRUE(nan_ != nan_);
    EXPECT_FALSE(nan_ < one || nan_ > one || nan_ <= one || nan_ >= one);
}

TEST(Float128, FreeFunctions)
{
    EXPECT_TRUE(same_bits(tars::sqrt(tars::float128(2.0)).data, 1.4142135623730951, -9.667293313452916e-17));
    EXPECT_TRUE(same_bits(tars::abs(tars::float128(-2.0)).data, 2.0, -0.0));
    EXPECT_TRUE(tars::isnan(tars::float128(0.0) / tars::float128(0.0)));
    EXPECT_TRUE(tars::isinf(tars::float128(1.0) / tars::float128(0.0)));
    EXPECT_FALSE(tars::isinf(tars::float128(1.0)));
}
