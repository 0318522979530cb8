"""Exact sums of Dask arrays.

fsum(x) sums every element of a Dask array exactly and rounds once: the
result is the Float128 that tarsel.fsum (float64) or tarsel.sum_arrays
(float128) gives on the whole array in memory, bit for bit, whatever the
chunking and however many workers share the work.  Each chunk is added to
an Accumulator of its own; the accumulators are merged, which is exact, and
the total is rounded at the end.

Dask is an optional dependency: pip install "dask[array]" (add
"distributed" for a cluster).
"""
from __future__ import annotations

from typing import Any

import numpy as np

from tarsel._core import Accumulator

__all__ = ["fsum"]


def fsum(x: Any) -> Any:
    """The exact sum of every element of the Dask array x, rounded once.

    Returns a lazy zero-dimensional Dask array; .compute() gives the
    Float128.  Each chunk is added with Accumulator.add, which takes the
    same dtypes here (float64 and tarsel.float128 are exact; an empty array
    sums to 0).  x is summed over all its axes.
    """
    import dask.array as da

    if not isinstance(x, da.Array):
        raise TypeError(f"fsum() takes a dask.array.Array, not {type(x).__name__}")
    return da.reduction(x, _chunk, _aggregate, combine=_combine, dtype=object, concatenate=False,
                        meta=np.empty((), dtype=object))


def _in_object_array(value: Accumulator, ndim: int) -> np.ndarray:
    out = np.empty((1,) * ndim, dtype=object)
    out[(0,) * ndim] = value
    return out


def _merged(parts: Any) -> Accumulator:
    """One accumulator from the nested lists of partial results Dask hands over."""
    total = Accumulator()
    for part in parts if isinstance(parts, list) else [parts]:
        if isinstance(part, list):
            total.merge(_merged(part))
        else:
            for acc in np.ravel(part):
                total.merge(acc)
    return total


def _chunk(block: np.ndarray, axis: Any, keepdims: bool) -> np.ndarray:
    acc = Accumulator()
    acc.add(np.ravel(block))
    return _in_object_array(acc, block.ndim)


def _combine(parts: Any, axis: Any, keepdims: bool) -> np.ndarray:
    return _in_object_array(_merged(parts), 1)


def _aggregate(parts: Any, axis: Any, keepdims: bool) -> Any:
    return _merged(parts).value()
