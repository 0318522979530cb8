"""The sampled domains of the accuracy measurements, with the bound each one
allows per sample.

bench/accuracy.py prints the measured errors of every row of DOMAINS (and of
SWEEPS with --sweep); tests/python/test_accuracy.py checks every sample of
the same rows against its bound.  Only data and the helpers that draw the
arguments are here: the driver that evaluates the headers, and the
measurement, are in bench/accuracy.py.
"""
import math
import sys

import mpmath

PRECISION = 300


# --- sampling ---------------------------------------------------------------

def as_mpf(pair):
    return mpmath.mpf(pair[0]) + mpmath.mpf(pair[1])


def with_low_part(rng, hi):
    """hi plus a random low part of at most half an ulp of hi."""
    return (hi, (rng.random() - 0.5) * math.ulp(hi))


def near_ends(lo, hi):
    """The end points of [lo, hi], their neighbouring doubles inside and
    values 1e-12 to 1e-3 of their size inside, each as (value, direction
    towards the inside)."""
    values = []
    for end, inward in ((lo, hi), (hi, lo)):
        direction = 1.0 if inward > end else -1.0
        v = end
        values.append((v, direction))
        for _ in range(3):
            v = math.nextafter(v, inward)
            values.append((v, direction))
        for f in (1e-12, 1e-9, 1e-6, 1e-3):
            v = end + direction * f * abs(end)
            if lo <= v <= hi:
                values.append((v, direction))
    return values


class Sampler:
    """Draws arguments from an interval; edges() lists its end values."""

    def __init__(self, draw, edges):
        self.draw, self.edges = draw, edges

    def __call__(self, rng):
        return self.draw(rng)


def uniform(lo, hi):
    return Sampler(lambda rng: with_low_part(rng, rng.uniform(lo, hi)), lambda: near_ends(lo, hi))


def log_uniform(lo, hi, signed=False):
    def draw(rng):
        x = math.exp(rng.uniform(math.log(lo), math.log(hi)))
        x = min(max(x, lo), hi)
        if signed and rng.random() < 0.5:
            x = -x
        return with_low_part(rng, x) if x >= 2.0 ** -1022 else (x, 0.0)

    def edges():
        values = near_ends(lo, hi)
        return values + [(-v, -d) for v, d in values] if signed else values
    return Sampler(draw, edges)


def uniform_magnitude(lo, hi):
    """|x| uniform in [lo, hi] with either sign; the edges are +-lo and +-hi."""
    def draw(rng):
        x = rng.uniform(lo, hi)
        return with_low_part(rng, x if rng.random() < 0.5 else -x)

    def edges():
        values = near_ends(lo, hi)
        return values + [(-v, -d) for v, d in values]
    return Sampler(draw, edges)


def avoiding(draw, f, margin, inner=()):
    """Redraws while |f(x)| < margin at the exact argument x (mpmath at 300 bits).
    inner: further edge values (value, direction outwards), at the border of
    the part left out."""
    def keeps(x):
        with mpmath.workprec(PRECISION):
            return abs(f(as_mpf(x))) >= margin

    def redraw(rng):
        while True:
            x = draw(rng)
            if keeps(x):
                return x
    return Sampler(redraw, lambda: [(v, d) for v, d in list(draw.edges()) + list(inner) if keeps((v, 0.0))])


ZERO = (0.0, 0.0)
TINY = 5e-324  # the smallest subnormal: a low part lost to underflow


class Domain:
    """One row of the table: a function over a sampled domain.

    bound(x, y, f) is the relative error the accuracy test allows for one
    sample, given the exact arguments x, y and the exact result f (mpf); the
    table itself reports the measured errors."""

    def __init__(self, name, label, reference, draw_a, draw_b=None, bound=None, note="", show_abs=False,
                 error_of=None):
        self.name, self.label, self.reference = name, label, reference
        # error_of(x, y, f): the magnitude the error is measured against, |f|
        # (relative error) unless the row says otherwise
        self.error_of = error_of or (lambda x, y, f: abs(f))
        self.draw_a, self.draw_b = draw_a, draw_b
        self.bound = bound
        self.note = note
        self.show_abs = show_abs

    def samples(self, rng, n):
        """The edge values first, each alone and with a random low part (a
        second argument drawn at random), then random arguments up to n."""
        def edge_args(sampler):
            out = []
            for v, direction in sampler.edges():
                out.append((v, 0.0))
                if abs(v) >= 2.0 ** -1022:
                    out.append((v, direction * abs(with_low_part(rng, v)[1])))
            return out
        args = [(a, self.draw_b(rng) if self.draw_b else ZERO) for a in edge_args(self.draw_a)]
        if self.draw_b:
            args += [(self.draw_a(rng), b) for b in edge_args(self.draw_b)]
        args = args[:n]
        return args + [(self.draw_a(rng), self.draw_b(rng) if self.draw_b else ZERO) for _ in range(n - len(args))]


def relative(c):
    return lambda x, y, f: c


def absolute(c_of_x):
    """A bound on the absolute error, as a relative bound."""
    return lambda x, y, f: c_of_x(x, y) / abs(f)


def c_trunc(x):
    return mpmath.floor(x) if x >= 0 else mpmath.ceil(x)


def c_round(x):
    return mpmath.floor(x + 0.5) if x >= 0 else mpmath.ceil(x - 0.5)


def c_fmod(x, y):
    return x - c_trunc(x / y) * y


# The bounds.  Relative errors near 1e-32 are the double-double floor.  The
# reductions of exp and sin/cos subtract k (ln 2)/16 or k pi/2 formed in
# double-double, whose rounding (about 1e-32 of the product) and the error of
# the stored constant (about 1e-33) grow with the count k, that is with |x|;
# near a zero of the function a fixed absolute error is a large relative one,
# so those bounds are absolute.
DBL_MAX = sys.float_info.max
EXP_MAX = 709.782712893384     # the largest argument of a finite exp, 0x40862E42FEFA39EF
EXP_MIN = -745.1332191019411   # the smallest argument of a non-zero exp, 0xC0874910D52D3051


def reduction(x, y, f):
    """The bound of the exponential's reduction, which grows with |x|."""
    return 1e-31 + 3e-32 * abs(x)


def hyperbolic_cancellation(x, y, f):
    return 3e-31 + 3e-32 * abs(x) + 5e-32 / abs(x)


def tan_bound(x, y, f):
    """An absolute error e of the reduced argument moves tan by e (1 + tan^2),
    relative e (|tan| + 1/|tan|)."""
    t = abs(f)
    return 5e-31 + 2 * (1e-31 + 3e-32 * abs(x)) * (t + 1 / t)


DOMAINS = [
    Domain("exp", "[-1, 1]", mpmath.exp, uniform(-1, 1), bound=relative(1e-31)),
    Domain("exp", "[-670, 709.78]", mpmath.exp, uniform(-670, EXP_MAX), bound=reduction,
           note="grows with |x|; up to the overflow bound"),
    Domain("exp", "[700, 709.78]", mpmath.exp, uniform(700, EXP_MAX), bound=reduction,
           note="the neighbourhood of the overflow bound"),
    Domain("exp", "[-745.13, -670]", mpmath.exp, uniform(EXP_MIN, -670),
           bound=lambda x, y, f: 1e-31 + 3e-32 * abs(x) + 4 * TINY / f,
           note="low part subnormal", show_abs=True),
    Domain("log", "[5e-324, 1e-290] log-uniform", mpmath.log, log_uniform(TINY, 1e-290), bound=relative(1e-31),
           note="scaled by 2^1000 below 2^-976"),
    Domain("log", "[1e-290, 1e300] log-uniform, |x - 1| >= 0.5", mpmath.log,
           avoiding(log_uniform(1e-290, 1e300), lambda x: x - 1, 0.5,
                    inner=[e for e in near_ends(0.25, 0.5) if e[0] > 0.3] + [e for e in near_ends(1.5, 3) if e[0] < 2]),
           bound=relative(1e-31)),
    Domain("log", "[1e300, DBL_MAX] log-uniform", mpmath.log, log_uniform(1e300, DBL_MAX), bound=relative(1e-31),
           note="scaled by 2^-1000 from 2^1000 up"),
    Domain("log", "[0.5, 2]", mpmath.log, uniform(0.5, 2), bound=absolute(lambda x, y: 1e-31),
           note="zero at 1", show_abs=True),
    Domain("pow", "x in [0.01, 100] log-uniform, y in [-50, 50]", mpmath.power, log_uniform(0.01, 100), uniform(-50, 50),
           bound=lambda x, y, f: 3e-31 + 5e-32 * (abs(y * mpmath.log(x)) + abs(y)),
           note="grows with |y log x| and, for x near 1, with |y|"),
    Domain("pow", "x in [5e-324, DBL_MAX] log-uniform, y in [-0.9, 0.9]", mpmath.power, log_uniform(TINY, DBL_MAX),
           uniform(-0.9, 0.9), bound=lambda x, y, f: 3e-31 + 5e-32 * (abs(y * mpmath.log(x)) + abs(y)),
           note="grows with |y log x|"),
    Domain("sin", "[-10, 10]", mpmath.sin, uniform(-10, 10),
           bound=absolute(lambda x, y: 1e-31 + 3e-32 * abs(x)), note="zeros inside", show_abs=True),
    Domain("cos", "[-10, 10]", mpmath.cos, uniform(-10, 10),
           bound=absolute(lambda x, y: 1e-31 + 3e-32 * abs(x)), note="zeros inside", show_abs=True),
    Domain("sin", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.sin, log_uniform(1e-300, 1e-3, signed=True),
           bound=relative(1e-31)),
    Domain("cos", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.cos, log_uniform(1e-300, 1e-3, signed=True),
           bound=relative(1e-31)),
    Domain("sin", "10 <= |x| <= 1e15, log-uniform", mpmath.sin, log_uniform(10, 1e15, signed=True),
           bound=absolute(lambda x, y: 1e-31 + 3e-32 * abs(x)), note="zeros inside; error grows with |x|",
           show_abs=True),
    Domain("cos", "10 <= |x| <= 1e15, log-uniform", mpmath.cos, log_uniform(10, 1e15, signed=True),
           bound=absolute(lambda x, y: 1e-31 + 3e-32 * abs(x)), note="zeros inside; error grows with |x|",
           show_abs=True),
    Domain("sin", "1e15 <= |x| <= 9e18, log-uniform", mpmath.sin, log_uniform(1e15, 9e18, signed=True),
           bound=absolute(lambda x, y: 2e-13), note="zeros inside", show_abs=True),
    Domain("cos", "1e15 <= |x| <= 9e18, log-uniform", mpmath.cos, log_uniform(1e15, 9e18, signed=True),
           bound=absolute(lambda x, y: 2e-13), note="zeros inside", show_abs=True),
    Domain("sin", "9e18 < |x| <= DBL_MAX, log-uniform", mpmath.sin,
           log_uniform(math.nextafter(9e18, math.inf), DBL_MAX, signed=True),
           bound=absolute(lambda x, y: 2.0), note="reduced by the double nearest 2 pi: not accurate", show_abs=True),
    Domain("cos", "9e18 < |x| <= DBL_MAX, log-uniform", mpmath.cos,
           log_uniform(math.nextafter(9e18, math.inf), DBL_MAX, signed=True),
           bound=absolute(lambda x, y: 2.0), note="reduced by the double nearest 2 pi: not accurate", show_abs=True),
    Domain("tan", "[-1.5, 1.5]", mpmath.tan, uniform(-1.5, 1.5), bound=relative(5e-31)),
    Domain("tan", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.tan, log_uniform(1e-300, 1e-3, signed=True),
           bound=relative(1e-31)),
    Domain("tan", "1.5 <= |x| <= 1e3, log-uniform", mpmath.tan, log_uniform(1.5, 1e3, signed=True), bound=tan_bound,
           note="zeros and poles inside; grows with |x| and near them"),
    Domain("atan", "1e-300 <= |x| <= DBL_MAX, log-uniform", mpmath.atan, log_uniform(1e-300, DBL_MAX, signed=True),
           bound=relative(1e-31)),
    Domain("atan2", "y, x in [-10, 10]", mpmath.atan2, uniform(-10, 10), uniform(-10, 10),
           bound=relative(1e-31)),
    Domain("asin", "[-0.99, 0.99]", mpmath.asin, uniform(-0.99, 0.99), bound=relative(1e-31)),
    Domain("asin", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.asin, log_uniform(1e-300, 1e-3, signed=True),
           bound=relative(1e-31)),
    Domain("asin", "[0.99, 1)", mpmath.asin, uniform(0.99, math.nextafter(1.0, 0.0)),
           bound=lambda x, y, f: 1e-31 / (1 - abs(x)), note="grows as 1/(1 - |x|)"),
    Domain("acos", "[-0.99, 0.99]", mpmath.acos, uniform(-0.99, 0.99), bound=relative(4e-31)),
    Domain("acos", "[0.99, 1)", mpmath.acos, uniform(0.99, math.nextafter(1.0, 0.0)),
           bound=lambda x, y, f: 1e-31 / (1 - abs(x)), note="grows as 1/(1 - x)"),
    Domain("acos", "(-1, -0.99]", mpmath.acos, uniform(math.nextafter(-1.0, 0.0), -0.99),
           bound=lambda x, y, f: 3e-31 + 1e-31 / (1 - abs(x)), note="grows as 1/(1 + x)"),
    Domain("sinh", "1e-3 <= |x| <= 20", mpmath.sinh, uniform_magnitude(1e-3, 20), bound=hyperbolic_cancellation,
           note="cancellation towards 1e-3"),
    Domain("sinh", "20 <= |x| <= 709.78, log-uniform", mpmath.sinh, log_uniform(20, EXP_MAX, signed=True),
           bound=reduction, note="grows with |x|; taken at -x below -512"),
    Domain("sinh", "[-1e-4, 1e-4]", mpmath.sinh, uniform(-1e-4, 1e-4),
           bound=relative(3e-28), note="series: x^7/5040 omitted"),
    Domain("sinh", "1e-4 <= |x| <= 1e-3, log-uniform", mpmath.sinh, log_uniform(1e-4, 1e-3, signed=True),
           bound=lambda x, y, f: 5e-32 / abs(x), note="cancellation in e^x - e^-x"),
    Domain("cosh", "[-20, 20]", mpmath.cosh, uniform(-20, 20), bound=relative(1e-30)),
    Domain("cosh", "20 <= |x| <= 709.78, log-uniform", mpmath.cosh, log_uniform(20, EXP_MAX, signed=True),
           bound=reduction, note="grows with |x|; taken at -x below -512"),
    Domain("tanh", "1e-3 <= |x| <= 20", mpmath.tanh, uniform_magnitude(1e-3, 20), bound=hyperbolic_cancellation,
           note="cancellation towards 1e-3"),
    Domain("tanh", "20 <= |x| <= DBL_MAX, log-uniform", mpmath.tanh, log_uniform(20, DBL_MAX, signed=True),
           bound=relative(1e-31), note="+-1 beyond 709.78"),
    Domain("tanh", "[-1e-4, 1e-4]", mpmath.tanh, uniform(-1e-4, 1e-4),
           bound=relative(6e-26), note="series: 17 x^7/315 omitted"),
    Domain("tanh", "1e-4 <= |x| <= 1e-3, log-uniform", mpmath.tanh, log_uniform(1e-4, 1e-3, signed=True),
           bound=lambda x, y, f: 5e-32 / abs(x), note="cancellation in e^x - e^-x"),
    Domain("sqrt", "[5e-324, 1e-290] log-uniform", mpmath.sqrt, log_uniform(TINY, 1e-290), bound=relative(1e-31),
           note="scaled by 2^128 below 2^-968"),
    Domain("sqrt", "[1e-290, 1e300] log-uniform", mpmath.sqrt, log_uniform(1e-290, 1e300), bound=relative(1e-31)),
    Domain("sqrt", "[1e300, DBL_MAX] log-uniform", mpmath.sqrt, log_uniform(1e300, DBL_MAX), bound=relative(1e-31),
           note="scaled by 2^-128 from 2^1023 up"),
    Domain("floor", "[-1e6, 1e6]", mpmath.floor, uniform(-1e6, 1e6), bound=relative(0.0), note="exact"),
    Domain("floor", "1e6 <= |x| <= 1e300, log-uniform", mpmath.floor, log_uniform(1e6, 1e300, signed=True),
           bound=relative(0.0), note="exact"),
    Domain("ceil", "[-1e6, 1e6]", mpmath.ceil, uniform(-1e6, 1e6), bound=relative(0.0), note="exact"),
    Domain("ceil", "1e6 <= |x| <= 1e300, log-uniform", mpmath.ceil, log_uniform(1e6, 1e300, signed=True),
           bound=relative(0.0), note="exact"),
    Domain("trunc", "[-1e6, 1e6]", c_trunc, uniform(-1e6, 1e6), bound=relative(0.0), note="exact"),
    Domain("trunc", "1e6 <= |x| <= 1e300, log-uniform", c_trunc, log_uniform(1e6, 1e300, signed=True),
           bound=relative(0.0), note="exact"),
    Domain("round", "[-1e6, 1e6]", c_round, uniform(-1e6, 1e6), bound=relative(0.0), note="exact"),
    Domain("round", "1e6 <= |x| <= 1e300, log-uniform", c_round, log_uniform(1e6, 1e300, signed=True),
           bound=relative(0.0), note="exact"),
    Domain("fmod", "x in [-1e3, 1e3], y in [0.1, 10] log-uniform", c_fmod, uniform(-1e3, 1e3), log_uniform(0.1, 10),
           bound=absolute(lambda x, y: 1e-31 * abs(x)), note="error grows with |x|", show_abs=True),
]


# The functions of tarsel_libm.h and tarsel_erf_gamma.h all promise the same
# bound, 4 units of 2^-104 relative, over their whole domain, with an
# absolute form where relative error has no meaning (stated per row); the
# hard regions (near the zeros, far in the tails, near the poles) have rows
# of their own.  Results and arguments stay above 2^-968, where both parts
# of a double-double are normal; the rows below it are sweeps.
FOUR_UNITS = 4 * 2.0 ** -104
LN2 = math.log(2)


def c_sign_cbrt(x):
    return mpmath.sign(x) * mpmath.cbrt(abs(x))


def c_logaddexp(x, y):
    return mpmath.log(mpmath.exp(x) + mpmath.exp(y))


def c_logaddexp2(x, y):
    return mpmath.log(mpmath.power(2, x) + mpmath.power(2, y), 2)


def of_the_larger(unit_size):
    """The error measured against max(|x|, |y|, unit_size), not against the
    result: the form of logaddexp, whose result cancels where the larger
    argument is near -log 2 (or -1)."""
    return lambda x, y, f: max(abs(x), abs(y), unit_size)


FOUR = relative(FOUR_UNITS)
LIBM_DOMAINS = [
    Domain("expm1", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.expm1, log_uniform(1e-300, 1e-3, signed=True),
           bound=FOUR, note="zero at 0"),
    Domain("expm1", "[-1, 1]", mpmath.expm1, uniform(-1, 1), bound=FOUR),
    Domain("expm1", "[-745.13, 709.78]", mpmath.expm1, uniform(EXP_MIN, EXP_MAX), bound=FOUR),
    Domain("log1p", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.log1p, log_uniform(1e-300, 1e-3, signed=True),
           bound=FOUR, note="zero at 0"),
    Domain("log1p", "(-1, 1]", mpmath.log1p, uniform(math.nextafter(-1.0, 0.0), 1), bound=FOUR),
    Domain("log1p", "[1, DBL_MAX] log-uniform", mpmath.log1p, log_uniform(1, DBL_MAX), bound=FOUR),
    Domain("log2", "[0.5, 2]", lambda x: mpmath.log(x, 2), uniform(0.5, 2), bound=FOUR, note="zero at 1"),
    Domain("log2", "[5e-324, DBL_MAX] log-uniform", lambda x: mpmath.log(x, 2), log_uniform(TINY, DBL_MAX),
           bound=FOUR),
    Domain("log10", "[0.5, 2]", mpmath.log10, uniform(0.5, 2), bound=FOUR, note="zero at 1"),
    Domain("log10", "[5e-324, DBL_MAX] log-uniform", mpmath.log10, log_uniform(TINY, DBL_MAX), bound=FOUR),
    Domain("exp2", "[-1, 1]", lambda x: mpmath.power(2, x), uniform(-1, 1), bound=FOUR),
    Domain("exp2", "[-968, 1024)", lambda x: mpmath.power(2, x), uniform(-968, math.nextafter(1024.0, 0.0)),
           bound=FOUR),
    Domain("cbrt", "1e-290 <= |x| <= DBL_MAX, log-uniform", c_sign_cbrt, log_uniform(1e-290, DBL_MAX, signed=True),
           bound=FOUR),
    Domain("cbrt", "[5e-324, 1e-290] log-uniform", c_sign_cbrt, log_uniform(TINY, 1e-290), bound=FOUR),
    Domain("hypot", "x, y in [-10, 10]", mpmath.hypot, uniform(-10, 10), uniform(-10, 10), bound=FOUR),
    Domain("hypot", "x, y with 1e-140 <= |x|, |y| <= 1e140, log-uniform", mpmath.hypot,
           log_uniform(1e-140, 1e140, signed=True), log_uniform(1e-140, 1e140, signed=True), bound=FOUR),
    Domain("hypot", "x in [-1, 1], y in [-1e-15, 1e-15]", mpmath.hypot, uniform(-1, 1), uniform(-1e-15, 1e-15),
           bound=FOUR, note="y^2 near the last bits of x^2"),
    Domain("asinh", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.asinh, log_uniform(1e-300, 1e-3, signed=True),
           bound=FOUR, note="zero at 0"),
    Domain("asinh", "[-2, 2]", mpmath.asinh, uniform(-2, 2), bound=FOUR),
    Domain("asinh", "2 <= |x| <= DBL_MAX, log-uniform", mpmath.asinh, log_uniform(2, DBL_MAX, signed=True),
           bound=FOUR),
    Domain("acosh", "[1, 1.001]", mpmath.acosh, uniform(1, 1.001), bound=FOUR, note="zero at 1"),
    Domain("acosh", "[1.001, 3]", mpmath.acosh, uniform(1.001, 3), bound=FOUR),
    Domain("acosh", "[3, DBL_MAX] log-uniform", mpmath.acosh, log_uniform(3, DBL_MAX), bound=FOUR),
    Domain("atanh", "1e-300 <= |x| <= 1e-3, log-uniform", mpmath.atanh, log_uniform(1e-300, 1e-3, signed=True),
           bound=FOUR, note="zero at 0"),
    Domain("atanh", "[-0.99, 0.99]", mpmath.atanh, uniform(-0.99, 0.99), bound=FOUR),
    Domain("atanh", "0.99 <= |x| < 1", mpmath.atanh, uniform_magnitude(0.99, math.nextafter(1.0, 0.0)), bound=FOUR,
           note="poles at +-1"),
    Domain("deg2rad", "[-360, 360]", lambda x: x * mpmath.pi / 180, uniform(-360, 360), bound=FOUR),
    Domain("deg2rad", "1e-290 <= |x| <= 1e300, log-uniform", lambda x: x * mpmath.pi / 180,
           log_uniform(1e-290, 1e300, signed=True), bound=FOUR),
    Domain("rad2deg", "[-7, 7]", lambda x: x * 180 / mpmath.pi, uniform(-7, 7), bound=FOUR),
    Domain("rad2deg", "1e-290 <= |x| <= 1e300, log-uniform", lambda x: x * 180 / mpmath.pi,
           log_uniform(1e-290, 1e300, signed=True), bound=FOUR),
    Domain("logaddexp", "x, y in [-10, 10]", c_logaddexp, uniform(-10, 10), uniform(-10, 10),
           bound=FOUR, error_of=of_the_larger(LN2),
           note="error relative to max(|x|, |y|, ln 2)", show_abs=True),
    Domain("logaddexp", "x, y in [-700, 700]", c_logaddexp, uniform(-700, 700), uniform(-700, 700),
           bound=FOUR, error_of=of_the_larger(LN2),
           note="error relative to max(|x|, |y|, ln 2)", show_abs=True),
    Domain("logaddexp2", "x, y in [-10, 10]", c_logaddexp2, uniform(-10, 10), uniform(-10, 10),
           bound=FOUR, error_of=of_the_larger(1.0),
           note="error relative to max(|x|, |y|, 1)", show_abs=True),
    Domain("logaddexp2", "x, y in [-1000, 1000]", c_logaddexp2, uniform(-1000, 1000), uniform(-1000, 1000),
           bound=FOUR, error_of=of_the_larger(1.0),
           note="error relative to max(|x|, |y|, 1)", show_abs=True),
]
DOMAINS = DOMAINS + LIBM_DOMAINS


def near_poles(n_max, d_min, d_max):
    """-n + d for n in 1 .. n_max and |d| log-uniform in [d_min, d_max], either
    sign, held exactly: the pair is the two-sum of -n and d."""
    def pair(n, d):
        hi = -n + d
        return (hi, (-n - hi) + d)

    def draw(rng):
        n = rng.randint(1, n_max)
        d = math.exp(rng.uniform(math.log(d_min), math.log(d_max)))
        return pair(n, d if rng.random() < 0.5 else -d)
    # the edges are doubles, so they keep the largest distance d_max
    return Sampler(draw, lambda: [(-1 + d_max, 1.0), (-1 - d_max, -1.0), (-n_max + d_max, 1.0)])


def reflection_terms(x, y, f):
    """The sizes of the two terms of lgamma's reflection below -1/2,
    |log(pi / |sin pi x|)| + |log gamma(1 - x)|: lgamma's error is measured
    against their sum, since the terms cancel near its zeros."""
    return abs(mpmath.log(mpmath.pi / abs(mpmath.sinpi(x)))) + abs(mpmath.loggamma(1 - x))


def c_lgamma(x):
    return mpmath.log(abs(mpmath.gamma(x)))


ERFC_NORMAL = 25.8   # erfc is above 2^-968 below 25.829: both parts of the result normal
SPECIAL_DOMAINS = [
    Domain("erf", "1e-290 <= |x| <= 1e-3, log-uniform", mpmath.erf, log_uniform(1e-290, 1e-3, signed=True),
           bound=FOUR, note="zero at 0"),
    Domain("erf", "[-0.75, 0.75]", mpmath.erf, uniform(-0.75, 0.75), bound=FOUR),
    Domain("erf", "0.75 <= |x| <= 9", mpmath.erf, uniform_magnitude(0.75, 9), bound=FOUR),
    Domain("erfc", "[-0.25, 0.25]", mpmath.erfc, uniform(-0.25, 0.25), bound=FOUR),
    Domain("erfc", "[0.25, 6]", mpmath.erfc, uniform(0.25, 6), bound=FOUR),
    Domain("erfc", "[6, 25.8]", mpmath.erfc, uniform(6, ERFC_NORMAL), bound=FOUR, note="the tail"),
    Domain("erfc", "[-9, -0.25]", mpmath.erfc, uniform(-9, -0.25), bound=FOUR),
    Domain("gamma", "[0.5, 171.6]", mpmath.gamma, uniform(0.5, 171.6), bound=FOUR),
    Domain("gamma", "[0.7, 1.3]", mpmath.gamma, uniform(0.7, 1.3), bound=FOUR, note="around 1"),
    Domain("gamma", "[1.7, 2.3]", mpmath.gamma, uniform(1.7, 2.3), bound=FOUR, note="around 2"),
    Domain("gamma", "(-0.5, 0.5)", mpmath.gamma, uniform(-0.5, 0.5), bound=FOUR, note="pole at 0"),
    Domain("gamma", "[-159.99, -0.5]", mpmath.gamma, uniform(-159.99, -0.5), bound=FOUR, note="poles inside"),
    Domain("gamma", "-n + d, n = 1 .. 160, 1e-20 <= |d| <= 1e-5", mpmath.gamma, near_poles(160, 1e-20, 1e-5),
           bound=FOUR, note="next to the poles"),
    Domain("lgamma", "[0.5, 16]", c_lgamma, uniform(0.5, 16), bound=FOUR, note="zeros at 1 and 2"),
    Domain("lgamma", "[0.7, 1.3]", c_lgamma, uniform(0.7, 1.3), bound=FOUR, note="zero at 1"),
    Domain("lgamma", "[1.7, 2.3]", c_lgamma, uniform(1.7, 2.3), bound=FOUR, note="zero at 2"),
    Domain("lgamma", "(-0.5, 0.5)", c_lgamma, uniform(-0.5, 0.5), bound=FOUR, note="pole at 0"),
    Domain("lgamma", "[16, 2.5e305] log-uniform", c_lgamma, log_uniform(16, 2.5e305), bound=FOUR),
    Domain("lgamma", "[-169.99, -0.5]", c_lgamma, uniform(-169.99, -0.5), bound=FOUR, error_of=reflection_terms,
           note="error relative to the reflection's terms (zeros inside)"),
    Domain("lgamma", "-n + d, n = 1 .. 170, 1e-20 <= |d| <= 1e-4", c_lgamma, near_poles(170, 1e-20, 1e-4),
           bound=FOUR, error_of=reflection_terms, note="error relative to the reflection's terms"),
]
DOMAINS = DOMAINS + SPECIAL_DOMAINS

# The ends of the ranges where intermediate results meet the subnormals or
# overflow, for --sweep.
SWEEPS = [
    Domain("sinh", "[-709.78, -512]", mpmath.sinh, uniform(-EXP_MAX, -512), bound=reduction),
    Domain("cosh", "[-709.78, -512]", mpmath.cosh, uniform(-EXP_MAX, -512), bound=reduction),
    Domain("log", "[2^1000, DBL_MAX] log-uniform", mpmath.log, log_uniform(2.0 ** 1000, DBL_MAX), bound=relative(1e-31)),
    Domain("log", "[4.9e-324, 2^-1000] log-uniform", mpmath.log, log_uniform(TINY, 2.0 ** -1000), bound=relative(1e-31)),
    Domain("log", "[2^-1000, 1e-290] log-uniform", mpmath.log, log_uniform(2.0 ** -1000, 1e-290), bound=relative(1e-31)),
    Domain("sqrt", "[4.9e-324, 1e-290] log-uniform", mpmath.sqrt, log_uniform(TINY, 1e-290), bound=relative(1e-31)),
    Domain("exp2", "[-1075, -968]", lambda x: mpmath.power(2, x), uniform(-1075, -968),
           bound=lambda x, y, f: FOUR_UNITS + 4 * TINY / f, note="low part subnormal", show_abs=True),
    Domain("expm1", "[-40, -30]", mpmath.expm1, uniform(-40, -30), bound=FOUR),
    Domain("erf", "5e-324 <= |x| <= 1e-290, log-uniform", mpmath.erf, log_uniform(TINY, 1e-290, signed=True),
           bound=lambda x, y, f: FOUR_UNITS + 8 * TINY / abs(f), note="low part subnormal", show_abs=True),
    Domain("erfc", "[25.8, 27.3]", mpmath.erfc, uniform(ERFC_NORMAL, 27.3),
           bound=lambda x, y, f: FOUR_UNITS + 8 * TINY / f, note="low part subnormal", show_abs=True),
]
