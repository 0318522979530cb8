/* Compiled as C11: the scalar headers must stay valid C, and give the same
   bits from C as from C++. */
#include "tarsel/tarsel.h"
#include "tarsel/tarsel_utils.h"

void tarsel_c11_kernel(double a_hi, double a_lo, double b_hi, double b_lo, double out[12])
{
    tarsel a = tarsel_from_hi_lo(a_hi, a_lo);
    tarsel b = tarsel_from_hi_lo(b_hi, b_lo);
    tarsel results[6] = {tarsel_add(a, b), tarsel_sub(a, b), tarsel_mul(a, b),
                         tarsel_div(a, b), tarsel_sqrt(a), tarsel_abs(tarsel_neg(b))};
    for (int i = 0; i < 6; i++)
        tarsel_extract(results[i], &out[2 * i], &out[2 * i + 1]);
}

int tarsel_c11_order(double a_hi, double a_lo, double b_hi, double b_lo)
{
    return tarsel_cmp(tarsel_from_hi_lo(a_hi, a_lo), tarsel_from_hi_lo(b_hi, b_lo));
}
