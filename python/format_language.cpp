// format_language.cpp -- parsing the format mini-language and laying out a
// number's text, following Python's float and complex formatting.
#include "python/format_language.hpp"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace tarsel_binding {

namespace {


// A character as CPython's format errors show it: itself when printable
// ASCII, otherwise "\x" and its code in hexadecimal.
py::str shown(char32_t c)
{
    if (c > 32 && c < 128)
        return py::str(std::string(1, char(c)));
    return py::str("\\x{:x}").format(static_cast<unsigned long>(c));
}

std::u32string code_points(const py::str &text)
{
    Py_UCS4 *chars = PyUnicode_AsUCS4Copy(text.ptr());
    if (chars == nullptr)
        throw py::error_already_set();
    std::u32string out(reinterpret_cast<char32_t *>(chars), std::size_t(PyUnicode_GetLength(text.ptr())));
    PyMem_Free(chars);
    return out;
}

bool is_align(char32_t c)
{
    return c == U'<' || c == U'>' || c == U'=' || c == U'^';
}

// Decimal digits of any script, as Python reads a width or precision.
int digit_value(char32_t c)
{
    return Py_UNICODE_TODECIMAL(static_cast<Py_UCS4>(c));
}

// An optional run of digits at pos; -1 when there is none.
py::ssize_t read_count(const std::u32string &s, std::size_t &pos)
{
    py::ssize_t value = -1;
    for (; pos < s.size() && digit_value(s[pos]) >= 0; ++pos) {
        int d = digit_value(s[pos]);
        if (value < 0)
            value = 0;
        if (value > (PY_SSIZE_T_MAX - d) / 10)
            throw py::value_error("Too many decimal digits in format string");
        value = value * 10 + d;
    }
    return value;
}

bool is_one_of(char32_t c, const char *ascii)
{
    return c != 0 && c < 128 && std::strchr(ascii, int(c)) != nullptr;
}

// The types that take a grouping, whatever object is formatted; '_' also
// groups binary, octal and hexadecimal digits.
bool grouping_allowed(char32_t grouping, char32_t type)
{
    return type == 0 || is_one_of(type, "defgEG%F") || (grouping == U'_' && is_one_of(type, "boxX"));
}

bool is_real_type(char32_t type, bool percent)
{
    return type == 0 || is_one_of(type, "eEfFgGn") || (percent && type == U'%');
}

// The decimal point and digit grouping of the current LC_NUMERIC locale, as
// Python's locale module reports them.
void use_locale(format_options &f)
{
    py::dict conv = py::module_::import("locale").attr("localeconv")();
    f.decimal_point = code_points(py::str(conv["decimal_point"]));
    f.groups.separator = code_points(py::str(conv["thousands_sep"]));
    for (py::handle size : conv["grouping"])
        f.groups.sizes.push_back(size.cast<int>());
}

} // namespace

format_options parse_format(const py::str &fmt, const char *type_name, bool percent)
{
    std::u32string s = code_points(fmt);
    format_options f;
    std::size_t pos = 0;
    if (s.size() >= 2 && is_align(s[1])) {
        f.fill = s[0];
        f.fill_given = true;
        f.align = s[1];
        pos = 2;
    } else if (!s.empty() && is_align(s[0])) {
        f.align = s[0];
        pos = 1;
    }
    if (pos < s.size() && (s[pos] == U'+' || s[pos] == U'-' || s[pos] == U' '))
        f.sign = s[pos++];
    if (pos < s.size() && s[pos] == U'z') {
        f.no_negative_zero = true;
        ++pos;
    }
    if (pos < s.size() && s[pos] == U'#') {
        f.alternate = true;
        ++pos;
    }
    if (pos < s.size() && s[pos] == U'0') {
        f.zero_flag = true;
        if (!f.fill_given)
            f.fill = U'0';
        if (f.align == 0)
            f.align = U'=';
        ++pos;
    }
    f.width = read_count(s, pos);
    if (pos < s.size() && (s[pos] == U',' || s[pos] == U'_')) {
        f.grouping = s[pos++];
        char32_t other = f.grouping == U',' ? U'_' : U',';
        if (pos < s.size() && s[pos] == other)
            throw py::value_error("Cannot specify both ',' and '_'.");
    }
    if (pos < s.size() && s[pos] == U'.') {
        ++pos;
        f.precision = read_count(s, pos);
        if (f.precision < 0)
            throw py::value_error("Format specifier missing precision");
    }
    if (s.size() - pos > 1) {
        PyErr_Format(PyExc_ValueError, "Invalid format specifier '%U' for object of type '%s'", fmt.ptr(), type_name);
        throw py::error_already_set();
    }
    if (pos < s.size())
        f.type = s[pos];
    if (f.grouping != 0 && !grouping_allowed(f.grouping, f.type))
        throw py::value_error(
            py::str("Cannot specify '{}' with '{}'.").format(py::str(std::string(1, char(f.grouping))), shown(f.type)));
    if (!is_real_type(f.type, percent))
        throw py::value_error(
            py::str("Unknown format code '{}' for object of type '{}'").format(shown(f.type), type_name));
    if (f.precision > INT_MAX)
        throw py::value_error("precision too big");
    if (f.grouping != 0)
        f.groups = {std::u32string(1, f.grouping), {3}};
    if (f.type == U'n')
        use_locale(f);
    return f;
}

tars::number_style number_style_of(const format_options &fmt, bool point_zero)
{
    tars::number_style style;
    style.type = fmt.type == 0 ? (fmt.precision < 0 ? 'r' : 'g') : fmt.type == U'n' ? 'g' : char(fmt.type);
    style.precision = fmt.precision;
    style.alternate = fmt.alternate;
    style.point_zero = point_zero && fmt.type == 0;
    style.no_negative_zero = fmt.no_negative_zero;
    return style;
}

void laid_out_text::grow(py::ssize_t n)
{
    if (n > PY_SSIZE_T_MAX - size_)
        throw std::bad_alloc();
    size_ += n;
}

void laid_out_text::add(piece p, py::ssize_t n)
{
    if (n <= 0)
        return;
    grow(n);
    pieces_.push_back(std::move(p));
}

void laid_out_text::append(std::u32string wide)
{
    py::ssize_t n = py::ssize_t(wide.size());
    piece p;
    p.wide = std::move(wide);
    add(std::move(p), n);
}

void laid_out_text::append_ascii(std::string_view ascii)
{
    piece p;
    p.ascii = ascii;
    add(std::move(p), py::ssize_t(ascii.size()));
}

void laid_out_text::append_owned_ascii(std::string ascii)
{
    py::ssize_t n = py::ssize_t(ascii.size());
    piece p;
    p.owned_ascii = std::move(ascii);
    add(std::move(p), n);
}

void laid_out_text::append_run(char32_t c, py::ssize_t n)
{
    piece p;
    p.run_char = c;
    p.run_length = n;
    add(std::move(p), n);
}

void laid_out_text::append(laid_out_text &&other)
{
    grow(other.size_);
    for (piece &p : other.pieces_)
        pieces_.push_back(std::move(p));
    other.pieces_.clear();
    other.size_ = 0;
}

namespace {

// Writes the pieces into the buffer of a string of kind Char, each run and
// each ASCII body in one pass.
template <class Char, class Piece>
void write_pieces(const std::vector<Piece> &pieces, Char *out)
{
    for (const Piece &p : pieces) {
        if (p.run_length > 0) {
            out = std::fill_n(out, p.run_length, Char(p.run_char));
        } else if (!p.ascii.empty() || !p.owned_ascii.empty()) {
            std::string_view ascii = p.ascii.empty() ? std::string_view(p.owned_ascii) : p.ascii;
            if constexpr (sizeof(Char) == 1) {
                std::memcpy(out, ascii.data(), ascii.size());
                out += ascii.size();
            } else {
                for (char c : ascii)
                    *out++ = Char(static_cast<unsigned char>(c));
            }
        } else {
            for (char32_t c : p.wide)
                *out++ = Char(c);
        }
    }
}

} // namespace

py::str laid_out_text::to_python() const
{
    Py_UCS4 widest = 127;
    for (const piece &p : pieces_) {
        if (p.run_length > 0)
            widest = std::max<Py_UCS4>(widest, p.run_char);
        for (char32_t c : p.wide)
            widest = std::max<Py_UCS4>(widest, c);
    }
    PyObject *str = PyUnicode_New(size_, widest);
    if (str == nullptr)
        throw py::error_already_set();
    void *data = PyUnicode_DATA(str);
    switch (PyUnicode_KIND(str)) {
    case PyUnicode_1BYTE_KIND:
        write_pieces(pieces_, static_cast<Py_UCS1 *>(data));
        break;
    case PyUnicode_2BYTE_KIND:
        write_pieces(pieces_, static_cast<Py_UCS2 *>(data));
        break;
    default:
        write_pieces(pieces_, static_cast<Py_UCS4 *>(data));
        break;
    }
    return py::reinterpret_steal<py::str>(str);
}

namespace {

std::u32string sign_of(bool negative, char32_t sign_option)
{
    if (negative)
        return U"-";
    if (sign_option == U'+' || sign_option == U' ')
        return std::u32string(1, sign_option);
    return U"";
}

std::size_t leading_digits(const std::string &body)
{
    std::size_t n = 0;
    while (n < body.size() && body[n] >= '0' && body[n] <= '9')
        ++n;
    return n;
}

// The size of group g counted from the right; 0 when it takes every digit
// left.
std::size_t group_size(const grouping_rule &rule, std::size_t g)
{
    std::size_t last = 0;
    for (std::size_t i = 0; i < rule.sizes.size() && i <= g; ++i) {
        int size = rule.sizes[i];
        if (size == 0)
            return last;
        if (size <= 0 || size >= CHAR_MAX)
            return 0;
        last = std::size_t(size);
    }
    return last;
}

// Digits grouped by the rule, first padded with zeros until the grouped text
// is at least min_size long; a separator never comes first.  Built from the
// right, then reversed in place; Text is std::string when the separator is
// ASCII, so a long zero padding costs a byte a character.
template <class Text>
Text grouped(std::string_view digits, const grouping_rule &rule, py::ssize_t min_size)
{
    Text separator_reversed(rule.separator.rbegin(), rule.separator.rend());
    Text out;
    if (min_size > 0) {
        if (std::size_t(min_size) >= out.max_size() - separator_reversed.size())
            throw std::bad_alloc();
        out.reserve(std::size_t(min_size) + separator_reversed.size());
    }
    std::size_t group = 0, in_group = 0, left = digits.size();
    std::size_t size = group_size(rule, group);
    while (left > 0 || py::ssize_t(out.size()) < min_size) {
        if (size != 0 && in_group == size) {
            out += separator_reversed;
            size = group_size(rule, ++group);
            in_group = 0;
        }
        out += left > 0 ? typename Text::value_type(digits[--left]) : typename Text::value_type('0');
        ++in_group;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

bool is_ascii(const std::u32string &text)
{
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c < 128; });
}

// The sign, the digits before the point (grouped) and the rest of the body,
// its point replaced by the format's; the rest is a view of the body.
struct split_number {
    std::u32string sign, whole, point;
    std::string ascii_whole;  // the whole digits instead, when all ASCII
    std::string_view rest;
    py::ssize_t size() const
    {
        return py::ssize_t(sign.size() + whole.size() + ascii_whole.size() + point.size() + rest.size());
    }
    void append_whole(laid_out_text &t)
    {
        t.append(std::move(whole));
        t.append_owned_ascii(std::move(ascii_whole));
    }
    laid_out_text text() &&
    {
        laid_out_text t;
        t.append(std::move(sign));
        append_whole(t);
        t.append(std::move(point));
        t.append_ascii(rest);
        return t;
    }
};

split_number split(const tars::number_text &text, const format_options &fmt, bool always_sign, py::ssize_t min_whole)
{
    split_number s;
    s.sign = sign_of(text.negative, always_sign ? U'+' : fmt.sign);
    std::string_view body = text.body;
    std::size_t whole_size = leading_digits(text.body);
    std::string_view whole = body.substr(0, whole_size);
    s.rest = body.substr(whole_size);
    if (!s.rest.empty() && s.rest[0] == '.') {
        s.point = fmt.decimal_point;
        s.rest.remove_prefix(1);
    }
    if (is_ascii(fmt.groups.separator))
        s.ascii_whole = grouped<std::string>(whole, fmt.groups, min_whole);
    else
        s.whole = grouped<std::u32string>(whole, fmt.groups, min_whole);
    return s;
}

} // namespace

laid_out_text signed_grouped(const tars::number_text &text, const format_options &fmt, bool always_sign)
{
    return split(text, fmt, always_sign, 0).text();
}

laid_out_text lay_out_real(const tars::number_text &text, const format_options &fmt)
{
    split_number s = split(text, fmt, false, 0);
    if (fmt.align == U'=' && fmt.fill == U'0' && !fmt.groups.sizes.empty() && leading_digits(text.body) > 0)
        s = split(text, fmt, false, fmt.width - py::ssize_t(s.sign.size() + s.point.size() + s.rest.size()));
    if (fmt.align != U'=')
        return padded(std::move(s).text(), fmt);
    py::ssize_t missing = fmt.width - s.size();
    laid_out_text t;
    t.append(std::move(s.sign));
    t.append_run(fmt.fill, missing);
    s.append_whole(t);
    t.append(std::move(s.point));
    t.append_ascii(s.rest);
    return t;
}

laid_out_text padded(laid_out_text &&text, const format_options &fmt)
{
    py::ssize_t missing = fmt.width - text.size();
    if (missing <= 0)
        return std::move(text);
    py::ssize_t before = fmt.align == U'<' ? 0 : fmt.align == U'^' ? missing / 2 : missing;
    laid_out_text t;
    t.append_run(fmt.fill, before);
    t.append(std::move(text));
    t.append_run(fmt.fill, missing - before);
    return t;
}

} // namespace tarsel_binding
