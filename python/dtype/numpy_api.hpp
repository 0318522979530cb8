// numpy_api.hpp -- NumPy's C API, the array and ufunc tables and the DType
// API, as the files of python/dtype/ see it.  Only these files include it.
//
// The module is compiled against NumPy 2.x headers for NumPy 2.0 and newer:
// NPY_TARGET_VERSION keeps every structure and call to the 2.0 API, so the
// one build runs under every NumPy from 2.0 on.  The API tables are filled
// by import_array() and import_umath() in registration.cpp, which defines
// TARSEL_NUMPY_IMPORT before including this header; the other files use the
// same tables through PY_ARRAY_UNIQUE_SYMBOL.
#ifndef TARSEL_NUMPY_API_HPP
#define TARSEL_NUMPY_API_HPP

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#define PY_ARRAY_UNIQUE_SYMBOL tarsel_numpy_array_api
#define PY_UFUNC_UNIQUE_SYMBOL tarsel_numpy_ufunc_api
#define NPY_NO_DEPRECATED_API NPY_2_0_API_VERSION
#define NPY_TARGET_VERSION NPY_2_0_API_VERSION
#ifndef TARSEL_NUMPY_IMPORT
#define NO_IMPORT_ARRAY
#define NO_IMPORT_UFUNC
#endif

#include <numpy/ndarraytypes.h>
#include <numpy/arrayobject.h>
#include <numpy/ufuncobject.h>
#include <numpy/dtype_api.h>

// NumPy's descriptions of a DType and of an ArrayMethod (a cast or a ufunc
// loop), under the names the files here use.
using dtype_description = PyArrayDTypeMeta_Spec;
using method_description = PyArrayMethod_Spec;

#endif // TARSEL_NUMPY_API_HPP
