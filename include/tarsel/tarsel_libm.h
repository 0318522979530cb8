/* tarsel_libm.h -- the rest of C's real function library in double-double:
 * expm1, log1p, log2, log10, exp2, cbrt, hypot, the inverse hyperbolic
 * functions, logaddexp and logaddexp2, and the conversions between degrees
 * and radians.
 *
 * These functions have their own exponential and logarithm kernels, more
 * accurate than tarsel_exp and tarsel_log, whose bits stay as they are:
 *
 * - e^x = 2^m 2^(i/16) e^r with k = 16 m + i the nearest integer to
 *   16 x / ln 2 and i in -8 .. 7.  r = x - k ln2/16 is formed with ln2/16 as
 *   a triple of doubles, so r is exact to about 2^-110 absolute for every
 *   finite argument.  e^r - 1 is its Taylor series to degree 14, whose
 *   remainder is below 2^-117 |r| on |r| <= ln2/32, and 2^(i/16) - 1 is
 *   tabulated: e^x = 2^m (1 + q) with q = (2^(i/16) - 1) + p + (2^(i/16) - 1) p
 *   carries an absolute error near 2^-107 |q|, so q itself is e^x - 1 to
 *   full relative precision whenever m is 0.
 * - log x is one Newton step y + (x e^-y - 1) from the double-double
 *   logarithm of the seed (tarsel_seeds.h, 2^-67.7 relative): its remainder
 *   is the square of the seed's error, far below 2^-106.  x e^-y - 1 is
 *   formed from the q of e^-y as (x 2^m - 1) + x 2^m q, without cancelling
 *   rounding errors, so the logarithm keeps its relative precision next to
 *   1 as well.
 *
 * Every double operation is evaluated in the written order and grouping;
 * the special cases of each function come first.  The bound above each
 * public function is checked by tests/python/test_accuracy.py against mpmath,
 * the measured figure is that of the README's accuracy table (python
 * bench/accuracy.py).  A unit is 2^-104 relative (4.9e-32).
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_LIBM_H
#define TARSEL_LIBM_H

#include <math.h>

#include "tarsel/tarsel_math.h"
#include "tarsel/detail/tarsel_libm_tables.h"

/* --- the exponential kernel --- */

/* e^r - 1 for |r| <= about ln2/32 (0.0217): r + r^2 S(r) with S the Taylor
   series of (e^r - 1 - r)/r^2 to r^12.  The terms from r^7 on, below 2^-30
   of the result, are summed in doubles on the high part of r. */
static inline tarsel _tarsel_expm1_small(tarsel r)
{
    double rh = _mm_cvtsd_f64(r);
    const double *tail = _tarsel_libm_inv_fact_tail;
    double t = tail[5];
    for (int j = 4; j >= 0; j--)
        t = tail[j] + rh * t;
    tarsel s = tarsel_from_double(t);
    for (int j = 6; j >= 0; j--)
        s = tarsel_add(tarsel_mul(s, r), _tarsel_from_raw(_tarsel_libm_inv_fact[j]));
    return tarsel_add(r, tarsel_mul(tarsel_mul(r, r), s));
}

/* e^(i/16 ln 2 + r) - 1 from e^r - 1 = p and the tabulated 2^(i/16) - 1. */
static inline tarsel _tarsel_exp_join(int i, tarsel p)
{
    if (i == 0)
        return p;
    tarsel e = _tarsel_from_raw(_tarsel_libm_exp2_m1[i + 8]);
    return tarsel_add(tarsel_add(e, p), tarsel_mul(e, p));
}

/* k = 16 m + i with i in -8 .. 7, from the integral double k.  A k beyond
   2^20, which only an argument that is no number gives (NaN, or a pair
   whose low part is infinite or far above its high part), is taken as 0
   instead of being converted out of the range of int. */
static inline int _tarsel_exp_split_k(double k, int *i)
{
    int ki = fabs(k) <= 0x1p20 ? (int)k : 0;
    int m = (ki + 8) >> 4;
    *i = ki - 16 * m;
    return m;
}

/* e^(a + b) = 2^m (1 + q): returns q and writes m.  a is a double with
   |a| <= 746, b a double-double below 2^-30 |a| or below 2^-30. */
static inline tarsel _tarsel_exp_parts(double a, tarsel b, int *m)
{
    const double *c = _tarsel_libm_ln2_16;
    double k = round(a * _tarsel_libm_sixteen_over_ln2[0]);
    double p1 = k * c[0];
    double e1 = tarsel_exact_mul_err(k, c[0], p1);
    double p2 = k * c[1];
    double e2 = tarsel_exact_mul_err(k, c[1], p2);
    /* a - k c1 is exact: a and k c1 are within a factor of two of each
       other, or k is 0. */
    double t = a - p1;
    tarsel kc = tarsel_add(tarsel_from_double(e1), _tarsel_fast_two_sum(p2, e2 + k * c[2]));
    tarsel r = tarsel_add(tarsel_from_double(t), tarsel_sub(b, kc));
    int i;
    *m = _tarsel_exp_split_k(k, &i);
    return _tarsel_exp_join(i, _tarsel_expm1_small(r));
}

/* 2^m (1 + q), each part scaled on its own: exact while both stay normal. */
static inline tarsel _tarsel_exp_assemble(tarsel q, int m)
{
    double hi, lo;
    tarsel_extract(tarsel_add(tarsel_from_double(1.0), q), &hi, &lo);
    /* m reaches 1025 only when 1 + q < 1: two steps keep the scaling exact. */
    if (m > 1000) {
        hi = hi * 0x1p+24;
        lo = lo * 0x1p+24;
        m = m - 24;
    }
    return tarsel_from_hi_lo(ldexp(hi, m), ldexp(lo, m));
}

/* e^(a + b) for a double-double a and a double-double correction b below
   2^-30 |a| (or below 2^-30): the exponential with the kernel above.
   About 1.5 units relative while the result is normal, +inf above
   709.79, +0 below -745.14. */
static inline tarsel _tarsel_exp_sum(tarsel a, tarsel b)
{
    double hi, lo;
    tarsel_extract(a, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi > TARSEL_EXP_OVERFLOW_BOUND + 0x1p-20)
        return tarsel_from_double(INFINITY);
    if (hi < TARSEL_EXP_UNDERFLOW_BOUND - 0x1p-20)
        return tarsel_from_double(0.0);
    int m;
    tarsel q = _tarsel_exp_parts(hi, tarsel_add(tarsel_from_double(lo), b), &m);
    return _tarsel_exp_assemble(q, m);
}

/* --- the logarithm kernel --- */

/* log x for positive, finite, normal x_hi: one Newton step from the seed's
   double-double logarithm of x_hi plus x_lo / x_hi. */
static inline tarsel _tarsel_log_positive(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    int k, i;
    double r = _tarsel_log_reduce(hi, &k, &i);
    double yl;
    double yh = _tarsel_log_fast(k, i, r, &yl);
    tarsel y = _tarsel_fast_two_sum(yh, yl + lo / hi);
    double y_hi, y_lo;
    tarsel_extract(y, &y_hi, &y_lo);
    int m;
    tarsel q = _tarsel_exp_parts(-y_hi, tarsel_from_double(-y_lo), &m);
    /* x e^-y - 1 = (w - 1) + w q with w = x 2^m, w - 1 exact */
    tarsel w = _tarsel_scale(x, m);
    tarsel d = tarsel_add(tarsel_sub(w, tarsel_from_double(1.0)), tarsel_mul(w, q));
    return tarsel_add(y, d);
}

/* The logarithm of a positive double-double whose high part may be
   subnormal: those are scaled by 2^110 first (exactly) and the logarithm
   of the scale is subtracted. */
static inline tarsel _tarsel_log_rel(tarsel x)
{
    double hi = _mm_cvtsd_f64(x);
    if (hi < 0x1p-1000) {
        tarsel y = _tarsel_log_positive(_tarsel_scale(x, 110));
        return tarsel_sub(y, tarsel_mul(tarsel_from_double(110.0), _tarsel_from_raw(_tarsel_libm_ln2)));
    }
    return _tarsel_log_positive(x);
}

/* The special cases the logarithms share, on the exact value hi + lo: NaN
   for NaN and negative values, -inf for zero, +inf for +inf.  Returns 1 and
   writes *result for those. */
static inline int _tarsel_log_special_dd(double hi, double lo, tarsel *result)
{
    if (hi != hi || hi < 0.0 || (hi == 0.0 && lo < 0.0)) {
        *result = _tarsel_nan();
        return 1;
    }
    if (hi == 0.0 && lo == 0.0) {
        *result = tarsel_from_double(-INFINITY);
        return 1;
    }
    if (_tarsel_is_inf(hi)) {
        *result = tarsel_from_double(INFINITY);
        return 1;
    }
    return 0;
}

/* x = 2^e f with f in [sqrt(1/2), sqrt(2)) for the exact value; f returned.
   x positive and finite, hi normal. */
static inline tarsel _tarsel_log_split(tarsel x, int *e)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    int ex;
    double f = frexp(hi, &ex);
    if (f < _tarsel_libm_sqrt_half[0] || (f == _tarsel_libm_sqrt_half[0] && lo < 0.0))
        ex = ex - 1;
    *e = ex;
    return _tarsel_scale(x, -ex);
}

/* --- exponentials --- */

/* e^x - 1.  Below -745.14 the result is -1 + e^x, kept as the pair
   (-1, e^x) while e^x is normal.  Relative error below 4 units (see the
   README for the measured figure); expm1(-inf) = -1, expm1(+inf) = +inf,
   +inf from 709.79 on. */
static inline tarsel tarsel_expm1(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0)
        return x;
    if (hi > TARSEL_EXP_OVERFLOW_BOUND + 0x1p-20)
        return tarsel_from_double(INFINITY);
    if (hi < -80.0)
        return _tarsel_fast_two_sum(-1.0, _mm_cvtsd_f64(_tarsel_exp_sum(x, tarsel_from_double(0.0))));
    int m;
    tarsel q = _tarsel_exp_parts(hi, tarsel_from_double(lo), &m);
    if (m == 0)
        return q;
    /* from 2^60 on, e^x - 1 hardly differs from e^x: no cancellation */
    if (m > 60)
        return tarsel_sub(_tarsel_exp_assemble(q, m), tarsel_from_double(1.0));
    /* 2^m (1 + q) - 1 = 2^m q + (2^m - 1), the second term exact for m in
       [-116, 60] */
    double p = ldexp(1.0, m);
    return tarsel_add(_tarsel_scale(q, m), _tarsel_fast_two_sum(m > 0 ? p : -1.0, m > 0 ? -1.0 : p));
}

/* 2^x: k = round(16 x), f = x - k/16 exact, r = f ln 2.  Exact powers of
   two for integral x.  Relative error below 4 units; exp2(-inf) = +0,
   exp2(+inf) = +inf, +inf from 1024 on, +0 below -1075. */
static inline tarsel tarsel_exp2(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi >= 1024.0)
        return tarsel_from_double(INFINITY);
    if (hi < -1080.0)
        return tarsel_from_double(0.0);
    double k = round(hi * 16.0);
    /* hi - k/16 is exact: both are multiples of hi's last bit or of 1/16 */
    tarsel f = _tarsel_fast_two_sum(hi - k * 0.0625, lo);
    tarsel r = tarsel_mul(f, _tarsel_from_raw(_tarsel_libm_ln2));
    int i;
    int m = _tarsel_exp_split_k(k, &i);
    tarsel q = _tarsel_exp_join(i, _tarsel_expm1_small(r));
    return _tarsel_exp_assemble(q, m);
}

/* --- logarithms --- */

/* log(1 + x) by the Newton step of the logarithm run on 1 + x itself, so
   that no rounding of 1 + x enters where it would matter: the seed is the
   logarithm of s = 1 + x rounded, plus (1 + x - s)/s, and with
   e^-y = 2^m (1 + q) the step adds (1 + x) e^-y - 1 = ((2^m - 1) + 2^m x) +
   2^m (1 + x) q, whose first term is exact where m is 0 and whose rounding
   elsewhere (|y| > 0.36) is below 2^-107 of y.  log x itself from 2^1000 on,
   where 1/x is below 2^-1000 of it.  Relative error below 4 units;
   log1p(+-0) = +-0, log1p(-1) = -inf, NaN below -1, log1p(+inf) = +inf. */
static inline tarsel tarsel_log1p(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi || hi < -1.0 || (hi == -1.0 && lo < 0.0))
        return _tarsel_nan();
    if (hi == -1.0 && lo == 0.0)
        return tarsel_from_double(-INFINITY);
    if (_tarsel_is_inf(hi))
        return x;
    if (hi == 0.0)
        return x;
    if (hi > 0x1p1000)
        return _tarsel_log_rel(x);
    double c;
    double u = _tarsel_two_sum_d(1.0, hi, &c);
    tarsel y = x;
    if (u != 1.0) {
        /* 1 + x renormalised: next to -1 the low part can be half of u */
        double s_lo;
        double s = _tarsel_fast_two_sum_d(u, c + lo, &s_lo);
        int k, i;
        double yl;
        double r = _tarsel_log_reduce(s, &k, &i);
        double yh = _tarsel_log_fast(k, i, r, &yl);
        y = _tarsel_fast_two_sum(yh, yl + s_lo / s);
    }
    double y_hi, y_lo;
    tarsel_extract(y, &y_hi, &y_lo);
    int m;
    tarsel q = _tarsel_exp_parts(-y_hi, tarsel_from_double(-y_lo), &m);
    double p = ldexp(1.0, m);
    tarsel a = tarsel_add(_tarsel_fast_two_sum(m > 0 ? p : -1.0, m > 0 ? -1.0 : p), _tarsel_scale(x, m));
    tarsel b = tarsel_mul(_tarsel_scale(tarsel_add(tarsel_from_double(1.0), x), m), q);
    return tarsel_add(y, tarsel_add(a, b));
}

/* log2 x = e + log(f) / ln 2 for x = 2^e f, f in [sqrt(1/2), sqrt(2)):
   exact integers for powers of two.  Relative error below 4 units;
   log2(+-0) = -inf, log2(1) = +0, NaN below 0, log2(+inf) = +inf. */
static inline tarsel tarsel_log2(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    tarsel special;
    if (_tarsel_log_special_dd(hi, lo, &special))
        return special;
    /* a zero high part with a positive low part: the value is the low part */
    if (hi == 0.0)
        return tarsel_log2(tarsel_from_double(lo));
    if (hi < 0x1p-1000)
        return tarsel_sub(tarsel_log2(_tarsel_scale(x, 110)), tarsel_from_double(110.0));
    int e;
    tarsel f = _tarsel_log_split(x, &e);
    tarsel lf = tarsel_mul(_tarsel_log_positive(f), _tarsel_from_raw(_tarsel_libm_inv_ln2));
    return tarsel_add(tarsel_from_double((double)e), lf);
}

/* The powers of ten that are doubles, 10^0 to 10^22 (each literal exact). */
static const double _tarsel_libm_powers_of_ten[23] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

/* n itself where x is exactly 10^n, 0 <= n <= 22; y otherwise. */
static inline tarsel _tarsel_exact_decade(double hi, double lo, tarsel y)
{
    double n = round(_mm_cvtsd_f64(y));
    if (lo == 0.0 && n >= 0.0 && n <= 22.0 && hi == _tarsel_libm_powers_of_ten[(int)n])
        return tarsel_from_double(n);
    return y;
}

/* log10 x = e log10(2) + log(f) / ln 10 for x = 2^e f; the exact integer n
   for x = 10^n, 0 <= n <= 22.  Relative error below 4 units; log10(+-0) =
   -inf, log10(1) = +0, NaN below 0, +inf at +inf. */
static inline tarsel tarsel_log10(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    tarsel special;
    if (_tarsel_log_special_dd(hi, lo, &special))
        return special;
    /* a zero high part with a positive low part: the value is the low part */
    if (hi == 0.0)
        return tarsel_log10(tarsel_from_double(lo));
    if (hi < 0x1p-1000) {
        tarsel shift = tarsel_mul(tarsel_from_double(110.0), _tarsel_from_raw(_tarsel_libm_log10_2));
        return tarsel_sub(tarsel_log10(_tarsel_scale(x, 110)), shift);
    }
    int e;
    tarsel f = _tarsel_log_split(x, &e);
    tarsel lf = tarsel_mul(_tarsel_log_positive(f), _tarsel_from_raw(_tarsel_libm_inv_ln10));
    if (e == 0)
        return _tarsel_exact_decade(hi, lo, lf);
    tarsel le = tarsel_mul(tarsel_from_double((double)e), _tarsel_from_raw(_tarsel_libm_log10_2));
    return _tarsel_exact_decade(hi, lo, tarsel_add(le, lf));
}

/* log(e^x + e^y) = max + log1p(e^(min - max)); x + ln 2 when x == y, which
   also gives the infinities of equal sign.  Absolute error below 4 units of
   max(|x|, |y|, ln 2) (relative, where the result does not cancel). */
static inline tarsel tarsel_logaddexp(tarsel x, tarsel y)
{
    double xh = _mm_cvtsd_f64(x), yh = _mm_cvtsd_f64(y);
    if (xh != xh || yh != yh)
        return _tarsel_nan();
    if (tarsel_eq(x, y))
        return tarsel_add(x, _tarsel_from_raw(_tarsel_libm_ln2));
    tarsel big = tarsel_gt(x, y) ? x : y;
    tarsel small = tarsel_gt(x, y) ? y : x;
    /* +inf, or a finite max plus log1p(0): -0.0 becomes +0.0, log 1 */
    if (_tarsel_is_inf(_mm_cvtsd_f64(big)))
        return big;
    if (_tarsel_is_inf(_mm_cvtsd_f64(small)))
        return tarsel_add(big, tarsel_from_double(0.0));
    tarsel d = tarsel_sub(small, big);
    return tarsel_add(big, tarsel_log1p(_tarsel_exp_sum(d, tarsel_from_double(0.0))));
}

/* log2(2^x + 2^y) = max + log1p(2^(min - max)) / ln 2.  The bound of
   logaddexp, in units of max(|x|, |y|, 1). */
static inline tarsel tarsel_logaddexp2(tarsel x, tarsel y)
{
    double xh = _mm_cvtsd_f64(x), yh = _mm_cvtsd_f64(y);
    if (xh != xh || yh != yh)
        return _tarsel_nan();
    if (tarsel_eq(x, y))
        return tarsel_add(x, tarsel_from_double(1.0));
    tarsel big = tarsel_gt(x, y) ? x : y;
    tarsel small = tarsel_gt(x, y) ? y : x;
    if (_tarsel_is_inf(_mm_cvtsd_f64(big)))
        return big;
    if (_tarsel_is_inf(_mm_cvtsd_f64(small)))
        return tarsel_add(big, tarsel_from_double(0.0));
    tarsel d = tarsel_sub(small, big);
    tarsel l = tarsel_log1p(tarsel_exp2(d));
    return tarsel_add(big, tarsel_mul(l, _tarsel_from_raw(_tarsel_libm_inv_ln2)));
}

/* --- roots --- */

/* sqrt of a positive, normal, finite double-double: the double root z of
   hi and one Newton correction c = (x - z^2) / 2z, with z^2 exact, less
   its second-order term c^2 / 2z.  About 0.7 units. */
static inline tarsel _tarsel_sqrt_refined(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double z = sqrt(hi);
    double e;
    double p = _tarsel_two_prod_d(z, z, &e);
    double r = ((hi - p) - e) + lo;
    double c = r / (2.0 * z);
    return _tarsel_fast_two_sum(z, c - (c * c) / (2.0 * z));
}

/* sqrt(x^2 + y^2) with both scaled by the same power of two.  Relative error
   below 4 units; hypot(+-inf, y) = +inf even for a NaN y, hypot(x, +-0) =
   |x|. */
static inline tarsel tarsel_hypot(tarsel x, tarsel y)
{
    double xh = _mm_cvtsd_f64(x), yh = _mm_cvtsd_f64(y);
    if (_tarsel_is_inf(xh) || _tarsel_is_inf(yh))
        return tarsel_from_double(INFINITY);
    if (xh != xh || yh != yh)
        return _tarsel_nan();
    tarsel a = tarsel_abs(x), b = tarsel_abs(y);
    if (fabs(yh) > fabs(xh)) {
        tarsel t = a;
        a = b;
        b = t;
    }
    double ah = _mm_cvtsd_f64(a), bh = _mm_cvtsd_f64(b);
    /* below 2^-56 of a, b^2 / 2a is below 2^-113 of a */
    if (bh == 0.0 || bh < ah * 0x1p-56)
        return a;
    int e;
    frexp(ah, &e);
    tarsel as = _tarsel_scale(a, -e), bs = _tarsel_scale(b, -e);
    tarsel s = tarsel_add(tarsel_mul(as, as), tarsel_mul(bs, bs));
    return _tarsel_scale(_tarsel_sqrt_refined(s), e);
}

/* The cube root: y from a few double Newton steps on the mantissa, then
   one Halley step y + y (s - y^3) / (2 y^3 + s) in double-double, whose
   error is cubic in that of y.  Relative error below 4 units; cbrt(+-0) =
   +-0, cbrt(+-inf) = +-inf. */
static inline tarsel tarsel_cbrt(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0 || _tarsel_is_inf(hi))
        return x;
    tarsel a = tarsel_abs(x);
    int ex;
    frexp(fabs(hi), &ex);
    /* ex = 3 j + (0, 1 or 2): s = a 2^-3j in [0.5, 4) */
    int j = ex >= 0 ? ex / 3 : -((-ex + 2) / 3);
    tarsel s = _tarsel_scale(a, -3 * j);
    double sh = _mm_cvtsd_f64(s);
    double y = 0.6 + 0.4 * sh - 0.0305 * sh * sh;
    for (int n = 0; n < 5; n++)
        y = y - (y - sh / (y * y)) / 3.0;
    double e;
    double y2 = _tarsel_two_prod_d(y, y, &e);
    tarsel y3 = tarsel_mul(tarsel_from_hi_lo(y2, e), tarsel_from_double(y));
    tarsel num = tarsel_mul(tarsel_from_double(y), tarsel_sub(s, y3));
    tarsel den = tarsel_add(tarsel_mul(tarsel_from_double(2.0), y3), s);
    tarsel root = _tarsel_scale(tarsel_add(tarsel_from_double(y), tarsel_div(num, den)), j);
    return hi < 0.0 ? tarsel_neg(root) : root;
}

/* --- inverse hyperbolic functions --- */

/* asinh |x| = log1p(|x| + x^2 / (1 + sqrt(1 + x^2))), log|x| + ln 2 from
   2^500 on, x itself below 2^-60.  Odd.  Relative error below 4 units;
   asinh(+-0) = +-0, asinh(+-inf) = +-inf. */
static inline tarsel tarsel_asinh(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (_tarsel_is_inf(hi) || fabs(hi) < 0x1p-60)
        return x;
    tarsel a = tarsel_abs(x);
    tarsel res;
    if (fabs(hi) > 0x1p500) {
        res = tarsel_add(_tarsel_log_rel(a), _tarsel_from_raw(_tarsel_libm_ln2));
    } else {
        tarsel one = tarsel_from_double(1.0);
        tarsel a2 = tarsel_mul(a, a);
        tarsel t = tarsel_add(a, tarsel_div(a2, tarsel_add(one, _tarsel_sqrt_refined(tarsel_add(one, a2)))));
        res = tarsel_log1p(t);
    }
    return hi < 0.0 ? tarsel_neg(res) : res;
}

/* acosh x = log1p(t + sqrt(t (t + 2))) with t = x - 1 exact, log x + ln 2
   from 2^500 on.  Relative error below 4 units; acosh(1) = +0, NaN below 1,
   acosh(+inf) = +inf. */
static inline tarsel tarsel_acosh(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi != hi || hi < 1.0 || (hi == 1.0 && lo < 0.0))
        return _tarsel_nan();
    if (_tarsel_is_inf(hi))
        return x;
    if (hi == 1.0 && lo == 0.0)
        return tarsel_from_double(0.0);
    if (hi > 0x1p500)
        return tarsel_add(_tarsel_log_rel(x), _tarsel_from_raw(_tarsel_libm_ln2));
    tarsel t = tarsel_sub(x, tarsel_from_double(1.0));
    tarsel w = tarsel_mul(t, tarsel_add(t, tarsel_from_double(2.0)));
    return tarsel_log1p(tarsel_add(t, _tarsel_sqrt_refined(w)));
}

/* atanh |x| = log1p(2|x| / (1 - |x|)) / 2, 1 - |x| exact; x itself below
   2^-60.  Odd.  Relative error below 4 units; atanh(+-0) = +-0,
   atanh(+-1) = +-inf, NaN beyond. */
static inline tarsel tarsel_atanh(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (_tarsel_outside_unit(hi, lo))
        return _tarsel_nan();
    if (fabs(hi) < 0x1p-60)
        return x;
    if (fabs(hi) == 1.0 && lo == 0.0)
        return tarsel_from_double(hi > 0.0 ? INFINITY : -INFINITY);
    tarsel a = tarsel_abs(x);
    tarsel one = tarsel_from_double(1.0);
    tarsel z = tarsel_div(tarsel_mul(tarsel_from_double(2.0), a), tarsel_sub(one, a));
    tarsel res = tarsel_mul(tarsel_log1p(z), tarsel_from_double(0.5));
    return hi < 0.0 ? tarsel_neg(res) : res;
}

/* --- angles --- */

/* x pi/180 with pi/180 as a double-double.  Relative error below 4 units;
   keeps +-0, +-inf and NaN. */
static inline tarsel tarsel_deg2rad(tarsel x)
{
    double hi = _mm_cvtsd_f64(x);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0 || _tarsel_is_inf(hi))
        return tarsel_from_double(hi);
    return tarsel_mul(x, _tarsel_from_raw(_tarsel_libm_pi_over_180));
}

/* x 180/pi.  Relative error below 4 units; keeps +-0, +-inf and NaN. */
static inline tarsel tarsel_rad2deg(tarsel x)
{
    double hi = _mm_cvtsd_f64(x);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0 || _tarsel_is_inf(hi))
        return tarsel_from_double(hi);
    return tarsel_mul(x, _tarsel_from_raw(_tarsel_libm_180_over_pi));
}

#endif /* TARSEL_LIBM_H */
