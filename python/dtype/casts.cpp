// casts.cpp -- the casts of float128 to and from NumPy's other dtypes.
//
// From bool, every int and uint width and float16/32/64 the value is exact
// (an int64 needs both parts: hi the nearest double, lo the remainder), so
// these casts are "safe".  To float64, float32 and float16 the result is
// rounded once from the exact hi + lo ("same_kind"); to the ints it is
// truncated toward zero ("unsafe"), and a NaN or a value out of range gives
// what NumPy's float64 cast gives for hi, with its warning.  Text (str and
// bytes) is read as Float128.from_decimal reads it and written as the
// shortest text that reads back, format(x, "<"); NumPy's StringDType holds
// that text whatever its length.  The casts to and from object come from
// NumPy itself, through the element's getitem and setitem.
#include "python/dtype/dtype.hpp"

#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_utils.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tarsel_dtype {

namespace {

/* --- exact values of the other types --- */

// v = a 2^32 + b with both parts exact doubles and |a| >= b unless a is
// zero: their fast two-sum, the sum rounded to nearest and its exact
// error, is the pair.
template <class Int>
tarsel from_integer(Int v)
{
    double a = double(v >> 32) * 4294967296.0, b = double(v & 0xffffffff);
    return _tarsel_fast_two_sum(a, b);
}

double half_to_double(std::uint16_t h)
{
    int exponent = (h >> 10) & 0x1f;
    double magnitude;
    if (exponent == 0x1f)
        magnitude = (h & 0x3ff) ? std::numeric_limits<double>::quiet_NaN() : INFINITY;
    else if (exponent == 0)
        magnitude = std::ldexp(double(h & 0x3ff), -24);
    else
        magnitude = std::ldexp(double((h & 0x3ff) | 0x400), exponent - 25);
    return (h & 0x8000) ? -magnitude : magnitude;
}

// hi + lo rounded to a double by rounding to odd: correct for any later
// rounding to 51 bits or fewer (float32, float16), which this double then
// rounds only once.
double round_to_odd(tarsel x)
{
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    double s = hi + lo;
    if (!std::isfinite(s))
        return s;
    double bb = s - hi, e = (hi - (s - bb)) + (lo - bb);
    std::uint64_t bits;
    std::memcpy(&bits, &s, sizeof bits);
    if (e != 0.0 && (bits & 1) == 0)
        s = std::nextafter(s, e > 0 ? INFINITY : -INFINITY);
    return s;
}

std::uint16_t double_to_half(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    std::uint16_t sign = std::uint16_t((bits >> 48) & 0x8000);
    double a = std::fabs(d);
    if (std::isnan(d))
        return std::uint16_t(sign | 0x7e00 | ((bits >> 42) & 0x3ff));
    if (a >= 65520.0)   // rounds to infinity
        return std::uint16_t(sign | 0x7c00);
    if (a < std::ldexp(1.0, -14)) {
        // subnormal: multiples of 2^-24, rounded half to even by nearbyint
        double m = std::nearbyint(std::ldexp(a, 24));
        return std::uint16_t(sign | std::uint16_t(m));
    }
    int exponent;
    double frac = std::frexp(a, &exponent);   // a = frac 2^exponent, frac in [0.5, 1)
    double m = std::nearbyint(std::ldexp(frac, 11));   // 11 significant bits
    if (m == 2048.0) {
        m = 1024.0;
        ++exponent;
    }
    return std::uint16_t(sign | ((exponent + 14) << 10) | (std::uint16_t(m) & 0x3ff));
}

/* --- the element types of the numeric casts --- */

template <class T>
struct integer_type {
    static tarsel value(T v)
    {
        if constexpr (std::is_signed<T>::value)
            return from_integer(std::int64_t(v));
        else
            return from_integer(std::uint64_t(v));
    }

    // Truncated toward zero.  A NaN or a value out of the range of int64
    // (uint64 for the unsigned types) gives what x86's conversion gives
    // NumPy's float64 cast, the bits of INT64_MIN, and raises the invalid
    // flag that NumPy reports as a warning.
    static T of(tarsel x)
    {
        tarsel t = tarsel_trunc(x);
        double hi, lo;
        tarsel_extract(t, &hi, &lo);
        if (hi >= -9223372036854775808.0 && hi < 9223372036854775808.0) {
            // hi and lo are integers and the sum fits: wrap as C's
            // conversion of the int64 to a narrower type does.
            std::uint64_t h = std::uint64_t(std::int64_t(hi)), l = std::uint64_t(std::int64_t(lo));
            return T(h + l);
        }
        if (!std::is_signed<T>::value && hi >= 0.0 && hi < 18446744073709551616.0)
            return T(std::uint64_t(hi) + std::uint64_t(std::int64_t(lo)));
        std::feraiseexcept(FE_INVALID);
        return T(std::uint64_t(1) << 63);
    }
};

struct bool_type {
    static tarsel value(npy_bool v) { return tarsel_from_double(v ? 1.0 : 0.0); }
    static npy_bool of(tarsel x) { return !tarsel_eq(x, tarsel_from_double(0.0)); }
};

struct double_type {
    static tarsel value(double v) { return tarsel_from_double(v); }
    static double of(tarsel x)
    {
        double hi, lo;
        tarsel_extract(x, &hi, &lo);
        return hi + lo;
    }
};

struct float_type {
    static tarsel value(float v) { return tarsel_from_double(double(v)); }
    static float of(tarsel x) { return float(round_to_odd(x)); }
};

struct half_type {
    static tarsel value(npy_half v) { return tarsel_from_double(half_to_double(v)); }
    static npy_half of(tarsel x) { return double_to_half(round_to_odd(x)); }
};

/* --- the loops --- */

// A cast's loop: convert(in, out) for each of its elements, the loop's
// status 0; a false from convert stops it with its Python error set (-1).
template <class Convert>
int each_element(char *const data[], const npy_intp dimensions[], const npy_intp strides[], Convert convert)
{
    const char *in = data[0];
    char *out = data[1];
    for (npy_intp i = 0; i < dimensions[0]; ++i, in += strides[0], out += strides[1])
        if (!convert(in, out))
            return -1;
    return 0;
}

template <class Type, class T>
int cast_to_float128(PyArrayMethod_Context *, char *const data[], const npy_intp dimensions[],
                     const npy_intp strides[], NpyAuxData *)
{
    return each_element(data, dimensions, strides, [](const char *in, char *out) {
        T v;
        std::memcpy(&v, in, sizeof v);
        store(out, Type::value(v));
        return true;
    });
}

template <class Type, class T>
int cast_from_float128(PyArrayMethod_Context *, char *const data[], const npy_intp dimensions[],
                       const npy_intp strides[], NpyAuxData *)
{
    return each_element(data, dimensions, strides, [](const char *in, char *out) {
        T v = Type::of(load(in));
        std::memcpy(out, &v, sizeof v);
        return true;
    });
}

int copy_elements(PyArrayMethod_Context *, char *const data[], const npy_intp dimensions[],
                  const npy_intp strides[], NpyAuxData *)
{
    return each_element(data, dimensions, strides, [](const char *in, char *out) {
        std::memmove(out, in, 16);
        return true;
    });
}

/* --- text --- */

// The characters of one element of a str (UCS-4) or bytes array, up to its
// first NUL.
std::string element_text(const char *p, npy_intp size, bool wide)
{
    std::string text;
    if (wide) {
        for (npy_intp i = 0; i + 4 <= size; i += 4) {
            std::uint32_t c;
            std::memcpy(&c, p + i, sizeof c);
            if (c == 0)
                break;
            text += c < 128 ? char(c) : '\x7f';   // no number has such a character
        }
    } else {
        for (npy_intp i = 0; i < size && p[i]; ++i)
            text += p[i];
    }
    return text;
}

// The value a text reads as (as Float128.from_decimal reads it), stored at
// out; false with a Python exception set for a text that is no number.
// The reference to text is consumed.
bool store_text_value(PyObject *text, char *out)
{
    if (!text)
        return false;
    tarsel x;
    bool ok = value_from_object(text, x);
    Py_DECREF(text);
    if (ok)
        store(out, x);
    return ok;
}

template <bool Wide>
int cast_text_to_float128(PyArrayMethod_Context *context, char *const data[], const npy_intp dimensions[],
                          const npy_intp strides[], NpyAuxData *)
{
    npy_intp size = context->descriptors[0]->elsize;
    return each_element(data, dimensions, strides, [size](const char *in, char *out) {
        std::string text = element_text(in, size, Wide);
        return store_text_value(PyUnicode_DecodeLatin1(text.data(), Py_ssize_t(text.size()), nullptr), out);
    });
}

// Characters of a str or bytes dtype made without a length.  The shortest
// text that reads back has up to about 35 significant digits for a value
// computed in double-double, but a double read exactly (1e-5, hi with lo
// zero) may need hundreds: a text longer than its target raises ValueError
// rather than being cut.
constexpr npy_intp default_text_length = 64;

// The format string of the shortest text that reads back: the none
// presentation type (format(x, "") is str(x), the fixed 32 digits).
PyObject *shortest_format = nullptr;

// The shortest text that reads back of the element at in (a new
// reference), or nullptr with a Python exception set.
PyObject *shortest_text(const char *in)
{
    PyObject *value = object_from_value(load(in));
    if (!value)
        return nullptr;
    PyObject *text = PyObject_Format(value, shortest_format);
    Py_DECREF(value);
    return text;
}

template <bool Wide>
int cast_float128_to_text(PyArrayMethod_Context *context, char *const data[], const npy_intp dimensions[],
                          const npy_intp strides[], NpyAuxData *)
{
    npy_intp size = context->descriptors[1]->elsize, length = Wide ? size / 4 : size;
    return each_element(data, dimensions, strides, [size, length](const char *in, char *out) {
        PyObject *text = shortest_text(in);
        if (!text)
            return false;
        Py_ssize_t n = PyUnicode_GET_LENGTH(text);
        if (n > length) {
            PyErr_Format(PyExc_ValueError,
                         "the text %R of a float128 value needs %zd characters, more than the %zd of the "
                         "target dtype (1400 hold every value)", text, n, Py_ssize_t(length));
            Py_DECREF(text);
            return false;
        }
        std::memset(out, 0, size_t(size));
        for (Py_ssize_t k = 0; k < n; ++k) {
            Py_UCS4 c = PyUnicode_READ_CHAR(text, k);
            if (Wide) {
                std::uint32_t w = c;
                std::memcpy(out + 4 * k, &w, sizeof w);
            } else {
                out[k] = char(c);
            }
        }
        Py_DECREF(text);
        return true;
    });
}

// NumPy's StringDType holds texts of any length (UTF-8, out of line), so
// every value fits.  The allocator's lock is held only to copy a text in or
// out, never across a call into Python.
PyArray_StringDTypeObject *string_descr(PyArray_Descr *d)
{
    return reinterpret_cast<PyArray_StringDTypeObject *>(d);
}

int cast_float128_to_string(PyArrayMethod_Context *context, char *const data[], const npy_intp dimensions[],
                            const npy_intp strides[], NpyAuxData *)
{
    PyArray_StringDTypeObject *descr = string_descr(context->descriptors[1]);
    return each_element(data, dimensions, strides, [descr](const char *in, char *out) {
        PyObject *text = shortest_text(in);
        if (!text)
            return false;
        Py_ssize_t n;
        const char *utf8 = PyUnicode_AsUTF8AndSize(text, &n);
        if (!utf8) {
            Py_DECREF(text);
            return false;
        }
        npy_string_allocator *allocator = NpyString_acquire_allocator(descr);
        int packed = NpyString_pack(allocator, reinterpret_cast<npy_packed_static_string *>(out), utf8, size_t(n));
        NpyString_release_allocator(allocator);
        Py_DECREF(text);
        if (packed < 0) {
            PyErr_NoMemory();
            return false;
        }
        return true;
    });
}

// A missing string (StringDType(na_object=...)) reads as NaN when its
// missing value is NaN-like and as the default string when it is a text;
// otherwise it raises ValueError.
int cast_string_to_float128(PyArrayMethod_Context *context, char *const data[], const npy_intp dimensions[],
                            const npy_intp strides[], NpyAuxData *)
{
    PyArray_StringDTypeObject *descr = string_descr(context->descriptors[0]);
    return each_element(data, dimensions, strides, [descr](const char *in, char *out) {
        npy_static_string view = {0, nullptr};
        npy_string_allocator *allocator = NpyString_acquire_allocator(descr);
        int missing = NpyString_load(allocator, reinterpret_cast<const npy_packed_static_string *>(in), &view);
        std::string text = missing == 0 && view.buf ? std::string(view.buf, view.size) : std::string();
        NpyString_release_allocator(allocator);
        if (missing < 0) {
            PyErr_SetString(PyExc_MemoryError, "a StringDType element could not be read");
            return false;
        }
        if (missing == 1) {
            if (descr->has_nan_na) {
                text = "nan";
            } else if (descr->has_string_na) {
                text.assign(descr->default_string.buf ? descr->default_string.buf : "", descr->default_string.size);
            } else {
                PyErr_SetString(PyExc_ValueError, "a missing string has no float128 value");
                return false;
            }
        }
        return store_text_value(PyUnicode_DecodeUTF8(text.data(), Py_ssize_t(text.size()), nullptr), out);
    });
}

/* --- descriptors --- */

// d in native byte order (a new reference).
PyArray_Descr *native(PyArray_Descr *d)
{
    if (PyArray_ISNBO(d->byteorder)) {
        Py_INCREF(d);
        return d;
    }
    return PyArray_DescrNewByteorder(d, NPY_NATIVE);
}

NPY_CASTING resolve_same(PyObject *, PyArray_DTypeMeta *const[], PyArray_Descr *const given[],
                         PyArray_Descr *loop[], npy_intp *view_offset)
{
    Py_INCREF(given[0]);
    loop[0] = given[0];
    loop[1] = given[1] ? given[1] : given[0];
    Py_INCREF(loop[1]);
    *view_offset = 0;
    return NPY_NO_CASTING;
}

// A cast between float128 and a fixed-size type: both descriptors in
// native byte order (NumPy adds the byte swap of a swapped operand).
template <NPY_CASTING Casting>
NPY_CASTING resolve_fixed(PyObject *, PyArray_DTypeMeta *const dtypes[], PyArray_Descr *const given[],
                          PyArray_Descr *loop[], npy_intp *)
{
    for (int k = 0; k < 2; ++k) {
        if (dtypes[k] == float128_dtype()) {
            loop[k] = float128_descr();
            Py_INCREF(loop[k]);
        } else {
            loop[k] = PyArray_DescrFromType(given[k] ? given[k]->type_num : dtypes[k]->type_num);
            if (!loop[k]) {
                if (k == 1)
                    Py_DECREF(loop[0]);
                return NPY_CASTING(-1);
            }
        }
    }
    return Casting;
}

NPY_CASTING resolve_from_text(PyObject *, PyArray_DTypeMeta *const[], PyArray_Descr *const given[],
                              PyArray_Descr *loop[], npy_intp *)
{
    loop[0] = native(given[0]);
    if (!loop[0])
        return NPY_CASTING(-1);
    loop[1] = float128_descr();
    Py_INCREF(loop[1]);
    return NPY_UNSAFE_CASTING;
}

// To str, bytes (a length of default_text_length when none is given) or
// StringDType (NPY_VSTRING).
template <int TypeNum>
NPY_CASTING resolve_to_text(PyObject *, PyArray_DTypeMeta *const[], PyArray_Descr *const given[],
                            PyArray_Descr *loop[], npy_intp *)
{
    if (given[1]) {
        loop[1] = native(given[1]);
    } else if (TypeNum == NPY_VSTRING) {
        PyObject *fresh = PyObject_CallNoArgs(reinterpret_cast<PyObject *>(&PyArray_StringDType));
        loop[1] = reinterpret_cast<PyArray_Descr *>(fresh);
    } else {
        loop[1] = PyArray_DescrNewFromType(TypeNum);
        if (loop[1])
            loop[1]->elsize = default_text_length * (TypeNum == NPY_UNICODE ? 4 : 1);
    }
    if (!loop[1])
        return NPY_CASTING(-1);
    loop[0] = float128_descr();
    Py_INCREF(loop[0]);
    return NPY_SAME_KIND_CASTING;
}

/* --- the table --- */

// The DType class of a built-in type number (kept for the module's life).
PyArray_DTypeMeta *dtype_of(int type_num)
{
    return NPY_DTYPE(PyArray_DescrFromType(type_num));
}

struct cast_row {
    int type_num;
    PyArrayMethod_StridedLoop *to, *from;
    NPY_CASTING to_casting, from_casting;
};

template <int TypeNum, class Type, class T>
cast_row numeric(NPY_CASTING from_casting)
{
    return {TypeNum, &cast_to_float128<Type, T>, &cast_from_float128<Type, T>, NPY_SAFE_CASTING, from_casting};
}

template <class T>
cast_row integer(int type_num)
{
    return {type_num, &cast_to_float128<integer_type<T>, T>, &cast_from_float128<integer_type<T>, T>,
            NPY_SAFE_CASTING, NPY_UNSAFE_CASTING};
}

// Every cast's description, dtypes and slots live as long as the module.
struct cast_storage {
    std::vector<method_description> methods;
    std::vector<std::vector<PyType_Slot>> slots;
    std::vector<std::vector<PyArray_DTypeMeta *>> dtypes;
    std::vector<method_description *> pointers;
};

cast_storage storage;

void add_cast(const char *name, PyArray_DTypeMeta *from, PyArray_DTypeMeta *to, NPY_CASTING casting,
              NPY_ARRAYMETHOD_FLAGS flags, void *resolve, void *loop)
{
    storage.dtypes.push_back({from, to});
    storage.slots.push_back({{NPY_METH_resolve_descriptors, resolve},
                             {NPY_METH_strided_loop, loop},
                             {NPY_METH_unaligned_strided_loop, loop},
                             {0, nullptr}});
    method_description method = {};
    method.name = name;
    method.nin = 1;
    method.nout = 1;
    method.casting = casting;
    method.flags = flags;
    storage.methods.push_back(method);
}

void *fixed_resolver(NPY_CASTING casting)
{
    switch (casting) {
    case NPY_SAFE_CASTING: return reinterpret_cast<void *>(&resolve_fixed<NPY_SAFE_CASTING>);
    case NPY_SAME_KIND_CASTING: return reinterpret_cast<void *>(&resolve_fixed<NPY_SAME_KIND_CASTING>);
    default: return reinterpret_cast<void *>(&resolve_fixed<NPY_UNSAFE_CASTING>);
    }
}

} // namespace

method_description **cast_methods()
{
    if (!storage.pointers.empty())
        return storage.pointers.data();
    shortest_format = PyUnicode_InternFromString("<");
    if (!shortest_format)
        return nullptr;
    const cast_row rows[] = {
        {NPY_BOOL, &cast_to_float128<bool_type, npy_bool>, &cast_from_float128<bool_type, npy_bool>,
         NPY_SAFE_CASTING, NPY_UNSAFE_CASTING},
        integer<npy_byte>(NPY_BYTE), integer<npy_ubyte>(NPY_UBYTE),
        integer<npy_short>(NPY_SHORT), integer<npy_ushort>(NPY_USHORT),
        integer<npy_int>(NPY_INT), integer<npy_uint>(NPY_UINT),
        integer<npy_long>(NPY_LONG), integer<npy_ulong>(NPY_ULONG),
        integer<npy_longlong>(NPY_LONGLONG), integer<npy_ulonglong>(NPY_ULONGLONG),
        numeric<NPY_HALF, half_type, npy_half>(NPY_SAME_KIND_CASTING),
        numeric<NPY_FLOAT, float_type, float>(NPY_SAME_KIND_CASTING),
        numeric<NPY_DOUBLE, double_type, double>(NPY_SAME_KIND_CASTING),
    };
    // Quiet: the error terms of the arithmetic raise IEEE flags that are
    // not the user's business.  The unsafe casts (to bool and the ints) keep
    // NumPy's check, which reports the invalid conversion of a NaN or of a
    // value out of range to an int.
    NPY_ARRAYMETHOD_FLAGS quiet = NPY_ARRAYMETHOD_FLAGS(NPY_METH_NO_FLOATINGPOINT_ERRORS | NPY_METH_SUPPORTS_UNALIGNED);
    NPY_ARRAYMETHOD_FLAGS checked = NPY_METH_SUPPORTS_UNALIGNED;
    NPY_ARRAYMETHOD_FLAGS python = NPY_ARRAYMETHOD_FLAGS(NPY_METH_REQUIRES_PYAPI | NPY_METH_SUPPORTS_UNALIGNED |
                                                         NPY_METH_NO_FLOATINGPOINT_ERRORS);
    PyArray_DTypeMeta *self = nullptr;   // the DType being defined
    std::size_t count = std::size(rows) * 2 + 7;
    storage.methods.reserve(count);
    storage.slots.reserve(count);
    storage.dtypes.reserve(count);

    add_cast("float128_to_float128", self, self, NPY_NO_CASTING, quiet, reinterpret_cast<void *>(&resolve_same),
             reinterpret_cast<void *>(&copy_elements));
    for (const cast_row &row : rows) {
        PyArray_DTypeMeta *other = dtype_of(row.type_num);   // kept for the module's life
        add_cast("to_float128", other, self, row.to_casting, quiet, fixed_resolver(row.to_casting),
                 reinterpret_cast<void *>(row.to));
        add_cast("from_float128", self, other, row.from_casting,
                 row.from_casting == NPY_UNSAFE_CASTING ? checked : quiet, fixed_resolver(row.from_casting),
                 reinterpret_cast<void *>(row.from));
    }
    PyArray_DTypeMeta *unicode = dtype_of(NPY_UNICODE), *bytes = dtype_of(NPY_STRING);
    add_cast("str_to_float128", unicode, self, NPY_UNSAFE_CASTING, python,
             reinterpret_cast<void *>(&resolve_from_text), reinterpret_cast<void *>(&cast_text_to_float128<true>));
    add_cast("bytes_to_float128", bytes, self, NPY_UNSAFE_CASTING, python,
             reinterpret_cast<void *>(&resolve_from_text), reinterpret_cast<void *>(&cast_text_to_float128<false>));
    add_cast("float128_to_str", self, unicode, NPY_SAME_KIND_CASTING, python,
             reinterpret_cast<void *>(&resolve_to_text<NPY_UNICODE>),
             reinterpret_cast<void *>(&cast_float128_to_text<true>));
    add_cast("float128_to_bytes", self, bytes, NPY_SAME_KIND_CASTING, python,
             reinterpret_cast<void *>(&resolve_to_text<NPY_STRING>),
             reinterpret_cast<void *>(&cast_float128_to_text<false>));
    add_cast("string_to_float128", &PyArray_StringDType, self, NPY_UNSAFE_CASTING, python,
             reinterpret_cast<void *>(&resolve_from_text), reinterpret_cast<void *>(&cast_string_to_float128));
    add_cast("float128_to_string", self, &PyArray_StringDType, NPY_SAME_KIND_CASTING, python,
             reinterpret_cast<void *>(&resolve_to_text<NPY_VSTRING>),
             reinterpret_cast<void *>(&cast_float128_to_string));

    for (std::size_t k = 0; k < storage.methods.size(); ++k) {
        storage.methods[k].dtypes = storage.dtypes[k].data();
        storage.methods[k].slots = storage.slots[k].data();
        storage.pointers.push_back(&storage.methods[k]);
    }
    storage.pointers.push_back(nullptr);
    return storage.pointers.data();
}

} // namespace tarsel_dtype
