#include "tests/golden/golden_table.hpp"

#include <climits>
#include <cstdint>
#include <cstring>

#include "tests/golden/golden_exact.hpp"
#include "tests/golden/golden_runners.hpp"
#include "tarsel/tarsel_complex.h"
#include "tarsel/tarsel_complex.hpp"
#include "tarsel/tarsel_io.h"
#include "src/text/powers_of_ten.h"
#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_parts.h"
#include "tarsel/tarsel_erf_gamma.h"
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
// The rest of C's library, drawn where the functions change behaviour
// whatever their algorithms: near zero, where expm1 and log1p part from
// exp - 1 and log(1 + x), and the ends of the ranges; the integers of
// gamma, its poles among them; the binades of the grid for the parts.
const Domain exp_minus_one{-60, 10,
                           {exp_overflow, 0x1.62e42fefa39efp-2 /* ln 2 / 2 */, 0x1p-54, 1.0,
                            -74.5 /* e^x below 2^-107: -1 to the last bit */},
                           0};
const Domain log_one_plus{-60, 10, {-1.0, -0.5, 1.0, 0x1p-54, dbl_max}, 0};
const Domain base_two_exponent{-12, 11, {1024.0, -1022.0, -1074.0, -1075.0, 0.5}, 10};
const Domain cube_root{-100, 100, {0x1p-1074, 0x1p-1022, dbl_max, 1.0, 8.0}, 0};
// Squares that overflow or underflow, and the subnormals.
const Domain hypotenuse{-60, 60, {dbl_max, 0x1p511, 0x1p-511, 0x1p-1022, 0x1p-1074}, 0};
const Domain inverse_hyperbolic{-30, 30, {1.0, 0x1p-27, 0x1p27, 0x1p511, dbl_max}, 0};
// erfc underflows past the normal range from 26.5 on and to zero past 27.3.
const Domain error_function{-20, 5, {0.5, 1.0, 2.0, 6.0, 26.5, 27.3}, 0};
// gamma overflows above 171.62.
const Domain gamma_argument{-10, 8, {1.0, 2.0, 0.5, 171.62, -0.5, 0x1p-1022}, 20};
const Domain degrees{-30, 30, {180.0, 360.0, 90.0, 0x1.921fb54442d18p+1, dbl_max}, 20};
// Where the step 2^(E - 105) of the grid meets the subnormals (2^-969),
// powers of two, the largest double.
const Domain grid{-1074, 1023, {0x1p-1074, 0x1p-1022, 0x1p-969, 0x1p-968, 1.0, 2.0, dbl_max}, 0};

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

// --- the parts of a value: an int argument, an int result, two results ---

// Exponents across the whole range and past it, and now and then the ends
// of an int.
void ldexp_cases(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x));
        std::uint64_t kind = source.below(16);
        int n = kind == 0 ? INT_MAX : kind == 1 ? INT_MIN : (int)source.below(4601) - 2300;
        sink.argument_value(x);
        sink.argument_int(n);
        sink.result_value(tarsel_ldexp(x, n));
        sink.end_case();
    }
}

void frexp_cases(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x));
        int e;
        tarsel m = tarsel_frexp(x, &e);
        sink.argument_value(x);
        sink.result_value(m);
        sink.result_int(e);
        sink.end_case();
    }
}

void modf_cases(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tarsel x = to_tarsel(source.value(row.x)), integral;
        tarsel fraction = tarsel_modf(x, &integral);
        sink.argument_value(x);
        sink.result_value(fraction);
        sink.result_value(integral);
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
tarsel_complex complex_log10(tarsel_complex z) { return tars::log10(tars::complex128(z)).data; }
tarsel_complex complex_asinh(tarsel_complex z) { return tars::asinh(tars::complex128(z)).data; }
tarsel_complex complex_acosh(tarsel_complex z) { return tars::acosh(tars::complex128(z)).data; }
tarsel_complex complex_atanh(tarsel_complex z) { return tars::atanh(tars::complex128(z)).data; }

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

        {"expm1", real_unary<tarsel_expm1>, exp_minus_one, exp_minus_one},
        {"log1p", real_unary<tarsel_log1p>, log_one_plus, log_one_plus},
        {"log2", real_unary<tarsel_log2>, logarithm, logarithm},
        {"log10", real_unary<tarsel_log10>, logarithm, logarithm},
        {"exp2", real_unary<tarsel_exp2>, base_two_exponent, base_two_exponent},
        {"cbrt", real_unary<tarsel_cbrt>, cube_root, cube_root},
        {"hypot", real_binary<tarsel_hypot>, hypotenuse, hypotenuse},
        {"asinh", real_unary<tarsel_asinh>, inverse_hyperbolic, inverse_hyperbolic},
        {"acosh", real_unary<tarsel_acosh>, inverse_hyperbolic, inverse_hyperbolic},
        {"atanh", real_unary<tarsel_atanh>, unit_interval, unit_interval},
        {"logaddexp", real_binary<tarsel_logaddexp>, exponential, exponential},
        {"logaddexp2", real_binary<tarsel_logaddexp2>, base_two_exponent, base_two_exponent},
        {"deg2rad", real_unary<tarsel_deg2rad>, degrees, degrees},
        {"rad2deg", real_unary<tarsel_rad2deg>, degrees, degrees},
        {"erf", real_unary<tarsel_erf>, error_function, error_function},
        {"erfc", real_unary<tarsel_erfc>, error_function, error_function},
        {"gamma", real_unary<tarsel_gamma>, gamma_argument, gamma_argument},
        {"lgamma", real_unary<tarsel_lgamma>, gamma_argument, gamma_argument},
        {"ldexp", ldexp_cases, grid, grid},
        {"frexp", frexp_cases, grid, grid},
        {"modf", modf_cases, rounding, rounding},
        {"nextafter", real_binary<tarsel_nextafter>, grid, grid},
        {"spacing", real_unary<tarsel_spacing>, grid, grid},

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
        {"complex_log10", complex_unary<complex_log10>, complex_plane, complex_plane},
        {"complex_asinh", complex_unary<complex_asinh>, complex_plane, complex_plane},
        {"complex_acosh", complex_unary<complex_acosh>, complex_plane, complex_plane},
        {"complex_atanh", complex_unary<complex_atanh>, complex_plane, complex_plane},

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
