"""A quick tour of tarsel: values, text, functions, complex numbers, arrays,
and getting values in and out exactly.

    python examples/tour.py [--small]"""
import argparse
import math
import pickle

import numpy as np

import tarsel
from tarsel import Complex128, Float128


def show(label, value):
    print(f"{label:<50} {value}")


def values_and_text():
    print("-- values and text")
    third = Float128(1.0) / Float128(3.0)
    show("Float128(1.0) / Float128(3.0)", third)
    show("its two doubles (hi, lo)", (third.hi, third.lo))
    show("times 3 is exactly 1", third * Float128(3.0) == Float128(1.0))
    show("1/3 in float64, held exactly", Float128(1.0 / 3.0))
    show("repr", repr(Float128("2.5")))
    show("Float128(1.0) / Float128(0.0) (never raises)", Float128(1.0) / Float128(0.0))


def functions():
    print("-- functions and constants")
    show("tarsel.sqrt(Float128(2.0))", tarsel.sqrt(Float128(2.0)))
    show("tarsel.exp(Float128(1.0)) - tarsel.e (last bits)", (tarsel.exp(Float128(1.0)) - tarsel.e).hi)
    show("tarsel.pi's two doubles", (tarsel.pi.hi, tarsel.pi.lo))
    show("math.floor(Float128(2.0**60) + Float128(-0.5))", math.floor(Float128(2.0**60) + Float128(-0.5)))
    show("round(Float128(2.5)), ties to even", round(Float128(2.5)))


def complex_numbers():
    print("-- complex numbers")
    z = Complex128(1.0, 2.0)
    show("Complex128(1.0, 2.0) * (1 - 1j)", z * (1 - 1j))
    show("tarsel.abs(Complex128(3.0, 4.0))", tarsel.abs(Complex128(3.0, 4.0)))
    show("tarsel.sin(0.5): a float goes to the complex form", tarsel.sin(0.5))


def arrays(count):
    print("-- arrays of shape (N, 2), row i = (hi, lo)")
    values = [Float128(k) / Float128(7.0) for k in range(1, count + 1)]
    rows = tarsel.to_rows(values)
    squares = tarsel.mul_arrays(rows, rows)
    back = tarsel.from_rows(squares)
    show(f"(k/7)^2 for k = 1..{count}, the last", back[-1])
    show("same as the Float128 product", back[-1] == values[-1] * values[-1])
    show("exp_arrays of [[1.0, 0.0]]", tarsel.exp_arrays(np.array([[1.0, 0.0]])))


def exact_in_and_out():
    print("-- in and out, bit for bit")
    x = tarsel.sqrt(Float128(2.0))
    record = x.to_bytes()
    show("to_bytes(): 16 bytes, hi then lo", record.hex())
    show("from_bytes() restores every bit", Float128.from_bytes(record).to_bytes() == record)
    show("from_parts(hi, lo) keeps the pair as given", Float128.from_parts(1.0, 2.0**-60).lo)
    show("pickle round trip", pickle.loads(pickle.dumps(x)) == x)
    show("tarsel.__version__", tarsel.__version__)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--small", action="store_true", help="fewer array rows")
    args = parser.parse_args()
    values_and_text()
    functions()
    complex_numbers()
    arrays(10 if args.small else 1000)
    exact_in_and_out()


if __name__ == "__main__":
    main()
