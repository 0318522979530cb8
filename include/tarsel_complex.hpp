// tarsel_complex.hpp -- tars::complex128, a value wrapper over the complex
// double-double record, with its operators and the complex modulus.  Each
// operation forwards to one scalar function.
#ifndef TARSEL_COMPLEX_HPP
#define TARSEL_COMPLEX_HPP

#include <complex>

#include "tarsel.hpp"
#include "tarsel_complex.h"

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

} // namespace tars

#endif // TARSEL_COMPLEX_HPP
