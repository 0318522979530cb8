// number_protocols.cpp -- the protocols Python expects of a real number type,
// added to Float128 after its class is complete, and the module function
// isfinite.
//
// __float__, __int__, __index__ and __hash__ stay unbound: with __float__ or
// __index__ the float constructor overload would accept a Float128, and the
// class stays unhashable.
#include <cstdint>
#include <limits>

#include "tarsel/tarsel_exact.hpp"
#include "python/binding.hpp"

namespace tarsel_binding {

// The ndigits of round(x, ndigits): anything with __index__, saturated to
// the int64 range, where every count beyond the digits of an expansion acts
// alike.  None is left to the overload that returns an int.
struct decimal_places {
    std::int64_t value = 0;
};

} // namespace tarsel_binding

namespace pybind11 {
namespace detail {
template <>
struct type_caster<tarsel_binding::decimal_places> {
    PYBIND11_TYPE_CASTER(tarsel_binding::decimal_places, const_name("typing.SupportsIndex"));

    // Only a TypeError from __index__ is a mismatch; any other error
    // propagates.
    bool load(handle src, bool)
    {
        if (src.is_none())
            return false;
        object index = reinterpret_steal<object>(PyNumber_Index(src.ptr()));
        if (!index) {
            if (!PyErr_ExceptionMatches(PyExc_TypeError))
                throw error_already_set();
            PyErr_Clear();
            return false;
        }
        int overflow = 0;
        long long places = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
        value.value = overflow > 0   ? std::numeric_limits<std::int64_t>::max()
                      : overflow < 0 ? std::numeric_limits<std::int64_t>::min()
                                     : std::int64_t(places);
        return true;
    }
};
} // namespace detail
} // namespace pybind11

namespace tarsel_binding {

using tars::float128;

namespace {

// The integer held as two integral doubles a + b, as one Python int.  A NaN
// or infinite a raises float's own ValueError or OverflowError.
py::int_ python_integer(const float128 &integer)
{
    double a, b;
    integer.extract(a, b);
    auto whole = [](double part) {
        PyObject *result = PyLong_FromDouble(part);
        if (result == nullptr)
            throw py::error_already_set();
        return py::reinterpret_steal<py::int_>(result);
    };
    py::int_ high = whole(a);
    return py::int_(high + whole(b));
}

} // namespace

void register_number_protocols(py::module_ &m)
{
    py::class_<float128> f128 = registered_class<float128>(m, "Float128");

    f128.def("__bool__", [](self_arg<float128> x) { return !(*x.value == float128(0.0)); },
        "False exactly when x == Float128(0.0), that is when both parts are zeros of either sign; NaN is "
        "true, as for float.");
    f128.def("__abs__", [](self_arg<float128> x) { return tars::abs(*x.value); },
        "abs(x): the same as tarsel.abs(x), a new Float128 with the sign of the value removed (exact).");
    f128.def("__pos__", [](self_arg<float128> x) { return *x.value; },
        "+x: a new Float128 with the same bits (never x itself, since the in-place operators change their "
        "instance).");
    f128.def("__floor__", [](self_arg<float128> x) { return python_integer(tars::integer_floor(*x.value)); },
        "math.floor(x): the greatest int at or below the exact sum hi + lo, of any size.  OverflowError for "
        "an infinity, ValueError for NaN.");
    f128.def("__ceil__", [](self_arg<float128> x) { return python_integer(tars::integer_ceil(*x.value)); },
        "math.ceil(x): the least int at or above the exact sum hi + lo, of any size.  OverflowError for an "
        "infinity, ValueError for NaN.");
    f128.def("__trunc__", [](self_arg<float128> x) { return python_integer(tars::integer_trunc(*x.value)); },
        "math.trunc(x): the exact sum hi + lo with its fraction removed, as an int of any size.  "
        "OverflowError for an infinity, ValueError for NaN.");
    f128.def("__round__",
        [](self_arg<float128> x, const py::none &) { return python_integer(tars::integer_round_even(*x.value)); },
        py::arg("ndigits") = py::none(),
        "round(x): the int nearest the exact sum hi + lo, a tie going to the even int, as for float.  "
        "OverflowError for an infinity, ValueError for NaN.");
    f128.def("__round__",
        [](self_arg<float128> x, decimal_places ndigits) { return tars::round_to_places(*x.value, ndigits.value); },
        py::arg("ndigits"),
        "round(x, ndigits): a Float128, the exact sum hi + lo rounded half to even to a multiple of "
        "10**-ndigits (ndigits may be negative) and read back correctly rounded, as "
        "Float128.from_decimal reads text; as float does.  Infinities and NaN come back unchanged.");

    m.def("isfinite", [](const float128 &x) { return tars::isfinite(x); }, py::arg("x"), py::pos_only(),
        "True when x is neither NaN nor infinite.  Like isnan and isinf it looks at the high part only.");
}

} // namespace tarsel_binding
