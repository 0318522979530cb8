// lanes_libm.hpp -- expm1, exp2, log1p, log2, log10, hypot, the inverse
// hyperbolic functions, logaddexp and logaddexp2 over several rows at once,
// with the conventions of lanes.hpp: each kernel mirrors its function of
// tarsel_libm.h step by step, and a lane whose scalar function would take a
// branch the kernel does not take is set in `to_scalar`.
//
// Past the tests of each kernel every quantity is bounded (reduced arguments
// below 1, seeds and logarithms below 750, scale factors of normal powers of
// two), so the plain arithmetic of lanes.hpp is the scalar functions'
// arithmetic.  A path that only some lanes take is computed only when one
// lane takes it; the tests it adds are kept to those lanes (`only_where`).
#ifndef TARSEL_LANES_LIBM_HPP
#define TARSEL_LANES_LIBM_HPP

#include "src/engine/lanes.hpp"
#include "tarsel/tarsel_libm.h"

namespace tarsel_lanes {
namespace {

/* --- helpers --- */

// 2^m for m in [-1022, 1023], from its bits.
template <class V>
inline V power_of_two(mask_t<V> m)
{
    return (V)(((bits_t<V>)(m + 1023)) << 52);
}

// The double of an integer |m| < 2^51, from the bits of 1.5 * 2^52 + m.
template <class V>
inline V double_of(mask_t<V> m)
{
    const double shift = 0x1.8p52;
    return (V)((bits_t<V>)(V{} + shift) + (bits_t<V>)m) - shift;
}

// tarsel_abs where hi is not NaN: x, -x, or +0 with |lo| for a zero hi.
template <class V>
inline dd<V> abs_of(dd<V> x)
{
    dd<V> flipped = flip_sign(x, (x.hi < 0.0) & INT64_MIN);
    return select(x.hi == 0.0, dd<V>{V{}, lane_fabs(x.lo)}, flipped);
}

// Adds the tests a path raised to `to_scalar` for the lanes that take it.
template <class V>
inline void only_where(mask_t<V> taken, mask_t<V> raised, mask_t<V> &to_scalar)
{
    to_scalar |= taken & raised;
}

// A pair whose low part is not below 2^-50 of its high part is left to the
// scalar function: its intermediate results are not bounded as above.
template <class V>
inline mask_t<V> not_normalised(dd<V> x)
{
    return ~(lane_fabs(x.lo) <= lane_fabs(x.hi) * 0x1p-50);
}

/* --- the exponential kernel --- */

// _tarsel_expm1_small.
template <class V>
inline dd<V> expm1_small(dd<V> r)
{
    const double *tail = _tarsel_libm_inv_fact_tail;
    V rh = r.hi;
    V t = V{} + tail[5];
    for (int j = 4; j >= 0; j--)
        t = tail[j] + rh * t;
    dd<V> s = from_double(t);
    for (int j = 6; j >= 0; j--)
        s = add(mul(s, r), from_raw<V>(_tarsel_libm_inv_fact[j]));
    return add(r, mul(mul(r, r), s));
}

// _tarsel_exp_join: p itself where i is 0.
template <class V>
inline dd<V> exp_join(mask_t<V> i, dd<V> p)
{
    dd<V> e = table_rows<V>(_tarsel_libm_exp2_m1, (i + 8) & 15);
    return select(i == 0, p, add(add(e, p), mul(e, p)));
}

// _tarsel_exp_split_k and the join, from the integral double k.
template <class V>
inline dd<V> exp_of_k(V k, dd<V> p, mask_t<V> &m)
{
    mask_t<V> ki = integer_of(k);
    m = (ki + 8) >> 4;
    return exp_join(ki - 16 * m, p);
}

// _tarsel_exp_parts for |a| <= 746.
template <class V>
inline dd<V> exp_parts(V a, dd<V> b, mask_t<V> &m)
{
    const double *c = _tarsel_libm_ln2_16;
    V k = round_half_away(a * _tarsel_libm_sixteen_over_ln2[0]);
    V p1 = k * c[0];
    V e1 = dekker_err(k, V{} + c[0], p1);
    V p2 = k * c[1];
    V e2 = dekker_err(k, V{} + c[1], p2);
    V t = a - p1;
    dd<V> kc = add(from_double(e1), fast_two_sum(p2, e2 + k * c[2]));
    dd<V> r = add(from_double(t), sub(b, kc));
    return exp_of_k(k, expm1_small(r), m);
}

// _tarsel_exp_assemble where 2^m is a normal double and m <= 1000.
template <class V>
inline dd<V> exp_assemble(dd<V> q, mask_t<V> m, mask_t<V> &to_scalar)
{
    to_scalar |= ~((m >= -1022) & (m <= 1000));
    dd<V> s = add(broadcast<V>(1.0, 0.0), q);
    V scale = power_of_two<V>(m);
    return {s.hi * scale, s.lo * scale};
}

// _tarsel_exp_sum(d, 0) for finite d below 0, with its +0 below the
// underflow bound.
template <class V>
inline dd<V> exp_of_difference(dd<V> d, mask_t<V> &to_scalar)
{
    mask_t<V> under = d.hi < TARSEL_EXP_UNDERFLOW_BOUND - 0x1p-20;
    mask_t<V> m, raised = {};
    dd<V> q = exp_parts(d.hi, add(from_double(d.lo), broadcast<V>(0.0, 0.0)), m);
    dd<V> e = exp_assemble(q, m, raised);
    only_where<V>(~under, raised, to_scalar);
    return select(under, broadcast<V>(0.0, 0.0), e);
}

/* --- the logarithm kernel --- */

// _tarsel_log_reduce and _tarsel_log_fast for positive normal hi: the
// double-double logarithm the seeds of the Newton steps start from.
template <class V>
inline dd<V> log_seed_pair(V hi)
{
    bits_t<V> u = (bits_t<V>)hi;
    mask_t<V> i = (mask_t<V>)((u >> 44) & 0xFF);
    mask_t<V> k = (mask_t<V>)(u >> 52) - 1023 - (i >= 106);
    V m = (V)((u & 0x000FFFFFFFFFFFFFULL) | 0x3FF0000000000000ULL);
    V m_hi = (V)((bits_t<V>)m & ~0x3FFFFFFULL);
    V m_lo = m - m_hi;
    V c = {}, t1 = {}, t2 = {};
    for (int j = 0; j < lane_count<V>; ++j) {
        const double *row = _tarsel_seed_log_table[i[j]];
        c[j] = row[0];
        t1[j] = row[1];
        t2[j] = row[2];
    }
    V r = (m_hi * c - 1.0) + m_lo * c;

    const double *ln2 = _tarsel_seed_ln2;
    V kd = double_of<V>(k);
    V a = kd * ln2[0] + t1;
    V q1 = r * r;
    V q2 = dekker_err(r, r, q1);
    V p = V{} + _tarsel_log1p_coef(9);
    for (int n = 8; n >= 3; n--)
        p = _tarsel_log1p_coef(n) + r * p;
    V cubic = (q1 * r) * p;
    dd<V> s1 = fast_two_sum(r, -0.5 * q1);
    V s2 = a + s1.hi; /* _tarsel_two_sum_d(a, s1) */
    V v = s2 - a;
    V s2l = (a - (s2 - v)) + (s1.hi - v);
    V small = ((kd * ln2[1] + kd * ln2[2]) + t2) + (cubic - 0.5 * q2);
    V l = s2l + (s1.lo + small);
    return fast_two_sum(s2, l);
}

// _tarsel_log_positive for hi in [2^-1000, DBL_MAX].
template <class V>
inline dd<V> log_positive(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> seed = log_seed_pair(x.hi);
    dd<V> y = fast_two_sum(seed.hi, seed.lo + x.lo / x.hi);
    mask_t<V> m;
    dd<V> q = exp_parts(-y.hi, from_double(-y.lo), m);
    to_scalar |= ~((m >= -1022) & (m <= 1023));
    V scale = power_of_two<V>(m);
    dd<V> w = {x.hi * scale, x.lo * scale};
    dd<V> d = add(sub(w, broadcast<V>(1.0, 0.0)), mul(w, q));
    return add(y, d);
}

// The seed of tarsel_log1p, lane by lane, where u = 1 + hi rounded is not 1:
// the logarithm of 1 + x renormalised.
template <class V>
inline dd<V> log1p_seed(V u, V correction)
{
    dd<V> s = fast_two_sum(u, correction);
    dd<V> y = log_seed_pair(select(u == 1.0, V{} + 2.0, s.hi));
    return fast_two_sum(y.hi, y.lo + s.lo / s.hi);
}

// tarsel_log1p for finite lanes with hi above -1 and at most 2^1000: x
// itself where hi is 0.
template <class V>
inline dd<V> log1p_lanes(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~((x.hi > -1.0) & (x.hi <= 0x1p1000)) | not_normalised(x);
    mask_t<V> zero = x.hi == 0.0;
    V one = V{} + 1.0;
    V u = one + x.hi; /* _tarsel_two_sum_d(1.0, hi) */
    V v = u - one;
    V c = (one - (u - v)) + (x.hi - v);
    mask_t<V> at_one = u == 1.0;
    dd<V> y = select(at_one, x, log1p_seed(u, c + x.lo));
    mask_t<V> m;
    dd<V> q = exp_parts(-y.hi, from_double(-y.lo), m);
    /* 2^m for |y| < 746 and x below 2^1000: m in [-1001, 1075] */
    to_scalar |= ~((m >= -1022) & (m <= 1023)) & ~zero;
    V p = power_of_two<V>(m);
    mask_t<V> up = m > 0;
    dd<V> a = add(fast_two_sum(select(up, p, V{} - 1.0), select(up, V{} - 1.0, p)), dd<V>{x.hi * p, x.lo * p});
    dd<V> w = add(broadcast<V>(1.0, 0.0), x);
    dd<V> b = mul(dd<V>{w.hi * p, w.lo * p}, q);
    return select(zero, x, add(y, add(a, b)));
}

template <class V>
inline dd<V> log1p_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    return log1p_lanes(x, to_scalar);
}

// _tarsel_log_split for hi in [2^-1000, 2^1022]: x 2^-e and e.
template <class V>
inline dd<V> log_split(dd<V> x, mask_t<V> &e, mask_t<V> &to_scalar)
{
    bits_t<V> u = (bits_t<V>)x.hi;
    mask_t<V> ex = (mask_t<V>)((u >> 52) & 0x7FF) - 1022;
    V f = (V)((u & 0x000FFFFFFFFFFFFFULL) | 0x3FE0000000000000ULL);
    const double half = _tarsel_libm_sqrt_half[0];
    ex = ex + ((f < half) | ((f == half) & (x.lo < 0.0)));
    to_scalar |= ~(ex <= 1022);
    e = ex;
    V scale = power_of_two<V>(-ex);
    return {x.hi * scale, x.lo * scale};
}

// The tests of tarsel_log2 and tarsel_log10: NaN, zero, negative and
// infinite arguments and the scaled ones below 2^-1000.
template <class V>
inline void log_special_lanes(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~((x.hi >= 0x1p-1000) & (x.hi <= DBL_MAX)) | not_normalised(x);
}

template <class V>
inline dd<V> log2_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    log_special_lanes(x, to_scalar);
    mask_t<V> e;
    dd<V> f = log_split(x, e, to_scalar);
    dd<V> lf = mul(log_positive(f, to_scalar), from_raw<V>(_tarsel_libm_inv_ln2));
    return add(from_double(double_of<V>(e)), lf);
}

template <class V>
inline dd<V> log10_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    log_special_lanes(x, to_scalar);
    mask_t<V> e;
    dd<V> f = log_split(x, e, to_scalar);
    dd<V> lf = mul(log_positive(f, to_scalar), from_raw<V>(_tarsel_libm_inv_ln10));
    dd<V> le = mul(from_double(double_of<V>(e)), from_raw<V>(_tarsel_libm_log10_2));
    dd<V> y = select(e == 0, lf, add(le, lf));
    /* _tarsel_exact_decade */
    V n = round_half_away(y.hi);
    mask_t<V> in_table = (n >= 0.0) & (n <= 22.0);
    mask_t<V> index = integer_of(select(in_table, n, V{})) & 31;
    V power = {};
    for (int j = 0; j < lane_count<V>; ++j)
        power[j] = _tarsel_libm_powers_of_ten[index[j] <= 22 ? index[j] : 0];
    mask_t<V> exact = (x.lo == 0.0) & in_table & (x.hi == power);
    return select(exact, from_double(n), y);
}

/* --- exponentials --- */

template <class V>
inline dd<V> expm1_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_expm1: NaN, zero, the overflow bound and below -80 */
    to_scalar |= ~((x.hi >= -80.0) & (x.hi <= TARSEL_EXP_OVERFLOW_BOUND + 0x1p-20)) | (x.hi == 0.0);
    to_scalar |= not_normalised(x);
    mask_t<V> m;
    dd<V> q = exp_parts(x.hi, from_double(x.lo), m);
    to_scalar |= m > 60; /* e^x - 1 from 2^60 on */
    V p = power_of_two<V>(m);
    mask_t<V> up = m > 0;
    dd<V> exact = fast_two_sum(select(up, p, V{} - 1.0), select(up, V{} - 1.0, p));
    dd<V> res = add(dd<V>{q.hi * p, q.lo * p}, exact);
    return select(m == 0, q, res);
}

// tarsel_exp2 past its tests.
template <class V>
inline dd<V> exp2_lanes(dd<V> x, mask_t<V> &to_scalar)
{
    V k = round_half_away(x.hi * 16.0);
    dd<V> f = fast_two_sum(x.hi - k * 0.0625, x.lo);
    dd<V> r = mul(f, from_raw<V>(_tarsel_libm_ln2));
    mask_t<V> m;
    dd<V> q = exp_of_k(k, expm1_small(r), m);
    return exp_assemble(q, m, to_scalar);
}

template <class V>
inline dd<V> exp2_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_exp2: NaN, +inf from 1024 on, +0 below -1080 */
    to_scalar |= ~((x.hi < 1024.0) & (x.hi >= -1080.0)) | not_normalised(x);
    return exp2_lanes(x, to_scalar);
}

/* --- roots --- */

// _tarsel_sqrt_refined.
template <class V>
inline dd<V> sqrt_refined(dd<V> x)
{
    V z = lane_sqrt(x.hi);
    V p = z * z;
    V e = dekker_err(z, z, p);
    V r = ((x.hi - p) - e) + x.lo;
    V c = r / (2.0 * z);
    return fast_two_sum(z, c - (c * c) / (2.0 * z));
}

template <class V>
inline dd<V> hypot_kernel(dd<V> x, dd<V> y, mask_t<V> &to_scalar)
{
    /* tarsel_hypot: infinities and NaN */
    to_scalar |= ~(is_finite(x.hi) & is_finite(y.hi)) | not_normalised(x) | not_normalised(y);
    dd<V> ax = abs_of(x), ay = abs_of(y);
    mask_t<V> swap = lane_fabs(y.hi) > lane_fabs(x.hi);
    dd<V> a = select(swap, ay, ax), b = select(swap, ax, ay);
    mask_t<V> trivial = (b.hi == 0.0) | (b.hi < a.hi * 0x1p-56);
    /* frexp of a normal a.hi: e in [-1021, 1022] keeps 2^e and 2^-e normal */
    mask_t<V> e = (mask_t<V>)(((bits_t<V>)a.hi >> 52) & 0x7FF) - 1022;
    only_where<V>(~trivial, ~((e >= -1021) & (e <= 1022)), to_scalar);
    V down = power_of_two<V>(-e), up = power_of_two<V>(e);
    dd<V> as = {a.hi * down, a.lo * down}, bs = {b.hi * down, b.lo * down};
    dd<V> s = add(mul(as, as), mul(bs, bs));
    dd<V> root = sqrt_refined(s);
    return select(trivial, a, dd<V>{root.hi * up, root.lo * up});
}

/* --- inverse hyperbolic functions --- */

template <class V>
inline dd<V> asinh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_asinh: NaN, infinities and the logarithm from 2^500 on */
    to_scalar |= ~(lane_fabs(x.hi) <= 0x1p500) | not_normalised(x);
    mask_t<V> tiny = lane_fabs(x.hi) < 0x1p-60;
    dd<V> one = broadcast<V>(1.0, 0.0);
    dd<V> a = abs_of(x);
    dd<V> a2 = mul(a, a);
    dd<V> den = add(one, sqrt_refined(add(one, a2)));
    mask_t<V> raised = {};
    dd<V> t = add(a, div_kernel(a2, den, raised));
    dd<V> res = log1p_lanes(t, raised);
    only_where<V>(~tiny, raised, to_scalar);
    return select(tiny, x, flip_sign(res, (x.hi < 0.0) & INT64_MIN));
}

template <class V>
inline dd<V> acosh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_acosh: NaN, below 1, 1 itself, infinities and the logarithm
       from 2^500 on */
    to_scalar |= ~((x.hi > 1.0) & (x.hi <= 0x1p500)) | not_normalised(x);
    dd<V> t = sub(x, broadcast<V>(1.0, 0.0));
    dd<V> w = mul(t, add(t, broadcast<V>(2.0, 0.0)));
    return log1p_lanes(add(t, sqrt_refined(w)), to_scalar);
}

template <class V>
inline dd<V> atanh_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_atanh: NaN, |x| >= 1 (a high part of 1 included) */
    to_scalar |= ~(lane_fabs(x.hi) < 1.0) | not_normalised(x);
    mask_t<V> tiny = lane_fabs(x.hi) < 0x1p-60;
    dd<V> a = abs_of(x);
    mask_t<V> raised = {};
    dd<V> z = div_kernel(mul(broadcast<V>(2.0, 0.0), a), sub(broadcast<V>(1.0, 0.0), a), raised);
    dd<V> res = mul(log1p_lanes(z, raised), broadcast<V>(0.5, 0.0));
    only_where<V>(~tiny, raised, to_scalar);
    return select(tiny, x, flip_sign(res, (x.hi < 0.0) & INT64_MIN));
}

/* --- logaddexp --- */

// The larger and the smaller argument, as tarsel_gt picks them, and their
// difference; lanes with NaN, infinities, equal arguments or an infinite
// difference go to the scalar function.
template <class V>
inline dd<V> ordered_difference(dd<V> x, dd<V> y, dd<V> &big, mask_t<V> &to_scalar)
{
    to_scalar |= ~(is_finite(x.hi) & is_finite(y.hi)) | ((x.hi == y.hi) & (x.lo == y.lo));
    to_scalar |= (x.lo != x.lo) | (y.lo != y.lo);
    mask_t<V> gt = (x.hi > y.hi) | ((x.hi == y.hi) & (x.lo > y.lo));
    big = select(gt, x, y);
    dd<V> small = select(gt, y, x);
    dd<V> d = sub(small, big);
    to_scalar |= ~is_finite(d.hi) | not_normalised(d);
    return d;
}

template <class V>
inline dd<V> logaddexp_kernel(dd<V> x, dd<V> y, mask_t<V> &to_scalar)
{
    dd<V> big;
    dd<V> d = ordered_difference(x, y, big, to_scalar);
    dd<V> l = log1p_lanes(exp_of_difference(d, to_scalar), to_scalar);
    to_scalar |= ~is_finite(big.hi + l.hi); /* tarsel_add: an infinite s */
    return add(big, l);
}

template <class V>
inline dd<V> logaddexp2_kernel(dd<V> x, dd<V> y, mask_t<V> &to_scalar)
{
    dd<V> big;
    dd<V> d = ordered_difference(x, y, big, to_scalar);
    mask_t<V> under = d.hi < -1080.0;
    mask_t<V> raised = {};
    dd<V> e = select(under, broadcast<V>(0.0, 0.0), exp2_lanes(d, raised));
    only_where<V>(~under, raised, to_scalar);
    dd<V> l = mul(log1p_lanes(e, to_scalar), from_raw<V>(_tarsel_libm_inv_ln2));
    to_scalar |= ~is_finite(big.hi + l.hi); /* tarsel_add: an infinite s */
    return add(big, l);
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANES_LIBM_HPP
