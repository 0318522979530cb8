// exact_products.cpp -- Dekker's product over two lanes at a time, with the
// lanes it cannot do exactly sent to the superaccumulator's own product.
#include "exact_products.hpp"

#include <cstdint>
#include <cstring>

namespace tars {

namespace {

typedef double lanes __attribute__((vector_size(16)));
typedef std::int64_t lane_mask __attribute__((vector_size(16)));
constexpr std::size_t lane_count = sizeof(lanes) / sizeof(double);

// The bounds of the range where Dekker's product is exact.  The split c * a
// stays finite for |a| <= 2^995, and the partial products stay finite for
// |p| <= 2^1020.  From |p| >= 2^-968 on, the exponents of a and b add up to
// at least -970, so the lowest bit of the exact product, and of every
// partial product, is at least 2^-1074: nothing underflows.
constexpr double big_factor = 0x1p995, big_product = 0x1p1020, small_product = 0x1p-968;

lanes abs_lanes(lanes x)
{
    return (lanes)((lane_mask)x & 0x7FFFFFFFFFFFFFFF);
}

lanes max_lanes(lanes x, lanes y)
{
    return x > y ? x : y;
}

lanes min_lanes(lanes x, lanes y)
{
    return x < y ? x : y;
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

bool all_lanes(lane_mask m)
{
    for (std::size_t j = 0; j < lane_count; ++j)
        if (!m[j])
            return false;
    return true;
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

// The whole block without a test per lane: p and e of every pair, and
// whether every pair lay in the exact range, from the largest factor and the
// extreme products.  An infinite p fails the test of the largest product.  A
// NaN p escapes the maximum and the minimum, but it comes from a NaN factor,
// so the exact product is NaN too, and p and e as NaN terms give just that.
bool products_in_range(const double *a, const double *b, std::size_t n, double *ps, double *es)
{
    lanes largest_factor = {}, largest_product = {}, smallest_product = {};
    smallest_product += big_product;
    for (std::size_t k = 0; k < n; k += lane_count) {
        lanes va = load(a + k), vb = load(b + k);
        lanes p = va * vb;
        store(ps + k, p);
        store(es + k, dekker_err_lanes(va, vb, p));
        lanes abs_p = abs_lanes(p);
        largest_factor = max_lanes(largest_factor, max_lanes(abs_lanes(va), abs_lanes(vb)));
        largest_product = max_lanes(largest_product, abs_p);
        smallest_product = min_lanes(smallest_product, abs_p);
    }
    return all_lanes((largest_factor <= big_factor) & (largest_product <= big_product) &
                     (smallest_product >= small_product));
}

// The lanes where p + e is exactly a * b: inside the range, or with a zero
// factor, which gives the exact zero product.  NaNs fail every comparison
// and so are never clean.
lane_mask clean_lanes(lanes a, lanes b, lanes p)
{
    lanes abs_a = abs_lanes(a), abs_b = abs_lanes(b), abs_p = abs_lanes(p);
    lane_mask in_range = (abs_a <= big_factor) & (abs_b <= big_factor) & (abs_p <= big_product);
    return in_range & ((abs_p >= small_product) | (a == 0.0) | (b == 0.0));
}

// Lane by lane: the clean lanes keep their p and e, the others get zeros and
// go to the accumulator's rescaled product.
void products_by_lane(const double *a, const double *b, std::size_t n, double *ps, double *es,
                      superaccumulator &acc)
{
    for (std::size_t k = 0; k < n; k += lane_count) {
        lanes va = load(a + k), vb = load(b + k);
        lanes p = va * vb;
        lanes e = dekker_err_lanes(va, vb, p);
        lane_mask clean = clean_lanes(va, vb, p);
        store(ps + k, (lanes)((lane_mask)p & clean));
        store(es + k, (lanes)((lane_mask)e & clean));
        if (!all_lanes(clean))
            for (std::size_t j = 0; j < lane_count; ++j)
                if (!clean[j])
                    acc.add_product(a[k + j], b[k + j]);
    }
}

} // namespace

void exact_products(const double *a, const double *b, std::size_t n, double *terms,
                    superaccumulator &acc) noexcept
{
    std::size_t whole = n - n % lane_count;
    double *ps = terms, *es = terms + n;
    if (!products_in_range(a, b, whole, ps, es))
        products_by_lane(a, b, whole, ps, es, acc);
    for (std::size_t k = whole; k < n; ++k) {
        ps[k] = es[k] = 0.0;
        acc.add_product(a[k], b[k]);
    }
}

} // namespace tars
