// pickling.cpp -- pickle, copy and deepcopy of Float128 and Complex128.
//
// An instance reduces to (its class, (), state): unpickling calls the class
// with no argument, which gives zero, and then __setstate__(state) writes the
// value.  The state is the tuple of the doubles (hi, lo), or (real hi, real
// lo, imag hi, imag lo): pickle stores a float as its eight IEEE bytes in a
// fixed byte order, so every bit (NaN payloads, signed zeros, a pair that is
// not normalised) reaches a machine of the other byte order too.  The class
// is named by reference, so the pickle holds no code, and no instance is
// ever made without running its constructor.
#include <array>
#include <new>
#include <string>

#include "tarsel/tarsel_complex.hpp"
#include "python/binding.hpp"

namespace tarsel_binding {

using tars::complex128;
using tars::float128;

namespace {

template <std::size_t N>
using doubles = std::array<double, N>;

doubles<2> state_of(const float128 &x)
{
    doubles<2> state;
    x.extract(state[0], state[1]);
    return state;
}

doubles<4> state_of(const complex128 &z)
{
    doubles<2> real = state_of(z.real()), imag = state_of(z.imag());
    return {real[0], real[1], imag[0], imag[1]};
}

// Reconstructed by the class of self, so that an instance of a Python
// subclass comes back as one.
template <class T>
py::tuple reduce(self_arg<T> self)
{
    auto state = state_of(*self.value);
    py::tuple state_tuple(state.size());
    for (std::size_t i = 0; i < state.size(); ++i)
        state_tuple[i] = py::float_(state[i]);
    return py::make_tuple(py::type::handle_of(self.object), py::tuple(), state_tuple);
}

// The N doubles of a state tuple.  Every element is read before the caller
// writes anything, so a failing element leaves the instance unchanged.
template <std::size_t N>
doubles<N> read_state(PyObject *state)
{
    if (!PyTuple_Check(state) || PyTuple_GET_SIZE(state) != static_cast<Py_ssize_t>(N))
        throw py::type_error("__setstate__() needs a tuple of " + std::to_string(N) + " floats");
    doubles<N> values;
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = PyFloat_AsDouble(PyTuple_GET_ITEM(state, static_cast<Py_ssize_t>(i)));
        if (values[i] == -1.0 && PyErr_Occurred())
            throw py::error_already_set();
    }
    return values;
}

void set_state(PyObject *self, float128 &x, PyObject *state)
{
    doubles<2> parts = read_state<2>(state);
    if (is_module_constant(self))
        throw py::type_error("a module constant of tarsel cannot be changed");
    x = tarsel_from_hi_lo(parts[0], parts[1]);
}

void set_state(PyObject *, complex128 &z, PyObject *state)
{
    doubles<4> parts = read_state<4>(state);
    z = complex128(tarsel_from_hi_lo(parts[0], parts[1]), tarsel_from_hi_lo(parts[2], parts[3]));
}

// __setstate__ as a method that CPython binds itself: pybind11 treats a
// function of that name as a constructor and skips it on an instance that
// is already initialised, as every instance here is.  The method descriptor
// refuses a self of another type with TypeError before this runs.
template <class T>
PyObject *setstate_method(PyObject *self, PyObject *state)
{
    try {
        set_state(self, py::handle(self).cast<T &>(), state);
        Py_RETURN_NONE;
    } catch (py::error_already_set &e) {
        e.restore();
    } catch (const py::builtin_exception &e) {
        e.set_error();
    } catch (const std::bad_alloc &) {
        PyErr_NoMemory();
    } catch (const std::exception &e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
    }
    return nullptr;
}

PyMethodDef float128_setstate = {
    "__setstate__", &setstate_method<float128>, METH_O,
    "__setstate__(self: tarsel.Float128, state: tuple[float, float], /) -> None\n\n"
    "Pickle support: sets the value to the pair (hi, lo) of the tuple state, bit for bit.  A module "
    "constant refuses with TypeError."};

PyMethodDef complex128_setstate = {
    "__setstate__", &setstate_method<complex128>, METH_O,
    "__setstate__(self: tarsel.Complex128, state: tuple[float, float, float, float], /) -> None\n\n"
    "Pickle support: sets the value to the doubles (real hi, real lo, imag hi, imag lo) of the tuple "
    "state, bit for bit."};

void add_method(const py::object &cls, PyMethodDef &method)
{
    py::object descriptor = py::reinterpret_steal<py::object>(
        PyDescr_NewMethod(reinterpret_cast<PyTypeObject *>(cls.ptr()), &method));
    if (!descriptor)
        throw py::error_already_set();
    cls.attr(method.ml_name) = descriptor;
}

} // namespace

void register_pickling(py::module_ &m)
{
    py::class_<float128> f128 = registered_class<float128>(m, "Float128");
    f128.def("__reduce__", &reduce<float128>,
        "Pickle support: (class, (), (hi, lo)).  pickle (every protocol from 2), copy.copy and "
        "copy.deepcopy keep every bit; a module constant pickles as its value and comes back as an "
        "ordinary instance.");
    add_method(f128, float128_setstate);

    py::class_<complex128> c128 = registered_class<complex128>(m, "Complex128");
    c128.def("__reduce__", &reduce<complex128>,
        "Pickle support: (class, (), (real hi, real lo, imag hi, imag lo)).  pickle (every protocol from "
        "2), copy.copy and copy.deepcopy keep every bit.");
    add_method(c128, complex128_setstate);
}

} // namespace tarsel_binding
