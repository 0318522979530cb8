// descriptor.cpp -- the DType class tarsel.Float128DType and its one
// descriptor, tarsel.float128:
// how NumPy finds the dtype of Float128 values, stores and reads elements,
// promotes it with other dtypes, compares, fills and picks elements.
//
// The class is built on NumPy's DType API: a static type whose metatype is
// NumPy's DType metaclass, derived from np.dtype, with one descriptor (the
// dtype has no parameters).  Float128 is its scalar type, so x[i] is a
// Float128 and np.array([Float128(...)]) finds the dtype by itself.
#include "python/dtype/dtype.hpp"

#include "src/linalg/matmul.hpp"

#include "python/binding.hpp"

#include <cmath>

namespace tarsel_dtype {

namespace py = pybind11;

namespace {

PyArray_DTypeMeta dtype_class;
PyArray_Descr *descriptor = nullptr;
PyObject *scalar_type = nullptr;

/* --- the descriptor --- */

PyArray_Descr *new_descriptor()
{
    PyArray_Descr *d = reinterpret_cast<PyArray_Descr *>(
        PyArrayDescr_Type.tp_new(reinterpret_cast<PyTypeObject *>(&dtype_class), nullptr, nullptr));
    if (!d)
        return nullptr;
    d->elsize = 16;
    d->alignment = alignof(double);
    return d;
}

// Float128DType(): the one descriptor, tarsel.float128.
PyObject *dtype_new(PyTypeObject *, PyObject *args, PyObject *kwargs)
{
    if (PyTuple_GET_SIZE(args) != 0 || (kwargs && PyDict_GET_SIZE(kwargs) != 0)) {
        PyErr_SetString(PyExc_TypeError, "Float128DType() takes no arguments");
        return nullptr;
    }
    Py_INCREF(descriptor);
    return reinterpret_cast<PyObject *>(descriptor);
}

PyObject *dtype_repr(PyObject *)
{
    return PyUnicode_FromString("tarsel.float128");
}

// Pickled as a call of the class, which gives the one descriptor back.
PyObject *dtype_reduce(PyObject *self, PyObject *)
{
    return Py_BuildValue("(O())", reinterpret_cast<PyObject *>(Py_TYPE(self)));
}

PyMethodDef dtype_methods[] = {
    {"__reduce__", dtype_reduce, METH_NOARGS, "Pickled as tarsel.Float128DType()."},
    {nullptr, nullptr, 0, nullptr},
};

PyArray_Descr *discover_descr(PyArray_DTypeMeta *, PyObject *)
{
    Py_INCREF(descriptor);
    return descriptor;
}

PyArray_Descr *default_descr(PyArray_DTypeMeta *)
{
    Py_INCREF(descriptor);
    return descriptor;
}

// Every number dtype whose values float128 holds exactly (bool, the ints
// and uints of up to 64 bits, float16, float32, float64) and Python's int
// and float promote to float128; longdouble, the complex types and
// everything else do not.
PyArray_DTypeMeta *common_dtype(PyArray_DTypeMeta *self, PyArray_DTypeMeta *other)
{
    if (other == self) {
        Py_INCREF(self);
        return self;
    }
    if (other->type_num >= 0 && other->type_num < NPY_NTYPES_LEGACY) {
        switch (other->type_num) {
        case NPY_BOOL:
        case NPY_BYTE: case NPY_UBYTE: case NPY_SHORT: case NPY_USHORT:
        case NPY_INT: case NPY_UINT: case NPY_LONG: case NPY_ULONG:
        case NPY_LONGLONG: case NPY_ULONGLONG:
        case NPY_HALF: case NPY_FLOAT: case NPY_DOUBLE:
            Py_INCREF(self);
            return self;
        default:
            break;
        }
    }
    if (other == &PyArray_PyLongDType || other == &PyArray_PyFloatDType) {
        Py_INCREF(self);
        return self;
    }
    Py_INCREF(Py_NotImplemented);
    return reinterpret_cast<PyArray_DTypeMeta *>(Py_NotImplemented);
}

PyArray_Descr *common_instance(PyArray_Descr *a, PyArray_Descr *)
{
    Py_INCREF(a);
    return a;
}

PyArray_Descr *ensure_canonical(PyArray_Descr *d)
{
    Py_INCREF(d);
    return d;
}

int setitem(PyArray_Descr *, PyObject *obj, char *data)
{
    tarsel x;
    if (!value_from_object(obj, x))
        return -1;
    store(data, x);
    return 0;
}

PyObject *getitem(PyArray_Descr *, char *data)
{
    return object_from_value(load(data));
}

/* --- ordering: by the exact value, NaNs last --- */

// -1, 0 or 1 as a orders before, with or after b; NaNs are equal to each
// other and after every number.
int order(tarsel a, tarsel b)
{
    bool a_nan = tarsel_isnan(a), b_nan = tarsel_isnan(b);
    if (a_nan || b_nan)
        return int(a_nan) - int(b_nan);
    return tarsel_lt(a, b) ? -1 : tarsel_gt(a, b) ? 1 : 0;
}

int compare(const void *a, const void *b, void *)
{
    return order(load(static_cast<const char *>(a)), load(static_cast<const char *>(b)));
}

// The first largest element, a NaN before any number; argmin likewise the
// first smallest, again a NaN first, as NumPy's float types do.
template <int Sign>
int arg_extreme(void *data, npy_intp n, npy_intp *index, void *)
{
    const char *p = static_cast<const char *>(data);
    *index = 0;
    if (n <= 0)
        return 0;
    tarsel best = load(p);
    if (tarsel_isnan(best))
        return 0;
    for (npy_intp i = 1; i < n; ++i) {
        tarsel x = load(p + 16 * i);
        if (tarsel_isnan(x)) {
            *index = i;
            return 0;
        }
        if (Sign * order(x, best) > 0) {
            best = x;
            *index = i;
        }
    }
    return 0;
}

// Nonzero: every value but zero, a NaN included.
npy_bool nonzero(void *data, void *)
{
    tarsel x = load(static_cast<const char *>(data));
    return !tarsel_eq(x, tarsel_from_double(0.0)) ? NPY_TRUE : NPY_FALSE;
}

// np.arange: element i is start + i * delta, delta the difference of the
// first two elements, as NumPy's float types compute it.
int fill(void *data, npy_intp n, void *)
{
    char *p = static_cast<char *>(data);
    if (n < 2)
        return 0;
    tarsel start = load(p), delta = tarsel_sub(load(p + 16), start);
    for (npy_intp i = 2; i < n; ++i)
        store(p + 16 * i, tarsel_add(start, tarsel_mul(tarsel_from_double(double(i)), delta)));
    return 0;
}

// np.dot, np.inner and np.vdot: the sum of products of n pairs, the entry
// of a 1 x n by n x 1 matrix product, so the same bits as np.matmul.
void dot(void *ip1, npy_intp is1, void *ip2, npy_intp is2, void *op, npy_intp n, void *)
{
    tarsel_linalg::matmul_operands ops;
    ops.a = {static_cast<const char *>(ip1), 0, is1};
    ops.b = {static_cast<const char *>(ip2), is2, 0};
    ops.c = {static_cast<char *>(op), 0, 0};
    ops.n = 1;
    ops.k = n;
    ops.m = 1;
    tarsel_linalg::reference_matmul(ops, 0, 1, 0, 1);
}

} // namespace

PyArray_DTypeMeta *float128_dtype()
{
    return &dtype_class;
}

PyArray_Descr *float128_descr()
{
    return descriptor;
}

int define_dtype(PyObject *float128_type)
{
    scalar_type = float128_type;
    PyTypeObject *type = reinterpret_cast<PyTypeObject *>(&dtype_class);
    Py_SET_TYPE(type, &PyArrayDTypeMeta_Type);
    Py_SET_REFCNT(type, 1);
    type->tp_name = "tarsel.Float128DType";
    type->tp_doc = "The NumPy dtype of Float128 values: 16-byte elements, hi then lo.";
    type->tp_basicsize = sizeof(PyArray_Descr);
    type->tp_flags = Py_TPFLAGS_DEFAULT;
    type->tp_base = &PyArrayDescr_Type;
    type->tp_new = dtype_new;
    type->tp_repr = dtype_repr;
    type->tp_str = dtype_repr;
    type->tp_methods = dtype_methods;
    if (PyType_Ready(type) < 0)
        return -1;

    PyType_Slot slots[] = {
        {NPY_DT_discover_descr_from_pyobject, reinterpret_cast<void *>(&discover_descr)},
        {NPY_DT_default_descr, reinterpret_cast<void *>(&default_descr)},
        {NPY_DT_common_dtype, reinterpret_cast<void *>(&common_dtype)},
        {NPY_DT_common_instance, reinterpret_cast<void *>(&common_instance)},
        {NPY_DT_ensure_canonical, reinterpret_cast<void *>(&ensure_canonical)},
        {NPY_DT_setitem, reinterpret_cast<void *>(&setitem)},
        {NPY_DT_getitem, reinterpret_cast<void *>(&getitem)},
        {NPY_DT_PyArray_ArrFuncs_compare, reinterpret_cast<void *>(&compare)},
        {NPY_DT_PyArray_ArrFuncs_argmax, reinterpret_cast<void *>(&arg_extreme<1>)},
        {NPY_DT_PyArray_ArrFuncs_argmin, reinterpret_cast<void *>(&arg_extreme<-1>)},
        {NPY_DT_PyArray_ArrFuncs_nonzero, reinterpret_cast<void *>(&nonzero)},
        {NPY_DT_PyArray_ArrFuncs_fill, reinterpret_cast<void *>(&fill)},
        {NPY_DT_PyArray_ArrFuncs_dotfunc, reinterpret_cast<void *>(&dot)},
        {0, nullptr},
    };
    dtype_description description = {};
    description.typeobj = reinterpret_cast<PyTypeObject *>(float128_type);
    description.flags = NPY_DT_NUMERIC;
    description.casts = cast_methods();
    description.slots = slots;
    description.baseclass = nullptr;
    if (!description.casts)
        return -1;
    if (PyArrayInitDTypeMeta_FromSpec(&dtype_class, &description) < 0)
        return -1;
    descriptor = new_descriptor();
    if (!descriptor)
        return -1;
    dtype_class.singleton = descriptor;
    Py_INCREF(descriptor);
    return 0;
}

/* --- elements from and to Python objects --- */

bool value_from_object(PyObject *obj, tarsel &out)
{
    try {
        if (PyFloat_Check(obj)) {
            out = tarsel_from_double(PyFloat_AS_DOUBLE(obj));
            return true;
        }
        py::detail::make_caster<tars::float128> caster;
        if (caster.load(obj, false)) {
            out = py::detail::cast_op<const tars::float128 &>(caster).data;
            return true;
        }
        py::handle cls(scalar_type);
        bool boolean = PyBool_Check(obj) || PyArray_IsScalar(obj, Bool);
        if (boolean || PyLong_Check(obj) || PyArray_IsScalar(obj, Integer)) {
            int truth = boolean ? PyObject_IsTrue(obj) : 0;
            py::object n = boolean ? py::int_(truth) : py::reinterpret_steal<py::object>(PyNumber_Index(obj));
            if (!n || truth < 0)
                throw py::error_already_set();
            out = cls.attr("from_rational")(n).cast<const tars::float128 &>().data;
            return true;
        }
        if (PyArray_IsScalar(obj, Floating)) {
            // float16, float32 and float64 values are doubles; a finite
            // longdouble has at most 64 significant bits: all exact.
            double d = PyFloat_AsDouble(obj);
            if (d == -1.0 && PyErr_Occurred())
                throw py::error_already_set();
            if (PyArray_IsScalar(obj, LongDouble) && std::isfinite(d))
                out = cls.attr("from_rational")(py::handle(obj).attr("as_integer_ratio")())
                          .cast<const tars::float128 &>().data;
            else
                out = tarsel_from_double(d);
            return true;
        }
        if (PyUnicode_Check(obj) || PyBytes_Check(obj)) {
            py::object text = py::reinterpret_borrow<py::object>(obj);
            if (PyBytes_Check(obj))
                text = text.attr("decode")("ascii", "replace");
            try {
                out = cls.attr("from_decimal")(text).cast<const tars::float128 &>().data;
            } catch (py::error_already_set &e) {
                if (!e.matches(PyExc_ValueError))
                    throw;
                PyErr_Format(PyExc_ValueError, "could not convert string to float128: %R", obj);
                return false;
            }
            return true;
        }
        PyErr_Format(PyExc_TypeError, "float128 elements take Float128, int, float or numeric text, not '%s'",
                     Py_TYPE(obj)->tp_name);
        return false;
    } catch (py::error_already_set &e) {
        e.restore();
        return false;
    } catch (py::builtin_exception &e) {
        e.set_error();
        return false;
    } catch (std::exception &e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
        return false;
    }
}

PyObject *object_from_value(tarsel x)
{
    try {
        return py::cast(tars::float128(x)).release().ptr();
    } catch (py::error_already_set &e) {
        e.restore();
        return nullptr;
    } catch (std::exception &e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
        return nullptr;
    }
}

} // namespace tarsel_dtype
