// exact_products.hpp -- products of two doubles as exact pairs p + e, for
// the dot products.
#ifndef TARSEL_EXACT_PRODUCTS_HPP
#define TARSEL_EXACT_PRODUCTS_HPP

#include <cstddef>

#include "tarsel_superacc.hpp"

namespace tars {

// For k < n: a[k] * b[k] = terms[k] + terms[n + k] exactly, the rounded
// product and its error from Dekker's product.  A pair whose factors lie
// outside the range where that is exact (products that overflow or whose
// error would underflow, huge factors, infinities and NaNs) is added to acc
// through add_product instead, and its two terms are zeros.
void exact_products(const double *a, const double *b, std::size_t n, double *terms,
                    superaccumulator &acc) noexcept;

} // namespace tars

#endif // TARSEL_EXACT_PRODUCTS_HPP
