/* seeds_driver.c -- evaluates the correctly rounded double functions of
 * tarsel_seeds.h, their fast paths and the platform's libm over an array of
 * doubles, for the tests and measurements in seeds_check.py (loaded with
 * ctypes, compiled with the library's floating-point flags).
 *
 * Results are rows of three doubles whose exact sum is the value: the
 * correctly rounded and libm functions fill the first, a fast path's
 * double-double the first two and an accurate path's triple all three.
 */
#include <string.h>

#include "tarsel/detail/tarsel_seeds.h"

static void fast_log(double x, double *out)
{
    int k, i;
    double r = _tarsel_log_reduce_any(x, &k, &i);
    out[0] = _tarsel_log_fast(k, i, r, &out[1]);
}

static void fast_atan(double x, double *out)
{
    out[0] = _tarsel_atan_fast(x, &out[1]);
}

static void accurate_log(double x, double *out)
{
    int k, i;
    double r = _tarsel_log_reduce_any(x, &k, &i);
    _tarsel_triple y = _tarsel_log_accurate(k, i, r);
    out[0] = y.h, out[1] = y.m, out[2] = y.l;
}

static void accurate_atan(double x, double *out)
{
    _tarsel_triple y = _tarsel_atan_accurate(x);
    out[0] = y.h, out[1] = y.m, out[2] = y.l;
}

typedef double (*plain_fn)(double);
typedef void (*parts_fn)(double, double *);

static const struct {
    const char *name;
    plain_fn plain;
    parts_fn parts;
} functions[] = {
    {"log", _tarsel_log_cr, 0},
    {"atan", _tarsel_atan_cr, 0},
    {"log10", _tarsel_log10_cr, 0},
    {"libm_log", log, 0},
    {"libm_atan", atan, 0},
    {"libm_log10", log10, 0},
    {"fast_log", 0, fast_log},
    {"fast_atan", 0, fast_atan},
    {"accurate_log", 0, accurate_log},
    {"accurate_atan", 0, accurate_atan},
};

/* Returns 0, or -1 for an unknown name (out is then left untouched).  The
   fast and accurate paths take what their functions pass them: positive
   normal x not 1 for the logarithm, 2^-27 <= x <= 2^54 for the arctangent. */
int tarsel_seeds_eval(const char *name, long n, const double *x, double *out)
{
    for (size_t f = 0; f < sizeof functions / sizeof functions[0]; f++) {
        if (strcmp(functions[f].name, name) != 0)
            continue;
        for (long i = 0; i < n; i++) {
            double *row = out + 3 * i;
            row[0] = row[1] = row[2] = 0.0;
            if (functions[f].plain)
                row[0] = functions[f].plain(x[i]);
            else
                functions[f].parts(x[i], row);
        }
        return 0;
    }
    return -1;
}
