"""The NumPy dtype tarsel.float128: every ufunc loop against the scalar
functions and operators it stands for, bit for bit; the casts; the no-copy
views; sorting, reductions, pickling, and operands NumPy hands over in odd
layouts.  The numerics are proven in C++; what is checked here is that the
dtype reaches them with the right operands and keeps every bit."""

import copy
import io
import math
import pickle
import struct
from fractions import Fraction

import numpy as np
import pytest

import tarsel
from tarsel import Float128 as F

f128 = tarsel.float128
INF, NAN = math.inf, math.nan
# Element-wise loops, (ufunc name, nin, nout, engine function or None,
# operand dtypes); the matrix product, a generalized ufunc, is
# test_linalg.py's.
LOOPS = [row for row in tarsel._core._ufunc_loops if row[0] != "matmul"]
# The loops whose operands are all float128.
VALUE_LOOPS = [row for row in LOOPS if all(t == f128 for t in row[4][:row[1]])]
# The parts of a value: an int exponent in or out, or two results, each
# against the module function element by element.
PARTS = {"ldexp": tarsel.ldexp, "frexp": tarsel.frexp, "modf": tarsel.modf}

# Special classes and random values, as (hi, lo) pairs.
SPECIAL = [(0.0, 0.0), (-0.0, 0.0), (1.0, 0.0), (-1.0, 2.0**-60), (0.5, -2.0**-56), (2.5, 0.0), (-2.5, 0.0),
           (3.0, 1e-17), (1e300, 1e283), (-1e-300, 0.0), (5e-324, 0.0), (INF, 0.0), (-INF, 0.0), (NAN, 0.0),
           (0.1, 5.551115123125783e-18), (7.0, -2.0**-52), (1e16, 1.0), (-1e25, 0.5)]


def values(n=200, seed=1):
    rng = np.random.default_rng(seed)
    hi = rng.standard_normal(n) * 10.0 ** rng.integers(-8, 9, n)
    lo = hi * 2.0**-54 * rng.uniform(-1, 1, n)
    pairs = np.stack([hi, lo], axis=1)
    pairs = np.concatenate([np.array(SPECIAL), pairs])
    return pairs


def as_float128(pairs):
    return tarsel.from_rows_view(np.ascontiguousarray(pairs, dtype=np.float64))


def bits(x):
    """The bytes of every element, NaN payloads included."""
    return np.ascontiguousarray(x).tobytes()


def scalars(pairs):
    return [F.from_parts(float(h), float(l)) for h, l in pairs]


def fixed(ufunc_name, *xs):
    """The result a loop must give element by element, from the module's
    scalar operators and functions, or None where the loop runs the engine."""
    def sign(x):
        return x if tarsel.isnan(x) else F(1.0) if x > F(0) else F(-1.0) if x < F(0) else F(0.0)

    def copysign(x, y):
        return -x if math.copysign(1, x.hi) != math.copysign(1, y.hi) else x

    truth = lambda x: not x == F(0)
    table = {
        "positive": lambda x: x, "square": lambda x: x * x, "reciprocal": lambda x: F(1.0) / x,
        "rint": lambda x: x if not tarsel.isfinite(x) else F.from_rational(round(x)) if x.hi != 0 else x,
        "sign": sign, "copysign": copysign,
        "maximum": lambda x, y: x if tarsel.isnan(x) else y if tarsel.isnan(y) else y if x < y else x,
        "minimum": lambda x, y: x if tarsel.isnan(x) else y if tarsel.isnan(y) else y if x > y else x,
        "fmax": lambda x, y: y if tarsel.isnan(x) else x if tarsel.isnan(y) else y if x < y else x,
        "fmin": lambda x, y: y if tarsel.isnan(x) else x if tarsel.isnan(y) else y if x > y else x,
        "isnan": tarsel.isnan, "isinf": tarsel.isinf, "isfinite": tarsel.isfinite,
        "signbit": lambda x: math.copysign(1, x.hi) < 0, "logical_not": lambda x: not truth(x),
        "equal": lambda x, y: x == y, "not_equal": lambda x, y: x != y, "less": lambda x, y: x < y,
        "less_equal": lambda x, y: x <= y, "greater": lambda x, y: x > y, "greater_equal": lambda x, y: x >= y,
        "logical_and": lambda x, y: truth(x) and truth(y), "logical_or": lambda x, y: truth(x) or truth(y),
        "logical_xor": lambda x, y: truth(x) != truth(y),
    }
    return table.get(ufunc_name)


def test_the_dtype_is_found_from_float128_values_and_named():
    x = np.array([F(1), F("0.1")])
    assert x.dtype == f128 and np.dtype(f128) is f128 and type(x[1]) is F
    assert x[1].to_bytes() == F("0.1").to_bytes()
    assert np.zeros(3, f128).dtype == f128 and isinstance(f128, tarsel.Float128DType)
    assert f128.itemsize == 16 and tarsel.Float128DType() is f128


def exponents(n, dtype):
    """n exponents across the range and past it, and the ends of the dtype."""
    info = np.iinfo(dtype)
    k = np.random.default_rng(5).integers(-2300, 2300, n).astype(dtype)
    k[:4] = [info.min, info.max, 0, -1]
    return k


def loop_id(row):
    return row[0] if row[0] != "ldexp" else f"ldexp-{row[4][1]}"


@pytest.mark.parametrize("name, nin, nout, engine, types", LOOPS, ids=[loop_id(row) for row in LOOPS])
def test_every_loop_gives_the_bits_of_the_scalar_function(name, nin, nout, engine, types):
    pairs = values()
    ufunc = getattr(np, name)
    a = as_float128(pairs)
    b = as_float128(np.roll(pairs, 7, axis=0))
    args = [a, b][:nin]
    if engine is not None:
        expected = getattr(tarsel, f"{engine}_arrays")(*[tarsel.as_rows(x) for x in args])
        assert bits(ufunc(*args)) == bits(expected)
        return
    if name in PARTS:
        if nin == 2:
            args = [a, exponents(len(a), types[1])]
        results = ufunc(*args)
        assert [r.dtype for r in (results if nout == 2 else [results])] == list(types[nin:])
        for i in range(len(a)):
            want = PARTS[name](*[x if isinstance(x, F) else int(x) for x in (arg[i] for arg in args)])
            got = tuple(r[i] for r in results) if nout == 2 else (results[i],)
            for g, w in zip(got, want if nout == 2 else (want,)):
                assert (g.to_bytes() == w.to_bytes()) if isinstance(w, F) else (int(g) == w), (name, i, g, w)
        return
    if name == "divmod":
        q, r = ufunc(a, b)
        for i, (x, y) in enumerate(zip(a, b)):
            if tarsel.isfinite(x) and tarsel.isfinite(y) and y != F(0):
                exact = Fraction(*x.as_integer_ratio()) / Fraction(*y.as_integer_ratio())
                if abs(exact) < 2**100:   # the quotient is an integer of the format
                    assert q[i] == F.from_rational(math.floor(exact)), (x, y)
        assert bits(q) == bits(np.floor_divide(a, b)) and bits(r) == bits(np.remainder(a, b))
        return
    reference = fixed(name)
    if reference is None:   # floor_divide, remainder: checked against divmod and Python
        x, y = F(7.5), F(-2.0)
        assert ufunc(np.array([x]), np.array([y]))[0] == F({"floor_divide": 7.5 // -2.0,
                                                             "remainder": 7.5 % -2.0}[name])
        return
    result = ufunc(*args)
    for i, row in enumerate(zip(*[scalars(p) for p in ([pairs, np.roll(pairs, 7, axis=0)][:nin])])):
        want = reference(*row)
        if isinstance(want, F):
            assert result[i].to_bytes() == want.to_bytes(), (name, row)
        else:
            assert bool(result[i]) == bool(want), (name, row)


VALUE_PAIRS = [row for row in VALUE_LOOPS if row[1] == 2 and row[2] == 1 and fixed(row[0]) is None or
               row[0] in ("maximum", "minimum", "fmax", "fmin", "copysign")]


@pytest.mark.parametrize("name, nin, nout, engine, types", VALUE_PAIRS, ids=[row[0] for row in VALUE_PAIRS])
@pytest.mark.parametrize("n", [2, 41, 3000])
def test_reduce_and_accumulate_carry_the_running_value_from_row_to_row(name, nin, nout, engine, types, n):
    ufunc = getattr(np, name)
    x = as_float128(values(n)[-n:] * 0.5 + 1.0)
    running, want = x[:1].copy(), [x[0]]
    for k in range(1, n):
        running = ufunc(running, x[k:k + 1])
        want.append(running[0])
    assert bits(ufunc.accumulate(x)) == bits(np.array(want, f128))
    if name != "add":   # add sums exactly: the reductions' test
        assert ufunc.reduce(x).to_bytes() == want[-1].to_bytes()


@pytest.mark.parametrize("n", [3, 300_001])
def test_strided_unaligned_and_overlapping_operands_give_the_contiguous_bits(n):
    pairs = values(n)[: 2 * (n // 2)]
    x = as_float128(pairs)
    want = bits(np.add(x[::2], x[1::2]))
    raw = np.zeros(16 * len(x) + 1, np.uint8)[1:].view(f128)   # misaligned by a byte
    raw[:] = x
    assert bits(np.add(raw[::2], raw[1::2])) == want
    out = np.empty((len(x) // 2, 2), f128)[:, 0]   # output with a stride of 32 bytes
    np.add(x[::2], x[1::2], out=out)
    assert bits(out) == want
    y = x.copy()   # overlap: NumPy copies or orders the work; each sum sees the old values
    np.add(y[:-1], y[1:], out=y[1:])
    assert bits(y[1:]) == bits(np.add(x[:-1], x[1:]))


@pytest.mark.parametrize("exponent, loop", [
    (np.arange(3, dtype=np.int8), np.int32), (np.arange(3, dtype=np.uint16), np.int32), (np.array([True]), np.int32),
    (np.arange(3, dtype=np.int32), np.int32), (np.arange(3, dtype=np.uint32), np.int64),
    (np.arange(3, dtype=np.int64), np.int64), (np.arange(3, dtype=np.longlong), np.int64), (2, np.int32),
    (np.int64(2), np.int64),
], ids=["int8", "uint16", "bool", "int32", "uint32", "int64", "longlong", "int", "int64 scalar"])
def test_ldexp_takes_the_exponent_loop_float64_takes(exponent, loop):
    x = np.array([F("0.1"), F(-3.0), F(5e-324)])
    got = np.ldexp(x, exponent)
    assert got.dtype == f128
    # the float64 loop NumPy picks for this exponent: same casts, same clamping
    assert np.ldexp(np.ones(3), exponent).dtype == np.float64
    want = [tarsel.ldexp(v, int(k)) for v, k in zip(x, np.broadcast_to(np.asarray(exponent).astype(loop), 3))]
    assert bits(got) == bits(np.array(want, f128))


@pytest.mark.parametrize("exponent", [np.arange(3, dtype=np.uint64), 2.0, np.arange(3.0)],
                         ids=["uint64", "float", "float64"])
def test_ldexp_refuses_an_exponent_float64_refuses(exponent):
    with pytest.raises(TypeError):
        np.ldexp(np.ones(3), exponent)
    with pytest.raises(TypeError, match="ldexp"):
        np.ldexp(np.array([F(1.0)] * 3), exponent)
    with pytest.raises(TypeError):
        np.ldexp(np.array([F(1.0)] * 3), np.array([F(2.0)] * 3))


def test_ldexp_raises_overflow_for_a_python_int_beyond_int32_as_float64_does():
    with pytest.raises(OverflowError):
        np.ldexp(np.ones(1), 2**40)
    with pytest.raises(OverflowError):
        np.ldexp(np.array([F(1.0)]), 2**40)


def test_frexp_gives_int32_exponents_and_modf_the_fraction_first():
    x = np.array([F(-48.0), F("0.1"), F(3.5)])
    m, e = np.frexp(x)
    assert m.dtype == f128 and e.dtype == np.int32 == np.frexp(np.ones(1))[1].dtype
    assert e.tolist() == [6, -3, 2] and m[0] == F(-0.75)
    frac, integral = np.modf(x)
    assert frac.dtype == integral.dtype == f128
    assert frac[2] == F(0.5) and integral[2] == F(3.0) and integral[0] == F(-48.0)
    assert bits(np.ldexp(m, e)) == bits(x)


def test_mixed_operands_promote_to_float128_exactly():
    x = np.array([F("0.1")])
    big = np.array([2**62 + 1], dtype=np.int64)
    assert (x + big).dtype == f128 and (x + big)[0] == F("0.1") + F.from_rational(2**62 + 1)
    assert (x * 2.5)[0] == F("0.1") * F(2.5) and (3 * x)[0] == F(3) * F("0.1")
    assert (x + np.float32(0.1))[0] == F("0.1") + F(float(np.float32(0.1)))
    assert (F(2) + np.arange(2.0)).dtype == f128
    assert (np.float64(1.0) + F(1.0)) == F(2.0)
    with pytest.raises((TypeError, np.exceptions.DTypePromotionError, np._core._exceptions._UFuncNoLoopError)):
        x + np.array([1j])


CASTS_IN = [  # (values, dtype): each value must arrive exactly
    ([True, False], np.bool_), ([-128, 127], np.int8), ([255], np.uint8), ([-2**31], np.int32),
    ([2**63 - 1, -2**63, 2**62 + 1], np.int64), ([2**64 - 1, 2**53 + 1], np.uint64),
    ([65504.0, 6e-8, -0.0], np.float16), ([0.1, 3e38], np.float32), ([0.1, 5e-324, -INF], np.float64),
]


@pytest.mark.parametrize("data, dtype", CASTS_IN)
def test_casts_from_numbers_are_exact(data, dtype):
    a = np.array(data, dtype=dtype)
    x = a.astype(f128)
    for got, v in zip(x, a.tolist()):
        want = F(v) if isinstance(v, float) else F.from_rational(int(v))
        assert got.to_bytes() == want.to_bytes()
    assert np.can_cast(dtype, f128, "safe")


TIE = 1.0 + 2.0**-24   # halfway between two float32 values
CASTS_OUT = [  # (hi, lo, dtype, expected): rounded once from hi + lo, truncated to ints
    (TIE, 2.0**-80, np.float32, np.float32(1.0 + 2.0**-23)), (TIE, -2.0**-80, np.float32, np.float32(1.0)),
    (1.0 + 2.0**-11, 2.0**-70, np.float16, np.float16(1.0 + 2.0**-10)), (1.0, 2.0**-60, np.float64, 1.0),
    (2.0**53, -0.5, np.int64, 2**53 - 1), (-(2.0**53), 0.5, np.int64, -(2**53) + 1),
    (2.0**63, -1.0, np.uint64, 2**63 - 1), (0.5, 0.0, np.bool_, True), (0.0, -0.0, np.bool_, False),
]


@pytest.mark.parametrize("hi, lo, dtype, expected", CASTS_OUT)
def test_casts_to_numbers_round_once_or_truncate(hi, lo, dtype, expected):
    got = as_float128([[hi, lo]]).astype(dtype)[0]
    assert got == expected and np.dtype(got.dtype) == np.dtype(dtype)
    assert not np.can_cast(f128, dtype, "safe") and np.can_cast(f128, dtype, "unsafe")


def test_text_and_object_casts():
    x = np.array(["0.1", "-1e-400", "nan", b"2.5".decode()]).astype(f128)
    assert [v.to_bytes() for v in x[:2]] == [F.from_decimal("0.1").to_bytes(), F.from_decimal("-1e-400").to_bytes()]
    assert np.array([b"0.1"]).astype(f128)[0] == F.from_decimal("0.1")
    texts = as_float128(values(20)).astype("U800")
    assert all(F.from_decimal(t).to_bytes() == v.to_bytes() for t, v in zip(texts, as_float128(values(20)))
               if not math.isnan(v.hi))
    with pytest.raises(ValueError, match="'abc'"):
        np.array(["1", "abc"]).astype(f128)
    with pytest.raises(TypeError):
        np.array([object()], dtype=object).astype(f128)
    objs = np.array([F("0.1"), 2**70 + 1, 0.5], dtype=object).astype(f128)
    assert list(objs) == [F("0.1"), F.from_rational(2**70 + 1), F(0.5)]
    assert objs.astype(object)[0].to_bytes() == F("0.1").to_bytes()


@pytest.mark.parametrize("missing, want", [(np.nan, "nan"), ("7.5", "7.5"), (None, ValueError)])
def test_string_dtype_holds_every_text_and_reads_missing_values(missing, want):
    S = np.dtypes.StringDType
    x = np.concatenate([as_float128(values(40)), np.array([F(1e-5)])])   # 1e-5 read exactly: 70 characters
    texts = x.astype(S())
    assert texts.dtype == S() and max(len(t) for t in texts) > 64     # longer than an unsized U holds
    assert bits(texts.astype(f128)[~np.isnan(x)]) == bits(x[~np.isnan(x)])
    assert list(texts) == list(x.astype("U1400"))
    with pytest.raises(ValueError, match="'0.1x'"):
        np.array(["0.1x"], dtype=S()).astype(f128)
    holes = np.array(["0.1", missing], dtype=S(na_object=missing))
    if want is ValueError:
        with pytest.raises(ValueError, match="missing"):
            holes.astype(f128)
    else:
        assert bits(holes.astype(f128)) == bits(np.array([F("0.1"), F.from_decimal(want)]))


def test_views_share_memory_and_keep_the_low_parts():
    x = as_float128(values(5))
    rows = tarsel.as_rows(x)
    assert rows.shape == (len(x), 2) and np.shares_memory(rows, x)
    assert tarsel.from_rows_view(rows).base is not None and bits(tarsel.from_rows_view(rows)) == bits(x)
    assert bits(tarsel.add_arrays(x, x)) == bits(np.add(x, x))   # not the float64 cast of x
    assert tarsel.sum_arrays(x).to_bytes() == tarsel.sum_arrays(rows).to_bytes()
    with pytest.raises(TypeError):
        tarsel.as_rows(np.zeros(3))
    with pytest.raises(ValueError):
        tarsel.from_rows_view(np.zeros((3, 2))[:, ::-1])


def test_sorting_and_searching_order_by_the_exact_value_nans_last():
    x = np.array([F(1.0), F.from_parts(1.0, 2.0**-70), F(NAN), F.from_parts(1.0, -2.0**-70), F(-INF)])
    assert [v.to_bytes() for v in np.sort(x)[:4]] == [x[4].to_bytes(), x[3].to_bytes(), x[0].to_bytes(),
                                                         x[1].to_bytes()]
    assert tarsel.isnan(np.sort(x)[-1]) and list(np.argsort(x)) == [4, 3, 0, 1, 2]
    assert x.argmax() == 2 and x.argmin() == 2 and x[:2].argmax() == 1 and tarsel.isnan(x.max())
    assert np.searchsorted(np.sort(x)[:4], F(1.0)) == 2 and len(np.unique(np.concatenate([x[:2], x[:2]]))) == 2


def test_reductions_sum_exactly_and_start_empty_ones_at_their_identity():
    x = np.array([F(2.0**200), F(1.0), F(2.0**-200), F(-(2.0**200))])
    assert x.sum().to_bytes() == F.from_parts(1.0, 2.0**-200).to_bytes()
    assert np.array([], f128).sum() == F(0) and np.array([], f128).prod() == F(1)
    assert math.copysign(1, np.array([F(-0.0)]).sum().hi) < 0
    y = as_float128(values(50))
    running, want = F(0), []
    for v in y:
        running = v if not want else running + v
        want.append(running)
    assert [v.to_bytes() for v in np.cumsum(y)] == [v.to_bytes() for v in want]
    assert np.array([F(1), F(2), F(4)]).mean() == F(7) / F(3)


@pytest.mark.parametrize("layout", [lambda a: a, lambda a: a.T, lambda a: a[:, ::3], lambda a: a[::-1]],
                         ids=["c", "transposed", "strided", "reversed"])
def test_reductions_over_every_axis_at_once(layout):
    rng = np.random.default_rng(5)
    plain = layout(np.ldexp(rng.standard_normal((60, 50)), rng.integers(-200, 200, (60, 50))))
    x = plain.astype(f128)
    assert x.sum().to_bytes() == tarsel.fsum(plain.ravel()).to_bytes() == x.sum(axis=(0, 1)).to_bytes()
    assert np.max(x) == F(plain.max()) and np.min(x) == F(plain.min())
    exponents = layout(rng.integers(-5, 6, (60, 50)))
    assert np.prod(np.ldexp(1.0, exponents).astype(f128)) == F(math.ldexp(1.0, int(exponents.sum())))


def test_xarray_data_arrays_compute_sum_and_print():
    xr = pytest.importorskip("xarray")
    x = as_float128(values(30)[18:]).reshape(5, 6)
    d = xr.DataArray(x, dims=("t", "s"))
    assert d.dtype == f128 and bits((d * 3 + d).values) == bits(x * 3 + x)
    # NumPy's isdtype refuses every dtype it does not define, so xarray's
    # reductions need skipna=False (their NaN-skipping path asks isdtype).
    assert d.sum(skipna=False).values[()].to_bytes() == x.sum().to_bytes()
    assert bits(d.sum("s", skipna=False).values) == bits(x.sum(axis=1))
    assert "dtype=tarsel.float128" in repr(d)


@pytest.mark.parametrize("protocol", range(pickle.HIGHEST_PROTOCOL + 1))
def test_the_dtype_and_its_arrays_pickle_bit_for_bit(protocol):
    x = as_float128(values(30))
    assert pickle.loads(pickle.dumps(f128, protocol)) is f128
    assert bits(pickle.loads(pickle.dumps(x, protocol))) == bits(x)
    assert bits(copy.deepcopy(x)) == bits(x)
    buffer = io.BytesIO()
    np.save(buffer, x, allow_pickle=True)
    buffer.seek(0)
    assert bits(np.load(buffer, allow_pickle=True)) == bits(x)


def test_dask_arrays_of_the_dtype_give_the_in_memory_bits():
    da = pytest.importorskip("dask.array")
    x = as_float128(values(500))
    for chunks in (7, 137, len(x)):
        dx = da.from_array(x, chunks=chunks)
        assert dx.dtype == f128
        assert bits((np.sin(dx) * dx + 1).compute(scheduler="sync")) == bits(np.sin(x) * x + 1)


@pytest.mark.parametrize("shape, chunks", [((1000,), 7), ((1000,), 1000), ((40, 25), (7, 25)), ((40, 25), (40, 3)),
                                           ((0,), 5), ((3, 0), 2)])
def test_the_dask_sum_is_the_in_memory_exact_sum_for_every_chunking(shape, chunks):
    da = pytest.importorskip("dask.array")
    import tarsel.dask
    n = math.prod(shape)
    rng = np.random.default_rng(n)
    plain = np.ldexp(rng.standard_normal(n), rng.integers(-300, 300, n)).reshape(shape)
    wide = as_float128(np.stack([plain.ravel(), np.ldexp(plain.ravel(), -60)], axis=1)).reshape(shape)
    for x, exact in ((plain, tarsel.fsum(plain.ravel())), (wide, tarsel.sum_arrays(wide.ravel()))):
        total = tarsel.dask.fsum(da.from_array(x, chunks=chunks)).compute(scheduler="sync")
        assert isinstance(total, F) and total.to_bytes() == exact.to_bytes()
    with pytest.raises(TypeError, match="dask.array.Array"):
        tarsel.dask.fsum(plain)


def test_a_dtype_fixed_by_the_caller_is_taken_for_every_open_operand():
    x = np.array([F("0.1"), F(2)])
    assert np.add.reduce(x, dtype=object) == F("0.1") + F(2)
    assert np.add(x, 1, dtype=np.float64).dtype == np.float64


def test_printoptions_show_the_shortest_text_that_reads_back_and_leave_other_arrays_alone():
    x = as_float128(values(6)[1:])
    others = [np.array(["a", "b"]), np.array([b"c"]), np.arange(3.0)]
    plain = [repr(a) for a in others]
    with tarsel.printoptions(linewidth=10**6):
        text = repr(x)
        assert [repr(a) for a in others] == plain
    body = text[text.index("[") + 1:text.rindex("]")]
    assert [F.from_decimal(t).to_bytes() for t in body.split(", ")] == [v.to_bytes() for v in x]


def test_finfo_states_the_facts_of_the_format():
    fi = tarsel.finfo
    assert fi.eps == F(2.0**-104) and fi.max.hi == np.finfo(np.float64).max and fi.max.lo > 0
    assert tarsel.isfinite(fi.max) and not tarsel.isfinite(fi.max + F(2.0**917))
    assert struct.pack("<d", fi.smallest_subnormal.hi) == struct.pack("<Q", 1)
