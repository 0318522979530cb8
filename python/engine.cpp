// engine.cpp -- how the array functions run, chosen once at import: the
// instruction set level (TARSEL_SIMD caps it) and the thread count
// (TARSEL_NUM_THREADS caps it), shown as tarsel.simd_level and
// tarsel.num_threads.
//
// The two attributes are answered by the module's __getattr__, so the names
// registered by the earlier steps stay the last entries of the module
// dictionary.
#include "binding.hpp"

#include <string>
#include <vector>

namespace tarsel_binding {

namespace {

tarsel_engine::engine_settings settings_in_use = {tarsel_engine::simd_level::scalar, 1};

py::object engine_attribute(const std::string &name)
{
    if (name == "simd_level")
        return py::str(tarsel_engine::level_name(settings_in_use.level));
    if (name == "num_threads")
        return py::int_(settings_in_use.threads);
    throw py::attribute_error("module 'tarsel' has no attribute '" + name + "'");
}

} // namespace

const tarsel_engine::engine_settings &engine_settings()
{
    return settings_in_use;
}

void register_engine(py::module_ &m)
{
    std::vector<std::string> warnings;
    settings_in_use = tarsel_engine::settings_from_environment(warnings);
    for (const std::string &w : warnings)
        if (PyErr_WarnEx(PyExc_RuntimeWarning, w.c_str(), 1) != 0)
            throw py::error_already_set();

    m.def("__getattr__", &engine_attribute, "simd_level and num_threads: how the array functions run");
    py::object names = m.attr("__dict__");
    m.def("__dir__", [names]() {
        py::list all(names.attr("keys")());
        all.append("num_threads");
        all.append("simd_level");
        all.attr("sort")();
        return all;
    });
}

} // namespace tarsel_binding
