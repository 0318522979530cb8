// lanes_rounding.hpp -- floor, ceil, trunc, round and fmod over
// several rows at once, with the conventions of lanes.hpp.  The
// scalar functions branch on the data (is the high part integral, which
// sign does it have); here every lane computes each candidate and keeps
// the one its scalar function would pick, with the same operations.
#ifndef TARSEL_LANES_ROUNDING_HPP
#define TARSEL_LANES_ROUNDING_HPP

#include "src/engine/lanes.hpp"
#include "src/engine/lanes_libm.hpp"
#include "tarsel/tarsel_parts.h"

namespace tarsel_lanes {
namespace {

/* --- directed roundings of one double --- */

// _tarsel_trunc_d: below 2^52, (a + 2^52) - 2^52 rounds |x| to an integer,
// one less where that went up; NaN, infinities and magnitudes from 2^52 on
// come back unchanged; the result takes the sign of x.
template <class V>
inline V trunc_d(V x)
{
    V a = lane_fabs(x);
    V t = (a + TARSEL_INTEGRAL_FROM) - TARSEL_INTEGRAL_FROM;
    t = select(t > a, t - 1.0, t);
    V signed_t = (V)(((mask_t<V>)t & INT64_MAX) | ((mask_t<V>)x & INT64_MIN));
    return select(a < TARSEL_INTEGRAL_FROM, signed_t, x);
}

template <class V>
inline V floor_d(V x)
{
    V t = trunc_d(x);
    return select(t > x, t - 1.0, t);
}

template <class V>
inline V ceil_d(V x)
{
    V t = trunc_d(x);
    return select(t < x, t + 1.0, t);
}

/* --- the functions --- */

// tarsel_floor: the low part is rounded only where the high part is
// integral, else it is +0.0.
template <class V>
inline dd<V> floor_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(x.hi); /* tarsel_floor: an infinite high part (and NaN) */
    V fhi = floor_d(x.hi);
    V flo = select(fhi == x.hi, floor_d(x.lo), V{});
    return fast_two_sum(fhi, flo);
}

template <class V>
inline dd<V> ceil_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(x.hi); /* tarsel_ceil: an infinite high part (and NaN) */
    V chi = ceil_d(x.hi);
    V clo = select(chi == x.hi, ceil_d(x.lo), V{});
    return fast_two_sum(chi, clo);
}

// tarsel_trunc: the low part of an integral high part is rounded down under
// a positive high part, up under a negative one, towards zero under zero.
template <class V>
inline dd<V> trunc_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(x.hi); /* tarsel_trunc: an infinite high part (and NaN) */
    V thi = trunc_d(x.hi);
    V towards_zero = select(x.hi > 0.0, floor_d(x.lo), select(x.hi < 0.0, ceil_d(x.lo), trunc_d(x.lo)));
    V tlo = select(thi == x.hi, towards_zero, V{});
    return fast_two_sum(thi, tlo);
}

// tarsel_round: ceil(x - 1/2) below zero (a zero high part with a negative
// low part included), floor(x + 1/2) elsewhere.
template <class V>
inline dd<V> round_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> half = broadcast<V>(0.5, 0.0);
    mask_t<V> is_below = (x.hi < 0.0) | ((x.hi == 0.0) & (x.lo < 0.0));
    dd<V> down = ceil_kernel(sub_kernel(x, half, to_scalar), to_scalar);
    dd<V> up = floor_kernel(add_kernel(x, half, to_scalar), to_scalar);
    return select(is_below, down, up);
}

// tarsel_fmod = a - trunc(a / b) b.
template <class V>
inline dd<V> fmod_kernel(dd<V> a, dd<V> b, mask_t<V> &to_scalar)
{
    dd<V> quotient = div_kernel(a, b, to_scalar);
    dd<V> t = trunc_kernel(quotient, to_scalar);
    return sub_kernel(a, mul_kernel(t, b, to_scalar), to_scalar);
}


/* --- the grid of 106 bits --- */

// tarsel_nextafter for finite x and y whose exact sums are not equal, x's
// not zero and normal, and a step 2^(E-105) of x's binade E that is a normal
// double: the binade from the exponent bits (frexp), one lower for a power
// of two whose low part has the other sign, or for a move towards zero from
// an exact power of two; then the grid point beyond the low part and the
// renormalising sum.  Equal values give y, as the scalar function does.
template <class V>
inline dd<V> nextafter_kernel(dd<V> x, dd<V> y, mask_t<V> &to_scalar)
{
    V s = x.hi + x.lo; /* _tarsel_exact_sum */
    V v = s - x.hi;
    V e = (x.hi - (s - v)) + (x.lo - v);
    V ys = y.hi + y.lo;
    V yv = ys - y.hi;
    V ye = (y.hi - (ys - yv)) + (y.lo - yv);
    /* tarsel_nextafter: NaN and infinite x, NaN y, and a zero x */
    to_scalar |= ~(is_finite(x.hi) & is_finite(s)) | (y.hi != y.hi) | (ys != ys) | (s == 0.0);
    mask_t<V> y_infinite = ~is_finite(ys);
    mask_t<V> equal = ~y_infinite & (s == ys) & (e == ye);
    mask_t<V> up = select(y_infinite, ys > 0.0, select(s != ys, s < ys, e < ye));

    bits_t<V> u = (bits_t<V>)s;
    mask_t<V> biased = (mask_t<V>)((u >> 52) & 0x7FF);
    mask_t<V> is_power = (mask_t<V>)(u & 0x000FFFFFFFFFFFFFULL) == 0;
    to_scalar |= ~equal & (biased == 0); /* a subnormal s: frexp's own scaling */
    mask_t<V> binade = biased - 1023;
    binade = binade + (is_power & (e != 0.0) & ((e < 0.0) != (s < 0.0)));
    mask_t<V> towards_zero = up != (s > 0.0);
    binade = binade + (towards_zero & (e == 0.0) & is_power);
    /* _tarsel_grid_step as a normal power of two */
    to_scalar |= ~equal & ~(binade - 105 >= -1022);
    V q = power_of_two<V>(binade - 105);
    /* _tarsel_grid_floor(e, q) + q, or _tarsel_grid_ceil(e, q) - q */
    V te = select(up, e, -e);
    V fl = select(lane_fabs(te) < q, select(te < 0.0, -q, V{}), floor_d(te / q) * q);
    V moved = select(up, fl + q, -fl - q);
    dd<V> r = fast_two_sum(s, moved);
    to_scalar |= ~equal & (~is_finite(r.hi) | (r.hi == 0.0));
    return select(equal, y, r);
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANES_ROUNDING_HPP
