// big_uint.cpp -- schoolbook arithmetic on 32-bit limbs with 64-bit
// intermediates; division is Knuth's algorithm D (TAOCP vol. 2, 4.3.1).
#include "tarsel/detail/tarsel_bigint.hpp"

#include <algorithm>

namespace tars {

namespace {

constexpr std::uint64_t limb_base = std::uint64_t(1) << 32;
constexpr std::uint32_t nine_digits = 1000000000u;  // 10^9, the largest power of ten in a limb
constexpr std::uint32_t five_pow_13 = 1220703125u;  // 5^13, the largest power of five in a limb

int leading_zero_bits(std::uint32_t limb)
{
    int n = 0;
    for (std::uint32_t probe = 0x80000000u; probe != 0 && !(limb & probe); probe >>= 1)
        ++n;
    return n;
}

} // namespace

big_uint::big_uint(std::uint64_t value)
{
    for (; value != 0; value >>= 32)
        limbs_.push_back(static_cast<std::uint32_t>(value));
}

void big_uint::trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

big_uint big_uint::from_bytes(const unsigned char *bytes, std::size_t count)
{
    big_uint r;
    r.limbs_.assign((count + 3) / 4, 0);
    for (std::size_t i = 0; i < count; ++i)
        r.limbs_[i / 4] |= std::uint32_t(bytes[i]) << (8 * (i % 4));
    r.trim();
    return r;
}

std::vector<unsigned char> big_uint::to_bytes() const
{
    std::vector<unsigned char> out((bit_length() + 7) / 8);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<unsigned char>(limbs_[i / 4] >> (8 * (i % 4)));
    return out;
}

big_uint big_uint::from_decimal(std::string_view digits)
{
    big_uint r;
    std::size_t first = digits.size() % 9 == 0 ? 9 : digits.size() % 9;
    for (std::size_t pos = 0; pos < digits.size();) {
        std::size_t len = pos == 0 ? first : 9;
        std::uint32_t chunk = 0, scale = 1;
        for (std::size_t i = pos; i < pos + len; ++i) {
            chunk = chunk * 10 + std::uint32_t(digits[i] - '0');
            scale *= 10;
        }
        r.mul_small(scale).add_small(chunk);
        pos += len;
    }
    return r;
}

std::string big_uint::to_decimal() const
{
    if (is_zero())
        return "0";
    std::vector<std::uint32_t> chunks;  // nine digits each, least significant first
    for (big_uint rest = *this; !rest.is_zero();)
        chunks.push_back(rest.div_small(nine_digits));
    std::string out = std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        std::string chunk = std::to_string(chunks[i]);
        out.append(9 - chunk.size(), '0').append(chunk);
    }
    return out;
}

big_uint big_uint::power_of_five(std::size_t k)
{
    big_uint r(1);
    for (; k >= 13; k -= 13)
        r.mul_small(five_pow_13);
    std::uint32_t rest = 1;
    for (; k > 0; --k)
        rest *= 5;
    return r.mul_small(rest);
}

big_uint big_uint::power_of_ten(std::size_t k)
{
    return power_of_five(k) <<= k;
}

std::size_t big_uint::bit_length() const
{
    if (is_zero())
        return 0;
    return 32 * limbs_.size() - std::size_t(leading_zero_bits(limbs_.back()));
}

std::size_t big_uint::trailing_zero_bits() const
{
    for (std::size_t i = 0; i < limbs_.size(); ++i)
        if (limbs_[i] != 0) {
            std::size_t n = 32 * i;
            for (std::uint32_t limb = limbs_[i]; !(limb & 1u); limb >>= 1)
                ++n;
            return n;
        }
    return 0;
}

bool big_uint::bit(std::size_t i) const
{
    return i / 32 < limbs_.size() && ((limbs_[i / 32] >> (i % 32)) & 1u);
}

bool big_uint::any_bit_below(std::size_t n) const
{
    std::size_t whole = std::min(n / 32, limbs_.size());
    for (std::size_t i = 0; i < whole; ++i)
        if (limbs_[i] != 0)
            return true;
    if (whole == limbs_.size() || n % 32 == 0)
        return false;
    return (limbs_[whole] & ((std::uint32_t(1) << (n % 32)) - 1)) != 0;
}

std::uint64_t big_uint::low_u64() const
{
    std::uint64_t r = 0;
    if (limbs_.size() > 0)
        r = limbs_[0];
    if (limbs_.size() > 1)
        r |= std::uint64_t(limbs_[1]) << 32;
    return r;
}

big_uint &big_uint::operator<<=(std::size_t n)
{
    if (is_zero() || n == 0)
        return *this;
    std::size_t limb_shift = n / 32;
    int bit_shift = int(n % 32);
    limbs_.push_back(0);
    if (bit_shift != 0)
        for (std::size_t i = limbs_.size() - 1; i > 0; --i)
            limbs_[i] = (limbs_[i] << bit_shift) | (limbs_[i - 1] >> (32 - bit_shift));
    limbs_[0] <<= bit_shift;
    limbs_.insert(limbs_.begin(), limb_shift, 0);
    trim();
    return *this;
}

big_uint &big_uint::operator>>=(std::size_t n)
{
    std::size_t limb_shift = n / 32;
    int bit_shift = int(n % 32);
    if (limb_shift >= limbs_.size()) {
        limbs_.clear();
        return *this;
    }
    limbs_.erase(limbs_.begin(), limbs_.begin() + std::ptrdiff_t(limb_shift));
    if (bit_shift != 0) {
        for (std::size_t i = 0; i + 1 < limbs_.size(); ++i)
            limbs_[i] = (limbs_[i] >> bit_shift) | (limbs_[i + 1] << (32 - bit_shift));
        limbs_.back() >>= bit_shift;
    }
    trim();
    return *this;
}

big_uint &big_uint::operator+=(const big_uint &b)
{
    if (limbs_.size() < b.limbs_.size())
        limbs_.resize(b.limbs_.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::uint64_t sum = std::uint64_t(limbs_[i]) + (i < b.limbs_.size() ? b.limbs_[i] : 0) + carry;
        limbs_[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
        if (carry == 0 && i >= b.limbs_.size())
            break;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    return *this;
}

big_uint &big_uint::operator-=(const big_uint &b)
{
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::uint64_t take = std::uint64_t(i < b.limbs_.size() ? b.limbs_[i] : 0) + borrow;
        borrow = std::uint64_t(limbs_[i]) < take ? 1 : 0;
        limbs_[i] = static_cast<std::uint32_t>(std::uint64_t(limbs_[i]) + (borrow ? limb_base : 0) - take);
        if (borrow == 0 && i >= b.limbs_.size())
            break;
    }
    trim();
    return *this;
}

big_uint &big_uint::mul_small(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : limbs_) {
        std::uint64_t product = std::uint64_t(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
    return *this;
}

big_uint &big_uint::add_small(std::uint32_t term)
{
    return *this += big_uint(term);
}

std::uint32_t big_uint::div_small(std::uint32_t divisor)
{
    std::uint64_t rem = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        std::uint64_t cur = (rem << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(cur / divisor);
        rem = cur % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(rem);
}

big_uint operator*(const big_uint &a, const big_uint &b)
{
    big_uint r;
    if (a.is_zero() || b.is_zero())
        return r;
    r.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            std::uint64_t t = std::uint64_t(a.limbs_[i]) * b.limbs_[j] + r.limbs_[i + j] + carry;
            r.limbs_[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        r.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    r.trim();
    return r;
}

int compare(const big_uint &a, const big_uint &b)
{
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
}

void big_uint::divmod(const big_uint &n, const big_uint &d, big_uint &quotient, big_uint &remainder)
{
    if (compare(n, d) < 0) {
        remainder = n;
        quotient = big_uint();
        return;
    }
    if (d.limbs_.size() == 1) {
        quotient = n;
        remainder = big_uint(quotient.div_small(d.limbs_[0]));
        return;
    }
    // Normalise so that the divisor's top limb has its high bit set: then the
    // estimate from the top two limbs is at most two above the true digit.
    int shift = leading_zero_bits(d.limbs_.back());
    big_uint u = n << std::size_t(shift), v = d << std::size_t(shift);
    std::size_t nv = v.limbs_.size(), m = u.limbs_.size() - nv;
    u.limbs_.push_back(0);
    std::vector<std::uint32_t> q(m + 1, 0);
    std::uint64_t v_top = v.limbs_[nv - 1], v_next = v.limbs_[nv - 2];
    for (std::size_t j = m + 1; j-- > 0;) {
        std::uint64_t top = (std::uint64_t(u.limbs_[j + nv]) << 32) | u.limbs_[j + nv - 1];
        std::uint64_t q_hat = top / v_top, r_hat = top % v_top;
        while (q_hat >= limb_base || q_hat * v_next > ((r_hat << 32) | u.limbs_[j + nv - 2])) {
            --q_hat;
            r_hat += v_top;
            if (r_hat >= limb_base)
                break;
        }
        // u[j .. j+nv] -= q_hat * v; a negative result means q_hat was one too big.
        std::uint64_t carry = 0;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < nv; ++i) {
            std::uint64_t product = q_hat * v.limbs_[i] + carry;
            carry = product >> 32;
            std::int64_t t = std::int64_t(u.limbs_[i + j]) - borrow - std::int64_t(product & 0xFFFFFFFFu);
            u.limbs_[i + j] = static_cast<std::uint32_t>(t);
            borrow = t < 0 ? 1 : 0;
        }
        std::int64_t t = std::int64_t(u.limbs_[j + nv]) - borrow - std::int64_t(carry);
        u.limbs_[j + nv] = static_cast<std::uint32_t>(t);
        if (t < 0) {
            --q_hat;
            std::uint64_t add_carry = 0;
            for (std::size_t i = 0; i < nv; ++i) {
                std::uint64_t sum = std::uint64_t(u.limbs_[i + j]) + v.limbs_[i] + add_carry;
                u.limbs_[i + j] = static_cast<std::uint32_t>(sum);
                add_carry = sum >> 32;
            }
            u.limbs_[j + nv] = static_cast<std::uint32_t>(u.limbs_[j + nv] + add_carry);
        }
        q[j] = static_cast<std::uint32_t>(q_hat);
    }
    quotient.limbs_ = std::move(q);
    quotient.trim();
    u.trim();
    remainder = u >> std::size_t(shift);
}

} // namespace tars
