// superacc.cpp -- the exact fixed-point accumulator: adding terms, carries,
// rounding once, and the state string.
#include "tarsel/tarsel_superacc.hpp"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "src/sum/double_parts.hpp"

namespace tars {

namespace {

using digits = std::array<std::int64_t, superaccumulator::digit_count>;

constexpr int top = superaccumulator::digit_count - 1;
constexpr std::uint64_t digit_mask = 0xFFFFFFFFu;
// The bit of the grid worth 2^-1074, the lowest bit of a double.
constexpr int subnormal_lsb = -1074 - superaccumulator::low_exponent;

// Adds +-sig * 2^exponent.  The significand, shifted to its place within a
// digit, is cut into three pieces below 2^32 (the middle one below 2^33),
// so no digit takes more than 2^33 from one call.
void add_to_digits(digits &d, std::uint64_t sig, int exponent, bool negative)
{
    int position = exponent - superaccumulator::low_exponent;
    int i = position / superaccumulator::digit_bits;
    int shift = position % superaccumulator::digit_bits;
    std::uint64_t low_half = (sig & digit_mask) << shift;
    std::uint64_t high_half = (sig >> 32) << shift;
    auto d0 = std::int64_t(low_half & digit_mask);
    auto d1 = std::int64_t((low_half >> 32) + (high_half & digit_mask));
    auto d2 = std::int64_t(high_half >> 32);
    if (negative) {
        d[i] -= d0;
        d[i + 1] -= d1;
        d[i + 2] -= d2;
    } else {
        d[i] += d0;
        d[i + 1] += d1;
        d[i + 2] += d2;
    }
}

// Leaves every digit but the top one in [0, 2^32) and adds the carry out of
// them to the top digit, so the value is unchanged.  v - low is a multiple
// of 2^32, so the division is exact (and floors for negative v).
void carry_digits(digits &d)
{
    std::int64_t carry = 0;
    for (int k = 0; k < top; ++k) {
        std::int64_t v = d[k] + carry;
        auto low = std::int64_t(std::uint64_t(v) & digit_mask);
        carry = (v - low) / (std::int64_t(1) << 32);
        d[k] = low;
    }
    d[top] += carry;
}

// The magnitude of carried digits whose top digit is -1 (a negative value).
void negate_digits(digits &d)
{
    for (std::int64_t &digit : d)
        digit = -digit;
    carry_digits(d);
}

// The position of the highest set bit of carried, nonnegative digits, or -1.
int highest_bit(const digits &d)
{
    for (int k = top - 1; k >= 0; --k) {
        if (d[k] == 0)
            continue;
        int bit = superaccumulator::digit_bits - 1;
        while (((std::uint64_t(d[k]) >> bit) & 1) == 0)
            --bit;
        return k * superaccumulator::digit_bits + bit;
    }
    return -1;
}

bool bit_at(const digits &d, int position)
{
    return (std::uint64_t(d[position / 32]) >> (position % 32)) & 1;
}

// Whether any bit below position is set.
bool any_bit_below(const digits &d, int position)
{
    int k = position / 32;
    std::uint64_t below = (std::uint64_t(1) << (position % 32)) - 1;
    if (std::uint64_t(d[k]) & below)
        return true;
    for (int j = 0; j < k; ++j)
        if (d[j] != 0)
            return true;
    return false;
}

// The count <= 53 bits from position lsb upwards.
std::uint64_t bits_from(const digits &d, int lsb, int count)
{
    int k = lsb / 32, shift = lsb % 32;
    std::uint64_t window = std::uint64_t(d[k]) >> shift;
    if (k + 1 <= top)
        window |= std::uint64_t(d[k + 1]) << (32 - shift);
    if (shift > 0 && k + 2 <= top)
        window |= std::uint64_t(d[k + 2]) << (64 - shift);
    return window & ((std::uint64_t(1) << count) - 1);
}

// Carried, nonnegative, nonzero digits with highest set bit msb, rounded to
// the nearest double, ties to even.  The last kept bit is 53 bits below the
// highest one, or the bit worth 2^-1074 where that lies higher (subnormal
// results).  ldexp is exact here, except that it gives +inf beyond the
// largest double, which is the rounded result there.
double round_magnitude(const digits &d, int msb)
{
    int lsb = msb - 52 > subnormal_lsb ? msb - 52 : subnormal_lsb;
    std::uint64_t mant = msb >= lsb ? bits_from(d, lsb, msb - lsb + 1) : 0;
    bool round_bit = bit_at(d, lsb - 1);
    bool sticky = any_bit_below(d, lsb - 1);
    if (round_bit && (sticky || (mant & 1)))
        ++mant;
    return std::ldexp(double(mant), lsb + superaccumulator::low_exponent);
}

} // namespace

superaccumulator::superaccumulator() noexcept
    : digit_{}, pending_(0), nan_(false), pos_inf_(false), neg_inf_(false), zero_(zero_sign::no_terms)
{
}

void superaccumulator::add_significand(std::uint64_t significand, int exponent, bool negative) noexcept
{
    add_to_digits(digit_, significand, exponent, negative);
    if (++pending_ == max_pending)
        propagate_carries();
}

void superaccumulator::add_special(double x) noexcept
{
    if (std::isnan(x))
        nan_ = true;
    else if (x > 0)
        pos_inf_ = true;
    else
        neg_inf_ = true;
    zero_ = zero_sign::positive;
}

void superaccumulator::add(double x) noexcept
{
    if (!(std::fabs(x) <= DBL_MAX)) {
        add_special(x);
        return;
    }
    double_parts p = parts_of(x);
    bool negative_zero = p.significand == 0 && p.negative;
    note_terms(negative_zero ? zero_sign::all_negative : zero_sign::positive);
    if (p.significand != 0)
        add_significand(p.significand, p.exponent, p.negative);
}

// Factors out of the range of Dekker's product are first brought to [0.5, 1)
// by frexp, which is exact; the product of those is exact as p + e, and both
// are added at the factors' combined power of two.  The grid holds the exact
// product, so the bits that scaled_parts drops below it are zeros.
void superaccumulator::add_product(double a, double b) noexcept
{
    if (!(std::fabs(a) <= DBL_MAX) || !(std::fabs(b) <= DBL_MAX)) {
        add_special(a * b);
        return;
    }
    if (a == 0.0 || b == 0.0) {
        bool negative = std::signbit(a) != std::signbit(b);
        note_terms(negative ? zero_sign::all_negative : zero_sign::positive);
        return;
    }
    int ka, kb;
    double ma = std::frexp(a, &ka);
    double mb = std::frexp(b, &kb);
    double p = ma * mb;
    double e = _tarsel_dekker_err(ma, mb, p);
    for (double part : {p, e}) {
        double_parts s = scaled_parts(part, ka + kb, low_exponent);
        if (s.significand != 0)
            add_significand(s.significand, s.exponent, s.negative);
    }
    note_terms(zero_sign::positive);
}

void superaccumulator::merge(const superaccumulator &other) noexcept
{
    superaccumulator addend = other;
    addend.propagate_carries();
    propagate_carries();
    // Both sides are carried: digits below 2^32 and top digits 0 or -1, so
    // the sums stay far from overflow and one more carry pass settles them.
    for (int k = 0; k < digit_count; ++k)
        digit_[k] += addend.digit_[k];
    propagate_carries();
    nan_ = nan_ || addend.nan_;
    pos_inf_ = pos_inf_ || addend.pos_inf_;
    neg_inf_ = neg_inf_ || addend.neg_inf_;
    zero_ = combine(zero_, addend.zero_);
}

// A top digit other than 0 or -1 means the magnitude reached 2^2272, far
// beyond anything terms of the double range reach before 2^200 of them are
// added; only merging an accumulator with itself again and again gets there.
// The sum is then recorded as an infinite term of its sign and the digits
// are cleared, so that they can never overflow.
void superaccumulator::propagate_carries() noexcept
{
    carry_digits(digit_);
    pending_ = 0;
    if (digit_[top] != 0 && digit_[top] != -1)
        saturate(digit_[top] < 0);
}

void superaccumulator::saturate(bool negative) noexcept
{
    (negative ? neg_inf_ : pos_inf_) = true;
    digit_.fill(0);
}

tarsel superaccumulator::round() const noexcept
{
    if (nan_ || (pos_inf_ && neg_inf_))
        return _tarsel_nan();
    if (pos_inf_ || neg_inf_)
        return tarsel_from_double(pos_inf_ ? HUGE_VAL : -HUGE_VAL);
    digits d = digit_;
    carry_digits(d);
    bool negative = d[top] < 0;
    if (negative)
        negate_digits(d);
    int msb = highest_bit(d);
    // A magnitude of 2^2272 or more (not yet saturated: see
    // propagate_carries) is far beyond the double range.
    if (d[top] != 0)
        return tarsel_from_double(negative ? -HUGE_VAL : HUGE_VAL);
    if (msb < 0)
        return tarsel_from_double(zero_ == zero_sign::all_negative ? -0.0 : 0.0);
    double hi = round_magnitude(d, msb);
    if (std::isinf(hi))
        return tarsel_from_double(negative ? -hi : hi);
    // The remainder |S| - hi, exact on the grid, rounded in its turn.
    double_parts h = parts_of(hi);
    add_to_digits(d, h.significand, h.exponent, true);
    carry_digits(d);
    bool remainder_negative = d[top] < 0;
    if (remainder_negative)
        negate_digits(d);
    int rest_msb = highest_bit(d);
    double lo = rest_msb < 0 ? 0.0 : round_magnitude(d, rest_msb);
    if (remainder_negative != negative)
        lo = -lo;
    if (lo == 0.0)
        lo = 0.0;
    return tarsel_from_hi_lo(negative ? -hi : hi, lo);
}

bool superaccumulator::operator==(const superaccumulator &other) const noexcept
{
    digits a = digit_, b = other.digit_;
    carry_digits(a);
    carry_digits(b);
    return a == b && nan_ == other.nan_ && pos_inf_ == other.pos_inf_ && neg_inf_ == other.neg_inf_ &&
           zero_ == other.zero_;
}

// --- the state string ---
//
// Version 2, written by to_state:
//   byte 0     the version, 2
//   byte 1     the flags: bit 0 NaN, bit 1 +inf, bit 2 -inf, bit 3 a negative
//              sum, bits 4-5 the zero_sign, bit 6 zero, bit 7 the magnitude
//              has the bit worth 2^2272 (the top digit) set
//   bytes 2-3  the index of the first digit written, little-endian
//   bytes 4-7  the count of add_significand calls since the last carry pass,
//              little-endian, below max_pending
//   then the magnitude's digits below the top one, from the first written
//   to the highest nonzero one, 4 bytes each, little-endian; no digits (and
//   first 0) when they are all zero.
//
// The pending count is part of the state because it decides when the next
// carry pass comes, and so whether a sum that has left the range by then
// saturates.  A pass that does not saturate leaves a sum in [-2^2272,
// 2^2272), and each of the fewer than 2^29 calls until the next one adds
// less than 2^2112: so a magnitude of 2^2272 or more exceeds 2^2272 by less
// than pending * 2^2112, or is exactly 2^2272 of a negative sum.  from_state
// holds a state with bit 7 to that, which also keeps every magnitude below
// 2^2273, within the one bit.
//
// Version 1, written before, is the same without bytes 4-7 and without
// bit 7: it could not hold a magnitude of 2^2272 or more.  It is still
// read, with a pending count of zero.  The only such magnitude it could
// reach, exactly 2^2272 of a negative sum, it wrote as the negative flag
// with no digits, and that is read as -2^2272.

namespace {

constexpr unsigned char old_state_version = 1, state_version = 2;
constexpr std::size_t old_state_header = 4, state_header = 8;

constexpr unsigned flag_nan = 1, flag_pos_inf = 2, flag_neg_inf = 4, flag_negative = 8, flag_beyond = 0x80;
constexpr int zero_sign_shift = 4;
constexpr unsigned zero_sign_mask = 3u << zero_sign_shift;
// The digit worth 2^2112, the bound of one call's term (see above).
constexpr int excess_digit = (2112 - superaccumulator::low_exponent) / superaccumulator::digit_bits;

unsigned read_le(std::string_view s, std::size_t at, std::size_t bytes)
{
    unsigned value = 0;
    for (std::size_t b = 0; b < bytes; ++b)
        value |= unsigned(static_cast<unsigned char>(s[at + b])) << (8 * b);
    return value;
}

void write_le(std::string &s, std::uint64_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        s.push_back(char((value >> (8 * b)) & 0xFF));
}

} // namespace

std::string superaccumulator::to_state() const
{
    digits d = digit_;
    carry_digits(d);
    bool negative = d[top] < 0;
    if (negative)
        negate_digits(d);
    // 0 or 1 (see above).
    bool beyond = d[top] != 0;
    int first = 0, end = top;
    while (first < top && d[first] == 0)
        ++first;
    while (end > first && d[end - 1] == 0)
        --end;
    if (first == top)
        first = end = 0;
    unsigned flags = (nan_ ? flag_nan : 0u) | (pos_inf_ ? flag_pos_inf : 0u) | (neg_inf_ ? flag_neg_inf : 0u) |
                     (negative ? flag_negative : 0u) | (unsigned(zero_) << zero_sign_shift) |
                     (beyond ? flag_beyond : 0u);
    std::string state;
    state.reserve(state_header + 4 * std::size_t(end - first));
    state.push_back(char(state_version));
    state.push_back(char(flags));
    write_le(state, unsigned(first), 2);
    write_le(state, pending_, 4);
    for (int k = first; k < end; ++k)
        write_le(state, std::uint64_t(d[k]), 4);
    return state;
}

// Version 1 is read as it always was, except for the negative flag without
// any digit.  Version 2 is read only in the one form to_state writes, with
// every field in its range and the flags consistent with the digits.
std::optional<superaccumulator> superaccumulator::from_state(std::string_view state)
{
    if (state.empty())
        return std::nullopt;
    unsigned version = read_le(state, 0, 1);
    std::size_t header = version == old_state_version ? old_state_header
                         : version == state_version   ? state_header
                                                      : 0;
    if (header == 0 || state.size() < header || (state.size() - header) % 4 != 0)
        return std::nullopt;
    unsigned flags = read_le(state, 1, 1);
    std::size_t first = read_le(state, 2, 2);
    std::size_t count = (state.size() - header) / 4;
    unsigned allowed = version == state_version ? 0xBFu : 0x3Fu;
    if ((flags & ~allowed) != 0 || (flags >> zero_sign_shift & 3u) > 2)
        return std::nullopt;
    if (first + count > std::size_t(top))
        return std::nullopt;
    superaccumulator acc;
    for (std::size_t k = 0; k < count; ++k)
        acc.digit_[first + k] = std::int64_t(read_le(state, header + 4 * k, 4));
    bool negative = flags & flag_negative;
    bool beyond = flags & flag_beyond;
    bool nonzero = false;
    for (std::size_t k = 0; k < count; ++k)
        nonzero = nonzero || acc.digit_[first + k] != 0;
    acc.zero_ = zero_sign((flags & zero_sign_mask) >> zero_sign_shift);
    if (version == old_state_version) {
        if (negative && !nonzero) {
            if (count != 0 || first != 0)
                return std::nullopt;
            beyond = true;
        }
    } else {
        std::uint32_t pending = read_le(state, 4, 4);
        if (pending >= max_pending)
            return std::nullopt;
        if (count == 0 ? first != 0 : acc.digit_[first] == 0 || acc.digit_[first + count - 1] == 0)
            return std::nullopt;
        if (negative && !nonzero && !beyond)
            return std::nullopt;
        if ((flags & flag_nan) && acc.zero_ != zero_sign::positive)
            return std::nullopt;
        if (beyond) {
            bool excess_in_range = acc.digit_[excess_digit] < std::int64_t(pending);
            for (int k = excess_digit + 1; k < top; ++k)
                excess_in_range = excess_in_range && acc.digit_[k] == 0;
            if (!excess_in_range && !(negative && !nonzero))
                return std::nullopt;
        }
        acc.pending_ = pending;
    }
    if (beyond)
        acc.digit_[top] = 1;
    if (negative)
        negate_digits(acc.digit_);
    acc.nan_ = flags & flag_nan;
    acc.pos_inf_ = flags & flag_pos_inf;
    acc.neg_inf_ = flags & flag_neg_inf;
    return acc;
}

} // namespace tars
