// The scalar layer compiled as C11 gives the same bits as compiled as C++.
#include "tests/cpp/bits.hpp"

#include "tarsel/tarsel_utils.h"

extern "C" {
void tarsel_c11_kernel(double a_hi, double a_lo, double b_hi, double b_lo, double out[12]);
int tarsel_c11_order(double a_hi, double a_lo, double b_hi, double b_lo);
}

using namespace tarsel_test;

TEST(CLanguage, KernelGivesTheSameBitsFromC)
{
    const double operands[][4] = {
        {2.0, 1e-17, 3.0, -1e-18},
        {1e300, 1e283, 7.0, 0.0},
        {0.1, -5.551115123125783e-18, -0.3, 1e-20},
    };
    for (const auto &o : operands) {
        double from_c[12];
        tarsel_c11_kernel(o[0], o[1], o[2], o[3], from_c);
        tarsel a = dd(o[0], o[1]), b = dd(o[2], o[3]);
        const tarsel from_cpp[6] = {tarsel_add(a, b), tarsel_sub(a, b), tarsel_mul(a, b),
                                    tarsel_div(a, b), tarsel_sqrt(a), tarsel_abs(tarsel_neg(b))};
        for (int i = 0; i < 6; i++)
            EXPECT_TRUE(same_bits(from_cpp[i], from_c[2 * i], from_c[2 * i + 1])) << "operation " << i;
    }
    EXPECT_EQ(tarsel_c11_order(1.0, -1e-20, 1.0, 0.0), -1);
}
