// tarsel.hpp -- tars::float128, a value wrapper over the scalar double-double
// layer, with its operators and free functions.  Each operation forwards to
// one scalar function.
#ifndef TARSEL_HPP
#define TARSEL_HPP

#include <string>
#include <utility>

#include "tarsel/tarsel.h"
#include "tarsel/tarsel_io.h"
#include "tarsel/tarsel_utils.h"
#include "tarsel/tarsel_consts.h"
#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_integer.h"
#include "tarsel/tarsel_libm.h"
#include "tarsel/tarsel_erf_gamma.h"
#include "tarsel/tarsel_parts.h"

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
inline bool isfinite(float128 x) { return tarsel_isfinite(x.data); }

inline float128 exp(float128 x) { return tarsel_exp(x.data); }
inline float128 log(float128 x) { return tarsel_log(x.data); }
inline float128 pow(float128 base, float128 exp) { return tarsel_pow(base.data, exp.data); }
inline float128 sin(float128 x) { return tarsel_sin(x.data); }
inline float128 cos(float128 x) { return tarsel_cos(x.data); }
inline float128 tan(float128 x) { return tarsel_tan(x.data); }
inline float128 atan(float128 x) { return tarsel_atan(x.data); }
inline float128 atan2(float128 y, float128 x) { return tarsel_atan2(y.data, x.data); }
inline float128 asin(float128 x) { return tarsel_asin(x.data); }
inline float128 acos(float128 x) { return tarsel_acos(x.data); }
inline float128 floor(float128 x) { return tarsel_floor(x.data); }
inline float128 ceil(float128 x) { return tarsel_ceil(x.data); }
inline float128 trunc(float128 x) { return tarsel_trunc(x.data); }
inline float128 round(float128 x) { return tarsel_round(x.data); }
inline float128 fmod(float128 a, float128 b) { return tarsel_fmod(a.data, b.data); }
inline float128 sinh(float128 x) { return tarsel_sinh(x.data); }
inline float128 cosh(float128 x) { return tarsel_cosh(x.data); }
inline float128 tanh(float128 x) { return tarsel_tanh(x.data); }

/* --- the rest of C's library (tarsel_libm.h, tarsel_erf_gamma.h) --- */

inline float128 expm1(float128 x) { return tarsel_expm1(x.data); }
inline float128 log1p(float128 x) { return tarsel_log1p(x.data); }
inline float128 log2(float128 x) { return tarsel_log2(x.data); }
inline float128 log10(float128 x) { return tarsel_log10(x.data); }
inline float128 exp2(float128 x) { return tarsel_exp2(x.data); }
inline float128 cbrt(float128 x) { return tarsel_cbrt(x.data); }
inline float128 hypot(float128 x, float128 y) { return tarsel_hypot(x.data, y.data); }
inline float128 asinh(float128 x) { return tarsel_asinh(x.data); }
inline float128 acosh(float128 x) { return tarsel_acosh(x.data); }
inline float128 atanh(float128 x) { return tarsel_atanh(x.data); }
inline float128 logaddexp(float128 x, float128 y) { return tarsel_logaddexp(x.data, y.data); }
inline float128 logaddexp2(float128 x, float128 y) { return tarsel_logaddexp2(x.data, y.data); }
inline float128 deg2rad(float128 x) { return tarsel_deg2rad(x.data); }
inline float128 rad2deg(float128 x) { return tarsel_rad2deg(x.data); }
inline float128 erf(float128 x) { return tarsel_erf(x.data); }
inline float128 erfc(float128 x) { return tarsel_erfc(x.data); }
inline float128 gamma(float128 x) { return tarsel_gamma(x.data); }
inline float128 lgamma(float128 x) { return tarsel_lgamma(x.data); }

/* --- taking a value apart (tarsel_parts.h) --- */

inline float128 ldexp(float128 x, int n) { return tarsel_ldexp(x.data, n); }
// (m, e) with x = m 2^e and 0.5 <= |m| < 1.
inline std::pair<float128, int> frexp(float128 x) { int e; float128 m = tarsel_frexp(x.data, &e); return {m, e}; }
// (fractional part, integral part), as C's modf and Python's math.modf.
inline std::pair<float128, float128> modf(float128 x) { tarsel i; float128 f = tarsel_modf(x.data, &i); return {f, i}; }
inline float128 nextafter(float128 x, float128 y) { return tarsel_nextafter(x.data, y.data); }
inline float128 spacing(float128 x) { return tarsel_spacing(x.data); }

/* --- integers of the exact sum hi + lo, as two integral parts (tarsel_integer.h) --- */

inline float128 integer_floor(float128 x) { return tarsel_integer_floor(x.data); }
inline float128 integer_ceil(float128 x) { return tarsel_integer_ceil(x.data); }
inline float128 integer_trunc(float128 x) { return tarsel_integer_trunc(x.data); }
inline float128 integer_round_even(float128 x) { return tarsel_integer_round_even(x.data); }

/* --- constants: one shared definition, initialised at load in this order --- */

inline const float128 pi = _tarsel_from_raw(_tarsel_pi_raw);
inline const float128 e = _tarsel_from_raw(_tarsel_e_raw);
inline const float128 sqrt2 = _tarsel_from_raw(_tarsel_sqrt2_raw);
inline const float128 ln2 = _tarsel_from_raw(_tarsel_ln2_raw);

} // namespace tars

#endif // TARSEL_HPP
