// The exact conversions: the big integer's division, correctly rounded
// digits at ties and carries, the reader at halfway points for hi and for
// lo, subnormals and the largest values, and the shortest digits.
#include "tests/cpp/bits.hpp"

#include <random>

#include "tarsel/tarsel_exact.hpp"

using namespace tarsel_test;
using tars::big_uint;
using tars::float128;

namespace {

std::string text_of(const float128 &x, char type, std::int64_t precision)
{
    tars::number_style style;
    style.type = type;
    style.precision = precision;
    tars::number_text t = tars::format_number(x, style);
    return (t.negative ? "-" : "") + t.body;
}

// A number with long runs of all-ones and lone high bits, which drive the
// quotient estimate of long division into its corrections.
big_uint awkward_number(std::mt19937_64 &rng, int limbs)
{
    big_uint r;
    for (int i = 0; i < limbs; ++i) {
        std::uint64_t pick = rng() % 4;
        std::uint32_t limb = pick == 0 ? 0xFFFFFFFFu : pick == 1 ? 0x80000000u : pick == 2 ? 0u : std::uint32_t(rng());
        r = (r << 32) + big_uint(limb);
    }
    return r;
}

} // namespace

TEST(BigUint, DivisionLeavesQuotientTimesDivisorPlusASmallerRemainder)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 3000; ++i) {
        big_uint n = awkward_number(rng, 1 + int(rng() % 12)), d = awkward_number(rng, 1 + int(rng() % 6));
        if (d.is_zero())
            continue;
        big_uint q, r;
        big_uint::divmod(n, d, q, r);
        ASSERT_TRUE(r < d);
        ASSERT_EQ(q * d + r, n);
    }
}

TEST(BigUint, DecimalAndByteFormsRoundTrip)
{
    std::string digits = "1" + std::string(40, '0') + "987654321000000000123";
    EXPECT_EQ(big_uint::from_decimal(digits).to_decimal(), digits);
    EXPECT_EQ(big_uint::power_of_ten(30).to_decimal(), "1" + std::string(30, '0'));
    EXPECT_EQ(big_uint().to_decimal(), "0");
    big_uint x = big_uint::power_of_five(100) << 7;
    std::vector<unsigned char> bytes = x.to_bytes();
    EXPECT_EQ(big_uint::from_bytes(bytes.data(), bytes.size()), x);
    EXPECT_EQ(x.trailing_zero_bits(), 7u);
}

struct FormatCase {
    double hi, lo;
    char type;
    int precision;
    const char *text;
    const char *why;
};

const FormatCase format_cases[] = {
    {0.125, 0.0, 'f', 2, "0.12", "a tie rounds to the even digit"},
    {0.375, 0.0, 'f', 2, "0.38", "a tie rounds up to the even digit"},
    {0.125, 0x1p-80, 'f', 2, "0.13", "lo past the tie decides"},
    {0.125, -0x1p-80, 'f', 2, "0.12", "lo below the tie decides"},
    {9.5, 0.0, 'f', 0, "10", "the carry gives a new digit"},
    {9.9999, 0.0, 'e', 2, "1.00e+01", "the carry moves to the next decade"},
    {0.0005, 0.0, 'f', 3, "0.001", "the first kept place rounds up from nothing"},
    {0.0004, 0.0, 'f', 2, "0.00", "everything below the places"},
    {-0.0004, 0.0, 'f', 2, "-0.00", "a negative value keeps its sign at zero"},
    {1.0, -0x1p-70, 'f', 30, "0.999999999999999999999152967053", "hi and lo of opposite signs"},
    {1.0, 1.0, 'e', 3, "2.000e+00", "a non-normalised pair is its exact sum"},
    {1e20, 0.0, 'e', 25, "1.0000000000000000000000000e+20", "1e20 is an exact double"},
    {0x1p-1074, 0.0, 'e', 3, "4.941e-324", "the smallest subnormal"},
    {0x1p-1074, 0.0, 'f', 324, "0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000000005",
     "its digit at 10^-324 (4.94 rounds to 5)"},
    {0x1.fffffffffffffp+1023, 0x1.fffffffffffffp+969, 'e', 5, "1.79769e+308", "the largest pair"},
    {0x1.fffffffffffffp+1023, 0x1p+970, 'e', 2, "1.80e+308", "past the largest double, still finite"},
    {0.1, -0x1.999999999999ap-58, 'g', 40, "0.09999999999999999999999999999999969185121", "0.1 to pair precision"},
    {123456.0, 0.0, 'g', 3, "1.23e+05", "g switches to scientific at the precision"},
    {0.5, 0.0, '%', 1, "50.0%", "percent scales by 100 exactly"},
};

TEST(ExactFormat, DigitsAreTheExactValueRoundedHalfToEven)
{
    for (const FormatCase &c : format_cases)
        EXPECT_EQ(text_of(tarsel_from_hi_lo(c.hi, c.lo), c.type, c.precision), c.text) << c.why;
}

TEST(ExactFormat, SpecialValuesAreTheIeeeSumOfTheParts)
{
    const double inf = INFINITY;
    EXPECT_EQ(text_of(tarsel_from_hi_lo(1.0, -inf), 'f', 2), "-inf");
    EXPECT_EQ(text_of(tarsel_from_hi_lo(inf, -inf), 'e', 2), "nan");
    EXPECT_EQ(text_of(tarsel_from_hi_lo(-NAN, 0.0), 'F', 2), "NAN");
    EXPECT_FALSE(tars::as_integer_ratio(tarsel_from_hi_lo(1.0, NAN)).has_value());
}

struct ReadCase {
    const char *text;
    std::uint64_t hi, lo;
    const char *why;
};

const ReadCase read_cases[] = {
    {"0.1", 0x3FB999999999999AULL, 0xBC5999999999999AULL, "one tenth"},
    {"1.00000000000000011102230246251565404236316680908203125", 0x3FF0000000000000ULL, 0x3CA0000000000000ULL,
     "1 + 2^-53: hi ties to even 1, lo is the rest exactly"},
    {"1.00000000000000033306690738754696212708950042724609375", 0x3FF0000000000002ULL, 0xBCA0000000000000ULL,
     "1 + 3 * 2^-53: hi ties to even 1 + 2^-51"},
    {"1.000000000000000000000000000000006162975822039155349709", 0x3FF0000000000000ULL, 0x3940000000000000ULL,
     "lo within half an ulp of 2^-107: nearest"},
    {"1e-307", 0x0031FA182C40C60DULL, 0x0000000000000002ULL, "lo subnormal: hi + lo lands on a tie of hi's"},
    {"2.5e-324", 0x0000000000000001ULL, 0x8000000000000000ULL, "just above half the smallest subnormal; lo -0"},
    {"2.4e-324", 0x0000000000000000ULL, 0x0000000000000000ULL, "below half the smallest subnormal"},
    {"-1e-400", 0x8000000000000000ULL, 0x8000000000000000ULL, "underflow keeps the sign in both parts"},
    {"-0", 0x8000000000000000ULL, 0x0000000000000000ULL, "an exact zero: lo +0"},
    {"1.7976931348623158e308", 0x7FEFFFFFFFFFFFFFULL, 0x7C8D746C0B29879DULL, "below the overflow threshold"},
    {"1.797693134862315808e308", 0x7FF0000000000000ULL, 0, "past the threshold: infinity, lo +0"},
    {"1e23", 0x44B52D02C7E14AF6ULL, 0x4160000000000000ULL, "10^23 exactly, unlike the fixed reader"},
    {"123_456.5e-1_0", 0x3EE9E40537474B0AULL, 0x3B8B75B0BEF6B6B0ULL, "underscores between digits"},
    {"  -Infinity\n", 0xFFF0000000000000ULL, 0, "blanks around a word"},
    {"-nan", 0xFFF8000000000000ULL, 0, "the NaN keeps its sign"},
};

TEST(ExactReader, HiIsTheNearestDoubleAndLoTheNearestRemainder)
{
    for (const ReadCase &c : read_cases) {
        std::optional<float128> x = tars::parse_decimal(c.text);
        ASSERT_TRUE(x.has_value()) << c.text;
        double hi, lo;
        x->extract(hi, lo);
        EXPECT_EQ(bits_of(hi), c.hi) << c.why;
        EXPECT_EQ(bits_of(lo), c.lo) << c.why;
    }
}

TEST(ExactReader, RefusesWhatFloatRefuses)
{
    for (const char *text : {"", " ", "1__0", "_1", "1_", "1_.5", "1._5", ".", "e5", "1e", "1e+", "1e_1", "- 1",
                             "0x10", "infi", "nan(1)", "1 2", "++1"})
        EXPECT_FALSE(tars::parse_decimal(text).has_value()) << text;
    EXPECT_FALSE(tars::parse_decimal(std::string("1\0", 2)).has_value());
}

// The digits of 2^-1075, half the smallest subnormal: a tie that goes to
// zero.  Any non-zero digit after it, however far, must tip it upwards, so
// the cut of long text may not drop it.
TEST(ExactReader, ADigitFarBeyondATieStillDecides)
{
    std::string half = big_uint::power_of_five(1075).to_decimal();  // times 10^-1075
    std::string tie = "0." + std::string(1075 - half.size(), '0') + half;
    double hi, lo;
    tars::parse_decimal(tie)->extract(hi, lo);
    EXPECT_EQ(bits_of(hi), 0u);
    tars::parse_decimal(tie + std::string(3000, '0') + "1")->extract(hi, lo);
    EXPECT_EQ(bits_of(hi), 1u);
}

TEST(ExactReader, FarExponentsSaturateAndHugeRationalsRoundDirectly)
{
    EXPECT_TRUE(same_bits(tars::parse_decimal("1e999999999999999999")->data, INFINITY, 0.0));
    EXPECT_TRUE(same_bits(tars::parse_decimal("0." + std::string(5000, '0') + "1e5000")->data, 0.1, -0x1.999999999999ap-58));
    big_uint two_100 = big_uint(1) << 100;
    EXPECT_TRUE(same_bits(tars::from_rational(false, two_100 + big_uint(1), big_uint(1)).data, 0x1p100, 1.0));
    EXPECT_TRUE(same_bits(tars::from_rational(true, big_uint(1) << 5000, big_uint(3) << 4999).data, -2.0 / 3.0,
                          -0x1.5555555555555p-55));
    EXPECT_TRUE(is_library_nan(tars::from_rational(false, big_uint(), big_uint()).data));
}

TEST(ExactRatio, IsInLowestTermsWithAPowerOfTwoBelow)
{
    std::optional<tars::integer_ratio> r = tars::as_integer_ratio(tarsel_from_hi_lo(1.0, 0x1p-60));
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->numerator, (big_uint(1) << 60) + big_uint(1));
    EXPECT_EQ(r->denominator, big_uint(1) << 60);
    r = tars::as_integer_ratio(tarsel_from_hi_lo(-0x1p70, 3.0));
    EXPECT_TRUE(r->negative);
    EXPECT_EQ(r->numerator, (big_uint(1) << 70) - big_uint(3));
    EXPECT_EQ(r->denominator, big_uint(1));
}

struct ShortestCase {
    double hi, lo;
    const char *digits;
    int exponent;
    const char *why;
};

const ShortestCase shortest_cases[] = {
    {0.1, -0x1.999999999999ap-58, "1", -1, "the pair nearest 0.1"},
    {0.1, 0.0, "1000000000000000055511151231257827021181583404541015625", -1, "lo = 0 needs the whole double"},
    {3 * 0x1p-1074, 0.0, "15", -323, "a subnormal hi with lo = 0 has a short text within 2^-1075"},
    {-3 * 0x1p-1074, 0.0, "14", -323, "negative: the remainder's side for a +0.0 lo is mirrored"},
    {1.0, 0x1p-53, "100000000000000011102230246251565", 0, "hi at its tie: the text may not pass it"},
    {1.0, 1.0, "2", 0, "a non-normalised pair gives its sum's normal form"},
};

TEST(ShortestDigits, FewestDigitsThatReadBackToThePair)
{
    for (const ShortestCase &c : shortest_cases) {
        tars::decimal_digits d = tars::shortest_digits(tarsel_from_hi_lo(c.hi, c.lo));
        EXPECT_EQ(d.digits, c.digits) << c.why;
        EXPECT_EQ(d.exponent, c.exponent) << c.why;
    }
}

TEST(ShortestDigits, ReadBackBitForBitOnRandomPairs)
{
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 2000; ++i) {
        double hi = std::ldexp(unit(rng), int(rng() % 2000) - 1000);
        double lo = hi * unit(rng) * std::ldexp(1.0, -53 - int(rng() % 60));
        tarsel x = tarsel_add(tarsel_from_double(hi), tarsel_from_double(lo));
        tars::decimal_digits d = tars::shortest_digits(x);
        std::string text = (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.exponent - std::int64_t(d.digits.size()) + 1);
        double want_hi, want_lo;
        tarsel_extract(x, &want_hi, &want_lo);
        if (want_lo == 0.0)
            want_lo = 0.0;  // a zero lo reads back as +0.0
        ASSERT_TRUE(same_bits(tars::parse_decimal(text)->data, want_hi, want_lo)) << text;
    }
}
