// matmul.hpp -- matrix products of double-double values.
//
// Each entry of C = A B is a sum over k, in order, of double-double
// products: c = a_0 b_0, then c = c + a_t b_t for t = 1 .. k-1, with the
// scalar layer's tarsel_mul and tarsel_add (an empty sum is +0).  Every
// instruction set computes that very sequence for every entry, a vector
// lane per column of C, and every split over threads gives the same bits.
//
// The error of such a sum of n products is at most about (n + 2) u times
// the sum of |a_t b_t|, u = 2^-104 (the recursive-summation bound of
// Higham, "Accuracy and Stability of Numerical Algorithms", 2nd ed., sec.
// 3.1, with double-double's unit roundoff; Joldes, Muller and Popescu,
// "Tight and rigorous error bounds for basic building blocks of double-word
// arithmetic", ACM TOMS 44(2), 2017, bound each double-word addition and
// product by a small multiple of u).
#ifndef TARSEL_LINALG_MATMUL_HPP
#define TARSEL_LINALG_MATMUL_HPP

#include <cstddef>

#include "src/engine/dispatch.hpp"

namespace tarsel_linalg {

// The elements of a matrix: element (i, j) is the pair (hi, lo) of doubles
// at base + i * row_step + j * col_step, the lo 8 bytes after the hi.  Any
// strides, no alignment.
struct matrix_view {
    const char *base;
    std::ptrdiff_t row_step, col_step;
};

struct matrix_out {
    char *base;
    std::ptrdiff_t row_step, col_step;
};

// C (n x m) = A (n x k) B (k x m).  C must not overlap A or B.
struct matmul_operands {
    matrix_view a, b;
    matrix_out c;
    std::ptrdiff_t n, k, m;
};

// One step of an entry: out = a b (first) or acc + a b, each operand a
// pair (hi, lo), by the scalar layer.  Compiled once, out of line, and
// called by the reference and by every kernel for a lane it does not
// compute itself: which NaN survives an operation on two NaNs depends on
// the operand order the compiler picks, and two copies could pick
// differently.
void reference_step(const double *acc, const double *a, const double *b, bool first, double *out);

// Entries (i, j) of C for rows [begin, end) and columns [j_begin, j_end),
// step by step with reference_step.
void reference_matmul(const matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end, std::ptrdiff_t j_begin,
                      std::ptrdiff_t j_end);

// Computes rows [begin, end) of C.
using matmul_kernel = void (*)(const matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end);

extern const matmul_kernel scalar_matmul;
extern const matmul_kernel sse2_matmul;
extern const matmul_kernel avx2_matmul;
extern const matmul_kernel avx512_matmul;

// C = A B with the kernel and threads of `settings` (threads for products
// of about 2^21 multiply-adds and more), the calling thread polling `check`.
tarsel_engine::run_status matmul(const matmul_operands &ops, const tarsel_engine::engine_settings &settings,
                                 tarsel_engine::interruption_check check);

// C = A B with every entry the exact sum of its k products (all four
// products of the parts of each pair), rounded once: the superaccumulator's
// dot product per entry, the rows of C split over threads.
tarsel_engine::run_status matmul_exact(const matmul_operands &ops, const tarsel_engine::engine_settings &settings,
                                       tarsel_engine::interruption_check check);

} // namespace tarsel_linalg

#endif // TARSEL_LINALG_MATMUL_HPP
