"""Accuracy of the real functions against mpmath at 300 bits.

Every sampled domain of tests/accuracy_domains.py (the rows bench/accuracy.py
prints) is measured again here and every sample must stay within the bound
that domain states: about 1e-31 relative on moderate arguments, growing with
the reduction count for large ones, and the documented looser bounds where
the algorithms degrade (the hyperbolic series, cancellation just above their
threshold, subnormal low parts, large powers).
"""
import os
import random
import sys

import pytest

mpmath = pytest.importorskip("mpmath")
pytestmark = pytest.mark.c_layer

# The domains and their bounds are shared with bench/accuracy.py, whose
# driver evaluates the headers and whose measure() is the one the table uses.
TESTS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TESTS)
sys.path.insert(0, os.path.join(os.path.dirname(TESTS), "bench"))
import accuracy  # noqa: E402
import accuracy_domains as domains  # noqa: E402

SAMPLES = 3000
SEED = 7


@pytest.fixture(scope="module")
def evaluate(tmp_path_factory):
    return accuracy.build_driver(str(tmp_path_factory.mktemp("driver")))


# The rows over each function's domain, then the sweeps of the ends of the range.
@pytest.mark.parametrize("domain", domains.DOMAINS + domains.SWEEPS, ids=lambda d: f"{d.name} {d.label}")
def test_sampled_errors_stay_within_the_bound(evaluate, domain):
    errors, bounds, _ = accuracy.measure(evaluate, domain, SAMPLES, SEED)
    over = [(e, b) for e, b in zip(errors, bounds) if e > b]
    assert not over, f"{len(over)} of {len(errors)} samples above the bound, e.g. error {over[0][0]:.3e} > {over[0][1]:.3e}"


def test_every_row_reaches_the_ends_of_its_interval():
    # The maximum of a row is that of its closed interval: its end points
    # come first among the samples.
    for domain in domains.DOMAINS + domains.SWEEPS:
        edges = [v for v, _ in domain.draw_a.edges()]
        args = domain.samples(random.Random(1), 4000)
        assert edges and {v for (v, _), _ in args} >= set(edges), f"{domain.name} {domain.label}"


def test_every_real_function_is_measured():
    measured = {d.name for d in domains.DOMAINS}
    assert measured == {"exp", "log", "pow", "sin", "cos", "tan", "sinh", "cosh", "tanh", "sqrt", "floor", "ceil",
                        "trunc", "round", "fmod", "atan", "atan2", "asin", "acos", "expm1", "log1p", "log2",
                        "log10", "exp2", "cbrt", "hypot", "asinh", "acosh", "atanh", "erf", "erfc", "gamma",
                        "lgamma", "deg2rad", "rad2deg", "logaddexp", "logaddexp2"}


@pytest.mark.parametrize(
    "name, x, bound",
    [
        ("exp", 176.0, 2e-30),    # k = 4064: the reduction error grows with k
        ("exp", 1.0, 1e-32),
        ("log", 1e300, 1e-32),
        ("sin", 1e15, 1e-16),     # absolute error about 3e-32 |x| at most
        ("cos", 9e18, 1e-13),     # the quarter turns of the low part are counted
        ("atan", 1e10, 1e-31),
        # the ends of the ranges, where an intermediate meets the subnormals
        # or overflows: sinh and cosh are taken at -x, log and sqrt of a
        # scaled argument
        ("cosh", -700.0, 2.2e-29),
        ("sinh", -709.78, 2.2e-29),
        ("log", 2.0 ** 1023, 1e-31),
        ("log", 1e308, 1e-31),
        ("log", 2.0 ** -1000, 1e-31),
        ("log", 5e-324, 1e-31),
        ("sqrt", 1e-305, 1e-31),
        ("sqrt", 1e-323, 1e-31),
    ],
)
def test_single_arguments_named_in_the_documentation(evaluate, name, x, bound):
    (hi, lo), = evaluate(name, [((x, 0.0), (0.0, 0.0))])
    with mpmath.workprec(domains.PRECISION):
        want = getattr(mpmath, name)(mpmath.mpf(x))
        error = abs(mpmath.mpf(hi) + mpmath.mpf(lo) - want) / abs(want)
    assert error < bound
