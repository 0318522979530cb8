"""What the binding adds to text and comparison: the constructor overloads for
str, bytes and bytearray, the repr form, comparisons with other types and
hashing.  The digits themselves are tested in C++."""
import pytest

from tarsel import Float128

THIRD_TEXT = "0.3333333333333333333333333333333"


def third():
    return Float128(1.0) / Float128(3.0)


@pytest.mark.parametrize(
    "arg, want",
    [
        ("1.5", 1.5),
        (b"1.5", 1.5),
        (bytearray(b"1.5"), 1.5),
        ("  -42", -42.0),
        ("12\x0034", 12.0),  # the parser stops at the embedded NUL
        (b"7\x009", 7.0),
        ("abc", 0.0),  # no digits: zero, no exception
        ("2.5e1xyz", 25.0),  # trailing text ignored
        ("\u0663", 0.0),  # a non-ASCII digit is not a digit
        ("1.5\u00e9", 1.5),
        ("", 0.0),
        ("1.5\udc80", 1.5),  # a lone surrogate is no digit: reading stops there
        ("2\ud8005", 2.0),
        ("\udfff1.5", 0.0),
        ("-3.25e1\udbff\udc00", -32.5),  # a str keeps the two halves of a pair as two code points
    ],
)
def test_text_constructor_reads_str_bytes_and_bytearray(arg, want):
    assert Float128(arg) == Float128(want)


def test_text_constructor_keeps_its_place_and_signature():
    overloads = [line.split(". ", 1)[1] for line in Float128.__init__.__doc__.splitlines() if line[:1].isdigit()]
    assert overloads[2] == "__init__(self: tarsel.Float128, arg0: str) -> None"


@pytest.mark.parametrize("arg", [memoryview(b"1.5"), ["1.5"], 1 + 2j])
def test_only_str_bytes_and_bytearray_are_text(arg):
    with pytest.raises(TypeError, match="incompatible constructor arguments"):
        Float128(arg)


def test_text_is_read_as_decimal_not_through_a_python_float():
    # The text 0.1 carries a low part; the Python float 0.1 does not.
    assert Float128("0.1") != Float128(0.1)
    assert Float128("0.1").to_string() == "0.1000000000000000000000000000000"


def test_numbers_take_the_float_overload_and_text_the_str_overload():
    # 3 goes to the float constructor, "3" to the text one; both give 3.
    assert Float128(3) == Float128("3")
    # The text overload reads decimal text, not Python literals.
    assert Float128("0x10") == Float128(0.0)
    assert Float128("1_000") == Float128(1.0)


@pytest.mark.parametrize("bad", [None, [1.0], Float128(1.0), 10**400])
def test_non_text_non_number_arguments_raise_type_error(bad):
    with pytest.raises(TypeError) as info:
        Float128(bad)
    assert "arg0: str" in str(info.value)


def test_text_special_values_never_raise():
    assert Float128("inf").to_string() == "inf"
    assert Float128("-Infinity").to_string() == "-inf"
    nan = Float128("-nan")
    assert nan.to_string() == "nan"
    assert Float128("1e99999999").to_string() == "inf"


def test_str_and_to_string_are_the_same_text():
    x = third()
    assert x.to_string() == THIRD_TEXT
    assert str(x) == THIRD_TEXT
    assert str(Float128(-0.0)) == "-0.0000000000000000000000000000000"


def test_repr_wraps_the_text_in_a_constructor_call():
    assert repr(third()) == "Float128('" + THIRD_TEXT + "')"
    assert repr(Float128(float("nan"))) == "Float128('nan')"
    # The repr reads back through the text constructor.
    text = repr(Float128(2.5))
    assert eval(text, {"Float128": Float128}) == Float128(2.5)


@pytest.mark.parametrize(
    "a, b, want",
    [
        (1.0, 2.0, (False, True, True, True, False, False)),
        (2.0, 2.0, (True, False, False, True, False, True)),
        (3.0, 2.0, (False, True, False, False, True, True)),
        (-0.0, 0.0, (True, False, False, True, False, True)),
    ],
)
def test_six_comparisons_between_float128(a, b, want):
    x, y = Float128(a), Float128(b)
    assert (x == y, x != y, x < y, x <= y, x > y, x >= y) == want
    assert all(type(r) is bool for r in (x == y, x != y, x < y, x <= y, x > y, x >= y))


def test_comparisons_see_the_low_part():
    x = Float128("1")
    y = x + Float128(2.0**-80)
    assert x < y and y > x and x != y


def test_nan_is_unequal_to_itself():
    x = Float128(0.0) / Float128(0.0)
    assert not (x == x)
    assert x != x
    assert not (x < x) and not (x <= x) and not (x > x) and not (x >= x)


@pytest.mark.parametrize("other", [1.0, 1, "1", None, complex(1, 0)])
def test_equality_with_other_types_is_false_and_ordering_raises(other):
    x = Float128(1.0)
    assert (x == other) is False
    assert (x != other) is True
    for order in (
        lambda: x < other,
        lambda: x <= other,
        lambda: x > other,
        lambda: x >= other,
        lambda: other < x,
    ):
        with pytest.raises(TypeError):
            order()


def test_float128_is_unhashable():
    assert Float128.__hash__ is None
    x = Float128(1.0)
    with pytest.raises(TypeError):
        hash(x)
    with pytest.raises(TypeError):
        {x}
    with pytest.raises(TypeError):
        {x: 1}
