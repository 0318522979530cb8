// constants.cpp -- the module constants pi, e, sqrt2 and ln2.
#include <algorithm>
#include <vector>

#include "python/binding.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

// The constant instances of every interpreter that imported the module.
// Every user of an interpreter's module shares its instances, so an in-place
// operator must not write into them: `p = tarsel.pi; p += x` would change pi
// for everyone.  On a constant the in-place operators return a new instance
// with the result instead.
//
// Legacy subinterpreters share the process and its interpreter lock (an
// interpreter with a lock of its own cannot import the module), so one table,
// read and written under that lock, serves them all.  An instance stays in it
// for as long as it lives, also after its attribute is deleted or rebound,
// and leaves it while it is destroyed, before its memory can be reused.
std::vector<PyObject *> &protected_constants()
{
    static std::vector<PyObject *> constants;
    return constants;
}

void forget_constant(PyObject *constant)
{
    auto &constants = protected_constants();
    constants.erase(std::remove(constants.begin(), constants.end(), constant), constants.end());
}

void add_module_constant(py::module_ &m, const char *name, const float128 &value)
{
    py::object constant = py::cast(value);
    PyObject *address = constant.ptr();
    protected_constants().push_back(address);
    // The weak reference lives until its callback runs, which removes the
    // entry and then drops the weak reference itself.
    py::weakref(constant, py::cpp_function([address](py::handle weak) {
        forget_constant(address);
        weak.dec_ref();
    })).release();
    m.attr(name) = constant;
}

} // namespace

bool is_module_constant(py::handle x)
{
    const auto &constants = protected_constants();
    return std::find(constants.begin(), constants.end(), x.ptr()) != constants.end();
}

void register_constants(py::module_ &m)
{
    add_module_constant(m, "pi", tars::pi);
    add_module_constant(m, "e", tars::e);
    add_module_constant(m, "sqrt2", tars::sqrt2);
    add_module_constant(m, "ln2", tars::ln2);
}

} // namespace tarsel_binding
