/* tarsel_triple.h -- error-free transformations of doubles and a small
 * triple-double arithmetic, the tools of the correctly rounded seeds.
 *
 * A triple {h, m, l} stands for the exact sum h + m + l.  The operations
 * return renormalised triples, in which each part is roughly below the last
 * bit of the one before it, and keep the sum to about 2^-150 relative: every
 * product or sum of the parts that is not formed exactly is below 2^-150 of
 * the result.  Only IEEE basic operations on doubles are used, so the bits
 * are the same wherever binary64 arithmetic is evaluated as written.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_TRIPLE_H
#define TARSEL_TRIPLE_H

#include <stdint.h>
#include <string.h>

#include "tarsel/tarsel.h"

/* --- error-free transformations of doubles --- */

/* s + *e = a + b exactly, s = RN(a + b) (Knuth's two-sum; any a, b). */
static inline double _tarsel_two_sum_d(double a, double b, double *e)
{
    double s = a + b;
    double v = s - a;
    *e = (a - (s - v)) + (b - v);
    return s;
}

/* The same, valid when |a| >= |b| or a is zero (Dekker's fast two-sum). */
static inline double _tarsel_fast_two_sum_d(double a, double b, double *e)
{
    double s = a + b;
    *e = b - (s - a);
    return s;
}

/* p + *e = a b exactly, p = RN(a b), while the product stays far from
   overflow and its error from the subnormal range. */
static inline double _tarsel_two_prod_d(double a, double b, double *e)
{
    double p = a * b;
    *e = _tarsel_dekker_err(a, b, p);
    return p;
}

/* --- triple-double values --- */

typedef struct {
    double h, m, l;
} _tarsel_triple;

static inline _tarsel_triple _tarsel_triple_of(double h)
{
    _tarsel_triple t = {h, 0.0, 0.0};
    return t;
}

static inline _tarsel_triple _tarsel_triple_from(const double *parts)
{
    _tarsel_triple t = {parts[0], parts[1], parts[2]};
    return t;
}

/* a + b + c as a renormalised triple.  Every step is an exact two-sum, so
   the sum is kept exactly whatever the order of the magnitudes. */
static inline _tarsel_triple _tarsel_triple_renorm(double a, double b, double c)
{
    double e1, e2, e3, e4;
    double s = _tarsel_two_sum_d(b, c, &e1);
    double h = _tarsel_two_sum_d(a, s, &e2);
    double m = _tarsel_two_sum_d(e2, e1, &e3);
    h = _tarsel_two_sum_d(h, m, &e4);
    m = _tarsel_two_sum_d(e4, e3, &e1);
    _tarsel_triple t = {h, m, e1};
    return t;
}

static inline _tarsel_triple _tarsel_triple_neg(_tarsel_triple a)
{
    _tarsel_triple t = {-a.h, -a.m, -a.l};
    return t;
}

/* The low parts are added in plain doubles: their rounding is below 2^-150
   of the larger operand. */
static inline _tarsel_triple _tarsel_triple_add(_tarsel_triple a, _tarsel_triple b)
{
    double e, f, g;
    double s = _tarsel_two_sum_d(a.h, b.h, &e);
    double t = _tarsel_two_sum_d(a.m, b.m, &f);
    double u = _tarsel_two_sum_d(e, t, &g);
    double low = g + (f + (a.l + b.l));
    return _tarsel_triple_renorm(s, u, low);
}

/* The products of the parts down to the order of h * l are kept; m * l and
   l * l are below 2^-150 of the product and left out. */
static inline _tarsel_triple _tarsel_triple_mul(_tarsel_triple a, _tarsel_triple b)
{
    double e, f1, f2, g1, g2;
    double p = _tarsel_two_prod_d(a.h, b.h, &e);
    double q1 = _tarsel_two_prod_d(a.h, b.m, &f1);
    double q2 = _tarsel_two_prod_d(a.m, b.h, &f2);
    double q = _tarsel_two_sum_d(q1, q2, &g1);
    double mid = _tarsel_two_sum_d(e, q, &g2);
    double low = ((a.h * b.l + a.l * b.h) + a.m * b.m) + ((f1 + f2) + (g1 + g2));
    return _tarsel_triple_renorm(p, mid, low);
}

static inline _tarsel_triple _tarsel_triple_mul_d(_tarsel_triple a, double d)
{
    double e, f, g;
    double p = _tarsel_two_prod_d(a.h, d, &e);
    double q = _tarsel_two_prod_d(a.m, d, &f);
    double mid = _tarsel_two_sum_d(e, q, &g);
    double low = a.l * d + (f + g);
    return _tarsel_triple_renorm(p, mid, low);
}

/* Three quotient digits, each from the remainder left by the ones before;
   the remainders are formed in triple precision, so the quotient keeps
   about 2^-150 relative.  b must not be zero. */
static inline _tarsel_triple _tarsel_triple_div(_tarsel_triple a, _tarsel_triple b)
{
    double q1 = a.h / b.h;
    _tarsel_triple rem = _tarsel_triple_add(a, _tarsel_triple_neg(_tarsel_triple_mul_d(b, q1)));
    double q2 = rem.h / b.h;
    rem = _tarsel_triple_add(rem, _tarsel_triple_neg(_tarsel_triple_mul_d(b, q2)));
    double q3 = rem.h / b.h;
    return _tarsel_triple_renorm(q1, q2, q3);
}

/* --- rounding a triple to a double --- */

/* The double nearest to h + m + l, exactly, ties to even.  With y1 + e =
   h + m from a two-sum, e + l is rounded to odd (its last bit set when the
   rounding was inexact): a value rounded to odd on a grid at least two bits
   finer than the result's is rounded to nearest correctly by one more
   rounding, and e's grid is 52 bits finer than y1's. */
static inline double _tarsel_triple_to_double(_tarsel_triple y)
{
    double e, rest;
    double y1 = _tarsel_two_sum_d(y.h, y.m, &e);
    double e_odd = _tarsel_two_sum_d(e, y.l, &rest);
    if (rest != 0.0) {
        uint64_t u;
        memcpy(&u, &e_odd, sizeof u);
        if ((u & 1) == 0) {
            /* Step one unit toward the exact sum: up in magnitude when rest
               has the sign of e_odd, down otherwise. */
            u = ((rest > 0.0) == (e_odd > 0.0)) ? u + 1 : u - 1;
            memcpy(&e_odd, &u, sizeof e_odd);
        }
    }
    return y1 + e_odd;
}

#endif /* TARSEL_TRIPLE_H */
