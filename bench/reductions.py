"""Speed and accuracy of the exact reductions fsum and fdot, beside NumPy and
math.fsum.

    python bench/reductions.py [--sizes 1000000 10000000] [--rounds 5] [--passes 3]

Prints, for each size N:

* fsum and fdot against NumPy's float64 np.sum and np.dot on the same data
  (limit: at most 6 times their time) and against math.fsum on a list of
  the same values, or of the rounded products for fdot (limit: at least 5
  times faster), all on one thread;
* at the largest size, the speed-up of fsum and fdot from threads;
* on ill-conditioned sets with exactly known sums and dot products
  (condition numbers from 1e8 to 1e32, generated after Ogita, Rump and
  Oishi, Accurate sum and dot product, 2005, and checked with Fractions),
  the relative error of NumPy, of math.fsum and of tarsel.

BLAS runs on one thread unless --blas-threads says otherwise, so that np.dot
is timed on one core like the rest and leaves the other cores alone.  Every
time is the best of rounds x passes, the rounds interleaving the methods so
that all of them see the same machine load.  This prints figures; it
asserts nothing.
"""

import argparse
import os
import sys

if __name__ == "__main__":
    _blas = sys.argv[sys.argv.index("--blas-threads") + 1] if "--blas-threads" in sys.argv else "1"
    for _name in ("OPENBLAS_NUM_THREADS", "OMP_NUM_THREADS", "MKL_NUM_THREADS"):
        os.environ.setdefault(_name, _blas)

import math  # noqa: E402
from fractions import Fraction  # noqa: E402

import numpy as np  # noqa: E402

import tarsel  # noqa: E402
from arrays import best_ns_per_row as best_ns, machine  # noqa: E402

NUMPY_LIMIT = 6.0      # tarsel time / NumPy time, at most
FSUM_LIMIT = 5.0       # math.fsum time / tarsel time, at least


def threads_available():
    return hasattr(tarsel, "num_threads")


def set_threads(count):
    tarsel.num_threads(count)


def time_size(n, rounds, passes, rng):
    x, y = rng.standard_normal(n), rng.standard_normal(n)
    xl, pl = x.tolist(), (x * y).tolist()
    methods = {
        "fsum": lambda: tarsel.fsum(x),
        "np.sum": lambda: np.sum(x),
        "math.fsum": lambda: math.fsum(xl),
        "fdot": lambda: tarsel.fdot(x, y),
        "np.dot": lambda: np.dot(x, y),
        "math.fsum of products": lambda: math.fsum(pl),
    }
    slow = {"math.fsum", "math.fsum of products"}
    times = dict.fromkeys(methods, math.inf)
    for _ in range(rounds):
        for name, fn in methods.items():
            times[name] = min(times[name], best_ns(fn, n, 1 if name in slow else passes))
    return times, x, y


def time_threads(x, y, rounds, passes):
    counts = sorted({1, 2, os.cpu_count() or 1})
    times = {(name, c): math.inf for name in ("fsum", "fdot") for c in counts}
    for _ in range(rounds):
        for c in counts:
            set_threads(c)
            times["fsum", c] = min(times["fsum", c], best_ns(lambda: tarsel.fsum(x), x.size, passes))
            times["fdot", c] = min(times["fdot", c], best_ns(lambda: tarsel.fdot(x, y), x.size, passes))
    set_threads(1)
    return counts, times


def verdict(ratio, limit, at_most):
    ok = ratio <= limit if at_most else ratio >= limit
    return f"{ratio:.2f} ({'limit' if at_most else 'at least'} {limit:g}) {'ok' if ok else 'MISSED'}"


# --- ill-conditioned data with known exact results ---------------------------

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
    print(f"\nRelative error against the exact value, ill-conditioned sets of {n} terms\n")
    print("| set | condition number | np.sum / np.dot | math.fsum | tarsel |")
    print("|---|---:|---:|---:|---:|")
    for cond in (1e8, 1e16, 1e24, 1e32):
        x, exact = generate_sum(n, cond, rng)
        actual = float(sum(abs(Fraction(v)) for v in x) / abs(exact))
        print(f"| sum | {actual:.1e} | {relative_error(float(np.sum(x)), exact):.1e} | "
              f"{relative_error(math.fsum(x.tolist()), exact):.1e} | {tarsel_error(tarsel.fsum(x), exact)} |")
    for cond in (1e8, 1e16, 1e24, 1e32):
        x, y, exact = generate_dot(n, cond, rng)
        actual = float(2 * sum(abs(Fraction(a) * Fraction(b)) for a, b in zip(x, y)) / abs(exact))
        print(f"| dot | {actual:.1e} | {relative_error(float(np.dot(x, y)), exact):.1e} | "
              f"{relative_error(math.fsum((x * y).tolist()), exact):.1e} | "
              f"{tarsel_error(tarsel.fdot(x, y), exact)} |")
    print("\nmath.fsum of a dot product sums the rounded products; tarsel sums the exact ones.")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sizes", type=int, nargs="+", default=[10**6, 10**7])
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--passes", type=int, default=3)
    parser.add_argument("--accuracy-terms", type=int, default=2000)
    parser.add_argument("--blas-threads", type=int, default=1)
    args = parser.parse_args()
    rng = np.random.default_rng(20260102)

    print(f"Machine: {machine()}")
    print(f"BLAS threads: {os.environ.get('OPENBLAS_NUM_THREADS')}; best of {args.rounds} rounds "
          f"x {args.passes} passes (math.fsum: x 1); data standard normal\n")
    if threads_available():
        set_threads(1)
    print("| N | function | tarsel ns/elem | NumPy ns/elem | tarsel / NumPy | math.fsum ns/elem | "
          "math.fsum / tarsel |")
    print("|---:|---|---:|---:|---|---:|---|")
    for n in args.sizes:
        times, x, y = time_size(n, args.rounds, args.passes, rng)
        for ours, theirs, fsum in (("fsum", "np.sum", "math.fsum"), ("fdot", "np.dot", "math.fsum of products")):
            print(f"| {n:.0e} | {ours} | {times[ours]:.2f} | {times[theirs]:.2f} ({theirs}) | "
                  f"{verdict(times[ours] / times[theirs], NUMPY_LIMIT, True)} | {times[fsum]:.2f} | "
                  f"{verdict(times[fsum] / times[ours], FSUM_LIMIT, False)} |")

    if threads_available():
        counts, times = time_threads(x, y, args.rounds, args.passes)
        print(f"\nThreads at N = {x.size:.0e}, ns/elem (speed-up over one thread)\n")
        print("| function | " + " | ".join(f"{c} thread{'s' if c > 1 else ''}" for c in counts) + " |")
        print("|---|" + "---:|" * len(counts))
        for name in ("fsum", "fdot"):
            cells = [f"{times[name, c]:.2f} ({times[name, 1] / times[name, c]:.2f}x)" for c in counts]
            print(f"| {name} | " + " | ".join(cells) + " |")
    else:
        print("\nThis build of tarsel has no thread control (tarsel.num_threads); no thread speed-up measured.")

    accuracy_table(args.accuracy_terms, rng)
    return 0


if __name__ == "__main__":
    sys.exit(main())
