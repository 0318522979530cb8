// lanes_avx512.cpp -- the vector kernels with eight lanes, for AVX-512F
// (built with -mavx512f alone).
#include "src/sum/exact_products.hpp"
#include "src/engine/lane_rows.hpp"
#include "src/engine/product_lanes.hpp"
#include "src/linalg/matmul_lanes.hpp"

const tarsel_engine::kernel_table tarsel_engine::avx512_kernels =
    tarsel_lanes::lane_kernel_table<tarsel_lanes::lane_vectors<8>::f64>();

const tarsel_engine::products_kernel tarsel_engine::avx512_products =
    &tarsel_lanes::exact_products<tarsel_lanes::lane_vectors<8>::f64>;

const tarsel_linalg::matmul_kernel tarsel_linalg::avx512_matmul =
    &tarsel_lanes::matmul_rows<tarsel_lanes::lane_vectors<8>::f64>;
