// The matrix product's kernels at every instruction set, and the product
// split over threads, against the reference entry by entry, bit for bit:
// shapes around the panel width, strided and transposed operands, and
// entries that send lanes to the scalar steps (infinities, NaN with a
// payload, factors and products that need rescaling, -0).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "tests/cpp/bits.hpp"
#include "src/linalg/matmul.hpp"

namespace {

using tarsel_engine::simd_level;
using tarsel_linalg::matmul_operands;

struct matmul_case {
    std::ptrdiff_t n, k, m;
    bool transposed_b;
    bool specials;
};

// A rows x cols matrix of pairs, row-major (or column-major when
// transposed), with wide magnitudes and optional special entries.
std::vector<double> matmul_matrix(std::mt19937_64 &rng, std::ptrdiff_t count, bool specials)
{
    std::normal_distribution<double> normal;
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::vector<double> pairs;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        double hi = std::ldexp(normal(rng), exponent(rng));
        pairs.push_back(hi);
        pairs.push_back(hi * 0x1p-55);
    }
    if (specials && count > 6) {
        const double nan_payload = tarsel_test::from_bits(0x7FF8000000000123ULL);
        const double values[] = {INFINITY, nan_payload, 6.7e299 * 10.0, -0.0, 1e300, -1e-300};
        for (int s = 0; s < 6; ++s) {
            pairs[std::size_t(2 * (s * 7 % count))] = values[s];
            pairs[std::size_t(2 * (s * 7 % count) + 1)] = 0.0;
        }
    }
    return pairs;
}

std::vector<double> run_kernel(tarsel_linalg::matmul_kernel kernel, const matmul_case &c, const std::vector<double> &a,
                               const std::vector<double> &b)
{
    std::vector<double> out(std::size_t(2 * c.n * c.m));
    matmul_operands ops;
    ops.a = {reinterpret_cast<const char *>(a.data()), 16 * c.k, 16};
    ops.b = c.transposed_b ? tarsel_linalg::matrix_view{reinterpret_cast<const char *>(b.data()), 16, 16 * c.k}
                           : tarsel_linalg::matrix_view{reinterpret_cast<const char *>(b.data()), 16 * c.m, 16};
    ops.c = {reinterpret_cast<char *>(out.data()), 16 * c.m, 16};
    ops.n = c.n;
    ops.k = c.k;
    ops.m = c.m;
    kernel(ops, 0, c.n);
    return out;
}

::testing::AssertionResult same_entries(const std::vector<double> &got, const std::vector<double> &want)
{
    for (std::size_t i = 0; i < got.size(); ++i)
        if (tarsel_test::bits_of(got[i]) != tarsel_test::bits_of(want[i]))
            return ::testing::AssertionFailure() << "double " << i << ": " << tarsel_test::describe(got[i])
                                                 << " instead of " << tarsel_test::describe(want[i]);
    return ::testing::AssertionSuccess();
}

const matmul_case matmul_cases[] = {
    {1, 1, 1, false, false},  {3, 5, 16, false, true}, {4, 7, 17, true, true},  {2, 40, 33, false, true},
    {5, 0, 20, false, false}, {6, 3, 70, true, false}, {9, 64, 48, false, true},
};

TEST(Matmul, EveryKernelGivesTheReferenceBits)
{
    std::mt19937_64 rng(11);
    const tarsel_linalg::matmul_kernel kernels[] = {tarsel_linalg::sse2_matmul, tarsel_linalg::avx2_matmul,
                                                    tarsel_linalg::avx512_matmul};
    for (const matmul_case &c : matmul_cases) {
        std::vector<double> a = matmul_matrix(rng, c.n * c.k, c.specials), b = matmul_matrix(rng, c.k * c.m, c.specials);
        std::vector<double> want = run_kernel(tarsel_linalg::scalar_matmul, c, a, b);
        for (int level = 1; level <= int(tarsel_engine::supported_level()); ++level)
            EXPECT_TRUE(same_entries(run_kernel(kernels[level - 1], c, a, b), want))
                << "level " << level << ", " << c.n << " x " << c.k << " x " << c.m;
    }
}

TEST(Matmul, ThreadsGiveTheBitsOfOneThread)
{
    std::mt19937_64 rng(12);
    const matmul_case c = {300, 120, 90, false, true};
    std::vector<double> a = matmul_matrix(rng, c.n * c.k, true), b = matmul_matrix(rng, c.k * c.m, true);
    std::vector<double> want = run_kernel(tarsel_linalg::scalar_matmul, c, a, b), got(want.size());
    matmul_operands ops;
    ops.a = {reinterpret_cast<const char *>(a.data()), 16 * c.k, 16};
    ops.b = {reinterpret_cast<const char *>(b.data()), 16 * c.m, 16};
    ops.c = {reinterpret_cast<char *>(got.data()), 16 * c.m, 16};
    ops.n = c.n;
    ops.k = c.k;
    ops.m = c.m;
    const tarsel_engine::engine_settings settings = {tarsel_engine::supported_level(), 4};
    const tarsel_engine::interruption_check never = {[](void *) { return false; }, nullptr};
    ASSERT_EQ(tarsel_linalg::matmul(ops, settings, never), tarsel_engine::run_status::finished);
    EXPECT_TRUE(same_entries(got, want));
}

} // namespace
