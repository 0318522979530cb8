// The exact accumulator: sums rounded once to the bit, products far outside
// the double range, special terms, the sign of zero sums, merging,
// saturation and the state string.
#include "tests/cpp/bits.hpp"

#include <cfloat>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tarsel/tarsel_superacc.hpp"

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
    EXPECT_EQ(acc.to_state().size(), 8u + 4u) << "the header and one digit";
    EXPECT_EQ(superaccumulator().to_state().size(), 8u);
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
        {"another version", with_byte(0, 3)},
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

namespace {

// x merged with itself n times: x * 2^n.
superaccumulator doubled(double x, int n)
{
    superaccumulator acc;
    acc.add(x);
    for (int i = 0; i < n; ++i)
        acc.merge(acc);
    return acc;
}

// -2^2272 exactly: the largest magnitude a carried sum holds.
superaccumulator minus_top()
{
    return doubled(-0x1p1023, 1249);
}

// 2^2272 - 2^1000, carried.
superaccumulator just_below_top()
{
    superaccumulator acc = doubled(0x1p1023, 1248), rest = acc;
    rest.add(-0x1p1000);
    acc.merge(rest);
    return acc;
}

// 2^2272 + 2^1000, two terms after the last carry pass.
superaccumulator past_top()
{
    superaccumulator acc = just_below_top();
    acc.add(0x1p1000);
    acc.add(0x1p1000);
    return acc;
}

using state_builder = std::function<superaccumulator()>;
using state_step = std::function<void(superaccumulator &)>;

const std::vector<std::pair<const char *, state_builder>> &reachable_states()
{
    static const std::vector<std::pair<const char *, state_builder>> cases = {
        {"empty", [] { return superaccumulator(); }},
        {"-0.0", [] { superaccumulator a; a.add(-0.0); return a; }},
        {"across the range", [] { superaccumulator a; a.add(-1e308); a.add(tiny); a.add_product(1e300, 1e300); return a; }},
        {"NaN", [] { superaccumulator a; a.add(nan_); a.add(1.0); return a; }},
        {"+inf", [] { superaccumulator a; a.add(inf); a.add(-2.0); return a; }},
        {"-inf", [] { superaccumulator a; a.add(-inf); return a; }},
        {"both infinities", [] { superaccumulator a; a.add(-inf); a.add(inf); return a; }},
        {"saturated upwards", [] { return doubled(DBL_MAX, 1300); }},
        {"saturated downwards, then more terms", [] { superaccumulator a = doubled(-DBL_MAX, 1300); a.add(5.0); return a; }},
        {"exactly -2^2272", &minus_top},
        {"past -2^2272, not carried yet", [] { superaccumulator a = minus_top(); a.add(-1.0); return a; }},
        {"past +2^2272, not carried yet", &past_top},
        {"just below +2^2272", &just_below_top},
    };
    return cases;
}

// What may follow a restore; each must do the same to the original.
const std::vector<std::pair<const char *, state_step>> &continuations()
{
    static const std::vector<std::pair<const char *, state_step>> steps = {
        {"nothing", [](superaccumulator &) {}},
        {"a small term", [](superaccumulator &a) { a.add(1.0); }},
        {"back and forth across 2^2272", [](superaccumulator &a) { a.add(0x1p1000); a.add(0x1p1000); a.add(-0x1p1000); }},
        {"a merge with itself", [](superaccumulator &a) { a.merge(a); }},
        {"a merge with 2^2272 - 2^1000", [](superaccumulator &a) { a.merge(just_below_top()); }},
        {"a product and -2^2272", [](superaccumulator &a) { a.add_product(1e300, -1e300); a.merge(minus_top()); }},
    };
    return steps;
}

std::string with_pending(std::string state, std::uint32_t pending)
{
    for (int b = 0; b < 4; ++b)
        state[std::size_t(4 + b)] = char((pending >> (8 * b)) & 0xFF);
    return state;
}

std::string state_from_hex(const std::string &hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// The same bits of hi and lo, NaNs included.
bool same_rounding(const superaccumulator &a, const superaccumulator &b)
{
    double a_hi, a_lo, b_hi, b_lo;
    tarsel_extract(a.round(), &a_hi, &a_lo);
    tarsel_extract(b.round(), &b_hi, &b_lo);
    return bits_of(a_hi) == bits_of(b_hi) && bits_of(a_lo) == bits_of(b_lo);
}

} // namespace

TEST(SuperaccState, EveryReachableStateRoundTripsAndGoesOnTheSame)
{
    for (const auto &[why, make] : reachable_states()) {
        for (const auto &[then, apply] : continuations()) {
            superaccumulator original = make();
            std::string state = original.to_state();
            std::optional<superaccumulator> restored = superaccumulator::from_state(state);
            ASSERT_TRUE(restored.has_value()) << why;
            EXPECT_EQ(restored->to_state(), state) << why << ": the state is written back unchanged";
            apply(original);
            apply(*restored);
            EXPECT_TRUE(*restored == original) << why << ", then " << then;
            EXPECT_TRUE(same_rounding(*restored, original)) << why << ", then " << then;
        }
    }
}

TEST(SuperaccState, SumsBeyondTheTopOfTheGridRoundToTheirSignedInfinity)
{
    EXPECT_TRUE(same_bits(past_top().round(), inf, 0.0)) << "positive past 2^2272";
    EXPECT_TRUE(same_bits(minus_top().round(), -inf, 0.0)) << "exactly -2^2272";
    superaccumulator back = past_top(), cancel = minus_top();
    back.add(-0x1p1000);
    back.add(-0x1p1000);
    cancel.add(0x1p1000);
    cancel.add(1.0);
    back.merge(cancel);
    EXPECT_TRUE(same_bits(back.round(), 1.0, 0.0)) << "exact again if it comes back before a carry pass";
}

// The count of terms since the last carry pass decides whether a sum that
// crosses 2^2272 and comes back saturates on the way, so it is kept.
TEST(SuperaccState, ThePendingCountDecidesSaturationAndIsKept)
{
    std::string state = just_below_top().to_state();
    superaccumulator cancel = minus_top();
    cancel.add(0x1p1000);
    cancel.add(1.0); // -(2^2272 - 2^1000) + 1
    auto crossing = [&cancel](superaccumulator acc) {
        acc.add(0x1p1000); // 2^2272, carried here when one term was left
        acc.add(-0x1p1000);
        acc.merge(cancel);
        return acc.round();
    };
    for (auto [pending, hi] : {std::pair<std::uint32_t, double>{0, 1.0}, {superaccumulator::max_pending - 1, inf}}) {
        std::optional<superaccumulator> acc = superaccumulator::from_state(with_pending(state, pending));
        ASSERT_TRUE(acc.has_value()) << pending;
        EXPECT_TRUE(same_bits(crossing(*acc), hi, 0.0)) << pending;
        std::optional<superaccumulator> again = superaccumulator::from_state(acc->to_state());
        ASSERT_TRUE(again.has_value());
        EXPECT_TRUE(same_bits(crossing(*again), hi, 0.0)) << pending << " after another round trip";
    }
}

// Strings that version 1 wrote, with the accumulators they came from.
TEST(SuperaccState, VersionOneStatesAreStillRead)
{
    superaccumulator one_and_tiny, negative_zero, nan_and_inf, minus_inf;
    one_and_tiny.add(1.0);
    one_and_tiny.add(tiny);
    negative_zero.add(-0.0);
    nan_and_inf.add(nan_);
    nan_and_inf.add(inf);
    minus_inf.add(-inf);
    minus_inf.add(3.0);
    // The digits 34 (2^-1074) to 68 (1.0), 33 zero digits between them.
    std::string one_and_tiny_v1 = state_from_hex("0120220000400000" + std::string(8 * 33, '0') + "01000000");
    std::vector<std::tuple<const char *, std::string, superaccumulator>> cases = {
        {"1.0 and 2^-1074", one_and_tiny_v1, one_and_tiny},
        {"-0.0", state_from_hex("01100000"), negative_zero},
        {"NaN and +inf", state_from_hex("01230000"), nan_and_inf},
        {"-inf and 3.0", state_from_hex("0124440003000000"), minus_inf},
        {"-2^2272, which version 1 wrote without digits", state_from_hex("01280000"), minus_top()},
    };
    for (const auto &[why, state, want] : cases) {
        std::optional<superaccumulator> read = superaccumulator::from_state(state);
        ASSERT_TRUE(read.has_value()) << why;
        EXPECT_TRUE(*read == want && same_rounding(*read, want)) << why;
    }
}

TEST(SuperaccState, ForgedStatesOfEitherVersionAreRefused)
{
    superaccumulator acc;
    acc.add(1.0);
    acc.add(tiny);
    const std::string good = acc.to_state(); // digits 34 to 68, pending 2
    const std::string empty = superaccumulator().to_state(), past = past_top().to_state();
    auto with_byte = [](std::string s, std::size_t i, char value) {
        s[i] = value;
        return s;
    };
    const std::string zero_digit(4, '\0');
    std::vector<std::pair<const char *, std::string>> bad = {
        {"a header cut short", good.substr(0, 7)},
        {"a digit cut short", good.substr(0, good.size() - 1)},
        {"version 0", with_byte(good, 0, 0)},
        {"version 255", with_byte(good, 0, char(0xFF))},
        {"flag bit 6", with_byte(good, 1, char(0x60))},
        {"an unknown zero-sign state", with_byte(good, 1, char(0x30))},
        {"digits beyond the top", with_byte(good, 2, char(0x7f))},
        {"a digit too many", good + std::string(3, '\x01')},
        {"the 2^2272 flag in version 1", state_from_hex("01a00000")},
        {"a pending count of 2^29", with_pending(good, superaccumulator::max_pending)},
        {"a pending count of 2^32 - 1", with_pending(good, 0xFFFFFFFFu)},
        {"a leading zero digit", with_byte(good.substr(0, 8) + zero_digit + good.substr(8), 2, char(33))},
        {"a trailing zero digit", good + zero_digit},
        {"no digits but a first index", with_byte(empty, 2, char(5))},
        {"a negative sign on a zero magnitude", with_byte(empty, 1, char(0x28))},
        {"NaN beside no terms", state_from_hex("0201000000000000")},
        {"NaN beside a -0.0 sum", state_from_hex("0211000000000000")},
        {"2^2272 with no term pending", with_pending(past, 0)},
        {"past 2^2272 by 2 * 2^2112 after two terms", state_from_hex("02a08600" "02000000" "02000000")},
        {"past -2^2272 by a digit no count of terms reaches", state_from_hex("02a88700" "ffffff1f" "01000000")},
        {"version 1: a negative flag without digits and a first index", state_from_hex("01280100")},
        {"version 1: a negative flag and a zero digit", state_from_hex("0128000000000000")},
    };
    for (const auto &[why, state] : bad)
        EXPECT_FALSE(superaccumulator::from_state(state).has_value()) << why;
    std::vector<std::pair<const char *, std::string>> edges = {
        {"-2^2272 exactly", minus_top().to_state()},
        {"2^2272 + 2^1000 after two terms", past},
        {"after one term", with_pending(past, 1)},
        {"2^2272 + 2 * 2^2112 after three terms", state_from_hex("02a08600" "03000000" "02000000")},
    };
    for (const auto &[why, state] : edges)
        EXPECT_TRUE(superaccumulator::from_state(state).has_value()) << why;
}
