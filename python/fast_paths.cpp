// fast_paths.cpp -- Float128 arithmetic at the speed of a Python number.
//
// pybind11 runs an operator through its overload dispatcher: argument
// casters, a heap value per result and the instance registry, which cost
// far more than the double-double arithmetic.  Installed last, after every
// name is registered, this file gives Float128
//  - number and rich-comparison slots of its own type (+ - * / and their
//    in-place forms, unary - and +, abs, bool, the six comparisons),
//  - module functions of a Float128 argument (exp ... isfinite, pow, atan2,
//    fmod) that are thin callables in front of the pybind11 functions,
//  - a constructor path for Float128() and Float128(a float),
// each of which computes when every operand is an initialised instance of
// Float128 itself (an exact float for the constructor) and otherwise hands
// the call, unchanged, to the pybind11 method or function it stands in
// front of.  The results are the same functions of the object layer, so
// the same bits, and the exceptions are pybind11's own.  Results hold their
// value in the instance (instance_storage.hpp).
//
// Subclasses of Float128 keep Python's generic slots, which call the
// pybind11 methods: an instance of a subclass is never taken by a fast path.
#include <pybind11/pybind11.h>

#include <deque>
#include <string>

#include "python/binding.hpp"
#include "python/instance_storage.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

bool layout_checked = false;

/* --- operands --- */

PyObject *fast_add(PyObject *a, PyObject *b);

// An instance of Float128 itself (of the calling interpreter's class): its
// addition slot is this file's, where a subclass has Python's generic one.
inline bool is_float128(PyObject *obj)
{
    PyNumberMethods *nb = Py_TYPE(obj)->tp_as_number;
    return nb && nb->nb_add == &fast_add;
}

// The value of an initialised instance of Float128 itself, else nullptr.
inline float128 *fast_operand(PyObject *obj)
{
    return is_float128(obj) ? value_of(obj) : nullptr;
}

PyObject *result(PyTypeObject *type, const float128 &x)
{
    return new_instance(type, x);
}

PyObject *boolean(bool b)
{
    return Py_NewRef(b ? Py_True : Py_False);
}

// self.name(other) or self.name(): the pybind11 method, looked up as
// Python's generic slots look it up.
PyObject *call_method(const char *name, PyObject *self, PyObject *other = nullptr)
{
    PyObject *method_name = PyUnicode_InternFromString(name);
    if (!method_name)
        return nullptr;
    PyObject *args[] = {self, other};
    PyObject *r = PyObject_VectorcallMethod(method_name, args, other ? 2 : 1, nullptr);
    Py_DECREF(method_name);
    return r;
}

/* --- number slots --- */

// A slot receives its operands in Python's order, and the left one need not
// be a Float128 (1.0 + x reaches x's slot).  Anything but two initialised
// instances of Float128 gets what Python's generic slot gives for a type
// that defines the method and no reflected one: the left operand's method
// when it is a Float128, else NotImplemented.

template <class Op>
PyObject *binary(PyObject *a, PyObject *b, const char *name, Op op)
{
    float128 *x = fast_operand(a), *y = fast_operand(b);
    if (x && y)
        return result(Py_TYPE(a), op(*x, *y));
    if (is_float128(a))
        return call_method(name, a, b);
    Py_RETURN_NOTIMPLEMENTED;
}

PyObject *fast_add(PyObject *a, PyObject *b)
{
    return binary(a, b, "__add__", [](const float128 &x, const float128 &y) { return x + y; });
}

PyObject *fast_subtract(PyObject *a, PyObject *b)
{
    return binary(a, b, "__sub__", [](const float128 &x, const float128 &y) { return x - y; });
}

PyObject *fast_multiply(PyObject *a, PyObject *b)
{
    return binary(a, b, "__mul__", [](const float128 &x, const float128 &y) { return x * y; });
}

PyObject *fast_divide(PyObject *a, PyObject *b)
{
    return binary(a, b, "__truediv__", [](const float128 &x, const float128 &y) { return x / y; });
}

// In place: the left instance is updated and returned, except a module
// constant, whose result is a new instance (constants.cpp).  Only an
// instance of Float128 itself reaches these slots as the left operand.
template <class Op>
PyObject *in_place(PyObject *a, PyObject *b, const char *name, Op op)
{
    float128 *x = fast_operand(a), *y = fast_operand(b);
    if (!x || !y)
        return call_method(name, a, b);
    if (is_module_constant(a)) {
        float128 r = *x;
        op(r, *y);
        return result(Py_TYPE(a), r);
    }
    op(*x, *y);
    return Py_NewRef(a);
}

PyObject *fast_in_place_add(PyObject *a, PyObject *b)
{
    return in_place(a, b, "__iadd__", [](float128 &x, const float128 &y) { x += y; });
}

PyObject *fast_in_place_subtract(PyObject *a, PyObject *b)
{
    return in_place(a, b, "__isub__", [](float128 &x, const float128 &y) { x -= y; });
}

PyObject *fast_in_place_multiply(PyObject *a, PyObject *b)
{
    return in_place(a, b, "__imul__", [](float128 &x, const float128 &y) { x *= y; });
}

PyObject *fast_in_place_divide(PyObject *a, PyObject *b)
{
    return in_place(a, b, "__itruediv__", [](float128 &x, const float128 &y) { x /= y; });
}

template <class Op>
PyObject *unary(PyObject *a, const char *name, Op op)
{
    if (float128 *x = fast_operand(a))
        return result(Py_TYPE(a), op(*x));
    return call_method(name, a);
}

PyObject *fast_negative(PyObject *a)
{
    return unary(a, "__neg__", [](const float128 &x) { return -x; });
}

PyObject *fast_positive(PyObject *a)
{
    return unary(a, "__pos__", [](const float128 &x) { return x; });
}

PyObject *fast_absolute(PyObject *a)
{
    return unary(a, "__abs__", [](const float128 &x) { return tars::abs(x); });
}

int fast_bool(PyObject *a)
{
    if (float128 *x = fast_operand(a))
        return !(*x == float128(0.0));
    PyObject *r = call_method("__bool__", a);
    if (!r)
        return -1;
    int truth = PyObject_IsTrue(r);
    Py_DECREF(r);
    return truth;
}

PyObject *fast_compare(PyObject *a, PyObject *b, int op)
{
    float128 *x = fast_operand(a), *y = fast_operand(b);
    if (x && y) {
        switch (op) {
        case Py_LT: return boolean(*x < *y);
        case Py_LE: return boolean(*x <= *y);
        case Py_EQ: return boolean(*x == *y);
        case Py_NE: return boolean(*x != *y);
        case Py_GT: return boolean(*x > *y);
        default: return boolean(*x >= *y);
        }
    }
    static const char *const names[] = {"__lt__", "__le__", "__eq__", "__ne__", "__gt__", "__ge__"};
    return call_method(names[op], a, b);
}

/* --- deallocation --- */

// An instance that holds its value itself, with no weak reference and
// nothing pybind11 keeps alive for it, owns nothing but its memory; any
// other goes through pybind11's deallocation.
destructor pybind11_dealloc = nullptr;

void fast_dealloc(PyObject *self)
{
    auto *inst = reinterpret_cast<py::detail::instance *>(self);
    if (is_float128(self) && value_of(self) == value_storage(self) && !inst->weakrefs && !inst->has_patients &&
        !inst->simple_instance_registered) {
        PyTypeObject *type = Py_TYPE(self);
        type->tp_free(self);
        Py_DECREF(type);
        return;
    }
    pybind11_dealloc(self);
}

/* --- the constructor --- */

// Float128() and Float128(f) for an exact float f: the fresh instance
// pybind11's __new__ made receives its value here.  Any other call, and
// every call of a subclass, goes to pybind11's __init__ unchanged.
initproc pybind11_init = nullptr;

int fast_init(PyObject *self, PyObject *args, PyObject *kwargs)
{
    if (is_float128(self) && !value_of(self) && !(kwargs && PyDict_GET_SIZE(kwargs))) {
        Py_ssize_t n = PyTuple_GET_SIZE(args);
        if (n == 0 || (n == 1 && PyFloat_CheckExact(PyTuple_GET_ITEM(args, 0)))) {
            hold_value(self, float128(n == 0 ? 0.0 : PyFloat_AS_DOUBLE(PyTuple_GET_ITEM(args, 0))));
            return 0;
        }
    }
    return pybind11_init(self, args, kwargs);
}

// Float128(...) itself: its metaclass lets calls of the class go through
// vectorcall (pybind11's metaclass takes only the tuple call), so that a
// call the fast path takes builds no argument tuple and skips __new__ and
// __init__.  Any other call is the metaclass's tuple call, as Python would
// make it.  Subclasses have no vectorcall of their own.
PyObject *fast_construct(PyObject *cls, PyObject *const *args, size_t nargsf, PyObject *kwnames)
{
    auto *type = reinterpret_cast<PyTypeObject *>(cls);
    Py_ssize_t n = PyVectorcall_NARGS(nargsf);
    if (!kwnames && (n == 0 || (n == 1 && PyFloat_CheckExact(args[0]))))
        return result(type, float128(n == 0 ? 0.0 : PyFloat_AS_DOUBLE(args[0])));
    py::tuple positional(n);
    for (Py_ssize_t k = 0; k < n; ++k)
        positional[size_t(k)] = py::reinterpret_borrow<py::object>(args[k]);
    py::dict keywords;
    for (Py_ssize_t k = 0; kwnames && k < PyTuple_GET_SIZE(kwnames); ++k)
        keywords[PyTuple_GET_ITEM(kwnames, k)] = py::reinterpret_borrow<py::object>(args[n + k]);
    return Py_TYPE(cls)->tp_call(cls, positional.ptr(), kwnames ? keywords.ptr() : nullptr);
}

/* --- module functions --- */

// A module function of one or two Float128 arguments in front of the
// pybind11 function it replaces in the module: the same name, docstring and
// module, and the original behind a capsule as the function's self, as
// pybind11's own functions have.
struct front {
    PyMethodDef def;
    std::string name, doc;
};

PyObject *original_of(PyObject *self)
{
    return static_cast<PyObject *>(PyCapsule_GetPointer(self, "tarsel.original"));
}

// pybind11 ignores __init__ called again on an instance it registered;
// instances that hold their value themselves are not in its registry, so
// the guard is here.
PyObject *initialiser(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs >= 1 && is_float128(args[0]) && value_of(args[0]) == value_storage(args[0]))
        Py_RETURN_NONE;
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

template <float128 (*F)(float128)>
PyObject *real_function(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 1 && !kwnames)
        if (float128 *x = fast_operand(args[0]))
            return result(Py_TYPE(args[0]), F(*x));
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

template <float128 (*F)(float128, float128)>
PyObject *real_function2(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 2 && !kwnames) {
        float128 *x = fast_operand(args[0]), *y = fast_operand(args[1]);
        if (x && y)
            return result(Py_TYPE(args[0]), F(*x, *y));
    }
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

template <bool (*F)(const float128 &)>
PyObject *predicate(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 1 && !kwnames)
        if (float128 *x = fast_operand(args[0]))
            return boolean(F(*x));
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

float128 f_exp(float128 x) { return tars::exp(x); }
float128 f_log(float128 x) { return tars::log(x); }
float128 f_sqrt(float128 x) { return tars::sqrt(x); }
float128 f_sin(float128 x) { return tars::sin(x); }
float128 f_cos(float128 x) { return tars::cos(x); }
float128 f_tan(float128 x) { return tars::tan(x); }
float128 f_atan(float128 x) { return tars::atan(x); }
float128 f_asin(float128 x) { return tars::asin(x); }
float128 f_acos(float128 x) { return tars::acos(x); }
float128 f_sinh(float128 x) { return tars::sinh(x); }
float128 f_cosh(float128 x) { return tars::cosh(x); }
float128 f_tanh(float128 x) { return tars::tanh(x); }
float128 f_floor(float128 x) { return tars::floor(x); }
float128 f_ceil(float128 x) { return tars::ceil(x); }
float128 f_trunc(float128 x) { return tars::trunc(x); }
float128 f_round(float128 x) { return tars::round(x); }
float128 f_abs(float128 x) { return tars::abs(x); }
float128 f_pow(float128 x, float128 y) { return tars::pow(x, y); }
float128 f_atan2(float128 y, float128 x) { return tars::atan2(y, x); }
float128 f_fmod(float128 x, float128 y) { return tars::fmod(x, y); }
bool f_isnan(const float128 &x) { return tars::isnan(x); }
bool f_isinf(const float128 &x) { return tars::isinf(x); }
bool f_isfinite(const float128 &x) { return tars::isfinite(x); }

// METH_FASTCALL | METH_KEYWORDS.
using fast_call = PyObject *(*)(PyObject *, PyObject *const *, Py_ssize_t, PyObject *);

struct fast_function {
    const char *name;
    fast_call call;
};

const fast_function fast_functions[] = {
    {"exp", &real_function<f_exp>},       {"log", &real_function<f_log>},
    {"sqrt", &real_function<f_sqrt>},     {"sin", &real_function<f_sin>},
    {"cos", &real_function<f_cos>},       {"tan", &real_function<f_tan>},
    {"atan", &real_function<f_atan>},     {"asin", &real_function<f_asin>},
    {"acos", &real_function<f_acos>},     {"sinh", &real_function<f_sinh>},
    {"cosh", &real_function<f_cosh>},     {"tanh", &real_function<f_tanh>},
    {"floor", &real_function<f_floor>},   {"ceil", &real_function<f_ceil>},
    {"trunc", &real_function<f_trunc>},   {"round", &real_function<f_round>},
    {"abs", &real_function<f_abs>},       {"isnan", &predicate<f_isnan>},
    {"isinf", &predicate<f_isinf>},       {"isfinite", &predicate<f_isfinite>},
    {"pow", &real_function2<f_pow>},      {"atan2", &real_function2<f_atan2>},
    {"fmod", &real_function2<f_fmod>},
};

// The method definitions live as long as the process: a function object
// keeps a pointer to its definition.
std::deque<front> &fronts()
{
    static std::deque<front> all;
    return all;
}

py::object put_in_front(py::handle scope, const fast_function &f)
{
    py::object original = scope.attr(f.name);
    front &made = fronts().emplace_back();
    made.name = f.name;
    made.doc = py::str(original.attr("__doc__"));
    made.def = {made.name.c_str(), reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(f.call)),
                METH_FASTCALL | METH_KEYWORDS, made.doc.c_str()};
    py::capsule self(original.inc_ref().ptr(), "tarsel.original", [](PyObject *capsule) {
        Py_XDECREF(static_cast<PyObject *>(PyCapsule_GetPointer(capsule, "tarsel.original")));
    });
    py::object fn = py::reinterpret_steal<py::object>(PyCFunction_NewEx(&made.def, self.ptr(), original.attr("__module__").ptr()));
    if (!fn)
        throw py::error_already_set();
    return fn;
}

/* --- the check of pybind11's layout --- */

// Instances made by pybind11 must show the layout instance_storage.hpp
// writes: the simple layout with value_ptr first, and the room for the value
// after the record.
bool layout_as_expected(PyTypeObject *type)
{
    if (type->tp_basicsize < value_offset + Py_ssize_t(sizeof(float128)))
        return false;
    py::object made = py::reinterpret_steal<py::object>(
        py::detail::type_caster_base<float128>::cast(float128(1.5), py::return_value_policy::move, nullptr).ptr());
    if (!made)
        throw py::error_already_set();
    auto *inst = reinterpret_cast<py::detail::instance *>(made.ptr());
    py::detail::value_and_holder v_h = inst->get_value_and_holder();
    return inst->simple_layout && v_h.value_ptr() == inst->simple_value_holder[0] &&
           v_h.holder_constructed() && value_of(made.ptr()) == &py::cast<float128 &>(made) &&
           *value_of(made.ptr()) == float128(1.5);
}

} // namespace

py::object float128_metaclass()
{
    auto *base = reinterpret_cast<PyObject *>(py::detail::get_internals().default_metaclass);
    py::dict namespace_;
    namespace_["__module__"] = "tarsel";
    namespace_["__doc__"] = "The metaclass of Float128: pybind11's, calling the class through vectorcall.";
    py::object meta = py::reinterpret_borrow<py::object>(reinterpret_cast<PyObject *>(&PyType_Type))(
        "Float128Type", py::make_tuple(py::handle(base)), namespace_);
    auto *type = reinterpret_cast<PyTypeObject *>(meta.ptr());
    type->tp_vectorcall_offset = offsetof(PyTypeObject, tp_vectorcall);
    type->tp_flags |= Py_TPFLAGS_HAVE_VECTORCALL;
    PyType_Modified(type);
    return meta;
}

void value_storage_setup(PyHeapTypeObject *heap_type)
{
    PyTypeObject *type = &heap_type->ht_type;
    if (type->tp_basicsize == Py_ssize_t(sizeof(py::detail::instance)))
        type->tp_basicsize = value_offset + Py_ssize_t(sizeof(float128));
}

bool value_storage_ready(PyTypeObject *type)
{
    return layout_checked && type->tp_basicsize >= value_offset + Py_ssize_t(sizeof(float128));
}

PyTypeObject *float128_type_with_storage()
{
    if (!layout_checked)
        return nullptr;
    py::detail::type_info *info = py::detail::get_type_info(typeid(float128));
    return info && value_storage_ready(info->type) ? info->type : nullptr;
}

void register_fast_paths(py::module_ &m)
{
    py::object type_handle = m.attr("Float128");
    auto *type = reinterpret_cast<PyTypeObject *>(type_handle.ptr());
    if (!layout_as_expected(type))
        return;   // pybind11 lays instances out otherwise: every call keeps pybind11's path
    layout_checked = true;

    PyNumberMethods *nb = type->tp_as_number;
    nb->nb_add = &fast_add;
    nb->nb_subtract = &fast_subtract;
    nb->nb_multiply = &fast_multiply;
    nb->nb_true_divide = &fast_divide;
    nb->nb_inplace_add = &fast_in_place_add;
    nb->nb_inplace_subtract = &fast_in_place_subtract;
    nb->nb_inplace_multiply = &fast_in_place_multiply;
    nb->nb_inplace_true_divide = &fast_in_place_divide;
    nb->nb_negative = &fast_negative;
    nb->nb_positive = &fast_positive;
    nb->nb_absolute = &fast_absolute;
    nb->nb_bool = &fast_bool;
    type->tp_richcompare = &fast_compare;
    pybind11_dealloc = type->tp_dealloc;
    type->tp_dealloc = &fast_dealloc;
    // Setting __init__ gives the type Python's generic tp_init, which calls
    // it; fast_init goes in front of that.
    // The pybind11 functions behind the fronts, for the tests that compare
    // both ways (tarsel._core._pybind11_function).
    py::dict originals;
    originals["__init__"] = type_handle.attr("__init__");
    py::object init = py::reinterpret_steal<py::object>(
        PyInstanceMethod_New(put_in_front(type_handle, {"__init__", &initialiser}).ptr()));
    if (!init)
        throw py::error_already_set();
    type_handle.attr("__init__") = init;
    pybind11_init = type->tp_init;
    type->tp_init = &fast_init;
    if (PyType_HasFeature(Py_TYPE(type), Py_TPFLAGS_HAVE_VECTORCALL))
        type->tp_vectorcall = &fast_construct;
    PyType_Modified(type);

    for (const fast_function &f : fast_functions) {
        originals[f.name] = m.attr(f.name);
        m.attr(f.name) = put_in_front(m, f);
    }
    m.def("_pybind11_function", [originals](const std::string &name) { return originals[name.c_str()]; },
          py::arg("name"), "The pybind11 function behind the front of that name (for the tests).");
}

} // namespace tarsel_binding
