// rows_scalar.cpp -- the per-row reference loop of the array functions: one
// scalar double-double computation per row, the result every vector kernel
// must reproduce bit for bit.
#include <cstring>

#include "tarsel/tarsel_math.h"
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

// Every entry by its function, so that no position can be mixed up; built
// at compile time, so the table is ready before any code runs.
constexpr tarsel_engine::kernel_table reference_table()
{
    using f = tarsel_engine::array_function;
    tarsel_engine::kernel_table t = {};
    t.run[int(f::add)] = &combine_rows<tarsel_add>;
    t.run[int(f::sub)] = &combine_rows<tarsel_sub>;
    t.run[int(f::mul)] = &combine_rows<tarsel_mul>;
    t.run[int(f::div)] = &combine_rows<tarsel_div>;
    t.run[int(f::pow)] = &combine_rows<tarsel_pow>;
    t.run[int(f::atan2)] = &combine_rows<tarsel_atan2>;
    t.run[int(f::fmod)] = &combine_rows<tarsel_fmod>;
    t.run[int(f::sin)] = &map_rows<tarsel_sin>;
    t.run[int(f::cos)] = &map_rows<tarsel_cos>;
    t.run[int(f::exp)] = &map_rows<tarsel_exp>;
    t.run[int(f::log)] = &map_rows<tarsel_log>;
    t.run[int(f::sqrt)] = &map_rows<tarsel_sqrt>;
    t.run[int(f::tan)] = &map_rows<tarsel_tan>;
    t.run[int(f::atan)] = &map_rows<tarsel_atan>;
    t.run[int(f::asin)] = &map_rows<tarsel_asin>;
    t.run[int(f::acos)] = &map_rows<tarsel_acos>;
    t.run[int(f::sinh)] = &map_rows<tarsel_sinh>;
    t.run[int(f::cosh)] = &map_rows<tarsel_cosh>;
    t.run[int(f::tanh)] = &map_rows<tarsel_tanh>;
    t.run[int(f::abs)] = &map_rows<tarsel_abs>;
    t.run[int(f::floor)] = &map_rows<tarsel_floor>;
    t.run[int(f::ceil)] = &map_rows<tarsel_ceil>;
    t.run[int(f::trunc)] = &map_rows<tarsel_trunc>;
    t.run[int(f::round)] = &map_rows<tarsel_round>;
    t.run[int(f::neg)] = &map_rows<tarsel_neg>;
    return t;
}

} // namespace

const tarsel_engine::kernel_table tarsel_engine::scalar_kernels = reference_table();
