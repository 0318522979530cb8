"""The exact parts of a Float128 and the 16-byte record from Python: every
bit of both doubles goes out and comes back, and bad arguments get the
documented exceptions."""
import array
import struct

import numpy as np
import pytest

from tarsel import Complex128, Float128


def double(bits):
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


# Pairs whose bits a careless conversion would change: NaN payloads (a
# signalling one too), signed zeros, pairs that are not normalised, and
# subnormal and infinite parts.
PAIRS = [
    pytest.param(1 / 3, 1.850371707708594e-17, id="normalised"),
    pytest.param(-0.0, -0.0, id="negative zeros"),
    pytest.param(double(0x7FF8000000000001), 0.0, id="quiet NaN with payload"),
    pytest.param(double(0x7FF0000000000001), double(0xFFF4000000000000), id="signalling NaN hi and lo"),
    pytest.param(1.0, 1.0, id="not normalised"),
    pytest.param(0.5, -3e300, id="lo far above hi"),
    pytest.param(5e-324, -5e-324, id="subnormal parts"),
    pytest.param(float("-inf"), 1.0, id="infinite hi, nonzero lo"),
]


@pytest.mark.parametrize("hi, lo", PAIRS)
def test_from_parts_holds_the_pair_and_the_properties_read_it_back(hi, lo):
    x = Float128.from_parts(hi, lo)
    assert (bits(x.hi), bits(x.lo)) == (bits(hi), bits(lo))


@pytest.mark.parametrize("hi, lo", PAIRS)
def test_record_is_hi_then_lo_in_machine_order_and_reads_back_bit_for_bit(hi, lo):
    record = Float128.from_parts(hi, lo).to_bytes()
    assert record == struct.pack("=dd", hi, lo)
    back = Float128.from_bytes(record)
    assert (bits(back.hi), bits(back.lo)) == (bits(hi), bits(lo))


@pytest.mark.parametrize("hi, lo", PAIRS)
def test_complex_parts_keep_their_pairs(hi, lo):
    z = Complex128(Float128.from_parts(hi, lo), Float128.from_parts(lo, hi))
    assert [bits(d) for d in (z.real().hi, z.real().lo, z.imag().hi, z.imag().lo)] == [
        bits(hi), bits(lo), bits(lo), bits(hi)]


@pytest.mark.parametrize(
    "data",
    [
        bytes(16),
        bytearray(16),
        memoryview(bytes(32))[8:24],
        array.array("d", [0.0, 0.0]),
        np.zeros(2),
        np.zeros(16, dtype=np.uint8),
    ],
    ids=["bytes", "bytearray", "memoryview slice", "array.array", "float64 array", "uint8 array"],
)
def test_from_bytes_takes_any_bytes_like_object_of_16_bytes(data):
    assert Float128.from_bytes(data) == Float128(0.0)


def test_from_bytes_reads_from_the_start_of_the_view():
    record = Float128.from_parts(2.0, 1e-20).to_bytes()
    x = Float128.from_bytes(memoryview(b"\xff" * 8 + record + b"\xff" * 8)[8:24])
    assert (x.hi, x.lo) == (2.0, 1e-20)


@pytest.mark.parametrize("length", [0, 8, 15, 17, 32])
def test_from_bytes_of_another_length_names_it(length):
    with pytest.raises(ValueError, match=rf"exactly 16 bytes, got {length}$"):
        Float128.from_bytes(bytes(length))


@pytest.mark.parametrize("data", ["0123456789abcdef", [0] * 16, 16, None, memoryview(bytes(32))[::2]],
                         ids=["str", "list", "int", "None", "non-contiguous view"])
def test_from_bytes_refuses_objects_that_are_not_contiguous_bytes(data):
    with pytest.raises((TypeError, BufferError)):
        Float128.from_bytes(data)


@pytest.mark.parametrize(
    "hi, same_as",
    [(3, 3.0), (True, 1.0), (np.float32(0.5), 0.5), (np.int64(4), 4.0)],
    ids=["int", "bool", "float32", "int64"],
)
def test_from_parts_converts_like_the_float_constructor(hi, same_as):
    x = Float128.from_parts(hi, 0)
    assert (x.hi, x.lo) == (same_as, 0.0)


@pytest.mark.parametrize("bad", [10**400, "1", Float128(1.0), None, 1j])
def test_from_parts_refuses_what_has_no_float_value(bad):
    with pytest.raises(TypeError):
        Float128.from_parts(bad, 0.0)
    with pytest.raises(TypeError):
        Float128.from_parts(0.0, bad)


def test_parts_are_read_only():
    x = Float128(1.0)
    with pytest.raises(AttributeError):
        x.hi = 2.0
    with pytest.raises(AttributeError):
        x.lo = 2.0


@pytest.mark.parametrize("self", [None, Complex128(1.0, 0.0), 1.0, object()],
                         ids=["None", "Complex128", "float", "object"])
@pytest.mark.parametrize("method", [Float128.to_bytes, Float128.hi.fget, Float128.lo.fget],
                         ids=["to_bytes", "hi", "lo"])
def test_methods_refuse_what_is_not_a_float128(method, self):
    with pytest.raises(TypeError):
        method(self)

