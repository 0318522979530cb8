// arrays.cpp -- the element-wise functions over (N, 2) float64 arrays, row
// i = (hi, lo) of one value.
//
// An argument is any float64 ndarray taken as it is (anything else is first
// converted by NumPy), so its rows may lie anywhere: a transposed array, a
// slice with a step, a negative stride, a broadcast or an offset view into a
// larger buffer.  The engine (src/dispatch.hpp) reads rows through the
// array's own strides, which stay inside the array by construction, and no
// input is ever copied.  Reads assume no alignment beyond a byte, since NumPy
// also hands over unaligned float64 arrays.
#include <pybind11/numpy.h>

#include <stdexcept>

#include "array_argument.hpp"
#include "binding.hpp"

namespace tarsel_binding {

namespace {

using f64_array = float64_array;

bool has_row_shape(const f64_array &a)
{
    return a.ndim() == 2 && a.shape(1) == 2;
}

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

} // namespace tarsel_binding
