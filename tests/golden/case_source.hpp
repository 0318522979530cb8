// The seeded inputs of the golden digests.  Everything here is integer
// arithmetic on bit patterns (splitmix64, then exponent and significand
// fields put together by hand), so every build makes the same inputs: no
// floating-point operation, no standard-library distribution, no double
// returned through a register that could quiet a signalling NaN.
#ifndef TARSEL_TEST_CASE_SOURCE_HPP
#define TARSEL_TEST_CASE_SOURCE_HPP

#include <cstdint>
#include <string>
#include <vector>

#include "tarsel/tarsel.h"
#include "tarsel/tarsel_complex.h"

namespace tarsel_golden {

// A double-double value as the bit patterns of its two parts.
struct PairBits {
    std::uint64_t hi, lo;
};

tarsel to_tarsel(PairBits bits);
PairBits bits_of(tarsel x);
std::uint64_t double_bits(double d);

// Where a function's arguments are drawn.  Most high parts fall in the
// working window of binary exponents; the rest are spread over every
// exponent, taken from the special classes, or put at and a few ulps around
// the edges, the arguments at which the function changes branch.  Of the
// working-window values, integral_percent have their fraction bits cleared
// (integral exponents of a power, arguments of the roundings).
struct Domain {
    int min_exponent, max_exponent;
    std::vector<double> edges;
    int integral_percent;
};

class CaseSource {
public:
    explicit CaseSource(std::uint64_t seed);

    // The inputs of one function depend on its name only, so adding a
    // function leaves every other function's inputs as they were.
    static CaseSource for_function(const std::string &name);

    std::uint64_t next();
    std::uint64_t below(std::uint64_t bound);

    PairBits value(const Domain &domain);
    // A second operand: mostly drawn on its own, sometimes made from the
    // first (equal, opposite, sharing its high part, or with an exponent
    // that puts their product or quotient at the edges of the range).
    PairBits partner(PairBits first, const Domain &domain);
    tarsel_complex complex_value(const Domain &domain);
    // Decimal text in the grammar the reader accepts, with the special
    // words, long digit runs, far exponents and trailing junk.
    std::string decimal_text();
    // 16 bytes: random, or the record of a value.
    void record_bytes(unsigned char out[16]);
    // Up to max_length random decimal digits.
    std::string digit_run(int max_length);

private:
    PairBits working_value(const Domain &domain);
    PairBits wide_value();
    PairBits special_value();
    PairBits edge_value(const Domain &domain);
    PairBits unnormalised_value(const Domain &domain);
    std::uint64_t random_sign();
    std::uint64_t random_double_bits(long long field);
    std::uint64_t normalised_low_part(std::uint64_t hi);

    std::uint64_t state_;
};

} // namespace tarsel_golden

#endif
