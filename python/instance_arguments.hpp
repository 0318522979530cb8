// instance_arguments.hpp -- how Float128 and Complex128 instances are taken
// as arguments.
//
// Two rules beyond pybind11's own:
//  - An instance made by __new__ without __init__ holds no value.  pybind11
//    would hand out fresh uninitialised storage for it; here every use of it
//    as an argument raises TypeError instead.
//  - The instance a method is called on (self_arg) is never converted and
//    never None: an unbound call such as Float128.to_string(None) raises
//    TypeError, as the methods of built-in types do, instead of passing a
//    null instance, trying the next overload or returning NotImplemented.
// A Complex128 parameter also takes a plain Python number (see its caster).
// Every translation unit of the module includes this header through
// binding.hpp, so all of them see the same casters.
#ifndef TARSEL_INSTANCE_ARGUMENTS_HPP
#define TARSEL_INSTANCE_ARGUMENTS_HPP

#include <pybind11/pybind11.h>

#include <string>
#include <utility>

#include "tarsel/tarsel_complex.hpp"
#include "python/instance_storage.hpp"
#include "python/number_arguments.hpp"

namespace tarsel_binding {

namespace py = pybind11;

// The instance a method is called on: the Python object and the value it
// holds.
template <class T>
struct self_arg {
    py::handle object;
    T *value = nullptr;
};

// A Python object that is an instance of T, returned as it is and shown as T
// in signatures: what an in-place operator returns.
template <class T>
class instance_object : public py::object {
public:
    explicit instance_object(py::object obj) : py::object(std::move(obj)) {}
};

// A const member function, or a function of the value and further
// arguments, as a method on self_arg.
template <class T, class R>
auto method(R (T::*member)() const)
{
    return [member](self_arg<T> self) { return (self.value->*member)(); };
}

template <class T, class R, class... Args>
auto method(R (*function)(const T &, Args...))
{
    return [function](self_arg<T> self, Args... args) { return function(*self.value, std::forward<Args>(args)...); };
}

// An operator as a method on self_arg.  The other operand of a binary one
// takes part in overload resolution, so that an operand of another type
// gives NotImplemented.
template <class T, class Op>
auto unary_method(Op op)
{
    return [op](self_arg<T> self) { return op(*self.value); };
}

template <class T, class Op>
auto binary_method(Op op)
{
    return [op](self_arg<T> self, const T &other) { return op(*self.value, other); };
}

inline std::string name_of_type(py::handle type)
{
    return py::str(type.attr("__name__"));
}

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {

template <class T>
struct handle_type_name<tarsel_binding::instance_object<T>> {
    static constexpr auto name = make_caster<T>::name;
};

// Loads an instance of a bound class as pybind11 does, but refuses one that
// holds no value with TypeError.  A value returned by value becomes an
// instance that holds it itself (instance_storage.hpp); a reference keeps
// pybind11's way.
template <class T>
class initialised_instance_caster : public type_caster_base<T> {
public:
    using type_caster_base<T>::cast;

    static handle cast(const T &src, return_value_policy policy, handle parent)
    {
        if (policy == return_value_policy::automatic || policy == return_value_policy::automatic_reference ||
            policy == return_value_policy::copy || policy == return_value_policy::move) {
            if (PyTypeObject *type = tarsel_binding::type_with_storage<T>()) {
                PyObject *made = tarsel_binding::new_instance(type, src);
                if (!made)
                    throw error_already_set();
                return made;
            }
        }
        return type_caster_base<T>::cast(src, policy, parent);
    }

    static handle cast(T &&src, return_value_policy policy, handle parent)
    {
        return cast(static_cast<const T &>(src), policy, parent);
    }

    bool load(handle src, bool convert)
    {
        if (lacks_value(src))
            throw type_error(tarsel_binding::name_of_type(type::handle_of(src))
                             + " object was created without __init__ and holds no value");
        return type_caster_base<T>::load(src, convert);
    }

private:
    bool lacks_value(handle src) const
    {
        if (!src || !this->typeinfo || !PyObject_TypeCheck(src.ptr(), this->typeinfo->type))
            return false;
        value_and_holder v_h = reinterpret_cast<instance *>(src.ptr())->get_value_and_holder(this->typeinfo, false);
        bool found = v_h.inst != nullptr;
        return found && v_h.value_ptr() == nullptr;
    }
};

template <>
class type_caster<tars::float128> : public initialised_instance_caster<tars::float128> {};

// A Complex128 parameter takes, when conversion is allowed, a Python complex,
// float or int (subclasses included) as the value Complex128(x) gives it: a
// complex from its two fields, a float or int through its float value, read
// once.  Float128 and every other type are refused.
template <>
class type_caster<tars::complex128> : public initialised_instance_caster<tars::complex128> {
public:
    bool load(handle src, bool convert)
    {
        if (initialised_instance_caster::load(src, convert))
            return true;
        if (!convert || !read_python_number(src.ptr()))
            return false;
        value = &converted;
        return true;
    }

private:
    bool read_python_number(PyObject *obj)
    {
        if (PyComplex_Check(obj)) {
            Py_complex c = PyComplex_AsCComplex(obj);
            converted = tars::complex128(c.real, c.imag);
            return true;
        }
        double real;
        if (!(PyFloat_Check(obj) || PyLong_Check(obj)) || !tarsel_binding::read_float_value(obj, real))
            return false;
        converted = tars::complex128(real, 0.0);
        return true;
    }

    tars::complex128 converted;
};

// self_arg: an instance of T as it is, or TypeError.
template <class T>
struct type_caster<tarsel_binding::self_arg<T>> {
    PYBIND11_TYPE_CASTER(tarsel_binding::self_arg<T>, make_caster<T>::name);

    bool load(handle src, bool)
    {
        make_caster<T> instance;
        if (!instance.load(src, false))
            throw type_error("self must be a " + tarsel_binding::name_of_type(type::of<T>()) + ", not "
                             + tarsel_binding::name_of_type(type::handle_of(src)));
        value.object = src;
        value.value = &cast_op<T &>(instance);
        return true;
    }
};

} // namespace detail
} // namespace pybind11

#endif // TARSEL_INSTANCE_ARGUMENTS_HPP
