"""Writes include/tarsel/detail/tarsel_libm_tables.h: the constants and tables of
expm1, exp2, the logarithms and the other functions of include/tarsel/tarsel_libm.h.

Every value is computed with mpmath at 400 bits and rounded to a double-double
(hi the double nearest the value, lo the double nearest the rest) or split into
a triple; nothing else goes into the file, so running this again reproduces it
byte for byte:

    python tools/libm_tables.py > include/tarsel/detail/tarsel_libm_tables.h
"""
import struct

import mpmath

mpmath.mp.prec = 400

EXPM1_DEGREE = 14       # e^r - 1 = r + r^2 (1/2! + r/3! + ... + r^12/14!) on |r| <= ln2/32
EXPM1_DD_TERMS = 7      # 1/2! .. 1/8! as double-doubles; the rest are doubles


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


def rn(v):
    return float(mpmath.mpf(v))


def split(v, parts):
    out = []
    for _ in range(parts):
        d = rn(v)
        out.append(d)
        v = v - d
    return out


def literal(d):
    return float.hex(d).replace("0x1.0000000000000p", "0x1p").replace("0x0.0p+0", "0x0p+0")


def row(values, comment=""):
    lits = ", ".join(literal(v) for v in values)
    pattern = " ".join(f"0x{bits(v):016X}" for v in values)
    return f"    {{{lits}}}, /* {comment}{pattern} */"


def constant(name, text, values):
    lits = ", ".join(literal(v) for v in values)
    pattern = " ".join(f"0x{bits(v):016X}" for v in values)
    return (f"/* {text} */\nstatic const double {name}[{len(values)}] = {{\n"
            f"    {lits},\n    /* {pattern} */\n}};\n")


def main():
    ln2 = mpmath.log(2)
    out = [
        "/* Written by tools/libm_tables.py: python tools/libm_tables.py > include/tarsel/detail/tarsel_libm_tables.h",
        " *",
        " * tarsel_libm_tables.h -- constants and tables of tarsel_libm.h.",
        " *",
        " * Written by tools/libm_tables.py from mpmath at 400 bits; regenerate",
        " * rather than edit.  A pair {hi, lo} is the double-double nearest the",
        " * value; a triple {a, b, c} carries it to about 2^-159 relative.",
        " *",
        " * Valid C11 and C++17.",
        " */",
        "#ifndef TARSEL_LIBM_TABLES_H",
        "#define TARSEL_LIBM_TABLES_H",
        "",
    ]
    out.append(constant("_tarsel_libm_ln2_16", "ln 2 / 16 as a triple of full doubles", split(ln2 / 16, 3)))
    out.append(constant("_tarsel_libm_sixteen_over_ln2", "16 / ln 2, rounded to a double (only picks the reduction's k)",
                        split(16 / ln2, 1)))
    out.append(constant("_tarsel_libm_ln2", "ln 2", split(ln2, 2)))
    out.append(constant("_tarsel_libm_inv_ln2", "1 / ln 2", split(1 / ln2, 2)))
    out.append(constant("_tarsel_libm_inv_ln10", "1 / ln 10", split(1 / mpmath.log(10), 2)))
    out.append(constant("_tarsel_libm_log10_2", "log10 2", split(mpmath.log10(2), 2)))
    out.append(constant("_tarsel_libm_pi_over_180", "pi / 180", split(mpmath.pi / 180, 2)))
    out.append(constant("_tarsel_libm_180_over_pi", "180 / pi", split(180 / mpmath.pi, 2)))
    out.append(constant("_tarsel_libm_sqrt_half", "sqrt(1/2), rounded to a double (only splits the mantissa range)",
                        split(mpmath.sqrt(0.5), 1)))

    out.append("/* 2^(i/16) - 1 for i = -8 .. 7, at index i + 8 */")
    out.append("static const double _tarsel_libm_exp2_m1[16][2] = {")
    for i in range(-8, 8):
        out.append(row(split(mpmath.mpf(2) ** (mpmath.mpf(i) / 16) - 1, 2), f"i = {i}: "))
    out.append("};\n")

    out.append(f"/* 1/n! for n = 2 .. {EXPM1_DD_TERMS + 1}, the double-double coefficients of e^r - 1 */")
    out.append(f"static const double _tarsel_libm_inv_fact[{EXPM1_DD_TERMS}][2] = {{")
    for n in range(2, EXPM1_DD_TERMS + 2):
        out.append(row(split(1 / mpmath.factorial(n), 2), f"1/{n}!: "))
    out.append("};\n")
    tail = [rn(1 / mpmath.factorial(n)) for n in range(EXPM1_DD_TERMS + 2, EXPM1_DEGREE + 1)]
    out.append(f"/* 1/n! for n = {EXPM1_DD_TERMS + 2} .. {EXPM1_DEGREE}, rounded to doubles */")
    out.append(f"static const double _tarsel_libm_inv_fact_tail[{len(tail)}] = {{")
    for n, v in zip(range(EXPM1_DD_TERMS + 2, EXPM1_DEGREE + 1), tail):
        out.append(f"    {literal(v)}, /* 1/{n}!: 0x{bits(v):016X} */")
    out.append("};\n")
    out.append("#endif /* TARSEL_LIBM_TABLES_H */")
    print("\n".join(out))


if __name__ == "__main__":
    main()
