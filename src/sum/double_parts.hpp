// double_parts.hpp -- a finite double as sign, integer significand and the
// power of two of its lowest bit.
#ifndef TARSEL_DOUBLE_PARTS_HPP
#define TARSEL_DOUBLE_PARTS_HPP

#include <cstdint>
#include <cstring>

namespace tars {

// x = (-1)^negative * significand * 2^exponent.
struct double_parts {
    std::uint64_t significand;
    int exponent;
    bool negative;
};

constexpr std::uint64_t fraction_mask = (std::uint64_t(1) << 52) - 1;
constexpr std::uint64_t hidden_bit = std::uint64_t(1) << 52;

inline std::uint64_t bits_of(double x)
{
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

// The parts of the double whose sign and exponent field are the top 12 bits
// `sign_exponent` and whose fraction field is `fraction`.  Subnormals and
// zeros (exponent field 0) have no hidden bit and the exponent of field 1.
inline double_parts parts_of_fields(unsigned sign_exponent, std::uint64_t fraction)
{
    unsigned field = sign_exponent & 0x7FF;
    std::uint64_t significand = field != 0 ? fraction | hidden_bit : fraction;
    int exponent = int(field != 0 ? field : 1) - 1075;
    return {significand, exponent, (sign_exponent >> 11) != 0};
}

// The parts of a finite double.
inline double_parts parts_of(double x)
{
    std::uint64_t u = bits_of(x);
    return parts_of_fields(unsigned(u >> 52), u & fraction_mask);
}

// The parts of x * 2^scale with the exponent raised to at least `floor` by
// dropping low significand bits, for a caller who knows those bits are zero.
inline double_parts scaled_parts(double x, int scale, int floor)
{
    double_parts p = parts_of(x);
    p.exponent += scale;
    if (p.exponent < floor) {
        int drop = floor - p.exponent;
        p.significand = drop < 64 ? p.significand >> drop : 0;
        p.exponent = floor;
    }
    return p;
}

} // namespace tars

#endif // TARSEL_DOUBLE_PARTS_HPP
