// dispatch.hpp -- how an array call is run: the kernels of the instruction
// set in use, the split of the rows over threads, and the periodic check for
// an interruption by the caller.  No Python here: the binding passes the
// check in and turns a reported interruption into its exception.
#ifndef TARSEL_DISPATCH_HPP
#define TARSEL_DISPATCH_HPP

#include <cstddef>
#include <string>
#include <vector>

#include "src/engine/function_table.hpp"
#include "src/sum/exact_products.hpp"

namespace tarsel_engine {

// One constant per row of the table, in its order: the two-operand
// functions first, then the one-operand ones.
#define TARSEL_ENUM_CONSTANT(name, arity, scalar, kernel, min_rows, ufuncs, doc) name,
enum class array_function { TARSEL_ARRAY_FUNCTIONS(TARSEL_ENUM_CONSTANT) };
#undef TARSEL_ENUM_CONSTANT

#define TARSEL_ONE(name, arity, scalar, kernel, min_rows, ufuncs, doc) +1
constexpr int array_function_count = 0 TARSEL_ARRAY_FUNCTIONS(TARSEL_ONE);
#undef TARSEL_ONE

// The operands of f: 1 or 2.
constexpr int arity(array_function f)
{
#define TARSEL_ARITY(name, arity, scalar, kernel, min_rows, ufuncs, doc) arity,
    constexpr int arities[] = {TARSEL_ARRAY_FUNCTIONS(TARSEL_ARITY)};
#undef TARSEL_ARITY
    return arities[int(f)];
}

constexpr bool is_binary(array_function f)
{
    return arity(f) == 2;
}

// Whether no one-operand row comes before a two-operand one.
constexpr bool binary_rows_first()
{
    for (int i = 1; i < array_function_count; ++i)
        if (is_binary(array_function(i)) && !is_binary(array_function(i - 1)))
            return false;
    return true;
}
static_assert(binary_rows_first(), "the two-operand functions come first in the table");

// In increasing order: a level includes the ones before it.
enum class simd_level { scalar, sse2, avx2, avx512 };

// The rows of one operand: row i starts at base + i * row_step, and its lo
// lies col_step bytes after its hi.  Any strides, no alignment.
struct row_view {
    const char *base;
    std::ptrdiff_t row_step, col_step;
};

// Computes rows [begin, end) of one array function into `out`, which holds
// two doubles per row from row 0 on.  The second operand is ignored by the
// one-operand functions.
using rows_kernel = void (*)(row_view a, row_view b, double *out, std::ptrdiff_t begin, std::ptrdiff_t end);

// One kernel per array function, indexed by array_function.
struct kernel_table {
    rows_kernel run[array_function_count];
};

// The per-row reference loop, and the vector kernels of each instruction set
// (callable only where the processor has it).
extern const kernel_table scalar_kernels;
extern const kernel_table sse2_kernels;
extern const kernel_table avx2_kernels;
extern const kernel_table avx512_kernels;

const kernel_table &kernels_for(simd_level level);

// The kernel of the dot products at a level.
products_kernel products_for(simd_level level);

// "scalar", "sse2", "avx2" or "avx512".
const char *level_name(simd_level level);

// The best level this processor and its operating system support.
simd_level supported_level();

// The CPUs this process may run on (its affinity mask), at least 1.
int affinity_cpus();

struct engine_settings {
    simd_level level;
    int threads;
};

// The settings from the values of TARSEL_SIMD and TARSEL_NUM_THREADS (null
// or empty when unset).  TARSEL_SIMD caps the level at the supported one;
// TARSEL_NUM_THREADS, a positive integer, caps the thread count at `cpus`.
// A value that is neither is ignored, with a line in `warnings`.
engine_settings settings_from(const char *simd_value, const char *threads_value, simd_level supported, int cpus,
                              std::vector<std::string> &warnings);

// settings_from for this process: its environment, processor and affinity.
engine_settings settings_from_environment(std::vector<std::string> &warnings);

// How many threads share n items when a thread pays for its start from
// min_per_thread items on: at least 1, at most max_threads.
int threads_worth(std::ptrdiff_t n, std::ptrdiff_t min_per_thread, int max_threads);

// How many threads share n rows of a function: 1 below the size where a
// thread pays for its start, at most max_threads.
int threads_for(array_function f, std::ptrdiff_t n, int max_threads);

// Polled by the calling thread every few milliseconds of work; returning
// true asks the call to stop.
struct interruption_check {
    bool (*poll)(void *context);
    void *context;
};

enum class run_status { finished, interrupted };

// One call's work over n items, split into parts: run(context, part, begin,
// end) does the items [begin, end) of part `part`.  Each part is one
// contiguous block of the items, done from its start chunk by chunk.
struct split_work {
    void (*run)(void *context, int part, std::ptrdiff_t begin, std::ptrdiff_t end);
    void *context;
};

// Does the n items of `work` in `parts` blocks whose boundaries fall on
// multiples of `alignment`, in chunks of at most `chunk` items: block 0 on
// the calling thread, which polls `check` between its chunks and every few
// milliseconds while it waits, and every other block on a thread of its own
// (or on the calling thread, after block 0, where no thread can be started).
// On an interruption every part stops at its next chunk and all threads are
// joined before this returns.
run_status run_split(std::ptrdiff_t n, int parts, std::ptrdiff_t chunk, std::ptrdiff_t alignment, split_work work,
                     interruption_check check);

// Computes the n rows of f into out with the kernels and threads of
// `settings`.  The calling thread computes the first block itself and polls
// `check` between chunks of rows, and while it waits for the other threads.
// On an interruption every thread stops at its next chunk, all are joined,
// and the rows of out are left partly written.
run_status run_rows(array_function f, const engine_settings &settings, row_view a, row_view b, double *out,
                    std::ptrdiff_t n, interruption_check check);

} // namespace tarsel_engine

#endif // TARSEL_DISPATCH_HPP
