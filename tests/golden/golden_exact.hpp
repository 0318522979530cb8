// The golden cases of the exact conversions of tarsel_exact.hpp: digits,
// text, the readers and the integer ratio.
#ifndef TARSEL_TEST_GOLDEN_EXACT_HPP
#define TARSEL_TEST_GOLDEN_EXACT_HPP

#include "tests/golden/golden_table.hpp"

namespace tarsel_golden {

void sum_class_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void exact_digits_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void digits_to_significant_count(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void digits_to_decimal_places(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void shortest_digits_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void number_text_in_styles(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void value_of_decimal_parts(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void value_of_python_text(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void value_of_rational(const GoldenRow &row, CaseSource &source, ResultSink &sink);
void integer_ratio_of_value(const GoldenRow &row, CaseSource &source, ResultSink &sink);

} // namespace tarsel_golden

#endif
