// lanes.hpp -- the array functions over several rows at once.
//
// A lane is one row: a vector of V holds the high parts of L rows and a
// second one their low parts.  Each kernel below mirrors its scalar function
// line by line, with the same local names, and performs for every lane the
// very operations the scalar function performs for that row, in the same
// order, so a lane's result has the scalar result's bits.  Where the scalar
// function would take a branch that the kernel does not take, the kernel sets
// the lane in `to_scalar` (the mask test names the branch it stands for), and
// the caller recomputes that lane with the scalar function itself.
//
// Written once over GCC/Clang vector extensions; each instruction set's
// translation unit instantiates it with its own lane count.  C++17 only (the
// C headers never include this one).  Compile with -ffp-contract=off like
// everything else: a fused multiply-add changes the bits.
#ifndef TARSEL_LANES_HPP
#define TARSEL_LANES_HPP

#include <cfloat>
#include <cstdint>

#include "tarsel/tarsel_math.h"

namespace tarsel_lanes {

// Internal linkage for everything: each instruction set's translation unit
// keeps its own copy.  A shared inline copy could be the one compiled for a
// newer instruction set and then be called from baseline code.
namespace {

template <int L>
struct lane_vectors {
    typedef double f64 __attribute__((vector_size(8 * L)));
    typedef std::uint64_t u64 __attribute__((vector_size(8 * L)));
};

// All-ones or all-zeros per lane: the type a comparison of two V gives; it
// also holds 64-bit integers per lane.
template <class V>
using mask_t = decltype(V{} < V{});

// Unsigned 64-bit lanes, for shifts.
template <class V>
using bits_t = typename lane_vectors<int(sizeof(V) / 8)>::u64;

// The sign bit of every lane where bit 1 of `q` is set.
template <class V>
inline mask_t<V> sign_where_bit1(mask_t<V> q)
{
    return (mask_t<V>)(((bits_t<V>)(q & 2)) << 62);
}

template <class V>
constexpr int lane_count = int(sizeof(V) / sizeof(double));

template <class V>
struct dd {
    V hi, lo;
};

/* --- lane helpers --- */

template <class V>
inline V lane_fabs(V x)
{
    return (V)((mask_t<V>)x & INT64_MAX);
}

// Finite in the sense of _tarsel_is_inf: false for infinities and NaN.
template <class V>
inline mask_t<V> is_finite(V x)
{
    return lane_fabs(x) <= DBL_MAX;
}

template <class V>
inline V select(mask_t<V> m, V if_set, V if_clear)
{
    return (V)(((mask_t<V>)if_set & m) | ((mask_t<V>)if_clear & ~m));
}

template <class V>
inline dd<V> select(mask_t<V> m, dd<V> if_set, dd<V> if_clear)
{
    return {select(m, if_set.hi, if_clear.hi), select(m, if_set.lo, if_clear.lo)};
}

template <class V>
inline dd<V> broadcast(double hi, double lo)
{
    V h = {}, l = {};
    for (int j = 0; j < lane_count<V>; ++j) {
        h[j] = hi;
        l[j] = lo;
    }
    return {h, l};
}

// A stored pair {hi, lo} in every lane, as _tarsel_from_raw.
template <class V>
inline dd<V> from_raw(const double *raw)
{
    return broadcast<V>(raw[0], raw[1]);
}

// The lane's value as tarsel_from_double gives it: lo = +0.0.
template <class V>
inline dd<V> from_double(V d)
{
    return {d, V{}};
}

// Both parts negated, as tarsel_neg: sign bits flipped, NaNs included.
template <class V>
inline dd<V> flip_sign(dd<V> x, mask_t<V> sign_bit)
{
    return {(V)((mask_t<V>)x.hi ^ sign_bit), (V)((mask_t<V>)x.lo ^ sign_bit)};
}

// C's round (halfway away from zero) for |t| < 2^51; other lanes are the
// caller's to mask.  Adding and subtracting 2^52 rounds |t| to the nearest
// integer with ties to even; a tie that went down to even is moved up.  The
// difference a - n is exact, and the sign of t (a zero included) is put back.
template <class V>
inline V round_half_away(V t)
{
    V a = lane_fabs(t);
    V n = (a + TARSEL_INTEGRAL_FROM) - TARSEL_INTEGRAL_FROM;
    n = n + (V)((mask_t<V>)(V{} + 1.0) & (a - n == 0.5));
    return (V)((mask_t<V>)n | ((mask_t<V>)t & INT64_MIN));
}

// The integer value of an integral double |k| < 2^51 as a 64-bit lane, from
// the bits of k + 1.5 * 2^52 (the conversion the baseline instruction sets lack).
template <class V>
inline mask_t<V> integer_of(V k_double)
{
    const double shift = 0x1.8p52;
    /* unsigned, so that the garbage of a masked lane cannot overflow */
    return (mask_t<V>)((bits_t<V>)(k_double + shift) - (bits_t<V>)(V{} + shift));
}

// Whether any lane of m is set.
template <class V>
inline bool any_lane(mask_t<V> m)
{
    std::int64_t acc = 0;
    for (int j = 0; j < lane_count<V>; ++j)
        acc |= m[j];
    return acc != 0;
}

// Whether every lane of m is set.
template <class V>
inline bool every_lane(mask_t<V> m)
{
    std::int64_t all = -1;
    for (int j = 0; j < lane_count<V>; ++j)
        all &= m[j];
    return all != 0;
}

// f of every lane of x, one scalar call per lane: for the steps that have no
// vector instruction of their own.
template <class V, class F>
inline V each_lane(V x, F f)
{
    V y = {};
    for (int j = 0; j < lane_count<V>; ++j)
        y[j] = f(x[j]);
    return y;
}

// Row `index` of a table of pairs per lane; every index must lie in the table.
template <class V, int N>
inline dd<V> table_rows(const double (&table)[N][2], mask_t<V> index)
{
    dd<V> t = {};
    for (int j = 0; j < lane_count<V>; ++j) {
        t.hi[j] = table[index[j]][0];
        t.lo[j] = table[index[j]][1];
    }
    return t;
}

/* --- the main paths of the arithmetic (tarsel.h) --- */

template <class V>
inline dd<V> fast_two_sum(V p, V e)
{
    V final_hi = p + e;
    V final_lo = e - (final_hi - p);
    return {final_hi, final_lo};
}

template <class V>
inline V dekker_err(V a, V b, V p)
{
    const double c = TARSEL_SPLITTER;
    V t = c * a;
    V ahi = t - (t - a);
    V alo = a - ahi;
    t = c * b;
    V bhi = t - (t - b);
    V blo = b - bhi;
    return (((ahi * bhi - p) + ahi * blo) + alo * bhi) + alo * blo;
}

// Lanes where tarsel_exact_mul_err does not run the plain steps on the
// factors as given: a factor above 6.7e299 (its rescaling branches), a
// product from 2^1023 up (kept for a rescaling of large products), and NaN.
template <class V>
inline mask_t<V> product_is_rescaled(V a, V b, V p)
{
    const double big = TARSEL_SPLIT_BIG;
    return ~((lane_fabs(a) <= big) & (lane_fabs(b) <= big) & (lane_fabs(p) < TARSEL_PRODUCT_TOP));
}

// tarsel_add past its test of an infinite s.
template <class V>
inline dd<V> add(dd<V> a, dd<V> b)
{
    V s = a.hi + b.hi;
    V v = s - a.hi;
    V e = (a.hi - (s - v)) + (b.hi - v);
    V t = e + (a.lo + b.lo);
    return fast_two_sum(s, t);
}

// tarsel_sub past its test of an infinite s.
template <class V>
inline dd<V> sub(dd<V> a, dd<V> b)
{
    V s = a.hi - b.hi;
    V v = s - a.hi;
    V e = (a.hi - (s - v)) - (b.hi + v);
    V t = e + (a.lo - b.lo);
    return fast_two_sum(s, t);
}

// tarsel_mul past its test of an infinite p, with the plain error-free product.
template <class V>
inline dd<V> mul(dd<V> a, dd<V> b)
{
    V p = a.hi * b.hi;
    V e = dekker_err(a.hi, b.hi, p);
    e = e + (a.hi * b.lo + a.lo * b.hi);
    return fast_two_sum(p, e);
}

// _tarsel_div_refine with the plain error-free product.
template <class V>
inline dd<V> div_refine(V ahi, V alo, V bhi, V blo, V q1, V p1)
{
    V p2 = dekker_err(q1, bhi, p1) + q1 * blo;
    V s = ahi - p1;
    V v = s - ahi;
    V e = (ahi - (s - v)) + ((-p1) - v);
    V t = e + (alo - p2);
    V rh = s + t;
    V rl = t - (rh - s);
    V q2 = rh / bhi;
    V final_hi = q1 + q2;
    V final_lo = (q2 - (final_hi - q1)) + rl / bhi;
    return {final_hi, final_lo};
}

/* --- the kernels of the array functions --- */

template <class V>
inline dd<V> add_kernel(dd<V> a, dd<V> b, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(a.hi + b.hi); /* tarsel_add: an infinite s */
    return add(a, b);
}

template <class V>
inline dd<V> sub_kernel(dd<V> a, dd<V> b, mask_t<V> &to_scalar)
{
    to_scalar |= ~is_finite(a.hi - b.hi); /* tarsel_sub: an infinite s */
    return sub(a, b);
}

template <class V>
inline dd<V> mul_kernel(dd<V> a, dd<V> b, mask_t<V> &to_scalar)
{
    V p = a.hi * b.hi;
    to_scalar |= ~is_finite(p);                        /* tarsel_mul: an infinite p */
    to_scalar |= product_is_rescaled(a.hi, b.hi, p);   /* tarsel_exact_mul_err */
    return mul(a, b);
}

template <class V>
inline dd<V> div_kernel(dd<V> a, dd<V> b, mask_t<V> &to_scalar)
{
    V q1 = a.hi / b.hi;
    V p1 = q1 * b.hi;
    to_scalar |= ~is_finite(p1);                       /* tarsel_div: _tarsel_div_special */
    to_scalar |= product_is_rescaled(q1, b.hi, p1);    /* tarsel_exact_mul_err */
    return div_refine(a.hi, a.lo, b.hi, b.lo, q1, p1);
}

// The correctly rounded double square root of every lane: the same
// operation as the scalar function's sqrt, so the same bits.
template <class V>
inline V lane_sqrt(V x)
{
    return each_lane(x, [](double v) { return __builtin_sqrt(v); });
}

// _tarsel_sqrt_newton with its two error-free products.
template <class V>
inline dd<V> sqrt_newton(V xhi, V xlo, mask_t<V> &to_scalar)
{
    V y = 1.0 / lane_sqrt(xhi);
    V z = xhi * y;
    to_scalar |= product_is_rescaled(xhi, y, z); /* tarsel_exact_mul_err */
    V zlo = dekker_err(xhi, y, z) + xlo * y;
    V est = z * z;
    to_scalar |= product_is_rescaled(z, z, est); /* tarsel_exact_mul_err */
    V estlo = dekker_err(z, z, est) + (2.0 * z) * zlo;
    V err = ((xhi - est) - estlo) + xlo;
    V dy = (err * 0.5) * y;
    return fast_two_sum(z, zlo + dy);
}

template <class V>
inline dd<V> sqrt_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_sqrt: negative, zero, NaN and infinite high parts, the root of
       x / 2^128 from 2^1023 on and that of x 2^128 below 2^-968 */
    to_scalar |= ~((x.hi >= TARSEL_SQRT_SCALE_UP_BELOW) & (x.hi < TARSEL_PRODUCT_TOP));
    return sqrt_newton(x.hi, x.lo, to_scalar);
}

// tarsel_exp.  Past the tests of the range and of the low part, every
// quantity is bounded (|r| < 1.1, the series and er below 4, T below 2), far
// from overflow and from the rescaling of the error-free product, so the
// plain steps are the scalar function's steps.
template <class V>
inline dd<V> exp_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    V hi = x.hi, lo = x.lo;
    /* tarsel_exp: NaN, and the overflow and underflow results */
    to_scalar |= ~((hi <= TARSEL_EXP_OVERFLOW_BOUND) & (hi >= TARSEL_EXP_UNDERFLOW_BOUND));
    /* a non-normalised pair whose low part would carry r past those bounds */
    to_scalar |= ~(lane_fabs(lo) <= 1.0);

    V k_double = round_half_away(hi * TARSEL_SIXTEEN_OVER_LN2);
    dd<V> r = sub(x, mul(from_double(k_double), from_raw<V>(_tarsel_ln2_16_raw)));

    dd<V> s = from_raw<V>(_tarsel_exp_coefs_n16[10]);
    for (int j = 9; j >= 0; j--)
        s = add(mul(s, r), from_raw<V>(_tarsel_exp_coefs_n16[j]));
    dd<V> one = broadcast<V>(1.0, 0.0);
    dd<V> er = add(one, mul(r, add(one, mul(r, s))));

    /* ldexp by 2^m is the product by the double 2^m while m = floor(k/16)
       lies in [-1022, 1023], that is k in [-16352, 16383] */
    to_scalar |= ~((k_double >= -16352.0) & (k_double <= 16383.0));
    mask_t<V> k = integer_of(k_double);
    mask_t<V> i = k & 15;
    dd<V> T = table_rows<V>(_tarsel_exp_table, i);
    dd<V> res = mul(er, T);

    /* the bits of 2^m: (m + 1023) << 52, with m + 1023 = (k + 16368) >> 4
       for the k kept above, where k + 16368 is positive */
    V scale = (V)((((bits_t<V>)k + 16368) >> 4) << 52);
    return {res.hi * scale, res.lo * scale};
}

// The quarter-turn reduction of tarsel_sincos: r and the count k per lane.
// Past the tests, |hi| <= 9e18 bounds the low part of any pair that reaches
// the series (a larger low part makes x_scaled_hi large), so |r| stays far
// below the size where the series could overflow or rescale a product.
template <class V>
struct quarter_turns {
    dd<V> r;
    mask_t<V> k;
};

template <class V>
inline quarter_turns<V> reduce_quarter_turns(dd<V> x, mask_t<V> &to_scalar)
{
    to_scalar |= ~(lane_fabs(x.hi) <= TARSEL_INT64_SAFE); /* tarsel_sincos: beyond 9e18 */
    dd<V> x_scaled = mul(x, from_raw<V>(_tarsel_two_over_pi_raw));
    /* k_lo is zero while |x_scaled_hi| < 2^52, and round_half_away is exact
       below 2^51; this also covers the NaN result of an unusable low part */
    to_scalar |= ~(lane_fabs(x_scaled.hi) < 0x1p51);
    V k_double = round_half_away(x_scaled.hi);
    V k_lo = {};
    dd<V> r = sub(x, mul(dd<V>{k_double, k_lo}, from_raw<V>(_tarsel_pi_over_2_raw)));
    return {r, integer_of(k_double)};
}

// The one series of tarsel_sincos that a lane's output needs: cos_r where
// is_cos is set, sin_r elsewhere.  Each lane runs exactly the steps of its
// series (the coefficients are picked per lane), so the other series, whose
// result the quadrant would discard, is never computed.
template <class V>
inline dd<V> sin_or_cos_series(dd<V> r, mask_t<V> is_cos)
{
    dd<V> rsq = mul(r, r);
    dd<V> one = broadcast<V>(1.0, 0.0);
    auto coef = [is_cos](int j) {
        return select(is_cos, from_raw<V>(_tarsel_cos_coefs_n4[j]), from_raw<V>(_tarsel_sin_coefs_n4[j]));
    };
    dd<V> s = coef(11);
    for (int j = 10; j >= 0; j--)
        s = add(mul(s, rsq), coef(j));
    /* cos_r = 1 + rsq s_cos; sin_r = r (1 + rsq s_sin) */
    dd<V> bracket = add(one, mul(rsq, s));
    return select(is_cos, bracket, mul(r, bracket));
}

// tarsel_sin: quadrant q = k mod 4 gives sin_r, cos_r, -sin_r, -cos_r.
template <class V>
inline dd<V> sin_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    quarter_turns<V> red = reduce_quarter_turns(x, to_scalar);
    mask_t<V> q = red.k & 3;
    dd<V> res = sin_or_cos_series(red.r, -(q & 1));
    return flip_sign(res, sign_where_bit1<V>(q));
}

// tarsel_cos: quadrant q = k mod 4 gives cos_r, -sin_r, -cos_r, sin_r.
template <class V>
inline dd<V> cos_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    quarter_turns<V> red = reduce_quarter_turns(x, to_scalar);
    mask_t<V> q = red.k & 3;
    dd<V> res = sin_or_cos_series(red.r, (q & 1) - 1);
    return flip_sign(res, sign_where_bit1<V>(q + 1));
}

// tarsel_sincos past its tests: both series at full length and the
// quadrant q = k mod 4, which gives (sin, cos) = (sin_r, cos_r),
// (cos_r, -sin_r), (-sin_r, -cos_r), (-cos_r, sin_r).
template <class V>
inline void sincos_lanes(dd<V> x, dd<V> &s, dd<V> &c, mask_t<V> &to_scalar)
{
    quarter_turns<V> red = reduce_quarter_turns(x, to_scalar);
    mask_t<V> q = red.k & 3;
    mask_t<V> no_lane = {};
    dd<V> sin_r = sin_or_cos_series(red.r, no_lane);
    dd<V> cos_r = sin_or_cos_series(red.r, ~no_lane);
    mask_t<V> odd = -(q & 1);
    s = flip_sign(select(odd, cos_r, sin_r), sign_where_bit1<V>(q));
    c = flip_sign(select(odd, sin_r, cos_r), sign_where_bit1<V>(q + 1));
}

// tarsel_tan: the quotient of both outputs of tarsel_sincos.
template <class V>
inline dd<V> tan_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    dd<V> s, c;
    sincos_lanes(x, s, c, to_scalar);
    return div_kernel(s, c, to_scalar);
}

// The double seed of the logarithm (the library's correctly rounded log),
// lane by lane: the one place a vector version of the seed would go.
template <class V>
inline V log_seed(V hi)
{
    return each_lane(hi, [](double v) { return _tarsel_log_seed(v); });
}

// _tarsel_log_step: the exponential and the division keep their own tests.
template <class V>
inline dd<V> log_step(dd<V> x, dd<V> y, dd<V> &delta, mask_t<V> &to_scalar)
{
    dd<V> ey = exp_kernel(y, to_scalar);
    dd<V> num = sub(x, ey);
    dd<V> den = add(x, ey);
    to_scalar |= ~is_finite(den.hi); /* tarsel_add: an infinite s */
    delta = mul(broadcast<V>(2.0, 0.0), div_kernel(num, den, to_scalar));
    return add(y, delta);
}

// tarsel_log and _tarsel_log_from_seed.  The Halley step keeps num small and
// den of the size of x, so the product by 2 and the sums stay far from
// overflow; the lanes that need the second step (non-normalised arguments)
// go to the scalar function.
template <class V>
inline dd<V> log_kernel(dd<V> x, mask_t<V> &to_scalar)
{
    /* tarsel_log: NaN, negative, zero and infinite high parts, and the
       scaled arguments from 2^1000 up and below 2^-976 */
    to_scalar |= ~((x.hi >= TARSEL_LOG_SCALE_UP_BELOW) & (x.hi < TARSEL_LOG_SCALE_DOWN_FROM));
    dd<V> delta;
    dd<V> y = from_double(log_seed(x.hi));
    y = log_step(x, y, delta, to_scalar);
    to_scalar |= lane_fabs(delta.hi) > TARSEL_LOG_SECOND_STEP_FROM; /* _tarsel_log_from_seed: the second step */
    return y;
}

/* --- power --- */

// tarsel_pow for a positive base, and for a negative one with an integral
// exponent below 2^51 in magnitude: exp(exponent log|base|), negated for an
// odd exponent.  The logarithm, the product and the exponential keep their
// own tests.
template <class V>
inline dd<V> pow_kernel(dd<V> base, dd<V> e, mask_t<V> &to_scalar)
{
    to_scalar |= (e.hi == 0.0) & (e.lo == 0.0); /* tarsel_pow: a zero exponent */
    /* round_half_away is exact below 2^51, where the parity is that of the
       scalar function's 64-bit integer */
    V rounded_e = round_half_away(e.hi);
    mask_t<V> is_integral = (e.hi == rounded_e) & (e.lo == 0.0) & (lane_fabs(e.hi) < 0x1p51);
    mask_t<V> is_negative = base.hi < 0.0;
    /* tarsel_pow: a zero base, a high part zero with a negative low part,
       and a negative base with any other exponent (its NaN, or the parity
       of an exponent from 2^51 on) */
    to_scalar |= ~((base.hi > 0.0) | (is_negative & is_integral));
    mask_t<V> odd_sign = (mask_t<V>)((bits_t<V>)integer_of(rounded_e) << 63);
    dd<V> abs_base = flip_sign(base, is_negative & INT64_MIN);
    dd<V> res = exp_kernel(mul_kernel(e, log_kernel(abs_base, to_scalar), to_scalar), to_scalar);
    return flip_sign(res, is_negative & odd_sign);
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANES_HPP
