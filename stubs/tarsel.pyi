"""
tarsel: 128-bit double-double arithmetic module
"""
from __future__ import annotations
import collections.abc
import numpy
import numpy.typing
import typing
import typing_extensions
__all__: list[str] = ['Complex128', 'Float128', 'abs', 'abs_sqr', 'acos', 'add_arrays', 'asin', 'atan', 'atan2', 'ceil', 'cos', 'cos_arrays', 'cosh', 'div_arrays', 'e', 'exp', 'exp_arrays', 'floor', 'fmod', 'from_rows', 'isfinite', 'isinf', 'isnan', 'ln2', 'log', 'log_arrays', 'mul_arrays', 'pi', 'pow', 'round', 'sin', 'sin_arrays', 'sinh', 'sqrt', 'sqrt2', 'sub_arrays', 'tan', 'tanh', 'to_rows', 'trunc']
class Float128:
    __hash__: typing.ClassVar[None] = None
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
        ...
    def __bool__(self) -> bool:
        """
        False exactly when x == Float128(0.0), that is when both parts are zeros of either sign; NaN is true, as for float.
        """
    def __ceil__(self) -> int:
        """
        math.ceil(x): the least int at or above the exact sum hi + lo, of any size.  OverflowError for an infinity, ValueError for NaN.
        """
    def __eq__(self, arg0: Float128) -> bool:
        ...
    def __floor__(self) -> int:
        """
        math.floor(x): the greatest int at or below the exact sum hi + lo, of any size.  OverflowError for an infinity, ValueError for NaN.
        """
    def __format__(self, format_spec: str) -> str:
        """
        Format the value by the format-spec mini-language of float.
        
        [[fill]align][sign]["z"]["#"]["0"][width][grouping]["." precision][type]
        with the types e E f F g G % and none.  The digits are those of the exact
        value hi + lo rounded half to even at any precision ('%' multiplies by 100
        exactly first).  An empty spec gives str(x), the fixed 32-digit text.  The
        none type gives, without a precision, the shortest text that from_decimal
        reads back to the same pair (exactly so for a pair in normal form: hi the
        double nearest hi + lo, lo finite and not -0.0), in float's repr layout;
        with a precision it is 'g' that keeps a ".0".  An invalid spec raises
        ValueError with float's messages.
        """
    def __ge__(self, arg0: Float128) -> bool:
        ...
    def __gt__(self, arg0: Float128) -> bool:
        ...
    def __iadd__(self, arg0: Float128) -> Float128:
        ...
    def __imul__(self, arg0: Float128) -> Float128:
        ...
    @typing.overload
    def __init__(self) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: str) -> None:
        ...
    def __isub__(self, arg0: Float128) -> Float128:
        ...
    def __itruediv__(self, arg0: Float128) -> Float128:
        ...
    def __le__(self, arg0: Float128) -> bool:
        ...
    def __lt__(self, arg0: Float128) -> bool:
        ...
    def __mul__(self, arg0: Float128) -> Float128:
        ...
    def __ne__(self, arg0: Float128) -> bool:
        ...
    def __neg__(self) -> Float128:
        ...
    def __pos__(self) -> Float128:
        """
        +x: a new Float128 with the same bits (never x itself, since the in-place operators change their instance).
        """
    def __reduce__(self) -> tuple:
        """
        Pickle support: (class, (), (hi, lo)).  pickle (every protocol from 2), copy.copy and copy.deepcopy keep every bit; a module constant pickles as its value and comes back as an ordinary instance.
        """
    def __repr__(self) -> str:
        ...
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
        ...
    def __sub__(self, arg0: Float128) -> Float128:
        ...
    def __truediv__(self, arg0: Float128) -> Float128:
        ...
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
        ...
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
class Complex128:
    def __add__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __format__(self, format_spec: str) -> str:
        """
        Format both parts like Python's complex.
        
        Each part as Float128.__format__ formats it (types e E f F g G and none);
        with the none type the text is parenthesised, or only the imaginary part
        when the real part is +0.  The imaginary part always shows its sign and
        ends in "j".  An empty spec gives str(z).  Zero padding and '=' alignment
        raise ValueError, as for complex.
        """
    def __iadd__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __imul__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    @typing.overload
    def __init__(self) -> None:
        ...
    @typing.overload
    def __init__(self, real: typing.SupportsFloat | typing.SupportsIndex, imag: typing.SupportsFloat | typing.SupportsIndex = 0.0) -> None:
        ...
    @typing.overload
    def __init__(self, real: Float128, imag: Float128 = ...) -> None:
        ...
    @typing.overload
    def __init__(self, arg0: complex | typing.SupportsComplex | typing.SupportsFloat | typing.SupportsIndex) -> None:
        ...
    def __isub__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __itruediv__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __mul__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __reduce__(self) -> tuple:
        """
        Pickle support: (class, (), (real hi, real lo, imag hi, imag lo)).  pickle (every protocol from 2), copy.copy and copy.deepcopy keep every bit.
        """
    def __repr__(self) -> str:
        ...
    def __setstate__(self, state: tuple[float, float, float, float]) -> None:
        """
        Pickle support: sets the value to the doubles (real hi, real lo, imag hi, imag lo) of the tuple state, bit for bit.
        """
    def __str__(self) -> str:
        ...
    def __sub__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def __truediv__(self, arg0: Complex128 | complex | float | int) -> Complex128:
        ...
    def imag(self) -> Float128:
        ...
    def real(self) -> Float128:
        ...
    def to_string(self) -> str:
        ...
@typing.overload
def abs(arg0: Float128) -> Float128:
    ...
@typing.overload
def abs(arg0: Complex128 | complex | float | int) -> Float128:
    ...
def abs_sqr(arg0: Complex128 | complex | float | int) -> Float128:
    ...
def acos(arg0: Float128) -> Float128:
    ...
def add_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], arg1: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise addition of (N, 2) arrays
    """
def asin(arg0: Float128) -> Float128:
    ...
def atan(arg0: Float128) -> Float128:
    ...
def atan2(arg0: Float128, arg1: Float128) -> Float128:
    ...
def ceil(arg0: Float128) -> Float128:
    ...
@typing.overload
def cos(arg0: Float128) -> Float128:
    ...
@typing.overload
def cos(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
def cos_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise cos of (N, 2) arrays
    """
@typing.overload
def cosh(arg0: Float128) -> Float128:
    ...
@typing.overload
def cosh(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
def div_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], arg1: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise division of (N, 2) arrays
    """
def exp(arg0: Float128) -> Float128:
    ...
def exp_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise exp of (N, 2) arrays
    """
def floor(arg0: Float128) -> Float128:
    ...
def fmod(arg0: Float128, arg1: Float128) -> Float128:
    ...
def from_rows(a: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> list[Float128]:
    """
    A list of N new Float128 values from an array of shape (N, 2), row i giving hi and lo of value i, bit for bit and not renormalised.  The array is read as the array functions read theirs: any float64 layout as it stands, anything else converted by NumPy first; another shape raises RuntimeError('Input must have shape (N, 2)').
    """
def isfinite(x: Float128) -> bool:
    """
    True when x is neither NaN nor infinite.  Like isnan and isinf it looks at the high part only.
    """
def isinf(arg0: Float128) -> bool:
    ...
def isnan(arg0: Float128) -> bool:
    ...
def log(arg0: Float128) -> Float128:
    ...
def log_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise log of (N, 2) arrays
    """
def mul_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], arg1: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise multiplication of (N, 2) arrays
    """
def pow(arg0: Float128, arg1: Float128) -> Float128:
    ...
def round(arg0: Float128) -> Float128:
    ...
@typing.overload
def sin(arg0: Float128) -> Float128:
    ...
@typing.overload
def sin(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
def sin_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise sin of (N, 2) arrays
    """
@typing.overload
def sinh(arg0: Float128) -> Float128:
    ...
@typing.overload
def sinh(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
def sqrt(arg0: Float128) -> Float128:
    ...
def sub_arrays(arg0: typing.Annotated[numpy.typing.ArrayLike, numpy.float64], arg1: typing.Annotated[numpy.typing.ArrayLike, numpy.float64]) -> numpy.typing.NDArray[numpy.float64]:
    """
    element-wise subtraction of (N, 2) arrays
    """
@typing.overload
def tan(arg0: Float128) -> Float128:
    ...
@typing.overload
def tan(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
@typing.overload
def tanh(arg0: Float128) -> Float128:
    ...
@typing.overload
def tanh(arg0: Complex128 | complex | float | int) -> Complex128:
    ...
def to_rows(values: collections.abc.Iterable[Float128]) -> numpy.typing.NDArray[numpy.float64]:
    """
    A new C-contiguous float64 array of shape (N, 2) from an iterable of N Float128 values: row i holds hi and lo of value i, bit for bit.  An element that is not a Float128 raises TypeError naming its index.  The inverse of from_rows.
    """
def trunc(arg0: Float128) -> Float128:
    ...
__version__: str = '0.1.0'
e: Float128
ln2: Float128
pi: Float128
sqrt2: Float128
