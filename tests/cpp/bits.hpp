// Bit-exact comparison of double-double values for the tests.
#ifndef TARSEL_TEST_BITS_HPP
#define TARSEL_TEST_BITS_HPP

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "tarsel/tarsel.h"

namespace tarsel_test {

// The values the tables of cases are written with.
inline const double inf = std::numeric_limits<double>::infinity();
inline const double nan_ = std::numeric_limits<double>::quiet_NaN();
inline const double two60 = 0x1p60;

inline std::uint64_t bits_of(double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

inline double from_bits(std::uint64_t u)
{
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

inline std::string describe(double d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (0x%016llX)", d, static_cast<unsigned long long>(bits_of(d)));
    return buf;
}

// Same bits, except that any two NaNs match: a NaN result is checked by class.
inline bool same_double(double got, double want)
{
    if (std::isnan(got) || std::isnan(want))
        return std::isnan(got) && std::isnan(want);
    return bits_of(got) == bits_of(want);
}

inline ::testing::AssertionResult same_bits(tarsel got, double want_hi, double want_lo)
{
    double hi, lo;
    tarsel_extract(got, &hi, &lo);
    if (same_double(hi, want_hi) && same_double(lo, want_lo))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got {" << describe(hi) << ", " << describe(lo) << "}, want {" << describe(want_hi) << ", "
           << describe(want_lo) << "}";
}

// The library's NaN: hi is exactly 0x7FF8000000000000 and lo is +0.0.
inline ::testing::AssertionResult is_library_nan(tarsel got)
{
    double hi, lo;
    tarsel_extract(got, &hi, &lo);
    if (bits_of(hi) == 0x7FF8000000000000ULL && bits_of(lo) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << describe(hi) << ", " << describe(lo)
                                         << "}, want the quiet NaN with lo +0.0";
}

inline tarsel dd(double hi, double lo = 0.0) { return tarsel_from_hi_lo(hi, lo); }

} // namespace tarsel_test

#endif
