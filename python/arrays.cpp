// arrays.cpp -- the element-wise functions over (N, 2) float64 arrays, row
// i = (hi, lo) of one value.
//
// An argument is any float64 ndarray taken as it is (anything else is first
// converted by NumPy), so its rows may lie anywhere: a transposed array, a
// slice with a step, a negative stride, a broadcast or an offset view into a
// larger buffer.  Rows are read through the array's own strides, which stay
// inside the array by construction; C-contiguous inputs take a loop with
// fixed offsets, and no input is ever copied.  Reads assume no alignment
// beyond a byte, since NumPy also hands over unaligned float64 arrays.
#include <pybind11/numpy.h>

#include <cstring>
#include <stdexcept>

#include "../include/tarsel_math.h"
#include "array_argument.hpp"
#include "binding.hpp"

namespace tarsel_binding {

namespace {

using f64_array = float64_array;

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
using binary_op = tarsel (*)(tarsel, tarsel);
using unary_op = tarsel (*)(tarsel);

template <binary_op op, class RowsA, class RowsB>
[[gnu::flatten]] void combine_rows(RowsA a, RowsB b, double *out, py::ssize_t n)
{
    for (py::ssize_t i = 0; i < n; ++i)
        tarsel_extract(op(a.load(i), b.load(i)), &out[2 * i], &out[2 * i + 1]);
}

template <unary_op op, class Rows>
[[gnu::flatten]] void map_rows(Rows a, double *out, py::ssize_t n)
{
    for (py::ssize_t i = 0; i < n; ++i)
        tarsel_extract(op(a.load(i)), &out[2 * i], &out[2 * i + 1]);
}

// Both shapes are checked before the lengths, and all checks come before
// the result is allocated.
template <binary_op op>
f64_array combine_arrays(const f64_array &a, const f64_array &b)
{
    if (!has_row_shape(a) || !has_row_shape(b))
        throw std::runtime_error("Inputs must have shape (N, 2)");
    if (a.shape(0) != b.shape(0))
        throw std::runtime_error("Input shapes must match");
    py::ssize_t n = a.shape(0);
    f64_array result = new_rows(n);
    double *out = result.mutable_data();
    if (is_c_contiguous_rows(a) && is_c_contiguous_rows(b))
        combine_rows<op>(contiguous_rows(a), contiguous_rows(b), out, n);
    else
        combine_rows<op>(strided_rows(a), strided_rows(b), out, n);
    return result;
}

template <unary_op op>
f64_array map_array(const f64_array &a)
{
    if (!has_row_shape(a))
        throw std::runtime_error("Input must have shape (N, 2)");
    py::ssize_t n = a.shape(0);
    f64_array result = new_rows(n);
    double *out = result.mutable_data();
    if (is_c_contiguous_rows(a))
        map_rows<op>(contiguous_rows(a), out, n);
    else
        map_rows<op>(strided_rows(a), out, n);
    return result;
}

} // namespace

void register_arrays(py::module_ &m)
{
    m.def("add_arrays", &combine_arrays<tarsel_add>, "element-wise addition of (N, 2) arrays");
    m.def("sub_arrays", &combine_arrays<tarsel_sub>, "element-wise subtraction of (N, 2) arrays");
    m.def("mul_arrays", &combine_arrays<tarsel_mul>, "element-wise multiplication of (N, 2) arrays");
    m.def("div_arrays", &combine_arrays<tarsel_div>, "element-wise division of (N, 2) arrays");
    m.def("sin_arrays", &map_array<tarsel_sin>, "element-wise sin of (N, 2) arrays");
    m.def("cos_arrays", &map_array<tarsel_cos>, "element-wise cos of (N, 2) arrays");
    m.def("exp_arrays", &map_array<tarsel_exp>, "element-wise exp of (N, 2) arrays");
    m.def("log_arrays", &map_array<tarsel_log>, "element-wise log of (N, 2) arrays");
}

} // namespace tarsel_binding
