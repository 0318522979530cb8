// exponent_bins.hpp -- the fast first stage of exact summation: one integer
// bin per sign and exponent of a double, holding the sum of the significands
// of the terms that have that sign and exponent.
//
// All terms in one bin are integer multiples of the same power of two, so
// their sum is an integer sum: a shift, two masks and an add per term, no
// rounding and no branch.  A bin is emptied into the superaccumulator when
// it might overflow at the next block, and every bin at the end.  This is
// Neal's "large superaccumulator" (R. M. Neal, Fast exact summation using
// small and large superaccumulators, 2015), with two sets of bins taking
// alternate terms (so that runs of terms of one exponent do not wait on one
// another) and the bins to empty found through a checksum instead of a
// count per bin.
#ifndef TARSEL_EXPONENT_BINS_HPP
#define TARSEL_EXPONENT_BINS_HPP

#include <cstddef>
#include <cstdint>

#include "tarsel/tarsel_superacc.hpp"

namespace tars {

class exponent_bins {
public:
    // A bin holds less than 2^63 after each block, and a block adds less than
    // block_terms * 2^53 = 2^63 to it, so no bin ever wraps around.
    static constexpr std::size_t block_terms = 1024;

    exponent_bins() noexcept;

    // Adds the n <= block_terms doubles at x, NaN and infinities included.
    void add_block(const double *x, std::size_t n, superaccumulator &acc) noexcept;

    // Empties every bin into acc; the bins are then all zero again.
    void flush(superaccumulator &acc) noexcept;

private:
    // Two sets of bins, each indexed by the top 12 bits of a double: sign
    // and exponent field.
    static constexpr unsigned set_size = 4096;
    static constexpr unsigned bin_count = 2 * set_size;

    std::uint64_t add_terms(const double *x, std::size_t n) noexcept;
    std::uint64_t zero_field_sum() const noexcept;
    std::uint64_t remove_hidden_bits(const double *x, std::size_t n) noexcept;
    std::uint64_t take_specials(const double *x, std::size_t n, superaccumulator &acc) noexcept;
    std::uint64_t listed_sum() const noexcept;
    void list_bins_of(const double *x, std::size_t n) noexcept;
    std::uint64_t empty_full_bins(superaccumulator &acc, std::uint64_t &emptied) noexcept;
    void empty_bin(unsigned bin, superaccumulator &acc) noexcept;

    std::uint64_t sum_[bin_count];
    // The bins that may be nonzero: every nonzero bin is listed, a sign and
    // exponent in both sets at once.
    std::uint16_t listed_[bin_count];
    unsigned listed_count_;
    std::uint64_t is_listed_[set_size / 64];
    // The sum of the listed bins after the last block, modulo 2^64.
    std::uint64_t listed_total_;
};

} // namespace tars

#endif // TARSEL_EXPONENT_BINS_HPP
