// functions.cpp -- the module functions: each is bound directly to its
// object-layer function; a name shared with Complex128 takes its complex
// overload directly after the real one.  Arguments are positional only;
// their names and the docstrings (docstrings.hpp) are for the reader.
//
// Two steps: the functions of the first module, and the rest of C's library
// with the parts of a value, added later and registered after the array
// functions.
#include <pybind11/complex.h>

#include "tarsel/tarsel_complex.hpp"
#include "python/binding.hpp"
#include "python/docstrings.hpp"
#include "python/number_arguments.hpp"

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

void register_library_functions(py::module_ &m)
{
    m.def("expm1", &tars::expm1, py::arg("x"), py::pos_only(), docs::expm1);
    m.def("log1p", &tars::log1p, py::arg("x"), py::pos_only(), docs::log1p);
    m.def("log2", &tars::log2, py::arg("x"), py::pos_only(), docs::log2);
    m.def("log10", py::overload_cast<float128>(&tars::log10), py::arg("x"), py::pos_only(), docs::log10);
    m.def("log10", py::overload_cast<const complex128 &>(&tars::log10), py::arg("z"), py::pos_only(), docs::complex_log10);
    m.def("exp2", &tars::exp2, py::arg("x"), py::pos_only(), docs::exp2);
    m.def("cbrt", &tars::cbrt, py::arg("x"), py::pos_only(), docs::cbrt);
    m.def("hypot", &tars::hypot, py::arg("x"), py::arg("y"), py::pos_only(), docs::hypot);
    m.def("asinh", py::overload_cast<float128>(&tars::asinh), py::arg("x"), py::pos_only(), docs::asinh);
    m.def("asinh", py::overload_cast<const complex128 &>(&tars::asinh), py::arg("z"), py::pos_only(), docs::complex_asinh);
    m.def("acosh", py::overload_cast<float128>(&tars::acosh), py::arg("x"), py::pos_only(), docs::acosh);
    m.def("acosh", py::overload_cast<const complex128 &>(&tars::acosh), py::arg("z"), py::pos_only(), docs::complex_acosh);
    m.def("atanh", py::overload_cast<float128>(&tars::atanh), py::arg("x"), py::pos_only(), docs::atanh);
    m.def("atanh", py::overload_cast<const complex128 &>(&tars::atanh), py::arg("z"), py::pos_only(), docs::complex_atanh);
    m.def("erf", &tars::erf, py::arg("x"), py::pos_only(), docs::erf);
    m.def("erfc", &tars::erfc, py::arg("x"), py::pos_only(), docs::erfc);
    m.def("gamma", &tars::gamma, py::arg("x"), py::pos_only(), docs::gamma);
    m.def("lgamma", &tars::lgamma, py::arg("x"), py::pos_only(), docs::lgamma);
    m.def("deg2rad", &tars::deg2rad, py::arg("x"), py::pos_only(), docs::deg2rad);
    m.def("rad2deg", &tars::rad2deg, py::arg("x"), py::pos_only(), docs::rad2deg);
    m.def("logaddexp", &tars::logaddexp, py::arg("x"), py::arg("y"), py::pos_only(), docs::logaddexp);
    m.def("logaddexp2", &tars::logaddexp2, py::arg("x"), py::arg("y"), py::pos_only(), docs::logaddexp2);
    m.def("ldexp", [](float128 x, clamped_exponent n) { return tars::ldexp(x, n.value); }, py::arg("x"), py::arg("n"),
          py::pos_only(), docs::ldexp);
    m.def("frexp", py::overload_cast<float128>(&tars::frexp), py::arg("x"), py::pos_only(), docs::frexp);
    m.def("modf", py::overload_cast<float128>(&tars::modf), py::arg("x"), py::pos_only(), docs::modf);
    m.def("nextafter", &tars::nextafter, py::arg("x"), py::arg("y"), py::pos_only(), docs::nextafter);
    m.def("spacing", &tars::spacing, py::arg("x"), py::pos_only(), docs::spacing);
}

} // namespace tarsel_binding
