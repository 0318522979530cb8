// tarsel_superacc.hpp -- an exact accumulator for sums of doubles and of
// products of two doubles, rounded once at the end.
//
// The accumulator is a fixed-point number of 140 signed 64-bit digits, each
// nominally holding 32 bits, with bit 0 of digit 0 worth 2^-2176.  That grid
// holds every double (down to 2^-1074) and every exact product of two
// doubles (down to 2^-2148, below 2^2048) as an integer, so each term is
// added without rounding.  NaN and infinite terms are kept as flags beside
// the digits.  The value is read out once, rounded: hi is the double nearest
// the exact sum S (ties to even) and lo the double nearest S - hi.
//
// The result does not depend on the order of the terms, on how they are
// grouped into accumulators that are merged later, or on which of the fast
// kernels delivered them.
#ifndef TARSEL_SUPERACC_HPP
#define TARSEL_SUPERACC_HPP

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tarsel/tarsel.h"

namespace tars {

// The sign an exactly zero sum takes follows IEEE addition: -0.0 when every
// term is -0.0, +0.0 otherwise, and +0.0 for no terms at all.  An
// accumulator remembers which case it is in; two histories combine to the
// larger of the two.
enum class zero_sign : unsigned char {
    no_terms = 0,
    all_negative = 1,  // every term so far is -0.0
    positive = 2,      // some term is not -0.0
};

inline zero_sign combine(zero_sign a, zero_sign b)
{
    return a > b ? a : b;
}

class superaccumulator {
public:
    static constexpr int digit_bits = 32;
    static constexpr int digit_count = 140;
    // The weight of bit 0 of digit 0: below the lowest bit 2^-2148 of a
    // product of two subnormals, and a multiple of the digit width.
    static constexpr int low_exponent = -2176;
    // The weight of the top digit, which only ever receives carries: a
    // magnitude that reaches it has left the range (see saturate).
    static constexpr int high_exponent = low_exponent + digit_bits * (digit_count - 1);
    // The largest exponent add_significand accepts.
    static constexpr int max_term_exponent = 2048;

    superaccumulator() noexcept;

    // One term: any double, NaN and infinities included.
    void add(double x) noexcept;

    // The exact product a * b as one term, with IEEE rules for special
    // factors (inf * 0 is NaN, inf times a nonzero number a signed infinity).
    void add_product(double a, double b) noexcept;

    // Adds the terms of other, which may be *this.
    void merge(const superaccumulator &other) noexcept;

    // The sum rounded once: hi nearest S, lo nearest S - hi (+0.0 when S - hi
    // is zero).  A NaN term or infinities of both signs give the library's
    // NaN; infinities of one sign give that infinity, and an S that rounds
    // beyond the largest double the signed infinity; special results have
    // lo = +0.0.
    tarsel round() const noexcept;

    // --- the interface of the bulk kernels ---

    // Adds (-1)^negative * significand * 2^exponent, for
    // low_exponent <= exponent <= max_term_exponent.  The term does not
    // count for the sign of a zero sum: see note_terms.
    void add_significand(std::uint64_t significand, int exponent, bool negative) noexcept;

    // Records a NaN or infinite term.
    void add_special(double x) noexcept;

    // Records how terms added through add_significand stand towards the sign
    // of a zero sum.
    void note_terms(zero_sign terms) noexcept { zero_ = combine(zero_, terms); }

    // --- exact state, for pickling ---

    // A compact byte string that holds everything the accumulator is: a
    // format version, the flags (specials, sign, zero_sign, a magnitude of
    // 2^2272 or more), the count of terms since the last carry pass and the
    // nonzero digits of the magnitude (superacc.cpp has the layout).  The
    // accumulator read back from it has the same value, compares equal and
    // goes on exactly as this one would, saturation included.
    std::string to_state() const;

    // The accumulator a state string describes, or nothing when the string
    // is not one that to_state can produce (this version's, or version 1
    // of earlier releases).
    static std::optional<superaccumulator> from_state(std::string_view state);

    // Same exact sum and same flags; the count of terms since the last
    // carry pass is not compared.
    bool operator==(const superaccumulator &other) const noexcept;

    // Carries are propagated at the latest after this many calls of
    // add_significand.  A call adds less than 2^33 in magnitude to any digit
    // and a carry pass leaves every digit below 2^32, so in between a digit
    // stays below 2^32 + 2^29 * 2^33 < 2^63 and never overflows.
    static constexpr std::uint32_t max_pending = std::uint32_t(1) << 29;

private:
    void propagate_carries() noexcept;
    void saturate(bool negative) noexcept;

    std::array<std::int64_t, digit_count> digit_;
    std::uint32_t pending_;
    bool nan_, pos_inf_, neg_inf_;
    zero_sign zero_;
};

} // namespace tars

#endif // TARSEL_SUPERACC_HPP
