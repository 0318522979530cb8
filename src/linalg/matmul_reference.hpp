// matmul_reference.hpp -- the matrix product entry by entry with the scalar
// layer: the sequence every kernel reproduces (matmul.hpp).
#ifndef TARSEL_LINALG_MATMUL_REFERENCE_HPP
#define TARSEL_LINALG_MATMUL_REFERENCE_HPP

#include <cstring>

#include "tarsel/tarsel.h"
#include "src/linalg/matmul.hpp"

namespace tarsel_linalg {

inline tarsel load_element(const char *e)
{
    double hi, lo;
    std::memcpy(&hi, e, 8);
    std::memcpy(&lo, e + 8, 8);
    return tarsel_from_hi_lo(hi, lo);
}

inline void store_element(char *e, tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    std::memcpy(e, &hi, 8);
    std::memcpy(e + 8, &lo, 8);
}

// Entries (i, j) of C for rows [begin, end) and columns [j_begin, j_end).
inline void reference_matmul(const matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end,
                             std::ptrdiff_t j_begin, std::ptrdiff_t j_end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i) {
        const char *row = ops.a.base + i * ops.a.row_step;
        for (std::ptrdiff_t j = j_begin; j < j_end; ++j) {
            const char *column = ops.b.base + j * ops.b.col_step;
            tarsel c = tarsel_from_hi_lo(0.0, 0.0);
            for (std::ptrdiff_t t = 0; t < ops.k; ++t) {
                tarsel p = tarsel_mul(load_element(row + t * ops.a.col_step),
                                      load_element(column + t * ops.b.row_step));
                c = t == 0 ? p : tarsel_add(c, p);
            }
            store_element(ops.c.base + i * ops.c.row_step + j * ops.c.col_step, c);
        }
    }
}

} // namespace tarsel_linalg

#endif // TARSEL_LINALG_MATMUL_REFERENCE_HPP
