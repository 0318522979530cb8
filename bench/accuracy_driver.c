/* accuracy_driver.c -- evaluates one scalar function of tarsel_math.h over an
 * array of arguments, for the accuracy measurement in accuracy.py (loaded
 * with ctypes, so the functions are measured exactly as the headers compile
 * them, without text conversion in between).
 *
 * Arguments are rows of four doubles {a_hi, a_lo, b_hi, b_lo} (b is used by
 * the two-argument functions only); results are rows {hi, lo}.
 */
#include <string.h>

#include "tarsel/tarsel_erf_gamma.h"

typedef tarsel (*unary_fn)(tarsel);
typedef tarsel (*binary_fn)(tarsel, tarsel);

static const struct {
    const char *name;
    unary_fn unary;
    binary_fn binary;
} functions[] = {
    {"exp", tarsel_exp, 0},     {"log", tarsel_log, 0},       {"pow", 0, tarsel_pow},
    {"sin", tarsel_sin, 0},     {"cos", tarsel_cos, 0},       {"tan", tarsel_tan, 0},
    {"sinh", tarsel_sinh, 0},   {"cosh", tarsel_cosh, 0},     {"tanh", tarsel_tanh, 0},
    {"sqrt", tarsel_sqrt, 0},   {"floor", tarsel_floor, 0},   {"ceil", tarsel_ceil, 0},
    {"trunc", tarsel_trunc, 0}, {"round", tarsel_round, 0},   {"fmod", 0, tarsel_fmod},
    {"atan", tarsel_atan, 0},   {"atan2", 0, tarsel_atan2},   {"asin", tarsel_asin, 0},
    {"acos", tarsel_acos, 0},
    {"expm1", tarsel_expm1, 0}, {"log1p", tarsel_log1p, 0},   {"log2", tarsel_log2, 0},
    {"log10", tarsel_log10, 0}, {"exp2", tarsel_exp2, 0},     {"cbrt", tarsel_cbrt, 0},
    {"hypot", 0, tarsel_hypot}, {"asinh", tarsel_asinh, 0},   {"acosh", tarsel_acosh, 0},
    {"atanh", tarsel_atanh, 0}, {"erf", tarsel_erf, 0},       {"erfc", tarsel_erfc, 0},
    {"gamma", tarsel_gamma, 0}, {"lgamma", tarsel_lgamma, 0}, {"deg2rad", tarsel_deg2rad, 0},
    {"rad2deg", tarsel_rad2deg, 0}, {"logaddexp", 0, tarsel_logaddexp}, {"logaddexp2", 0, tarsel_logaddexp2},
};

/* Returns 0, or -1 for an unknown name (out is then left untouched). */
int tarsel_accuracy_eval(const char *name, long n, const double *args, double *out)
{
    for (size_t f = 0; f < sizeof functions / sizeof functions[0]; f++) {
        if (strcmp(functions[f].name, name) != 0)
            continue;
        for (long i = 0; i < n; i++) {
            const double *row = args + 4 * i;
            tarsel a = tarsel_from_hi_lo(row[0], row[1]);
            tarsel b = tarsel_from_hi_lo(row[2], row[3]);
            tarsel r = functions[f].unary ? functions[f].unary(a) : functions[f].binary(a, b);
            tarsel_extract(r, &out[2 * i], &out[2 * i + 1]);
        }
        return 0;
    }
    return -1;
}
