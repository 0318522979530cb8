// function_table.hpp -- the one list of the array functions.  Every other
// list is generated from it: the array_function enum, the per-row reference
// loop, the vector kernel tables and their row adapters, the thread
// thresholds, the Python registrations and the test lists.  Adding a
// function means adding its row here, with its scalar function, its vector
// kernel (or reference_loop) and its docstring.
//
// X(name, arity, scalar function, vector kernel, rows per thread, NumPy ufuncs, docstring)
//
//   name              the enum constant; Python gets name_arrays
//   arity             1 or 2; the two-operand functions come first
//   scalar function   the reference, computed row by row (tarsel_math.h,
//                     tarsel_libm.h, tarsel_erf_gamma.h, tarsel_parts.h)
//   vector kernel     the lane kernel of tarsel_lanes*.hpp, or reference_loop
//                     for a function whose vector tables keep the reference
//                     loop: abs and neg, which it already runs at the speed of
//                     memory (under a nanosecond a row); spacing, deg2rad
//                     and rad2deg, which it runs in a few nanoseconds; cbrt, whose double Newton steps divide and
//                     whose row already costs less than a third of
//                     numpy-quaddtype's; and erf, erfc, gamma and lgamma,
//                     whose tables and triple-double paths branch by argument
//                     more than lanes would pay for
//   rows per thread   the rows a thread must have before starting it pays
//                     (see below)
//   NumPy ufuncs      the names of the NumPy ufuncs whose float128 loops run
//                     it, separated by spaces ("" for none: NumPy's rint
//                     rounds half to even, round half away from zero, and
//                     NumPy has no erf, erfc, gamma or lgamma)
//   docstring         a constant of python/docstrings.hpp; only the binding
//                     expands this column
//
// Rows per thread: starting and joining a thread costs about 20 us here; the
// arithmetic and sin, cos, exp and log start a thread for a block of roughly
// 100 us of work or more at the best level (about 25 ns a row for the
// functions, 2 ns for the arithmetic, which also gains less from a second
// core because it is bound by memory); below these sizes two threads were
// measured slower than one.  For the other functions, measured later on a
// shared machine with bench/thread_threshold.py, a second thread paid only
// from about 300 us of work per block, and their sizes are set for that from
// the one-thread cost of a row at AVX-512: about 0.5 ns for abs and neg, 1.6
// for floor, ceil and trunc, 3.3 for round, 6 for sqrt and fmod, 30 for
// sinh, cosh and tanh, 48 for tan, and 75 to 110 for pow, atan, asin, acos
// and atan2.  The functions from hypot and expm1 on are not measured yet;
// their sizes are those of the neighbours of their kind: 1 << 12 for the
// elementary functions, 1 << 10 for erf, erfc, gamma and lgamma (expected
// to cost several elementary functions a row), 1 << 16 for the cheap ones
// (deg2rad and rad2deg, and nextafter and spacing, which are exact).
//
// ldexp, frexp and modf take or give an int or two values, which the
// (tarsel[, tarsel]) -> tarsel rows here cannot carry: they have module
// functions and ufunc loops of their own (python/functions.cpp,
// python/dtype/ufuncs.cpp) and no row.
//
// The order is that of the enum, which other code relies on: keep the
// two-operand functions first and add new rows at the end of their group.
#ifndef TARSEL_FUNCTION_TABLE_HPP
#define TARSEL_FUNCTION_TABLE_HPP

#define TARSEL_ARRAY_FUNCTIONS(X)                                                                            \
    X(add,        2, tarsel_add,        add_kernel,        1 << 17, "add",             docs::add_arrays)        \
    X(sub,        2, tarsel_sub,        sub_kernel,        1 << 17, "subtract",        docs::sub_arrays)        \
    X(mul,        2, tarsel_mul,        mul_kernel,        1 << 17, "multiply",        docs::mul_arrays)        \
    X(div,        2, tarsel_div,        div_kernel,        1 << 16, "divide",          docs::div_arrays)        \
    X(pow,        2, tarsel_pow,        pow_kernel,        1 << 12, "power",           docs::pow_arrays)        \
    X(atan2,      2, tarsel_atan2,      atan2_kernel,      1 << 12, "arctan2",         docs::atan2_arrays)      \
    X(fmod,       2, tarsel_fmod,       fmod_kernel,       1 << 15, "fmod",            docs::fmod_arrays)       \
    X(hypot,      2, tarsel_hypot,      hypot_kernel,      1 << 12, "hypot",           docs::hypot_arrays)      \
    X(logaddexp,  2, tarsel_logaddexp,  logaddexp_kernel,  1 << 12, "logaddexp",       docs::logaddexp_arrays)  \
    X(logaddexp2, 2, tarsel_logaddexp2, logaddexp2_kernel, 1 << 12, "logaddexp2",      docs::logaddexp2_arrays) \
    X(nextafter,  2, tarsel_nextafter,  nextafter_kernel,  1 << 16, "nextafter",       docs::nextafter_arrays)  \
    X(sin,        1, tarsel_sin,        sin_kernel,        1 << 12, "sin",             docs::sin_arrays)        \
    X(cos,        1, tarsel_cos,        cos_kernel,        1 << 12, "cos",             docs::cos_arrays)        \
    X(exp,        1, tarsel_exp,        exp_kernel,        1 << 12, "exp",             docs::exp_arrays)        \
    X(log,        1, tarsel_log,        log_kernel,        1 << 12, "log",             docs::log_arrays)        \
    X(sqrt,       1, tarsel_sqrt,       sqrt_kernel,       1 << 15, "sqrt",            docs::sqrt_arrays)       \
    X(tan,        1, tarsel_tan,        tan_kernel,        1 << 13, "tan",             docs::tan_arrays)        \
    X(atan,       1, tarsel_atan,       atan_kernel,       1 << 12, "arctan",          docs::atan_arrays)       \
    X(asin,       1, tarsel_asin,       asin_kernel,       1 << 12, "arcsin",          docs::asin_arrays)       \
    X(acos,       1, tarsel_acos,       acos_kernel,       1 << 12, "arccos",          docs::acos_arrays)       \
    X(sinh,       1, tarsel_sinh,       sinh_kernel,       1 << 13, "sinh",            docs::sinh_arrays)       \
    X(cosh,       1, tarsel_cosh,       cosh_kernel,       1 << 13, "cosh",            docs::cosh_arrays)       \
    X(tanh,       1, tarsel_tanh,       tanh_kernel,       1 << 13, "tanh",            docs::tanh_arrays)       \
    X(abs,        1, tarsel_abs,        reference_loop,    1 << 17, "absolute fabs",   docs::abs_arrays)        \
    X(floor,      1, tarsel_floor,      floor_kernel,      1 << 17, "floor",           docs::floor_arrays)      \
    X(ceil,       1, tarsel_ceil,       ceil_kernel,       1 << 17, "ceil",            docs::ceil_arrays)       \
    X(trunc,      1, tarsel_trunc,      trunc_kernel,      1 << 17, "trunc",           docs::trunc_arrays)      \
    X(round,      1, tarsel_round,      round_kernel,      1 << 16, "",                docs::round_arrays)      \
    X(neg,        1, tarsel_neg,        reference_loop,    1 << 17, "negative",        docs::neg_arrays)        \
    X(expm1,      1, tarsel_expm1,      expm1_kernel,      1 << 12, "expm1",           docs::expm1_arrays)      \
    X(log1p,      1, tarsel_log1p,      log1p_kernel,      1 << 12, "log1p",           docs::log1p_arrays)      \
    X(log2,       1, tarsel_log2,       log2_kernel,       1 << 12, "log2",            docs::log2_arrays)       \
    X(log10,      1, tarsel_log10,      log10_kernel,      1 << 12, "log10",           docs::log10_arrays)      \
    X(exp2,       1, tarsel_exp2,       exp2_kernel,       1 << 12, "exp2",            docs::exp2_arrays)       \
    X(cbrt,       1, tarsel_cbrt,       reference_loop,    1 << 12, "cbrt",            docs::cbrt_arrays)       \
    X(asinh,      1, tarsel_asinh,      asinh_kernel,      1 << 12, "arcsinh",         docs::asinh_arrays)      \
    X(acosh,      1, tarsel_acosh,      acosh_kernel,      1 << 12, "arccosh",         docs::acosh_arrays)      \
    X(atanh,      1, tarsel_atanh,      atanh_kernel,      1 << 12, "arctanh",         docs::atanh_arrays)      \
    X(erf,        1, tarsel_erf,        reference_loop,    1 << 10, "",                docs::erf_arrays)        \
    X(erfc,       1, tarsel_erfc,       reference_loop,    1 << 10, "",                docs::erfc_arrays)       \
    X(gamma,      1, tarsel_gamma,      reference_loop,    1 << 10, "",                docs::gamma_arrays)      \
    X(lgamma,     1, tarsel_lgamma,     reference_loop,    1 << 10, "",                docs::lgamma_arrays)     \
    X(deg2rad,    1, tarsel_deg2rad,    reference_loop,    1 << 16, "deg2rad radians", docs::deg2rad_arrays)    \
    X(rad2deg,    1, tarsel_rad2deg,    reference_loop,    1 << 16, "rad2deg degrees", docs::rad2deg_arrays)    \
    X(spacing,    1, tarsel_spacing,    reference_loop, 1 << 16, "spacing",         docs::spacing_arrays)

#endif // TARSEL_FUNCTION_TABLE_HPP
