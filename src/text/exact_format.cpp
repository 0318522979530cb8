// exact_format.cpp -- text of a value in the styles of Python's float
// formatting ('e', 'f', 'g', '%' and the shortest repr style), from the
// correctly rounded digits of hi + lo.
#include "src/text/exact_value.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tars {

namespace {

// "e+05", "e-123": the sign always, at least two digits.
std::string exponent_suffix(std::int64_t exponent, bool upper)
{
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        digits.insert(0, "0");
    return std::string(1, upper ? 'E' : 'e') + (exponent < 0 ? '-' : '+') + digits;
}

// The digits after the first, padded with zeros to `count`.
std::string scientific(const decimal_digits &d, std::int64_t count, bool alternate, bool upper)
{
    std::string body(1, d.digits[0]);
    body.reserve(std::size_t(count) + 8); // the digits, the point and "e+308"
    if (count > 0 || alternate)
        body += '.';
    body += d.digits.substr(1);
    body.append(std::size_t(count) - (d.digits.size() - 1), '0');
    body += exponent_suffix(d.exponent, upper);
    return body;
}

// Digits placed around the point, with `count` digits after it; d has been
// rounded to that many places.
std::string fixed(const decimal_digits &d, std::int64_t count, bool alternate)
{
    std::string whole, fraction;
    if (d.exponent >= 0) {
        std::size_t whole_size = std::size_t(d.exponent) + 1;
        whole = d.digits.substr(0, whole_size);
        whole.append(whole_size - whole.size(), '0');
        if (d.digits.size() > whole_size)
            fraction = d.digits.substr(whole_size);
    } else {
        whole = "0";
        if (d.digits != "0")
            fraction = std::string(std::size_t(-d.exponent - 1), '0') + d.digits;
    }
    if (count > 0 || alternate) {
        std::size_t zeros = std::size_t(count) - fraction.size();
        whole.reserve(whole.size() + 1 + fraction.size() + zeros + 1);
        whole += '.';
        whole += fraction;
        whole.append(zeros, '0');
    }
    return whole;
}

// Drops trailing zeros after a point, and the point when nothing follows it.
std::string without_trailing_zeros(std::string body)
{
    std::size_t point = body.find('.');
    if (point == std::string::npos)
        return body;
    std::size_t exponent_at = body.find_first_of("eE");
    std::string suffix = exponent_at == std::string::npos ? "" : body.substr(exponent_at);
    std::string mantissa = body.substr(0, exponent_at);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + suffix;
}

bool is_zero(const decimal_digits &d)
{
    return d.digits == "0";
}

struct rounded_text {
    decimal_digits digits;
    std::string body;
};

// 'g': p significant digits, scientific when the exponent after rounding is
// below -4 or at least p; at least p - 1 when an integer is to get ".0",
// which would otherwise show a digit more than p.
//
// Without '#' the zeros after the last digit would be dropped again, so they
// are never written: a precision far beyond the digits of the exact value
// costs no more than those digits.
rounded_text general(const float128 &x, std::int64_t precision, bool alternate, bool upper, bool point_zero)
{
    std::int64_t p = std::max<std::int64_t>(precision, 1);
    decimal_digits d = round_significant(x, p);
    std::int64_t scientific_from = point_zero ? p - 1 : p;
    std::int64_t after_first = p - 1;
    if (!alternate)
        after_first = std::min<std::int64_t>(after_first, std::int64_t(d.digits.size()) - 1);
    std::string body = (d.exponent >= -4 && d.exponent < scientific_from)
                           ? fixed(d, std::max<std::int64_t>(after_first - d.exponent, 0), alternate)
                           : scientific(d, after_first, alternate, upper);
    if (!alternate)
        body = without_trailing_zeros(std::move(body));
    if (point_zero && body.find_first_of(".eE") == std::string::npos)
        body += ".0";
    return {d, std::move(body)};
}

// The shortest digits that read back, laid out like float's repr: fixed from
// 1e-4 up to below 1e16, scientific elsewhere.  An integer gets ".0" when
// point_zero asks for it, before '#' could leave a bare point.
rounded_text shortest(const float128 &x, bool alternate, bool upper, bool point_zero)
{
    decimal_digits d = shortest_digits(x);
    std::int64_t after_first = std::int64_t(d.digits.size()) - 1;
    std::int64_t after_point = std::max<std::int64_t>(after_first - d.exponent, point_zero ? 1 : 0);
    if (d.exponent >= -4 && d.exponent < 16)
        return {d, fixed(d, after_point, alternate)};
    return {d, scientific(d, after_first, alternate, upper)};
}

rounded_text finite_text(const float128 &x, const number_style &style, char type, bool upper)
{
    std::int64_t p = style.precision < 0 ? 6 : style.precision;
    bool alternate = style.alternate;
    switch (type) {
    case 'e': {
        decimal_digits d = round_significant(x, p + 1);
        return {d, scientific(d, p, alternate, upper)};
    }
    case 'f': {
        decimal_digits d = round_places(x, p);
        return {d, fixed(d, p, alternate)};
    }
    case '%': {
        decimal_digits d = round_places(x, p, 2);
        std::string body = fixed(d, p, alternate);
        body += '%';
        return {d, std::move(body)};
    }
    case 'g':
        return general(x, p, alternate, upper, style.point_zero);
    default:
        return shortest(x, alternate, upper, style.point_zero);
    }
}

} // namespace

number_text format_number(const float128 &x, const number_style &style)
{
    bool upper = style.type == 'E' || style.type == 'F' || style.type == 'G';
    char type = upper ? char(style.type - 'A' + 'a') : style.type;
    std::string percent = type == '%' ? "%" : "";
    double hi, lo;
    x.extract(hi, lo);
    switch (classify_sum(x)) {
    case sum_class::nan:
        return {false, (upper ? "NAN" : "nan") + percent};
    case sum_class::infinite:
        return {std::signbit(std::isinf(hi) ? hi : lo), (upper ? "INF" : "inf") + percent};
    case sum_class::finite:
        break;
    }
    rounded_text t = finite_text(x, style, type, upper);
    bool negative = t.digits.negative && !(style.no_negative_zero && is_zero(t.digits));
    return {negative, std::move(t.body)};
}

} // namespace tars
