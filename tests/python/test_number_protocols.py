"""The number protocols of Float128: truth, abs, unary plus, the exact
integers of math.floor, math.ceil, math.trunc and round, isfinite and the
version; and the protocols that stay unbound."""
import importlib.metadata
import math
import random
import re
import sys
from fractions import Fraction

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


def test_round_with_ndigits_is_refused_and_none_is_plain_round():
    x = Float128(2.5)
    assert round(x, None) == 2
    with pytest.raises(TypeError):
        round(x, 2)


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
