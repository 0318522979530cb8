"""Writes src/text/powers_of_ten.h: the powers of ten of the decimal text.

Row k of each table is the double nearest to 10^k or 10^-k, from the exact
quotient of Python integers (int / int rounds correctly to nearest even,
subnormals included); the low part is 0.0.  Nothing else goes into the file,
so running this again reproduces it byte for byte:

    python tools/powers_of_ten.py > src/text/powers_of_ten.h
"""
import struct
import sys

LARGEST = 308  # 10^308 is the largest finite power; the reader gives +inf and zero past it

HEAD = """\
/* Written by tools/powers_of_ten.py: python tools/powers_of_ten.py > src/text/powers_of_ten.h
 *
 * powers_of_ten.h -- the powers of ten of the decimal text (tarsel_io.c):
 * 10^k and 10^-k for k = 0..308, each the double nearest to the power.
 * Regenerate rather than edit.  Valid C11 and C++17.
 */
#ifndef TARSEL_POWERS_OF_TEN_H
#define TARSEL_POWERS_OF_TEN_H

#include <math.h>

#include "tarsel/tarsel.h"

/* --- powers of ten --- */

/* The powers carry double precision only: every row with an inexact power
   holds the nearest double, and no row has a low part. */
"""

TAIL = """\
/* 10^e_val from the tables: +infinity above 10^308, zero below 10^-308. */
static inline tarsel _tarsel_pow10_int(int e_val)
{
    if (e_val > 308)
        return tarsel_from_double((double)INFINITY);
    if (e_val < -308)
        return tarsel_from_double(0.0);
    if (e_val >= 0)
        return tarsel_from_hi_lo(_tarsel_pow10_pos_table[e_val][0], _tarsel_pow10_pos_table[e_val][1]);
    return tarsel_from_hi_lo(_tarsel_pow10_neg_table[-e_val][0], _tarsel_pow10_neg_table[-e_val][1]);
}

#endif /* TARSEL_POWERS_OF_TEN_H */
"""


def bits(d):
    return struct.unpack("<Q", struct.pack("<d", d))[0]


def nearest_power(k):
    """The double nearest to 10^k for |k| <= 308."""
    return 10**k / 1 if k >= 0 else 1 / 10**-k


def table(name, sign, comment):
    lines = [comment, f"static const double {name}[{LARGEST + 1}][2] = {{"]
    for k in range(LARGEST + 1):
        d = nearest_power(sign * k)
        lines.append(f"    {{{float.hex(d)}, 0.0}}, /* {k:3d}: 0x{bits(d):016X} */")
    lines.append("};")
    return "\n".join(lines) + "\n"


def main():
    out = HEAD
    out += table("_tarsel_pow10_pos_table", 1,
                 "/* Row k: the double nearest to 10^k, lo 0.0; rows 0 to 22 are exact. */")
    out += "\n"
    out += table("_tarsel_pow10_neg_table", -1,
                 "/* Row k: the double nearest to 10^-k, lo 0.0; row 308 is subnormal. */")
    out += "\n" + TAIL
    sys.stdout.write(out)


if __name__ == "__main__":
    main()
