// tarsel.hpp -- tars::float128, a value wrapper over the scalar double-double
// layer, with its operators and free functions.  Each operation forwards to
// one scalar function.
#ifndef TARSEL_HPP
#define TARSEL_HPP

#include <string>

#include "tarsel.h"
#include "tarsel_io.h"
#include "tarsel_utils.h"

namespace tars {

class float128 {
public:
    tarsel data;

    float128() : data(tarsel_from_double(0.0)) {}
    float128(double d) : data(tarsel_from_double(d)) {}
    float128(tarsel v) : data(v) {}

    void extract(double &hi, double &lo) const { tarsel_extract(data, &hi, &lo); }

    // The 32-significant-digit text of the value.
    std::string to_string() const
    {
        char buf[128];
        tarsel_to_string(buf, sizeof buf, data);
        return std::string(buf);
    }

    float128 operator+(const float128 &other) const { return tarsel_add(data, other.data); }
    float128 operator-(const float128 &other) const { return tarsel_sub(data, other.data); }
    float128 operator*(const float128 &other) const { return tarsel_mul(data, other.data); }
    float128 operator/(const float128 &other) const { return tarsel_div(data, other.data); }

    float128 &operator+=(const float128 &other) { data = tarsel_add(data, other.data); return *this; }
    float128 &operator-=(const float128 &other) { data = tarsel_sub(data, other.data); return *this; }
    float128 &operator*=(const float128 &other) { data = tarsel_mul(data, other.data); return *this; }
    float128 &operator/=(const float128 &other) { data = tarsel_div(data, other.data); return *this; }

    float128 operator-() const { return tarsel_neg(data); }

    bool operator==(const float128 &other) const { return tarsel_eq(data, other.data); }
    bool operator!=(const float128 &other) const { return !tarsel_eq(data, other.data); }
    bool operator>(const float128 &other) const { return tarsel_gt(data, other.data); }
    bool operator<(const float128 &other) const { return tarsel_lt(data, other.data); }
    bool operator>=(const float128 &other) const { return tarsel_ge(data, other.data); }
    bool operator<=(const float128 &other) const { return tarsel_le(data, other.data); }
};

static_assert(sizeof(float128) == 16 && alignof(float128) == 16, "float128 is one SSE2 register");

/* --- free functions --- */

inline float128 sqrt(float128 x) { return tarsel_sqrt(x.data); }
inline float128 abs(float128 x) { return tarsel_abs(x.data); }
inline bool isnan(float128 x) { return tarsel_isnan(x.data); }
inline bool isinf(float128 x) { return tarsel_isinf(x.data); }

} // namespace tars

#endif // TARSEL_HPP
