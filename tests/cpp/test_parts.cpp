// The parts of a value (tarsel_parts.h): ldexp, frexp, modf, spacing and
// nextafter, their special values case by case, and their exactness as
// properties over values of every kind: powers of two with low parts of
// either sign, low parts on and off the 106-bit grid, subnormals, the ends of
// the range.
#include <cfloat>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_parts.h"
#include "tarsel/tarsel_superacc.hpp"

using namespace tarsel_test;

namespace {

const double smallest_subnormal = 0x1p-1074;                        // the smallest subnormal
const double top_lo = 0x1p970 - 0x1p918;              // the low part of the largest value on the grid

// The exact sum of the parts of a and b equals that of c.
bool sum_is(tarsel a, tarsel b, tarsel c)
{
    tars::superaccumulator left, right;
    for (tarsel x : {a, b}) {
        double hi, lo;
        tarsel_extract(x, &hi, &lo);
        left.add(hi);
        left.add(lo);
    }
    double hi, lo;
    tarsel_extract(c, &hi, &lo);
    right.add(hi);
    right.add(lo);
    return left == right;
}

// hi + lo == hi: the pair is renormalised.
bool is_renormalised(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    return hi + lo == hi;
}

double hi_of(tarsel x)
{
    return _mm_cvtsd_f64(x);
}

// A value of the property tables: the pair with the exact value hi + lo,
// renormalised (a zero low part is +0.0, as results have it).
struct Value {
    double hi, lo;

    Value(double a, double b)
    {
        hi = a + b;
        double v = hi - a;
        lo = (a - (hi - v)) + (b - v);
    }
    tarsel x() const { return dd(hi, lo); }
};

// Finite nonzero values of every kind, each with its negation.
std::vector<Value> finite_values()
{
    const Value base[] = {
        {1.0, 0.0}, {1.0, -0x1p-54}, {1.0, 0x1p-105}, {1.0, -0x1p-106}, {1.0, 0x1p-200}, {0.75, 0x1p-60},
        {3.0, 1e-17}, {0.1, 0x1.999999999999ap-58}, {0.5, -0x1p-60}, {3.5, 0.0}, {0x1p60, -0.25},
        {0x1p53, 0.5}, {0x1p106, 1.0}, {1e300, 1e283}, {0x1p1023, -0x1p969}, {DBL_MAX, top_lo},
        {DBL_MAX, 0.0}, {0x1p-1000, smallest_subnormal}, {0x1p-969, smallest_subnormal}, {0x1p-968, -smallest_subnormal}, {0x1p-969, 0.0},
        {0x1p-968, 0.0}, {DBL_MIN, 0.0}, {smallest_subnormal, 0.0}, {3 * smallest_subnormal, 0.0}, {0x1p-1023, 0.0}, {0x1.8p-1030, 0.0},
    };
    std::vector<Value> v;
    for (const Value &b : base) {
        v.push_back(b);
        v.push_back(Value(-b.hi, -b.lo));
    }
    return v;
}

// On the grid: the low part is a multiple of the step of its binade.
bool on_grid(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double step = std::fabs(hi_of(tarsel_spacing(x)));
    return std::fmod(lo, step) == 0.0;
}

} // namespace

/* --- special values, case by case --- */

struct LdexpCase {
    const char *why;
    double hi, lo;
    int n;
    double want_hi, want_lo;
};

TEST(Ldexp, ScalesBothPartsAndSaturatesAtTheEndsOfTheRange)
{
    const LdexpCase cases[] = {
        {"both parts scaled exactly", 1.0, 0x1p-60, 10, 1024.0, 0x1p-50},
        {"negative exponent", -3.0, 1e-17, -3, -0.375, 1e-17 / 8},
        {"-0 unchanged", -0.0, 0.0, 5, -0.0, 0.0},
        {"inf unchanged", inf, 0.0, -5, inf, 0.0},
        {"overflow gives inf with lo +0", 0x1p1000, 0x1p940, 100, inf, 0.0},
        {"INT_MAX saturates", 1.0, 0x1p-60, INT_MAX, inf, 0.0},
        {"INT_MIN vanishes with the sign of x", -1.0, -0x1p-60, INT_MIN, -0.0, 0.0},
        {"below the subnormals rounds to zero", 1.0, 0x1p-60, -1080, 0.0, 0.0},
        {"a subnormal high part is rounded once", 0x1.0000000000003p-1020, 0.0, -3, 0x1.0000000000004p-1023, 0.0},
        {"a low part among the subnormals", 1.0, 0x1p-60, -1000, 0x1p-1000, 0x1p-1060},
    };
    for (const LdexpCase &c : cases)
        EXPECT_TRUE(same_bits(tarsel_ldexp(dd(c.hi, c.lo), c.n), c.want_hi, c.want_lo)) << c.why;
    EXPECT_TRUE(tarsel_isnan(tarsel_ldexp(dd(nan_), 3)));
}

struct FrexpCase {
    const char *why;
    double hi, lo;
    double want_hi, want_lo;
    int want_e;
};

TEST(Frexp, TakesTheBinadeOfTheExactValue)
{
    const FrexpCase cases[] = {
        {"3 = 0.75 * 2^2", 3.0, 0.0, 0.75, 0.0, 2},
        {"a power of two is 0.5 * 2^(k+1)", 1.0, 0x1p-60, 0.5, 0x1p-61, 1},
        {"below a power of two: m = 1 - smallest_subnormal", 1.0, -0x1p-60, 1.0, -0x1p-60, 0},
        {"negative, below a power of two", -4.0, 0x1p-55, -1.0, 0x1p-57, 2},
        {"the smallest subnormal", smallest_subnormal, 0.0, 0.5, 0.0, -1073},
        {"+0 gives (+0, 0)", 0.0, 0.0, 0.0, 0.0, 0},
        {"-0 gives (-0, 0)", -0.0, 0.0, -0.0, 0.0, 0},
        {"inf gives (inf, 0)", -inf, 0.0, -inf, 0.0, 0},
        {"the largest value", DBL_MAX, top_lo, std::ldexp(DBL_MAX, -1024), std::ldexp(top_lo, -1024), 1024},
    };
    for (const FrexpCase &c : cases) {
        int e = -12345;
        EXPECT_TRUE(same_bits(tarsel_frexp(dd(c.hi, c.lo), &e), c.want_hi, c.want_lo)) << c.why;
        EXPECT_EQ(e, c.want_e) << c.why;
    }
    int e = -12345;
    EXPECT_TRUE(tarsel_isnan(tarsel_frexp(dd(nan_), &e)));
    EXPECT_EQ(e, 0);
}

struct ModfCase {
    const char *why;
    double hi, lo;
    double frac_hi, frac_lo, int_hi, int_lo;
};

TEST(Modf, SplitsExactlyWithTheSignOfTheArgument)
{
    const ModfCase cases[] = {
        {"C's example -3.5", -3.5, 0.0, -0.5, 0.0, -3.0, 0.0},
        {"an integer has a -0 fraction", -3.0, 0.0, -0.0, 0.0, -3.0, 0.0},
        {"below one the integral part is -0", -0.5, 0.0, -0.5, 0.0, -0.0, 0.0},
        {"-0 gives -0 twice", -0.0, 0.0, -0.0, 0.0, -0.0, 0.0},
        {"-inf gives -0 and -inf", -inf, 0.0, -0.0, 0.0, -inf, 0.0},
        {"the fraction sits in lo", two60, -0.25, 0.75, 0.0, two60, -1.0},
        {"a low part of the other sign crosses an integer", -1.0, 0x1p-60, -1.0, 0x1p-60, -0.0, 0.0},
        {"one minus a smallest_subnormal part needs both doubles", 1.0, -0x1p-60, 1.0, -0x1p-60, 0.0, 0.0},
        {"a half in lo above 2^53", 0x1p53, 0.5, 0.5, 0.0, 0x1p53, 0.0},
        {"beyond 2^106 everything is integral", 0x1p106, -1.0, 0.0, 0.0, 0x1p106, -1.0},
    };
    for (const ModfCase &c : cases) {
        tarsel integral;
        tarsel frac = tarsel_modf(dd(c.hi, c.lo), &integral);
        EXPECT_TRUE(same_bits(frac, c.frac_hi, c.frac_lo)) << c.why;
        EXPECT_TRUE(same_bits(integral, c.int_hi, c.int_lo)) << c.why;
    }
    tarsel integral;
    EXPECT_TRUE(tarsel_isnan(tarsel_modf(dd(nan_), &integral)));
    EXPECT_TRUE(tarsel_isnan(integral));
}

struct StepCase {
    const char *why;
    double hi, lo;
    double want;
};

TEST(Spacing, IsTheStepOfTheBinadeOfTheExactValue)
{
    const StepCase cases[] = {
        {"one unit in the 106th bit of 1", 1.0, 0.0, 0x1p-105},
        {"with the sign of x", -1.0, 0.0, -0x1p-105},
        {"just below 1: the binade below", 1.0, -0x1p-60, 0x1p-106},
        {"+0", 0.0, 0.0, smallest_subnormal},
        {"-0", -0.0, 0.0, -smallest_subnormal},
        {"2^-969 meets the subnormal step", 0x1p-969, 0.0, smallest_subnormal},
        {"2^-968 is the last binade above it", 0x1p-968, 0.0, 2 * smallest_subnormal},
        {"never below 2^-1074", 0x1p-1000, 0.0, smallest_subnormal},
        {"the largest binade", DBL_MAX, top_lo, 0x1p918},
    };
    for (const StepCase &c : cases)
        EXPECT_TRUE(same_bits(tarsel_spacing(dd(c.hi, c.lo)), c.want, 0.0)) << c.why;
    EXPECT_TRUE(is_library_nan(tarsel_spacing(dd(-inf))));
    EXPECT_TRUE(tarsel_isnan(tarsel_spacing(dd(nan_))));
}

struct NextCase {
    const char *why;
    double x_hi, x_lo, y_hi, y_lo;
    double want_hi, want_lo;
};

TEST(Nextafter, MovesOneGridStepTowardsY)
{
    const NextCase cases[] = {
        {"up from 1", 1.0, 0.0, 2.0, 0.0, 1.0, 0x1p-105},
        {"down from 1: the step of the binade below", 1.0, 0.0, 0.0, 0.0, 1.0, -0x1p-106},
        {"up to a power of two", 2.0, -0x1p-105, 3.0, 0.0, 2.0, 0.0},
        {"off the grid: the next grid point up", 1.0, 0x1p-200, 2.0, 0.0, 1.0, 0x1p-105},
        {"off the grid: the next grid point down", 1.0, 0x1p-200, 0.0, 0.0, 1.0, 0.0},
        {"equal values give y", 0.0, 0.0, -0.0, 0.0, -0.0, 0.0},
        {"from +0 up", 0.0, 0.0, 1.0, 0.0, smallest_subnormal, 0.0},
        {"from -0 down", -0.0, 0.0, -1.0, 0.0, -smallest_subnormal, 0.0},
        {"from +0 down", 0.0, 0.0, -1.0, 0.0, -smallest_subnormal, 0.0},
        {"to zero keeps the sign of x", -smallest_subnormal, 0.0, 1.0, 0.0, -0.0, 0.0},
        {"from inf", inf, 0.0, 0.0, 0.0, DBL_MAX, 0.0},
        {"from -inf towards inf", -inf, 0.0, inf, 0.0, -DBL_MAX, 0.0},
        {"inf to inf", inf, 0.0, inf, 0.0, inf, 0.0},
        {"past the largest value", DBL_MAX, top_lo, inf, 0.0, inf, 0.0},
        {"in the subnormals the step is 2^-1074", 0x1p-1000, 0.0, 0.0, 0.0, 0x1p-1000, -smallest_subnormal},
    };
    for (const NextCase &c : cases)
        EXPECT_TRUE(same_bits(tarsel_nextafter(dd(c.x_hi, c.x_lo), dd(c.y_hi, c.y_lo)), c.want_hi, c.want_lo))
            << c.why;
    EXPECT_TRUE(tarsel_isnan(tarsel_nextafter(dd(nan_), dd(1.0))));
    EXPECT_TRUE(tarsel_isnan(tarsel_nextafter(dd(1.0), dd(nan_))));
    EXPECT_TRUE(tarsel_isnan(tarsel_nextafter(dd(inf), dd(nan_))));
}

TEST(PartsOfAValue, PairsThatAreNoNumberGiveSpecialValues)
{
    // A sum past the largest double counts as its infinity; a finite high
    // part beside a NaN low part is no number.
    tarsel integral;
    EXPECT_TRUE(same_bits(tarsel_modf(dd(DBL_MAX, DBL_MAX), &integral), 0.0, 0.0));
    EXPECT_TRUE(same_bits(integral, inf, 0.0));
    EXPECT_TRUE(is_library_nan(tarsel_spacing(dd(1.0, nan_))));
    int e = 7;
    EXPECT_TRUE(is_library_nan(tarsel_frexp(dd(1.0, nan_), &e)));
    EXPECT_EQ(e, 0);
    EXPECT_TRUE(same_bits(tarsel_nextafter(dd(DBL_MAX, DBL_MAX), dd(0.0)), DBL_MAX, 0.0));
}

/* --- exactness, as properties over values of every kind --- */

TEST(PartsOfAValue, FrexpThenLdexpGivesBackEveryBit)
{
    for (const Value &v : finite_values()) {
        int e;
        tarsel m = tarsel_frexp(v.x(), &e);
        tarsel magnitude = tarsel_abs(m);
        EXPECT_TRUE(tarsel_ge(magnitude, dd(0.5)) && tarsel_lt(magnitude, dd(1.0))) << describe(v.hi);
        EXPECT_TRUE(same_bits(tarsel_ldexp(m, e), v.hi, v.lo)) << describe(v.hi);
    }
}

TEST(PartsOfAValue, ModfPartsAddUpExactlyAndKeepTheSign)
{
    for (const Value &v : finite_values()) {
        tarsel integral;
        tarsel frac = tarsel_modf(v.x(), &integral);
        double ih, il;
        tarsel_extract(integral, &ih, &il);
        EXPECT_TRUE(sum_is(frac, integral, v.x())) << describe(v.hi);
        EXPECT_TRUE(std::trunc(ih) == ih && std::trunc(il) == il) << describe(v.hi);
        EXPECT_TRUE(tarsel_lt(tarsel_abs(frac), dd(1.0))) << describe(v.hi);
        EXPECT_EQ(std::signbit(hi_of(frac)), std::signbit(v.hi)) << describe(v.hi);
        EXPECT_EQ(std::signbit(ih), std::signbit(v.hi)) << describe(v.hi);
        EXPECT_TRUE(is_renormalised(frac) && is_renormalised(integral)) << describe(v.hi);
    }
}

TEST(PartsOfAValue, NextafterThereAndBackReturnsToAGridValue)
{
    for (const Value &v : finite_values()) {
        if (!on_grid(v.x()) || std::fabs(v.hi) < 0x1p-968)
            continue;
        for (double direction : {inf, -inf}) {
            tarsel there = tarsel_nextafter(v.x(), dd(direction));
            if (tarsel_isinf(there))
                continue;
            EXPECT_TRUE(direction > 0 ? tarsel_gt(there, v.x()) : tarsel_lt(there, v.x())) << describe(v.hi);
            EXPECT_TRUE(is_renormalised(there)) << describe(v.hi);
            EXPECT_TRUE(same_bits(tarsel_nextafter(there, v.x()), v.hi, v.lo))
                << describe(v.hi) << " towards " << direction;
        }
    }
}

TEST(PartsOfAValue, SpacingIsTheStepOfNextafterAwayFromZero)
{
    for (const Value &v : finite_values()) {
        if (!on_grid(v.x()))
            continue;
        tarsel away = tarsel_nextafter(v.x(), dd(std::copysign(inf, v.hi)));
        if (tarsel_isinf(away))
            continue;
        EXPECT_TRUE(sum_is(v.x(), tarsel_spacing(v.x()), away)) << describe(v.hi);
    }
}

TEST(PartsOfAValue, ObjectLayerForwardsToTheScalarFunctions)
{
    tars::float128 x = tars::float128(tarsel_from_hi_lo(-4.0, 0x1p-55));
    auto [m, e] = tars::frexp(x);
    EXPECT_TRUE(same_bits(m.data, -1.0, 0x1p-57));
    EXPECT_EQ(e, 2);
    auto [frac, integral] = tars::modf(tars::float128(-3.5));
    EXPECT_TRUE(same_bits(frac.data, -0.5, 0.0));
    EXPECT_TRUE(same_bits(integral.data, -3.0, 0.0));
    EXPECT_TRUE(same_bits(tars::ldexp(x, 3).data, -32.0, 0x1p-52));
    EXPECT_TRUE(same_bits(tars::spacing(x).data, -0x1p-104, 0.0));
    EXPECT_TRUE(same_bits(tars::nextafter(x, tars::float128(0.0)).data, -4.0, 0x1p-55 + 0x1p-104));
}
