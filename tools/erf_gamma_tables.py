"""Writes the generated block of include/tarsel/tarsel_erf_gamma.h: the polynomial
coefficients and constants of erf, erfc, gamma and lgamma.

Every value is computed with mpmath at 320 bits and split into doubles whose
exact sum carries it (two for a double-double, three for a triple).  The
polynomials are Chebyshev interpolants (mpmath.chebyfit) of the smallest
degree whose coefficients, once rounded as stored, stay within the stated
approximation error on a dense check grid (the rounding of the
stored coefficients adds about 2^-107 relative).  Leading coefficients are
stored as double-double pairs; the trailing ones, whose terms together stay
below 2^-55 of the polynomial over its interval, as plain doubles.

    python3 tools/erf_gamma_tables.py          # print the block
    python3 tools/erf_gamma_tables.py --update include/tarsel/tarsel_erf_gamma.h
    python3 tools/erf_gamma_tables.py --test-cases   # rows of tests/cpp/test_erf_gamma.cpp

--update replaces the lines between the BEGIN and END markers of the header;
running it again reproduces the block byte for byte.  --test-cases prints
the reference rows of the C++ test: seeded arguments over every path of the
four functions, with the value rounded to double-double and the scale the
error is measured against.
"""
import math
import sys

import mpmath as mp

mp.mp.prec = 320

BEGIN = "/* BEGIN GENERATED BLOCK: python3 tools/erf_gamma_tables.py --update include/tarsel/tarsel_erf_gamma.h */"
END = "/* END GENERATED BLOCK */"

PER_BINADE = 4          # intervals per binade, centred on j 2^e / 4 (as _tarsel_special_centre assumes)
DD_TAIL = mp.mpf(2) ** -55
CHECK_POINTS = 240
ERF_SMALL = 0.75        # erf by its own polynomial up to here
ERFC_TOP = 27.5         # erfc underflows before this


def rn(v):
    return float(mp.mpf(v))


def dd(v):
    h = rn(v)
    return h, rn(v - h)


def triple(v):
    h = rn(v)
    m = rn(v - h)
    return h, m, rn(v - h - m)


def literal(d):
    return float.hex(d).replace("0x1.0000000000000p", "0x1p").replace("0x0.0p+0", "0x0p+0")


def check_grid(lo, hi):
    pts = [lo + (hi - lo) * mp.mpf(i) / CHECK_POINTS for i in range(CHECK_POINTS + 1)]
    pts += [(lo + hi) / 2 + (hi - lo) / 2 * mp.cos(mp.pi * (i + mp.mpf(0.5)) / 97) for i in range(97)]
    return pts


def fit(f, lo, hi, rel_tol, n_start=6):
    """Coefficients (low order first) of the Chebyshev interpolant of f on
    [lo, hi] of least degree within rel_tol of f, the count K stored as pairs
    (the rest are doubles) and the relative error of the stored polynomial,
    rounding of its coefficients included."""
    pts = check_grid(lo, hi)
    values = [f(t) for t in pts]
    fmin = min(abs(v) for v in values)
    r = max(abs(lo), abs(hi))
    for n in range(n_start, 80):
        poly = mp.chebyfit(f, [lo, hi], n)
        a = [mp.mpf(c) for c in poly[::-1]]
        k = n
        while k > 0 and sum(abs(a[i]) * r ** i for i in range(k - 1, n)) <= DD_TAIL * fmin:
            k -= 1
        if max(abs(mp.polyval(a[::-1], t) - v) for t, v in zip(pts, values)) > rel_tol * fmin:
            continue
        stored = [mp.mpf(dd(c)[0]) + mp.mpf(dd(c)[1]) for c in a[:k]] + [mp.mpf(rn(c)) for c in a[k:]]
        return a, k, max(abs(mp.polyval(stored[::-1], t) - v) for t, v in zip(pts, values)) / fmin
    raise RuntimeError("no fit")


class Table:
    """Polynomials of one function over several intervals, with their
    coefficient pairs and doubles concatenated and an index row each."""

    def __init__(self):
        self.pairs, self.singles, self.index, self.notes = [], [], [], []

    def add(self, coefs, k, note):
        self.index.append((len(self.pairs), k, len(self.singles), len(coefs) - k))
        self.pairs += [dd(c) for c in coefs[:k]]
        self.singles += [rn(c) for c in coefs[k:]]
        self.notes.append(note)

    def emit(self, w, name, what):
        w(f"/* {what} */")
        w(f"static const short _tarsel_{name}_index[{len(self.index)}][4] = {{")
        for row, note in zip(self.index, self.notes):
            w("    {" + ", ".join(str(v) for v in row) + "}, /* " + note + " */")
        w("};")
        w(f"static const double _tarsel_{name}_pairs[{len(self.pairs)}][2] = {{")
        for p in self.pairs:
            w("    {" + literal(p[0]) + ", " + literal(p[1]) + "},")
        w("};")
        w(f"static const double _tarsel_{name}_singles[{max(1, len(self.singles))}] = {{")
        for i in range(0, len(self.singles), 3):
            w("    " + ", ".join(literal(v) for v in self.singles[i:i + 3]) + ",")
        if not self.singles:
            w("    0.0,")
        w("};")
        w("")


def intervals(e_first, e_last, last_j, top):
    """(centre, low, high) of the intervals centred on j 2^e / 4 for the
    binades 2^e_first .. 2^e_last, from the first centre of the first binade
    to centre last_j of the last.  An interval reaches half a step to each
    side (below 2^e the step of the binade below), but not below 2^e_first
    nor above top."""
    out = []
    for e in range(e_first, e_last + 1):
        step = mp.mpf(2) ** e / PER_BINADE
        for j in range(PER_BINADE, 2 * PER_BINADE + 1):
            if e == e_last and j > last_j or j == 2 * PER_BINADE and e < e_last:
                break
            c = j * step
            below = step / 2 if j > PER_BINADE else step / 4
            lo = c if (e == e_first and j == PER_BINADE) else c - below
            out.append((c, lo, min(c + step / 2, mp.mpf(top))))
    return out


def erf_small(w):
    f = lambda s: mp.erf(mp.sqrt(s)) / mp.sqrt(s) if s > 0 else 2 / mp.sqrt(mp.pi)
    a, k, err = fit(f, mp.mpf(0), mp.mpf(ERF_SMALL) ** 2, mp.mpf(2) ** -110)
    t = Table()
    t.add(a, k, f"s in [0, {ERF_SMALL ** 2}], degree {len(a) - 1}, fit error {float(err):.1e}")
    t.emit(w, "erf_small", f"erf x = x P(x^2) for |x| <= {ERF_SMALL}: P(s) interpolates erf(sqrt s)/sqrt s on [0, {ERF_SMALL ** 2}].")


def sinpi(w):
    f = lambda z: (mp.sin(mp.pi * mp.sqrt(z)) / (mp.pi * mp.sqrt(z)) - 1) / z if z > 0 else -mp.pi ** 2 / 6
    a, k, err = fit(f, mp.mpf(0), mp.mpf(1) / 4, mp.mpf(2) ** -110)
    t = Table()
    t.add(a, k, f"z in [0, 1/4], degree {len(a) - 1}, fit error {float(err):.1e}")
    t.emit(w, "sinpi", "sin(pi d)/(pi d) = 1 + z U(z) with z = d^2 for |d| <= 1/2: U interpolated on [0, 1/4].")


def erfcx_table(w):
    t = Table()
    for c, lo, hi in intervals(-2, 4, 7, ERFC_TOP):
        f = lambda u, c=c: mp.exp((c + u) ** 2) * mp.erfc(c + u)
        a, k, err = fit(f, lo - c, hi - c, mp.mpf(2) ** -110, 10)
        t.add(a, k, f"centre {float(c):g} on [{float(lo):g}, {float(hi):g}], degree {len(a) - 1}, fit error {float(err):.1e}")
        print(f"erfcx {float(c)} {len(a)} {k} {float(err):.2e}", file=sys.stderr)
    t.emit(w, "erfcx", "erfcx(c + t) = e^((c+t)^2) erfc(c + t) as a polynomial in t about each centre c = j 2^e / 4\n"
           f"   (rows in order of c from 1/4 to 28, the last one up to {ERFC_TOP}).")


def lgamma_table(w):
    t = Table()
    centres = []
    for c, lo, hi in intervals(-1, 3, 8, 16):
        L = mp.loggamma(c)
        psi = mp.digamma(c)
        f = lambda u, c=c, L=L, psi=psi: (mp.loggamma(c + u) - L - psi * u) / u ** 2 if abs(u) > mp.mpf(2) ** -40 \
            else mp.psi(1, c) / 2 - mp.psi(2, c) / 6 * u
        a, k, err = fit(f, lo - c, hi - c, mp.mpf(2) ** -109, 10)
        t.add(a, k, f"centre {float(c):g} on [{float(lo):g}, {float(hi):g}], degree {len(a) - 1}, fit error {float(err):.1e}")
        centres.append(triple(L) + triple(psi))
        print(f"lgamma {float(c)} {len(a)} {k} {float(err):.2e}", file=sys.stderr)
    w("/* log gamma(c) and psi(c) as triples for each centre c = j 2^e / 4 from 1/2 to 16. */")
    w(f"static const double _tarsel_lgamma_centre[{len(centres)}][6] = {{")
    for row in centres:
        w("    {" + ", ".join(literal(v) for v in row) + "},")
    w("};")
    t.emit(w, "lgamma", "log gamma(c + t) = log gamma(c) + psi(c) t + t^2 Q(t): Q as a polynomial in t about each\n"
           "   centre c = j 2^e / 4 (rows in order of c from 1/2 to 16).")


def stirling(w, x0=16):
    x = mp.mpf(x0)
    coefs = []
    for k in range(1, 80):
        b = mp.bernoulli(2 * k) / (2 * k * (2 * k - 1))
        coefs.append(b)
        if abs(b / x ** (2 * k - 1)) < mp.mpf(2) ** -113:
            break
    # Pairs while the terms after them exceed 2^-58 at x0 (the series sits
    # below 1/(12 x0) < 2^-7, so the doubles' rounding stays below 2^-110).
    k = len(coefs)
    while k > 0 and sum(abs(c) / x ** (2 * i + 1) for i, c in enumerate(coefs) if i >= k - 1) <= mp.mpf(2) ** -58:
        k -= 1
    t = Table()
    t.add(coefs, k, f"B_2k / (2k (2k - 1)) for k = 1..{len(coefs)}, last term below 2^-113 at x = {x0}")
    t.emit(w, "stirling", "Stirling's series: log gamma(x) = (x - 1/2) log x - x + log sqrt(2 pi) + sum_k c_k / x^(2k-1),\n"
           "   c_k = B_2k / (2k (2k - 1)), a polynomial in 1/x^2 after the factor 1/x.")


def constants(w):
    for name, value, what in (("log_sqrt_2pi", mp.log(2 * mp.pi) / 2, "log sqrt(2 pi)"),):
        w(f"/* {what} */")
        w(f"static const double _tarsel_{name}[3] = {{" + ", ".join(literal(v) for v in triple(value)) + "};")
    w("")


def block():
    out = [BEGIN,
           "/* Written by tools/erf_gamma_tables.py from mpmath at 320 bits; regenerate rather than edit. */",
           ""]
    w = out.append
    constants(w)
    erf_small(w)
    sinpi(w)
    stirling(w)
    erfcx_table(w)
    lgamma_table(w)
    out.append(END)
    return "\n".join(out)


def test_arguments():
    """(function, x) pairs: fixed points at the ends of the paths and the
    table intervals, then seeded random double-double arguments."""
    import random
    rng = random.Random(20240611)

    def around(v):
        lo = v * 2.0 ** -53 * rng.uniform(-1, 1)
        s = v + lo
        return s, lo - (s - v)

    def near(p, d):
        hi = p + d
        return hi, (p - hi) + d

    out = []
    fixed = {
        "erf": [1e-300, -3e-20, 0.1, 0.25, 0.5, 0.75, -0.75, 0.7500000000000001, 0.8125, 1.0, 2.5, -4.0, 8.9],
        "erfc": [-0.2, 0.24, 0.25, 0.28125, 0.5, 1.0, 3.0, 7.5, 12.0, 20.0, 24.5, 24.6, 25.5, 26.5, 27.0, 27.2,
                 -0.3, -3.0, -8.9],
        "gamma": [1e-300, -1e-300, 1e-20, 0.1, 0.4999, 0.5, 0.5625, 0.9375, 1.125, 1.5, 2.5, 3.75, 15.0, 15.999,
                  16.0, 16.001, 30.5, 100.25, 171.6, -0.4999, -0.5, -0.5000000000000001, -1.5, -2.5, -20.75,
                  -170.5, -171.5, -184.5, -299.5],
        "lgamma": [1e-300, -1e-300, 1e-10, 0.3, 0.5, 0.75, 1.0078125, 1.9921875, 2.125, 3.0, 7.3, 15.999, 16.0,
                   123.456, 1e10, 4503599627370495.5, 2.0 ** 52, 1e20, 1e200, 2.5e305, -0.25, -0.5, -0.75, -1.25,
                   -2.5, -10.3, -100.7, -1e10 - 0.5, -2.0 ** 51 - 0.5],
    }
    for f, xs in fixed.items():
        out += [(f, x, 0.0) for x in xs]
    for p, d in ((1.0, 1e-25), (1.0, -3e-17), (2.0, 2e-21), (2.0, -1e-9), (1.0, 0.0625), (2.0, -0.0625)):
        out += [("lgamma",) + near(p, d), ("gamma",) + near(p, d)]
    for n, d in ((1, 1e-20), (2, -1e-20), (7, 3e-20), (50, -1e-19), (170, 1e-20), (3, 1e-5), (9, -1e-5),
                 (100, 2e-5), (169, -1e-5), (11, 2.0 ** -80)):
        out += [("gamma",) + near(-float(n), d), ("lgamma",) + near(-float(n), d)]
    for z in (-2.457024738220800, -2.747682646727716, -3.143580888349980, -3.955294284858597):
        out += [("lgamma",) + near(z, 1e-12), ("lgamma",) + near(z, -3e-7)]
    ranges = {
        "erf": [(-0.75, 0.75), (0.75, 6.0), (-6.0, -0.75)],
        "erfc": [(-0.25, 0.25), (0.25, 6.0), (6.0, 27.2), (-9.0, -0.25)],
        "gamma": [(0.0, 0.5), (0.5, 16.0), (16.0, 171.6), (-0.5, 0.0), (-170.0, -0.5)],
        "lgamma": [(0.0, 0.5), (0.5, 16.0), (16.0, 1e4), (-0.5, 0.0), (-170.0, -0.5)],
    }
    for f, rs in ranges.items():
        for a, b in rs:
            for _ in range(12):
                out.append((f,) + around(rng.uniform(a, b)))
    for _ in range(8):
        out.append(("lgamma",) + around(math.exp(rng.uniform(math.log(1e4), math.log(1e300)))))
    return out


def test_cases():
    mp.mp.prec = 300
    rows = []
    for f, hi, lo in test_arguments():
        x = mp.mpf(hi) + mp.mpf(lo)
        if f == "erf":
            v = mp.erf(x)
        elif f == "erfc":
            v = mp.erfc(x)
        elif f == "gamma":
            v = mp.gamma(x)
        else:
            v = mp.re(mp.loggamma(x))
        scale = abs(v)
        if f == "lgamma" and x < -0.5:
            scale = abs(mp.log(mp.pi / abs(mp.sin(mp.pi * x)))) + abs(mp.re(mp.loggamma(1 - x)))
        w_hi, w_lo = dd(v)
        vals = [hi, lo, w_hi, w_lo, rn(scale)]
        rows.append("    {" + f"F_{f.upper()}, " + ", ".join(literal(d) for d in vals) + "},")
    return "\n".join(rows)


def main():
    if sys.argv[1:] == ["--test-cases"]:
        print(test_cases())
        return
    text = block()
    if len(sys.argv) == 3 and sys.argv[1] == "--update":
        with open(sys.argv[2]) as fh:
            src = fh.read()
        head, rest = src.split(BEGIN, 1)
        _, tail = rest.split(END, 1)
        with open(sys.argv[2], "w") as fh:
            fh.write(head + text + tail)
    else:
        print(text)


if __name__ == "__main__":
    main()
