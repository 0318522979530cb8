"""The module-level real functions and constants as Python sees them:
registration order, argument handling, results and the protected constants;
the special values of C's library through the module functions and the
dtype's ufuncs, bit for bit the same."""
import math
import operator
import struct

import numpy as np
import pytest

import tarsel
from tarsel import Float128

REAL_FUNCTIONS = ["exp", "log", "pow", "sin", "cos", "tan", "sinh", "cosh", "tanh", "sqrt", "abs", "floor", "ceil",
                  "trunc", "round", "fmod", "atan", "atan2", "asin", "acos", "isnan", "isinf"]
# Names that also take a Complex128 (and through it a Python number).
SHARED_WITH_COMPLEX = {"sin", "cos", "tan", "sinh", "cosh", "tanh", "abs", "log10", "asinh", "acosh", "atanh"}
TWO_ARGUMENTS = {"pow", "fmod", "atan2"}
CONSTANTS = ["pi", "e", "sqrt2", "ln2"]
# The rest of C's library and the parts of a value, registered after the
# array functions: Float128 only, but for log10 and the inverse hyperbolic
# functions, which also take a Complex128 (tests/python/test_complex.py).
LIBRARY_FUNCTIONS = ["expm1", "log1p", "log2", "log10", "exp2", "cbrt", "hypot", "asinh", "acosh", "atanh", "erf",
                     "erfc", "gamma", "lgamma", "deg2rad", "rad2deg", "logaddexp", "logaddexp2", "ldexp", "frexp",
                     "modf", "nextafter", "spacing"]
TWO_ARGUMENTS |= {"hypot", "logaddexp", "logaddexp2", "nextafter"}
# The parameter names of each function, by its docstring's signature.
PARAMETERS = {name: ["x", "y"] if name in TWO_ARGUMENTS else ["x"] for name in REAL_FUNCTIONS + LIBRARY_FUNCTIONS}
PARAMETERS.update(atan2=["y", "x"], ldexp=["x", "n"])


def F(x):
    return Float128(x)


def pair(hi, lo):
    """The value {hi, lo}, exactly (hi + lo is normalised)."""
    return F(hi) + F(lo)


def test_functions_then_constants_are_registered_in_order():
    names = [name for name in vars(tarsel) if name in REAL_FUNCTIONS or name in CONSTANTS]
    assert names == REAL_FUNCTIONS + CONSTANTS


def test_library_functions_come_after_the_array_functions():
    names = list(vars(tarsel))
    assert min(names.index(name) for name in LIBRARY_FUNCTIONS) > names.index("log_arrays")


@pytest.mark.parametrize("name", sorted(set(REAL_FUNCTIONS + LIBRARY_FUNCTIONS) - SHARED_WITH_COMPLEX))
def test_functions_carry_their_signature_then_a_docstring(name):
    signature, _, text = getattr(tarsel, name).__doc__.strip().partition("\n\n")
    assert signature.startswith(name + "(") and signature.endswith(", /) -> " + signature.rsplit("-> ", 1)[1])
    assert [p.split(":")[0] for p in signature[len(name) + 1:].split(", /)")[0].split(", ")] == PARAMETERS[name]
    assert "arg0" not in signature and len(text) > 20


def args_for(name, value=1.0):
    """Arguments of the function's parameters, value where a Float128 goes."""
    return [3 if p == "n" else value for p in PARAMETERS[name]]


@pytest.mark.parametrize("name", REAL_FUNCTIONS + LIBRARY_FUNCTIONS)
def test_named_arguments_stay_positional_only(name):
    assert getattr(tarsel, name)(*args_for(name, Float128(0.5))) is not None
    with pytest.raises(TypeError):
        getattr(tarsel, name)(**dict(zip(PARAMETERS[name], args_for(name, Float128(0.5)))))


@pytest.mark.parametrize("name", sorted(set(REAL_FUNCTIONS + LIBRARY_FUNCTIONS) - SHARED_WITH_COMPLEX))
@pytest.mark.parametrize("value", [0.5, 1, "1"], ids=["float", "int", "str"])
def test_real_only_functions_refuse_everything_but_float128(name, value):
    with pytest.raises(TypeError, match="incompatible function arguments"):
        getattr(tarsel, name)(*args_for(name, value))


@pytest.mark.parametrize("name", sorted(TWO_ARGUMENTS))
def test_two_argument_functions_refuse_a_mixed_pair(name):
    with pytest.raises(TypeError):
        getattr(tarsel, name)(F(1.0), 1.0)
    with pytest.raises(TypeError):
        getattr(tarsel, name)(1.0, F(1.0))


def test_numpy_scalars_are_refused():
    np = pytest.importorskip("numpy")
    with pytest.raises(TypeError):
        tarsel.exp(np.float64(1.0))


@pytest.mark.parametrize("name", REAL_FUNCTIONS + LIBRARY_FUNCTIONS)
def test_arguments_are_positional_only(name):
    with pytest.raises(TypeError):
        getattr(tarsel, name)(x=F(1.0))


class Index:
    """An exponent known only through __index__."""

    def __index__(self):
        return 7


@pytest.mark.parametrize(
    "n, same_as",
    [(3, 3), (True, 1), (np.int64(-4), -4), (np.uint8(9), 9), (Index(), 7), (2**31, 2**31 - 1),
     (10**100, 2**31 - 1), (-(10**100), -(2**31)), (-(2**31) - 1, -(2**31))],
    ids=["int", "bool", "int64", "uint8", "__index__", "past INT_MAX", "10**100", "-10**100", "past INT_MIN"],
)
def test_ldexp_takes_any_integer_and_clamps_it_to_a_c_int(n, same_as):
    x = pair(1.5, 2.0**-60)
    assert tarsel.ldexp(x, n).to_bytes() == tarsel.ldexp(x, same_as).to_bytes()


@pytest.mark.parametrize("n", [2.0, "3", None, np.float64(2.0)], ids=["float", "str", "None", "float64"])
def test_ldexp_refuses_an_exponent_without_an_integer_value(n):
    with pytest.raises(TypeError, match="incompatible function arguments"):
        tarsel.ldexp(F(1.0), n)


def test_predicates_return_python_bools():
    assert tarsel.isnan(F(float("nan"))) is True
    assert tarsel.isnan(F(1.0)) is False
    assert tarsel.isinf(F(float("-inf"))) is True
    assert tarsel.isinf(F(1e308)) is False


@pytest.mark.parametrize(
    "call, want",
    [
        (lambda: tarsel.exp(F(0.0)), F(1.0)),
        (lambda: tarsel.log(F(1.0)), F(0.0)),
        (lambda: tarsel.sin(F(0.0)), F(0.0)),
        (lambda: tarsel.cos(F(0.0)), F(1.0)),
        (lambda: tarsel.tan(F(0.0)), F(0.0)),
        (lambda: tarsel.sinh(F(0.0)), F(0.0)),
        (lambda: tarsel.cosh(F(0.0)), F(1.0)),
        (lambda: tarsel.tanh(F(20.0)), pair(1.0, -8.496708510583178e-18)),
        (lambda: tarsel.floor(pair(2.0**60, -0.25)), pair(2.0**60, -1.0)),
        (lambda: tarsel.ceil(F(2.5)), F(3.0)),
        (lambda: tarsel.trunc(F(-2.5)), F(-2.0)),
        (lambda: tarsel.round(pair(0.5, -1e-20)), F(0.0)),
        (lambda: tarsel.atan(F(float("inf"))), tarsel.asin(F(1.0))),
        (lambda: tarsel.acos(F(-1.0)), tarsel.pi),
    ],
    ids=["exp", "log", "sin", "cos", "tan", "sinh", "cosh", "tanh", "floor", "ceil", "trunc", "round", "atan",
         "acos"],
)
def test_each_function_forwards_to_its_own_operation(call, want):
    got = call()
    assert type(got) is Float128
    assert got == want


def test_two_argument_functions_keep_their_argument_order():
    assert tarsel.pow(F(2.0), F(10.0)) == F(1024.0)
    assert tarsel.fmod(F(7.0), F(3.0)) == F(1.0)
    assert tarsel.fmod(F(3.0), F(7.0)) == F(3.0)
    # atan2(y, x): the ordinate first
    assert tarsel.atan2(F(0.0), F(-0.0)) == tarsel.pi
    assert tarsel.atan2(F(-0.0), F(0.0)) == F(0.0)
    assert tarsel.atan2(F(1.0), F(0.0)) == tarsel.asin(F(1.0))


def test_domain_errors_return_nan_without_raising():
    assert tarsel.isnan(tarsel.log(F(-1.0)))
    assert tarsel.isnan(tarsel.asin(F(1.5)))
    assert tarsel.isnan(tarsel.pow(F(-2.0), F(0.5)))
    assert tarsel.isinf(tarsel.log(F(0.0)))
    assert tarsel.isinf(tarsel.exp(F(1000.0)))


@pytest.mark.parametrize(
    "name, hi, lo",
    [
        ("pi", 3.141592653589793, 1.2246467991473532e-16),
        ("e", 2.718281828459045, 1.4456468917292502e-16),
        ("sqrt2", 1.4142135623730951, -9.667293313452913e-17),
        ("ln2", 0.6931471805599453, 2.3190468138462996e-17),
    ],
)
def test_constants_hold_their_pairs(name, hi, lo):
    constant = getattr(tarsel, name)
    assert type(constant) is Float128
    assert constant == pair(hi, lo)
    assert constant != F(hi)


INPLACE = [operator.iadd, operator.isub, operator.imul, operator.itruediv]
PLAIN = [operator.add, operator.sub, operator.mul, operator.truediv]


@pytest.mark.parametrize("name", CONSTANTS)
@pytest.mark.parametrize("inplace, plain", list(zip(INPLACE, PLAIN)), ids=["+=", "-=", "*=", "/="])
def test_inplace_operators_on_a_constant_leave_it_unchanged(name, inplace, plain):
    constant = getattr(tarsel, name)
    before = constant + F(0.0)
    alias = constant
    alias = inplace(alias, F(3.0))
    assert getattr(tarsel, name) is constant
    assert constant == before
    assert alias is not constant
    assert alias == plain(before, F(3.0))


def test_copies_of_a_constant_update_in_place():
    copy = tarsel.pi + F(0.0)
    alias = copy
    copy += F(1.0)
    assert copy is alias
    assert copy == tarsel.pi + F(1.0)


def test_constant_still_refuses_foreign_operands_in_place():
    p = tarsel.pi
    with pytest.raises(TypeError):
        p += 1.0
    assert tarsel.pi == pair(3.141592653589793, 1.2246467991473532e-16)


def test_constant_stays_protected_after_the_attribute_is_rebound():
    original = tarsel.pi
    try:
        tarsel.pi = F(3.0)
        alias = original
        alias += F(1.0)
        assert alias is not original
        assert original == pair(3.141592653589793, 1.2246467991473532e-16)
    finally:
        tarsel.pi = original


# --- special values of C's library: the module functions and the ufuncs ---

INF, NAN = math.inf, math.nan
TINY, MAX = 5e-324, 1.7976931348623157e308

# (function, arguments, result): arguments are floats (a Float128 each) and,
# for ldexp, the int exponent; a result is a float (the high part, bit for
# bit, with a zero low part; NaN by class), or a tuple for frexp and modf.
SPECIAL_VALUES = [
    ("expm1", (0.0,), 0.0), ("expm1", (-0.0,), -0.0), ("expm1", (INF,), INF), ("expm1", (-INF,), -1.0),
    ("log1p", (0.0,), 0.0), ("log1p", (-0.0,), -0.0), ("log1p", (-1.0,), -INF), ("log1p", (-2.0,), NAN),
    ("log1p", (-INF,), NAN), ("log1p", (INF,), INF),
    ("log2", (0.0,), -INF), ("log2", (-0.0,), -INF), ("log2", (1.0,), 0.0), ("log2", (-1.0,), NAN),
    ("log2", (INF,), INF),
    ("log10", (0.0,), -INF), ("log10", (-0.0,), -INF), ("log10", (1.0,), 0.0), ("log10", (-1e-300,), NAN),
    ("log10", (INF,), INF),
    ("exp2", (0.0,), 1.0), ("exp2", (-0.0,), 1.0), ("exp2", (-INF,), 0.0), ("exp2", (INF,), INF),
    ("cbrt", (0.0,), 0.0), ("cbrt", (-0.0,), -0.0), ("cbrt", (INF,), INF), ("cbrt", (-INF,), -INF),
    ("hypot", (INF, NAN), INF), ("hypot", (-INF, NAN), INF), ("hypot", (NAN, INF), INF),
    ("hypot", (NAN, -INF), INF), ("hypot", (-INF, 1.0), INF), ("hypot", (-3.0, 0.0), 3.0),
    ("hypot", (-3.0, -0.0), 3.0), ("hypot", (0.0, -2.5), 2.5),
    ("asinh", (0.0,), 0.0), ("asinh", (-0.0,), -0.0), ("asinh", (INF,), INF), ("asinh", (-INF,), -INF),
    ("acosh", (1.0,), 0.0), ("acosh", (0.5,), NAN), ("acosh", (-INF,), NAN), ("acosh", (INF,), INF),
    ("atanh", (0.0,), 0.0), ("atanh", (-0.0,), -0.0), ("atanh", (1.0,), INF), ("atanh", (-1.0,), -INF),
    ("atanh", (1.5,), NAN), ("atanh", (-INF,), NAN),
    ("erf", (0.0,), 0.0), ("erf", (-0.0,), -0.0), ("erf", (INF,), 1.0), ("erf", (-INF,), -1.0),
    ("erfc", (-INF,), 2.0), ("erfc", (INF,), 0.0),
    ("gamma", (0.0,), INF), ("gamma", (-0.0,), -INF), ("gamma", (-1.0,), NAN), ("gamma", (-2.0,), NAN),
    ("gamma", (-INF,), NAN), ("gamma", (INF,), INF),
    ("lgamma", (1.0,), 0.0), ("lgamma", (2.0,), 0.0), ("lgamma", (0.0,), INF), ("lgamma", (-0.0,), INF),
    ("lgamma", (-3.0,), INF), ("lgamma", (INF,), INF), ("lgamma", (-INF,), INF),
    ("logaddexp", (-INF, -INF), -INF), ("logaddexp", (INF, 1.0), INF), ("logaddexp", (-1.0, INF), INF),
    ("logaddexp", (INF, -INF), INF), ("logaddexp", (INF, INF), INF),
    ("logaddexp2", (-INF, -INF), -INF), ("logaddexp2", (INF, 1.0), INF), ("logaddexp2", (-1.0, INF), INF),
    ("logaddexp2", (INF, -INF), INF), ("logaddexp2", (INF, INF), INF),
    ("deg2rad", (0.0,), 0.0), ("deg2rad", (-0.0,), -0.0), ("deg2rad", (INF,), INF), ("deg2rad", (-INF,), -INF),
    ("rad2deg", (0.0,), 0.0), ("rad2deg", (-0.0,), -0.0), ("rad2deg", (INF,), INF), ("rad2deg", (-INF,), -INF),
    ("ldexp", (0.0, 5), 0.0), ("ldexp", (-0.0, 5), -0.0), ("ldexp", (-INF, -5), -INF), ("ldexp", (NAN, 3), NAN),
    ("ldexp", (1.0, 2000), INF), ("ldexp", (-1.0, -2000), -0.0), ("ldexp", (3.0, -1075), 2 * TINY),
    ("frexp", (0.0,), (0.0, 0)), ("frexp", (-0.0,), (-0.0, 0)), ("frexp", (INF,), (INF, 0)),
    ("frexp", (-INF,), (-INF, 0)), ("frexp", (NAN,), (NAN, 0)), ("frexp", (TINY,), (0.5, -1073)),
    ("frexp", (-48.0,), (-0.75, 6)),
    ("modf", (-3.5,), (-0.5, -3.0)), ("modf", (-3.0,), (-0.0, -3.0)), ("modf", (-0.25,), (-0.25, -0.0)),
    ("modf", (0.0,), (0.0, 0.0)), ("modf", (-0.0,), (-0.0, -0.0)), ("modf", (INF,), (0.0, INF)),
    ("modf", (-INF,), (-0.0, -INF)), ("modf", (NAN,), (NAN, NAN)),
    ("nextafter", (0.0, 1.0), TINY), ("nextafter", (-0.0, -1.0), -TINY), ("nextafter", (0.0, -1.0), -TINY),
    ("nextafter", (0.0, -0.0), -0.0), ("nextafter", (1.0, 1.0), 1.0), ("nextafter", (INF, 0.0), MAX),
    ("nextafter", (-INF, INF), -MAX), ("nextafter", (TINY, 0.0), 0.0), ("nextafter", (-TINY, 0.0), -0.0),
    ("nextafter", (NAN, 1.0), NAN), ("nextafter", (1.0, NAN), NAN),
    ("spacing", (0.0,), TINY), ("spacing", (-0.0,), -TINY), ("spacing", (1.0,), 2.0**-105),
    ("spacing", (-1.0,), -(2.0**-105)), ("spacing", (INF,), NAN), ("spacing", (-INF,), NAN),
    ("spacing", (NAN,), NAN),
] + [(name, (NAN,) * (2 if name in TWO_ARGUMENTS else 1), NAN)
     for name in LIBRARY_FUNCTIONS if name not in ("ldexp", "frexp", "modf", "spacing", "nextafter")]


def bits_of(x):
    return struct.pack("<d", x)


def is_special(got, want):
    """got (a Float128) is want: the high part bit for bit and a zero low
    part, or NaN in the high part."""
    if math.isnan(want):
        return math.isnan(got.hi)
    return bits_of(got.hi) == bits_of(want) and got.lo == 0.0


def matches(got, want):
    if isinstance(want, tuple):
        return all(g == w if isinstance(w, int) else is_special(g, w) for g, w in zip(got, want))
    return is_special(got, want)


# The NumPy ufuncs of each function of C's library: those of its row in
# the engine's table, and ldexp, frexp and modf, which have loops of their own.
UFUNCS = {"ldexp": ["ldexp"], "frexp": ["frexp"], "modf": ["modf"]}
for ufunc_name, *_, engine, types in tarsel._core._ufunc_loops:
    if engine is not None:
        UFUNCS.setdefault(engine, []).append(ufunc_name)


def ufunc_results(ufunc, args):
    """The ufunc over one-element arrays of args, as Float128 values (and
    the int of frexp)."""
    arrays = [np.array([a], dtype=np.int32) if isinstance(a, int) else np.array([F(a)]) for a in args]
    out = ufunc(*arrays)
    return tuple(o[0] if o.dtype == tarsel.float128 else int(o[0]) for o in out) if isinstance(out, tuple) else out[0]


def same_results(a, b):
    a, b = (a, b) if isinstance(a, tuple) else ((a,), (b,))
    return all(x == y if isinstance(x, int) else x.to_bytes() == y.to_bytes() for x, y in zip(a, b))


@pytest.mark.parametrize("name, args, want", SPECIAL_VALUES,
                         ids=[f"{n}{a}" for n, a, _ in SPECIAL_VALUES])
def test_special_values_of_the_module_functions_and_their_ufuncs(name, args, want):
    got = getattr(tarsel, name)(*[a if isinstance(a, int) else F(a) for a in args])
    assert matches(got, want), (got, want)
    for ufunc_name in UFUNCS.get(name, []):
        assert same_results(ufunc_results(getattr(np, ufunc_name), args), got), ufunc_name


def test_every_library_function_has_special_values_and_only_numpy_s_ufunc_names():
    assert {name for name, _, _ in SPECIAL_VALUES} == set(LIBRARY_FUNCTIONS)
    assert {name for name in LIBRARY_FUNCTIONS if name not in UFUNCS} == {"erf", "erfc", "gamma", "lgamma"}
    assert UFUNCS["deg2rad"] == ["deg2rad", "radians"] and UFUNCS["rad2deg"] == ["rad2deg", "degrees"]
    assert UFUNCS["asinh"] == ["arcsinh"] and UFUNCS["acosh"] == ["arccosh"] and UFUNCS["atanh"] == ["arctanh"]
