// SHA-256 as described in FIPS 180-4, for the golden digests: the same
// source hashes the result bits in every build, with no library to find.
#ifndef TARSEL_TEST_SHA256_HPP
#define TARSEL_TEST_SHA256_HPP

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarsel_golden {

class Sha256 {
public:
    Sha256();

    void update(const void *data, std::size_t size);

    // The digest of everything passed to update, as 64 lower-case hex
    // digits.  The object is spent afterwards.
    std::string hex_digest();

private:
    void compress(const unsigned char *block);

    std::uint32_t state_[8];
    unsigned char pending_[64];
    std::size_t pending_size_;
    std::uint64_t message_bytes_;
};

} // namespace tarsel_golden

#endif
