// tarsel_python.cpp -- the Python module tarsel.
//
// Registration runs in one fixed order, because pybind11 tries overloads in
// the order they were registered: the Float128 class, the Complex128 class,
// the module functions, the implicit conversion from Python numbers, the
// constants and last the array functions.  The binding converts and forwards;
// every numerical decision lives in the headers.
#include <pybind11/pybind11.h>
#include <pybind11/numpy.h>
#include <pybind11/operators.h>

#include <cstring>
#include <stdexcept>

#include "../include/tarsel.hpp"

namespace py = pybind11;
using tars::float128;

// --- (N, 2) float64 arrays, row i = (hi, lo) of one value ---
//
// An argument is any float64 ndarray taken as it is (anything else is first
// converted by NumPy), so its rows may lie anywhere: a transposed array, a
// slice with a step, a negative stride, a broadcast or an offset view into a
// larger buffer.  Rows are read through the array's own strides, which stay
// inside the array by construction; C-contiguous inputs take a loop with
// fixed offsets, and no input is ever copied.  Reads assume no alignment
// beyond a byte, since NumPy also hands over unaligned float64 arrays.
namespace {

using f64_array = py::array_t<double, py::array::forcecast>;

// Rows at any byte offsets: row i starts at base + i * row_step and its lo
// lies col_step bytes after its hi.
struct strided_rows {
    const char *base;
    py::ssize_t row_step, col_step;

    explicit strided_rows(const f64_array &a)
        : base(reinterpret_cast<const char *>(a.data())), row_step(a.strides(0)), col_step(a.strides(1)) {}

    tarsel load(py::ssize_t i) const
    {
        const char *row = base + i * row_step;
        double hi, lo;
        std::memcpy(&hi, row, sizeof hi);
        std::memcpy(&lo, row + col_step, sizeof lo);
        return tarsel_from_hi_lo(hi, lo);
    }
};

// C-contiguous rows: row i is the 16 bytes at base + 16 i, loaded at once.
struct contiguous_rows {
    const char *base;

    explicit contiguous_rows(const f64_array &a) : base(reinterpret_cast<const char *>(a.data())) {}

    tarsel load(py::ssize_t i) const
    {
        return _mm_loadu_pd(reinterpret_cast<const double *>(base + 16 * i));
    }
};

bool is_c_contiguous_rows(const f64_array &a)
{
    return a.strides(0) == 16 && a.strides(1) == 8;
}

bool has_row_shape(const f64_array &a)
{
    return a.ndim() == 2 && a.shape(1) == 2;
}

// The result: a new C-contiguous (n, 2) float64 array, left uninitialised
// because the loop writes every element.  Its byte count fits in a
// Py_ssize_t because the input's does; when the memory is not there NumPy
// raises MemoryError, which propagates from here.
f64_array new_rows(py::ssize_t n)
{
    return f64_array({n, py::ssize_t(2)});
}

// The loops are flattened: the scalar function and everything it calls are
// inlined into the loop body, so nothing per row goes through a call even
// where the compiler keeps an out-of-line copy for the Float128 methods.
template <class Op, class RowsA, class RowsB>
[[gnu::flatten]] void combine_rows(Op op, RowsA a, RowsB b, double *out, py::ssize_t n)
{
    for (py::ssize_t i = 0; i < n; ++i)
        tarsel_extract(op(a.load(i), b.load(i)), &out[2 * i], &out[2 * i + 1]);
}

template <class Op, class Rows>
[[gnu::flatten]] void map_rows(Op op, Rows a, double *out, py::ssize_t n)
{
    for (py::ssize_t i = 0; i < n; ++i)
        tarsel_extract(op(a.load(i)), &out[2 * i], &out[2 * i + 1]);
}

// Both shapes are checked before the lengths, and all checks come before
// the result is allocated.
template <class Op>
f64_array combine_arrays(Op op, const f64_array &a, const f64_array &b)
{
    if (!has_row_shape(a) || !has_row_shape(b))
        throw std::runtime_error("Inputs must have shape (N, 2)");
    if (a.shape(0) != b.shape(0))
        throw std::runtime_error("Input shapes must match");
    py::ssize_t n = a.shape(0);
    f64_array result = new_rows(n);
    double *out = result.mutable_data();
    if (is_c_contiguous_rows(a) && is_c_contiguous_rows(b))
        combine_rows(op, contiguous_rows(a), contiguous_rows(b), out, n);
    else
        combine_rows(op, strided_rows(a), strided_rows(b), out, n);
    return result;
}

template <class Op>
f64_array map_array(Op op, const f64_array &a)
{
    if (!has_row_shape(a))
        throw std::runtime_error("Input must have shape (N, 2)");
    py::ssize_t n = a.shape(0);
    f64_array result = new_rows(n);
    double *out = result.mutable_data();
    if (is_c_contiguous_rows(a))
        map_rows(op, contiguous_rows(a), out, n);
    else
        map_rows(op, strided_rows(a), out, n);
    return result;
}

} // namespace

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

    // Module functions; a name shared with Complex128 takes its complex
    // overload directly after the real one.
    m.def("sqrt", &tars::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs));
    m.def("isnan", &tars::isnan);
    m.def("isinf", &tars::isinf);

    // Implicit conversion from Python complex, float and int to Complex128.

    // Constants pi, e, sqrt2, ln2.

    // Array functions over (N, 2) float64 arrays.
    m.def("add_arrays", [](const f64_array &a, const f64_array &b) {
        return combine_arrays([](tarsel x, tarsel y) { return tarsel_add(x, y); }, a, b);
    }, "element-wise addition of (N, 2) arrays");
    m.def("sub_arrays", [](const f64_array &a, const f64_array &b) {
        return combine_arrays([](tarsel x, tarsel y) { return tarsel_sub(x, y); }, a, b);
    }, "element-wise subtraction of (N, 2) arrays");
    m.def("mul_arrays", [](const f64_array &a, const f64_array &b) {
        return combine_arrays([](tarsel x, tarsel y) { return tarsel_mul(x, y); }, a, b);
    }, "element-wise multiplication of (N, 2) arrays");
    m.def("div_arrays", [](const f64_array &a, const f64_array &b) {
        return combine_arrays([](tarsel x, tarsel y) { return tarsel_div(x, y); }, a, b);
    }, "element-wise division of (N, 2) arrays");
}
