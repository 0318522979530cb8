// instance_storage.hpp -- Float128 and Complex128 instances that hold their
// value themselves.
//
// pybind11 keeps the C++ value of an instance behind a pointer in the
// instance (value_ptr) and, with the default holder, allocates it on the
// heap.  Both types are made longer by their value's size
// (value_storage_setup, run before the type is readied), so that an
// instance can keep its value inside itself: value_ptr then points into the
// instance, and the holder is constructed empty, so that pybind11 frees
// nothing when the instance goes.  Every pybind11 path reads values through
// value_ptr, so it sees the same value whichever the storage.  The results
// of the operators, of the module functions and of every pybind11 function
// that returns a value of either class are made this way; instances made by
// pybind11's constructors hold a heap value as before.
//
// This relies on pybind11's instance layout (detail::instance with the
// simple layout: value_ptr, then the holder).  The layout is checked once at
// import on instances pybind11 made itself (fast_paths.cpp), and nothing
// here is used if it differs.
#ifndef TARSEL_INSTANCE_STORAGE_HPP
#define TARSEL_INSTANCE_STORAGE_HPP

#include <pybind11/pybind11.h>

#include <memory>
#include <new>

#include "tarsel/tarsel.hpp"
#include "tarsel/tarsel_complex.hpp"

namespace tarsel_binding {

namespace py = pybind11;

// Where the value sits inside an instance: after pybind11's instance
// record, aligned for the value's SSE2 registers.
template <class T>
constexpr Py_ssize_t value_offset = (Py_ssize_t(sizeof(py::detail::instance)) + Py_ssize_t(alignof(T)) - 1) /
                                    Py_ssize_t(alignof(T)) * Py_ssize_t(alignof(T));

// Run by pybind11 just before the type of T is readied: room for the value
// at value_offset<T>.
template <class T>
void value_storage_setup(PyHeapTypeObject *heap_type)
{
    PyTypeObject *type = &heap_type->ht_type;
    if (type->tp_basicsize == Py_ssize_t(sizeof(py::detail::instance)))
        type->tp_basicsize = value_offset<T> + Py_ssize_t(sizeof(T));
}

// Whether pybind11's layout passed the check at import.
bool instance_layout_checked();

// The type of T of the calling interpreter when its instances may hold their
// value themselves, else nullptr.
template <class T>
PyTypeObject *type_with_storage()
{
    if (!instance_layout_checked())
        return nullptr;
    py::detail::type_info *info = py::detail::get_type_info(typeid(T));
    return info && info->type->tp_basicsize >= value_offset<T> + Py_ssize_t(sizeof(T)) ? info->type : nullptr;
}

// The value an instance of T's class (or of a subclass) holds, or nullptr
// for one made by __new__ alone.
template <class T>
T *value_of(PyObject *obj)
{
    return static_cast<T *>(reinterpret_cast<py::detail::instance *>(obj)->simple_value_holder[0]);
}

// The room for the value inside an instance.
template <class T>
T *value_storage(PyObject *obj)
{
    return reinterpret_cast<T *>(reinterpret_cast<char *>(obj) + value_offset<T>);
}

// Whether the instance holds its value itself (not on the heap, as
// pybind11's constructors leave it, nor none, as __new__ alone does).
template <class T>
bool holds_own_value(PyObject *obj)
{
    return value_of<T>(obj) == value_storage<T>(obj);
}

// A new instance of type (T's class itself) holding x inside itself, with
// an empty holder, or nullptr with a Python exception set.
template <class T>
PyObject *new_instance(PyTypeObject *type, const T &x)
{
    PyObject *obj = type->tp_alloc(type, 0);   // zeroed: no flag set, no weak reference
    if (!obj)
        return nullptr;
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    inst->simple_value_holder[0] = new (value_storage<T>(obj)) T(x);
    new (&inst->simple_value_holder[1]) std::unique_ptr<T>();
    inst->simple_layout = true;
    inst->owned = true;
    inst->simple_holder_constructed = true;
    return obj;
}

} // namespace tarsel_binding

#endif // TARSEL_INSTANCE_STORAGE_HPP
