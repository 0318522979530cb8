"""to_rows and from_rows: Float128 values to and from (N, 2) float64 arrays
in one call, every bit kept, any input layout, and the documented errors."""
import struct

import numpy as np
import pytest

import tarsel
from tarsel import Complex128, Float128


def double(bits):
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


PAIRS = [
    (1 / 3, 1.850371707708594e-17),
    (-0.0, -0.0),
    (double(0x7FF8000000000123), 0.0),
    (double(0x7FF0000000000001), double(0xFFF4000000000000)),
    (1.0, 1.0),
    (float("-inf"), 5e-324),
]


def values():
    return [Float128.from_parts(hi, lo) for hi, lo in PAIRS]


def test_rows_hold_every_bit_and_come_back_unchanged():
    rows = tarsel.to_rows(values())
    assert rows.dtype == np.float64 and rows.shape == (len(PAIRS), 2)
    assert rows.flags.c_contiguous and rows.flags.owndata
    assert rows.tobytes() == b"".join(struct.pack("=dd", hi, lo) for hi, lo in PAIRS)
    back = tarsel.from_rows(rows)
    assert type(back) is list
    assert [x.to_bytes() for x in back] == [x.to_bytes() for x in values()]


@pytest.mark.parametrize(
    "make", [list, tuple, iter, lambda v: (x for x in v)], ids=["list", "tuple", "iterator", "generator"]
)
def test_to_rows_takes_any_iterable(make):
    assert tarsel.to_rows(make(values())).tobytes() == tarsel.to_rows(values()).tobytes()


def test_empty_input_gives_empty_output():
    assert tarsel.to_rows([]).shape == (0, 2)
    assert tarsel.from_rows(np.empty((0, 2))) == []


def test_from_rows_makes_new_instances():
    back = tarsel.from_rows(tarsel.to_rows([tarsel.pi, tarsel.pi]))
    assert back[0] is not back[1] and back[0] is not tarsel.pi
    back[0] += Float128(1.0)
    assert back[1] == tarsel.pi


@pytest.mark.parametrize(
    "bad", [2.5, None, Complex128(1.0, 0.0), np.float64(1.0), "1"], ids=["float", "None", "Complex128", "np.float64", "str"]
)
def test_an_element_that_is_not_a_float128_is_named_by_its_index(bad):
    with pytest.raises(TypeError, match=r"element 2 is a \w+, not a Float128"):
        tarsel.to_rows([Float128(1.0), Float128(2.0), bad, Float128(3.0)])


@pytest.mark.parametrize("bad", [5, None, Float128(1.0)], ids=["int", "None", "a single Float128"])
def test_to_rows_refuses_what_is_not_iterable(bad):
    with pytest.raises(TypeError):
        tarsel.to_rows(bad)


def layouts():
    base = tarsel.to_rows(values())
    yield "C-contiguous", base, base
    yield "transposed", np.asfortranarray(base), base
    yield "reversed rows", base[::-1], base[::-1]
    wide = np.arange(4 * len(PAIRS), dtype=np.float64).reshape(len(PAIRS), 4)
    yield "strided columns", wide[:, ::2], np.ascontiguousarray(wide[:, ::2])
    unaligned = np.frombuffer(b"\0" + base.tobytes(), dtype=np.float64, offset=1).reshape(-1, 2)
    yield "unaligned", unaligned, base
    yield "nested list", [[1.5, 2.0**-60], [2, 0]], np.array([[1.5, 2.0**-60], [2.0, 0.0]])
    yield "int64 array", np.array([[3, 1]], dtype=np.int64), np.array([[3.0, 1.0]])


@pytest.mark.parametrize("given, want", [case[1:] for case in layouts()], ids=[case[0] for case in layouts()])
def test_from_rows_reads_every_layout_as_the_array_functions_do(given, want):
    got = tarsel.from_rows(given)
    assert [x.to_bytes() for x in got] == [struct.pack("=dd", hi, lo) for hi, lo in want]


@pytest.mark.parametrize(
    "shape", [(4,), (3, 3), (3, 1), (2, 2, 2)], ids=["one-dimensional", "three columns", "one column", "3-D"]
)
def test_from_rows_shape_errors_match_the_array_functions(shape):
    with pytest.raises(RuntimeError, match=r"^Input must have shape \(N, 2\)$"):
        tarsel.from_rows(np.zeros(shape))
    with pytest.raises(RuntimeError, match=r"^Input must have shape \(N, 2\)$"):
        tarsel.exp_arrays(np.zeros(shape))


def test_from_rows_refuses_what_numpy_cannot_convert():
    with pytest.raises(TypeError):
        tarsel.from_rows([["a", "b"]])
