// factorizations.hpp -- dense linear algebra in double-double arithmetic:
// LU with partial pivoting, Cholesky, Householder QR, the SVD by one-sided
// Jacobi on the triangular factor of a QR, and cyclic Jacobi for symmetric
// eigenproblems.
//
// Every operation is the object layer's double-double arithmetic, in a
// fixed order, so results do not depend on the processor or on threads.
// The algorithms are the textbook ones (Golub and Van Loan, "Matrix
// Computations", 4th ed.: 3.4 LU with partial pivoting, 4.2 Cholesky, 5.2
// Householder QR, 8.5 Jacobi methods, 8.6.3 one-sided Jacobi SVD); their
// backward errors are a modest multiple of n u ||A||, u = 2^-104 here.
// One-sided Jacobi (Demmel and Veselic, SIAM J. Matrix Anal. Appl. 13(4),
// 1992) also finds the small singular values of a matrix whose columns are
// well conditioned after scaling to relative accuracy, and every singular
// value to about n u times the largest.
#ifndef TARSEL_LINALG_FACTORIZATIONS_HPP
#define TARSEL_LINALG_FACTORIZATIONS_HPP

#include <cstddef>
#include <vector>

#include "src/engine/dispatch.hpp"
#include "tarsel/tarsel.hpp"

namespace tarsel_linalg {

using tars::float128;

// A dense row-major matrix.
struct dense {
    std::ptrdiff_t rows = 0, cols = 0;
    std::vector<float128> v;

    dense() = default;
    dense(std::ptrdiff_t r, std::ptrdiff_t c) : rows(r), cols(c), v(std::size_t(r * c), float128(0.0)) {}

    float128 &operator()(std::ptrdiff_t i, std::ptrdiff_t j) { return v[std::size_t(i * cols + j)]; }
    const float128 &operator()(std::ptrdiff_t i, std::ptrdiff_t j) const { return v[std::size_t(i * cols + j)]; }
};

// From and to rows*cols pairs (hi, lo) of doubles in row-major order.
dense from_pairs(const double *pairs, std::ptrdiff_t rows, std::ptrdiff_t cols);
void to_pairs(const dense &m, double *pairs);

enum class outcome { ok, singular, not_positive_definite, no_convergence, interrupted };

// Every function below polls `check` once per column (or row of pairs) of
// its work and returns interrupted, with its outputs unspecified, when the
// check asks it to stop.
using tarsel_engine::interruption_check;

// Solves A X = B for square A; B is overwritten with X.  singular when a
// pivot is exactly zero (NaN entries give NaN results, not an error).
outcome solve(dense a, dense &b, interruption_check check);

// The inverse of square A, or singular.
outcome inverse(const dense &a, dense &inv, interruption_check check);

// The determinant of square A: the product of the pivots of its LU
// factors, with the sign of the row permutation.
outcome determinant(dense a, float128 &det, interruption_check check);

// The lower Cholesky factor L of symmetric A = L L^T (A's lower triangle is
// read), or not_positive_definite.
outcome cholesky(const dense &a, dense &l, interruption_check check);

// The QR factors of A (m x n): Q with orthonormal columns and R upper
// triangular; reduced, Q is m x k and R k x n, k = min(m, n); complete, Q
// is m x m and R m x n.  Q is formed only when q is given.
outcome qr(const dense &a, dense *q, dense &r, bool complete, interruption_check check);

// The singular values of A (m x n) in descending order, and with vectors
// the reduced U (m x k) and V^T (k x n), k = min(m, n).
outcome svd(const dense &a, std::vector<float128> &s, dense *u, dense *vt, interruption_check check);

// The eigenvalues of symmetric A in ascending order and, when v is given,
// the orthonormal eigenvectors as its columns (A's lower triangle is read).
outcome eigh(const dense &a, std::vector<float128> &w, dense *v, interruption_check check);

} // namespace tarsel_linalg

#endif // TARSEL_LINALG_FACTORIZATIONS_HPP
