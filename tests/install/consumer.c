/* A C user of the installed headers and of the compiled text functions. */
#include <stdio.h>

#include "tarsel/tarsel_io.h"
#include "tarsel/tarsel_math.h"

#if !defined(__SSE2_MATH__)
#error "tarsel::tarsel should have asked for SSE2 arithmetic (-msse2 -mfpmath=sse)"
#endif

int main(void)
{
    char text[64];
    tarsel_to_string(text, sizeof text, tarsel_sqrt(tarsel_from_double(2.0)));
    printf("sqrt(2) = %s\n", text);
    printf("1e-3 read and written back = ");
    tarsel_print(tarsel_from_string("1e-3"));
    return 0;
}
