// exact_value.cpp -- a finite double-double as one binary rational, its
// decimal expansion and its integer ratio.
#include "src/text/exact_value.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tars {

namespace detail {

binary_double binary_parts(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    int biased = int((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    bool negative = (bits >> 63) != 0;
    if (biased == 0)
        return {negative, fraction, -1074};
    return {negative, fraction | (std::uint64_t(1) << 52), biased - 1075};
}

dyadic exact_sum(double hi, double lo)
{
    binary_double a = binary_parts(hi), b = binary_parts(lo);
    int e = std::min(a.exponent, b.exponent);
    big_uint ma = big_uint(a.mantissa) << std::size_t(a.exponent - e);
    big_uint mb = big_uint(b.mantissa) << std::size_t(b.exponent - e);
    dyadic r;
    r.exponent = e;
    if (a.negative == b.negative) {
        r.mantissa = ma + mb;
        r.negative = a.negative;
    } else if (compare(ma, mb) >= 0) {
        r.mantissa = ma - mb;
        r.negative = a.negative;
    } else {
        r.mantissa = mb - ma;
        r.negative = b.negative;
    }
    if (r.mantissa.is_zero())
        r.negative = a.negative;
    return r;
}

// Factors of two move from the mantissa into a negative exponent, so that
// the power of five in the decimal expansion is no larger than it must be.
static dyadic without_trailing_zero_bits(dyadic x)
{
    if (x.exponent < 0 && !x.mantissa.is_zero()) {
        std::size_t shift = std::min(x.mantissa.trailing_zero_bits(), std::size_t(-x.exponent));
        x.mantissa >>= shift;
        x.exponent += int(shift);
    }
    return x;
}

// m * 2^e with e < 0 is m * 5^-e / 10^-e: the digits of an integer with the
// point moved.
decimal_digits decimal_of(const dyadic &value)
{
    decimal_digits r;
    r.negative = value.negative;
    if (value.mantissa.is_zero())
        return r;
    dyadic x = without_trailing_zero_bits(value);
    if (x.exponent >= 0) {
        r.digits = (x.mantissa << std::size_t(x.exponent)).to_decimal();
        r.exponent = std::int64_t(r.digits.size()) - 1;
    } else {
        r.digits = (x.mantissa * big_uint::power_of_five(std::size_t(-x.exponent))).to_decimal();
        r.exponent = std::int64_t(r.digits.size()) - 1 + x.exponent;
    }
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    return r;
}

} // namespace detail

using namespace detail;

sum_class classify_sum(const float128 &x)
{
    double hi, lo;
    x.extract(hi, lo);
    if (std::isnan(hi) || std::isnan(lo))
        return sum_class::nan;
    if (std::isinf(hi) && std::isinf(lo) && std::signbit(hi) != std::signbit(lo))
        return sum_class::nan;
    if (std::isinf(hi) || std::isinf(lo))
        return sum_class::infinite;
    return sum_class::finite;
}

decimal_digits exact_digits(const float128 &x)
{
    double hi, lo;
    x.extract(hi, lo);
    return decimal_of(exact_sum(hi, lo));
}

std::optional<integer_ratio> as_integer_ratio(const float128 &x)
{
    if (classify_sum(x) != sum_class::finite)
        return std::nullopt;
    double hi, lo;
    x.extract(hi, lo);
    dyadic value = without_trailing_zero_bits(exact_sum(hi, lo));
    integer_ratio r;
    r.negative = value.negative;
    if (value.mantissa.is_zero()) {
        r.denominator = big_uint(1);
    } else if (value.exponent >= 0) {
        r.numerator = value.mantissa << std::size_t(value.exponent);
        r.denominator = big_uint(1);
    } else {
        r.numerator = value.mantissa;
        r.denominator = big_uint(1) << std::size_t(-value.exponent);
    }
    return r;
}

} // namespace tars
