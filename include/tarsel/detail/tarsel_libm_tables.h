/* Written by tools/libm_tables.py: python tools/libm_tables.py > include/tarsel/detail/tarsel_libm_tables.h
 *
 * tarsel_libm_tables.h -- constants and tables of tarsel_libm.h.
 *
 * Written by tools/libm_tables.py from mpmath at 400 bits; regenerate
 * rather than edit.  A pair {hi, lo} is the double-double nearest the
 * value; a triple {a, b, c} carries it to about 2^-159 relative.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_LIBM_TABLES_H
#define TARSEL_LIBM_TABLES_H

/* ln 2 / 16 as a triple of full doubles */
static const double _tarsel_libm_ln2_16[3] = {
    0x1.62e42fefa39efp-5, 0x1.abc9e3b39803fp-60, 0x1.7b57a079a1934p-115,
    /* 0x3FA62E42FEFA39EF 0x3C3ABC9E3B39803F 0x38C7B57A079A1934 */
};

/* 16 / ln 2, rounded to a double (only picks the reduction's k) */
static const double _tarsel_libm_sixteen_over_ln2[1] = {
    0x1.71547652b82fep+4,
    /* 0x40371547652B82FE */
};

/* ln 2 */
static const double _tarsel_libm_ln2[2] = {
    0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56,
    /* 0x3FE62E42FEFA39EF 0x3C7ABC9E3B39803F */
};

/* 1 / ln 2 */
static const double _tarsel_libm_inv_ln2[2] = {
    0x1.71547652b82fep+0, 0x1.777d0ffda0d24p-56,
    /* 0x3FF71547652B82FE 0x3C7777D0FFDA0D24 */
};

/* 1 / ln 10 */
static const double _tarsel_libm_inv_ln10[2] = {
    0x1.bcb7b1526e50ep-2, 0x1.95355baaafad3p-57,
    /* 0x3FDBCB7B1526E50E 0x3C695355BAAAFAD3 */
};

/* log10 2 */
static const double _tarsel_libm_log10_2[2] = {
    0x1.34413509f79ffp-2, -0x1.9dc1da994fd21p-59,
    /* 0x3FD34413509F79FF 0xBC49DC1DA994FD21 */
};

/* pi / 180 */
static const double _tarsel_libm_pi_over_180[2] = {
    0x1.1df46a2529d39p-6, 0x1.5c1d8becdd291p-62,
    /* 0x3F91DF46A2529D39 0x3C15C1D8BECDD291 */
};

/* 180 / pi */
static const double _tarsel_libm_180_over_pi[2] = {
    0x1.ca5dc1a63c1f8p+5, -0x1.1e7ab456405f9p-49,
    /* 0x404CA5DC1A63C1F8 0xBCE1E7AB456405F9 */
};

/* sqrt(1/2), rounded to a double (only splits the mantissa range) */
static const double _tarsel_libm_sqrt_half[1] = {
    0x1.6a09e667f3bcdp-1,
    /* 0x3FE6A09E667F3BCD */
};

/* 2^(i/16) - 1 for i = -8 .. 7, at index i + 8 */
static const double _tarsel_libm_exp2_m1[16][2] = {
    {-0x1.2bec333018867p-2, 0x1.08b2fb1366ea9p-57}, /* i = -8: 0xBFD2BEC333018867 0x3C608B2FB1366EA9 */
    {-0x1.0bdd71829fcf2p-2, -0x1.41577ee04992fp-56}, /* i = -7: 0xBFD0BDD71829FCF2 0xBC741577EE04992F */
    {-0x1.d4c6af7557c93p-3, 0x1.ba7c55a192c9cp-57}, /* i = -6: 0xBFCD4C6AF7557C93 0x3C6BA7C55A192C9C */
    {-0x1.8edb9f5703dc0p-3, 0x1.c7c46b071f2bep-57}, /* i = -5: 0xBFC8EDB9F5703DC0 0x3C6C7C46B071F2BE */
    {-0x1.45d819a94b14bp-3, 0x1.e8734d1773206p-57}, /* i = -4: 0xBFC45D819A94B14B 0x3C6E8734D1773206 */
    {-0x1.f332113d56b1fp-4, 0x1.1065895048dd3p-60}, /* i = -3: 0xBFBF332113D56B1F 0x3C31065895048DD3 */
    {-0x1.53f391822dbc7p-4, 0x1.76816bad9b837p-59}, /* i = -2: 0xBFB53F391822DBC7 0x3C476816BAD9B837 */
    {-0x1.5b505d5b6f268p-5, 0x1.63dce863d76ccp-59}, /* i = -1: 0xBFA5B505D5B6F268 0x3C463DCE863D76CC */
    {0x0p+0, 0x0p+0}, /* i = 0: 0x0000000000000000 0x0000000000000000 */
    {0x1.6ab0d9f3121ecp-5, 0x1.4c5c95b8c2155p-59}, /* i = 1: 0x3FA6AB0D9F3121EC 0x3C44C5C95B8C2155 */
    {0x1.72b83c7d517aep-4, -0x1.9041b9d78a75bp-59}, /* i = 2: 0x3FB72B83C7D517AE 0xBC49041B9D78A75B */
    {0x1.1c3d373ab11c3p-3, 0x1.b07eb6c70572dp-58}, /* i = 3: 0x3FC1C3D373AB11C3 0x3C5B07EB6C70572D */
    {0x1.837f0518db8a9p-3, 0x1.bd1ab48c60b91p-57}, /* i = 4: 0x3FC837F0518DB8A9 0x3C6BD1AB48C60B91 */
    {0x1.ef5326091a112p-3, -0x1.497dbb83d8512p-57}, /* i = 5: 0x3FCEF5326091A112 0xBC6497DBB83D8512 */
    {0x1.2ff6b54d8a89cp-2, 0x1.d4397afec42e2p-56}, /* i = 6: 0x3FD2FF6B54D8A89C 0x3C7D4397AFEC42E2 */
    {0x1.6ac1f752150a5p-2, 0x1.8c93015191eb3p-56}, /* i = 7: 0x3FD6AC1F752150A5 0x3C78C93015191EB3 */
};

/* 1/n! for n = 2 .. 8, the double-double coefficients of e^r - 1 */
static const double _tarsel_libm_inv_fact[7][2] = {
    {0x1p-1, 0x0p+0}, /* 1/2!: 0x3FE0000000000000 0x0000000000000000 */
    {0x1.5555555555555p-3, 0x1.5555555555555p-57}, /* 1/3!: 0x3FC5555555555555 0x3C65555555555555 */
    {0x1.5555555555555p-5, 0x1.5555555555555p-59}, /* 1/4!: 0x3FA5555555555555 0x3C45555555555555 */
    {0x1.1111111111111p-7, 0x1.1111111111111p-63}, /* 1/5!: 0x3F81111111111111 0x3C01111111111111 */
    {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65}, /* 1/6!: 0x3F56C16C16C16C17 0xBBEF49F49F49F49F */
    {0x1.a01a01a01a01ap-13, 0x1.a01a01a01a01ap-73}, /* 1/7!: 0x3F2A01A01A01A01A 0x3B6A01A01A01A01A */
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76}, /* 1/8!: 0x3EFA01A01A01A01A 0x3B3A01A01A01A01A */
};

/* 1/n! for n = 9 .. 14, rounded to doubles */
static const double _tarsel_libm_inv_fact_tail[6] = {
    0x1.71de3a556c734p-19, /* 1/9!: 0x3EC71DE3A556C734 */
    0x1.27e4fb7789f5cp-22, /* 1/10!: 0x3E927E4FB7789F5C */
    0x1.ae64567f544e4p-26, /* 1/11!: 0x3E5AE64567F544E4 */
    0x1.1eed8eff8d898p-29, /* 1/12!: 0x3E21EED8EFF8D898 */
    0x1.6124613a86d09p-33, /* 1/13!: 0x3DE6124613A86D09 */
    0x1.93974a8c07c9dp-37, /* 1/14!: 0x3DA93974A8C07C9D */
};

#endif /* TARSEL_LIBM_TABLES_H */
