"""Argument conversion that runs the caller's code: __float__, __index__,
__complex__ and __array__ run once per argument, a TypeError, ValueError or
OverflowError from them is an ordinary mismatch, and anything else
propagates unchanged."""
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import tarsel
from tarsel import Complex128, Float128

ROWS = np.array([[1.0, 0.0], [2.0, 0.0]])


class Custom(Exception):
    pass


def converter(method, outcome):
    """An object whose conversion method `method` counts its calls and then
    raises outcome, or returns it when it is not an exception class."""

    class Converts:
        calls = 0

    def convert(self, *args, **kwargs):
        Converts.calls += 1
        if isinstance(outcome, type) and issubclass(outcome, BaseException):
            raise outcome("from the caller's conversion")
        return outcome

    setattr(Converts, method, convert)
    return Converts()


def int_with_float(outcome):
    """An int subclass whose own __float__ behaves like converter's."""

    class IntWithFloat(int):
        calls = 0

        def __float__(self):
            IntWithFloat.calls += 1
            if isinstance(outcome, type) and issubclass(outcome, BaseException):
                raise outcome("from the caller's conversion")
            return outcome

    return IntWithFloat(3)


# (what is called, how the argument is made, the TypeError text of a mismatch)
TARGETS = [
    ("Float128(__float__)", Float128, lambda o: converter("__float__", o), "incompatible constructor"),
    ("Float128(__index__)", Float128, lambda o: converter("__index__", o), "incompatible constructor"),
    ("Float128(int subclass)", Float128, int_with_float, "incompatible constructor"),
    ("Complex128(__float__)", Complex128, lambda o: converter("__float__", o), "incompatible constructor"),
    ("Complex128(__index__)", Complex128, lambda o: converter("__index__", o), "incompatible constructor"),
    ("Complex128(__complex__)", Complex128, lambda o: converter("__complex__", o), "incompatible constructor"),
    ("Complex128(1, imag)", lambda x: Complex128(1.0, x), lambda o: converter("__float__", o), "incompatible constructor"),
    ("Complex128 operand", lambda x: Complex128(1.0) + x, int_with_float, "unsupported operand"),
    ("complex overload", tarsel.sin, int_with_float, "incompatible function"),
    ("sin_arrays(__array__)", tarsel.sin_arrays, lambda o: converter("__array__", o), "incompatible function"),
    ("add_arrays(rows, __array__)", lambda x: tarsel.add_arrays(ROWS, x), lambda o: converter("__array__", o),
     "incompatible function"),
    ("from_rows(__array__)", tarsel.from_rows, lambda o: converter("__array__", o), "incompatible function"),
    ("fsum(__array__)", tarsel.fsum, lambda o: converter("__array__", o), "incompatible function"),
]
IDS = [t[0] for t in TARGETS]


@pytest.mark.parametrize("call, make, _", [t[1:] for t in TARGETS], ids=IDS)
@pytest.mark.parametrize("error", [KeyboardInterrupt, SystemExit, MemoryError, RecursionError, Custom])
def test_errors_other_than_a_mismatch_propagate_after_one_call(call, make, _, error):
    arg = make(error)
    with pytest.raises(error, match="from the caller's conversion"):
        call(arg)
    assert type(arg).calls == 1


@pytest.mark.parametrize("call, make, text", [t[1:] for t in TARGETS], ids=IDS)
@pytest.mark.parametrize("error", [TypeError, ValueError, OverflowError])
def test_a_plain_conversion_failure_is_a_mismatch_after_one_call(call, make, text, error):
    arg = make(error)
    with pytest.raises(TypeError, match=text):
        call(arg)
    assert type(arg).calls == 1


VALUES = [
    ("Float128(__float__)", Float128, lambda: converter("__float__", 2.5), Float128(2.5)),
    ("Float128(__index__)", Float128, lambda: converter("__index__", 7), Float128(7.0)),
    ("Float128(int subclass)", Float128, lambda: int_with_float(2.5), Float128(2.5)),
    ("Complex128(__complex__)", lambda x: Complex128(x).imag(), lambda: converter("__complex__", 1 - 2j),
     Float128(-2.0)),
    ("Complex128 operand", lambda x: (Complex128(1.0) + x).real(), lambda: int_with_float(2.5), Float128(3.5)),
]


@pytest.mark.parametrize("call, make, want", [v[1:] for v in VALUES], ids=[v[0] for v in VALUES])
def test_a_successful_conversion_runs_once(call, make, want):
    arg = make()
    assert call(arg) == want
    assert type(arg).calls == 1


def test_an_array_method_runs_once_and_its_result_is_used():
    arg = converter("__array__", ROWS)
    np.testing.assert_array_equal(tarsel.add_arrays(arg, ROWS), 2 * ROWS)
    assert type(arg).calls == 1


def test_a_float_method_that_constructs_float128_recursively_ends():
    # Each level used to call __float__ twice, so the recursion took 2^depth
    # calls and never reached the recursion limit in practice.
    code = textwrap.dedent(
        """
        import sys
        from tarsel import Float128
        sys.setrecursionlimit(400)
        class Recursive:
            def __float__(self):
                return float(Float128(self).to_string())
        try:
            Float128(Recursive())
        except RecursionError:
            print("RecursionError")
        """
    )
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert out.stdout.strip() == "RecursionError", out.stderr
