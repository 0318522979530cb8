// lanes_sse2.cpp -- the vector kernels with two lanes, for SSE2.
#include "src/sum/exact_products.hpp"
#include "src/engine/lane_rows.hpp"
#include "src/engine/product_lanes.hpp"
#include "src/linalg/matmul_lanes.hpp"

const tarsel_engine::kernel_table tarsel_engine::sse2_kernels =
    tarsel_lanes::lane_kernel_table<tarsel_lanes::lane_vectors<2>::f64>();

const tarsel_engine::products_kernel tarsel_engine::sse2_products =
    &tarsel_lanes::exact_products<tarsel_lanes::lane_vectors<2>::f64>;

const tarsel_linalg::matmul_kernel tarsel_linalg::sse2_matmul =
    &tarsel_lanes::matmul_rows<tarsel_lanes::lane_vectors<2>::f64>;
