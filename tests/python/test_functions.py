"""The module-level real functions and constants as Python sees them:
registration order, argument handling, results and the protected constants."""
import operator

import numpy as np
import pytest

import tarsel
from tarsel import Float128

REAL_FUNCTIONS = ["exp", "log", "pow", "sin", "cos", "tan", "sinh", "cosh", "tanh", "sqrt", "abs", "floor", "ceil",
                  "trunc", "round", "fmod", "atan", "atan2", "asin", "acos", "isnan", "isinf"]
# Names that also take a Complex128 (and through it a Python number).
SHARED_WITH_COMPLEX = {"sin", "cos", "tan", "sinh", "cosh", "tanh", "abs"}
TWO_ARGUMENTS = {"pow", "fmod", "atan2"}
CONSTANTS = ["pi", "e", "sqrt2", "ln2"]
# The rest of C's library and the parts of a value, registered after the
# array functions: Float128 only, no Complex128 overload.
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
