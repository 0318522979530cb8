// Reading decimal text, the powers of ten, and the 16-byte record.
#include "tests/cpp/bits.hpp"

#include <cfloat>
#include <cstdlib>
#include <string>

#include "tarsel/tarsel_io.h"
#include "src/text/powers_of_ten.h"

using namespace tarsel_test;

namespace {

struct ParseCase {
    const char *text;
    std::uint64_t hi, lo;
    const char *why;
};

// Expected pairs come from exact integer or rational arithmetic on the
// values each step rounds (Python fractions), not from the parser.
const ParseCase parse_cases[] = {
    {"", 0x0000000000000000ULL, 0, "empty text"},
    {"abc", 0x0000000000000000ULL, 0, "no digits"},
    {".", 0x0000000000000000ULL, 0, "a point alone"},
    {"e5", 0x0000000000000000ULL, 0, "an exponent without a number"},
    {"  \t\n\r-42", 0xC045000000000000ULL, 0, "the four blanks are skipped"},
    {"\v1", 0x0000000000000000ULL, 0, "vertical tab is not blank"},
    {"\f1", 0x0000000000000000ULL, 0, "form feed is not blank"},
    {"- 1", 0x0000000000000000ULL, 0, "no blank after the sign"},
    {"+-1", 0x0000000000000000ULL, 0, "one sign only"},
    {"12abc", 0x4028000000000000ULL, 0, "trailing text ignored"},
    {"0x1A", 0x0000000000000000ULL, 0, "reading stops at x"},
    {"-0", 0x0000000000000000ULL, 0, "negation by subtraction from zero gives +0"},
    {"-0.0e-5", 0x0000000000000000ULL, 0, "still +0 after scaling"},
    {"1e", 0x3FF0000000000000ULL, 0, "e without digits"},
    {"1e+", 0x3FF0000000000000ULL, 0, "e+ without digits"},
    {"1e-", 0x3FF0000000000000ULL, 0, "e- without digits"},
    {"1.", 0x3FF0000000000000ULL, 0, "point without digits"},
    {"0.1", 0x3FB999999999999AULL, 0xBC5999999999999AULL, "one tenth to double-double precision"},
    {"12345678901234567", 0x4345EE2A2EB5A5C4ULL, 0, "17 digits: one chunk, rounded"},
    {"123456789012345678", 0x437B69B4BA630F35ULL, 0, "18 digits: one full chunk, rounded to 123456789012345680"},
    {"9007199254740993", 0x4340000000000000ULL, 0, "a chunk halfway between doubles rounds to even, down"},
    {"9007199254740995", 0x4340000000000002ULL, 0, "a chunk halfway between doubles rounds to even, up"},
    {"576460752303423552", 0x43A0000000000000ULL, 0, "an 18-digit tie above 2^59 rounds to even"},
    {"576460752303423553", 0x43A0000000000001ULL, 0, "one past that tie rounds up"},
    {"999999999999999999", 0x43ABC16D674EC800ULL, 0, "the largest chunk rounds up to 1e18"},
    {"1234567890123456789", 0x43B12210F47DE981ULL, 0x4044800000000000ULL,
     "19 digits: rounded chunk times 10 plus 9, exact"},
    {"123456789012345678000000000000000000", 0x4737C6E3BFD70FDFULL, 0xC3975094DF130000ULL, "two chunks: the first rounded, then scaled exactly"},
    {"1e23", 0x44B52D02C7E14AF6ULL, 0, "the table row: double nearest 1e23"},
    {"100000000000000000000000", 0x44B52D02C7E14AF6ULL, 0x4160000000000000ULL, "the exact 10^23"},
    {"1e22", 0x4480F0CF064DD592ULL, 0, "last exact row"},
    {"1e5", 0x40F86A0000000000ULL, 0, "exact power"},
    {"1e-5", 0x3EE4F8B588E368F1ULL, 0xBB8EE78183F91E64ULL, "1 divided by 100000: the nearest pair"},
    {"1e-22", 0x3B5E392010175EE6ULL, 0xB7FA7566D9CBA769ULL, "1 divided by the exact 1e22: the nearest pair"},
    {"1e300", 0x7E37E43C8800759CULL, 0, "one row, no 1e300 step"},
    {"1e301", 0x7E6DDD4BAA009303ULL, 0, "a 1e300 step, then the row for 10"},
    {"5e-324", 0x0000000000000001ULL, 0, "smallest subnormal"},
    {"2.4e-324", 0x0000000000000000ULL, 0, "below half the smallest subnormal"},
    {"2.2250738585072014e-308", 0x0010000000000000ULL, 0, "smallest normal"},
    {"1.7976931348623159e308", 0x7FF0000000000000ULL, 0, "past the largest double"},
    {"1e400", 0x7FF0000000000000ULL, 0, "overflow"},
    {"1e-400", 0x0000000000000000ULL, 0, "underflow"},
    {"1e99999999", 0x7FF0000000000000ULL, 0, "exponent saturates at 999999"},
    {"1e-99999999", 0x0000000000000000ULL, 0, "negative exponent saturates"},
    {"0e999999", 0x0000000000000000ULL, 0, "zero stays zero"},
    {"inf", 0x7FF0000000000000ULL, 0, "infinity"},
    {"+INF", 0x7FF0000000000000ULL, 0, "sign and case"},
    {"Infinity", 0x7FF0000000000000ULL, 0, "only three letters are examined"},
    {"-inf", 0xFFF0000000000000ULL, 0, "negative infinity"},
    {" \t-iNfx", 0xFFF0000000000000ULL, 0, "blanks, sign, mixed case, trailing text"},
    {"in", 0x0000000000000000ULL, 0, "two letters are not a word"},
    {"n", 0x0000000000000000ULL, 0, "one letter"},
};

struct NanCase {
    const char *text;
};
const NanCase nan_cases[] = {{"nan"}, {"NaN"}, {"-nan"}, {"+NAN"}, {"NaNx"}, {"  nan(123)"}};

} // namespace

TEST(DecimalParse, ReadsEachTextToTheExactPair)
{
    for (const ParseCase &c : parse_cases) {
        EXPECT_TRUE(same_bits(tarsel_from_string(c.text), from_bits(c.hi), from_bits(c.lo)))
            << '"' << c.text << "\": " << c.why;
    }
}

TEST(DecimalParse, NanWordsGiveThePositiveQuietNanWhateverTheSign)
{
    for (const NanCase &c : nan_cases)
        EXPECT_TRUE(is_library_nan(tarsel_from_string(c.text))) << c.text;
}

TEST(DecimalParse, NullTextGivesZero)
{
    EXPECT_TRUE(same_bits(tarsel_from_string(nullptr), 0.0, 0.0));
}

// A negative exponent divides by 1e300 and by a row of the positive table, so
// 1e-301 is 1 / (double(1e300) * 10), not the negative table's nearest double.
TEST(DecimalParse, NegativeExponentsDivideByPositivePowers)
{
    double hi, lo;
    tarsel_extract(tarsel_from_string("1e-301"), &hi, &lo);
    EXPECT_EQ(bits_of(hi), 0x017124E63593F5E0ULL) << describe(hi);
    EXPECT_NE(hi, _tarsel_pow10_neg_table[301][0]);
}

// The text of the largest double: hi is the largest double and lo holds the
// rest of the product with the inexact 1e300, about 0.864 of 2^970.
TEST(DecimalParse, LargestDoubleTextKeepsItsRemainder)
{
    double hi, lo;
    tarsel_extract(tarsel_from_string("1.7976931348623157e308"), &hi, &lo);
    EXPECT_EQ(hi, DBL_MAX);
    EXPECT_NEAR(lo / 0x1p970, 0.86421917033192813, 1e-13);
}

TEST(DecimalParse, FractionDigitsAddRunningTenths)
{
    double hi, lo;
    tarsel_extract(tarsel_from_string(".5e1"), &hi, &lo);
    EXPECT_EQ(hi, 5.0);
    EXPECT_LE(std::fabs(lo), 1e-30);
    // 1/3 to 40 digits agrees with the double-double quotient to about 2^-104.
    const tarsel third = tarsel_from_string("0.3333333333333333333333333333333333333333");
    double dhi, dlo;
    tarsel_extract(tarsel_sub(third, tarsel_div(dd(1.0), dd(3.0))), &dhi, &dlo);
    EXPECT_LE(std::fabs(dhi), 1e-31);
}

TEST(PowersOfTen, RowsAreTheNearestDoublesWithoutLowParts)
{
    for (int k = 0; k <= 308; k++) {
        const std::string pos = "1e" + std::to_string(k), neg = "1e-" + std::to_string(k);
        EXPECT_TRUE(same_bits(_tarsel_pow10_int(k), std::strtod(pos.c_str(), nullptr), 0.0)) << k;
        EXPECT_TRUE(same_bits(_tarsel_pow10_int(-k), std::strtod(neg.c_str(), nullptr), 0.0)) << -k;
    }
    EXPECT_EQ(bits_of(_tarsel_pow10_pos_table[23][0]), 0x44B52D02C7E14AF6ULL);
    EXPECT_EQ(bits_of(_tarsel_pow10_neg_table[308][0]), 0x000730D67819E8D2ULL);
    EXPECT_TRUE(same_bits(_tarsel_pow10_int(309), (double)INFINITY, 0.0));
    EXPECT_TRUE(same_bits(_tarsel_pow10_int(-309), 0.0, 0.0));
    EXPECT_TRUE(same_bits(_tarsel_pow10_int(2147483647), (double)INFINITY, 0.0));
    EXPECT_TRUE(same_bits(_tarsel_pow10_int(-2147483647 - 1), 0.0, 0.0));
}

TEST(CaseInsensitiveCompare, StopsAtTheFirstDifference)
{
    EXPECT_EQ(_tarsel_strncasecmp3("NaN", "nan"), 0);
    EXPECT_EQ(_tarsel_strncasecmp3("iNfinity", "inf"), 0);
    EXPECT_NE(_tarsel_strncasecmp3("na", "nan"), 0);
    EXPECT_NE(_tarsel_strncasecmp3("", "nan"), 0);
    EXPECT_NE(_tarsel_strncasecmp3("[an", "{an"), 0); // only A-Z are folded
    // Only the one byte of "n" plus its terminator are readable here.
    const char two[2] = {'n', '\0'};
    EXPECT_NE(_tarsel_strncasecmp3(two, "nan"), 0);
}

// The record holds both doubles bit for bit: NaN payloads, signed zeros and
// pairs that are not normalised come back unchanged.
TEST(ByteRecord, RoundTripKeepsEveryBit)
{
    const std::uint64_t pairs[][2] = {
        {0x3FF0000000000000ULL, 0x3C30000000000000ULL}, // 1 + 2^-60
        {0x7FF8000000000000ULL, 0x0000000000000000ULL}, // the library NaN
        {0x7FF0000000000123ULL, 0xFFF8DEADBEEF0001ULL}, // signalling and negative NaN payloads
        {0x8000000000000000ULL, 0x8000000000000000ULL}, // -0.0, -0.0
        {0x0000000000000000ULL, 0x3FF0000000000000ULL}, // zero hi with a nonzero lo
        {0x3FF0000000000000ULL, 0x3FF0000000000000ULL}, // lo as large as hi
        {0x0000000000000001ULL, 0xFFF0000000000000ULL}, // subnormal hi, -inf lo
    };
    for (const auto &p : pairs) {
        std::uint8_t record[16];
        tarsel_to_bytes(record, dd(from_bits(p[0]), from_bits(p[1])));
        std::uint64_t hi_bits, lo_bits;
        std::memcpy(&hi_bits, record, 8);
        std::memcpy(&lo_bits, record + 8, 8);
        EXPECT_EQ(hi_bits, p[0]);
        EXPECT_EQ(lo_bits, p[1]);
        double hi, lo;
        tarsel_extract(tarsel_from_bytes(record), &hi, &lo);
        EXPECT_EQ(bits_of(hi), p[0]);
        EXPECT_EQ(bits_of(lo), p[1]);
    }
}

TEST(ByteRecord, LayoutIsHiThenLoLittleEndianUnaligned)
{
    const std::uint8_t want[16] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf0, 0x3f,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x3c};
    std::uint8_t storage[17] = {0};
    tarsel_to_bytes(storage + 1, dd(1.0, 0x1p-60));
    EXPECT_EQ(std::memcmp(storage + 1, want, 16), 0);
    EXPECT_TRUE(same_bits(tarsel_from_bytes(storage + 1), 1.0, 0x1p-60));
}

TEST(ByteRecord, NullPointersWriteNothingAndReadZero)
{
    tarsel_to_bytes(nullptr, dd(1.0));
    EXPECT_TRUE(same_bits(tarsel_from_bytes(nullptr), 0.0, 0.0));
}

extern "C" int tarsel_c11_text_round_trip_of_one_half(void);
extern "C" int tarsel_c11_record_of_ten_ends_in_zero_low_part(void);

TEST(CInterface, TextAndRecordWorkFromC)
{
    EXPECT_EQ(tarsel_c11_text_round_trip_of_one_half(), 1);
    EXPECT_EQ(tarsel_c11_record_of_ten_ends_in_zero_low_part(), 1);
}
