// exact_value.hpp -- the pieces shared by the exact conversions: a finite
// double-double as one binary rational, its decimal expansion, and the
// correctly rounded double and pair nearest a rational.
#ifndef TARSEL_EXACT_VALUE_HPP
#define TARSEL_EXACT_VALUE_HPP

#include <cstdint>

#include "tarsel/detail/tarsel_bigint.hpp"
#include "tarsel/tarsel_exact.hpp"

namespace tars {
namespace detail {

// A finite double as mantissa * 2^exponent with mantissa below 2^53: the
// exponent is that of its ulp, at least -1074 (every subnormal and zero).
struct binary_double {
    bool negative;
    std::uint64_t mantissa;
    int exponent;
};

binary_double binary_parts(double d);

// The exact value (-1)^negative * mantissa * 2^exponent.
struct dyadic {
    bool negative = false;
    big_uint mantissa;
    int exponent = 0;
};

// hi + lo exactly; both parts finite.  A zero sum takes the sign of hi.
dyadic exact_sum(double hi, double lo);

// The decimal expansion of a dyadic value.
decimal_digits decimal_of(const dyadic &x);

// The double nearest numerator / denominator (both non-zero), ties to even:
// +inf from 2^1024 - 2^970 on, +0.0 up to 2^-1075.
double nearest_double(const big_uint &numerator, const big_uint &denominator);

// The pair read from (-1)^negative * numerator / denominator, as described
// at the top of tarsel_exact.hpp; numerator and denominator non-zero.
tarsel nearest_pair(bool negative, const big_uint &numerator, const big_uint &denominator);

} // namespace detail
} // namespace tars

#endif // TARSEL_EXACT_VALUE_HPP
