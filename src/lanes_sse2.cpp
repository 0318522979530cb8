// lanes_sse2.cpp -- the vector kernels with two lanes, for SSE2.
#include "lane_rows.hpp"

const tarsel_engine::kernel_table tarsel_engine::sse2_kernels =
    tarsel_lanes::lane_kernel_table<tarsel_lanes::lane_vectors<2>::f64>();
