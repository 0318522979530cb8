// instruction_sets.cpp -- the only place that knows about instruction sets:
// which of them the processor runs, their names, and the kernel tables
// built for each.
#include "src/engine/dispatch.hpp"

namespace tarsel_engine {

const kernel_table &kernels_for(simd_level level)
{
    switch (level) {
    case simd_level::sse2:
        return sse2_kernels;
    case simd_level::avx2:
        return avx2_kernels;
    case simd_level::avx512:
        return avx512_kernels;
    default:
        return scalar_kernels;
    }
}

products_kernel products_for(simd_level level)
{
    switch (level) {
    case simd_level::sse2:
        return sse2_products;
    case simd_level::avx2:
        return avx2_products;
    case simd_level::avx512:
        return avx512_products;
    default:
        return scalar_products;
    }
}

namespace {

const char *const level_names[] = {"scalar", "sse2", "avx2", "avx512"};

} // namespace

const char *level_name(simd_level level)
{
    return level_names[int(level)];
}

// __builtin_cpu_supports also asks whether the operating system saves the
// wider registers.  SSE2 is the baseline the whole library is built for.
simd_level supported_level()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return simd_level::avx512;
    if (__builtin_cpu_supports("avx2"))
        return simd_level::avx2;
    return simd_level::sse2;
}

} // namespace tarsel_engine
