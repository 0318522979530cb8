// fast_paths.cpp -- Float128 and Complex128 arithmetic at the speed of a
// Python number.
//
// pybind11 runs an operator through its overload dispatcher: argument
// casters, a heap value per result and the instance registry, which cost
// far more than the double-double arithmetic.  Installed last, after every
// name is registered, this file gives
//  - Float128 number and rich-comparison slots of its own type (+ - * / and
//    their in-place forms, unary - and +, abs, bool, the six comparisons),
//    and Complex128 its + - * / and their in-place forms,
//  - module functions (exp ... isfinite, pow, atan2, fmod, and expm1 ...
//    spacing, hypot ... nextafter of C's library) that are thin callables
//    in front of the pybind11 functions, taking a Float128 and, for sin,
//    cos, tan, sinh, cosh, tanh and abs, a Complex128,
//  - a constructor path for Float128() and Float128(a float), through
//    vectorcall,
// each of which computes when every operand is an initialised instance of
// the class itself (an exact float for the constructor) and otherwise hands
// the call, unchanged, to the pybind11 method or function it stands in
// front of (a Python number meeting a Complex128 included).  The results
// are the same functions of the object layer, so the same bits, and the
// exceptions are pybind11's own.  Results hold their value in the instance
// (instance_storage.hpp).
//
// Subclasses keep Python's generic slots, which call the pybind11 methods:
// an instance of a subclass is never taken by a fast path.
#include <pybind11/pybind11.h>

#include <deque>
#include <string>
#include <type_traits>

#include "python/binding.hpp"
#include "python/instance_storage.hpp"
#include "tarsel/tarsel_complex.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

using tars::complex128;

bool layout_checked = false;

/* --- operands --- */

template <class T>
PyObject *fast_add(PyObject *a, PyObject *b);

// An instance of T's class itself (of the calling interpreter): its
// addition slot is this file's, where a subclass has Python's generic one.
template <class T>
bool is_exactly(PyObject *obj)
{
    PyNumberMethods *nb = Py_TYPE(obj)->tp_as_number;
    return nb && nb->nb_add == &fast_add<T>;
}

// The value of an initialised instance of T's class itself, else nullptr.
template <class T>
T *fast_operand(PyObject *obj)
{
    return is_exactly<T>(obj) ? value_of<T>(obj) : nullptr;
}

// The right operand of an operator: an initialised instance of the class
// itself, or for Complex128 an exact Python float or complex, taken as its
// parameters take them.  Anything else goes to pybind11.
bool right_operand(PyObject *obj, float128 &y)
{
    float128 *v = fast_operand<float128>(obj);
    if (v)
        y = *v;
    return v;
}

bool right_operand(PyObject *obj, complex128 &y)
{
    if (complex128 *v = fast_operand<complex128>(obj)) {
        y = *v;
        return true;
    }
    if (PyFloat_CheckExact(obj)) {
        y = complex128(PyFloat_AS_DOUBLE(obj), 0.0);
        return true;
    }
    if (PyComplex_CheckExact(obj)) {
        Py_complex c = PyComplex_AsCComplex(obj);
        y = complex128(c.real, c.imag);
        return true;
    }
    return false;
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

template <class T, class Op>
PyObject *binary(PyObject *a, PyObject *b, const char *name, Op op)
{
    T *x = fast_operand<T>(a), y;
    if (x && right_operand(b, y))
        return new_instance<T>(Py_TYPE(a), op(*x, y));
    if (is_exactly<T>(a))
        return call_method(name, a, b);
    Py_RETURN_NOTIMPLEMENTED;
}

template <class T>
PyObject *fast_add(PyObject *a, PyObject *b)
{
    return binary<T>(a, b, "__add__", [](const T &x, const T &y) { return x + y; });
}

template <class T>
PyObject *fast_subtract(PyObject *a, PyObject *b)
{
    return binary<T>(a, b, "__sub__", [](const T &x, const T &y) { return x - y; });
}

template <class T>
PyObject *fast_multiply(PyObject *a, PyObject *b)
{
    return binary<T>(a, b, "__mul__", [](const T &x, const T &y) { return x * y; });
}

template <class T>
PyObject *fast_divide(PyObject *a, PyObject *b)
{
    return binary<T>(a, b, "__truediv__", [](const T &x, const T &y) { return x / y; });
}

// In place: the left instance is updated and returned, except a module
// constant, whose result is a new instance (constants.cpp).  Only an
// instance of the class itself reaches these slots as the left operand.
template <class T, class Op>
PyObject *in_place(PyObject *a, PyObject *b, const char *name, Op op)
{
    T *x = fast_operand<T>(a), y;
    if (!x || !right_operand(b, y))
        return call_method(name, a, b);
    if (is_module_constant(a)) {
        T r = *x;
        op(r, y);
        return new_instance<T>(Py_TYPE(a), r);
    }
    op(*x, y);
    return Py_NewRef(a);
}

template <class T>
PyObject *fast_in_place_add(PyObject *a, PyObject *b)
{
    return in_place<T>(a, b, "__iadd__", [](T &x, const T &y) { x += y; });
}

template <class T>
PyObject *fast_in_place_subtract(PyObject *a, PyObject *b)
{
    return in_place<T>(a, b, "__isub__", [](T &x, const T &y) { x -= y; });
}

template <class T>
PyObject *fast_in_place_multiply(PyObject *a, PyObject *b)
{
    return in_place<T>(a, b, "__imul__", [](T &x, const T &y) { x *= y; });
}

template <class T>
PyObject *fast_in_place_divide(PyObject *a, PyObject *b)
{
    return in_place<T>(a, b, "__itruediv__", [](T &x, const T &y) { x /= y; });
}

template <class Op>
PyObject *unary(PyObject *a, const char *name, Op op)
{
    if (float128 *x = fast_operand<float128>(a))
        return new_instance<float128>(Py_TYPE(a), op(*x));
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
    if (float128 *x = fast_operand<float128>(a))
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
    float128 *x = fast_operand<float128>(a), *y = fast_operand<float128>(b);
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

// An instance of either class itself (a subclass's instance never holds its
// value itself) that holds its value itself, with no weak reference and
// nothing pybind11 keeps alive for it, owns nothing but its memory; any
// other goes through pybind11's deallocation, which is the same function
// for both classes.
destructor pybind11_dealloc = nullptr;

void fast_dealloc(PyObject *self)
{
    auto *inst = reinterpret_cast<py::detail::instance *>(self);
    static_assert(value_offset<float128> == value_offset<complex128>, "one place for the value in both classes");
    if (holds_own_value<float128>(self) && !inst->weakrefs && !inst->has_patients &&
        !inst->simple_instance_registered) {
        PyTypeObject *type = Py_TYPE(self);
        type->tp_free(self);
        Py_DECREF(type);
        return;
    }
    pybind11_dealloc(self);
}

/* --- the constructor --- */

// Float128() and Float128(f) for an exact float f: its metaclass lets calls
// of the class go through vectorcall (pybind11's metaclass takes only the
// tuple call), so that these build no argument tuple and skip __new__ and
// __init__.  Any other call is the metaclass's tuple call, as Python would
// make it, and so is every call of a subclass, which has no vectorcall of
// its own.
PyObject *fast_construct(PyObject *cls, PyObject *const *args, size_t nargsf, PyObject *kwnames)
{
    auto *type = reinterpret_cast<PyTypeObject *>(cls);
    Py_ssize_t n = PyVectorcall_NARGS(nargsf);
    if (!kwnames && (n == 0 || (n == 1 && PyFloat_CheckExact(args[0]))))
        return new_instance<float128>(type, float128(n == 0 ? 0.0 : PyFloat_AS_DOUBLE(args[0])));
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
    if (nargs >= 1 && is_exactly<float128>(args[0]) && holds_own_value<float128>(args[0]))
        Py_RETURN_NONE;
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

// F of a Float128, or C of a Complex128 where the function has a complex
// overload.
template <float128 (*F)(float128), auto C = nullptr>
PyObject *real_function(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 1 && !kwnames) {
        if (float128 *x = fast_operand<float128>(args[0]))
            return new_instance<float128>(Py_TYPE(args[0]), F(*x));
        if constexpr (C != nullptr) {
            if (complex128 *z = fast_operand<complex128>(args[0])) {
                auto r = C(*z);
                if constexpr (std::is_same_v<decltype(r), float128>) {
                    if (PyTypeObject *type = type_with_storage<float128>())   // abs of a Complex128
                        return new_instance<float128>(type, r);
                } else {
                    return new_instance<complex128>(Py_TYPE(args[0]), r);
                }
            }
        }
    }
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

template <float128 (*F)(float128, float128)>
PyObject *real_function2(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 2 && !kwnames) {
        float128 *x = fast_operand<float128>(args[0]), *y = fast_operand<float128>(args[1]);
        if (x && y)
            return new_instance<float128>(Py_TYPE(args[0]), F(*x, *y));
    }
    return PyObject_Vectorcall(original_of(self), args, size_t(nargs), kwnames);
}

template <bool (*F)(const float128 &)>
PyObject *predicate(PyObject *self, PyObject *const *args, Py_ssize_t nargs, PyObject *kwnames)
{
    if (nargs == 1 && !kwnames)
        if (float128 *x = fast_operand<float128>(args[0]))
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
float128 f_expm1(float128 x) { return tars::expm1(x); }
float128 f_log1p(float128 x) { return tars::log1p(x); }
float128 f_log2(float128 x) { return tars::log2(x); }
float128 f_log10(float128 x) { return tars::log10(x); }
float128 f_exp2(float128 x) { return tars::exp2(x); }
float128 f_cbrt(float128 x) { return tars::cbrt(x); }
float128 f_asinh(float128 x) { return tars::asinh(x); }
float128 f_acosh(float128 x) { return tars::acosh(x); }
float128 f_atanh(float128 x) { return tars::atanh(x); }
float128 f_erf(float128 x) { return tars::erf(x); }
float128 f_erfc(float128 x) { return tars::erfc(x); }
float128 f_gamma(float128 x) { return tars::gamma(x); }
float128 f_lgamma(float128 x) { return tars::lgamma(x); }
float128 f_deg2rad(float128 x) { return tars::deg2rad(x); }
float128 f_rad2deg(float128 x) { return tars::rad2deg(x); }
float128 f_spacing(float128 x) { return tars::spacing(x); }
float128 f_hypot(float128 x, float128 y) { return tars::hypot(x, y); }
float128 f_logaddexp(float128 x, float128 y) { return tars::logaddexp(x, y); }
float128 f_logaddexp2(float128 x, float128 y) { return tars::logaddexp2(x, y); }
float128 f_nextafter(float128 x, float128 y) { return tars::nextafter(x, y); }
bool f_isnan(const float128 &x) { return tars::isnan(x); }
bool f_isinf(const float128 &x) { return tars::isinf(x); }
bool f_isfinite(const float128 &x) { return tars::isfinite(x); }
complex128 z_sin(const complex128 &z) { return tars::sin(z); }
complex128 z_cos(const complex128 &z) { return tars::cos(z); }
complex128 z_tan(const complex128 &z) { return tars::tan(z); }
complex128 z_sinh(const complex128 &z) { return tars::sinh(z); }
complex128 z_cosh(const complex128 &z) { return tars::cosh(z); }
complex128 z_tanh(const complex128 &z) { return tars::tanh(z); }
float128 z_abs(const complex128 &z) { return tars::abs(z); }

// METH_FASTCALL | METH_KEYWORDS.
using fast_call = PyObject *(*)(PyObject *, PyObject *const *, Py_ssize_t, PyObject *);

struct fast_function {
    const char *name;
    fast_call call;
};

const fast_function fast_functions[] = {
    {"exp", &real_function<f_exp>},
    {"log", &real_function<f_log>},
    {"sqrt", &real_function<f_sqrt>},
    {"sin", &real_function<f_sin, z_sin>},
    {"cos", &real_function<f_cos, z_cos>},
    {"tan", &real_function<f_tan, z_tan>},
    {"atan", &real_function<f_atan>},
    {"asin", &real_function<f_asin>},
    {"acos", &real_function<f_acos>},
    {"sinh", &real_function<f_sinh, z_sinh>},
    {"cosh", &real_function<f_cosh, z_cosh>},
    {"tanh", &real_function<f_tanh, z_tanh>},
    {"floor", &real_function<f_floor>},
    {"ceil", &real_function<f_ceil>},
    {"trunc", &real_function<f_trunc>},
    {"round", &real_function<f_round>},
    {"abs", &real_function<f_abs, z_abs>},
    {"isnan", &predicate<f_isnan>},
    {"isinf", &predicate<f_isinf>},
    {"isfinite", &predicate<f_isfinite>},
    {"pow", &real_function2<f_pow>},
    {"atan2", &real_function2<f_atan2>},
    {"fmod", &real_function2<f_fmod>},
    {"expm1", &real_function<f_expm1>},
    {"log1p", &real_function<f_log1p>},
    {"log2", &real_function<f_log2>},
    {"log10", &real_function<f_log10>},
    {"exp2", &real_function<f_exp2>},
    {"cbrt", &real_function<f_cbrt>},
    {"asinh", &real_function<f_asinh>},
    {"acosh", &real_function<f_acosh>},
    {"atanh", &real_function<f_atanh>},
    {"erf", &real_function<f_erf>},
    {"erfc", &real_function<f_erfc>},
    {"gamma", &real_function<f_gamma>},
    {"lgamma", &real_function<f_lgamma>},
    {"deg2rad", &real_function<f_deg2rad>},
    {"rad2deg", &real_function<f_rad2deg>},
    {"spacing", &real_function<f_spacing>},
    {"hypot", &real_function2<f_hypot>},
    {"logaddexp", &real_function2<f_logaddexp>},
    {"logaddexp2", &real_function2<f_logaddexp2>},
    {"nextafter", &real_function2<f_nextafter>},
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
    py::object module_name = original.attr("__module__");
    py::object fn = py::reinterpret_steal<py::object>(PyCFunction_NewEx(&made.def, self.ptr(), module_name.ptr()));
    if (!fn)
        throw py::error_already_set();
    return fn;
}

/* --- the check of pybind11's layout --- */

// Instances pybind11 makes must show the layout instance_storage.hpp
// writes: the simple layout with value_ptr first, and the room for the value
// after the record.
template <class T>
bool layout_as_expected(PyTypeObject *type, const T &sample)
{
    if (type->tp_basicsize < value_offset<T> + Py_ssize_t(sizeof(T)))
        return false;
    py::object made = py::reinterpret_steal<py::object>(
        py::detail::type_caster_base<T>::cast(sample, py::return_value_policy::copy, nullptr).ptr());
    if (!made)
        throw py::error_already_set();
    auto *inst = reinterpret_cast<py::detail::instance *>(made.ptr());
    py::detail::value_and_holder v_h = inst->get_value_and_holder();
    return inst->simple_layout && v_h.value_ptr() == inst->simple_value_holder[0] && v_h.holder_constructed() &&
           value_of<T>(made.ptr()) == &py::cast<T &>(made);
}

template <class T>
void install_arithmetic(PyTypeObject *type)
{
    PyNumberMethods *nb = type->tp_as_number;
    nb->nb_add = &fast_add<T>;
    nb->nb_subtract = &fast_subtract<T>;
    nb->nb_multiply = &fast_multiply<T>;
    nb->nb_true_divide = &fast_divide<T>;
    nb->nb_inplace_add = &fast_in_place_add<T>;
    nb->nb_inplace_subtract = &fast_in_place_subtract<T>;
    nb->nb_inplace_multiply = &fast_in_place_multiply<T>;
    nb->nb_inplace_true_divide = &fast_in_place_divide<T>;
    pybind11_dealloc = type->tp_dealloc;
    type->tp_dealloc = &fast_dealloc;
}

} // namespace

bool instance_layout_checked()
{
    return layout_checked;
}

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

void register_fast_paths(py::module_ &m)
{
    py::object type_handle = m.attr("Float128"), complex_handle = m.attr("Complex128");
    auto *type = reinterpret_cast<PyTypeObject *>(type_handle.ptr());
    auto *complex_type = reinterpret_cast<PyTypeObject *>(complex_handle.ptr());
    if (!layout_as_expected(type, float128(1.5)) || !layout_as_expected(complex_type, complex128(1.5, -2.5)))
        return;   // pybind11 lays instances out otherwise: every call keeps pybind11's path
    layout_checked = true;

    install_arithmetic<float128>(type);
    install_arithmetic<complex128>(complex_type);
    PyNumberMethods *nb = type->tp_as_number;
    nb->nb_negative = &fast_negative;
    nb->nb_positive = &fast_positive;
    nb->nb_absolute = &fast_absolute;
    nb->nb_bool = &fast_bool;
    type->tp_richcompare = &fast_compare;

    // The pybind11 functions behind the fronts, for the tests that compare
    // both ways (tarsel._core._pybind11_function).
    py::dict originals;
    originals["__init__"] = type_handle.attr("__init__");
    py::object init = py::reinterpret_steal<py::object>(
        PyInstanceMethod_New(put_in_front(type_handle, {"__init__", &initialiser}).ptr()));
    if (!init)
        throw py::error_already_set();
    type_handle.attr("__init__") = init;
    type->tp_vectorcall = &fast_construct;   // its metaclass (float128_metaclass) calls the class through it
    PyType_Modified(type);
    PyType_Modified(complex_type);

    for (const fast_function &f : fast_functions) {
        originals[f.name] = m.attr(f.name);
        m.attr(f.name) = put_in_front(m, f);
    }
    m.def("_pybind11_function", [originals](const std::string &name) { return originals[name.c_str()]; },
          py::arg("name"), "The pybind11 function behind the front of that name (for the tests).");
}

} // namespace tarsel_binding
