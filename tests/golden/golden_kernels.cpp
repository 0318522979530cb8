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

const std::vector<KernelRow> &kernel_rows()
{
    static const std::vector<KernelRow> rows = {
        {"add", array_function::add, true}, {"sub", array_function::sub, true},
        {"mul", array_function::mul, true}, {"div", array_function::div, true},
        {"sin", array_function::sin, false}, {"cos", array_function::cos, false},
        {"exp", array_function::exp, false}, {"log", array_function::log, false},
        {"pow", array_function::pow, true}, {"atan2", array_function::atan2, true},
        {"fmod", array_function::fmod, true}, {"sqrt", array_function::sqrt, false},
        {"tan", array_function::tan, false}, {"atan", array_function::atan, false},
        {"asin", array_function::asin, false}, {"acos", array_function::acos, false},
        {"sinh", array_function::sinh, false}, {"cosh", array_function::cosh, false},
        {"tanh", array_function::tanh, false}, {"abs", array_function::abs, false, true},
        {"floor", array_function::floor, false}, {"ceil", array_function::ceil, false},
        {"trunc", array_function::trunc, false}, {"round", array_function::round, false},
        {"neg", array_function::neg, false, true},
    };
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
