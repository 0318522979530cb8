"""Speed of the functions of C's library beyond exp, log and the circular
functions (expm1 ... logaddexp2, erf, gamma) on the float128 dtype, beside
numpy-quaddtype's ufunc of the same name and mpmath at 106 bits.

    TARSEL_NUM_THREADS=1 python bench/functions.py [--rows 1000000] [--rounds 5]

Prints the processor, the engine's level and thread count, then a row per
function: nanoseconds per element through tarsel (the ufunc on float128
arrays, or the (N, 2) array function where NumPy has no ufunc), through
numpy-quaddtype's ufunc on the same values where it has one, and through
mpmath's scalar function (mp.prec = 106, on 2000 of the values), with each
peer's time over tarsel's.  The values lie in each function's usual domain.
Best of --rounds, wall time.  It asserts nothing.
"""

import argparse
import os
import time

import numpy as np

import tarsel
from arrays import processor

# (tarsel name, NumPy ufunc or None, mpmath function, arity, argument range)
FUNCTIONS = [
    ("expm1", "expm1", "expm1", 1, (-4.0, 4.0)),
    ("log1p", "log1p", "log1p", 1, (-0.5, 4.0)),
    ("log2", "log2", "log", 1, (0.1, 100.0)),
    ("log10", "log10", "log10", 1, (0.1, 100.0)),
    ("exp2", "exp2", "exp", 1, (-10.0, 10.0)),
    ("cbrt", "cbrt", "cbrt", 1, (0.1, 100.0)),
    ("hypot", "hypot", "hypot", 2, (-10.0, 10.0)),
    ("asinh", "arcsinh", "asinh", 1, (-4.0, 4.0)),
    ("acosh", "arccosh", "acosh", 1, (1.0, 10.0)),
    ("atanh", "arctanh", "atanh", 1, (-0.99, 0.99)),
    ("deg2rad", "deg2rad", "radians", 1, (-360.0, 360.0)),
    ("rad2deg", "rad2deg", "degrees", 1, (-7.0, 7.0)),
    ("logaddexp", "logaddexp", None, 2, (-10.0, 10.0)),
    ("logaddexp2", "logaddexp2", None, 2, (-10.0, 10.0)),
    ("nextafter", "nextafter", None, 2, (-10.0, 10.0)),
    ("spacing", "spacing", None, 1, (-10.0, 10.0)),
    ("erf", None, "erf", 1, (-4.0, 4.0)),
    ("erfc", None, "erfc", 1, (-2.0, 10.0)),
    ("gamma", None, "gamma", 1, (0.1, 30.0)),
    ("lgamma", None, "loggamma", 1, (0.1, 100.0)),
]


def best(call, rounds):
    call()
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return min(times)


def mpmath_time(name, arity, values, rounds):
    import mpmath
    mpmath.mp.prec = 106
    f = getattr(mpmath, name)
    args = [mpmath.mpf(float(v)) for v in values[:2000]]
    if arity == 2:
        call = lambda: [f(a, b) for a, b in zip(args, reversed(args))]
    else:
        call = lambda: [f(a) for a in args]
    return best(call, max(1, rounds // 2)) / len(args)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    n = args.rows
    try:
        import numpy_quaddtype
        quad = numpy_quaddtype.QuadPrecDType()
    except ImportError:
        quad = None
    try:
        import mpmath  # noqa: F401
        have_mpmath = True
    except ImportError:
        have_mpmath = False
    print(f"processor: {processor()}; level {tarsel.simd_level}; threads {tarsel.num_threads}; "
          f"NumPy {np.__version__}; N = {n}")
    print(f"{'function':11} {'tarsel ns':>10} {'quaddtype ns':>13} {'x':>6} {'mpmath ns':>10} {'x':>7}")
    rng = np.random.default_rng(1)
    for name, ufunc_name, mp_name, arity, (low, high) in FUNCTIONS:
        values = [rng.uniform(low, high, n) for _ in range(arity)]
        ours_args = [v.astype(tarsel.float128) for v in values]
        if ufunc_name:
            ufunc = getattr(np, ufunc_name)
            ours = best(lambda: ufunc(*ours_args), args.rounds) / n
        else:
            function = getattr(tarsel, f"{name}_arrays")
            rows = [tarsel.as_rows(v) for v in ours_args]
            ours = best(lambda: function(*rows), args.rounds) / n
        line = f"{name:11} {1e9 * ours:10.2f}"
        if quad is not None and ufunc_name:
            theirs_args = [v.astype(quad) for v in values]
            theirs = best(lambda: ufunc(*theirs_args), args.rounds) / n
            line += f" {1e9 * theirs:13.2f} {theirs / ours:6.2f}"
        else:
            line += f" {'-':>13} {'-':>6}"
        if have_mpmath and mp_name:
            t = mpmath_time(mp_name, arity, values[0], args.rounds)
            line += f" {1e9 * t:10.0f} {t / ours:7.0f}"
        print(line, flush=True)


if __name__ == "__main__":
    main()
