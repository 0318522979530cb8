// tarsel_python.cpp -- the Python module tarsel.
//
// Registration runs in one fixed order, because pybind11 tries overloads in
// the order they were registered: the Float128 class, the Complex128 class,
// the module functions, the implicit conversion from Python numbers, the
// constants and last the array functions.  The binding converts and forwards;
// every numerical decision lives in the headers.
#include <pybind11/pybind11.h>
#include <pybind11/operators.h>
#include <pybind11/complex.h>

#include "../include/tarsel.hpp"
#include "../include/tarsel_complex.hpp"

namespace py = pybind11;
using tars::float128;
using tars::complex128;

// The plain Python numbers that may stand where a Complex128 is expected: a
// complex, float or int (bool and subclasses included) whose complex value
// can be read.  Anything else, Float128 among them, is refused.  The accepted
// object itself is then passed to the Complex128 class, whose constructors
// decide how it becomes a value.
struct python_number {};

namespace pybind11 {
namespace detail {
template <>
struct type_caster<python_number> {
    static constexpr auto name = const_name("complex | float | int");

    bool load(handle src, bool)
    {
        PyObject *obj = src.ptr();
        if (!PyComplex_Check(obj) && !PyFloat_Check(obj) && !PyLong_Check(obj))
            return false;
        Py_complex value = PyComplex_AsCComplex(obj);
        if (value.real == -1.0 && PyErr_Occurred()) {
            PyErr_Clear();
            return false;
        }
        return true;
    }
};
} // namespace detail
} // namespace pybind11

PYBIND11_MODULE(tarsel, m, py::multiple_interpreters::not_supported())
{
    // Module docstring.
    m.doc() = "tarsel: 128-bit double-double arithmetic module";

    // Class Float128.
    py::class_<float128> f128(m, "Float128");

    // Constructors: zero, then anything with a float value.
    f128.def(py::init<>());
    f128.def(py::init<double>());

    // Constructor from decimal text (str, bytes, bytearray).

    // Text: to_string, __str__, __repr__.

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

    // Comparisons: __eq__, __ne__, __lt__, __le__, __gt__, __ge__.

    // Negation.
    f128.def(-py::self);

    // Class Complex128.
    py::class_<complex128> c128(m, "Complex128");

    // Constructors: zero, two floats, two Float128 values, a Python complex.
    c128.def(py::init<>());
    c128.def(py::init<double, double>(), py::arg("real"), py::arg("imag") = 0.0);
    c128.def(py::init<float128, float128>(), py::arg("real"), py::arg("imag") = float128());
    c128.def(py::init<const std::complex<double> &>());

    // The two parts, as methods returning new Float128 instances.
    c128.def("real", &complex128::real);
    c128.def("imag", &complex128::imag);

    // Arithmetic operators; the right operand may be a plain Python number.
    c128.def(py::self + py::self);
    c128.def(py::self - py::self);
    c128.def(py::self * py::self);
    c128.def(py::self / py::self);

    // In-place operators write into the left instance and return it.
    c128.def(py::self += py::self);
    c128.def(py::self -= py::self);
    c128.def(py::self *= py::self);
    c128.def(py::self /= py::self);

    // Module functions; a name shared with Complex128 takes its complex
    // overload directly after the real one.
    m.def("sqrt", &tars::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs));
    m.def("abs", py::overload_cast<const complex128 &>(&tars::abs));
    m.def("isnan", &tars::isnan);
    m.def("isinf", &tars::isinf);
    m.def("abs_sqr", &tars::abs_sqr);

    // Implicit conversion from Python complex, float and int to Complex128.
    py::implicitly_convertible<python_number, complex128>();

    // Constants pi, e, sqrt2, ln2.

    // Array functions over (N, 2) float64 arrays.
}
