// The dispatch of the array functions: the settings read from the
// environment, the split over threads, bits that do not depend on the thread
// count, and a call that stops when the caller's check asks it to.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "src/engine/dispatch.hpp"

namespace {

using tarsel_engine::array_function;
using tarsel_engine::engine_settings;
using tarsel_engine::simd_level;

struct settings_case {
    const char *simd, *threads;
    simd_level supported;
    int cpus;
    simd_level want_level;
    int want_threads;
    std::size_t want_warnings;
    const char *why;
};

const settings_case settings_cases[] = {
    {nullptr, nullptr, simd_level::avx512, 4, simd_level::avx512, 4, 0, "unset: the best level, every CPU"},
    {"", "", simd_level::avx2, 3, simd_level::avx2, 3, 0, "empty values count as unset"},
    {"scalar", nullptr, simd_level::avx512, 2, simd_level::scalar, 2, 0, "the reference loop on request"},
    {"sse2", "1", simd_level::avx512, 8, simd_level::sse2, 1, 0, "a lower level and one thread"},
    {"avx512", nullptr, simd_level::avx2, 2, simd_level::avx2, 2, 0, "a level the processor lacks is capped"},
    {"avx2", "16", simd_level::sse2, 2, simd_level::sse2, 2, 0, "threads are capped by the CPUs"},
    {"AVX2", nullptr, simd_level::avx2, 2, simd_level::avx2, 2, 1, "names are lower case"},
    {"fast", "0", simd_level::avx2, 2, simd_level::avx2, 2, 2, "an unknown level and zero threads"},
    {nullptr, "-3", simd_level::sse2, 2, simd_level::sse2, 2, 1, "negative"},
    {nullptr, "2.5", simd_level::sse2, 6, simd_level::sse2, 6, 1, "not an integer"},
    {nullptr, " 2", simd_level::sse2, 6, simd_level::sse2, 6, 1, "no blanks"},
    {nullptr, "99999999999999999999999", simd_level::sse2, 6, simd_level::sse2, 6, 0, "huge is capped"},
};

TEST(EngineSettings, EnvironmentValuesCapTheLevelAndThreadsAndBadOnesAreIgnoredWithAWarning)
{
    for (const settings_case &c : settings_cases) {
        std::vector<std::string> warnings;
        engine_settings s = tarsel_engine::settings_from(c.simd, c.threads, c.supported, c.cpus, warnings);
        EXPECT_EQ(s.level, c.want_level) << c.why;
        EXPECT_EQ(s.threads, c.want_threads) << c.why;
        EXPECT_EQ(warnings.size(), c.want_warnings) << c.why;
    }
}

TEST(EngineThreads, SmallArraysStartNoThreadAndLargeOnesAreCappedByTheSetting)
{
    for (array_function f : {array_function::add, array_function::div, array_function::sin, array_function::log,
                             array_function::pow, array_function::atan2, array_function::round,
                             array_function::neg}) {
        EXPECT_EQ(tarsel_engine::threads_for(f, 0, 8), 1);
        EXPECT_EQ(tarsel_engine::threads_for(f, 1000, 8), 1);
        EXPECT_EQ(tarsel_engine::threads_for(f, 100000000, 8), 8);
        EXPECT_EQ(tarsel_engine::threads_for(f, 100000000, 1), 1);
    }
}

struct counting_check {
    int calls = 0;
    int stop_at;

    static bool poll(void *context)
    {
        auto *self = static_cast<counting_check *>(context);
        return ++self->calls >= self->stop_at;
    }
};

std::vector<double> random_rows(std::size_t n)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> value(-4.0, 4.0);
    std::vector<double> rows(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        rows[2 * i] = std::ldexp(value(rng), int(rng() % 40) - 20);
        rows[2 * i + 1] = rows[2 * i] * 0x1p-60;
    }
    rows[2 * (n / 3)] = NAN;
    rows[2 * (n / 2) + 1] = INFINITY;
    return rows;
}

TEST(EngineThreads, BitsDoNotDependOnTheThreadCountOrTheLevel)
{
    const std::size_t n = 300007;
    std::vector<double> a = random_rows(n), b(a.rbegin(), a.rend());
    tarsel_engine::row_view va{reinterpret_cast<const char *>(a.data()), 16, 8};
    tarsel_engine::row_view vb{reinterpret_cast<const char *>(b.data()), 16, 8};
    for (array_function f : {array_function::mul, array_function::div, array_function::exp, array_function::sin,
                             array_function::pow, array_function::fmod, array_function::tan, array_function::round}) {
        std::vector<double> want(2 * n);
        tarsel_engine::scalar_kernels.run[int(f)](va, vb, want.data(), 0, std::ptrdiff_t(n));
        for (int level = 0; level <= int(tarsel_engine::supported_level()); ++level)
            for (int threads : {1, 2, 3}) {
                ASSERT_GE(tarsel_engine::threads_for(f, std::ptrdiff_t(n), threads), threads > 1 ? 2 : 1);
                std::vector<double> got(2 * n, 0.0);
                counting_check never{0, 1 << 30};
                auto status = tarsel_engine::run_rows(f, {simd_level(level), threads}, va, vb, got.data(),
                                                      std::ptrdiff_t(n), {&counting_check::poll, &never});
                EXPECT_EQ(status, tarsel_engine::run_status::finished);
                EXPECT_EQ(std::memcmp(got.data(), want.data(), 16 * n), 0)
                    << "function " << int(f) << ", level " << level << ", " << threads << " threads";
                EXPECT_GT(never.calls, 0) << "the calling thread never polled";
            }
    }
}

TEST(EngineInterruption, ACallStopsAtTheFirstPollThatAsksAndJoinsItsThreads)
{
    const std::size_t n = 1 << 20;
    std::vector<double> a = random_rows(n);
    tarsel_engine::row_view va{reinterpret_cast<const char *>(a.data()), 16, 8};
    for (int threads : {1, 2, 3}) {
        std::vector<double> out(2 * n, -1.0);
        counting_check stop_at_third{0, 3};
        auto status = tarsel_engine::run_rows(array_function::sin, {simd_level::scalar, threads}, va, va,
                                              out.data(), std::ptrdiff_t(n), {&counting_check::poll, &stop_at_third});
        EXPECT_EQ(status, tarsel_engine::run_status::interrupted) << threads << " threads";
        EXPECT_EQ(stop_at_third.calls, 3) << "polled again after the interruption";
        // The calling thread stopped after three of its chunks: its last rows
        // are still untouched.
        std::size_t near_own_block_end = n / std::size_t(threads) - 100;
        EXPECT_EQ(out[2 * near_own_block_end], -1.0) << threads << " threads";
    }
}

} // namespace
