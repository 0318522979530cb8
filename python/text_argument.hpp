// text_argument.hpp -- the decimal text taken by Float128(text).
//
// A str, bytes or bytearray, as the bytes the parser reads.  A str is
// encoded as UTF-8 with a lone surrogate kept as its three-byte form, which
// is no digit: the text is read up to it, and no str makes the constructor
// raise.
#ifndef TARSEL_TEXT_ARGUMENT_HPP
#define TARSEL_TEXT_ARGUMENT_HPP

#include <pybind11/pybind11.h>

#include <string>

namespace tarsel_binding {

struct text_bytes {
    std::string bytes;
};

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {

template <>
struct type_caster<tarsel_binding::text_bytes> {
    PYBIND11_TYPE_CASTER(tarsel_binding::text_bytes, const_name("str"));

    bool load(handle src, bool)
    {
        PyObject *obj = src.ptr();
        if (PyUnicode_Check(obj)) {
            // Every str encodes this way; only a MemoryError can come back.
            auto utf8 = reinterpret_steal<object>(PyUnicode_AsEncodedString(obj, "utf-8", "surrogatepass"));
            if (!utf8)
                throw error_already_set();
            value.bytes.assign(PyBytes_AS_STRING(utf8.ptr()), static_cast<size_t>(PyBytes_GET_SIZE(utf8.ptr())));
        } else if (PyBytes_Check(obj)) {
            value.bytes.assign(PyBytes_AS_STRING(obj), static_cast<size_t>(PyBytes_GET_SIZE(obj)));
        } else if (PyByteArray_Check(obj)) {
            value.bytes.assign(PyByteArray_AS_STRING(obj), static_cast<size_t>(PyByteArray_GET_SIZE(obj)));
        } else {
            return false;
        }
        return true;
    }
};

} // namespace detail
} // namespace pybind11

#endif // TARSEL_TEXT_ARGUMENT_HPP
