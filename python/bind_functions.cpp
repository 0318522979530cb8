// bind_functions.cpp -- the module functions: each is bound directly to its
// object-layer function; a name shared with Complex128 takes its complex
// overload directly after the real one.
#include <pybind11/complex.h>

#include "../include/tarsel_complex.hpp"
#include "binding.hpp"

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

void register_functions(py::module_ &m)
{
    m.def("exp", &tars::exp);
    m.def("log", &tars::log);
    m.def("pow", &tars::pow);
    m.def("sin", py::overload_cast<float128>(&tars::sin));
    m.def("sin", py::overload_cast<const complex128 &>(&tars::sin));
    m.def("cos", py::overload_cast<float128>(&tars::cos));
    m.def("cos", py::overload_cast<const complex128 &>(&tars::cos));
    m.def("tan", py::overload_cast<float128>(&tars::tan));
    m.def("tan", py::overload_cast<const complex128 &>(&tars::tan));
    m.def("sinh", py::overload_cast<float128>(&tars::sinh));
    m.def("sinh", py::overload_cast<const complex128 &>(&tars::sinh));
    m.def("cosh", py::overload_cast<float128>(&tars::cosh));
    m.def("cosh", py::overload_cast<const complex128 &>(&tars::cosh));
    m.def("tanh", py::overload_cast<float128>(&tars::tanh));
    m.def("tanh", py::overload_cast<const complex128 &>(&tars::tanh));
    m.def("sqrt", &tars::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs));
    m.def("abs", py::overload_cast<const complex128 &>(&tars::abs));
    m.def("floor", &tars::floor);
    m.def("ceil", &tars::ceil);
    m.def("trunc", &tars::trunc);
    m.def("round", &tars::round);
    m.def("fmod", &tars::fmod);
    m.def("atan", &tars::atan);
    m.def("atan2", &tars::atan2);
    m.def("asin", &tars::asin);
    m.def("acos", &tars::acos);
    m.def("isnan", &tars::isnan);
    m.def("isinf", &tars::isinf);
    m.def("abs_sqr", &tars::abs_sqr);
}

} // namespace tarsel_binding
