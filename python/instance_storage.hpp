// instance_storage.hpp -- Float128 instances that hold their value
// themselves.
//
// pybind11 keeps the C++ value of an instance behind a pointer in the
// instance (value_ptr) and, with the default holder, allocates it on the
// heap.  The Float128 type is made 16 bytes longer (value_storage_setup, run
// before the type is readied), so that an instance can keep its value inside
// itself: value_ptr then points into the instance, and the holder is
// constructed empty, so that pybind11 frees nothing when the instance goes.
// Every pybind11 path reads values through value_ptr, so it sees the same
// value whichever the storage.  The results of the operators, of the module
// functions and of every pybind11 function that returns a Float128 by value
// are made this way; the constructors' instances still hold a heap value.
//
// This relies on pybind11's instance layout (detail::instance with the
// simple layout: value_ptr, then the holder).  value_storage_ready() checks
// that layout once at import, on instances pybind11 made itself, and the
// fast paths stay off if it differs.
#ifndef TARSEL_INSTANCE_STORAGE_HPP
#define TARSEL_INSTANCE_STORAGE_HPP

#include <pybind11/pybind11.h>

#include <cstdint>
#include <memory>
#include <new>

#include "tarsel/tarsel.hpp"

namespace tarsel_binding {

namespace py = pybind11;

// Where the value sits inside an instance: after pybind11's instance
// record, aligned for the value's SSE2 register.
constexpr Py_ssize_t value_offset = (Py_ssize_t(sizeof(py::detail::instance)) + alignof(tars::float128) - 1) /
                                     Py_ssize_t(alignof(tars::float128)) * Py_ssize_t(alignof(tars::float128));

// Run by pybind11 just before the Float128 type is readied: room for the
// value at value_offset.
void value_storage_setup(PyHeapTypeObject *heap_type);

// Whether instances of the type may hold their value themselves: the room
// was made and pybind11's layout is the one this file expects.
bool value_storage_ready(PyTypeObject *type);

// The Float128 type of the calling interpreter when its instances may hold
// their value themselves, else nullptr.
PyTypeObject *float128_type_with_storage();

// The value an instance holds, or nullptr for one made by __new__ alone.
// For instances of Float128 and its subclasses only.
inline tars::float128 *value_of(PyObject *obj)
{
    return static_cast<tars::float128 *>(reinterpret_cast<py::detail::instance *>(obj)->simple_value_holder[0]);
}

// The room for the value inside an instance.
inline tars::float128 *value_storage(PyObject *obj)
{
    return reinterpret_cast<tars::float128 *>(reinterpret_cast<char *>(obj) + value_offset);
}

// Gives an instance of Float128 itself that holds no value yet the value x,
// stored inside it, and an empty holder.
inline void hold_value(PyObject *obj, const tars::float128 &x)
{
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    inst->simple_value_holder[0] = new (value_storage(obj)) tars::float128(x);
    new (&inst->simple_value_holder[1]) std::unique_ptr<tars::float128>();
    inst->simple_layout = true;
    inst->owned = true;
    inst->simple_holder_constructed = true;
}

// A new instance of type (Float128 itself) holding x, or nullptr with a
// Python exception set.
inline PyObject *new_instance(PyTypeObject *type, const tars::float128 &x)
{
    PyObject *obj = type->tp_alloc(type, 0);   // zeroed: no flag set, no weak reference
    if (obj)
        hold_value(obj, x);
    return obj;
}

} // namespace tarsel_binding

#endif // TARSEL_INSTANCE_STORAGE_HPP
