/* Compiled as C11: the constants and elementary-function headers must stay valid C. */
#include "tarsel/tarsel_consts.h"
#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_integer.h"
#include "tarsel/tarsel_parts.h"

int tarsel_c11_exp_of_zero_is_one(void)
{
    return tarsel_eq(tarsel_exp(tarsel_from_double(0.0)), _tarsel_from_raw(_tarsel_exp_table[0]));
}

int tarsel_c11_round_even_of_two_and_a_half_is_two(void)
{
    return tarsel_eq(tarsel_integer_round_even(tarsel_from_double(2.5)), tarsel_from_double(2.0));
}

int tarsel_c11_frexp_of_three_is_three_quarters_times_four(void)
{
    int e;
    tarsel m = tarsel_frexp(tarsel_from_double(3.0), &e);
    return tarsel_eq(tarsel_ldexp(m, e), tarsel_from_double(3.0)) && e == 2;
}
