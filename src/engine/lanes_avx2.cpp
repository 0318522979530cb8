// lanes_avx2.cpp -- the vector kernels with four lanes, for AVX2 (built with
// -mavx2, which brings no fused multiply-add).
#include "src/sum/exact_products.hpp"
#include "src/engine/lane_rows.hpp"
#include "src/engine/product_lanes.hpp"
#include "src/linalg/matmul_lanes.hpp"

const tarsel_engine::kernel_table tarsel_engine::avx2_kernels =
    tarsel_lanes::lane_kernel_table<tarsel_lanes::lane_vectors<4>::f64>();

const tarsel_engine::products_kernel tarsel_engine::avx2_products =
    &tarsel_lanes::exact_products<tarsel_lanes::lane_vectors<4>::f64>;

const tarsel_linalg::matmul_kernel tarsel_linalg::avx2_matmul =
    &tarsel_lanes::matmul_rows<tarsel_lanes::lane_vectors<4>::f64>;
