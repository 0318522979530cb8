// version.cpp -- the module attribute __version__, the project version that
// CMakeLists.txt declares (the package metadata reads the same line).
#include "python/binding.hpp"

namespace tarsel_binding {

void register_version(py::module_ &m)
{
    m.attr("__version__") = TARSEL_VERSION;
}

} // namespace tarsel_binding
