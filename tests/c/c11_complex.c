/* Compiled as C11: the complex scalar header must stay valid C. */
#include "tarsel_complex.h"

int tarsel_c11_complex_modulus_is_five(void)
{
    tarsel_complex z = _tarsel_complex_make(tarsel_from_double(3.0), tarsel_from_double(4.0));
    return tarsel_eq(tarsel_complex_abs(z), tarsel_from_double(5.0));
}
