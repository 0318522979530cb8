// SHA-256, FIPS 180-4 sections 4.1.2 (functions), 4.2.2 (constants),
// 5.1.1 (padding), 5.3.3 (initial value) and 6.2.2 (computation).
#include "tests/golden/sha256.hpp"

#include <cstring>

namespace tarsel_golden {

namespace {

// The first 32 bits of the fractional parts of the cube roots of the first
// 64 primes.
const std::uint32_t round_constants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

// The first 32 bits of the fractional parts of the square roots of the
// first 8 primes.
const std::uint32_t initial_state[8] = {
    0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19,
};

std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

std::uint32_t choose(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) ^ (~x & z); }

std::uint32_t majority(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) ^ (x & z) ^ (y & z); }

std::uint32_t big_sigma0(std::uint32_t x) { return rotr(x, 2) ^ rotr(x, 13) ^ rotr(x, 22); }

std::uint32_t big_sigma1(std::uint32_t x) { return rotr(x, 6) ^ rotr(x, 11) ^ rotr(x, 25); }

std::uint32_t small_sigma0(std::uint32_t x) { return rotr(x, 7) ^ rotr(x, 18) ^ (x >> 3); }

std::uint32_t small_sigma1(std::uint32_t x) { return rotr(x, 17) ^ rotr(x, 19) ^ (x >> 10); }

std::uint32_t load_big_endian(const unsigned char *p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

} // namespace

Sha256::Sha256() : pending_size_(0), message_bytes_(0)
{
    std::memcpy(state_, initial_state, sizeof state_);
}

void Sha256::compress(const unsigned char *block)
{
    std::uint32_t w[64];
    for (int t = 0; t < 16; t++)
        w[t] = load_big_endian(block + 4 * t);
    for (int t = 16; t < 64; t++)
        w[t] = small_sigma1(w[t - 2]) + w[t - 7] + small_sigma0(w[t - 15]) + w[t - 16];

    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    std::uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
    for (int t = 0; t < 64; t++) {
        std::uint32_t t1 = h + big_sigma1(e) + choose(e, f, g) + round_constants[t] + w[t];
        std::uint32_t t2 = big_sigma0(a) + majority(a, b, c);
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
    state_[5] += f;
    state_[6] += g;
    state_[7] += h;
}

void Sha256::update(const void *data, std::size_t size)
{
    const unsigned char *bytes = static_cast<const unsigned char *>(data);
    message_bytes_ += size;
    while (size > 0) {
        std::size_t take = 64 - pending_size_;
        if (take > size)
            take = size;
        std::memcpy(pending_ + pending_size_, bytes, take);
        pending_size_ += take;
        bytes += take;
        size -= take;
        if (pending_size_ == 64) {
            compress(pending_);
            pending_size_ = 0;
        }
    }
}

std::string Sha256::hex_digest()
{
    // The padding: one 1 bit, zeros up to 56 bytes into a block, then the
    // message length in bits as a big-endian 64-bit number.
    std::uint64_t message_bits = message_bytes_ * 8;
    const unsigned char one_bit = 0x80, zero = 0;
    update(&one_bit, 1);
    while (pending_size_ != 56)
        update(&zero, 1);
    unsigned char length[8];
    for (int i = 0; i < 8; i++)
        length[i] = static_cast<unsigned char>(message_bits >> (56 - 8 * i));
    update(length, 8);

    static const char hex_digits[] = "0123456789abcdef";
    std::string out;
    for (std::uint32_t word : state_)
        for (int shift = 28; shift >= 0; shift -= 4)
            out += hex_digits[(word >> shift) & 0xF];
    return out;
}

} // namespace tarsel_golden
