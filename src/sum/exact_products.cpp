// exact_products.cpp -- the reference kernel of the dot products: every
// product through the superaccumulator's own exact product.
#include "src/sum/exact_products.hpp"

namespace {

void reference_products(const double *a, const double *b, std::size_t n, double *ps, double *es,
                        tars::superaccumulator &acc)
{
    for (std::size_t k = 0; k < n; ++k) {
        ps[k] = es[k] = 0.0;
        acc.add_product(a[k], b[k]);
    }
}

} // namespace

const tarsel_engine::products_kernel tarsel_engine::scalar_products = &reference_products;
