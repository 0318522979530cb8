"""pickle, copy and deepcopy of Float128 and Complex128 keep every bit, also
from one process to another, and the pickle names the class and no code."""
import copy
import pickle
import pickletools
import struct
import subprocess
import sys

import pytest

import tarsel
from tarsel import Complex128, Float128

PROTOCOLS = range(2, pickle.HIGHEST_PROTOCOL + 1)


def double(bits):
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


def record(x):
    """Every bit of a Float128 or Complex128."""
    if isinstance(x, Complex128):
        return record(x.real()) + record(x.imag())
    return x.to_bytes()


PAIRS = {
    "normalised": (1 / 3, 1.850371707708594e-17),
    "negative zeros": (-0.0, -0.0),
    "NaN payload": (double(0x7FF8000000000123), 0.0),
    "signalling NaN": (double(0x7FF0000000000001), double(0xFFF4000000000000)),
    "not normalised": (1.0, 1.0),
    "infinity": (float("-inf"), 0.0),
}
VALUES = [pytest.param(Float128.from_parts(*pair), id=name) for name, pair in PAIRS.items()] + [
    pytest.param(Complex128(Float128.from_parts(*pair), Float128.from_parts(pair[1], pair[0])), id="complex " + name)
    for name, pair in PAIRS.items()
]
COPIES = [
    pytest.param(lambda x, p: pickle.loads(pickle.dumps(x, protocol=p)), id="pickle"),
    pytest.param(lambda x, p: copy.copy(x), id="copy"),
    pytest.param(lambda x, p: copy.deepcopy(x), id="deepcopy"),
]


@pytest.mark.parametrize("protocol", PROTOCOLS)
@pytest.mark.parametrize("duplicate", COPIES)
@pytest.mark.parametrize("value", VALUES)
def test_a_copy_is_a_new_instance_with_every_bit(value, duplicate, protocol):
    twin = duplicate(value, protocol)
    assert type(twin) is type(value)
    assert twin is not value
    assert record(twin) == record(value)


def test_the_pickle_names_the_class_and_holds_no_code():
    for protocol in PROTOCOLS:
        for value in (Float128(1.5), Complex128(1.0, 2.0)):
            globals_named = [arg for op, arg, _ in pickletools.genops(pickle.dumps(value, protocol))
                             if op.name in ("GLOBAL", "SHORT_BINUNICODE", "BINUNICODE", "UNICODE")]
            assert set(globals_named) <= {"tarsel", "Float128", "Complex128", "tarsel Float128",
                                          "tarsel Complex128"}, globals_named


def test_a_module_constant_pickles_as_an_ordinary_instance_of_its_value():
    for twin in (pickle.loads(pickle.dumps(tarsel.pi, 2)), copy.copy(tarsel.pi), copy.deepcopy(tarsel.pi)):
        assert twin is not tarsel.pi and record(twin) == record(tarsel.pi)
        alias = twin
        twin += Float128(1.0)
        assert twin is alias
        assert tarsel.pi.hi == 3.141592653589793


def test_subclass_instances_come_back_as_the_subclass():
    class Sub(Float128):
        pass

    twin = copy.deepcopy(Sub(2.5))
    assert type(twin) is Sub and twin == Float128(2.5)


CHILD = """
import pickle, sys, tarsel
from tarsel import Float128, Complex128
got = pickle.loads(bytes.fromhex(sys.stdin.read()))
x = Float128(1.0) / Float128(3.0)
assert got[0].to_bytes() == x.to_bytes(), "Float128 changed"
assert got[1].real().to_bytes() == x.to_bytes() and got[1].imag().to_bytes() == (-x).to_bytes()
print(pickle.dumps([tarsel.exp(got[0]), Complex128(got[0], x)], protocol=2).hex())
"""


def test_values_cross_to_another_process_and_back():
    x = Float128(1.0) / Float128(3.0)
    sent = pickle.dumps([x, Complex128(x, -x)], protocol=pickle.HIGHEST_PROTOCOL).hex()
    child = subprocess.run([sys.executable, "-c", CHILD], input=sent, capture_output=True, text=True, timeout=120)
    assert child.returncode == 0, child.stderr
    back = pickle.loads(bytes.fromhex(child.stdout))
    assert record(back[0]) == record(tarsel.exp(x))
    assert record(back[1]) == record(Complex128(x, x))


def test_setstate_refuses_to_change_a_module_constant():
    with pytest.raises(TypeError, match="module constant"):
        tarsel.e.__setstate__((1.0, 0.0))
    assert tarsel.e.hi == 2.718281828459045


BAD_STATES = {
    "short": lambda n: (1.0,) * (n - 1),
    "long": lambda n: (1.0,) * (n + 1),
    "list": lambda n: [1.0] * n,
    "str element": lambda n: (1.0,) * (n - 1) + ("2",),
    "None element": lambda n: (None,) + (1.0,) * (n - 1),
    "None": lambda n: None,
}


@pytest.mark.parametrize("make_state", BAD_STATES.values(), ids=BAD_STATES.keys())
@pytest.mark.parametrize("cls, size", [(Float128, 2), (Complex128, 4)], ids=["Float128", "Complex128"])
def test_a_bad_state_raises_type_error_and_changes_nothing(cls, size, make_state):
    x = cls()
    with pytest.raises(TypeError):
        x.__setstate__(make_state(size))
    assert record(x) == record(cls())


@pytest.mark.parametrize("self", [None, 1.0, object(), "other class"], ids=["None", "float", "object", "other class"])
@pytest.mark.parametrize(
    "cls, method, arg",
    [
        (Float128, Float128.__reduce__, None),
        (Float128, Float128.__setstate__, (1.0, 0.0)),
        (Complex128, Complex128.__reduce__, None),
        (Complex128, Complex128.__setstate__, (1.0, 0.0, 0.0, 0.0)),
    ],
    ids=["Float128.__reduce__", "Float128.__setstate__", "Complex128.__reduce__", "Complex128.__setstate__"],
)
def test_pickle_methods_refuse_what_is_not_an_instance(cls, method, arg, self):
    if self == "other class":
        self = Complex128() if cls is Float128 else Float128()
    with pytest.raises(TypeError):
        method(self) if arg is None else method(self, arg)
