// rows_scalar.cpp -- the per-row reference loop of the array functions: one
// scalar double-double computation per row, the result every vector kernel
// must reproduce bit for bit.
#include <cstring>

#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_erf_gamma.h"
#include "tarsel/tarsel_parts.h"
#include "src/engine/dispatch.hpp"

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

// The loop of a row of the table, chosen by the scalar function's type,
// which must take as many operands as the row's arity says.
template <int Arity, tarsel (*op)(tarsel, tarsel)>
constexpr tarsel_engine::rows_kernel reference_loop_of()
{
    static_assert(Arity == 2, "a two-operand scalar function in a one-operand row");
    return &combine_rows<op>;
}

template <int Arity, tarsel (*op)(tarsel)>
constexpr tarsel_engine::rows_kernel reference_loop_of()
{
    static_assert(Arity == 1, "a one-operand scalar function in a two-operand row");
    return &map_rows<op>;
}

// One entry per row of the function table, in the order of the enum; built
// at compile time, so the table is ready before any code runs.
constexpr tarsel_engine::kernel_table reference_table()
{
#define TARSEL_REFERENCE_LOOP(name, arity, scalar, kernel, min_rows, ufuncs, doc) reference_loop_of<arity, scalar>(),
    return {{TARSEL_ARRAY_FUNCTIONS(TARSEL_REFERENCE_LOOP)}};
#undef TARSEL_REFERENCE_LOOP
}

} // namespace

const tarsel_engine::kernel_table tarsel_engine::scalar_kernels = reference_table();
