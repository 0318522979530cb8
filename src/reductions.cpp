// reductions.cpp -- the exact sums and dot products over strided arrays:
// blocks of terms through the exponent bins into the superaccumulator.
#include "tarsel_reductions.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "double_parts.hpp"
#include "exact_products.hpp"
#include "exponent_bins.hpp"

namespace tars {

namespace {

constexpr std::size_t block_terms = exponent_bins::block_terms;
constexpr std::size_t block_products = block_terms / 2;
// Below these counts the terms go straight into the superaccumulator, which
// costs less than setting up the bins.
constexpr std::ptrdiff_t direct_sum_limit = 512, direct_dot_limit = 256;
constexpr std::uint64_t negative_zero_bits = std::uint64_t(1) << 63;

bool is_negative_zero(double x)
{
    return bits_of(x) == negative_zero_bits;
}

// The exact product is -0.0: a zero factor, a finite other factor and
// opposite signs (a product that underflows to -0.0 is not zero at all).
bool is_negative_zero_product(double a, double b)
{
    return (a == 0.0 || b == 0.0) && is_negative_zero(a * b);
}

// Where the terms leave the sign of a zero sum.  Usually decided by the
// first term; only a run of -0.0 terms makes it look further.
zero_sign zero_sign_of_terms(strided_doubles x)
{
    for (std::ptrdiff_t i = 0; i < x.count; ++i)
        if (!is_negative_zero(x.at(i)))
            return zero_sign::positive;
    return x.count == 0 ? zero_sign::no_terms : zero_sign::all_negative;
}

zero_sign zero_sign_of_products(strided_doubles x, strided_doubles y)
{
    for (std::ptrdiff_t i = 0; i < x.count; ++i)
        if (!is_negative_zero_product(x.at(i), y.at(i)))
            return zero_sign::positive;
    return x.count == 0 ? zero_sign::no_terms : zero_sign::all_negative;
}

// The n doubles of x from index start, contiguous and aligned: in place when
// the array is laid out that way, otherwise copied into buffer.
const double *contiguous_block(strided_doubles x, std::ptrdiff_t start, std::size_t n, double *buffer)
{
    const char *first = x.base + start * x.stride;
    bool aligned = reinterpret_cast<std::uintptr_t>(first) % alignof(double) == 0;
    if (x.stride == std::ptrdiff_t(sizeof(double)) && aligned)
        return reinterpret_cast<const double *>(first);
    for (std::size_t i = 0; i < n; ++i)
        buffer[i] = x.at(start + std::ptrdiff_t(i));
    return buffer;
}

void add_sum_directly(superaccumulator &acc, strided_doubles x)
{
    for (std::ptrdiff_t i = 0; i < x.count; ++i)
        acc.add(x.at(i));
}

void add_dot_directly(superaccumulator &acc, strided_doubles x, strided_doubles y)
{
    for (std::ptrdiff_t i = 0; i < x.count; ++i)
        acc.add_product(x.at(i), y.at(i));
}

} // namespace

void add_sum(superaccumulator &acc, strided_doubles x)
{
    if (x.count < direct_sum_limit) {
        add_sum_directly(acc, x);
        return;
    }
    acc.note_terms(zero_sign_of_terms(x));
    auto bins = std::make_unique<exponent_bins>();
    double buffer[block_terms];
    for (std::ptrdiff_t start = 0; start < x.count; start += block_terms) {
        std::size_t n = std::size_t(std::min<std::ptrdiff_t>(block_terms, x.count - start));
        bins->add_block(contiguous_block(x, start, n, buffer), n, acc);
    }
    bins->flush(acc);
}

void add_dot(superaccumulator &acc, strided_doubles x, strided_doubles y)
{
    if (x.count < direct_dot_limit) {
        add_dot_directly(acc, x, y);
        return;
    }
    acc.note_terms(zero_sign_of_products(x, y));
    auto bins = std::make_unique<exponent_bins>();
    double x_buffer[block_products], y_buffer[block_products], terms[2 * block_products];
    for (std::ptrdiff_t start = 0; start < x.count; start += block_products) {
        std::size_t n = std::size_t(std::min<std::ptrdiff_t>(block_products, x.count - start));
        const double *xs = contiguous_block(x, start, n, x_buffer);
        const double *ys = contiguous_block(y, start, n, y_buffer);
        exact_products(xs, ys, n, terms, acc);
        bins->add_block(terms, 2 * n, acc);
    }
    bins->flush(acc);
}

// C-contiguous rows are one run of 2N doubles; other layouts are summed
// column by column.
void add_row_sum(superaccumulator &acc, strided_rows a)
{
    if (a.row_stride == 2 * std::ptrdiff_t(sizeof(double)) && a.col_stride == std::ptrdiff_t(sizeof(double))) {
        add_sum(acc, {a.base, 2 * a.count, a.col_stride});
        return;
    }
    add_sum(acc, a.column(0));
    add_sum(acc, a.column(1));
}

void add_row_dot(superaccumulator &acc, strided_rows a, strided_rows b)
{
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            add_dot(acc, a.column(i), b.column(j));
}

} // namespace tars
