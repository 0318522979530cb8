"""Speed and memory of the tarsel array functions, measured side by side.

    python bench/arrays.py [--rows 1000000] [--rounds 5] [--passes 5]

Prints, for N = --rows double-double rows:

* each array function against NumPy's float64 operation on N elements
  (a + b, a - b, a * b, a / b) and against the plain C++ loop over the same
  scalar function (bench/bench_arrays.cpp, built here with CMake in
  build/bench; it reads the very rows the Python side uses);
* the peers a user would otherwise pick, where installed: numpy-quaddtype
  (QuadPrecDType arrays with NumPy's ufuncs) and mpmath at 106-bit precision;
* the peak memory traced during one call at --memory-rows rows.

Every time is the best of rounds x passes; the rounds interleave the C++
loop, tarsel and NumPy so that all of them see the same machine load.  This
prints figures; it asserts nothing.
"""

import argparse
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

import tarsel

ROOT = Path(__file__).resolve().parent.parent

# name, tarsel function, NumPy float64 counterpart, its symbol, limit of the
# time ratio tarsel / NumPy.
BINARY = [
    ("add", "add_arrays", np.add, "+", 3.0),
    ("sub", "sub_arrays", np.subtract, "-", 3.0),
    ("mul", "mul_arrays", np.multiply, "*", 4.0),
    ("div", "div_arrays", np.divide, "/", 6.0),
]
UNARY = ["sin", "cos", "exp", "log"]
BASELINE_LIMIT = 1.10


def machine():
    model = platform.processor() or platform.machine()
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return (f"{model}, {os.cpu_count()} logical CPUs, {platform.system()} {platform.release()}, "
            f"Python {platform.python_version()}, NumPy {np.__version__}")


def make_rows(rng, n, low, high):
    """(n, 2) normalised double-doubles with hi uniform in [low, high)."""
    hi = rng.uniform(low, high, n)
    lo = hi * rng.uniform(-2.0**-54, 2.0**-54, n)
    rows = np.empty((n, 2))
    rows[:, 0] = hi + lo
    rows[:, 1] = lo - (rows[:, 0] - hi)
    return rows


def best_ns_per_row(fn, rows, passes):
    best = math.inf
    for _ in range(passes):
        t0 = time.perf_counter_ns()
        fn()
        best = min(best, time.perf_counter_ns() - t0)
    return best / rows


def build_baseline():
    """Configure and build the C++ baseline; its path, or None with a reason."""
    build = ROOT / "build" / "bench"
    exe = build / "bench" / "tarsel_bench_arrays"
    try:
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                        "-DTARSEL_BUILD_BENCH=ON", "-DTARSEL_BUILD_TESTS=OFF",
                        "-DTARSEL_BUILD_PYTHON=OFF"], check=True, capture_output=True)
        subprocess.run(["cmake", "--build", str(build), "--target", "tarsel_bench_arrays", "-j2"],
                       check=True, capture_output=True)
    except (OSError, subprocess.CalledProcessError) as err:
        return None, f"C++ baseline not built ({err})"
    return exe, None


def run_baseline(exe, a_path, b_path, passes):
    out = subprocess.run([str(exe), str(a_path), str(b_path), str(passes)],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for line in out.splitlines():
        name, value = line.split()
        if name != "checksum":
            times[name] = float(value)
    return times


def quaddtype_peer(a, b, rows):
    """ns per element of numpy-quaddtype's ufuncs, or a reason it is absent."""
    try:
        from numpy_quaddtype import QuadPrecDType
    except ImportError:
        return None, "numpy-quaddtype is not installed (pip install numpy-quaddtype)"
    dt = QuadPrecDType()
    qa = a[:, 0].astype(dt) + a[:, 1].astype(dt)
    qb = b[:, 0].astype(dt) + b[:, 1].astype(dt)
    ufuncs = {"add": np.add, "sub": np.subtract, "mul": np.multiply, "div": np.divide,
              "sin": np.sin, "cos": np.cos, "exp": np.exp, "log": np.log}
    times = {}
    for name, uf in ufuncs.items():
        if name in UNARY:
            times[name] = best_ns_per_row(lambda: uf(qa), rows, 3)
        else:
            times[name] = best_ns_per_row(lambda: uf(qa, qb), rows, 3)
    return times, f"numpy-quaddtype {dt!r}, {rows} elements"


def mpmath_peer(a, b, rows):
    """ns per value of mpmath at 106 bits over the first `rows` rows."""
    try:
        import mpmath
    except ImportError:
        return None, "mpmath is not installed"
    ctx = mpmath.MPContext()
    ctx.prec = 106
    xs = [ctx.mpf(hi) + ctx.mpf(lo) for hi, lo in a[:rows].tolist()]
    ys = [ctx.mpf(hi) + ctx.mpf(lo) for hi, lo in b[:rows].tolist()]
    binary = {"add": lambda x, y: x + y, "sub": lambda x, y: x - y,
              "mul": lambda x, y: x * y, "div": lambda x, y: x / y}
    unary = {"sin": ctx.sin, "cos": ctx.cos, "exp": ctx.exp, "log": ctx.log}
    times = {}
    for name, op in binary.items():
        times[name] = best_ns_per_row(lambda: [op(x, y) for x, y in zip(xs, ys)], rows, 3)
    for name, fn in unary.items():
        times[name] = best_ns_per_row(lambda: [fn(x) for x in xs], rows, 3)
    return times, f"mpmath {mpmath.__version__} at prec 106, {rows} values"


def traced_peak(fn):
    """Bytes of the traced peak during fn() above what was traced before."""
    tracemalloc.start()
    try:
        before = tracemalloc.get_traced_memory()[0]
        tracemalloc.reset_peak()
        result = fn()
        peak = tracemalloc.get_traced_memory()[1] - before
    finally:
        tracemalloc.stop()
    return peak, result.nbytes


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rows", type=int, default=10**6)
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--passes", type=int, default=5)
    parser.add_argument("--peer-rows", type=int, default=20000, help="values given to mpmath")
    parser.add_argument("--memory-rows", type=int, default=10**7)
    args = parser.parse_args()
    n = args.rows

    rng = np.random.default_rng(20260101)
    # Positive operands in [0.5, 4): valid for every function, several
    # quadrants of sin and cos, no overflow of exp.
    a = make_rows(rng, n, 0.5, 4.0)
    b = make_rows(rng, n, 0.5, 4.0)
    fa, fb = a[:, 0].copy(), b[:, 0].copy()
    unary = [u for u in UNARY if hasattr(tarsel, f"{u}_arrays")]
    names = [name for name, *_ in BINARY] + unary

    print(f"Machine: {machine()}")
    print(f"Rows: {n}; best of {args.rounds} rounds x {args.passes} passes\n")

    exe, why_no_baseline = build_baseline()
    tars_ns = {name: math.inf for name in names}
    np_ns = {name: math.inf for name, *_ in BINARY}
    cpp_ns = {}
    with tempfile.TemporaryDirectory() as tmp:
        a_path, b_path = Path(tmp, "a.bin"), Path(tmp, "b.bin")
        a.tofile(a_path)
        b.tofile(b_path)
        for _ in range(args.rounds):
            if exe is not None:
                for name, t in run_baseline(exe, a_path, b_path, args.passes).items():
                    cpp_ns[name] = min(cpp_ns.get(name, math.inf), t)
            for name, fname, np_op, _, _ in BINARY:
                fn = getattr(tarsel, fname)
                tars_ns[name] = min(tars_ns[name], best_ns_per_row(lambda: fn(a, b), n, args.passes))
                np_ns[name] = min(np_ns[name], best_ns_per_row(lambda: np_op(fa, fb), n, args.passes))
            for name in unary:
                fn = getattr(tarsel, f"{name}_arrays")
                tars_ns[name] = min(tars_ns[name], best_ns_per_row(lambda: fn(a), n, args.passes))

    def verdict(ratio, limit):
        return f"{ratio:.2f} (limit {limit:g}) {'ok' if ratio <= limit else 'OVER'}"

    print("| function | tarsel ns/row | C++ loop ns/row | tarsel / C++ loop | "
          "NumPy float64 ns/elem | tarsel / NumPy |")
    print("|---|---:|---:|---|---:|---|")
    limits = {name: (sym, limit) for name, _, _, sym, limit in BINARY}
    for name in names:
        cpp = cpp_ns.get(name)
        cpp_cols = (f"{cpp:.2f} | {verdict(tars_ns[name] / cpp, BASELINE_LIMIT)}"
                    if cpp else "n/a | n/a")
        if name in limits:
            sym, limit = limits[name]
            np_cols = f"{np_ns[name]:.2f} (a {sym} b) | {verdict(tars_ns[name] / np_ns[name], limit)}"
        else:
            np_cols = "- | -"
        print(f"| {name}_arrays | {tars_ns[name]:.2f} | {cpp_cols} | {np_cols} |")
    if why_no_baseline:
        print(f"\n{why_no_baseline}")

    print("\nPeers, ns per value; ratio = peer time / tarsel time (above 1: tarsel is ahead)\n")
    peers = []
    for measure in (lambda: quaddtype_peer(a, b, n), lambda: mpmath_peer(a, b, args.peer_rows)):
        times, label = measure()
        if times is None:
            print(f"{label}; left out")
        else:
            print(f"- {label}")
            peers.append((label.split(" ")[0], times))
    if peers:
        print()
        print("| function | tarsel | " + " | ".join(f"{p} | ratio" for p, _ in peers) + " |")
        print("|---|---:|" + "---:|---:|" * len(peers))
        behind = []
        for name in names:
            cols = []
            for peer, times in peers:
                ratio = times[name] / tars_ns[name]
                cols.append(f"{times[name]:.1f} | {ratio:.1f}")
                if ratio <= 1.0:
                    behind.append(f"{name} against {peer}")
            print(f"| {name}_arrays | {tars_ns[name]:.2f} | " + " | ".join(cols) + " |")
        if behind:
            print("\ntarsel is NOT ahead for: " + ", ".join(behind))
        else:
            print("\ntarsel is ahead of every installed peer on every function measured.")

    m = args.memory_rows
    print(f"\nPeak memory traced during one call at N = {m} (result alone: {m * 16 / 1e6:.0f} MB)\n")
    big_a = make_rows(rng, m, 0.5, 4.0)
    big_b = make_rows(rng, m, 0.5, 4.0)
    cases = [("add_arrays, contiguous", lambda: tarsel.add_arrays(big_a, big_b)),
             ("add_arrays, reversed rows", lambda: tarsel.add_arrays(big_a[::-1], big_b[::-1]))]
    if "exp" in unary:
        cases.append(("exp_arrays, contiguous", lambda: tarsel.exp_arrays(big_a)))
    for label, call in cases:
        peak, result_bytes = traced_peak(call)
        print(f"- {label}: peak {peak / 1e6:.1f} MB, result {result_bytes / 1e6:.1f} MB, "
              f"beyond the result {(peak - result_bytes) / 1e6:.3f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
