// number_arguments.hpp -- float, complex and exponent parameters whose
// conversion runs the argument's own conversion method at most once.
//
// pybind11 tries overloads in two passes, first without conversion and then
// with it, and its number casters retry a failed conversion and clear every
// error.  These casters read a value with one call of CPython's conversion,
// treat its failure as conversion_failure.hpp says, and in the first pass take
// only the objects whose value they can read without running Python code: so
// the caller's __float__, __index__ or __complex__ runs in the second pass
// only, once.
#ifndef TARSEL_NUMBER_ARGUMENTS_HPP
#define TARSEL_NUMBER_ARGUMENTS_HPP

#include <pybind11/pybind11.h>

#include <climits>
#include <complex>

#include "python/conversion_failure.hpp"

namespace tarsel_binding {

// A parameter taking anything with a float value: a float or int at once,
// any other object through its __float__ or __index__.
struct float_value {
    double value = 0.0;
};

// A parameter taking a complex at once, and any other object that has a
// __complex__ through it.  Objects with a float value alone are left to a
// float_value overload registered before it.
struct complex_value {
    std::complex<double> value;
};

// A parameter taking a power-of-two exponent: an int at once, any other object
// through its __index__, held as a C int with a value beyond that range
// clamped to its end.  ldexp saturates long before: from 2^2200 on every
// finite nonzero double-double overflows, and below 2^-2200 it vanishes.
struct clamped_exponent {
    int value = 0;
};

// True when the float value of obj is read without running Python code: a
// float (of any subclass), or an int whose type keeps int's own conversion.
inline bool has_builtin_float_value(PyObject *obj)
{
    if (PyFloat_Check(obj))
        return true;
    return PyLong_Check(obj) && Py_TYPE(obj)->tp_as_number->nb_float == PyLong_Type.tp_as_number->nb_float;
}

// The float value of obj, with one call of its conversion; false when obj
// has none.
inline bool read_float_value(PyObject *obj, double &out)
{
    double value = PyFloat_AsDouble(obj);
    if (value == -1.0 && PyErr_Occurred())
        return mismatch_or_rethrow();
    out = value;
    return true;
}

// The int value of obj clamped to a C int, with one call of its __index__;
// false when obj has none.
inline bool read_clamped_exponent(PyObject *obj, int &out)
{
    PyObject *index = PyNumber_Index(obj);
    if (!index)
        return mismatch_or_rethrow();
    int overflow = 0;
    long long value = PyLong_AsLongLongAndOverflow(index, &overflow);
    Py_DECREF(index);
    if (overflow != 0)
        value = overflow > 0 ? LLONG_MAX : LLONG_MIN;
    out = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
    return true;
}

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {

template <>
struct type_caster<tarsel_binding::float_value> {
    PYBIND11_TYPE_CASTER(tarsel_binding::float_value,
                         io_name("typing.SupportsFloat | typing.SupportsIndex", "float"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !tarsel_binding::has_builtin_float_value(src.ptr())))
            return false;
        return tarsel_binding::read_float_value(src.ptr(), value.value);
    }
};

template <>
struct type_caster<tarsel_binding::clamped_exponent> {
    PYBIND11_TYPE_CASTER(tarsel_binding::clamped_exponent, io_name("typing.SupportsIndex", "int"));

    bool load(handle src, bool convert)
    {
        if (!src || (!convert && !PyLong_Check(src.ptr())))
            return false;
        return tarsel_binding::read_clamped_exponent(src.ptr(), value.value);
    }
};

template <>
struct type_caster<tarsel_binding::complex_value> {
    PYBIND11_TYPE_CASTER(tarsel_binding::complex_value,
                         io_name("complex | typing.SupportsComplex | typing.SupportsFloat | typing.SupportsIndex",
                                 "complex"));

    bool load(handle src, bool convert)
    {
        if (!src)
            return false;
        // A complex of any subclass is read from its fields: CPython does not
        // call a subclass's __complex__ here.
        if (!PyComplex_Check(src.ptr()) && !(convert && hasattr(type::handle_of(src), "__complex__")))
            return false;
        Py_complex c = PyComplex_AsCComplex(src.ptr());
        if (c.real == -1.0 && PyErr_Occurred())
            return tarsel_binding::mismatch_or_rethrow();
        value.value = std::complex<double>(c.real, c.imag);
        return true;
    }
};

} // namespace detail
} // namespace pybind11

#endif // TARSEL_NUMBER_ARGUMENTS_HPP
