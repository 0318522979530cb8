// constants.cpp -- the module constants pi, e, sqrt2 and ln2.
#include "binding.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

// The values held by the four module constants.  Every user of the module
// shares these instances, so an in-place operator must not write into them:
// `p = tarsel.pi; p += x` would change pi for everyone.  On a constant the
// in-place operators return a new instance with the result instead.
const float128 *module_constants[4] = {nullptr, nullptr, nullptr, nullptr};

// Sets the attribute to a new instance holding a copy of value and records
// where that instance keeps it.  One reference is kept for the life of the
// process, so the recorded address can never be reused by another instance
// after the attribute is deleted or rebound.
void add_module_constant(py::module_ &m, const char *name, const float128 &value, int slot)
{
    py::object constant = py::cast(value);
    module_constants[slot] = &constant.cast<float128 &>();
    m.attr(name) = constant;
    constant.inc_ref();
}

} // namespace

bool is_module_constant(const float128 &x)
{
    for (const float128 *constant : module_constants)
        if (constant == &x)
            return true;
    return false;
}

void register_constants(py::module_ &m)
{
    add_module_constant(m, "pi", tars::pi, 0);
    add_module_constant(m, "e", tars::e, 1);
    add_module_constant(m, "sqrt2", tars::sqrt2, 2);
    add_module_constant(m, "ln2", tars::ln2, 3);
}

} // namespace tarsel_binding
