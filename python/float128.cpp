// float128.cpp -- the Python class Float128.
#include <functional>

#include "python/binding.hpp"
#include "python/docstrings.hpp"
#include "python/text_argument.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

// An in-place operator from its object-layer update: the value of self is
// updated and self returned, except for a module constant, whose result goes
// into a new instance.
template <class Update>
auto in_place_float128(Update update)
{
    return [update](self_arg<float128> self, const float128 &other) {
        if (is_module_constant(self.object)) {
            float128 result = *self.value;
            update(result, other);
            return instance_object<float128>(py::cast(result));
        }
        update(*self.value, other);
        return instance_object<float128>(py::reinterpret_borrow<py::object>(self.object));
    };
}

} // namespace

void register_float128(py::module_ &m)
{
    // Room for the value inside each instance (instance_storage.hpp), and
    // a metaclass that lets the class be called through vectorcall
    // (fast_paths.cpp).
    py::object meta = float128_metaclass();
    py::class_<float128> f128(m, "Float128", docs::float128_class, py::custom_type_setup(&value_storage_setup<float128>),
                              py::metaclass(meta));

    // Constructors: zero, then anything with a float value.
    f128.def(py::init<>(), docs::float128_zero);
    f128.def(py::init([](float_value x) { return float128(x.value); }), py::arg("x"), py::pos_only(),
             docs::float128_from_float);

    // Constructor from decimal text (str, bytes, bytearray); the parser reads
    // up to the first NUL.
    f128.def(py::init([](const text_bytes &text) { return float128(tarsel_from_string(text.bytes.c_str())); }),
             docs::float128_from_text);

    // Text: to_string, __str__, __repr__.
    f128.def("to_string", method(&float128::to_string), docs::to_string);
    f128.def("__str__", method(&float128::to_string), docs::float128_str);
    f128.def("__repr__", [](self_arg<float128> self) { return "Float128('" + self.value->to_string() + "')"; },
             docs::float128_repr);

    // Arithmetic operators; a non-Float128 operand gives NotImplemented.
    // The operands of operators stay unnamed: a named argument list makes
    // pybind11 refuse a None self by NotImplemented instead of TypeError.
    f128.def("__add__", binary_method<float128>(std::plus<>()), py::is_operator(),
             docs::float128_add);
    f128.def("__sub__", binary_method<float128>(std::minus<>()), py::is_operator(),
             docs::float128_sub);
    f128.def("__mul__", binary_method<float128>(std::multiplies<>()), py::is_operator(),
             docs::float128_mul);
    f128.def("__truediv__", binary_method<float128>(std::divides<>()), py::is_operator(),
             docs::float128_truediv);

    // In-place operators write into the left instance and return it; on a
    // module constant they return a new instance instead (constants.cpp).
    f128.def("__iadd__", in_place_float128([](float128 &x, const float128 &y) { x += y; }), py::is_operator(),
             docs::float128_in_place);
    f128.def("__isub__", in_place_float128([](float128 &x, const float128 &y) { x -= y; }), py::is_operator(),
             docs::float128_in_place);
    f128.def("__imul__", in_place_float128([](float128 &x, const float128 &y) { x *= y; }), py::is_operator(),
             docs::float128_in_place);
    f128.def("__itruediv__", in_place_float128([](float128 &x, const float128 &y) { x /= y; }), py::is_operator(),
             docs::float128_in_place);

    // Comparisons: __eq__, __ne__, __lt__, __le__, __gt__, __ge__.  With
    // __eq__ bound and no __hash__, instances are unhashable.
    f128.def("__eq__", binary_method<float128>(std::equal_to<>()), py::is_operator(),
             docs::float128_compare);
    f128.def("__ne__", binary_method<float128>(std::not_equal_to<>()), py::is_operator(),
             docs::float128_compare);
    f128.def("__lt__", binary_method<float128>(std::less<>()), py::is_operator(),
             docs::float128_compare);
    f128.def("__le__", binary_method<float128>(std::less_equal<>()), py::is_operator(),
             docs::float128_compare);
    f128.def("__gt__", binary_method<float128>(std::greater<>()), py::is_operator(),
             docs::float128_compare);
    f128.def("__ge__", binary_method<float128>(std::greater_equal<>()), py::is_operator(),
             docs::float128_compare);

    // Negation.
    f128.def("__neg__", unary_method<float128>(std::negate<>()), py::is_operator(), docs::float128_neg);
}

} // namespace tarsel_binding
