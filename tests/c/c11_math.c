/* Compiled as C11: the constants and elementary-function headers must stay valid C. */
#include "tarsel_consts.h"
#include "tarsel_math.h"

int tarsel_c11_exp_of_zero_is_one(void)
{
    return tarsel_eq(tarsel_exp(tarsel_from_double(0.0)), _tarsel_from_raw(_tarsel_exp_table[0]));
}
