"""Complex128 as Python sees it: constructors, text, operators, identity
semantics, the conversion from plain Python numbers and the overloads it
selects, and the accuracy of the complex functions against mpmath."""
import math
import operator
import random

import pytest

import tarsel
from tarsel import Complex128, Float128

ONE = "1.0000000000000000000000000000000"
TWO = "2.0000000000000000000000000000000"
ZERO = "0.0000000000000000000000000000000"


def expect(z, re, im):
    """z holds the two doubles re and im exactly (zero low parts)."""
    assert isinstance(z, Complex128)
    sign = " - " if im < 0 else " + "
    assert z.to_string() == Float128(re).to_string() + sign + Float128(abs(im)).to_string() + "i"


# --- text -----------------------------------------------------------------


@pytest.mark.parametrize(
    "z, want",
    [
        (Complex128(1.0, 2.0), ONE + " + " + TWO + "i"),
        (Complex128(), ZERO + " + " + ZERO + "i"),
        (Complex128(1.0, -2.0), ONE + " - " + TWO + "i"),
        # A negative zero is not below zero: plus sign and the magnitude.
        (Complex128(1.0, -0.0), ONE + " + " + ZERO + "i"),
    ],
    ids=["positive", "zero", "negative imag", "negative zero imag"],
)
def test_text_is_the_same_for_str_repr_and_to_string(z, want):
    assert z.to_string() == want
    assert str(z) == want
    assert repr(z) == want


# --- constructors ---------------------------------------------------------


@pytest.mark.parametrize(
    "make, re, im",
    [
        (lambda: Complex128(1.5), 1.5, 0.0),
        (lambda: Complex128(3), 3.0, 0.0),
        (lambda: Complex128(True), 1.0, 0.0),
        (lambda: Complex128(real=1.0, imag=-2.0), 1.0, -2.0),
        (lambda: Complex128(imag=2.0, real=1.0), 1.0, 2.0),
        (lambda: Complex128(Float128(1.0)), 1.0, 0.0),
        (lambda: Complex128(real=Float128(1.0), imag=Float128(-3.0)), 1.0, -3.0),
        (lambda: Complex128(1 + 2j), 1.0, 2.0),
        (lambda: Complex128(complex(0.5, -0.0)), 0.5, -0.0),
    ],
    ids=["float", "int", "bool", "keywords", "keywords reversed", "Float128", "Float128 keywords",
         "complex", "complex negative zero"],
)
def test_constructors(make, re, im):
    expect(make(), re, im)


NUMBER = "typing.SupportsFloat | typing.SupportsIndex"


def test_constructor_signatures_in_registration_order():
    """Keyword names, the defaults 0.0 and Float128 zero, and the order in
    which the overloads are tried, as Python shows them."""
    overloads = [line.split(". ", 1)[1] for line in Complex128.__init__.__doc__.splitlines() if line[:1].isdigit()]
    assert overloads[:3] == [
        "__init__(self: tarsel.Complex128) -> None",
        f"__init__(self: tarsel.Complex128, real: {NUMBER}, imag: {NUMBER} = 0.0) -> None",
        f"__init__(self: tarsel.Complex128, real: tarsel.Float128, imag: tarsel.Float128 = {Float128()!r}) -> None",
    ]
    assert len(overloads) == 4 and overloads[3].startswith("__init__(self: tarsel.Complex128, z: complex")


def test_float128_constructor_keeps_the_low_parts():
    third = Float128(1.0) / Float128(3.0)
    z = Complex128(third, third)
    assert z.real() == third and z.imag() == third
    assert z.real() is not third


@pytest.mark.parametrize(
    "args",
    [(1.0, Float128(2.0)), (Float128(1.0), 2.0), ("1",), (Complex128(),), (10**400,), (None,), (1.0, 2.0, 3.0)],
    ids=["float and Float128", "Float128 and float", "str", "Complex128", "huge int", "None", "three"],
)
def test_other_arguments_match_no_constructor(args):
    with pytest.raises(TypeError, match="incompatible constructor arguments"):
        Complex128(*args)


def test_parts_are_methods_returning_new_float128():
    z = Complex128(1.0, 2.0)
    assert callable(z.real) and not isinstance(z.real, Float128)
    assert isinstance(z.real(), Float128) and isinstance(z.imag(), Float128)
    assert z.real() == Float128(1.0) and z.imag() == Float128(2.0)
    assert z.real() is not z.real()


# --- operators ------------------------------------------------------------


@pytest.mark.parametrize(
    "op, rhs, re, im",
    [
        (operator.add, Complex128(3.0, 4.0), 4.0, 6.0),
        (operator.sub, Complex128(3.0, 5.0), -2.0, -3.0),
        (operator.mul, Complex128(3.0, 4.0), -5.0, 10.0),
        (operator.truediv, Complex128(0.0, 1.0), 2.0, -1.0),
        (operator.add, 1 + 2j, 2.0, 4.0),
        (operator.add, 1.5, 2.5, 2.0),
        (operator.mul, 2, 2.0, 4.0),
        (operator.sub, True, 0.0, 2.0),
    ],
    ids=["add", "sub", "mul", "div", "complex", "float", "int", "bool"],
)
def test_operators_convert_plain_numbers_on_the_right(op, rhs, re, im):
    expect(op(Complex128(1.0, 2.0), rhs), re, im)


def test_division_by_zero_gives_nan_parts_without_raising():
    q = Complex128(1.0, 2.0) / 0.0
    assert tarsel.isnan(q.real()) and tarsel.isnan(q.imag())


def test_numpy_scalars_are_plain_numbers():
    np = pytest.importorskip("numpy")
    expect(Complex128(1.0, 2.0) + np.float64(0.5), 1.5, 2.0)
    expect(Complex128(1.0, 2.0) + np.complex128(1j), 1.0, 3.0)


def test_subclasses_of_plain_numbers_are_converted():
    class MyFloat(float):
        pass

    class MyComplex(complex):
        pass

    expect(Complex128(1.0, 2.0) + MyFloat(1.0), 2.0, 2.0)
    expect(Complex128(1.0, 2.0) + MyComplex(0.0, 1.0), 1.0, 3.0)


class HasComplex:
    def __complex__(self):
        return 1j


@pytest.mark.parametrize("other", [Float128(1.0), "1", 10**400, HasComplex(), None])
@pytest.mark.parametrize("op", [operator.add, operator.sub, operator.mul, operator.truediv, operator.iadd])
def test_refused_operands_fall_back_to_type_error(op, other):
    with pytest.raises(TypeError):
        op(Complex128(1.0, 2.0), other)


@pytest.mark.parametrize("other", [1.5, 2, 1 + 2j, Float128(1.0)])
def test_no_reflected_operators(other):
    with pytest.raises(TypeError):
        other + Complex128(1.0, 2.0)
    with pytest.raises(TypeError):
        other * Complex128(1.0, 2.0)


@pytest.mark.parametrize(
    "inplace, plain",
    [
        (operator.iadd, operator.add),
        (operator.isub, operator.sub),
        (operator.imul, operator.mul),
        (operator.itruediv, operator.truediv),
    ],
)
@pytest.mark.parametrize("rhs", [Complex128(3.0, -1.0), 0.5, 2 - 1j], ids=["Complex128", "float", "complex"])
def test_inplace_operators_change_the_object_itself(inplace, plain, rhs):
    z = Complex128(6.0, 4.0)
    alias = z
    expected = plain(Complex128(6.0, 4.0), rhs)
    result = inplace(z, rhs)
    assert result is z and alias is z
    assert str(alias) == str(expected)


@pytest.mark.parametrize(
    "use",
    [operator.neg, operator.pos, abs, complex, float, lambda z: z < z, lambda z: z <= z, lambda z: z**2],
    ids=["neg", "pos", "abs", "complex", "float", "lt", "le", "pow"],
)
def test_unbound_protocols_raise_type_error(use):
    with pytest.raises(TypeError):
        use(Complex128(1.0, 2.0))


def test_equality_is_identity_and_instances_hash_by_identity():
    z = Complex128(1.0, 2.0)
    assert z == z
    assert not (Complex128(1.0, 2.0) == Complex128(1.0, 2.0))
    assert Complex128(1.0, 2.0) != Complex128(1.0, 2.0)
    assert len({z, z, Complex128(1.0, 2.0)}) == 2


def test_instances_have_no_attribute_dictionary():
    with pytest.raises(AttributeError):
        Complex128().extra = 1


# --- module functions and overload choice ---------------------------------

SHARED = ["sin", "cos", "tan", "sinh", "cosh", "tanh"]


@pytest.mark.parametrize("name", SHARED)
def test_float128_takes_the_real_overload_and_plain_numbers_the_complex_one(name):
    fn = getattr(tarsel, name)
    real = fn(Float128(0.5))
    assert isinstance(real, Float128)
    for arg in (0.5, Complex128(0.5), 0.5 + 0j, True):
        z = fn(arg)
        assert isinstance(z, Complex128)
    # On the real axis the complex function reproduces the real one.
    assert fn(0.5).real() == real


# log10 and the inverse hyperbolic functions: principal values against
# mpmath, the side of each cut a signed zero picks, and NaN for infinite or
# NaN parts.  The error is |got - want| / |want| in units of 2^-104.
COMPLEX_LIBRARY = {"log10": "log10", "asinh": "asinh", "acosh": "acosh", "atanh": "atanh"}
COMPLEX_POINTS = [0.5 + 0.25j, -2.5 + 1e-3j, 3.0 - 4.0j, -0.75 - 0.5j, 1e-20 + 2e-20j, 1e-5 + 1.0j, 0.99 + 0.01j,
                  1e300 + 1e300j, -1e200 + 5.0j, 2.0j, -7.0 - 1e-12j, 1.0 + 1e-30j]


@pytest.mark.parametrize("name", sorted(COMPLEX_LIBRARY))
def test_complex_library_functions_match_mpmath(name):
    mpmath = pytest.importorskip("mpmath")
    fn = getattr(tarsel, name)
    assert isinstance(fn(Float128(0.5)), Float128) and isinstance(fn(0.5), Complex128)
    with mpmath.workprec(300):
        for z in COMPLEX_POINTS:
            got = fn(Complex128(z))
            value = mpmath.mpc(mpmath.mpf(got.real().hi) + got.real().lo, mpmath.mpf(got.imag().hi) + got.imag().lo)
            want = getattr(mpmath, COMPLEX_LIBRARY[name])(mpmath.mpc(z))
            assert abs(value - want) / abs(want) < 16 * mpmath.mpf(2) ** -104, (name, z, complex(value))


@pytest.mark.parametrize(
    "name, z, imag_sign",
    [("log10", complex(-2.0, 0.0), 1.0), ("log10", complex(-2.0, -0.0), -1.0),
     ("acosh", complex(-2.0, 0.0), 1.0), ("acosh", complex(-2.0, -0.0), -1.0),
     ("acosh", complex(0.5, -0.0), -1.0), ("atanh", complex(2.0, 0.0), 1.0),
     ("atanh", complex(2.0, -0.0), -1.0), ("asinh", complex(0.0, 2.0), 1.0), ("asinh", complex(-0.0, -2.0), -1.0)],
)
def test_a_signed_zero_picks_the_side_of_the_cut(name, z, imag_sign):
    got = getattr(tarsel, name)(Complex128(z.real, z.imag)).imag()
    assert math.copysign(1.0, got.hi) == imag_sign and got != Float128(0.0)


@pytest.mark.parametrize("name", sorted(COMPLEX_LIBRARY))
@pytest.mark.parametrize("z", [(math.inf, 1.0), (1.0, -math.inf), (math.nan, 0.0)])
def test_complex_library_functions_give_nan_for_non_finite_parts(name, z):
    got = getattr(tarsel, name)(Complex128(*z))
    assert math.isnan(got.real().hi) and math.isnan(got.imag().hi)


def test_abs_overloads():
    for arg in (-2.0, -2, -2 + 0j, Complex128(-2.0)):
        got = tarsel.abs(arg)
        assert isinstance(got, Float128) and got == Float128(2.0)
    assert tarsel.abs(Complex128(3.0, 4.0)) == Float128(5.0)
    assert tarsel.abs(Float128(-2.0)) == Float128(2.0)
    assert tarsel.abs_sqr(Complex128(3.0, 4.0)) == Float128(25.0)
    assert tarsel.abs_sqr(3 + 4j) == Float128(25.0)


@pytest.mark.parametrize(
    "call",
    [
        lambda: tarsel.sqrt(2.0),
        lambda: tarsel.exp(1),
        lambda: tarsel.abs_sqr(Float128(3.0)),
        lambda: tarsel.sin("0.5"),
        lambda: tarsel.sin(10**400),
        lambda: tarsel.abs(None),
        lambda: tarsel.abs_sqr(HasComplex()),
    ],
    ids=["sqrt float", "exp int", "abs_sqr Float128", "sin str", "sin huge int", "abs None", "__complex__"],
)
def test_arguments_neither_overload_accepts(call):
    with pytest.raises(TypeError, match="incompatible function arguments"):
        call()


def test_complex_overloads_follow_the_real_ones_and_abs_sqr_is_last():
    for name in SHARED + ["abs"]:
        doc = getattr(tarsel, name).__doc__
        assert doc.index("Float128") < doc.index("Complex128"), name
    functions = [name for name, value in vars(tarsel).items() if callable(value) and not isinstance(value, type)]
    assert "abs_sqr" in functions
    before_arrays = [name for name in functions[:functions.index("add_arrays")] if not name.startswith("tarsel_")]
    assert before_arrays[-1] == "abs_sqr"


# --- accuracy of the complex functions ------------------------------------

def exact_value(x, mpmath):
    """The value of the Float128 x to about 31 digits.  Its text carries the
    full precision only for magnitudes in [1, 1e15), so x is first scaled by a
    power of two into [1, 2), which is exact."""
    rough = mpmath.mpf(x.to_string())
    if rough == 0:
        return rough
    k = int(mpmath.floor(mpmath.log(abs(rough), 2)))
    scaled = x * Float128(2.0**-k)
    return mpmath.ldexp(mpmath.mpf(scaled.to_string()), k)


def sample_arguments():
    rng = random.Random(20261208)
    args = [complex(rng.uniform(-8, 8), rng.uniform(-8, 8)) for _ in range(24)]
    args += [complex(rng.uniform(-1, 1) * 10 ** rng.randint(-12, 0), rng.uniform(-1, 1) * 10 ** rng.randint(-12, 0))
             for _ in range(8)]
    args += [complex(rng.uniform(-60, 60), rng.uniform(-3, 3)) for _ in range(4)]
    args += [complex(rng.uniform(-3, 3), rng.uniform(-60, 60)) for _ in range(4)]
    return args


@pytest.mark.parametrize("name", SHARED)
def test_complex_functions_agree_with_mpmath(name):
    mpmath = pytest.importorskip("mpmath")
    reference = getattr(mpmath, name)
    with mpmath.mp.workprec(200):
        for arg in sample_arguments():
            z = getattr(tarsel, name)(arg)
            got = mpmath.mpc(exact_value(z.real(), mpmath), exact_value(z.imag(), mpmath))
            want = reference(mpmath.mpc(arg.real, arg.imag))
            # Error relative to the modulus: a part much smaller than the
            # other carries the absolute error of the larger one.  The bound
            # leaves room for the real sinh, whose e^x - e^-x cancels for small
            # |x| above its series threshold (about 1e-28 relative at 1e-4); a
            # lost low part or a wrong factor is off by 1e-17 or more.
            assert abs(got - want) < 1e-27 * abs(want), (arg, got, want)
