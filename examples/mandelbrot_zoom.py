"""A deep zoom into the Mandelbrot set, far past float64's precision.

The view is 1e-24 wide, next to a point on the boundary of the set (a
Misiurewicz point: the orbit of 0 reaches a repelling cycle of period 2
after 6 steps), so neighbouring pixels differ by about 2e-27.  float64
cannot tell the pixels apart, since its spacing near the point is about
1e-16; Float128 can.  Every pixel runs z -> z^2 + c with the (N, 2) array
functions (mul_arrays, add_arrays, sub_arrays) over all pixels still
iterating, and the picture shows the float64 result beside the Float128
one.

    python examples/mandelbrot_zoom.py            # mandelbrot_zoom.png, 960 x 360
    python examples/mandelbrot_zoom.py --small    # a small, quick run

Needs Pillow (pip install Pillow) for the PNG."""
import argparse
import time

import numpy as np
from PIL import Image, ImageDraw

import tarsel
from tarsel import Float128

# The Misiurewicz point, to 34 digits, and the centre of the view: 4e-25
# from it, on one of the decorations of the set that turn around the point.
POINT_REAL = Float128("-0.6356170288412095091121888323781269")
POINT_IMAG = Float128("0.4919204152038623362892912900636116")
CENTER_REAL = POINT_REAL + Float128(3.3e-25)
CENTER_IMAG = POINT_IMAG - Float128(2.5e-25)
WIDTH = 1e-24
ESCAPE = 2.0**16   # |z|^2 above this has escaped; a large radius smooths the colours


def pixel_offsets(width, columns, rows):
    """Offsets of the pixel centres from the view's centre (real, imaginary),
    row by row from the top.  They are small, so doubles hold them well."""
    step = width / columns
    x = (np.arange(columns) - (columns - 1) / 2) * step
    y = ((rows - 1) / 2 - np.arange(rows)) * step
    return np.meshgrid(x, y)


def as_rows(center, offsets):
    """center + offset for every pixel, as (N, 2) double-double rows."""
    n = offsets.size
    base = np.tile([center.hi, center.lo], (n, 1))
    shift = np.zeros((n, 2))
    shift[:, 0] = offsets.ravel()
    return tarsel.add_arrays(base, shift)


def smooth_count(iteration, modulus_squared):
    """The escape count with its fraction, so colours blend between bands."""
    return iteration + 1 - np.log2(0.5 * np.log(modulus_squared))


def escape_float128(columns, rows, max_iter):
    dx, dy = pixel_offsets(WIDTH, columns, rows)
    cr, ci = as_rows(CENTER_REAL, dx), as_rows(CENTER_IMAG, dy)
    zr, zi = np.zeros_like(cr), np.zeros_like(ci)
    counts = np.full(cr.shape[0], np.nan)
    alive = np.arange(cr.shape[0])
    for iteration in range(max_iter):
        zr2, zi2 = tarsel.mul_arrays(zr, zr), tarsel.mul_arrays(zi, zi)
        modulus_squared = zr2[:, 0] + zi2[:, 0]
        out = modulus_squared > ESCAPE
        if out.any():
            counts[alive[out]] = smooth_count(iteration, modulus_squared[out])
            keep = ~out
            alive, zr, zi, zr2, zi2, cr, ci = (a[keep] for a in (alive, zr, zi, zr2, zi2, cr, ci))
            if alive.size == 0:
                break
        zrzi = tarsel.mul_arrays(zr, zi)
        zr = tarsel.add_arrays(tarsel.sub_arrays(zr2, zi2), cr)
        zi = tarsel.add_arrays(tarsel.add_arrays(zrzi, zrzi), ci)
    return counts.reshape(rows, columns)


def escape_float64(columns, rows, max_iter):
    dx, dy = pixel_offsets(WIDTH, columns, rows)
    c = ((CENTER_REAL.hi + dx) + 1j * (CENTER_IMAG.hi + dy)).ravel()
    distinct_points = np.unique(c).size
    z = np.zeros_like(c)
    counts = np.full(c.size, np.nan)
    alive = np.arange(c.size)
    for iteration in range(max_iter):
        modulus_squared = z.real**2 + z.imag**2
        out = modulus_squared > ESCAPE
        if out.any():
            counts[alive[out]] = smooth_count(iteration, modulus_squared[out])
            keep = ~out
            alive, z, c = alive[keep], z[keep], c[keep]
            if alive.size == 0:
                break
        z = z * z + c
    return counts.reshape(rows, columns), distinct_points


def colours(counts, low, high):
    """A cyclic palette over the log of the count; never-escaped pixels black."""
    t = np.log(np.where(np.isnan(counts), low, counts) - low + 1) / np.log(high - low + 1)
    rgb = 0.5 + 0.5 * np.cos(2 * np.pi * (3 * t[..., None] + np.array([0.0, 0.15, 0.3])))
    rgb[np.isnan(counts)] = 0.0
    return (255 * rgb).astype(np.uint8)


def picture(float64_counts, float128_counts):
    escaped = np.concatenate([c[~np.isnan(c)] for c in (float64_counts, float128_counts)])
    low, high = (escaped.min(), escaped.max()) if escaped.size else (0.0, 1.0)
    image = Image.fromarray(np.concatenate([colours(float64_counts, low, high),
                                            colours(float128_counts, low, high)], axis=1))
    draw = ImageDraw.Draw(image)
    draw.text((6, 4), "float64", fill="white")
    draw.text((float64_counts.shape[1] + 6, 4), "Float128", fill="white")
    return image


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--small", action="store_true", help="a small, quick image")
    parser.add_argument("--output", default="mandelbrot_zoom.png")
    args = parser.parse_args()
    columns, rows, max_iter = (64, 48, 400) if args.small else (480, 360, 1000)

    start = time.perf_counter()
    float128_counts = escape_float128(columns, rows, max_iter)
    middle = time.perf_counter()
    float64_counts, float64_points = escape_float64(columns, rows, max_iter)
    end = time.perf_counter()

    picture(float64_counts, float128_counts).save(args.output)
    print(f"view {WIDTH:g} wide around {CENTER_REAL} + {CENTER_IMAG}i, {columns} x {rows} pixels,"
          f" at most {max_iter} iterations")
    for name, points, counts, seconds in (("float64", float64_points, float64_counts, end - middle),
                                          ("Float128", columns * rows, float128_counts, middle - start)):
        print(f"{name:>8}: {points} distinct pixel value(s) c, {np.unique(counts).size} distinct escape "
              f"count(s), {seconds:.1f} s")
    print(f"wrote {args.output}")


if __name__ == "__main__":
    main()
