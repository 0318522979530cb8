// complex128.cpp -- the Python class Complex128.  Plain Python numbers
// stand where one is expected through the conversion of its parameters
// (instance_arguments.hpp).
#include <functional>

#include "python/binding.hpp"
#include "python/docstrings.hpp"

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

namespace {

// An in-place operator from its object-layer update: the value of self is
// updated and self returned.
template <class Update>
auto in_place_complex128(Update update)
{
    return [update](self_arg<complex128> self, const complex128 &other) {
        update(*self.value, other);
        return instance_object<complex128>(py::reinterpret_borrow<py::object>(self.object));
    };
}

} // namespace

void register_complex128(py::module_ &m)
{
    // Room for the value inside each instance (instance_storage.hpp).
    py::class_<complex128> c128(m, "Complex128", docs::complex128_class,
                                py::custom_type_setup(&value_storage_setup<complex128>));

    // Constructors: zero, two floats, two Float128 values, a Python complex.
    c128.def(py::init<>(), docs::complex128_zero);
    c128.def(py::init([](float_value re, float_value im) { return complex128(re.value, im.value); }),
             py::arg("real"), py::arg("imag") = 0.0, docs::complex128_from_floats);
    c128.def(py::init<float128, float128>(), py::arg("real"), py::arg("imag") = float128(),
             docs::complex128_from_float128);
    c128.def(py::init([](complex_value z) { return complex128(z.value); }), py::arg("z"), py::pos_only(),
             docs::complex128_from_complex);

    // The two parts, as methods returning new Float128 instances.
    c128.def("real", method(&complex128::real), docs::complex128_real);
    c128.def("imag", method(&complex128::imag), docs::complex128_imag);

    // Text: to_string, __str__ and __repr__ give the same complex text.
    c128.def("to_string", method(&complex128::to_string), docs::complex128_text);
    c128.def("__str__", method(&complex128::to_string), docs::complex128_text);
    c128.def("__repr__", method(&complex128::to_string), docs::complex128_text);

    // Arithmetic operators; the right operand may be a plain Python number.
    c128.def("__add__", binary_method<complex128>(std::plus<>()), py::is_operator(),
             docs::complex128_add);
    c128.def("__sub__", binary_method<complex128>(std::minus<>()), py::is_operator(),
             docs::complex128_sub);
    c128.def("__mul__", binary_method<complex128>(std::multiplies<>()), py::is_operator(),
             docs::complex128_mul);
    c128.def("__truediv__", binary_method<complex128>(std::divides<>()), py::is_operator(),
             docs::complex128_truediv);

    // In-place operators write into the left instance and return it.
    c128.def("__iadd__", in_place_complex128([](complex128 &x, const complex128 &y) { x += y; }), py::is_operator(),
             docs::complex128_in_place);
    c128.def("__isub__", in_place_complex128([](complex128 &x, const complex128 &y) { x -= y; }), py::is_operator(),
             docs::complex128_in_place);
    c128.def("__imul__", in_place_complex128([](complex128 &x, const complex128 &y) { x *= y; }), py::is_operator(),
             docs::complex128_in_place);
    c128.def("__itruediv__", in_place_complex128([](complex128 &x, const complex128 &y) { x /= y; }), py::is_operator(),
             docs::complex128_in_place);
}

} // namespace tarsel_binding
