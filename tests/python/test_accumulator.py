"""The class Accumulator: what add and add_products take, merging, copies,
pickling of the exact state and refusal of other objects.  The Dask
reduction on worker processes is the README's recipe, which test_docs.py
runs in a process of its own (and skips where dask is not installed)."""
import copy
import math
import pickle
import struct

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


# --- states at the edges: specials, saturation and sums beyond 2^2272 ---

MAX = 1.7976931348623157e308


def merged_with_itself(x, times):
    acc = accumulated(("add", x))
    for _ in range(times):
        acc.merge(acc)
    return acc


def then(acc, *calls):
    for method, *args in calls:
        getattr(acc, method)(*(arg() if callable(arg) else arg for arg in args))
    return acc


def minus_top():
    """-2^2272 exactly, the largest magnitude the digits hold."""
    return merged_with_itself(-2.0**1023, 1249)


def just_below_top():
    """2^2272 - 2^1000."""
    acc = merged_with_itself(2.0**1023, 1248)
    return then(acc, ("merge", then(acc.copy(), ("add", -2.0**1000))))


def past_top():
    """2^2272 + 2^1000 by two terms that no carry pass has seen yet."""
    return then(just_below_top(), ("add", 2.0**1000), ("add", 2.0**1000))


def nan_with_payload(bits):
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


EDGE_STATES = {
    "exactly -2^2272 after 1249 merges": minus_top,
    "past -2^2272, not carried yet": lambda: then(minus_top(), ("add", -1.0)),
    "past +2^2272, not carried yet": past_top,
    "just below +2^2272": just_below_top,
    "saturated upwards": lambda: merged_with_itself(MAX, 1300),
    "saturated downwards, then a term": lambda: then(merged_with_itself(-MAX, 1300), ("add", 2.5)),
    "saturated both ways": lambda: then(merged_with_itself(MAX, 1300), ("merge", merged_with_itself(-MAX, 1300))),
    "+inf and a term": lambda: accumulated(("add", math.inf), ("add", -3.0)),
    "-inf": lambda: accumulated(("add", -math.inf)),
    "both infinities": lambda: accumulated(("add", [math.inf, 1.0, -math.inf])),
    "a NaN with a payload": lambda: accumulated(("add", nan_with_payload(0x7FF0_0000_0000_0123)), ("add", 1.0)),
    "a negative NaN among an array": lambda: accumulated(("add", np.array([1.0, nan_with_payload(0xFFF8_0000_0000_0001)]))),
}

COPIES = {
    **{f"pickle protocol {p}": (lambda acc, p=p: pickle.loads(pickle.dumps(acc, p)))
       for p in range(pickle.HIGHEST_PROTOCOL + 1)},
    "copy.copy": copy.copy,
    "copy.deepcopy": copy.deepcopy,
    "the state bytes": lambda acc: Accumulator(acc.__reduce__()[1][0]),
}

# What may follow a copy; each must do the same to the original.
CONTINUATIONS = [
    [],
    [("add", 1.0)],
    [("add", 2.0**1000), ("add", 2.0**1000), ("add", -2.0**1000)],
    [("merge", just_below_top)],
    [("add_products", [1e300], [-1e300]), ("merge", minus_top)],
    [("merge", lambda: merged_with_itself(-MAX, 1300))],
]


def value_bits(acc):
    v = acc.value()
    return struct.pack("<dd", v.hi, v.lo)


@pytest.mark.parametrize("copier", COPIES.values(), ids=COPIES.keys())
@pytest.mark.parametrize("state", EDGE_STATES.values(), ids=EDGE_STATES.keys())
def test_copies_of_edge_states_keep_value_and_go_on_the_same(state, copier):
    for calls in CONTINUATIONS:
        original = state()
        restored = copier(original)
        assert restored == original and value_bits(restored) == value_bits(original)
        then(original, *calls)
        then(restored, *calls)
        assert restored == original, calls
        assert value_bits(restored) == value_bits(original), calls


def test_the_1249_merge_example_pickles_to_minus_infinity():
    acc = minus_top()
    restored = pickle.loads(pickle.dumps(acc))
    assert math.isinf(acc.value().hi) and acc.value().hi < 0
    assert restored == acc and value_bits(restored) == value_bits(acc)
    # -2^2272 + 1 + (2^2272 - 2^1000)
    want = accumulated(("add", -2.0**1000), ("add", 1.0))
    assert value_bits(then(restored, ("add", 1.0), ("merge", just_below_top))) == value_bits(want)


def test_the_count_of_terms_since_the_last_carry_pass_is_kept():
    # Whether a sum that crosses 2^2272 saturates on the way depends on when
    # the next carry pass comes: right at the crossing here.
    state = just_below_top().__reduce__()[1][0]
    late = Accumulator(state[:4] + (2**29 - 1).to_bytes(4, "little") + state[8:])
    cancel = then(minus_top(), ("add", 2.0**1000), ("add", 1.0))
    crossing = [("add", 2.0**1000), ("add", -2.0**1000), ("merge", cancel)]
    assert then(Accumulator(state), *crossing).value() == Float128(1.0)
    for copier in COPIES.values():
        assert then(copier(late), *crossing).value() == Float128(math.inf), copier


# Pickles that the earlier state format (version 1) produced, with the
# accumulators they came from: they still load, to the same value.
OLD_PICKLES = [
    (b"\x80\x04\x95%\x00\x00\x00\x00\x00\x00\x00\x8c\x06tarsel\x94\x8c\x0bAccumulator\x94\x93\x94C\x04\x01(\x00\x00"
     b"\x94\x85\x94R\x94.", minus_top),
    (b"ctarsel\nAccumulator\np0\n(c_codecs\nencode\np1\n(V\x01$D\\u0000\x03\\u0000\\u0000\\u0000\np2\nVlatin1\np3\n"
     b"tp4\nRp5\ntp6\nRp7\n.", lambda: accumulated(("add", -math.inf), ("add", 3.0))),
    (b"\x80\x02ctarsel\nAccumulator\nq\x00c_codecs\nencode\nq\x01X\x04\x00\x00\x00\x01\x10\x00\x00q\x02X\x06\x00"
     b"\x00\x00latin1q\x03\x86q\x04Rq\x05\x85q\x06Rq\x07.", lambda: accumulated(("add", -0.0))),
    (b"\x80\x05\x95\xad\x00\x00\x00\x00\x00\x00\x00\x8c\x06tarsel\x94\x8c\x0bAccumulator\x94\x93\x94C\x8c\x01 \"\x00"
     b"\x00\xc0\xfe" + b"\xff" * 126 + b"\x99\x99\x99\x99\x99\x99\x19\x94\x85\x94R\x94.",
     lambda: accumulated(("add", 0.1), ("add", -5 * 2.0**-1074))),
]


@pytest.mark.parametrize("stored, make", OLD_PICKLES)
def test_pickles_of_the_earlier_format_still_load(stored, make):
    restored, want = pickle.loads(stored), make()
    assert restored == want and value_bits(restored) == value_bits(want)
    assert then(restored, ("add", 1.0)) == then(want, ("add", 1.0))


def replaced(state, at, new):
    return state[:at] + new + state[at + len(new):]


GOOD = accumulated(("add", 1.0), ("add", 2.0**-1074)).__reduce__()[1][0]
PAST = past_top().__reduce__()[1][0]
EMPTY = Accumulator().__reduce__()[1][0]
# The full table of forged states is the C++ one of the state parser; these
# are the ones through which the binding's paths differ (length, version,
# a field read from the header, and an old state).
CORRUPTIONS = {
    "empty": b"",
    "a header cut short": GOOD[:7],
    "a digit cut short": GOOD[:-1],
    "version 3": replaced(GOOD, 0, b"\x03"),
    "a pending count of 2^29": replaced(GOOD, 4, (2**29).to_bytes(4, "little")),
    "a negative zero": replaced(EMPTY, 1, b"\x28"),
    "2^2272 with no pending term": replaced(PAST, 4, b"\x00" * 4),
    "the 2^2272 flag in version 1": b"\x01\xa0\x00\x00",
}


class Forged:
    """Pickles as an Accumulator with the given state bytes."""

    def __init__(self, state):
        self.state = state

    def __reduce__(self):
        return Accumulator, (self.state,)


@pytest.mark.parametrize("state", CORRUPTIONS.values(), ids=CORRUPTIONS.keys())
def test_forged_or_truncated_states_raise_value_error(state):
    with pytest.raises(ValueError, match="not an Accumulator state"):
        Accumulator(state)
    with pytest.raises(ValueError, match="not an Accumulator state"):
        pickle.loads(pickle.dumps(Forged(state)))


@pytest.mark.parametrize("state", [GOOD.decode("latin1"), bytearray(GOOD), memoryview(GOOD), None, 7])
def test_a_state_of_another_type_raises_type_error(state):
    with pytest.raises(TypeError):
        Accumulator(state)
