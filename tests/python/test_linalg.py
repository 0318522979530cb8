"""Linear algebra on the float128 dtype: the matrix product's bits against
the entry-by-entry sequence it is defined as (at whatever level and thread
count the run uses), its accuracy and the exact product's against
fractions, and tarsel.linalg's factorizations against exact rational
arithmetic, with numpy.linalg's shapes and errors."""
import math
import subprocess
import sys
from fractions import Fraction

import numpy as np
import pytest

import tarsel
import tarsel.linalg as la
from tarsel import Float128 as F

f128 = tarsel.float128
U = Fraction(1, 2**104)


def bits(x):
    return np.ascontiguousarray(x).tobytes()


def exact(x):
    return Fraction(*x.as_integer_ratio())


def random_matrix(rng, shape, spread=8):
    hi = rng.standard_normal(shape) * 2.0 ** rng.integers(-spread, spread + 1, shape)
    pairs = np.stack([hi, hi * 2.0**-55 * rng.uniform(-1, 1, shape)], axis=-1)
    return tarsel.from_rows_view(np.ascontiguousarray(pairs))


def numpy_calls_the_dtypes_dot_function():
    """NumPy 2.5 calls a new-style dtype's dot function in np.dot, np.inner
    and np.vdot; older releases raise TypeError there."""
    try:
        np.dot(np.ones(1, f128), np.ones(1, f128))
    except TypeError:
        return False
    return True


DOT = numpy_calls_the_dtypes_dot_function()


def reference_product(a, b):
    """Each entry as the product is defined: a0 b0, then + a_t b_t in order."""
    c = np.zeros((a.shape[0], b.shape[1]), dtype=f128)
    for i in range(a.shape[0]):
        for j in range(b.shape[1]):
            total = None
            for t in range(a.shape[1]):
                p = a[i, t] * b[t, j]
                total = p if total is None else total + p
            c[i, j] = F() if total is None else total
    return c


SHAPES = [(1, 1, 1), (3, 5, 2), (4, 7, 37), (2, 40, 17), (5, 0, 3), (0, 4, 4), (6, 3, 70)]


@pytest.mark.parametrize("n, k, m", SHAPES)
def test_the_product_is_the_in_order_sum_of_products_bit_for_bit(n, k, m):
    rng = np.random.default_rng(n * 100 + k * 10 + m)
    a, b = random_matrix(rng, (n, k)), random_matrix(rng, (k, m))
    c = a @ b
    assert c.dtype == f128 and c.shape == (n, m)
    assert bits(c) == bits(reference_product(a, b))
    assert bits(np.matmul(a.T.copy().T, b[:, ::-1].copy()[:, ::-1])) == bits(c)   # other strides
    if DOT:
        assert bits(np.dot(a, b)) == bits(c)
        if n and m:
            assert np.inner(a[0], b[:, 0]).to_bytes() == c[0, 0].to_bytes() == np.vdot(a[0], b[:, 0]).to_bytes()


def test_special_values_take_the_scalar_steps_in_every_lane():
    rng = np.random.default_rng(7)
    a, b = random_matrix(rng, (5, 6)), random_matrix(rng, (6, 40))
    a[1, 2], a[3, 0], b[4, 9], b[0, 33] = F(math.inf), F(math.nan), F(1e300), F(-1e-300)
    b[2, 17] = F(6.7e299) * F(1e10)
    assert bits(a @ b) == bits(reference_product(a, b))


def test_large_products_split_over_threads_give_the_bits_of_each_column_alone():
    rng = np.random.default_rng(8)
    a, b = random_matrix(rng, (170, 160)), random_matrix(rng, (160, 170))
    c = a @ b
    for j in (0, 1, 63, 64, 169):
        assert bits(c[:, j:j + 1]) == bits(a @ b[:, j:j + 1])


def test_stacks_broadcast_and_vectors_follow_matmul():
    rng = np.random.default_rng(9)
    a, b, v = random_matrix(rng, (2, 1, 3, 4)), random_matrix(rng, (5, 4, 2)), random_matrix(rng, (4,))
    c = a @ b
    assert c.shape == (2, 5, 3, 2)
    assert bits(c[1, 3]) == bits(a[1, 0] @ b[3])
    assert (a @ v).shape == (2, 1, 3) and bits((a @ v)[0, 0]) == bits(a[0, 0] @ v)
    assert bits(la.matmul(a, b)) == bits(c)
    assert la.matmul(a, b, exact=True).shape == c.shape
    assert bits(np.matmul(a, b.astype(np.float64))) == bits(a @ b.astype(np.float64).astype(f128))


@pytest.mark.parametrize("kind", ["random", "cancelling"])
def test_accuracy_of_the_product_and_of_the_exact_product(kind):
    rng = np.random.default_rng(10)
    a, b = random_matrix(rng, (4, 30), spread=30), random_matrix(rng, (30, 3), spread=30)
    if kind == "cancelling":   # each entry a sum whose terms cancel to far below their size
        a = np.concatenate([a, -a], axis=1)
        b = np.concatenate([b, b + random_matrix(rng, (30, 3), spread=0) * F(1e-20)], axis=0)
    c, ce = a @ b, la.matmul(a, b, exact=True)
    for i in range(c.shape[0]):
        for j in range(c.shape[1]):
            terms = [exact(a[i, t]) * exact(b[t, j]) for t in range(a.shape[1])]
            true = sum(terms)
            assert ce[i, j].to_bytes() == F.from_rational(true).to_bytes()
            assert abs(exact(c[i, j]) - true) <= (a.shape[1] + 2) * U * sum(abs(t) for t in terms)


def hilbert(n):
    return np.array([[F.from_rational(Fraction(1, i + j + 1)) for j in range(n)] for i in range(n)])


@pytest.mark.parametrize("n", [8, 12, 16, 20])
def test_solve_on_hilbert_matrices_keeps_what_the_condition_number_allows(n):
    h = hilbert(n)
    b = la.matmul(h, np.ones(n, dtype=f128), exact=True)
    x = la.solve(h, b)
    s = la.svd(h, compute_uv=False)
    cond = (s[0] / s[-1]).hi
    assert cond > 1e9
    error = max(abs((v - F(1.0)).hi) for v in x)
    assert error < 1e-31 * cond, (error, cond)


def orthogonal(rng, n):
    q, _ = la.qr(random_matrix(rng, (n, n), spread=0))
    return q


def test_svd_recovers_singular_values_down_to_1e_25():
    rng = np.random.default_rng(11)
    n = 50
    values = np.array([F(10.0 ** (-25 * i / (n - 1))) for i in range(n)])
    a = (orthogonal(rng, n) * values) @ orthogonal(rng, n).T
    u, s, vh = la.svd(a)
    assert all(abs((s[i] - values[i]).hi) < 1e-28 for i in range(n))
    assert abs(((u * s) @ vh - a).astype(np.float64)).max() < 1e-29


def test_qr_at_200_is_orthogonal_to_1e_30():
    rng = np.random.default_rng(12)
    a = random_matrix(rng, (200, 200), spread=2)
    q, r = la.qr(a)
    assert abs((q.T @ q - np.eye(200)).astype(np.float64)).max() < 1e-30
    assert abs((q @ r - a).astype(np.float64)).max() < 1e-28
    assert np.all(np.tril(r.astype(np.float64), -1) == 0)


@pytest.mark.parametrize("m, n, mode", [(5, 3, "reduced"), (3, 5, "reduced"), (5, 3, "complete"), (4, 4, "r")])
def test_qr_shapes_follow_numpy(m, n, mode):
    a = random_matrix(np.random.default_rng(13), (m, n))
    ours, theirs = la.qr(a, mode=mode), np.linalg.qr(a.astype(np.float64), mode=mode)
    if mode == "r":
        assert ours.shape == theirs.shape
    else:
        assert ours.Q.shape == theirs.Q.shape and ours.R.shape == theirs.R.shape
        assert abs((ours.Q @ ours.R - a).astype(np.float64)).max() < 1e-29


def test_factorizations_reconstruct_their_matrix():
    rng = np.random.default_rng(14)
    a = random_matrix(rng, (6, 6), spread=1)
    spd = a @ a.T + 6 * np.eye(6)
    l = la.cholesky(spd)
    assert abs((l @ l.T - spd).astype(np.float64)).max() < 1e-29 and np.all(np.triu(l.astype(float), 1) == 0)
    assert bits(la.cholesky(spd, upper=True)) == bits(l.T.copy())
    assert abs((la.inv(a) @ a - np.eye(6)).astype(np.float64)).max() < 1e-28
    w, v = la.eigh(spd)
    assert list(w) == sorted(w) and abs((spd @ v - v * w).astype(np.float64)).max() < 1e-28
    integers = np.array([[2, -1, 0], [-1, 2, -1], [0, -1, 2]])
    assert la.det(integers) == F(4) and la.det(np.eye(0)) == F(1)
    tall, rhs = random_matrix(rng, (8, 3), spread=0), random_matrix(rng, (8,), spread=0)
    x, residuals, rank, s = la.lstsq(tall, rhs)
    assert rank == 3 and x.shape == (3,) and residuals.shape == (1,)
    assert abs((tall.T @ (tall @ x - rhs)).astype(np.float64)).max() < 1e-28   # the normal equations hold
    assert bits(s) == bits(la.svd(tall, compute_uv=False))


def test_norms_follow_numpy_on_float64_data():
    x = np.random.default_rng(15).standard_normal((4, 5))
    for ord in (None, "fro", 1, -1, 2, -2, np.inf, -np.inf, "nuc"):
        assert la.norm(x, ord).hi == pytest.approx(np.linalg.norm(x, ord), rel=1e-14)
    for ord in (None, 1, 2, 3, np.inf, -np.inf, 0):
        assert la.norm(x[0], ord).hi == pytest.approx(np.linalg.norm(x[0], ord), rel=1e-14)
    assert la.norm(x, axis=1).shape == (4,) and la.norm(x, axis=(0, 1), keepdims=True).shape == (1, 1)


def test_stacks_of_systems_follow_numpy_solve():
    rng = np.random.default_rng(16)
    a, b = random_matrix(rng, (3, 4, 4), spread=0) + 4 * np.eye(4), random_matrix(rng, (3, 4, 2))
    x = la.solve(a, b)
    assert x.shape == (3, 4, 2) and bits(x[1]) == bits(la.solve(a[1], b[1]))
    assert la.solve(a, b[0, :, 0]).shape == (3, 4) and la.inv(a).shape == (3, 4, 4) and la.det(a).shape == (3,)
    objects = np.array([[F(2), F("0.1")], [F(1), F(3)]], dtype=object)   # converted exactly, as the casts do
    assert bits(la.solve(objects, [1, 2])) == bits(la.solve(objects.astype(f128), np.array([1, 2], dtype=f128)))


@pytest.mark.parametrize("call, error", [
    (lambda: la.solve(np.ones((3, 3)), np.ones(3)), "Singular matrix"),
    (lambda: la.inv(np.zeros((2, 2))), "Singular matrix"),
    (lambda: la.cholesky(np.array([[1.0, 2.0], [2.0, 1.0]])), "not positive definite"),
    (lambda: la.solve(np.ones((2, 3)), np.ones(2)), "must be square"),
    (lambda: la.inv(np.ones(3)), "at least two-dimensional"),
])
def test_bad_matrices_raise_linalgerror(call, error):
    with pytest.raises(np.linalg.LinAlgError, match=error):
        call()


def test_nan_entries_give_nan_and_empty_matrices_numpy_shapes():
    a = np.array([[1.0, math.nan], [2.0, 3.0]])
    assert np.isnan(la.solve(a, np.ones(2))).any()
    assert np.isnan(la.svd(a, compute_uv=False)).any() and np.isnan(la.eigh(a + a.T).eigenvalues).any()
    assert la.solve(np.eye(0), np.ones(0)).shape == (0,) and la.inv(np.eye(0)).shape == (0, 0)
    assert la.svd(np.ones((0, 3)), compute_uv=False).shape == (0,)


@pytest.mark.parametrize("condition", [1e3, 1e9, 1e14])
def test_solve_refined_reaches_double_double_accuracy_from_float64_data(condition):
    rng = np.random.default_rng(17)
    n = 60
    u, _ = np.linalg.qr(rng.standard_normal((n, n)))
    v, _ = np.linalg.qr(rng.standard_normal((n, n)))
    a, b = (u * np.logspace(0, -math.log10(condition), n)) @ v.T, rng.standard_normal(n)
    x = la.solve_refined(a, b)
    exact_x = la.solve(a.astype(f128), b.astype(f128))
    scale = abs(exact_x.astype(np.float64)).max()
    assert abs((x - exact_x).astype(np.float64)).max() < 1e-29 * condition * scale


def test_solve_refined_reports_a_matrix_too_ill_conditioned_for_float64():
    h = np.array([[1.0 / (i + j + 1) for j in range(14)] for i in range(14)])
    with pytest.raises(np.linalg.LinAlgError, match="did not converge"):
        la.solve_refined(h, np.ones(14))


INTERRUPTED_FACTORIZATION = """
import signal, sys, time
import numpy as np
import tarsel.linalg as la
a = np.random.default_rng(0).standard_normal((300, 300))
signal.signal(signal.SIGALRM, signal.default_int_handler)
start = time.perf_counter()
signal.setitimer(signal.ITIMER_REAL, 0.2)
try:
    getattr(la, sys.argv[1])(a)
    print("finished", time.perf_counter() - start)
except KeyboardInterrupt:
    print("interrupted", time.perf_counter() - start)
"""


@pytest.mark.parametrize("function", ["svd", "eigh"])
def test_keyboard_interrupt_stops_a_long_factorization(function):
    out = subprocess.run([sys.executable, "-c", INTERRUPTED_FACTORIZATION, function], capture_output=True, text=True,
                         timeout=300)
    outcome, elapsed = out.stdout.split()
    assert outcome == "interrupted" and float(elapsed) < 1.0, out.stdout + out.stderr
