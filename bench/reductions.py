"""Speed and accuracy of the exact reductions fsum and fdot, beside NumPy and
math.fsum.

    python bench/reductions.py [--sizes 1000000 10000000] [--rounds 5] [--passes 3]
                               [--accuracy-terms 2000]

Prints, in one run:

* for each size N, one thread: fsum and fdot at every instruction set level
  (TARSEL_SIMD=scalar puts every product through the accumulator's own
  rescaled product), beside NumPy's float64 np.sum and np.dot on the same
  data (target: at most 6 times their time) and math.fsum on a list of the
  same values, or of the rounded products for fdot (target: at least 5
  times slower than tarsel);
* at the largest size, the speed-up of the threads over one thread;
* on ill-conditioned sets with exactly known sums and dot products
  (condition numbers from about 1e8 to 1e32, generated after Ogita, Rump
  and Oishi, Accurate sum and dot product, 2005, and checked with
  Fractions), the relative error of NumPy, of math.fsum and of tarsel.

Each level runs in a child process of its own (the level is chosen at
import) on the same data, the rounds interleaving the levels.  One-thread
figures are the CPU time of the calling thread, best of rounds x passes,
with BLAS on one thread too (--blas-threads to change); the thread
speed-ups are wall-clock times.  The data are standard normal.  This prints
figures; it asserts nothing.
"""

import argparse
import json
import math
import os
import platform
import subprocess
import sys
import tempfile
import time
from fractions import Fraction
from pathlib import Path

import numpy as np

from arrays import best_ns, processor, supported_levels

NUMPY_LIMIT = 6.0      # tarsel time / NumPy time, at most
FSUM_LIMIT = 5.0       # math.fsum time / tarsel time, at least


# --- the child processes --------------------------------------------------------

def worker_one_thread(args):
    """CPU ns per element of fsum and fdot at this level, and of the peers."""
    import tarsel
    x, y = np.load(args.x), np.load(args.y)
    n, clock = len(x), time.thread_time_ns
    times = {"level": tarsel.simd_level, "fsum": best_ns(lambda: tarsel.fsum(x), n, args.passes, clock),
             "fdot": best_ns(lambda: tarsel.fdot(x, y), n, args.passes, clock)}
    if args.peers:
        values, products = x.tolist(), (x * y).tolist()
        times["np.sum"] = best_ns(lambda: np.sum(x), n, args.passes, clock)
        times["np.dot"] = best_ns(lambda: np.dot(x, y), n, args.passes, clock)
        times["math.fsum"] = best_ns(lambda: math.fsum(values), n, 1, clock)
        times["math.fsum of products"] = best_ns(lambda: math.fsum(products), n, 1, clock)
    print(json.dumps(times))


def worker_threads(args):
    """Wall-clock ns per element at this process's thread count."""
    import tarsel
    x, y = np.load(args.x), np.load(args.y)
    clock = time.perf_counter_ns
    print(json.dumps({"threads": tarsel.num_threads,
                      "fsum": best_ns(lambda: tarsel.fsum(x), len(x), args.passes, clock),
                      "fdot": best_ns(lambda: tarsel.fdot(x, y), len(x), args.passes, clock)}))


def child(mode, x_path, y_path, passes, peers=False, **env):
    full_env = {k: v for k, v in os.environ.items() if k not in ("TARSEL_SIMD", "TARSEL_NUM_THREADS")}
    full_env.update(env)
    cmd = [sys.executable, __file__, mode, "--x", str(x_path), "--y", str(y_path), "--passes", str(passes)]
    if peers:
        cmd.append("--peers")
    return json.loads(subprocess.run(cmd, env=full_env, check=True, capture_output=True, text=True).stdout)


# --- speed --------------------------------------------------------------------------

def one_thread(levels, n, x_path, y_path, args):
    best = {level: {} for level in levels}
    for _ in range(args.rounds):
        for level in levels:
            got = child("one-thread", x_path, y_path, args.passes, peers=level == levels[-1],
                        TARSEL_SIMD=level, TARSEL_NUM_THREADS="1")
            for name, t in got.items():
                if name != "level":
                    best[level][name] = min(best[level].get(name, math.inf), t)
    return best


def verdict(ratio, limit, at_most):
    ok = ratio <= limit if at_most else ratio >= limit
    return f"{ratio:.2f} ({'at most' if at_most else 'at least'} {limit:g}): {'met' if ok else 'MISSED'}"


def one_thread_table(levels, n, best):
    top = best[levels[-1]]
    print(f"\nOne thread, N = {n}: CPU ns per element\n")
    print("| function | level | tarsel | NumPy | tarsel / NumPy | math.fsum | math.fsum / tarsel |")
    print("|---|---|---:|---:|---|---:|---|")
    missed = []
    for name, peer, fsum in (("fsum", "np.sum", "math.fsum"), ("fdot", "np.dot", "math.fsum of products")):
        for level in levels:
            t = best[level][name]
            if level != levels[-1]:
                print(f"| {name} | {level} | {t:.2f} | | | | |")
                continue
            to_numpy, from_fsum = t / top[peer], top[fsum] / t
            print(f"| {name} | {level} | {t:.2f} | {top[peer]:.2f} ({peer}) | "
                  f"{verdict(to_numpy, NUMPY_LIMIT, True)} | {top[fsum]:.2f} | "
                  f"{verdict(from_fsum, FSUM_LIMIT, False)} |")
            missed += [f"{name} against {peer}"] if to_numpy > NUMPY_LIMIT else []
            missed += [f"{name} against math.fsum"] if from_fsum < FSUM_LIMIT else []
    return missed


def thread_table(n, x_path, y_path, args):
    one = {"fsum": math.inf, "fdot": math.inf}
    many = dict(one)
    threads = 1
    for _ in range(args.rounds):
        got1 = child("threads", x_path, y_path, args.passes, TARSEL_NUM_THREADS="1")
        gotn = child("threads", x_path, y_path, args.passes)
        threads = gotn["threads"]
        for name in one:
            one[name] = min(one[name], got1[name])
            many[name] = min(many[name], gotn[name])
    print(f"\nThreads, N = {n}, best level: wall-clock ns per element\n")
    print(f"| function | 1 thread | {threads} threads | speed-up |")
    print("|---|---:|---:|---:|")
    for name in one:
        print(f"| {name} | {one[name]:.2f} | {many[name]:.2f} | {one[name] / many[name]:.2f}x |")


# --- accuracy on ill-conditioned data with known exact results -------------------

def exact_dot(x, y):
    return sum((Fraction(a) * Fraction(b) for a, b in zip(x, y)), Fraction(0))


def generate_dot(n, cond, rng):
    """x, y of length n whose dot product has about the condition number
    cond: the first half random over exponents up to log2(cond) / 2, the
    second half chosen so that each new product cancels the exact running
    dot product down to a random term of shrinking exponent."""
    b = math.log2(cond)
    half = n // 2
    e = np.rint(rng.random(half) * b / 2).astype(int)
    e[0], e[-1] = round(b / 2) + 1, 0
    x = list((2 * rng.random(half) - 1) * np.exp2(e))
    y = list((2 * rng.random(half) - 1) * np.exp2(e))
    running = exact_dot(x, y)
    for ei in np.rint(np.linspace(b / 2, 0, n - half)).astype(int):
        xi = float((2 * rng.random() - 1) * 2.0**ei)
        target = Fraction((2 * rng.random() - 1) * 2.0**ei)
        yi = float((target - running) / Fraction(xi))
        x.append(xi)
        y.append(yi)
        running += Fraction(xi) * Fraction(yi)
    order = rng.permutation(n)
    return np.array(x)[order], np.array(y)[order], running


def generate_sum(n, cond, rng):
    """Terms whose sum has about the condition number cond: the products of
    generate_dot split exactly into the two halves of Dekker's product."""
    x, y, exact = generate_dot(n // 2, cond, rng)
    p = x * y
    e = np.array([float(Fraction(a) * Fraction(b) - Fraction(q)) for a, b, q in zip(x, y, p)])
    return rng.permutation(np.concatenate([p, e])), exact


def relative_error(value, exact):
    return float(abs(Fraction(value) - exact) / abs(exact))


def tarsel_error(got, exact):
    """The relative error of the exact value of got, marked where got is not
    the pair nearest the exact value."""
    value = Fraction(*got.as_integer_ratio())
    hi = float(exact)
    lo = float(exact - Fraction(hi))
    mark = "" if value == Fraction(hi) + Fraction(lo) else " NOT ROUNDED ONCE"
    return f"{float(abs(value - exact) / abs(exact)):.1e}{mark}"


def accuracy_table(n, rng):
    import tarsel
    print(f"\nRelative error against the exact value, ill-conditioned sets of {n} terms\n")
    print("| set | condition number | np.sum / np.dot | math.fsum | tarsel |")
    print("|---|---:|---:|---:|---:|")
    for cond in (1e8, 1e16, 1e24, 1e31):
        x, exact = generate_sum(n, cond, rng)
        actual = float(sum(abs(Fraction(v)) for v in x) / abs(exact))
        print(f"| sum | {actual:.1e} | {relative_error(float(np.sum(x)), exact):.1e} | "
              f"{relative_error(math.fsum(x.tolist()), exact):.1e} | {tarsel_error(tarsel.fsum(x), exact)} |")
    for cond in (1e8, 1e16, 1e24, 1e31):
        x, y, exact = generate_dot(n, cond, rng)
        actual = float(2 * sum(abs(Fraction(a) * Fraction(b)) for a, b in zip(x, y)) / abs(exact))
        print(f"| dot | {actual:.1e} | {relative_error(float(np.dot(x, y)), exact):.1e} | "
              f"{relative_error(math.fsum((x * y).tolist()), exact):.1e} | "
              f"{tarsel_error(tarsel.fdot(x, y), exact)} |")
    print("\nmath.fsum of a dot product sums the rounded products; tarsel sums the exact ones.")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("mode", nargs="?", default="report", choices=["report", "one-thread", "threads"])
    parser.add_argument("--sizes", type=int, nargs="+", default=[10**6, 10**7])
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--passes", type=int, default=3)
    parser.add_argument("--accuracy-terms", type=int, default=2000)
    parser.add_argument("--blas-threads", default="1")
    parser.add_argument("--x")
    parser.add_argument("--y")
    parser.add_argument("--peers", action="store_true")
    args = parser.parse_args()
    if args.mode == "one-thread":
        return worker_one_thread(args)
    if args.mode == "threads":
        return worker_threads(args)

    for name in ("OPENBLAS_NUM_THREADS", "OMP_NUM_THREADS", "MKL_NUM_THREADS"):
        os.environ[name] = args.blas_threads
    levels = supported_levels()
    cpus = len(os.sched_getaffinity(0))
    print(f"Processor: {processor()}; {cpus} CPUs in this process's affinity mask; "
          f"{platform.system()} {platform.release()}, Python {platform.python_version()}, NumPy {np.__version__}")
    print(f"Levels supported here: {', '.join(levels)}; BLAS threads: {args.blas_threads}; "
          f"best of {args.rounds} rounds x {args.passes} passes (math.fsum: 1 pass)")

    rng = np.random.default_rng(20260102)
    missed = []
    with tempfile.TemporaryDirectory() as tmp:
        x_path, y_path = Path(tmp, "x.npy"), Path(tmp, "y.npy")
        for n in args.sizes:
            np.save(x_path, rng.standard_normal(n))
            np.save(y_path, rng.standard_normal(n))
            missed += [f"{m} at N = {n}" for m in one_thread_table(levels, n, one_thread(levels, n, x_path,
                                                                                             y_path, args))]
        print("\nTargets missed at the best level: " + ("; ".join(missed) if missed else "none"))
        thread_table(args.sizes[-1], x_path, y_path, args)

    accuracy_table(args.accuracy_terms, rng)
    return 0


if __name__ == "__main__":
    sys.exit(main())
