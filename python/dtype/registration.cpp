// registration.cpp -- the dtype's names in the module: tarsel.float128, its
// loops on NumPy's ufuncs, tarsel.finfo, and the two no-copy views between
// a float128 array and the (..., 2) float64 layout of the array functions.
#define TARSEL_NUMPY_IMPORT
#include "python/dtype/dtype.hpp"

#include <cmath>
#include <vector>

#include "python/binding.hpp"

namespace tarsel_dtype {

namespace {

namespace py = pybind11;

bool is_float128_array(PyObject *obj)
{
    return PyArray_Check(obj) && NPY_DTYPE(PyArray_DESCR(reinterpret_cast<PyArrayObject *>(obj))) == float128_dtype();
}

// A new array over the memory of `base`, which it keeps alive; descr is
// stolen.
PyObject *view_with_base(PyArray_Descr *descr, int nd, npy_intp *shape, npy_intp *strides, void *data, int flags,
                         PyObject *base)
{
    PyObject *view = PyArray_NewFromDescr(&PyArray_Type, descr, nd, shape, strides, data, flags, nullptr);
    if (!view)
        return nullptr;
    Py_INCREF(base);
    if (PyArray_SetBaseObject(reinterpret_cast<PyArrayObject *>(view), base) < 0) {
        Py_DECREF(view);
        return nullptr;
    }
    return view;
}

// A float64 array of shape S + (2,) over a float128 array of shape S: the
// same memory, the same strides and a last stride of 8 bytes, writeable
// where the array is.
py::object rows_view_of(PyArrayObject *a)
{
    int nd = PyArray_NDIM(a);
    std::vector<npy_intp> shape(PyArray_DIMS(a), PyArray_DIMS(a) + nd), strides(PyArray_STRIDES(a),
                                                                                 PyArray_STRIDES(a) + nd);
    shape.push_back(2);
    strides.push_back(8);
    PyArray_Descr *f64 = PyArray_DescrFromType(NPY_DOUBLE);
    int flags = PyArray_FLAGS(a) & NPY_ARRAY_WRITEABLE;
    PyObject *view = view_with_base(f64, nd + 1, shape.data(), strides.data(), PyArray_DATA(a), flags,
                                    reinterpret_cast<PyObject *>(a));
    if (!view)
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(view);
}

py::object as_rows(py::handle x)
{
    py::object view = tarsel_binding::float128_rows_view(x);
    if (!view)
        throw py::type_error(std::string("as_rows() takes a float128 array, not '") + Py_TYPE(x.ptr())->tp_name +
                             (PyArray_Check(x.ptr()) ? "' of another dtype" : "'"));
    return view;
}

// The inverse view: a float64 array whose last axis has length 2 and a
// stride of 8 bytes (the hi and lo of one value side by side) as a
// float128 array of the other axes.  An empty array holds no element, so
// the stride NumPy gives its last axis does not matter.
py::object from_rows_view(py::handle a)
{
    if (!PyArray_Check(a.ptr()) || PyArray_TYPE(reinterpret_cast<PyArrayObject *>(a.ptr())) != NPY_DOUBLE ||
        !PyArray_ISNOTSWAPPED(reinterpret_cast<PyArrayObject *>(a.ptr())))
        throw py::type_error("from_rows_view() takes a float64 ndarray in native byte order");
    PyArrayObject *arr = reinterpret_cast<PyArrayObject *>(a.ptr());
    int nd = PyArray_NDIM(arr);
    if (nd < 1 || PyArray_DIM(arr, nd - 1) != 2 || (PyArray_STRIDE(arr, nd - 1) != 8 && PyArray_SIZE(arr) != 0))
        throw py::value_error("from_rows_view() needs a last axis of length 2 whose two doubles lie side by side "
                              "(stride 8); copy the array first, e.g. with numpy.ascontiguousarray");
    Py_INCREF(float128_descr());
    int flags = PyArray_FLAGS(arr) & NPY_ARRAY_WRITEABLE;
    PyObject *view = view_with_base(float128_descr(), nd - 1, PyArray_DIMS(arr), PyArray_STRIDES(arr),
                                    PyArray_DATA(arr), flags, a.ptr());
    if (!view)
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(view);
}

py::object finfo(py::module_ &m)
{
    py::handle cls = m.attr("Float128");
    auto value = [&](double hi, double lo) { return cls.attr("from_parts")(hi, lo); };
    py::dict facts;
    facts["dtype"] = py::handle(reinterpret_cast<PyObject *>(float128_descr()));
    facts["bits"] = 128;
    // The relative error bound of the arithmetic: 2^-104, as the accuracy
    // tables count units.
    facts["eps"] = value(std::ldexp(1.0, -104), 0.0);
    facts["max"] = value(1.7976931348623157e308, std::ldexp(1.0, 970) - std::ldexp(1.0, 917));
    facts["min"] = value(-1.7976931348623157e308, -(std::ldexp(1.0, 970) - std::ldexp(1.0, 917)));
    // Below 2^-969 the low part loses bits to the subnormal range.
    facts["tiny"] = value(std::ldexp(1.0, -1022), 0.0);
    facts["smallest_normal"] = value(std::ldexp(1.0, -1022), 0.0);
    facts["smallest_subnormal"] = value(std::ldexp(1.0, -1074), 0.0);
    facts["nmant"] = 105;
    facts["precision"] = 31;
    facts["resolution"] = value(1e-31, -5.2405628013207775e-48);
    facts["minexp"] = -1022;
    facts["maxexp"] = 1024;
    return py::module_::import("types").attr("SimpleNamespace")(**facts);
}

} // namespace

} // namespace tarsel_dtype

namespace tarsel_binding {

// Where no interpreter has registered the dtype (nor imported NumPy's API
// for this module), no array is a float128 array.
py::object float128_rows_view(py::handle src)
{
    if (!tarsel_dtype::float128_descr() || !tarsel_dtype::is_float128_array(src.ptr()))
        return py::object();
    return tarsel_dtype::rows_view_of(reinterpret_cast<PyArrayObject *>(src.ptr()));
}

// The dtype lives in NumPy's process-wide tables, once: the first
// interpreter that imports the module registers it, and a module imported
// by another interpreter of the process (a legacy subinterpreter) has no
// dtype names.
void register_dtype(py::module_ &m)
{
    static PyInterpreterState *owner = nullptr;
    if (owner && owner != PyInterpreterState_Get())
        return;
    owner = PyInterpreterState_Get();
    if (PyArray_ImportNumPyAPI() < 0)
        throw py::error_already_set();
    if (PyUFunc_ImportUFuncAPI() < 0)
        throw py::error_already_set();
    if (tarsel_dtype::define_dtype(m.attr("Float128").ptr()) < 0 || tarsel_dtype::register_ufunc_loops() < 0)
        throw py::error_already_set();
    m.attr("Float128DType") = py::handle(reinterpret_cast<PyObject *>(tarsel_dtype::float128_dtype()));
    m.attr("float128") = py::handle(reinterpret_cast<PyObject *>(tarsel_dtype::float128_descr()));
    m.attr("finfo") = tarsel_dtype::finfo(m);
    PyObject *loops = tarsel_dtype::ufunc_loop_list();
    if (!loops)
        throw py::error_already_set();
    m.attr("_ufunc_loops") = py::reinterpret_steal<py::object>(loops);
    m.def("as_rows", &tarsel_dtype::as_rows, py::arg("x"), py::pos_only(),
          "The float128 array x of shape S as a float64 array of shape S + (2,) over the same memory (no copy): "
          "[..., 0] holds the high parts, [..., 1] the low parts, in the layout the (N, 2) array functions "
          "take.  Writes through the view change x.  TypeError for anything but a float128 array.");
    m.def("from_rows_view", &tarsel_dtype::from_rows_view, py::arg("a"), py::pos_only(),
          "The float64 array a of shape S + (2,) as a float128 array of shape S over the same memory (no copy), "
          "row (hi, lo) giving one value, bit for bit.  The last axis must have length 2 with its two doubles "
          "side by side (ValueError otherwise); TypeError for anything but a native float64 ndarray.");
}

} // namespace tarsel_binding
