// The table of the golden digests: one row per function, each naming how
// its arguments are drawn and how its results are written to the sink.  A
// new function is one more row in golden_table.cpp.
#ifndef TARSEL_TEST_GOLDEN_TABLE_HPP
#define TARSEL_TEST_GOLDEN_TABLE_HPP

#include <string>
#include <vector>

#include "tests/golden/case_source.hpp"
#include "tests/golden/result_sink.hpp"

namespace tarsel_golden {

// Enough cases that a seed wrong in one argument of a thousand changes the
// digest with certainty (about 1 - e^-20 for a uniform rate), few enough that
// every function is checked in a fraction of a second.
const int cases_per_function = 20000;

struct GoldenRow;
using CaseRunner = void (*)(const GoldenRow &row, CaseSource &source, ResultSink &sink);

struct GoldenRow {
    std::string name;
    CaseRunner run;
    Domain x; // the argument, or the first of two
    Domain y; // the second argument
};

const std::vector<GoldenRow> &golden_rows();
const GoldenRow *find_row(const std::string &name);

// Runs the row's cases, drawn from the generator seeded by its name.
void run_cases(const GoldenRow &row, ResultSink &sink);
std::string digest_of(const GoldenRow &row);

} // namespace tarsel_golden

#endif
