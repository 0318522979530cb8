// The stored constants and tables hold exactly the bits they are audited
// against: each row below is the bit pattern of {hi, lo}, written
// independently of the hexadecimal float literals of the header.
#include <cstdint>

#include "tests/cpp/bits.hpp"
#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_consts.h"

using namespace tarsel_test;

namespace {

struct StoredPair {
    const char *name;
    const double *raw;
    std::uint64_t hi_bits, lo_bits;
};

::testing::AssertionResult stored_as(const double *raw, std::uint64_t hi_bits, std::uint64_t lo_bits)
{
    if (bits_of(raw[0]) == hi_bits && bits_of(raw[1]) == lo_bits)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "stored {" << describe(raw[0]) << ", " << describe(raw[1]) << "}";
}

const StoredPair named_constants[] = {
    {"_tarsel_pi_raw", _tarsel_pi_raw, 0x400921FB54442D18ULL, 0x3CA1A62633145C07ULL},
    {"_tarsel_e_raw", _tarsel_e_raw, 0x4005BF0A8B145769ULL, 0x3CA4D57EE2B1013AULL},
    {"_tarsel_sqrt2_raw", _tarsel_sqrt2_raw, 0x3FF6A09E667F3BCDULL, 0xBC9BDD3413B26456ULL},
    {"_tarsel_ln2_raw", _tarsel_ln2_raw, 0x3FE62E42FEFA39EFULL, 0x3C7ABC9E3B39803FULL},
    {"_tarsel_ln10_raw", _tarsel_ln10_raw, 0x40026BB1BBB55516ULL, 0xBCAF48AD494EA3E9ULL},
    {"_tarsel_pi_over_2_raw", _tarsel_pi_over_2_raw, 0x3FF921FB54442D18ULL, 0x3C91A62633145C07ULL},
    {"_tarsel_two_over_pi_raw", _tarsel_two_over_pi_raw, 0x3FE45F306DC9C883ULL, 0xBC86B01EC5417056ULL},
    {"_tarsel_ln2_16_raw", _tarsel_ln2_16_raw, 0x3FA62E42FEFA39EFULL, 0x3C3ABC9E3B39803FULL},
};

const std::uint64_t tarsel_exp_table_bits[16][2] = {
    {0x3FF0000000000000ULL, 0x0000000000000000ULL}, // 0: 2^(0/16)
    {0x3FF0B5586CF9890FULL, 0x3C98A62E4ADC610BULL}, // 1: 2^(1/16)
    {0x3FF172B83C7D517BULL, 0xBC819041B9D78A76ULL}, // 2: 2^(2/16)
    {0x3FF2387A6E756238ULL, 0x3C99B07EB6C70573ULL}, // 3: 2^(3/16)
    {0x3FF306FE0A31B715ULL, 0x3C86F46AD23182E4ULL}, // 4: 2^(4/16)
    {0x3FF3DEA64C123422ULL, 0x3C8ADA0911F09EBCULL}, // 5: 2^(5/16)
    {0x3FF4BFDAD5362A27ULL, 0x3C7D4397AFEC42E2ULL}, // 6: 2^(6/16)
    {0x3FF5AB07DD485429ULL, 0x3C96324C054647ADULL}, // 7: 2^(7/16)
    {0x3FF6A09E667F3BCDULL, 0xBC9BDD3413B26456ULL}, // 8: 2^(8/16)
    {0x3FF7A11473EB0187ULL, 0xBC841577EE04992FULL}, // 9: 2^(9/16)
    {0x3FF8ACE5422AA0DBULL, 0x3C96E9F156864B27ULL}, // 10: 2^(10/16)
    {0x3FF9C49182A3F090ULL, 0x3C7C7C46B071F2BEULL}, // 11: 2^(11/16)
    {0x3FFAE89F995AD3ADULL, 0x3C97A1CD345DCC81ULL}, // 12: 2^(12/16)
    {0x3FFC199BDD85529CULL, 0x3C811065895048DDULL}, // 13: 2^(13/16)
    {0x3FFD5818DCFBA487ULL, 0x3C82ED02D75B3707ULL}, // 14: 2^(14/16)
    {0x3FFEA4AFA2A490DAULL, 0xBC9E9C23179C2893ULL}, // 15: 2^(15/16)
};

const std::uint64_t tarsel_exp_coefs_n16_bits[11][2] = {
    {0x3FE0000000000000ULL, 0xB653025FDE8531BBULL}, // 0: 1/2!
    {0x3FC5555555555555ULL, 0x3C6555555555B8C8ULL}, // 1: 1/3!
    {0x3FA5555555555555ULL, 0x3C455555555571BFULL}, // 2: 1/4!
    {0x3F81111111111111ULL, 0x3C011100E54660D6ULL}, // 3: 1/5!
    {0x3F56C16C16C16C17ULL, 0xBBEF49F93E15EC86ULL}, // 4: 1/6!
    {0x3F2A01A01A01A01BULL, 0xBBC078F863CF32ADULL}, // 5: 1/7!
    {0x3EFA01A01A01A01AULL, 0x3B9B552A706E35D4ULL}, // 6: 1/8!
    {0x3EC71DE3A5534681ULL, 0xBB5580DD82D70771ULL}, // 7: 1/9!
    {0x3E927E4FB7769EF6ULL, 0x3B39C5F92374B32BULL}, // 8: 1/10!
    {0x3E5AE653FCAC40F5ULL, 0x3AE64C02932A35BFULL}, // 9: 1/11!
    {0x3E21EEE144F36D74ULL, 0x3ACE8DFD5ACBEA8DULL}, // 10: 1/12!
};

const std::uint64_t tarsel_sin_coefs_n4_bits[12][2] = {
    {0xBFC5555555555555ULL, 0xBC65555555555555ULL}, // 0: -1/3!
    {0x3F81111111111111ULL, 0x3C01111111111111ULL}, // 1: +1/5!
    {0xBF2A01A01A01A01AULL, 0xBB6A01A01A1256F5ULL}, // 2: -1/7!
    {0x3EC71DE3A556C734ULL, 0xBB6C154F8DDC66BBULL}, // 3: +1/9!
    {0xBE5AE64567F544E4ULL, 0x3AFC062F070F1107ULL}, // 4: -1/11!
    {0x3DE6124613A86D09ULL, 0x3A8F28E0A41020D3ULL}, // 5: +1/13!
    {0xBD6AE7F3E733B81FULL, 0xB9F42573A6729A63ULL}, // 6: -1/15!
    {0x3CE952C77030AD4AULL, 0x398C8E6E78398BBDULL}, // 7: +1/17!
    {0xBC62F49B4680CF91ULL, 0xB8F8BA1CD5EBC90DULL}, // 8: -1/19!
    {0x3BD71B8EF6DCADB4ULL, 0x387AEA5CBE47D097ULL}, // 9: +1/21!
    {0xBB4761B83A387D2BULL, 0x37E8B60801D6BDA3ULL}, // 10: -1/23!
    {0x3AB3F3CF7B700B13ULL, 0x375E2EBCDBB8447FULL}, // 11: +1/25!
};

const std::uint64_t tarsel_cos_coefs_n4_bits[12][2] = {
    {0xBFE0000000000000ULL, 0x3933145E4B37AEB8ULL}, // 0: -1/2!
    {0x3FA5555555555555ULL, 0x3C45555555555555ULL}, // 1: +1/4!
    {0xBF56C16C16C16C17ULL, 0x3BEF49F49F483156ULL}, // 2: -1/6!
    {0x3EFA01A01A01A01AULL, 0x3B3A01A01A0666A2ULL}, // 3: +1/8!
    {0xBE927E4FB7789F5CULL, 0xBB3CBBBEAAE87F23ULL}, // 4: -1/10!
    {0x3E21EED8EFF8D898ULL, 0xBAC2AEC9A31753FFULL}, // 5: +1/12!
    {0xBDA93974A8C07C9DULL, 0xBA41A706B12AC61BULL}, // 6: -1/14!
    {0x3D2AE7F3E733B81FULL, 0x39AEAC1D34560C24ULL}, // 7: +1/16!
    {0xBCA6827863B8BD99ULL, 0xB94BAE99D6D02B58ULL}, // 8: -1/18!
    {0x3C1E542BA401801EULL, 0x38AE05259CA5F76FULL}, // 9: +1/20!
    {0xBB90CE3CEEBCEAD3ULL, 0xB81E5A5C51979477ULL}, // 10: -1/22!
    {0x3AFF2CF4D8758424ULL, 0xB79681588A0C67CBULL}, // 11: +1/24!
};

} // namespace

TEST(StoredConstants, NamedPairsHoldTheirBits)
{
    for (const StoredPair &c : named_constants)
        EXPECT_TRUE(stored_as(c.raw, c.hi_bits, c.lo_bits)) << c.name;
}

template <std::size_t N>
void expect_table(const double (&table)[N][2], const std::uint64_t (&bits)[N][2], const char *name)
{
    for (std::size_t j = 0; j < N; j++)
        EXPECT_TRUE(stored_as(table[j], bits[j][0], bits[j][1])) << name << " row " << j;
}

TEST(StoredConstants, TablesHoldTheirBitsRowByRow)
{
    expect_table(_tarsel_exp_table, tarsel_exp_table_bits, "exp_table");
    expect_table(_tarsel_exp_coefs_n16, tarsel_exp_coefs_n16_bits, "exp_coefs_n16");
    expect_table(_tarsel_sin_coefs_n4, tarsel_sin_coefs_n4_bits, "sin_coefs_n4");
    expect_table(_tarsel_cos_coefs_n4, tarsel_cos_coefs_n4_bits, "cos_coefs_n4");
}

TEST(StoredConstants, FromRawTakesThePairAsStored)
{
    const double not_normalised[2] = {1.0, 1.0};
    EXPECT_TRUE(same_bits(_tarsel_from_raw(not_normalised), 1.0, 1.0));
    EXPECT_TRUE(same_bits(_tarsel_from_raw(_tarsel_exp_coefs_n16[0]), 0.5, from_bits(0xB653025FDE8531BBULL)));
}

TEST(StoredConstants, ObjectLayerConstantsCopyTheirPairs)
{
    const struct {
        const tars::float128 &value;
        const double *raw;
    } cases[] = {{tars::pi, _tarsel_pi_raw}, {tars::e, _tarsel_e_raw}, {tars::sqrt2, _tarsel_sqrt2_raw},
                 {tars::ln2, _tarsel_ln2_raw}};
    for (const auto &c : cases)
        EXPECT_TRUE(same_bits(c.value.data, c.raw[0], c.raw[1]));
}
