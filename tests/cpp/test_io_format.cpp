// Decimal text of double-double values: the exact characters of each form,
// the special texts and the buffer limits.
#include "tests/cpp/bits.hpp"

#include <algorithm>
#include <cfloat>
#include <regex>
#include <vector>

#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_io.h"

using namespace tarsel_test;

namespace {

std::string text_of(tarsel x, int digits = 32)
{
    char buf[128];
    tarsel_to_string_prec(buf, sizeof buf, x, digits);
    return buf;
}

struct TextCase {
    double hi, lo;
    int digits;
    const char *want;
    const char *why;
};

// Texts of the exponent form past double precision were checked against the
// truncated exact product of the value and the double powers of ten that
// scale it (mpmath, 400 bits).
const TextCase text_cases[] = {
    {1.5, 0.0, 5, "1.5000", "trailing zeros are kept"},
    {-2.25, 0.0, 3, "-2.25", "sign and exact fraction"},
    {7.0, 0.0, 1, "7", "no point without fraction digits"},
    {123456.0, 0.0, 3, "123456", "integer part is never cut"},
    {0.0, 0.0, 32, "0.0000000000000000000000000000000", "zero takes the plain form"},
    {-0.0, 0.0, 32, "-0.0000000000000000000000000000000", "the minus of -0.0 comes from the integer text"},
    {0.0, -0x1p-80, 5, "-8.2718e-25", "a zero hi takes its sign from lo; the negated pair is renormalised"},
    {0x1p-20, 0.0, 16, "9.536743164062500e-7", "exponent without leading zeros"},
    {0x1p-20, 0.0, 1, "9.e-7", "point kept without fraction digits"},
    {1.0, -0x1p-70, 32, "0.9999999999999999999991529670527", "integer part corrected below hi"},
    {1.0 / 3.0, 0.0, 60, "0.33333333333333331482961625624739099293947219848632812500000",
     "60 digits of the exact double, truncated"},
    {1e20, 0.0, 32, "0.9999999999999999451532714542095e+20", "inexact 1e-20 leaves leading digit 0"},
    {1e15, 0.0, 32, "1.0000000000000000777053998766610e+15", "1e15 takes the exponent form"},
    {0x1.c6bf52633ffffp+49, 0.0, 32, "999999999999999.87500000000000000", "just below 1e15: plain form"},
    {0x1.a36e2eb1c432dp-14, 0.0, 32, "0.0001000000000000000047921736023", "1e-4 takes the plain form"},
    {0x1.a36e2eb1c432cp-14, 0.0, 32, "9.9999999999999991239646446317124e-5", "just below 1e-4: exponent form"},
    {1e-5, -1e-21, 32, "0.9999999999999999818030539140313e-5", "scaled hi exactly 1.0 with a negative lo"},
    {1e-5, 0.0, 32, "1.0000000000000000818030539140313e-5", "the same without the low part"},
    {0x1p-1074, 0.0, 32, "4.9406564584124648130425550614602e-324", "smallest subnormal, scaled by 1e250 first"},
    {DBL_MAX, 0.0, 32, "1.7976931348623158514294706065938e+308", "largest double, scaled by 1e-250 first"},
    {-DBL_MAX, 0.0, 3, "-1.79e+308", "negative exponent form"},
    {(double)NAN, 0.0, 10, "nan", "NaN hi"},
    {(double)INFINITY, 0.0, 10, "inf", "positive infinity"},
    {-(double)INFINITY, 0.0, 10, "-inf", "negative infinity"},
    // A finite hi with a lo that has no digits is written as that lo.
    {1.0, (double)NAN, 10, "nan", "finite hi, NaN lo"},
    {-1.0, (double)NAN, 10, "nan", "finite negative hi, NaN lo"},
    {1.0, (double)INFINITY, 10, "inf", "finite hi, +inf lo"},
    {1.0, -(double)INFINITY, 10, "-inf", "finite hi, -inf lo: the sign of lo"},
    {-1.0, (double)INFINITY, 10, "inf", "finite negative hi, +inf lo"},
    {-DBL_MAX, -DBL_MAX, 10, "-inf", "a pair whose negation overflows"},
};

} // namespace

TEST(DecimalText, WritesTheExactCharactersOfEachForm)
{
    for (const TextCase &c : text_cases) {
        EXPECT_EQ(text_of(dd(c.hi, c.lo), c.digits), c.want) << c.why;
    }
}

TEST(DecimalText, DigitsAreClampedToOneAndSixty)
{
    const tarsel values[] = {dd(1.0 / 3.0), dd(-2.5e-7), dd(123.0), dd(DBL_MAX)};
    for (tarsel x : values) {
        for (int digits : {-5, -1, 0})
            EXPECT_EQ(text_of(x, digits), text_of(x, 1));
        for (int digits : {61, 62, 100, 1000})
            EXPECT_EQ(text_of(x, digits), text_of(x, 60));
    }
    EXPECT_EQ(text_of(dd(1.0 / 3.0), 0), "0");
    EXPECT_EQ(text_of(dd(2.5e-7), -3), "2.e-7");
}

TEST(DecimalText, ShortBufferGetsTheCutTerminatedBeginning)
{
    char buf[4] = {'x', 'x', 'x', 'x'};
    tarsel_to_string(buf, sizeof buf, dd(1.5));
    EXPECT_STREQ(buf, "1.5");

    char untouched[2] = {'x', 'x'};
    tarsel_to_string(untouched, 0, dd(1.5));
    EXPECT_EQ(untouched[0], 'x');
    tarsel_to_string(nullptr, 16, dd(1.5)); // writes nothing, must not crash
}

// Every buffer size from 0 to 128 and every digit count from -5 to 100: the
// text stays inside buf_size, is terminated, and is the beginning of the full
// text.  The buffer is heap-allocated at exactly buf_size so that the
// address sanitizer sees any write past it; guard bytes after a second copy
// catch it without the sanitizer.
TEST(DecimalText, NeverWritesPastTheBufferSize)
{
    const tarsel values[] = {
        dd(-1.0, 0x1p-60), dd(1.0 / 3.0), dd(-0.0), dd(DBL_MAX), dd(-0x1p-1074), dd(123456789012345.0, 0.01),
        dd((double)NAN), dd(-(double)INFINITY), dd(1.0, (double)NAN), dd(1e-5, 1e308), dd(0.0, 1e300),
    };
    for (tarsel x : values) {
        for (int digits = -5; digits <= 100; digits++) {
            const std::string full = text_of(x, digits);
            ASSERT_LT(full.size(), 128u);
            for (size_t buf_size = 0; buf_size <= 128; buf_size++) {
                std::vector<char> exact(buf_size == 0 ? 1 : buf_size, '#');
                tarsel_to_string_prec(buf_size == 0 ? nullptr : exact.data(), buf_size, x, digits);

                std::vector<char> guarded(buf_size + 16, '#');
                tarsel_to_string_prec(guarded.data(), buf_size, x, digits);
                for (size_t i = buf_size; i < guarded.size(); i++)
                    ASSERT_EQ(guarded[i], '#') << "wrote byte " << i << " with buf_size " << buf_size;
                if (buf_size == 0)
                    continue;
                const size_t len = std::min(full.size(), buf_size - 1);
                ASSERT_EQ(std::string(guarded.data(), len), full.substr(0, len));
                ASSERT_EQ(guarded[len], '\0');
                ASSERT_EQ(std::string(exact.data(), len), full.substr(0, len));
                ASSERT_EQ(exact[len], '\0');
            }
        }
    }
}

// Random normalised pairs of every magnitude: the text has one of the
// documented shapes and its length stays within the 67-character bound.
TEST(DecimalText, RandomValuesTakeADocumentedShape)
{
    const std::regex shape(R"(nan|-?inf|-?[0-9]+(\.[0-9]+)?|-?[0-9]\.[0-9]*e[+-][1-9][0-9]*|-?[0-9]\.[0-9]*e\+0)");
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 20000; i++) {
        const double hi = from_bits(next());
        const double lo = std::isfinite(hi) ? hi * 0x1p-54 * (double)(next() % 2001 - 1000) / 1000.0 : 0.0;
        const int digits = (int)(next() % 66) - 2;
        const std::string text = text_of(dd(hi, lo), digits);
        ASSERT_TRUE(std::regex_match(text, shape)) << text << " for " << describe(hi);
        ASSERT_LE(text.size(), 67u) << text;
    }
    // Pairs of arbitrary bits, normalised or not, run every path without
    // undefined behaviour (checked in the sanitizer build) and give a text.
    for (int i = 0; i < 20000; i++) {
        const double hi = from_bits(next()), lo = from_bits(next());
        ASSERT_FALSE(text_of(dd(hi, lo), (int)(next() % 66) - 2).empty());
        ASSERT_FALSE(text_of(dd(hi, lo * 0x1p-60)).empty());
    }
}

// Values from 1 to 2^47 keep 32 significant digits in the plain form; the
// truncated text reads back to within a few units of the 32nd digit.
TEST(DecimalText, PlainTextReadsBackToAbout31Digits)
{
    std::uint64_t state = 12345;
    for (int i = 0; i < 5000; i++) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double hi = std::ldexp(1.0 + (double)(state >> 12) * 0x1p-52, (int)(state % 47));
        const double lo = hi * 0x1p-54 * ((double)(state % 1000) / 1000.0 - 0.5);
        const tarsel x = tarsel_add(dd(hi), dd(lo));
        const tarsel back = tarsel_from_string(text_of(x).c_str());
        double dhi, dlo;
        tarsel_extract(tarsel_sub(back, x), &dhi, &dlo);
        ASSERT_LE(std::fabs(dhi), std::fabs(hi) * 1e-29) << text_of(x);
    }
}

TEST(DecimalText, PrintWritesTheTextAndANewline)
{
    testing::internal::CaptureStdout();
    tarsel_print(dd(-2.25));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "-2.2500000000000000000000000000000\n");
}

TEST(DecimalText, Float128ToStringIsTheThirtyTwoDigitText)
{
    const tars::float128 third = tars::float128(1.0) / tars::float128(3.0);
    EXPECT_EQ(third.to_string(), "0.3333333333333333333333333333333");
    EXPECT_EQ(tars::float128(-(double)INFINITY).to_string(), "-inf");
}
