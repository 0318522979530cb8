// exact_parts.cpp -- a Float128 taken apart and put together bit for bit:
// the two doubles as properties and a pair, and the 16-byte record.
#include <cstdint>
#include <string>

#include "python/binding.hpp"

namespace tarsel_binding {

using tars::float128;

namespace {

constexpr py::ssize_t record_size = 16;

// A bytes-like object's C-contiguous bytes, held for the life of this view.
class byte_view {
public:
    explicit byte_view(const py::buffer &data)
    {
        if (PyObject_GetBuffer(data.ptr(), &view_, PyBUF_SIMPLE) != 0)
            throw py::error_already_set();
    }
    ~byte_view() { PyBuffer_Release(&view_); }
    byte_view(const byte_view &) = delete;
    byte_view &operator=(const byte_view &) = delete;

    const std::uint8_t *bytes() const { return static_cast<const std::uint8_t *>(view_.buf); }
    py::ssize_t size() const { return view_.len; }

private:
    Py_buffer view_;
};

float128 from_record(const py::buffer &data)
{
    byte_view record(data);
    if (record.size() != record_size)
        throw py::value_error("from_bytes() needs exactly 16 bytes, got " + std::to_string(record.size()));
    return tarsel_from_bytes(record.bytes());
}

py::bytes to_record(self_arg<float128> self)
{
    std::uint8_t record[record_size];
    tarsel_to_bytes(record, self.value->data);
    return py::bytes(reinterpret_cast<const char *>(record), sizeof record);
}

double hi_of(self_arg<float128> self)
{
    double hi, lo;
    self.value->extract(hi, lo);
    return hi;
}

double lo_of(self_arg<float128> self)
{
    double hi, lo;
    self.value->extract(hi, lo);
    return lo;
}

} // namespace

void register_exact_parts(py::module_ &m)
{
    py::class_<float128> f128 = registered_class<float128>(m, "Float128");

    f128.def_property_readonly("hi", &hi_of,
        "The high double of the pair, exactly as held: the double nearest the value for every result of the "
        "library's arithmetic.");
    f128.def_property_readonly("lo", &lo_of,
        "The low double of the pair, exactly as held: the value is the exact sum hi + lo.");

    f128.def_static("from_parts", [](double hi, double lo) { return float128(tarsel_from_hi_lo(hi, lo)); },
        py::arg("hi"), py::arg("lo"),
        "A Float128 holding the pair (hi, lo) unchanged, as the 16-byte record does: the pair is not "
        "renormalised, so from_parts(x.hi, x.lo) restores every bit of x, NaN payloads and signed zeros "
        "included.  Each argument converts like the argument of Float128(x): a float, an int that fits a "
        "double, or anything with __float__ or __index__.  The arithmetic is exact to its documented bounds for "
        "normalised pairs (|lo| <= ulp(hi) / 2).");

    f128.def("to_bytes", &to_record,
        "The 16-byte record of the value: the bytes of hi, then the bytes of lo, each a binary64 double in "
        "the machine's byte order, bit for bit.  Float128.from_bytes reads it back.");
    f128.def_static("from_bytes", &from_record, py::arg("data"),
        "The Float128 held in a 16-byte record (see to_bytes): any bytes-like object of exactly 16 bytes, "
        "read bit for bit and not renormalised.  Raises ValueError naming the length for any other length "
        "and TypeError for an object that is not bytes-like.");
}

} // namespace tarsel_binding
