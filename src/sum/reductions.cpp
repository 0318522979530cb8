// reductions.cpp -- the exact sums and dot products over strided arrays: the
// terms in blocks through the exponent bins of one part per thread, and the
// parts merged into the caller's accumulator once all of them are done.
#include "src/sum/reductions.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "src/sum/double_parts.hpp"
#include "src/sum/exponent_bins.hpp"

namespace tars {

namespace {

constexpr std::size_t block_terms = exponent_bins::block_terms;
constexpr std::size_t block_products = block_terms / 2;
// Below these counts the terms go straight into the superaccumulator, which
// costs less than setting up the bins.
constexpr std::ptrdiff_t direct_sum_limit = 512, direct_dot_limit = 256;
// A thread is started for about 100 us of work or more: some 1 ns a term of
// a sum, 3 ns a product.
constexpr std::ptrdiff_t min_terms_per_thread = 1 << 17, min_products_per_thread = 1 << 15;
// Items between two polls of the calling thread, about 0.1 ms of work, in
// whole blocks.
constexpr std::ptrdiff_t chunk_terms = 1 << 16, chunk_products = 1 << 15;

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

// What one part of a call keeps from one chunk to the next.  Allocated
// before any thread starts.
struct part {
    superaccumulator acc;
    std::unique_ptr<exponent_bins> bins = std::make_unique<exponent_bins>();
};

// Empties the bins of every part and merges the parts into acc.
void merge_parts(superaccumulator &acc, std::vector<part> &parts)
{
    for (part &p : parts) {
        p.bins->flush(p.acc);
        acc.merge(p.acc);
    }
}

struct sum_call {
    strided_doubles x;
    std::vector<part> parts;
};

void sum_chunk(void *context, int which, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    sum_call &call = *static_cast<sum_call *>(context);
    part &mine = call.parts[std::size_t(which)];
    double buffer[block_terms];
    for (std::ptrdiff_t start = begin; start < end; start += std::ptrdiff_t(block_terms)) {
        std::size_t n = std::size_t(std::min<std::ptrdiff_t>(block_terms, end - start));
        mine.bins->add_block(contiguous_block(call.x, start, n, buffer), n, mine.acc);
    }
}

struct dot_call {
    strided_doubles x, y;
    tarsel_engine::products_kernel products;
    std::vector<part> parts;
};

void dot_chunk(void *context, int which, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    dot_call &call = *static_cast<dot_call *>(context);
    part &mine = call.parts[std::size_t(which)];
    double x_buffer[block_products], y_buffer[block_products], terms[2 * block_products];
    for (std::ptrdiff_t start = begin; start < end; start += std::ptrdiff_t(block_products)) {
        std::size_t n = std::size_t(std::min<std::ptrdiff_t>(block_products, end - start));
        const double *xs = contiguous_block(call.x, start, n, x_buffer);
        const double *ys = contiguous_block(call.y, start, n, y_buffer);
        call.products(xs, ys, n, terms, terms + n, mine.acc);
        mine.bins->add_block(terms, 2 * n, mine.acc);
    }
}

} // namespace

run_status add_sum(superaccumulator &acc, strided_doubles x, const engine_settings &settings,
                   interruption_check check)
{
    if (x.count < direct_sum_limit) {
        for (std::ptrdiff_t i = 0; i < x.count; ++i)
            acc.add(x.at(i));
        return run_status::finished;
    }
    int parts = tarsel_engine::threads_worth(x.count, min_terms_per_thread, settings.threads);
    sum_call call = {x, std::vector<part>(std::size_t(parts))};
    run_status status = tarsel_engine::run_split(x.count, parts, chunk_terms, block_terms, {&sum_chunk, &call}, check);
    if (status == run_status::finished) {
        merge_parts(acc, call.parts);
        acc.note_terms(zero_sign_of_terms(x));
    }
    return status;
}

run_status add_dot(superaccumulator &acc, strided_doubles x, strided_doubles y, const engine_settings &settings,
                   interruption_check check)
{
    if (x.count < direct_dot_limit) {
        for (std::ptrdiff_t i = 0; i < x.count; ++i)
            acc.add_product(x.at(i), y.at(i));
        return run_status::finished;
    }
    int parts = tarsel_engine::threads_worth(x.count, min_products_per_thread, settings.threads);
    dot_call call = {x, y, tarsel_engine::products_for(settings.level), std::vector<part>(std::size_t(parts))};
    run_status status =
        tarsel_engine::run_split(x.count, parts, chunk_products, block_products, {&dot_chunk, &call}, check);
    if (status == run_status::finished) {
        merge_parts(acc, call.parts);
        acc.note_terms(zero_sign_of_products(x, y));
    }
    return status;
}

// C-contiguous rows are one run of 2N doubles; other layouts are summed
// column by column, into an accumulator of their own until both are done.
run_status add_row_sum(superaccumulator &acc, strided_rows a, const engine_settings &settings,
                       interruption_check check)
{
    if (a.row_stride == 2 * std::ptrdiff_t(sizeof(double)) && a.col_stride == std::ptrdiff_t(sizeof(double)))
        return add_sum(acc, {a.base, 2 * a.count, a.col_stride}, settings, check);
    superaccumulator columns;
    for (int c = 0; c < 2; ++c)
        if (add_sum(columns, a.column(c), settings, check) == run_status::interrupted)
            return run_status::interrupted;
    acc.merge(columns);
    return run_status::finished;
}

run_status add_row_dot(superaccumulator &acc, strided_rows a, strided_rows b, const engine_settings &settings,
                       interruption_check check)
{
    superaccumulator products;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (add_dot(products, a.column(i), b.column(j), settings, check) == run_status::interrupted)
                return run_status::interrupted;
    acc.merge(products);
    return run_status::finished;
}

} // namespace tars
