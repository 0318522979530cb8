/* tarsel_seeds.h -- correctly rounded double logarithm, base-10 logarithm
 * and arctangent.
 *
 * These are the seeds of the double-double iterations (tarsel_log and the
 * arctangent kernel) and the decade estimate of the text formatter.  The
 * platform's libm is not correctly rounded and differs between platforms in
 * the last bit, which the iterations and the formatter then carry into their
 * results; these functions give the double nearest to the exact value, with
 * IEEE basic operations only, so every platform gets the same bits.
 *
 * Each function has a fast path accurate to 2^-67.7 relative, written
 * straight-line (table lookups by index, no branch on the data), and a
 * rounding test.  When the test cannot tell which double is nearest (about
 * once in 6000 arguments), an accurate path in triple-double arithmetic
 * (tarsel_triple.h) computes the value to 2^-120 relative and rounds that
 * value exactly to the nearest double.  The result is the correctly rounded
 * one unless the exact value lies within 2^-120 relative of a midpoint
 * between two doubles.  The closest approaches we know of are far from
 * that: structured arguments near 1 for the logarithm, such as 1 - 2^-52
 * and 1 + 3 2^-51, come within 2^-106 and 2^-100 of a midpoint, and 3 2^-26
 * for the arctangent within 2^-100; the tests check them.  Were an argument
 * ever closer, the result would still be one deterministic double, the same
 * on every platform, because the accurate path uses only IEEE basic
 * operations.
 *
 * Every double argument gets the IEEE result: NaN for NaN and for
 * logarithms of negative numbers, -inf for logarithms of zeros, the signed
 * limits at infinities.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_SEEDS_H
#define TARSEL_SEEDS_H

#include <float.h>
#include <math.h>
#include <stdint.h>
#include <string.h>

#include "tarsel/detail/tarsel_seed_tables.h"
#include "tarsel/detail/tarsel_triple.h"

/* The relative error bound of the fast paths that the rounding test
   assumes.  Each fast path's own count stays below 2^-67.7; the factor of
   three covers the second-order terms that the counts leave out. */
static const double _tarsel_seed_fast_error = 0x1p-66;

/* --- bits of a double --- */

static inline uint64_t _tarsel_seed_bits(double x)
{
    uint64_t u;
    memcpy(&u, &x, sizeof u);
    return u;
}

static inline double _tarsel_seed_from_bits(uint64_t u)
{
    double x;
    memcpy(&x, &u, sizeof x);
    return x;
}

/* --- the rounding test --- */

/* 1 when every real within `bound` of y1 + y2 rounds to nearest to y1;
   for y1 = RN(y1 + y2) normal and above 2^-960 in magnitude.
   half is the distance from y1 to the midpoint on the side of y2 (a quarter
   ulp below a power of two, half an ulp elsewhere); half - |y2| is exact
   whenever it is small, by Sterbenz's lemma, so the comparison with the
   bound is decided without rounding error.  The bound must also stay below
   half of `half`, so that the other midpoint is out of reach too. */
static inline int _tarsel_seed_rounds_to(double y1, double y2, double bound)
{
    uint64_t magnitude = _tarsel_seed_bits(y1) & 0x7FFFFFFFFFFFFFFFULL;
    double ulp = _tarsel_seed_from_bits((magnitude & 0x7FF0000000000000ULL) - (52ULL << 52));
    double toward_magnitude = y1 < 0.0 ? -y2 : y2;
    int power_of_two = (magnitude & 0x000FFFFFFFFFFFFFULL) == 0;
    double half = (toward_magnitude < 0.0 && power_of_two) ? 0.25 * ulp : 0.5 * ulp;
    double dist = half - fabs(toward_magnitude);
    return dist > bound && bound < 0.5 * half;
}

/* --- logarithm --- */

/* x = 2^k m' with m' = m c_i^-1 (1 + r): the mantissa m in [1, 2) picks bin i
   of the table by its first 8 bits, c_i is a multiple of 2^-9 near 1/m, and
   r = m c_i - 1 is exact, |r| < 2^-8.  The product is split so that each
   half is exact: m_hi has 27 bits and m_lo 26, c_i at most 10, and the sum
   of the two exact terms is r, a multiple of 2^-61 below 2^-8, itself a
   double.  From bin 106 (m about sqrt 2) on, k is one more than the
   exponent and the table's logarithm one ln 2 less, so that arguments just
   below 1 keep k = 0 and lose nothing to cancellation.  x is positive and
   normal. */
static inline double _tarsel_log_reduce(double x, int *k, int *i)
{
    uint64_t u = _tarsel_seed_bits(x);
    *i = (int)((u >> 44) & 0xFF);
    *k = (int)(u >> 52) - 1023 + (*i >= 106);
    double m = _tarsel_seed_from_bits((u & 0x000FFFFFFFFFFFFFULL) | 0x3FF0000000000000ULL);
    double m_hi = _tarsel_seed_from_bits(_tarsel_seed_bits(m) & ~0x3FFFFFFULL);
    double m_lo = m - m_hi;
    double c = _tarsel_seed_log_table[*i][0];
    return (m_hi * c - 1.0) + m_lo * c;
}

/* (-1)^(n+1)/n, the coefficient of r^n in log(1 + r), as a double. */
static inline double _tarsel_log1p_coef(int n)
{
    double c = _tarsel_seed_inverse[n - 1][0];
    return (n & 1) ? c : -c;
}

/* log x = k ln 2 + t_i + log(1 + r) as a double-double hi + *lo.
 *
 * k ln2_1 + t1 is exact (both multiples of 2^-42, below 2^10), and so are
 * r^2 = q1 + q2 and r - q1/2 + its error.  Only the cubic part
 * r^3 (1/3 - r/4 + ... + r^6/9) is formed in plain doubles, with a relative
 * error below 5.1u (u = 2^-53), and two more roundings of its size come
 * where it joins the low part: at most 2.4u |r|^3 in all.  The series stops
 * with an error below |r|^10/9.  Near 1 (k = 0, bin 0 or 255, log x =
 * log(1 + r) with |r| < 2^-8) that is 2^-67.7 of the result; elsewhere with
 * k = 0 the result is at least 2^-9 and |r| < 2^-8.45, which gives 2^-68.1;
 * with k not 0 the result exceeds 0.34.  The other roundings add below
 * 2^-84 of the result. */
static inline double _tarsel_log_fast(int k, int i, double r, double *lo)
{
    const double *t = _tarsel_seed_log_table[i];
    const double *ln2 = _tarsel_seed_ln2;
    double kd = (double)k;
    double a = kd * ln2[0] + t[1];
    double q2;
    double q1 = _tarsel_two_prod_d(r, r, &q2);
    double p = _tarsel_log1p_coef(9);
    for (int n = 8; n >= 3; n--)
        p = _tarsel_log1p_coef(n) + r * p;
    double cubic = (q1 * r) * p;
    double s1l, s2l;
    double s1 = _tarsel_fast_two_sum_d(r, -0.5 * q1, &s1l);
    double s2 = _tarsel_two_sum_d(a, s1, &s2l);
    double small = ((kd * ln2[1] + kd * ln2[2]) + t[2]) + (cubic - 0.5 * q2);
    double l = s2l + (s1l + small);
    return _tarsel_fast_two_sum_d(s2, l, lo);
}

/* The same sum in triple precision.  log(1 + r) is the series to r^16 (its
   remainder is below 2^-132 of the result), by Horner's rule: the terms from
   r^11 on move the result by less than 2^-80 of itself and are summed in
   doubles, the others in triples.  k ln2_1 and k ln2_2 are exact and the
   rounding of k ln2_3 is below 2^-128; with the triple operations the
   error stays below 2^-125. */
static inline _tarsel_triple _tarsel_log_accurate(int k, int i, double r)
{
    const double *t = _tarsel_seed_log_table[i];
    const double *ln2 = _tarsel_seed_ln2;
    double p = _tarsel_log1p_coef(16);
    for (int n = 15; n >= 11; n--)
        p = _tarsel_log1p_coef(n) + r * p;
    _tarsel_triple s = _tarsel_triple_of(p);
    for (int n = 10; n >= 1; n--) {
        _tarsel_triple c = _tarsel_triple_from(_tarsel_seed_inverse[n - 1]);
        s = _tarsel_triple_add((n & 1) ? c : _tarsel_triple_neg(c), _tarsel_triple_mul_d(s, r));
    }
    s = _tarsel_triple_mul_d(s, r);
    double kd = (double)k;
    _tarsel_triple k_ln2 = _tarsel_triple_renorm(kd * ln2[0], kd * ln2[1], kd * ln2[2]);
    _tarsel_triple ti = _tarsel_triple_renorm(t[1], t[2], t[3]);
    return _tarsel_triple_add(_tarsel_triple_add(k_ln2, ti), s);
}

/* The results the logarithms share for NaN, negative, zero, infinite and
   unit arguments; 1 when x is one of those. */
static inline int _tarsel_log_special(double x, double *result)
{
    if (x != x) {
        *result = x + x;
        return 1;
    }
    if (x < 0.0) {
        *result = (x - x) / 0.0; /* NaN, also for -inf */
        return 1;
    }
    if (x == 0.0) {
        *result = -INFINITY;
        return 1;
    }
    if (x > DBL_MAX) {
        *result = x;
        return 1;
    }
    if (x == 1.0) {
        *result = 0.0;
        return 1;
    }
    return 0;
}

/* x positive, finite and not 1: k, i and r of the reduction, a subnormal x
   brought to the normal range first. */
static inline double _tarsel_log_reduce_any(double x, int *k, int *i)
{
    if (x < DBL_MIN) {
        double r = _tarsel_log_reduce(x * 0x1p54, k, i);
        *k -= 54;
        return r;
    }
    return _tarsel_log_reduce(x, k, i);
}

/* The natural logarithm of x rounded to the nearest double. */
static inline double _tarsel_log_cr(double x)
{
    double special;
    if (_tarsel_log_special(x, &special))
        return special;
    int k, i;
    double r = _tarsel_log_reduce_any(x, &k, &i);
    double lo;
    double hi = _tarsel_log_fast(k, i, r, &lo);
    if (_tarsel_seed_rounds_to(hi, lo, fabs(hi) * _tarsel_seed_fast_error))
        return hi;
    return _tarsel_triple_to_double(_tarsel_log_accurate(k, i, r));
}

/* The base-10 logarithm of x rounded to the nearest double: the natural
   logarithm times 1/ln 10, in double-double (adding below 2^-100 to the
   fast error) and then in triple precision.  Exact powers of ten give their
   exponent exactly: the fast value is within 2^-67.7 of an integer, far from
   any midpoint. */
static inline double _tarsel_log10_cr(double x)
{
    double special;
    if (_tarsel_log_special(x, &special))
        return special;
    int k, i;
    double r = _tarsel_log_reduce_any(x, &k, &i);
    const double *inv_ln10 = _tarsel_seed_inv_ln10;
    double yl;
    double yh = _tarsel_log_fast(k, i, r, &yl);
    double pl;
    double ph = _tarsel_two_prod_d(yh, inv_ln10[0], &pl);
    pl = pl + (yh * inv_ln10[1] + yl * inv_ln10[0]);
    double lo;
    double hi = _tarsel_fast_two_sum_d(ph, pl, &lo);
    if (_tarsel_seed_rounds_to(hi, lo, fabs(hi) * _tarsel_seed_fast_error))
        return hi;
    _tarsel_triple y = _tarsel_log_accurate(k, i, r);
    return _tarsel_triple_to_double(_tarsel_triple_mul(y, _tarsel_triple_from(inv_ln10)));
}

/* --- arctangent --- */

/* (-1)^j/(2j+1), the coefficient of t^(2j+1) in atan t, as a double. */
static inline double _tarsel_atan_coef(int j)
{
    double c = _tarsel_seed_inverse[2 * j][0];
    return (j & 1) ? -c : c;
}

/* atan a for 2^-27 <= a <= 2^54 as a double-double hi + *lo.
 *
 * Above 1, atan a = pi/2 - atan z with z = 1/a, formed as a double-double
 * to 2^-104; otherwise z = a.  With b = i/128 the breakpoint nearest z,
 * atan z = atan b + atan t, t = (z - b)/(1 + z b), |t| <= 2^-8 (1 + 2^-45):
 * z_hi - b is exact (Sterbenz's lemma, or b = 0), and the quotient is a
 * double-double to 2^-100.  atan t = t - t^3/3 + ... + t^9/9 stops with an
 * error below t^11/11.  Its cubic part is formed from t_hi in plain doubles,
 * with a relative error below 5.1u and one more rounding where it joins the
 * low part, at most 2.05u |t|^3 in all; t_lo enters it to first order as
 * -t^2 t_lo.  Near 0 (i = 0, atan z = atan t) that is 2^-67.9 of the
 * result, elsewhere the result is at least 2^-8 and the same 2.05u 2^-24
 * gives 2^-67.9 too; above 1 the result exceeds pi/4.  Everything else is
 * below 2^-100 of the result. */
static inline double _tarsel_atan_fast(double a, double *lo)
{
    int inverted = a > 1.0;
    double rh = 1.0 / a;
    double pe;
    double p = _tarsel_two_prod_d(rh, a, &pe);
    double rl = ((1.0 - p) - pe) / a;
    double zh = inverted ? rh : a;
    double zl = inverted ? rl : 0.0;

    int i = (int)(zh * 128.0 + 0.5);
    double b = (double)i * 0x1p-7;
    double nl, dl, bl;
    double nh = _tarsel_two_sum_d(zh - b, zl, &nl);
    double bh = _tarsel_two_prod_d(zh, b, &bl);
    double dh = _tarsel_two_sum_d(1.0, bh, &dl);
    dl = dl + (bl + zl * b);
    dh = _tarsel_fast_two_sum_d(dh, dl, &dl);
    double th = nh / dh;
    double ql;
    double qh = _tarsel_two_prod_d(th, dh, &ql);
    double tl = (((nh - qh) - ql) + (nl - th * dl)) / dh;

    double t2 = th * th;
    double q = _tarsel_atan_coef(4);
    for (int j = 3; j >= 1; j--)
        q = _tarsel_atan_coef(j) + t2 * q;
    double cubic = (th * t2) * q - t2 * tl;
    double wl, sl, yl, fl;
    double wh = _tarsel_fast_two_sum_d(th, tl + cubic, &wl);
    const double *ab = _tarsel_seed_atan_table[i];
    double sh = _tarsel_two_sum_d(ab[0], wh, &sl);
    sl = sl + (ab[1] + wl);
    double yh = _tarsel_fast_two_sum_d(sh, sl, &yl);

    const double *half_pi = _tarsel_seed_half_pi;
    double base_hi = inverted ? half_pi[0] : 0.0;
    double base_lo = inverted ? half_pi[1] : 0.0;
    double sign = inverted ? -1.0 : 1.0;
    double fh = _tarsel_two_sum_d(base_hi, sign * yh, &fl);
    fl = fl + (base_lo + sign * yl);
    return _tarsel_fast_two_sum_d(fh, fl, lo);
}

/* The same steps in triple precision, for 2^-27 <= a <= 2^54.  atan t is
   the series to t^15 (remainder below 2^-132 of it) by Horner's rule in
   t^2: from t^11 on the terms move the result by less than 2^-80 of itself
   and are summed in doubles, the others in triples.  The error stays below
   2^-125. */
static inline _tarsel_triple _tarsel_atan_accurate(double a)
{
    int inverted = a > 1.0;
    _tarsel_triple z = _tarsel_triple_of(a);
    if (inverted)
        z = _tarsel_triple_div(_tarsel_triple_of(1.0), z);
    int i = (int)(z.h * 128.0 + 0.5);
    double b = (double)i * 0x1p-7;
    _tarsel_triple num = _tarsel_triple_renorm(z.h - b, z.m, z.l);
    _tarsel_triple den = _tarsel_triple_add(_tarsel_triple_of(1.0), _tarsel_triple_mul_d(z, b));
    _tarsel_triple t = _tarsel_triple_div(num, den);
    _tarsel_triple t2 = _tarsel_triple_mul(t, t);

    double q = _tarsel_atan_coef(7);
    for (int j = 6; j >= 5; j--)
        q = _tarsel_atan_coef(j) + t2.h * q;
    _tarsel_triple s = _tarsel_triple_of(q);
    for (int j = 4; j >= 0; j--) {
        _tarsel_triple c = _tarsel_triple_from(_tarsel_seed_inverse[2 * j]);
        s = _tarsel_triple_add((j & 1) ? _tarsel_triple_neg(c) : c, _tarsel_triple_mul(t2, s));
    }
    _tarsel_triple y = _tarsel_triple_add(_tarsel_triple_from(_tarsel_seed_atan_table[i]), _tarsel_triple_mul(t, s));
    if (inverted)
        y = _tarsel_triple_add(_tarsel_triple_from(_tarsel_seed_half_pi), _tarsel_triple_neg(y));
    return y;
}

/* The arctangent of x rounded to the nearest double.  Below 2^-27 in
   magnitude atan x = x - x^3/3 + ... lies within a quarter ulp of x, which
   is then the nearest double; above 2^54 pi/2 - atan|x| < 2^-54 leaves the
   double nearest pi/2 (which lies 0.28 ulp below pi/2) nearest. */
static inline double _tarsel_atan_cr(double x)
{
    double a = fabs(x);
    if (x != x)
        return x + x;
    if (a < 0x1p-27)
        return x;
    if (a > 0x1p54)
        return copysign(_tarsel_seed_half_pi[0], x);
    double lo;
    double hi = _tarsel_atan_fast(a, &lo);
    if (!_tarsel_seed_rounds_to(hi, lo, hi * _tarsel_seed_fast_error))
        hi = _tarsel_triple_to_double(_tarsel_atan_accurate(a));
    return copysign(hi, x);
}

#endif /* TARSEL_SEEDS_H */
