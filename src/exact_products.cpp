// exact_products.cpp -- Dekker's product over two lanes at a time, with the
// lanes it cannot do exactly sent to the superaccumulator's own product.
#include "exact_products.hpp"

#include <cstdint>
#include <cstring>

#include <emmintrin.h>

namespace tars {

namespace {

typedef double lanes __attribute__((vector_size(16)));
typedef std::int64_t lane_mask __attribute__((vector_size(16)));
constexpr int lane_count = 2;

lanes abs_lanes(lanes x)
{
    return (lanes)((lane_mask)x & 0x7FFFFFFFFFFFFFFF);
}

// _tarsel_dekker_err of tarsel.h, line by line over the lanes.
lanes dekker_err_lanes(lanes a, lanes b, lanes p)
{
    const double c = 134217729.0; /* 2^27 + 1 */
    lanes t = c * a;
    lanes ahi = t - (t - a);
    lanes alo = a - ahi;
    t = c * b;
    lanes bhi = t - (t - b);
    lanes blo = b - bhi;
    return (((ahi * bhi - p) + ahi * blo) + alo * bhi) + alo * blo;
}

// The lanes where p + e is exactly a * b.  The split c * a stays finite for
// |a| <= 2^995, and the partial products stay finite for |p| <= 2^1020.
// From |p| >= 2^-968 on, the exponents of a and b add up to at least -970,
// so the lowest bit of the exact product, and of every partial product, is
// at least 2^-1074: nothing underflows.  A zero factor gives the exact zero
// product.  NaNs fail every comparison and so are never clean.
lane_mask clean_lanes(lanes a, lanes b, lanes p)
{
    const double big_factor = 0x1p995, big_product = 0x1p1020, small_product = 0x1p-968;
    lanes abs_a = abs_lanes(a), abs_b = abs_lanes(b), abs_p = abs_lanes(p);
    lane_mask in_range = (abs_a <= big_factor) & (abs_b <= big_factor) & (abs_p <= big_product);
    return in_range & ((abs_p >= small_product) | (a == 0.0) | (b == 0.0));
}

lanes load(const double *x)
{
    lanes v;
    std::memcpy(&v, x, sizeof v);
    return v;
}

void store(double *x, lanes v)
{
    std::memcpy(x, &v, sizeof v);
}

} // namespace

void exact_products(const double *a, const double *b, std::size_t n, double *terms,
                    superaccumulator &acc) noexcept
{
    std::size_t k = 0;
    for (; k + lane_count <= n; k += lane_count) {
        lanes va = load(a + k), vb = load(b + k);
        lanes p = va * vb;
        lanes e = dekker_err_lanes(va, vb, p);
        lane_mask clean = clean_lanes(va, vb, p);
        store(terms + k, (lanes)((lane_mask)p & clean));
        store(terms + n + k, (lanes)((lane_mask)e & clean));
        if (__builtin_expect(_mm_movemask_pd((__m128d)clean) != 3, 0))
            for (int j = 0; j < lane_count; ++j)
                if (!clean[j])
                    acc.add_product(a[k + j], b[k + j]);
    }
    for (; k < n; ++k) {
        terms[k] = terms[n + k] = 0.0;
        acc.add_product(a[k], b[k]);
    }
}

} // namespace tars
