// binding.hpp -- the registration steps of the module, one function each,
// called in order by the module definition in tarsel_python.cpp.
#ifndef TARSEL_BINDING_HPP
#define TARSEL_BINDING_HPP

#include <pybind11/pybind11.h>

#include "tarsel/tarsel.hpp"
#include "src/engine/dispatch.hpp"
#include "python/instance_arguments.hpp"

namespace tarsel_binding {

namespace py = pybind11;

// Class Float128: constructors, text, arithmetic, comparisons, negation.
void register_float128(py::module_ &m);

// Class Complex128: constructors, parts, text, arithmetic.
void register_complex128(py::module_ &m);

// Module functions of Float128 and their Complex128 overloads, abs_sqr last.
void register_functions(py::module_ &m);

// The constants pi, e, sqrt2, ln2, and the test the in-place operators use
// to leave them unchanged.
void register_constants(py::module_ &m);
bool is_module_constant(py::handle x);

// The engine of the array functions, from the environment, and the module
// attributes simd_level and num_threads.
void register_engine(py::module_ &m);
const tarsel_engine::engine_settings &engine_settings();

// The check the engine polls during a long call: a pending signal stops it,
// and the exception its handler raised is then set.
tarsel_engine::interruption_check signal_check();

// The same for code that NumPy may run without the interpreter lock (the
// dtype's loops, main interpreter only): it takes the lock to poll.
tarsel_engine::interruption_check signal_check_unlocked();

// The element-wise functions over (N, 2) float64 arrays: the arithmetic,
// sin, cos, exp and log; then the other real functions.
void register_arrays(py::module_ &m);
void register_remaining_arrays(py::module_ &m);

// The module functions added with the rest of C's library: expm1 ...
// lgamma, deg2rad, rad2deg, logaddexp, logaddexp2, and ldexp, frexp, modf,
// nextafter, spacing (functions.cpp).
void register_library_functions(py::module_ &m);

// Additions after every step above, so that they change no overload
// resolution of the names registered before them.

// Correctly rounded text and exact conversions: __format__ of both classes,
// Float128.from_decimal, Float128.from_rational, Float128.as_integer_ratio.
void register_exact_text(py::module_ &m);

// The exact reductions fsum, fdot, sum_arrays, dot_arrays and the class
// Accumulator.
void register_reductions(py::module_ &m);

// Float128.hi, .lo, .from_parts, .to_bytes, .from_bytes.
void register_exact_parts(py::module_ &m);

// __reduce__ and __setstate__ of both classes (pickle, copy, deepcopy).
void register_pickling(py::module_ &m);

// Float128's __bool__, __abs__, __pos__, __floor__, __ceil__, __trunc__,
// __round__, and the module function isfinite.
void register_number_protocols(py::module_ &m);

// to_rows and from_rows: Float128 values to and from (N, 2) arrays.
void register_rows(py::module_ &m);

// The module attribute __version__.
void register_version(py::module_ &m);

// The NumPy dtype tarsel.float128 with its casts and ufunc loops,
// tarsel.finfo, as_rows and from_rows_view (python/dtype/).
void register_dtype(py::module_ &m);

// tarsel.printoptions() (python/dtype/printing.cpp).
void register_printing(py::module_ &m);

// The entry points of tarsel.linalg: matrix products and factorizations of
// one matrix at a time (linalg.cpp).
void register_linalg(py::module_ &m);

// Last: Float128's number and comparison slots, its constructor for no
// argument or a float, and module functions in front of the pybind11 ones
// for Float128 arguments; every other call goes on to pybind11 unchanged.
void register_fast_paths(py::module_ &m);

// The metaclass Float128 is made with: pybind11's, with calls of the class
// through vectorcall, which register_fast_paths then gives a fast path.
py::object float128_metaclass();

// A float128 array of shape S as a float64 array of shape S + (2,) over the
// same memory; a null object for anything else.
py::object float128_rows_view(py::handle src);

// The registered class of T, to add methods to it after its own step.
template <class T>
py::class_<T> registered_class(py::module_ &m, const char *name)
{
    return py::reinterpret_borrow<py::class_<T>>(m.attr(name));
}

} // namespace tarsel_binding

#endif // TARSEL_BINDING_HPP
