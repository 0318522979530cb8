// matmul.cpp -- the matrix product's reference kernel, the choice of kernel
// and the split of the rows of C over threads.
#include "src/linalg/matmul.hpp"

#include <cstring>

#include "src/sum/reductions.hpp"
#include "tarsel/tarsel.h"

namespace tarsel_linalg {

namespace {

void store_element(char *e, tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    std::memcpy(e, &hi, 8);
    std::memcpy(e + 8, &lo, 8);
}

} // namespace

[[gnu::noinline]] void reference_step(const double *acc, const double *a, const double *b, bool first, double *out)
{
    tarsel p = tarsel_mul(tarsel_from_hi_lo(a[0], a[1]), tarsel_from_hi_lo(b[0], b[1]));
    tarsel_extract(first ? p : tarsel_add(tarsel_from_hi_lo(acc[0], acc[1]), p), &out[0], &out[1]);
}

void reference_matmul(const matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end, std::ptrdiff_t j_begin,
                      std::ptrdiff_t j_end)
{
    for (std::ptrdiff_t i = begin; i < end; ++i) {
        const char *row = ops.a.base + i * ops.a.row_step;
        for (std::ptrdiff_t j = j_begin; j < j_end; ++j) {
            const char *column = ops.b.base + j * ops.b.col_step;
            double c[2] = {0.0, 0.0}, a[2], b[2];
            for (std::ptrdiff_t t = 0; t < ops.k; ++t) {
                std::memcpy(a, row + t * ops.a.col_step, 16);
                std::memcpy(b, column + t * ops.b.row_step, 16);
                reference_step(c, a, b, t == 0, c);
            }
            std::memcpy(ops.c.base + i * ops.c.row_step + j * ops.c.col_step, c, 16);
        }
    }
}

namespace {

void reference_rows(const matmul_operands &ops, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    reference_matmul(ops, begin, end, 0, ops.m);
}

matmul_kernel kernel_for(tarsel_engine::simd_level level)
{
    switch (level) {
    case tarsel_engine::simd_level::avx512: return avx512_matmul;
    case tarsel_engine::simd_level::avx2: return avx2_matmul;
    case tarsel_engine::simd_level::sse2: return sse2_matmul;
    default: return scalar_matmul;
    }
}

// What a thread computes: rows [begin, end) of C with `kernel`, or exactly
// at `level` when kernel is null.
struct job {
    const matmul_operands *ops;
    matmul_kernel kernel;
    tarsel_engine::simd_level level;
};

bool never(void *)
{
    return false;
}

// The exact entries of rows [begin, end), each on this thread alone.
void exact_rows(const matmul_operands &ops, tarsel_engine::simd_level level, std::ptrdiff_t begin,
                std::ptrdiff_t end)
{
    const tarsel_engine::engine_settings one_thread = {level, 1};
    for (std::ptrdiff_t i = begin; i < end; ++i)
        for (std::ptrdiff_t c = 0; c < ops.m; ++c) {
            tars::superaccumulator acc;
            tars::strided_rows row = {ops.a.base + i * ops.a.row_step, ops.k, ops.a.col_step, 8};
            tars::strided_rows column = {ops.b.base + c * ops.b.col_step, ops.k, ops.b.row_step, 8};
            tars::add_row_dot(acc, row, column, one_thread, {&never, nullptr});
            store_element(ops.c.base + i * ops.c.row_step + c * ops.c.col_step, acc.round());
        }
}

void run_rows(void *context, int, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    const job *j = static_cast<const job *>(context);
    if (j->kernel)
        j->kernel(*j->ops, begin, end);
    else
        exact_rows(*j->ops, j->level, begin, end);
}

// Multiply-adds per thread from which a thread pays for its start, and per
// chunk between two polls of the interruption check.
constexpr std::ptrdiff_t work_per_thread = std::ptrdiff_t(1) << 21;
constexpr std::ptrdiff_t work_per_chunk = std::ptrdiff_t(1) << 22;

// The rows of C split over threads, each row `per_row` multiply-adds.
tarsel_engine::run_status split_rows(job j, std::ptrdiff_t per_row, int max_threads,
                                     tarsel_engine::interruption_check check)
{
    const matmul_operands &ops = *j.ops;
    if (ops.n == 0 || ops.m == 0)
        return tarsel_engine::run_status::finished;
    per_row = per_row > 0 ? per_row : 1;
    int parts = tarsel_engine::threads_worth(ops.n * per_row, work_per_thread, max_threads);
    std::ptrdiff_t chunk = work_per_chunk / per_row > 0 ? work_per_chunk / per_row : 1;
    return tarsel_engine::run_split(ops.n, parts, chunk, 1, {&run_rows, &j}, check);
}

} // namespace

const matmul_kernel scalar_matmul = &reference_rows;

tarsel_engine::run_status matmul(const matmul_operands &ops, const tarsel_engine::engine_settings &settings,
                                 tarsel_engine::interruption_check check)
{
    return split_rows({&ops, kernel_for(settings.level), settings.level}, ops.k * ops.m, settings.threads, check);
}

tarsel_engine::run_status matmul_exact(const matmul_operands &ops, const tarsel_engine::engine_settings &settings,
                                       tarsel_engine::interruption_check check)
{
    // Four exact products per pair.
    return split_rows({&ops, nullptr, settings.level}, 4 * ops.k * ops.m, settings.threads, check);
}

} // namespace tarsel_linalg
