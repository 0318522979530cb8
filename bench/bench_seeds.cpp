// bench_seeds.cpp -- the cost of the correctly rounded seeds.
//
// Times, side by side on the same arguments, each double-double function
// started from the platform's libm seed and from the correctly rounded seed,
// and the seeds alone, and prints the ratios new / libm.  The two variants
// alternate over several rounds and the fastest round of each counts, which
// keeps the ratios steady on a shared machine.
//
//     cmake -S . -B build/bench -DTARSEL_BUILD_BENCH=ON && cmake --build build/bench -j2
//     build/bench/bench/tarsel_bench_seeds
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "tarsel/tarsel_io.h"
#include "tarsel/tarsel_math.h"

namespace {

constexpr int rounds = 41;
constexpr int count = 1 << 12;

// Nanoseconds per call of f over xs, the fastest of the rounds interleaved
// with those of g by the caller.
template <class F> double time_once(F f, const std::vector<double> &xs)
{
    volatile double sink = 0.0;
    double acc = 0.0;
    auto start = std::chrono::steady_clock::now();
    for (double x : xs)
        acc += f(x);
    auto stop = std::chrono::steady_clock::now();
    sink = acc;
    (void)sink;
    return std::chrono::duration<double, std::nano>(stop - start).count() / xs.size();
}

template <class F, class G> void compare(const char *what, F libm_version, G new_version, const std::vector<double> &xs)
{
    double best_libm = 1e300, best_new = 1e300;
    for (int r = 0; r < rounds; r++) {
        best_libm = std::fmin(best_libm, time_once(libm_version, xs));
        best_new = std::fmin(best_new, time_once(new_version, xs));
    }
    std::printf("%-34s %9.1f ns %9.1f ns %7.3f\n", what, best_libm, best_new, best_new / best_libm);
}

double sum_of(tarsel y)
{
    double hi, lo;
    tarsel_extract(y, &hi, &lo);
    return hi + lo;
}

} // namespace

int main()
{
    std::mt19937_64 rng(2024);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0), unit(-1.0, 1.0);
    std::vector<double> positive(count), inside_unit(count), wide(count), exponent_form(count);
    for (int i = 0; i < count; i++) {
        positive[i] = std::exp(exponent(rng));
        inside_unit[i] = unit(rng);
        wide[i] = std::copysign(std::exp(exponent(rng)), unit(rng));
        exponent_form[i] = std::exp(exponent(rng) * 20.0);
    }

    std::printf("%-34s %12s %12s %7s\n", "", "libm seed", "new seed", "ratio");
    compare(
        "tarsel_log, x = e^[-30, 30]",
        [](double x) { return sum_of(_tarsel_log_from_seed(tarsel_from_double(x), std::log(x))); },
        [](double x) { return sum_of(tarsel_log(tarsel_from_double(x))); }, positive);
    compare(
        "tarsel_atan (kernel), x in [-1, 1]",
        [](double x) { return sum_of(_tarsel_atan_from_seed(tarsel_from_double(x), std::atan(x))); },
        [](double x) { return sum_of(tarsel_atan(tarsel_from_double(x))); }, inside_unit);
    compare(
        "log seed alone", [](double x) { return std::log(x); }, [](double x) { return _tarsel_log_cr(x); },
        positive);
    compare(
        "atan seed alone", [](double x) { return std::atan(x); }, [](double x) { return _tarsel_atan_cr(x); },
        wide);
    compare(
        "log10 decade estimate alone", [](double x) { return std::floor(std::log10(x)); },
        [](double x) { return std::floor(_tarsel_log10_cr(x)); }, exponent_form);
    // The formatter itself now takes the correctly rounded estimate; its
    // time puts the difference of the row above in proportion.
    double text = 1e300;
    for (int r = 0; r < rounds; r++)
        text = std::fmin(text, time_once(
                                   [](double x) {
                                       char buf[128];
                                       tarsel_to_string(buf, sizeof buf, tarsel_from_double(x));
                                       return static_cast<double>(buf[0]);
                                   },
                                   exponent_form));
    std::printf("%-34s %22.1f ns\n", "text of an exponent-form value", text);
    return 0;
}
