// Randomised reading of text: grammar-built numbers and junk, and raw bytes.
// Every text lives in a heap block of exactly its length plus the zero byte,
// so under the address sanitizer a read past the terminator fails the run.
// The seed is fixed so that a failure reproduces; TARSEL_FUZZ_SEED picks
// another one.
#include "tests/cpp/bits.hpp"

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "tarsel/tarsel_io.h"

using namespace tarsel_test;

namespace {

std::uint64_t fuzz_seed()
{
    const char *env = std::getenv("TARSEL_FUZZ_SEED");
    return env ? std::strtoull(env, nullptr, 0) : 0x7A25E1ULL;
}

// Parses text from a block that ends exactly at its terminating zero byte.
tarsel parse_exact(const std::string &text)
{
    std::unique_ptr<char[]> block(new char[text.size() + 1]);
    std::memcpy(block.get(), text.c_str(), text.size() + 1);
    return tarsel_from_string(block.get());
}

// Blanks, one optional sign, then a case-folded "nan": the only texts that
// may read as NaN.
bool names_nan(const std::string &text)
{
    size_t i = text.find_first_not_of(" \t\n\r");
    if (i == std::string::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        i++;
    if (text.size() < i + 3)
        return false;
    std::string word = text.substr(i, 3);
    for (char &c : word)
        c = (char)std::tolower((unsigned char)c);
    return word == "nan";
}

// Properties every result has: NaN only from the word, and a special hi
// carries lo = +0.0.
::testing::AssertionResult well_formed_result(const std::string &text, tarsel got)
{
    double hi, lo;
    tarsel_extract(got, &hi, &lo);
    if (std::isnan(hi) != names_nan(text))
        return ::testing::AssertionFailure() << "NaN class wrong for \"" << text << "\": " << describe(hi);
    if (!std::isfinite(hi) && bits_of(lo) != 0)
        return ::testing::AssertionFailure() << "special hi with lo " << describe(lo) << " for \"" << text << '"';
    if (std::isnan(lo))
        return ::testing::AssertionFailure() << "NaN lo for \"" << text << '"';
    return ::testing::AssertionSuccess();
}

class TextGenerator {
public:
    explicit TextGenerator(std::uint64_t seed) : rng_(seed) {}

    int pick(int n) { return (int)(rng_() % (std::uint64_t)n); }

    std::string digits(int max_len)
    {
        std::string s(pick(max_len + 1), '0');
        for (char &c : s)
            c = (char)('0' + pick(10));
        return s;
    }

    // A number of bounded size by the grammar, which strtod reads the same way.
    std::string number(bool *oracle_ok)
    {
        std::string s;
        if (pick(2))
            s += std::string(pick(3), " \t\n\r"[pick(4)]);
        if (pick(3) == 0)
            s += pick(2) ? '-' : '+';
        const std::string int_digits = digits(40);
        std::string frac_digits;
        s += int_digits;
        if (pick(2)) {
            s += '.';
            frac_digits = digits(40);
            s += frac_digits;
        }
        *oracle_ok = !(int_digits.empty() && frac_digits.empty());
        if (pick(2)) {
            s += pick(2) ? 'e' : 'E';
            const int sign = pick(3);
            if (sign)
                s += sign == 1 ? '-' : '+';
            s += std::to_string(pick(251));
        }
        return s;
    }

    // Pieces of the grammar in any order, with junk and long runs.
    std::string soup()
    {
        static const char *const pieces[] = {" ", "\t", "\n", "\r", "\v", "\f", "+", "-", ".", "e", "E", "e-", "e+",
                                             "nan", "NaN", "inf", "INF", "Infinity", "in", "na", "n", "i", "x",
                                             "0x", "#", "\x80", "\xff", "(", "1e999999", "e99999999999"};
        std::string s;
        const int parts = pick(8);
        for (int i = 0; i < parts; i++) {
            switch (pick(4)) {
            case 0:
                s += pieces[pick((int)(sizeof pieces / sizeof pieces[0]))];
                break;
            case 1:
                s += digits(pick(20) == 0 ? 2000 : 25);
                break;
            case 2:
                s += (char)(1 + pick(255));
                break;
            default:
                s += pieces[pick(11)];
                break;
            }
        }
        return s;
    }

    // Raw bytes 1 to 255, so the only zero byte is the terminator.
    std::string raw(int max_len)
    {
        std::string s(pick(max_len + 1), ' ');
        for (char &c : s)
            c = (char)(1 + pick(255));
        return s;
    }

private:
    std::mt19937_64 rng_;
};

} // namespace

// Well-formed numbers of at most 40 + 40 digits and exponents up to 250 are
// read to double precision or better: each 18-digit chunk and each power of
// ten carries at most one double rounding.
TEST(ParseFuzz, GrammarNumbersAgreeWithStrtod)
{
    TextGenerator gen(fuzz_seed());
    int compared = 0;
    for (int i = 0; i < 300000; i++) {
        bool oracle_ok = false;
        const std::string text = gen.number(&oracle_ok);
        const tarsel got = parse_exact(text);
        ASSERT_TRUE(well_formed_result(text, got));
        const double want = std::strtod(text.c_str(), nullptr);
        const double mag = std::fabs(want);
        if (!oracle_ok || (mag != 0.0 && (mag < 1e-290 || mag > 1e290)))
            continue;
        double hi, lo;
        tarsel_extract(got, &hi, &lo);
        ASSERT_LE(std::fabs((hi - want) + lo), 1e-15 * mag) << '"' << text << "\" gave " << describe(hi);
        if (want == 0.0) {
            ASSERT_EQ(bits_of(hi), 0u) << '"' << text << "\": zero reads as +0.0";
        }
        compared++;
    }
    EXPECT_GT(compared, 150000);
}

// Junk around and inside numbers: the parser never crashes, never reads past
// the terminator, yields NaN only for the word, and stops where the text stops
// fitting: appending a character that fits nothing changes nothing.
TEST(ParseFuzz, SoupOfPiecesAndJunkIsReadSafely)
{
    TextGenerator gen(fuzz_seed() + 1);
    for (int i = 0; i < 300000; i++) {
        const std::string text = gen.soup();
        const tarsel got = parse_exact(text);
        ASSERT_TRUE(well_formed_result(text, got));
        double hi, lo, hi2, lo2;
        tarsel_extract(got, &hi, &lo);
        tarsel_extract(parse_exact(text + "z#"), &hi2, &lo2);
        ASSERT_TRUE(bits_of(hi) == bits_of(hi2) && bits_of(lo) == bits_of(lo2)) << '"' << text << '"';
    }
}

TEST(ParseFuzz, RawRandomBytesAreReadSafely)
{
    TextGenerator gen(fuzz_seed() + 2);
    for (int i = 0; i < 300000; i++) {
        const std::string text = gen.raw(i % 100 == 0 ? 4096 : 48);
        ASSERT_TRUE(well_formed_result(text, parse_exact(text)));
    }
}

// A megabyte of digits in each part of the number: each finishes in time
// linear in its length (one chunk step per 18 integer digits, one step per
// fraction digit, one comparison per exponent digit).  The bound is loose so
// that a sanitizer build on a loaded machine passes; a quadratic pass over a
// megabyte would take minutes.
TEST(ParseFuzz, MegabyteTextsFinishInLinearTime)
{
    const size_t n = 1 << 20;
    struct LongCase {
        std::string text;
        double want_hi;
    };
    const LongCase cases[] = {
        {std::string(n, '7'), (double)INFINITY},
        {"0." + std::string(n, '9'), 1.0},
        {"0." + std::string(n, '0') + "5", 0.0},
        {"1e" + std::string(n, '9'), (double)INFINITY},
        {"1e-" + std::string(n, '9'), 0.0},
        {"-" + std::string(n, '0') + "." + std::string(n, '0') + "e" + std::string(n, '5'), 0.0},
        {std::string(n, ' ') + "2.5", 2.5},
    };
    for (const LongCase &c : cases) {
        const auto start = std::chrono::steady_clock::now();
        double hi, lo;
        tarsel_extract(parse_exact(c.text), &hi, &lo);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_TRUE(same_double(hi, c.want_hi)) << c.text.substr(0, 12) << "...: " << describe(hi);
        EXPECT_LT(seconds, 5.0) << c.text.substr(0, 12) << "...";
    }
}
