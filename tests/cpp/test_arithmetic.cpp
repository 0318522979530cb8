// Bit-exact checks of the double-double arithmetic kernel.
#include "bits.hpp"

using namespace tarsel_test;

TEST(Division, OneThirdToAbout106Bits)
{
    EXPECT_TRUE(same_bits(tarsel_div(dd(1.0), dd(3.0)), from_bits(0x3FD5555555555555ULL),
                          from_bits(0x3C75555555555555ULL)));
}
