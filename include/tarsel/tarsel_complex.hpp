// tarsel_complex.hpp -- tars::complex128, a value wrapper over the complex
// double-double record, with its operators, its text, the complex modulus and
// the complex circular and hyperbolic functions, log10 and the inverse
// hyperbolic functions.  The operators and the
// modulus forward to one scalar function each; the functions are built here
// from the real functions of the two parts.
#ifndef TARSEL_COMPLEX_HPP
#define TARSEL_COMPLEX_HPP

#include <cmath>
#include <complex>
#include <string>

#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_complex.h"

namespace tars {

class complex128 {
public:
    tarsel_complex data;

    complex128() : data(_tarsel_complex_make(tarsel_from_double(0.0), tarsel_from_double(0.0))) {}
    complex128(double real, double imag)
        : data(_tarsel_complex_make(tarsel_from_double(real), tarsel_from_double(imag))) {}
    complex128(float128 real, float128 imag) : data(_tarsel_complex_make(real.data, imag.data)) {}
    complex128(tarsel_complex c) : data(c) {}
    complex128(const std::complex<double> &c)
        : data(_tarsel_complex_make(tarsel_from_double(c.real()), tarsel_from_double(c.imag()))) {}

    // The high double of each part: the nearest std::complex<double> except
    // where lo would round the sum into the neighbouring double.
    operator std::complex<double>() const
    {
        return std::complex<double>(_mm_cvtsd_f64(data.real), _mm_cvtsd_f64(data.imag));
    }

    float128 real() const { return data.real; }
    float128 imag() const { return data.imag; }

    // The real part, " + " or " - ", the magnitude of the imaginary part and
    // "i".  A negative zero imaginary part is not below zero: it shows " + ".
    std::string to_string() const
    {
        const char *sign = tarsel_lt(data.imag, tarsel_from_double(0.0)) ? " - " : " + ";
        return real().to_string() + sign + float128(tarsel_abs(data.imag)).to_string() + "i";
    }

    complex128 operator+(const complex128 &other) const { return tarsel_complex_add(data, other.data); }
    complex128 operator-(const complex128 &other) const { return tarsel_complex_sub(data, other.data); }
    complex128 operator*(const complex128 &other) const { return tarsel_complex_mul(data, other.data); }
    complex128 operator/(const complex128 &other) const { return tarsel_complex_div(data, other.data); }

    complex128 &operator+=(const complex128 &other) { data = tarsel_complex_add(data, other.data); return *this; }
    complex128 &operator-=(const complex128 &other) { data = tarsel_complex_sub(data, other.data); return *this; }
    complex128 &operator*=(const complex128 &other) { data = tarsel_complex_mul(data, other.data); return *this; }
    complex128 &operator/=(const complex128 &other) { data = tarsel_complex_div(data, other.data); return *this; }
};

static_assert(sizeof(complex128) == 32 && alignof(complex128) == 16, "complex128 is two SSE2 registers");

/* --- modulus --- */

inline float128 abs_sqr(const complex128 &z) { return tarsel_complex_abs_sqr(z.data); }
inline float128 abs(const complex128 &z) { return tarsel_complex_abs(z.data); }

/* --- circular and hyperbolic functions --- */

// Each part is one product of real functions of a = Re z and b = Im z.
inline complex128 sin(const complex128 &z)
{
    float128 a = z.real(), b = z.imag();
    return complex128(tars::sin(a) * tars::cosh(b), tars::cos(a) * tars::sinh(b));
}

inline complex128 cos(const complex128 &z)
{
    float128 a = z.real(), b = z.imag();
    return complex128(tars::cos(a) * tars::cosh(b), (-tars::sin(a)) * tars::sinh(b));
}

inline complex128 sinh(const complex128 &z)
{
    float128 a = z.real(), b = z.imag();
    return complex128(tars::sinh(a) * tars::cos(b), tars::cosh(a) * tars::sin(b));
}

inline complex128 cosh(const complex128 &z)
{
    float128 a = z.real(), b = z.imag();
    return complex128(tars::cosh(a) * tars::cos(b), tars::sinh(a) * tars::sin(b));
}

// Beyond the exponential's overflow bound the hyperbolic factors are
// infinite, their products with the circular ones can be inf * 0 = NaN, and
// the quotient would be NaN.  There tanh z is +-1 and tan z is +-i to far
// below the last bit: the other part is of the order e^(-2 * 709.78), which
// is not representable.  A NaN or infinite other part still takes the
// quotient, which gives NaN.
inline complex128 tanh(const complex128 &z)
{
    double a_hi = _mm_cvtsd_f64(z.data.real), b_hi = _mm_cvtsd_f64(z.data.imag);
    if (std::fabs(a_hi) > TARSEL_EXP_OVERFLOW_BOUND && std::isfinite(b_hi))
        return complex128(std::signbit(a_hi) ? -1.0 : 1.0, 0.0);
    return sinh(z) / cosh(z);
}

inline complex128 tan(const complex128 &z)
{
    double a_hi = _mm_cvtsd_f64(z.data.real), b_hi = _mm_cvtsd_f64(z.data.imag);
    if (std::fabs(b_hi) > TARSEL_EXP_OVERFLOW_BOUND && std::isfinite(a_hi))
        return complex128(0.0, std::signbit(b_hi) ? -1.0 : 1.0);
    return sin(z) / cos(z);
}

/* --- log10 and the inverse hyperbolic functions --- */

// Principal values, cut along the real axis as C99's clog10, casinh, cacosh
// and catanh cut it, built on the real log1p, log2, hypot, sqrt and atan2.
// An argument with an infinite or NaN part gives NaN in both parts.
namespace detail {

// Both doubles of both parts finite (a non-normalised pair may hide an
// infinite or NaN low part behind a finite high part).
inline bool finite_parts(const complex128 &z)
{
    double parts[4];
    tarsel_extract(z.data.real, &parts[0], &parts[1]);
    tarsel_extract(z.data.imag, &parts[2], &parts[3]);
    for (double d : parts)
        if (!std::isfinite(d))
            return false;
    return true;
}

inline complex128 nan_parts()
{
    return complex128(std::nan(""), std::nan(""));
}

// f(z) for Im z >= +0, and conj f(conj z) where the imaginary part has its
// sign bit set: each of the four functions commutes with conjugation, and
// this way a -0 imaginary part picks the lower side of the cut as in C99.
template <class F>
inline complex128 upper_half(const complex128 &z, F f)
{
    if (!std::signbit(_mm_cvtsd_f64(z.data.imag)))
        return f(z);
    complex128 w = f(complex128(z.real(), -z.imag()));
    return complex128(w.real(), -w.imag());
}

// log |1 + w| for w = a + ib.  Next to the unit circle, where it is small,
// it is log1p(a (2 + a) + b^2) / 2 with a (2 + a) formed without the
// rounding of 1 + a; elsewhere the logarithm of the modulus.
inline float128 log_abs_one_plus(float128 a, float128 b)
{
    float128 one(1.0), two(2.0), half(0.5);
    float128 r = tars::hypot(one + a, b);
    if (r >= half && r <= two)
        return tars::log1p(a * (two + a) + b * b) * half;
    return tars::log2(r) * tars::ln2;
}

// log(1 + w) = log |1 + w| + i arg(1 + w); on the negative real axis the
// sign of a zero b picks +pi or -pi (tars::atan2 gives +pi for both).
inline complex128 log_one_plus(float128 a, float128 b)
{
    float128 x = float128(1.0) + a;
    float128 arg = tars::atan2(b, x);
    if (b == float128(0.0) && x < float128(0.0))
        arg = std::signbit(_mm_cvtsd_f64(b.data)) ? -tars::pi : tars::pi;
    return complex128(log_abs_one_plus(a, b), arg);
}

// log z, through log(1 + (z - 1)) so that arguments next to the unit circle
// keep their precision; z - 1 is exact in double-double next to 1.
inline complex128 log_principal(const complex128 &z)
{
    return log_one_plus(z.real() - float128(1.0), z.imag());
}

// sqrt z with the cut along the negative real axis: t = sqrt((|a| + |z|)/2)
// and b / 2t; beyond 2^1000 that of z 2^-600 times 2^300 (exact scalings).
inline complex128 sqrt_principal(const complex128 &z)
{
    float128 a = z.real(), b = z.imag();
    if (a == float128(0.0) && b == float128(0.0))
        return complex128(float128(0.0), b);
    if (tars::abs(a) > float128(0x1p1000) || tars::abs(b) > float128(0x1p1000)) {
        complex128 root = sqrt_principal(complex128(_tarsel_scale(a.data, -600), _tarsel_scale(b.data, -600)));
        return complex128(_tarsel_scale(root.data.real, 300), _tarsel_scale(root.data.imag, 300));
    }
    float128 t = tars::sqrt((tars::abs(a) + tars::hypot(a, b)) * float128(0.5));
    float128 other = b / (t * float128(2.0));
    if (a >= float128(0.0))
        return complex128(t, other);
    return complex128(tars::abs(other), b < float128(0.0) ? -t : t);
}

} // namespace detail

// log10 z = log z / ln 10.
inline complex128 log10(const complex128 &z)
{
    if (!detail::finite_parts(z))
        return detail::nan_parts();
    return detail::upper_half(z, [](const complex128 &u) {
        complex128 l = detail::log_principal(u);
        float128 inv_ln10 = _tarsel_from_raw(_tarsel_libm_inv_ln10);
        return complex128(l.real() * inv_ln10, l.imag() * inv_ln10);
    });
}

// asinh z = log(1 + w) with w = z + z^2 / (1 + sqrt(z^2 + 1)), so that 1 + w
// is not rounded, for Re z >= 0, and -asinh(-z) otherwise; log 2z beyond
// 2^500, where z^2 would overflow.
inline complex128 asinh(const complex128 &z)
{
    if (!detail::finite_parts(z))
        return detail::nan_parts();
    return detail::upper_half(z, [](const complex128 &u) {
        float128 a = u.real(), b = u.imag();
        bool negative = std::signbit(_mm_cvtsd_f64(a.data));
        complex128 v = negative ? complex128(-a, b) : u;   // asinh(-conj u) = -conj asinh(u)
        complex128 res;
        if (tars::abs(a) > float128(0x1p500) || b > float128(0x1p500)) {
            complex128 l = detail::log_principal(v);
            res = complex128(l.real() + tars::ln2, l.imag());
        } else {
            complex128 one(1.0, 0.0);
            complex128 v2 = v * v;
            complex128 w = v + v2 / (one + detail::sqrt_principal(v2 + one));
            res = detail::log_one_plus(w.real(), w.imag());
        }
        return negative ? complex128(-res.real(), res.imag()) : res;
    });
}

// acosh z = log(z + sqrt(z + 1) sqrt(z - 1)) (Kahan's form, which keeps the
// principal branch), as log(1 + w) with w = (z - 1) + sqrt(z + 1) sqrt(z - 1)
// so that the branch point 1 keeps its precision; log 2z beyond 2^500 (arg z
// in (-pi, pi] is its imaginary part there).
inline complex128 acosh(const complex128 &z)
{
    if (!detail::finite_parts(z))
        return detail::nan_parts();
    return detail::upper_half(z, [](const complex128 &u) {
        if (tars::abs(u.real()) > float128(0x1p500) || tars::abs(u.imag()) > float128(0x1p500)) {
            complex128 l = detail::log_principal(u);
            return complex128(l.real() + tars::ln2, l.imag());
        }
        /* with v = z - 1 (exact next to 1): log(1 + (v + sqrt(v + 2) sqrt(v))) */
        complex128 v = u - complex128(1.0, 0.0);
        complex128 w = v + detail::sqrt_principal(v + complex128(2.0, 0.0)) * detail::sqrt_principal(v);
        return detail::log_one_plus(w.real(), w.imag());
    });
}

// atanh z = (log(1 + z) - log(1 - z)) / 2, both logarithms of 1 + w formed
// without rounding 1 + w.
inline complex128 atanh(const complex128 &z)
{
    if (!detail::finite_parts(z))
        return detail::nan_parts();
    return detail::upper_half(z, [](const complex128 &u) {
        float128 a = u.real(), b = u.imag(), half(0.5);
        complex128 up = detail::log_one_plus(a, b);
        complex128 down = detail::log_one_plus(-a, -b);
        return complex128((up.real() - down.real()) * half, (up.imag() - down.imag()) * half);
    });
}

} // namespace tars


#endif // TARSEL_COMPLEX_HPP
