// lanes_hyperbolic.hpp -- sinh, cosh and tanh over several rows at
// once, with the conventions of lanes.hpp.  Each lane runs the path
// its scalar function takes: the short series below 1e-4 or the one built
// on e^x.  A vector computes a path only when one of its lanes takes it.
#ifndef TARSEL_LANES_HYPERBOLIC_HPP
#define TARSEL_LANES_HYPERBOLIC_HPP

#include "src/engine/lanes.hpp"

namespace tarsel_lanes {
namespace {

// _tarsel_below_series_threshold.
template <class V>
inline mask_t<V> below_series_threshold(V hi)
{
    return lane_fabs(hi) < TARSEL_HYPERBOLIC_SERIES_BELOW;
}

// e^x and e^-x = 1 / e^x, as the three scalar functions form them.
template <class V>
struct exp_pair {
    dd<V> ex, emx;
};

template <class V>
inline exp_pair<V> exp_and_reciprocal(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> ex = exp_kernel(x, to_scalar);
    return {ex, div_kernel(broadcast<V>(1.0, 0.0), ex, to_scalar)};
}

// x^3 = x^2 x and x^5 = x^3 x^2, the powers of both series.
template <class V>
struct odd_powers {
    dd<V> x3, x5;
};

template <class V>
inline odd_powers<V> odd_powers_of(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> x2 = mul_kernel(x, x, to_scalar);
    dd<V> x3 = mul_kernel(x2, x, to_scalar);
    return {x3, mul_kernel(x3, x2, to_scalar)};
}

// x + x^3/6 + x^5/120.
template <class V>
inline dd<V> sinh_series(dd<V> x, mask_t<V> &to_scalar)
{
    odd_powers<V> p = odd_powers_of(x, to_scalar);
    dd<V> term2 = div_kernel(p.x3, broadcast<V>(6.0, 0.0), to_scalar);
    dd<V> term3 = div_kernel(p.x5, broadcast<V>(120.0, 0.0), to_scalar);
    return add_kernel(add_kernel(x, term2, to_scalar), term3, to_scalar);
}

// x - x^3/3 + (2/15) x^5, the third over the divisor -3 as the scalar
// function has it.
template <class V>
inline dd<V> tanh_series(dd<V> x, mask_t<V> &to_scalar)
{
    odd_powers<V> p = odd_powers_of(x, to_scalar);
    dd<V> term2 = div_kernel(p.x3, broadcast<V>(-3.0, 0.0), to_scalar);
    dd<V> term3 = mul_kernel(p.x5, broadcast<V>(TARSEL_TWO_FIFTEENTHS, 0.0), to_scalar);
    return add_kernel(add_kernel(x, term2, to_scalar), term3, to_scalar);
}

template <class V>
inline dd<V> sinh_by_exp(dd<V> x, mask_t<V> &to_scalar)
{
    exp_pair<V> e = exp_and_reciprocal(x, to_scalar);
    return mul_kernel(sub_kernel(e.ex, e.emx, to_scalar), broadcast<V>(0.5, 0.0), to_scalar);
}

template <class V>
inline dd<V> tanh_by_exp(dd<V> x, mask_t<V> &to_scalar)
{
    exp_pair<V> e = exp_and_reciprocal(x, to_scalar);
    return div_kernel(sub_kernel(e.ex, e.emx, to_scalar), add_kernel(e.ex, e.emx, to_scalar), to_scalar);
}

// Each lane's path, run only where a lane takes it; the tests of a path
// are kept for every lane that ran it.  A discarded path can only send its
// lane to the scalar function, which gives the same bits.
template <class V, class Series, class ByExp>
inline dd<V> series_or_exp(dd<V> x, mask_t<V> &to_scalar, Series series, ByExp by_exp)
{
    mask_t<V> is_series = below_series_threshold(x.hi);
    dd<V> res = {};
    if (any_lane<V>(~is_series))
        res = by_exp(x, to_scalar);
    if (any_lane<V>(is_series))
        res = select(is_series, series(x, to_scalar), res);
    return res;
}

template <class V>
inline dd<V> sinh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_sinh: NaN and infinite high parts, and the reflected arguments
       below -512 (with the overflow results below them) */
    to_scalar |= ~(is_finite(x.hi) & (x.hi >= TARSEL_HYPERBOLIC_REFLECT_BELOW));
    return series_or_exp(
        x, to_scalar, [](dd<V> v, mask_t<V> &m) { return sinh_series(v, m); },
        [](dd<V> v, mask_t<V> &m) { return sinh_by_exp(v, m); });
}

template <class V>
inline dd<V> cosh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_cosh: NaN and infinite high parts, and the reflected arguments
       below -512 (with the overflow results below them) */
    to_scalar |= ~(is_finite(x.hi) & (x.hi >= TARSEL_HYPERBOLIC_REFLECT_BELOW));
    exp_pair<V> e = exp_and_reciprocal(x, to_scalar);
    return mul_kernel(add_kernel(e.ex, e.emx, to_scalar), broadcast<V>(0.5, 0.0), to_scalar);
}

template <class V>
inline dd<V> tanh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_tanh: NaN, and the limits +-1 beyond 709.78 */
    to_scalar |= ~(lane_fabs(x.hi) <= TARSEL_EXP_OVERFLOW_BOUND);
    return series_or_exp(
        x, to_scalar, [](dd<V> v, mask_t<V> &m) { return tanh_series(v, m); },
        [](dd<V> v, mask_t<V> &m) { return tanh_by_exp(v, m); });
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANES_HYPERBOLIC_HPP
