"""Instances as arguments: every method refuses a self that is not an
initialised instance of its class, and an instance made by __new__ alone is
refused everywhere, so that no in-place operator on it reaches freed
storage."""
import math
import operator
import pickle
import subprocess
import sys
import textwrap

import pytest

import tarsel
from tarsel import Complex128, Float128

UNARY = {"to_string", "__str__", "__repr__", "__neg__", "real", "imag", "as_integer_ratio", "to_bytes", "__reduce__",
         "__bool__", "__abs__", "__pos__", "__floor__", "__ceil__", "__trunc__", "__round__"}

FLOAT128_CALLABLES = {
    "__init__", "to_string", "__str__", "__repr__", "__add__", "__sub__", "__mul__", "__truediv__",
    "__iadd__", "__isub__", "__imul__", "__itruediv__", "__eq__", "__ne__", "__lt__", "__le__", "__gt__",
    "__ge__", "__neg__", "__format__", "as_integer_ratio", "to_bytes", "__reduce__", "__setstate__", "__bool__",
    "__abs__", "__pos__", "__floor__", "__ceil__", "__trunc__", "__round__",
}
COMPLEX128_CALLABLES = {
    "__init__", "real", "imag", "to_string", "__str__", "__repr__", "__add__", "__sub__", "__mul__",
    "__truediv__", "__iadd__", "__isub__", "__imul__", "__itruediv__", "__format__", "__reduce__", "__setstate__",
}


def registered_callables(cls):
    # Static methods have no self, pybind11's cross-module protocol method
    # answers None for anything that is not an instance, and NumPy links
    # the scalar type of a dtype to its DType class.
    return {
        name
        for name, value in vars(cls).items()
        if callable(value) and not isinstance(value, staticmethod)
        and name not in ("_pybind11_conduit_v1_", "__associated_array_dtype__")
    }


def test_the_tables_name_every_registered_callable():
    assert registered_callables(Float128) == FLOAT128_CALLABLES
    assert registered_callables(Complex128) == COMPLEX128_CALLABLES


def arguments_after_self(cls, name):
    if name in UNARY:
        return ()
    if name == "__format__":
        return (".3e",)
    if name == "__setstate__":
        return ((1.0, 0.0) if cls is Float128 else (1.0, 0.0, 0.0, 0.0),)
    return (cls(1.0),)


def foreign_selves(cls):
    other = Complex128(1.0, 2.0) if cls is Float128 else Float128(1.0)
    return [None, other, 3, object()]


CASES = [
    (cls, name, index)
    for cls, names in ((Float128, FLOAT128_CALLABLES), (Complex128, COMPLEX128_CALLABLES))
    for name in sorted(names)
    for index in range(4)
]


@pytest.mark.parametrize(
    "cls, name, index", CASES, ids=[f"{c.__name__}.{n}-{['None', 'other class', 'int', 'object'][i]}" for c, n, i in CASES]
)
def test_every_method_refuses_a_self_of_another_type(cls, name, index):
    bad_self = foreign_selves(cls)[index]
    with pytest.raises(TypeError):
        getattr(cls, name)(bad_self, *arguments_after_self(cls, name))


# --- instances made by __new__ without __init__ ---------------------------


class Sub(Float128):
    pass


def uninitialised(cls):
    return cls.__new__(cls)


USES = [
    ("str", lambda u, v: str(u)),
    ("repr", lambda u, v: repr(u)),
    ("to_string", lambda u, v: u.to_string()),
    ("left operand", lambda u, v: u + v),
    ("right operand", lambda u, v: v * u),
    ("in-place on it", lambda u, v: operator.iadd(u, v)),
    ("in-place with it", lambda u, v: operator.itruediv(v, u)),
    ("module function", lambda u, v: tarsel.sin(u)),
    ("format", lambda u, v: format(u, ".3e")),
]
FLOAT_USES = USES + [
    ("equality", lambda u, v: u == v),
    ("reflected equality", lambda u, v: v == u),
    ("negation", lambda u, v: -u),
    ("ordering", lambda u, v: u < v),
    ("two-argument function", lambda u, v: tarsel.atan2(v, u)),
    ("Complex128 part", lambda u, v: Complex128(u, v)),
    ("ratio", lambda u, v: u.as_integer_ratio()),
    ("parts", lambda u, v: u.hi),
    ("record", lambda u, v: u.to_bytes()),
    ("pickle", lambda u, v: pickle.dumps(u)),
    ("set state", lambda u, v: u.__setstate__((1.0, 0.0))),
    ("truth", lambda u, v: bool(u)),
    ("integer", lambda u, v: math.floor(u)),
    ("rows", lambda u, v: tarsel.to_rows([v, u])),
]
COMPLEX_USES = USES + [
    ("part", lambda u, v: u.imag()),
    ("modulus", lambda u, v: tarsel.abs_sqr(u)),
    ("pickle", lambda u, v: pickle.dumps(u)),
    ("set state", lambda u, v: u.__setstate__((1.0, 0.0, 0.0, 0.0))),
]


@pytest.mark.parametrize("cls", [Float128, Sub])
@pytest.mark.parametrize("use", [u for _, u in FLOAT_USES], ids=[n for n, _ in FLOAT_USES])
def test_every_use_of_an_uninitialised_float128_raises(cls, use):
    with pytest.raises(TypeError, match="created without __init__"):
        use(uninitialised(cls), Float128(2.0))


@pytest.mark.parametrize("use", [u for _, u in COMPLEX_USES], ids=[n for n, _ in COMPLEX_USES])
def test_every_use_of_an_uninitialised_complex128_raises(use):
    with pytest.raises(TypeError, match="created without __init__"):
        use(uninitialised(Complex128), Complex128(2.0, 1.0))


def test_init_gives_an_uninitialised_instance_its_value():
    u = uninitialised(Float128)
    Float128.__init__(u, 2.5)
    assert u == Float128(2.5)
    alias = u
    u += Float128(1.0)
    assert u is alias and u == Float128(3.5)


def run_python(code):
    return subprocess.run([sys.executable, "-c", textwrap.dedent(code)], capture_output=True, text=True, timeout=60)


@pytest.mark.parametrize("op", ["+=", "-=", "*=", "/="])
def test_inplace_on_a_new_instance_leaves_other_values_alone(op):
    # The value storage of u used to be freed while the object that the
    # first in-place operator returned still wrote into it, and the next new
    # instance took that storage.
    code = f"""
        import tarsel
        from tarsel import Float128
        u = Float128.__new__(Float128)
        try:
            u {op} tarsel.pi
        except TypeError:
            pass
        victim = Float128(1.0)
        try:
            u {op} tarsel.e
        except TypeError:
            pass
        print(victim)
        """
    out = run_python(code)
    assert out.returncode == 0, out.stderr
    assert out.stdout.strip() == "1.0000000000000000000000000000000"


def test_methods_called_on_none_raise_instead_of_crashing():
    code = """
        import tarsel
        for f in (tarsel.Float128.to_string, tarsel.Float128.__str__, tarsel.Complex128.real,
                  tarsel.Complex128.imag, tarsel.Complex128.__repr__):
            try:
                f(None)
            except TypeError:
                print("TypeError")
        """
    out = run_python(code)
    assert out.returncode == 0, out.stderr
    assert out.stdout.split() == ["TypeError"] * 5
