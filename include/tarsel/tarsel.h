/* tarsel.h -- the double-double value type and its exact arithmetic.
 *
 * A value is the unevaluated sum hi + lo of two IEEE doubles, held in one SSE2
 * register: element 0 is hi, element 1 is lo.  Every finite result is
 * renormalised by a closing fast two-sum, so hi is the double nearest to the
 * sum and |lo| is at most half an ulp of hi.
 *
 * Every operation here relies on binary64 round-to-nearest-even evaluated in
 * exactly the written order: build with -msse2 -mfpmath=sse -ffp-contract=off
 * and never with -ffast-math.  Valid C11 and C++17.
 *
 * Error bounds are given in u = 2^-53, the unit roundoff of a double
 * (u^2 = 2^-106, about 1.2e-32), for normalised operands away from underflow
 * and overflow.  The arithmetic follows M. Joldes, J.-M. Muller and
 * V. Popescu, "Tight and rigorous error bounds for basic building blocks of
 * double-word arithmetic", ACM TOMS 44(2), 2017, where it is theirs.
 */
#ifndef TARSEL_H
#define TARSEL_H

#include <emmintrin.h>
#include <float.h>
#include <math.h>

#include "tarsel/detail/tarsel_thresholds.h"

typedef __m128d tarsel;

/* --- taking values apart and putting them together --- */

static inline void tarsel_extract(tarsel x, double *hi, double *lo)
{
    *hi = _mm_cvtsd_f64(x);
    *lo = _mm_cvtsd_f64(_mm_unpackhi_pd(x, x));
}

static inline tarsel tarsel_from_double(double d)
{
    return _mm_set_sd(d);
}

static inline tarsel tarsel_from_hi_lo(double hi, double lo)
{
    return _mm_unpacklo_pd(_mm_set_sd(hi), _mm_set_sd(lo));
}

/* Exact: both parts change sign. */
static inline tarsel tarsel_neg(tarsel x)
{
    return _mm_xor_pd(x, _mm_set1_pd(-0.0));
}

/* --- internal helpers --- */

/* |x| above the largest finite double: true for both infinities, false for NaN. */
static inline int _tarsel_is_inf(double x)
{
    return fabs(x) > DBL_MAX;
}

/* The library's NaN: the positive quiet NaN 0x7FF8000000000000 with lo = +0.0. */
static inline tarsel _tarsel_nan(void)
{
    return tarsel_from_double((double)NAN);
}

/* Both parts multiplied by the same power of two 2^e (exact unless a part
   overflows or becomes subnormal). */
static inline tarsel _tarsel_scale(tarsel x, int e)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    return tarsel_from_hi_lo(ldexp(hi, e), ldexp(lo, e));
}

/* The closing fast two-sum: p + e renormalised, valid when |p| >= |e|. */
static inline tarsel _tarsel_fast_two_sum(double p, double e)
{
    double final_hi = p + e;
    double final_lo = e - (final_hi - p);
    return tarsel_from_hi_lo(final_hi, final_lo);
}

/* --- error-free product --- */

/* Dekker's product error with Veltkamp splitting, valid while c * a and
   c * b stay finite. */
static inline double _tarsel_dekker_err(double a, double b, double p)
{
    const double c = TARSEL_SPLITTER;
    double t = c * a;
    double ahi = t - (t - a);
    double alo = a - ahi;
    t = c * b;
    double bhi = t - (t - b);
    double blo = b - bhi;
    return (((ahi * bhi - p) + ahi * blo) + alo * bhi) + alo * blo;
}

/* a * b - p exactly, where p is the rounded product a * b.
 * From |p| >= 2^1023 up the partial product ahi * bhi of the split can
 * round past the largest double although both factors split safely, so
 * there the factor of larger magnitude and p are scaled down by 2^-28 and the
 * error back up by 2^28.  That factor is then at least 2^483 and the other
 * at least 2^-2, so the error stays far from the subnormal range and every
 * scaling is exact: the bits are those of the plain steps wherever they
 * did not overflow.
 * A factor above 6.7e299 would overflow the split.  Paired with a factor
 * below 1 the two are rescaled by reciprocal powers of two, which leaves the
 * product and so the error unchanged.  Paired with a factor of 1 or more the
 * large factor and p are scaled as above. */
static inline double tarsel_exact_mul_err(double a, double b, double p)
{
    const double big = TARSEL_SPLIT_BIG;
    const double top = TARSEL_PRODUCT_TOP;
    const double down = 0x1p-28, up = 0x1p28;
    double abs_a = fabs(a), abs_b = fabs(b), abs_p = fabs(p);
    /* One branch on the common path, where neither factor nor p is large.
       The three tests are added rather than or-ed: or-ed, the compiler
       splits them into two branches again. */
    if ((abs_a > big) + (abs_b > big) + (abs_p >= top) == 0)
        return _tarsel_dekker_err(a, b, p);
    if (abs_p >= top && abs_p <= DBL_MAX) {
        if (abs_a >= abs_b)
            return _tarsel_dekker_err(a * down, b, p * down) * up;
        return _tarsel_dekker_err(a, b * down, p * down) * up;
    }
    if (abs_a > big && abs_b < 1.0)
        return _tarsel_dekker_err(a * down, b * up, p);
    if (abs_b > big && abs_a < 1.0)
        return _tarsel_dekker_err(a * up, b * down, p);
    if (abs_a > big && abs_b >= 1.0)
        return _tarsel_dekker_err(a * down, b, p * down) * up;
    if (abs_b > big && abs_a >= 1.0)
        return _tarsel_dekker_err(a, b * down, p * down) * up;
    /* Left are a NaN beside a large factor and an infinite p: the plain
       steps give their NaN or infinite error. */
    return _tarsel_dekker_err(a, b, p);
}

/* --- addition and subtraction --- */

/* The sloppy addition (Joldes-Muller-Popescu 2017, Alg. 5), a two-sum of the high parts plus the plain sum of the
   low parts: error about 3u^2 (|a| + |b|), unbounded relative to a + b when it cancels (opposite signs, nearly
   equal magnitudes). */
static inline tarsel tarsel_add(tarsel a, tarsel b)
{
    double ahi, alo, bhi, blo;
    tarsel_extract(a, &ahi, &alo);
    tarsel_extract(b, &bhi, &blo);
    double s = ahi + bhi;
    if (_tarsel_is_inf(s))
        return tarsel_from_double(s);
    double v = s - ahi;
    double e = (ahi - (s - v)) + (bhi - v);
    /* The low parts are summed before the correction is added: with the
       error term added first, a cancelling lo pair would lose its last bits. */
    double t = e + (alo + blo);
    return _tarsel_fast_two_sum(s, t);
}

/* The sloppy addition of a and -b, in its own sequence rather than a + (-b) so that the signs of zero results and
   the rounding of the correction follow the subtraction directly: error about 3u^2 (|a| + |b|), unbounded relative
   to a - b when it cancels (same signs, nearly equal magnitudes). */
static inline tarsel tarsel_sub(tarsel a, tarsel b)
{
    double ahi, alo, bhi, blo;
    tarsel_extract(a, &ahi, &alo);
    tarsel_extract(b, &bhi, &blo);
    double s = ahi - bhi;
    if (_tarsel_is_inf(s))
        return tarsel_from_double(s);
    double v = s - ahi;
    double e = (ahi - (s - v)) - (bhi + v);
    double t = e + (alo - blo);
    return _tarsel_fast_two_sum(s, t);
}

/* --- multiplication --- */

/* The double-word multiplication without FMA of Joldes-Muller-Popescu 2017, Dekker's exact product for ahi bhi:
   relative error below about 8u^2, the sum of its roundings and the omitted alo blo. */
static inline tarsel tarsel_mul(tarsel a, tarsel b)
{
    double ahi, alo, bhi, blo;
    tarsel_extract(a, &ahi, &alo);
    tarsel_extract(b, &bhi, &blo);
    double p = ahi * bhi;
    if (_tarsel_is_inf(p))
        return tarsel_from_double(p);
    double e = tarsel_exact_mul_err(ahi, bhi, p);
    /* The cross products are summed first; alo * blo is below the
       precision of the result and is left out. */
    e = e + (ahi * blo + alo * bhi);
    return _tarsel_fast_two_sum(p, e);
}

/* --- division --- */

/* Steps after the first quotient digit q1 = ahi / bhi and p1 = q1 * bhi:
   the double-double remainder a - q1 * b and a second digit from it. */
static inline tarsel _tarsel_div_refine(double ahi, double alo, double bhi, double blo,
                                        double q1, double p1)
{
    double p2 = tarsel_exact_mul_err(q1, bhi, p1) + q1 * blo;
    double s = ahi - p1;
    double v = s - ahi;
    double e = (ahi - (s - v)) + ((-p1) - v);
    double t = e + (alo - p2);
    double rh = s + t;
    double rl = t - (rh - s);
    double q2 = rh / bhi;
    /* Two separate roundings by bhi: a reciprocal of bhi would add a third. */
    double final_hi = q1 + q2;
    double final_lo = (q2 - (final_hi - q1)) + rl / bhi;
    return tarsel_from_hi_lo(final_hi, final_lo);
}

/* Division with its special cases in their order: a zero divisor, an
   infinite divisor, an infinite dividend, an overflowing first digit q1,
   and a product q1 * bhi that rounds past the largest double although q1
   is finite.  NaN operands fall through to the ordinary steps. */
static inline tarsel _tarsel_div_special(double ahi, double alo, double bhi, double blo)
{
    if (bhi == 0.0 && blo == 0.0) {
        double inf_val = ahi / bhi;
        if (ahi == 0.0 && alo == 0.0)
            return _tarsel_nan();
        return tarsel_from_double(inf_val);
    }
    if (_tarsel_is_inf(bhi)) {
        if (_tarsel_is_inf(ahi) || ahi != ahi)
            return _tarsel_nan();
        double sign = signbit(ahi) != signbit(bhi) ? -0.0 : 0.0;
        return tarsel_from_double(sign);
    }
    /* An infinite dividend over a finite divisor: the IEEE quotient of the
       high parts is the signed infinity. */
    if (_tarsel_is_inf(ahi) && bhi == bhi)
        return tarsel_from_double(ahi / bhi);
    double q1 = ahi / bhi;
    if (_tarsel_is_inf(q1))
        return tarsel_from_double(q1);
    double p1 = q1 * bhi;
    if (_tarsel_is_inf(p1)) {
        /* q1 is finite but q1 * bhi rounded past the largest double: divide
           a / 2^64 instead and scale the quotient back. */
        double shi = ahi * 0x1p-64, slo = alo * 0x1p-64;
        double sq1 = shi / bhi;
        return _tarsel_scale(_tarsel_div_refine(shi, slo, bhi, blo, sq1, sq1 * bhi), 64);
    }
    return _tarsel_div_refine(ahi, alo, bhi, blo, q1, p1);
}

/* Long division, a first digit q1, the remainder a - q1 b in double-double and a second digit from it: relative
   error a small multiple of u^2; the special cases are those of _tarsel_div_special. */
static inline tarsel tarsel_div(tarsel a, tarsel b)
{
    double ahi, alo, bhi, blo;
    tarsel_extract(a, &ahi, &alo);
    tarsel_extract(b, &bhi, &blo);
    double q1 = ahi / bhi;
    double p1 = q1 * bhi;
    /* Each special case leaves p1 infinite or NaN (a zero or infinite
       divisor makes it 0 * inf or inf * 0, an infinite dividend or first
       digit makes it infinite), so one test of p1 keeps them all off the
       main path; the special path takes them in their order. */
    if (!(fabs(p1) <= DBL_MAX))
        return _tarsel_div_special(ahi, alo, bhi, blo);
    return _tarsel_div_refine(ahi, alo, bhi, blo, q1, p1);
}

/* --- square root --- */

/* One Newton correction of the double root z = xhi / sqrt(xhi), valid while
   z * z stays finite. */
static inline tarsel _tarsel_sqrt_newton(double xhi, double xlo)
{
    double y = 1.0 / sqrt(xhi);
    double z = xhi * y;
    double zlo = tarsel_exact_mul_err(xhi, y, z) + xlo * y;
    double est = z * z;
    double estlo = tarsel_exact_mul_err(z, z, est) + (2 * z) * zlo;
    double err = ((xhi - est) - estlo) + xlo;
    double dy = (err * 0.5) * y;
    return _tarsel_fast_two_sum(z, zlo + dy);
}

/* Relative error below 1e-31 on [5e-324, DBL_MAX] (measured 9.4e-32); NaN below zero. */
static inline tarsel tarsel_sqrt(tarsel x)
{
    double xhi, xlo;
    tarsel_extract(x, &xhi, &xlo);
    if (xhi < 0.0 || (xhi == 0.0 && xlo < 0.0))
        return _tarsel_nan();
    if (xhi == 0.0)
        return x;
    if (xhi != xhi || _tarsel_is_inf(xhi))
        return x;
    /* From 2^1023 up, z * z can round past the largest double.  The root of
       x / 2^128 times 2^64 takes the same steps on exactly scaled values, so
       its bits are the ones the unscaled steps would give. */
    if (xhi >= TARSEL_PRODUCT_TOP)
        return _tarsel_scale(_tarsel_sqrt_newton(xhi * 0x1p-128, xlo * 0x1p-128), 64);
    /* Below 2^-968 the corrections of z * z fall among the subnormals: the
       product error itself stops being exact below 2^-970, where the last
       bit of z times the last bit of z is below 2^-1074, and from 2^-968 down
       the rounding of (2 z) zlo, estlo and err adds a visible part of 2^-104
       to the error.  The root of x 2^128 times 2^-64 runs the same steps
       from 2^-946 up, clear of that range. */
    if (xhi < TARSEL_SQRT_SCALE_UP_BELOW)
        return _tarsel_scale(_tarsel_sqrt_newton(xhi * 0x1p128, xlo * 0x1p128), -64);
    return _tarsel_sqrt_newton(xhi, xlo);
}

#endif /* TARSEL_H */
