"""Speed of the float128 dtype's ufuncs beside the (N, 2) array functions
that run the same engine, on the same data, one thread.

    TARSEL_NUM_THREADS=1 python bench/dtype.py [--rows 1000000] [--rounds 5]

Prints the processor and the engine's level, then a row per engine-backed
ufunc: nanoseconds per element through the ufunc (np.add(x, y) on float128
arrays), through the array function on the (N, 2) views of the same arrays
(tarsel.add_arrays(as_rows(x), as_rows(y))), and their ratio, which the
dtype keeps within 1.15.  Also np.add.reduce (the exact sum) beside
tarsel.sum_arrays.  Then, where they are installed, the same operations on
the same values through xprec's ddouble and numpy-quaddtype's binary128
dtype, with each peer's time over tarsel's.  Best of --rounds, CPU time of
this thread.  It asserts nothing.
"""

import argparse
import time

import numpy as np

import tarsel
from arrays import processor


def best(call, rounds):
    call()   # the first call of a ufunc also resolves and caches its loop
    times = []
    for _ in range(rounds):
        start = time.thread_time()
        call()
        times.append(time.thread_time() - start)
    return min(times)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    n = args.rows
    rng = np.random.default_rng(1)
    pairs = np.stack([rng.uniform(0.5, 4.0, n), rng.uniform(-1, 1, n) * 2.0**-54], axis=1)
    x = tarsel.from_rows_view(pairs)
    y = tarsel.from_rows_view(pairs[::-1].copy())
    print(f"processor: {processor()}; level {tarsel.simd_level}; threads {tarsel.num_threads}; "
          f"NumPy {np.__version__}; N = {n}")
    print(f"{'ufunc':14} {'ufunc ns':>9} {'array fn ns':>12} {'ratio':>6}")
    # The C library maps fresh pages for large results until the first ones
    # are freed, after which it reuses its heap: a few results first, so
    # that the first row timed pays no more than the others.
    for _ in range(3):
        np.add(x, y)
        tarsel.add_arrays(tarsel.as_rows(x), tarsel.as_rows(y))
    for ufunc_name, nin, nout, engine, _ in tarsel._core._ufunc_loops:
        if engine is None:
            continue
        operands = [x, y][:nin]
        ufunc = getattr(np, ufunc_name)
        function = getattr(tarsel, f"{engine}_arrays")
        rows = [tarsel.as_rows(v) for v in operands]
        t_ufunc = best(lambda: ufunc(*operands), args.rounds)
        t_rows = best(lambda: function(*rows), args.rounds)
        print(f"{ufunc_name:14} {1e9 * t_ufunc / n:9.2f} {1e9 * t_rows / n:12.2f} {t_ufunc / t_rows:6.2f}")
    t_sum = best(lambda: np.add.reduce(x), args.rounds)
    t_rows = best(lambda: tarsel.sum_arrays(tarsel.as_rows(x)), args.rounds)
    print(f"{'add.reduce':14} {1e9 * t_sum / n:9.2f} {1e9 * t_rows / n:12.2f} {t_sum / t_rows:6.2f}")
    peer_table(x, y, pairs, n, args.rounds)


def peers(pairs):
    """The peers' arrays of the same values: (name, x, y) for each installed one."""
    found = []
    values = pairs[:, 0]
    try:
        import xprec
        found.append(("xprec", values.astype(xprec.ddouble), values[::-1].astype(xprec.ddouble)))
    except ImportError:
        pass
    try:
        import numpy_quaddtype
        quad = numpy_quaddtype.QuadPrecDType()
        found.append(("quaddtype", values.astype(quad), values[::-1].astype(quad)))
    except ImportError:
        pass
    return found


OPERATIONS = [("add", 2), ("multiply", 2), ("divide", 2), ("sqrt", 1), ("exp", 1), ("log", 1), ("sin", 1),
              ("cos", 1), ("sum", 1)]


def peer_table(x, y, pairs, n, rounds):
    others = peers(pairs)
    if not others:
        print("(xprec and numpy-quaddtype are not installed: no peer table)")
        return
    print()
    print(f"{'operation':10} {'tarsel ns':>10}" + "".join(f" {name + ' ns':>13} {'x':>6}" for name, _, _ in others))

    def call(name, arity, a, b):
        if name == "sum":
            return lambda: np.add.reduce(a)
        ufunc = getattr(np, name)
        return (lambda: ufunc(a, b)) if arity == 2 else (lambda: ufunc(a))

    for name, arity in OPERATIONS:
        ours = best(call(name, arity, x, y), rounds)
        line = f"{name:10} {1e9 * ours / n:10.2f}"
        for _, a, b in others:
            theirs = best(call(name, arity, a, b), rounds)
            line += f" {1e9 * theirs / n:13.2f} {theirs / ours:6.2f}"
        print(line)


if __name__ == "__main__":
    main()
