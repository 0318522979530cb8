// tarsel_python.cpp -- tarsel._core, the compiled part of the package tarsel.
//
// The package re-exports every name of this module (python/tarsel/), and the
// names present themselves as tarsel.X, the path users import them from and
// pickles name: while the names are registered the module answers to
// "tarsel", so that classes, signatures and functions carry that path.
//
// Registration runs in one fixed order, because pybind11 tries overloads in
// the order they were registered: the Float128 class, the Complex128 class,
// the module functions, the constants, the engine of the array functions and
// the array functions; additions that leave the overloads of these names
// alone come after them.  Each step lives in a file of its own; how arguments
// are converted (Python numbers to Complex128 among them) lives in the
// *_argument(s).hpp headers.  The binding converts and forwards, and every
// numerical decision lives in the headers and in src/.
#include "python/binding.hpp"

namespace py = pybind11;
using namespace tarsel_binding;

PYBIND11_MODULE(_core, m, py::multiple_interpreters::not_supported())
{
    py::object own_name = m.attr("__name__");
    m.attr("__name__") = "tarsel";

    // Module docstring.
    m.doc() = "tarsel: 128-bit double-double arithmetic module";

    register_float128(m);            // class Float128 (float128.cpp)
    register_complex128(m);          // class Complex128 (complex128.cpp)
    register_functions(m);           // module functions (functions.cpp)
    register_constants(m);           // pi, e, sqrt2, ln2 (constants.cpp)
    register_arrays(m);              // (N, 2) array functions (arrays.cpp)

    // Additions: registered after every name above, so they change none of
    // their overload resolution.
    register_engine(m);              // simd_level, num_threads (engine.cpp)
    register_remaining_arrays(m);    // sqrt_arrays ... spacing_arrays, pow_arrays ... nextafter_arrays (arrays.cpp)
    register_library_functions(m);   // expm1 ... lgamma, ldexp, frexp, modf, nextafter, spacing (functions.cpp)
    register_exact_text(m);          // format, from_decimal, from_rational, as_integer_ratio (exact_text.cpp)
    register_exact_parts(m);         // hi, lo, from_parts, to_bytes, from_bytes (exact_parts.cpp)
    register_pickling(m);            // pickle and copy of both classes (pickling.cpp)
    register_number_protocols(m);    // bool, abs, +, floor, ceil, trunc, round, isfinite (number_protocols.cpp)
    register_rows(m);                // to_rows, from_rows (rows.cpp)
    register_version(m);             // __version__ (version.cpp)
    register_reductions(m);          // exact sums, dot products, Accumulator (reductions.cpp)
    register_dtype(m);               // float128, finfo, as_rows, from_rows_view (dtype/registration.cpp)
    register_printing(m);            // printoptions (dtype/printing.cpp)
    register_linalg(m);              // _linalg_* for tarsel.linalg (linalg.cpp)
    register_fast_paths(m);          // Float128's slots, constructor and module functions in front (fast_paths.cpp)

    m.attr("__name__") = own_name;
}
