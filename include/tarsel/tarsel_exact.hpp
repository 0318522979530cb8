// tarsel_exact.hpp -- exact conversions of tars::float128: correctly rounded
// decimal digits and text, a correctly rounded reader of decimal text and of
// rationals, and the exact value as an integer ratio.
//
// A value hi + lo is the exact sum of two doubles: a dyadic rational, so its
// decimal expansion is finite and every conversion here is exact up to one
// final rounding, half to even.  These sit beside the fixed text functions of
// tarsel_io.h (truncated digits, a reader that rounds at every step), which
// they leave unchanged.
//
// Reading a value D (decimal text or rational) gives the pair
//     hi = the double nearest D,  lo = the double nearest D - hi,
// ties to even, so D == hi + lo whenever D is a double-double, and otherwise
// hi + lo is within half an ulp of lo of D.  A D that rounds to an infinite hi
// gives (+-inf, +0.0); a remainder D - hi of zero gives lo = +0.0, and one that
// rounds to zero keeps its sign, as IEEE underflow does.
//
// The value of a pair whose parts are not both finite is the IEEE sum of the
// parts: NaN when either is NaN or they are opposite infinities, otherwise the
// infinity.  A zero sum takes the sign of hi.
#ifndef TARSEL_EXACT_HPP
#define TARSEL_EXACT_HPP

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tarsel/tarsel.hpp"
#include "tarsel/detail/tarsel_bigint.hpp"

namespace tars {

/* --- the class of the exact sum --- */

enum class sum_class { finite, infinite, nan };

sum_class classify_sum(const float128 &x);

/* --- decimal digits --- */

// A finite decimal: d1.d2d3... * 10^exponent.  digits holds no trailing
// zeros, and its first digit is not '0' unless the value is zero ("0",
// exponent 0).  A zero carries the sign of hi.
struct decimal_digits {
    bool negative = false;
    std::string digits = "0";
    std::int64_t exponent = 0;
};

// The complete decimal expansion of a finite hi + lo: at most 1383
// significant digits (from 10^308 down to 10^-1074).
decimal_digits exact_digits(const float128 &x);

// A finite hi + lo rounded half to even to at most n >= 1 significant digits.
decimal_digits round_significant(const float128 &x, std::int64_t n);

// A finite hi + lo times 10^scale, rounded half to even to a multiple of
// 10^-places (places may be negative).
decimal_digits round_places(const float128 &x, std::int64_t places, int scale = 0);

// The fewest significant digits that read back (see from_decimal_parts) to
// the same pair as the exact value of a finite x, the closest to it of those,
// ties to even.  For a pair in normal form -- hi the double nearest hi + lo
// and lo not -0.0 -- that is the pair itself.  A value above the largest
// double by half an ulp or more reads back as infinity whatever its digits;
// it gets its exact expansion.
decimal_digits shortest_digits(const float128 &x);

/* --- text in the styles of Python's float formatting --- */

struct number_style {
    // 'e' 'E' 'f' 'F' 'g' 'G' '%', or 'r' for the shortest digits that read
    // back (scientific below 1e-4 and from 1e16 on, as float's repr)
    char type = 'r';
    std::int64_t precision = -1;     // digits; negative: the type's default (6), unused by 'r'
    bool alternate = false;          // '#': always a point; 'g' keeps its trailing zeros
    bool point_zero = false;         // a fixed-point integer gets ".0" (the repr style)
    bool no_negative_zero = false;   // a result that rounds to zero is not negative ('z')
};

// The sign and the text after it: digits, point, exponent ("e+05", at least
// two exponent digits) and '%' for the percent type; "inf" and "nan" (upper
// case for 'E' 'F' 'G').  A NaN is never negative.
struct number_text {
    bool negative = false;
    std::string body;
};

number_text format_number(const float128 &x, const number_style &style);

/* --- reading --- */

// The value of digits * 10^exponent, read as described at the top; digits
// are ASCII '0' to '9' (possibly none, which is zero).  Only about 1390
// leading digits can matter and only those are converted, so any length is
// read quickly; an exponent beyond the range gives infinity or zero at once.
float128 from_decimal_parts(bool negative, std::string_view digits, std::int64_t exponent);

// Decimal text in the grammar of Python's float(): surrounding ASCII
// whitespace, a sign, digits with single underscores between them, an
// optional point and exponent, or "inf", "infinity", "nan" in any case.
// Anything else gives no value.  "nan" and "-nan" are the quiet NaN with the
// sign given, and lo = +0.0.
std::optional<float128> parse_decimal(std::string_view text);

// x rounded half to even to a multiple of 10^-places (places may be
// negative), then read back as described at the top: what Python's
// round(x, places) is for a float.  A sum that is not finite comes back
// unchanged.
float128 round_to_places(const float128 &x, std::int64_t places);

// numerator / denominator with the sign given, read as described at the top;
// a zero denominator gives +-inf, or NaN for 0/0.  Operands whose quotient
// is far out of range give infinity or zero without long arithmetic.
float128 from_rational(bool negative, const big_uint &numerator, const big_uint &denominator);

/* --- the exact value as a ratio --- */

// numerator / denominator in lowest terms, the denominator a power of two;
// zero is 0/1 with the sign of hi.  No value for a non-finite sum.
struct integer_ratio {
    bool negative = false;
    big_uint numerator, denominator;
};

std::optional<integer_ratio> as_integer_ratio(const float128 &x);

} // namespace tars

#endif // TARSEL_EXACT_HPP
