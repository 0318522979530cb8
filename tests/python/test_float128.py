"""Float128 as Python sees it: constructors, operators, identity semantics
and the errors the binding raises."""
import operator
import os
import subprocess
import sys
import sysconfig

import pytest

import tarsel
from tarsel import Float128



def test_module_docstring():
    assert tarsel.__doc__ == "tarsel: 128-bit double-double arithmetic module"
    assert Float128.__module__ == "tarsel"
    assert Float128.__qualname__ == "Float128"


class HasFloat:
    def __float__(self):
        return 0.25


class HasIndex:
    def __index__(self):
        return 7


@pytest.mark.parametrize(
    "arg, same_as",
    [
        (3, 3.0),
        (True, 1.0),
        (-0.5, -0.5),
        (HasFloat(), 0.25),
        (HasIndex(), 7.0),
    ],
    ids=["int", "bool", "float", "__float__", "__index__"],
)
def test_numbers_convert_through_their_float_value(arg, same_as):
    assert Float128(arg) == Float128(same_as)


def test_numpy_scalars_are_numbers():
    np = pytest.importorskip("numpy")
    assert Float128(np.float64(1.5)) == Float128(1.5)
    assert Float128(np.float32(0.5)) == Float128(0.5)
    assert Float128(np.int64(4)) == Float128(4.0)


def test_default_is_zero():
    assert Float128() == Float128(0.0)


def test_constructor_signatures_in_registration_order():
    overloads = [line.split(". ", 1)[1] for line in Float128.__init__.__doc__.splitlines() if line[:1].isdigit()]
    assert overloads[:2] == [
        "__init__(self: tarsel.Float128) -> None",
        "__init__(self: tarsel.Float128, x: typing.SupportsFloat | typing.SupportsIndex, /) -> None",
    ]
    assert overloads[2] == "__init__(self: tarsel.Float128, arg0: str) -> None"
    assert len(overloads) == 3


@pytest.mark.parametrize("arg", [Float128(1.0), 10**400, [1.0], None, 1 + 2j])
def test_other_arguments_match_no_constructor(arg):
    with pytest.raises(TypeError, match="incompatible constructor arguments"):
        Float128(arg)


def test_division_by_zero_and_overflow_never_raise():
    one, zero = Float128(1.0), Float128(0.0)
    assert tarsel.isinf(one / zero)
    assert tarsel.isinf(-one / zero)
    assert tarsel.isnan(zero / zero)
    big = Float128(1e308)
    assert tarsel.isinf(big * big)
    assert tarsel.isinf(big + big)


def test_one_third_is_not_the_double_third():
    third = Float128(1.0) / Float128(3.0)
    assert third != Float128(1.0 / 3.0)
    assert third * Float128(3.0) == Float128(1.0)


@pytest.mark.parametrize(
    "inplace, plain",
    [
        (operator.iadd, operator.add),
        (operator.isub, operator.sub),
        (operator.imul, operator.mul),
        (operator.itruediv, operator.truediv),
    ],
)
def test_inplace_operators_change_the_object_itself(inplace, plain):
    x = Float128(6.0)
    alias = x
    expected = plain(Float128(6.0), Float128(4.0))
    result = inplace(x, Float128(4.0))
    assert result is x
    assert alias is x
    assert alias == expected


def test_negation_is_a_new_object():
    x = Float128(2.0)
    y = -x
    assert y is not x
    assert y == Float128(-2.0)
    assert x == Float128(2.0)


@pytest.mark.parametrize(
    "op", [operator.add, operator.sub, operator.mul, operator.truediv, operator.iadd, operator.imul]
)
@pytest.mark.parametrize("other", [1.0, 1, 1 + 0j, "1"])
def test_mixed_operands_are_refused_both_ways(op, other):
    with pytest.raises(TypeError):
        op(Float128(1.0), other)
    with pytest.raises(TypeError):
        op(other, Float128(1.0))


def test_a_refused_operand_falls_back_to_python_type_error():
    with pytest.raises(TypeError, match="unsupported operand type"):
        Float128(1.0) + 1.0


@pytest.mark.parametrize(
    "use",
    [
        lambda x: x // x,
        lambda x: x % x,
        lambda x: x**x,
        float,
        operator.index,
        hash,
        lambda x: complex(x),
    ],
    ids=["floordiv", "mod", "pow", "float", "index", "hash", "complex"],
)
def test_unbound_protocols_raise_type_error(use):
    # Unary +, abs() and int() (through __trunc__) are bound beside the
    # arithmetic; see test_number_protocols.py.
    with pytest.raises(TypeError):
        use(Float128(2.0))


def test_subclass_instances_are_accepted_as_operands():
    class Sub(Float128):
        pass

    assert Float128(1.0) + Sub(2.0) == Float128(3.0)


def test_instances_have_no_attribute_dictionary():
    with pytest.raises(AttributeError):
        Float128(1.0).extra = 1


def _module_built_for_another_interpreter():
    """The module built for another Python version, which tests/run.sh builds in
    the same run and names in TARSEL_OTHER_VERSION_MODULE."""
    path = os.environ.get("TARSEL_OTHER_VERSION_MODULE", "")
    if path and sysconfig.get_config_var("SOABI") not in os.path.basename(path):
        return path
    return None


def test_import_into_another_interpreter_version_fails_with_the_mismatch_text():
    other = _module_built_for_another_interpreter()
    if other is None:
        pytest.skip("needs the module built for another Python version: run bash tests/run.sh, which "
                    "builds it, or set TARSEL_OTHER_VERSION_MODULE to the path of such a build")
    loader = (
        "import importlib.machinery, importlib.util, sys\n"
        "found = importlib.util.spec_from_file_location('tarsel._core', sys.argv[1])\n"
        "try:\n"
        "    importlib.util.module_from_spec(found)\n"
        "except ImportError as exc:\n"
        "    print(exc)\n"
    )
    out = subprocess.run([sys.executable, "-c", loader, other], capture_output=True, text=True, timeout=60)
    assert "Python version mismatch: module was compiled for Python" in out.stdout, out.stdout + out.stderr
    assert "but the interpreter version is incompatible" in out.stdout


@pytest.mark.skipif(sys.version_info < (3, 12), reason="interpreters declare module support from 3.12 on")
def test_module_refuses_to_load_into_a_subinterpreter():
    pytest.importorskip("_xxsubinterpreters")
    probe = (
        "import _xxsubinterpreters as interpreters\n"
        "sub = interpreters.create()\n"
        "try:\n"
        "    interpreters.run_string(sub, 'import tarsel')\n"
        "except Exception as exc:\n"
        "    print(exc)\n"
        "else:\n"
        "    print('loaded')\n"
    )
    out = subprocess.run([sys.executable, "-c", probe], capture_output=True, text=True, timeout=60)
    assert "does not support loading in subinterpreters" in out.stdout, out.stdout + out.stderr
