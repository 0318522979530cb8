"""The figures behind the thread thresholds of the array functions
(the thread threshold column of src/engine/function_table.hpp).

    python bench/thread_threshold.py [--functions sqrt,tan,pow] [--rounds 5]

For each function: the one-thread ns per row at the best level, the rows
of about --work-us microseconds of work rounded to a power of two (the
block a thread must have before starting it pays), and the wall-clock time
of one and of two threads at twice and at four times those rows.  With the
threshold of a function set to those rows the engine splits such calls in
two, and the second thread must gain there (where a larger threshold is in
force both columns show one thread).  Operands as in bench/arrays.py.
Prints figures; asserts nothing.
"""

import argparse
import json
import math
import os
import subprocess
import sys
import time

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from arrays import BINARY, NAMES, make_rows, operands  # noqa: E402


def worker(names, n, rounds):
    """Best wall-clock ns per row of each function over n rows, in this process's settings."""
    import tarsel
    rng = np.random.default_rng(5)
    a, b = make_rows(rng, n, 0.5, 4.0), make_rows(rng, n, 0.5, 4.0)
    out = {}
    for name in names:
        fn = getattr(tarsel, f"{name}_arrays")
        x, y = operands(name, a, b)
        call = (lambda: fn(x, y)) if name in BINARY else (lambda: fn(x))
        call()
        best = math.inf
        for _ in range(rounds):
            t0 = time.perf_counter_ns()
            call()
            best = min(best, time.perf_counter_ns() - t0)
        out[name] = best / n
    return out


def measure(names, n, rounds, threads):
    env = dict(os.environ, TARSEL_NUM_THREADS=str(threads))
    code = (f"import sys, json; sys.path.insert(0, {os.path.dirname(os.path.abspath(__file__))!r}); "
            f"from thread_threshold import worker; print(json.dumps(worker({names!r}, {n}, {rounds})))")
    return json.loads(subprocess.run([sys.executable, "-c", code], env=env, check=True, capture_output=True,
                                     text=True).stdout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--functions", default=",".join(NAMES))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--rows", type=int, default=200_000, help="rows for the one-thread ns per row")
    parser.add_argument("--work-us", type=float, default=300.0, help="work per thread that pays for it")
    args = parser.parse_args()
    names = args.functions.split(",")
    import tarsel
    print(f"level {tarsel.simd_level}; wall clock, best of {args.rounds}\n")
    print(f"| function | ns/row, 1 thread | rows of {args.work_us:g} us | 2x: 1 thread | 2x: 2 threads "
          "| 4x: 1 thread | 4x: 2 threads |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    per_row = measure(names, args.rows, args.rounds, 1)
    for name in names:
        rows = 2 ** round(math.log2(args.work_us * 1e3 / per_row[name]))
        cols = [f"{name}_arrays", f"{per_row[name]:.2f}", str(rows)]
        for n in (2 * rows, 4 * rows):
            cols += [f"{measure([name], n, args.rounds, threads)[name] * n / 1e3:.0f} us" for threads in (1, 2)]
        print("| " + " | ".join(cols) + " |")


if __name__ == "__main__":
    main()
