"""Every stored table of doubles in the tree: its generator reproduces it
byte for byte, each literal matches the bit pattern written beside it, and
every entry that has an exact definition is recomputed independently."""
import math
import re
import struct
import subprocess
import sys
from fractions import Fraction
from pathlib import Path

import mpmath
import pytest

ROOT = Path(__file__).resolve().parents[2]

# (generator, the file it writes); the file's first line names the command.
GENERATED = [
    ("tools/seed_tables.py", "include/tarsel/detail/tarsel_seed_tables.h"),
    ("tools/powers_of_ten.py", "src/text/powers_of_ten.h"),
]
TABLE_FILES = [path for _, path in GENERATED] + ["include/tarsel/tarsel_consts.h"]

ARRAY = re.compile(r"static const double (\w+)((?:\[\d+\])+) = \{(.*?)\n\};", re.S)
COMMENT = re.compile(r"/\*.*?\*/", re.S)
LITERAL = re.compile(r"-?0x[0-9a-fA-F.]+p[-+]?\d+|-?\d+\.\d*(?:e[-+]?\d+)?")
PATTERN = re.compile(r"\b0x([0-9A-F]{16})\b")


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


def to_double(text):
    return float.fromhex(text) if "0x" in text else float(text)


def arrays(path):
    """name -> (dimensions, values, bit patterns from the comments)."""
    out = {}
    for name, dims, body in ARRAY.findall((ROOT / path).read_text()):
        values = [to_double(t) for t in LITERAL.findall(COMMENT.sub(" ", body))]
        patterns = [int(p, 16) for c in COMMENT.findall(body) for p in PATTERN.findall(c)]
        out[name] = ([int(d) for d in re.findall(r"\d+", dims)], values, patterns)
    return out


def pairs(path, name):
    _, values, _ = arrays(path)[name]
    return list(zip(values[0::2], values[1::2]))


def nearest_pair(v):
    """hi, the double nearest to v, and lo, the double nearest to v - hi."""
    hi = float(v)
    return hi, float(v - mpmath.mpf(hi))


@pytest.mark.parametrize("generator, path", GENERATED)
def test_generator_reproduces_the_stored_table(generator, path):
    written = subprocess.run([sys.executable, str(ROOT / generator)], cwd=ROOT,
                             check=True, capture_output=True).stdout
    assert written == (ROOT / path).read_bytes(), f"{generator} no longer writes {path}"
    first = written.decode().splitlines()[0]
    assert f"python {generator} > {path}" in first


@pytest.mark.parametrize("path", TABLE_FILES)
def test_every_literal_matches_its_bit_pattern(path):
    found = arrays(path)
    assert found, f"no tables found in {path}"
    for name, (dims, values, patterns) in found.items():
        assert len(values) == math.prod(dims), name
        if len(patterns) == len(values):
            stored = values
        else:
            # One pattern per row where every low part is zero.
            assert values[1::2] == [0.0] * (len(values) // 2), name
            stored = values[0::2]
        assert [f"{bits(v):016X}" for v in stored] == [f"{p:016X}" for p in patterns], name


@pytest.mark.parametrize("name, sign", [("_tarsel_pow10_pos_table", 1), ("_tarsel_pow10_neg_table", -1)])
def test_powers_of_ten_are_the_nearest_doubles(name, sign):
    # float() of the decimal text rounds correctly (subnormals included), a
    # different route from the generator's integer quotient.
    rows = pairs("src/text/powers_of_ten.h", name)
    assert len(rows) == 309
    for k, (hi, lo) in enumerate(rows):
        assert (bits(hi), lo) == (bits(float(f"1e{sign * k}")), 0.0), k
    exact = [k for k, (hi, _) in enumerate(rows) if Fraction(hi) == Fraction(10) ** (sign * k)]
    assert exact == (list(range(23)) if sign > 0 else [0])


def test_named_constants_and_exp_table_are_double_double_roundings():
    mpmath.mp.prec = 300
    consts = "include/tarsel/tarsel_consts.h"
    expected = {
        "_tarsel_pi_raw": mpmath.pi,
        "_tarsel_e_raw": mpmath.e,
        "_tarsel_sqrt2_raw": mpmath.sqrt(2),
        "_tarsel_ln2_raw": mpmath.log(2),
        "_tarsel_ln10_raw": mpmath.log(10),
        "_tarsel_pi_over_2_raw": mpmath.pi / 2,
        "_tarsel_two_over_pi_raw": 2 / mpmath.pi,
        "_tarsel_ln2_16_raw": mpmath.log(2) / 16,
    }
    for name, v in expected.items():
        assert pairs(consts, name) == [nearest_pair(v)], name
    rows = pairs(consts, "_tarsel_exp_table")
    assert rows == [nearest_pair(mpmath.mpf(2) ** (mpmath.mpf(j) / 16)) for j in range(16)]


# The tuned coefficient rows: (table, power of r of row 0, step, sign of row
# j, the bound of |r| on the reduced interval).
COEFFICIENTS = [
    ("_tarsel_exp_coefs_n16", 2, 1, lambda j: 1, Fraction(693147, 32 * 10**6)),  # (ln 2)/32
    ("_tarsel_sin_coefs_n4", 3, 2, lambda j: (-1) ** (j + 1), Fraction(785399, 10**6)),  # pi/4
    ("_tarsel_cos_coefs_n4", 2, 2, lambda j: (-1) ** (j + 1), Fraction(785399, 10**6)),
]


@pytest.mark.parametrize("name, first, step, sign, r_max", COEFFICIENTS)
def test_coefficient_rows_stay_within_the_series_precision(name, first, step, sign, r_max):
    # The rows are not the roundings of the Taylor terms (their corrections
    # grow to about 2^-96 of the series on the reduced interval and to 2^-17
    # of the highest rows), but each stays within 2^-94 there and within
    # 2^-12 of its term: a row moved, negated, zeroed or mistyped in its
    # high part fails.  Each pair is also normalised, |lo| <= ulp(hi)/2.
    rows = pairs("include/tarsel/tarsel_consts.h", name)
    for j, (hi, lo) in enumerate(rows):
        n = first + step * j
        taylor = Fraction(sign(j), math.factorial(n))
        deviation = abs(Fraction(hi) + Fraction(lo) - taylor)
        assert deviation * r_max**n < Fraction(1, 2**94), (name, j)
        assert deviation < abs(taylor) * Fraction(1, 2**12), (name, j)
        assert abs(lo) <= math.ulp(hi) / 2, (name, j)
