// exponent_bins.cpp -- the integer bins per sign and exponent.
#include "src/sum/exponent_bins.hpp"

#include <cstring>

#include "src/sum/double_parts.hpp"

namespace tars {

namespace {

constexpr std::uint64_t exponent_mask = std::uint64_t(0x7FF) << 52;
constexpr std::uint64_t half_range = std::uint64_t(1) << 63;

bool is_special(std::uint64_t u)
{
    return (u & exponent_mask) == exponent_mask;
}

bool has_zero_field(std::uint64_t u)
{
    return (u & exponent_mask) == 0;
}

} // namespace

exponent_bins::exponent_bins() noexcept : sum_{}, listed_{}, listed_count_(0), is_listed_{}, listed_total_(0) {}

// The sum of the significands added in this block is compared with the
// growth of the listed bins: a bin was touched outside the list exactly
// when they differ, and then the block's terms are looked up to list their
// bins.  Each bin grows by less than 2^63 in a block and was below 2^63
// before it, so the growth of each listed bin is exact, and the difference
// (the growth of the unlisted bins, less than 2^63) is exact modulo 2^64
// too.  An unlisted bin was zero before the block, so it is below 2^63 after
// it and need not be emptied yet.
void exponent_bins::add_block(const double *x, std::size_t n, superaccumulator &acc) noexcept
{
    std::uint64_t zero_fields_before = zero_field_sum();
    std::uint64_t added = add_terms(x, n);
    if (zero_field_sum() != zero_fields_before)
        added -= remove_hidden_bits(x, n);
    added -= take_specials(x, n, acc);
    std::uint64_t emptied = 0;
    std::uint64_t listed = empty_full_bins(acc, emptied);
    if (listed - listed_total_ != added) {
        list_bins_of(x, n);
        listed_total_ = listed_sum();
    } else {
        listed_total_ = listed - emptied;
    }
}

// The inner loop: even terms go to the first set of bins, odd terms to the
// second.  Every term is given the hidden bit; zeros and subnormals, which
// have none, are put right afterwards by remove_hidden_bits.  Returns the
// sum of what was added, modulo 2^64.
std::uint64_t exponent_bins::add_terms(const double *x, std::size_t n) noexcept
{
    std::uint64_t *first = sum_, *second = sum_ + set_size;
    std::uint64_t added_first = 0, added_second = 0;
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2) {
        std::uint64_t u = bits_of(x[i]), v = bits_of(x[i + 1]);
        std::uint64_t su = (u & fraction_mask) | hidden_bit, sv = (v & fraction_mask) | hidden_bit;
        first[u >> 52] += su;
        second[v >> 52] += sv;
        added_first += su;
        added_second += sv;
    }
    if (i < n) {
        std::uint64_t u = bits_of(x[i]);
        std::uint64_t su = (u & fraction_mask) | hidden_bit;
        first[u >> 52] += su;
        added_first += su;
    }
    return added_first + added_second;
}

// The bins of exponent field 0 (zeros and subnormals, both signs, both
// sets).  Every term added there raises this sum, by at least 2^52 and by
// less than 2^63 in all, so it changes exactly when such a term came.
std::uint64_t exponent_bins::zero_field_sum() const noexcept
{
    return sum_[0x000] + sum_[0x800] + sum_[set_size + 0x000] + sum_[set_size + 0x800];
}

// Takes back the hidden bit add_terms gave each term of exponent field 0;
// returns what was taken.
std::uint64_t exponent_bins::remove_hidden_bits(const double *x, std::size_t n) noexcept
{
    std::uint64_t removed = 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t u = bits_of(x[i]);
        if (!has_zero_field(u))
            continue;
        sum_[(i % 2) * set_size + (u >> 52)] -= hidden_bit;
        removed += hidden_bit;
    }
    return removed;
}

// Infinities and NaNs land in the bins of exponent field 0x7FF, which never
// hold anything after a block: when one is nonzero the block is searched
// for them and each is recorded as a special term.  Returns what the bins
// held.
std::uint64_t exponent_bins::take_specials(const double *x, std::size_t n, superaccumulator &acc) noexcept
{
    std::uint64_t *bins[4] = {&sum_[0x7FF], &sum_[0xFFF], &sum_[set_size + 0x7FF], &sum_[set_size + 0xFFF]};
    std::uint64_t held = 0;
    for (std::uint64_t *bin : bins) {
        held += *bin;
        *bin = 0;
    }
    if (held == 0)
        return 0;
    for (std::size_t i = 0; i < n; ++i)
        if (is_special(bits_of(x[i])))
            acc.add_special(x[i]);
    return held;
}

std::uint64_t exponent_bins::listed_sum() const noexcept
{
    std::uint64_t total = 0;
    for (unsigned k = 0; k < listed_count_; ++k)
        total += sum_[listed_[k]];
    return total;
}

// Lists the bins of the terms at x that are not listed yet, in both sets:
// a run of data that reaches a new exponent usually reaches it in both.
void exponent_bins::list_bins_of(const double *x, std::size_t n) noexcept
{
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t u = bits_of(x[i]);
        unsigned bin = unsigned(u >> 52);
        std::uint64_t bit = std::uint64_t(1) << (bin % 64);
        if (is_special(u) || (is_listed_[bin / 64] & bit))
            continue;
        is_listed_[bin / 64] |= bit;
        listed_[listed_count_++] = std::uint16_t(bin);
        listed_[listed_count_++] = std::uint16_t(set_size + bin);
    }
}

// Empties the listed bins that might overflow in the next block, adding
// what they held to `emptied`; returns the sum of the listed bins before.
std::uint64_t exponent_bins::empty_full_bins(superaccumulator &acc, std::uint64_t &emptied) noexcept
{
    std::uint64_t before = 0;
    for (unsigned k = 0; k < listed_count_; ++k) {
        unsigned bin = listed_[k];
        std::uint64_t held = sum_[bin];
        before += held;
        if (held >= half_range) {
            emptied += held;
            empty_bin(bin, acc);
        }
    }
    return before;
}

void exponent_bins::empty_bin(unsigned bin, superaccumulator &acc) noexcept
{
    double_parts bin_parts = parts_of_fields(bin % set_size, 0);
    acc.add_significand(sum_[bin], bin_parts.exponent, bin_parts.negative);
    sum_[bin] = 0;
}

void exponent_bins::flush(superaccumulator &acc) noexcept
{
    for (unsigned k = 0; k < listed_count_; ++k)
        if (sum_[listed_[k]] != 0)
            empty_bin(listed_[k], acc);
    listed_count_ = 0;
    std::memset(is_listed_, 0, sizeof is_listed_);
    listed_total_ = 0;
}

} // namespace tars
