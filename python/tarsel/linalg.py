"""Linear algebra in double-double arithmetic, with numpy.linalg's names,
shapes and errors.

Every function takes float128 arrays, or anything NumPy casts to float128
exactly (float64, ints, object arrays of Float128), with stacks of matrices
in the leading axes, and returns float128 arrays.  A singular matrix in
solve and inv, and one that is not positive definite in cholesky, raise
numpy.linalg.LinAlgError; NaN and infinite entries give NaN results.

    matmul(a, b, exact=False)   a @ b; exact=True rounds each exact entry once
    solve, inv, det             LU with partial pivoting
    cholesky                    the lower (or upper) factor
    qr                          Householder reflections
    lstsq                       Householder QR, the SVD for rank and s
    svd                         Householder QR, then one-sided Jacobi
    eigh                        cyclic Jacobi
    norm                        vector and matrix norms
    solve_refined(a, b)         float64 data: LAPACK's float64 inverse, then
                                corrections from double-double residuals

Accuracy: a product's entry is a double-double sum of double-double
products, within about (k + 2) 2^-104 of the sum of |a_i b_i|; the
factorizations are backward stable with errors of a modest multiple of
n 2^-104 ||A||, so a solution's relative error is about that times the
condition number.
"""
from __future__ import annotations

from collections import namedtuple
from typing import Any

import numpy as np
from numpy.linalg import LinAlgError

from tarsel import _core

__all__ = ["LinAlgError", "matmul", "solve", "inv", "det", "cholesky", "qr", "lstsq", "svd", "eigh", "norm",
           "solve_refined"]

QRResult = namedtuple("QRResult", ["Q", "R"])
SVDResult = namedtuple("SVDResult", ["U", "S", "Vh"])
EighResult = namedtuple("EighResult", ["eigenvalues", "eigenvectors"])
LstsqResult = namedtuple("LstsqResult", ["x", "residuals", "rank", "s"])

_F128 = _core.float128
_EPS = 2.0**-104
_ERRORS = {"singular": "Singular matrix", "not positive definite": "Matrix is not positive definite",
           "no convergence": "SVD did not converge"}


def _float128(a: Any) -> np.ndarray:
    x = np.asarray(a)
    return x if x.dtype == _F128 else x.astype(_F128)


def _pairs(matrix: np.ndarray) -> np.ndarray:
    """The (rows, cols, 2) float64 view of a contiguous copy of a 2-D float128 array."""
    return _core.as_rows(np.ascontiguousarray(matrix))


def _matrix(pairs: np.ndarray) -> np.ndarray:
    return _core.from_rows_view(pairs)


def _vector(pairs: np.ndarray) -> np.ndarray:
    return _core.from_rows_view(pairs)[:, 0]


def _check(status: str, what: str = "") -> None:
    if status != "ok":
        raise LinAlgError(what or _ERRORS[status])


def _at_least_2d(a: np.ndarray) -> None:
    if a.ndim < 2:
        raise LinAlgError(f"{a.ndim}-dimensional array given. Array must be at least two-dimensional")


def _square(a: np.ndarray) -> None:
    _at_least_2d(a)
    if a.shape[-1] != a.shape[-2]:
        raise LinAlgError("Last 2 dimensions of the array must be square")


def _stack(a: np.ndarray):
    """The leading shape and each matrix of a stack (np.ndindex() of no
    axes gives the one index ())."""
    lead = a.shape[:-2]
    return lead, [a[index] for index in np.ndindex(*lead)]


def _paired_stack(a: np.ndarray, b: np.ndarray):
    """The broadcast leading shape of two stacks of matrices and their
    matrices in pairs."""
    lead = np.broadcast_shapes(a.shape[:-2], b.shape[:-2])
    a = np.broadcast_to(a, lead + a.shape[-2:])
    b = np.broadcast_to(b, lead + b.shape[-2:])
    return lead, [(a[index], b[index]) for index in np.ndindex(*lead)]


def _assemble(lead: tuple, results: list) -> np.ndarray:
    if not lead:
        return results[0]
    out = np.empty(lead + results[0].shape, dtype=results[0].dtype)
    for index, r in zip(np.ndindex(*lead), results):
        out[index] = r
    return out


def matmul(a: Any, b: Any, exact: bool = False) -> np.ndarray:
    """a @ b with numpy.matmul's shapes.  Each entry is the double-double sum,
    in order, of the double-double products (as a @ b on float128 arrays),
    or with exact=True the exact sum of the products rounded once."""
    a, b = _float128(a), _float128(b)
    if not exact:
        return np.matmul(a, b)
    vector_a, vector_b = a.ndim == 1, b.ndim == 1
    a2 = a[np.newaxis, :] if vector_a else a
    b2 = b[:, np.newaxis] if vector_b else b
    if a2.ndim < 2 or b2.ndim < 2 or a2.shape[-1] != b2.shape[-2]:
        raise ValueError(f"matmul: shapes {a.shape} and {b.shape} do not match in their core dimension")
    lead, pairs = _paired_stack(a2, b2)
    c = _assemble(lead, [_matrix(_core._linalg_matmul(_pairs(x), _pairs(y), True)) for x, y in pairs])
    if vector_a:
        c = c[..., 0, :]
    if vector_b:
        c = c[..., 0]
    return c


def solve(a: Any, b: Any) -> np.ndarray:
    """x with a @ x == b, by LU with partial pivoting.  b is a vector when it
    is one-dimensional, else a stack of matrices (numpy.linalg.solve's rule)."""
    a, b = _float128(a), _float128(b)
    _square(a)
    vector = b.ndim == 1
    b2 = b[:, np.newaxis] if vector else b
    if b2.shape[-2] != a.shape[-1]:
        raise ValueError(f"solve: a is {a.shape} but b is {b.shape}")
    lead, pairs = _paired_stack(a, b2)
    results = []
    for m, rhs in pairs:
        status, x = _core._linalg_solve(_pairs(m), _pairs(rhs))
        _check(status)
        results.append(_matrix(x))
    x = _assemble(lead, results)
    return x[..., 0] if vector else x


def _per_square_matrix(a: Any, compute) -> np.ndarray:
    """compute(pairs of one matrix) -> (status, pairs), over a stack of
    square matrices, raising LinAlgError for a status other than ok."""
    a = _float128(a)
    _square(a)
    lead, matrices = _stack(a)
    results = []
    for m in matrices:
        status, x = compute(_pairs(m))
        _check(status)
        results.append(_matrix(x))
    return _assemble(lead, results)


def inv(a: Any) -> np.ndarray:
    """The inverse of each square matrix."""
    return _per_square_matrix(a, _core._linalg_inv)


def det(a: Any) -> Any:
    """The determinant of each square matrix: a Float128 for one matrix, a
    float128 array for a stack."""
    a = _float128(a)
    _square(a)
    lead, matrices = _stack(a)
    values = [_core._linalg_det(_pairs(m)) for m in matrices]
    if not lead:
        return values[0]
    return np.array(values, dtype=_F128).reshape(lead)


def cholesky(a: Any, upper: bool = False) -> np.ndarray:
    """The Cholesky factor L (a = L L^T, from a's lower triangle), or its
    transpose with upper=True."""
    lower = _per_square_matrix(a, _core._linalg_cholesky)
    return np.swapaxes(lower, -1, -2).copy() if upper else lower


def qr(a: Any, mode: str = "reduced") -> Any:
    """Householder QR: mode 'reduced' (Q m x k, R k x n), 'complete' (Q m x m,
    R m x n) or 'r' (R alone)."""
    if mode not in ("reduced", "complete", "r"):
        raise ValueError(f"Unrecognized mode '{mode}'")
    a = _float128(a)
    _at_least_2d(a)
    lead, matrices = _stack(a)
    qs, rs = [], []
    for m in matrices:
        q, r = _core._linalg_qr(_pairs(m), mode == "complete", mode != "r")   # Q is None for mode 'r'
        rs.append(_matrix(r))
        if q is not None:
            qs.append(_matrix(q))
    r = _assemble(lead, rs)
    return r if mode == "r" else QRResult(_assemble(lead, qs), r)


def _complete_basis(u: np.ndarray) -> np.ndarray:
    """u (m x k, orthonormal columns) extended to an orthogonal m x m matrix."""
    m, k = u.shape
    if k == m:
        return u
    q, _ = _core._linalg_qr(_pairs(u), True)
    return np.concatenate([u, _matrix(q)[:, k:]], axis=1)


def svd(a: Any, full_matrices: bool = True, compute_uv: bool = True, hermitian: bool = False) -> Any:
    """Singular values in descending order (Householder QR, then one-sided
    Jacobi on the triangular factor), with U and Vh when compute_uv;
    full_matrices completes U and Vh to square matrices."""
    a = _float128(a)
    _at_least_2d(a)
    lead, matrices = _stack(a)
    us, ss, vhs = [], [], []
    for m in matrices:
        status, s, u, vt = _core._linalg_svd(_pairs(m), compute_uv)
        _check(status)
        ss.append(_vector(s))
        if compute_uv:
            u, vt = _matrix(u), _matrix(vt)
            if full_matrices:
                u, vt = _complete_basis(u), _complete_basis(vt.T).T
            us.append(u)
            vhs.append(vt)
    s = _assemble(lead, ss)
    return SVDResult(_assemble(lead, us), s, _assemble(lead, vhs)) if compute_uv else s


def eigh(a: Any, UPLO: str = "L") -> EighResult:
    """Eigenvalues in ascending order and orthonormal eigenvectors (columns)
    of each symmetric matrix, from its lower ('L') or upper ('U') triangle."""
    if UPLO not in ("L", "U"):
        raise ValueError("UPLO argument must be 'L' or 'U'")
    a = _float128(a)
    _square(a)
    lead, matrices = _stack(a)
    ws, vs = [], []
    for m in matrices:
        status, w, v = _core._linalg_eigh(_pairs(m if UPLO == "L" else m.T), True)
        _check(status, "Eigenvalues did not converge")
        ws.append(_vector(w))
        vs.append(_matrix(v))
    return EighResult(_assemble(lead, ws), _assemble(lead, vs))


def lstsq(a: Any, b: Any, rcond: Any = None) -> LstsqResult:
    """The least-squares solution x of a @ x ~ b, numpy.linalg.lstsq's
    (x, residuals, rank, s).  With full column rank, x comes from
    Householder QR; otherwise from the SVD with singular values below
    rcond * s[0] dropped (rcond defaults to 2^-104 * max(m, n))."""
    a, b = _float128(a), _float128(b)
    if a.ndim != 2:
        raise LinAlgError(f"{a.ndim}-dimensional array given. Array must be two-dimensional")
    m, n = a.shape
    vector = b.ndim == 1
    b2 = b[:, np.newaxis] if vector else b
    if b2.shape[0] != m:
        raise LinAlgError("Incompatible dimensions")
    status, s, u, vt = _core._linalg_svd(_pairs(a), True)
    _check(status)
    s = _vector(s)
    factor = _EPS * max(m, n) if rcond is None else float(rcond)
    rank = int(np.count_nonzero(s > s[:1] * factor)) if len(s) else 0
    if rank == n and m >= n and n > 0:
        q, r = (_matrix(x) for x in _core._linalg_qr(_pairs(a), False))
        x = solve(r, q.T @ b2)
    else:
        u, vt = _matrix(u), _matrix(vt)
        inverse = np.zeros(len(s), dtype=_F128)
        inverse[:rank] = 1 / s[:rank]
        x = vt.T @ ((u.T @ b2) * inverse[:, np.newaxis])
    if rank == n and m > n:
        residual = b2 - a @ x
        residuals = (residual * residual).sum(axis=0)
    else:
        residuals = np.empty(0, dtype=_F128)
    if vector:
        x = x[:, 0]
    return LstsqResult(x, residuals, rank, s)


def norm(x: Any, ord: Any = None, axis: Any = None, keepdims: bool = False) -> Any:
    """numpy.linalg.norm for float128 arrays: vector norms (None, 2, 1, inf,
    -inf, 0 and other powers) and matrix norms (None/'fro', 'nuc', 1, -1, 2,
    -2, inf, -inf).  The sums run in double-double; 2 and 'nuc' of a matrix
    come from its singular values."""
    x = _float128(x)
    if axis is None and ord is None:
        y = x.ravel()
        result = np.sqrt((y * y).sum())
        return np.array(result, dtype=_F128).reshape((1,) * x.ndim) if keepdims else result
    if axis is None:
        axis = tuple(range(x.ndim))
    axes = (axis,) if np.ndim(axis) == 0 else tuple(axis)
    axes = tuple(int(a) % x.ndim for a in axes)
    a = np.abs(x)
    if len(axes) == 1:
        ax = axes[0]
        if ord is None or ord == 2:
            result = np.sqrt((a * a).sum(axis=ax))
        elif ord == np.inf:
            result = a.max(axis=ax)
        elif ord == -np.inf:
            result = a.min(axis=ax)
        elif ord == 0:
            result = (a != 0).sum(axis=ax).astype(_F128)
        elif ord == 1:
            result = a.sum(axis=ax)
        else:
            p = np.array(float(ord), dtype=_F128)
            result = np.power(np.power(a, p).sum(axis=ax), np.reciprocal(p))
        return np.expand_dims(result, ax) if keepdims else result
    if len(axes) != 2 or axes[0] == axes[1]:
        raise ValueError("Improper number of dimensions to norm.")
    row, col = axes
    if ord is None or ord == "fro":
        result = np.sqrt((a * a).sum(axis=axes))
    elif ord == 1 or ord == -1:
        sums = a.sum(axis=row)
        result = (sums.max if ord == 1 else sums.min)(axis=col - (col > row))
    elif ord == np.inf or ord == -np.inf:
        sums = a.sum(axis=col)
        result = (sums.max if ord == np.inf else sums.min)(axis=row - (row > col))
    elif ord in (2, -2, "nuc"):
        moved = np.moveaxis(x, (row, col), (-2, -1))
        s = svd(moved, compute_uv=False)
        result = s.max(axis=-1) if ord == 2 else s.min(axis=-1) if ord == -2 else s.sum(axis=-1)
    else:
        raise ValueError("Invalid norm order for matrices.")
    if keepdims:
        for ax in sorted(axes):
            result = np.expand_dims(result, ax)
    return result


def solve_refined(a: Any, b: Any, max_iterations: int = 10) -> np.ndarray:
    """The solution of a @ x == b for float64 a and b, to double-double
    accuracy when the condition number is below about 1e15: LAPACK's
    float64 inverse of a (numpy.linalg.inv) gives x and its corrections,
    and each residual b - a @ x is computed in double-double from the
    exact float64 data, until the corrections stop shrinking.  Raises
    LinAlgError when they stop while still above 2^-60 of x (the matrix is
    too ill-conditioned for float64 factors)."""
    a64, b64 = np.asarray(a, dtype=np.float64), np.asarray(b, dtype=np.float64)
    if a64.ndim != 2 or a64.shape[0] != a64.shape[1]:
        raise LinAlgError("solve_refined takes one square matrix")
    approximate = np.linalg.inv(a64)
    a128, b128 = a64.astype(_F128), b64.astype(_F128)
    x = (approximate @ b64).astype(_F128)
    previous = None
    for _ in range(max_iterations):
        residual = b128 - a128 @ x
        correction = approximate @ residual.astype(np.float64)
        x = x + correction.astype(_F128)
        size = float(np.max(np.abs(correction))) if correction.size else 0.0
        scale = float(np.max(np.abs(x.astype(np.float64)))) if x.size else 0.0
        if size <= 2.0**-100 * scale:
            return x
        if previous is not None and size > 0.5 * previous:
            # The corrections stopped shrinking: at the accuracy the
            # double-double residuals allow (about the condition number
            # times 2^-104) when they are far below float64's.
            if size <= 2.0**-60 * scale:
                return x
            break
        previous = size
    raise LinAlgError("Iterative refinement did not converge: the matrix is too ill-conditioned for float64 "
                      "factors")
