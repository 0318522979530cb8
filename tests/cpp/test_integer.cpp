// The integers next to the exact sum hi + lo of any pair, returned as two
// integral doubles whose exact sum is the integer.
#include <cmath>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_integer.h"

using namespace tarsel_test;

namespace {

const double two52 = 4503599627370496.0;       // 2^52

// An integer written as the exact sum a + b of two doubles.
struct Integer {
    double a, b;
};

struct IntegerCase {
    const char *why;
    double hi, lo;
    Integer floor, ceil, trunc, round_even;
};

// The pair renormalised by a two-sum, which is exact while the sum stays
// finite: two pairs with the same exact sum become the same pair.
void renormalise(double a, double b, double &s, double &e)
{
    s = a + b;
    double v = s - a;
    e = (a - (s - v)) + (b - v);
}

// Both parts integral and the same exact sum as want.  Where want's sum is
// beyond the doubles, the parts themselves must match.
::testing::AssertionResult same_integer(tarsel got, Integer want)
{
    double hi, lo;
    tarsel_extract(got, &hi, &lo);
    auto failure = [&]() {
        return ::testing::AssertionFailure() << "got {" << describe(hi) << ", " << describe(lo) << "}, want "
                                             << describe(want.a) << " + " << describe(want.b);
    };
    if (std::trunc(hi) != hi || std::trunc(lo) != lo)
        return failure() << " (a part is not an integer)";
    double want_s, want_e, got_s, got_e;
    renormalise(want.a, want.b, want_s, want_e);
    if (std::isinf(want_s))
        return hi == want.a && lo == want.b ? ::testing::AssertionSuccess() : failure();
    renormalise(hi, lo, got_s, got_e);
    return got_s == want_s && got_e == want_e ? ::testing::AssertionSuccess() : failure();
}

} // namespace

TEST(IntegerOfExactSum, FourRoundingsOfNormalisedAndUnnormalisedPairs)
{
    const IntegerCase cases[] = {
        // why                              hi, lo              floor              ceil               trunc              round_even
        {"a half goes to even (down)",      2.5, 0.0,           {2, 0},            {3, 0},            {2, 0},            {2, 0}},
        {"a half goes to even (up)",        3.5, 0.0,           {3, 0},            {4, 0},            {3, 0},            {4, 0}},
        {"negative half to even",           -2.5, 0.0,          {-3, 0},           {-2, 0},           {-2, 0},           {-2, 0}},
        {"lo just above the half",          2.5, 1e-17,         {2, 0},            {3, 0},            {2, 0},            {3, 0}},
        {"lo just below the half",          3.5, -1e-17,        {3, 0},            {4, 0},            {3, 0},            {3, 0}},
        {"integral hi, negative lo",        3.0, -1e-17,        {2, 0},            {3, 0},            {2, 0},            {3, 0}},
        {"integral negative hi, lo above",  -3.0, 1e-17,        {-3, 0},           {-2, 0},           {-2, 0},           {-3, 0}},
        {"lo holds the fraction: tie even", two60, 0.5,         {two60, 0},        {two60, 1},        {two60, 0},        {two60, 0}},
        {"tie next to an odd integer",      two60, 1.5,         {two60, 1},        {two60, 2},        {two60, 1},        {two60, 2}},
        {"tie below a large even integer",  two60, -0.5,        {two60, -1},       {two60, 0},        {two60, -1},       {two60, 0}},
        {"negative large, fraction in lo",  -two60, 0.25,       {-two60, 0},       {-two60, 1},       {-two60, 1},       {-two60, 0}},
        {"tie at 2^52 + 1 (odd)",           two52 + 1, 0.5,     {two52 + 1, 0},    {two52 + 2, 0},    {two52 + 1, 0},    {two52 + 2, 0}},
        {"largest half-integer hi, tie",    two52 - 0.5, 0.0,   {two52 - 1, 0},    {two52, 0},        {two52 - 1, 0},    {two52, 0}},
        {"unnormalised: lo carries over",   0.5, 0.75,          {1, 0},            {2, 0},            {1, 0},            {1, 0}},
        {"unnormalised: halves make a tie", 0.25, 0.25,         {0, 0},            {1, 0},            {0, 0},            {0, 0}},
        {"unnormalised: huge integral lo",  0.5, two60,         {two60, 0},        {two60, 1},        {two60, 0},        {two60, 0}},
        {"unnormalised: cancelling parts",  1.0, -1.0,          {0, 0},            {0, 0},            {0, 0},            {0, 0}},
        {"beyond the doubles: pair kept",   1e308, 1e308,       {1e308, 1e308},    {1e308, 1e308},    {1e308, 1e308},    {1e308, 1e308}},
        {"huge integral hi, half lo",       1e300, 0.5,         {1e300, 0},        {1e300, 1},        {1e300, 0},        {1e300, 0}},
        {"zero hi, tiny negative lo",       0.0, -1e-300,       {-1, 0},           {0, 0},            {0, 0},            {0, 0}},
        {"tiny positive value",             1e-300, 0.0,        {0, 0},            {1, 0},            {0, 0},            {0, 0}},
        {"negative zero",                   -0.0, 0.0,          {0, 0},            {0, 0},            {0, 0},            {0, 0}},
        {"just below a half",               0.5, -1e-300,       {0, 0},            {1, 0},            {0, 0},            {0, 0}},
        {"largest double",                  1.7976931348623157e308, 0.0,
         {1.7976931348623157e308, 0}, {1.7976931348623157e308, 0}, {1.7976931348623157e308, 0},
         {1.7976931348623157e308, 0}},
    };
    for (const IntegerCase &c : cases) {
        tarsel x = tarsel_from_hi_lo(c.hi, c.lo);
        EXPECT_TRUE(same_integer(tarsel_integer_floor(x), c.floor)) << "floor: " << c.why;
        EXPECT_TRUE(same_integer(tarsel_integer_ceil(x), c.ceil)) << "ceil: " << c.why;
        EXPECT_TRUE(same_integer(tarsel_integer_trunc(x), c.trunc)) << "trunc: " << c.why;
        EXPECT_TRUE(same_integer(tarsel_integer_round_even(x), c.round_even)) << "round_even: " << c.why;
    }
}

TEST(IntegerOfExactSum, SpecialSumsGiveNaNOrTheInfinityWithZeroLo)
{
    struct SpecialCase {
        const char *why;
        double hi, lo;
        double want_hi; // NaN, +inf or -inf; lo is +0.0
    };
    const SpecialCase cases[] = {
        {"NaN hi", nan_, 0.0, nan_},
        {"NaN lo under a finite hi", 1.0, nan_, nan_},
        {"opposite infinities", inf, -inf, nan_},
        {"infinite hi", inf, 1.0, inf},
        {"infinite lo under a finite hi", 1.0, -inf, -inf},
        {"equal infinities", -inf, -inf, -inf},
    };
    for (const SpecialCase &c : cases) {
        tarsel x = tarsel_from_hi_lo(c.hi, c.lo);
        for (tarsel got : {tarsel_integer_floor(x), tarsel_integer_ceil(x), tarsel_integer_trunc(x),
                           tarsel_integer_round_even(x)}) {
            double hi, lo;
            tarsel_extract(got, &hi, &lo);
            EXPECT_TRUE(same_double(hi, c.want_hi)) << c.why << ": got " << describe(hi);
            EXPECT_EQ(lo, 0.0) << c.why;
        }
    }
}

TEST(Classification, FiniteLooksAtTheHighPartOnly)
{
    EXPECT_EQ(tarsel_isfinite(tarsel_from_hi_lo(1.0, 0.0)), 1);
    EXPECT_EQ(tarsel_isfinite(tarsel_from_hi_lo(1.0, nan_)), 1);
    EXPECT_EQ(tarsel_isfinite(tarsel_from_hi_lo(-inf, 0.0)), 0);
    EXPECT_EQ(tarsel_isfinite(tarsel_from_hi_lo(nan_, 0.0)), 0);
}
