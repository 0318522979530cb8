// exact_shortest.cpp -- the fewest significant digits that read back to the
// same pair.
//
// Reading sends a whole interval of reals to one pair: those that round to
// hi, and whose remainder after hi rounds to lo.  Its ends are midpoints
// between doubles, so in a common binary unit 2^e0 the ends and the value are
// integers, and multiplied by 5^-e0 they become decimal integers in the unit
// 10^e0: the digit strings below.  The shortest text is a multiple of the
// largest power of ten 10^t (in that unit) that the interval holds; of those
// multiples, the one nearest the value, ties to even.  The interval holds a
// multiple of 10^t whenever it holds one of 10^(t+1), so t is found by
// bisection.
#include "src/text/exact_value.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tars {

using namespace detail;

namespace {

/* --- non-negative decimal integers as digit strings --- */

std::string incremented(std::string s)
{
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] != '9') {
            ++s[i];
            return s;
        }
        s[i] = '0';
    }
    return "1" + s;
}

// s must be positive.
std::string decremented(std::string s)
{
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] != '0') {
            --s[i];
            return s;
        }
        s[i] = '9';
    }
    return s;
}

std::string_view without_leading_zeros(std::string_view s)
{
    std::size_t first = s.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

bool less(std::string_view a, std::string_view b)
{
    a = without_leading_zeros(a);
    b = without_leading_zeros(b);
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool is_zero(std::string_view s)
{
    return without_leading_zeros(s).empty();
}

/* --- the interval that reads back to one pair --- */

// An end of the interval in units of 2^e0; closed when reading a value
// exactly there still gives the pair (the tie goes to an even mantissa).
struct bound {
    big_uint at;
    bool closed;
};

bound tighter_lower(const bound &a, const bound &b)
{
    int order = compare(a.at, b.at);
    return order > 0 ? a : order < 0 ? b : bound{a.at, a.closed && b.closed};
}

bound tighter_upper(const bound &a, const bound &b)
{
    int order = compare(a.at, b.at);
    return order < 0 ? a : order > 0 ? b : bound{a.at, a.closed && b.closed};
}

// Exponents of half the gap from a positive double to its neighbour away
// from zero and towards zero; the gap below a power of two is half as wide,
// except at the smallest normal, whose neighbour below is subnormal.
int half_gap_away(const binary_double &d)
{
    return d.exponent - 1;
}

int half_gap_toward(const binary_double &d)
{
    bool binade_bottom = d.mantissa == (std::uint64_t(1) << 52) && d.exponent > -1074;
    return binade_bottom ? d.exponent - 2 : d.exponent - 1;
}

/* --- the interval in decimal --- */

// The ends and the value as decimal integers of equal length, in a unit
// 10^-places.
struct decimal_window {
    std::string lower, value, upper;
    bool lower_closed, upper_closed;
    std::int64_t places;

    std::size_t size() const { return upper.size(); }

    static bool tail_is_zero(const std::string &s, std::size_t t)
    {
        return s.find_first_not_of('0', s.size() - t) == std::string::npos;
    }

    static std::string head(const std::string &s, std::size_t t)
    {
        return t < s.size() ? s.substr(0, s.size() - t) : std::string("0");
    }

    // The smallest and largest multiples of 10^t inside, as multipliers.
    std::string smallest_multiple(std::size_t t) const
    {
        std::string c = head(lower, t);
        return tail_is_zero(lower, t) && lower_closed ? c : incremented(c);
    }

    std::optional<std::string> largest_multiple(std::size_t t) const
    {
        std::string c = head(upper, t);
        if (tail_is_zero(upper, t) && !upper_closed) {
            if (is_zero(c))
                return std::nullopt;
            return decremented(c);
        }
        return c;
    }

    bool holds_multiple(std::size_t t) const
    {
        std::optional<std::string> top = largest_multiple(t);
        return top && !less(*top, smallest_multiple(t));
    }

    // The multiple of 10^t nearest the value, ties to even.
    std::string nearest_multiple(std::size_t t) const
    {
        std::string c = head(value, t);
        if (t == 0)
            return c;
        char first_dropped = value[value.size() - t];
        bool beyond = !tail_is_zero(value, t - 1);
        bool odd = (c.back() - '0') % 2 == 1;
        if (first_dropped > '5' || (first_dropped == '5' && (beyond || odd)))
            c = incremented(c);
        return c;
    }
};

std::string padded(std::string s, std::size_t size)
{
    return s.size() < size ? std::string(size - s.size(), '0') + s : s;
}

decimal_window window_of(const bound &lower, const big_uint &value, const bound &upper, int e0)
{
    std::size_t places = e0 < 0 ? std::size_t(-e0) : 0;
    big_uint five = big_uint::power_of_five(places);
    auto decimal = [&](const big_uint &v) {
        return e0 < 0 ? (v * five).to_decimal() : (v << std::size_t(e0)).to_decimal();
    };
    std::string up = decimal(upper.at);
    return {padded(decimal(lower.at), up.size()), padded(decimal(value), up.size()), up,
            lower.closed, upper.closed, std::int64_t(places)};
}

} // namespace

decimal_digits shortest_digits(const float128 &x)
{
    double hi, lo;
    x.extract(hi, lo);
    dyadic value = exact_sum(hi, lo);
    if (value.mantissa.is_zero())
        return decimal_of(value);

    // The pair that the magnitude reads back to.
    bool scaled_up = value.exponent >= 0;
    big_uint num = scaled_up ? value.mantissa << std::size_t(value.exponent) : value.mantissa;
    big_uint den = scaled_up ? big_uint(1) : big_uint(1) << std::size_t(-value.exponent);
    double target_hi, target_lo;
    tarsel_extract(nearest_pair(false, num, den), &target_hi, &target_lo);
    if (std::isinf(target_hi))
        return decimal_of(value);

    binary_double h = binary_parts(target_hi), l = binary_parts(target_lo);
    int e0 = std::min({value.exponent, h.exponent - 2, target_lo == 0.0 ? -1075 : l.exponent - 2});
    auto power = [e0](int e) { return big_uint(1) << std::size_t(e - e0); };
    big_uint h_at = big_uint(h.mantissa) << std::size_t(h.exponent - e0);
    bool h_even = h.mantissa % 2 == 0;
    bound lower{h_at - power(half_gap_toward(h)), h_even};
    bound upper{h_at + power(half_gap_away(h)), h_even};
    if (target_lo == 0.0) {
        // lo reads as +0.0 only from a remainder in [0, 2^-1075] of the
        // value itself: on the magnitude's side away from zero when the
        // value is positive, towards zero when it is negative.
        if (value.negative) {
            lower = tighter_lower(lower, {h_at - power(-1075), true});
            upper = tighter_upper(upper, {h_at, true});
        } else {
            lower = tighter_lower(lower, {h_at, true});
            upper = tighter_upper(upper, {h_at + power(-1075), true});
        }
    } else {
        big_uint l_at = big_uint(l.mantissa) << std::size_t(l.exponent - e0);
        bool l_even = l.mantissa % 2 == 0;
        big_uint away = power(half_gap_away(l)), toward = power(half_gap_toward(l));
        if (target_lo > 0.0) {
            lower = tighter_lower(lower, {h_at + l_at - toward, l_even});
            upper = tighter_upper(upper, {h_at + l_at + away, l_even});
        } else {
            lower = tighter_lower(lower, {h_at - l_at - away, l_even});
            upper = tighter_upper(upper, {h_at - l_at + toward, l_even});
        }
    }

    decimal_window w = window_of(lower, value.mantissa << std::size_t(value.exponent - e0), upper, e0);
    // holds_multiple(0) holds (the value itself); past the upper end's
    // length no positive multiple is small enough.
    std::size_t good = 0, bad = w.size();
    while (bad - good > 1) {
        std::size_t mid = good + (bad - good) / 2;
        (w.holds_multiple(mid) ? good : bad) = mid;
    }
    std::string c = w.nearest_multiple(good);
    std::string smallest = w.smallest_multiple(good), largest = *w.largest_multiple(good);
    if (less(c, smallest))
        c = smallest;
    else if (less(largest, c))
        c = largest;

    decimal_digits r;
    r.negative = value.negative;
    r.digits = std::string(without_leading_zeros(c));
    r.exponent = std::int64_t(r.digits.size()) - 1 + std::int64_t(good) - w.places;
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    return r;
}

} // namespace tars
