"""fsum, fdot, sum_arrays and dot_arrays against exact rational arithmetic,
bit for bit, and the binding around them: conversions, layouts, order,
special values and shape errors."""
import math
import os
import subprocess
import sys
import textwrap
from fractions import Fraction

import numpy as np
import pytest

import tarsel
from tarsel import Float128


def rounded_once(exact):
    """(hi, lo): hi the double nearest the Fraction exact, lo the double
    nearest exact - hi; an exact value beyond the double range gives the
    signed infinity."""
    try:
        hi = float(exact)
    except OverflowError:
        return (math.inf if exact > 0 else -math.inf), 0.0
    return hi, float(exact - Fraction(hi))


def assert_pair(got, hi, lo):
    """got holds exactly (hi, lo), with the sign of a zero hi."""
    assert type(got) is Float128
    if math.isnan(hi):
        assert tarsel.isnan(got)
    elif math.isinf(hi):
        assert tarsel.isinf(got) and (got > Float128(0.0)) == (hi > 0), got
    else:
        assert got == Float128(hi) + Float128(lo), (got, hi.hex(), lo.hex())
        if hi == 0:
            negative_zero = Float128(1.0) / got < Float128(0.0)
            assert negative_zero == (math.copysign(1.0, hi) < 0)


def exact_sum(values):
    return sum(map(Fraction, values), Fraction(0))


def exact_dot(x, y):
    return sum((Fraction(a) * Fraction(b) for a, b in zip(x, y)), Fraction(0))


def ill_conditioned(rng, n):
    """Pairs of huge terms that cancel exactly, around a remainder of tiny
    ones: the condition number sum |x| / |sum x| is above 1e32."""
    big = rng.standard_normal(n // 2) * 1e20
    small = rng.standard_normal(n - 2 * (n // 2) + 4) * 1e-14
    return rng.permutation(np.concatenate([big, -big, small]))


DATASETS = {
    "normal": lambda rng, n: rng.standard_normal(n),
    "whole exponent range": lambda rng, n: np.ldexp(rng.standard_normal(n), rng.integers(-1070, 1000, n)),
    "ill-conditioned": ill_conditioned,
    "subnormal and huge": lambda rng, n: rng.choice([5e-324, -3e-320, 1.7e308, -1.7e308, 1.0], n),
}


@pytest.mark.parametrize("dataset", DATASETS)
@pytest.mark.parametrize("n", [0, 1, 5, 3001])
def test_each_reduction_is_its_exact_value_rounded_once(dataset, n):
    rng = np.random.default_rng(n)
    x, y = DATASETS[dataset](rng, n), DATASETS[dataset](rng, n)
    assert_pair(tarsel.fsum(x), *rounded_once(exact_sum(x)))
    assert_pair(tarsel.fdot(x, y), *rounded_once(exact_dot(x, y)))
    if n % 2 == 0:
        # The same doubles as rows (hi, lo), which need not be normalised.
        rows, other = x.reshape(-1, 2), y.reshape(-1, 2)
        assert_pair(tarsel.sum_arrays(rows), *rounded_once(exact_sum(x)))
        products = [Fraction(a) * Fraction(b) for r, s in zip(rows, other) for a in r for b in s]
        assert_pair(tarsel.dot_arrays(rows, other), *rounded_once(sum(products, Fraction(0))))


def test_order_layout_and_split_change_no_bit():
    rng = np.random.default_rng(7)
    x = ill_conditioned(rng, 4000)
    y = np.ldexp(rng.standard_normal(x.size), rng.integers(-30, 30, x.size))
    want_sum, want_dot = tarsel.fsum(x), tarsel.fdot(x, y)
    order = rng.permutation(x.size)
    raw = np.zeros(8 * x.size + 1, dtype=np.uint8)
    unaligned = raw[1:].view(np.float64)
    unaligned[:] = x
    for xs, ys in [(x[order], y[order]), (x[::-1], y[::-1]), (np.stack([x, y], axis=1)[:, 0], y), (unaligned, y)]:
        assert tarsel.fsum(xs) == want_sum
        assert tarsel.fdot(xs, ys) == want_dot
    parts = tarsel.Accumulator()
    for chunk in np.array_split(order, 13):
        part = tarsel.Accumulator()
        part.add_products(x[chunk], y[chunk])
        parts.merge(part)
    assert parts.value() == want_dot
    rows, other = x.reshape(-1, 2), y.reshape(-1, 2)
    for a, b in [(np.asfortranarray(rows), other[:, ::-1][:, ::-1]), (rows[::-1], other[::-1]),
                 (x.reshape(2, -1).T, y.reshape(2, -1).T)]:
        assert tarsel.sum_arrays(a) == want_sum
        assert tarsel.dot_arrays(a, b) == tarsel.dot_arrays(np.ascontiguousarray(a), np.ascontiguousarray(b))


INF, NAN, MAX = math.inf, math.nan, 1.7976931348623157e308
SPECIALS = [
    ("no terms", [], None, 0.0),
    ("only -0.0", [-0.0, -0.0], None, -0.0),
    ("inf - inf", [INF, -INF], None, NAN),
    ("an exact sum beyond the range", [MAX, MAX], None, INF),
    ("overflowing products that cancel", [1e200, -1e200], [1e200, 1e200], 0.0),
    ("inf times zero", [INF], [0.0], NAN),
    ("a -0.0 product", [-0.0], [5.0], -0.0),
    ("3000 terms of -0.0", np.full(3000, -0.0), None, -0.0),
    ("3000 -0.0 and one +0.0", np.append(np.full(3000, -0.0), 0.0), None, 0.0),
    ("3000 products of -0.0", np.full(3000, -0.0), np.ones(3000), -0.0),
    ("3000 broadcast products of -0.0 and -0.0", np.broadcast_to(-0.0, 3000), np.full(3000, -0.0), 0.0),
]


@pytest.mark.parametrize("why, x, y, want", SPECIALS, ids=[case[0] for case in SPECIALS])
def test_special_values_follow_ieee(why, x, y, want):
    got = tarsel.fsum(x) if y is None else tarsel.fdot(x, y)
    assert_pair(got, want, 0.0)


def test_inputs_are_converted_like_the_array_functions():
    assert tarsel.fsum([1, 2, 3]) == Float128(6.0)
    assert tarsel.fsum((0.1, 0.2)) == tarsel.fsum(np.array([0.1, 0.2]))
    assert tarsel.fsum(np.array([2**60 + 1], dtype=np.int64)) == Float128(2.0**60)
    assert tarsel.fdot(np.float32([0.1]), [3]) == Float128(float(np.float32(0.1))) * Float128(3.0)
    assert tarsel.sum_arrays([[1.0, 2.0**-60], [2.0, 0.0]]) == Float128(3.0) + Float128(2.0**-60)
    assert tarsel.dot_arrays([[1.0, 1.0]], [[3.0, 0.5]]) == Float128(7.0)


SHAPE_ERRORS = [
    (tarsel.fsum, ([[1.0]],), "Input must be one-dimensional"),
    (tarsel.fsum, (1.0,), "Input must be one-dimensional"),
    (tarsel.fdot, ([1.0], [[1.0]]), "Inputs must be one-dimensional"),
    (tarsel.fdot, ([1.0, 2.0], [1.0]), "Input shapes must match"),
    (tarsel.sum_arrays, ([1.0, 2.0],), r"Input must have shape \(N, 2\)"),
    (tarsel.sum_arrays, (np.zeros((2, 3)),), r"Input must have shape \(N, 2\)"),
    (tarsel.dot_arrays, (np.zeros((2, 2)), np.zeros((2, 3))), r"Inputs must have shape \(N, 2\)"),
    (tarsel.dot_arrays, (np.zeros((2, 2)), np.zeros((3, 2))), "Input shapes must match"),
]


@pytest.mark.parametrize("fn, args, message", SHAPE_ERRORS)
def test_shape_errors_raise_runtime_error(fn, args, message):
    with pytest.raises(RuntimeError, match=message):
        fn(*args)


def test_arguments_numpy_cannot_convert_raise_type_error():
    with pytest.raises(TypeError):
        tarsel.fsum(["a", "b"])
    with pytest.raises(TypeError):
        tarsel.dot_arrays([[1.0, 0.0]], [[{}, 0.0]])


# --- levels, threads and interruption ----------------------------------------

def run_python(code, **env):
    full_env = dict(os.environ, PYTHONPATH=os.pathsep.join(p for p in sys.path if p))
    for key in ("TARSEL_SIMD", "TARSEL_NUM_THREADS"):
        full_env.pop(key, None)
    full_env.update(env)
    proc = subprocess.run([sys.executable, "-c", textwrap.dedent(code)], capture_output=True, text=True,
                          env=full_env, timeout=300)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


INTERRUPTED = """
    import signal, time, numpy as np, tarsel
    x = np.full(2 * 10**7, 0.1)
    acc = tarsel.Accumulator()
    acc.add(1.5)
    signal.signal(signal.SIGALRM, signal.default_int_handler)
    signal.setitimer(signal.ITIMER_REAL, 0.1)
    start = time.perf_counter()
    try:
        acc.add_products(x, x)
        print("finished", time.perf_counter() - start, acc.value() == tarsel.Float128(1.5))
    except KeyboardInterrupt:
        print("interrupted", time.perf_counter() - start, acc.value() == tarsel.Float128(1.5))
"""


def test_keyboard_interrupt_stops_a_long_reduction_and_leaves_the_accumulator_as_it_was():
    # The reference level puts every product through the accumulator's own
    # rescaled product: seconds for these 2 * 10^7.
    outcome, elapsed, unchanged = run_python(INTERRUPTED, TARSEL_SIMD="scalar").split()
    assert outcome == "interrupted", f"the call ran to its end in {elapsed} s"
    assert float(elapsed) < 0.3 and unchanged == "True"
