// exact_nearest.cpp -- the pair nearest a rational or a decimal: hi the double
// nearest the value, lo the double nearest what remains, both ties to even.
#include "src/text/exact_value.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tars {

namespace detail {

double nearest_double(const big_uint &numerator, const big_uint &denominator)
{
    // With b(.) the bit length, the quotient lies in (2^(span-1), 2^(span+1)).
    std::int64_t span = std::int64_t(numerator.bit_length()) - std::int64_t(denominator.bit_length());
    if (span - 1 >= 1024)
        return std::numeric_limits<double>::infinity();
    if (span + 1 <= -1075)
        return 0.0;
    // q = floor(quotient * 2^shift) has 55 or 56 bits: at least two below the
    // last of a double, and the remainder of the division tells whether
    // anything lies below q.
    std::int64_t shift = 55 - span;
    big_uint q, r;
    if (shift >= 0)
        big_uint::divmod(numerator << std::size_t(shift), denominator, q, r);
    else
        big_uint::divmod(numerator, denominator << std::size_t(-shift), q, r);
    int top = int(std::int64_t(q.bit_length()) - 1 - shift);  // floor(log2(quotient))
    int ulp_exponent = std::max(top - 52, -1074);
    std::size_t dropped = std::size_t(ulp_exponent + shift);  // at least 2
    std::uint64_t m = (q >> dropped).low_u64();
    bool half = q.bit(dropped - 1);
    bool above_half = q.any_bit_below(dropped - 1) || !r.is_zero();
    if (half && (above_half || (m & 1u)))
        ++m;
    // m <= 2^53 converts exactly; m * 2^ulp_exponent is a double, or beyond
    // the largest one, where ldexp gives infinity as rounding does.
    return std::ldexp(double(m), ulp_exponent);
}

tarsel nearest_pair(bool negative, const big_uint &numerator, const big_uint &denominator)
{
    double hi = nearest_double(numerator, denominator);
    double lo = 0.0;
    if (!std::isinf(hi)) {
        // numerator / denominator - hi as a / scaled_den, exactly.
        binary_double h = binary_parts(hi);
        big_uint a = numerator, b = big_uint(h.mantissa) * denominator, scaled_den = denominator;
        if (h.exponent >= 0) {
            b <<= std::size_t(h.exponent);
        } else {
            a <<= std::size_t(-h.exponent);
            scaled_den <<= std::size_t(-h.exponent);
        }
        int order = compare(a, b);
        if (order > 0)
            lo = nearest_double(a - b, scaled_den);
        else if (order < 0)
            lo = -nearest_double(b - a, scaled_den);
        if (negative && order != 0)
            lo = -lo;
    }
    return tarsel_from_hi_lo(negative ? -hi : hi, lo);
}

} // namespace detail

using namespace detail;

namespace {

constexpr std::int64_t exponent_limit = std::int64_t(1) << 62;

std::int64_t saturating_add(std::int64_t a, std::int64_t b)
{
    if (b > 0 && a > exponent_limit - b)
        return exponent_limit;
    if (b < 0 && a < -exponent_limit - b)
        return -exponent_limit;
    return a + b;
}

// An exact zero or an infinity: lo is +0.0.
tarsel signed_with_zero_lo(bool negative, double magnitude)
{
    return tarsel_from_hi_lo(negative ? -magnitude : magnitude, 0.0);
}

} // namespace

float128 from_rational(bool negative, const big_uint &numerator, const big_uint &denominator)
{
    const double inf = std::numeric_limits<double>::infinity();
    if (denominator.is_zero())
        return numerator.is_zero() ? _tarsel_nan() : signed_with_zero_lo(negative, inf);
    if (numerator.is_zero())
        return signed_with_zero_lo(negative, 0.0);
    return nearest_pair(negative, numerator, denominator);
}

// Every point where the pair read from D changes -- a midpoint between two
// doubles for hi, hi plus such a midpoint for lo, hi itself for the sign of
// lo -- is a multiple of 2^-1075, so a multiple of 10^-1075.  Cut after the
// digit of 10^-1076, a D with further non-zero digits lies strictly between
// two neighbouring multiples of 10^-1076, where no such point is; any other
// value there, such as the kept digits followed by a 5, reads the same.
// Counted from 10^308, the largest place below infinity, that keeps at most
// 1385 digits.  A D of 10^309 or more rounds to infinity, one below 10^-325
// (less than 2^-1075) to zero.
float128 from_decimal_parts(bool negative, std::string_view digits, std::int64_t exponent)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return signed_with_zero_lo(negative, 0.0);
    std::size_t last = digits.find_last_not_of('0');
    exponent = saturating_add(exponent, std::int64_t(digits.size() - 1 - last));
    digits = digits.substr(first, last + 1 - first);
    std::int64_t leading = saturating_add(exponent, std::int64_t(digits.size()) - 1);
    if (leading >= 309)
        return signed_with_zero_lo(negative, inf);
    if (leading <= -326)  // both parts round to a zero of the value's sign
        return tarsel_from_hi_lo(negative ? -0.0 : 0.0, negative ? -0.0 : 0.0);
    std::string kept(digits.substr(0, std::size_t(std::min<std::int64_t>(std::int64_t(digits.size()), leading + 1077))));
    if (kept.size() < digits.size())
        kept.push_back('5');
    std::int64_t last_place = leading - (std::int64_t(kept.size()) - 1);
    big_uint n = big_uint::from_decimal(kept);
    if (last_place >= 0)
        return nearest_pair(negative, n * big_uint::power_of_ten(std::size_t(last_place)), big_uint(1));
    return nearest_pair(negative, n, big_uint::power_of_ten(std::size_t(-last_place)));
}

} // namespace tars
