"""
tarsel: 128-bit double-double arithmetic module
"""
from __future__ import annotations
import collections.abc
import numpy
import numpy.typing
import types
import typing
import typing_extensions
__all__: list[str] = ['Accumulator', 'Complex128', 'Float128', 'Float128DType', 'abs', 'abs_arrays', 'abs_sqr', 'acos', 'acos_arrays', 'acosh', 'acosh_arrays', 'add_arrays', 'as_rows', 'asin', 'asin_arrays', 'asinh', 'asinh_arrays', 'atan', 'atan2', 'atan2_arrays', 'atan_arrays', 'atanh', 'atanh_arrays', 'cbrt', 'cbrt_arrays', 'ceil', 'ceil_arrays', 'cos', 'cos_arrays', 'cosh', 'cosh_arrays', 'deg2rad', 'deg2rad_arrays', 'div_arrays', 'dot_arrays', 'e', 'erf', 'erf_arrays', 'erfc', 'erfc_arrays', 'exp', 'exp2', 'exp2_arrays', 'exp_arrays', 'expm1', 'expm1_arrays', 'fdot', 'finfo', 'float128', 'floor', 'floor_arrays', 'fmod', 'fmod_arrays', 'frexp', 'from_rows', 'from_rows_view', 'fsum', 'gamma', 'gamma_arrays', 'hypot', 'hypot_arrays', 'isfinite', 'isinf', 'isnan', 'ldexp', 'lgamma', 'lgamma_arrays', 'ln2', 'log', 'log10', 'log10_arrays', 'log1p', 'log1p_arrays', 'log2', 'log2_arrays', 'log_arrays', 'logaddexp', 'logaddexp2', 'logaddexp2_arrays', 'logaddexp_arrays', 'modf', 'mul_arrays', 'neg_arrays', 'nextafter', 'nextafter_arrays', 'num_threads', 'pi', 'pow', 'pow_arrays', 'printoptions', 'rad2deg', 'rad2deg_arrays', 'round', 'round_arrays', 'simd_level', 'sin', 'sin_arrays', 'sinh', 'sinh_arrays', 'spacing', 'spacing_arrays', 'sqrt', 'sqrt2', 'sqrt_arrays', 'sub_arrays', 'sum_arrays', 'tan', 'tan_arrays', 'tanh', 'tanh_arrays', 'to_rows', 'trunc', 'trunc_arrays']
class Complex128:
    """
    A complex number whose real and imaginary parts are double-double Float128 values.
    
    Wherever a Complex128 is expected, in a parameter or as the right operand of an operator, a Python complex, float or int is converted (so tarsel.sin(0.5) returns a Complex128); a Float128 is not.  There is no reflected operator and no comparison of its own: == is identity.  The in-place operators change the instance itself.
    """
    def __add__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        z + w; w may be a Python complex, float or int.
        """
    def __format__(self, format_spec: str) -> str:
        """
        Format both parts like Python's complex.
        
        Each part as Float128.__format__ formats it (types e E f F g G and none);
        with the none type the text is parenthesised, or only the imaginary part
        when the real part is +0.  The imaginary part always shows its sign and
        ends in "j".  An empty format gives str(z).  Zero padding and '=' alignment
        raise ValueError, as for complex.
        """
    def __iadd__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        The in-place form of the operator: the result replaces the value of z, and z itself is returned.
        """
    def __imul__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        The in-place form of the operator: the result replaces the value of z, and z itself is returned.
        """
    @typing.overload
    def __init__(self) -> None:
        """
        Zero: both parts zero.
        """
    @typing.overload
    def __init__(self, real: typing.SupportsFloat | typing.SupportsIndex, imag: typing.SupportsFloat | typing.SupportsIndex = 0.0) -> None:
        """
        From two numbers with a float value, each held as hi = value, lo = 0.0.
        """
    @typing.overload
    def __init__(self, real: Float128, imag: Float128 = ...) -> None:
        """
        From two Float128 parts, kept bit for bit.
        """
    @typing.overload
    def __init__(self, z: complex | typing.SupportsComplex | typing.SupportsFloat | typing.SupportsIndex) -> None:
        """
        From a Python complex (or a float or int): its two doubles.
        """
    def __isub__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        The in-place form of the operator: the result replaces the value of z, and z itself is returned.
        """
    def __itruediv__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        The in-place form of the operator: the result replaces the value of z, and z itself is returned.
        """
    def __mul__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        z * w; w may be a Python complex, float or int.  Each part is a sum of double-double products.
        """
    def __reduce__(self) -> tuple:
        """
        Pickle support: (class, (), (real hi, real lo, imag hi, imag lo)).  pickle (every protocol from 2), copy.copy and copy.deepcopy keep every bit.
        """
    def __repr__(self) -> str:
        """
        're + imi' (or ' - ' for a negative imaginary part), each part with the 32 digits of Float128.to_string().
        """
    def __setstate__(self, state: tuple[float, float, float, float]) -> None:
        """
        Pickle support: sets the value to the doubles (real hi, real lo, imag hi, imag lo) of the tuple state, bit for bit.
        """
    def __str__(self) -> str:
        """
        're + imi' (or ' - ' for a negative imaginary part), each part with the 32 digits of Float128.to_string().
        """
    def __sub__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        z - w; w may be a Python complex, float or int.
        """
    def __truediv__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        """
        z / w; w may be a Python complex, float or int.  Division by zero gives infinities or NaN, never an exception.
        """
    def imag(self) -> Float128:
        """
        The imaginary part as a new Float128.
        """
    def real(self) -> Float128:
        """
        The real part as a new Float128.
        """
    def to_string(self) -> str:
        """
        're + imi' (or ' - ' for a negative imaginary part), each part with the 32 digits of Float128.to_string().
        """
class Accumulator:
    """
    an exact running sum of floats, arrays and products, rounded once by value()
    """
    __hash__: typing.ClassVar[None] = None
    def __eq__(self, arg0: Accumulator) -> bool:
        ...
    @typing.overload
    def __init__(self) -> None:
        """
        an empty accumulator, whose value is +0.0
        """
    @typing.overload
    def __init__(self, state: bytes) -> None:
        """
        the accumulator whose exact state the bytes `state` hold, as written by pickling (by this release or an earlier one); ValueError for any other bytes
        """
    def __reduce__(self) -> tuple[type, tuple[bytes]]:
        ...
    def __repr__(self) -> str:
        ...
    @typing.overload
    def add(self, x: Float128) -> None:
        """
        add both parts of a Float128
        """
    @typing.overload
    def add(self, x: typing.SupportsFloat | typing.SupportsIndex) -> None:
        """
        add one float
        """
    @typing.overload
    def add(self, x: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> None:
        """
        add the elements of a one-dimensional array or both parts of every row of an (N, 2) array
        """
    def add_products(self, x: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], y: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> None:
        """
        add the exact products of two one-dimensional or two (N, 2) arrays
        """
    def copy(self) -> Accumulator:
        """
        a new Accumulator with the same exact state
        """
    def merge(self, other: Accumulator) -> None:
        """
        add everything another Accumulator holds
        """
    def value(self) -> Float128:
        """
        the exact sum rounded once to a Float128
        """
class Float128DType(numpy.dtype):
    """
    The NumPy dtype of Float128 values: 16-byte elements, hi then lo.
    """
    @staticmethod
    def __new__(type, *args, **kwargs):
        """
        Create and return a new object.  See help(type) for accurate signature.
        """
    @staticmethod
    def __reduce__(*args, **kwargs):
        """
        Pickled as tarsel.Float128DType().
        """
    def __repr__(self):
        """
        Return repr(self).
        """
    def __str__(self):
        """
        Return str(self).
        """
class Float128:
    """
    A double-double real number: the unevaluated sum hi + lo of two IEEE doubles, about 32 significant digits (106 bits), computed with SSE2 binary64 steps in a fixed order, so every result is the same to the bit on every machine.
    
    Operands of + - * / and of the comparisons must be Float128: there is no implicit conversion and no reflected operator, so Float128(1.0) + 1.0 is a TypeError.  The in-place operators change the instance itself (a module constant gives a new instance instead).  Division by zero, overflow and domain errors give inf or NaN, never an exception.  Instances are unhashable.
    """
    __hash__: typing.ClassVar[None] = None
    __associated_array_dtype__ = Float128DType
    @staticmethod
    def from_bytes(data: typing_extensions.Buffer) -> Float128:
        """
        The Float128 held in a 16-byte record (see to_bytes): any bytes-like object of exactly 16 bytes, read bit for bit and not renormalised.  Raises ValueError naming the length for any other length and TypeError for an object that is not bytes-like.
        """
    @staticmethod
    def from_decimal(text: str | bytes | bytearray) -> Float128:
        """
        The correctly rounded value of decimal text.
        
        text is a str, bytes or bytearray in the grammar of float(): surrounding
        whitespace, a sign, digits with single underscores between them (any
        script's decimal digits in a str), an optional point and exponent, or
        "inf", "infinity", "nan" in any case.  hi is the double nearest the decimal
        value D and lo the double nearest D - hi, ties to even: hi + lo is D to
        within half an ulp of lo.  Special words give lo = +0.0, and so does a D
        that rounds to infinity or a remainder of exactly zero.  Raises ValueError
        for any other text, unlike Float128(text), which never raises and rounds at
        every step.
        """
    @staticmethod
    def from_parts(hi: typing.SupportsFloat | typing.SupportsIndex, lo: typing.SupportsFloat | typing.SupportsIndex) -> Float128:
        """
        A Float128 holding the pair (hi, lo) unchanged, as the 16-byte record does: the pair is not renormalised, so from_parts(x.hi, x.lo) restores every bit of x, NaN payloads and signed zeros included.  Each argument converts like the argument of Float128(x): a float, an int that fits a double, or anything with __float__ or __index__.  The arithmetic is exact to its documented bounds for normalised pairs (|lo| <= ulp(hi) / 2).
        """
    @staticmethod
    def from_rational(q: typing.Any) -> Float128:
        """
        The correctly rounded value of an exact number.
        
        q is an int, a fractions.Fraction (any numbers.Rational) or a
        decimal.Decimal of any size, rounded like from_decimal: hi the double
        nearest q, lo the double nearest q - hi, so from_rational(2**100 + 1) is
        exactly hi = 2**100, lo = 1.0.  A float is held exactly (lo = 0.0,
        infinities and NaN included); a Decimal NaN or infinity gives the same
        special value, a signalling NaN raises ValueError.  Values far out of
        range give infinity or zero at once.  Raises TypeError for other types.
        """
    def __abs__(self) -> Float128:
        """
        abs(x): the same as tarsel.abs(x), a new Float128 with the sign of the value removed (exact).
        """
    def __add__(self, arg0: Float128) -> Float128:
        """
        x + y for two Float128.  Relative error near 2^-104 unless the operands nearly cancel, where the error grows; inf + -inf is NaN.  Unlike C99 and NumPy, -0.0 + -0.0 is +0.0.
        """
    def __bool__(self) -> bool:
        """
        False exactly when x == Float128(0.0), that is when both parts are zeros of either sign; NaN is true, as for float.
        """
    def __ceil__(self) -> int:
        """
        math.ceil(x): the least int at or above the exact sum hi + lo, of any size.  OverflowError for an infinity, ValueError for NaN.
        """
    def __eq__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __floor__(self) -> int:
        """
        math.floor(x): the greatest int at or below the exact sum hi + lo, of any size.  OverflowError for an infinity, ValueError for NaN.
        """
    def __format__(self, format_spec: str) -> str:
        """
        Format the value by the format mini-language of float.
        
        [[fill]align][sign]["z"]["#"]["0"][width][grouping]["." precision][type]
        with the types e E f F g G % and none.  The digits are those of the exact
        value hi + lo rounded half to even at any precision ('%' multiplies by 100
        exactly first).  An empty format gives str(x), the fixed 32-digit text.  The
        none type gives, without a precision, the shortest text that from_decimal
        reads back to the same pair (exactly so for a pair in normal form: hi the
        double nearest hi + lo, lo finite and not -0.0), in float's repr layout;
        with a precision it is 'g' that keeps a ".0".  An invalid format raises
        ValueError with float's messages.
        """
    def __ge__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __gt__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __iadd__(self, arg0: Float128) -> Float128:
        """
        The in-place form of the operator: the result replaces the value of x, and x itself is returned, so every other name for x sees it.  On a module constant (tarsel.pi, e, sqrt2, ln2) a new instance is returned and the constant is unchanged.
        """
    def __imul__(self, arg0: Float128) -> Float128:
        """
        The in-place form of the operator: the result replaces the value of x, and x itself is returned, so every other name for x sees it.  On a module constant (tarsel.pi, e, sqrt2, ln2) a new instance is returned and the constant is unchanged.
        """
    @typing.overload
    def __init__(self) -> None:
        """
        Zero: both parts +0.0.
        """
    @typing.overload
    def __init__(self, x: typing.SupportsFloat | typing.SupportsIndex) -> None:
        """
        hi = x, lo = 0.0, for a float, an int that fits a double, or anything with __float__ or __index__ (NumPy scalars included).  A Float128 is refused (there is no copy constructor), and so is an int too large for a double.
        """
    @typing.overload
    def __init__(self, arg0: str) -> None:
        """
        The value of decimal text given as a str, bytes or bytearray: optional blanks, a sign, digits with an optional point and exponent, or nan/inf in any case.  Reading stops at the first character that does not fit and never raises (text without digits gives zero).  The digits are accumulated in double-double arithmetic, which is not correctly rounded: the last bits can differ from the nearest pair, which Float128.from_decimal gives.
        """
    def __isub__(self, arg0: Float128) -> Float128:
        """
        The in-place form of the operator: the result replaces the value of x, and x itself is returned, so every other name for x sees it.  On a module constant (tarsel.pi, e, sqrt2, ln2) a new instance is returned and the constant is unchanged.
        """
    def __itruediv__(self, arg0: Float128) -> Float128:
        """
        The in-place form of the operator: the result replaces the value of x, and x itself is returned, so every other name for x sees it.  On a module constant (tarsel.pi, e, sqrt2, ln2) a new instance is returned and the constant is unchanged.
        """
    def __le__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __lt__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __mul__(self, arg0: Float128) -> Float128:
        """
        x * y for two Float128.  Relative error near 2^-104; overflow gives inf.  Unlike C99 and NumPy, a zero product is +0.0 whatever the signs of the operands.
        """
    def __ne__(self, arg0: Float128) -> bool:
        """
        Ordering by hi, then by lo, without renormalising; signed zeros are equal.  False when a high part is NaN (and != is True).  Against another type, == is False and an ordering raises TypeError.
        """
    def __neg__(self) -> Float128:
        """
        -x, a new Float128 (exact).
        """
    def __pos__(self) -> Float128:
        """
        +x: a new Float128 with the same bits (never x itself, since the in-place operators change their instance).
        """
    def __reduce__(self) -> tuple:
        """
        Pickle support: (class, (), (hi, lo)).  pickle (every protocol from 2), copy.copy and copy.deepcopy keep every bit; a module constant pickles as its value and comes back as an ordinary instance.
        """
    def __repr__(self) -> str:
        """
        Float128('...') around the text of to_string().
        """
    @typing.overload
    def __round__(self, ndigits: None = None) -> int:
        """
        round(x): the int nearest the exact sum hi + lo, a tie going to the even int, as for float.  OverflowError for an infinity, ValueError for NaN.
        """
    @typing.overload
    def __round__(self, ndigits: typing.SupportsIndex) -> Float128:
        """
        round(x, ndigits): a Float128, the exact sum hi + lo rounded half to even to a multiple of 10**-ndigits (ndigits may be negative) and read back correctly rounded, as Float128.from_decimal reads text; as float does.  Infinities and NaN come back unchanged.
        """
    def __setstate__(self, state: tuple[float, float]) -> None:
        """
        Pickle support: sets the value to the pair (hi, lo) of the tuple state, bit for bit.  A module constant refuses with TypeError.
        """
    def __str__(self) -> str:
        """
        The text of to_string().
        """
    def __sub__(self, arg0: Float128) -> Float128:
        """
        x - y for two Float128.  Relative error near 2^-104 unless the operands nearly cancel, where the error grows.  Unlike C99 and NumPy, -0.0 - 0.0 is +0.0.
        """
    def __truediv__(self, arg0: Float128) -> Float128:
        """
        x / y for two Float128.  Relative error near 2^-104.  A zero divisor gives a signed inf (NaN for 0 / 0 and for a NaN operand), never ZeroDivisionError.  Unlike C99 and NumPy, -0.0 / y is +0.0 for a positive y.
        """
    def __trunc__(self) -> int:
        """
        math.trunc(x): the exact sum hi + lo with its fraction removed, as an int of any size.  OverflowError for an infinity, ValueError for NaN.
        """
    def as_integer_ratio(self) -> tuple:
        """
        The exact value hi + lo as a pair of ints (numerator, denominator).
        
        In lowest terms with a positive denominator (a power of two), as
        float.as_integer_ratio.  Raises OverflowError for an infinite value and
        ValueError for NaN; a pair of opposite infinities is NaN.
        """
    def to_bytes(self) -> bytes:
        """
        The 16-byte record of the value: the bytes of hi, then the bytes of lo, each a binary64 double in the machine's byte order, bit for bit.  Float128.from_bytes reads it back.
        """
    def to_string(self) -> str:
        """
        The value as text with 32 significant digits, truncated (not rounded): plain from 1e-4 up to below 1e15, otherwise one digit, a point and an exponent such as e+20; 'nan', 'inf', '-inf' by the high part.  The digits are not always those of the exact value (1e20 gives '0.99999...e+20'); format(x, fmt), x.hi and x.lo are exact.
        """
    @property
    def hi(self) -> float:
        """
        The high double of the pair, exactly as held: the double nearest the value for every result of the library's arithmetic.
        """
    @property
    def lo(self) -> float:
        """
        The low double of the pair, exactly as held: the value is the exact sum hi + lo.
        """
@typing.overload
def abs(x: Float128) -> Float128:
    """
    |x|, exact.  A zero high part gives +0.0 with |lo|; NaN comes back as it is.
    """
@typing.overload
def abs(z: Complex128 | complex | float | int) -> Float128:
    """
    The modulus |z| as a Float128.  A Python complex, float or int argument takes this overload, so tarsel.abs(-2.0) is Float128 2.
    """
def abs_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise abs of (N, 2) arrays
    
    Each row as tarsel.abs gives it: a negative high part negates both parts, a zero high part of
    either sign gives +0.0 with the magnitude of the low part, and a NaN row comes back unchanged.
    """
def abs_sqr(z: Complex128 | complex | float | int) -> Float128:
    """
    |z|**2 = re**2 + im**2 as a Float128, without a square root.
    """
def acos(x: Float128) -> Float128:
    """
    The arccosine, in [0, pi].  NaN outside [-1, 1] (also for a value just beyond +-1 by its low part) and for NaN.  Relative error below 4e-31 on [-0.99, 0.99].
    """
def acos_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise acos of (N, 2) arrays
    
    Each row as tarsel.acos gives it: NaN outside [-1, 1] and for NaN, 0 at 1, pi at -1, pi/2 at 0.
    """
@typing.overload
def acosh(x: Float128) -> Float128:
    """
    The inverse hyperbolic cosine, in [0, inf].
    acosh(1) = +0, acosh(x) = NaN for x < 1, acosh(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.5 units.
    """
@typing.overload
def acosh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex inverse hyperbolic cosine log(z + sqrt(z + 1) sqrt(z - 1)), principal value (real part >= 0, cut along the real axis below 1).  An infinite or NaN part gives NaN in both parts.  A Python complex, float or int argument takes this overload.
    """
def acosh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise acosh of (N, 2) arrays
    
    Each row as tarsel.acosh gives it, bit for bit, with the special values of its docstring.
    """
def add_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise addition of (N, 2) arrays
    """
def as_rows(x: typing.Any) -> typing.Any:
    """
    The float128 array x of shape S as a float64 array of shape S + (2,) over the same memory (no copy): [..., 0] holds the high parts, [..., 1] the low parts, in the layout the (N, 2) array functions take.  Writes through the view change x.  TypeError for anything but a float128 array.
    """
def asin(x: Float128) -> Float128:
    """
    The arcsine, in [-pi/2, pi/2].  NaN outside [-1, 1] (also for a value just beyond +-1 by its low part) and for NaN.  Relative error below 1e-31, growing as 1 / (1 - |x|) towards +-1.  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def asin_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise asin of (N, 2) arrays
    
    Each row as tarsel.asin gives it: NaN outside [-1, 1] and for NaN, +-pi/2 at +-1.
    Unlike C99 and NumPy, -0.0 gives +0.0.
    """
@typing.overload
def asinh(x: Float128) -> Float128:
    """
    The inverse hyperbolic sine.
    asinh(+-0) = +-0, asinh(+-inf) = +-inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.4 units.
    """
@typing.overload
def asinh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex inverse hyperbolic sine, principal value (cuts along the imaginary axis beyond +-i).  An infinite or NaN part gives NaN in both parts.  A Python complex, float or int argument takes this overload.
    """
def asinh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise asinh of (N, 2) arrays
    
    Each row as tarsel.asinh gives it, bit for bit, with the special values of its docstring.
    """
def atan(x: Float128) -> Float128:
    """
    The arctangent, in [-pi/2, pi/2]; +-inf gives +-pi/2, NaN gives NaN.  Relative error below 4e-32.  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def atan2(y: Float128, x: Float128) -> Float128:
    """
    The angle of the point (x, y), in [-pi, pi]: y first, as math.atan2.  The signs of zeros decide on the axes ((+0, -0) gives pi); a NaN gives NaN.  Relative error below 6e-32.  Unlike C99 and NumPy: two infinities give NaN (C99: an odd multiple of pi/4); y = -0.0 with a negative x gives +pi (C99: -pi); a zero angle is +0.0 unless both are zeros (C99: -0.0 for a negative y, as for (-0, 1) or (-1, inf)).
    """
def atan2_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise atan2 of (N, 2) arrays
    
    Row i is tarsel.atan2(a[i], b[i]), the angle of the point (x, y) = (b[i], a[i]): NaN if either
    high part is NaN; both zero gives +-0 or +-pi by the signs of the zero high parts; a zero
    high part of x otherwise gives +-pi/2 by the sign of y.
    Unlike C99 and NumPy: two infinities give NaN; y = -0.0 with a negative x gives +pi; a zero
    angle is +0.0 unless both are zeros.
    """
def atan_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise atan of (N, 2) arrays
    
    Each row as tarsel.atan gives it: NaN for NaN, +-pi/2 for +-inf.
    Unlike C99 and NumPy, -0.0 gives +0.0.
    """
@typing.overload
def atanh(x: Float128) -> Float128:
    """
    The inverse hyperbolic tangent.
    atanh(+-0) = +-0, atanh(+-1) = +-inf, atanh(x) = NaN for |x| > 1; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.5 units.
    """
@typing.overload
def atanh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex inverse hyperbolic tangent (log(1 + z) - log(1 - z)) / 2, principal value (cuts along the real axis beyond +-1).  An infinite or NaN part gives NaN in both parts.  A Python complex, float or int argument takes this overload.
    """
def atanh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise atanh of (N, 2) arrays
    
    Each row as tarsel.atanh gives it, bit for bit, with the special values of its docstring.
    """
def cbrt(x: Float128) -> Float128:
    """
    The real cube root, negative for a negative x.
    cbrt(+-0) = +-0, cbrt(+-inf) = +-inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.31 unit.
    """
def cbrt_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise cbrt of (N, 2) arrays
    
    Each row as tarsel.cbrt gives it, bit for bit, with the special values of its docstring.
    """
def ceil(x: Float128) -> Float128:
    """
    The least integral value at or above x, as a Float128 (exact).  math.ceil(x) gives the int.  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).
    """
def ceil_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise ceil of (N, 2) arrays
    
    Each row as tarsel.ceil gives it, exact: an infinite high part gives that infinity with a
    zero low part, NaN gives NaN.
    Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).
    """
@typing.overload
def cos(x: Float128) -> Float128:
    """
    The cosine of x in radians.  NaN and infinities give NaN.  Absolute error about 1e-31 for |x| <= 10, growing with |x| (about 1e-17 near 1e15); above 9e18 the argument is reduced by the double nearest 2 pi and the result is not accurate.
    """
@typing.overload
def cos(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex cosine: cos(a) cosh(b) - i sin(a) sinh(b) for z = a + bi.  A Python complex, float or int argument takes this overload.
    """
def cos_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise cos of (N, 2) arrays
    """
@typing.overload
def cosh(x: Float128) -> Float128:
    """
    The hyperbolic cosine.  A NaN comes back unchanged; beyond about +-710 the result is inf.  Relative error below 3e-31 on [-20, 20].
    """
@typing.overload
def cosh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex hyperbolic cosine: cosh(a) cos(b) + i sinh(a) sin(b) for z = a + bi.  A Python complex, float or int argument takes this overload.
    """
def cosh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise cosh of (N, 2) arrays
    
    Each row as tarsel.cosh gives it: a NaN row comes back unchanged, +-inf gives +inf, and beyond
    about +-710 the result overflows to +inf.
    """
def deg2rad(x: Float128) -> Float128:
    """
    x degrees in radians: x pi / 180 (NumPy's deg2rad and radians).
    +-0 and +-inf keep their signs; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.84 unit.
    """
def deg2rad_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise deg2rad of (N, 2) arrays
    
    Each row as tarsel.deg2rad gives it, bit for bit, with the special values of its docstring.
    """
def div_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise division of (N, 2) arrays
    """
def dot_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> Float128:
    """
    Exact dot product of two (N, 2) arrays of double-double rows: the four exact products of the parts of a[i] and b[i] summed and rounded once to a Float128 as by fsum (the same special values).
    """
def erf(x: Float128) -> Float128:
    """
    The error function: 2 / sqrt(pi) times the integral of exp(-t**2) from 0 to x.
    erf(+-0) = +-0, erf(+-inf) = +-1; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31) while the result is at least 2**-968, 8 * 2**-1074 absolute below; measured at most 1.2 units.
    """
def erf_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise erf of (N, 2) arrays
    
    Each row as tarsel.erf gives it, bit for bit, with the special values of its docstring.
    """
def erfc(x: Float128) -> Float128:
    """
    The complementary error function 1 - erf(x), without that cancellation for large x.
    erfc(-inf) = 2, erfc(+inf) = +0; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31) down to results of 2**-968 (x about 25.83), 8 * 2**-1074 absolute beyond; measured at most 1.3 units.
    """
def erfc_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise erfc of (N, 2) arrays
    
    Each row as tarsel.erfc gives it, bit for bit, with the special values of its docstring.
    """
def exp(x: Float128) -> Float128:
    """
    e**x.  NaN gives NaN; above 709.78 the result is inf and below -745.13 it is 0.  Relative error below 4e-32 on [-1, 1], growing with |x| to about 1e-29 near 700; where the result is subnormal only its absolute error is small.
    """
def exp2(x: Float128) -> Float128:
    """
    2**x.
    exp2(+-0) = 1, exp2(-inf) = +0, exp2(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31) while the result is at least 2**-968 (both parts normal); integers give exact powers of two; measured at most 0.35 unit.
    """
def exp2_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise exp2 of (N, 2) arrays
    
    Each row as tarsel.exp2 gives it, bit for bit, with the special values of its docstring.
    """
def exp_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise exp of (N, 2) arrays
    """
def expm1(x: Float128) -> Float128:
    """
    e**x - 1, without the cancellation of exp(x) - 1 near zero.
    expm1(+-0) = +-0, expm1(+inf) = +inf, expm1(-inf) = -1; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.88 unit.
    """
def expm1_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise expm1 of (N, 2) arrays
    
    Each row as tarsel.expm1 gives it, bit for bit, with the special values of its docstring.
    """
def fdot(x: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], y: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> Float128:
    """
    Exact dot product of two one-dimensional float64 arrays of the same length: every product x[i] * y[i] is exact, and their sum is rounded once to a Float128 as by fsum (the same special values).
    """
def floor(x: Float128) -> Float128:
    """
    The greatest integral value at or below x, as a Float128 (exact).  math.floor(x) gives the int.  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def floor_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise floor of (N, 2) arrays
    
    Each row as tarsel.floor gives it, exact: an infinite high part gives that infinity with a
    zero low part, NaN gives NaN.
    Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def fmod(x: Float128, y: Float128) -> Float128:
    """
    x - trunc(x / y) * y: the remainder with the sign of x.  NaN for a NaN operand or y = 0.  Its error grows with |x / y| (about 2e-29 absolute for |x| <= 1e3, |y| >= 0.1).  Unlike C99 and NumPy: an infinite y gives NaN (C99: x); a zero result is +0.0 (C99: the sign of x); for a quotient x / y above about 1e32 in magnitude the result is 0, a wrong value or, where x / y overflows, an infinity, instead of the exact remainder.
    """
def fmod_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise fmod of (N, 2) arrays
    
    Row i is tarsel.fmod(a[i], b[i]) = a[i] - trunc(a[i] / b[i]) b[i]: NaN for a zero or infinite
    divisor, an infinite dividend and NaN.
    Unlike C99 and NumPy (x = a[i], y = b[i]): an infinite y gives NaN (C99: x); a zero result is
    +0.0; for a quotient x / y above about 1e32 in magnitude the result is 0, a wrong value or an
    infinity.
    """
def frexp(x: Float128) -> tuple[Float128, int]:
    """
    (m, e) with x = m * 2**e, 0.5 <= |m| < 1 and e an int, as math.frexp; exact unless the low part of m falls below 2**-1022.  |m| is judged by the value hi + lo: below a power of two the high part of m is +-1.0 with a low part of the other sign.
    frexp(+-0) = (+-0, 0); +-inf and NaN give (x, 0).
    """
def from_rows(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> list[Float128]:
    """
    A list of N new Float128 values from an array of shape (N, 2), row i giving hi and lo of value i, bit for bit and not renormalised.  The array is read as the array functions read theirs: any float64 layout as it stands, anything else converted by NumPy first; another shape raises RuntimeError('Input must have shape (N, 2)').
    """
def from_rows_view(a: typing.Any) -> typing.Any:
    """
    The float64 array a of shape S + (2,) as a float128 array of shape S over the same memory (no copy), row (hi, lo) giving one value, bit for bit.  The last axis must have length 2 with its two doubles side by side (ValueError otherwise); TypeError for anything but a native float64 ndarray.
    """
def fsum(x: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> Float128:
    """
    Exact sum of the elements of a one-dimensional float64 array (anything NumPy converts to one), rounded once to a Float128: hi is the double nearest the exact sum S and lo the double nearest S - hi, so the result does not depend on the order of the elements, the threads or the instruction set.  A NaN, or infinities of both signs, give NaN; infinities of one sign give that infinity; a sum beyond the double range gives the signed infinity; no elements give +0.0.
    """
def gamma(x: Float128) -> Float128:
    """
    The gamma function (C's tgamma, Python's math.gamma).
    gamma(+-0) = +-inf, gamma(x) = NaN for a negative integer x, gamma(-inf) = NaN, gamma(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31) wherever the result is at least 2**-968, next to the poles included; measured at most 2.0 units.
    """
def gamma_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise gamma of (N, 2) arrays
    
    Each row as tarsel.gamma gives it, bit for bit, with the special values of its docstring.
    """
def hypot(x: Float128, y: Float128) -> Float128:
    """
    sqrt(x**2 + y**2), without overflow or underflow in the squares.
    hypot(+-inf, y) = +inf for every y, NaN included, and so in either order; hypot(x, +-0) = |x|; otherwise a NaN operand gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.84 unit.
    """
def hypot_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise hypot of (N, 2) arrays
    
    Row i is tarsel.hypot(a[i], b[i]), bit for bit, with the special values of its docstring.
    """
def isfinite(x: Float128) -> bool:
    """
    True when x is neither NaN nor infinite.  Like isnan and isinf it looks at the high part only.
    """
def isinf(x: Float128) -> bool:
    """
    True when the high part is +inf or -inf.
    """
def isnan(x: Float128) -> bool:
    """
    True when the high part is NaN (a NaN low part alone is not looked at).
    """
def ldexp(x: Float128, n: typing.SupportsIndex) -> Float128:
    """
    x * 2**n, both parts scaled: exact unless a part falls among the subnormals (it is then rounded once) or the result overflows (+-inf, never OverflowError as math.ldexp raises).
    A zero, infinite or NaN x comes back unchanged.  n is an int or any object with __index__; beyond a C int it is clamped to the C int range, which changes no result: a finite nonzero x overflows from n = 2200 on and vanishes below n = -2200.
    """
def lgamma(x: Float128) -> Float128:
    """
    The natural logarithm of |gamma(x)|.
    lgamma(1) = lgamma(2) = +0, lgamma(x) = +inf for an integer x <= 0, lgamma(+-inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31) for x > -1/2; below, 4 units of the sizes of the reflection's two terms (an absolute bound near the zeros -2.457..., -2.747..., ...); measured at most 0.94 unit.
    """
def lgamma_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise lgamma of (N, 2) arrays
    
    Each row as tarsel.lgamma gives it, bit for bit, with the special values of its docstring.
    """
def log(x: Float128) -> Float128:
    """
    The natural logarithm.  0 gives -inf, a negative x NaN, inf gives inf, NaN gives NaN.  Relative error below 3e-32 away from x = 1; near 1, where the result passes through zero, absolute error below 4e-32.
    """
@typing.overload
def log10(x: Float128) -> Float128:
    """
    The base-10 logarithm.
    log10(+-0) = -inf, log10(1) = +0, log10(x) = NaN for x < 0, log10(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); 10**0 to 10**22 give their exponent exactly; measured at most 1.3 units.
    """
@typing.overload
def log10(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex base-10 logarithm log(z) / ln 10, principal value (imaginary part in [-pi, pi] / ln 10, cut along the negative real axis, a -0.0 imaginary part on its lower side).  An infinite or NaN part gives NaN in both parts.  A Python complex, float or int argument takes this overload.
    """
def log10_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise log10 of (N, 2) arrays
    
    Each row as tarsel.log10 gives it, bit for bit, with the special values of its docstring.
    """
def log1p(x: Float128) -> Float128:
    """
    The natural logarithm of 1 + x, without rounding 1 + x first.
    log1p(+-0) = +-0, log1p(-1) = -inf, log1p(x) = NaN for x < -1, log1p(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 1.4 units.
    """
def log1p_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise log1p of (N, 2) arrays
    
    Each row as tarsel.log1p gives it, bit for bit, with the special values of its docstring.
    """
def log2(x: Float128) -> Float128:
    """
    The base-2 logarithm.
    log2(+-0) = -inf, log2(1) = +0, log2(x) = NaN for x < 0, log2(+inf) = +inf; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); powers of two give their exponent exactly; measured at most 1.3 units.
    """
def log2_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise log2 of (N, 2) arrays
    
    Each row as tarsel.log2 gives it, bit for bit, with the special values of its docstring.
    """
def log_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise log of (N, 2) arrays
    """
def logaddexp(x: Float128, y: Float128) -> Float128:
    """
    log(exp(x) + exp(y)), without overflow or underflow in the exponentials (NumPy's logaddexp).
    logaddexp(-inf, -inf) = -inf; logaddexp(+inf, y) = +inf for every y but NaN, and so in either order; a NaN operand gives NaN.
    Error below 4 units of 2**-104 of max(|x|, |y|, ln 2), the size of the terms that cancel where the result is near 0; measured at most 0.78 unit.
    """
def logaddexp2(x: Float128, y: Float128) -> Float128:
    """
    log2(2**x + 2**y), without overflow or underflow in the powers (NumPy's logaddexp2).
    logaddexp2(-inf, -inf) = -inf; logaddexp2(+inf, y) = +inf for every y but NaN, and so in either order; a NaN operand gives NaN.
    Error below 4 units of 2**-104 of max(|x|, |y|, 1); measured at most 0.71 unit.
    """
def logaddexp2_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise logaddexp2 of (N, 2) arrays
    
    Row i is tarsel.logaddexp2(a[i], b[i]), bit for bit, with the special values of its docstring.
    """
def logaddexp_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise logaddexp of (N, 2) arrays
    
    Row i is tarsel.logaddexp(a[i], b[i]), bit for bit, with the special values of its docstring.
    """
def modf(x: Float128) -> tuple[Float128, Float128]:
    """
    (fractional part, integral part) of x, both exact and with the sign of x, as math.modf: modf(-3.5) = (-0.5, -3.0), modf(-3.0) = (-0.0, -3.0).
    modf(+-0) = (+-0, +-0), modf(+-inf) = (+-0, +-inf); NaN gives (NaN, NaN).
    """
def mul_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise multiplication of (N, 2) arrays
    """
def neg_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise negation of (N, 2) arrays
    
    Each row as unary minus on a Float128 gives it: the sign bits of both parts flipped, NaNs and
    zeros included.
    """
def nextafter(x: Float128, y: Float128) -> Float128:
    """
    The next double-double after x towards y on the grid of 106 significant bits: x + spacing(x) away from zero, and from a power of two towards zero the step of the binade below, so that nextafter(nextafter(x, y), x) is x again; a low part with bits below the grid goes to the nearest grid point towards y.  Exact.
    y when x == y (so nextafter(0.0, -0.0) = -0.0); NaN when either is NaN; +-2**-1074 towards y from +-0; +-1.7976931348623157e308 from +-inf towards a finite y; +-inf past the largest finite value; a zero result has the sign of x.
    """
def nextafter_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise nextafter of (N, 2) arrays
    
    Row i is tarsel.nextafter(a[i], b[i]), bit for bit, with the special values of its docstring.
    """
def pow(x: Float128, y: Float128) -> Float128:
    """
    x**y, computed as exp(y * log(x)), so an integer power is not exact either: relative error about 1e-32 times |y log x| (about 5e-30 for 10**300).  pow(x, 0) is 1 for every x, NaN included.  A zero x gives a zero or an infinity signed by whether y is an odd integer; a negative x needs an integral y (lo 0, |y| <= 9e18), else NaN.  Unlike C99 and NumPy: a zero x with a NaN y gives +0.0 (C99: NaN); pow(+-1, +-inf) and pow(1, nan) are NaN (C99: 1); -inf with a y that is not an integer gives NaN, and a negative x with an infinite or huge y gives NaN (C99: +-0 or +-inf, 1 for -1, taking every |y| >= 2^53 as an even integer).
    """
def pow_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise pow of (N, 2) arrays
    
    Row i is tarsel.pow(a[i], b[i]), a[i] to the power b[i]: 1 for a zero exponent (even for a NaN
    base); for a zero base +inf or +0 by the sign of the exponent, -inf or -0 for a base of -0 and
    an odd integral exponent; for a negative base (-1)^b |a|^b when b is an integer, else NaN.
    Unlike C99 and NumPy (x = a[i], y = b[i]): a zero x with a NaN y gives +0.0; pow(+-1, +-inf)
    and pow(1, nan) are NaN; -inf with a y that is not an integer gives NaN, and a negative x with
    an infinite or huge y gives NaN (an integral exponent needs |b| <= 9e18).
    """
def printoptions(**kwargs) -> typing.Any:
    """
    numpy.printoptions(**options) with the elements of float128 arrays printed as the shortest text that reads back, format(x, "<"), instead of the fixed 32 digits of str(x): "with tarsel.printoptions(): print(x)".  Other elements print as NumPy prints them; a formatter given in options keeps its keys.
    """
def rad2deg(x: Float128) -> Float128:
    """
    x radians in degrees: x 180 / pi (NumPy's rad2deg and degrees).
    +-0 and +-inf keep their signs; NaN gives NaN.
    Relative error below 4 units of 2**-104 (about 2e-31); measured at most 0.76 unit.
    """
def rad2deg_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise rad2deg of (N, 2) arrays
    
    Each row as tarsel.rad2deg gives it, bit for bit, with the special values of its docstring.
    """
def round(x: Float128) -> Float128:
    """
    The nearest integral value as a Float128, halfway cases away from zero (2.5 gives 3), exact.  Python's round(x) instead gives an int, ties to even.  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-0.5, 0) gives +0.0 (C99: -0.0).
    """
def round_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise round of (N, 2) arrays
    
    Each row as tarsel.round gives it, exact, halfway cases away from zero: an infinite high part
    gives that infinity with a zero low part, NaN gives NaN.
    Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-0.5, 0) gives +0.0 (C99: -0.0).
    """
@typing.overload
def sin(x: Float128) -> Float128:
    """
    The sine of x in radians.  NaN and infinities give NaN.  Absolute error about 1e-31 for |x| <= 10, growing with |x| (about 1e-17 near 1e15); above 9e18 the argument is reduced by the double nearest 2 pi and the result is not accurate.  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
@typing.overload
def sin(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex sine: sin(a) cosh(b) + i cos(a) sinh(b) for z = a + bi.  A Python complex, float or int argument takes this overload.
    """
def sin_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise sin of (N, 2) arrays
    """
@typing.overload
def sinh(x: Float128) -> Float128:
    """
    The hyperbolic sine.  A NaN comes back unchanged; beyond about +-710 the result is +-inf.  Relative error below 1e-29 for |x| >= 1e-3 and about 2e-28 below (a short series under 1e-4).  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
@typing.overload
def sinh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex hyperbolic sine: sinh(a) cos(b) + i cosh(a) sin(b) for z = a + bi.  A Python complex, float or int argument takes this overload.
    """
def sinh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise sinh of (N, 2) arrays
    
    Each row as tarsel.sinh gives it: NaN and infinite rows come back unchanged; beyond about
    +-710 the result overflows to the signed infinity.
    Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def spacing(x: Float128) -> Float128:
    """
    The step from x to the next double-double away from zero, with the sign of x: 2**(E - 105) for 2**E <= |x| < 2**(E + 1), judged by the value hi + lo, and never below 2**-1074 (so spacing(1) = 2**-105).  Exact.
    spacing(+-0) = +-2**-1074; +-inf and NaN give NaN, as NumPy's spacing.
    """
def spacing_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise spacing of (N, 2) arrays
    
    Each row as tarsel.spacing gives it, bit for bit, with the special values of its docstring.
    """
def sqrt(x: Float128) -> Float128:
    """
    The square root.  A negative x gives NaN, a zero gives zero, inf gives inf.  Relative error below 1e-31.
    """
def sqrt_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise sqrt of (N, 2) arrays
    
    Each row as tarsel.sqrt gives it: NaN for a negative value (a high part below zero, or a zero
    high part with a negative low part); a zero row, a NaN row and +inf come back unchanged.
    """
def sub_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], b: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise subtraction of (N, 2) arrays
    """
def sum_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> Float128:
    """
    Exact sum of both parts of every row of an (N, 2) float64 array, rounded once to a Float128 as by fsum (the same special values).
    """
@typing.overload
def tan(x: Float128) -> Float128:
    """
    sin(x) / cos(x) from one evaluation of both.  NaN and infinities give NaN.  Relative error below 3e-31 on [-1.5, 1.5].  Unlike C99 and NumPy, -0.0 gives +0.0, and above 9e18, as for sin and cos, the result is not accurate.
    """
@typing.overload
def tan(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex tangent sin(z) / cos(z); exactly +-i when |Im z| > 709.78 and Re z is finite.  A Python complex, float or int argument takes this overload.
    """
def tan_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise tan of (N, 2) arrays
    
    Each row as tarsel.tan gives it: NaN for NaN and infinities; beyond 9e18 the high part alone
    is reduced, as for sin and cos, and the result is no longer accurate.
    Unlike C99 and NumPy, -0.0 gives +0.0, and above 9e18 the result is not accurate.
    """
@typing.overload
def tanh(x: Float128) -> Float128:
    """
    The hyperbolic tangent.  A NaN comes back unchanged; large |x| gives +-1.  Relative error below 9e-30 for |x| >= 1e-3 and about 5e-26 below 1e-4 (a short series).  Unlike C99 and NumPy, -0.0 gives +0.0.
    """
@typing.overload
def tanh(z: Complex128 | complex | float | int) -> Complex128:
    """
    The complex hyperbolic tangent sinh(z) / cosh(z); exactly +-1 when |Re z| > 709.78 and Im z is finite.  A Python complex, float or int argument takes this overload.
    """
def tanh_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise tanh of (N, 2) arrays
    
    Each row as tarsel.tanh gives it: a NaN row comes back unchanged; beyond +-709.78 (infinities
    included) the result is exactly +-1.
    Unlike C99 and NumPy, -0.0 gives +0.0.
    """
def to_rows(values: collections.abc.Iterable[Float128]) -> numpy.typing.NDArray[numpy.float64]:
    """
    A new C-contiguous float64 array of shape (N, 2) from an iterable of N Float128 values: row i holds hi and lo of value i, bit for bit.  An element that is not a Float128 raises TypeError naming its index.  The inverse of from_rows.
    """
def trunc(x: Float128) -> Float128:
    """
    x with its fraction removed, as a Float128 (exact).  math.trunc(x) gives the int.  Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).
    """
def trunc_arrays(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise trunc of (N, 2) arrays
    
    Each row as tarsel.trunc gives it, exact: an infinite high part gives that infinity with a
    zero low part, NaN gives NaN.
    Unlike C99 and NumPy, -0.0 gives +0.0 and x in (-1, 0) gives +0.0 (C99: -0.0).
    """
__version__: str = '0.1.0'
_array_functions: tuple
e: Float128
finfo: types.SimpleNamespace
float128: Float128DType
ln2: Float128
num_threads: int
pi: Float128
simd_level: str
sqrt2: Float128
