#include "tests/golden/golden_table.hpp"

#include <cstring>

#include "tests/golden/golden_exact.hpp"
#include "tests/golden/golden_runners.hpp"
#include "tarsel/tarsel_complex.h"
#include "tarsel/tarsel_complex.hpp"
#include "tarsel/tarsel_io.h"
#include "src/text/powers_of_ten.h"
#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_utils.h"

namespace tarsel_golden {

namespace {

const double dbl_max = 0x1.fffffffffffffp+1023;
const double exp_overflow = 0x1.62e42fefa39efp+9;     // 709.78, where exp, tanh and the complex tan switch
const double exp_underflow = -0x1.74910d52d3051p+9;   // -745.13
const double exp_subnormal = -0x1.6232bdd7abcd2p+9;   // -708.40, ln of the smallest normal double
const double mul_rescale = 0x1.001e0e03dbf70p+996;    // 6.7e299, where the error-free product rescales
const double quarter_turn_limit = 0x1.f399b1438a1p+62; // 9e18, where sine and cosine reduce by 2 pi first
const double series_limit = 0x1.a36e2eb1c432dp-14;     // 1e-4, the hyperbolic series threshold

// --- where the arguments are drawn, per family of functions ---

const Domain everywhere{-1074, 1023, {}, 0};
const Domain arithmetic{-60, 60, {dbl_max, 0x1p1023, mul_rescale, 1.0, 0x1p-1022}, 0};
const Domain ordering{-4, 4, {1.0, 0.0}, 0};
const Domain square_root{-100, 100, {0x1p1023, dbl_max, 0x1p-1022, 1.0, 0x1p-1074}, 0};
const Domain exponential{-12, 10, {exp_overflow, exp_underflow, exp_subnormal, 0x1.62e42fefa39efp-6, 0.0}, 0};
const Domain logarithm{-60, 60, {1.0, dbl_max, 0x1p-1022, 0x1p-1074, 0.5, 2.0}, 0};
const Domain power_base{-12, 12, {1.0, 0.0, 2.0, 0x1p-1074}, 0};
const Domain power_exponent{-6, 8, {0.5, 1.0, 2.0, 3.0, quarter_turn_limit, 0x1p53, 0x1p63}, 30};
const Domain circular{-20, 30,
                      {quarter_turn_limit, 0x1.921fb54442d18p+52, 0x1.921fb54442d18p-1, 0x1.921fb54442d18p+0,
                       0x1.921fb54442d18p+1, 0x1p63},
                      0};
const Domain arctangent{-30, 30, {1.0, 0x1p-27, 0x1p27}, 0};
const Domain quadrant{-20, 20, {0.0, 1.0}, 0};
const Domain unit_interval{-40, -1, {1.0, 0.5, 0.0, 0x1.fffffffffffffp-1}, 0};
const Domain rounding{-4, 60, {0.5, 1.5, 2.5, 0x1p52, 0x1p53, 0x1.fffffffffffffp+51}, 25};
const Domain dividend{-10, 70, {0.0}, 10};
const Domain divisor{-10, 10, {1.0, 0x1.921fb54442d18p+1}, 10};
const Domain hyperbolic{-20, 10, {series_limit, exp_overflow, 1.0}, 0};
const Domain complex_plane{-20, 10, {exp_overflow, 0x1p500, 0x1p-500, 0x1p-1022}, 0};

// Every tabulated power of ten: the formatter's decade changes there.
Domain decades()
{
    Domain d{-60, 60, {}, 0};
    for (int k = -308; k <= 308; k++)
        d.edges.push_back(_mm_cvtsd_f64(_tarsel_pow10_int(k)));
    return d;
}

// --- functions with more than one result, or of other types ---

void sincos_both(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x)), s, c;
        tarsel_sincos(x, &s, &c);
        sink.argument_value(x);
        sink.result_value(s);
        sink.result_value(c);
        sink.end_case();
    }
}

void exact_product_error(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        PairBits first = source.value(row.x);
        tarsel a = to_tarsel(first), b = to_tarsel(source.partner(first, row.y));
        double a_hi = _mm_cvtsd_f64(a), b_hi = _mm_cvtsd_f64(b);
        double p = a_hi * b_hi;
        sink.argument_value(a);
        sink.argument_value(b);
        sink.result_double(tarsel_exact_mul_err(a_hi, b_hi, p));
        sink.end_case();
    }
}

// Digit counts from below the clamp to above it, and now and then a buffer
// too short for the text, which is then cut.
void text_at_digit_counts(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x));
        int digits = (int)source.below(64) - 1;
        int buf_size = source.below(8) == 0 ? 1 + (int)source.below(40) : 128;
        char buf[128];
        std::memset(buf, 0, sizeof buf);
        tarsel_to_string_prec(buf, (size_t)buf_size, x, digits);
        sink.argument_value(x);
        sink.argument_int(digits);
        sink.argument_int(buf_size);
        sink.result_text(buf);
        sink.end_case();
    }
}

void text_of_32_digits(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x));
        char buf[128];
        std::memset(buf, 0, sizeof buf);
        tarsel_to_string(buf, sizeof buf, x);
        sink.argument_value(x);
        sink.result_text(buf);
        sink.end_case();
    }
}

void value_of_text(const GoldenRow &, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        std::string text = source.decimal_text();
        sink.argument_text(text);
        sink.result_value(tarsel_from_string(text.c_str()));
        sink.end_case();
    }
}

void record_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x));
        unsigned char record[16];
        tarsel_to_bytes(record, x);
        sink.argument_value(x);
        sink.result_bytes(record, sizeof record);
        sink.end_case();
    }
}

void value_of_record(const GoldenRow &, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        unsigned char record[16];
        source.record_bytes(record);
        sink.argument_bytes(record, sizeof record);
        sink.result_exact_value(tarsel_from_bytes(record));
        sink.end_case();
    }
}

// The inputs themselves, hashed as results: when this digest differs on a
// platform, the generator does, and the other digests say nothing there.
void generated_inputs(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function / 8; i++) {
        PairBits first = source.value(row.x);
        sink.result_exact_value(to_tarsel(first));
        sink.result_exact_value(to_tarsel(source.value(row.y)));
        sink.result_exact_value(to_tarsel(source.partner(first, row.y)));
        tarsel_complex z = source.complex_value(row.x);
        sink.result_exact_value(z.real);
        sink.result_exact_value(z.imag);
        sink.result_text(source.decimal_text().c_str());
        unsigned char record[16];
        source.record_bytes(record);
        sink.result_bytes(record, sizeof record);
        sink.end_case();
    }
}

// --- the complex functions of the object layer, as functions of the record ---

tarsel_complex complex_sin(tarsel_complex z) { return tars::sin(tars::complex128(z)).data; }
tarsel_complex complex_cos(tarsel_complex z) { return tars::cos(tars::complex128(z)).data; }
tarsel_complex complex_tan(tarsel_complex z) { return tars::tan(tars::complex128(z)).data; }
tarsel_complex complex_sinh(tarsel_complex z) { return tars::sinh(tars::complex128(z)).data; }
tarsel_complex complex_cosh(tarsel_complex z) { return tars::cosh(tars::complex128(z)).data; }
tarsel_complex complex_tanh(tarsel_complex z) { return tars::tanh(tars::complex128(z)).data; }

std::vector<GoldenRow> make_rows()
{
    const Domain text = decades();
    return {
        {"case_generator", generated_inputs, power_exponent, circular},

        {"add", real_binary<tarsel_add>, arithmetic, arithmetic},
        {"sub", real_binary<tarsel_sub>, arithmetic, arithmetic},
        {"mul", real_binary<tarsel_mul>, arithmetic, arithmetic},
        {"div", real_binary<tarsel_div>, arithmetic, arithmetic},
        {"exact_mul_err", exact_product_error, arithmetic, arithmetic},
        {"sqrt", real_unary<tarsel_sqrt>, square_root, square_root},
        {"neg", exact_unary<tarsel_neg>, everywhere, everywhere},
        {"abs", exact_unary<tarsel_abs>, ordering, ordering},

        {"cmp", predicate_binary<tarsel_cmp>, ordering, ordering},
        {"eq", predicate_binary<tarsel_eq>, ordering, ordering},
        {"lt", predicate_binary<tarsel_lt>, ordering, ordering},
        {"gt", predicate_binary<tarsel_gt>, ordering, ordering},
        {"le", predicate_binary<tarsel_le>, ordering, ordering},
        {"ge", predicate_binary<tarsel_ge>, ordering, ordering},
        {"isnan", predicate_unary<tarsel_isnan>, ordering, ordering},
        {"isinf", predicate_unary<tarsel_isinf>, ordering, ordering},

        {"exp", real_unary<tarsel_exp>, exponential, exponential},
        {"log_cr", of_high_part<_tarsel_log_cr>, logarithm, logarithm},
        {"log", real_unary<tarsel_log>, logarithm, logarithm},
        {"pow", real_binary<tarsel_pow>, power_base, power_exponent},
        {"sincos", sincos_both, circular, circular},
        {"sin", real_unary<tarsel_sin>, circular, circular},
        {"cos", real_unary<tarsel_cos>, circular, circular},
        {"tan", real_unary<tarsel_tan>, circular, circular},
        {"atan_cr", of_high_part<_tarsel_atan_cr>, arctangent, arctangent},
        {"atan", real_unary<tarsel_atan>, arctangent, arctangent},
        {"atan2", real_binary<tarsel_atan2>, quadrant, quadrant},
        {"asin", real_unary<tarsel_asin>, unit_interval, unit_interval},
        {"acos", real_unary<tarsel_acos>, unit_interval, unit_interval},
        {"floor", real_unary<tarsel_floor>, rounding, rounding},
        {"ceil", real_unary<tarsel_ceil>, rounding, rounding},
        {"trunc", real_unary<tarsel_trunc>, rounding, rounding},
        {"round", real_unary<tarsel_round>, rounding, rounding},
        {"fmod", real_binary<tarsel_fmod>, dividend, divisor},
        {"sinh", real_unary<tarsel_sinh>, hyperbolic, hyperbolic},
        {"cosh", real_unary<tarsel_cosh>, hyperbolic, hyperbolic},
        {"tanh", real_unary<tarsel_tanh>, hyperbolic, hyperbolic},

        {"complex_add", complex_binary<tarsel_complex_add>, complex_plane, complex_plane},
        {"complex_sub", complex_binary<tarsel_complex_sub>, complex_plane, complex_plane},
        {"complex_mul", complex_binary<tarsel_complex_mul>, complex_plane, complex_plane},
        {"complex_div", complex_binary<tarsel_complex_div>, complex_plane, complex_plane},
        {"complex_abs", complex_to_real<tarsel_complex_abs>, complex_plane, complex_plane},
        {"complex_abs_sqr", complex_to_real<tarsel_complex_abs_sqr>, complex_plane, complex_plane},
        {"complex_sin", complex_unary<complex_sin>, complex_plane, complex_plane},
        {"complex_cos", complex_unary<complex_cos>, complex_plane, complex_plane},
        {"complex_tan", complex_unary<complex_tan>, complex_plane, complex_plane},
        {"complex_sinh", complex_unary<complex_sinh>, complex_plane, complex_plane},
        {"complex_cosh", complex_unary<complex_cosh>, complex_plane, complex_plane},
        {"complex_tanh", complex_unary<complex_tanh>, complex_plane, complex_plane},

        {"log10_cr", of_high_part<_tarsel_log10_cr>, text, text},
        {"to_string_prec", text_at_digit_counts, text, text},
        {"to_string", text_of_32_digits, text, text},
        {"from_string", value_of_text, everywhere, everywhere},
        {"to_bytes", record_of_value, everywhere, everywhere},
        {"from_bytes", value_of_record, everywhere, everywhere},

        {"classify_sum", sum_class_of_value, ordering, ordering},
        {"exact_digits", exact_digits_of_value, text, text},
        {"round_significant", digits_to_significant_count, text, text},
        {"round_places", digits_to_decimal_places, text, text},
        {"shortest_digits", shortest_digits_of_value, text, text},
        {"format_number", number_text_in_styles, text, text},
        {"from_decimal_parts", value_of_decimal_parts, everywhere, everywhere},
        {"parse_decimal", value_of_python_text, everywhere, everywhere},
        {"from_rational", value_of_rational, everywhere, everywhere},
        {"as_integer_ratio", integer_ratio_of_value, text, text},
    };
}

} // namespace

const std::vector<GoldenRow> &golden_rows()
{
    static const std::vector<GoldenRow> rows = make_rows();
    return rows;
}

const GoldenRow *find_row(const std::string &name)
{
    for (const GoldenRow &row : golden_rows())
        if (row.name == name)
            return &row;
    return nullptr;
}

void run_cases(const GoldenRow &row, ResultSink &sink)
{
    CaseSource source = CaseSource::for_function(row.name);
    row.run(row, source, sink);
}

std::string digest_of(const GoldenRow &row)
{
    HashingSink sink;
    run_cases(row, sink);
    return sink.hex_digest();
}

} // namespace tarsel_golden
