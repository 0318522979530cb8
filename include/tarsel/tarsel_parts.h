/* tarsel_parts.h -- taking a double-double apart: scaling by a power of two
 * (ldexp), significand and exponent (frexp), integral and fractional parts
 * (modf), and the neighbours on the 106-bit grid (spacing, nextafter).
 *
 * Every function here is exact: each result is the exact value it names,
 * formed by scalings by powers of two, error-free two-sums and directed
 * roundings of single doubles.  The value of a pair is the exact sum hi + lo;
 * frexp, modf, spacing and nextafter first put it into the renormalised form
 * (s, e) of an exact two-sum, so that a pair whose high part alone lies in
 * another binade (a power of two with a low part of the other sign) is taken
 * by its value, and they take NaN and the infinities from s: a NaN high part
 * comes back as it is, and a pair that is no finite number (a finite high
 * part beside a NaN or infinite low part, or a sum past the largest double)
 * counts as the library's NaN or as the infinity of its sum.  ldexp judges
 * by the high part alone.
 *
 * The grid: a value v in the binade 2^E <= |v| < 2^(E+1) has 106 significant
 * bits, so its neighbours lie 2^(E-105) away, never less than the smallest
 * subnormal double 2^-1074.  Low parts with bits below that step (the
 * format allows them) are off the grid; nextafter then goes to the nearest
 * grid point on its way.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_PARTS_H
#define TARSEL_PARTS_H

#include <float.h>
#include <math.h>

#include "tarsel/tarsel.h"
#include "tarsel/tarsel_integer.h"

/* --- helpers --- */

/* The exponent of the smallest subnormal double 2^-1074, the finest step of the grid. */
#define TARSEL_GRID_FLOOR_EXPONENT (-1074)

/* E with 2^E <= |s + e| < 2^(E+1), for a renormalised nonzero finite pair
   (the output of _tarsel_exact_sum).  Only a power of two s can have its
   value in the binade below: when e has the other sign. */
static inline int _tarsel_binade(double s, double e)
{
    int k;
    double m = frexp(s, &k); /* |m| in [0.5, 1): 2^(k-1) <= |s| < 2^k */
    if (fabs(m) == 0.5 && e != 0.0 && (e < 0.0) != (s < 0.0))
        k -= 1;
    return k - 1;
}

/* 2^g, or 2^-1074 for g below it: the step of the grid whose binade is g + 105. */
static inline double _tarsel_grid_step(int g)
{
    return ldexp(1.0, g < TARSEL_GRID_FLOOR_EXPONENT ? TARSEL_GRID_FLOOR_EXPONENT : g);
}

/* The largest multiple of the power of two q at or below e, exact: |e| < q
   settles it by the sign of e, which also keeps e / q clear of the
   subnormals; otherwise e / q is exact and at most 2^53 in magnitude. */
static inline double _tarsel_grid_floor(double e, double q)
{
    if (fabs(e) < q)
        return e < 0.0 ? -q : 0.0;
    return _tarsel_floor_d(e / q) * q;
}

/* The smallest multiple of q at or above e, exact (as above). */
static inline double _tarsel_grid_ceil(double e, double q)
{
    return -_tarsel_grid_floor(-e, q);
}

/* --- scaling by a power of two --- */

/* x 2^n with both parts scaled: exact unless the result overflows (then
   +-inf, lo = +0.0) or a part falls among the subnormals (each part is then
   rounded once, and the pair renormalised).  Any int n: C's ldexp saturates.
   A zero, infinite or NaN high part returns x unchanged. */
static inline tarsel tarsel_ldexp(tarsel x, int n)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi == 0.0 || !(fabs(hi) <= DBL_MAX))
        return x;
    double shi = ldexp(hi, n);
    double slo = ldexp(lo, n);
    /* Zero and infinity: an underflow keeps the sign of x, and an overflow
       would give inf - inf in the two-sum. */
    if (shi == 0.0 || _tarsel_is_inf(shi))
        return tarsel_from_double(shi);
    return _tarsel_fast_two_sum(shi, slo);
}

/* --- significand and exponent --- */

/* m with x = m 2^*e and 0.5 <= |m| < 1 for the exact value of m, which may be
   (1.0, a negative low part): exact unless the low part of m falls below
   2^-1022 (a low part more than 2^1000 times smaller than the high part of
   a large x).  +-0 gives x with *e = 0; +-inf and NaN give x with *e = 0. */
static inline tarsel tarsel_frexp(tarsel x, int *e)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    *e = 0;
    double s, t;
    _tarsel_exact_sum(hi, lo, &s, &t);
    if (s != s)
        return hi != hi ? x : _tarsel_nan();
    if (_tarsel_is_inf(s))
        return tarsel_from_double(s);
    if (s == 0.0)
        return x;
    int k = _tarsel_binade(s, t) + 1;
    *e = k;
    return tarsel_from_hi_lo(ldexp(s, -k), ldexp(t, -k));
}

/* --- integral and fractional parts --- */

/* The fractional part x - trunc(x), with trunc(x) in *integral; both exact and
   renormalised, each with the sign of x (a zero included), as C's modf:
   (-3.5) gives (-0.5, -3), (-3) gives (-0, -3).  +-inf gives +-0 and +-inf;
   NaN gives x in both. */
static inline tarsel tarsel_modf(tarsel x, tarsel *integral)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double s, e;
    _tarsel_exact_sum(hi, lo, &s, &e);
    if (s != s) {
        *integral = hi != hi ? x : _tarsel_nan();
        return *integral;
    }
    tarsel zero = tarsel_from_double(copysign(0.0, _tarsel_is_inf(s) ? s : hi));
    if (_tarsel_is_inf(s)) {
        *integral = tarsel_from_double(s);
        return zero;
    }
    if (s == 0.0) {
        *integral = zero;
        return zero;
    }
    /* A non-integral s is at least one ulp of s from every integer and
       |e| <= ulp(s) / 2: the integer part is that of s.  An integral s
       takes the integer part of e in the direction that truncates s + e. */
    double th, tl;
    if (!_tarsel_is_integral(s)) {
        th = _tarsel_trunc_d(s);
        tl = 0.0;
        *integral = tarsel_from_double(th);
    } else {
        th = s;
        tl = s > 0.0 ? _tarsel_floor_d(e) : _tarsel_ceil_d(e);
        *integral = _tarsel_fast_two_sum(th, tl);
        if (_mm_cvtsd_f64(*integral) == 0.0)
            *integral = zero;
    }
    /* x - trunc(x) = ((s - th) - tl) + e: one of s - th and tl is zero and
       the other difference is exact, so the two-sum is the exact fraction. */
    double fh, fl;
    _tarsel_exact_sum((s - th) - tl, e, &fh, &fl);
    if (fh == 0.0)
        return zero;
    return tarsel_from_hi_lo(fh, fl);
}

/* --- neighbours on the 106-bit grid --- */

/* copysign(2^(E-105), x) for x in the binade 2^E <= |x| < 2^(E+1), never
   below 2^-1074 in magnitude: the step from x to the next grid point away
   from zero.  +-0 gives +-2^-1074; +-inf gives the library's NaN; NaN gives
   x.  Exact. */
static inline tarsel tarsel_spacing(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double s, e;
    _tarsel_exact_sum(hi, lo, &s, &e);
    if (hi != hi)
        return x;
    if (s != s || _tarsel_is_inf(s))
        return _tarsel_nan();
    if (s == 0.0)
        return tarsel_from_double(copysign(0x1p-1074, hi));
    return tarsel_from_double(copysign(_tarsel_grid_step(_tarsel_binade(s, e) - 105), s));
}

/* -1, 0 or +1 as the renormalised finite pair (s, e) is below, equal to or
   above the renormalised pair (ys, ye), a number or an infinity ys. */
static inline int _tarsel_parts_order(double s, double e, double ys, double ye)
{
    if (_tarsel_is_inf(ys))
        return ys > 0.0 ? -1 : 1;
    if (s != ys)
        return s < ys ? -1 : 1;
    if (e != ye)
        return e < ye ? -1 : 1;
    return 0;
}

/* The next grid point after x in the direction of y: x + spacing(x) moving
   away from zero, and from an exact power of two towards zero the step of
   the binade below, so that nextafter(nextafter(x, y), x) == x for every x
   on the grid whose neighbours stay finite and normal.  A low part off the
   grid goes to the nearest grid point towards y.  y when the values are
   equal (the sign of a zero y included); NaN (x's, else y's) for a NaN;
   +-2^-1074 towards y from a zero; +-DBL_MAX (lo = +0.0) from +-inf;
   +-inf (lo = +0.0) past the largest value; a zero result has the sign of x.
   Exact. */
static inline tarsel tarsel_nextafter(tarsel x, tarsel y)
{
    double xhi, xlo, yhi, ylo;
    tarsel_extract(x, &xhi, &xlo);
    tarsel_extract(y, &yhi, &ylo);
    double s, e, ys, ye;
    _tarsel_exact_sum(xhi, xlo, &s, &e);
    _tarsel_exact_sum(yhi, ylo, &ys, &ye);
    if (xhi != xhi)
        return x;
    if (yhi != yhi)
        return y;
    if (s != s || ys != ys)
        return _tarsel_nan();
    if (_tarsel_is_inf(s)) {
        if (_tarsel_is_inf(ys) && (ys > 0.0) == (s > 0.0))
            return y;
        return tarsel_from_double(copysign(DBL_MAX, s));
    }
    int order = _tarsel_parts_order(s, e, ys, ye);
    if (order == 0)
        return y;
    if (s == 0.0)
        return tarsel_from_double(order < 0 ? 0x1p-1074 : -0x1p-1074);
    /* The step: that of the binade of x, or of the binade below where x is
       a power of two and the move is towards zero. */
    int up = order < 0;
    int binade = _tarsel_binade(s, e);
    int towards_zero = up != (s > 0.0);
    if (towards_zero && e == 0.0 && fabs(s) == ldexp(1.0, binade))
        binade -= 1;
    double q = _tarsel_grid_step(binade - 105);
    /* The grid point beyond e, then the exact renormalising sum: |s| >= q
       and the new low part is an integer multiple of q below 2^54 q. */
    double moved = up ? _tarsel_grid_floor(e, q) + q : _tarsel_grid_ceil(e, q) - q;
    tarsel r = _tarsel_fast_two_sum(s, moved);
    double rhi = _mm_cvtsd_f64(r);
    if (_tarsel_is_inf(rhi))
        return tarsel_from_double(rhi);
    if (rhi == 0.0)
        return tarsel_from_double(copysign(0.0, s));
    return r;
}

#endif /* TARSEL_PARTS_H */
