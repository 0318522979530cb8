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
#include <pybind11/complex.h>

#include <cstring>
#include <stdexcept>

#include "../include/tarsel.hpp"
#include "../include/tarsel_complex.hpp"
#include "../include/tarsel_math.h"

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

namespace {

// The values held by the four module constants.  Every user of the module
// shares these instances, so an in-place operator must not write into them:
// `p = tarsel.pi; p += x` would change pi for everyone.  On a constant the
// in-place operators return a new instance with the result instead.
const float128 *module_constants[4] = {nullptr, nullptr, nullptr, nullptr};

bool is_module_constant(const float128 &x)
{
    for (const float128 *constant : module_constants)
        if (constant == &x)
            return true;
    return false;
}

// Sets the attribute to a new instance holding a copy of value and records
// where that instance keeps it.  One reference is kept for the life of the
// process, so the recorded address can never be reused by another instance
// after the attribute is deleted or rebound.
void add_module_constant(py::module_ &m, const char *name, const float128 &value, int slot)
{
    py::object constant = py::cast(value);
    module_constants[slot] = &constant.cast<float128 &>();
    m.attr(name) = constant;
    constant.inc_ref();
}

// An in-place operator from its object-layer update: the left instance is
// updated and returned, except a module constant, whose result goes into a
// new instance.
template <class Update>
auto in_place(Update update)
{
    return [update](float128 &self, const float128 &other) -> py::object {
        if (is_module_constant(self)) {
            float128 result = self;
            update(result, other);
            return py::cast(result);
        }
        update(self, other);
        return py::cast(self, py::return_value_policy::reference);
    };
}

} // namespace

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

PYBIND11_MODULE(tarsel, m, py::multiple_interpreters::not_supported())
{
    // Module docstring.
    m.doc() = "tarsel: 128-bit double-double arithmetic module";

    // Class Float128.
    py::class_<float128> f128(m, "Float128");

    // Constructors: zero, then anything with a float value.
    f128.def(py::init<>());
    f128.def(py::init<double>());

    // Constructor from decimal text (str, bytes, bytearray).  A str arrives
    // as its UTF-8 bytes; the parser reads up to the first NUL.
    f128.def(py::init([](const std::string &text) { return float128(tarsel_from_string(text.c_str())); }));

    // Text: to_string, __str__, __repr__.
    f128.def("to_string", &float128::to_string);
    f128.def("__str__", &float128::to_string);
    f128.def("__repr__", [](const float128 &x) { return "Float128('" + x.to_string() + "')"; });

    // Arithmetic operators; a non-Float128 operand gives NotImplemented.
    f128.def(py::self + py::self);
    f128.def(py::self - py::self);
    f128.def(py::self * py::self);
    f128.def(py::self / py::self);

    // In-place operators write into the left instance and return it; on a
    // module constant they return a new instance instead (see above).
    f128.def("__iadd__", in_place([](float128 &x, const float128 &y) { x += y; }), py::is_operator());
    f128.def("__isub__", in_place([](float128 &x, const float128 &y) { x -= y; }), py::is_operator());
    f128.def("__imul__", in_place([](float128 &x, const float128 &y) { x *= y; }), py::is_operator());
    f128.def("__itruediv__", in_place([](float128 &x, const float128 &y) { x /= y; }), py::is_operator());

    // Comparisons: __eq__, __ne__, __lt__, __le__, __gt__, __ge__.  With
    // __eq__ bound and no __hash__, instances are unhashable.
    f128.def(py::self == py::self);
    f128.def(py::self != py::self);
    f128.def(py::self < py::self);
    f128.def(py::self <= py::self);
    f128.def(py::self > py::self);
    f128.def(py::self >= py::self);

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

    // Module functions; a name shared with Complex128 takes its complex
    // overload directly after the real one.
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

    // Implicit conversion from Python complex, float and int to Complex128.
    py::implicitly_convertible<python_number, complex128>();

    // Constants pi, e, sqrt2, ln2.
    add_module_constant(m, "pi", tars::pi, 0);
    add_module_constant(m, "e", tars::e, 1);
    add_module_constant(m, "sqrt2", tars::sqrt2, 2);
    add_module_constant(m, "ln2", tars::ln2, 3);

    // Array functions over (N, 2) float64 arrays.
    m.def("add_arrays", &combine_arrays<tarsel_add>, "element-wise addition of (N, 2) arrays");
    m.def("sub_arrays", &combine_arrays<tarsel_sub>, "element-wise subtraction of (N, 2) arrays");
    m.def("mul_arrays", &combine_arrays<tarsel_mul>, "element-wise multiplication of (N, 2) arrays");
    m.def("div_arrays", &combine_arrays<tarsel_div>, "element-wise division of (N, 2) arrays");
    m.def("sin_arrays", &map_array<tarsel_sin>, "element-wise sin of (N, 2) arrays");
    m.def("cos_arrays", &map_array<tarsel_cos>, "element-wise cos of (N, 2) arrays");
    m.def("exp_arrays", &map_array<tarsel_exp>, "element-wise exp of (N, 2) arrays");
    m.def("log_arrays", &map_array<tarsel_log>, "element-wise log of (N, 2) arrays");
}
