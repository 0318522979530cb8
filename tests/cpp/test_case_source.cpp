// The golden cases must keep reaching every class of argument: a generator
// that stopped drawing, say, signalling NaNs or unnormalised pairs would
// weaken every digest without failing any.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "tests/golden/case_source.hpp"

using namespace tarsel_golden;

namespace {

const int draws = 20000;

double as_double(std::uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

bool is_nan_bits(std::uint64_t b) { return (b & 0x7FF0000000000000ULL) == 0x7FF0000000000000ULL && (b << 12) != 0; }

int exponent_of(std::uint64_t b) { return (int)((b >> 52) & 0x7FF) - 1023; }

// Half an ulp of a normal hi, as a magnitude of lo.
bool beyond_half_ulp(std::uint64_t hi, std::uint64_t lo)
{
    if (((hi >> 52) & 0x7FF) == 0 || ((hi >> 52) & 0x7FF) == 0x7FF || ((lo >> 52) & 0x7FF) == 0x7FF)
        return false;
    return std::fabs(as_double(lo)) > std::ldexp(1.0, exponent_of(hi) - 53);
}

struct ValueClass {
    const char *name;
    std::function<bool(PairBits)> holds;
};

const Domain sample_domain{-4, 60, {0.5, 0x1p52, 709.5}, 25};

const ValueClass value_classes[] = {
    {"+0 high part", [](PairBits v) { return v.hi == 0; }},
    {"-0 high part", [](PairBits v) { return v.hi == 0x8000000000000000ULL; }},
    {"zero high part beside a non-zero low part", [](PairBits v) { return (v.hi << 1) == 0 && (v.lo << 1) != 0; }},
    {"subnormal high part", [](PairBits v) { return ((v.hi >> 52) & 0x7FF) == 0 && (v.hi << 12) != 0; }},
    {"largest finite high part", [](PairBits v) { return (v.hi << 1) == (0x7FEFFFFFFFFFFFFFULL << 1); }},
    {"+inf", [](PairBits v) { return v.hi == 0x7FF0000000000000ULL; }},
    {"-inf", [](PairBits v) { return v.hi == 0xFFF0000000000000ULL; }},
    {"quiet NaN with a payload", [](PairBits v) { return is_nan_bits(v.hi) && (v.hi & 0x0007FFFFFFFFFFFFULL) != 0 && (v.hi & 0x0008000000000000ULL); }},
    {"signalling NaN", [](PairBits v) { return is_nan_bits(v.hi) && !(v.hi & 0x0008000000000000ULL); }},
    {"negative NaN", [](PairBits v) { return is_nan_bits(v.hi) && (v.hi >> 63); }},
    {"finite high part beside a NaN low part", [](PairBits v) { return !is_nan_bits(v.hi) && is_nan_bits(v.lo); }},
    {"unnormalised pair", [](PairBits v) { return beyond_half_ulp(v.hi, v.lo); }},
    {"an edge exactly", [](PairBits v) { return as_double(v.hi) == 709.5 || as_double(v.hi) == -0x1p52; }},
    {"an edge's neighbour", [](PairBits v) { return v.hi == 0x3FE0000000000003ULL || v.hi == 0x432FFFFFFFFFFFFEULL; }},
    {"integral value of the window",
     [](PairBits v) {
         double d = as_double(v.hi);
         return v.lo == 0 && d == std::floor(d) && std::fabs(d) >= 2.0 && std::fabs(d) < 0x1p52;
     }},
    {"beyond the working window", [](PairBits v) { return std::abs(exponent_of(v.hi)) > 300; }},
};

std::size_t significand_digits(const std::string &t)
{
    std::size_t end = t.find_first_of("eE"), n = 0;
    for (std::size_t i = 0; i < t.size() && i < end; i++)
        n += t[i] >= '0' && t[i] <= '9';
    return n;
}

std::size_t exponent_digits(const std::string &t)
{
    std::size_t at = t.find_first_of("eE");
    if (at == std::string::npos)
        return 0;
    at++;
    if (at < t.size() && (t[at] == '+' || t[at] == '-'))
        at++;
    std::size_t end = t.find_first_not_of("0123456789", at);
    return (end == std::string::npos ? t.size() : end) - at;
}

} // namespace

TEST(CaseSource, DrawsEveryClassOfArgument)
{
    CaseSource source(1);
    int counts[sizeof value_classes / sizeof value_classes[0]] = {};
    int in_window = 0;
    for (int i = 0; i < draws; i++) {
        PairBits v = source.value(sample_domain);
        for (std::size_t c = 0; c < sizeof value_classes / sizeof value_classes[0]; c++)
            counts[c] += value_classes[c].holds(v);
        int e = exponent_of(v.hi);
        in_window += e >= -4 && e <= 60;
    }
    for (std::size_t c = 0; c < sizeof value_classes / sizeof value_classes[0]; c++)
        EXPECT_GT(counts[c], 0) << value_classes[c].name;
    EXPECT_GT(in_window, draws * 2 / 5) << "most arguments belong to the function's working window";
}

TEST(CaseSource, SecondOperandsReachTheEdgesOfTheProductAndQuotientRange)
{
    CaseSource source(2);
    const Domain domain{-8, 8, {}, 0};
    int equal = 0, opposite = 0, product_overflows = 0, product_subnormal = 0, quotient_overflows = 0;
    for (int i = 0; i < draws; i++) {
        PairBits a = source.value(domain), b = source.partner(a, domain);
        double x = as_double(a.hi), y = as_double(b.hi);
        equal += a.hi == b.hi && a.lo == b.lo;
        opposite += a.hi == (b.hi ^ 0x8000000000000000ULL) && a.lo == (b.lo ^ 0x8000000000000000ULL);
        if (std::isfinite(x) && std::isfinite(y)) {
            product_overflows += std::isinf(x * y);
            product_subnormal += x * y != 0.0 && std::fabs(x * y) < 0x1p-1022;
            quotient_overflows += y != 0.0 && std::isinf(x / y);
        }
    }
    EXPECT_GT(equal, 0);
    EXPECT_GT(opposite, 0);
    EXPECT_GT(product_overflows, 0);
    EXPECT_GT(product_subnormal, 0);
    EXPECT_GT(quotient_overflows, 0);
}

TEST(CaseSource, TextsCoverTheReaderGrammarAndJunk)
{
    CaseSource source(3);
    struct Feature {
        const char *name;
        std::function<bool(const std::string &)> holds;
        int count;
    } features[] = {
        {"leading blank", [](const std::string &t) { return !t.empty() && std::strchr(" \t\n\r", t[0]); }, 0},
        {"minus sign", [](const std::string &t) { return t.find('-') != std::string::npos; }, 0},
        {"special word", [](const std::string &t) { return t.find_first_of("nNiI") != std::string::npos; }, 0},
        {"fraction", [](const std::string &t) { return t.find('.') != std::string::npos; }, 0},
        {"exponent of three digits or more", [](const std::string &t) { return exponent_digits(t) >= 3; }, 0},
        {"more than 36 significand digits", [](const std::string &t) { return significand_digits(t) > 36; }, 0},
        {"trailing junk", [](const std::string &t) { return t.find_first_of("x_") != std::string::npos; }, 0},
    };
    std::size_t longest = 0;
    for (int i = 0; i < draws; i++) {
        std::string text = source.decimal_text();
        longest = std::max(longest, text.size());
        for (Feature &f : features)
            f.count += f.holds(text);
    }
    for (const Feature &f : features)
        EXPECT_GT(f.count, 0) << f.name;
    EXPECT_LT(longest, 200u);
}

TEST(CaseSource, InputsDependOnTheFunctionNameAlone)
{
    CaseSource exp_a = CaseSource::for_function("exp"), exp_b = CaseSource::for_function("exp");
    CaseSource log = CaseSource::for_function("log");
    bool log_differs = false;
    for (int i = 0; i < 100; i++) {
        std::uint64_t a = exp_a.next();
        EXPECT_EQ(a, exp_b.next());
        log_differs |= a != log.next();
    }
    EXPECT_TRUE(log_differs);
}
