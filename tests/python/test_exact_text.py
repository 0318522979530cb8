"""Correctly rounded text and exact conversions as Python sees them: format()
against float, complex and Decimal, from_decimal against float() and exact
fractions, from_rational and as_integer_ratio against Fraction, and the
round-trip digit counts that the README states."""
import decimal
import locale
import math
import os
import random
import re
import struct
import subprocess
import sys
import textwrap
from fractions import Fraction

import pytest
from hypothesis import assume, example, given, settings
from hypothesis import strategies as st

from tarsel import Complex128, Float128

EXACT = decimal.Context(prec=2000, Emax=10**6, Emin=-(10**6))


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


def value_of(x):
    return Fraction(*x.as_integer_ratio())


def parts(x):
    """hi and lo of a pair in normal form, recovered from its exact value."""
    v = value_of(x)
    hi = float(v)
    return hi, float(v - Fraction(hi))


def decimal_of(v):
    """The exact decimal of a dyadic Fraction."""
    k = v.denominator.bit_length() - 1
    return decimal.Decimal(v.numerator * 5**k).scaleb(-k, EXACT)


def pair(hi, lo):
    """The normal form of hi + lo: the sum of two doubles is exact."""
    return Float128(hi) + Float128(lo)


doubles = st.floats(allow_nan=True, allow_infinity=True) | st.sampled_from(
    [0.0, -0.0, 5e-324, 2.5, 9.5, 0.125, 1e16, 1e15, 1e-4, 1e-5, 1.7976931348623157e308, 123456789.0]
)
finite_pairs = st.builds(
    lambda hi, t: pair(hi, math.ulp(hi) * t / 2),
    st.floats(min_value=-1e300, max_value=1e300, allow_subnormal=True),
    st.floats(min_value=-1.0, max_value=1.0),
)


@st.composite
def format_strings(draw, with_percent=False):
    """Formats of the mini-language, each with a type or a precision."""
    fill_align = draw(st.sampled_from(["", "<", ">", "^", "=", "*<", "x^", "0=", "é>"]))
    sign = draw(st.sampled_from(["", "+", "-", " "]))
    z = draw(st.sampled_from(["", "z"]))
    alt = draw(st.sampled_from(["", "#"]))
    zero = draw(st.sampled_from(["", "0"]))
    width = draw(st.sampled_from(["", "1", "12", "30"]))
    group = draw(st.sampled_from(["", ",", "_"]))
    types = "eEfFgGn" + ("%" if with_percent else "")
    kind = draw(st.sampled_from(list(types) + [""]))
    precision = draw(st.sampled_from(["", ".0", ".1", ".3", ".16", ".17", ".40", ".120"]))
    assume(kind or precision)
    assume(not (kind == "n" and group))
    return fill_align + sign + z + alt + zero + width + group + precision + kind


@settings(max_examples=3000)
@given(x=doubles, fmt=format_strings())
@example(x=1234.5, fmt="012,.1f")
@example(x=-0.0, fmt="z.3")
@example(x=1e16, fmt=".17")
def test_format_of_a_double_is_floats(x, fmt):
    assert format(Float128(x), fmt) == format(x, fmt)


@settings(max_examples=3000)
@given(x=doubles, fmt=st.text(alphabet="<>=^+- z#0123456789,_.eEfFgG%ndxé\x01", min_size=1, max_size=7))
def test_any_format_is_refused_or_accepted_as_float_does(x, fmt):
    try:
        want = format(x, fmt)
    except ValueError as e:
        with pytest.raises(ValueError) as got:
            format(Float128(x), fmt)
        assert str(got.value) == str(e).replace("'float'", "'Float128'")
        return
    got = format(Float128(x), fmt)
    shortest_type = fmt[-1] not in "eEfFgGn%" and not re.search(r"\.\d", fmt)
    if not shortest_type and not fmt.endswith("%"):
        assert got == want


@settings(max_examples=500)
@given(x=finite_pairs, p=st.integers(0, 45), fmt=st.sampled_from(["e", "f", "%"]))
def test_format_rounds_the_exact_value_half_to_even(x, p, fmt):
    exact = decimal_of(value_of(x))
    assume(exact != 0)  # Decimal writes a zero's exponent differently
    if fmt == "e":
        want = format(decimal.Context(prec=p + 1).plus(exact), f".{p}e")
        want = re.sub(r"e([+-])(\d)$", r"e\g<1>0\2", want)
    else:
        scaled = EXACT.multiply(exact, 100) if fmt == "%" else exact
        quantum = decimal.Decimal(1).scaleb(-p)
        want = format(scaled.quantize(quantum, context=EXACT), f".{p}f") + fmt.replace("f", "")
    assert format(x, f".{p}{fmt}") == want


@pytest.mark.parametrize(
    "x, fmt, want",
    [
        (Float128(1.0) / Float128(3.0), "", "0.3333333333333333333333333333333"),
        (Float128(1e20), "", str(Float128(1e20))),  # the fixed text, 0.999... e+20
        (Float128(1e20), ".3e", "1.000e+20"),
        (Float128(1e20), ",.0f", "100,000,000,000,000,000,000"),
        (Float128.from_decimal("0.1"), "", "0.1000000000000000000000000000000"),
        # The shortest text that reads back to a pair whose lo is 0 is the
        # double's whole expansion.
        (Float128(0.1), ">5", "0.1000000000000000055511151231257827021181583404541015625"),
        (Float128.from_decimal("0.1"), ">3", "0.1"),
        (Float128(1.0) / Float128(3.0), "", "0.3333333333333333333333333333333"),
        (Float128(2.0), "#", "2.0"),
        (Float128(3.0), "#.1", "3.e+00"),
        (Float128(float("nan")), "+08.3f", "+0000nan"),
        (Float128(float("-inf")), "^9", "  -inf   "),
        (Float128(0.125), ".2f", "0.12"),  # a tie goes to the even digit
        (Float128(0.375), ".2f", "0.38"),
        (Float128(9.9999), ".2e", "1.00e+01"),  # the carry moves to the next decade
    ],
)
def test_format_table(x, fmt, want):
    assert format(x, fmt) == want


def test_n_takes_the_locales_point_and_grouping(monkeypatch):
    conv = dict(locale.localeconv(), decimal_point=",", thousands_sep=".", grouping=[3, 2, 0])
    monkeypatch.setattr(locale, "localeconv", lambda: conv)
    assert format(Float128(1234567.25), ".10n") == "12.34.567,25"
    assert format(Float128(1234567.25), "015.10n") == "00.12.34.567,25"


@pytest.mark.parametrize("z", [1 + 2j, 2j, -0.0 - 0.0j, 0j, 1.5 - 2.25j, complex(math.nan, math.inf), 1e20 + 0.5j])
@pytest.mark.parametrize("fmt", ["", ">16", "+", " .3", "*^20.2e", ",.1f", "z", "#", "G", "-.0f", "n"])
def test_complex_formats_like_complex(z, fmt):
    # These parts are doubles whose shortest reading is also float's repr.
    want = str(Complex128(z)) if fmt == "" else format(z, fmt)
    assert format(Complex128(z), fmt) == want


@pytest.mark.parametrize(
    "fmt, message",
    [
        ("=10", "'=' alignment flag is not allowed in complex format specifier"),
        ("010", "Zero padding is not allowed in complex format specifier"),
        ("%", "Unknown format code '%' for object of type 'Complex128'"),
        (".2147483648f", "precision too big"),
    ],
)
def test_complex_refuses_what_complex_refuses(fmt, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        format(Complex128(1.0, 2.0), fmt)


# --- reading text ---


def fraction_of_text(text):
    return Fraction(decimal.Decimal(text.strip(), EXACT))


def nearest_double(v):
    try:
        return float(v)
    except OverflowError:
        return math.inf if v > 0 else -math.inf


def expected_pair(text):
    """hi nearest the text's value, lo nearest the rest (the sum alone is
    compared: where lo is subnormal, hi + lo need not be in normal form)."""
    v = fraction_of_text(text)
    hi = nearest_double(v) if v else math.copysign(0.0, -1.0 if text.strip().startswith("-") else 1.0)
    return hi, (float(v - Fraction(hi)) if math.isfinite(hi) else 0.0)


decimal_texts = st.builds(
    lambda sign, digits, exponent: f"{sign}{digits[:1]}.{digits[1:]}e{exponent}",
    st.sampled_from(["", "-", "+"]),
    st.text(alphabet="0123456789", min_size=1, max_size=60),
    st.integers(-340, 320),
)


@settings(max_examples=2000)
@given(text=decimal_texts)
@example(text="1.00000000000000011102230246251565404236316680908203125e0")  # 1 + 2^-53: hi ties to even
@example(text="1.0000000000000003330669073875469621270895004272460937500e0")  # 1 + 3 * 2^-53
@example(text="2.4703282292062327e-324")
@example(text="1.7976931348623158e308")
def test_from_decimal_is_the_nearest_pair(text):
    hi, lo = expected_pair(text)
    x = Float128.from_decimal(text)
    if math.isinf(hi):
        assert str(x) == str(Float128(hi))
        return
    assert value_of(x) == Fraction(hi) + Fraction(lo)
    assert str(x).startswith("-") == (math.copysign(1.0, hi) < 0)


@settings(max_examples=2000)
@given(text=st.text(alphabet=" +-_.eE0123456789infatyIN\t\x0b", max_size=12))
@example(text="1_0.5_5e1_0")
@example(text="-iNfInItY")
def test_from_decimal_accepts_what_float_accepts(text):
    try:
        want = float(text)
    except ValueError:
        with pytest.raises(ValueError, match="could not convert string to Float128"):
            Float128.from_decimal(text)
        return
    got = Float128.from_decimal(text)
    if math.isfinite(want):
        assert bits(parts(got)[0]) == bits(want) or (want == 0.0 and value_of(got) == 0)
        assert str(got).startswith("-") == (math.copysign(1.0, want) < 0)
    else:
        assert str(got) == str(Float128(want))


@pytest.mark.parametrize(
    "text, want",
    [
        ("\u0661\u0662\u0663", "123"),  # Arabic-Indic digits
        ("\uff11.\uff15", "1.5"),  # full-width digits
        ("\xa0 7 \u2003", "7"),  # non-ASCII blanks
        (b" 2.5\n", "2.5"),
        (bytearray(b"-3"), "-3"),
        (memoryview(b"4e1"), "40"),
        ("1" + "0" * 5000 + "e-5000", "1"),  # long text, exact
    ],
)
def test_from_decimal_reads_float_texts(text, want):
    assert Float128.from_decimal(text) == Float128.from_decimal(want)


@pytest.mark.parametrize("text", ["1\x00", "\x1c1", b"\xa01", "0x10", "1e", "nan(1)", "١e٢x", "", "_1"])
def test_from_decimal_refuses_other_text(text):
    with pytest.raises(ValueError, match="could not convert string to Float128"):
        Float128.from_decimal(text)


@pytest.mark.parametrize("arg", [None, 1.5, 3, ["1"]])
def test_from_decimal_takes_only_text(arg):
    with pytest.raises(TypeError, match="from_decimal"):
        Float128.from_decimal(arg)


def test_signed_zeros_and_the_difference_from_the_fixed_reader():
    assert value_of(Float128.from_decimal("0.7")) != value_of(Float128("0.7"))  # the fixed reader rounds at every step
    assert format(Float128.from_decimal("0.7"), ".31f") == "0.7" + "0" * 30
    assert value_of(Float128.from_decimal("-0")) == 0
    assert str(Float128.from_decimal("-0")) == "-0.0000000000000000000000000000000"
    assert str(Float128.from_decimal("-Infinity")) == "-inf"


# --- rationals and ratios ---


@settings(max_examples=1000)
@given(q=st.fractions() | st.integers(-(2**300), 2**300))
@example(q=2**100 + 1)
@example(q=Fraction(2**1100 + 1, 2**100))
def test_from_rational_is_the_nearest_pair(q):
    q = Fraction(q)
    hi = float(q) if abs(q) < 2**1023 else math.inf
    assume(math.isfinite(hi))
    got = Float128.from_rational(q)
    assert parts(got) == (hi, float(q - Fraction(hi)))


def test_from_rational_of_2_100_plus_1_is_exact():
    assert value_of(Float128.from_rational(2**100 + 1)) == 2**100 + 1
    assert parts(Float128.from_rational(2**100 + 1)) == (2.0**100, 1.0)


@pytest.mark.parametrize(
    "q, want",
    [
        (decimal.Decimal("0.1"), "0.1"),
        (decimal.Decimal("-1.5e-7"), "-1.5e-7"),
        (decimal.Decimal("1e999999"), "inf"),  # saturates without building 10^999999
        (decimal.Decimal("-1e-999999"), "-0"),
        (decimal.Decimal("-Infinity"), "-inf"),
        (Fraction(10**5000 + 1, 10**5000), "1.0000000000000000000000000000000001"),
        (Fraction(1, 3**40000), "0"),
        (True, "1"),
        (0.1, "0.1000000000000000055511151231257827021181583404541015625"),
        (float("-inf"), "-inf"),
    ],
)
def test_from_rational_of_other_numbers(q, want):
    assert str(Float128.from_rational(q)) == str(Float128.from_decimal(want))


def test_from_rational_special_and_refused_values():
    assert str(Float128.from_rational(decimal.Decimal("NaN"))) == "nan"
    with pytest.raises(ValueError, match="signaling NaN"):
        Float128.from_rational(decimal.Decimal("sNaN"))
    for bad in ["1", 1j, None, Float128(1.0)]:
        with pytest.raises(TypeError, match="from_rational"):
            Float128.from_rational(bad)


@settings(max_examples=1000)
@given(hi=st.floats(-1e300, 1e300), t=st.floats(-1.0, 1.0))
def test_as_integer_ratio_is_exact_and_reduced(hi, t):
    lo = math.ulp(hi) * t / 2
    n, d = pair(hi, lo).as_integer_ratio()
    assert Fraction(n, d) == Fraction(hi) + Fraction(lo)
    assert d > 0 and math.gcd(n, d) == 1


@pytest.mark.parametrize("x, error, message", [
    (Float128(math.inf), OverflowError, "cannot convert Infinity to integer ratio"),
    (Float128(-math.inf), OverflowError, "cannot convert Infinity to integer ratio"),
    (Float128(math.nan), ValueError, "cannot convert NaN to integer ratio"),
])
def test_as_integer_ratio_errors_are_floats(x, error, message):
    with pytest.raises(error, match=message):
        x.as_integer_ratio()


# --- how many digits round-trip (the README's statement) ---


def digits_for(k):
    """Significant digits that read back every pair in normal form with
    |lo| >= 2^-k |hi|."""
    return math.ceil(1 + math.log10(1 + 2**-53) + (53 + k) * math.log10(2))


def random_pair(rng, lo_exponent, decade):
    """A pair in normal form near 10^decade with |lo| about 2^lo_exponent |hi|."""
    hi = rng.uniform(1, 1.001) * 10.0**decade
    lo = math.copysign(2.0**lo_exponent * rng.uniform(1, 1.001), rng.random() - 0.5) * hi
    return pair(hi, lo)


@pytest.mark.parametrize("k, n", [(53, 33), (60, 36), (70, 39)])
def test_readme_digit_counts_round_trip_and_are_tight(k, n):
    assert digits_for(k) == n
    rng = random.Random(k)
    for _ in range(2000):
        x = random_pair(rng, -rng.uniform(53, k), rng.randint(-290, 290))
        hi, lo = parts(x)
        if abs(lo) < 2.0**-k * abs(hi) or abs(lo) == math.ulp(hi) / 2:
            continue
        assert Float128.from_decimal(format(x, f".{n - 1}e")) == x
    # The bound is reached where hi's leading decimal digit is 1 and lo's
    # binary significand is near 2, so that the ulp of lo is smallest against
    # 10^decade: there one digit fewer loses some values.
    worst = [d for d in range(-290, 290) if (d * math.log2(10)) % 1 > 0.98]
    edge = [random_pair(rng, -k, rng.choice(worst)) for _ in range(600)]
    assert any(Float128.from_decimal(format(x, f".{n - 2}e")) != x for x in edge)


@settings(max_examples=500)
@given(x=finite_pairs)
def test_none_type_gives_the_shortest_text_that_reads_back(x):
    # Equality cannot tell lo = -0.0 from +0.0, so only pairs with lo != 0
    # show that no shorter text reads back.
    assume(parts(x)[1] != 0)
    text = format(x, ">1")
    assert Float128.from_decimal(text) == x
    mantissa = re.sub(r"e.*", "", text).lstrip("-").replace(".", "").lstrip("0").rstrip("0") or "0"
    exact = decimal_of(value_of(x))
    for n in range(1, len(mantissa)):
        rounded = decimal.Context(prec=n, rounding=decimal.ROUND_FLOOR).plus(abs(exact))
        for candidate in (rounded, rounded.next_plus(decimal.Context(prec=n))):
            shorter = Float128.from_decimal(("-" if exact < 0 else "") + str(candidate))
            assert shorter != x


# Each call runs in a child whose address space is capped at what it uses
# plus 512 MiB: a text of 2^31 characters cannot be made there, so a call that
# writes the digits a huge precision asks for, and then strips them, fails
# with MemoryError instead of passing.  (The sanitizer build reserves its
# shadow memory up front and cannot run under such a cap.)
BOUNDED_COST = textwrap.dedent("""
    import resource, sys
    from decimal import Decimal
    from fractions import Fraction
    from tarsel import Complex128, Float128
    third = Float128(1.0) / Float128(3.0)
    tiny, huge = Float128(5e-324), Float128(1.7976931348623157e308) + Float128(9.9e291)
    with open("/proc/self/status") as status:
        used = next(int(line.split()[1]) for line in status if line.startswith("VmSize:")) * 1024
    resource.setrlimit(resource.RLIMIT_AS, (used + 512 * 2**20, resource.RLIM_INFINITY))
    try:
        print(repr(eval(sys.argv[1])))
    except MemoryError:
        print("MemoryError")
""")
BOUNDED_CALLS = [
    # A precision beyond the digits of the exact value gives those digits.
    ("format(third, '.2147483647')", "format(third, '.2000')"),
    ("format(third, '.2147483647g')", "format(third, '.2000g')"),
    ("format(-tiny, '.2147483647G')", "format(-tiny, '.2000G')"),
    ("format(huge, '>+60,.2147483647')", "format(huge, '>+60,.2000')"),
    ("format(Complex128(third, -tiny), '^9.2147483647g')", "format(Complex128(third, -tiny), '^9.2000g')"),
    # A text too long for memory is a MemoryError, as for float.
    ("format(third, '#.2147483647g')", "'MemoryError'"),
    ("format(third, '.2147483647e')", "'MemoryError'"),
    ("format(third, '.2147483647f')", "'MemoryError'"),
    ("format(third, '>9223372036854775807')", "'MemoryError'"),
    ("format(third, '0=9223372036854775807,.3f')", "'MemoryError'"),
    ("format(Complex128(third, third), '<9223372036854775807')", "'MemoryError'"),
    # The other conversions of a few bytes stay small.
    ("round(third, 10**30)", "third"),
    ("round(huge, -10**30)", "Float128(0.0)"),
    ("Float128.from_decimal('1e-99999999999999999999') == Float128(0.0)", "True"),
    ("Float128.from_decimal('9' * 10**6 + 'e-999950') == Float128.from_decimal('1e50')", "True"),
    ("Float128.from_rational(Decimal('1.5e-999999999999999999'))", "Float128(0.0)"),
    ("Float128.from_rational(Fraction(10**4000 + 1, 10**4000)) == Float128(1.0)", "True"),
    ("tiny.as_integer_ratio()", "(1, 2**1074)"),
]


@pytest.mark.skipif("libasan" in os.environ.get("LD_PRELOAD", ""), reason="the sanitizer cannot run under a memory cap")
@pytest.mark.parametrize("call, want", BOUNDED_CALLS, ids=[c for c, _ in BOUNDED_CALLS])
def test_a_short_input_costs_no_more_than_its_result(call, want):
    got = subprocess.run([sys.executable, "-c", BOUNDED_COST, call], capture_output=True, text=True, timeout=600)
    assert got.returncode == 0, got.stderr
    if want == "'MemoryError'":
        assert got.stdout.strip() == "MemoryError"
        return
    expected = subprocess.run([sys.executable, "-c", BOUNDED_COST, want], capture_output=True, text=True, timeout=600)
    assert got.stdout.strip() not in ("", "MemoryError")
    assert got.stdout == expected.stdout
