// The vector kernels of every instruction set against the per-row reference
// loop, bit for bit, NaN payloads included: random rows over wide
// magnitudes, every special class and threshold of the scalar functions,
// every short length, partial ranges and every row layout.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/cpp/bits.hpp"
#include "src/engine/dispatch.hpp"

namespace {

using tarsel_engine::array_function;
using tarsel_engine::row_view;
using tarsel_engine::simd_level;
using tarsel_test::bits_of;
using tarsel_test::describe;
using tarsel_test::from_bits;

#define TARSEL_FUNCTION(name, arity, scalar, kernel, min_rows, ufuncs, doc) array_function::name,
const array_function all_functions[] = {TARSEL_ARRAY_FUNCTIONS(TARSEL_FUNCTION)};
#undef TARSEL_FUNCTION
#define TARSEL_NAME(name, arity, scalar, kernel, min_rows, ufuncs, doc) #name,
const char *const function_names[] = {TARSEL_ARRAY_FUNCTIONS(TARSEL_NAME)};
#undef TARSEL_NAME

using tarsel_engine::is_binary;

// (N, 2) rows in a plain buffer.
struct rows {
    std::vector<double> data;

    std::size_t size() const { return data.size() / 2; }
    void push(double hi, double lo)
    {
        data.push_back(hi);
        data.push_back(lo);
    }
    row_view view() const { return {reinterpret_cast<const char *>(data.data()), 16, 8}; }
};

// The first row where `got` and `want` differ in any bit, with its inputs.
::testing::AssertionResult same_rows(const std::vector<double> &got, const std::vector<double> &want, row_view a,
                                     row_view b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (bits_of(got[2 * i]) == bits_of(want[2 * i]) && bits_of(got[2 * i + 1]) == bits_of(want[2 * i + 1]))
            continue;
        auto at = [i](row_view v, std::ptrdiff_t col) {
            double d;
            std::memcpy(&d, v.base + std::ptrdiff_t(i) * v.row_step + col * v.col_step, sizeof d);
            return describe(d);
        };
        return ::testing::AssertionFailure()
               << "row " << i << " of " << n << ": a = {" << at(a, 0) << ", " << at(a, 1) << "}, b = {"
               << at(b, 0) << ", " << at(b, 1) << "}: got {" << describe(got[2 * i]) << ", "
               << describe(got[2 * i + 1]) << "}, want {" << describe(want[2 * i]) << ", "
               << describe(want[2 * i + 1]) << "}";
    }
    return ::testing::AssertionSuccess();
}

std::vector<double> run_kernel(const tarsel_engine::kernel_table &kernels, array_function f, row_view a,
                               row_view b, std::size_t n)
{
    std::vector<double> out(2 * n + 2, from_bits(0x7FF4DEADBEEF0000ULL));
    kernels.run[int(f)](a, b, out.data(), 0, std::ptrdiff_t(n));
    return out;
}

// The levels this processor can run, from SSE2 up.
std::vector<simd_level> levels_of_this_processor()
{
    std::vector<simd_level> levels;
    for (simd_level level : {simd_level::sse2, simd_level::avx2, simd_level::avx512})
        if (int(level) <= int(tarsel_engine::supported_level()))
            levels.push_back(level);
    return levels;
}

// The kernel of every level against the reference loop over the same rows.
// The reference is computed once for all levels: it is most of the cost.
::testing::AssertionResult every_level_matches_reference(array_function f, row_view a, row_view b, std::size_t n)
{
    std::vector<double> want = run_kernel(tarsel_engine::scalar_kernels, f, a, b, n);
    for (simd_level level : levels_of_this_processor()) {
        std::vector<double> got = run_kernel(tarsel_engine::kernels_for(level), f, a, b, n);
        if (bits_of(got[2 * n]) != 0x7FF4DEADBEEF0000ULL)
            return ::testing::AssertionFailure() << tarsel_engine::level_name(level) << ": wrote past row " << n;
        ::testing::AssertionResult same = same_rows(got, want, a, b, n);
        if (!same)
            return ::testing::AssertionFailure() << tarsel_engine::level_name(level) << ": " << same.message();
    }
    return ::testing::AssertionSuccess();
}

/* --- inputs --- */

// A normalised pair: lo within half an ulp of hi.
void push_normalised(rows &r, double hi, double u)
{
    double lo = hi * u * 0x1p-53;
    double s = hi + lo;
    r.push(s, std::isfinite(s) ? lo - (s - hi) : 0.0);
}

// hi = +-m 2^e with e uniform in [e_min, e_max]; one row in 16 has a
// random non-normalised low part, one in 64 is a special value.
rows random_rows(std::size_t n, int e_min, int e_max, bool negative_too, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int> exponent(e_min, e_max);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0), unit(-1.0, 1.0);
    const double specials[] = {0.0, -0.0, INFINITY, -INFINITY, NAN, DBL_MAX, DBL_MIN, 0x1p-1074};
    rows r;
    for (std::size_t i = 0; i < n; ++i) {
        double hi = std::ldexp(mantissa(rng), exponent(rng));
        if (negative_too && rng() % 2)
            hi = -hi;
        unsigned kind = rng() % 64;
        if (kind == 0)
            r.push(specials[rng() % 8], unit(rng));
        else if (kind < 4)
            r.push(hi, std::ldexp(unit(rng), exponent(rng)));
        else
            push_normalised(r, hi, unit(rng));
    }
    return r;
}

struct magnitudes {
    int e_min, e_max;
    bool negative_too;
};

// Wide for the arithmetic, up to and past the ranges of the fast paths for
// the functions, and across the whole range for a share of the rows.
magnitudes wide_magnitudes(array_function f, bool whole_range)
{
    if (whole_range)
        return {-1074, 1023, true};
    switch (f) {
    case array_function::sin:
    case array_function::cos:
    case array_function::tan:
        return {-30, 64, true};
    case array_function::exp:
    case array_function::sinh:
    case array_function::cosh:
    case array_function::tanh:
        return {-30, 10, true};
    case array_function::log:
    case array_function::sqrt:
        return {-1074, 1023, false};
    case array_function::asin:
    case array_function::acos:
        return {-30, 0, true};
    case array_function::pow:
        return {-30, 4, true};
    case array_function::expm1:
    case array_function::exp2:
    case array_function::logaddexp:
    case array_function::logaddexp2:
        return {-30, 10, true};
    case array_function::log1p:
    case array_function::atanh:
        return {-40, 1, true};
    case array_function::log2:
    case array_function::log10:
    case array_function::acosh:
        return {-1074, 1023, false};
    case array_function::floor:
    case array_function::ceil:
    case array_function::trunc:
    case array_function::round:
        return {-4, 60, true};
    default:
        return {-600, 600, true};
    }
}

// Values at and around every threshold of the scalar functions and of the
// fast paths, and the special classes.
std::vector<double> threshold_values()
{
    std::vector<double> v = {
        0.0, 0x1p-1074, 0x1.ffffffffffffep-1023, DBL_MIN, 0x1p-1000, 1e-300, 1e-20, 0.001, 0.5, 1.0,
        1.5, 2.0, 3.0, 0.7853981633974483, 1.5707963267948966, 3.141592653589793, 1e10,
        /* exp: the overflow and underflow bounds, and 2^m leaving the normal range */
        709.782712893384, 709.78271289338397, 709.0895657128241, 708.3964185322641, -745.1332191019411,
        -745.13321910194122, -708.0, -708.3964185322641, -707.7032713517042, -709.08956571282405,
        /* sin and cos: 2^51 and 2^52 quarter turns, and the 9e18 reduction */
        0x1p51 * 1.5707963267948966, 0x1p52 * 1.5707963267948966, 0x1p50, 0x1p53, 9e18, 0x1.f399b1438a1p+62,
        0x1.f399b1438a101p+62, 1e19,
        /* the error-free product: 6.7e299, and products near 2^1023 */
        0x1.001e0e03dbf70p+996, 0x1.001e0e03dbf71p+996, 0x1.001e0e03dbf6fp+996, 0x1p511, 0x1.6a09e667f3bcdp+511,
        0x1p1023, 0x1.fffffffffffffp+1022, 0x1p-28, 0x1p28, 1e300, 1e-310, DBL_MAX, INFINITY,
        /* the series of sinh and tanh below 1e-4, the seed of atan, halfway
           cases of round, the roundings' 2^52, integral exponents of pow */
        0x1.a36e2eb1c432dp-14, 0x1p-27, 0x1p54, 2.5, 0x1p52, 0x1.8p52, 0x1p51 + 0.5, 7.0, 1e15 + 1.0,
        0x1.f399b1438a1p+61,
        /* the scaled square roots below 2^-968, the scaled logarithms from
           2^1000 up and below 2^-976, and sinh and cosh taken at -x below -512 */
        0x1p-968, 0x1p-976, 0x1p1000, -512.0,
        /* expm1 and exp2: their overflow, the exact 2^m - 1 up to m = 60 and
           -80; log1p: the Newton step on [-0.25, 0.43]; log2 and log10: the
           scaling below 2^-1000, the square root of one half and the top
           binade; the inverse hyperbolic functions: 2^-60 and 2^500 */
        709.7827137470354, 41.9, 42.0, -80.0, 1024.0, -1080.0, -968.0, -0.25, 0.43, 0.7071067811865476,
        0x1p1022, 0x1p-60, 0x1p500, 0x1p-56,
    };
    const std::uint64_t nans[] = {0x7FF8000000000000ULL, 0xFFF8000000000000ULL, 0x7FF8000000000123ULL,
                                  0xFFF80000000ABCDEULL, 0x7FF0000000000001ULL, 0xFFF4000000000042ULL};
    std::size_t plain = v.size();
    for (std::size_t i = 0; i < plain; ++i) {
        v.push_back(-v[i]);
        v.push_back(std::nextafter(v[i], INFINITY));
        v.push_back(-std::nextafter(v[i], 0.0));
    }
    for (std::uint64_t n : nans)
        v.push_back(from_bits(n));
    // Halfway cases of the rounding of k: hi 16/ln 2 and x_scaled_hi exactly
    // an integer plus a half, where C's round goes away from zero.
    for (double c : {0x1.71547652b82fep+4, 0x1.45f306dc9c883p-1})
        for (int k = -40; k <= 40; ++k) {
            double hi = (k + 0.5) / c;
            for (int step = 0; step < 8; ++step, hi = std::nextafter(hi, INFINITY))
                if (hi * c == k + 0.5)
                    v.push_back(hi);
        }
    return v;
}

// Every threshold value as hi with the low parts a row can carry: zero of
// both signs, a normalised one, an oversized one and special ones.
rows special_rows()
{
    rows r;
    for (double hi : threshold_values()) {
        const double los[] = {0.0, -0.0, hi * 0x1p-54, 0.75, -1e300, INFINITY, from_bits(0x7FF800000000BEEFULL)};
        for (double lo : los)
            r.push(hi, std::isnan(lo) || std::isfinite(lo) ? lo : lo);
    }
    return r;
}

/* --- the parametrised suite: one instance per function, every level the
   processor has within it --- */

class LaneKernel : public ::testing::TestWithParam<array_function> {
protected:
    array_function f() const { return GetParam(); }
};

TEST_P(LaneKernel, MillionRandomRowsOverWideMagnitudesMatchTheScalarLoop)
{
    const std::size_t n = 1000000;
    for (bool whole_range : {false, true}) {
        magnitudes m = wide_magnitudes(f(), whole_range);
        std::size_t count = whole_range ? n / 4 : n;
        rows a = random_rows(count, m.e_min, m.e_max, m.negative_too, 1 + int(f()) + 100 * whole_range);
        rows b = random_rows(count, m.e_min, m.e_max, true, 7 + int(f()) + 100 * whole_range);
        EXPECT_TRUE(every_level_matches_reference(f(), a.view(), b.view(), count)) << "whole range " << whole_range;
    }
}

TEST_P(LaneKernel, EverySpecialClassAndThresholdMatchesTheScalarLoop)
{
    rows s = special_rows();
    if (!is_binary(f())) {
        EXPECT_TRUE(every_level_matches_reference(f(), s.view(), s.view(), s.size()));
        return;
    }
    // Every special row against every other, in both places.
    rows a, b;
    for (std::size_t i = 0; i < s.size(); i += 3)
        for (std::size_t j = 0; j < s.size(); ++j) {
            a.push(s.data[2 * i], s.data[2 * i + 1]);
            b.push(s.data[2 * j], s.data[2 * j + 1]);
        }
    EXPECT_TRUE(every_level_matches_reference(f(), a.view(), b.view(), a.size()));
    EXPECT_TRUE(every_level_matches_reference(f(), b.view(), a.view(), a.size()));
}

TEST_P(LaneKernel, EveryLengthUpTo33AndEveryStartOfARange)
{
    rows a = random_rows(40, -3, 3, f() != array_function::log && f() != array_function::sqrt, 11);
    rows b = random_rows(40, -3, 3, true, 12);
    for (std::ptrdiff_t begin = 0; begin < 4; ++begin)
        for (std::ptrdiff_t n = begin; n <= 33; ++n) {
            std::vector<double> want(2 * 34, 0.0);
            tarsel_engine::scalar_kernels.run[int(f())](a.view(), b.view(), want.data(), begin, n);
            for (simd_level level : levels_of_this_processor()) {
                std::vector<double> got(2 * 34, 0.0);
                tarsel_engine::kernels_for(level).run[int(f())](a.view(), b.view(), got.data(), begin, n);
                ASSERT_TRUE(same_rows(got, want, a.view(), b.view(), 34))
                    << tarsel_engine::level_name(level) << ", rows " << begin << " to " << n;
            }
        }
}

// A copy of the rows at another place in memory, read through `view`.
struct laid_out {
    std::vector<unsigned char> bytes;
    row_view view;
};

laid_out lay_out(const rows &r, std::ptrdiff_t byte_offset, std::ptrdiff_t row_step, std::ptrdiff_t col_step)
{
    std::ptrdiff_t n = std::ptrdiff_t(r.size());
    std::ptrdiff_t span = 16 + (n > 0 ? (n - 1) * std::abs(row_step) : 0) + std::abs(col_step);
    laid_out l;
    l.bytes.assign(std::size_t(span + 64), 0xFF);
    char *origin = reinterpret_cast<char *>(l.bytes.data()) + byte_offset + (row_step < 0 ? (n - 1) * -row_step : 0) +
                   (col_step < 0 ? -col_step : 0);
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        std::memcpy(origin + i * row_step, &r.data[std::size_t(2 * i)], 8);
        std::memcpy(origin + i * row_step + col_step, &r.data[std::size_t(2 * i + 1)], 8);
    }
    l.view = {origin, row_step, col_step};
    return l;
}

TEST_P(LaneKernel, StridedReversedAndUnalignedRowsGiveTheContiguousResult)
{
    rows a = random_rows(37, -8, 8, f() != array_function::log && f() != array_function::sqrt, 21);
    rows b = random_rows(37, -8, 8, true, 22);
    std::size_t n = a.size();
    std::vector<double> want = run_kernel(tarsel_engine::scalar_kernels, f(), a.view(), b.view(), n);
    struct layout {
        const char *what;
        std::ptrdiff_t offset, row_step, col_step;
    };
    const layout layouts[] = {
        {"contiguous, 8-byte aligned", 8, 16, 8},  {"contiguous, unaligned", 3, 16, 8},
        {"row step 40", 0, 40, 8},                 {"reversed rows", 0, -16, 8},
        {"reversed columns", 0, 16, -8},           {"transposed", 0, 8, 8 * 37},
        {"reversed, unaligned, step 24", 5, -24, 8},
    };
    for (simd_level level : levels_of_this_processor()) {
        const auto &kernels = tarsel_engine::kernels_for(level);
        const char *name = tarsel_engine::level_name(level);
        for (const layout &l : layouts) {
            laid_out la = lay_out(a, l.offset, l.row_step, l.col_step);
            laid_out lb = lay_out(b, l.offset, l.row_step, l.col_step);
            EXPECT_TRUE(same_rows(run_kernel(kernels, f(), la.view, lb.view, n), want, a.view(), b.view(), n))
                << name << ", " << l.what;
            if (is_binary(f()))
                EXPECT_TRUE(same_rows(run_kernel(kernels, f(), a.view(), lb.view, n), want, a.view(), b.view(), n))
                    << name << ", " << l.what << ", second operand only";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LaneKernel, ::testing::ValuesIn(all_functions),
                         [](const ::testing::TestParamInfo<array_function> &info) {
                             return std::string(function_names[int(info.param)]);
                         });

} // namespace
