"""The correctly rounded seeds (include/tarsel/detail/tarsel_seeds.h) and the platform's
libm against mpmath.

For log, atan and log10, draws arguments over wide magnitudes (random bit
patterns, log-uniform ranges, the neighbourhoods where each function is
hardest: near 1 for the logarithms, near 0 and the table's breakpoints for the
arctangent, subnormals, powers of two and of ten), computes the nearest double
to the exact value with mpmath at 150 bits, and counts the arguments where
the library's seed and where libm give another double.

    python bench/seeds_check.py [--count N] [--seed S] [--jobs J] [--decades]

The default, 60,000 arguments per function, is the comparison quoted for the
platform's libm; tests/python/test_seeds.py runs the same check on 10^6.  The
functions are measured as the C headers compile them: a small driver
(seeds_driver.c) is built with the library's floating-point flags and loaded
with ctypes.  Needs a C compiler (CC, default cc) and mpmath.

With --decades it also compares, for every double within 2^13 ulps of a
power of ten (from 1e-323 to 1e308), the text formatter's decade estimate
floor(log10 x) from libm and from the correctly rounded log10.  Farther from
a power of ten, log10 x is more than 2^-42 from every integer, far beyond
the error of either, so the estimates can only differ in that neighbourhood.
"""
import argparse
import ctypes
import math
import multiprocessing
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

import mpmath

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FP_FLAGS = ["-O2", "-msse2", "-mfpmath=sse", "-ffp-contract=off"]
PRECISION = 150
FUNCTIONS = ("log", "atan", "log10")


def build_driver(workdir=None):
    """Compiles the driver into a shared library and returns its evaluator:
    evaluate(name, xs) gives one triple of doubles per argument, whose exact
    sum is the value (see seeds_driver.c for the names)."""
    cc = os.environ.get("CC") or shutil.which("cc") or shutil.which("gcc") or "cc"
    workdir = workdir or tempfile.mkdtemp(prefix="tarsel_seeds_")
    lib_path = os.path.join(workdir, "tarsel_seeds_driver.so")
    cmd = [cc, "-std=c11", *FP_FLAGS, "-shared", "-fPIC", "-I", os.path.join(ROOT, "include"),
           os.path.join(ROOT, "bench", "seeds_driver.c"), "-o", lib_path, "-lm"]
    subprocess.run(cmd, check=True)
    lib = ctypes.CDLL(lib_path)
    lib.tarsel_seeds_eval.argtypes = [ctypes.c_char_p, ctypes.c_long,
                                      ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)]
    lib.tarsel_seeds_eval.restype = ctypes.c_int

    def evaluate(name, xs):
        n = len(xs)
        args = (ctypes.c_double * n)(*xs)
        out = (ctypes.c_double * (3 * n))()
        if lib.tarsel_seeds_eval(name.encode(), n, args, out) != 0:
            raise ValueError("unknown function " + name)
        return [(out[3 * i], out[3 * i + 1], out[3 * i + 2]) for i in range(n)]

    return evaluate


# --- arguments ---------------------------------------------------------------

def from_bits(u):
    return struct.unpack("<d", struct.pack("<Q", u))[0]


def random_finite(rng, signed):
    """A random bit pattern that is a finite double (positive unless signed)."""
    while True:
        x = from_bits(rng.getrandbits(64 if signed else 63))
        if math.isfinite(x):
            return x


def log_uniform(rng, lo, hi):
    return math.exp(rng.uniform(math.log(lo), math.log(hi)))


def near(rng, centre, max_ulps):
    """centre moved by up to max_ulps units of its last place."""
    return centre + rng.randint(-max_ulps, max_ulps) * math.ulp(centre)


def near_one(rng):
    """1 + d with |d| log-uniform between 2^-53 and 2^-1, either sign."""
    d = math.ldexp(1.0 + rng.random(), -rng.randint(2, 53))
    return 1.0 + d if rng.random() < 0.5 else 1.0 - d / 2


def subnormal(rng):
    return from_bits(rng.getrandbits(52) or 1)


def power_of_two(rng):
    return near(rng, math.ldexp(1.0, rng.randint(-1022, 1023)), 4)


def draw(name, rng):
    """One argument of the named function from a mix of the regions above."""
    kind = rng.random()
    if name == "atan":
        sign = -1.0 if rng.random() < 0.5 else 1.0
        if kind < 0.3:
            return random_finite(rng, signed=True)
        if kind < 0.6:
            return sign * log_uniform(rng, 2.0 ** -30, 2.0 ** 60)
        if kind < 0.7:
            return sign * log_uniform(rng, 2.0 ** -28, 2.0 ** -18)
        if kind < 0.8:
            return sign * near(rng, 1.0, 1 << 20)
        if kind < 0.95:
            breakpoint_ = rng.randint(1, 128) / 128.0
            return sign * near(rng, breakpoint_ if rng.random() < 0.5 else 1.0 / breakpoint_, 1 << 12)
        return sign * subnormal(rng)
    if kind < 0.3:
        return random_finite(rng, signed=False)
    if kind < 0.55:
        return log_uniform(rng, 1e-300, 1e300)
    if kind < 0.8:
        return near_one(rng)
    if kind < 0.85:
        return subnormal(rng)
    if kind < 0.9 or name == "log":
        return power_of_two(rng)
    return near(rng, float(f"1e{rng.randint(-307, 308)}"), 8)


SPECIALS = [math.nan, -math.nan, math.inf, -math.inf, 0.0, -0.0, 1.0, -1.0, 5e-324, -5e-324,
            2.2250738585072014e-308, 1.7976931348623157e308, -1.7976931348623157e308]


def arguments(name, count, seed):
    rng = random.Random(f"{name}/{seed}")
    return SPECIALS + [draw(name, rng) for _ in range(count)]


# --- the reference -----------------------------------------------------------

def nearest_double(function, name, x):
    """The double nearest to the exact function value, from the mpmath
    function evaluated at the working precision, with the IEEE values at the
    special arguments."""
    if math.isnan(x) or (name != "atan" and x < 0.0):
        return math.nan
    if name != "atan" and x == 0.0:
        return -math.inf
    if math.isinf(x):
        return math.copysign(math.pi / 2, x) if name == "atan" else x
    if x == 0.0:
        return x
    value = function(mpmath.mpf(x))
    return float(value) if value != 0 else 0.0


def references(job):
    """mpmath at 150 bits: far finer than any midpoint these functions come near."""
    name, xs = job
    with mpmath.workprec(PRECISION):
        if name == "log10":
            ln10 = mpmath.log(10)

            def function(x):  # mpmath's own log10 takes twice as long
                return mpmath.log(x) / ln10
        else:
            function = getattr(mpmath, name)
        return [nearest_double(function, name, x) for x in xs]


def reference_values(name, xs, jobs):
    chunk = max(1, len(xs) // (4 * jobs))
    pieces = [(name, xs[i:i + chunk]) for i in range(0, len(xs), chunk)]
    # A fork server rather than a plain fork: the caller may have threads of
    # its own (a pytest-xdist worker has), and a forked child of a threaded
    # process can deadlock on a lock that one of them held.
    if jobs > 1 and "forkserver" in multiprocessing.get_all_start_methods():
        with multiprocessing.get_context("forkserver").Pool(jobs) as pool:
            results = pool.map(references, pieces)
    else:
        results = [references(p) for p in pieces]
    return [v for part in results for v in part]


def same(a, b):
    if math.isnan(a) or math.isnan(b):
        return math.isnan(a) and math.isnan(b)
    return struct.pack("<d", a) == struct.pack("<d", b)


def misrounded(evaluate, name, xs, want):
    """The arguments where the named driver function is not the nearest double."""
    got = evaluate(name, xs)
    return [(x, g[0], w) for x, g, w in zip(xs, got, want) if not same(g[0], w)]


def decade_differences(evaluate, reach=1 << 13):
    """The doubles near powers of ten whose floor(log10 x) differs between
    libm and the correctly rounded log10."""
    found = []
    for k in range(-323, 309):
        centre = float(f"1e{k}")
        ulp = math.ulp(centre)
        xs = [centre + j * ulp for j in range(-reach, reach + 1)]
        xs = [x for x in xs if x > 0.0]
        libm = evaluate("libm_log10", xs)
        ours = evaluate("log10", xs)
        found += [(x, a[0], b[0]) for x, a, b in zip(xs, libm, ours) if math.floor(a[0]) != math.floor(b[0])]
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--count", type=int, default=60000)
    parser.add_argument("--seed", type=int, default=2024)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--decades", action="store_true", help="compare the formatter's decade estimates")
    args = parser.parse_args(argv)
    evaluate = build_driver()
    print(f"{'function':8} {'arguments':>9} {'libm misrounded':>16} {'seed misrounded':>16}")
    for name in FUNCTIONS:
        xs = arguments(name, args.count, args.seed)
        want = reference_values(name, xs, args.jobs)
        libm = misrounded(evaluate, "libm_" + name, xs, want)
        ours = misrounded(evaluate, name, xs, want)
        print(f"{name:8} {len(xs):9} {len(libm):16} {len(ours):16}")
        for source, cases in (("libm", libm[:3]), ("seed", ours[:3])):
            for x, got, expected in cases:
                print(f"    {source}: x = {x!r} ({x.hex()}) gives {got.hex()}, nearest {expected.hex()}")
    if args.decades:
        differences = decade_differences(evaluate)
        print(f"decade estimates near powers of ten that differ between libm and the seed: {len(differences)}")
        for x, libm, ours in differences[:5]:
            print(f"    x = {x!r} ({x.hex()}): libm log10 {libm!r}, seed {ours!r}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
