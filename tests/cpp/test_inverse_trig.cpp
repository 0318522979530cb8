// Arctangent family: the special cases, the reflections and the domain edges.
#include <cmath>
#include <limits>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel_math.h"

using namespace tarsel_test;

namespace {

const double pi_hi = 3.141592653589793, pi_lo = 1.2246467991473532e-16;
const double half_pi_hi = 1.5707963267948966, half_pi_lo = 6.123233995736766e-17;

double abs_error(tarsel got, tarsel want)
{
    double hi, lo;
    tarsel_extract(tarsel_sub(got, want), &hi, &lo);
    return std::fabs(hi);
}

} // namespace

TEST(Arctangent, InfinitiesGiveTheStoredHalfPi)
{
    EXPECT_TRUE(same_bits(tarsel_atan(dd(inf)), half_pi_hi, half_pi_lo));
    EXPECT_TRUE(same_bits(tarsel_atan(dd(-inf)), -half_pi_hi, -half_pi_lo));
    EXPECT_TRUE(is_library_nan(tarsel_atan(dd(nan_))));
}

TEST(Arctangent, ReflectionStartsStrictlyAboveOne)
{
    // |x| = 1 goes to the kernel directly; 2 is pi/2 minus the kernel at 1/2.
    EXPECT_TRUE(tarsel_eq(tarsel_atan(dd(1.0)), _tarsel_atan_near_zero(dd(1.0))));
    EXPECT_TRUE(tarsel_eq(tarsel_atan(dd(-1.0)), _tarsel_atan_near_zero(dd(-1.0))));
    tarsel want = tarsel_sub(_tarsel_from_raw(_tarsel_pi_over_2_raw), _tarsel_atan_near_zero(dd(0.5)));
    EXPECT_TRUE(tarsel_eq(tarsel_atan(dd(2.0)), want));
    EXPECT_TRUE(tarsel_eq(tarsel_atan(dd(-2.0)), tarsel_neg(want)));
}

TEST(Arctangent, OneNewtonStepReachesDoubleDoubleAccuracy)
{
    tarsel quarter_pi = tarsel_mul(_tarsel_from_raw(_tarsel_pi_raw), dd(0.25));
    EXPECT_LT(abs_error(tarsel_atan(dd(1.0)), quarter_pi), 1e-32);
    tarsel sixth_pi = tarsel_div(_tarsel_from_raw(_tarsel_pi_raw), dd(6.0));
    EXPECT_LT(abs_error(tarsel_atan(tarsel_div(dd(1.0), tarsel_sqrt(dd(3.0)))), sixth_pi), 1e-32);
    EXPECT_LT(abs_error(tarsel_atan(tarsel_sqrt(dd(3.0))), tarsel_mul(sixth_pi, dd(2.0))), 1e-31);
}

TEST(Arctangent2, ZerosFollowTheirSignBits)
{
    const struct {
        double y, x, want_hi, want_lo;
    } cases[] = {
        {0.0, 0.0, 0.0, 0.0},          {-0.0, 0.0, -0.0, 0.0},
        {0.0, -0.0, pi_hi, pi_lo},     {-0.0, -0.0, -pi_hi, -pi_lo},
        {-0.0, -1.0, pi_hi, pi_lo},    // -0 is not below zero: +pi
        {5.0, 0.0, half_pi_hi, half_pi_lo}, {-5.0, 0.0, -half_pi_hi, -half_pi_lo},
        {5.0, -0.0, half_pi_hi, half_pi_lo},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(tarsel_atan2(dd(c.y), dd(c.x)), c.want_hi, c.want_lo)) << c.y << ", " << c.x;
}

TEST(Arctangent2, QuadrantsAndInfinities)
{
    tarsel pi = _tarsel_from_raw(_tarsel_pi_raw);
    tarsel three_quarter_pi = tarsel_mul(pi, dd(0.75));
    EXPECT_LT(abs_error(tarsel_atan2(dd(1.0), dd(-1.0)), three_quarter_pi), 1e-31);
    EXPECT_LT(abs_error(tarsel_atan2(dd(-1.0), dd(-1.0)), tarsel_neg(three_quarter_pi)), 1e-31);
    EXPECT_TRUE(is_library_nan(tarsel_atan2(dd(inf), dd(inf))));
    EXPECT_TRUE(is_library_nan(tarsel_atan2(dd(1.0), dd(nan_))));
    EXPECT_TRUE(same_bits(tarsel_atan2(dd(1.0), dd(inf)), 0.0, 0.0));
}

TEST(ArcsineArccosine, EndpointsAreExact)
{
    EXPECT_TRUE(same_bits(tarsel_asin(dd(1.0)), half_pi_hi, half_pi_lo));
    EXPECT_TRUE(same_bits(tarsel_asin(dd(-1.0)), -half_pi_hi, -half_pi_lo));
    EXPECT_TRUE(same_bits(tarsel_acos(dd(1.0)), 0.0, 0.0));
    EXPECT_TRUE(same_bits(tarsel_acos(dd(-1.0)), pi_hi, pi_lo));
    EXPECT_TRUE(same_bits(tarsel_acos(dd(0.0)), half_pi_hi, half_pi_lo));
}

TEST(ArcsineArccosine, LowPartJustOutsideTheUnitIntervalIsOutOfDomain)
{
    for (tarsel x : {dd(1.0, 1e-30), dd(-1.0, -1e-30), dd(1.5), dd(-1.5), dd(inf), dd(-inf), dd(nan_)}) {
        EXPECT_TRUE(is_library_nan(tarsel_asin(x)));
        EXPECT_TRUE(is_library_nan(tarsel_acos(x)));
    }
    // Just inside: computed, and close to the endpoint values.
    tarsel half_pi = _tarsel_from_raw(_tarsel_pi_over_2_raw);
    EXPECT_LT(abs_error(tarsel_asin(dd(1.0, -1e-30)), half_pi), 1e-14);
    EXPECT_LT(abs_error(tarsel_acos(dd(-1.0, 1e-30)), _tarsel_from_raw(_tarsel_pi_raw)), 1e-14);
    EXPECT_FALSE(tarsel_isnan(tarsel_acos(dd(1.0, -1e-30))));
    EXPECT_FALSE(tarsel_isnan(tarsel_asin(dd(-1.0, 1e-30))));
}

TEST(ArcsineArccosine, NegativeArgumentsReflect)
{
    tarsel pi = _tarsel_from_raw(_tarsel_pi_raw);
    tarsel two_thirds_pi = tarsel_div(tarsel_mul(pi, dd(2.0)), dd(3.0));
    EXPECT_LT(abs_error(tarsel_acos(dd(-0.5)), two_thirds_pi), 1e-31);
    tarsel sixth_pi = tarsel_div(pi, dd(6.0));
    EXPECT_LT(abs_error(tarsel_asin(dd(-0.5)), tarsel_neg(sixth_pi)), 1e-31);
}
