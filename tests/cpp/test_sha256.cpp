// The digests' hash against the examples of FIPS 180-4 and messages whose
// padding falls on either side of a block boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/golden/sha256.hpp"

using tarsel_golden::Sha256;

namespace {

struct Known {
    std::string message;
    const char *digest;
    const char *why;
};

const Known known[] = {
    {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", "empty: one padding block"},
    {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", "FIPS one-block example"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1", "FIPS two-block example"},
    {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318",
     "the length still fits the first block"},
    {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a",
     "the length moves to a second block"},
    {std::string(63, 'a'), "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34", "one byte short"},
    {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb", "a whole block"},
    {std::string(65, 'a'), "635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0", "one byte over"},
    {std::string(119, 'a'), "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb",
     "second block, length fits"},
    {std::string(120, 'a'), "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c",
     "second block, length spills"},
};

} // namespace

TEST(Sha256, KnownDigestsWholeAndInUnevenPieces)
{
    for (const Known &k : known) {
        Sha256 whole;
        whole.update(k.message.data(), k.message.size());
        EXPECT_EQ(whole.hex_digest(), k.digest) << k.why;

        Sha256 pieces;
        for (std::size_t at = 0, step = 1; at < k.message.size(); at += step, step = step * 2 + 1)
            pieces.update(k.message.data() + at, std::min(step, k.message.size() - at));
        EXPECT_EQ(pieces.hex_digest(), k.digest) << k.why << ", fed in pieces of 1, 3, 7, ... bytes";
    }
}

TEST(Sha256, MillionByteMessageCountsItsLengthInBits)
{
    const std::string thousand(1000, 'a');
    Sha256 hash;
    for (int i = 0; i < 1000; i++)
        hash.update(thousand.data(), thousand.size());
    EXPECT_EQ(hash.hex_digest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}
