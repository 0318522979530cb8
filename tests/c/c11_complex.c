/* Compiled as C11: the complex scalar header must stay valid C, and give the
   same bits from C as from C++. */
#include "tarsel/tarsel_complex.h"

/* in: a.real, a.imag, b.real, b.imag as (hi, lo) pairs; out: a*b, a/b (each
   real hi, lo, imag hi, lo) and |a| (hi, lo). */
void tarsel_c11_complex(const double in[8], double out[10])
{
    tarsel_complex a = _tarsel_complex_make(tarsel_from_hi_lo(in[0], in[1]), tarsel_from_hi_lo(in[2], in[3]));
    tarsel_complex b = _tarsel_complex_make(tarsel_from_hi_lo(in[4], in[5]), tarsel_from_hi_lo(in[6], in[7]));
    tarsel_complex product = tarsel_complex_mul(a, b);
    tarsel_complex quotient = tarsel_complex_div(a, b);
    tarsel_extract(product.real, &out[0], &out[1]);
    tarsel_extract(product.imag, &out[2], &out[3]);
    tarsel_extract(quotient.real, &out[4], &out[5]);
    tarsel_extract(quotient.imag, &out[6], &out[7]);
    tarsel_extract(tarsel_complex_abs(a), &out[8], &out[9]);
}
