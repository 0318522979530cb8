// format_language.hpp -- Python's format mini-language for Float128 and
// Complex128: parsing (with the errors of float and complex) and the layout
// of a number's text (sign, fill, alignment, width, digit grouping).  The
// digits themselves come from tars::format_number.
//
//     [[fill]align][sign]["z"]["#"]["0"][width][grouping]["." precision][type]
#ifndef TARSEL_FORMAT_LANGUAGE_HPP
#define TARSEL_FORMAT_LANGUAGE_HPP

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>
#include <vector>

#include "tarsel/tarsel_exact.hpp"

namespace tarsel_binding {

namespace py = pybind11;

// How the digits before the point are grouped: the separator and the group
// sizes from the right, the last one repeating (none: no grouping), as the
// C locale's grouping describes them; a size of 0 repeats the one before it
// and CHAR_MAX ends the grouping.
struct grouping_rule {
    std::u32string separator;
    std::vector<int> sizes;
};

struct format_options {
    char32_t fill = U' ';
    bool fill_given = false;
    char32_t align = 0;  // '<' '>' '=' '^', or 0: right
    char32_t sign = U'-';
    bool no_negative_zero = false;
    bool alternate = false;
    bool zero_flag = false;
    py::ssize_t width = 0;
    char32_t grouping = 0;  // ',' '_' or 0
    py::ssize_t precision = -1;
    char32_t type = 0;  // 0: none
    // From the grouping option, or from the locale for type 'n', which also
    // takes the locale's decimal point.
    grouping_rule groups;
    std::u32string decimal_point = U".";
};

// Parses a non-empty format; ValueError with float's messages, naming
// type_name, for anything the grammar refuses or a type letter that
// type_name does not take (floating-point types, 'n', and '%' when percent).
format_options parse_format(const py::str &fmt, const char *type_name, bool percent);

// What format_number does for a format: the none type is the shortest repr
// style without a precision and 'g' with one; float's adds ".0" to an
// integer (point_zero), complex's does not.  'n' is 'g'.
tars::number_style number_style_of(const format_options &fmt, bool point_zero);

// A text laid out from pieces: short wide strings (a sign, grouped digits,
// the locale's point), views of a number's ASCII body, and runs of one fill
// character.  Only the body and the runs grow with a large precision or
// width, and they are written once, straight into the Python string, so a
// text of n characters costs about n bytes beside the body, and one that
// cannot be allocated fails at once with MemoryError.  A body viewed must
// outlive the text.
class laid_out_text {
public:
    void append(std::u32string wide);
    void append_ascii(std::string_view ascii);
    void append_owned_ascii(std::string ascii);
    void append_run(char32_t c, py::ssize_t n);
    void append(laid_out_text &&other);
    py::ssize_t size() const { return size_; }
    py::str to_python() const;

private:
    struct piece {
        std::u32string wide;
        std::string owned_ascii;
        std::string_view ascii;
        char32_t run_char = 0;
        py::ssize_t run_length = 0;
    };
    void grow(py::ssize_t n);
    void add(piece p, py::ssize_t n);  // a piece of n > 0 characters; none otherwise
    std::vector<piece> pieces_;
    py::ssize_t size_ = 0;
};

// The sign the format shows for a number ("", "-", "+" or " ") and its body
// with the grouping applied to the digits before the point.
laid_out_text signed_grouped(const tars::number_text &text, const format_options &fmt, bool always_sign);

// A real number's text padded to the format's width.  With fill '0' and '='
// alignment the padding is made of zeros that take part in the grouping,
// as float's does.
laid_out_text lay_out_real(const tars::number_text &text, const format_options &fmt);

// Any text padded to the format's width, by its alignment (default right).
laid_out_text padded(laid_out_text &&text, const format_options &fmt);

} // namespace tarsel_binding

#endif // TARSEL_FORMAT_LANGUAGE_HPP
