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
#include "python/docstrings.hpp"

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

// The arguments are named for the signatures and stay positional-only.
template <tarsel_engine::array_function f>
void define(py::module_ &m, const char *name, const char *doc)
{
    if constexpr (tarsel_engine::is_binary(f))
        m.def(name, &combine_arrays<f>, doc, py::arg("a"), py::arg("b"), py::pos_only());
    else
        m.def(name, &map_array<f>, doc, py::arg("a"), py::pos_only());
}

struct array_binding {
    tarsel_engine::array_function function;
    const char *function_name, *name;
    const char *doc;
    void (*define)(py::module_ &m, const char *name, const char *doc);
};

#define TARSEL_BINDING(name, arity, scalar, kernel, min_rows, ufuncs, doc) \
    {tarsel_engine::array_function::name, #name, #name "_arrays", doc, &define<tarsel_engine::array_function::name>},
const array_binding bindings[] = {TARSEL_ARRAY_FUNCTIONS(TARSEL_BINDING)};
#undef TARSEL_BINDING

// The functions registered before the engine's attributes, in the order
// the module has always had them; every later one is registered after.
bool registered_first(tarsel_engine::array_function f)
{
    using fn = tarsel_engine::array_function;
    for (fn first : {fn::add, fn::sub, fn::mul, fn::div, fn::sin, fn::cos, fn::exp, fn::log})
        if (f == first)
            return true;
    return false;
}

} // namespace

void register_arrays(py::module_ &m)
{
    for (const array_binding &b : bindings)
        if (registered_first(b.function))
            b.define(m, b.name, b.doc);
}

// The later functions, the one-operand ones before the two-operand ones as
// they were added, and _array_functions: (name, arity) of every row of the
// table, in its order, for the tests.
void register_remaining_arrays(py::module_ &m)
{
    for (bool binary : {false, true})
        for (const array_binding &b : bindings)
            if (!registered_first(b.function) && tarsel_engine::is_binary(b.function) == binary)
                b.define(m, b.name, b.doc);
    py::list functions;
    for (const array_binding &b : bindings)
        functions.append(py::make_tuple(b.function_name, tarsel_engine::arity(b.function)));
    m.attr("_array_functions") = py::tuple(functions);
}

} // namespace tarsel_binding
