"""Speed and memory of the tarsel array functions, measured side by side.

    python bench/arrays.py [--rows 1000000] [--rounds 5] [--passes 5] [--thread-rows 10000000]
                           [--threads-only]

Prints, in one run:

* the processor and every instruction set level it supports;
* one thread, N = --rows rows: each array function at every level
  (TARSEL_SIMD=scalar is the per-row reference loop) beside NumPy's float64
  operation on N elements and numpy-quaddtype's ufunc on N binary128 values,
  with the speed-up of each level over the reference loop and the ratios the
  targets are stated in;
* all CPUs, N = --thread-rows rows: the speed-up of the threads over one
  thread at the best level;
* the peak memory traced during one call.

Each level runs in a child process of its own (the level is chosen at
import), with the same rows; the rounds interleave the levels so that all
see the same machine load.  One-thread figures are the CPU time of the
calling thread, best of rounds x passes, so that other work on a shared
machine does not inflate them; the thread speed-ups are wall-clock times.
This prints figures; it asserts nothing.
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
import tracemalloc
from pathlib import Path

import numpy as np

LEVELS = ["scalar", "sse2", "avx2", "avx512"]
BINARY = {"add": np.add, "sub": np.subtract, "mul": np.multiply, "div": np.divide}
UNARY = {"sin": np.sin, "cos": np.cos, "exp": np.exp, "log": np.log}
NAMES = list(BINARY) + list(UNARY)
# Most tarsel / NumPy float64 time for the arithmetic; least speed-up over
# numpy-quaddtype and over the reference loop for the functions.
NUMPY_LIMIT = {"add": 2.5, "sub": 2.5, "mul": 3.0, "div": 5.0}
QUAD_SPEEDUP, LOOP_SPEEDUP = 2.0, 3.0


def processor():
    model = platform.processor() or platform.machine()
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return model


def make_rows(rng, n, low, high):
    """(n, 2) normalised double-doubles with hi uniform in [low, high)."""
    hi = rng.uniform(low, high, n)
    lo = hi * rng.uniform(-2.0**-54, 2.0**-54, n)
    rows = np.empty((n, 2))
    rows[:, 0] = hi + lo
    rows[:, 1] = lo - (rows[:, 0] - hi)
    return rows


def best_ns(fn, rows, passes, clock):
    best = math.inf
    for _ in range(passes):
        t0 = clock()
        fn()
        best = min(best, clock() - t0)
    return best / rows


# --- the child processes --------------------------------------------------------

def tarsel_fn(tarsel, name, a, b):
    fn = getattr(tarsel, f"{name}_arrays")
    return (lambda: fn(a, b)) if name in BINARY else (lambda: fn(a))


def worker_one_thread(args):
    """ns per row of tarsel (this level), NumPy float64 and numpy-quaddtype."""
    import tarsel
    a, b = np.load(args.a), np.load(args.b)
    n = len(a)
    times = {"level": tarsel.simd_level, "tarsel": {}, "numpy": {}, "quad": {}}
    for name in NAMES:
        tarsel_fn(tarsel, name, a, b)()  # warm-up: the result's pages come from the allocator's cache
        times["tarsel"][name] = best_ns(tarsel_fn(tarsel, name, a, b), n, args.passes, time.thread_time_ns)
    if args.peers:
        fa, fb = a[:, 0].copy(), b[:, 0].copy()
        for name, op in BINARY.items():
            times["numpy"][name] = best_ns(lambda: op(fa, fb), n, args.passes, time.thread_time_ns)
        try:
            from numpy_quaddtype import QuadPrecDType
        except ImportError:
            times["quad"] = None
        else:
            dt = QuadPrecDType()
            qa = a[:, 0].astype(dt) + a[:, 1].astype(dt)
            qb = b[:, 0].astype(dt) + b[:, 1].astype(dt)
            for name, op in {**BINARY, **UNARY}.items():
                call = (lambda: op(qa, qb)) if name in BINARY else (lambda: op(qa))
                times["quad"][name] = best_ns(call, n, max(1, args.passes // 2), time.thread_time_ns)
    print(json.dumps(times))


def worker_threads(args):
    """Wall-clock ns per row at this process's thread count."""
    import tarsel
    a, b = np.load(args.a), np.load(args.b)
    times = {"threads": tarsel.num_threads, "level": tarsel.simd_level}
    for name in NAMES:
        times[name] = best_ns(tarsel_fn(tarsel, name, a, b), len(a), args.passes, time.perf_counter_ns)
    print(json.dumps(times))


def child(mode, a_path, b_path, passes, peers=False, **env):
    full_env = dict(os.environ, **env)
    cmd = [sys.executable, __file__, mode, "--a", str(a_path), "--b", str(b_path), "--passes", str(passes)]
    if peers:
        cmd.append("--peers")
    out = subprocess.run(cmd, env=full_env, check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def supported_levels():
    got = []
    for level in LEVELS:
        out = subprocess.run([sys.executable, "-c", "import tarsel; print(tarsel.simd_level)"],
                             env=dict(os.environ, TARSEL_SIMD=level), check=True, capture_output=True,
                             text=True).stdout.strip()
        if out == level:
            got.append(level)
    return got


# --- the report ---------------------------------------------------------------------

def one_thread_table(levels, best, numpy_ns, quad_ns):
    loop = best["scalar"]
    print("| function | level | tarsel ns/row | vs reference loop | NumPy float64 ns/elem | tarsel / NumPy "
          "| numpy-quaddtype ns/elem | quaddtype / tarsel | target |")
    print("|---|---|---:|---:|---:|---:|---:|---:|---|")
    missed = []
    for name in NAMES:
        for level in levels:
            t = best[level][name]
            cols = [f"{name}_arrays", level, f"{t:.2f}", f"{loop[name] / t:.2f}x"]
            if name in BINARY:
                ratio = t / numpy_ns[name]
                cols += [f"{numpy_ns[name]:.2f}", f"{ratio:.2f}"]
            else:
                cols += ["-", "-"]
            if quad_ns:
                cols += [f"{quad_ns[name]:.1f}", f"{quad_ns[name] / t:.2f}"]
            else:
                cols += ["n/a", "n/a"]
            verdict = "-"
            if level == levels[-1]:
                if name in BINARY:
                    ok = t / numpy_ns[name] <= NUMPY_LIMIT[name]
                    verdict = f"<= {NUMPY_LIMIT[name]:g}x NumPy: {'met' if ok else 'MISSED'}"
                else:
                    ok_loop = loop[name] / t >= LOOP_SPEEDUP
                    ok_quad = quad_ns is not None and quad_ns[name] / t >= QUAD_SPEEDUP
                    ok = ok_loop and ok_quad
                    verdict = (f">= {LOOP_SPEEDUP:g}x loop, >= {QUAD_SPEEDUP:g}x quaddtype: "
                               f"{'met' if ok else 'MISSED'}")
                if not ok:
                    missed.append(f"{name}_arrays")
            print("| " + " | ".join(cols + [verdict]) + " |")
    return missed


def memory_report(rows):
    import tarsel
    rng = np.random.default_rng(7)
    print(f"\nPeak memory traced during one call at N = {rows} (result alone: {rows * 16 / 1e6:.0f} MB)\n")
    a, b = make_rows(rng, rows, 0.5, 4.0), make_rows(rng, rows, 0.5, 4.0)
    cases = [("add_arrays, contiguous", lambda: tarsel.add_arrays(a, b)),
             ("add_arrays, reversed rows", lambda: tarsel.add_arrays(a[::-1], b[::-1])),
             ("exp_arrays, contiguous", lambda: tarsel.exp_arrays(a))]
    for label, call in cases:
        tracemalloc.start()
        try:
            before = tracemalloc.get_traced_memory()[0]
            tracemalloc.reset_peak()
            result = call()
            peak = tracemalloc.get_traced_memory()[1] - before
        finally:
            tracemalloc.stop()
        print(f"- {label}: peak {peak / 1e6:.1f} MB, result {result.nbytes / 1e6:.1f} MB, "
              f"beyond the result {(peak - result.nbytes) / 1e6:.3f} MB")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("mode", nargs="?", default="report", choices=["report", "one-thread", "threads"])
    parser.add_argument("--rows", type=int, default=10**6)
    parser.add_argument("--thread-rows", type=int, default=10**7)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--passes", type=int, default=5)
    parser.add_argument("--memory-rows", type=int, default=10**7)
    parser.add_argument("--a")
    parser.add_argument("--b")
    parser.add_argument("--peers", action="store_true")
    parser.add_argument("--threads-only", action="store_true", help="only the thread speed-ups")
    args = parser.parse_args()
    if args.mode == "one-thread":
        return worker_one_thread(args)
    if args.mode == "threads":
        return worker_threads(args)

    levels = supported_levels()
    cpus = len(os.sched_getaffinity(0))
    print(f"Processor: {processor()}; {cpus} CPUs in this process's affinity mask; "
          f"{platform.system()} {platform.release()}, Python {platform.python_version()}, NumPy {np.__version__}")
    print(f"Levels supported here: {', '.join(levels)} (best: {levels[-1]})")
    if not args.threads_only:
        print(f"One thread, N = {args.rows}: CPU time of the calling thread, best of {args.rounds} rounds x "
              f"{args.passes} passes\n")

    rng = np.random.default_rng(20260101)
    # Positive operands in [0.5, 4): valid for every function, several
    # quadrants of sin and cos, no overflow of exp.
    best = {level: {name: math.inf for name in NAMES} for level in levels}
    numpy_ns, quad_ns = {name: math.inf for name in BINARY}, {name: math.inf for name in NAMES}
    have_quad = True
    with tempfile.TemporaryDirectory() as tmp:
        a_path, b_path = Path(tmp, "a.npy"), Path(tmp, "b.npy")
        np.save(a_path, make_rows(rng, args.rows, 0.5, 4.0))
        np.save(b_path, make_rows(rng, args.rows, 0.5, 4.0))
        for r in range(0 if args.threads_only else args.rounds):
            for level in levels:
                peers = level == levels[-1]
                got = child("one-thread", a_path, b_path, args.passes, peers=peers,
                            TARSEL_SIMD=level, TARSEL_NUM_THREADS="1")
                for name in NAMES:
                    best[level][name] = min(best[level][name], got["tarsel"][name])
                if peers:
                    for name in BINARY:
                        numpy_ns[name] = min(numpy_ns[name], got["numpy"][name])
                    if got["quad"] is None:
                        have_quad = False
                    else:
                        for name in NAMES:
                            quad_ns[name] = min(quad_ns[name], got["quad"][name])
        if not args.threads_only:
            missed = one_thread_table(levels, best, numpy_ns, quad_ns if have_quad else None)
            if not have_quad:
                print("\nnumpy-quaddtype is not installed (pip install numpy-quaddtype); its columns are left out")
            print("\nTargets missed at the best level: " + (", ".join(missed) if missed else "none"))

        n = args.thread_rows
        print(f"\nThreads, N = {n}, level {levels[-1]}: wall-clock ns per row, best of {args.rounds} x 2 passes\n")
        np.save(a_path, make_rows(rng, n, 0.5, 4.0))
        np.save(b_path, make_rows(rng, n, 0.5, 4.0))
        one = {name: math.inf for name in NAMES}
        many = {name: math.inf for name in NAMES}
        threads = 1
        for r in range(args.rounds):
            got1 = child("threads", a_path, b_path, 2, TARSEL_NUM_THREADS="1")
            env = {k: v for k, v in os.environ.items() if k != "TARSEL_NUM_THREADS"}
            gotn = json.loads(subprocess.run(
                [sys.executable, __file__, "threads", "--a", str(a_path), "--b", str(b_path), "--passes", "2"],
                env=env, check=True, capture_output=True, text=True).stdout)
            threads = gotn["threads"]
            for name in NAMES:
                one[name] = min(one[name], got1[name])
                many[name] = min(many[name], gotn[name])
        print(f"| function | 1 thread | {threads} threads | speed-up |")
        print("|---|---:|---:|---:|")
        for name in NAMES:
            print(f"| {name}_arrays | {one[name]:.2f} | {many[name]:.2f} | {one[name] / many[name]:.2f}x |")
    if not args.threads_only:
        memory_report(args.memory_rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
