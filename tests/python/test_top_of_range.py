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
# An exact value from (2^54 - 1) * 2^970 = 2^1024 - 2^970 on rounds to infinity.
OVERFLOW = (2**54 - 1, 970)


def dyadic(x):
    """The double x as (n, e) with x == n * 2**e exactly."""
    m, e = math.frexp(x)
    return int(m * 2.0**53), e - 53


def aligned(*values):
    """The integers n of the values (n, e) scaled to their smallest exponent."""
    e = min(v[1] for v in values)
    return [v[0] << (v[1] - e) for v in values]


def product(x, y):
    return x[0] * y[0], x[1] + y[1]


def total(x, y):
    a, b = aligned(x, y)
    return a + b, min(x[1], y[1])


def rounds_to_finite(exact):
    size, limit = aligned((abs(exact[0]), exact[1]), OVERFLOW)
    return size < limit


def signs(rng, n):
    return rng.choice([-1.0, 1.0], n)


def as_rows(values):
    return np.stack([values, np.zeros_like(values)], axis=1)


def infinity_like(exact):
    return math.inf if exact[0] > 0 else -math.inf


def test_products_near_the_largest_double():
    # The product lies within 2^24 ulps of the largest double, a few of them
    # above it; the factors range over every size that allows that.
    rng = np.random.default_rng(2024)
    a = np.minimum(np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(0, 1024, ROWS)), DBL_MAX)
    b = (DBL_MAX / a) * (1 - rng.uniform(-0.05, 1.0, ROWS) * 2.0**-29)
    a, b = a * signs(rng, ROWS), b * signs(rng, ROWS)
    result = tarsel.mul_arrays(as_rows(a), as_rows(b))
    wrong = []
    for x, y, hi, lo in zip(a.tolist(), b.tolist(), result[:, 0].tolist(), result[:, 1].tolist()):
        exact = product(dyadic(x), dyadic(y))
        if not rounds_to_finite(exact):
            ok = hi == infinity_like(exact)
        elif math.isfinite(hi) and math.isfinite(lo):
            got, want = aligned(total(dyadic(hi), dyadic(lo)), exact)
            ok = got == want
        else:
            ok = False
        if not ok:
            wrong.append((x.hex(), y.hex(), hi, lo))
    assert wrong == []


def quotient_is_close(x, y, hi, lo):
    """|(hi + lo) * y - x| <= 2^-100 |x|: the quotient to about 100 bits."""
    residual = total(product(total(dyadic(hi), dyadic(lo)), dyadic(y)), (-dyadic(x)[0], dyadic(x)[1]))
    size, bound = aligned((abs(residual[0]) << 100, residual[1]), (abs(dyadic(x)[0]), dyadic(x)[1]))
    return size <= bound


@pytest.mark.parametrize("where", ["dividend", "quotient"])
def test_quotients_near_the_largest_double(where):
    # Either the dividend lies within 2^24 ulps of the largest double (then
    # q1 * b is there too), over divisors of every size, or the quotient does.
    rng = np.random.default_rng(9)
    closeness = 1 - rng.uniform(-0.05, 1.0, ROWS) * 2.0**-29
    if where == "dividend":
        a = DBL_MAX * np.minimum(closeness, 1.0)
        b = np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(-60, 1000, ROWS))
    else:
        b = np.ldexp(rng.uniform(1, 2, ROWS), rng.integers(-1000, -1, ROWS))
        a = (DBL_MAX * b) * closeness
    a, b = a * signs(rng, ROWS), b * signs(rng, ROWS)
    result = tarsel.div_arrays(as_rows(a), as_rows(b))
    wrong = []
    for x, y, hi, lo in zip(a.tolist(), b.tolist(), result[:, 0].tolist(), result[:, 1].tolist()):
        exact_sign = 1 if (x > 0) == (y > 0) else -1
        finite = math.isfinite(x / y)
        if not finite:
            ok = hi == exact_sign * math.inf
        else:
            ok = math.isfinite(hi) and math.isfinite(lo) and quotient_is_close(x, y, hi, lo)
        if not ok:
            wrong.append((x.hex(), y.hex(), hi, lo))
    assert wrong == []
