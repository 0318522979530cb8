// bench_arrays.cpp -- the plain C++ baseline for the array functions.
//
// Each scalar operation runs in the loop a C++ caller would write over
// contiguous (N, 2) buffers: load a row, call the function, store the row.
// The inputs are read from raw float64 files written by bench/arrays.py, so
// the loop sees exactly the rows the Python functions see.
//
//   tarsel_bench_arrays A.bin B.bin REPEATS
//
// prints one line per operation: its name and the best time per row in
// nanoseconds over REPEATS passes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "tarsel.h"
#include "tarsel_math.h"

namespace {

std::vector<double> read_doubles(const char *path)
{
    std::vector<double> data;
    std::FILE *f = std::fopen(path, "rb");
    if (!f)
        return data;
    double buf[4096];
    std::size_t got;
    while ((got = std::fread(buf, sizeof(double), 4096, f)) > 0)
        data.insert(data.end(), buf, buf + got);
    std::fclose(f);
    return data;
}

// Flattened like the loops of the module, so the whole scalar function is
// inlined into the loop body here too and the comparison is of like with like.
template <class Op>
[[gnu::flatten]] void combine_loop(Op op, const double *a, const double *b, double *out, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        _mm_storeu_pd(out + 2 * i, op(_mm_loadu_pd(a + 2 * i), _mm_loadu_pd(b + 2 * i)));
}

template <class Op>
[[gnu::flatten]] void map_loop(Op op, const double *a, double *out, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        _mm_storeu_pd(out + 2 * i, op(_mm_loadu_pd(a + 2 * i)));
}

// Best of `repeats` timed passes of `pass`, in nanoseconds per row.
template <class Pass>
double best_ns_per_row(Pass pass, std::size_t n, int repeats)
{
    using clock = std::chrono::steady_clock;
    double best = std::numeric_limits<double>::infinity();
    for (int r = 0; r < repeats; ++r) {
        auto t0 = clock::now();
        pass();
        auto t1 = clock::now();
        // The results are read after each pass, so no pass can be dropped.
        asm volatile("" ::: "memory");
        best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count());
    }
    return n ? best / double(n) : 0.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s A.bin B.bin REPEATS\n", argv[0]);
        return 2;
    }
    std::vector<double> a = read_doubles(argv[1]), b = read_doubles(argv[2]);
    int repeats = std::atoi(argv[3]);
    if (a.empty() || a.size() != b.size() || a.size() % 2 || repeats < 1) {
        std::fprintf(stderr, "%s: need two equal, non-empty files of (N, 2) float64 rows\n", argv[0]);
        return 2;
    }
    std::size_t n = a.size() / 2;
    std::vector<double> out(a.size());
    const double *pa = a.data(), *pb = b.data();
    double *po = out.data();

    auto report = [&](const char *name, double ns) { std::printf("%s %.4f\n", name, ns); };
    report("add", best_ns_per_row([&] {
        combine_loop([](tarsel x, tarsel y) { return tarsel_add(x, y); }, pa, pb, po, n); }, n, repeats));
    report("sub", best_ns_per_row([&] {
        combine_loop([](tarsel x, tarsel y) { return tarsel_sub(x, y); }, pa, pb, po, n); }, n, repeats));
    report("mul", best_ns_per_row([&] {
        combine_loop([](tarsel x, tarsel y) { return tarsel_mul(x, y); }, pa, pb, po, n); }, n, repeats));
    report("div", best_ns_per_row([&] {
        combine_loop([](tarsel x, tarsel y) { return tarsel_div(x, y); }, pa, pb, po, n); }, n, repeats));
    report("sin", best_ns_per_row([&] {
        map_loop([](tarsel x) { return tarsel_sin(x); }, pa, po, n); }, n, repeats));
    report("cos", best_ns_per_row([&] {
        map_loop([](tarsel x) { return tarsel_cos(x); }, pa, po, n); }, n, repeats));
    report("exp", best_ns_per_row([&] {
        map_loop([](tarsel x) { return tarsel_exp(x); }, pa, po, n); }, n, repeats));
    report("log", best_ns_per_row([&] {
        map_loop([](tarsel x) { return tarsel_log(x); }, pa, po, n); }, n, repeats));

    double checksum = 0.0;
    for (double d : out)
        checksum += d;
    std::printf("checksum %.17g\n", checksum);
    return 0;
}
