/* tarsel_complex.h -- the complex double-double record and its arithmetic.
 *
 * A complex value is a record of two double-double values, the real part
 * then the imaginary part.  Every operation is composed from the real
 * double-double operations in a fixed order; none inspects its operands for
 * zeros, infinities or NaNs, so such values take the ordinary path and behave
 * as the real operations make them.  Valid C11 and C++17.
 */
#ifndef TARSEL_COMPLEX_H
#define TARSEL_COMPLEX_H

#include <math.h>

#include "tarsel/tarsel.h"
#include "tarsel/tarsel_utils.h"

typedef struct tarsel_complex {
    tarsel real;
    tarsel imag;
} tarsel_complex;

/* A record from its two parts (C++ has no compound literals). */
static inline tarsel_complex _tarsel_complex_make(tarsel real, tarsel imag)
{
    tarsel_complex c;
    c.real = real;
    c.imag = imag;
    return c;
}

/* --- addition, subtraction, multiplication --- */

static inline tarsel_complex tarsel_complex_add(tarsel_complex a, tarsel_complex b)
{
    return _tarsel_complex_make(tarsel_add(a.real, b.real), tarsel_add(a.imag, b.imag));
}

static inline tarsel_complex tarsel_complex_sub(tarsel_complex a, tarsel_complex b)
{
    return _tarsel_complex_make(tarsel_sub(a.real, b.real), tarsel_sub(a.imag, b.imag));
}

/* The schoolbook product with four real products. */
static inline tarsel_complex tarsel_complex_mul(tarsel_complex a, tarsel_complex b)
{
    tarsel r1r2 = tarsel_mul(a.real, b.real);
    tarsel i1i2 = tarsel_mul(a.imag, b.imag);
    tarsel r1i2 = tarsel_mul(a.real, b.imag);
    tarsel r2i1 = tarsel_mul(b.real, a.imag);
    return _tarsel_complex_make(tarsel_sub(r1r2, i1i2), tarsel_add(r1i2, r2i1));
}

/* --- division --- */

/* Smith's method: the ratio r of the smaller to the larger part of the
   divisor is at most 1 in magnitude, so den = |b|^2 / (larger part) is
   formed without squaring either part.  The real-part branch is taken only
   when the real part is strictly larger; equal magnitudes and NaN parts take
   the imaginary-part branch, where a zero divisor makes r = 0/0 = NaN. */
static inline tarsel_complex tarsel_complex_div(tarsel_complex a, tarsel_complex b)
{
    tarsel r, den, real, imag;
    if (tarsel_gt(tarsel_abs(b.real), tarsel_abs(b.imag))) {
        r = tarsel_div(b.imag, b.real);
        den = tarsel_add(b.real, tarsel_mul(r, b.imag));
        real = tarsel_div(tarsel_add(a.real, tarsel_mul(a.imag, r)), den);
        imag = tarsel_div(tarsel_sub(a.imag, tarsel_mul(a.real, r)), den);
    } else {
        r = tarsel_div(b.real, b.imag);
        den = tarsel_add(b.imag, tarsel_mul(r, b.real));
        real = tarsel_div(tarsel_add(tarsel_mul(a.real, r), a.imag), den);
        imag = tarsel_div(tarsel_sub(tarsel_mul(a.imag, r), a.real), den);
    }
    return _tarsel_complex_make(real, imag);
}

/* --- modulus --- */

static inline tarsel tarsel_complex_abs_sqr(tarsel_complex a)
{
    return tarsel_add(tarsel_mul(a.real, a.real), tarsel_mul(a.imag, a.imag));
}

/* Outside [2^-500, 2^500] the squares of the parts would overflow, or fall
   into the subnormal range and lose their bits, although the modulus itself
   is representable.  There both parts are scaled by 2^-k, where 2^k is the
   leading power of two of the larger high part, which brings that part into
   [1, 2); the modulus of the scaled value is scaled back by 2^k.  Scaling by
   powers of two is exact except for bits far below the larger part.  Inside
   the range, and for zero, infinite and NaN parts, the squares are taken
   as they are. */
static inline tarsel tarsel_complex_abs(tarsel_complex a)
{
    const double scale_above = 0x1p500; /* 0x5F30000000000000 */
    const double scale_below = 0x1p-500; /* 0x20B0000000000000 */
    double m = fmax(fabs(_mm_cvtsd_f64(a.real)), fabs(_mm_cvtsd_f64(a.imag)));
    if (!(m > scale_above || (m < scale_below && m > 0.0)) || _tarsel_is_inf(m))
        return tarsel_sqrt(tarsel_complex_abs_sqr(a));
    int k = ilogb(m);
    tarsel_complex scaled = _tarsel_complex_make(_tarsel_scale(a.real, -k), _tarsel_scale(a.imag, -k));
    double hi, lo;
    tarsel_extract(tarsel_sqrt(tarsel_complex_abs_sqr(scaled)), &hi, &lo);
    double final_hi = ldexp(hi, k);
    /* A modulus above the largest double is the special value +inf. */
    if (_tarsel_is_inf(final_hi))
        return tarsel_from_double(final_hi);
    return tarsel_from_hi_lo(final_hi, ldexp(lo, k));
}

#endif /* TARSEL_COMPLEX_H */
