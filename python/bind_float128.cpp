// bind_float128.cpp -- the Python class Float128.
#include <pybind11/operators.h>

#include <string>

#include "binding.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

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

void register_float128(py::module_ &m)
{
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
    // module constant they return a new instance instead (constants.cpp).
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
}

} // namespace tarsel_binding
