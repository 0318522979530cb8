// How a row's cases are drawn and written, by the shape of the function:
// the table names one of these with the function as template argument.
#ifndef TARSEL_TEST_GOLDEN_RUNNERS_HPP
#define TARSEL_TEST_GOLDEN_RUNNERS_HPP

#include "golden_table.hpp"

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

template <tarsel (*F)(tarsel)>
void real_unary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        sink.argument_value(x);
        sink.result_value(F(x));
        sink.end_case();
    }
}

// A function that fixes every bit of its result, NaNs included.
template <tarsel (*F)(tarsel)>
void exact_unary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        sink.argument_value(x);
        sink.result_exact_value(F(x));
        sink.end_case();
    }
}

template <tarsel (*F)(tarsel, tarsel)>
void real_binary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel a, b;
        draw_arguments(row, source, &a, &b);
        sink.argument_value(a);
        sink.argument_value(b);
        sink.result_value(F(a, b));
        sink.end_case();
    }
}

template <int (*F)(tarsel)>
void predicate_unary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        sink.argument_value(x);
        sink.result_int(F(x));
        sink.end_case();
    }
}

template <int (*F)(tarsel, tarsel)>
void predicate_binary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel a, b;
        draw_arguments(row, source, &a, &b);
        sink.argument_value(a);
        sink.argument_value(b);
        sink.result_int(F(a, b));
        sink.end_case();
    }
}

template <tarsel_complex (*F)(tarsel_complex)>
void complex_unary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel_complex z = source.complex_value(row.x);
        sink.argument_value(z.real);
        sink.argument_value(z.imag);
        tarsel_complex r = F(z);
        sink.result_value(r.real);
        sink.result_value(r.imag);
        sink.end_case();
    }
}

template <tarsel_complex (*F)(tarsel_complex, tarsel_complex)>
void complex_binary(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel_complex a = source.complex_value(row.x);
        tarsel_complex b = source.below(8) == 0 ? a : source.complex_value(row.y);
        sink.argument_value(a.real);
        sink.argument_value(a.imag);
        sink.argument_value(b.real);
        sink.argument_value(b.imag);
        tarsel_complex r = F(a, b);
        sink.result_value(r.real);
        sink.result_value(r.imag);
        sink.end_case();
    }
}

template <tarsel (*F)(tarsel_complex)>
void complex_to_real(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel_complex z = source.complex_value(row.x);
        sink.argument_value(z.real);
        sink.argument_value(z.imag);
        sink.result_value(F(z));
        sink.end_case();
    }
}

// A double function of the high part, over the arguments its callers pass
// (Accepts): values outside them are drawn again.
template <double (*F)(double), bool (*Accepts)(double)>
void double_of_high_part(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = draw_argument(row, source);
        double hi = _mm_cvtsd_f64(x);
        if (!Accepts(hi)) {
            i--;
            continue;
        }
        sink.argument_value(x);
        sink.result_double(F(hi));
        sink.end_case();
    }
}

} // namespace tarsel_golden

#endif
