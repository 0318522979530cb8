#include "tests/golden/golden_exact.hpp"

#include <vector>

#include "tests/golden/golden_runners.hpp"
#include "tarsel/tarsel_exact.hpp"

namespace tarsel_golden {

namespace {

const char number_types[] = "eEfFgG%r";

void put_digits(ResultSink &sink, const tars::decimal_digits &d)
{
    sink.result_int(d.negative);
    sink.result_text(d.digits.c_str());
    sink.result_int64(d.exponent);
}

void put_big_uint(ResultSink &sink, const tars::big_uint &n)
{
    std::vector<unsigned char> bytes = n.to_bytes();
    sink.result_int((int)bytes.size());
    sink.result_bytes(bytes.data(), bytes.size());
}

tars::big_uint random_big_uint(CaseSource &source)
{
    unsigned char bytes[24];
    std::size_t count = (std::size_t)source.below(sizeof bytes + 1);
    for (std::size_t i = 0; i < count; i++)
        bytes[i] = (unsigned char)source.next();
    return tars::big_uint::from_bytes(bytes, count);
}

// The digits of a finite sum, or the class of another (which has none).
template <tars::decimal_digits (*Digits)(const tars::float128 &, CaseSource &)>
void finite_digits(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tars::float128 x = draw_argument(row, source);
        sink.argument_value(x.data);
        tars::sum_class c = tars::classify_sum(x);
        sink.result_int((int)c);
        if (c == tars::sum_class::finite)
            put_digits(sink, Digits(x, source));
        sink.end_case();
    }
}

tars::decimal_digits all_digits(const tars::float128 &x, CaseSource &) { return tars::exact_digits(x); }

tars::decimal_digits significant(const tars::float128 &x, CaseSource &source)
{
    std::int64_t n = 1 + (std::int64_t)source.below(40);
    return tars::round_significant(x, n);
}

tars::decimal_digits places(const tars::float128 &x, CaseSource &source)
{
    std::int64_t count = (std::int64_t)source.below(61) - 20;
    int scale = (int)source.below(11) - 5;
    return tars::round_places(x, count, scale);
}

tars::decimal_digits shortest(const tars::float128 &x, CaseSource &) { return tars::shortest_digits(x); }

} // namespace

void sum_class_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tars::float128 x = draw_argument(row, source);
        sink.argument_value(x.data);
        sink.result_int((int)tars::classify_sum(x));
        sink.end_case();
    }
}

void exact_digits_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    finite_digits<all_digits>(row, source, sink);
}

void digits_to_significant_count(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    finite_digits<significant>(row, source, sink);
}

void digits_to_decimal_places(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    finite_digits<places>(row, source, sink);
}

void shortest_digits_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    finite_digits<shortest>(row, source, sink);
}

void number_text_in_styles(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tars::float128 x = draw_argument(row, source);
        tars::number_style style;
        style.type = number_types[source.below(sizeof number_types - 1)];
        style.precision = (std::int64_t)source.below(32) - 1;
        style.alternate = source.below(2) == 0;
        style.point_zero = source.below(2) == 0;
        style.no_negative_zero = source.below(2) == 0;
        sink.argument_value(x.data);
        sink.argument_text(std::string(1, style.type) + "." + std::to_string(style.precision));
        tars::number_text text = tars::format_number(x, style);
        sink.result_int(text.negative);
        sink.result_text(text.body.c_str());
        sink.end_case();
    }
}

void value_of_decimal_parts(const GoldenRow &, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        bool negative = source.below(2) == 0;
        std::string digits = source.digit_run(source.below(64) == 0 ? 1500 : 60);
        std::int64_t exponent = source.below(16) == 0 ? (std::int64_t)source.below(4000001) - 2000000
                                                      : (std::int64_t)source.below(801) - 400;
        sink.argument_text(digits + "e" + std::to_string(exponent));
        sink.result_value(tars::from_decimal_parts(negative, digits, exponent).data);
        sink.end_case();
    }
}

// The reader's texts, some with an underscore put between two characters.
void value_of_python_text(const GoldenRow &, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        std::string text = source.decimal_text();
        if (source.below(8) == 0 && text.size() > 1)
            text.insert((std::size_t)(1 + source.below(text.size() - 1)), 1, '_');
        sink.argument_text(text);
        std::optional<tars::float128> value = tars::parse_decimal(text);
        sink.result_int(value.has_value());
        if (value)
            sink.result_value(value->data);
        sink.end_case();
    }
}

void value_of_rational(const GoldenRow &, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        bool negative = source.below(2) == 0;
        tars::big_uint numerator = random_big_uint(source);
        tars::big_uint denominator = random_big_uint(source);
        sink.argument_text(numerator.to_decimal() + "/" + denominator.to_decimal());
        sink.result_value(tars::from_rational(negative, numerator, denominator).data);
        sink.end_case();
    }
}

void integer_ratio_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink)
{
    for (int i = 0; i < cases_per_function; i++) {
        tars::float128 x = draw_argument(row, source);
        sink.argument_value(x.data);
        std::optional<tars::integer_ratio> ratio = tars::as_integer_ratio(x);
        sink.result_int(ratio.has_value());
        if (ratio) {
            sink.result_int(ratio->negative);
            put_big_uint(sink, ratio->numerator);
            put_big_uint(sink, ratio->denominator);
        }
        sink.end_case();
    }
}

} // namespace tarsel_golden
