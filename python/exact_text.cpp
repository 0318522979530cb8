// exact_text.cpp -- correctly rounded text and exact rational conversions:
// __format__ of Float128 and Complex128, Float128.from_decimal,
// Float128.from_rational and Float128.as_integer_ratio.  Python ints travel
// to and from tars::big_uint as little-endian bytes.
#include "tarsel/tarsel_complex.hpp"
#include "tarsel/tarsel_exact.hpp"
#include "python/binding.hpp"
#include "python/format_language.hpp"

#include <pybind11/typing.h>

#include <climits>

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

namespace {

/* --- Python ints and big_uint --- */

tars::big_uint big_uint_of(const py::int_ &magnitude)
{
    py::ssize_t bits = magnitude.attr("bit_length")().cast<py::ssize_t>();
    py::bytes raw = magnitude.attr("to_bytes")((bits + 7) / 8, "little");
    std::string_view bytes = raw;
    return tars::big_uint::from_bytes(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

py::int_ int_of(const tars::big_uint &value, bool negative)
{
    std::vector<unsigned char> bytes = value.to_bytes();
    py::object from_bytes = py::reinterpret_borrow<py::object>(reinterpret_cast<PyObject *>(&PyLong_Type)).attr("from_bytes");
    py::object magnitude = from_bytes(py::bytes(reinterpret_cast<const char *>(bytes.data()), bytes.size()), "little");
    return negative ? py::int_(-magnitude) : py::int_(magnitude);
}

/* --- reading text --- */

[[noreturn]] void not_a_number(py::handle text)
{
    PyErr_Format(PyExc_ValueError, "could not convert string to Float128: %R", text.ptr());
    throw py::error_already_set();
}

// A str is read as float() reads it: ASCII characters stay, other
// whitespace becomes a space and decimal digits of any script become ASCII
// digits; any other character makes the text unreadable.
std::string ascii_of(const py::str &text)
{
    std::string out;
    py::ssize_t n = PyUnicode_GetLength(text.ptr());
    out.reserve(std::size_t(n));
    for (py::ssize_t i = 0; i < n; ++i) {
        Py_UCS4 c = PyUnicode_ReadChar(text.ptr(), i);
        if (c < 128)
            out += char(c);
        else if (Py_UNICODE_ISSPACE(c))
            out += ' ';
        else if (Py_UNICODE_TODECIMAL(c) >= 0)
            out += char('0' + Py_UNICODE_TODECIMAL(c));
        else
            not_a_number(text);
    }
    return out;
}

// bytes, bytearray and other objects with a contiguous byte buffer.
std::string bytes_of(py::handle text)
{
    Py_buffer view;
    if (PyObject_GetBuffer(text.ptr(), &view, PyBUF_SIMPLE) != 0)
        throw py::error_already_set();
    std::string out(static_cast<const char *>(view.buf), std::size_t(view.len));
    PyBuffer_Release(&view);
    return out;
}

// Typed for the signature only: any object arrives, and the checks below
// decide.
using decimal_text = py::typing::Union<py::str, py::bytes, py::bytearray>;

float128 from_decimal(const decimal_text &text)
{
    std::string ascii;
    if (PyUnicode_Check(text.ptr()))
        ascii = ascii_of(py::reinterpret_borrow<py::str>(text));
    else if (PyObject_CheckBuffer(text.ptr()))
        ascii = bytes_of(text);
    else
        throw py::type_error(std::string("from_decimal() argument must be str, bytes or bytearray, not '") +
                             Py_TYPE(text.ptr())->tp_name + "'");
    std::optional<float128> value = tars::parse_decimal(ascii);
    if (!value)
        not_a_number(text);
    return *value;
}

/* --- reading rationals --- */

float128 from_decimal_object(py::handle d)
{
    if (d.attr("is_snan")().cast<bool>())
        throw py::value_error("cannot convert signaling NaN to Float128");
    // str() of any other Decimal is text that from_decimal reads: digits
    // with an exponent, "NaN", "-Infinity"; a NaN's diagnostic digits are
    // dropped first.
    py::str text = d.attr("is_nan")().cast<bool>() ? py::str(d.attr("is_signed")().cast<bool>() ? "-nan" : "nan")
                                                   : py::str(d);
    std::optional<float128> value = tars::parse_decimal(std::string(text));
    if (!value)
        not_a_number(text);
    return *value;
}

float128 from_rational_object(py::handle q)
{
    if (PyLong_Check(q.ptr())) {
        py::int_ n = py::reinterpret_borrow<py::int_>(q);
        bool negative = PyObject_RichCompareBool(n.ptr(), py::int_(0).ptr(), Py_LT) == 1;
        return tars::from_rational(negative, big_uint_of(negative ? py::int_(-n) : n), tars::big_uint(1));
    }
    if (PyFloat_Check(q.ptr()))
        return float128(PyFloat_AsDouble(q.ptr()));
    if (py::isinstance(q, py::module_::import("decimal").attr("Decimal")))
        return from_decimal_object(q);
    if (py::isinstance(q, py::module_::import("numbers").attr("Rational"))) {
        py::int_ num(q.attr("numerator")), den(q.attr("denominator"));
        bool negative = PyObject_RichCompareBool(num.ptr(), py::int_(0).ptr(), Py_LT) == 1;
        return tars::from_rational(negative, big_uint_of(negative ? py::int_(-num) : num), big_uint_of(den));
    }
    throw py::type_error(std::string("from_rational() argument must be int, Fraction, Decimal or float, not '") +
                         Py_TYPE(q.ptr())->tp_name + "'");
}

/* --- the exact value as a ratio --- */

py::tuple as_integer_ratio(const float128 &x)
{
    std::optional<tars::integer_ratio> ratio = tars::as_integer_ratio(x);
    if (!ratio) {
        if (tars::classify_sum(x) == tars::sum_class::nan)
            throw py::value_error("cannot convert NaN to integer ratio");
        PyErr_SetString(PyExc_OverflowError, "cannot convert Infinity to integer ratio");
        throw py::error_already_set();
    }
    return py::make_tuple(int_of(ratio->numerator, ratio->negative), int_of(ratio->denominator, false));
}

/* --- format() --- */

py::str format_float128(const float128 &x, const py::str &fmt)
{
    if (PyUnicode_GetLength(fmt.ptr()) == 0)
        return py::str(x.to_string());
    format_options f = parse_format(fmt, "Float128", true);
    tars::number_text text = tars::format_number(x, number_style_of(f, true));
    return lay_out_real(text, f).to_python();
}

bool is_positive_zero(const float128 &x)
{
    double hi, lo;
    x.extract(hi, lo);
    return hi == 0.0 && lo == 0.0 && !std::signbit(hi);
}

// As complex does: with the none type, a +0 real part is left out and
// otherwise the text is parenthesised; the imaginary part always shows its
// sign.
py::str format_complex128(const complex128 &z, const py::str &fmt)
{
    if (PyUnicode_GetLength(fmt.ptr()) == 0)
        return py::str(z.to_string());
    format_options f = parse_format(fmt, "Complex128", false);
    if (f.fill == U'0')
        throw py::value_error("Zero padding is not allowed in complex format specifier");
    if (f.align == U'=')
        throw py::value_error("'=' alignment flag is not allowed in complex format specifier");
    tars::number_style style = number_style_of(f, false);
    bool skip_real = f.type == 0 && is_positive_zero(z.real());
    bool parenthesised = f.type == 0 && !skip_real;
    // The parts' texts outlive the laid-out text, which views them.
    tars::number_text real = skip_real ? tars::number_text() : tars::format_number(z.real(), style);
    tars::number_text imag = tars::format_number(z.imag(), style);
    laid_out_text text;
    text.append(parenthesised ? U"(" : U"");
    if (!skip_real)
        text.append(signed_grouped(real, f, false));
    text.append(signed_grouped(imag, f, !skip_real));
    text.append(parenthesised ? U"j)" : U"j");
    return padded(std::move(text), f).to_python();
}

const char *format_doc = R"(Format the value by the format mini-language of float.

[[fill]align][sign]["z"]["#"]["0"][width][grouping]["." precision][type]
with the types e E f F g G % and none.  The digits are those of the exact
value hi + lo rounded half to even at any precision ('%' multiplies by 100
exactly first).  An empty format gives str(x), the fixed 32-digit text.  The
none type gives, without a precision, the shortest text that from_decimal
reads back to the same pair (exactly so for a pair in normal form: hi the
double nearest hi + lo, lo finite and not -0.0), in float's repr layout;
with a precision it is 'g' that keeps a ".0".  An invalid format raises
ValueError with float's messages.)";

const char *complex_format_doc = R"(Format both parts like Python's complex.

Each part as Float128.__format__ formats it (types e E f F g G and none);
with the none type the text is parenthesised, or only the imaginary part
when the real part is +0.  The imaginary part always shows its sign and
ends in "j".  An empty format gives str(z).  Zero padding and '=' alignment
raise ValueError, as for complex.)";

const char *from_decimal_doc = R"(The correctly rounded value of decimal text.

text is a str, bytes or bytearray in the grammar of float(): surrounding
whitespace, a sign, digits with single underscores between them (any
script's decimal digits in a str), an optional point and exponent, or
"inf", "infinity", "nan" in any case.  hi is the double nearest the decimal
value D and lo the double nearest D - hi, ties to even: hi + lo is D to
within half an ulp of lo.  Special words give lo = +0.0, and so does a D
that rounds to infinity or a remainder of exactly zero.  Raises ValueError
for any other text, unlike Float128(text), which never raises and rounds at
every step.)";

const char *from_rational_doc = R"(The correctly rounded value of an exact number.

q is an int, a fractions.Fraction (any numbers.Rational) or a
decimal.Decimal of any size, rounded like from_decimal: hi the double
nearest q, lo the double nearest q - hi, so from_rational(2**100 + 1) is
exactly hi = 2**100, lo = 1.0.  A float is held exactly (lo = 0.0,
infinities and NaN included); a Decimal NaN or infinity gives the same
special value, a signalling NaN raises ValueError.  Values far out of
range give infinity or zero at once.  Raises TypeError for other types.)";

const char *as_integer_ratio_doc = R"(The exact value hi + lo as a pair of ints (numerator, denominator).

In lowest terms with a positive denominator (a power of two), as
float.as_integer_ratio.  Raises OverflowError for an infinite value and
ValueError for NaN; a pair of opposite infinities is NaN.)";

} // namespace

void register_exact_text(py::module_ &m)
{
    auto f128 = py::reinterpret_borrow<py::class_<float128>>(m.attr("Float128"));
    f128.def("__format__", method(&format_float128), py::arg("format_spec"), format_doc);
    f128.def_static("from_decimal", &from_decimal, py::arg("text"), from_decimal_doc);
    f128.def_static("from_rational", &from_rational_object, py::arg("q"), from_rational_doc);
    f128.def("as_integer_ratio", method(&as_integer_ratio), as_integer_ratio_doc);

    auto c128 = py::reinterpret_borrow<py::class_<complex128>>(m.attr("Complex128"));
    c128.def("__format__", method(&format_complex128), py::arg("format_spec"), complex_format_doc);
}

} // namespace tarsel_binding
