/* Kept by hand, not generated (the coefficient rows are tuned); checked by tests/python/test_tables.py.
 *
 * tarsel_consts.h -- stored constants and coefficient tables.
 *
 * Each constant is a raw pair {hi, lo} of doubles whose exact sum is the
 * value; tables are arrays of such pairs.  Every pair is written as C99
 * hexadecimal float literals with its two bit patterns beside it, so either
 * form can be checked against a reference.  The bits are fixed: the results
 * of the elementary functions depend on them bit for bit, and the
 * coefficient tables are deliberately not the double-double roundings of the
 * factorial reciprocals (their higher rows are tuned for the reduced
 * intervals), so they must never be regenerated from factorials.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_CONSTS_H
#define TARSEL_CONSTS_H

#include "tarsel/tarsel.h"

/* --- turning a stored pair into a value --- */

/* The pair as stored: no renormalisation and no checks. */
static inline tarsel _tarsel_from_raw(const double *raw)
{
    return tarsel_from_hi_lo(raw[0], raw[1]);
}

/* --- named constants: hi is the double nearest to the constant, lo the
       double nearest to the remainder --- */

/* pi */
static const double _tarsel_pi_raw[2] = {
    0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, /* 0x400921FB54442D18 0x3CA1A62633145C07 */
};

/* e */
static const double _tarsel_e_raw[2] = {
    0x1.5bf0a8b145769p+1, 0x1.4d57ee2b1013ap-53, /* 0x4005BF0A8B145769 0x3CA4D57EE2B1013A */
};

/* sqrt(2) */
static const double _tarsel_sqrt2_raw[2] = {
    0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54, /* 0x3FF6A09E667F3BCD 0xBC9BDD3413B26456 */
};

/* ln 2 */
static const double _tarsel_ln2_raw[2] = {
    0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56, /* 0x3FE62E42FEFA39EF 0x3C7ABC9E3B39803F */
};

/* ln 10 */
static const double _tarsel_ln10_raw[2] = {
    0x1.26bb1bbb55516p+1, -0x1.f48ad494ea3e9p-53, /* 0x40026BB1BBB55516 0xBCAF48AD494EA3E9 */
};

/* pi/2 */
static const double _tarsel_pi_over_2_raw[2] = {
    0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, /* 0x3FF921FB54442D18 0x3C91A62633145C07 */
};

/* 2/pi */
static const double _tarsel_two_over_pi_raw[2] = {
    0x1.45f306dc9c883p-1, -0x1.6b01ec5417056p-55, /* 0x3FE45F306DC9C883 0xBC86B01EC5417056 */
};

/* (ln 2)/16 */
static const double _tarsel_ln2_16_raw[2] = {
    0x1.62e42fefa39efp-5, 0x1.abc9e3b39803fp-60, /* 0x3FA62E42FEFA39EF 0x3C3ABC9E3B39803F */
};

/* --- exponential tables --- */

/* Row j is 2^(j/16) correctly rounded to double-double; row 8 is sqrt(2). */
static const double _tarsel_exp_table[16][2] = {
    {0x1.0000000000000p+0, 0.0}, /*  0 2^(0/16)  0x3FF0000000000000 0x0000000000000000 */
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54}, /*  1 2^(1/16)  0x3FF0B5586CF9890F 0x3C98A62E4ADC610B */
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55}, /*  2 2^(2/16)  0x3FF172B83C7D517B 0xBC819041B9D78A76 */
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54}, /*  3 2^(3/16)  0x3FF2387A6E756238 0x3C99B07EB6C70573 */
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55}, /*  4 2^(4/16)  0x3FF306FE0A31B715 0x3C86F46AD23182E4 */
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55}, /*  5 2^(5/16)  0x3FF3DEA64C123422 0x3C8ADA0911F09EBC */
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56}, /*  6 2^(6/16)  0x3FF4BFDAD5362A27 0x3C7D4397AFEC42E2 */
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54}, /*  7 2^(7/16)  0x3FF5AB07DD485429 0x3C96324C054647AD */
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54}, /*  8 2^(8/16)  0x3FF6A09E667F3BCD 0xBC9BDD3413B26456 */
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55}, /*  9 2^(9/16)  0x3FF7A11473EB0187 0xBC841577EE04992F */
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54}, /* 10 2^(10/16) 0x3FF8ACE5422AA0DB 0x3C96E9F156864B27 */
    {0x1.9c49182a3f090p+0, 0x1.c7c46b071f2bep-56}, /* 11 2^(11/16) 0x3FF9C49182A3F090 0x3C7C7C46B071F2BE */
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54}, /* 12 2^(12/16) 0x3FFAE89F995AD3AD 0x3C97A1CD345DCC81 */
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55}, /* 13 2^(13/16) 0x3FFC199BDD85529C 0x3C811065895048DD */
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55}, /* 14 2^(14/16) 0x3FFD5818DCFBA487 0x3C82ED02D75B3707 */
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54}, /* 15 2^(15/16) 0x3FFEA4AFA2A490DA 0xBC9E9C23179C2893 */
};

/* Row j multiplies r^(j+2) in 1 + r + sum row[j] r^(j+2), the polynomial for
   e^r on |r| <= (ln 2)/32.  Close to 1/(j+2)!, but not its rounding. */
static const double _tarsel_exp_coefs_n16[11][2] = {
    {0x1.0000000000000p-1, -0x1.3025fde8531bbp-154}, /*  0 1/2!      0x3FE0000000000000 0xB653025FDE8531BB */
    {0x1.5555555555555p-3, 0x1.555555555b8c8p-57}, /*  1 1/3!      0x3FC5555555555555 0x3C6555555555B8C8 */
    {0x1.5555555555555p-5, 0x1.55555555571bfp-59}, /*  2 1/4!      0x3FA5555555555555 0x3C455555555571BF */
    {0x1.1111111111111p-7, 0x1.11100e54660d6p-63}, /*  3 1/5!      0x3F81111111111111 0x3C011100E54660D6 */
    {0x1.6c16c16c16c17p-10, -0x1.f49f93e15ec86p-65}, /*  4 1/6!      0x3F56C16C16C16C17 0xBBEF49F93E15EC86 */
    {0x1.a01a01a01a01bp-13, -0x1.078f863cf32adp-67}, /*  5 1/7!      0x3F2A01A01A01A01B 0xBBC078F863CF32AD */
    {0x1.a01a01a01a01ap-16, 0x1.b552a706e35d4p-70}, /*  6 1/8!      0x3EFA01A01A01A01A 0x3B9B552A706E35D4 */
    {0x1.71de3a5534681p-19, -0x1.580dd82d70771p-74}, /*  7 1/9!      0x3EC71DE3A5534681 0xBB5580DD82D70771 */
    {0x1.27e4fb7769ef6p-22, 0x1.9c5f92374b32bp-76}, /*  8 1/10!     0x3E927E4FB7769EF6 0x3B39C5F92374B32B */
    {0x1.ae653fcac40f5p-26, 0x1.64c02932a35bfp-81}, /*  9 1/11!     0x3E5AE653FCAC40F5 0x3AE64C02932A35BF */
    {0x1.1eee144f36d74p-29, 0x1.e8dfd5acbea8dp-83}, /* 10 1/12!     0x3E21EEE144F36D74 0x3ACE8DFD5ACBEA8D */
};

/* --- sine and cosine tables --- */

/* Row j is the coefficient of r^(2j+3) in the sine polynomial, close to
   (-1)^(j+1)/(2j+3)!; rows 2 to 11 are not the roundings of the reciprocals. */
static const double _tarsel_sin_coefs_n4[12][2] = {
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57}, /*  0 -1/3!     0xBFC5555555555555 0xBC65555555555555 */
    {0x1.1111111111111p-7, 0x1.1111111111111p-63}, /*  1 +1/5!     0x3F81111111111111 0x3C01111111111111 */
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a1256f5p-73}, /*  2 -1/7!     0xBF2A01A01A01A01A 0xBB6A01A01A1256F5 */
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc66bbp-73}, /*  3 +1/9!     0x3EC71DE3A556C734 0xBB6C154F8DDC66BB */
    {-0x1.ae64567f544e4p-26, 0x1.c062f070f1107p-80}, /*  4 -1/11!    0xBE5AE64567F544E4 0x3AFC062F070F1107 */
    {0x1.6124613a86d09p-33, 0x1.f28e0a41020d3p-87}, /*  5 +1/13!    0x3DE6124613A86D09 0x3A8F28E0A41020D3 */
    {-0x1.ae7f3e733b81fp-41, -0x1.42573a6729a63p-96}, /*  6 -1/15!    0xBD6AE7F3E733B81F 0xB9F42573A6729A63 */
    {0x1.952c77030ad4ap-49, 0x1.c8e6e78398bbdp-103}, /*  7 +1/17!    0x3CE952C77030AD4A 0x398C8E6E78398BBD */
    {-0x1.2f49b4680cf91p-57, -0x1.8ba1cd5ebc90dp-112}, /*  8 -1/19!    0xBC62F49B4680CF91 0xB8F8BA1CD5EBC90D */
    {0x1.71b8ef6dcadb4p-66, 0x1.aea5cbe47d097p-120}, /*  9 +1/21!    0x3BD71B8EF6DCADB4 0x387AEA5CBE47D097 */
    {-0x1.761b83a387d2bp-75, 0x1.8b60801d6bda3p-129}, /* 10 -1/23!    0xBB4761B83A387D2B 0x37E8B60801D6BDA3 */
    {0x1.3f3cf7b700b13p-84, 0x1.e2ebcdbb8447fp-138}, /* 11 +1/25!    0x3AB3F3CF7B700B13 0x375E2EBCDBB8447F */
};

/* Row j is the coefficient of r^(2j+2) in the cosine polynomial, close to
   (-1)^(j+1)/(2j+2)!; row 0 is -1/2 with a tiny lo. */
static const double _tarsel_cos_coefs_n4[12][2] = {
    {-0x1.0000000000000p-1, 0x1.3145e4b37aeb8p-108}, /*  0 -1/2!     0xBFE0000000000000 0x3933145E4B37AEB8 */
    {0x1.5555555555555p-5, 0x1.5555555555555p-59}, /*  1 +1/4!     0x3FA5555555555555 0x3C45555555555555 */
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f483156p-65}, /*  2 -1/6!     0xBF56C16C16C16C17 0x3BEF49F49F483156 */
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a0666a2p-76}, /*  3 +1/8!     0x3EFA01A01A01A01A 0x3B3A01A01A0666A2 */
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbbeaae87f23p-76}, /*  4 -1/10!    0xBE927E4FB7789F5C 0xBB3CBBBEAAE87F23 */
    {0x1.1eed8eff8d898p-29, -0x1.2aec9a31753ffp-83}, /*  5 +1/12!    0x3E21EED8EFF8D898 0xBAC2AEC9A31753FF */
    {-0x1.93974a8c07c9dp-37, -0x1.1a706b12ac61bp-91}, /*  6 -1/14!    0xBDA93974A8C07C9D 0xBA41A706B12AC61B */
    {0x1.ae7f3e733b81fp-45, 0x1.eac1d34560c24p-101}, /*  7 +1/16!    0x3D2AE7F3E733B81F 0x39AEAC1D34560C24 */
    {-0x1.6827863b8bd99p-53, -0x1.bae99d6d02b58p-107}, /*  8 -1/18!    0xBCA6827863B8BD99 0xB94BAE99D6D02B58 */
    {0x1.e542ba401801ep-62, 0x1.e05259ca5f76fp-117}, /*  9 +1/20!    0x3C1E542BA401801E 0x38AE05259CA5F76F */
    {-0x1.0ce3ceebcead3p-70, -0x1.e5a5c51979477p-126}, /* 10 -1/22!    0xBB90CE3CEEBCEAD3 0xB81E5A5C51979477 */
    {0x1.f2cf4d8758424p-80, -0x1.681588a0c67cbp-134}, /* 11 +1/24!    0x3AFF2CF4D8758424 0xB79681588A0C67CB */
};

#endif /* TARSEL_CONSTS_H */
