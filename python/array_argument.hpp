// array_argument.hpp -- the float64 array taken by the array functions.
//
// A float64 ndarray as it is, a float128 array as the float64 view of its
// parts (shape S + (2,), so its low parts are never dropped by a cast),
// anything else converted by NumPy (which may call the object's __array__).  pybind11's own array argument clears every
// error of that conversion; this one treats it as conversion_failure.hpp
// says, so an interrupt or a MemoryError raised while NumPy converts
// propagates, while a list NumPy cannot read is still no match.
#ifndef TARSEL_ARRAY_ARGUMENT_HPP
#define TARSEL_ARRAY_ARGUMENT_HPP

#include <pybind11/numpy.h>

#include "python/conversion_failure.hpp"

namespace tarsel_binding {

// dtype/registration.cpp: the float64 view of a float128 array, or null.
pybind11::object float128_rows_view(pybind11::handle src);

class float64_array : public pybind11::array_t<double, pybind11::array::forcecast> {
public:
    using array_t::array_t;

    // src as a float64 array, converted by NumPy where it is not one; a null
    // array with the Python error set where NumPy fails.
    static float64_array converted(pybind11::handle src)
    {
        return pybind11::reinterpret_steal<float64_array>(raw_array_t(src.ptr()));
    }
};

// Whether a has the shape (N, 2) of rows of values.
inline bool has_row_shape(const pybind11::array &a)
{
    return a.ndim() == 2 && a.shape(1) == 2;
}

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {

template <>
struct type_caster<tarsel_binding::float64_array> {
    using numpy_array = array_t<double, array::forcecast>;
    PYBIND11_TYPE_CASTER(tarsel_binding::float64_array, handle_type_name<numpy_array>::name);

    bool load(handle src, bool convert)
    {
        if (object rows = tarsel_binding::float128_rows_view(src)) {
            value = reinterpret_steal<tarsel_binding::float64_array>(rows.release());
            return true;
        }
        if (!convert && !tarsel_binding::float64_array::check_(src))
            return false;
        value = tarsel_binding::float64_array::converted(src);
        return value ? true : tarsel_binding::mismatch_or_rethrow();
    }

    static handle cast(const handle &src, return_value_policy, handle) { return src.inc_ref(); }
};

} // namespace detail
} // namespace pybind11

#endif // TARSEL_ARRAY_ARGUMENT_HPP
