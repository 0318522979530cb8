// exact_products.hpp -- the kernels that split products of two doubles into
// exact pairs p + e for the dot products, one per instruction set.
#ifndef TARSEL_EXACT_PRODUCTS_HPP
#define TARSEL_EXACT_PRODUCTS_HPP

#include <cstddef>

#include "tarsel/tarsel_superacc.hpp"

namespace tarsel_engine {

// For k < n: a[k] * b[k] = ps[k] + es[k] exactly, the rounded product and its
// error; or both are zeros and the product went into acc through
// add_product (factors outside the range where Dekker's product is exact,
// infinities and NaNs).
using products_kernel = void (*)(const double *a, const double *b, std::size_t n, double *ps, double *es,
                                 tars::superaccumulator &acc);

// The reference, every product through add_product, and the lanes of each
// instruction set (product_lanes.hpp; callable only where the processor has
// it).  Chosen by products_for (dispatch.hpp).
extern const products_kernel scalar_products;
extern const products_kernel sse2_products;
extern const products_kernel avx2_products;
extern const products_kernel avx512_products;

} // namespace tarsel_engine

#endif // TARSEL_EXACT_PRODUCTS_HPP
