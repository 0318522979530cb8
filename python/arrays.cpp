// arrays.cpp -- the element-wise functions over (N, 2) float64 arrays, row
// i = (hi, lo) of one value.
//
// An argument is any float64 ndarray taken as it is (anything else is first
// converted by NumPy), so its rows may lie anywhere: a transposed array, a
// slice with a step, a negative stride, a broadcast or an offset view into a
// larger buffer.  The engine (src/engine/dispatch.hpp) reads rows through the
// array's own strides, which stay inside the array by construction, and no
// input is ever copied.  Reads assume no alignment beyond a byte, since NumPy
// also hands over unaligned float64 arrays.
#include <pybind11/numpy.h>

#include <stdexcept>

#include "python/array_argument.hpp"
#include "python/binding.hpp"

namespace tarsel_binding {

namespace {

using f64_array = float64_array;

tarsel_engine::row_view rows_of(const f64_array &a)
{
    return {reinterpret_cast<const char *>(a.data()), a.strides(0), a.strides(1)};
}

// The result: a new C-contiguous (n, 2) float64 array, left uninitialised
// because the engine writes every element.  Its byte count fits in a
// Py_ssize_t because the input's does; when the memory is not there NumPy
// raises MemoryError, which propagates from here.
f64_array new_rows(py::ssize_t n)
{
    return f64_array({n, py::ssize_t(2)});
}

// Runs f over the rows; on an interruption the result is dropped and the
// exception set by the signal handler propagates.
f64_array run(tarsel_engine::array_function f, const f64_array &a, const f64_array &b, py::ssize_t n)
{
    f64_array result = new_rows(n);
    tarsel_engine::run_status status = tarsel_engine::run_rows(
        f, engine_settings(), rows_of(a), rows_of(b), result.mutable_data(), n, signal_check());
    if (status == tarsel_engine::run_status::interrupted)
        throw py::error_already_set();
    return result;
}

// Both shapes are checked before the lengths, and all checks come before
// the result is allocated.
template <tarsel_engine::array_function f>
f64_array combine_arrays(const f64_array &a, const f64_array &b)
{
    if (!has_row_shape(a) || !has_row_shape(b))
        throw std::runtime_error("Inputs must have shape (N, 2)");
    if (a.shape(0) != b.shape(0))
        throw std::runtime_error("Input shapes must match");
    return run(f, a, b, a.shape(0));
}

template <tarsel_engine::array_function f>
f64_array map_array(const f64_array &a)
{
    if (!has_row_shape(a))
        throw std::runtime_error("Input must have shape (N, 2)");
    return run(f, a, a, a.shape(0));
}

} // namespace

// The arguments are named for the signatures and stay positional-only.
void register_arrays(py::module_ &m)
{
    using fn = tarsel_engine::array_function;
    m.def("add_arrays", &combine_arrays<fn::add>, "element-wise addition of (N, 2) arrays",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("sub_arrays", &combine_arrays<fn::sub>, "element-wise subtraction of (N, 2) arrays",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("mul_arrays", &combine_arrays<fn::mul>, "element-wise multiplication of (N, 2) arrays",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("div_arrays", &combine_arrays<fn::div>, "element-wise division of (N, 2) arrays",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("sin_arrays", &map_array<fn::sin>, "element-wise sin of (N, 2) arrays", py::arg("a"), py::pos_only());
    m.def("cos_arrays", &map_array<fn::cos>, "element-wise cos of (N, 2) arrays", py::arg("a"), py::pos_only());
    m.def("exp_arrays", &map_array<fn::exp>, "element-wise exp of (N, 2) arrays", py::arg("a"), py::pos_only());
    m.def("log_arrays", &map_array<fn::log>, "element-wise log of (N, 2) arrays", py::arg("a"), py::pos_only());
}

void register_remaining_arrays(py::module_ &m)
{
    using fn = tarsel_engine::array_function;
    m.def("sqrt_arrays", &map_array<fn::sqrt>,
          "element-wise sqrt of (N, 2) arrays\n\n"
          "Each row as tarsel.sqrt gives it: NaN for a negative value (a high part below zero, or a zero\n"
          "high part with a negative low part); a zero row, a NaN row and +inf come back unchanged.",
          py::arg("a"), py::pos_only());
    m.def("tan_arrays", &map_array<fn::tan>,
          "element-wise tan of (N, 2) arrays\n\n"
          "Each row as tarsel.tan gives it: NaN for NaN and infinities; beyond 9e18 the high part alone\n"
          "is reduced, as for sin and cos, and the result is no longer accurate.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0, and above 9e18 the result is not accurate.",
          py::arg("a"), py::pos_only());
    m.def("atan_arrays", &map_array<fn::atan>,
          "element-wise atan of (N, 2) arrays\n\n"
          "Each row as tarsel.atan gives it: NaN for NaN, +-pi/2 for +-inf.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0.",
          py::arg("a"), py::pos_only());
    m.def("asin_arrays", &map_array<fn::asin>,
          "element-wise asin of (N, 2) arrays\n\n"
          "Each row as tarsel.asin gives it: NaN outside [-1, 1] and for NaN, +-pi/2 at +-1.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0.",
          py::arg("a"), py::pos_only());
    m.def("acos_arrays", &map_array<fn::acos>,
          "element-wise acos of (N, 2) arrays\n\n"
          "Each row as tarsel.acos gives it: NaN outside [-1, 1] and for NaN, 0 at 1, pi at -1, pi/2 at 0.",
          py::arg("a"), py::pos_only());
    m.def("sinh_arrays", &map_array<fn::sinh>,
          "element-wise sinh of (N, 2) arrays\n\n"
          "Each row as tarsel.sinh gives it: NaN and infinite rows come back unchanged; beyond about\n"
          "+-710 the result overflows to the signed infinity.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0.",
          py::arg("a"), py::pos_only());
    m.def("cosh_arrays", &map_array<fn::cosh>,
          "element-wise cosh of (N, 2) arrays\n\n"
          "Each row as tarsel.cosh gives it: a NaN row comes back unchanged, +-inf gives +inf, and beyond\n"
          "about +-710 the result overflows to +inf.",
          py::arg("a"), py::pos_only());
    m.def("tanh_arrays", &map_array<fn::tanh>,
          "element-wise tanh of (N, 2) arrays\n\n"
          "Each row as tarsel.tanh gives it: a NaN row comes back unchanged; beyond +-709.78 (infinities\n"
          "included) the result is exactly +-1.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0.",
          py::arg("a"), py::pos_only());
    m.def("abs_arrays", &map_array<fn::abs>,
          "element-wise abs of (N, 2) arrays\n\n"
          "Each row as tarsel.abs gives it: a negative high part negates both parts, a zero high part of\n"
          "either sign gives +0.0 with the magnitude of the low part, and a NaN row comes back unchanged.",
          py::arg("a"), py::pos_only());
    m.def("floor_arrays", &map_array<fn::floor>,
          "element-wise floor of (N, 2) arrays\n\n"
          "Each row as tarsel.floor gives it, exact: an infinite high part gives that infinity with a\n"
          "zero low part, NaN gives NaN.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0.",
          py::arg("a"), py::pos_only());
    m.def("ceil_arrays", &map_array<fn::ceil>,
          "element-wise ceil of (N, 2) arrays\n\n"
          "Each row as tarsel.ceil gives it, exact: an infinite high part gives that infinity with a\n"
          "zero low part, NaN gives NaN.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).",
          py::arg("a"), py::pos_only());
    m.def("trunc_arrays", &map_array<fn::trunc>,
          "element-wise trunc of (N, 2) arrays\n\n"
          "Each row as tarsel.trunc gives it, exact: an infinite high part gives that infinity with a\n"
          "zero low part, NaN gives NaN.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).",
          py::arg("a"), py::pos_only());
    m.def("round_arrays", &map_array<fn::round>,
          "element-wise round of (N, 2) arrays\n\n"
          "Each row as tarsel.round gives it, exact, halfway cases away from zero: an infinite high part\n"
          "gives that infinity with a zero low part, NaN gives NaN.\n"
          "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-0.5, 0) gives +0.0 (C99: -0.0).",
          py::arg("a"), py::pos_only());
    m.def("neg_arrays", &map_array<fn::neg>,
          "element-wise negation of (N, 2) arrays\n\n"
          "Each row as unary minus on a Float128 gives it: the sign bits of both parts flipped, NaNs and\n"
          "zeros included.",
          py::arg("a"), py::pos_only());
    m.def("pow_arrays", &combine_arrays<fn::pow>,
          "element-wise pow of (N, 2) arrays\n\n"
          "Row i is tarsel.pow(a[i], b[i]), a[i] to the power b[i]: 1 for a zero exponent (even for a NaN\n"
          "base); for a zero base +inf or +0 by the sign of the exponent, -inf or -0 for a base of -0 and\n"
          "an odd integral exponent; for a negative base (-1)^b |a|^b when b is an integer, else NaN.\n"
          "Unlike C99 and NumPy (x = a[i], y = b[i]): a zero x with a NaN y gives +0.0; pow(+-1, +-inf)\n"
          "and pow(1, nan) are NaN; -inf with a y that is not an integer gives NaN, and a negative x with\n"
          "an infinite or huge y gives NaN (an integral exponent needs |b| <= 9e18).",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("atan2_arrays", &combine_arrays<fn::atan2>,
          "element-wise atan2 of (N, 2) arrays\n\n"
          "Row i is tarsel.atan2(a[i], b[i]), the angle of the point (x, y) = (b[i], a[i]): NaN if either\n"
          "high part is NaN; both zero gives +-0 or +-pi by the signs of the zero high parts; a zero\n"
          "high part of x otherwise gives +-pi/2 by the sign of y.\n"
          "Unlike C99 and NumPy: two infinities give NaN; y = -0.0 with a negative x gives +pi; a zero\n"
          "angle is +0.0 unless both are zeros.",
          py::arg("a"), py::arg("b"), py::pos_only());
    m.def("fmod_arrays", &combine_arrays<fn::fmod>,
          "element-wise fmod of (N, 2) arrays\n\n"
          "Row i is tarsel.fmod(a[i], b[i]) = a[i] - trunc(a[i] / b[i]) b[i]: NaN for a zero or infinite\n"
          "divisor, an infinite dividend and NaN.\n"
          "Unlike C99 and NumPy (x = a[i], y = b[i]): an infinite y gives NaN (C99: x); a zero result is\n"
          "+0.0; for a quotient x / y above about 1e32 in magnitude the result is 0, a wrong value or an\n"
          "infinity.",
          py::arg("a"), py::arg("b"), py::pos_only());
}

} // namespace tarsel_binding
