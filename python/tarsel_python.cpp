// tarsel_python.cpp -- the Python module tarsel.
//
// Registration runs in one fixed order, because pybind11 tries overloads in
// the order they were registered: the Float128 class, the Complex128 class,
// the module functions, the implicit conversion from Python numbers, the
// constants and last the array functions.  The binding converts and forwards;
// every numerical decision lives in the headers.
#include <pybind11/pybind11.h>
#include <pybind11/operators.h>

#include "../include/tarsel.hpp"

namespace py = pybind11;
using tars::float128;

PYBIND11_MODULE(tarsel, m, py::multiple_interpreters::not_supported())
{
    // Module docstring.
    m.doc() = "tarsel: 128-bit double-double arithmetic module";

    // Class Float128.
    py::class_<float128> f128(m, "Float128");

    // Constructors: zero, then anything with a float value.
    f128.def(py::init<>());
    f128.def(py::init<double>());

    // Constructor from decimal text (str, bytes, bytearray).  A str arrives
    // as its UTF-8 bytes; the parser reads up to the first NUL.
    f128.def(py::init([](const std::string &text) { return float128(tarsel_from_string(text.c_str())); }));

    // Text: to_string, __str__, __repr__.
    f128.def("to_string", &float128::to_string);
    f128.def("__str__", &float128::to_string);
    f128.def("__repr__", [](const float128 &x) { return "Float128('" + x.to_string() + "')"; });

    // Arithmetic operators; a non-Float128 operand gives NotImplemented.
    f128.def(py::self + py::self);
    f128.def(py::self - py::self);
    f128.def(py::self * py::self);
    f128.def(py::self / py::self);

    // In-place operators write into the left instance and return it.
    f128.def(py::self += py::self);
    f128.def(py::self -= py::self);
    f128.def(py::self *= py::self);
    f128.def(py::self /= py::self);

    // Comparisons: __eq__, __ne__, __lt__, __le__, __gt__, __ge__.  With
    // __eq__ bound and no __hash__, instances are unhashable.
    f128.def(py::self == py::self);
    f128.def(py::self != py::self);
    f128.def(py::self < py::self);
    f128.def(py::self <= py::self);
    f128.def(py::self > py::self);
    f128.def(py::self >= py::self);

    // Negation.
    f128.def(-py::self);

    // Class Complex128.

    // Module functions; a name shared with Complex128 takes its complex
    // overload directly after the real one.
    m.def("sqrt", &tars::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs));
    m.def("isnan", &tars::isnan);
    m.def("isinf", &tars::isinf);

    // Implicit conversion from Python complex, float and int to Complex128.

    // Constants pi, e, sqrt2, ln2.

    // Array functions over (N, 2) float64 arrays.
}
