"""Special values of the real functions against C99 Annex F, as NumPy's
float64 ufuncs give them.

Evaluates every real function of the module, and the arithmetic operators of
Float128, on a grid of special arguments (every pair of them for a function
of two arguments), and prints each case where the high part of tarsel's
result differs from NumPy's ufunc of the same meaning (np.sin, np.arctan2,
np.power, np.fmod, ...).  C99's round has no ufunc: it is computed here,
halfway cases away from zero, as tarsel's round is documented to round; nor
have erf, erfc, tgamma and lgamma, which are the C library's own (through
ctypes).  ldexp, frexp and modf, which take an int or give two results, and
spacing, whose step is that of 106 bits and not 53, are not on the grid:
tests/python/test_functions.py checks their special values.

Two results are the same when both are NaN, or both are the same infinity or
the same signed zero, or both are finite, nonzero, of one sign and within a
relative 1e-15 of each other (tarsel's high part and the platform's libm may
each be an ulp from the exact value).

The ufuncs run over whole arrays, one element per case: on a NumPy scalar,
or an array with a scalar exponent, np.power takes sqrt for the exponent 0.5
and gives sqrt(-0.0) = -0.0 and sqrt(-inf) = NaN, where C99 and the ufunc's
element loop give +0.0 and +inf.  The NumPy results are checked against
Python's math module wherever math returns a value, so that they are C99's.

    python bench/c99_differences.py

The README's table "Special values that differ from C99 and NumPy" lists
these differences, and tests/python/test_c99_differences.py checks that it
lists every one of them."""
import ctypes
import ctypes.util
import math
import operator
import sys
from fractions import Fraction

import numpy as np

import tarsel

TINY, HUGE = 1e-300, 1e300
GRID = [0.0, -0.0, math.inf, -math.inf, math.nan, 1.0, -1.0, 0.5, -0.5, -0.999999, 2.3, -2.3, -10.0,
        TINY, -TINY, HUGE, -HUGE]
REL_TOL = 1e-15
# Near a zero result logaddexp2 is ill-conditioned (a relative condition of
# about |x| / |result|), and NumPy's float64 result carries that: 1.9e-11
# from the exact value at (-1, -0.999999), where tarsel's is exact to 32 digits.
REL_TOLS = {"logaddexp2": 1e-9}


def c_round(x):
    """C99 round: the nearest integral value, halfway cases away from zero, keeping the sign of x."""
    if not math.isfinite(x) or x == 0.0:
        return x
    t = math.trunc(x)
    if abs(x - t) >= 0.5:    # x - trunc(x) is exact
        t += 1 if x > 0 else -1
    return math.copysign(float(t), x)


def exact_fmod(x, y):
    """The exact remainder x - trunc(x / y) y of two finite doubles (it is always a double)."""
    q = Fraction(x) / Fraction(y)
    return math.copysign(float(Fraction(x) - math.trunc(q) * Fraction(y)), x)


def _method(name):
    return getattr(tarsel.Float128, name)


def c_function(name):
    """The C library's function of one double, element-wise over an array."""
    f = getattr(ctypes.CDLL(ctypes.util.find_library("m")), name)
    f.restype, f.argtypes = ctypes.c_double, [ctypes.c_double]
    return np.vectorize(f, otypes=[float])


# name: (the tarsel function of Float128 arguments, the NumPy ufunc of the same
# meaning, the math counterpart or None).  Operators are named as written.
UNARY = {
    "exp": (tarsel.exp, np.exp, math.exp),
    "log": (tarsel.log, np.log, math.log),
    "sin": (tarsel.sin, np.sin, math.sin),
    "cos": (tarsel.cos, np.cos, math.cos),
    "tan": (tarsel.tan, np.tan, math.tan),
    "sinh": (tarsel.sinh, np.sinh, math.sinh),
    "cosh": (tarsel.cosh, np.cosh, math.cosh),
    "tanh": (tarsel.tanh, np.tanh, math.tanh),
    "sqrt": (tarsel.sqrt, np.sqrt, math.sqrt),
    "abs": (tarsel.abs, np.fabs, math.fabs),
    "floor": (tarsel.floor, np.floor, None),      # math.floor gives an int
    "ceil": (tarsel.ceil, np.ceil, None),
    "trunc": (tarsel.trunc, np.trunc, None),
    "round": (tarsel.round, np.vectorize(c_round, otypes=[float]), None),
    "atan": (tarsel.atan, np.arctan, math.atan),
    "asin": (tarsel.asin, np.arcsin, math.asin),
    "acos": (tarsel.acos, np.arccos, math.acos),
    "isnan": (tarsel.isnan, np.isnan, math.isnan),
    "isinf": (tarsel.isinf, np.isinf, math.isinf),
    "isfinite": (tarsel.isfinite, np.isfinite, math.isfinite),
    "-x": (operator.neg, np.negative, operator.neg),
    "expm1": (tarsel.expm1, np.expm1, math.expm1),
    "log1p": (tarsel.log1p, np.log1p, math.log1p),
    "log2": (tarsel.log2, np.log2, math.log2),
    "log10": (tarsel.log10, np.log10, math.log10),
    "exp2": (tarsel.exp2, np.exp2, getattr(math, "exp2", None)),
    "cbrt": (tarsel.cbrt, np.cbrt, getattr(math, "cbrt", None)),
    "asinh": (tarsel.asinh, np.arcsinh, math.asinh),
    "acosh": (tarsel.acosh, np.arccosh, math.acosh),
    "atanh": (tarsel.atanh, np.arctanh, math.atanh),
    "erf": (tarsel.erf, c_function("erf"), math.erf),
    "erfc": (tarsel.erfc, c_function("erfc"), math.erfc),
    "gamma": (tarsel.gamma, c_function("tgamma"), math.gamma),
    "lgamma": (tarsel.lgamma, c_function("lgamma"), math.lgamma),
    "deg2rad": (tarsel.deg2rad, np.deg2rad, math.radians),
    "rad2deg": (tarsel.rad2deg, np.rad2deg, math.degrees),
}
BINARY = {
    "pow": (tarsel.pow, np.power, math.pow),
    "fmod": (tarsel.fmod, np.fmod, math.fmod),
    "atan2": (tarsel.atan2, np.arctan2, math.atan2),
    "x + y": (operator.add, np.add, operator.add),
    "x - y": (operator.sub, np.subtract, operator.sub),
    "x * y": (operator.mul, np.multiply, operator.mul),
    "x / y": (operator.truediv, np.divide, operator.truediv),
    "hypot": (tarsel.hypot, np.hypot, math.hypot),
    "logaddexp": (tarsel.logaddexp, np.logaddexp, None),
    "logaddexp2": (tarsel.logaddexp2, np.logaddexp2, None),
    "nextafter": (tarsel.nextafter, np.nextafter, math.nextafter),
}
FUNCTIONS = {**UNARY, **BINARY}

# The array function computing each name row by row, where there is one.
ARRAY_FUNCTIONS = {name: f"{name}_arrays" for name in FUNCTIONS if hasattr(tarsel, f"{name}_arrays")}
ARRAY_FUNCTIONS.update({"-x": "neg_arrays", "x + y": "add_arrays", "x - y": "sub_arrays",
                        "x * y": "mul_arrays", "x / y": "div_arrays"})

# Where a function is documented as a method of Float128, for its docstring.
DOCUMENTED_AT = {"x + y": _method("__add__"), "x - y": _method("__sub__"), "x * y": _method("__mul__"),
                 "x / y": _method("__truediv__"), "-x": _method("__neg__")}


def arity(name):
    return 2 if name in BINARY else 1


def docstring(name):
    return (DOCUMENTED_AT.get(name) or getattr(tarsel, name)).__doc__


def tarsel_result(name, args):
    """The high part of tarsel's result (a bool for the predicates)."""
    r = FUNCTIONS[name][0](*(tarsel.Float128(a) for a in args))
    return r if isinstance(r, bool) else r.hi


def numpy_results(name, cases):
    """NumPy's results for a list of argument tuples, one ufunc call over arrays."""
    columns = [np.array(column, dtype=np.float64) for column in zip(*cases)]
    with np.errstate(all="ignore"):
        out = FUNCTIONS[name][1](*columns)
    return [bool(v) if out.dtype == np.bool_ else float(v) for v in out]


def numpy_result(name, args):
    return numpy_results(name, [tuple(args)])[0]


def math_result(name, args):
    """Python's math (or operator) result, or None where it raises or has no counterpart."""
    f = FUNCTIONS[name][2]
    if f is None:
        return None
    try:
        return f(*args)
    except (ValueError, OverflowError, ZeroDivisionError):
        return None


def same(a, b, rel_tol=REL_TOL):
    if isinstance(a, bool) or isinstance(b, bool):
        return a is b
    if math.isnan(a) or math.isnan(b):
        return math.isnan(a) and math.isnan(b)
    if math.copysign(1.0, a) != math.copysign(1.0, b):
        return False
    if a == 0.0 or b == 0.0 or math.isinf(a) or math.isinf(b):
        return a == b
    return abs(a - b) <= rel_tol * abs(b)


def cases(name):
    if arity(name) == 1:
        return [(x,) for x in GRID]
    return [(x, y) for x in GRID for y in GRID]


def numpy_cases():
    """Every (name, args, NumPy's result) of the grid."""
    for name in FUNCTIONS:
        grid = cases(name)
        for args, reference in zip(grid, numpy_results(name, grid)):
            yield name, args, reference


def differences():
    """Every (name, args, tarsel's result, NumPy's result) of the grid where the two differ."""
    found = []
    for name, args, reference in numpy_cases():
        mine = tarsel_result(name, args)
        if not same(mine, reference, REL_TOLS.get(name, REL_TOL)):
            found.append((name, args, mine, reference))
    return found


def reference_disagreements():
    """The cases where NumPy's result differs from Python's math (where math gives one)."""
    found = []
    for name, args, reference in numpy_cases():
        other = math_result(name, args)
        if other is not None and not same(bool(other) if isinstance(reference, bool) else other, reference):
            found.append((name, args, reference, other))
    return found


def bits(d):
    return np.array([d], dtype=np.float64).view(np.uint64)[0]


def array_mismatches():
    """The cases where an array function's row differs from the scalar result in either part's bits."""
    found = []
    for name, array_name in ARRAY_FUNCTIONS.items():
        grid = cases(name)
        operands = [np.array([[a, 0.0] for a in column], dtype=np.float64) for column in zip(*grid)]
        rows = getattr(tarsel, array_name)(*operands)
        for args, row in zip(grid, rows):
            r = FUNCTIONS[name][0](*(tarsel.Float128(a) for a in args))
            if (bits(r.hi), bits(r.lo)) != (bits(row[0]), bits(row[1])):
                found.append((name, args, (r.hi, r.lo), tuple(row)))
    return found


def show(v):
    if isinstance(v, bool):
        return str(v)
    if math.isnan(v):
        return "nan"
    if v == 0.0 or math.isinf(v):
        return f"{math.copysign(1.0, v) * abs(v):+}"
    return repr(v)


def call(name, args):
    shown = ", ".join(show(a) for a in args)
    if name.startswith(("x ", "-x")):
        return f"{name}  [{shown}]"
    return f"{name}({shown})"


def main():
    found = differences()
    total = sum(len(cases(name)) for name in FUNCTIONS)
    print(f"{len(FUNCTIONS)} functions, {len(GRID)} arguments, {total} cases, {len(found)} differences")
    print(f"{'case':48} {'tarsel':>24} {'C99 and NumPy':>24}")
    for name, args, mine, reference in found:
        print(f"{call(name, args):48} {show(mine):>24} {show(reference):>24}")
    disagreements = reference_disagreements()
    for name, args, reference, other in disagreements:
        print(f"NumPy {show(reference)} but math {show(other)}: {call(name, args)}")
    mismatches = array_mismatches()
    for name, args, scalar, row in mismatches:
        print(f"{ARRAY_FUNCTIONS[name]} gives {row}, the scalar {scalar}: {call(name, args)}")
    return 1 if disagreements or mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
