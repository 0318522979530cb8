"""The class Accumulator: what add and add_products take, merging, copies,
pickling of the exact state and refusal of other objects.  The Dask
reduction on worker processes is the README's recipe, which test_docs.py
runs in a process of its own (and skips where dask is not installed)."""
import copy
import pickle

import numpy as np
import pytest

import tarsel
from tarsel import Accumulator, Float128


def accumulated(*calls):
    acc = Accumulator()
    for method, *args in calls:
        getattr(acc, method)(*args)
    return acc


ROWS = np.array([[1.0, 2.0**-70], [-3.0, 2.0**-80]])
ADDS = [
    ("a Float128 adds both parts", [("add", Float128(1.0) / Float128(3.0))],
     Float128(1.0) / Float128(3.0)),
    ("a float", [("add", 0.1), ("add", 0.2)], tarsel.fsum([0.1, 0.2])),
    ("an int", [("add", 3)], Float128(3.0)),
    ("a NumPy scalar", [("add", np.float32(0.5))], Float128(0.5)),
    ("a one-dimensional array", [("add", [1.0, 2.0**-60])], tarsel.fsum([1.0, 2.0**-60])),
    ("an (N, 2) array", [("add", ROWS)], tarsel.sum_arrays(ROWS)),
    ("products of vectors", [("add_products", [1e200, 3.0], [1e200, -1.0])], tarsel.fdot([1e200, 3.0], [1e200, -1.0])),
    ("products of rows", [("add_products", ROWS, ROWS[::-1])], tarsel.dot_arrays(ROWS, ROWS[::-1])),
    ("calls add up", [("add", 1e300), ("add_products", [1e300], [-1.0]), ("add", 1.0)], Float128(1.0)),
]


@pytest.mark.parametrize("why, calls, want", ADDS, ids=[case[0] for case in ADDS])
def test_add_takes_numbers_vectors_and_rows(why, calls, want):
    acc = accumulated(*calls)
    assert acc.value() == want
    assert acc.value() == want, "value() leaves the state unchanged"


BAD_CALLS = [
    (RuntimeError, "one-dimensional or have shape", lambda acc: acc.add(np.zeros((2, 3)))),
    (RuntimeError, "both be one-dimensional or both have shape", lambda acc: acc.add_products([1.0, 2.0], ROWS)),
    (RuntimeError, "Input shapes must match", lambda acc: acc.add_products([1.0, 2.0], [1.0])),
    (RuntimeError, "Input shapes must match", lambda acc: acc.add_products(ROWS, ROWS[:1])),
    (TypeError, "incompatible", lambda acc: acc.merge(None)),
    (TypeError, "incompatible", lambda acc: acc.merge(Float128(1.0))),
    (ValueError, "not an Accumulator state", lambda acc: Accumulator(b"\x02\x00\x00\x00")),
]


@pytest.mark.parametrize("error, message, call", BAD_CALLS)
def test_bad_calls_raise_and_change_nothing(error, message, call):
    acc = accumulated(("add", 2.5))
    with pytest.raises(error, match=message):
        call(acc)
    assert acc.value() == Float128(2.5)


METHOD_ARGUMENTS = {
    "add": (1.0,), "add_products": ([1.0], [2.0]), "merge": (Accumulator(),), "value": (), "copy": (),
    "__reduce__": (), "__eq__": (Accumulator(),), "__repr__": (),
}


def test_every_method_refuses_a_foreign_or_uninitialised_self():
    callables = {name for name, value in vars(Accumulator).items() if callable(value)}
    assert callables - {"__init__", "_pybind11_conduit_v1_"} == set(METHOD_ARGUMENTS)
    blank = Accumulator.__new__(Accumulator)
    for name, arguments in METHOD_ARGUMENTS.items():
        for self in (None, Float128(1.0), blank):
            with pytest.raises(TypeError):
                getattr(Accumulator, name)(self, *arguments)
    with pytest.raises(TypeError, match="holds no value"):
        Accumulator().merge(blank)


def test_merge_adds_the_other_exact_state_and_copies_are_independent():
    a = accumulated(("add", [1e300, 0.1]))
    b = accumulated(("add", [-1e300, 2.0**-1074]))
    a.merge(b)
    assert a == accumulated(("add", [1e300, 0.1, -1e300, 2.0**-1074]))
    c = a.copy()
    a.merge(a)
    assert a.value() == Float128(2.0) * c.value()
    assert c != a and c == accumulated(("add", [0.1, 2.0**-1074]))


STATES = {
    "empty": [],
    "a negative zero sum": [("add", -0.0)],
    "across the range": [("add", [-1e308, 1e-300, 2.0**-1074]), ("add_products", [1e-300], [-1e-300])],
    "beyond the range": [("add_products", [1e300, 1e300], [1e300, 1e300])],
    "specials": [("add", [np.nan, np.inf])],
}


@pytest.mark.parametrize("state", STATES)
@pytest.mark.parametrize("protocol", range(pickle.HIGHEST_PROTOCOL + 1))
def test_pickling_keeps_the_exact_state(state, protocol):
    acc = accumulated(*STATES[state])
    restored = pickle.loads(pickle.dumps(acc, protocol))
    assert restored == acc and type(restored) is Accumulator
    # The restored state goes on exactly as the original would.
    restored.add(1e-310)
    acc.add(1e-310)
    assert restored == acc
    assert copy.deepcopy(acc) == acc and copy.copy(acc) is not acc


def test_repr_shows_the_rounded_value_and_instances_are_unhashable():
    assert repr(accumulated(("add", 1.5))) == "<tarsel.Accumulator value=1.5000000000000000000000000000000>"
    with pytest.raises(TypeError):
        hash(Accumulator())
