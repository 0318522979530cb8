/* tarsel_thresholds.h -- the thresholds and constants that the scalar
 * functions share with the vector kernels (tarsel_lanes*.hpp) and the
 * complex functions.
 *
 * A kernel's mask sends a lane to the scalar function exactly where that
 * function branches, so both must test against the same double; each such
 * double is defined once here.  They are macros so that they stay constant
 * expressions in C11 (usable in static initialisers) and broadcast to every
 * lane in C++ exactly as a literal would.  Each is a C99 hexadecimal float
 * literal with its decimal value and bit pattern beside it.
 *
 * Valid C11 and C++17.
 */
#ifndef TARSEL_THRESHOLDS_H
#define TARSEL_THRESHOLDS_H

/* --- error-free products --- */

/* Veltkamp's splitting constant 2^27 + 1. */
#define TARSEL_SPLITTER 134217729.0 /* 2^27 + 1, 0x41A0000002000000 */

/* A factor above 6.7e299 would overflow the split c * a. */
#define TARSEL_SPLIT_BIG 0x1.001e0e03dbf70p+996 /* 6.7e299, 0x7E3001E0E03DBF70 */

/* From |p| >= 2^1023 up the partial product ahi * bhi of the split can round
   past the largest double (the product error and the square root rescale). */
#define TARSEL_PRODUCT_TOP 0x1p1023 /* 0x7FE0000000000000 */

/* Below 2^-968 the corrections of z * z in the square root fall among the
   subnormals (tarsel_sqrt scales those arguments up by 2^128). */
#define TARSEL_SQRT_SCALE_UP_BELOW 0x1p-968 /* 0x0370000000000000 */

/* --- rounding --- */

/* From 2^52 on every double is an integer; below it (a + 2^52) - 2^52 is a
   rounded to the nearest integer. */
#define TARSEL_INTEGRAL_FROM 0x1p52 /* 0x4330000000000000 */

/* 9e18: an integral double up to this magnitude fits a 64-bit integer with
   room (the integral exponents of the power, the quarter-turn count of the
   sine and cosine). */
#define TARSEL_INT64_SAFE 0x1.f399b1438a1p+62 /* 9e18, 0x43DF399B1438A100 */

/* --- exponential and logarithm --- */

/* e^x overflows above this bound ... */
#define TARSEL_EXP_OVERFLOW_BOUND 0x1.62e42fefa39efp+9 /* 709.782712893384, 0x40862E42FEFA39EF */

/* ... and is zero below this one. */
#define TARSEL_EXP_UNDERFLOW_BOUND (-0x1.74910d52d3051p+9) /* -745.1332191019411, 0xC0874910D52D3051 */

/* The reduction x = k (ln 2)/16 + r takes k = round(x 16/ln 2). */
#define TARSEL_SIXTEEN_OVER_LN2 0x1.71547652b82fep+4 /* 16/ln 2, 0x40371547652B82FE */

/* The logarithm scales arguments from 2^1000 up down and those below
   2^-976 up (see tarsel_log). */
#define TARSEL_LOG_SCALE_DOWN_FROM 0x1p1000 /* 0x7E70000000000000 */
#define TARSEL_LOG_SCALE_UP_BELOW 0x1p-976 /* 0x02F0000000000000 */

/* A first Halley correction above 0.001 takes a second step. */
#define TARSEL_LOG_SECOND_STEP_FROM 0x1.0624dd2f1a9fcp-10 /* 0.001, 0x3F50624DD2F1A9FC */

/* --- hyperbolic functions --- */

/* Below 1e-4 the exponential path would cancel in e^x - e^-x; the short odd
   series is used instead. */
#define TARSEL_HYPERBOLIC_SERIES_BELOW 0x1.a36e2eb1c432dp-14 /* 0.0001, 0x3F1A36E2EB1C432D */

/* Below -512 sinh and cosh are taken at -x (see _tarsel_is_reflected). */
#define TARSEL_HYPERBOLIC_REFLECT_BELOW (-512.0) /* 0xC080000000000000 */

/* The coefficient of x^5 in the series of tanh. */
#define TARSEL_TWO_FIFTEENTHS 0x1.1111111111111p-3 /* 2/15, 0x3FC1111111111111 */

#endif /* TARSEL_THRESHOLDS_H */
