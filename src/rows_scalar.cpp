// rows_scalar.cpp -- the per-row reference loop of the array functions: one
// scalar double-double computation per row, the result every vector kernel
// must reproduce bit for bit.
#include <cstring>

#include "../include/tarsel_math.h"
#include "dispatch.hpp"

namespace {

using tarsel_engine::row_view;

// Rows at any byte offsets, each double read on its own.
struct strided_rows {
    row_view v;

    tarsel load(std::ptrdiff_t i) const
    {
        const char *row = v.base + i * v.row_step;
        double hi, lo;
        std::memcpy(&hi, row, sizeof hi);
        std::memcpy(&lo, row + v.col_step, sizeof lo);
        return tarsel_from_hi_lo(hi, lo);
    }
};

// C-contiguous rows: row i is the 16 bytes at base + 16 i, loaded at once.
struct contiguous_rows {
    row_view v;

    tarsel load(std::ptrdiff_t i) const
    {
        return _mm_loadu_pd(reinterpret_cast<const double *>(v.base + 16 * i));
    }
};

bool is_contiguous(const row_view &v)
{
    return v.row_step == 16 && v.col_step == 8;
}

// The scalar function and everything it calls are inlined into the loop.
template <tarsel (*op)(tarsel, tarsel), class Rows>
[[gnu::flatten]] void combine_loop(Rows a, Rows b, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i)
        _mm_storeu_pd(out + 2 * i, op(a.load(i), b.load(i)));
}

template <tarsel (*op)(tarsel), class Rows>
[[gnu::flatten]] void map_loop(Rows a, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i)
        _mm_storeu_pd(out + 2 * i, op(a.load(i)));
}

template <tarsel (*op)(tarsel, tarsel)>
void combine_rows(row_view a, row_view b, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    if (is_contiguous(a) && is_contiguous(b))
        combine_loop<op>(contiguous_rows{a}, contiguous_rows{b}, out, begin, end);
    else
        combine_loop<op>(strided_rows{a}, strided_rows{b}, out, begin, end);
}

template <tarsel (*op)(tarsel)>
void map_rows(row_view a, row_view, double *out, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    if (is_contiguous(a))
        map_loop<op>(contiguous_rows{a}, out, begin, end);
    else
        map_loop<op>(strided_rows{a}, out, begin, end);
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
