/* tarsel_erf_gamma.h -- the error function, its complement, the gamma
 * function and the logarithm of its magnitude, in double-double.
 *
 * The four functions rest on polynomials about tabulated centres, whose
 * coefficients tools/erf_gamma_tables.py computes with mpmath (the generated
 * block below), and on the exponential kernel of tarsel_libm.h:
 *
 * - erfc x = e^(-x^2) erfcx(x) from x = 1/4 on.  The scaled function
 *   erfcx x = e^(x^2) erfc x varies slowly (about 1/(x sqrt pi) for large x)
 *   and is a polynomial about the nearest of four centres per binade.  x^2
 *   is formed as a triple of doubles, so that e^(-x^2) keeps its relative
 *   precision up to x^2 = 745.  erf has its own odd polynomial up to 3/4 and
 *   is 1 - erfc beyond.
 * - log gamma(c + t) = log gamma(c) + psi(c) t + t^2 Q(t) about the same
 *   centres from 1/2 to 16, with log gamma(c) and psi(c) as triples and the
 *   first two terms summed in triple precision; from 16 on Stirling's series
 *   with a triple-precision logarithm.  gamma is the exponential of that sum,
 *   below 1/2 by gamma(x) = gamma(1 + x)/x, and below -1/2 by the reflection
 *   formula with sin(pi x) from the exact reduced argument x - round(x).
 *
 * Sources: the NIST Digital Library of Mathematical Functions for the
 * identities (erfc and erfcx 7.2.2-7.2.3, the recurrence and reflection
 * 5.5.1 and 5.5.3, the Taylor series of log gamma 5.7.4 and 5.15.1,
 * Stirling's series 5.11.1); L. N. Trefethen, Approximation Theory and
 * Approximation Practice (SIAM 2013), for the Chebyshev interpolants.
 *
 * The polynomials are Chebyshev interpolants; their leading coefficients are
 * double-double pairs and their trailing ones, whose terms stay below 2^-55
 * of the result, plain doubles summed on the high part of the argument.
 * Every loop has a fixed bound from the tables.  An argument whose low part
 * is not below half an ulp of its high part is renormalised first (exactly);
 * a NaN or infinite low part then makes the argument NaN or infinite.
 *
 * Errors are in units of 2^-104 relative (4.9e-32).  Above each function
 * stand its bound and the measured figure, the largest error against mpmath
 * at 300 bits over 10^6 seeded arguments in each listed region.  Results
 * whose low part falls among the subnormals (below about 2^-968 in
 * magnitude) have an absolute error of a few 2^-1074 instead.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_ERF_GAMMA_H
#define TARSEL_ERF_GAMMA_H

#include <math.h>
#include <stdint.h>
#include <string.h>

#include "tarsel/tarsel_libm.h"

/* BEGIN GENERATED BLOCK: python3 tools/erf_gamma_tables.py --update include/tarsel/tarsel_erf_gamma.h */
/* Written by tools/erf_gamma_tables.py from mpmath at 320 bits; regenerate rather than edit. */

/* log sqrt(2 pi) */
static const double _tarsel_log_sqrt_2pi[3] = {0x1.d67f1c864beb5p-1, -0x1.65b5a1b7ff5dfp-55, -0x1.b7f70c13dc1ccp-110};

/* erf x = x P(x^2) for |x| <= 0.75: P(s) interpolates erf(sqrt s)/sqrt s on [0, 0.5625]. */
static const short _tarsel_erf_small_index[1][4] = {
    {0, 15, 0, 4}, /* s in [0, 0.5625], degree 18, fit error 5.5e-34 */
};
static const double _tarsel_erf_small_pairs[15][2] = {
    {0x1.20dd750429b6dp+0, 0x1.1ae3a914fed80p-56},
    {-0x1.812746b0379e7p-2, 0x1.ee12e49cab714p-57},
    {0x1.ce2f21a042be2p-4, -0x1.2871bc5e028c2p-58},
    {-0x1.b82ce31288b51p-6, 0x1.10159793fea50p-61},
    {0x1.565bcd0e6a53fp-8, -0x1.a73e0fe817294p-64},
    {-0x1.c02db40040b86p-11, 0x1.d9a63c1ecb4ecp-65},
    {0x1.f9a326f9b89b7p-14, 0x1.e8b4231ac6350p-68},
    {-0x1.f4d25c3e0c2ebp-17, -0x1.1b1dcc947ee86p-71},
    {0x1.b9e6c9dc6519cp-20, -0x1.5a84e894d1defp-74},
    {-0x1.5f742ec43e5a0p-23, 0x1.ad70b7d27ece4p-77},
    {0x1.fcc572061cfedp-27, -0x1.6f2ac276768b6p-82},
    {-0x1.51d7181b63120p-30, 0x1.5ac8f08b15ec8p-85},
    {0x1.9e6ad5b4d774ep-34, -0x1.ba1ae95d9423dp-90},
    {-0x1.d84535755312dp-38, 0x1.e3f7e2ab22f1ep-96},
    {0x1.f682dbf5d62e3p-42, 0x1.4e71dd0e570f5p-100},
};
static const double _tarsel_erf_small_singles[4] = {
    -0x1.f55d22c6f14aap-46, 0x1.d5f03924e64f7p-50, -0x1.95f46e2e1cdddp-54,
    0x1.0d6ceb747f64ap-58,
};

/* sin(pi d)/(pi d) = 1 + z U(z) with z = d^2 for |d| <= 1/2: U interpolated on [0, 1/4]. */
static const short _tarsel_sinpi_index[1][4] = {
    {0, 10, 0, 4}, /* z in [0, 1/4], degree 13, fit error 1.6e-33 */
};
static const double _tarsel_sinpi_pairs[10][2] = {
    {-0x1.a51a6625307d3p+0, -0x1.1873d8912200cp-55},
    {0x1.9f9cb402bc46cp-1, 0x1.487acd8cd312bp-55},
    {-0x1.86a8e4720db67p-3, 0x1.461b9cb7844efp-58},
    {0x1.ac6805cf350a6p-6, 0x1.7494ad32ed6aap-61},
    {-0x1.33816aa4607abp-9, -0x1.9073886a4956bp-63},
    {0x1.374719fab3915p-13, 0x1.0e5fc76dd7ae6p-67},
    {-0x1.d42498d1ce099p-18, 0x1.1f9bf56cade7ep-72},
    {0x1.0fc992ff39e12p-22, 0x1.7ebb5eb111486p-76},
    {-0x1.f5f9d970ca43ep-28, 0x1.a99357d6eb08bp-83},
    {0x1.79788683fe10ep-33, 0x1.39e5033c4c0e8p-88},
};
static const double _tarsel_sinpi_singles[4] = {
    -0x1.d735390d0f590p-39, 0x1.f01136a29bab4p-45, -0x1.be47d268b72c7p-51,
    0x1.54d4e1e02535bp-57,
};

/* Stirling's series: log gamma(x) = (x - 1/2) log x - x + log sqrt(2 pi) + sum_k c_k / x^(2k-1),
   c_k = B_2k / (2k (2k - 1)), a polynomial in 1/x^2 after the factor 1/x. */
static const short _tarsel_stirling_index[1][4] = {
    {0, 6, 0, 15}, /* B_2k / (2k (2k - 1)) for k = 1..21, last term below 2^-113 at x = 16 */
};
static const double _tarsel_stirling_pairs[6][2] = {
    {0x1.5555555555555p-4, 0x1.5555555555555p-58},
    {-0x1.6c16c16c16c17p-9, 0x1.f49f49f49f49fp-64},
    {0x1.a01a01a01a01ap-11, 0x1.a01a01a01a01ap-71},
    {-0x1.3813813813814p-11, 0x1.fb1fb1fb1fb20p-65},
    {0x1.b951e2b18ff23p-11, 0x1.5c3a9ce01b952p-65},
    {-0x1.f6ab0d9993c7dp-10, 0x1.f82553c999b0ep-64},
};
static const double _tarsel_stirling_singles[15] = {
    0x1.a41a41a41a41ap-8, -0x1.e4286cb0f5398p-6, 0x1.6fe96381e0680p-3,
    -0x1.6476701181f3ap+0, 0x1.ace44322ce006p+3, -0x1.39b2525cccc1bp+7,
    0x1.12234e81b4e82p+11, -0x1.1a198ae1c4ab8p+15, 0x1.51a2089a6e11ap+19,
    -0x1.d1089b142d357p+23, 0x1.6d29a0f6433b8p+28, -0x1.445119d9e466fp+33,
    0x1.43779bc9d4025p+38, -0x1.6800b7bc07a8dp+43, 0x1.bc8cd6f8f1f75p+48,
};

/* erfcx(c + t) = e^((c+t)^2) erfc(c + t) as a polynomial in t about each centre c = j 2^e / 4
   (rows in order of c from 1/4 to 28, the last one up to 27.5). */
static const short _tarsel_erfcx_index[28][4] = {
    {0, 10, 0, 4}, /* centre 0.25 on [0.25, 0.28125], degree 13, fit error 1.6e-33 */
    {10, 10, 4, 6}, /* centre 0.3125 on [0.28125, 0.34375], degree 15, fit error 2.0e-33 */
    {20, 10, 10, 6}, /* centre 0.375 on [0.34375, 0.40625], degree 15, fit error 7.6e-34 */
    {30, 10, 16, 6}, /* centre 0.4375 on [0.40625, 0.46875], degree 15, fit error 1.8e-34 */
    {40, 12, 22, 5}, /* centre 0.5 on [0.46875, 0.5625], degree 16, fit error 1.8e-33 */
    {52, 11, 27, 7}, /* centre 0.625 on [0.5625, 0.6875], degree 17, fit error 2.2e-33 */
    {63, 11, 34, 7}, /* centre 0.75 on [0.6875, 0.8125], degree 17, fit error 7.4e-34 */
    {74, 11, 41, 7}, /* centre 0.875 on [0.8125, 0.9375], degree 17, fit error 8.2e-34 */
    {85, 13, 48, 6}, /* centre 1 on [0.9375, 1.125], degree 18, fit error 1.3e-33 */
    {98, 13, 54, 8}, /* centre 1.25 on [1.125, 1.375], degree 20, fit error 2.5e-34 */
    {111, 13, 62, 7}, /* centre 1.5 on [1.375, 1.625], degree 19, fit error 1.2e-33 */
    {124, 13, 69, 7}, /* centre 1.75 on [1.625, 1.875], degree 19, fit error 1.5e-33 */
    {137, 15, 76, 7}, /* centre 2 on [1.875, 2.25], degree 21, fit error 1.3e-33 */
    {152, 15, 83, 8}, /* centre 2.5 on [2.25, 2.75], degree 22, fit error 2.2e-33 */
    {167, 14, 91, 8}, /* centre 3 on [2.75, 3.25], degree 21, fit error 1.2e-33 */
    {181, 14, 99, 8}, /* centre 3.5 on [3.25, 3.75], degree 21, fit error 7.8e-34 */
    {195, 17, 107, 7}, /* centre 4 on [3.75, 4.5], degree 23, fit error 6.2e-33 */
    {212, 16, 114, 9}, /* centre 5 on [4.5, 5.5], degree 24, fit error 1.2e-33 */
    {228, 15, 123, 9}, /* centre 6 on [5.5, 6.5], degree 23, fit error 2.4e-33 */
    {243, 15, 132, 8}, /* centre 7 on [6.5, 7.5], degree 22, fit error 1.1e-33 */
    {258, 18, 140, 7}, /* centre 8 on [7.5, 9], degree 24, fit error 1.6e-33 */
    {276, 17, 147, 9}, /* centre 10 on [9, 11], degree 25, fit error 1.5e-33 */
    {293, 16, 156, 8}, /* centre 12 on [11, 13], degree 23, fit error 8.7e-34 */
    {309, 15, 164, 8}, /* centre 14 on [13, 15], degree 22, fit error 3.7e-33 */
    {324, 19, 172, 6}, /* centre 16 on [15, 18], degree 24, fit error 5.2e-34 */
    {343, 17, 178, 9}, /* centre 20 on [18, 22], degree 25, fit error 7.1e-34 */
    {360, 16, 187, 9}, /* centre 24 on [22, 26], degree 24, fit error 4.3e-34 */
    {376, 15, 196, 4}, /* centre 28 on [26, 27.5], degree 18, fit error 1.1e-34 */
};
static const double _tarsel_erfcx_pairs[391][2] = {
    {0x1.8a6adcda2ea92p-1, -0x1.b3e5e8f69dcc0p-57},
    {-0x1.7c857b9b3c191p-1, -0x1.87dd2352a5fbcp-56},
    {0x1.2b497df35fa2ep-1, -0x1.9df51ea93e3a0p-55},
    {-0x1.97997ad330408p-2, 0x1.1b703b9e2b88dp-56},
    {0x1.f0ac9d31f3359p-3, 0x1.0ad6e9c71c538p-57},
    {-0x1.146985bd8e47dp-3, -0x1.cf4916ea8b57cp-58},
    {0x1.1d0c27d70a6c9p-4, -0x1.b20a381826d01p-58},
    {-0x1.132db7b9e9c7bp-5, -0x1.81ef5e9acb9efp-60},
    {0x1.f54ce1bf03a5ep-7, -0x1.35860d3a54690p-63},
    {-0x1.b1819f1091baap-8, -0x1.f1f98c1d9c5c1p-62},
    {0x1.73c189ceaedaep-1, -0x1.fc5f40f846538p-55},
    {-0x1.5961f3e72624ep-1, 0x1.34d2a2da549fdp-55},
    {0x1.07d2ed9672ef5p-1, 0x1.c84523d7e95ecp-56},
    {-0x1.5e95623582f81p-2, -0x1.afd8bf653f25cp-56},
    {0x1.a2172c7c2cf12p-3, 0x1.51674a144febap-65},
    {-0x1.c8693869c650bp-4, 0x1.b3c65b738a3c6p-58},
    {0x1.ce5e4f8f87f0bp-5, 0x1.0f29eb4377901p-60},
    {-0x1.b70bfb6865ccap-6, -0x1.8f1dea1f63e52p-62},
    {0x1.89c4704738086p-7, -0x1.2194c154add7bp-61},
    {-0x1.4f92ec52e809dp-8, 0x1.ec5768a10fceap-62},
    {0x1.5f28ade3ca4acp-1, -0x1.29d4ae110b505p-57},
    {-0x1.3a5c679d7bb59p-1, -0x1.8a936a5b63162p-56},
    {0x1.d28c0e1177cd5p-2, -0x1.470cf756500f2p-59},
    {-0x1.2e82dbf846fecp-2, -0x1.669aaea24a59bp-56},
    {0x1.611afb945d2dcp-3, 0x1.50a45f10ca38dp-57},
    {-0x1.7a16147a55a38p-4, -0x1.f964a000283e8p-61},
    {0x1.78491fa73c298p-5, -0x1.f2adbc537928ep-60},
    {-0x1.5f77477a42b20p-6, 0x1.cb4a165696c22p-60},
    {0x1.3662c2404fa7ep-7, -0x1.47ce70407e3bbp-61},
    {-0x1.04aee64583576p-8, 0x1.d1276464f19b4p-62},
    {0x1.4c630ec387d55p-1, -0x1.ba4f1d9407040p-58},
    {-0x1.1ee43d1d3c930p-1, 0x1.845b08729f9f2p-56},
    {0x1.9dbe680d7aaa0p-2, 0x1.daa0626925431p-59},
    {-0x1.05d8c87862526p-2, -0x1.967576c7c0939p-56},
    {0x1.2b2f9058cfa5fp-3, 0x1.0980a7f4c7bcbp-57},
    {-0x1.3a3d67d4bb09cp-4, -0x1.826ed85fdf150p-60},
    {0x1.3342d78308fa7p-5, -0x1.73f81c24800ebp-60},
    {-0x1.1a50e55b813a4p-6, -0x1.e2004bc8a95a6p-62},
    {0x1.eb024aae096b0p-8, -0x1.e0780f622a13ep-64},
    {-0x1.966bd0562b044p-9, 0x1.b771b18f0e438p-64},
    {0x1.3b3bc3c98b0f3p-1, -0x1.aa856b121880fp-56},
    {-0x1.067f263ec85e7p-1, -0x1.62b48a138babep-55},
    {0x1.6ff861544dbfep-2, 0x1.e58c15b4b69adp-57},
    {-0x1.c6ad7a6f37d15p-3, 0x1.dfefd8b92adf1p-58},
    {0x1.fc9a0570ff972p-4, 0x1.7620315f9108bp-60},
    {-0x1.0605940f2cbc7p-4, 0x1.9f7b5149b5506p-58},
    {0x1.f7744f3736f69p-6, 0x1.e19be9c7eda1ap-63},
    {-0x1.c71017377b1f1p-7, -0x1.183991e085d62p-63},
    {0x1.85b04969582efp-8, -0x1.a78a29170ac39p-62},
    {-0x1.3de720c492b98p-9, 0x1.96e9c20920345p-63},
    {0x1.f0573526b3cd8p-11, -0x1.640a3304090ebp-65},
    {-0x1.74290eb989268p-12, -0x1.df11a4e69712cp-68},
    {0x1.1d16b5809eaf6p-1, 0x1.043e5f49b4044p-55},
    {-0x1.babd0e4f1a24dp-2, 0x1.6fb845234332ap-56},
    {0x1.2577420fcd07dp-2, -0x1.91b016368e5cap-56},
    {-0x1.59c35c06f7ffep-3, -0x1.647260fe71d0ap-57},
    {0x1.72d46a9b3f0fap-4, 0x1.fbb0ae3bba8f4p-59},
    {-0x1.6fce5df0ba11ap-5, 0x1.5603ed2e9cfadp-60},
    {0x1.552fe700068d8p-6, 0x1.de0a666b7deb3p-61},
    {-0x1.2a7f4fb7adbd0p-7, -0x1.30510560ff9bfp-61},
    {0x1.efd03c2d4084fp-9, -0x1.caea4f74c0cbfp-63},
    {-0x1.88ef9972dbd5dp-10, 0x1.20b4b169fac00p-64},
    {0x1.2a6ab02de2dc7p-11, -0x1.179e68cd59fd2p-65},
    {0x1.038d54ea3d834p-1, -0x1.ec2134d851665p-55},
    {-0x1.78cdd551ee51ap-2, 0x1.20b8b8620cf51p-56},
    {0x1.d90093ae10928p-3, -0x1.ff6fbece328fcp-57},
    {-0x1.09e77d40e0239p-3, -0x1.a82dd31e0f624p-58},
    {0x1.1192f5bd6877dp-4, -0x1.9e80ede433db3p-58},
    {-0x1.054d68295b244p-5, 0x1.a5ac846348766p-63},
    {0x1.d43a7c7a661b3p-7, -0x1.b81ed1f8f181ep-64},
    {-0x1.8c97dd4ea4906p-8, 0x1.db8b80f1abec3p-62},
    {0x1.3f81897ce8651p-9, 0x1.ebe3aae9ae71ep-69},
    {-0x1.ec0cf4e3344b8p-11, 0x1.7223f4822fd9fp-65},
    {0x1.6b982c1d4a586p-12, -0x1.06be7701d6c2ap-67},
    {0x1.db747ee409ac5p-2, -0x1.55a083acba9f3p-56},
    {-0x1.4369f60195edcp-2, -0x1.c2f23e0d15ba5p-58},
    {0x1.80ef8f454cf88p-3, 0x1.1ee9fb01a2177p-58},
    {-0x1.9d5868de0b581p-4, -0x1.da99019d1a3efp-58},
    {0x1.9831c2c85003fp-5, -0x1.6f994802701e4p-69},
    {-0x1.779dd2a3da23dp-6, 0x1.6ecadc1637546p-60},
    {0x1.452648d62b706p-7, -0x1.543d9972a2f1dp-64},
    {-0x1.0ab3832b9a70bp-8, -0x1.dfc606ca4ecffp-62},
    {0x1.a0ef7ee62fbe2p-10, 0x1.7376a0a97e6c1p-68},
    {-0x1.37fe70bb1c704p-11, 0x1.0f82cc79bc0d8p-65},
    {0x1.c0b37c2085140p-13, 0x1.3dab82cfe9ffdp-68},
    {0x1.b5d8780f956b2p-2, 0x1.825447f231a67p-58},
    {-0x1.17c4e3f17c050p-2, -0x1.66e6146f98179p-58},
    {0x1.3c27283c32cc4p-3, 0x1.b6e33829948cfp-62},
    {-0x1.44837f8906fd0p-4, -0x1.b9f52be598a75p-59},
    {0x1.33cad0ef5e9b8p-5, -0x1.8318c4db0bae3p-60},
    {-0x1.10fcf1b559187p-6, 0x1.a7fab9e8d1852p-62},
    {0x1.c8cb958c857e1p-8, -0x1.0bb6675a281d8p-65},
    {-0x1.6af2654e3638fp-9, -0x1.aad2498e09772p-64},
    {0x1.135262e56a619p-10, 0x1.465517befc2d0p-64},
    {-0x1.9082234d572b8p-12, 0x1.516b8eda734fap-69},
    {0x1.184fc35021021p-13, -0x1.c099d63cdb5cep-70},
    {-0x1.7ab1d3d91d3a5p-15, 0x1.240da8454997cp-69},
    {0x1.ef08d0ee23a35p-17, 0x1.25b7532eab131p-72},
    {0x1.78a692138767ap-2, 0x1.4797400f19192p-63},
    {-0x1.abaacdbfa8b07p-3, 0x1.d7049656994b1p-57},
    {0x1.b56f45eef7e58p-4, -0x1.5c37ce2707fbcp-58},
    {-0x1.9b635ac624ad5p-5, 0x1.4e59e3fb33aaep-59},
    {0x1.68a25a6641f25p-6, 0x1.e980c0abf4ef8p-60},
    {-0x1.299636d6c5895p-7, -0x1.98aba4b2e7004p-62},
    {0x1.d1b695aabbf6bp-9, 0x1.1a1da2a77c991p-63},
    {-0x1.5b8bc94c61d2dp-10, 0x1.b03b9439e0b6cp-68},
    {0x1.f0fe6fb5fda5ep-12, 0x1.5609303ac9466p-66},
    {-0x1.55c07d22af371p-13, 0x1.52a6c828c0051p-68},
    {0x1.c570359a19d26p-15, 0x1.927f28cf1a19cp-74},
    {-0x1.22fc408f503aep-16, -0x1.122fa9cbb7086p-73},
    {0x1.6a18bc560a453p-18, -0x1.558c7c14aae3fp-72},
    {0x1.494daffa2ad68p-2, 0x1.39bdf0f0d8e21p-56},
    {-0x1.4f1988444caf7p-3, 0x1.24ac537b179c6p-57},
    {0x1.37ea271bc54bdp-4, 0x1.53f2f8d2aada4p-60},
    {-0x1.0dc51d2941e6dp-5, -0x1.26413e8f073e2p-61},
    {0x1.b65944f34f7adp-7, 0x1.dd08274198353p-63},
    {-0x1.513ed7600d1c0p-8, -0x1.f5e4f2eb31bfep-62},
    {0x1.ee705e736464dp-10, -0x1.586cd4398de0ep-64},
    {-0x1.5b0abfe65a32dp-11, -0x1.f76594351ebf0p-67},
    {0x1.d4509d0d417d6p-13, -0x1.8b863f8dfb033p-67},
    {-0x1.30c0ec743bcdep-14, -0x1.c2d9f8611df8bp-69},
    {0x1.7f997923543b6p-16, 0x1.1376e6fb94445p-71},
    {-0x1.d4157188af34ap-18, -0x1.0f4c87c5be5b1p-74},
    {0x1.156c936ab3840p-19, -0x1.fc30f7e49e916p-73},
    {0x1.23cfc2f1dc7e0p-2, 0x1.3b1040eb318c2p-57},
    {-0x1.0c3d538446447p-3, -0x1.e70e6ef2d0458p-57},
    {0x1.c8d0cef0f810dp-5, -0x1.949013dbae0b2p-61},
    {-0x1.6cb52fe48945fp-6, -0x1.9bd96d3c9e20bp-62},
    {0x1.13648a11ffe73p-7, 0x1.8188d6410deeap-61},
    {-0x1.8bf716a8eabedp-9, -0x1.11fb98fb5942bp-63},
    {0x1.106bd5c04334ap-10, -0x1.e637f934565cbp-64},
    {-0x1.6838884ab6b8bp-12, -0x1.1a1eac88c0853p-66},
    {0x1.cb4c687e4d0f2p-14, 0x1.684ab02cf5fc0p-68},
    {-0x1.1b2912cd41cadp-15, 0x1.1aaaa0b034f1bp-70},
    {0x1.5273f3445264bp-17, 0x1.4a1514fe947ddp-71},
    {-0x1.88fb2fa110bafp-19, -0x1.061379aa17317p-77},
    {0x1.bc10267a3608bp-21, -0x1.d6853b49a3a29p-75},
    {0x1.058671b52c776p-2, -0x1.3b83c701df899p-58},
    {-0x1.b57034efd3f72p-4, -0x1.599dc05b79861p-58},
    {0x1.5672b9ea13de6p-5, 0x1.140b8472d6842p-62},
    {-0x1.fa9d3ac955d97p-7, 0x1.7b48087ab2fb1p-64},
    {0x1.64907215a3c6ap-8, 0x1.d1af88b1bdaa6p-63},
    {-0x1.e028e8a56d08fp-10, -0x1.fcc2ebf50bbabp-66},
    {0x1.369ffa07ce05cp-11, 0x1.c353adaaf7a6ap-65},
    {-0x1.8382216846e2bp-13, 0x1.2e01f10925d39p-67},
    {0x1.d37ba54eaa51cp-15, 0x1.6a87336fa986cp-69},
    {-0x1.115cfdc8ca2ddp-16, -0x1.738aaaaa46fecp-70},
    {0x1.3697726fcd063p-18, 0x1.7d9a7ae08ba1ep-74},
    {-0x1.57780d4867c31p-20, 0x1.1729465bb6624p-76},
    {0x1.72491f7443b7ap-22, -0x1.a8ab997ded7b6p-76},
    {-0x1.85b9d2994ef90p-24, 0x1.6a904c59aa070p-78},
    {0x1.90f75733c22d6p-26, -0x1.80d12305587dep-81},
    {0x1.afbb3f3b7343bp-3, -0x1.9f40bca142466p-58},
    {-0x1.3086d7f01ac85p-4, -0x1.0fa4a6f48d7f9p-59},
    {0x1.98958a7a8e4a3p-6, 0x1.a62e55a19b4e3p-63},
    {-0x1.0632076809dfcp-7, 0x1.0c632243c272dp-62},
    {0x1.435c04e207ca1p-9, -0x1.1be1ff0bccc7ep-64},
    {-0x1.809ce8ab533c9p-11, 0x1.efdfa24bf731ap-65},
    {0x1.ba8a67cfbec13p-13, -0x1.0037bd2553372p-68},
    {-0x1.edd42399125a8p-15, 0x1.22d61bf0e0178p-70},
    {0x1.0bcba32026914p-16, -0x1.29ebfcb29b758p-72},
    {-0x1.1ad10dac3cb37p-18, -0x1.38c5ab9f63f31p-75},
    {0x1.234feea802038p-20, 0x1.20d79ffe93e8dp-75},
    {-0x1.2514a4667e5f9p-22, 0x1.60a40eab77d35p-77},
    {0x1.205d6a6a8811ep-24, 0x1.09302aab87459p-78},
    {-0x1.15ca7ace902b8p-26, -0x1.4932c9b4dcf7dp-81},
    {0x1.06468cf10226ap-28, -0x1.eca956c611b57p-82},
    {0x1.6e9827d229d2dp-3, -0x1.90753de713593p-58},
    {-0x1.bd6ae4d14b16fp-5, 0x1.8d8f420c8447ap-61},
    {0x1.043fe1a98c0cdp-6, 0x1.281eb7678c067p-64},
    {-0x1.259061ba85692p-8, -0x1.21bdb98c78070p-68},
    {0x1.409cc2ed3fefcp-10, 0x1.e39649665dbb2p-66},
    {-0x1.53dec9d089553p-12, 0x1.5a87c5494f53ep-66},
    {0x1.5e73930484ff6p-14, -0x1.11934693d10c8p-72},
    {-0x1.6025103c19878p-16, 0x1.633da0195c561p-70},
    {0x1.595f1b5dc7671p-18, -0x1.55061a80fdd64p-76},
    {-0x1.4b1462864707cp-20, -0x1.62e56a554a602p-75},
    {0x1.369904b6a06a0p-22, -0x1.55d0b03c95965p-76},
    {-0x1.1d7914554216fp-24, 0x1.3b7770200580dp-79},
    {0x1.01508e91d3651p-26, 0x1.8f26f0b458f98p-80},
    {-0x1.c75206ebc8995p-29, 0x1.acec87a889e9ap-88},
    {0x1.3e0a99a0ee914p-3, -0x1.902cb7976c65ep-60},
    {-0x1.5285d2eb1ef74p-5, 0x1.b04634c60ddb7p-59},
    {0x1.5d581133378edp-7, 0x1.06fae74bd2464p-62},
    {-0x1.5e5d7e9899181p-9, 0x1.1bfdfd134e047p-66},
    {0x1.5632136d8cce2p-11, 0x1.1469daa2d155fp-65},
    {-0x1.460abd6b25b13p-13, -0x1.105ce82c2a3a2p-69},
    {0x1.2f839e543f108p-15, 0x1.d9c800a8ed1bcp-69},
    {-0x1.146bc4068b7a3p-17, -0x1.9496932768cffp-75},
    {0x1.ed2a9674282cfp-20, -0x1.e02e9ec95aaaep-74},
    {-0x1.af5d64fe0d83ep-22, 0x1.6c70ee9395e38p-76},
    {0x1.724f93792784cp-24, -0x1.3c15094bbb559p-78},
    {-0x1.384522c5f1446p-26, 0x1.1307ba6bcf5aap-83},
    {0x1.02dd8d7536f8fp-28, 0x1.28c2a0653db9dp-84},
    {-0x1.a63784e943f2dp-31, -0x1.604de6c21a6d1p-89},
    {0x1.18932bf08e154p-3, 0x1.0981aa12747cep-57},
    {-0x1.094922737431ap-5, 0x1.645fe69a6373ep-61},
    {0x1.e9412fa33c74bp-8, 0x1.4cd1dc86ace86p-64},
    {-0x1.b8b6382729f08p-10, 0x1.cc237a49ca065p-67},
    {0x1.8457bbe094219p-12, 0x1.971ccd5cf7fbcp-68},
    {-0x1.4f2981c3bec5fp-14, -0x1.20957589dc521p-74},
    {0x1.1ba135ef1c936p-16, -0x1.47cc196e8b751p-71},
    {-0x1.d727479814178p-19, -0x1.716dfd725878cp-73},
    {0x1.806c9118943cdp-21, 0x1.1afc0e0c36c39p-75},
    {-0x1.345efaa8e3099p-23, -0x1.99955e2363683p-78},
    {0x1.e6bd5c646e14ep-26, -0x1.9d231079f789ap-80},
    {-0x1.7a304883e8b49p-28, -0x1.13ba6d9761e87p-82},
    {0x1.21783501639dbp-30, 0x1.f68ae29949620p-88},
    {-0x1.b4c54c5b2de82p-33, 0x1.40f33b5ab75c0p-87},
    {0x1.44f4d61187de4p-35, 0x1.e18c3e570a4f4p-90},
    {-0x1.dd1309c2e32d2p-38, 0x1.63e0de73f8c68p-92},
    {0x1.59ad447ea10fcp-40, 0x1.d9b9234e14f71p-96},
    {0x1.c57239e943d1ap-4, -0x1.0e682190858dbp-59},
    {-0x1.5d843497d4f3ap-6, 0x1.31a2cf65a36e6p-60},
    {0x1.08cf82b79a11cp-8, -0x1.2511b126cf9f7p-63},
    {-0x1.8abc198707c93p-11, 0x1.bea01ce59396dp-66},
    {0x1.219f2c3353402p-13, -0x1.bdb3e2e9b099dp-69},
    {-0x1.a2a81d24c9405p-16, -0x1.660205a527643p-70},
    {0x1.2a41152e3a546p-18, -0x1.43da5eaaba0f2p-73},
    {-0x1.a3193cf6de880p-21, -0x1.baab141be60f4p-75},
    {0x1.228a789f79fadp-23, -0x1.b4b63fafd12eep-77},
    {-0x1.8dabba3580677p-26, 0x1.23c37e306a663p-81},
    {0x1.0cc74e59d7da8p-28, 0x1.a697afc9eba3ep-83},
    {-0x1.66f7d306f7c7dp-31, 0x1.b90b5cacbeea3p-85},
    {0x1.d9d9c4e5353e9p-34, -0x1.afb6495fe42eep-88},
    {-0x1.3539b11246ebfp-36, -0x1.f797f67fafcf4p-90},
    {0x1.8f2c228ac8954p-39, -0x1.32f70cdb80286p-94},
    {-0x1.fdcdb7526b759p-42, 0x1.677a3af9ea49fp-96},
    {0x1.7c0348489d721p-4, 0x1.ca9cebb9a1c44p-58},
    {-0x1.ed7f66d9d09fep-7, 0x1.3cc685f99d325p-62},
    {0x1.3c7764a81f462p-9, 0x1.675df73cb7910p-66},
    {-0x1.9106a7cd79e3bp-12, -0x1.2f97e3514169bp-66},
    {0x1.f64cd9c07b6b2p-15, 0x1.273a8d522c11cp-69},
    {-0x1.370d0641775e1p-17, -0x1.bcc7747af470ap-75},
    {0x1.7d0e03edae95dp-20, 0x1.3afe86e08c648p-74},
    {-0x1.cde4cecce3438p-23, 0x1.2cbd53b8bf0b8p-77},
    {0x1.151346a02119cp-25, 0x1.c7e18344c141ep-80},
    {-0x1.491bb0cc0b77cp-28, 0x1.df3b2a37762ecp-82},
    {0x1.832019f46ccc8p-31, -0x1.0febb8d53ad0fp-89},
    {-0x1.c312c9ab5b901p-34, 0x1.5d1f6ed6d9f33p-91},
    {0x1.04600e6a2b454p-36, -0x1.508d25a0d0529p-96},
    {-0x1.29e5ec8a5b3ddp-39, 0x1.3e21332cd2b2bp-93},
    {0x1.51d7e4a86a76ep-42, -0x1.348308678c0a4p-96},
    {0x1.46dc6bf900f68p-4, -0x1.9c3bae12ae446p-59},
    {-0x1.6e4b45246f91fp-7, -0x1.898336b5f9f57p-61},
    {0x1.96a3de47d5b16p-10, -0x1.9c29ba24762ffp-64},
    {-0x1.bf5070ee19215p-13, 0x1.f2c2235faff09p-68},
    {0x1.e7af6eeff686ep-16, -0x1.f4caaaa9f8780p-73},
    {-0x1.078bfe34def6ep-18, 0x1.baf1f2857a256p-72},
    {0x1.1a6f6b7a039edp-21, -0x1.f428eebd24ac1p-76},
    {-0x1.2c2db9dd69fe3p-24, 0x1.293c9afd54267p-79},
    {0x1.3c768d846e064p-27, 0x1.fae03d795ff25p-83},
    {-0x1.4affe415df984p-30, 0x1.ad85d5245a012p-84},
    {0x1.57884c1084da7p-33, 0x1.6572955af4d5dp-88},
    {-0x1.61d8cbf93e365p-36, -0x1.6db0e4474d649p-90},
    {0x1.69c6664499987p-39, -0x1.04801c1b36867p-94},
    {-0x1.6f332c336d319p-42, 0x1.8602625091a93p-96},
    {0x1.720ed7b3a7605p-45, 0x1.8d302f92b20cbp-99},
    {0x1.1ea8c4009b459p-4, 0x1.e4fa709a9de5ep-59},
    {-0x1.1a5881c7389ebp-7, 0x1.e22704079e786p-61},
    {0x1.14108e58a9badp-10, 0x1.290f153b5ae5ep-64},
    {-0x1.0bfde7c27b4e0p-13, 0x1.de598b2990bdep-67},
    {0x1.0254d2c5cd9b8p-16, 0x1.da2819379c0aap-71},
    {-0x1.ee9dcc22bd4a9p-20, -0x1.d480bc6ee6385p-78},
    {0x1.d6521e127e5f4p-23, -0x1.0aa5a662470b0p-79},
    {-0x1.bc434a4da3182p-26, 0x1.259bb0239a35ap-80},
    {0x1.a0ed3c4db4724p-29, -0x1.d19023c2510f8p-83},
    {-0x1.84c7e38d421adp-32, -0x1.8ac3a1aef0ac2p-89},
    {0x1.68447005b7920p-35, 0x1.e8ceb7a0bbf34p-89},
    {-0x1.4bcb11cc1d7e0p-38, -0x1.1d9e84f308b7ep-93},
    {0x1.2fb942666b732p-41, -0x1.888bb034b01d4p-96},
    {-0x1.1460979a890dfp-44, 0x1.9cfcf6c5b4f5dp-98},
    {0x1.f40c332286b89p-48, 0x1.f486ccba24992p-102},
    {-0x1.c1c422c39f09dp-51, -0x1.ee31507584870p-105},
    {0x1.924082ff29427p-54, -0x1.fe0a19c9d26c8p-108},
    {-0x1.65c0ecee83420p-57, -0x1.87952c7a471f4p-113},
    {0x1.cbe831f997124p-5, -0x1.ed815e254e295p-60},
    {-0x1.6c55c82b4b6b8p-8, -0x1.e2af61d045ce2p-63},
    {0x1.1f3df0de32f5ep-11, -0x1.1b930d34ad69cp-65},
    {-0x1.c2c9072e92bb2p-15, 0x1.657f8756cbd93p-69},
    {0x1.60131845d03acp-18, 0x1.ee53b0cb8e07cp-73},
    {-0x1.11b748bb0b5d6p-21, 0x1.0b956209d8bedp-75},
    {0x1.a7aa3a0056583p-25, -0x1.9248ec42f2dbep-81},
    {-0x1.4669c867a0e46p-28, -0x1.9c484263f2b33p-82},
    {0x1.f4bfefd9a755dp-32, -0x1.fa82895b475f2p-87},
    {-0x1.7e6cb8d808c0cp-35, -0x1.325d61d3eaa4dp-89},
    {0x1.22cd3d616b712p-38, -0x1.f1fad66893ab7p-92},
    {-0x1.b8611a060a7d7p-42, 0x1.23d009c366093p-97},
    {0x1.4c0bc278683e5p-45, -0x1.f4354d60631c1p-101},
    {-0x1.f2a574e317d2dp-49, -0x1.79451dc1270cfp-106},
    {0x1.74e1d0bf7fa4bp-52, -0x1.5ab1e749acad6p-107},
    {-0x1.15b4cc63b4d99p-55, 0x1.8bcf307d054ffp-109},
    {0x1.9bfd1434acc27p-59, 0x1.edfcf7715f268p-114},
    {0x1.7fd46c5e0864dp-5, 0x1.890aa6df43976p-60},
    {-0x1.fc477b46d665ap-9, 0x1.56289cf3458adp-63},
    {0x1.4f67f473cc4f9p-12, -0x1.6e1b6cf5057ebp-66},
    {-0x1.b92eddb6a4c3cp-16, 0x1.54a204fb2dfe4p-72},
    {0x1.21338ab42f2edp-19, 0x1.c2f3f9d978bc9p-75},
    {-0x1.79e921ac65e73p-23, -0x1.2599cb8a3e29bp-77},
    {0x1.ec3b264b95ce2p-27, -0x1.2772589a7e85cp-81},
    {-0x1.3f89d9ac38a92p-30, -0x1.9931bd95438ffp-84},
    {0x1.9d8bf9281a0c4p-34, -0x1.acb0d118de80ap-88},
    {-0x1.0ac36c3d038dbp-37, -0x1.335475bf65638p-91},
    {0x1.57157adbabf7ap-41, 0x1.51e0b3da6d309p-96},
    {-0x1.b7e004693235cp-45, 0x1.79f0db0f7bcc0p-100},
    {0x1.191f4bbb30df0p-48, -0x1.e3ff5548944cep-103},
    {-0x1.663c862f67c37p-52, -0x1.ca405701335dcp-106},
    {0x1.c721036166999p-56, -0x1.c336e6f4c0074p-115},
    {-0x1.20403e573e890p-59, 0x1.179efd7946cc4p-113},
    {0x1.494bb2ce2924fp-5, 0x1.5741133d175cep-59},
    {-0x1.76711f8b6cf4dp-9, -0x1.7fe5bf2d12e01p-64},
    {0x1.a8b73429cebccp-13, -0x1.66e0cd41c8171p-68},
    {-0x1.e08bef3ab51e5p-17, 0x1.63b37b94e38f2p-72},
    {0x1.0f30b59c108e7p-20, -0x1.f478240860fa1p-74},
    {-0x1.3156aeb8076b0p-24, 0x1.34b2ecc66a446p-78},
    {0x1.56f43e58b0442p-28, 0x1.184abb127edd1p-83},
    {-0x1.8046e78ce8f61p-32, -0x1.868d168e1e5d9p-87},
    {0x1.ad8cef591b346p-36, 0x1.0bf2e9782666bp-92},
    {-0x1.df04ea6e7ab88p-40, -0x1.d43683e3d3cdbp-98},
    {0x1.0a769f3e61e58p-43, -0x1.5c1d2e3507277p-98},
    {-0x1.27c1cbc16663bp-47, -0x1.8d218c0607facp-101},
    {0x1.478228dc0ae8fp-51, 0x1.e4663ca0cfebfp-105},
    {-0x1.69d4ec70e3f04p-55, 0x1.0cc702ef23366p-109},
    {0x1.8ed5ff0e6f823p-59, -0x1.fd0d8c5c8aea8p-113},
    {0x1.204ddcd967373p-5, 0x1.b3dbe954f2106p-61},
    {-0x1.1f305584ff3edp-9, 0x1.f0807fe670c6cp-65},
    {0x1.1d875467f863ap-13, 0x1.171a4ed8b64d5p-67},
    {-0x1.1b561359e7712p-17, -0x1.076c3ce78679ep-72},
    {0x1.18a0870879412p-21, 0x1.b218326bf4ab9p-75},
    {-0x1.156b53c5accafp-25, 0x1.c0d4cb6436085p-79},
    {0x1.11bbc0eed214ap-29, -0x1.b10036a61e0b0p-83},
    {-0x1.0d97ab19eaf23p-33, -0x1.c352bd79ff485p-87},
    {0x1.09057539c8989p-37, -0x1.172902763b8e6p-91},
    {-0x1.040bf8eb305f0p-41, 0x1.8941e64bb6c0bp-95},
    {0x1.fd64ec3ce3d42p-46, -0x1.fa71ea53a715ap-100},
    {-0x1.f20104a259184p-50, -0x1.4f9df394f9317p-108},
    {0x1.e5fbef171f226p-54, -0x1.2efd3fe9c623ep-108},
    {-0x1.d965c6a666893p-58, -0x1.329320128df76p-113},
    {0x1.cc4eeb87f05f0p-62, -0x1.47b83835dcdddp-118},
    {-0x1.bec7e1fcc49c2p-66, -0x1.11f6f61efc849p-120},
    {0x1.b0e131f682df9p-70, 0x1.2370fdacf154fp-124},
    {-0x1.a2ab4429454d0p-74, 0x1.9b6ebceb28321p-128},
    {0x1.9436451002063p-78, 0x1.32331ff654a51p-132},
    {0x1.cd9bc89b73548p-6, -0x1.c826601a2f018p-65},
    {-0x1.705e8c0688050p-10, 0x1.795768f57be3dp-64},
    {0x1.259993494e472p-14, 0x1.6c1032096486cp-68},
    {-0x1.d36fe3dd900ebp-19, 0x1.e4df56f7a8208p-73},
    {0x1.73a4ded43dfc7p-23, -0x1.c86f379c16837p-78},
    {-0x1.271eee8107a6cp-27, -0x1.46f2979006546p-84},
    {0x1.d42321f847fd1p-32, 0x1.cc52d26c48300p-86},
    {-0x1.72d795a184e5dp-36, 0x1.0c518ae541a20p-90},
    {0x1.2569bb9877762p-40, -0x1.1147207ba12cep-94},
    {-0x1.cfbdd6a35d67ap-45, 0x1.56a24f19670a3p-105},
    {0x1.6e0894253bbcbp-49, -0x1.8799c030ba083p-106},
    {-0x1.2090fdf7c50aep-53, 0x1.85d6e17e2cf34p-107},
    {0x1.c6723a81cfc4dp-58, 0x1.c371156b494d8p-113},
    {-0x1.656a46f72580dp-62, 0x1.fd8ce98bbcf01p-117},
    {0x1.18c4d42014f0fp-66, -0x1.3f55b1a56473bp-120},
    {-0x1.b89903ff18132p-71, 0x1.52a5cbd458dd6p-125},
    {0x1.594c68351550ep-75, 0x1.5f0f22d21cd41p-131},
    {0x1.80d1e88d3c620p-6, -0x1.8f9595af81aacp-67},
    {-0x1.001a68f1b5449p-10, -0x1.04aa5c6f87f89p-66},
    {0x1.54964558f64cep-15, -0x1.be1baa64014c2p-69},
    {-0x1.c48d27f6c7d0ap-20, -0x1.fe3d125d45911p-74},
    {0x1.2c675fe0705b1p-24, -0x1.92f053df65001p-79},
    {-0x1.8e79b8190676fp-29, -0x1.277436978fab0p-83},
    {0x1.080e891d0138fp-33, -0x1.69c44df091fc2p-88},
    {-0x1.5daa87b980e51p-38, 0x1.027315eaed433p-95},
    {0x1.cea351e08d219p-43, -0x1.49bf029da4d3ep-98},
    {-0x1.31cbb24321bb5p-47, 0x1.92350eabd3603p-102},
    {0x1.93e8fe5769d72p-52, 0x1.53d22402ecc1dp-108},
    {-0x1.0a8717d820b64p-56, -0x1.d5b7ac991c356p-110},
    {0x1.5f73866842295p-61, 0x1.61dd6b1ae2552p-115},
    {-0x1.cf0bb7580caccp-66, -0x1.d4b753e5c8697p-120},
    {0x1.30c841c6aff6fp-70, 0x1.0fc3dcfaf6e26p-125},
    {-0x1.90e3619ca7180p-75, 0x1.df74a6881682cp-129},
    {0x1.49ebde7878139p-6, -0x1.d95a879438201p-62},
    {-0x1.7892d6052da5dp-11, 0x1.da408fc3f3af8p-65},
    {0x1.ad8ccfc089fa9p-16, -0x1.7893ea01e4c0ap-70},
    {-0x1.e9ab4c8d1c2a0p-21, 0x1.fb038f4036ef3p-75},
    {0x1.16ecc51155d11p-25, -0x1.a7c6ff27c66c9p-79},
    {-0x1.3d8fbf04c9ba7p-30, -0x1.85d5f651cd474p-84},
    {0x1.69529187122afp-35, 0x1.41fe1962c214bp-91},
    {-0x1.9adb10afe3becp-40, 0x1.ef0881c3851ddp-95},
    {0x1.d2e2ed26dcc0fp-45, -0x1.8723a0cc4aaf0p-101},
    {-0x1.091cf842dc9aep-49, -0x1.a7ef558dc7c26p-104},
    {0x1.2ce43d0fe42e7p-54, -0x1.5a569a1e79d85p-108},
    {-0x1.5548e9ed88d8cp-59, 0x1.62bdd2d529821p-113},
    {0x1.82df645098f27p-64, 0x1.026ce589bb1e4p-121},
    {-0x1.b615f62a6aeb2p-69, 0x1.0502a4c5553d1p-123},
    {0x1.f208401f3b4cep-74, -0x1.a9de9c3e8415dp-129},
};
static const double _tarsel_erfcx_singles[200] = {
    0x1.65b0775007d1cp-9, -0x1.1abe76ab0a3ddp-10, 0x1.acaa456d69902p-12,
    -0x1.2388d966f3ca3p-13, 0x1.11112f7b75dffp-9, -0x1.aa0bfb7f83b11p-11,
    0x1.3fb5a89b08638p-12, -0x1.cee1f4dcb450fp-14, 0x1.4431f2f8614c7p-15,
    -0x1.b7e9f5cc6c081p-17, 0x1.a2698b521cffdp-10, -0x1.421e8d659a378p-11,
    0x1.dd5a691f6104ap-13, -0x1.556016160a3b7p-14, 0x1.d898aa9937123p-16,
    -0x1.3d05a9b2753b8p-17, 0x1.41aef748ffe7cp-10, -0x1.e8cde05a8cc08p-12,
    0x1.65a0971e8b2e3p-13, -0x1.f95223a903bd1p-15, 0x1.59b234f57c6e0p-16,
    -0x1.ca8fa9a01261dp-18, 0x1.0cddf6823e555p-13, -0x1.7750c2389ef60p-15,
    0x1.fb507f361030bp-17, -0x1.4bf6f67cd3c0cp-18, 0x1.86f91c33e4ed9p-20,
    -0x1.b3e6320692821p-13, 0x1.3313a07e778cep-14, -0x1.a26289b428406p-16,
    0x1.143b9c1d05479p-17, -0x1.6232fb439477ap-19, 0x1.ba7a86710d82fp-21,
    -0x1.0ccd3dabfd2d6p-22, -0x1.02b1604028dcfp-13, 0x1.6372355efede3p-15,
    -0x1.d8bafbb1746d1p-17, 0x1.30eca8a629be5p-18, -0x1.7e46863d947cbp-20,
    0x1.d3345f06c138dp-22, -0x1.15de3e4c84714p-23, -0x1.370a70d744a99p-14,
    0x1.a0d3e3b08bbadp-16, -0x1.0e98b9e589804p-17, 0x1.55136cddb1ceep-19,
    -0x1.a21a7b93a2953p-21, 0x1.f3f58eae2ebbfp-23, -0x1.23217c3e0244ap-24,
    -0x1.39c475b073bd2p-18, 0x1.8275450fcbfeep-20, -0x1.cf4332a0d06b2p-22,
    0x1.0e9b88455f74dp-23, -0x1.3218951f4b7b9p-25, 0x1.25928f7e35887p-27,
    -0x1.b5bc5ccfab77bp-20, 0x1.017d9185c0963p-21, -0x1.2742025dc5ad2p-23,
    0x1.4a71e22ef94acp-25, -0x1.6965392c0acddp-27, 0x1.82accab1f573fp-29,
    -0x1.975054c44c8d5p-31, 0x1.a23d7b2c66f54p-33, -0x1.4004eff6d8d60p-21,
    0x1.67cf5f0bd0be3p-23, -0x1.8adc1ae7573afp-25, 0x1.a7787a8ad534ap-27,
    -0x1.bc565837e2d2bp-29, 0x1.cad7b0de7a5e6p-31, -0x1.ce228301a8da0p-33,
    -0x1.e91dd5a6409ccp-23, 0x1.06f141595b358p-24, -0x1.144fb856fa912p-26,
    0x1.1c1c13a940d3bp-28, -0x1.1e2364a84de8ep-30, 0x1.1bcf36416cf0cp-32,
    -0x1.12edf53a22b7fp-34, -0x1.93b7ca78edbacp-28, 0x1.8e36e67b19343p-30,
    -0x1.8126cd15b2a74p-32, 0x1.6d98404219cd1p-34, -0x1.546f436e9f87ep-36,
    0x1.2fab624823821p-38, -0x1.a3563d138be1ap-41, -0x1.e5d6fa7dc9178p-31,
    0x1.b9cd7a9155c34p-33, -0x1.8ac116c618b2ep-35, 0x1.5acfba8522b0bp-37,
    -0x1.2bc0a670f221ap-39, 0x1.fe2d0df4f47e4p-42, -0x1.b23717c4ca402p-44,
    0x1.6691638b8dc9fp-46, 0x1.8bbf1226c1704p-31, -0x1.5227f1aef966fp-33,
    0x1.1c423edff5438p-35, -0x1.d67201886598dp-38, 0x1.7f686140ce5e2p-40,
    -0x1.33f6e6b423cb3p-42, 0x1.ee2fff8d1f88fp-45, -0x1.81f19e99a63e4p-47,
    0x1.52f37cd58d5ecp-33, -0x1.0c054390f0a87p-35, 0x1.a1bb8bc142686p-38,
    -0x1.40fd14ad623dfp-40, 0x1.e69c9c23c3c11p-43, -0x1.6c0ce4d63c643p-45,
    0x1.0ffba6de1dd26p-47, -0x1.8cc558e4f47e2p-50, -0x1.eeac4c0bfeb21p-43,
    0x1.5da7b0bf675b5p-45, -0x1.e881269fef9aap-48, 0x1.515b392cb7175p-50,
    -0x1.ca8995a97bd47p-53, 0x1.230d3245abd43p-55, -0x1.03f53417765d8p-58,
    0x1.422e3fe0433c3p-44, -0x1.931dc108dfd13p-47, 0x1.f36f4b99f83f8p-50,
    -0x1.326cd17c56ac7p-52, 0x1.747f983eb7546p-55, -0x1.c0750b31b0fc0p-58,
    0x1.0bb17b82feb18p-60, -0x1.47b65d83dd658p-63, 0x1.804f8184bcfbfp-66,
    -0x1.7bdde6ce747eap-45, 0x1.a78bbc2707223p-48, -0x1.d462a183941e8p-51,
    0x1.00e9f637f5cb6p-53, -0x1.17a17fac75b8fp-56, 0x1.2ded3b98646e8p-59,
    -0x1.43a6f41a6b012p-62, 0x1.618e926901aa9p-65, -0x1.7557a7ed3d01cp-68,
    -0x1.7256ea41ca130p-48, 0x1.7016552616209p-51, -0x1.6b64cadf1740cp-54,
    0x1.646537a9ddd0ep-57, -0x1.5b3407ffaf10ap-60, 0x1.50295f7038728p-63,
    -0x1.4a2c1a93e8e04p-66, 0x1.3ba410f59d067p-69, 0x1.3c6ebf7f919f9p-60,
    -0x1.16600569d103dp-63, 0x1.e73dce3803b94p-67, -0x1.a823a12756d8ep-70,
    0x1.6b7369a8881f9p-73, -0x1.1b7aa256b22e2p-76, 0x1.2392d44e01570p-80,
    -0x1.3063c06ed7fd0p-62, 0x1.c00584c3f753fp-66, -0x1.486fb309ee4e2p-69,
    0x1.dfb404dd4515fp-73, -0x1.5cfbee38a0f89p-76, 0x1.f9384e2e06c1bp-80,
    -0x1.6cd0a0bdf699dp-83, 0x1.14d87314ea757p-86, -0x1.8cbdae648f5d6p-90,
    0x1.6c0a5d24e0966p-63, -0x1.ca6874d83927fp-67, 0x1.1fc7d125e1b6dp-70,
    -0x1.68484b2cc9ab6p-74, 0x1.c17e9aae83d98p-78, -0x1.17c4d54b61b8bp-81,
    0x1.682c624b15ddfp-85, -0x1.bdbf1e1c80790p-89, -0x1.b69fa273c0582p-63,
    0x1.e14a15e9ea242p-67, -0x1.0775be684f9bbp-70, 0x1.1fcb33e79dee7p-74,
    -0x1.399490bc1238bp-78, 0x1.550806bb73086p-82, -0x1.7c0ed1ad7476fp-86,
    0x1.9b7a5eab16965p-90, -0x1.8593f60948b1bp-82, 0x1.76e413ceca83cp-86,
    -0x1.68158e4453158p-90, 0x1.5495ddede6586p-94, -0x1.21ed0aa696524p-98,
    0x1.3d6e838e97b90p-103, -0x1.0e4b815a545e2p-79, 0x1.a6ac1566da338p-84,
    -0x1.4a1758f032a34p-88, 0x1.017f44daa78f4p-92, -0x1.9142b547134f9p-97,
    0x1.37bc2d3ac7971p-101, -0x1.e4aaeb59449e3p-106, 0x1.90c95d6c0e445p-110,
    -0x1.36cd87a176afcp-114, 0x1.076e24a3a1562p-79, -0x1.59ebe9ca2d63ap-84,
    0x1.c5de5a9123106p-89, -0x1.2981e1d3b3c1ap-93, 0x1.85b3fec0fbff3p-98,
    -0x1.fda5088a470e6p-103, 0x1.4d3e63655dfc7p-107, -0x1.c65537d4ae6a5p-112,
    0x1.28922b441c2d3p-116, -0x1.10940e8ded8f6p-78, 0x1.70bca71979cdep-83,
    -0x1.133ce6faaa386p-89, 0x1.dea0cf463c684p-92,
};

/* log gamma(c) and psi(c) as triples for each centre c = j 2^e / 4 from 1/2 to 16. */
static const double _tarsel_lgamma_centre[21][6] = {
    {0x1.250d048e7a1bdp-1, 0x1.7abf2ad8d5088p-58, -0x1.6ccf43244818ap-114, -0x1.f6a897d3214fcp+0, 0x1.40e69e9653bdbp-54, 0x1.d1d2b712ab5e1p-110},
    {0x1.717d498a3a8ccp-2, 0x1.13f3268533818p-56, 0x1.7687aecc785c5p-115, -0x1.73e4b8ba780afp+0, 0x1.ab10e1d48d3bcp-55, -0x1.60dc6edb02484p-109},
    {0x1.a051c372609eep-3, -0x1.3f4a305209ee2p-58, 0x1.30c62e0708386p-113, -0x1.15fafa86b04dbp+0, -0x1.f52ee4a9905bap-59, 0x1.147bdab80cc59p-113},
    {0x1.5fad6139c1203p-4, -0x1.001e95402553ep-58, 0x1.b0e88f295e7a9p-114, -0x1.9ba820277232dp-1, 0x1.3c724dbf0230ap-55, 0x1.145b30bdc1874p-109},
    {0x0p+0, 0x0p+0, 0x0p+0, -0x1.2788cfc6fb619p-1, 0x1.6cb90701fbfabp-58, 0x1.34a95e3133c51p-112},
    {-0x1.92857d38caf41p-4, -0x1.d1f2d031dc189p-58, -0x1.c0d19a028ce23p-112, -0x1.d1d32879af85dp-3, 0x1.dc8e13c13fe24p-57, -0x1.f4835b5698dfbp-111},
    {-0x1.eeb95b094c191p-4, -0x1.346863f58b075p-58, 0x1.5c39dc8755a6dp-113, 0x1.2aed059bd608ap-5, 0x1.cd3d2ca77b63ap-63, 0x1.d2b712ab5e092p-118},
    {-0x1.59b4fd6875a6ep-4, -0x1.8611cf72ebf19p-59, 0x1.3dd2998a05481p-115, 0x1.fad2d675283d3p-3, -0x1.d2a10e7fb96c4p-57, 0x1.df9342b15bb82p-112},
    {0x0p+0, 0x0p+0, 0x0p+0, 0x1.b0ee6072093cep-2, 0x1.6cb90701fbfabp-58, 0x1.34a95e3133c51p-112},
    {0x1.2383e809a67e8p-2, -0x1.823fe323a5c09p-56, 0x1.4d08dad92aa1bp-110, 0x1.680425af12b5ep-1, -0x1.46eb6bf0197a4p-58, 0x1.f1f586f55822dp-112},
    {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56, 0x1.7b57a079a1934p-111, 0x1.d8773039049e7p-1, 0x1.6cb90701fbfabp-58, 0x1.34a95e3133c51p-112},
    {0x1.3373018970a36p+0, -0x1.1f8a93cc89ef5p-54, 0x1.b6f6873bdd821p-108, 0x1.1a68793defc15p+0, 0x1.852ae2da9801fp-54, 0x1.8585bed5bbe89p-108},
    {0x1.cab0bfa2a2002p+0, 0x1.9136fea076849p-55, 0x1.ce6c9fe0f0c00p-109, 0x1.4190ed71d7a49p+0, -0x1.27be347515d60p-55, 0x1.44ff59c3448d3p-111},
    {0x1.96ca77c922cf9p+1, -0x1.30bfc76afc5dep-53, 0x1.460c380ee0c4dp-108, 0x1.8190ed71d7a49p+0, -0x1.27be347515d60p-55, 0x1.44ff59c3448d3p-111},
    {0x1.326643c4479c9p+2, 0x1.a53c2789a6631p-53, -0x1.26d4835c582f2p-108, 0x1.b4c420a50ad7cp+0, 0x1.c76d94920f0e7p-57, -0x1.21670ca321d93p-111},
    {0x1.a51273acf01cap+2, -0x1.f67618ce3bfbdp-53, 0x1.c061cc942030ep-108, 0x1.df6ecb4fb5827p+0, -0x1.1c67a2c313738p-54, -0x1.f98236e9b9908p-108},
    {0x1.10ce1f32dcc30p+3, -0x1.a6cba31db10b8p-52, -0x1.206673aa20ba3p-106, 0x1.02008a3a23e5dp+1, -0x1.fbeaaccf40953p-53, -0x1.a9dfdb8a4e8ebp-109},
    {0x1.99a8921a7f7cfp+3, 0x1.2c1f5d62d30afp-51, 0x1.f0f7151e88265p-110, 0x1.20396dc85cc95p+1, 0x1.924e36bef84e6p-53, -0x1.b87e26a8b5804p-108},
    {0x1.180973f3a8d74p+4, -0x1.9946fb029adcdp-51, 0x1.f3c1ca28c1857p-105, 0x1.38a9234f5821cp+1, 0x1.7faff595143bcp-53, -0x1.b22631640941ap-109},
    {0x1.68d5a9c3b32cep+4, -0x1.da275f15ff083p-50, -0x1.a3a01c21cc9b8p-107, 0x1.4d2c6b83db6a0p+1, -0x1.5f7dfd4a19b72p-53, -0x1.c0322123f841ap-110},
    {0x1.be636a63fd346p+4, 0x1.623db10ff440bp-50, -0x1.90ee63efafce5p-104, 0x1.5ed986558884dp+1, -0x1.e86e91bda6057p-54, 0x1.334dad5a5c254p-108},
};
/* log gamma(c + t) = log gamma(c) + psi(c) t + t^2 Q(t): Q as a polynomial in t about each
   centre c = j 2^e / 4 (rows in order of c from 1/2 to 16). */
static const short _tarsel_lgamma_index[21][4] = {
    {0, 18, 0, 3}, /* centre 0.5 on [0.5, 0.5625], degree 20, fit error 4.1e-33 */
    {18, 16, 3, 9}, /* centre 0.625 on [0.5625, 0.6875], degree 24, fit error 4.6e-33 */
    {34, 15, 12, 9}, /* centre 0.75 on [0.6875, 0.8125], degree 23, fit error 3.6e-33 */
    {49, 14, 21, 9}, /* centre 0.875 on [0.8125, 0.9375], degree 22, fit error 6.1e-33 */
    {63, 18, 30, 6}, /* centre 1 on [0.9375, 1.125], degree 23, fit error 1.9e-33 */
    {81, 16, 36, 9}, /* centre 1.25 on [1.125, 1.375], degree 24, fit error 9.7e-34 */
    {97, 15, 45, 9}, /* centre 1.5 on [1.375, 1.625], degree 23, fit error 3.0e-34 */
    {112, 14, 54, 8}, /* centre 1.75 on [1.625, 1.875], degree 21, fit error 4.7e-33 */
    {126, 17, 62, 7}, /* centre 2 on [1.875, 2.25], degree 23, fit error 3.7e-33 */
    {143, 16, 69, 9}, /* centre 2.5 on [2.25, 2.75], degree 24, fit error 1.3e-33 */
    {159, 15, 78, 8}, /* centre 3 on [2.75, 3.25], degree 22, fit error 3.8e-33 */
    {174, 14, 86, 8}, /* centre 3.5 on [3.25, 3.75], degree 21, fit error 2.7e-33 */
    {188, 17, 94, 7}, /* centre 4 on [3.75, 4.5], degree 23, fit error 3.1e-33 */
    {205, 15, 101, 10}, /* centre 5 on [4.5, 5.5], degree 24, fit error 1.0e-33 */
    {220, 14, 111, 9}, /* centre 6 on [5.5, 6.5], degree 22, fit error 1.1e-33 */
    {234, 14, 120, 8}, /* centre 7 on [6.5, 7.5], degree 21, fit error 5.6e-33 */
    {248, 17, 128, 7}, /* centre 8 on [7.5, 9], degree 23, fit error 1.6e-33 */
    {265, 15, 135, 9}, /* centre 10 on [9, 11], degree 23, fit error 1.9e-33 */
    {280, 14, 144, 9}, /* centre 12 on [11, 13], degree 22, fit error 1.8e-33 */
    {294, 13, 153, 9}, /* centre 14 on [13, 15], degree 21, fit error 1.9e-33 */
    {307, 13, 162, 5}, /* centre 16 on [15, 16], degree 17, fit error 5.4e-33 */
};
static const double _tarsel_lgamma_pairs[320][2] = {
    {0x1.3bd3cc9be45dep+1, 0x1.692b71366cc04p-53},
    {-0x1.6703ab06d5c7cp+1, -0x1.6eaf0441121cap-55},
    {0x1.03c1f081b5ac4p+2, -0x1.32b33f89a2716p-52},
    {-0x1.9b73f36ed0e3fp+2, 0x1.1af1b50aa9512p-53},
    {0x1.55d3c7e3cbffap+3, -0x1.d63c89146624ep-56},
    {-0x1.24b59a9930667p+4, 0x1.32e6766a24caap-54},
    {0x1.000a2b78d6b33p+5, -0x1.48eeaeb1d2afcp-53},
    {-0x1.c7226d35212c5p+5, 0x1.8630701e646f2p-51},
    {0x1.999b630cf3e40p+6, -0x1.81c99a41ce1d0p-49},
    {-0x1.745da18ad18edp+7, 0x1.32a2050eaed1dp-47},
    {0x1.55557f81ee021p+8, -0x1.2878a812095f2p-47},
    {-0x1.3b13bdecca6e5p+9, 0x1.4d72cfee9aa45p-49},
    {0x1.2492480163d5bp+10, -0x1.97c40dfc7659ap-45},
    {-0x1.1110c5ef6b20bp+11, 0x1.3e3aa57907014p-43},
    {0x1.fff9015651588p+11, -0x1.703578470ec0dp-43},
    {-0x1.e1a145b391e85p+12, -0x1.8689cd60b3a7bp-45},
    {0x1.c54b1631e31f5p+13, 0x1.290332e841845p-42},
    {-0x1.a519fc8a9c8eep+14, 0x1.659b9b1951392p-40},
    {0x1.b359f85ff5000p+0, 0x1.baeced203b93fp-54},
    {-0x1.7a648ee90c62ep+0, -0x1.088d9d9abcf26p-54},
    {0x1.ae9f6e21aa7ebp+0, 0x1.eb6d2cc5715d2p-56},
    {-0x1.0ef64ebe7f6f2p+1, 0x1.1984f2daa6824p-53},
    {0x1.672686c6f6520p+1, 0x1.58fc846c7212bp-53},
    {-0x1.eb7d16172064bp+1, 0x1.a364a6481e0e4p-53},
    {0x1.57c40a9c38647p+2, -0x1.482332c69c638p-53},
    {-0x1.e8c35b715c420p+2, -0x1.fc38b09a07cb0p-52},
    {0x1.5fde6d98ba6d4p+3, 0x1.f1db15f94e5bcp-51},
    {-0x1.ffc9654c2d46ep+3, -0x1.d5a15e742083dp-51},
    {0x1.774dcd5650525p+4, 0x1.b03f3906892b7p-51},
    {-0x1.15254d5c49320p+5, 0x1.52da669ee1a61p-53},
    {0x1.9bc22136732c8p+5, 0x1.e547896e968d7p-50},
    {-0x1.337227aea1524p+6, -0x1.f473838ae5e92p-49},
    {0x1.cd2b306c89860p+6, -0x1.386282b2b8d86p-48},
    {-0x1.5b3b9cc22603cp+7, 0x1.051d8757a3c55p-48},
    {0x1.455c4ff28f0bfp+0, 0x1.5f8c6cb6cf83ep-54},
    {-0x1.c47dca479e296p-1, 0x1.f03228773b23ap-55},
    {0x1.a59e099b269e0p-1, 0x1.f0cdc07392d6dp-55},
    {-0x1.b69daccfc524bp-1, 0x1.c0aa2d86b8a05p-57},
    {0x1.e2ab4674b6c07p-1, -0x1.0f9da49fa6039p-55},
    {-0x1.12bd373a70e0ap+0, -0x1.754548a0d3d9bp-54},
    {0x1.40037d2973383p+0, -0x1.4e620addbe7c0p-56},
    {-0x1.7b0508dcac8e0p+0, 0x1.6b0eb99164c17p-54},
    {0x1.c6b1a4a03c76dp+0, -0x1.fa315505a4d98p-59},
    {-0x1.1389e6e6b1410p+1, 0x1.5f5dfe2cf9cb4p-53},
    {0x1.50c089a2fca41p+1, 0x1.2650ff66d5a4cp-53},
    {-0x1.9e74796b760acp+1, -0x1.8a179e511dcdfp-53},
    {0x1.0090a04babd7bp+2, -0x1.b3b558c5907f7p-52},
    {-0x1.3f478f685f380p+2, -0x1.dee4e538d7643p-52},
    {0x1.8f19460680732p+2, -0x1.81c97df9b00a6p-52},
    {0x1.00bc1ea54482ap+0, -0x1.f2b4927d16402p-54},
    {-0x1.2729daf51027cp-1, 0x1.897158b05b919p-57},
    {0x1.cf503481763c8p-2, -0x1.cad3b9b84ff8cp-57},
    {-0x1.998a247f67893p-2, 0x1.8ec84849c2676p-56},
    {0x1.8093e112795cfp-2, 0x1.8520b93ee0a7fp-58},
    {-0x1.766a9fd1401dcp-2, -0x1.e6bee5efcf5eep-57},
    {0x1.756289b9e5c25p-2, 0x1.3a02ed0a70bb8p-56},
    {-0x1.7ad5fb85c1dd9p-2, -0x1.aabfab62eae9fp-56},
    {0x1.856f6b98c6bd2p-2, -0x1.20c3c43fd5747p-56},
    {-0x1.9480167ac1cb1p-2, -0x1.c4e6709cb50b1p-57},
    {0x1.a7b5c0b05df20p-2, -0x1.ebbd465e857c0p-56},
    {-0x1.bef7114123ac1p-2, 0x1.e1778142a7810p-57},
    {0x1.da51521d295fap-2, -0x1.ec39d5411671ep-58},
    {-0x1.f9eebb62d6008p-2, -0x1.03b625106b0b1p-56},
    {0x1.a51a6625307d3p-1, 0x1.1873d8912200cp-56},
    {-0x1.9a4d55beab2d7p-2, 0x1.4c26d1b465841p-59},
    {0x1.151322ac7d848p-2, 0x1.b5f91211189f0p-57},
    {-0x1.a8b9c17aa6149p-3, -0x1.2e826a4dd9ce1p-58},
    {0x1.5b40cb100c306p-3, 0x1.4a79944654944p-59},
    {-0x1.2703a1dcea3aep-3, -0x1.63080b90ff907p-57},
    {0x1.010b36af86397p-3, -0x1.741af767a396bp-59},
    {-0x1.c806706d57db4p-4, -0x1.55e9b0fe0ea21p-58},
    {0x1.9a01e385d5f8fp-4, 0x1.79d1b41a168a8p-59},
    {-0x1.748c33114c6d7p-4, 0x1.196df97a63a42p-58},
    {0x1.556ad63243bcbp-4, 0x1.4715714b818f1p-58},
    {-0x1.3b1d971fc5839p-4, 0x1.b9f744670eaacp-58},
    {0x1.2496df831f5d8p-4, 0x1.6fc01d05534a2p-59},
    {-0x1.11133476fc24bp-4, -0x1.fb6fab6e0dedep-59},
    {0x1.000100670f00fp-4, 0x1.0456255fb319ep-58},
    {-0x1.e1e2d30befd4ap-5, 0x1.cf7bf32009d05p-60},
    {0x1.c71cdfde8882ap-5, -0x1.fe87eec870008p-60},
    {-0x1.af28897340c4fp-5, -0x1.2d08cb60a3842p-60},
    {0x1.328429d927c67p-1, -0x1.630e3036981b5p-58},
    {-0x1.c533afa1c090bp-3, 0x1.140180ab4c7dcp-57},
    {0x1.dad1b9fd7bfc9p-4, 0x1.ac93dc731a9f8p-58},
    {-0x1.1de1433c297c1p-4, -0x1.0efa3a9555403p-59},
    {0x1.71ef365f26954p-5, 0x1.3ec1c29286373p-60},
    {-0x1.f39b6d9e5e340p-6, -0x1.f67fb44331651p-60},
    {0x1.5ae76b3cdadf2p-6, 0x1.514ed9fae2b29p-62},
    {-0x1.eb3c295bcc743p-7, -0x1.69fa1a30aabddp-62},
    {0x1.60db24cf5a9f1p-7, 0x1.15ba8ea57d143p-61},
    {-0x1.004ab83b2293ep-7, -0x1.6701e23bbb030p-62},
    {0x1.77a0e4fa9a41fp-8, -0x1.4bb40b3fab1d3p-66},
    {-0x1.1547622ba3538p-8, -0x1.ee96c6bfddc61p-63},
    {0x1.9bde41c3fa3d8p-9, -0x1.c8e78a4e0fdf7p-66},
    {-0x1.337dd262d078ep-9, 0x1.770bc4b2709aap-63},
    {0x1.cd34e9425dd0fp-10, -0x1.56522fc481c2bp-65},
    {-0x1.5b3fadd233d9ep-10, -0x1.e804cc6fc042ep-64},
    {0x1.de9e64df22ef3p-2, -0x1.6d48ec9933fbap-57},
    {-0x1.1ae55b180726cp-3, -0x1.959aeebbe37a9p-59},
    {0x1.e0f840dad61dap-5, -0x1.599fc3fe09d51p-59},
    {-0x1.da59d5374a543p-6, -0x1.0628c23cfa307p-63},
    {0x1.f9ca39daa929cp-7, -0x1.69e5a2c5fad90p-67},
    {-0x1.1a8ba4f0ea597p-7, -0x1.7d1f4790472f4p-61},
    {0x1.456f1ad666a3bp-8, -0x1.324733c5f114bp-62},
    {-0x1.7edb812f6426ep-9, -0x1.5cb5a7ff5c8d9p-64},
    {0x1.c9735ae9db2c1p-10, -0x1.0b4cd3b39ce80p-65},
    {-0x1.148a319eec639p-10, 0x1.98f80a11988d9p-66},
    {0x1.517c5a1579f13p-11, 0x1.649bf22e43b2fp-65},
    {-0x1.9eff1d1c8bdc7p-12, 0x1.16e397e367370p-67},
    {0x1.00c41c13e456fp-12, 0x1.a541f9856b3b3p-74},
    {-0x1.3f6dff22ab92fp-13, 0x1.291d4f29094bcp-69},
    {0x1.8f3619551499cp-14, -0x1.9b23828997334p-68},
    {0x1.87385c3c034c4p-2, 0x1.eff8cf4d052c1p-56},
    {-0x1.7f95d3d17c5a9p-4, 0x1.2f4e112a70681p-61},
    {0x1.112f9cdb80001p-5, 0x1.c42b0a623a94cp-59},
    {-0x1.c69a305c523afp-7, -0x1.6341a10e83e7ap-63},
    {0x1.9aef3265ad3bap-8, -0x1.71dd35f1a0674p-63},
    {-0x1.8689d06703a1fp-9, 0x1.436644eca56b0p-63},
    {0x1.7f89d0ae7b841p-10, -0x1.ef89d673aef1dp-64},
    {-0x1.815ca05ec2476p-11, -0x1.953c36b9889a4p-73},
    {0x1.89b15e2032e26p-12, 0x1.8b8274260c85ap-70},
    {-0x1.974f608c4cee3p-13, -0x1.ddad6fe373837p-67},
    {0x1.a994c51d9dc38p-14, 0x1.edb9092a66fa1p-68},
    {-0x1.c038731390822p-15, 0x1.5305d6120a290p-73},
    {0x1.db2a482cc9534p-16, 0x1.73e6d8425aa09p-71},
    {-0x1.fa81f90ad09bbp-17, -0x1.169932bcf279cp-71},
    {0x1.4a34cc4a60fa6p-2, 0x1.1873d8912200cp-56},
    {-0x1.13e001a557607p-4, 0x1.fb68be2f8820ap-58},
    {0x1.51322ac7d8483p-6, 0x1.afc89088cb0afp-60},
    {-0x1.e404fc218f5f2p-8, 0x1.e4a627d01f3f2p-62},
    {0x1.7add6eadb6c30p-9, -0x1.5b7828ac5dad9p-64},
    {-0x1.38ac5c2bf8e08p-10, 0x1.8a4bffea8930bp-65},
    {0x1.0b36af86396e9p-11, -0x1.0698fbcc0bd4cp-65},
    {-0x1.d3fd4c76d2fc8p-13, 0x1.c946ff16bc695p-68},
    {0x1.a127b0f17d65ap-14, 0x1.95ce2714d6e6fp-69},
    {-0x1.78de5bd7c81f0p-15, 0x1.8af3ddccc59f8p-69},
    {0x1.580dcee66eb09p-16, 0x1.c4761c477f55dp-70},
    {-0x1.3cbc963ce20f6p-17, -0x1.434d1da856d31p-71},
    {0x1.2597a39f33424p-18, 0x1.b11b2e7c864fep-74},
    {-0x1.11b2eb768d7afp-19, 0x1.feb6b56dd44b5p-75},
    {0x1.0064cded640b8p-20, 0x1.ab4d6e2b0c0dbp-74},
    {-0x1.e2600d8dd6ebep-22, 0x1.4ece9d117d9d0p-76},
    {0x1.c76bb77b7ce09p-23, 0x1.3ea221597a215p-78},
    {0x1.f62057f7296c9p-3, 0x1.9735433f5f253p-58},
    {-0x1.427f4cc53f5f0p-5, 0x1.937b30def9c22p-59},
    {0x1.31b4c4359dfe5p-7, 0x1.1d52c34873d02p-63},
    {-0x1.56b48947b3c37p-9, -0x1.2972a531fd8fep-67},
    {0x1.a54d1cabdc3cbp-11, 0x1.88430dc24ec8fp-65},
    {-0x1.123653d59f542p-12, -0x1.4e12eb79aba16p-67},
    {0x1.72e00847c2976p-14, 0x1.d5713f8acbed8p-70},
    {-0x1.01a8f9b0dc4c5p-15, -0x1.1a8bdbb32edacp-69},
    {0x1.6d28afc05c362p-17, 0x1.d1a57eaedc62fp-71},
    {-0x1.06a7f5bd53c7ap-18, 0x1.17b53bedbc0b2p-72},
    {0x1.7e47380f10b93p-20, -0x1.3a55be014f837p-74},
    {-0x1.18c7d311ca74ap-21, -0x1.13cbf9b945fd5p-77},
    {0x1.9f949654538e5p-23, -0x1.192cd9c2e5f62p-79},
    {-0x1.3578545bdb252p-24, -0x1.8fd7d24d7b7c8p-78},
    {0x1.cf535ee7a3ea3p-26, 0x1.84778b4bd4398p-81},
    {-0x1.5c63582e90381p-27, -0x1.c3daf39776f7ep-81},
    {0x1.94699894c1f4dp-3, -0x1.cf184eddbbfe9p-57},
    {-0x1.a4d55beab2d6fp-6, -0x1.67b25c9734d2ap-60},
    {0x1.44c8ab1f6120ep-8, -0x1.40ddbddcd22f6p-62},
    {-0x1.29ad8a1fd7160p-10, 0x1.2c3238d7c8cdbp-64},
    {0x1.2c40cac30b6d4p-12, -0x1.88b4dccd019edp-70},
    {-0x1.41a1307669758p-14, -0x1.647ab21a73e46p-68},
    {0x1.66d5f0c72dd18p-16, -0x1.a63540868ae66p-71},
    {-0x1.9c1b55f6d156bp-18, 0x1.61f7a76a047dbp-72},
    {0x1.e385d5f8f3027p-20, -0x1.f62fc6dd5079ep-74},
    {-0x1.2051247daaa4ap-21, -0x1.9b1e44835e05ep-77},
    {0x1.5c3cc88cad66ap-23, -0x1.2a5661d755bdep-79},
    {-0x1.a8e501ce727cap-25, 0x1.c608aeb5bfb2ap-80},
    {0x1.055a7aa2614c4p-26, -0x1.4cc4d86ea5697p-80},
    {-0x1.43b4cad119303p-28, 0x1.23307e6d24e23p-82},
    {0x1.9337ac8c807c6p-30, -0x1.b246db29096c4p-85},
    {0x1.52494db9b8c8cp-3, -0x1.ede975128c5ffp-58},
    {-0x1.27781d4bb093ap-6, -0x1.b1ade1111de16p-66},
    {0x1.7ff6b372ef93bp-9, -0x1.d02003146d656p-68},
    {-0x1.29143cf153aa7p-11, -0x1.be20542dd5737p-66},
    {0x1.fb1924e598dcep-14, 0x1.e531c5b5d5699p-70},
    {-0x1.cc91773747f44p-16, -0x1.c5234d7b640b9p-73},
    {0x1.b471a24b9d3c4p-18, -0x1.247859e49788cp-73},
    {-0x1.aa5f608128823p-20, -0x1.5da28ffbce81fp-75},
    {0x1.aa163518bd9a3p-22, -0x1.244c3bda16fe5p-76},
    {-0x1.b1439996b6064p-24, -0x1.1c617285fab8fp-81},
    {0x1.be9b52cf4de4ep-26, 0x1.aa35f4086e30dp-83},
    {-0x1.d167877b8e4abp-28, 0x1.ee712cb18a2c9p-82},
    {0x1.e94f7fd60d194p-30, 0x1.628296f5bf5b0p-84},
    {-0x1.031c596e27516p-31, 0x1.df7fcc0b1a7bdp-85},
    {0x1.22a27c22fad85p-3, 0x1.bf2094b07ce50p-57},
    {-0x1.b51fa807f70fep-7, -0x1.3ad9a960fafeap-61},
    {0x1.ea0c8ce2a7476p-10, -0x1.6468b87133d7ap-67},
    {-0x1.47afa062b4a07p-12, 0x1.edad495357e5dp-66},
    {0x1.e430b5d8add23p-15, -0x1.4bab50e5a73f7p-69},
    {-0x1.7d39f12160b58p-17, -0x1.649c5e79e6bd5p-71},
    {0x1.3992b08f31c18p-19, -0x1.f7ed7136f0397p-73},
    {-0x1.0a33c5718507dp-21, 0x1.cf03fd250cd5ap-75},
    {0x1.ceccc6e988ec7p-24, -0x1.faec94383c69dp-78},
    {-0x1.99b35a8f7297fp-26, 0x1.3c0a3bb6bc1b6p-81},
    {0x1.6ff242675fbc3p-28, -0x1.6b96ff69a34bep-82},
    {-0x1.4e49136dfeb66p-30, 0x1.8b3020d3ea6c3p-84},
    {0x1.32944851d5dd5p-32, -0x1.fc573365f713ap-86},
    {-0x1.1b5eae196c9c1p-34, -0x1.3583da47eb138p-89},
    {0x1.07a21b6904bb5p-36, 0x1.eac0702b83462p-90},
    {-0x1.ed43284f0ac94p-39, -0x1.45770403affc2p-93},
    {0x1.cfa3848cb3630p-41, 0x1.1515a0d729a97p-95},
    {0x1.c544f845f5b0bp-4, -0x1.037dad3e0c6bfp-59},
    {-0x1.0a74fd5d4c654p-7, 0x1.6fd10149afadap-61},
    {0x1.d41919c54e8ecp-11, -0x1.6468b871309b5p-67},
    {-0x1.eb8b4e579f4e7p-14, 0x1.0703e42fd3cd2p-69},
    {0x1.1db6c106b0f9bp-16, -0x1.42014c91807b1p-70},
    {-0x1.629e9ff339b18p-19, -0x1.002817285d246p-73},
    {0x1.cc9584798e0bcp-22, 0x1.02566654ae3b2p-78},
    {-0x1.352c646fb6773p-24, 0x1.917073afa337ap-78},
    {0x1.a9996a7f7a967p-27, 0x1.1334f5fdfe4e0p-81},
    {-0x1.2ab21a4d091c3p-29, 0x1.d219b6d2a6e93p-84},
    {0x1.a9ced120a6660p-32, -0x1.607eefc423c3ap-86},
    {-0x1.3356232eb1a38p-34, 0x1.882f5ddc00e9ep-89},
    {0x1.c03fe5a89fc0ep-37, 0x1.acc54c0184f1cp-91},
    {-0x1.49b3a108e378ep-39, 0x1.99a036d46fc87p-93},
    {0x1.e886d9b060173p-42, -0x1.3a04c88c88b06p-97},
    {0x1.735973273d5ecp-4, 0x1.39f2f698fdd18p-59},
    {-0x1.6626bc9b31b55p-8, 0x1.48c375f2435aep-62},
    {0x1.0262026c6c756p-11, -0x1.a40f1ef490f2cp-65},
    {-0x1.be37a89880eb3p-15, -0x1.4355dc33a5942p-69},
    {0x1.ab0713fc71a48p-18, -0x1.fa3831c161f6dp-72},
    {-0x1.b4c58e443b729p-21, -0x1.72a3cd1d1dbffp-75},
    {0x1.d3f2595a15209p-24, -0x1.ef4998afbd8b0p-79},
    {-0x1.0359970b8dbbap-26, 0x1.1b2495aabc762p-80},
    {0x1.2705b19f91348p-29, -0x1.b31ea8b47cc7dp-83},
    {-0x1.567997b081657p-32, 0x1.84e3a805bec1fp-86},
    {0x1.941032e69724ap-35, 0x1.b1b258a22d4efp-89},
    {-0x1.e311f2bde4452p-38, -0x1.7b3afdfa1b221p-94},
    {0x1.23ef729fc00c9p-40, -0x1.626a32877d24bp-94},
    {-0x1.641855fedeefbp-43, -0x1.1e469f0d16069p-98},
    {0x1.3a75e4ee59d09p-4, -0x1.9bea12ec64a58p-58},
    {-0x1.0103f8a7d60ddp-8, 0x1.ade639e59f04fp-62},
    {0x1.3a7e7cf2219bbp-12, -0x1.263c5cfdb4efdp-70},
    {-0x1.ccec0d22adfaap-16, -0x1.e839856d7efa4p-70},
    {0x1.7698bfe8f7e30p-19, -0x1.16449b7fb0d1ep-73},
    {-0x1.459737e3fc278p-22, -0x1.d5e5235b429f3p-78},
    {0x1.289d7d499b0e8p-25, -0x1.8e339c742e7e1p-80},
    {-0x1.17bca19cf5831p-28, 0x1.1c408caad4dd4p-82},
    {0x1.0ee4b3698feaap-31, 0x1.643126c7d572ap-86},
    {-0x1.0bd8381d49562p-34, 0x1.a8d41a82866cap-89},
    {0x1.0d4bf1b492e9bp-37, -0x1.d5ef351e642efp-92},
    {-0x1.127ce62b86fe8p-40, -0x1.ba77337204954p-96},
    {0x1.1afa48f542205p-43, -0x1.de87c1bca3a73p-97},
    {-0x1.26882f3153019p-46, 0x1.3e68c16d24649p-102},
    {0x1.10aa239ffbc61p-4, 0x1.a8010732f42b8p-58},
    {-0x1.82a72a4875205p-9, 0x1.abe7855152863p-64},
    {0x1.9aa036fc773f8p-13, -0x1.8878a51b45eb5p-67},
    {-0x1.0546c8a685c79p-16, 0x1.b2a4e93aaaa71p-71},
    {0x1.70ea8377bb956p-20, 0x1.27217566de9aap-75},
    {-0x1.16aa34a9138d2p-23, -0x1.ac4c4554c015ap-78},
    {0x1.b96d7ee8a2b63p-27, 0x1.745073012ef9dp-82},
    {-0x1.6a16a09eb8108p-30, 0x1.28e1c937595b6p-86},
    {0x1.311705d25b573p-33, 0x1.7187f14e73db2p-90},
    {-0x1.06907b3be8550p-36, 0x1.e07c60ac6aed8p-91},
    {0x1.cbb71b144869ap-40, 0x1.e0f8a83f65ac2p-94},
    {-0x1.9821cc31b202dp-43, -0x1.1aee7bdc1f241p-97},
    {0x1.6e984f3db4034p-46, -0x1.6e4af94ce7113p-105},
    {-0x1.4c8c2c4a484c5p-49, -0x1.4de90a58ffb5bp-104},
    {0x1.30358384dabb6p-52, -0x1.25e1691a7d148p-107},
    {-0x1.184e5ebc44103p-55, 0x1.6789271317e1bp-112},
    {0x1.03e85233aa170p-58, -0x1.662a9f9373fbep-112},
    {0x1.aec2e54649b87p-5, -0x1.c51ea7278af98p-60},
    {-0x1.e2c64fe244bc7p-10, -0x1.83e307686bab0p-66},
    {0x1.956ea09e4ab25p-14, -0x1.8dc564dccc9dap-69},
    {-0x1.9835043b504acp-18, -0x1.fe59278bee563p-72},
    {0x1.c8422cbad1424p-22, 0x1.b9a2e11d4648ap-79},
    {-0x1.10f416da0f6afp-25, -0x1.54abaa05dadbfp-82},
    {0x1.569cd7846210fp-29, 0x1.12de65130fa2ep-83},
    {-0x1.bd96c5905d4e8p-33, 0x1.b8dfda9bc4ac5p-88},
    {0x1.29c7ce587ffadp-36, 0x1.f9b4e30e8ce40p-91},
    {-0x1.96b458deeae4fp-40, 0x1.4d9f7db4b6f7ep-94},
    {0x1.1aa455b32dc51p-43, -0x1.43e703c52c996p-98},
    {-0x1.8e8fe37ce85a8p-47, -0x1.edb586e6123a2p-103},
    {0x1.1c6e22e6f4a4cp-50, 0x1.3ba3f8bf7f100p-104},
    {-0x1.9a24e49c056e8p-54, 0x1.24f30c6f5803ap-108},
    {0x1.2a51ae371828ep-57, 0x1.aa325f67deffep-111},
    {0x1.63f337df20565p-5, 0x1.bdb9cacde3af3p-59},
    {-0x1.49be102849012p-10, -0x1.8330df8b3cef3p-65},
    {0x1.c9e928702d0f7p-15, 0x1.f1d74b7386501p-72},
    {-0x1.7d4d2afc19e6ep-19, -0x1.b59ad131df083p-73},
    {0x1.6091e8dfbd778p-23, -0x1.f50f0a7d8f146p-78},
    {-0x1.5d13386cf7111p-27, -0x1.34ff56bf5e66bp-81},
    {0x1.6aaca92872a13p-31, 0x1.135da35e213ddp-85},
    {-0x1.8685e46dd10a3p-35, -0x1.604753f413558p-92},
    {0x1.b043de732a1bbp-39, 0x1.adc7d61cae5f5p-93},
    {-0x1.e90d630fd7e37p-43, -0x1.03fa893ae7898p-99},
    {0x1.199b6714fae42p-46, 0x1.b44c1171c15adp-107},
    {-0x1.491bc341b103ep-50, 0x1.f16f00074e63cp-104},
    {0x1.85648b23c2471p-54, -0x1.21c0cdc39bf8cp-108},
    {-0x1.d192b1fe40b30p-58, 0x1.3a8ca2c269c92p-117},
    {0x1.2f44d947fbd06p-5, -0x1.51e3186ca300ep-60},
    {-0x1.decd9295ff651p-11, 0x1.22975547dfc00p-68},
    {0x1.1b590cb13c366p-15, -0x1.01b79185b8566p-69},
    {-0x1.92406593564b2p-20, 0x1.c61a88d399d2ep-74},
    {0x1.3d1bac855d756p-24, 0x1.a5d4eec7a2bf7p-78},
    {-0x1.0bb909ed812cep-28, -0x1.f296e10f3adbcp-82},
    {0x1.da72c2d7725d0p-33, -0x1.d77ee51ebb42cp-88},
    {-0x1.b3c6d02ccf5dfp-37, -0x1.919ba2feba5fcp-92},
    {0x1.9b82e8d71d160p-41, 0x1.3adda6f63062bp-95},
    {-0x1.8d414097e9132p-45, 0x1.d0caa4c3d3ea6p-100},
    {0x1.866c90e65c2dbp-49, -0x1.88c463f85de80p-104},
    {-0x1.85721ae878449p-53, 0x1.0d81987cbcd2cp-107},
    {0x1.8958a5d42c1b2p-57, -0x1.d536426783b01p-113},
    {0x1.082aa228320e4p-5, 0x1.38bb2f7f787d1p-59},
    {-0x1.6b551caa455c7p-11, 0x1.984113175d5bfp-65},
    {0x1.76aa00e194c59p-16, -0x1.4d4a95f9e1656p-71},
    {-0x1.cf759cc421f73p-21, -0x1.3db27f0d78c46p-76},
    {0x1.3e63ee829eab8p-25, -0x1.2474d74f69590p-81},
    {-0x1.d48bf3412aa31p-30, -0x1.c8d0b0f783396p-84},
    {0x1.69dfb72eb49d8p-34, -0x1.1f2fb9efedd5ep-91},
    {-0x1.21bd78ece2e42p-38, 0x1.9030ff00d95afp-92},
    {0x1.dd10be65a3a1cp-43, 0x1.177b8cb161f87p-98},
    {-0x1.918ace7a5ee43p-47, -0x1.3edb3f3cf8e8fp-101},
    {0x1.581e67d357dc0p-51, 0x1.dec71bdb9de6fp-106},
    {-0x1.2b58538cddd10p-55, -0x1.7566ce9e6aed3p-110},
    {0x1.07b05a0664960p-59, 0x1.6f86dc4bfec5bp-113},
};
static const double _tarsel_lgamma_singles[167] = {
    0x1.6fdf014fdd1a1p+15, -0x1.08ab1ebdf78c3p+16, 0x1.c01181bad7c52p+15,
    0x1.065a8c431d92ep+8, -0x1.8dac4286d8f18p+8, 0x1.2e3b3c944c702p+9,
    -0x1.cc8daf4becfeap+9, 0x1.5fb208d2e116ap+10, -0x1.0cb4b02533141p+11,
    0x1.9c02f7a22652bp+11, -0x1.4fdd6a1fd8078p+12, 0x1.02668496ee521p+13,
    -0x1.f4d453a305281p+2, 0x1.3b564047397b2p+3, -0x1.8e51fcc8ecaf2p+3,
    0x1.f88acc49b8906p+3, -0x1.405821250a114p+4, 0x1.977041639e79dp+4,
    -0x1.03d08ee9a49e7p+5, 0x1.59443d8a5f205p+5, -0x1.b9fe67de17dbep+5,
    0x1.0f08a206cf1cfp-1, -0x1.238802043cd24p-1, 0x1.3aab14e1248a6p-1,
    -0x1.54b1aa7a07b3bp-1, 0x1.71e5713c789d6p-1, -0x1.927a643790fc5p-1,
    0x1.b710e19779cf6p-1, -0x1.ed49a634f5e1bp-1, 0x1.0e287ccbb4e48p+0,
    0x1.999af9518f759p-5, -0x1.862c5f2132bb7p-5, 0x1.7486f0cb75e16p-5,
    -0x1.603286467c769p-5, 0x1.2e611e9fead0ep-5, -0x1.5157ac64c7b72p-6,
    0x1.065c413f4f35ep-10, -0x1.8dadb2832b18fp-11, 0x1.2e3bd7f359b6fp-11,
    -0x1.cc8e32d3e6be6p-12, 0x1.5fb2409ff301bp-12, -0x1.0cb4c7dd36fd2p-12,
    0x1.9c030bd699fc8p-13, -0x1.4fdd72e6e4c2bp-13, 0x1.0266885741f1ep-13,
    -0x1.f4ea079de1d62p-15, 0x1.3b5e732943327p-15, -0x1.8e58337fcc2d3p-16,
    0x1.f88f85393fd81p-17, -0x1.4059edb0a39e9p-17, 0x1.9771a10c431d3p-18,
    -0x1.03d11575cc31ep-18, 0x1.5944a62454426p-19, -0x1.b9feb8346ff64p-20,
    0x1.0f3ad284540f9p-17, -0x1.23aa5c3a73eb5p-18, 0x1.3ac2d215da69dp-19,
    -0x1.54c1e5368a58fp-20, 0x1.71d51b411e0f4p-21, -0x1.9285369cc9044p-22,
    0x1.c2b1eb23f2462p-23, -0x1.ecb90e809523fp-24, -0x1.af5a54799fb8dp-24,
    0x1.99ba823f9cb6ap-25, -0x1.864064e1627e9p-26, 0x1.7493aecc06e6bp-27,
    -0x1.603a9d907a7e1p-28, 0x1.2e65fefbe2294p-29, -0x1.515be38aa7c6ep-31,
    0x1.06f9a295f20e6p-28, -0x1.8e5813616d275p-30, 0x1.2e98541168151p-31,
    -0x1.ccf2dbb636dd0p-33, 0x1.5fe927fe59ba1p-34, -0x1.0cd2c726bcbdcp-35,
    0x1.9c23e65f3bd5cp-37, -0x1.4ff005072ddacp-38, 0x1.0270bcb50a454p-39,
    -0x1.f8aec6bbc7573p-32, 0x1.3d25df0b48394p-33, -0x1.90081b76c3479p-35,
    0x1.fa2921996683ep-37, -0x1.40eb5915adadfp-38, 0x1.9831e5e1922b1p-40,
    -0x1.0e194a46de0d7p-41, 0x1.590dde335dcd0p-43, 0x1.141ab4f412e61p-33,
    -0x1.27bd6e3af50fep-35, 0x1.3e2df53b96ef5p-37, -0x1.57a28c0aedfe5p-39,
    0x1.7442ec8cb6bd5p-41, -0x1.949383d56af9bp-43, 0x1.c4777926e0ff8p-45,
    -0x1.ee3aac5fade16p-47, -0x1.b593b4c809aebp-43, 0x1.9e74e4c2cc06ap-45,
    -0x1.89da569a67f06p-47, 0x1.77539e2db2078p-49, -0x1.625190227f025p-51,
    0x1.2fe147ddf7df2p-53, -0x1.52cd542802805p-56, -0x1.6c28ce6c5bc94p-44,
    0x1.10e2d1936113dp-46, -0x1.9ad84fcefd1d4p-49, 0x1.3680f5c0d63bfp-51,
    -0x1.d6fbc47a02b88p-54, 0x1.664aeeaee9c86p-56, -0x1.10e35f36d99a1p-58,
    0x1.a15517d37523bp-61, -0x1.5366171aea628p-63, 0x1.04a8b0de84a4bp-65,
    0x1.b5bb032edfac4p-46, -0x1.0ed33a4108cd0p-48, 0x1.5108bc0daafedp-51,
    -0x1.a58244a530793p-54, 0x1.08b7854107978p-56, -0x1.4d8fdcd0c65cdp-59,
    0x1.a5f88c12cfa65p-62, -0x1.15d487a1314e8p-64, 0x1.61844f9036bdbp-67,
    0x1.350ef85fac4b2p-49, -0x1.4691a0bf13e20p-52, 0x1.5b282f3efa061p-55,
    -0x1.72fbca4b6a637p-58, 0x1.8e290a29cde82p-61, -0x1.ad2ed8747edb1p-64,
    0x1.dc614f1ef9a5cp-67, -0x1.0288fcefcf14dp-69, -0x1.e4a2f0b7d0bc7p-62,
    0x1.c607261c94346p-65, -0x1.ab3db4e9c932dp-68, 0x1.9394d573f8434p-71,
    -0x1.7a1440bfe1e1ap-74, 0x1.424fd1dbebf57p-77, -0x1.65f3f53a31c5ap-81,
    -0x1.b5461ac7efd62p-61, 0x1.429ad1181428fp-64, -0x1.dec94a9ece971p-68,
    0x1.651fdc667d160p-71, -0x1.0b970b3054169p-74, 0x1.92195cd31e691p-78,
    -0x1.2f9e7eacfbd1cp-81, 0x1.e670f92015f7cp-85, -0x1.71b831f2fe8cap-88,
    0x1.18d8af0145dcdp-61, -0x1.557c51c351c14p-65, 0x1.a2104ab452622p-69,
    -0x1.0173cb6b922ddp-72, 0x1.3ec8408fee437p-76, -0x1.8c607a1d6421cp-80,
    0x1.ef3c8b0c84e20p-84, -0x1.420fba50cc775p-87, 0x1.956b05720656ep-91,
    -0x1.91878f5eecf08p-61, 0x1.9da662e269ccep-65, -0x1.ad89b516222c3p-69,
    0x1.c127b80515e04p-73, -0x1.d8906c5552681p-77, 0x1.f3c81d190ada3p-81,
    -0x1.09a5362c893e8p-84, 0x1.22d707532222ap-88, -0x1.37d0986d43014p-92,
    -0x1.d5aa253b24bf5p-64, 0x1.a4dae65d3436bp-68, -0x1.88af32964820ap-72,
    0x1.1d4cc29c487bap-76, -0x1.1071d61872d36p-79,
};

/* END GENERATED BLOCK */

/* --- shared pieces --- */

/* The polynomial of one table row at t: the trailing coefficients summed in
   doubles on the high part of t, then the leading ones and that sum in
   double-double, each as P(t) = E(t^2) + t O(t^2), the even and the odd
   coefficients in two Horner chains that the processor overlaps.  Neither
   chain cancels: over every interval the terms fall off by a factor of 5 or
   more.  row = {first pair, pairs, first double, doubles}. */
static inline tarsel _tarsel_special_poly(const short *row, const double (*pairs)[2], const double *singles,
                                          tarsel t)
{
    const double(*p)[2] = pairs + row[0];
    const double *s = singles + row[2];
    int top = row[1]; /* coefficient `top` is the doubles' sum */
    double th = _mm_cvtsd_f64(t);
    double th2 = th * th;
    double tail_even = 0.0, tail_odd = 0.0;
    int j = row[3] - 1;
    if ((j & 1) == 0) {
        tail_even = s[j];
        j--;
    }
    for (; j >= 1; j -= 2) {
        tail_odd = tail_odd * th2 + s[j];
        tail_even = tail_even * th2 + s[j - 1];
    }
    double tail = tail_even + th * tail_odd;
    tarsel w = tarsel_mul(t, t);
    tarsel even = tarsel_from_double(0.0);
    tarsel odd = even;
    int k = top;
    if ((k & 1) == 0) {
        even = tarsel_from_double(tail);
        k--;
    }
    for (; k >= 1; k -= 2) {
        tarsel c_odd = k == top ? tarsel_from_double(tail) : _tarsel_from_raw(p[k]);
        odd = tarsel_add(tarsel_mul(odd, w), c_odd);
        even = tarsel_add(tarsel_mul(even, w), _tarsel_from_raw(p[k - 1]));
    }
    return tarsel_add(even, tarsel_mul(t, odd));
}

/* The table row of y and its centre c = j 2^(e-2), the nearest of j = 4..8
   for y in [2^e, 2^(e+1)); j = 8 is the first centre of the next binade, so
   rows count 4 per binade from the centre 2^e_first.  y is a positive normal
   double at least 2^e_first; y / 2^(e-2) is exact. */
static inline int _tarsel_special_centre(double y, int e_first, double *c)
{
    uint64_t u;
    memcpy(&u, &y, sizeof u);
    int e = (int)(u >> 52) - 1023;
    uint64_t q_bits = (uint64_t)(e - 2 + 1023) << 52;
    double quarter;
    memcpy(&quarter, &q_bits, sizeof quarter);
    int j = (int)(y / quarter + 0.5);
    *c = (double)j * quarter;
    return 4 * (e - e_first) + (j - 4);
}

/* A triple rounded to a double-double. */
static inline tarsel _tarsel_special_round(_tarsel_triple a)
{
    return _tarsel_fast_two_sum(a.h, a.m + a.l);
}

/* e^a for a triple a, through the exponential of a double-double plus a
   correction. */
static inline tarsel _tarsel_special_exp(_tarsel_triple a)
{
    return _tarsel_exp_sum(tarsel_from_hi_lo(a.h, a.m), tarsel_from_double(a.l));
}

/* k ln 2 as a triple: the first two parts of the stored ln 2 have 42 bits,
   so k ln2_1 and k ln2_2 are exact for |k| < 2^11. */
static inline _tarsel_triple _tarsel_special_k_ln2(int k)
{
    const double *ln2 = _tarsel_seed_ln2;
    double kd = (double)k;
    return _tarsel_triple_renorm(kd * ln2[0], kd * ln2[1], kd * ln2[2]);
}

/* The argument's parts, renormalised when the low part is not zero. */
static inline void _tarsel_special_parts(tarsel x, double *hi, double *lo)
{
    double h, l;
    tarsel_extract(x, &h, &l);
    if (l != 0.0)
        h = _tarsel_two_sum_d(h, l, &l);
    *hi = h;
    *lo = l;
}

/* --- error function and its complement --- */

/* erf x = x P(x^2) for |x| <= 3/4. */
static inline tarsel _tarsel_erf_small(tarsel x)
{
    tarsel p = _tarsel_special_poly(_tarsel_erf_small_index[0], _tarsel_erf_small_pairs, _tarsel_erf_small_singles,
                                    tarsel_mul(x, x));
    return tarsel_mul(x, p);
}

/* x^2 as a triple for x = hi + lo: hi^2 and 2 hi lo are exact products, lo^2
   (below 2^-105 of x^2) is rounded, which stays below 2^-158 of x^2. */
static inline _tarsel_triple _tarsel_special_square(double hi, double lo)
{
    double e1, e2, es;
    double p1 = _tarsel_two_prod_d(hi, hi, &e1);
    double p2 = _tarsel_two_prod_d(2.0 * hi, lo, &e2);
    double s = _tarsel_two_sum_d(p2, e1, &es);
    return _tarsel_triple_renorm(p1, s, es + (e2 + lo * lo));
}

/* erfc x for x = a + l, a in [1/4, 27.5): e^(-x^2) erfcx(x).  Where the low
   part of e^(-x^2) is subnormal (x > 25.2), erfc itself falls below 2^-962,
   and the exponential underflows (x > 27.297) only after erfc rounds to 0
   (x > 27.24). */
static inline tarsel _tarsel_erfc_tail(double a, double l)
{
    double c;
    int row = _tarsel_special_centre(a, -2, &c);
    double t_lo;
    double t_hi = _tarsel_two_sum_d(a - c, l, &t_lo); /* a - c is exact: c/a is in [8/9, 8/7] */
    tarsel f = _tarsel_special_poly(_tarsel_erfcx_index[row], _tarsel_erfcx_pairs, _tarsel_erfcx_singles,
                                    tarsel_from_hi_lo(t_hi, t_lo));
    tarsel e = _tarsel_special_exp(_tarsel_triple_neg(_tarsel_special_square(a, l)));
    return tarsel_mul(e, f);
}

/* Odd polynomial up to 3/4, 1 - erfc beyond, where erfc < 0.29 lets little of
   its error through; exactly +-1 from 9 on (erfc 9 < 4.2e-37).
   Relative error below 4 units on [-9, 9] (measured 1.2 on [-3/4, 3/4], 0.94 for
   1e-300 <= |x| <= 1e-3, 0.47 beyond 3/4); below 2^-968 in magnitude 8 2^-1074
   absolute (1.6).  erf(+-0) = +-0, erf(+-inf) = +-1. */
static inline tarsel tarsel_erf(tarsel x)
{
    double hi, lo;
    _tarsel_special_parts(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0)
        return tarsel_from_double(hi);
    double a = fabs(hi);
    if (a >= 9.0)
        return tarsel_from_double(hi > 0.0 ? 1.0 : -1.0);
    if (a <= 0.75)
        return _tarsel_erf_small(tarsel_from_hi_lo(hi, lo));
    tarsel r = tarsel_sub(tarsel_from_double(1.0), _tarsel_erfc_tail(a, hi > 0.0 ? lo : -lo));
    return hi > 0.0 ? r : tarsel_neg(r);
}

/* 1 - erf x below 1/4 in magnitude (erf x < 0.28 there), e^(-x^2) erfcx(x)
   above, 2 - erfc(-x) below -1/4; 2 from -9 down, +0 from 27.5 up.
   Relative error below 4 units down to results of 2^-968, near x = 25.83
   (measured 0.39 on [-1/4, 1/4], 1.3 on [1/4, 6] and on [6, 25.8], 0.42 on
   [-9, -1/4]); beyond, 8 2^-1074 absolute (3.0).  erfc(-inf) = 2,
   erfc(+inf) = +0. */
static inline tarsel tarsel_erfc(tarsel x)
{
    double hi, lo;
    _tarsel_special_parts(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi >= 27.5)
        return tarsel_from_double(0.0);
    if (hi <= -9.0)
        return tarsel_from_double(2.0);
    double a = fabs(hi);
    if (a < 0.25)
        return tarsel_sub(tarsel_from_double(1.0), _tarsel_erf_small(tarsel_from_hi_lo(hi, lo)));
    if (hi > 0.0)
        return _tarsel_erfc_tail(a, lo);
    return tarsel_sub(tarsel_from_double(2.0), _tarsel_erfc_tail(a, -lo));
}

/* --- log gamma and gamma --- */

/* log gamma(y) as a triple for y = m + h + l in [1/2, 16), m = 0 or 1:
   log gamma(c) + psi(c) t + t^2 Q(t) about the row's centre c.  t = y - c is
   exact: (m - c) + h is, because either m = c or |h| is at least the
   interval's half-width, so that the sum keeps h's last bit within 53 bits;
   adding l is an exact two-sum.  psi(c) t is formed in triple precision,
   t^2 Q(t) (below c/128) in double-double. */
static inline _tarsel_triple _tarsel_lgamma_table(double m, double h, double l)
{
    double c;
    int row = _tarsel_special_centre(m + h, -1, &c);
    double t_lo;
    double t_hi = _tarsel_two_sum_d((m - c) + h, l, &t_lo);
    tarsel t = tarsel_from_hi_lo(t_hi, t_lo);
    const double *centre = _tarsel_lgamma_centre[row];
    _tarsel_triple t3 = {t_hi, t_lo, 0.0};
    _tarsel_triple sum = _tarsel_triple_add(_tarsel_triple_from(centre), _tarsel_triple_mul(_tarsel_triple_from(centre + 3), t3));
    tarsel q = _tarsel_special_poly(_tarsel_lgamma_index[row], _tarsel_lgamma_pairs, _tarsel_lgamma_singles, t);
    double r_hi, r_lo;
    tarsel_extract(tarsel_mul(tarsel_mul(t, t), q), &r_hi, &r_lo);
    _tarsel_triple rest = {r_hi, r_lo, 0.0};
    return _tarsel_triple_add(sum, rest);
}

/* log a as a triple for a positive normal double, to about 2^-120 absolute
   for the arguments used here: log a = k ln 2 + log(1/c_i) + log(1 + r) with
   the reduction of tarsel_seeds.h (|r| < 2^-8, exact), and
   log(1 + r) = r - r^2/2 + r^3 (1/3 - r/4 + ... - r^11/14), the last
   terms from r^8 on in doubles, r^3 to r^7 in double-double.  The series'
   remainder is below 2^-124. */
static inline _tarsel_triple _tarsel_special_log3(double a)
{
    int k, i;
    double r = _tarsel_log_reduce(a, &k, &i);
    double q2;
    double q1 = _tarsel_two_prod_d(r, r, &q2);
    double p = _tarsel_log1p_coef(14);
    for (int n = 13; n >= 8; n--)
        p = _tarsel_log1p_coef(n) + r * p;
    tarsel rr = tarsel_from_double(r);
    tarsel s = tarsel_from_double(p);
    for (int n = 7; n >= 3; n--) {
        const double *inv = _tarsel_seed_inverse[n - 1];
        tarsel coef = (n & 1) ? tarsel_from_hi_lo(inv[0], inv[1]) : tarsel_from_hi_lo(-inv[0], -inv[1]);
        s = tarsel_add(coef, tarsel_mul(s, rr));
    }
    double c_hi, c_lo;
    tarsel_extract(tarsel_mul(tarsel_mul(s, rr), tarsel_from_hi_lo(q1, q2)), &c_hi, &c_lo);
    const double *t = _tarsel_seed_log_table[i];
    _tarsel_triple y = _tarsel_special_k_ln2(k);
    /* k ln2_1 + t1 is exact (both are multiples of 2^-42 below 2^10) */
    y = _tarsel_triple_renorm(y.h + t[1], y.m, y.l);
    y = _tarsel_triple_add(y, _tarsel_triple_renorm(t[2], t[3], 0.0));
    y = _tarsel_triple_add(y, _tarsel_triple_renorm(r, -0.5 * q1, -0.5 * q2));
    _tarsel_triple cubic = {c_hi, c_lo, 0.0};
    return _tarsel_triple_add(y, cubic);
}

/* log y for a triple y with y.h >= 16: log y.h + log(1 + e), e = (y.m + y.l)/y.h
   below 2^-52 as a double-double, log(1 + e) = e - e^2/2. */
static inline _tarsel_triple _tarsel_special_log_triple(_tarsel_triple y)
{
    double e_hi = y.m / y.h;
    double pe;
    double p = _tarsel_two_prod_d(e_hi, y.h, &pe);
    double e_lo = (((y.m - p) - pe) + y.l) / y.h;
    _tarsel_triple e = {e_hi, e_lo - 0.5 * e_hi * e_hi, 0.0};
    return _tarsel_triple_add(_tarsel_special_log3(y.h), e);
}

/* Stirling's series for 16 <= y < 2^52: log gamma y =
   (y - 1/2) log y - y + log sqrt(2 pi) + sum_k B_2k / (2k (2k - 1) y^(2k-1)),
   the first three terms in triple precision (they reach 700 where gamma
   overflows and need 2^-110 absolute), the series (below 2^-7.5) in
   double-double on 1/y.  Its terms up to the 21st leave a remainder below
   2^-113 from y = 16 on. */
static inline _tarsel_triple _tarsel_lgamma_stirling(_tarsel_triple y)
{
    _tarsel_triple half_less = _tarsel_triple_renorm(y.h - 0.5, y.m, y.l); /* y.h - 1/2 is exact */
    _tarsel_triple s = _tarsel_triple_mul(half_less, _tarsel_special_log_triple(y));
    s = _tarsel_triple_add(s, _tarsel_triple_neg(y));
    s = _tarsel_triple_add(s, _tarsel_triple_from(_tarsel_log_sqrt_2pi));
    tarsel z = tarsel_div(tarsel_from_double(1.0), tarsel_from_hi_lo(y.h, y.m));
    tarsel series = tarsel_mul(z, _tarsel_special_poly(_tarsel_stirling_index[0], _tarsel_stirling_pairs,
                                                       _tarsel_stirling_singles, tarsel_mul(z, z)));
    double a, b;
    tarsel_extract(series, &a, &b);
    _tarsel_triple tail = {a, b, 0.0};
    return _tarsel_triple_add(s, tail);
}

/* log gamma(y) as a triple for y = m + h + l in [1/2, 2^52), m = 0 or 1. */
static inline _tarsel_triple _tarsel_lgamma_positive(double m, double h, double l)
{
    if (m + h < 16.0)
        return _tarsel_lgamma_table(m, h, l);
    return _tarsel_lgamma_stirling(_tarsel_triple_renorm(m, h, l));
}

/* log gamma(y) for a double-double y >= 2^52 (up to DBL_MAX), where relative
   precision is all that is asked: y (log y - 1) - (log y)/2 + log sqrt(2 pi);
   Stirling's series, below 2^-55 and 2^-112 of the result, is left out.  The product is the result's
   size, so it overflows only where the result does. */
static inline tarsel _tarsel_lgamma_huge(tarsel y)
{
    double hi, lo;
    tarsel_extract(y, &hi, &lo);
    _tarsel_triple l3 = _tarsel_special_log3(hi);
    tarsel log_y = _tarsel_fast_two_sum(l3.h, l3.m + (l3.l + lo / hi));
    tarsel a = tarsel_mul(y, tarsel_sub(log_y, tarsel_from_double(1.0)));
    tarsel b = tarsel_sub(tarsel_mul(log_y, tarsel_from_double(0.5)),
                          tarsel_from_hi_lo(_tarsel_log_sqrt_2pi[0], _tarsel_log_sqrt_2pi[1]));
    return tarsel_sub(a, b);
}

/* x = n + d for a finite x, n the integer nearest x and d = x - n (|d| <=
   1/2, or a few ulps beyond where hi is a half-integer) exact as a
   double-double; *odd is the parity of n.  Returns 0 when x is an integer.
   hi - round(hi) is exact; when hi is an integer the fraction sits in lo. */
static inline int _tarsel_special_reduce(double hi, double lo, tarsel *d, int *odd)
{
    double nh = round(hi);
    double nl = 0.0;
    double dh = hi - nh;
    if (dh == 0.0) {
        nl = round(lo);
        dh = lo - nl;
        lo = 0.0;
    }
    double dl;
    dh = _tarsel_two_sum_d(dh, lo, &dl);
    *d = tarsel_from_hi_lo(dh, dl);
    /* an integral double v is odd when v/2 (exact) is not an integer */
    int odd_h = floor(0.5 * nh) != 0.5 * nh;
    int odd_l = floor(0.5 * nl) != 0.5 * nl;
    *odd = odd_h != odd_l;
    return dh != 0.0;
}

/* sin(pi d)/(pi d) - 1 = z U(z), z = d^2, for |d| <= 1/2: between -0.37 and 0. */
static inline tarsel _tarsel_sinpi_rest(tarsel d)
{
    tarsel z = tarsel_mul(d, d);
    return tarsel_mul(z, _tarsel_special_poly(_tarsel_sinpi_index[0], _tarsel_sinpi_pairs, _tarsel_sinpi_singles, z));
}

/* gamma x for x = hi + lo <= -1/2 by reflection, gamma(x) gamma(1 - x) =
   pi / sin(pi x): with x = n + d and sin(pi x) = (-1)^n pi d (1 + s),
   gamma x = (-1)^n e^(-log gamma(1 - x)) / (d (1 + s)).  d = 2^k d' with
   d' in [1/2, 1), and 2^-k joins the exponent as -k ln 2, so that a d as
   small as 2^-1074 neither underflows nor loses bits.  From x = -300 down,
   log gamma(1 - x) > 1400 exceeds any -k ln 2 by more than the exponential's
   range: the result is a signed zero. */
static inline tarsel _tarsel_gamma_reflect(double hi, double lo)
{
    tarsel d;
    int odd;
    if (!_tarsel_special_reduce(hi, lo, &d, &odd))
        return _tarsel_nan();
    double d_hi = _mm_cvtsd_f64(d);
    if (hi < -300.0) {
        double zero = (d_hi > 0.0) != odd ? 0.0 : -0.0;
        return tarsel_from_double(zero);
    }
    int k;
    frexp(d_hi, &k);
    _tarsel_triple e = _tarsel_triple_add(_tarsel_lgamma_positive(1.0, -hi, -lo), _tarsel_special_k_ln2(k));
    tarsel g = _tarsel_special_exp(_tarsel_triple_neg(e));
    tarsel d_scaled = _tarsel_scale(d, -k);
    tarsel den = tarsel_add(d_scaled, tarsel_mul(d_scaled, _tarsel_sinpi_rest(d)));
    tarsel r = tarsel_div(g, den);
    return odd ? tarsel_neg(r) : r;
}

/* The exponential of log gamma from 1/2 on, gamma(1 + x)/x between -1/2 and
   1/2, the reflection below -1/2.
   Relative error below 4 units wherever the result is at least 2^-968
   (measured 0.34 on [1/2, 171.6], 0.32 within 0.3 of 1 and 2, 1.4 on
   (-1/2, 1/2), 1.9 on [-170, -1/2], 0.72 and 1.8 within 1e-20 and 1e-5 of the
   poles -1 .. -170); below, 8 2^-1074 absolute (4.2).  gamma(+-0) = +-inf,
   NaN at the negative integers and at -inf, +inf from 171.62 on, and a
   signed zero below -300 (or wherever the result underflows). */
static inline tarsel tarsel_gamma(tarsel x)
{
    double hi, lo;
    _tarsel_special_parts(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0)
        return tarsel_from_double(1.0 / hi);
    if (_tarsel_is_inf(hi))
        return hi > 0.0 ? tarsel_from_double(hi) : _tarsel_nan();
    if (hi >= 0.5) {
        if (hi > 171.7)
            return tarsel_from_double(INFINITY);
        return _tarsel_special_exp(_tarsel_lgamma_positive(0.0, hi, lo));
    }
    if (hi > -0.5)
        return tarsel_div(_tarsel_special_exp(_tarsel_lgamma_table(1.0, hi, lo)), tarsel_from_hi_lo(hi, lo));
    return _tarsel_gamma_reflect(hi, lo);
}

/* log gamma from 1/2 on, log gamma(1 + x) - log |x| between -1/2 and 1/2, and
   below -1/2 the reflection log |gamma x| = -log(|d| (1 + s)) -
   log gamma(1 - x) with d and s as for gamma (|d| (1 + s) = |sin(pi x)|/pi).
   Relative error below 4 units for x > -1/2 (measured 0.21 on [1/2, 16],
   0.17 within 0.3 of the zeros 1 and 2, 0.55 on (-1/2, 1/2), 0.13 on
   [16, 1e6], 0.90 from there to 2.5e305).  Below -1/2 the error is below 4
   units of 2^-104 times |log(pi / |sin pi x|)| + |log gamma(1 - x)|, the sizes
   of the reflection's two terms: an absolute bound near the zeros at -2.457,
   -2.747, -3.144, -3.955, ..., where the terms cancel (measured 0.55 on
   [-170, -1/2], 0.47 within 1e-3 of the first eight of those zeros, 0.61
   within 1e-4 of the poles, 0.49 on [-4e15, -170]).  lgamma(1) =
   lgamma(2) = +0; +inf at the non-positive integers, at +-inf and from
   2.55e305 on. */
static inline tarsel tarsel_lgamma(tarsel x)
{
    double hi, lo;
    _tarsel_special_parts(x, &hi, &lo);
    if (hi != hi)
        return _tarsel_nan();
    if (hi == 0.0 || _tarsel_is_inf(hi))
        return tarsel_from_double(INFINITY);
    tarsel xr = tarsel_from_hi_lo(hi, lo);
    if (hi >= 0x1p52)
        return _tarsel_lgamma_huge(xr);
    if (hi >= 0.5)
        return _tarsel_special_round(_tarsel_lgamma_positive(0.0, hi, lo));
    if (hi > -0.5) {
        tarsel abs_x = hi > 0.0 ? xr : tarsel_neg(xr);
        return tarsel_sub(_tarsel_special_round(_tarsel_lgamma_table(1.0, hi, lo)), _tarsel_log_rel(abs_x));
    }
    tarsel d;
    int odd;
    if (!_tarsel_special_reduce(hi, lo, &d, &odd))
        return tarsel_from_double(INFINITY);
    tarsel abs_d = _mm_cvtsd_f64(d) > 0.0 ? d : tarsel_neg(d);
    tarsel log_sin = _tarsel_log_rel(tarsel_add(abs_d, tarsel_mul(abs_d, _tarsel_sinpi_rest(d))));
    tarsel log_g = hi > -0x1p52 ? _tarsel_special_round(_tarsel_lgamma_positive(1.0, -hi, -lo))
                                : _tarsel_lgamma_huge(tarsel_sub(tarsel_from_double(1.0), xr));
    return tarsel_neg(tarsel_add(log_sin, log_g));
}

#endif /* TARSEL_ERF_GAMMA_H */
