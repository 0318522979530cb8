// dtype.hpp -- what the files of python/dtype/ share: the DType class
// tarsel.float128 and its descriptor, the 16-byte element, and the element's
// conversions from and to Python objects.
//
// An element is the 16-byte record of the value: hi, then lo, each a native
// double.  NumPy hands over elements at any byte address (an unaligned view,
// a field of a structured array), so every read and write goes through
// memcpy.
#ifndef TARSEL_DTYPE_HPP
#define TARSEL_DTYPE_HPP

#include "python/dtype/numpy_api.hpp"

#include <cstring>

#include "tarsel/tarsel.h"

namespace tarsel_dtype {

// The DType class tarsel.Float128DType, ready once define_dtype() has run.
PyArray_DTypeMeta *float128_dtype();

// Its one descriptor, tarsel.float128 (a borrowed reference).
PyArray_Descr *float128_descr();

// Defines the DType class and registers it with NumPy, its casts included.
// Returns -1 with a Python error set on failure.
int define_dtype(PyObject *float128_type);

// The element at p.
inline tarsel load(const char *p)
{
    double hi, lo;
    std::memcpy(&hi, p, sizeof hi);
    std::memcpy(&lo, p + sizeof hi, sizeof lo);
    return tarsel_from_hi_lo(hi, lo);
}

inline void store(char *p, tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    std::memcpy(p, &hi, sizeof hi);
    std::memcpy(p + sizeof hi, &lo, sizeof lo);
}

inline double hi_of(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    return hi;
}

// The value an element takes from a Python object: a Float128 as it is; a
// bool, int or NumPy integer exactly where it fits in 106 bits and
// correctly rounded otherwise; a float or NumPy float exactly; a str or
// bytes correctly rounded as Float128.from_decimal reads it.  False with
// ValueError (text that is no number) or TypeError (anything else) set.
bool value_from_object(PyObject *obj, tarsel &out);

// A new Float128 holding x; null with the Python error set on failure.
PyObject *object_from_value(tarsel x);

// The ufunc loops of the dtype, registered on NumPy's ufuncs.  Returns -1
// with a Python error set on failure.
int register_ufunc_loops();

// [(ufunc name, nin, nout, engine function or None, operand dtypes)] of
// every loop, the dtypes a tuple of numpy.dtype, for the tests: a new list,
// or null with the Python error set.
PyObject *ufunc_loop_list();

// The casts of the dtype, null-terminated, for its DType description
// (casts.cpp).
method_description **cast_methods();

} // namespace tarsel_dtype

#endif // TARSEL_DTYPE_HPP
