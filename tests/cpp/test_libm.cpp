// expm1 ... rad2deg of tarsel_libm.h: the C99 special values, the results
// that must be exact, the symmetries, and the inverse pairs.  The accuracy
// over each domain is measured against mpmath by tests/python/test_accuracy.py
// and the lanes against these functions by test_lanes.cpp.
#include <cmath>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_libm.h"

using namespace tarsel_test;

namespace {

typedef tarsel (*unary)(tarsel);
typedef tarsel (*binary)(tarsel, tarsel);

// |got - want| in units of 2^-104 of |want|, from the double-double difference.
double units_apart(tarsel got, tarsel want)
{
    double hi, lo, whi, wlo;
    tarsel_extract(tarsel_sub(got, want), &hi, &lo);
    tarsel_extract(want, &whi, &wlo);
    return std::fabs(hi + lo) / std::fabs(whi) * 0x1p104;
}

} // namespace

TEST(Libm, SpecialValuesOfC99AnnexF)
{
    const double ln2_hi = 0x1.62e42fefa39efp-1;
    const struct {
        const char *name;
        unary f;
        double x, want_hi;
    } cases[] = {
        {"expm1", tarsel_expm1, 0.0, 0.0},          {"expm1", tarsel_expm1, -0.0, -0.0},
        {"expm1", tarsel_expm1, inf, inf},          {"expm1", tarsel_expm1, -inf, -1.0},
        {"expm1", tarsel_expm1, 710.0, inf},        {"expm1", tarsel_expm1, -1000.0, -1.0},
        {"log1p", tarsel_log1p, 0.0, 0.0},          {"log1p", tarsel_log1p, -0.0, -0.0},
        {"log1p", tarsel_log1p, -1.0, -inf},        {"log1p", tarsel_log1p, inf, inf},
        {"log2", tarsel_log2, 0.0, -inf},           {"log2", tarsel_log2, -0.0, -inf},
        {"log2", tarsel_log2, 1.0, 0.0},            {"log2", tarsel_log2, inf, inf},
        {"log10", tarsel_log10, 0.0, -inf},         {"log10", tarsel_log10, 1.0, 0.0},
        {"log10", tarsel_log10, inf, inf},          {"exp2", tarsel_exp2, 0.0, 1.0},
        {"exp2", tarsel_exp2, -0.0, 1.0},           {"exp2", tarsel_exp2, -inf, 0.0},
        {"exp2", tarsel_exp2, inf, inf},            {"exp2", tarsel_exp2, 1024.0, inf},
        {"exp2", tarsel_exp2, -1074.0, 0x1p-1074},  {"exp2", tarsel_exp2, -1100.0, 0.0},
        {"cbrt", tarsel_cbrt, 0.0, 0.0},            {"cbrt", tarsel_cbrt, -0.0, -0.0},
        {"cbrt", tarsel_cbrt, inf, inf},            {"cbrt", tarsel_cbrt, -inf, -inf},
        {"asinh", tarsel_asinh, -0.0, -0.0},        {"asinh", tarsel_asinh, -inf, -inf},
        {"acosh", tarsel_acosh, 1.0, 0.0},          {"acosh", tarsel_acosh, inf, inf},
        {"atanh", tarsel_atanh, -0.0, -0.0},        {"atanh", tarsel_atanh, 1.0, inf},
        {"atanh", tarsel_atanh, -1.0, -inf},        {"deg2rad", tarsel_deg2rad, -0.0, -0.0},
        {"deg2rad", tarsel_deg2rad, -inf, -inf},    {"rad2deg", tarsel_rad2deg, -0.0, -0.0},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(c.f(dd(c.x)), c.want_hi, 0.0)) << c.name << "(" << c.x << ")";

    const struct {
        const char *name;
        unary f;
        double x;
    } nans[] = {
        {"log1p", tarsel_log1p, -1.5}, {"log1p", tarsel_log1p, -inf}, {"log2", tarsel_log2, -1e-300},
        {"log10", tarsel_log10, -inf}, {"acosh", tarsel_acosh, 0.5}, {"acosh", tarsel_acosh, -inf},
        {"atanh", tarsel_atanh, 1.5},  {"expm1", tarsel_expm1, nan_}, {"cbrt", tarsel_cbrt, nan_},
        {"deg2rad", tarsel_deg2rad, nan_},
    };
    for (const auto &c : nans)
        EXPECT_TRUE(is_library_nan(c.f(dd(c.x)))) << c.name << "(" << c.x << ")";
    /* a low part that puts the value outside the domain */
    EXPECT_TRUE(is_library_nan(tarsel_log1p(dd(-1.0, -0x1p-60))));
    EXPECT_TRUE(is_library_nan(tarsel_acosh(dd(1.0, -0x1p-60))));
    EXPECT_TRUE(is_library_nan(tarsel_atanh(dd(1.0, 0x1p-60))));

    const struct {
        const char *name;
        binary f;
        double x, y, want_hi, want_lo;
    } pairs[] = {
        {"hypot", tarsel_hypot, inf, nan_, inf, 0.0},      {"hypot", tarsel_hypot, nan_, -inf, inf, 0.0},
        {"hypot", tarsel_hypot, -3.0, 0.0, 3.0, -0.0}, /* |x| negates both parts */       {"hypot", tarsel_hypot, -0.0, -0.0, 0.0, 0.0},
        {"logaddexp", tarsel_logaddexp, -inf, -inf, -inf, 0.0},
        {"logaddexp", tarsel_logaddexp, inf, inf, inf, 0.0},
        {"logaddexp", tarsel_logaddexp, inf, -inf, inf, 0.0},
        {"logaddexp", tarsel_logaddexp, -inf, 2.0, 2.0, 0.0},
        {"logaddexp", tarsel_logaddexp, 0.0, 0.0, ln2_hi, 0x1.abc9e3b39803fp-56},
        {"logaddexp2", tarsel_logaddexp2, 3.0, 3.0, 4.0, 0.0},
        {"logaddexp2", tarsel_logaddexp2, -inf, -inf, -inf, 0.0},
    };
    for (const auto &c : pairs)
        EXPECT_TRUE(same_bits(c.f(dd(c.x), dd(c.y)), c.want_hi, c.want_lo)) << c.name << "(" << c.x << ", " << c.y << ")";
    EXPECT_TRUE(is_library_nan(tarsel_logaddexp(dd(nan_), dd(-inf))));
    EXPECT_TRUE(is_library_nan(tarsel_hypot(dd(nan_), dd(1.0))));
}

TEST(Libm, ExactResults)
{
    for (int n = -1074; n <= 1023; ++n) {
        EXPECT_TRUE(same_bits(tarsel_exp2(dd(n)), std::ldexp(1.0, n), 0.0)) << "exp2(" << n << ")";
        if (n >= -1022)
            EXPECT_TRUE(same_bits(tarsel_log2(dd(std::ldexp(1.0, n))), n, 0.0)) << "log2(2^" << n << ")";
    }
    double power = 1.0;
    for (int n = 0; n <= 22; ++n, power *= 10.0)
        EXPECT_TRUE(same_bits(tarsel_log10(dd(power)), n, 0.0)) << "log10(1e" << n << ")";
    for (int k = -300; k <= 300; k += 7) {
        double s = std::ldexp(1.0, k);
        EXPECT_TRUE(same_bits(tarsel_hypot(dd(3.0 * s), dd(-4.0 * s)), 5.0 * s, 0.0)) << "hypot at 2^" << k;
        double c = std::ldexp(1.0, 3 * (k / 3));
        EXPECT_TRUE(same_bits(tarsel_cbrt(dd(-27.0 * c)), -3.0 * std::ldexp(1.0, k / 3), -0.0)) << "cbrt at 2^" << k;
    }
    /* 180 degrees is pi to the last bit of the stored constant's product */
    EXPECT_LT(units_apart(tarsel_deg2rad(dd(180.0)), _tarsel_from_raw(_tarsel_pi_raw)), 1.0);
}

TEST(Libm, OddFunctionsAndInversePairs)
{
    const double xs[] = {1e-300, 3e-20, 1e-9, 0.001, 0.1, 0.2499, 0.43, 0.5, 0.75, 0.9999, 1.5, 20.0, 700.0};
    for (double x : xs) {
        tarsel v = dd(x, x * 0x1.3p-60);
        for (unary f : {tarsel_cbrt, tarsel_asinh, tarsel_atanh, tarsel_deg2rad, tarsel_rad2deg}) {
            if (f == tarsel_atanh && x >= 1.0)
                continue;
            double hi, lo;
            tarsel_extract(f(v), &hi, &lo);
            EXPECT_TRUE(same_bits(f(tarsel_neg(v)), -hi, -lo)) << x;
        }
        /* each function of a pair undoes the other to a few units, plus what
           the rounding of 1 + x ln 2 loses (exp2) or sinh's own error near
           1e-3 (5e-32 / x, about 1 / x units) */
        EXPECT_LT(units_apart(tarsel_log1p(tarsel_expm1(v)), v), 4.0) << "log1p(expm1(" << x << "))";
        EXPECT_LT(units_apart(tarsel_expm1(tarsel_log1p(v)), v), 4.0) << "expm1(log1p(" << x << "))";
        EXPECT_LT(units_apart(tarsel_log2(tarsel_exp2(v)), v), 4.0 + 1.0 / x) << "log2(exp2(" << x << "))";
        EXPECT_LT(units_apart(tarsel_asinh(tarsel_sinh(v)), v), 8.0 + 2.0 / x) << "asinh(sinh(" << x << "))";
    }
}
