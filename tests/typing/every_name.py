"""Every public name of tarsel used once, with types that mypy --strict must
accept through the installed stubs (tests/python/test_typing.py).  It also
runs, so what it claims about the results is checked too."""
import copy
import math
import pickle
from fractions import Fraction

import dask.array as da
import numpy as np
import numpy.typing as npt

import tarsel
import tarsel.dask
import tarsel.linalg
from tarsel import Complex128, Float128


def reals() -> list[Float128]:
    x = Float128(0.5)
    values = [
        tarsel.exp(x), tarsel.log(x), tarsel.pow(x, Float128(3)), tarsel.sin(x), tarsel.cos(x), tarsel.tan(x),
        tarsel.sinh(x), tarsel.cosh(x), tarsel.tanh(x), tarsel.sqrt(x), tarsel.abs(-x), tarsel.floor(x),
        tarsel.ceil(x), tarsel.trunc(x), tarsel.round(x), tarsel.fmod(x, Float128("0.3")), tarsel.atan(x),
        tarsel.atan2(x, Float128()), tarsel.asin(x), tarsel.acos(x), tarsel.pi, tarsel.e, tarsel.sqrt2, tarsel.ln2,
    ]
    flags: list[bool] = [tarsel.isnan(x), tarsel.isinf(x), tarsel.isfinite(x)]
    assert flags == [False, False, True]
    return values


def library(x: Float128) -> list[Float128]:
    values = [
        tarsel.expm1(x), tarsel.log1p(x), tarsel.log2(x), tarsel.log10(x), tarsel.exp2(x), tarsel.cbrt(x),
        tarsel.hypot(x, x), tarsel.asinh(x), tarsel.acosh(x + Float128(1)), tarsel.atanh(x), tarsel.erf(x),
        tarsel.erfc(x), tarsel.gamma(x), tarsel.lgamma(x), tarsel.deg2rad(x), tarsel.rad2deg(x),
        tarsel.logaddexp(x, x), tarsel.logaddexp2(x, x), tarsel.nextafter(x, Float128()), tarsel.spacing(x),
    ]
    mantissa, exponent = tarsel.frexp(x)
    fraction, integral = tarsel.modf(x)
    scaled: Float128 = tarsel.ldexp(mantissa, exponent)
    assert scaled == x and fraction + integral == x
    return values


def complexes() -> Float128:
    z = Complex128(1.0, 2.0) * (1 - 1j) + 0.5
    z += Complex128(Float128(1.0), Float128(0.0))
    parts: list[Float128] = [z.real(), z.imag()]
    moduli = [tarsel.abs(z), tarsel.abs_sqr(z)]
    waves: list[Complex128] = [tarsel.sin(z), tarsel.cos(z), tarsel.tan(0.5), tarsel.sinh(z), tarsel.cosh(z),
                               tarsel.tanh(z)]
    assert z.to_string() == str(z) and len(waves) == 6
    return parts[0] + moduli[1]


def exact(x: Float128) -> tuple[float, float, bytes, int]:
    twin = Float128.from_parts(x.hi, x.lo)
    same = Float128.from_bytes(twin.to_bytes())
    assert pickle.loads(pickle.dumps(same)) == copy.deepcopy(x)
    whole: int = math.floor(x) + math.ceil(x) + math.trunc(x) + round(x)
    near: Float128 = round(x, 3)
    text = f"{x:.40e} {Complex128(x, near):.5f}"
    assert Float128.from_decimal(text.split()[0]) == Float128.from_rational(Fraction(*x.as_integer_ratio()))
    return x.hi, x.lo, x.to_bytes(), whole


def arrays(values: list[Float128]) -> list[Float128]:
    rows: npt.NDArray[np.float64] = tarsel.to_rows(values)
    for binary in (tarsel.add_arrays, tarsel.sub_arrays, tarsel.mul_arrays, tarsel.div_arrays, tarsel.pow_arrays,
                   tarsel.atan2_arrays, tarsel.fmod_arrays, tarsel.hypot_arrays, tarsel.logaddexp_arrays,
                   tarsel.logaddexp2_arrays, tarsel.nextafter_arrays):
        rows = binary(rows, rows)
    for unary in (tarsel.sin_arrays, tarsel.cos_arrays, tarsel.exp_arrays, tarsel.log_arrays, tarsel.sqrt_arrays,
                  tarsel.tan_arrays, tarsel.atan_arrays, tarsel.asin_arrays, tarsel.acos_arrays, tarsel.sinh_arrays,
                  tarsel.cosh_arrays, tarsel.tanh_arrays, tarsel.abs_arrays, tarsel.floor_arrays,
                  tarsel.ceil_arrays, tarsel.trunc_arrays, tarsel.round_arrays, tarsel.neg_arrays,
                  tarsel.expm1_arrays, tarsel.log1p_arrays, tarsel.log2_arrays, tarsel.log10_arrays,
                  tarsel.exp2_arrays, tarsel.cbrt_arrays, tarsel.asinh_arrays, tarsel.acosh_arrays,
                  tarsel.atanh_arrays, tarsel.erf_arrays, tarsel.erfc_arrays, tarsel.gamma_arrays,
                  tarsel.lgamma_arrays, tarsel.deg2rad_arrays, tarsel.rad2deg_arrays, tarsel.spacing_arrays):
        rows = unary(rows)
    return tarsel.from_rows(rows)


def reductions(values: list[Float128]) -> Float128:
    x: npt.NDArray[np.float64] = np.array([1e20, 1.0, -1e20])
    rows = tarsel.to_rows(values)
    sums: list[Float128] = [tarsel.fsum(x), tarsel.fdot(x, x), tarsel.sum_arrays(rows), tarsel.dot_arrays(rows, rows)]
    chunked = da.from_array(x, chunks=2)  # type: ignore[no-untyped-call]
    assert tarsel.dask.fsum(chunked).compute(scheduler="sync") == sums[0]
    system = np.array([[2.0, 1.0], [1.0, 3.0]])
    solution = tarsel.linalg.solve(system, np.array([3.0, 4.0]))
    assert tarsel.linalg.matmul(system, solution, exact=True)[0] == Float128(3.0)
    acc = tarsel.Accumulator()
    acc.add(x)
    acc.add(rows)
    acc.add(values[0])
    acc.add(0.5)
    acc.add_products(x, x)
    other = acc.copy()
    other.merge(acc)
    assert pickle.loads(pickle.dumps(other)) == other and sums[0] == Float128(1.0)
    return other.value()


def dtype(values: list[Float128]) -> Float128:
    x = np.array(values, dtype=tarsel.float128)
    assert isinstance(tarsel.float128, tarsel.Float128DType) and tarsel.finfo.bits == 128
    back = tarsel.from_rows_view(tarsel.as_rows(x))
    with tarsel.printoptions(precision=3):
        assert repr(back)
    return Float128(float(back.size))


def main() -> None:
    version: str = tarsel.__version__
    level: str = tarsel.simd_level
    threads: int = tarsel.num_threads
    assert level in ("scalar", "sse2", "avx2", "avx512") and threads >= 1
    values = reals()
    assert len(library(values[0])) == 20
    total = complexes()
    for x in values:
        total += abs(+x)
    assert bool(total) and total.to_string() == str(total)
    assert exact(total)[3] >= 4 * math.floor(total)
    assert len(arrays(values)) == len(values) and version
    assert not tarsel.isnan(reductions(values))
    assert dtype(values) == Float128(float(len(values)))


if __name__ == "__main__":
    main()
