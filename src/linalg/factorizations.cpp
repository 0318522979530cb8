// factorizations.cpp -- LU, Cholesky, QR, SVD and symmetric eigenproblems
// in double-double arithmetic (factorizations.hpp).
#include "src/linalg/factorizations.hpp"

#include <algorithm>
#include <numeric>
#include <utility>

namespace tarsel_linalg {

namespace {

const float128 zero(0.0), one(1.0), two(2.0);

// The unit roundoff of double-double arithmetic, 2^-104.
const float128 unit_roundoff(0x1p-104);

// Sweeps of a Jacobi method before it reports no convergence; quadratic
// convergence needs well under 20 for any matrix of a size this library
// is used for.
constexpr int max_sweeps = 60;

float128 square(const float128 &x)
{
    return x * x;
}

// sqrt(1 + x^2) without overflow for large |x|.
float128 hypot_one(const float128 &x)
{
    float128 ax = tars::abs(x);
    if (ax > float128(0x1p500))
        return ax;
    return tars::sqrt(one + ax * ax);
}

// The Euclidean norm of count values, scaled by the largest so that
// neither the squares overflow nor underflow.
float128 norm(const float128 *x, std::ptrdiff_t count)
{
    float128 scale = zero;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        float128 size = tars::abs(x[i]);
        if (size > scale || tars::isnan(size))
            scale = size;
    }
    if (scale == zero || !tars::isfinite(scale))
        return scale;
    float128 sum = zero;
    for (std::ptrdiff_t i = 0; i < count; ++i)
        sum += square(x[i] / scale);
    return scale * tars::sqrt(sum);
}

dense transposed(const dense &a)
{
    dense t(a.cols, a.rows);
    for (std::ptrdiff_t i = 0; i < a.rows; ++i)
        for (std::ptrdiff_t j = 0; j < a.cols; ++j)
            t(j, i) = a(i, j);
    return t;
}

// LU with partial pivoting in place: the multipliers below the diagonal,
// U on and above it.  perm[i] is the original row now at row i; sign the
// permutation's sign.  singular when a pivot is exactly zero (the
// elimination goes on past it, so the determinant is still the product of
// the pivots).
outcome lu(dense &a, std::vector<std::ptrdiff_t> &perm, int &sign, interruption_check check)
{
    const std::ptrdiff_t n = a.rows;
    perm.resize(std::size_t(n));
    std::iota(perm.begin(), perm.end(), std::ptrdiff_t(0));
    sign = 1;
    bool regular = true;
    for (std::ptrdiff_t k = 0; k < n; ++k) {
        if (check.poll(check.context))
            return outcome::interrupted;
        std::ptrdiff_t p = k;
        for (std::ptrdiff_t i = k + 1; i < n; ++i)
            if (tars::abs(a(i, k)) > tars::abs(a(p, k)))
                p = i;
        if (p != k) {
            for (std::ptrdiff_t j = 0; j < n; ++j)
                std::swap(a(k, j), a(p, j));
            std::swap(perm[std::size_t(k)], perm[std::size_t(p)]);
            sign = -sign;
        }
        if (a(k, k) == zero) {
            regular = false;
            continue;
        }
        for (std::ptrdiff_t i = k + 1; i < n; ++i) {
            float128 m = a(i, k) / a(k, k);
            a(i, k) = m;
            for (std::ptrdiff_t j = k + 1; j < n; ++j)
                a(i, j) -= m * a(k, j);
        }
    }
    return regular ? outcome::ok : outcome::singular;
}

// X from the LU factors and the right-hand sides B (n x r).
dense lu_solve(const dense &f, const std::vector<std::ptrdiff_t> &perm, const dense &b)
{
    const std::ptrdiff_t n = f.rows, r = b.cols;
    dense x(n, r);
    for (std::ptrdiff_t i = 0; i < n; ++i)
        for (std::ptrdiff_t j = 0; j < r; ++j)
            x(i, j) = b(perm[std::size_t(i)], j);
    for (std::ptrdiff_t i = 0; i < n; ++i)
        for (std::ptrdiff_t k = 0; k < i; ++k)
            for (std::ptrdiff_t j = 0; j < r; ++j)
                x(i, j) -= f(i, k) * x(k, j);
    for (std::ptrdiff_t i = n - 1; i >= 0; --i) {
        for (std::ptrdiff_t k = i + 1; k < n; ++k)
            for (std::ptrdiff_t j = 0; j < r; ++j)
                x(i, j) -= f(i, k) * x(k, j);
        for (std::ptrdiff_t j = 0; j < r; ++j)
            x(i, j) /= f(i, i);
    }
    return x;
}

// The rotation (c, s) with tangent t = sign(zeta) / (|zeta| + sqrt(1 + zeta^2)),
// the smaller root of t^2 + 2 zeta t - 1 = 0.
void rotation(const float128 &zeta, float128 &c, float128 &s)
{
    float128 t = one / (tars::abs(zeta) + hypot_one(zeta));
    if (zeta < zero)
        t = -t;
    c = one / hypot_one(t);
    s = c * t;
}

// Rows p and q of m (columns of the matrix m stores transposed) turned by
// (c, s): x_p = c x_p - s x_q, x_q = s x_p + c x_q.
void rotate_rows(dense &m, std::ptrdiff_t p, std::ptrdiff_t q, const float128 &c, const float128 &s)
{
    for (std::ptrdiff_t k = 0; k < m.cols; ++k) {
        float128 x = m(p, k), y = m(q, k);
        m(p, k) = c * x - s * y;
        m(q, k) = s * x + c * y;
    }
}

// The order that sorts values (descending or ascending).
std::vector<std::ptrdiff_t> sorted_order(const std::vector<float128> &values, bool descending)
{
    std::vector<std::ptrdiff_t> order(values.size());
    std::iota(order.begin(), order.end(), std::ptrdiff_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::ptrdiff_t i, std::ptrdiff_t j) {
        return descending ? values[std::size_t(i)] > values[std::size_t(j)]
                          : values[std::size_t(i)] < values[std::size_t(j)];
    });
    return order;
}

// One-sided Jacobi on the rows of w (the columns of A, m >= n): rotations
// of pairs of rows until every pair is orthogonal to about m u; v
// accumulates the same rotations.
outcome orthogonalize(dense &w, dense &v, interruption_check check)
{
    const std::ptrdiff_t n = w.rows, m = w.cols;
    const float128 tolerance = unit_roundoff * float128(double(m > 1 ? m : 1));
    // The squared lengths of the rows, computed afresh each sweep and
    // updated after each rotation (alpha - t gamma and beta + t gamma, t the
    // rotation's tangent), which saves two of the three sums per pair.
    std::vector<float128> squared(static_cast<std::size_t>(n));
    for (int sweep = 0; sweep < max_sweeps; ++sweep) {
        bool rotated = false;
        for (std::ptrdiff_t p = 0; p < n; ++p) {
            float128 sum = zero;
            for (std::ptrdiff_t k = 0; k < m; ++k)
                sum += square(w(p, k));
            squared[std::size_t(p)] = sum;
        }
        for (std::ptrdiff_t p = 0; p + 1 < n; ++p) {
            if (check.poll(check.context))
                return outcome::interrupted;
            for (std::ptrdiff_t q = p + 1; q < n; ++q) {
                float128 &alpha = squared[std::size_t(p)], &beta = squared[std::size_t(q)];
                float128 gamma = zero;
                for (std::ptrdiff_t k = 0; k < m; ++k)
                    gamma += w(p, k) * w(q, k);
                if (!(tars::abs(gamma) > tolerance * tars::sqrt(alpha) * tars::sqrt(beta)))
                    continue;
                rotated = true;
                float128 c, s;
                rotation((beta - alpha) / (two * gamma), c, s);
                rotate_rows(w, p, q, c, s);
                rotate_rows(v, p, q, c, s);
                float128 t = s / c;
                alpha -= t * gamma;
                beta += t * gamma;
            }
        }
        if (!rotated)
            return outcome::ok;
    }
    return outcome::no_convergence;
}

// Columns from `first` on of rows c, c + 1, ... of m multiplied by the
// reflector I - 2 v v^T / vv, whose v starts at row c.
void reflect(dense &m, const std::vector<float128> &v, const float128 &vv, std::ptrdiff_t c, std::ptrdiff_t first)
{
    for (std::ptrdiff_t j = first; j < m.cols; ++j) {
        float128 dot = zero;
        for (std::ptrdiff_t i = c; i < m.rows; ++i)
            dot += v[std::size_t(i - c)] * m(i, j);
        float128 f = two * dot / vv;
        for (std::ptrdiff_t i = c; i < m.rows; ++i)
            m(i, j) -= f * v[std::size_t(i - c)];
    }
}

bool has_nan(const dense &a)
{
    return std::any_of(a.v.begin(), a.v.end(), [](const float128 &x) { return tars::isnan(x); });
}

// A rows x cols matrix of NaN.
dense nan_matrix(std::ptrdiff_t rows, std::ptrdiff_t cols)
{
    dense m(rows, cols);
    std::fill(m.v.begin(), m.v.end(), zero / zero);
    return m;
}

} // namespace

dense from_pairs(const double *pairs, std::ptrdiff_t rows, std::ptrdiff_t cols)
{
    dense m(rows, cols);
    for (std::size_t i = 0; i < m.v.size(); ++i)
        m.v[i] = float128(tarsel_from_hi_lo(pairs[2 * i], pairs[2 * i + 1]));
    return m;
}

void to_pairs(const dense &m, double *pairs)
{
    for (std::size_t i = 0; i < m.v.size(); ++i)
        tarsel_extract(m.v[i].data, &pairs[2 * i], &pairs[2 * i + 1]);
}

outcome solve(dense a, dense &b, interruption_check check)
{
    std::vector<std::ptrdiff_t> perm;
    int sign;
    outcome o = lu(a, perm, sign, check);
    if (o == outcome::ok)
        b = lu_solve(a, perm, b);
    return o;
}

outcome inverse(const dense &a, dense &inv, interruption_check check)
{
    inv = dense(a.rows, a.rows);
    for (std::ptrdiff_t i = 0; i < a.rows; ++i)
        inv(i, i) = one;
    return solve(a, inv, check);
}

outcome determinant(dense a, float128 &det, interruption_check check)
{
    std::vector<std::ptrdiff_t> perm;
    int sign;
    if (lu(a, perm, sign, check) == outcome::interrupted)
        return outcome::interrupted;
    det = float128(double(sign));
    for (std::ptrdiff_t i = 0; i < a.rows; ++i)
        det *= a(i, i);
    return outcome::ok;
}

outcome cholesky(const dense &a, dense &l, interruption_check check)
{
    const std::ptrdiff_t n = a.rows;
    l = dense(n, n);
    for (std::ptrdiff_t j = 0; j < n; ++j) {
        if (check.poll(check.context))
            return outcome::interrupted;
        float128 d = a(j, j);
        for (std::ptrdiff_t k = 0; k < j; ++k)
            d -= square(l(j, k));
        if (!(d > zero))
            return outcome::not_positive_definite;
        l(j, j) = tars::sqrt(d);
        for (std::ptrdiff_t i = j + 1; i < n; ++i) {
            float128 x = a(i, j);
            for (std::ptrdiff_t k = 0; k < j; ++k)
                x -= l(i, k) * l(j, k);
            l(i, j) = x / l(j, j);
        }
    }
    return outcome::ok;
}

outcome qr(const dense &a, dense *q, dense &r, bool complete, interruption_check check)
{
    const std::ptrdiff_t m = a.rows, n = a.cols, k = std::min(m, n);
    dense work = a;
    std::vector<std::vector<float128>> reflectors;
    for (std::ptrdiff_t c = 0; c < k; ++c) {
        if (check.poll(check.context))
            return outcome::interrupted;
        // The reflector H = I - 2 v v^T / (v^T v) that maps column c below
        // the diagonal onto a multiple of e_c.
        std::vector<float128> v(static_cast<std::size_t>(m - c));
        for (std::ptrdiff_t i = c; i < m; ++i)
            v[std::size_t(i - c)] = work(i, c);
        float128 length = norm(v.data(), m - c);
        if (length == zero || !tars::isfinite(length)) {
            reflectors.emplace_back();
            continue;
        }
        v[0] += v[0] < zero ? -length : length;
        float128 vv = zero;
        for (const float128 &x : v)
            vv += square(x);
        reflect(work, v, vv, c, c);
        for (std::ptrdiff_t i = c + 1; i < m; ++i)
            work(i, c) = zero;
        v.push_back(vv);   // v^T v, kept with its reflector
        reflectors.push_back(std::move(v));
    }
    const std::ptrdiff_t columns = complete ? m : k;
    r = dense(columns, n);
    for (std::ptrdiff_t i = 0; i < k; ++i)
        for (std::ptrdiff_t j = i; j < n; ++j)
            r(i, j) = work(i, j);
    if (!q)
        return outcome::ok;
    // Q = H_0 H_1 ... H_{k-1} applied to the first columns of I.
    *q = dense(m, columns);
    for (std::ptrdiff_t i = 0; i < columns; ++i)
        (*q)(i, i) = one;
    for (std::ptrdiff_t c = k - 1; c >= 0; --c) {
        const std::vector<float128> &v = reflectors[std::size_t(c)];
        if (!v.empty())
            reflect(*q, v, v.back(), c, 0);
    }
    return outcome::ok;
}

outcome svd(const dense &a, std::vector<float128> &s, dense *u, dense *vt, interruption_check check)
{
    // The taller orientation B (m x n, m >= n) is first factored B = Q R;
    // one-sided Jacobi then turns the rows of R (the columns of R^T), which
    // converges in far fewer sweeps than on B itself (Drmac and Veselic,
    // SIAM J. Matrix Anal. Appl. 29(4), 2008).  With W = Rot R the rows of W
    // orthogonal, R = Rot^T diag(|w_j|) (rows w_j / |w_j|), so B's left
    // singular vectors are the columns of Q Rot^T and its right ones the
    // normalized rows of W.
    const bool vectors = u && vt;
    if (has_nan(a)) {   // no rotation can be trusted: NaN everywhere
        const std::ptrdiff_t k = std::min(a.rows, a.cols);
        s.assign(std::size_t(k), zero / zero);
        if (vectors) {
            *u = nan_matrix(a.rows, k);
            *vt = nan_matrix(k, a.cols);
        }
        return outcome::ok;
    }
    const bool wide = a.rows < a.cols;
    const dense tall = wide ? transposed(a) : a;
    const std::ptrdiff_t m = tall.rows, n = tall.cols;
    dense q, w;
    outcome status = qr(tall, vectors ? &q : nullptr, w, false, check);
    if (status == outcome::interrupted)
        return status;
    dense v(n, n);
    for (std::ptrdiff_t i = 0; i < n; ++i)
        v(i, i) = one;
    status = orthogonalize(w, v, check);
    if (status == outcome::interrupted)
        return status;
    std::vector<float128> lengths(static_cast<std::size_t>(n));
    for (std::ptrdiff_t j = 0; j < n; ++j)
        lengths[std::size_t(j)] = norm(&w(j, 0), n);
    std::vector<std::ptrdiff_t> order = sorted_order(lengths, true);
    s.resize(std::size_t(n));
    for (std::ptrdiff_t j = 0; j < n; ++j)
        s[std::size_t(j)] = lengths[std::size_t(order[std::size_t(j)])];
    if (vectors) {
        dense left(m, n), right(n, n);   // B = left diag(s) right^T
        for (std::ptrdiff_t j = 0; j < n; ++j) {
            std::ptrdiff_t from = order[std::size_t(j)];
            float128 length = lengths[std::size_t(from)];
            for (std::ptrdiff_t i = 0; i < n; ++i)
                right(i, j) = length == zero ? (i == j ? one : zero) : w(from, i) / length;
            for (std::ptrdiff_t i = 0; i < m; ++i) {
                float128 x = zero;
                for (std::ptrdiff_t t = 0; t < n; ++t)
                    x += q(i, t) * v(from, t);
                left(i, j) = x;
            }
        }
        // A = B, or A = B^T when A is wide.
        *u = wide ? right : left;
        *vt = wide ? transposed(left) : transposed(right);
    }
    return status;
}

outcome eigh(const dense &a, std::vector<float128> &w, dense *vectors, interruption_check check)
{
    const std::ptrdiff_t n = a.rows;
    dense s(n, n), vt(n, n);   // vt: the eigenvectors as rows
    bool nan_entry = false;
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        for (std::ptrdiff_t j = 0; j <= i; ++j) {
            s(i, j) = s(j, i) = a(i, j);
            nan_entry = nan_entry || tars::isnan(a(i, j));
        }
        vt(i, i) = one;
    }
    if (nan_entry) {   // no rotation can be trusted: NaN everywhere
        w.assign(std::size_t(n), zero / zero);
        if (vectors)
            *vectors = nan_matrix(n, n);
        return outcome::ok;
    }
    outcome status = outcome::no_convergence;
    for (int sweep = 0; sweep < max_sweeps && status != outcome::ok; ++sweep) {
        bool rotated = false;
        for (std::ptrdiff_t p = 0; p + 1 < n; ++p) {
            if (check.poll(check.context))
                return outcome::interrupted;
            for (std::ptrdiff_t q = p + 1; q < n; ++q) {
                float128 apq = s(p, q);
                if (!(tars::abs(apq) > unit_roundoff * tars::sqrt(tars::abs(s(p, p))) * tars::sqrt(tars::abs(s(q, q))))) {
                    if (apq != zero && !tars::isnan(apq))
                        s(p, q) = s(q, p) = zero;
                    continue;
                }
                rotated = true;
                float128 c, sn;
                rotation((s(q, q) - s(p, p)) / (two * apq), c, sn);
                float128 t = sn / c;
                s(p, p) -= t * apq;
                s(q, q) += t * apq;
                s(p, q) = s(q, p) = zero;
                for (std::ptrdiff_t r = 0; r < n; ++r) {
                    if (r == p || r == q)
                        continue;
                    float128 g = s(r, p), h = s(r, q);
                    s(r, p) = s(p, r) = c * g - sn * h;
                    s(r, q) = s(q, r) = sn * g + c * h;
                }
                rotate_rows(vt, p, q, c, sn);
            }
        }
        if (!rotated)
            status = outcome::ok;
    }
    std::vector<float128> diagonal(static_cast<std::size_t>(n));
    for (std::ptrdiff_t i = 0; i < n; ++i)
        diagonal[std::size_t(i)] = s(i, i);
    std::vector<std::ptrdiff_t> order = sorted_order(diagonal, false);
    w.resize(std::size_t(n));
    if (vectors)
        *vectors = dense(n, n);
    for (std::ptrdiff_t j = 0; j < n; ++j) {
        w[std::size_t(j)] = diagonal[std::size_t(order[std::size_t(j)])];
        if (vectors)
            for (std::ptrdiff_t i = 0; i < n; ++i)
                (*vectors)(i, j) = vt(order[std::size_t(j)], i);
    }
    return status;
}

} // namespace tarsel_linalg
