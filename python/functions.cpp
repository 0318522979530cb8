// functions.cpp -- the module functions: each is bound directly to its
// object-layer function; a name shared with Complex128 takes its complex
// overload directly after the real one.  Arguments are positional only;
// their names and the docstrings (docstrings.hpp) are for the reader.
#include <pybind11/complex.h>

#include "tarsel/tarsel_complex.hpp"
#include "python/binding.hpp"
#include "python/docstrings.hpp"

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

void register_functions(py::module_ &m)
{
    m.def("exp", &tars::exp, py::arg("x"), py::pos_only(), docs::exp);
    m.def("log", &tars::log, py::arg("x"), py::pos_only(), docs::log);
    m.def("pow", &tars::pow, py::arg("x"), py::arg("y"), py::pos_only(), docs::pow);
    m.def("sin", py::overload_cast<float128>(&tars::sin), py::arg("x"), py::pos_only(), docs::sin);
    m.def("sin", py::overload_cast<const complex128 &>(&tars::sin), py::arg("z"), py::pos_only(), docs::complex_sin);
    m.def("cos", py::overload_cast<float128>(&tars::cos), py::arg("x"), py::pos_only(), docs::cos);
    m.def("cos", py::overload_cast<const complex128 &>(&tars::cos), py::arg("z"), py::pos_only(), docs::complex_cos);
    m.def("tan", py::overload_cast<float128>(&tars::tan), py::arg("x"), py::pos_only(), docs::tan);
    m.def("tan", py::overload_cast<const complex128 &>(&tars::tan), py::arg("z"), py::pos_only(), docs::complex_tan);
    m.def("sinh", py::overload_cast<float128>(&tars::sinh), py::arg("x"), py::pos_only(), docs::sinh);
    m.def("sinh", py::overload_cast<const complex128 &>(&tars::sinh), py::arg("z"), py::pos_only(), docs::complex_sinh);
    m.def("cosh", py::overload_cast<float128>(&tars::cosh), py::arg("x"), py::pos_only(), docs::cosh);
    m.def("cosh", py::overload_cast<const complex128 &>(&tars::cosh), py::arg("z"), py::pos_only(), docs::complex_cosh);
    m.def("tanh", py::overload_cast<float128>(&tars::tanh), py::arg("x"), py::pos_only(), docs::tanh);
    m.def("tanh", py::overload_cast<const complex128 &>(&tars::tanh), py::arg("z"), py::pos_only(), docs::complex_tanh);
    m.def("sqrt", &tars::sqrt, py::arg("x"), py::pos_only(), docs::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs), py::arg("x"), py::pos_only(), docs::abs);
    m.def("abs", py::overload_cast<const complex128 &>(&tars::abs), py::arg("z"), py::pos_only(), docs::complex_abs);
    m.def("floor", &tars::floor, py::arg("x"), py::pos_only(), docs::floor);
    m.def("ceil", &tars::ceil, py::arg("x"), py::pos_only(), docs::ceil);
    m.def("trunc", &tars::trunc, py::arg("x"), py::pos_only(), docs::trunc);
    m.def("round", &tars::round, py::arg("x"), py::pos_only(), docs::round);
    m.def("fmod", &tars::fmod, py::arg("x"), py::arg("y"), py::pos_only(), docs::fmod);
    m.def("atan", &tars::atan, py::arg("x"), py::pos_only(), docs::atan);
    m.def("atan2", &tars::atan2, py::arg("y"), py::arg("x"), py::pos_only(), docs::atan2);
    m.def("asin", &tars::asin, py::arg("x"), py::pos_only(), docs::asin);
    m.def("acos", &tars::acos, py::arg("x"), py::pos_only(), docs::acos);
    m.def("isnan", &tars::isnan, py::arg("x"), py::pos_only(), docs::isnan);
    m.def("isinf", &tars::isinf, py::arg("x"), py::pos_only(), docs::isinf);
    m.def("abs_sqr", &tars::abs_sqr, py::arg("z"), py::pos_only(), docs::abs_sqr);
}

} // namespace tarsel_binding
