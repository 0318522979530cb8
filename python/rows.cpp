// rows.cpp -- Float128 values to and from (N, 2) float64 arrays in one call,
// row i = (hi, lo) of value i, bit for bit.
#include <pybind11/numpy.h>
#include <pybind11/typing.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "python/array_argument.hpp"
#include "python/binding.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

using row_array = py::array_t<double, py::array::forcecast>;

std::string type_name_of(PyObject *obj)
{
    return py::str(py::type::of(py::handle(obj)).attr("__name__")).cast<std::string>();
}

// The values of the elements, which must be Float128 instances (Python
// subclasses included).  One caster serves every element, so the class is
// looked up once per call rather than once per element.
class element_reader {
public:
    const float128 &operator()(PyObject *item, py::ssize_t i)
    {
        if (!caster_.load(item, false))
            throw py::type_error("to_rows(): element " + std::to_string(i) + " is a " + type_name_of(item)
                                 + ", not a Float128");
        return py::detail::cast_op<const float128 &>(caster_);
    }

private:
    py::detail::make_caster<float128> caster_;
};

row_array to_rows(const py::typing::Iterable<float128> &values)
{
    py::object sequence = py::reinterpret_steal<py::object>(
        PySequence_Fast(values.ptr(), "to_rows() needs an iterable of Float128"));
    if (!sequence)
        throw py::error_already_set();
    py::ssize_t n = PySequence_Fast_GET_SIZE(sequence.ptr());
    row_array rows({n, py::ssize_t(2)});
    // Allocating can run finalizers, which may shrink a list passed in: the
    // loop below runs no Python code and trusts the length read after this.
    if (PySequence_Fast_GET_SIZE(sequence.ptr()) != n)
        throw std::runtime_error("to_rows(): the sequence changed size during the call");
    PyObject **items = PySequence_Fast_ITEMS(sequence.ptr());
    double *out = rows.mutable_data();
    element_reader value_of;
    for (py::ssize_t i = 0; i < n; ++i)
        value_of(items[i], i).extract(out[2 * i], out[2 * i + 1]);
    return rows;
}

// Rows are read through the array's own strides, so any layout works and no
// read leaves the array; a row's doubles need no alignment.  The argument
// converts as the array functions' do: an interrupt or MemoryError raised
// while NumPy converts it propagates.
py::typing::List<float128> from_rows(const float64_array &a)
{
    if (!has_row_shape(a))
        throw std::runtime_error("Input must have shape (N, 2)");
    py::ssize_t n = a.shape(0), row_step = a.strides(0), col_step = a.strides(1);
    const char *base = reinterpret_cast<const char *>(a.data());
    std::vector<py::object> made;
    made.reserve(static_cast<std::size_t>(n));
    for (py::ssize_t i = 0; i < n; ++i) {
        double hi, lo;
        std::memcpy(&hi, base + i * row_step, sizeof hi);
        std::memcpy(&lo, base + i * row_step + col_step, sizeof lo);
        made.push_back(py::cast(float128(tarsel_from_hi_lo(hi, lo))));
    }
    // The list is made after every element, so no allocation (and no
    // finalizer it may run) can see it with empty slots.
    py::typing::List<float128> values(n);
    for (py::ssize_t i = 0; i < n; ++i)
        PyList_SET_ITEM(values.ptr(), i, made[static_cast<std::size_t>(i)].release().ptr());
    return values;
}

} // namespace

void register_rows(py::module_ &m)
{
    m.def("to_rows", &to_rows, py::arg("values"),
        "A new C-contiguous float64 array of shape (N, 2) from an iterable of N Float128 values: row i holds "
        "hi and lo of value i, bit for bit.  An element that is not a Float128 raises TypeError naming its "
        "index.  The inverse of from_rows.");
    m.def("from_rows", &from_rows, py::arg("a"),
        "A list of N new Float128 values from an array of shape (N, 2), row i giving hi and lo of value i, "
        "bit for bit and not renormalised.  The array is read as the array functions read theirs: any "
        "float64 layout as it stands, anything else converted by NumPy first; another shape raises "
        "RuntimeError('Input must have shape (N, 2)').");
}

} // namespace tarsel_binding
