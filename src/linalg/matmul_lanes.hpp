// matmul_lanes.hpp -- the matrix product over the lanes of a vector: one
// lane per column of C.
//
// A panel of B (all k rows of `width` columns) is copied once into
// contiguous high and low parts, then every row of A runs over it with the
// accumulators in registers.  Each step is the lanes' tarsel_mul and
// tarsel_add; a lane where the scalar function would take another branch
// (an infinity, a NaN, a product that needs rescaling) has that step done
// again by the reference's own step (reference_step, never inlined here),
// so every lane holds the bits of the reference sequence, NaN payloads
// included (matmul.hpp).  Columns past the last whole panel are computed
// by the reference.
//
// Included by the translation unit of each instruction set, which
// instantiates matmul_rows<V> with its own lane count.
#ifndef TARSEL_LINALG_MATMUL_LANES_HPP
#define TARSEL_LINALG_MATMUL_LANES_HPP

#include <cmath>
#include <cstring>
#include <vector>

#include "src/engine/lane_rows.hpp"
#include "src/engine/lanes.hpp"
#include "src/linalg/matmul.hpp"

namespace tarsel_lanes {
namespace {

// Vectors of columns per panel: the accumulators of one row stay in
// registers.
constexpr int panel_vectors = 2;

template <class V>
void matmul_rows(const tarsel_linalg::matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    constexpr int L = lane_count<V>;
    constexpr std::ptrdiff_t width = L * panel_vectors;
    const std::ptrdiff_t k = ops.k, whole = ops.m / width * width;
    if (k == 0 || whole == 0) {
        tarsel_linalg::reference_matmul(ops, begin, end, 0, ops.m);
        return;
    }
    std::vector<double> panel_hi(std::size_t(k * width)), panel_lo(std::size_t(k * width));
    for (std::ptrdiff_t j0 = 0; j0 < whole; j0 += width) {
        bool panel_finite = true;
        for (std::ptrdiff_t t = 0; t < k; ++t)
            for (std::ptrdiff_t j = 0; j < width; ++j) {
                const char *e = ops.b.base + t * ops.b.row_step + (j0 + j) * ops.b.col_step;
                double hi, lo;
                std::memcpy(&hi, e, 8);
                std::memcpy(&lo, e + 8, 8);
                panel_finite = panel_finite && std::isfinite(hi) && std::isfinite(lo);
                panel_hi[std::size_t(t * width + j)] = hi;
                panel_lo[std::size_t(t * width + j)] = lo;
            }
        for (std::ptrdiff_t i = begin; i < end; ++i) {
            const char *row = ops.a.base + i * ops.a.row_step;
            dd<V> acc[panel_vectors];
            for (std::ptrdiff_t t = 0; t < k; ++t) {
                double ahi, alo;
                std::memcpy(&ahi, row + t * ops.a.col_step, 8);
                std::memcpy(&alo, row + t * ops.a.col_step + 8, 8);
                dd<V> a = broadcast<V>(ahi, alo);
                // Lanes with an infinity or a NaN among the operands, and
                // those the kernels leave to the scalar functions (an
                // infinite or NaN running sum among them), take the
                // reference's step.  From finite operands the kernels' own
                // steps give the reference's bits, infinities included.
                const bool operands_finite = panel_finite && std::isfinite(ahi) && std::isfinite(alo);
                for (int v = 0; v < panel_vectors; ++v) {
                    std::size_t at = std::size_t(t * width + v * L);
                    dd<V> b = {load_doubles<V>(&panel_hi[at]), load_doubles<V>(&panel_lo[at])};
                    mask_t<V> to_scalar = {};
                    if (__builtin_expect(!operands_finite, 0))
                        to_scalar = not_finite(a) | not_finite(b);
                    dd<V> p = mul_kernel(a, b, to_scalar);
                    dd<V> sum = t == 0 ? p : add_kernel(acc[v], p, to_scalar);
                    if (__builtin_expect(any_lane<V>(to_scalar), 0)) {
                        for (int l = 0; l < L; ++l) {
                            if (!to_scalar[l])
                                continue;
                            const double previous[2] = {acc[v].hi[l], acc[v].lo[l]}, left[2] = {ahi, alo},
                                         right[2] = {b.hi[l], b.lo[l]};
                            double step[2];
                            tarsel_linalg::reference_step(previous, left, right, t == 0, step);
                            sum.hi[l] = step[0];
                            sum.lo[l] = step[1];
                        }
                    }
                    acc[v] = sum;
                }
            }
            char *out = ops.c.base + i * ops.c.row_step;
            for (int v = 0; v < panel_vectors; ++v)
                for (int l = 0; l < L; ++l) {
                    char *e = out + (j0 + v * L + l) * ops.c.col_step;
                    double hi = acc[v].hi[l], lo = acc[v].lo[l];
                    std::memcpy(e, &hi, 8);
                    std::memcpy(e + 8, &lo, 8);
                }
        }
    }
    tarsel_linalg::reference_matmul(ops, begin, end, whole, ops.m);
}

} // namespace
} // namespace tarsel_lanes

#endif // TARSEL_LINALG_MATMUL_LANES_HPP
