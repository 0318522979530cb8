"""Where float64 fails and Float128 does not: a polynomial near a root of
multiplicity 7.

p(x) = x^7 - 7x^6 + 21x^5 - 35x^4 + 35x^3 - 21x^2 + 7x - 1 is (x - 1)^7
multiplied out.  Near x = 1 its terms are about 35 in size while p(x) is
below 1e-20, so Horner's rule in float64 returns rounding noise of about
1e-15, often with the wrong sign.  The same steps in Float128 carry
about 32 digits and keep 8 or more digits of the tiny result.  The exact value of p
at the same double x comes from fractions.Fraction.

    python examples/ill_conditioned.py [--small]"""
import argparse
from fractions import Fraction

from tarsel import Float128

COEFFICIENTS = [1, -7, 21, -35, 35, -21, 7, -1]
POINTS = [1.002, 1.001, 0.9995, 0.999]


def horner_float64(x):
    p = 0.0
    for c in COEFFICIENTS:
        p = p * x + c
    return p


def horner_float128(x):
    x128, p = Float128(x), Float128(0.0)
    for c in COEFFICIENTS:
        p = p * x128 + Float128(c)
    return p


def horner_exact(x):
    p = Fraction(0)
    for c in COEFFICIENTS:
        p = p * Fraction(x) + c
    return p


def relative_error(value, exact):
    return float(abs((value - exact) / exact))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--small", action="store_true", help="accepted for the test suite; the run is small anyway")
    parser.parse_args()
    print("p(x) = (x - 1)^7 multiplied out, by Horner's rule; relative errors against the exact value\n")
    print(f"{'x':>8}  {'exact':>11}  {'float64':>11} {'error':>8}  {'Float128':>11} {'error':>8}")
    for x in POINTS:
        exact = horner_exact(x)
        low, high = horner_float64(x), horner_float128(x)
        high_exact = Fraction(high.hi) + Fraction(high.lo)
        print(f"{x:>8}  {float(exact):11.4e}  {low:11.4e} {relative_error(Fraction(low), exact):8.1e}"
              f"  {high.hi:11.4e} {relative_error(high_exact, exact):8.1e}")
        assert relative_error(high_exact, exact) < 1e-7 < 1 < relative_error(Fraction(low), exact)


if __name__ == "__main__":
    main()
