// The exact accumulator: sums rounded once to the bit, products far outside
// the double range, special terms, the sign of zero sums, merging,
// saturation and the state string.
#include "bits.hpp"

#include <cfloat>
#include <limits>
#include <utility>
#include <vector>

#include "tarsel_superacc.hpp"

using namespace tarsel_test;
using tars::superaccumulator;

namespace {

const double tiny = 0x1p-1074;

struct SumCase {
    const char *why;
    std::vector<double> terms;
    std::vector<std::pair<double, double>> products;
    double hi, lo;
};

superaccumulator accumulate(const SumCase &c)
{
    superaccumulator acc;
    for (double x : c.terms)
        acc.add(x);
    for (auto [a, b] : c.products)
        acc.add_product(a, b);
    return acc;
}

void check_table(const std::vector<SumCase> &cases)
{
    for (const SumCase &c : cases)
        EXPECT_TRUE(same_bits(accumulate(c).round(), c.hi, c.lo)) << c.why;
}

} // namespace

TEST(SuperaccRounding, HiAndLoAreEachRoundedToNearestEven)
{
    check_table({
        {"a tie for hi goes to the even neighbour below", {1.0, 0x1p-53}, {}, 1.0, 0x1p-53},
        {"a tie for hi goes to the even neighbour above", {1.0 + 0x1p-52, 0x1p-53}, {}, 1.0 + 0x1p-51, -0x1p-53},
        {"just past the tie rounds up", {1.0, 0x1p-53, 0x1p-200}, {}, 1.0 + 0x1p-52, -0x1p-53},
        {"a tie for lo goes to even", {1.0, 0x1p-60, 0x1p-113}, {}, 1.0, 0x1p-60},
        {"a sticky bit far below breaks the tie for lo", {1.0, 0x1p-60, 0x1p-113, 0x1p-1000}, {}, 1.0,
         0x1p-60 + 0x1p-112},
        {"negative sums round symmetrically", {-1.0, -0x1p-53, -0x1p-200}, {}, -1.0 - 0x1p-52, 0x1p-53},
        {"lo is +0.0 when hi is the exact sum", {0.5, 0.25}, {}, 0.75, 0.0},
        {"a negative exact sum still has lo = +0.0", {-0.5, -0.25}, {}, -0.75, 0.0},
    });
}

TEST(SuperaccRounding, CarriesRunAcrossManyDigits)
{
    // 2^200 - 2^-200 has ones in all 400 bits below 2^200; adding 2^-200
    // carries through every digit in between.
    check_table({
        {"a carry through thirteen digits", {0x1p200, -0x1p-200, 0x1p-200}, {}, 0x1p200, 0.0},
        {"the ones below a power of two round up to it", {0x1p200, -0x1p-200}, {}, 0x1p200, -0x1p-200},
        {"cancellation down to the last bit", {0x1p1000, 0x1p-1074, -0x1p1000}, {}, tiny, 0.0},
        {"borrows of a negative total", {-0x1p100, 0x1p-100, 0x1p-100}, {}, -0x1p100, 0x1p-99},
    });
}

TEST(SuperaccRounding, TheExtremesOfTheDoubleRange)
{
    const double max = DBL_MAX;
    check_table({
        {"the largest double plus less than half its ulp", {max, 0x1p969}, {}, max, 0x1p969},
        {"half an ulp above the largest double ties to 2^1024: infinity", {max, 0x1p970}, {}, inf, 0.0},
        {"twice the largest double overflows", {max, max}, {}, inf, 0.0},
        {"and cancels back exactly", {max, max, -max, -max, 1.0}, {}, 1.0, 0.0},
        {"negative overflow", {-max, -max}, {}, -inf, 0.0},
        {"the smallest subnormal", {tiny}, {}, tiny, 0.0},
        {"subnormals add exactly", {tiny, 3 * tiny, -2 * tiny}, {}, 2 * tiny, 0.0},
        {"a subnormal hi leaves lo zero", {0x1p-1030, 0x1p-1074}, {}, 0x1p-1030 + 0x1p-1074, 0.0},
    });
}

TEST(SuperaccProducts, ProductsBeyondTheDoubleRangeAreExactTerms)
{
    const double a = 0x1p550 * (1 + 0x1p-52), b = 0x1p550 * (1 - 0x1p-53);
    check_table({
        {"overflowing products cancel exactly", {}, {{1e200, 1e200}, {-1e200, 1e200}}, 0.0, 0.0},
        {"and leave their low bits", {}, {{a, b}, {-0x1p550, 0x1p550}, {-0x1p1000, 0x1p47}}, -0x1p995, 0.0},
        {"an exact sum beyond the range is infinite", {}, {{1e200, 1e200}}, inf, 0.0},
        {"products of subnormals are exact", {}, {{tiny, tiny}, {-tiny, tiny}, {3 * tiny, tiny}},
         0.0, 0.0},
        {"a nonzero sum below half of 2^-1074 rounds to zero", {}, {{3 * tiny, tiny}}, 0.0, 0.0},
        {"and keeps its sign", {}, {{-3 * tiny, tiny}}, -0.0, 0.0},
        {"underflowing products carry up into the subnormals", {}, {{0x1p-600, 0x1p-600}, {-0x1p-600, 0x1p-600},
                                                                  {0x1p-537, 0x1p-537}}, tiny, 0.0},
        {"the error of a product is kept", {}, {{1.0 + 0x1p-30, 1.0 - 0x1p-30}}, 1.0, -0x1p-60},
        {"a huge factor times a small one", {}, {{0x1p1020, 0x1p-1000 * (1 + 0x1p-52)}}, 0x1p20 * (1 + 0x1p-52),
         0.0},
        {"the rounded product as hi, its exact error as lo", {}, {{0.1, 0.1}}, 0x1.47ae147ae147cp-7,
         -0x1.eb851eb851eb8p-61},
    });
}

TEST(SuperaccSpecials, NaNAndInfinitiesFollowIEEE)
{
    check_table({
        {"one NaN term", {1.0, nan_}, {}, nan_, 0.0},
        {"infinities of both signs", {inf, -inf}, {}, nan_, 0.0},
        {"infinities of one sign", {inf, 1.0, inf}, {}, inf, 0.0},
        {"a negative infinity", {1e300, -inf}, {}, -inf, 0.0},
        {"infinity times zero", {}, {{inf, 0.0}}, nan_, 0.0},
        {"infinity times a negative number", {}, {{inf, -2.0}}, -inf, 0.0},
        {"NaN times zero", {}, {{0.0, nan_}}, nan_, 0.0},
        {"an infinite product beside an infinite term of the other sign", {inf}, {{-1.0, inf}}, nan_, 0.0},
    });
    EXPECT_TRUE(is_library_nan(accumulate({"", {nan_}, {}, 0, 0}).round()));
}

TEST(SuperaccSpecials, AnExactlyZeroSumIsNegativeOnlyWhenEveryTermIsMinusZero)
{
    check_table({
        {"no terms at all", {}, {}, 0.0, 0.0},
        {"one -0.0", {-0.0}, {}, -0.0, 0.0},
        {"only -0.0 terms", {-0.0, -0.0, -0.0}, {}, -0.0, 0.0},
        {"one +0.0 among them", {-0.0, 0.0, -0.0}, {}, 0.0, 0.0},
        {"nonzero terms that cancel", {-1.0, 1.0}, {}, 0.0, 0.0},
        {"a -0.0 product", {}, {{-0.0, 3.0}}, -0.0, 0.0},
        {"products of opposite zero signs", {}, {{-0.0, 3.0}, {0.0, 3.0}}, 0.0, 0.0},
        {"a -0.0 term and a -0.0 product", {-0.0}, {{0.0, -1e300}}, -0.0, 0.0},
        {"products that cancel", {}, {{-1e-200, 1e-200}, {1e-200, 1e-200}}, 0.0, 0.0},
    });
}

TEST(SuperaccMerge, MergingEqualsAddingEveryTermToOneAccumulator)
{
    superaccumulator left, right, all;
    std::vector<double> terms = {1e300, 0.1, -1e-300, 0x1p-1074, -1e300, 3.0, 1e-20};
    for (std::size_t i = 0; i < terms.size(); ++i) {
        (i % 2 ? left : right).add(terms[i]);
        all.add(terms[i]);
    }
    left.add_product(1e200, 1e200);
    all.add_product(1e200, 1e200);
    left.merge(right);
    EXPECT_TRUE(left == all);

    superaccumulator zeros, empty, self;
    zeros.add(-0.0);
    zeros.merge(empty);
    EXPECT_TRUE(same_bits(zeros.round(), -0.0, 0.0)) << "merging nothing keeps the sign of a zero sum";
    self.add(0.1);
    self.add(1e-30);
    self.merge(self);
    EXPECT_TRUE(same_bits(self.round(), 0.2, 2e-30)) << "merging with itself doubles";
}

TEST(SuperaccMerge, AnAccumulatorThatOutgrowsItsDigitsSaturatesToInfinity)
{
    // Each merge doubles the sum; from 2^2272 on it no longer fits, and the
    // accumulator turns into an infinity of its sign instead of wrapping.
    superaccumulator up, down;
    up.add(DBL_MAX);
    down.add(-DBL_MAX);
    for (int i = 0; i < 1300; ++i) {
        up.merge(up);
        down.merge(down);
    }
    EXPECT_TRUE(same_bits(up.round(), inf, 0.0));
    EXPECT_TRUE(same_bits(down.round(), -inf, 0.0));
    up.merge(down);
    EXPECT_TRUE(is_library_nan(up.round())) << "saturated both ways is inf - inf";
}

TEST(SuperaccState, OnlyTheNonzeroDigitsAreWritten)
{
    superaccumulator acc;
    acc.add(1.0);
    EXPECT_EQ(acc.to_state().size(), 4u + 4u) << "the header and one digit";
    EXPECT_EQ(superaccumulator().to_state().size(), 4u);
}

TEST(SuperaccState, MalformedStatesAreRefused)
{
    superaccumulator acc;
    acc.add(1.0);
    std::string good = acc.to_state(); // one digit
    auto with_byte = [&good](std::size_t i, char value) {
        std::string s = good;
        s[i] = value;
        return s;
    };
    std::vector<std::pair<const char *, std::string>> bad = {
        {"empty", ""},
        {"a short header", good.substr(0, 3)},
        {"a partial digit", good.substr(0, 6)},
        {"another version", with_byte(0, 2)},
        {"an unknown flag", with_byte(1, char(0x40))},
        {"an unknown zero-sign state", with_byte(1, char(0x30))},
        {"digits beyond the top", with_byte(3, char(1))},
        {"the top digit itself", with_byte(2, char(superaccumulator::digit_count - 1))},
    };
    for (const auto &[why, state] : bad)
        EXPECT_FALSE(superaccumulator::from_state(state).has_value()) << why;
    EXPECT_TRUE(superaccumulator::from_state(with_byte(2, char(superaccumulator::digit_count - 2))).has_value())
        << "the highest digit below the top is allowed";
}
