#include "tests/golden/golden_kernels.hpp"

#include <emmintrin.h>

#include "tests/golden/golden_runners.hpp"

namespace tarsel_golden {

namespace {

using tarsel_engine::array_function;

// (N, 2) rows of a case per row, in one plain buffer.
tarsel_engine::row_view rows_of(const std::vector<double> &pairs)
{
    return {reinterpret_cast<const char *>(pairs.data()), 16, 8};
}

} // namespace

// One row per array function, in the order of the function table.  abs and
// neg have golden rows that record every bit, NaN payloads included.
const std::vector<KernelRow> &kernel_rows()
{
    static const std::vector<KernelRow> rows = [] {
        std::vector<KernelRow> r = {
#define TARSEL_KERNEL_ROW(name, arity, scalar, kernel, min_rows, ufuncs, doc) {#name, array_function::name, arity == 2},
            TARSEL_ARRAY_FUNCTIONS(TARSEL_KERNEL_ROW)
#undef TARSEL_KERNEL_ROW
        };
        for (KernelRow &k : r)
            k.is_exact = k.function == array_function::abs || k.function == array_function::neg;
        return r;
    }();
    return rows;
}

std::string kernel_digest(const KernelRow &kernel, tarsel_engine::simd_level level)
{
    const GoldenRow &row = *find_row(kernel.name);
    CaseSource source = CaseSource::for_function(row.name);
    std::vector<double> a(2 * cases_per_function), b(2 * cases_per_function, 0.0), out(2 * cases_per_function);
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x, y;
        if (kernel.is_binary) {
            draw_arguments(row, source, &x, &y);
            _mm_storeu_pd(&b[2 * i], y);
        } else {
            x = draw_argument(row, source);
        }
        _mm_storeu_pd(&a[2 * i], x);
    }
    tarsel_engine::kernels_for(level).run[int(kernel.function)](rows_of(a), rows_of(b), out.data(), 0,
                                                                 cases_per_function);
    HashingSink sink;
    for (int i = 0; i < cases_per_function; i++) {
        if (kernel.is_exact)
            sink.result_exact_value(_mm_loadu_pd(&out[2 * i]));
        else
            sink.result_value(_mm_loadu_pd(&out[2 * i]));
        sink.end_case();
    }
    return sink.hex_digest();
}

} // namespace tarsel_golden
