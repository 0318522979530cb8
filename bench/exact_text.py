"""Time the correctly rounded text and exact conversions beside the fixed
text functions and Python's own float and Decimal, one call at a time.

    python bench/exact_text.py

Prints microseconds per call, the best of 7 rounds, all measured in one run."""
import decimal
import timeit
from fractions import Fraction

from tarsel import Float128

x = Float128.from_decimal("3.141592653589793238462643383279502884")
pair_text = "3.141592653589793238462643383279502884197"
q = Fraction(314159265358979323846264338327950288, 10**35)
d = decimal.Decimal(pair_text)

cases = [
    ("format(x, '.40e')", lambda: format(x, ".40e")),
    ("format(x, '.32g')", lambda: format(x, ".32g")),
    ("format(x, '>1') (shortest)", lambda: format(x, ">1")),
    ("format(Float128(0.1), '>1') (lo = 0)", (lambda y: lambda: format(y, ">1"))(Float128(0.1))),
    ("str(x) (fixed, truncated)", lambda: str(x)),
    ("Float128.from_decimal(40 digits)", lambda: Float128.from_decimal(pair_text)),
    ("Float128(40 digits) (fixed reader)", lambda: Float128(pair_text)),
    ("Float128.from_rational(Fraction)", lambda: Float128.from_rational(q)),
    ("x.as_integer_ratio()", lambda: x.as_integer_ratio()),
    ("format(float, '.17e') (Python)", lambda: format(3.141592653589793, ".17e")),
    ("format(Decimal, '.40e') (Python)", lambda: format(d, ".40e")),
]

print(f"{'call':45} {'us/call':>8}")
for name, call in cases:
    n = 2000
    best = min(timeit.repeat(call, number=n, repeat=7)) / n
    print(f"{name:45} {best * 1e6:8.2f}")
