"""The correctly rounded seeds of include/tarsel/detail/tarsel_seeds.h against mpmath.

A million arguments per function, drawn by bench/seeds_check.py over wide
magnitudes and the regions where each function is hardest to round, must all
give the double nearest to the exact value; and the fast and accurate paths
must stay inside the error bounds that the rounding test and the exact final
rounding rely on.
"""
import math
import os
import sys

import pytest

mpmath = pytest.importorskip("mpmath")
pytestmark = pytest.mark.c_layer

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "bench"))
import seeds_check  # noqa: E402

COUNT = 1_000_000
SEED = 29
JOBS = os.cpu_count() or 1


@pytest.fixture(scope="module")
def evaluate(tmp_path_factory):
    return seeds_check.build_driver(str(tmp_path_factory.mktemp("seeds")))


@pytest.mark.parametrize("name", seeds_check.FUNCTIONS)
def test_every_sampled_argument_gives_the_nearest_double(evaluate, name):
    xs = seeds_check.arguments(name, COUNT, SEED)
    want = seeds_check.reference_values(name, xs, JOBS)
    wrong = seeds_check.misrounded(evaluate, name, xs, want)
    assert not wrong, f"{len(wrong)} of {len(xs)} misrounded, e.g. x = {wrong[0][0].hex()}: " \
                      f"{wrong[0][1].hex()} instead of {wrong[0][2].hex()}"


def paths_domain(name, xs):
    """The arguments the fast and accurate paths are given by their function."""
    if name == "log":
        return [x for x in xs if math.isfinite(x) and x > 0.0 and x != 1.0]
    return [abs(x) for x in xs if 2.0 ** -27 <= abs(x) <= 2.0 ** 54]


@pytest.mark.parametrize("name, path, bound", [
    ("log", "fast", 2.0 ** -67.7),
    ("atan", "fast", 2.0 ** -67.7),
    ("log", "accurate", 2.0 ** -120),
    ("atan", "accurate", 2.0 ** -120),
])
def test_paths_stay_inside_their_error_bounds(evaluate, name, path, bound):
    xs = paths_domain(name, seeds_check.arguments(name, 20000, SEED + 1))
    values = evaluate(f"{path}_{name}", xs)
    worst = 0
    with mpmath.workprec(300):
        for x, parts in zip(xs, values):
            exact = getattr(mpmath, name)(mpmath.mpf(x))
            approx = mpmath.mpf(parts[0]) + mpmath.mpf(parts[1]) + mpmath.mpf(parts[2])
            worst = max(worst, abs(approx - exact) / abs(exact))
    assert worst < bound, f"relative error 2^{float(mpmath.log(worst, 2)):.1f}"
