// tarsel_bigint.hpp -- tars::big_uint, an unsigned integer of any size, the
// arithmetic behind the exact conversions between double-double values,
// decimal text and rationals (tarsel_exact.hpp).
//
// Limbs are 32 bits, little-endian, with no high zero limb (zero has none).
// Every limb product fits a 64-bit intermediate, so no 128-bit type is needed
// and 32-bit targets compile the same code.
#ifndef TARSEL_BIGINT_HPP
#define TARSEL_BIGINT_HPP

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tars {

class big_uint {
public:
    big_uint() = default;
    explicit big_uint(std::uint64_t value);

    // Bytes least significant first; to_bytes gives the shortest such string
    // (empty for zero).
    static big_uint from_bytes(const unsigned char *bytes, std::size_t count);
    std::vector<unsigned char> to_bytes() const;

    // Decimal digits '0' to '9' only, most significant first; "0" for zero.
    static big_uint from_decimal(std::string_view digits);
    std::string to_decimal() const;

    static big_uint power_of_five(std::size_t k);
    static big_uint power_of_ten(std::size_t k);

    bool is_zero() const { return limbs_.empty(); }
    bool is_odd() const { return !limbs_.empty() && (limbs_[0] & 1u); }
    std::size_t bit_length() const;
    std::size_t trailing_zero_bits() const;  // 0 for zero
    bool bit(std::size_t i) const;
    bool any_bit_below(std::size_t n) const;  // any of bits 0 .. n-1 set
    std::uint64_t low_u64() const;            // bits 0 .. 63

    big_uint &operator<<=(std::size_t n);
    big_uint &operator>>=(std::size_t n);
    big_uint &operator+=(const big_uint &b);
    big_uint &operator-=(const big_uint &b);  // requires *this >= b
    big_uint &mul_small(std::uint32_t factor);
    big_uint &add_small(std::uint32_t term);
    std::uint32_t div_small(std::uint32_t divisor);  // divides in place, returns the remainder

    friend big_uint operator*(const big_uint &a, const big_uint &b);
    friend int compare(const big_uint &a, const big_uint &b);  // -1, 0 or 1

    // Quotient and remainder of n / d; d must not be zero.
    static void divmod(const big_uint &n, const big_uint &d, big_uint &quotient, big_uint &remainder);

private:
    std::vector<std::uint32_t> limbs_;

    void trim();
};

inline big_uint operator<<(big_uint a, std::size_t n) { return a <<= n; }
inline big_uint operator>>(big_uint a, std::size_t n) { return a >>= n; }
inline big_uint operator+(big_uint a, const big_uint &b) { return a += b; }
inline big_uint operator-(big_uint a, const big_uint &b) { return a -= b; }
inline bool operator==(const big_uint &a, const big_uint &b) { return compare(a, b) == 0; }
inline bool operator!=(const big_uint &a, const big_uint &b) { return compare(a, b) != 0; }
inline bool operator<(const big_uint &a, const big_uint &b) { return compare(a, b) < 0; }

} // namespace tars

#endif // TARSEL_BIGINT_HPP
