// tarsel_complex.hpp -- tars::complex128, a value wrapper over the complex
// double-double record, with its operators, its text, the complex modulus and
// the complex circular and hyperbolic functions.  The operators and the
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

} // namespace tars

#endif // TARSEL_COMPLEX_HPP
