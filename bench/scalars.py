"""Speed of Python-level scalar arithmetic: a Float128 beside gmpy2's mpfr
at 106 bits, xprec's ddouble scalar, numpy-quaddtype's QuadPrecision,
mpmath's mpf at 106 bits and a Python float, side by side in one run.

    python bench/scalars.py [--number 200000] [--repeat 7]

Prints the processor, then a row per operation with nanoseconds per call
(timeit, best of --repeat) for every library installed, the ratio of
tarsel's time to gmpy2's and to float's, and tarsel through the pybind11
functions the fast paths stand in front of (operands of a subclass of
Float128, whose generic slots call the pybind11 methods, and
tarsel._core._pybind11_function("exp")).  The last row multiplies two
complex values (Complex128, gmpy2's mpc, mpmath's mpc, Python's complex).  Then the memory per result
of x + y (tracemalloc over 10^6 results kept in a list; a value pybind11
would keep on the C++ heap is not counted there, and the instance size is
printed beside it).  It asserts nothing.
"""

import argparse
import math
import operator
import sys
import timeit
import tracemalloc

import tarsel
from arrays import processor

OPERATIONS = ["x + y", "x - y", "x * y", "x / y", "x < y", "x == y", "exp(x)", "sqrt(x)", "sin(x)", "make(1.5)",
              "z * w"]


def libraries():
    """name -> the names an operation uses: x, y, exp, sqrt, sin, make (and
    add, the addition whose results the memory figure keeps)."""
    F = tarsel.Float128
    Z = tarsel.Complex128
    found = {"tarsel": dict(x=F(1.5), y=F(2.5), exp=tarsel.exp, sqrt=tarsel.sqrt, sin=tarsel.sin, make=F,
                            add=operator.add, z=Z(1.5, -2.5), w=Z(0.5, 3.0))}
    # Instances of a subclass take Python's generic slots, which call the
    # pybind11 methods: the dispatch every call went through before.
    slow = tarsel._core._pybind11_function

    class Sub(F):
        pass

    class SubZ(Z):
        pass

    found["tarsel via pybind11"] = dict(x=Sub(1.5), y=Sub(2.5), exp=slow("exp"), sqrt=slow("sqrt"),
                                        sin=slow("sin"), make=lambda v: _init_with_pybind11(F, slow("__init__"), v),
                                        add=F.__add__, z=SubZ(1.5, -2.5), w=SubZ(0.5, 3.0))
    try:
        import gmpy2
        gmpy2.get_context().precision = 106
        found["gmpy2 mpfr"] = dict(x=gmpy2.mpfr(1.5), y=gmpy2.mpfr(2.5), exp=gmpy2.exp, sqrt=gmpy2.sqrt,
                                   sin=gmpy2.sin, make=gmpy2.mpfr, z=gmpy2.mpc(1.5, -2.5), w=gmpy2.mpc(0.5, 3.0))
    except ImportError:
        pass
    try:
        import numpy as np
        import xprec
        dd = xprec.ddouble.type
        found["xprec ddouble"] = dict(x=dd(1.5), y=dd(2.5), exp=np.exp, sqrt=np.sqrt, sin=np.sin, make=dd)
    except ImportError:
        pass
    try:
        import numpy as np
        from numpy_quaddtype import QuadPrecision
        found["quaddtype"] = dict(x=QuadPrecision(1.5), y=QuadPrecision(2.5), exp=np.exp, sqrt=np.sqrt, sin=np.sin,
                                  make=QuadPrecision)
    except ImportError:
        pass
    try:
        import mpmath
        mpmath.mp.prec = 106
        found["mpmath mpf"] = dict(x=mpmath.mpf(1.5), y=mpmath.mpf(2.5), exp=mpmath.exp, sqrt=mpmath.sqrt,
                                   sin=mpmath.sin, make=mpmath.mpf, z=mpmath.mpc(1.5, -2.5), w=mpmath.mpc(0.5, 3.0))
    except ImportError:
        pass
    found["float"] = dict(x=1.5, y=2.5, exp=math.exp, sqrt=math.sqrt, sin=math.sin, make=float, z=1.5 - 2.5j,
                          w=0.5 + 3.0j)
    return found


def _init_with_pybind11(cls, init, value):
    made = cls.__new__(cls)
    init(made, value)
    return made


def result_bytes(add, x, y):
    """tracemalloc's bytes per x + y result kept alive."""
    kept = [None] * 10**6
    tracemalloc.start()
    before = tracemalloc.get_traced_memory()[0]
    for i in range(len(kept)):
        kept[i] = add(x, y)
    used = tracemalloc.get_traced_memory()[0] - before
    tracemalloc.stop()
    return used / len(kept)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--number", type=int, default=200_000)
    parser.add_argument("--repeat", type=int, default=7)
    args = parser.parse_args()
    libs = libraries()
    print(f"processor: {processor()}; Python {sys.version.split()[0]}; tarsel {tarsel.__version__}")
    names = list(libs)
    print(f"{'operation':10}" + "".join(f"{name:>21}" for name in names) + f"{'/ gmpy2':>9}{'/ float':>9}")
    for op in OPERATIONS:
        ns = {}
        for name in names:
            if all(used in libs[name] for used in ("z", "w")) or "z" not in op:
                ns[name] = min(timeit.repeat(op, globals=libs[name], number=args.number,
                                             repeat=args.repeat)) / args.number * 1e9
        ratio_gmpy2 = f"{ns['tarsel'] / ns['gmpy2 mpfr']:9.2f}" if "gmpy2 mpfr" in ns else f"{'-':>9}"
        print(f"{op:10}" + "".join(f"{ns[name]:21.1f}" if name in ns else f"{'-':>21}" for name in names) +
              ratio_gmpy2 + f"{ns['tarsel'] / ns['float']:9.2f}")
    print()
    print("memory per x + y result (tracemalloc, 10^6 results):")
    for name in names:
        lib = libs[name]
        add = lib.get("add", operator.add)
        size = sys.getsizeof(add(lib["x"], lib["y"]))
        print(f"  {name:22} {result_bytes(add, lib['x'], lib['y']):7.1f} bytes   (sys.getsizeof {size})")


if __name__ == "__main__":
    main()
