/* tarsel_integer.h -- the integers next to the exact sum hi + lo of a pair.
 *
 * For any pair, normalised or not (the 16-byte record keeps a pair as it is),
 * these give the integer below (floor), above (ceil), towards zero (trunc)
 * and nearest, ties to even (round_even), of the exact real number hi + lo.
 * Such an integer can lie beyond every double, so it is returned as a pair of
 * integral doubles that is not renormalised and whose exact sum is the
 * integer: a caller that needs it as one number of unlimited size adds the
 * two parts in integer arithmetic.
 *
 * A pair whose sum is NaN (a NaN part, or infinities of opposite signs) gives
 * the library's NaN; an infinite sum gives that infinity with lo = +0.0.
 * Valid C11 and C++17.
 */
#ifndef TARSEL_INTEGER_H
#define TARSEL_INTEGER_H

#include "tarsel/tarsel_math.h"

/* --- helpers --- */

/* For finite x only: a NaN is not integral and an infinity is. */
static inline int _tarsel_is_integral(double x)
{
    return _tarsel_trunc_d(x) == x;
}

/* For integral x: every double from 2^53 up is even, and below that x / 2
   is exact. */
static inline int _tarsel_is_even(double x)
{
    return _tarsel_is_integral(x * 0.5);
}

/* s + e == a + b exactly, s the rounded sum (two-sum without an ordering
   of a and b); valid while a + b does not overflow. */
static inline void _tarsel_exact_sum(double a, double b, double *s, double *e)
{
    double sum = a + b;
    double v = sum - a;
    *e = (a - (sum - v)) + (b - v);
    *s = sum;
}

/* 1 with the result in *known when it needs no rounding: a sum that is NaN
   or infinite, or two integral parts, which are their own integer.
   Otherwise 0, with the pair renormalised exactly into (*s, *e), so that
   |e| <= ulp(s) / 2.  One part is then below 2^52 in magnitude, which keeps
   the two-sum clear of overflow. */
static inline int _tarsel_integer_prologue(tarsel x, tarsel *known, double *s, double *e)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double sum = hi + lo; /* NaN exactly when the exact sum is NaN */
    if (sum != sum) {
        *known = _tarsel_nan();
        return 1;
    }
    if (_tarsel_is_inf(hi) || _tarsel_is_inf(lo)) {
        *known = tarsel_from_double(sum);
        return 1;
    }
    if (_tarsel_is_integral(hi) && _tarsel_is_integral(lo)) {
        *known = x;
        return 1;
    }
    _tarsel_exact_sum(hi, lo, s, e);
    return 0;
}

/* The floor of a renormalised pair.  A non-integral s lies at least one ulp
   of s from every integer (integers are multiples of that ulp, which is at
   most 1/2 below 2^52), and |e| is at most half an ulp: s + e has the floor
   of s. */
static inline tarsel _tarsel_floor_renormalised(double s, double e)
{
    if (!_tarsel_is_integral(s))
        return tarsel_from_double(_tarsel_floor_d(s));
    return tarsel_from_hi_lo(s, _tarsel_floor_d(e));
}

/* Ties to even for an integer part n and a fraction measured against the
   half-integer mid = n + 1/2: above is 1, below is -1, equal is 0.  The
   increment is 0 or 1. */
static inline double _tarsel_half_even_increment(int side, int n_is_even)
{
    if (side > 0)
        return 1.0;
    if (side < 0)
        return 0.0;
    return n_is_even ? 0.0 : 1.0;
}

/* --- the four integers --- */

static inline tarsel tarsel_integer_floor(tarsel x)
{
    tarsel known;
    double s, e;
    if (_tarsel_integer_prologue(x, &known, &s, &e))
        return known;
    return _tarsel_floor_renormalised(s, e);
}

/* ceil(x) = -floor(-x); negation is exact. */
static inline tarsel tarsel_integer_ceil(tarsel x)
{
    return tarsel_neg(tarsel_integer_floor(tarsel_neg(x)));
}

/* The renormalised s carries the sign of the exact sum. */
static inline tarsel tarsel_integer_trunc(tarsel x)
{
    tarsel known;
    double s, e;
    if (_tarsel_integer_prologue(x, &known, &s, &e))
        return known;
    if (s < 0.0)
        return tarsel_neg(_tarsel_floor_renormalised(-s, -e));
    return _tarsel_floor_renormalised(s, e);
}

/* Nearest integer, a half-integer going to the even neighbour.  Each
   comparison is with a half-integer mid = f + 1/2, exact because the number
   rounded is below 2^52 in magnitude. */
static inline tarsel tarsel_integer_round_even(tarsel x)
{
    tarsel known;
    double s, e;
    if (_tarsel_integer_prologue(x, &known, &s, &e))
        return known;
    if (!_tarsel_is_integral(s)) {
        /* s and mid are multiples of ulp(s) and |e| <= ulp(s) / 2: unless
           s == mid, s + e lies on the side of mid that s does. */
        double f = _tarsel_floor_d(s);
        double mid = f + 0.5;
        int side = s > mid ? 1 : s < mid ? -1 : (e > 0.0) - (e < 0.0);
        return tarsel_from_double(f + _tarsel_half_even_increment(side, _tarsel_is_even(f)));
    }
    /* s is an integer: round e, and break a tie by the parity of s + f. */
    if (_tarsel_is_integral(e))
        return tarsel_from_hi_lo(s, e);
    double f = _tarsel_floor_d(e);
    double mid = f + 0.5;
    int side = (e > mid) - (e < mid);
    int sum_is_even = _tarsel_is_even(s) == _tarsel_is_even(f);
    return tarsel_from_hi_lo(s, f + _tarsel_half_even_increment(side, sum_is_even));
}

#endif /* TARSEL_INTEGER_H */
