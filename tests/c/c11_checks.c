/* Compiled as C11: the scalar headers must stay valid C. */
#include "tarsel.h"
#include "tarsel_utils.h"

int tarsel_c11_one_third_is_below_half(void)
{
    return tarsel_lt(tarsel_div(tarsel_from_double(1.0), tarsel_from_double(3.0)), tarsel_from_double(0.5));
}
