"""The (N, 2) array functions: wiring, argument conversion, every array
layout, shape errors and the result array.  The row arithmetic itself is
proven by the C++ tests of the scalar functions."""

import operator
import os
import subprocess
import sys
import textwrap
import tracemalloc

import numpy as np
import pytest

import tarsel

FIRST_BINARY = ["add_arrays", "sub_arrays", "mul_arrays", "div_arrays"]
FIRST_UNARY = ["sin_arrays", "cos_arrays", "exp_arrays", "log_arrays"]
# The other real functions, registered after the engine's attributes.
LATER_UNARY = ["sqrt_arrays", "tan_arrays", "atan_arrays", "asin_arrays", "acos_arrays", "sinh_arrays",
               "cosh_arrays", "tanh_arrays", "abs_arrays", "floor_arrays", "ceil_arrays", "trunc_arrays",
               "round_arrays", "neg_arrays", "expm1_arrays", "log1p_arrays", "log2_arrays", "log10_arrays",
               "exp2_arrays", "cbrt_arrays", "asinh_arrays", "acosh_arrays", "atanh_arrays", "erf_arrays",
               "erfc_arrays", "gamma_arrays", "lgamma_arrays", "deg2rad_arrays", "rad2deg_arrays", "spacing_arrays"]
LATER_BINARY = ["pow_arrays", "atan2_arrays", "fmod_arrays", "hypot_arrays", "logaddexp_arrays",
                "logaddexp2_arrays", "nextafter_arrays"]
# Every row of the engine's function table, (name, arity), in its order.
TABLE = tarsel._array_functions
BINARY = [f"{name}_arrays" for name, arity in TABLE if arity == 2]
UNARY = [f"{name}_arrays" for name, arity in TABLE if arity == 1]
DOCS = {
    "add_arrays": "element-wise addition of (N, 2) arrays",
    "sub_arrays": "element-wise subtraction of (N, 2) arrays",
    "mul_arrays": "element-wise multiplication of (N, 2) arrays",
    "div_arrays": "element-wise division of (N, 2) arrays",
    "sin_arrays": "element-wise sin of (N, 2) arrays",
    "cos_arrays": "element-wise cos of (N, 2) arrays",
    "exp_arrays": "element-wise exp of (N, 2) arrays",
    "log_arrays": "element-wise log of (N, 2) arrays",
    **{name: f"element-wise {name[:-7]} of (N, 2) arrays" for name in LATER_UNARY + LATER_BINARY},
    "neg_arrays": "element-wise negation of (N, 2) arrays",
}
ALL = [f"{name}_arrays" for name, _ in TABLE]


def call(name, *arrays):
    fn = getattr(tarsel, name)
    return fn(*arrays[:1]) if name in UNARY else fn(*arrays[:2])


def same_bits(got, want):
    return got.dtype == want.dtype and got.shape == want.shape and got.tobytes() == want.tobytes()


def rows(n, seed):
    """n normalised double-double rows with hi in [0.5, 3) and a nonzero lo."""
    rng = np.random.default_rng(seed)
    hi = rng.uniform(0.5, 3.0, n)
    lo = hi * rng.uniform(-2.0**-54, 2.0**-54, n)
    out = np.empty((n, 2))
    out[:, 0] = hi + lo
    out[:, 1] = lo - (out[:, 0] - hi)
    return out


# --- registration ---------------------------------------------------------

# The module's names in the order the module registers them; every name
# added since is registered after the last of them.
REGISTERED_FIRST = [
    "Float128", "Complex128",
    "exp", "log", "pow", "sin", "cos", "tan", "sinh", "cosh", "tanh", "sqrt", "abs", "floor", "ceil",
    "trunc", "round", "fmod", "atan", "atan2", "asin", "acos", "isnan", "isinf", "abs_sqr",
    "pi", "e", "sqrt2", "ln2",
] + FIRST_BINARY + FIRST_UNARY


def test_the_table_lists_every_array_function_once_with_its_arity():
    assert len(set(ALL)) == len(ALL) == len(FIRST_BINARY + FIRST_UNARY + LATER_UNARY + LATER_BINARY)
    assert set(BINARY) == set(FIRST_BINARY + LATER_BINARY) and set(UNARY) == set(FIRST_UNARY + LATER_UNARY)
    assert {name for name in vars(tarsel) if name.endswith("_arrays")} - set(ALL) == {"sum_arrays", "dot_arrays"}
    rows = np.ones((3, 2))
    for name, arity in TABLE:
        fn = getattr(tarsel, f"{name}_arrays")
        assert fn(*[rows] * arity).shape == (3, 2), name
        with pytest.raises(TypeError):
            fn(*[rows] * (3 - arity))


def test_array_functions_are_registered_last_in_their_order():
    public = [name for name in vars(tarsel) if not name.startswith("_")]
    assert [name for name in public if name in REGISTERED_FIRST] == REGISTERED_FIRST
    later = [name for name in public[public.index(FIRST_UNARY[-1]) + 1:]]
    assert set(public) - set(REGISTERED_FIRST) == set(later), "newer names come after the array functions"


@pytest.mark.parametrize("name", ALL)
def test_docstring_and_positional_only_arguments(name):
    signature, summary = getattr(tarsel, name).__doc__.split("\n\n")[:2]
    assert summary.strip() == DOCS[name]
    assert signature.startswith(f"{name}(a: ")
    assert signature.count(", /)") == 1 and ("b: " in signature) == (name in BINARY), signature
    with pytest.raises(TypeError):
        getattr(tarsel, name)(a=np.zeros((1, 2))) if name in UNARY else \
            getattr(tarsel, name)(a=np.zeros((1, 2)), b=np.zeros((1, 2)))


# --- each function computes its own operation, operands in order ----------

THIRD = (float.fromhex("0x1.5555555555555p-2"), float.fromhex("0x1.5555555555555p-56"))
PI = (tarsel.pi.hi, tarsel.pi.lo)
HALF_PI = (tarsel.pi.hi / 2, tarsel.pi.lo / 2)
WIRING = [
    ("add_arrays", [[1.0, 2.0**-60]], [[3.0, 0.0]], [[4.0, 2.0**-60]]),
    ("sub_arrays", [[1.0, 2.0**-60]], [[3.0, 0.0]], [[-2.0, 2.0**-60]]),
    ("mul_arrays", [[1.0 + 2.0**-30, 0.0]], [[1.0 + 2.0**-30, 0.0]], [[1.0 + 2.0**-29, 2.0**-60]]),
    ("div_arrays", [[1.0, 0.0]], [[3.0, 0.0]], [THIRD]),
    ("div_arrays", [[1.0, 0.0]], [[0.0, 0.0]], [[np.inf, 0.0]]),
    ("div_arrays", [[-1.0, 0.0]], [[-0.0, 0.0]], [[np.inf, 0.0]]),
    # The special values the docstrings of the later functions promise.
    ("pow_arrays", [[np.nan, 0.0]], [[0.0, 0.0]], [[1.0, 0.0]]),
    ("pow_arrays", [[-0.0, 0.0]], [[-3.0, 0.0]], [[-np.inf, 0.0]]),
    ("atan2_arrays", [[0.0, 0.0]], [[-0.0, 0.0]], [PI]),
    ("atan2_arrays", [[1.0, 0.0]], [[0.0, 0.0]], [HALF_PI]),
    ("fmod_arrays", [[7.0, 0.0]], [[2.0, 0.0]], [[1.0, 0.0]]),
    ("sqrt_arrays", [[-0.0, 0.0]], None, [[-0.0, 0.0]]),
    ("atan_arrays", [[-np.inf, 0.0]], None, [[-HALF_PI[0], -HALF_PI[1]]]),
    ("asin_arrays", [[1.0, 0.0]], None, [HALF_PI]),
    ("acos_arrays", [[-1.0, 0.0]], None, [PI]),
    ("sinh_arrays", [[-np.inf, 0.0]], None, [[-np.inf, 0.0]]),
    ("cosh_arrays", [[-np.inf, 0.0]], None, [[np.inf, 0.0]]),
    ("tanh_arrays", [[-1000.0, 0.0]], None, [[-1.0, 0.0]]),
    ("abs_arrays", [[-0.0, -2.0**-60]], None, [[0.0, 2.0**-60]]),
    ("floor_arrays", [[2.5, -2.0**-60]], None, [[2.0, 0.0]]),
    ("ceil_arrays", [[2.0, 2.0**-60]], None, [[3.0, 0.0]]),
    ("trunc_arrays", [[-2.0, 2.0**-60]], None, [[-1.0, 0.0]]),
    ("round_arrays", [[-2.5, 0.0]], None, [[-3.0, 0.0]]),
    ("neg_arrays", [[0.0, -0.0]], None, [[-0.0, 0.0]]),
    # The later rows of C's library: one value each that a swapped operand
    # or a neighbour's function would not give.
    ("hypot_arrays", [[-np.inf, 0.0]], [[np.nan, 0.0]], [[np.inf, 0.0]]),
    ("logaddexp_arrays", [[-np.inf, 0.0]], [[-np.inf, 0.0]], [[-np.inf, 0.0]]),
    ("nextafter_arrays", [[0.0, 0.0]], [[-1.0, 0.0]], [[-5e-324, 0.0]]),
    ("nextafter_arrays", [[-1.0, 0.0]], [[0.0, 0.0]], [[-1.0, 2.0**-106]]),
    ("spacing_arrays", [[-1.0, 0.0]], None, [[-(2.0**-105), 0.0]]),
    ("expm1_arrays", [[-np.inf, 0.0]], None, [[-1.0, 0.0]]),
    ("exp2_arrays", [[-np.inf, 0.0]], None, [[0.0, 0.0]]),
    ("erfc_arrays", [[-np.inf, 0.0]], None, [[2.0, 0.0]]),
    ("gamma_arrays", [[-0.0, 0.0]], None, [[-np.inf, 0.0]]),
]


@pytest.mark.parametrize("name, a, b, want", WIRING)
def test_each_function_applies_its_operation_to_a_then_b(name, a, b, want):
    got = call(name, np.array(a), np.array(a if b is None else b))
    assert same_bits(got, np.array(want))


# The scalar function of each row: tarsel.<name>, or the operator of
# Float128 for the arithmetic and negation.
OPERATORS = {"add": operator.add, "sub": operator.sub, "mul": operator.mul, "div": operator.truediv,
             "neg": operator.neg}
SCALAR = {f"{name}_arrays": (OPERATORS.get(name) or getattr(tarsel, name), arity) for name, arity in TABLE}


def special_rows():
    """Rows of every class, each against every other for two operands."""
    tiny, huge = 5e-324, float.fromhex("0x1.fffffffffffffp+1023")
    specials = [
        (np.nan, 0.0), (-np.nan, 0.0), (1.0, np.nan), (np.inf, 0.0), (-np.inf, 0.0), (np.inf, 1.0),
        (0.0, 0.0), (-0.0, 0.0), (0.0, -0.0), (-0.0, -tiny), (tiny, 0.0), (-tiny, 0.0), (2.0**-1022, 2.0**-1074),
        (huge, 2.0**970), (-huge, 0.0), (1e300, -1e283), (0.5, 0.0), (-1.0, 0.0), (1.0, -2.0**-60), (2.5, 0.0),
        (-2.5, 0.0), (3.0, 0.0), (2.0**52 + 1, 0.5), (2.0**52, -0.5), (709.8, 0.0), (-745.2, 0.0),
        (1.0, 1.0), (1.0, -0.75), (3.0, 2.0**-52),  # not normalised: |lo| beyond half an ulp of hi
    ]
    rng = np.random.default_rng(31)
    hi = rng.choice([-1.0, 1.0], 120) * np.exp2(rng.uniform(-60.0, 60.0, 120))
    wide = np.stack([hi, hi * rng.uniform(-2.0**-53, 2.0**-53, 120)], axis=1)
    near_one = rows(40, 6)
    near_one[::3] *= -1.0
    return np.concatenate([np.array(specials), wide, near_one])


@pytest.mark.parametrize("name", ALL)
def test_each_row_has_the_bits_of_the_scalar_function(name):
    cases = special_rows()
    if name in BINARY:
        a = np.repeat(cases, len(cases), axis=0)
        b = np.tile(cases, (len(cases), 1))
    else:
        a = b = cases
    got = call(name, a, b)
    for i in range(len(a)):
        x, y = tarsel.Float128.from_parts(*a[i]), tarsel.Float128.from_parts(*b[i])
        scalar, arity = SCALAR[name]
        want = np.frombuffer(scalar(*(x, y)[:arity]).to_bytes(), dtype=np.float64)
        if name in FIRST_BINARY and np.isnan(want).any():
            # The operators of Float128 are compiled apart from the array
            # loop, and which of two NaN operands' sign survives may differ.
            assert np.array_equal(np.isnan(got[i]), np.isnan(want)), (name, a[i], b[i], got[i], want)
            assert np.array_equal(got[i], want, equal_nan=True), (name, a[i], b[i], got[i], want)
        else:
            assert got[i].tobytes() == want.tobytes(), (name, a[i], b[i], got[i], want)


def test_special_rows_pass_through_without_an_exception():
    a = np.array([[np.nan, 0.0], [np.inf, 0.0], [1.0, 0.0]])
    b = np.array([[1.0, 0.0], [1.0, 0.0], [0.0, 0.0]])
    got = tarsel.div_arrays(a, b)
    assert np.isnan(got[0, 0]) and got[1, 0] == np.inf and got[2, 0] == np.inf


# --- every layout reads the rows NumPy shows --------------------------------

def transposed(x):
    return np.ascontiguousarray(x.T).T


def row_step(x):
    wide = np.full((2 * len(x), 2), np.nan)
    wide[::2] = x
    return wide[::2]


def reversed_rows(x):
    return np.ascontiguousarray(x[::-1])[::-1]


def reversed_columns(x):
    return np.ascontiguousarray(x[:, ::-1])[:, ::-1]


def view_in_larger(x):
    big = np.full((len(x) + 5, 7), np.nan)
    big[3:3 + len(x), 2:4] = x
    return big[3:3 + len(x), 2:4]


def offset_contiguous(x):
    # C-contiguous rows starting 8 bytes into the buffer: not 16-byte aligned.
    flat = np.full(x.size + 3, np.nan)
    flat[1:1 + x.size] = x.ravel()
    return flat[1:1 + x.size].reshape(x.shape)


def unaligned(x):
    raw = bytearray(x.nbytes + 1)
    view = np.frombuffer(raw, dtype=np.float64, count=x.size, offset=1).reshape(x.shape)
    view[...] = x
    return view


def read_only(x):
    y = x.copy()
    y.flags.writeable = False
    return y


LAYOUTS = {
    "transposed": transposed,
    "fortran": np.asfortranarray,
    "row_step": row_step,
    "reversed_rows": reversed_rows,
    "reversed_columns": reversed_columns,
    "view_in_larger": view_in_larger,
    "offset_contiguous": offset_contiguous,
    "unaligned": unaligned,
    "read_only": read_only,
    "big_endian": lambda x: x.astype(">f8"),
    "float32": lambda x: x.astype(np.float32),
    "int64": lambda x: (x * 4.0).astype(np.int64),
}
CONVERTING = ("float32", "int64")


@pytest.mark.parametrize("n", [0, 1, 5, 300])
@pytest.mark.parametrize("layout", LAYOUTS)
@pytest.mark.parametrize("name", ALL)
def test_every_layout_gives_the_result_of_its_contiguous_copy(name, layout, n):
    a, b = rows(n, 1), rows(n, 2)
    make = LAYOUTS[layout]
    la, lb = make(a), make(b)
    if layout not in CONVERTING:
        assert np.array_equal(la, a) and np.array_equal(lb, b)
    ca, cb = np.ascontiguousarray(la, dtype=np.float64), np.ascontiguousarray(lb, dtype=np.float64)
    assert same_bits(call(name, la, lb), call(name, ca, cb))
    if name in BINARY:
        # One operand in the layout, the other contiguous, in both places.
        assert same_bits(call(name, la, b), call(name, ca, b))
        assert same_bits(call(name, a, lb), call(name, a, cb))


def test_broadcast_rows_with_stride_zero():
    row = np.array([1.0, 2.0**-60])
    a = np.broadcast_to(row, (4, 2))
    assert a.strides[0] == 0
    assert same_bits(tarsel.add_arrays(a, a), tarsel.add_arrays(np.tile(row, (4, 1)), np.tile(row, (4, 1))))


GUARD_SCRIPT = textwrap.dedent("""
    import ctypes, mmap, sys
    import numpy as np
    import tarsel

    # A (N, 2) array whose last byte is the last byte before an unreadable
    # page: reading one byte past any row of it faults.
    page = mmap.PAGESIZE
    n = 3 * page // 16
    buf = mmap.mmap(-1, 4 * page)
    libc = ctypes.CDLL(None, use_errno=True)
    addr = ctypes.addressof(ctypes.c_char.from_buffer(buf))
    if libc.mprotect(ctypes.c_void_p(addr + 3 * page), page, 0) != 0:
        sys.exit(3)
    a = np.frombuffer(buf, dtype=np.float64, count=2 * n).reshape(n, 2)
    a[:] = np.arange(2.0 * n).reshape(n, 2) / 7.0 + 1.0
    for name in sys.argv[1:]:
        fn = getattr(tarsel, name)
        for view in (a[::-1], a[::-1, ::-1], a[n // 2:], a.reshape(2, n).T):
            ones = np.ones(view.shape)
            (fn(view, ones), fn(ones, view)) if name in %r else fn(view)
    del a
    print("ok")
""" % (BINARY,))


def test_no_layout_reads_past_the_end_of_its_buffer():
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(p for p in sys.path if p))
    proc = subprocess.run([sys.executable, "-c", GUARD_SCRIPT, *ALL],
                          capture_output=True, text=True, env=env, timeout=120)
    assert proc.returncode == 0 and proc.stdout.strip() == "ok", proc.stderr


# --- argument conversion ----------------------------------------------------

CONVERTED = [
    ([[1.0, 0.0], [2.0, 0.0]], "nested list"),
    (((1.0, 0.0), (2.0, 0.0)), "nested tuple"),
    (np.array([[1, 0], [2, 0]], dtype=np.int64), "int64 array"),
    (np.array([[True, False], [True, False]]), "bool array"),
    (np.array([[1.0, 0.0], [2.0, 0.0]], dtype=np.float16), "float16 array"),
]


@pytest.mark.parametrize("value, what", CONVERTED)
def test_anything_numpy_casts_to_float64_is_converted(value, what):
    want = tarsel.add_arrays(np.asarray(value, dtype=np.float64), np.zeros((2, 2)))
    assert same_bits(tarsel.add_arrays(value, np.zeros((2, 2))), want), what
    assert same_bits(tarsel.add_arrays(np.zeros((2, 2)), value), want), what


NOT_ARRAYS = ["abc", {"a": 1}, [[1.0, "x"]], [[1.0, 2.0], [3.0]], object()]


# Ids by type and text, never by address: every pytest-xdist worker must
# collect the same ids.
@pytest.mark.parametrize("bad", NOT_ARRAYS, ids=lambda bad: repr(bad) if type(bad) is not object else "object()")
@pytest.mark.parametrize("name", ALL)
def test_what_numpy_cannot_convert_is_a_type_error(name, bad):
    good = np.zeros((1, 2))
    with pytest.raises(TypeError, match="incompatible function arguments"):
        call(name, bad, good)
    if name in BINARY:
        with pytest.raises(TypeError, match="incompatible function arguments"):
            call(name, good, bad)


# --- shape errors ------------------------------------------------------------

TWO = "Inputs must have shape \\(N, 2\\)"
ONE = "Input must have shape \\(N, 2\\)"
MATCH = "Input shapes must match"
SHAPE_ERRORS = [
    ((4,), (4, 2), TWO),
    ((4, 2), (4,), TWO),
    ((4, 3), (4, 2), TWO),
    ((4, 2), (4, 1), TWO),
    ((2, 2, 2), (2, 2), TWO),
    ((), (1, 2), TWO),
    ((3, 2), (4, 2), MATCH),
    ((0, 2), (1, 2), MATCH),
    ((3, 2), (4, 3), TWO),  # the shape of both operands is tested before the lengths
    ((4, 3), (3, 2), TWO),
]


@pytest.mark.parametrize("shape_a, shape_b, message", SHAPE_ERRORS)
@pytest.mark.parametrize("name", BINARY)
def test_two_operand_shape_errors(name, shape_a, shape_b, message):
    with pytest.raises(RuntimeError, match=f"^{message}$"):
        call(name, np.zeros(shape_a), np.zeros(shape_b))


def test_shape_errors_come_before_the_result_is_allocated():
    a, b = np.zeros((10**6, 2)), np.zeros((10**6 + 1, 2))
    tracemalloc.start()
    try:
        with pytest.raises(RuntimeError, match=MATCH):
            tarsel.add_arrays(a, b)
        peak = tracemalloc.get_traced_memory()[1]
    finally:
        tracemalloc.stop()
    assert peak < a.nbytes // 4


@pytest.mark.parametrize("shape", [(4,), (4, 3), (4, 1), (2, 2, 2), (), (2, 4)])
@pytest.mark.parametrize("name", UNARY)
def test_one_operand_shape_errors(name, shape):
    with pytest.raises(RuntimeError, match=f"^{ONE}$"):
        call(name, np.zeros(shape))


# --- the result and the inputs ------------------------------------------------

@pytest.mark.parametrize("n", [0, 1, 7])
@pytest.mark.parametrize("name", ALL)
def test_result_is_a_new_c_contiguous_float64_array_that_owns_its_data(name, n):
    a, b = rows(n, 3), rows(n, 4)
    a_before, b_before = a.copy(), b.copy()
    a.flags.writeable = False
    b.flags.writeable = False
    r = call(name, a, b)
    assert r.shape == (n, 2) and r.dtype == np.float64
    assert r.flags.c_contiguous and r.flags.owndata and r.flags.writeable and r.base is None
    # (NumPy gives an empty array it allocates with explicit strides the strides 0.)
    if n:
        assert r.strides == (16, 8)
    assert not np.shares_memory(r, a) and not np.shares_memory(r, b)
    assert same_bits(a, a_before) and same_bits(b, b_before)


@pytest.mark.parametrize("name", BINARY)
def test_same_array_twice_is_allowed_and_left_unchanged(name):
    x = rows(9, 5)
    before = x.copy()
    r = call(name, x, x)
    assert same_bits(x, before)
    assert same_bits(r, call(name, before, before.copy()))


@pytest.mark.parametrize("name", ALL)
def test_result_too_large_for_memory_is_a_memory_error(name):
    row = np.array([1.0, 0.0])
    # Stride-0 rows cost no memory, so the input can be as long as NumPy
    # allows while its result cannot be allocated.
    sizes = [sys.maxsize // 16] + ([sys.maxsize // 64] if sys.maxsize > 2**32 else [])
    for n in sizes:
        huge = np.broadcast_to(row, (n, 2))
        with pytest.raises(MemoryError):
            call(name, huge, huge)
