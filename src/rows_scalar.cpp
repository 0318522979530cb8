// rows_scalar.cpp -- the per-row reference loop of the array functions: one
// scalar double-double computation per row, the result every vector kernel
// must reproduce bit for bit.
#include <cstring>

#include "../include/tarsel_math.h"
#include "dispatch.hpp"

namespace {

using tarsel_engine::row_view;

tarsel load_row(const row_view &v, std::ptrdiff_t i)
{
    const char *row = v.base + i * v.row_step;
    double hi, lo;
    std::memcpy(&hi, row, sizeof hi);
    std::memcpy(&lo, row + v.col_step, sizeof lo);
    return tarsel_from_hi_lo(hi, lo);
}

// The scalar function and everything it calls are inlined into the loop.
template <tarsel (*op)(tarsel, tarsel)>
[[gnu::flatten]] void combine_rows(row_view a, row_view b, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i)
        _mm_storeu_pd(out + 2 * i, op(load_row(a, i), load_row(b, i)));
}

template <tarsel (*op)(tarsel)>
[[gnu::flatten]] void map_rows(row_view a, row_view, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i)
        _mm_storeu_pd(out + 2 * i, op(load_row(a, i)));
}

} // namespace

// In the order of tarsel_engine::array_function.
const tarsel_engine::kernel_table tarsel_engine::scalar_kernels = {{
    &combine_rows<tarsel_add>,
    &combine_rows<tarsel_sub>,
    &combine_rows<tarsel_mul>,
    &combine_rows<tarsel_div>,
    &map_rows<tarsel_sin>,
    &map_rows<tarsel_cos>,
    &map_rows<tarsel_exp>,
    &map_rows<tarsel_log>,
}};
