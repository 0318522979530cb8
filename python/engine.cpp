// engine.cpp -- how the array functions run, chosen once at import: the
// instruction set level (TARSEL_SIMD caps it) and the thread count
// (TARSEL_NUM_THREADS caps it), shown as tarsel.simd_level and
// tarsel.num_threads.  A value of either variable that cannot be used is
// ignored with a RuntimeWarning.
#include "python/binding.hpp"

#include <string>
#include <vector>

namespace tarsel_binding {

namespace {

tarsel_engine::engine_settings settings_in_use = {tarsel_engine::simd_level::scalar, 1};

} // namespace

const tarsel_engine::engine_settings &engine_settings()
{
    return settings_in_use;
}

namespace {

// Polled by the engine on this thread, which holds the interpreter lock: a
// pending KeyboardInterrupt (or whatever a signal handler raised) stops the
// call.
bool signal_pending(void *)
{
    return PyErr_CheckSignals() != 0;
}

// The same where NumPy may run the caller without the interpreter lock:
// the lock is taken for the moment the check needs it.  The GIL-state calls
// are valid in the main interpreter only, where the dtype's loops run.
bool signal_pending_unlocked(void *context)
{
    if (PyGILState_Check())
        return signal_pending(context);
    PyGILState_STATE state = PyGILState_Ensure();
    bool pending = signal_pending(context);
    PyGILState_Release(state);
    return pending;
}

} // namespace

tarsel_engine::interruption_check signal_check()
{
    return {&signal_pending, nullptr};
}

tarsel_engine::interruption_check signal_check_unlocked()
{
    return {&signal_pending_unlocked, nullptr};
}

void register_engine(py::module_ &m)
{
    std::vector<std::string> warnings;
    settings_in_use = tarsel_engine::settings_from_environment(warnings);
    for (const std::string &w : warnings)
        if (PyErr_WarnEx(PyExc_RuntimeWarning, w.c_str(), 1) != 0)
            throw py::error_already_set();
    m.attr("simd_level") = tarsel_engine::level_name(settings_in_use.level);
    m.attr("num_threads") = settings_in_use.threads;
}

} // namespace tarsel_binding
