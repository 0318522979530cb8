// product_lanes.hpp -- products of two doubles as exact pairs p + e over the
// lanes of a vector: the kernel of the dot products at each instruction set.
//
// Dekker's product (tarsel_lanes::dekker_err, the lanes' copy of
// _tarsel_dekker_err) is exact while nothing overflows or underflows.  A
// block whose factors and products all lie in that range, the usual case, is
// checked once as a whole; a block with a lane outside it is done again lane
// by lane, and the pairs outside go to the superaccumulator's own rescaled
// product.  The sum of the pairs is the exact sum of the products whatever
// the lane count, so every instruction set gives the same bits.
//
// Included by the translation unit of each instruction set, which
// instantiates exact_products<V> with its own lane count.
#ifndef TARSEL_PRODUCT_LANES_HPP
#define TARSEL_PRODUCT_LANES_HPP

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "src/engine/lanes.hpp"
#include "tarsel/tarsel_superacc.hpp"

namespace tarsel_lanes {
namespace {

// The bounds of the range where Dekker's product is exact.  The split c * a
// stays finite for |a| <= 2^995, and the partial products stay finite for
// |p| <= 2^1020.  From |p| >= 2^-968 on, the exponents of a and b add up to
// at least -970, so the lowest bit of the exact product, and of every
// partial product, is at least 2^-1074: nothing underflows.
constexpr double big_factor = 0x1p995, big_product = 0x1p1020, small_product = 0x1p-968;

template <class V>
inline V load_doubles(const double *x)
{
    V v;
    std::memcpy(&v, x, sizeof v);
    return v;
}

template <class V>
inline void store_doubles(double *x, V v)
{
    std::memcpy(x, &v, sizeof v);
}

// Asks for the memory one block of products ahead of p, which the next call
// will read: the kernel alternates with the bins, and the processor's own
// prefetcher loses the stream in between.  Computed as an integer, since
// the address may lie past the end of the array; it is never read.
inline void prefetch_ahead(const double *p)
{
    __builtin_prefetch(reinterpret_cast<const void *>(reinterpret_cast<std::uintptr_t>(p) + 4096));
}

template <class V>
inline V max_lanes(V x, V y)
{
    return x > y ? x : y;
}

template <class V>
inline V min_lanes(V x, V y)
{
    return x < y ? x : y;
}

// The whole block without a test per lane: p and e of every pair, and
// whether every pair lay in the exact range, from the largest factor and the
// extreme products.  An infinite p fails the test of the largest product.  A
// NaN p escapes the maximum and the minimum, but it comes from a NaN factor,
// so the exact product is NaN too, and p and e as NaN terms give just that.
template <class V>
bool products_in_range(const double *a, const double *b, std::size_t n, double *ps, double *es)
{
    V largest_factor = {}, largest_product = {}, smallest_product = {};
    smallest_product += big_product;
    for (std::size_t k = 0; k < n; k += lane_count<V>) {
        prefetch_ahead(a + k);
        prefetch_ahead(b + k);
        V va = load_doubles<V>(a + k), vb = load_doubles<V>(b + k);
        V p = va * vb;
        store_doubles(ps + k, p);
        store_doubles(es + k, dekker_err(va, vb, p));
        V abs_p = lane_fabs(p);
        largest_factor = max_lanes(largest_factor, max_lanes(lane_fabs(va), lane_fabs(vb)));
        largest_product = max_lanes(largest_product, abs_p);
        smallest_product = min_lanes(smallest_product, abs_p);
    }
    return every_lane<V>((largest_factor <= big_factor) & (largest_product <= big_product) &
                         (smallest_product >= small_product));
}

// The lanes where p + e is exactly a * b: inside the range, or with a zero
// factor, which gives the exact zero product.  NaNs fail every comparison
// and so are never clean.
template <class V>
inline mask_t<V> clean_lanes(V a, V b, V p)
{
    V abs_a = lane_fabs(a), abs_b = lane_fabs(b), abs_p = lane_fabs(p);
    mask_t<V> in_range = (abs_a <= big_factor) & (abs_b <= big_factor) & (abs_p <= big_product);
    return in_range & ((abs_p >= small_product) | (a == 0.0) | (b == 0.0));
}

// Lane by lane: the clean lanes keep their p and e, the others get zeros and
// go to the accumulator's rescaled product.
template <class V>
void products_by_lane(const double *a, const double *b, std::size_t n, double *ps, double *es,
                      tars::superaccumulator &acc)
{
    for (std::size_t k = 0; k < n; k += lane_count<V>) {
        V va = load_doubles<V>(a + k), vb = load_doubles<V>(b + k);
        V p = va * vb;
        mask_t<V> clean = clean_lanes(va, vb, p);
        store_doubles(ps + k, (V)((mask_t<V>)p & clean));
        store_doubles(es + k, (V)((mask_t<V>)dekker_err(va, vb, p) & clean));
        if (every_lane<V>(clean))
            continue;
        for (int j = 0; j < lane_count<V>; ++j)
            if (!clean[j])
                acc.add_product(a[k + std::size_t(j)], b[k + std::size_t(j)]);
    }
}

// For k < n: a[k] * b[k] = ps[k] + es[k] exactly, or both are zero and the
// product went into acc.
template <class V>
void exact_products(const double *a, const double *b, std::size_t n, double *ps, double *es,
                    tars::superaccumulator &acc)
{
    std::size_t whole = n - n % std::size_t(lane_count<V>);
    if (!products_in_range<V>(a, b, whole, ps, es))
        products_by_lane<V>(a, b, whole, ps, es, acc);
    for (std::size_t k = whole; k < n; ++k) {
        ps[k] = es[k] = 0.0;
        acc.add_product(a[k], b[k]);
    }
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_PRODUCT_LANES_HPP
