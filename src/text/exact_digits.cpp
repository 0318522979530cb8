// exact_digits.cpp -- the decimal expansion of hi + lo rounded half to even,
// to a number of significant digits or of places after the point.
#include "src/text/exact_value.hpp"

#include <algorithm>

namespace tars {

namespace {

decimal_digits zero_like(const decimal_digits &d)
{
    decimal_digits zero;
    zero.negative = d.negative;
    return zero;
}

// Keeps the first `keep` digits of an exact expansion (keep may be zero or
// negative: every digit goes) and rounds half to even on the rest.  The
// expansion has no trailing zeros, so any digit after the first dropped one
// makes it more than half.
decimal_digits round_at(decimal_digits d, std::int64_t keep)
{
    if (d.digits == "0" || keep >= std::int64_t(d.digits.size()))
        return d;
    if (keep < 0)
        return zero_like(d);
    std::size_t k = std::size_t(keep);
    char first_dropped = d.digits[k];
    bool more_than_half = first_dropped > '5' || (first_dropped == '5' && k + 1 < d.digits.size());
    bool tie_to_odd = first_dropped == '5' && k + 1 == d.digits.size() && k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
    d.digits.resize(k);
    if (more_than_half || tie_to_odd) {
        // Carry through trailing nines; past the first digit the value
        // becomes the next power of ten.
        while (!d.digits.empty() && d.digits.back() == '9')
            d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits = "1";
            d.exponent += 1;
        } else {
            d.digits.back() = char(d.digits.back() + 1);
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d.digits.empty() ? zero_like(d) : d;
}

// Places far beyond the 1400 digits of any expansion act alike; clamping
// them keeps the sum with the exponent from overflowing.
std::int64_t clamped_places(std::int64_t places)
{
    const std::int64_t limit = std::int64_t(1) << 40;
    return std::max(-limit, std::min(limit, places));
}

} // namespace

decimal_digits round_significant(const float128 &x, std::int64_t n)
{
    return round_at(exact_digits(x), std::max<std::int64_t>(n, 1));
}

decimal_digits round_places(const float128 &x, std::int64_t places, int scale)
{
    decimal_digits d = exact_digits(x);
    if (d.digits == "0")
        return d;
    d.exponent += scale;
    return round_at(d, d.exponent + 1 + clamped_places(places));
}

// d1.d2d3... * 10^exponent is the integer d1d2d3... times 10^(exponent - count + 1).
float128 round_to_places(const float128 &x, std::int64_t places)
{
    if (classify_sum(x) != sum_class::finite)
        return x;
    decimal_digits d = round_places(x, places);
    return from_decimal_parts(d.negative, d.digits, d.exponent - (std::int64_t(d.digits.size()) - 1));
}

} // namespace tars
