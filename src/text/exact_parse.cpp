// exact_parse.cpp -- decimal text in the grammar of Python's float():
//
//     [sign] (digitpart ["." [digitpart]] | "." digitpart) [("e"|"E") [sign] digitpart]
//     [sign] ("inf" | "infinity" | "nan"), letters in any case
//     digitpart = digit (["_"] digit)*
//
// with blanks (space, \t, \n, \v, \f, \r) allowed around the whole text only.
#include "tarsel/tarsel_exact.hpp"

#include <cmath>
#include <limits>

namespace tars {

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool equals_ignoring_case(std::string_view text, std::string_view lower_word)
{
    if (text.size() != lower_word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lower_word[i])
            return false;
    }
    return true;
}

// A forward reader over the number part of the text.
class number_reader {
public:
    explicit number_reader(std::string_view text) : text_(text) {}

    bool at_end() const { return pos_ == text_.size(); }

    bool take(char c) { return take_either(c, c); }

    bool take_either(char a, char b)
    {
        if (at_end() || (text_[pos_] != a && text_[pos_] != b))
            return false;
        ++pos_;
        return true;
    }

    // A digitpart, each digit passed to sink; false when there is none or
    // an underscore is not followed by a digit.
    template <class Sink>
    bool digit_part(Sink sink)
    {
        if (at_end() || !is_digit(text_[pos_]))
            return false;
        sink(text_[pos_++]);
        while (!at_end()) {
            std::size_t next = text_[pos_] == '_' ? pos_ + 1 : pos_;
            if (next == text_.size() || !is_digit(text_[next]))
                return text_[pos_] != '_';
            sink(text_[next]);
            pos_ = next + 1;
        }
        return true;
    }

    bool next_is_digit() const { return !at_end() && is_digit(text_[pos_]); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// An exponent is read up to a bound far beyond any place that can matter;
// larger ones only saturate.
constexpr std::int64_t exponent_cap = std::int64_t(1) << 50;

std::optional<float128> read_number(bool negative, std::string_view text)
{
    number_reader in(text);
    std::string digits;
    std::int64_t fraction_digits = 0;
    auto keep_digit = [&digits](char c) { digits.push_back(c); };
    bool has_whole = in.next_is_digit();
    if (has_whole && !in.digit_part(keep_digit))
        return std::nullopt;
    if (in.take('.') && in.next_is_digit()) {
        std::size_t before = digits.size();
        if (!in.digit_part(keep_digit))
            return std::nullopt;
        fraction_digits = std::int64_t(digits.size() - before);
    }
    if (digits.empty())
        return std::nullopt;
    std::int64_t exponent = 0;
    if (in.take_either('e', 'E')) {
        bool exponent_negative = in.take('-');
        if (!exponent_negative)
            in.take('+');
        auto accumulate = [&exponent](char c) {
            if (exponent < exponent_cap)
                exponent = exponent * 10 + (c - '0');
        };
        if (!in.digit_part(accumulate))
            return std::nullopt;
        if (exponent_negative)
            exponent = -exponent;
    }
    if (!in.at_end())
        return std::nullopt;
    return from_decimal_parts(negative, digits, exponent - fraction_digits);
}

} // namespace

std::optional<float128> parse_decimal(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const double sign = negative ? -1.0 : 1.0;
    if (equals_ignoring_case(text, "inf") || equals_ignoring_case(text, "infinity"))
        return float128(tarsel_from_hi_lo(sign * std::numeric_limits<double>::infinity(), 0.0));
    if (equals_ignoring_case(text, "nan"))
        return float128(tarsel_from_hi_lo(std::copysign(std::numeric_limits<double>::quiet_NaN(), sign), 0.0));
    return read_number(negative, text);
}

} // namespace tars
