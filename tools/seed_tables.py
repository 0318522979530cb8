"""Writes include/tarsel/detail/tarsel_seed_tables.h: the constants and tables of the
correctly rounded double logarithm and arctangent (include/tarsel/detail/tarsel_seeds.h).

Every value is computed with mpmath at 400 bits and split into doubles whose
exact sum carries it; nothing else goes into the file, so running this again
reproduces it byte for byte:

    python tools/seed_tables.py > include/tarsel/detail/tarsel_seed_tables.h
"""
import struct

import mpmath

mpmath.mp.prec = 400

LOG_INDEX_BITS = 8          # bins of the mantissa in [1, 2)
LOG_FOLD_FROM = 106         # first bin from which m/2 is used: 1 + 106/256 is about sqrt 2
LOG_C_FRACTION_BITS = 9     # c = C / 2^9 keeps m c - 1 exact in a double
ATAN_STEPS = 128            # breakpoints i/128, i = 0..128
INVERSES = 17               # 1/n for n = 1..17


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


def rn(v):
    return float(mpmath.mpf(v))


def multiple_of(v, e):
    """v rounded to the nearest multiple of 2^e, as a double."""
    return float(mpmath.nint(mpmath.ldexp(v, -e)) * mpmath.mpf(2) ** e)


def triple(v, first=None):
    """Three doubles whose sum is v to about 2^-150 relative; the first one is
    given (a shortened head) or the double nearest v."""
    h = rn(v) if first is None else first
    m = rn(v - h)
    lo = rn(v - h - m)
    return h, m, lo


def literal(d):
    return float.hex(d).replace("0x1.0000000000000p", "0x1p").replace("0x0.0p+0", "0x0p+0")


def row(values, comment=""):
    lits = ", ".join(literal(v) for v in values)
    pattern = " ".join(f"0x{bits(v):016X}" for v in values)
    return f"    {{{lits}}}, /* {comment}{pattern} */"


def log_rows():
    ln2 = mpmath.log(2)
    rows = []
    worst = 0  # largest |m c - 1| outside bin 0, which the fast path's error bound uses
    for i in range(1 << LOG_INDEX_BITS):
        a = 1 + mpmath.mpf(i) / (1 << LOG_INDEX_BITS)
        b = a + mpmath.mpf(1) / (1 << LOG_INDEX_BITS)
        fold = 1 if i >= LOG_FOLD_FROM else 0
        if i == 0:
            c = mpmath.mpf(1)
        elif i == (1 << LOG_INDEX_BITS) - 1:
            c = mpmath.mpf(0.5)
        else:
            c = mpmath.nint(2 / (a + b) * (1 << LOG_C_FRACTION_BITS)) / (1 << LOG_C_FRACTION_BITS)
        if i > 0:
            worst = max(worst, abs(a * c - 1), abs(b * c - 1))
        t = -mpmath.log(c) - fold * ln2
        t1 = multiple_of(t, -42)
        rows.append(((rn(c),) + triple(t, t1), f"{i:3d}: "))
    assert worst < mpmath.mpf(2) ** -8.45
    return rows


def main():
    ln2 = mpmath.log(2)
    l1 = multiple_of(ln2, -42)
    l2 = multiple_of(ln2 - l1, -84)
    l3 = rn(ln2 - l1 - l2)
    log_table = log_rows()
    out = []
    w = out.append
    w("/* Written by tools/seed_tables.py: python tools/seed_tables.py > include/tarsel/detail/tarsel_seed_tables.h")
    w(" *")
    w(" * tarsel_seed_tables.h -- constants and tables of the correctly rounded")
    w(" * double logarithm and arctangent of tarsel_seeds.h.")
    w(" *")
    w(" * Written by tools/seed_tables.py from mpmath at 400 bits; regenerate")
    w(" * rather than edit.  A triple {a, b, c} is three doubles whose exact sum")
    w(" * is the value to about 2^-150 relative.")
    w(" *")
    w(" * Valid C11 and C++17.")
    w(" */")
    w("#ifndef TARSEL_SEED_TABLES_H")
    w("#define TARSEL_SEED_TABLES_H")
    w("")
    w("/* ln 2 with its first two parts on 42 bits, so that k ln2_1 and k ln2_2")
    w("   are exact for every exponent |k| < 2^11. */")
    w("static const double _tarsel_seed_ln2[3] = {")
    w("    " + ", ".join(literal(v) for v in (l1, l2, l3)) + ",")
    w("    /* " + " ".join(f"0x{bits(v):016X}" for v in (l1, l2, l3)) + " */")
    w("};")
    w("")
    for name, value, what in (("half_pi", mpmath.pi / 2, "pi/2"), ("inv_ln10", 1 / mpmath.log(10), "1/ln 10")):
        parts = triple(value)
        w(f"/* {what} */")
        w(f"static const double _tarsel_seed_{name}[3] = {{")
        w("    " + ", ".join(literal(v) for v in parts) + ",")
        w("    /* " + " ".join(f"0x{bits(v):016X}" for v in parts) + " */")
        w("};")
        w("")
    w(f"/* 1/n for n = 1..{INVERSES}: row n - 1. */")
    w(f"static const double _tarsel_seed_inverse[{INVERSES}][3] = {{")
    for n in range(1, INVERSES + 1):
        w(row(triple(mpmath.mpf(1) / n), f"1/{n}: "))
    w("};")
    w("")
    w("/* Bin i holds the mantissas m in [1 + i/256, 1 + (i+1)/256): {c, t1, t2, t3}")
    w("   with c a multiple of 2^-9 near 1/m (exactly 1 in bin 0 and 1/2 in the")
    w(f"   last), so that |m c - 1| < 2^-8 (below 2^-8.45 outside bin 0), and t1 + t2 + t3 =")
    w(f"   -log c, less ln 2 from bin {LOG_FOLD_FROM} on, where the exponent is raised by")
    w("   one instead.  t1 is a multiple of 2^-42, so that k ln2_1 + t1 is exact. */")
    w(f"static const double _tarsel_seed_log_table[{1 << LOG_INDEX_BITS}][4] = {{")
    for values, comment in log_table:
        w(row(values, comment))
    w("};")
    w("")
    w(f"/* atan(i/{ATAN_STEPS}) for i = 0..{ATAN_STEPS}. */")
    w(f"static const double _tarsel_seed_atan_table[{ATAN_STEPS + 1}][3] = {{")
    for i in range(ATAN_STEPS + 1):
        w(row(triple(mpmath.atan(mpmath.mpf(i) / ATAN_STEPS)), f"{i:3d}: "))
    w("};")
    w("")
    w("#endif /* TARSEL_SEED_TABLES_H */")
    print("\n".join(out))


if __name__ == "__main__":
    main()
