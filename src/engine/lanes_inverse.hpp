// lanes_inverse.hpp -- the inverse circular functions over several
// rows at once: atan, and asin, acos and atan2, which the scalar functions
// build on it.  The conventions of lanes.hpp hold: each kernel
// mirrors its scalar function, and a lane whose scalar function would take
// another branch is set in `to_scalar`.
#ifndef TARSEL_LANES_INVERSE_HPP
#define TARSEL_LANES_INVERSE_HPP

#include "src/engine/lanes.hpp"

namespace tarsel_lanes {
namespace {

// The double seed of the arctangent (the library's correctly rounded atan),
// lane by lane, as the seed of the logarithm.
template <class V>
inline V atan_seed(V hi)
{
    return each_lane(hi, [](double v) { return _tarsel_atan_seed(v); });
}

// _tarsel_atan_near_zero: one Newton step y + cos y (x cos y - sin y) from
// the seed.  The seed is at most pi/2 in magnitude, so its reduction and
// series run on bounded values.
template <class V>
inline dd<V> atan_near_zero(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> y = from_double(atan_seed(x.hi));
    dd<V> sy, cy;
    sincos_lanes(y, sy, cy, to_scalar);
    dd<V> term = sub_kernel(mul_kernel(x, cy, to_scalar), sy, to_scalar);
    return add_kernel(y, mul_kernel(term, cy, to_scalar), to_scalar);
}

// tarsel_atan: above 1 in magnitude pi/2 - atan(1/|x|) with the sign of x.
// The lanes that keep x divide 1 by 1, so that the quotient they discard
// sets no lane.
template <class V>
inline dd<V> atan_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(x.hi); /* tarsel_atan: NaN and infinite high parts */
    dd<V> one = broadcast<V>(1.0, 0.0);
    mask_t<V> is_inverted = lane_fabs(x.hi) > 1.0;
    mask_t<V> sign = (x.hi < 0.0) & INT64_MIN;
    dd<V> inv_x = div_kernel(one, select(is_inverted, flip_sign(x, sign), one), to_scalar);
    dd<V> atan_z = atan_near_zero(select(is_inverted, inv_x, x), to_scalar);
    dd<V> res = sub_kernel(from_raw<V>(_tarsel_pi_over_2_raw), atan_z, to_scalar);
    return select(is_inverted, flip_sign(res, sign), atan_z);
}

// sqrt(1 - x^2), the leg that tarsel_asin and tarsel_acos share.
template <class V>
inline dd<V> unit_leg(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> one = broadcast<V>(1.0, 0.0);
    return sqrt_kernel(sub_kernel(one, mul_kernel(x, x, to_scalar), to_scalar), to_scalar);
}

// tarsel_asin = atan(x / sqrt(1 - x^2)) inside the open interval (-1, 1).
template <class V>
inline dd<V> asin_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_asin: outside [-1, 1], NaN, and high parts of +-1 */
    to_scalar |= ~(lane_fabs(x.hi) < 1.0);
    dd<V> denom = unit_leg(x, to_scalar);
    return atan_kernel(div_kernel(x, denom, to_scalar), to_scalar);
}

// tarsel_acos = atan(sqrt(1 - x^2) / x) for positive x, and pi minus that of
// -x for negative x, inside (-1, 1) and away from a zero high part.
template <class V>
inline dd<V> acos_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_acos: outside [-1, 1], NaN, high parts of +-1, and the zero
       high parts, whose low part picks the branch */
    to_scalar |= ~((lane_fabs(x.hi) < 1.0) & (x.hi != 0.0));
    dd<V> num = unit_leg(x, to_scalar);
    mask_t<V> is_positive = x.hi > 0.0;
    dd<V> abs_x = flip_sign(x, ~is_positive & INT64_MIN);
    dd<V> a = atan_kernel(div_kernel(num, abs_x, to_scalar), to_scalar);
    return select(is_positive, a, sub_kernel(from_raw<V>(_tarsel_pi_raw), a, to_scalar));
}

// tarsel_atan2(y, x) = atan(y / x), moved by pi towards the sign of y where
// x is negative.
template <class V>
inline dd<V> atan2_kernel(dd<V> y, dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_atan2: NaN high parts, and a zero high part of x (both zero,
       or the signed half of pi) */
    to_scalar |= ~((y.hi == y.hi) & (x.hi == x.hi) & (x.hi != 0.0));
    dd<V> q = atan_kernel(div_kernel(y, x, to_scalar), to_scalar);
    dd<V> pi = from_raw<V>(_tarsel_pi_raw);
    mask_t<V> is_below = y.hi < 0.0;
    dd<V> moved = select(is_below, sub_kernel(q, pi, to_scalar), add_kernel(q, pi, to_scalar));
    return select(x.hi > 0.0, q, moved);
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANES_INVERSE_HPP
