"""Products and quotients at the top of the double range, against exact
integer arithmetic: a result that rounds to a finite double is finite, with
its sign, and the error term is exact."""
import math
import sys

import numpy as np
import pytest

import tarsel

DBL_MAX = sys.float_info.max
ROWS = 100_000


def dyadic(x):
    """The double x as (n, e) with x == n * 2**e exactly."""
    m, e = math.frexp(x)
    return int(m * 2.0**53), e - 53


def scaled(*values):
    """The integers n of the values (n, e), all scaled to their smallest e."""
    e = min(v[1] for v in values)
    return [v[0] << (v[1] - e) for v in values]


def exact_sum(x, y):
    return sum(scaled(x, y)), min(x[1], y[1])


def exact_product(x, y):
    return x[0] * y[0], x[1] + y[1]


def same_value(x, y):
    a, b = scaled(x, y)
    return a == b


def rounds_to_finite(v):
    # From 2^1024 - 2^970 = (2^54 - 1) * 2^970 on, a value rounds to infinity.
    size, limit = scaled((abs(v[0]), v[1]), (2**54 - 1, 970))
    return size < limit


def rows(values):
    return np.stack([values, np.zeros_like(values)], axis=1)


def random_signs(rng):
    return rng.choice([-1.0, 1.0], ROWS)


def test_products_near_the_largest_double():
    # Within 2^24 ulps of the largest double, a few above it, with factors
    # of every size that allows that.
    rng = np.random.default_rng(2024)
    a = np.minimum(np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(0, 1024, ROWS)), DBL_MAX)
    b = (DBL_MAX / a) * (1 - rng.uniform(-0.05, 1.0, ROWS) * 2.0**-29)
    a, b = a * random_signs(rng), b * random_signs(rng)
    result = tarsel.mul_arrays(rows(a), rows(b))
    wrong = []
    for x, y, (hi, lo) in zip(a.tolist(), b.tolist(), result.tolist()):
        exact = exact_product(dyadic(x), dyadic(y))
        if not rounds_to_finite(exact):
            ok = hi == math.copysign(math.inf, exact[0])
        else:
            ok = math.isfinite(hi) and math.isfinite(lo) and same_value(exact_sum(dyadic(hi), dyadic(lo)), exact)
        if not ok:
            wrong.append((x.hex(), y.hex(), hi, lo))
    assert wrong == []


def quotient_is_close(x, y, hi, lo):
    """|(hi + lo) * y - x| <= 2^-100 |x|: the quotient to about 100 bits."""
    n, e = dyadic(x)
    residual = exact_sum(exact_product(exact_sum(dyadic(hi), dyadic(lo)), dyadic(y)), (-n, e))
    size, bound = scaled((abs(residual[0]) << 100, residual[1]), (abs(n), e))
    return size <= bound


@pytest.mark.parametrize("near_the_top", ["dividend", "quotient"])
def test_quotients_near_the_largest_double(near_the_top):
    # The dividend within 2^24 ulps of the largest double (q1 * b is then
    # there too) over divisors of every size, or the quotient there.
    rng = np.random.default_rng(9)
    closeness = 1 - rng.uniform(-0.05, 1.0, ROWS) * 2.0**-29
    if near_the_top == "dividend":
        a = DBL_MAX * np.minimum(closeness, 1.0)
        b = np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(-60, 1000, ROWS))
    else:
        b = np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(-1000, -1, ROWS))
        a = (DBL_MAX * b) * closeness
    a, b = a * random_signs(rng), b * random_signs(rng)
    result = tarsel.div_arrays(rows(a), rows(b))
    wrong = []
    for x, y, (hi, lo) in zip(a.tolist(), b.tolist(), result.tolist()):
        if not math.isfinite(x / y):
            ok = hi == x / y
        else:
            ok = math.isfinite(hi) and math.isfinite(lo) and quotient_is_close(x, y, hi, lo)
        if not ok:
            wrong.append((x.hex(), y.hex(), hi, lo))
    assert wrong == []
