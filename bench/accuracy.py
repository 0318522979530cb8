"""Accuracy of the real functions against mpmath at 300 bits.

For each function and sampled domain, prints the number of samples and the
maximum and median relative error |f~(x) - f(x)| / |f(x)|, where f~(x) is the
exact sum hi + lo of the library's result and x the exact sum of the sampled
double-double argument (a random high part with a random low part of up to
half an ulp, so the low part is exercised too).

Every row samples its whole interval: the end points, their neighbouring
doubles and values near them come first, then random arguments, so the
maximum is that of the closed interval.  The errors are also given in units
of 2^-104 relative (the last bit of a double-double's low part, roughly).

The functions are measured as the C headers compile them: a small driver
(accuracy_driver.c) is built with the library's floating-point flags and
loaded with ctypes, so no text conversion stands between the result and the
reference.  Needs a C compiler (CC, default cc) and mpmath.

    python bench/accuracy.py [--samples N] [--seed S] [--headers DIR]
    python bench/accuracy.py --sweep [--samples N] [--headers DIR]
    python bench/accuracy.py --functions expm1,log1p [--samples N]

--sweep measures the ends of the ranges where intermediate results meet the
subnormals or overflow (sinh and cosh below -512, log near both ends, sqrt
of the smallest values) with 100000 arguments per region unless --samples
says otherwise.  --headers measures the headers of another tree (for
example an older commit exported with git archive) against the same rows.
"""
import argparse
import ctypes
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile

import mpmath

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FP_FLAGS = ["-O2", "-msse2", "-mfpmath=sse", "-ffp-contract=off"]

# The sampled domains are shared with tests/python/test_accuracy.py.
sys.path.insert(0, os.path.join(ROOT, "tests"))
from accuracy_domains import DOMAINS, PRECISION, SWEEPS, as_mpf  # noqa: E402


def build_driver(workdir=None, headers=None):
    """Compiles the driver into a shared library and returns its evaluator.
    headers: the include directory to compile against (default: this tree's)."""
    cc = os.environ.get("CC") or shutil.which("cc") or shutil.which("gcc") or "cc"
    workdir = workdir or tempfile.mkdtemp(prefix="tarsel_accuracy_")
    lib_path = os.path.join(workdir, "tarsel_accuracy_driver.so")
    cmd = [cc, "-std=c11", *FP_FLAGS, "-shared", "-fPIC", "-I", headers or os.path.join(ROOT, "include"),
           os.path.join(ROOT, "bench", "accuracy_driver.c"), "-o", lib_path, "-lm"]
    subprocess.run(cmd, check=True)
    lib = ctypes.CDLL(lib_path)
    lib.tarsel_accuracy_eval.argtypes = [ctypes.c_char_p, ctypes.c_long,
                                         ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)]
    lib.tarsel_accuracy_eval.restype = ctypes.c_int

    def evaluate(name, args):
        """args: list of ((a_hi, a_lo), (b_hi, b_lo)); returns list of (hi, lo)."""
        n = len(args)
        flat = (ctypes.c_double * (4 * n))(*[v for a, b in args for v in (*a, *b)])
        out = (ctypes.c_double * (2 * n))()
        if lib.tarsel_accuracy_eval(name.encode(), n, flat, out) != 0:
            raise ValueError("unknown function " + name)
        return [(out[2 * i], out[2 * i + 1]) for i in range(n)]

    return evaluate


# --- measurement ------------------------------------------------------------

def measure(evaluate, domain, n, seed):
    """Returns (errors, bounds, abs_errors): per sample the relative error (or
    the error relative to the size the row names),
    the bound the test allows and the absolute error."""
    rng = random.Random(f"{seed}:{domain.name}:{domain.label}")
    args = domain.samples(rng, n)
    results = evaluate(domain.name, args)
    errors, bounds, abs_errors = [], [], []
    with mpmath.workprec(PRECISION):
        for (a, b), got in zip(args, results):
            x, y = as_mpf(a), as_mpf(b)
            want = domain.reference(x, y) if domain.draw_b else domain.reference(x)
            diff = abs(as_mpf(got) - want)
            size = domain.error_of(x, y, want)
            errors.append(float(diff / size) if size != 0 else float(diff))
            bounds.append(float(domain.bound(x, y, want)))
            abs_errors.append(float(diff))
    return errors, bounds, abs_errors


UNIT = 2.0 ** -104


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--samples", type=int, default=None,
                        help="arguments per row (default 4000, with --sweep 100000)")
    parser.add_argument("--seed", type=int, default=2024)
    parser.add_argument("--sweep", action="store_true", help="the ends of the ranges instead of the table")
    parser.add_argument("--headers", help="include directory to measure instead of this tree's")
    parser.add_argument("--functions", help="comma-separated names: only their rows")
    opts = parser.parse_args(argv)
    samples = opts.samples or (100000 if opts.sweep else 4000)
    evaluate = build_driver(headers=opts.headers)
    header = ("function", "domain", "samples", "max rel. error", "max in units of 2^-104", "median rel. error", "note")
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join("---" for _ in header) + "|")
    wanted = set(opts.functions.split(",")) if opts.functions else None
    for domain in SWEEPS if opts.sweep else DOMAINS:
        if wanted and domain.name not in wanted:
            continue
        errors, _, abs_errors = measure(evaluate, domain, samples, opts.seed)
        note = domain.note
        if domain.show_abs:
            note = (note + "; " if note else "") + f"max abs. error {max(abs_errors):.1e}"
        row = (domain.name, domain.label, str(len(errors)), f"{max(errors):.2e}", f"{max(errors) / UNIT:.3g}",
               f"{statistics.median(errors):.2e}", note)
        print("| " + " | ".join(cell.replace("|", "\\|") for cell in row) + " |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
