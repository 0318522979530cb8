// tarsel_python.cpp -- the Python module tarsel.
//
// Registration runs in one fixed order, because pybind11 tries overloads in
// the order they were registered: the Float128 class, the Complex128 class,
// the module functions, the implicit conversion from Python numbers, the
// constants and last the array functions.  The binding converts and forwards;
// every numerical decision lives in the headers.
#include <pybind11/pybind11.h>
#include <pybind11/operators.h>

#include "../include/tarsel.hpp"

namespace py = pybind11;
using tars::float128;

namespace {

// The values held by the four module constants.  Every user of the module
// shares these instances, so an in-place operator must not write into them:
// `p = tarsel.pi; p += x` would change pi for everyone.  On a constant the
// in-place operators return a new instance with the result instead.
const float128 *module_constants[4] = {nullptr, nullptr, nullptr, nullptr};

bool is_module_constant(const float128 &x)
{
    for (const float128 *constant : module_constants)
        if (constant == &x)
            return true;
    return false;
}

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

// An in-place operator from its object-layer update: the left instance is
// updated and returned, except a module constant, whose result goes into a
// new instance.
template <class Update>
auto in_place(Update update)
{
    return [update](float128 &self, const float128 &other) -> py::object {
        if (is_module_constant(self)) {
            float128 result = self;
            update(result, other);
            return py::cast(result);
        }
        update(self, other);
        return py::cast(self, py::return_value_policy::reference);
    };
}

} // namespace

PYBIND11_MODULE(tarsel, m, py::multiple_interpreters::not_supported())
{
    // Module docstring.
    m.doc() = "tarsel: 128-bit double-double arithmetic module";

    // Class Float128.
    py::class_<float128> f128(m, "Float128");

    // Constructors: zero, then anything with a float value.
    f128.def(py::init<>());
    f128.def(py::init<double>());

    // Constructor from decimal text (str, bytes, bytearray).  A str arrives
    // as its UTF-8 bytes; the parser reads up to the first NUL.
    f128.def(py::init([](const std::string &text) { return float128(tarsel_from_string(text.c_str())); }));

    // Text: to_string, __str__, __repr__.
    f128.def("to_string", &float128::to_string);
    f128.def("__str__", &float128::to_string);
    f128.def("__repr__", [](const float128 &x) { return "Float128('" + x.to_string() + "')"; });

    // Arithmetic operators; a non-Float128 operand gives NotImplemented.
    f128.def(py::self + py::self);
    f128.def(py::self - py::self);
    f128.def(py::self * py::self);
    f128.def(py::self / py::self);

    // In-place operators write into the left instance and return it; on a
    // module constant they return a new instance instead (see above).
    f128.def("__iadd__", in_place([](float128 &x, const float128 &y) { x += y; }), py::is_operator());
    f128.def("__isub__", in_place([](float128 &x, const float128 &y) { x -= y; }), py::is_operator());
    f128.def("__imul__", in_place([](float128 &x, const float128 &y) { x *= y; }), py::is_operator());
    f128.def("__itruediv__", in_place([](float128 &x, const float128 &y) { x /= y; }), py::is_operator());

    // Comparisons: __eq__, __ne__, __lt__, __le__, __gt__, __ge__.  With
    // __eq__ bound and no __hash__, instances are unhashable.
    f128.def(py::self == py::self);
    f128.def(py::self != py::self);
    f128.def(py::self < py::self);
    f128.def(py::self <= py::self);
    f128.def(py::self > py::self);
    f128.def(py::self >= py::self);

    // Negation.
    f128.def(-py::self);

    // Class Complex128.

    // Module functions; a name shared with Complex128 takes its complex
    // overload directly after the real one.
    m.def("exp", &tars::exp);
    m.def("log", &tars::log);
    m.def("pow", &tars::pow);
    m.def("sin", py::overload_cast<float128>(&tars::sin));
    m.def("cos", py::overload_cast<float128>(&tars::cos));
    m.def("tan", py::overload_cast<float128>(&tars::tan));
    m.def("sinh", py::overload_cast<float128>(&tars::sinh));
    m.def("cosh", py::overload_cast<float128>(&tars::cosh));
    m.def("tanh", py::overload_cast<float128>(&tars::tanh));
    m.def("sqrt", &tars::sqrt);
    m.def("abs", py::overload_cast<float128>(&tars::abs));
    m.def("floor", &tars::floor);
    m.def("ceil", &tars::ceil);
    m.def("trunc", &tars::trunc);
    m.def("round", &tars::round);
    m.def("fmod", &tars::fmod);
    m.def("atan", &tars::atan);
    m.def("atan2", &tars::atan2);
    m.def("asin", &tars::asin);
    m.def("acos", &tars::acos);
    m.def("isnan", &tars::isnan);
    m.def("isinf", &tars::isinf);

    // Implicit conversion from Python complex, float and int to Complex128.

    // Constants pi, e, sqrt2, ln2.
    add_module_constant(m, "pi", tars::pi, 0);
    add_module_constant(m, "e", tars::e, 1);
    add_module_constant(m, "sqrt2", tars::sqrt2, 2);
    add_module_constant(m, "ln2", tars::ln2, 3);

    // Array functions over (N, 2) float64 arrays.
}
