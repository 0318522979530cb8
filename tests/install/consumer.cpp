// A C++ user of the installed object layer and of the exact conversions.
#include <iostream>

#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_complex.hpp"
#include "tarsel/tarsel_exact.hpp"

#if !defined(__SSE2_MATH__)
#error "tarsel::tarsel should have asked for SSE2 arithmetic (-msse2 -mfpmath=sse)"
#endif

int main()
{
    const tars::float128 third = tars::float128(1.0) / tars::float128(3.0);
    const tars::complex128 product = tars::complex128(1.0, 2.0) * tars::complex128(1.0, -1.0);
    const tars::decimal_digits rounded = tars::round_significant(third, 20);
    std::cout << "1/3 = " << third.to_string() << '\n';
    std::cout << "1/3 to 20 digits = " << rounded.digits.substr(0, 1) << '.' << rounded.digits.substr(1) << 'e'
              << rounded.exponent << '\n';
    std::cout << "(1 + 2i)(1 - i) = " << product.to_string() << '\n';
    return 0;
}
