// bind_complex128.cpp -- the Python class Complex128 and the implicit
// conversion that lets plain Python numbers stand where one is expected.
#include <pybind11/operators.h>
#include <pybind11/complex.h>

#include "../include/tarsel_complex.hpp"
#include "binding.hpp"

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

// The plain Python numbers that may stand where a Complex128 is expected: a
// complex, float or int (bool and subclasses included) whose complex value
// can be read.  Anything else, Float128 among them, is refused.  The accepted
// object itself is then passed to the Complex128 class, whose constructors
// decide how it becomes a value.
struct python_number {};

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {
template <>
struct type_caster<tarsel_binding::python_number> {
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

namespace tarsel_binding {

void register_complex128(py::module_ &m)
{
    py::class_<complex128> c128(m, "Complex128");

    // Constructors: zero, two floats, two Float128 values, a Python complex.
    c128.def(py::init<>());
    c128.def(py::init<double, double>(), py::arg("real"), py::arg("imag") = 0.0);
    c128.def(py::init<float128, float128>(), py::arg("real"), py::arg("imag") = float128());
    c128.def(py::init<const std::complex<double> &>());

    // The two parts, as methods returning new Float128 instances.
    c128.def("real", &complex128::real);
    c128.def("imag", &complex128::imag);

    // Text: to_string, __str__ and __repr__ give the same complex text.
    c128.def("to_string", &complex128::to_string);
    c128.def("__str__", &complex128::to_string);
    c128.def("__repr__", &complex128::to_string);

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
}

void register_complex_conversion(py::module_ &)
{
    py::implicitly_convertible<python_number, complex128>();
}

} // namespace tarsel_binding
