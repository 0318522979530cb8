// docstrings.hpp -- the reference text of the classes, methods and module
// functions registered by the first steps (float128.cpp,
// complex128.cpp, functions.cpp), kept together so that help(tarsel)
// reads as one reference and the registrations stay one line each.  Each
// says what the name computes, its special values, and its accuracy where it
// is not exact; the accuracy figures are those of the README's Accuracy
// table.  The array functions' docstrings, named by the last column of
// src/engine/function_table.hpp, come last.
#ifndef TARSEL_DOCSTRINGS_HPP
#define TARSEL_DOCSTRINGS_HPP

namespace tarsel_binding {
namespace docs {

/* --- Float128 --- */

constexpr const char *float128_class =
    "A double-double real number: the unevaluated sum hi + lo of two IEEE doubles, about 32 significant "
    "digits (106 bits), computed with SSE2 binary64 steps in a fixed order, so every result is the same to "
    "the bit on every machine.\n\n"
    "Operands of + - * / and of the comparisons must be Float128: there is no implicit conversion and no "
    "reflected operator, so Float128(1.0) + 1.0 is a TypeError.  The in-place operators change the instance "
    "itself (a module constant gives a new instance instead).  Division by zero, overflow and domain errors "
    "give inf or NaN, never an exception.  Instances are unhashable.";

constexpr const char *float128_zero = "Zero: both parts +0.0.";
constexpr const char *float128_from_float =
    "hi = x, lo = 0.0, for a float, an int that fits a double, or anything with __float__ or __index__ "
    "(NumPy scalars included).  A Float128 is refused (there is no copy constructor), and so is an int too "
    "large for a double.";
constexpr const char *float128_from_text =
    "The value of decimal text given as a str, bytes or bytearray: optional blanks, a sign, digits with an "
    "optional point and exponent, or nan/inf in any case.  Reading stops at the first character that does "
    "not fit and never raises (text without digits gives zero).  The digits are accumulated in "
    "double-double arithmetic, which is not correctly rounded: the last bits can differ from the nearest "
    "pair, which Float128.from_decimal gives.";

constexpr const char *to_string =
    "The value as text with 32 significant digits, truncated (not rounded): plain from 1e-4 up to below "
    "1e15, otherwise one digit, a point and an exponent such as e+20; 'nan', 'inf', '-inf' by the high "
    "part.  The digits are not always those of the exact value (1e20 gives '0.99999...e+20'); format(x, "
    "fmt), x.hi and x.lo are exact.";
constexpr const char *float128_str = "The text of to_string().";
constexpr const char *float128_repr = "Float128('...') around the text of to_string().";

constexpr const char *float128_add =
    "x + y for two Float128.  Relative error near 2^-104 unless the operands nearly cancel, where the "
    "error grows; inf + -inf is NaN."
    "  Unlike C99 and NumPy, -0.0 + -0.0 is +0.0.";
constexpr const char *float128_sub =
    "x - y for two Float128.  Relative error near 2^-104 unless the operands nearly cancel, where the "
    "error grows."
    "  Unlike C99 and NumPy, -0.0 - 0.0 is +0.0.";
constexpr const char *float128_mul = "x * y for two Float128.  Relative error near 2^-104; overflow gives inf."
    "  Unlike C99 and NumPy, a zero product is +0.0 whatever the signs of the operands.";
constexpr const char *float128_truediv =
    "x / y for two Float128.  Relative error near 2^-104.  A zero divisor gives a signed inf (NaN for 0 / 0 "
    "and for a NaN operand), never ZeroDivisionError."
    "  Unlike C99 and NumPy, -0.0 / y is +0.0 for a positive y.";
constexpr const char *float128_in_place =
    "The in-place form of the operator: the result replaces the value of x, and x itself is returned, so "
    "every other name for x sees it.  On a module constant (tarsel.pi, e, sqrt2, ln2) a new instance is "
    "returned and the constant is unchanged.";

constexpr const char *float128_compare =
    "Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is "
    "NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.";
constexpr const char *float128_neg = "-x, a new Float128 (exact).";

/* --- Complex128 --- */

constexpr const char *complex128_class =
    "A complex number whose real and imaginary parts are double-double Float128 values.\n\n"
    "Wherever a Complex128 is expected, in a parameter or as the right operand of an operator, a Python "
    "complex, float or int is converted (so tarsel.sin(0.5) returns a Complex128); a Float128 is not.  "
    "There is no reflected operator and no comparison of its own: == is identity.  The in-place operators "
    "change the instance itself.";

constexpr const char *complex128_zero = "Zero: both parts zero.";
constexpr const char *complex128_from_floats =
    "From two numbers with a float value, each held as hi = value, lo = 0.0.";
constexpr const char *complex128_from_float128 = "From two Float128 parts, kept bit for bit.";
constexpr const char *complex128_from_complex = "From a Python complex (or a float or int): its two doubles.";

constexpr const char *complex128_real = "The real part as a new Float128.";
constexpr const char *complex128_imag = "The imaginary part as a new Float128.";
constexpr const char *complex128_text =
    "'re + imi' (or ' - ' for a negative imaginary part), each part with the 32 digits of "
    "Float128.to_string().";

constexpr const char *complex128_add = "z + w; w may be a Python complex, float or int.";
constexpr const char *complex128_sub = "z - w; w may be a Python complex, float or int.";
constexpr const char *complex128_mul =
    "z * w; w may be a Python complex, float or int.  Each part is a sum of double-double products.";
constexpr const char *complex128_truediv =
    "z / w; w may be a Python complex, float or int.  Division by zero gives infinities or NaN, never an "
    "exception.";
constexpr const char *complex128_in_place =
    "The in-place form of the operator: the result replaces the value of z, and z itself is returned.";

/* --- module functions of a Float128 --- */

constexpr const char *exp =
    "e**x.  NaN gives NaN; above 709.78 the result is inf and below -745.13 it is 0.  Relative error below "
    "4e-32 on [-1, 1], growing with |x| to about 1e-29 near 700; where the result is subnormal only its "
    "absolute error is small.";
constexpr const char *log =
    "The natural logarithm.  0 gives -inf, a negative x NaN, inf gives inf, NaN gives NaN.  Relative error "
    "below 3e-32 away from x = 1; near 1, where the result passes through zero, absolute error below "
    "4e-32.";
constexpr const char *pow =
    "x**y, computed as exp(y * log(x)), so an integer power is not exact either: relative error about 1e-32 "
    "times |y log x| (about 5e-30 for 10**300).  pow(x, 0) is 1 for every x, NaN included.  A zero x gives a "
    "zero or an infinity signed by whether y is an odd integer; a negative x needs an integral y (lo 0, "
    "|y| <= 9e18), else NaN."
    "  Unlike C99 and NumPy: a zero x with a NaN y gives +0.0 (C99: NaN); pow(+-1, +-inf) and pow(1, nan) "
    "are NaN (C99: 1); -inf with a y that is not an integer gives NaN, and a negative x with an infinite or "
    "huge y gives NaN (C99: +-0 or +-inf, 1 for -1, taking every |y| >= 2^53 as an even integer).";
constexpr const char *sin =
    "The sine of x in radians.  NaN and infinities give NaN.  Absolute error about 1e-31 for |x| <= 10, "
    "growing with |x| (about 1e-17 near 1e15); above 9e18 the argument is reduced by the double nearest 2 "
    "pi and the result is not accurate."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *cos =
    "The cosine of x in radians.  NaN and infinities give NaN.  Absolute error about 1e-31 for |x| <= 10, "
    "growing with |x| (about 1e-17 near 1e15); above 9e18 the argument is reduced by the double nearest 2 "
    "pi and the result is not accurate.";
constexpr const char *tan =
    "sin(x) / cos(x) from one evaluation of both.  NaN and infinities give NaN.  Relative error below 3e-31 "
    "on [-1.5, 1.5]."
    "  Unlike C99 and NumPy, -0.0 gives +0.0, and above 9e18, as for sin and cos, the result is not "
    "accurate.";
constexpr const char *sinh =
    "The hyperbolic sine.  A NaN comes back unchanged; beyond about +-710 the result is +-inf.  Relative "
    "error below 1e-29 for |x| >= 1e-3 and about 2e-28 below (a short series under 1e-4)."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *cosh =
    "The hyperbolic cosine.  A NaN comes back unchanged; beyond about +-710 the result is inf.  Relative "
    "error below 3e-31 on [-20, 20].";
constexpr const char *tanh =
    "The hyperbolic tangent.  A NaN comes back unchanged; large |x| gives +-1.  Relative error below 9e-30 "
    "for |x| >= 1e-3 and about 5e-26 below 1e-4 (a short series)."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *sqrt =
    "The square root.  A negative x gives NaN, a zero gives zero, inf gives inf.  Relative error below "
    "1e-31.";
constexpr const char *abs = "|x|, exact.  A zero high part gives +0.0 with |lo|; NaN comes back as it is.";
constexpr const char *floor =
    "The greatest integral value at or below x, as a Float128 (exact).  math.floor(x) gives the int."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *ceil =
    "The least integral value at or above x, as a Float128 (exact).  math.ceil(x) gives the int."
    "  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).";
constexpr const char *trunc = "x with its fraction removed, as a Float128 (exact).  math.trunc(x) gives the int."
    "  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).";
constexpr const char *round =
    "The nearest integral value as a Float128, halfway cases away from zero (2.5 gives 3), exact.  Python's "
    "round(x) instead gives an int, ties to even."
    "  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-0.5, 0) gives +0.0 (C99: -0.0).";
constexpr const char *fmod =
    "x - trunc(x / y) * y: the remainder with the sign of x.  NaN for a NaN operand or y = 0.  Its error "
    "grows with |x / y| (about 2e-29 absolute for |x| <= 1e3, |y| >= 0.1)."
    "  Unlike C99 and NumPy: an infinite y gives NaN (C99: x); a zero result is +0.0 (C99: the sign of x); "
    "for a quotient x / y above about 1e32 in magnitude the result is 0, a wrong value or, where x / y "
    "overflows, an infinity, instead of the exact remainder.";
constexpr const char *atan =
    "The arctangent, in [-pi/2, pi/2]; +-inf gives +-pi/2, NaN gives NaN.  Relative error below 4e-32."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *atan2 =
    "The angle of the point (x, y), in [-pi, pi]: y first, as math.atan2.  The signs of zeros decide on the "
    "axes ((+0, -0) gives pi); a NaN gives NaN.  Relative error below 6e-32."
    "  Unlike C99 and NumPy: two infinities give NaN (C99: an odd multiple of pi/4); y = -0.0 with a "
    "negative x gives +pi (C99: -pi); a zero angle is +0.0 unless both are zeros (C99: -0.0 for a negative "
    "y, as for (-0, 1) or (-1, inf)).";
constexpr const char *asin =
    "The arcsine, in [-pi/2, pi/2].  NaN outside [-1, 1] (also for a value just beyond +-1 by its low part) "
    "and for NaN.  Relative error below 1e-31, growing as 1 / (1 - |x|) towards +-1."
    "  Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *acos =
    "The arccosine, in [0, pi].  NaN outside [-1, 1] (also for a value just beyond +-1 by its low part) and "
    "for NaN.  Relative error below 4e-31 on [-0.99, 0.99].";
constexpr const char *isnan = "True when the high part is NaN (a NaN low part alone is not looked at).";
constexpr const char *isinf = "True when the high part is +inf or -inf.";

/* --- the rest of C's library and the parts of a value (registered after the array functions) --- */

constexpr const char *expm1 =
    "e**x - 1, without the cancellation of exp(x) - 1 near zero.\n"
    "expm1(+-0) = +-0, expm1(+inf) = +inf, expm1(-inf) = -1; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.88 unit.";
constexpr const char *log1p =
    "The natural logarithm of 1 + x, without rounding 1 + x first.\n"
    "log1p(+-0) = +-0, log1p(-1) = -inf, log1p(x) = NaN for x < -1, log1p(+inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.4 units.";
constexpr const char *log2 =
    "The base-2 logarithm.\n"
    "log2(+-0) = -inf, log2(1) = +0, log2(x) = NaN for x < 0, log2(+inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); powers of two give their exponent exactly; measured at most 1.3 units.";
constexpr const char *log10 =
    "The base-10 logarithm.\n"
    "log10(+-0) = -inf, log10(1) = +0, log10(x) = NaN for x < 0, log10(+inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); 10**0 to 10**22 give their exponent exactly; measured at most 1.3 units.";
constexpr const char *exp2 =
    "2**x.\n"
    "exp2(+-0) = 1, exp2(-inf) = +0, exp2(+inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31) while the result is at least 2**-968 (both parts normal); integers give exact powers of two; measured at most 0.35 unit.";
constexpr const char *cbrt =
    "The real cube root, negative for a negative x.\n"
    "cbrt(+-0) = +-0, cbrt(+-inf) = +-inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.31 unit.";
constexpr const char *hypot =
    "sqrt(x**2 + y**2), without overflow or underflow in the squares.\n"
    "hypot(+-inf, y) = +inf for every y, NaN included, and so in either order; hypot(x, +-0) = |x|; "
    "otherwise a NaN operand gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.84 unit.";
constexpr const char *asinh =
    "The inverse hyperbolic sine.\n"
    "asinh(+-0) = +-0, asinh(+-inf) = +-inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.4 units.";
constexpr const char *acosh =
    "The inverse hyperbolic cosine, in [0, inf].\n"
    "acosh(1) = +0, acosh(x) = NaN for x < 1, acosh(+inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.5 units.";
constexpr const char *atanh =
    "The inverse hyperbolic tangent.\n"
    "atanh(+-0) = +-0, atanh(+-1) = +-inf, atanh(x) = NaN for |x| > 1; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.5 units.";
constexpr const char *erf =
    "The error function: 2 / sqrt(pi) times the integral of exp(-t**2) from 0 to x.\n"
    "erf(+-0) = +-0, erf(+-inf) = +-1; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31) while the result is at least 2**-968, 8 * 2**-1074 absolute below; measured at most 1.2 units.";
constexpr const char *erfc =
    "The complementary error function 1 - erf(x), without that cancellation for large x.\n"
    "erfc(-inf) = 2, erfc(+inf) = +0; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31) down to results of 2**-968 (x about 25.83), 8 * 2**-1074 absolute beyond; measured at most 1.3 units.";
constexpr const char *gamma =
    "The gamma function (C's tgamma, Python's math.gamma).\n"
    "gamma(+-0) = +-inf, gamma(x) = NaN for a negative integer x, gamma(-inf) = NaN, gamma(+inf) = +inf; "
    "NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31) wherever the result is at least 2**-968, next to the poles included; measured at most 2.0 units.";
constexpr const char *lgamma =
    "The natural logarithm of |gamma(x)|.\n"
    "lgamma(1) = lgamma(2) = +0, lgamma(x) = +inf for an integer x <= 0, lgamma(+-inf) = +inf; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31) for x > -1/2; below, 4 units of the sizes of the reflection's two terms (an absolute bound near the zeros -2.457..., -2.747..., ...); measured at most 0.94 unit.";
constexpr const char *deg2rad =
    "x degrees in radians: x pi / 180 (NumPy's deg2rad and radians).\n"
    "+-0 and +-inf keep their signs; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.84 unit.";
constexpr const char *rad2deg =
    "x radians in degrees: x 180 / pi (NumPy's rad2deg and degrees).\n"
    "+-0 and +-inf keep their signs; NaN gives NaN.\n"
    "Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.76 unit.";
constexpr const char *logaddexp =
    "log(exp(x) + exp(y)), without overflow or underflow in the exponentials (NumPy's logaddexp).\n"
    "logaddexp(-inf, -inf) = -inf; logaddexp(+inf, y) = +inf for every y but NaN, and so in either order; "
    "a NaN operand gives NaN.\n"
    "Error below 4 units of 2**-104 of max(|x|, |y|, ln 2), the size of the terms that cancel where the result is near 0; measured at most 0.78 unit.";
constexpr const char *logaddexp2 =
    "log2(2**x + 2**y), without overflow or underflow in the powers (NumPy's logaddexp2).\n"
    "logaddexp2(-inf, -inf) = -inf; logaddexp2(+inf, y) = +inf for every y but NaN, and so in either order; "
    "a NaN operand gives NaN.\n"
    "Error below 4 units of 2**-104 of max(|x|, |y|, 1); measured at most 0.71 unit.";
constexpr const char *ldexp =
    "x * 2**n, both parts scaled: exact unless a part falls among the subnormals (it is then rounded once) or "
    "the result overflows (+-inf, never OverflowError as math.ldexp raises).\n"
    "A zero, infinite or NaN x comes back unchanged.  n is an int or any object with __index__; beyond a C "
    "int it is clamped to the C int range, which changes no result: a finite nonzero x overflows from n = "
    "2200 on and vanishes below n = -2200.";
constexpr const char *frexp =
    "(m, e) with x = m * 2**e, 0.5 <= |m| < 1 and e an int, as math.frexp; exact unless the low part of m "
    "falls below 2**-1022.  |m| is judged by the value hi + lo: below a power of two the high part of m is "
    "+-1.0 with a low part of the other sign.\n"
    "frexp(+-0) = (+-0, 0); +-inf and NaN give (x, 0).";
constexpr const char *modf =
    "(fractional part, integral part) of x, both exact and with the sign of x, as math.modf: modf(-3.5) = "
    "(-0.5, -3.0), modf(-3.0) = (-0.0, -3.0).\n"
    "modf(+-0) = (+-0, +-0), modf(+-inf) = (+-0, +-inf); NaN gives (NaN, NaN).";
constexpr const char *nextafter =
    "The next double-double after x towards y on the grid of 106 significant bits: x + spacing(x) away from "
    "zero, and from a power of two towards zero the step of the binade below, so that nextafter(nextafter(x, "
    "y), x) is x again; a low part with bits below the grid goes to the nearest grid point towards y.  Exact."
    "\n"
    "y when x == y (so nextafter(0.0, -0.0) = -0.0); NaN when either is NaN; +-2**-1074 towards y from +-0; "
    "+-1.7976931348623157e308 from +-inf towards a finite y; +-inf past the largest finite value; a zero "
    "result has the sign of x.";
constexpr const char *spacing =
    "The step from x to the next double-double away from zero, with the sign of x: 2**(E - 105) for 2**E <= "
    "|x| < 2**(E + 1), judged by the value hi + lo, and never below 2**-1074 (so spacing(1) = 2**-105).  "
    "Exact.\n"
    "spacing(+-0) = +-2**-1074; +-inf and NaN give NaN, as NumPy's spacing.";

/* --- module functions of a Complex128 --- */

constexpr const char *complex_sin =
    "The complex sine: sin(a) cosh(b) + i cos(a) sinh(b) for z = a + bi.  A Python complex, float or int "
    "argument takes this overload.";
constexpr const char *complex_cos =
    "The complex cosine: cos(a) cosh(b) - i sin(a) sinh(b) for z = a + bi.  A Python complex, float or int "
    "argument takes this overload.";
constexpr const char *complex_tan =
    "The complex tangent sin(z) / cos(z); exactly +-i when |Im z| > 709.78 and Re z is finite.  A Python "
    "complex, float or int argument takes this overload.";
constexpr const char *complex_sinh =
    "The complex hyperbolic sine: sinh(a) cos(b) + i cosh(a) sin(b) for z = a + bi.  A Python complex, "
    "float or int argument takes this overload.";
constexpr const char *complex_cosh =
    "The complex hyperbolic cosine: cosh(a) cos(b) + i sinh(a) sin(b) for z = a + bi.  A Python complex, "
    "float or int argument takes this overload.";
constexpr const char *complex_tanh =
    "The complex hyperbolic tangent sinh(z) / cosh(z); exactly +-1 when |Re z| > 709.78 and Im z is "
    "finite.  A Python complex, float or int argument takes this overload.";
constexpr const char *complex_log10 =
    "The complex base-10 logarithm log(z) / ln 10, principal value (imaginary part in [-pi, pi] / ln 10, "
    "cut along the negative real axis, a -0.0 imaginary part on its lower side).  An infinite or NaN "
    "part gives NaN in both parts.  A Python complex, float or int argument takes this overload.";
constexpr const char *complex_asinh =
    "The complex inverse hyperbolic sine, principal value (cuts along the imaginary axis beyond +-i).  "
    "An infinite or NaN part gives NaN in both parts.  A Python complex, float or int argument takes "
    "this overload.";
constexpr const char *complex_acosh =
    "The complex inverse hyperbolic cosine log(z + sqrt(z + 1) sqrt(z - 1)), principal value (real "
    "part >= 0, cut along the real axis below 1).  An infinite or NaN part gives NaN in both parts.  A "
    "Python complex, float or int argument takes this overload.";
constexpr const char *complex_atanh =
    "The complex inverse hyperbolic tangent (log(1 + z) - log(1 - z)) / 2, principal value (cuts along "
    "the real axis beyond +-1).  An infinite or NaN part gives NaN in both parts.  A Python complex, "
    "float or int argument takes this overload.";
constexpr const char *complex_abs =
    "The modulus |z| as a Float128.  A Python complex, float or int argument takes this overload, so "
    "tarsel.abs(-2.0) is Float128 2.";
constexpr const char *abs_sqr = "|z|**2 = re**2 + im**2 as a Float128, without a square root.";

/* --- the array functions (python/arrays.cpp) --- */

constexpr const char *add_arrays = "element-wise addition of (N, 2) arrays";
constexpr const char *sub_arrays = "element-wise subtraction of (N, 2) arrays";
constexpr const char *mul_arrays = "element-wise multiplication of (N, 2) arrays";
constexpr const char *div_arrays = "element-wise division of (N, 2) arrays";
constexpr const char *pow_arrays =
    "element-wise pow of (N, 2) arrays\n\n"
    "Row i is tarsel.pow(a[i], b[i]), a[i] to the power b[i]: 1 for a zero exponent (even for a NaN\n"
    "base); for a zero base +inf or +0 by the sign of the exponent, -inf or -0 for a base of -0 and\n"
    "an odd integral exponent; for a negative base (-1)^b |a|^b when b is an integer, else NaN.\n"
    "Unlike C99 and NumPy (x = a[i], y = b[i]): a zero x with a NaN y gives +0.0; pow(+-1, +-inf)\n"
    "and pow(1, nan) are NaN; -inf with a y that is not an integer gives NaN, and a negative x with\n"
    "an infinite or huge y gives NaN (an integral exponent needs |b| <= 9e18).";
constexpr const char *atan2_arrays =
    "element-wise atan2 of (N, 2) arrays\n\n"
    "Row i is tarsel.atan2(a[i], b[i]), the angle of the point (x, y) = (b[i], a[i]): NaN if either\n"
    "high part is NaN; both zero gives +-0 or +-pi by the signs of the zero high parts; a zero\n"
    "high part of x otherwise gives +-pi/2 by the sign of y.\n"
    "Unlike C99 and NumPy: two infinities give NaN; y = -0.0 with a negative x gives +pi; a zero\n"
    "angle is +0.0 unless both are zeros.";
constexpr const char *fmod_arrays =
    "element-wise fmod of (N, 2) arrays\n\n"
    "Row i is tarsel.fmod(a[i], b[i]) = a[i] - trunc(a[i] / b[i]) b[i]: NaN for a zero or infinite\n"
    "divisor, an infinite dividend and NaN.\n"
    "Unlike C99 and NumPy (x = a[i], y = b[i]): an infinite y gives NaN (C99: x); a zero result is\n"
    "+0.0; for a quotient x / y above about 1e32 in magnitude the result is 0, a wrong value or an\n"
    "infinity.";
constexpr const char *sin_arrays = "element-wise sin of (N, 2) arrays";
constexpr const char *cos_arrays = "element-wise cos of (N, 2) arrays";
constexpr const char *exp_arrays = "element-wise exp of (N, 2) arrays";
constexpr const char *log_arrays = "element-wise log of (N, 2) arrays";
constexpr const char *sqrt_arrays =
    "element-wise sqrt of (N, 2) arrays\n\n"
    "Each row as tarsel.sqrt gives it: NaN for a negative value (a high part below zero, or a zero\n"
    "high part with a negative low part); a zero row, a NaN row and +inf come back unchanged.";
constexpr const char *tan_arrays =
    "element-wise tan of (N, 2) arrays\n\n"
    "Each row as tarsel.tan gives it: NaN for NaN and infinities; beyond 9e18 the high part alone\n"
    "is reduced, as for sin and cos, and the result is no longer accurate.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0, and above 9e18 the result is not accurate.";
constexpr const char *atan_arrays =
    "element-wise atan of (N, 2) arrays\n\n"
    "Each row as tarsel.atan gives it: NaN for NaN, +-pi/2 for +-inf.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *asin_arrays =
    "element-wise asin of (N, 2) arrays\n\n"
    "Each row as tarsel.asin gives it: NaN outside [-1, 1] and for NaN, +-pi/2 at +-1.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *acos_arrays =
    "element-wise acos of (N, 2) arrays\n\n"
    "Each row as tarsel.acos gives it: NaN outside [-1, 1] and for NaN, 0 at 1, pi at -1, pi/2 at 0.";
constexpr const char *sinh_arrays =
    "element-wise sinh of (N, 2) arrays\n\n"
    "Each row as tarsel.sinh gives it: NaN and infinite rows come back unchanged; beyond about\n"
    "+-710 the result overflows to the signed infinity.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *cosh_arrays =
    "element-wise cosh of (N, 2) arrays\n\n"
    "Each row as tarsel.cosh gives it: a NaN row comes back unchanged, +-inf gives +inf, and beyond\n"
    "about +-710 the result overflows to +inf.";
constexpr const char *tanh_arrays =
    "element-wise tanh of (N, 2) arrays\n\n"
    "Each row as tarsel.tanh gives it: a NaN row comes back unchanged; beyond +-709.78 (infinities\n"
    "included) the result is exactly +-1.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *abs_arrays =
    "element-wise abs of (N, 2) arrays\n\n"
    "Each row as tarsel.abs gives it: a negative high part negates both parts, a zero high part of\n"
    "either sign gives +0.0 with the magnitude of the low part, and a NaN row comes back unchanged.";
constexpr const char *floor_arrays =
    "element-wise floor of (N, 2) arrays\n\n"
    "Each row as tarsel.floor gives it, exact: an infinite high part gives that infinity with a\n"
    "zero low part, NaN gives NaN.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0.";
constexpr const char *ceil_arrays =
    "element-wise ceil of (N, 2) arrays\n\n"
    "Each row as tarsel.ceil gives it, exact: an infinite high part gives that infinity with a\n"
    "zero low part, NaN gives NaN.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).";
constexpr const char *trunc_arrays =
    "element-wise trunc of (N, 2) arrays\n\n"
    "Each row as tarsel.trunc gives it, exact: an infinite high part gives that infinity with a\n"
    "zero low part, NaN gives NaN.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).";
constexpr const char *round_arrays =
    "element-wise round of (N, 2) arrays\n\n"
    "Each row as tarsel.round gives it, exact, halfway cases away from zero: an infinite high part\n"
    "gives that infinity with a zero low part, NaN gives NaN.\n"
    "Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-0.5, 0) gives +0.0 (C99: -0.0).";
constexpr const char *neg_arrays =
    "element-wise negation of (N, 2) arrays\n\n"
    "Each row as unary minus on a Float128 gives it: the sign bits of both parts flipped, NaNs and\n"
    "zeros included.";

constexpr const char *hypot_arrays =
    "element-wise hypot of (N, 2) arrays\n\n"
    "Row i is tarsel.hypot(a[i], b[i]), bit for bit, with the special values of its docstring.";
constexpr const char *logaddexp_arrays =
    "element-wise logaddexp of (N, 2) arrays\n\n"
    "Row i is tarsel.logaddexp(a[i], b[i]), bit for bit, with the special values of its docstring.";
constexpr const char *logaddexp2_arrays =
    "element-wise logaddexp2 of (N, 2) arrays\n\n"
    "Row i is tarsel.logaddexp2(a[i], b[i]), bit for bit, with the special values of its docstring.";
constexpr const char *nextafter_arrays =
    "element-wise nextafter of (N, 2) arrays\n\n"
    "Row i is tarsel.nextafter(a[i], b[i]), bit for bit, with the special values of its docstring.";
constexpr const char *expm1_arrays =
    "element-wise expm1 of (N, 2) arrays\n\n"
    "Each row as tarsel.expm1 gives it, bit for bit, with the special values of its docstring.";
constexpr const char *log1p_arrays =
    "element-wise log1p of (N, 2) arrays\n\n"
    "Each row as tarsel.log1p gives it, bit for bit, with the special values of its docstring.";
constexpr const char *log2_arrays =
    "element-wise log2 of (N, 2) arrays\n\n"
    "Each row as tarsel.log2 gives it, bit for bit, with the special values of its docstring.";
constexpr const char *log10_arrays =
    "element-wise log10 of (N, 2) arrays\n\n"
    "Each row as tarsel.log10 gives it, bit for bit, with the special values of its docstring.";
constexpr const char *exp2_arrays =
    "element-wise exp2 of (N, 2) arrays\n\n"
    "Each row as tarsel.exp2 gives it, bit for bit, with the special values of its docstring.";
constexpr const char *cbrt_arrays =
    "element-wise cbrt of (N, 2) arrays\n\n"
    "Each row as tarsel.cbrt gives it, bit for bit, with the special values of its docstring.";
constexpr const char *asinh_arrays =
    "element-wise asinh of (N, 2) arrays\n\n"
    "Each row as tarsel.asinh gives it, bit for bit, with the special values of its docstring.";
constexpr const char *acosh_arrays =
    "element-wise acosh of (N, 2) arrays\n\n"
    "Each row as tarsel.acosh gives it, bit for bit, with the special values of its docstring.";
constexpr const char *atanh_arrays =
    "element-wise atanh of (N, 2) arrays\n\n"
    "Each row as tarsel.atanh gives it, bit for bit, with the special values of its docstring.";
constexpr const char *erf_arrays =
    "element-wise erf of (N, 2) arrays\n\n"
    "Each row as tarsel.erf gives it, bit for bit, with the special values of its docstring.";
constexpr const char *erfc_arrays =
    "element-wise erfc of (N, 2) arrays\n\n"
    "Each row as tarsel.erfc gives it, bit for bit, with the special values of its docstring.";
constexpr const char *gamma_arrays =
    "element-wise gamma of (N, 2) arrays\n\n"
    "Each row as tarsel.gamma gives it, bit for bit, with the special values of its docstring.";
constexpr const char *lgamma_arrays =
    "element-wise lgamma of (N, 2) arrays\n\n"
    "Each row as tarsel.lgamma gives it, bit for bit, with the special values of its docstring.";
constexpr const char *deg2rad_arrays =
    "element-wise deg2rad of (N, 2) arrays\n\n"
    "Each row as tarsel.deg2rad gives it, bit for bit, with the special values of its docstring.";
constexpr const char *rad2deg_arrays =
    "element-wise rad2deg of (N, 2) arrays\n\n"
    "Each row as tarsel.rad2deg gives it, bit for bit, with the special values of its docstring.";
constexpr const char *spacing_arrays =
    "element-wise spacing of (N, 2) arrays\n\n"
    "Each row as tarsel.spacing gives it, bit for bit, with the special values of its docstring.";

} // namespace docs
} // namespace tarsel_binding

#endif // TARSEL_DOCSTRINGS_HPP
