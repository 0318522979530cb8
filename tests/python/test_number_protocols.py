"""The number protocols of Float128: truth, abs, unary plus, the exact
integers of math.floor, math.ceil, math.trunc and round, isfinite and the
version; and the protocols that stay unbound."""
import importlib.metadata
import math
import random
import re
import sys
from fractions import Fraction

import numpy as np
import pytest

import tarsel
from tarsel import Complex128, Float128

INF, NAN = float("inf"), float("nan")


def exact(x):
    return Fraction(x.hi) + Fraction(x.lo)


@pytest.mark.parametrize(
    "hi, lo, truth",
    [
        (0.0, 0.0, False),
        (-0.0, 0.0, False),
        (0.0, -0.0, False),
        (5e-324, 0.0, True),
        (0.0, 5e-324, True),
        (NAN, 0.0, True),
        (-INF, 0.0, True),
        (1.0, -1.0, True),   # a zero sum, but not equal to Float128(0.0)
    ],
)
def test_truth_is_inequality_with_zero(hi, lo, truth):
    x = Float128.from_parts(hi, lo)
    assert bool(x) is truth
    assert bool(x) is (x != Float128(0.0))


def test_abs_and_plus_give_new_instances():
    x = Float128(-2.0) / Float128(3.0)
    for result, want in ((abs(x), tarsel.abs(x)), (+x, x)):
        assert result is not x
        assert result.to_bytes() == want.to_bytes()


# Values whose integers a rounding of hi alone, a rounding through double
# arithmetic, or ties away from zero would get wrong.
SHARP = [
    (2.5, 0.0), (3.5, 0.0), (-2.5, 0.0), (2.5, 1e-17), (3.5, -1e-17), (3.0, -1e-17), (-3.0, 1e-17),
    (2.0**60, 0.5), (2.0**60, 1.5), (2.0**60, -0.5), (-(2.0**60), 0.25), (2.0**52 + 1, 0.5),
    (0.5, 0.75), (0.25, 0.25), (0.5, 2.0**60), (1e308, 1e308), (1e300, 0.5), (0.0, -1e-300), (-0.0, 0.0),
]


def random_pairs(count, seed):
    """Normalised pairs across many scales, and pairs with lo of any size."""
    rng = random.Random(seed)
    pairs = []
    for _ in range(count):
        hi = rng.choice([1, -1]) * 2.0 ** rng.uniform(-3, 70)
        hi = rng.choice([hi, float(round(hi)), round(hi) + 0.5])
        lo = rng.choice([hi * rng.uniform(-2.0**-53, 2.0**-53), rng.uniform(-4.0, 4.0), 0.5, -0.5])
        pairs.append((hi, lo))
    return pairs


INTEGERS = [
    pytest.param(math.floor, math.floor, id="floor"),
    pytest.param(math.ceil, math.ceil, id="ceil"),
    pytest.param(math.trunc, math.trunc, id="trunc"),
    pytest.param(round, round, id="round"),   # Fraction rounds ties to even, as float does
]


@pytest.mark.parametrize("to_int, oracle", INTEGERS)
def test_integers_are_those_of_the_exact_sum(to_int, oracle):
    for hi, lo in SHARP + random_pairs(3000, seed=10):
        got = to_int(Float128.from_parts(hi, lo))
        assert type(got) is int
        assert got == oracle(Fraction(hi) + Fraction(lo)), (hi, lo)


@pytest.mark.parametrize("to_int", [math.floor, math.ceil, math.trunc, round])
@pytest.mark.parametrize("hi, lo", [(INF, 0.0), (-INF, 0.0), (NAN, 0.0), (1.0, NAN), (INF, -INF), (1.0, INF)])
def test_integers_of_special_values_raise_as_for_float(to_int, hi, lo):
    like = hi + lo
    with pytest.raises(Exception) as expected:
        to_int(like)
    with pytest.raises(expected.type, match=f"^{re.escape(str(expected.value))}$"):
        to_int(Float128.from_parts(hi, lo))


def test_round_with_ndigits_rounds_the_exact_sum_and_reads_it_back():
    # The exact sum rounded half to even (Fraction's round), then read back
    # correctly rounded: what round(float, n) is for a float.
    rng = random.Random(11)
    cases = [(0.125, 0.0, 2), (0.375, 0.0, 2), (2.5, 1e-17, 0), (-0.4, 0.0, 0), (1234.5, 0.0, -2), (1e300, 1e283, -299)]
    for hi, lo in random_pairs(300, seed=12):
        cases.append((hi, lo, rng.randint(-20, 40)))
    for hi, lo, ndigits in cases:
        x = Float128.from_parts(hi, lo)
        want = Float128.from_rational(round(Fraction(hi) + Fraction(lo), ndigits))
        got = round(x, ndigits)
        assert type(got) is Float128
        if want == Float128(0.0):   # a Fraction has no signed zero: the sign is checked below
            assert got == want, (hi, lo, ndigits)
        else:
            assert got.to_bytes() == want.to_bytes(), (hi, lo, ndigits)
    assert math.copysign(1.0, round(Float128(-0.4), 0).hi) == -1.0   # as round(-0.4, 0) is -0.0


@pytest.mark.parametrize(
    "ndigits, same", [(10**30, True), (np.int64(5), None), (-(10**30), False)], ids=["huge", "__index__", "very negative"]
)
def test_round_takes_any_index_and_saturates(ndigits, same):
    x = Float128(1.0) / Float128(3.0)
    got = round(x, ndigits)
    if same is True:
        assert got.to_bytes() == x.to_bytes()
    elif same is False:
        assert got == Float128(0.0)
    else:
        assert got == round(x, 5)


def test_round_with_ndigits_keeps_special_values_and_refuses_non_integers():
    for special in (INF, -INF, NAN):
        x = Float128(special)
        assert round(x, 2).to_bytes() == x.to_bytes()
    assert round(Float128(2.5), None) == 2
    for bad in (2.5, "2", Fraction(1, 2)):
        with pytest.raises(TypeError):
            round(Float128(2.5), bad)


@pytest.mark.parametrize(
    "hi, lo, finite",
    [(1.0, 0.0, True), (1.0, NAN, True), (-INF, 0.0, False), (NAN, 0.0, False), (1.7976931348623157e308, 0.0, True)],
)
def test_isfinite_looks_at_hi_like_isnan_and_isinf(hi, lo, finite):
    x = Float128.from_parts(hi, lo)
    assert tarsel.isfinite(x) is finite
    assert finite is not (tarsel.isnan(x) or tarsel.isinf(x))


@pytest.mark.parametrize("arg", [1.0, 1, Complex128(1.0, 0.0), None])
def test_isfinite_takes_only_float128(arg):
    with pytest.raises(TypeError):
        tarsel.isfinite(arg)


def test_version_is_the_installed_distribution_version():
    assert tarsel.__version__ == importlib.metadata.version("tarsel")


NEW_METHODS = ["__bool__", "__abs__", "__pos__", "__floor__", "__ceil__", "__trunc__", "__round__"]


@pytest.mark.parametrize("self", [None, Complex128(1.0, 0.0), 2.5, object()],
                         ids=["None", "Complex128", "float", "object"])
@pytest.mark.parametrize("name", NEW_METHODS)
def test_protocol_methods_refuse_what_is_not_a_float128(name, self):
    with pytest.raises(TypeError):
        getattr(Float128, name)(self)


def test_int_reaches_only_the_deprecated_delegation_to_trunc():
    # __int__ stays unbound; int() falls back to __trunc__ until Python 3.14,
    # with a DeprecationWarning, and refuses from 3.14 on.
    assert "__int__" not in vars(Float128) and "__index__" not in vars(Float128)
    x = Float128(-7.75)
    if sys.version_info >= (3, 14):
        with pytest.raises(TypeError):
            int(x)
    else:
        with pytest.warns(DeprecationWarning):
            assert int(x) == -7
