// threads.cpp -- the split of an array call over threads: how the rows are
// divided, how many threads a call is worth, and when the calling thread
// polls for an interruption.
#include "src/engine/dispatch.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tarsel_engine {

namespace {

// Rows a thread must have before starting it pays: the table's column,
// where the measurements behind it are.
constexpr std::ptrdiff_t min_rows_per_thread(array_function f)
{
#define TARSEL_MIN_ROWS(name, arity, scalar, kernel, min_rows, ufuncs, doc) min_rows,
    constexpr std::ptrdiff_t min_rows[] = {TARSEL_ARRAY_FUNCTIONS(TARSEL_MIN_ROWS)};
#undef TARSEL_MIN_ROWS
    return min_rows[int(f)];
}

// Rows between two polls of the calling thread: well under a millisecond for
// every function at every level, and a multiple of every lane count.
constexpr std::ptrdiff_t rows_per_chunk = 4096;

// Block boundaries fall on multiples of this, so only the last block has a
// partial vector.
constexpr std::ptrdiff_t block_alignment = 16;

struct block {
    std::ptrdiff_t begin, end;
};

block block_of(std::ptrdiff_t n, int parts, int t, std::ptrdiff_t alignment)
{
    auto boundary = [&](int k) {
        if (k == parts)
            return n;
        std::ptrdiff_t b = std::ptrdiff_t((double(n) * k) / parts);
        return b - b % alignment;
    };
    return {boundary(t), boundary(t + 1)};
}

// What the calling thread and the workers share during one call.
struct call_state {
    split_work work;
    std::ptrdiff_t chunk;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
};

void compute_block(call_state &call, int part, block blk)
{
    for (std::ptrdiff_t i = blk.begin; i < blk.end && !call.stop.load(std::memory_order_relaxed);
         i += call.chunk) {
        std::ptrdiff_t end = blk.end - i < call.chunk ? blk.end : i + call.chunk;
        call.work.run(call.work.context, part, i, end);
    }
    std::lock_guard<std::mutex> lock(call.mutex);
    call.running -= 1;
    call.finished.notify_one();
}

// A share of the calling thread, polling between chunks; false if
// interrupted.
bool compute_polling(call_state &call, int part, block blk, interruption_check check)
{
    for (std::ptrdiff_t i = blk.begin; i < blk.end; i += call.chunk) {
        std::ptrdiff_t end = blk.end - i < call.chunk ? blk.end : i + call.chunk;
        call.work.run(call.work.context, part, i, end);
        if (check.poll(check.context))
            return false;
    }
    return true;
}

// Waits for the workers, polling every 2 ms unless already interrupted.
bool wait_polling(call_state &call, interruption_check check, bool interrupted)
{
    std::unique_lock<std::mutex> lock(call.mutex);
    while (call.running > 0) {
        call.finished.wait_for(lock, std::chrono::milliseconds(2));
        if (!interrupted && call.running > 0) {
            lock.unlock();
            interrupted = check.poll(check.context);
            if (interrupted)
                call.stop.store(true);
            lock.lock();
        }
    }
    return !interrupted;
}

// One array function over rows, as split work.
struct rows_call {
    rows_kernel kernel;
    row_view a, b;
    double *out;
};

void compute_rows(void *context, int, std::ptrdiff_t begin, std::ptrdiff_t end)
{
    const rows_call &call = *static_cast<const rows_call *>(context);
    call.kernel(call.a, call.b, call.out, begin, end);
}

} // namespace

int threads_worth(std::ptrdiff_t n, std::ptrdiff_t min_per_thread, int max_threads)
{
    std::ptrdiff_t worth = n / min_per_thread;
    if (worth < 1)
        return 1;
    return worth < max_threads ? int(worth) : max_threads;
}

int threads_for(array_function f, std::ptrdiff_t n, int max_threads)
{
    return threads_worth(n, min_rows_per_thread(f), max_threads);
}

run_status run_split(std::ptrdiff_t n, int parts, std::ptrdiff_t chunk, std::ptrdiff_t alignment, split_work work,
                     interruption_check check)
{
    call_state call;
    call.work = work;
    call.chunk = chunk;

    /* all allocation before the first thread starts: nothing below throws
       while a worker runs, except a thread that cannot be started */
    std::vector<std::thread> workers;
    workers.reserve(std::size_t(parts));
    std::vector<int> own = {0};
    own.reserve(std::size_t(parts));
    for (int t = 1; t < parts; ++t) {
        try {
            {
                std::lock_guard<std::mutex> lock(call.mutex);
                call.running += 1;
            }
            workers.emplace_back(compute_block, std::ref(call), t, block_of(n, parts, t, alignment));
        } catch (...) {
            /* no thread to be had (std::system_error, or no memory for its
               state): this block is computed here instead */
            std::lock_guard<std::mutex> lock(call.mutex);
            call.running -= 1;
            own.push_back(t);
        }
    }

    bool completed = true;
    for (int t : own)
        if (!(completed = compute_polling(call, t, block_of(n, parts, t, alignment), check)))
            break;
    if (!completed)
        call.stop.store(true);
    completed = wait_polling(call, check, !completed);
    for (std::thread &w : workers)
        w.join();
    return completed ? run_status::finished : run_status::interrupted;
}

run_status run_rows(array_function f, const engine_settings &settings, row_view a, row_view b, double *out,
                    std::ptrdiff_t n, interruption_check check)
{
    rows_call call = {kernels_for(settings.level).run[int(f)], a, b, out};
    return run_split(n, threads_for(f, n, settings.threads), rows_per_chunk, block_alignment,
                     {&compute_rows, &call}, check);
}

} // namespace tarsel_engine
