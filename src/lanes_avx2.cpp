// lanes_avx2.cpp -- the vector kernels with four lanes, for AVX2 (built with
// -mavx2, which brings no fused multiply-add).
#include "lane_rows.hpp"

const tarsel_engine::kernel_table tarsel_engine::avx2_kernels =
    tarsel_lanes::lane_kernel_table<tarsel_lanes::lane_vectors<4>::f64>();
