// settings.cpp -- the engine's settings: the instruction set and the thread
// count, from TARSEL_SIMD and TARSEL_NUM_THREADS or from the processor.
#include "src/engine/dispatch.hpp"

#include <cstdlib>
#include <cstring>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

namespace tarsel_engine {

int affinity_cpus()
{
#if defined(__linux__)
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return CPU_COUNT(&set);
#endif
    unsigned hardware = std::thread::hardware_concurrency();
    return hardware > 0 ? int(hardware) : 1;
}

namespace {

bool is_unset(const char *value)
{
    return value == nullptr || *value == '\0';
}

// A positive decimal integer, saturated at `limit`; 0 for anything else.
long positive_integer(const char *text, long limit)
{
    long value = 0;
    for (const char *c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return 0;
        value = value >= limit ? limit : value * 10 + (*c - '0');
    }
    return value;
}

} // namespace

engine_settings settings_from(const char *simd_value, const char *threads_value, simd_level supported, int cpus,
                              std::vector<std::string> &warnings)
{
    engine_settings settings{supported, cpus};
    if (!is_unset(simd_value)) {
        bool known = false;
        for (int l = 0; l <= int(simd_level::avx512); ++l)
            if (std::strcmp(simd_value, level_name(simd_level(l))) == 0) {
                known = true;
                settings.level = l < int(supported) ? simd_level(l) : supported;
            }
        if (!known)
            warnings.push_back(std::string("TARSEL_SIMD='") + simd_value +
                               "' is not one of scalar, sse2, avx2, avx512; ignored");
    }
    if (!is_unset(threads_value)) {
        long requested = positive_integer(threads_value, 1L << 20);
        if (requested > 0)
            settings.threads = requested < cpus ? int(requested) : cpus;
        else
            warnings.push_back(std::string("TARSEL_NUM_THREADS='") + threads_value +
                               "' is not a positive integer; ignored");
    }
    return settings;
}

engine_settings settings_from_environment(std::vector<std::string> &warnings)
{
    return settings_from(std::getenv("TARSEL_SIMD"), std::getenv("TARSEL_NUM_THREADS"), supported_level(),
                         affinity_cpus(), warnings);
}

} // namespace tarsel_engine
