// reductions.hpp -- exact sums and dot products of arrays of doubles and of
// double-double rows, added into a superaccumulator with the engine's
// kernels and threads.
//
// Every function adds the exact value of its terms, so the rounded result
// depends on nothing but the multiset of terms: not on their order, on how
// the work is split into calls, blocks or threads, nor on the instruction
// set that ran it.  A call that the check interrupts leaves acc unchanged.
#ifndef TARSEL_REDUCTIONS_HPP
#define TARSEL_REDUCTIONS_HPP

#include <cstddef>
#include <cstring>

#include "src/engine/dispatch.hpp"
#include "tarsel/tarsel_superacc.hpp"

namespace tars {

// count doubles, the i-th at base + i * stride bytes, as NumPy lays out one
// dimension of an array: the stride may be negative, zero or not a multiple
// of 8, and the doubles need not be aligned.
struct strided_doubles {
    const char *base;
    std::ptrdiff_t count;
    std::ptrdiff_t stride;

    double at(std::ptrdiff_t i) const
    {
        double x;
        std::memcpy(&x, base + i * stride, sizeof x);
        return x;
    }
};

// count double-double rows (hi, lo): row i starts at base + i * row_stride
// bytes and its lo lies col_stride bytes after its hi.
struct strided_rows {
    const char *base;
    std::ptrdiff_t count;
    std::ptrdiff_t row_stride;
    std::ptrdiff_t col_stride;

    // Column 0 holds the high parts, column 1 the low parts.
    strided_doubles column(int c) const { return {base + c * col_stride, count, row_stride}; }
};

using tarsel_engine::engine_settings;
using tarsel_engine::interruption_check;
using tarsel_engine::run_status;

// Adds every x[i] as a term.
run_status add_sum(superaccumulator &acc, strided_doubles x, const engine_settings &settings,
                   interruption_check check);

// Adds every exact product x[i] * y[i] as a term; x.count == y.count.
run_status add_dot(superaccumulator &acc, strided_doubles x, strided_doubles y, const engine_settings &settings,
                   interruption_check check);

// Adds both parts of every row as terms.
run_status add_row_sum(superaccumulator &acc, strided_rows a, const engine_settings &settings,
                       interruption_check check);

// Adds the exact products of the parts of a[i] and b[i], all four of them
// (hi * hi, hi * lo, lo * hi, lo * lo), as terms; a.count == b.count.
run_status add_row_dot(superaccumulator &acc, strided_rows a, strided_rows b, const engine_settings &settings,
                       interruption_check check);

} // namespace tars

#endif // TARSEL_REDUCTIONS_HPP
