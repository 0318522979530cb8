// lane_rows.hpp -- feeding rows to the kernels of lanes.hpp.
//
// Rows are taken L at a time (the last vector of a range may be partial, its
// missing lanes filled with 1.0), a kernel computes them, and every lane the
// kernel leaves to the scalar function, or whose row or result holds an
// infinity or a NaN, is recomputed by the per-row reference loop.  That is
// the very machine code of the reference, not the scalar function inlined
// here again: which NaN payload survives an operation on two NaNs depends on
// the operand order the compiler picks, and two copies could pick
// differently.  So every NaN of a result is the reference's, and every other
// result has been checked against the scalar function's branches.
//
// Included by the translation unit of each instruction set, which builds its
// kernel table with lane_kernel_table<V>().
#ifndef TARSEL_LANE_ROWS_HPP
#define TARSEL_LANE_ROWS_HPP

#include <cstring>
#include <type_traits>
#include <utility>

#include "src/engine/lanes.hpp"
#include "src/engine/lanes_hyperbolic.hpp"
#include "src/engine/lanes_inverse.hpp"
#include "src/engine/lanes_libm.hpp"
#include "src/engine/lanes_rounding.hpp"
#include "src/engine/dispatch.hpp"

namespace tarsel_lanes {
namespace {

/* --- reading and writing rows --- */

// Rows at any byte offsets, each double read on its own.
struct strided_rows {
    const char *base;
    std::ptrdiff_t row_step, col_step;

    // `count` rows from row i on; lanes past them hold 1.0.
    template <class V>
    dd<V> load_lanes(std::ptrdiff_t i, int count) const
    {
        dd<V> x = broadcast<V>(1.0, 0.0);
        for (int j = 0; j < count; ++j) {
            const char *row = base + (i + j) * row_step;
            double hi, lo;
            std::memcpy(&hi, row, sizeof hi);
            std::memcpy(&lo, row + col_step, sizeof lo);
            x.hi[j] = hi;
            x.lo[j] = lo;
        }
        return x;
    }
};

template <class V, std::size_t... J>
inline V even_lanes(V first, V second, std::index_sequence<J...>)
{
#if defined(__clang__)
    return __builtin_shufflevector(first, second, int(2 * J)...);
#else
    return __builtin_shuffle(first, second, mask_t<V>{std::int64_t(2 * J)...});
#endif
}

template <class V, std::size_t... J>
inline V odd_lanes(V first, V second, std::index_sequence<J...>)
{
#if defined(__clang__)
    return __builtin_shufflevector(first, second, int(2 * J + 1)...);
#else
    return __builtin_shuffle(first, second, mask_t<V>{std::int64_t(2 * J + 1)...});
#endif
}

// Position p of the interleaved (hi, lo) pairs starting at pair `first`:
// hi of pair first + p/2 for even p, its lo (lane L onwards) for odd p.
template <class V>
constexpr int interleaved(int first, int p)
{
    return (p % 2 ? lane_count<V> : 0) + first + p / 2;
}

template <int First, class V, std::size_t... P>
inline V interleave(V hi, V lo, std::index_sequence<P...>)
{
#if defined(__clang__)
    return __builtin_shufflevector(hi, lo, interleaved<V>(First, int(P))...);
#else
    return __builtin_shuffle(hi, lo, mask_t<V>{std::int64_t(interleaved<V>(First, int(P)))...});
#endif
}

// C-contiguous rows: row i is the two doubles at base + 16 i.
struct contiguous_rows {
    const char *base;

    template <class V>
    dd<V> load_lanes(std::ptrdiff_t i, int count) const
    {
        if (count < lane_count<V>)
            return strided_rows{base, 16, 8}.load_lanes<V>(i, count);
        V first, second;
        std::memcpy(&first, base + 16 * i, sizeof first);
        std::memcpy(&second, base + 16 * i + sizeof first, sizeof second);
        auto lanes = std::make_index_sequence<lane_count<V>>{};
        return {even_lanes(first, second, lanes), odd_lanes(first, second, lanes)};
    }
};

// The first `count` lanes as rows i, i + 1, ... of out.
template <class V>
inline void store_lanes(double *out, std::ptrdiff_t i, dd<V> r, int count)
{
    double *rows = out + 2 * i;
    if (count < lane_count<V>) {
        for (int j = 0; j < count; ++j) {
            rows[2 * j] = r.hi[j];
            rows[2 * j + 1] = r.lo[j];
        }
        return;
    }
    auto lanes = std::make_index_sequence<lane_count<V>>{};
    V first = interleave<0>(r.hi, r.lo, lanes);
    V second = interleave<lane_count<V> / 2>(r.hi, r.lo, lanes);
    std::memcpy(rows, &first, sizeof first);
    std::memcpy(rows + lane_count<V>, &second, sizeof second);
}

template <class V>
inline mask_t<V> not_finite(dd<V> x)
{
    return ~(is_finite(x.hi) & is_finite(x.lo));
}

/* --- the loops --- */

// The lanes of `to_scalar` among the first `count` from row i replaced by
// the reference loop's rows, so that each row is stored once.  Padding lanes
// may be set too; only the real ones are looked at.
template <class V, class F>
void recompute_lanes(dd<V> &r, mask_t<V> to_scalar, int count, tarsel_engine::row_view a,
                     tarsel_engine::row_view b, std::ptrdiff_t i)
{
    const tarsel_engine::rows_kernel reference = tarsel_engine::scalar_kernels.run[int(F::function)];
    auto at_row = [](tarsel_engine::row_view v, std::ptrdiff_t k) {
        return tarsel_engine::row_view{v.base + k * v.row_step, v.row_step, v.col_step};
    };
    for (int j = 0; j < count; ++j) {
        if (!to_scalar[j])
            continue;
        double row[2];
        reference(at_row(a, i + j), at_row(b, i + j), row, 0, 1);
        r.hi[j] = row[0];
        r.lo[j] = row[1];
    }
}

template <class V, class F, class RowsA, class RowsB>
[[gnu::flatten]] void combine_lanes(RowsA a, RowsB b, tarsel_engine::row_view a_view,
                                    tarsel_engine::row_view b_view, double *out,
                                    std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; i += lane_count<V>) {
        int count = end - i < lane_count<V> ? int(end - i) : lane_count<V>;
        dd<V> x = a.template load_lanes<V>(i, count), y = b.template load_lanes<V>(i, count);
        mask_t<V> to_scalar = not_finite(x) | not_finite(y);
        dd<V> r = F::lanes(x, y, to_scalar);
        to_scalar |= not_finite(r);
        if (any_lane<V>(to_scalar))
            recompute_lanes<V, F>(r, to_scalar, count, a_view, b_view, i);
        store_lanes(out, i, r, count);
    }
}

template <class V, class F, class Rows>
[[gnu::flatten]] void map_lanes(Rows a, tarsel_engine::row_view a_view, double *out,
                                std::ptrdiff_t begin, std::ptrdiff_t end)
{
    for (std::ptrdiff_t i = begin; i < end; i += lane_count<V>) {
        int count = end - i < lane_count<V> ? int(end - i) : lane_count<V>;
        dd<V> x = a.template load_lanes<V>(i, count);
        mask_t<V> to_scalar = not_finite(x);
        dd<V> r = F::lanes(x, to_scalar);
        to_scalar |= not_finite(r);
        if (any_lane<V>(to_scalar))
            recompute_lanes<V, F>(r, to_scalar, count, a_view, a_view, i);
        store_lanes(out, i, r, count);
    }
}

inline bool is_contiguous(tarsel_engine::row_view v)
{
    return v.row_step == 16 && v.col_step == 8;
}

template <class V, class F>
void combine_kernel(tarsel_engine::row_view a, tarsel_engine::row_view b, double *out,
                    std::ptrdiff_t begin, std::ptrdiff_t end)
{
    if (is_contiguous(a) && is_contiguous(b))
        combine_lanes<V, F>(contiguous_rows{a.base}, contiguous_rows{b.base}, a, b, out, begin, end);
    else
        combine_lanes<V, F>(strided_rows{a.base, a.row_step, a.col_step},
                            strided_rows{b.base, b.row_step, b.col_step}, a, b, out, begin, end);
}

template <class V, class F>
void map_kernel(tarsel_engine::row_view a, tarsel_engine::row_view, double *out,
                std::ptrdiff_t begin, std::ptrdiff_t end)
{
    if (is_contiguous(a))
        map_lanes<V, F>(contiguous_rows{a.base}, a, out, begin, end);
    else
        map_lanes<V, F>(strided_rows{a.base, a.row_step, a.col_step}, a, out, begin, end);
}

/* --- each array function: its kernel, and its index in the reference loop --- */

// The kernel column's entry for a function whose vector tables keep the
// reference loop itself (see function_table.hpp).
struct keeps_reference_loop {};

template <class... Lanes>
keeps_reference_loop reference_loop(Lanes &...)
{
    return {};
}

// One adapter per row of the table: its function, and its kernel called
// on the lanes.
#define TARSEL_LANE_ROWS(name, arity, scalar, kernel, min_rows, ufuncs, doc)                               \
    struct name##_rows {                                                                         \
        static constexpr tarsel_engine::array_function function = tarsel_engine::array_function::name; \
        template <class... Lanes>                                                                \
        static auto lanes(Lanes &...x)                                                           \
        {                                                                                        \
            return kernel(x...);                                                                 \
        }                                                                                        \
    };
TARSEL_ARRAY_FUNCTIONS(TARSEL_LANE_ROWS)
#undef TARSEL_LANE_ROWS

// A function without a vector kernel: the reference loop itself, looked up
// when called (its table is another translation unit's).
template <tarsel_engine::array_function F>
void reference_kernel(tarsel_engine::row_view a, tarsel_engine::row_view b, double *out, std::ptrdiff_t begin,
                      std::ptrdiff_t end)
{
    tarsel_engine::scalar_kernels.run[int(F)](a, b, out, begin, end);
}

template <class V, class F>
constexpr tarsel_engine::rows_kernel lane_entry()
{
    using x = dd<V> &;
    using m = mask_t<V> &;
    if constexpr (tarsel_engine::is_binary(F::function)) {
        using result = decltype(F::lanes(std::declval<x>(), std::declval<x>(), std::declval<m>()));
        if constexpr (std::is_same<result, keeps_reference_loop>::value)
            return &reference_kernel<F::function>;
        else
            return &combine_kernel<V, F>;
    } else {
        using result = decltype(F::lanes(std::declval<x>(), std::declval<m>()));
        if constexpr (std::is_same<result, keeps_reference_loop>::value)
            return &reference_kernel<F::function>;
        else
            return &map_kernel<V, F>;
    }
}

// One entry per row of the function table, in the order of the enum, built
// at compile time.
template <class V>
constexpr tarsel_engine::kernel_table lane_kernel_table()
{
#define TARSEL_LANE_ENTRY(name, arity, scalar, kernel, min_rows, ufuncs, doc) lane_entry<V, name##_rows>(),
    return {{TARSEL_ARRAY_FUNCTIONS(TARSEL_LANE_ENTRY)}};
#undef TARSEL_LANE_ENTRY
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LANE_ROWS_HPP
