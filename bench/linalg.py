"""Speed of linear algebra on float128 arrays, side by side in one run.

    python bench/linalg.py [--sizes 128 512 1024] [--solve-n 200] [--refined-n 1000] [--rounds 3]

Prints the processor and the engine's level, then for each size n the
matrix product of two n x n matrices: seconds with one thread and with all
of them (tarsel.num_threads), the same product through xprec's ddouble and
numpy-quaddtype's dtype and through NumPy's float64 BLAS, each peer's time
over tarsel's, and tarsel's double-double multiply-adds per second beside
an estimate of the machine's peak for them.  Then solve and svd of an n x
n matrix (--solve-n) beside mpmath at 106 bits and xprec, and
solve_refined beside numpy.linalg.solve at --refined-n.  Best of
--rounds wall-clock times (the threads count); mpmath runs once.  It
asserts nothing.
"""

import argparse
import os
import subprocess
import sys
import time

import numpy as np

import tarsel
import tarsel.linalg as la
from arrays import processor

# Double-precision operations of one double-double multiply-add in the
# kernel: the product with Dekker's split (24) and the sum (11).
FLOPS_PER_MULTIPLY_ADD = 35
LANES = {"scalar": 1, "sse2": 2, "avx2": 4, "avx512": 8}


def best(call, rounds):
    call()
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return min(times)


def clock_ghz():
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("cpu MHz"):
                    return float(line.split(":", 1)[1]) / 1000.0
    except OSError:
        pass
    return None


def one_thread_product_seconds(n, rounds):
    """The product at one thread, measured in a child process whose engine
    was set up with TARSEL_NUM_THREADS=1."""
    code = ("import numpy as np, tarsel, time\n"
            f"a = np.random.default_rng(1).standard_normal(({n}, {n})).astype(tarsel.float128)\n"
            "a @ a\n"
            "times = []\n"
            f"for _ in range({rounds}):\n"
            "    start = time.perf_counter()\n"
            "    a @ a\n"
            "    times.append(time.perf_counter() - start)\n"
            "print(min(times))\n")
    env = dict(os.environ, TARSEL_NUM_THREADS="1", PYTHONPATH=os.pathsep.join(p for p in sys.path if p))
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, env=env, check=True)
    return float(out.stdout)


def peers():
    found = {}
    try:
        import xprec
        found["xprec"] = lambda x: x.astype(xprec.ddouble)
    except ImportError:
        pass
    try:
        import numpy_quaddtype
        found["quaddtype"] = lambda x: x.astype(numpy_quaddtype.QuadPrecDType())
    except ImportError:
        pass
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sizes", type=int, nargs="+", default=[128, 512, 1024])
    parser.add_argument("--solve-n", type=int, default=200)
    parser.add_argument("--refined-n", type=int, default=1000)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    ghz = clock_ghz()
    lanes = LANES[tarsel.simd_level]
    # Two vector operations per cycle (an adder and a multiplier) on each
    # core the engine may use.
    peak = ghz * 1e9 * lanes * 2 / FLOPS_PER_MULTIPLY_ADD if ghz else None
    print(f"processor: {processor()}; level {tarsel.simd_level}; threads {tarsel.num_threads}; "
          f"clock {ghz or '?'} GHz; NumPy {np.__version__}")
    print(f"peak estimate: {peak / 1e9 if peak else float('nan'):.2f} G double-double multiply-adds/s per core "
          f"({FLOPS_PER_MULTIPLY_ADD} flops each, {lanes} lanes, 2 vector operations per cycle)")
    found = peers()
    header = f"{'n':>5} {'1 thread s':>11} {'threads s':>10} {'G madd/s':>9} {'of peak':>8} {'float64 s':>10} {'/ float64':>10}"
    header += "".join(f" {name + ' s':>13} {name + ' x':>13}" for name in found)
    print(header)
    rng = np.random.default_rng(1)
    for n in args.sizes:
        x = rng.standard_normal((n, n))
        a = x.astype(tarsel.float128)
        t_all = best(lambda: a @ a, args.rounds)
        t_one = one_thread_product_seconds(n, args.rounds)
        t_f64 = best(lambda: x @ x, args.rounds)
        rate = n**3 / t_all / 1e9
        line = (f"{n:5d} {t_one:11.4f} {t_all:10.4f} {rate:9.2f} "
                f"{(n**3 / t_one / peak if peak else float('nan')):8.2f} {t_f64:10.5f} {t_all / t_f64:10.1f}")
        for name, convert in found.items():
            y = convert(x)
            t_peer = best(lambda: y @ y, 1) if n <= 512 or name == "xprec" else float("nan")
            line += f" {t_peer:13.4f} {t_peer / t_all:13.1f}"
        print(line)
    n = args.solve_n
    x = rng.standard_normal((n, n))
    a = x.astype(tarsel.float128)
    b = a[:, 0]
    print(f"\nn = {n}:  {'tarsel s':>9} {'mpmath s':>9} {'x':>7} {'xprec s':>9} {'x':>7}")
    t_solve = best(lambda: la.solve(a, b), args.rounds)
    t_svd = best(lambda: la.svd(a, compute_uv=False), 1)
    mp_solve = mp_svd = xp_svd = float("nan")
    try:
        import mpmath
        mpmath.mp.prec = 106
        m = mpmath.matrix(x.tolist())
        start = time.perf_counter()
        mpmath.lu_solve(m, mpmath.matrix(x[:, 0].tolist()))
        mp_solve = time.perf_counter() - start
        start = time.perf_counter()
        mpmath.svd_r(m, compute_uv=False)
        mp_svd = time.perf_counter() - start
    except ImportError:
        pass
    if "xprec" in found:
        import xprec.linalg
        y = found["xprec"](x)
        xp_svd = best(lambda: xprec.linalg.svd(y), 1)
    print(f"solve   {t_solve:9.3f} {mp_solve:9.3f} {mp_solve / t_solve:7.1f} {'-':>9} {'-':>7}")
    print(f"svd     {t_svd:9.3f} {mp_svd:9.3f} {mp_svd / t_svd:7.1f} {xp_svd:9.3f} {xp_svd / t_svd:7.1f}")
    n = args.refined_n
    a64, b64 = rng.standard_normal((n, n)), rng.standard_normal(n)
    t_numpy = best(lambda: np.linalg.solve(a64, b64), args.rounds)
    t_refined = best(lambda: la.solve_refined(a64, b64), args.rounds)
    print(f"\nsolve_refined, n = {n}: {t_refined:.4f} s; numpy.linalg.solve {t_numpy:.4f} s; "
          f"ratio {t_refined / t_numpy:.1f}")


if __name__ == "__main__":
    main()
