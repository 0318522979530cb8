// How a row's cases are drawn and written, by the shape of the function:
// the table names one of these with the function as template argument.
#ifndef TARSEL_TEST_GOLDEN_RUNNERS_HPP
#define TARSEL_TEST_GOLDEN_RUNNERS_HPP

#include "tests/golden/golden_table.hpp"

namespace tarsel_golden {

// The arguments of one case of a real function, in the order they are drawn.
// Whatever computes the function (the scalar function here, a vector
// kernel elsewhere) draws them through these, so it meets the same cases.
inline tarsel draw_argument(const GoldenRow &row, CaseSource &source) { return to_tarsel(source.value(row.x)); }

inline void draw_arguments(const GoldenRow &row, CaseSource &source, tarsel *a, tarsel *b)
{
    PairBits first = source.value(row.x);
    *a = to_tarsel(first);
    *b = to_tarsel(source.partner(first, row.y));
}

// A function of one or two real arguments, its result written by Put.
template <typename Result, Result (*F)(tarsel), void (ResultSink::*Put)(Result)>
void unary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        sink.argument_value(x);
        (sink.*Put)(F(x));
        sink.end_case();
    }
}

template <typename Result, Result (*F)(tarsel, tarsel), void (ResultSink::*Put)(Result)>
void binary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel a, b;
        draw_arguments(row, source, &a, &b);
        sink.argument_value(a);
        sink.argument_value(b);
        (sink.*Put)(F(a, b));
        sink.end_case();
    }
}

template <tarsel (*F)(tarsel)>
constexpr CaseRunner real_unary = unary<tarsel, F, &ResultSink::result_value>;

// A function that fixes every bit of its result, NaNs included.
template <tarsel (*F)(tarsel)>
constexpr CaseRunner exact_unary = unary<tarsel, F, &ResultSink::result_exact_value>;

template <int (*F)(tarsel)>
constexpr CaseRunner predicate_unary = unary<int, F, &ResultSink::result_int>;

template <tarsel (*F)(tarsel, tarsel)>
constexpr CaseRunner real_binary = binary<tarsel, F, &ResultSink::result_value>;

template <int (*F)(tarsel, tarsel)>
constexpr CaseRunner predicate_binary = binary<int, F, &ResultSink::result_int>;

// A function of one complex argument, its result written by Put.
template <typename Result, Result (*F)(tarsel_complex), void (ResultSink::*Put)(Result)>
void of_complex(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel_complex z = source.complex_value(row.x);
        sink.argument_complex(z);
        (sink.*Put)(F(z));
        sink.end_case();
    }
}

template <tarsel_complex (*F)(tarsel_complex)>
constexpr CaseRunner complex_unary = of_complex<tarsel_complex, F, &ResultSink::result_complex>;

template <tarsel (*F)(tarsel_complex)>
constexpr CaseRunner complex_to_real = of_complex<tarsel, F, &ResultSink::result_value>;

template <tarsel_complex (*F)(tarsel_complex, tarsel_complex)>
void complex_binary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel_complex a = source.complex_value(row.x);
        tarsel_complex b = source.below(8) == 0 ? a : source.complex_value(row.y);
        sink.argument_complex(a);
        sink.argument_complex(b);
        sink.result_complex(F(a, b));
        sink.end_case();
    }
}

// A function of one double, applied to the high part of each argument.
template <double (*F)(double)>
void of_high_part(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        sink.argument_value(x);
        sink.result_double(F(_mm_cvtsd_f64(x)));
        sink.end_case();
    }
}

} // namespace tarsel_golden

#endif
