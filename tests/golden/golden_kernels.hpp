// The vector kernels of the array functions over the golden cases of the
// scalar functions they compute.  The bits may not depend on the instruction
// set, so at every level a kernel's digest must be its scalar function's.
#ifndef TARSEL_TEST_GOLDEN_KERNELS_HPP
#define TARSEL_TEST_GOLDEN_KERNELS_HPP

#include <string>
#include <vector>

#include "src/engine/dispatch.hpp"
#include "tests/golden/golden_table.hpp"

namespace tarsel_golden {

struct KernelRow {
    const char *name; // the scalar function's row
    tarsel_engine::array_function function;
    bool is_binary;
    bool is_exact = false; // its row records every bit, NaN payloads included
};

const std::vector<KernelRow> &kernel_rows();

// The digest of the kernel of `level` over the cases of its row, all rows in
// one call.
std::string kernel_digest(const KernelRow &kernel, tarsel_engine::simd_level level);

} // namespace tarsel_golden

#endif
