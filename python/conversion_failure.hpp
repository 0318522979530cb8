// conversion_failure.hpp -- what a failed argument conversion means.
//
// Converting an argument may run the caller's own code (__float__, __index__,
// __complex__, __array__) or NumPy's.  A TypeError, ValueError or
// OverflowError from it says that the argument has no value of the wanted
// kind: the parameter does not match, and overload resolution moves on as it
// does for an argument of the wrong type.  Anything else (KeyboardInterrupt,
// SystemExit, MemoryError, RecursionError, an error of the caller's own)
// propagates unchanged.
#ifndef TARSEL_CONVERSION_FAILURE_HPP
#define TARSEL_CONVERSION_FAILURE_HPP

#include <pybind11/pybind11.h>

namespace tarsel_binding {

// Called with the Python error of a failed conversion set: clears a plain
// mismatch and returns false, the caster's "no match"; throws anything else.
inline bool mismatch_or_rethrow()
{
    if (PyErr_ExceptionMatches(PyExc_TypeError) || PyErr_ExceptionMatches(PyExc_ValueError)
        || PyErr_ExceptionMatches(PyExc_OverflowError)) {
        PyErr_Clear();
        return false;
    }
    throw pybind11::error_already_set();
}

} // namespace tarsel_binding

#endif // TARSEL_CONVERSION_FAILURE_HPP
