// The fast paths of the exact reductions (exponent bins, Dekker's product
// over the lanes of every level, the parts of every thread count) against
// the superaccumulator fed one term at a time: the exact state must be the
// same for every input.  Layouts and the sign of zero sums are checked end to
// end by the Python tests.
#include "tests/cpp/bits.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "src/sum/exact_products.hpp"
#include "src/sum/exponent_bins.hpp"
#include "src/sum/reductions.hpp"

using namespace tarsel_test;
using tars::superaccumulator;
using tarsel_engine::simd_level;

namespace {

// Data that reaches every branch: ordinary values, the whole exponent range,
// zeros of both signs, subnormals, specials, and runs of one exponent.
enum class kind { normal, wide, zeros, subnormal, special, one_exponent };
const kind all_kinds[] = {kind::normal, kind::wide, kind::zeros, kind::subnormal, kind::special, kind::one_exponent};

std::vector<double> make_data(kind k, std::size_t n, std::mt19937_64 &gen)
{
    std::normal_distribution<double> normal;
    std::vector<double> x(n);
    for (double &v : x) {
        v = normal(gen);
        if (k == kind::wide)
            v = std::ldexp(v, int(gen() % 2100) - 1100);
        else if (k == kind::zeros && gen() % 3 == 0)
            v = gen() % 2 ? 0.0 : -0.0;
        else if (k == kind::subnormal && gen() % 4 == 0)
            v = std::ldexp(v, -1050);
        else if (k == kind::special && gen() % 300 == 0)
            v = gen() % 3 == 0 ? nan_ : (gen() % 2 ? inf : -inf);
        else if (k == kind::one_exponent)
            v = 1.0 + std::ldexp(double(gen() >> 12), -52);
    }
    return x;
}

superaccumulator sum_directly(const std::vector<double> &x)
{
    superaccumulator acc;
    for (double v : x)
        acc.add(v);
    return acc;
}

superaccumulator dot_directly(const std::vector<double> &x, const std::vector<double> &y)
{
    superaccumulator acc;
    for (std::size_t i = 0; i < x.size(); ++i)
        acc.add_product(x[i], y[i]);
    return acc;
}

tars::strided_doubles view(const std::vector<double> &x)
{
    return {reinterpret_cast<const char *>(x.data()), std::ptrdiff_t(x.size()), sizeof(double)};
}

// The bins and the product kernel leave the sign of a zero sum to their
// callers; these compare everything else.
superaccumulator with_positive_zero(superaccumulator acc)
{
    acc.note_terms(tars::zero_sign::positive);
    return acc;
}

superaccumulator sum_in_bins(const std::vector<double> &x)
{
    superaccumulator acc;
    tars::exponent_bins bins;
    for (std::size_t start = 0; start < x.size(); start += tars::exponent_bins::block_terms)
        bins.add_block(x.data() + start, std::min(x.size() - start, tars::exponent_bins::block_terms), acc);
    bins.flush(acc);
    return with_positive_zero(acc);
}

superaccumulator dot_in_bins(const std::vector<double> &x, const std::vector<double> &y,
                             tarsel_engine::products_kernel products)
{
    superaccumulator acc;
    tars::exponent_bins bins;
    std::vector<double> terms(2 * x.size());
    products(x.data(), y.data(), x.size(), terms.data(), terms.data() + x.size(), acc);
    for (std::size_t start = 0; start < terms.size(); start += tars::exponent_bins::block_terms)
        bins.add_block(terms.data() + start, std::min(terms.size() - start, tars::exponent_bins::block_terms), acc);
    bins.flush(acc);
    return with_positive_zero(acc);
}

// Every level this processor can run, the reference first.
std::vector<simd_level> levels()
{
    std::vector<simd_level> all;
    for (int l = 0; l <= int(tarsel_engine::supported_level()); ++l)
        all.push_back(simd_level(l));
    return all;
}

const tarsel_engine::interruption_check never = {[](void *) { return false; }, nullptr};

} // namespace

TEST(ReductionPaths, BinsGiveTheExactStateOfTermByTermAddition)
{
    std::mt19937_64 gen(1);
    for (kind k : all_kinds)
        for (std::size_t n : {1u, 2u, 3u, 1023u, 1024u, 1025u, 5000u}) {
            std::vector<double> x = make_data(k, n, gen);
            EXPECT_TRUE(sum_in_bins(x) == with_positive_zero(sum_directly(x))) << "kind " << int(k) << ", n " << n;
        }
}

TEST(ReductionPaths, FullBinsAreEmptiedBeforeTheyWrapAround)
{
    // The largest significand 10000 times, in bins that wrap around 2^64
    // after about 2048 of them.
    std::vector<double> x(10000, 2.0 - 0x1p-51);
    x.resize(20000, -(2.0 - 0x1p-51));
    x.push_back(0x1p-60);
    EXPECT_TRUE(same_bits(sum_in_bins(x).round(), 0x1p-60, 0.0));
    std::vector<double> y(10000, 2.0 - 0x1p-51);
    EXPECT_TRUE(sum_in_bins(y) == with_positive_zero(sum_directly(y)));
}

TEST(ReductionPaths, ProductLanesOfEveryLevelGiveTheExactStateOfProductByProductAddition)
{
    std::mt19937_64 gen(2);
    for (kind kx : all_kinds)
        for (kind ky : {kind::normal, kind::wide, kind::zeros}) {
            std::vector<double> x = make_data(kx, 999, gen), y = make_data(ky, 999, gen);
            for (simd_level level : levels())
                EXPECT_TRUE(dot_in_bins(x, y, tarsel_engine::products_for(level)) ==
                            with_positive_zero(dot_directly(x, y)))
                    << "kinds " << int(kx) << ", " << int(ky) << ", level " << tarsel_engine::level_name(level);
        }
}

TEST(ReductionPaths, ProductsAtTheEdgesOfDekkersRange)
{
    // Factors on both sides of each bound of the lanes' exact range: the
    // split of a factor near 2^995, products near 2^1020 and 2^-968,
    // subnormal factors; then zeros beside huge factors, and specials.
    const double below = 1 - 0x1p-53, above = 1 + 0x1p-52;
    std::vector<double> x = {0x1p995, 0x1p995 * above, 0x1p1020, 0x1p1020 * above, 0x1p-968 * below, 0x1p-968,
                             0x1p-1074, 3 * 0x1p-1074, DBL_MAX, 0x1p-500, 1e300};
    std::vector<double> y = {1.5, 0x1p-100, 1.0 + 0x1p-40, 1.0, 1.0 + 0x1p-30, 1.0 - 0x1p-30, 0x1p100,
                             0x1p54 + 1, -DBL_MAX, 0x1p-500, -1e300};
    for (bool with_zeros_and_specials : {false, true}) {
        if (with_zeros_and_specials) {
            x.insert(x.end(), {0.0, -0.0, inf, nan_});
            y.insert(y.end(), {0.0, 1.0, -0.0, 2.0});
        }
        // Every pair in both orders, each edge beside every other in a block
        // of its own, so that one lane out of range sends the whole block
        // down the lane-by-lane path.
        for (double a : x)
            for (double b : y) {
                std::vector<double> xs(8, 1.5), ys(8, 0.75);
                xs[3] = a, ys[3] = b, xs[6] = b, ys[6] = a;
                for (simd_level level : levels())
                    EXPECT_TRUE(dot_in_bins(xs, ys, tarsel_engine::products_for(level)) ==
                                with_positive_zero(dot_directly(xs, ys)))
                        << a << " * " << b << ", level " << tarsel_engine::level_name(level);
            }
    }
}

TEST(ReductionPaths, EveryLevelAndThreadCountGivesTheSameState)
{
    // Large enough for four parts; the parts' blocks split the data
    // differently for every thread count.
    std::mt19937_64 gen(6);
    std::vector<double> x = make_data(kind::wide, 600001, gen), y = make_data(kind::normal, 600001, gen);
    x[123457] = -0.0;
    tars::strided_rows rows = {reinterpret_cast<const char *>(x.data()), 300000, 16, 8};
    tars::strided_rows other = {reinterpret_cast<const char *>(y.data()) + 8, 300000, 16, -8};
    superaccumulator sum_ref = sum_directly(x), dot_ref = dot_directly(x, y), row_dot_ref;
    tars::add_row_dot(row_dot_ref, rows, other, {simd_level::scalar, 1}, never);
    for (simd_level level : levels())
        for (int threads : {1, 2, 4}) {
            superaccumulator sum, dot, row_dot;
            tars::add_sum(sum, view(x), {level, threads}, never);
            tars::add_dot(dot, view(x), view(y), {level, threads}, never);
            tars::add_row_dot(row_dot, rows, other, {level, threads}, never);
            EXPECT_TRUE(sum == sum_ref) << tarsel_engine::level_name(level) << ", " << threads << " threads";
            EXPECT_TRUE(dot == dot_ref) << tarsel_engine::level_name(level) << ", " << threads << " threads";
            EXPECT_TRUE(row_dot == row_dot_ref) << tarsel_engine::level_name(level) << ", " << threads;
        }
}

TEST(ReductionPaths, AnInterruptedCallLeavesTheAccumulatorAsItWas)
{
    std::vector<double> x(1 << 20, 0.1), y(1 << 20, 3.0);
    int polls = 0;
    const tarsel_engine::interruption_check second_poll = {
        [](void *count) { return ++*static_cast<int *>(count) == 2; }, &polls};
    superaccumulator acc, before;
    acc.add(1.0);
    before.add(1.0);
    for (int threads : {1, 2}) {
        polls = 0;
        EXPECT_EQ(tars::add_sum(acc, view(x), {simd_level::sse2, threads}, second_poll),
                  tarsel_engine::run_status::interrupted);
        polls = 0;
        EXPECT_EQ(tars::add_dot(acc, view(x), view(y), {simd_level::sse2, threads}, second_poll),
                  tarsel_engine::run_status::interrupted);
        EXPECT_TRUE(acc == before) << threads << " threads";
    }
}
