/* tarsel_utils.h -- ordering, classification and absolute value.
 *
 * The ordering is lexicographic on (hi, lo) and does not renormalise: two
 * representations of one real number compare by their parts.  Predicates
 * return 1 or 0 and are false whenever a high part is NaN.
 */
#ifndef TARSEL_UTILS_H
#define TARSEL_UTILS_H

#include "tarsel/tarsel.h"

/* --- ordering --- */

/* -1, 0 or +1.  Any NaN part orders the pair as "before", so the caller
   always gets one of the three values. */
static inline int tarsel_cmp(tarsel a, tarsel b)
{
    double ahi, alo, bhi, blo;
    tarsel_extract(a, &ahi, &alo);
    tarsel_extract(b, &bhi, &blo);
    if (alo != alo || blo != blo)
        return -1;
    if (ahi != ahi || bhi != bhi)
        return -1;
    if (ahi < bhi)
        return -1;
    if (ahi > bhi)
        return 1;
    if (alo < blo)
        return -1;
    if (alo > blo)
        return 1;
    return 0;
}

static inline int tarsel_isnan(tarsel x)
{
    double hi = _mm_cvtsd_f64(x);
    return hi != hi;
}

static inline int tarsel_isinf(tarsel x)
{
    return _tarsel_is_inf(_mm_cvtsd_f64(x));
}

/* Neither NaN nor infinite, judged by hi like the two tests above. */
static inline int tarsel_isfinite(tarsel x)
{
    return !tarsel_isnan(x) && !tarsel_isinf(x);
}

/* A NaN in either high part: one unordered comparison of the two. */
static inline int _tarsel_either_nan(tarsel a, tarsel b)
{
    return _mm_movemask_pd(_mm_cmpunord_sd(a, b)) & 1;
}

static inline int tarsel_eq(tarsel a, tarsel b)
{
    return !_tarsel_either_nan(a, b) && tarsel_cmp(a, b) == 0;
}

static inline int tarsel_gt(tarsel a, tarsel b)
{
    return !_tarsel_either_nan(a, b) && tarsel_cmp(a, b) > 0;
}

static inline int tarsel_lt(tarsel a, tarsel b)
{
    return !_tarsel_either_nan(a, b) && tarsel_cmp(a, b) < 0;
}

static inline int tarsel_ge(tarsel a, tarsel b)
{
    return !_tarsel_either_nan(a, b) && tarsel_cmp(a, b) >= 0;
}

static inline int tarsel_le(tarsel a, tarsel b)
{
    return !_tarsel_either_nan(a, b) && tarsel_cmp(a, b) <= 0;
}

/* --- absolute value --- */

/* A zero hi of either sign gives +0.0 with |lo|; a NaN hi is returned as it is. */
static inline tarsel tarsel_abs(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    if (hi > 0.0)
        return x;
    if (hi < 0.0)
        return tarsel_neg(x);
    if (hi != hi)
        return x;
    return tarsel_from_hi_lo(0.0, fabs(lo));
}

#endif /* TARSEL_UTILS_H */
