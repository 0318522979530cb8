// reductions.cpp -- the exact reductions fsum, fdot, sum_arrays and
// dot_arrays, and the class Accumulator that keeps an exact sum across
// calls, merges and pickling.
//
// Arguments are float64 arrays taken as they are (anything else is first
// converted by NumPy), read through their own strides without a copy.  The
// shape checks come before any work; the sums themselves are the
// superaccumulator's (include/tarsel/tarsel_superacc.hpp).
#include <functional>
#include <stdexcept>
#include <string>

#include "src/sum/reductions.hpp"
#include "python/array_argument.hpp"
#include "python/binding.hpp"

// An Accumulator made by __new__ without __init__ holds no value; like a
// Float128 it is refused as an argument with TypeError
// (instance_arguments.hpp).  Only this translation unit takes accumulators.
namespace pybind11 {
namespace detail {
template <>
class type_caster<tars::superaccumulator> : public initialised_instance_caster<tars::superaccumulator> {};
} // namespace detail
} // namespace pybind11

namespace tarsel_binding {

namespace {

using tars::float128;
using tars::superaccumulator;
using f64_array = float64_array;
using accumulator_self = self_arg<superaccumulator>;

bool is_vector(const f64_array &a)
{
    return a.ndim() == 1;
}

tars::strided_doubles as_doubles(const f64_array &a)
{
    return {reinterpret_cast<const char *>(a.data()), a.shape(0), a.strides(0)};
}

tars::strided_rows as_rows(const f64_array &a)
{
    return {reinterpret_cast<const char *>(a.data()), a.shape(0), a.strides(0), a.strides(1)};
}

void require_same_length(const f64_array &a, const f64_array &b)
{
    if (a.shape(0) != b.shape(0))
        throw std::runtime_error("Input shapes must match");
}

float128 rounded(const superaccumulator &acc)
{
    return float128(acc.round());
}

// Runs one reduction with the engine's settings, polling for signals; an
// interruption raises the signal handler's exception and leaves acc as it
// was.
template <class Reduction>
void run(Reduction reduction)
{
    if (reduction(engine_settings(), signal_check()) == tars::run_status::interrupted)
        throw py::error_already_set();
}

float128 fsum(const f64_array &x)
{
    if (!is_vector(x))
        throw std::runtime_error("Input must be one-dimensional");
    superaccumulator acc;
    run([&](auto settings, auto check) { return tars::add_sum(acc, as_doubles(x), settings, check); });
    return rounded(acc);
}

float128 fdot(const f64_array &x, const f64_array &y)
{
    if (!is_vector(x) || !is_vector(y))
        throw std::runtime_error("Inputs must be one-dimensional");
    require_same_length(x, y);
    superaccumulator acc;
    run([&](auto settings, auto check) { return tars::add_dot(acc, as_doubles(x), as_doubles(y), settings, check); });
    return rounded(acc);
}

float128 sum_arrays(const f64_array &a)
{
    if (!has_row_shape(a))
        throw std::runtime_error("Input must have shape (N, 2)");
    superaccumulator acc;
    run([&](auto settings, auto check) { return tars::add_row_sum(acc, as_rows(a), settings, check); });
    return rounded(acc);
}

float128 dot_arrays(const f64_array &a, const f64_array &b)
{
    if (!has_row_shape(a) || !has_row_shape(b))
        throw std::runtime_error("Inputs must have shape (N, 2)");
    require_same_length(a, b);
    superaccumulator acc;
    run([&](auto settings, auto check) { return tars::add_row_dot(acc, as_rows(a), as_rows(b), settings, check); });
    return rounded(acc);
}

// --- Accumulator ---

void add_array(superaccumulator &acc, const f64_array &x)
{
    if (is_vector(x))
        run([&](auto settings, auto check) { return tars::add_sum(acc, as_doubles(x), settings, check); });
    else if (has_row_shape(x))
        run([&](auto settings, auto check) { return tars::add_row_sum(acc, as_rows(x), settings, check); });
    else
        throw std::runtime_error("Input must be one-dimensional or have shape (N, 2)");
}

void add_products(superaccumulator &acc, const f64_array &x, const f64_array &y)
{
    if (is_vector(x) && is_vector(y)) {
        require_same_length(x, y);
        run([&](auto settings, auto check) { return tars::add_dot(acc, as_doubles(x), as_doubles(y), settings, check); });
    } else if (has_row_shape(x) && has_row_shape(y)) {
        require_same_length(x, y);
        run([&](auto settings, auto check) { return tars::add_row_dot(acc, as_rows(x), as_rows(y), settings, check); });
    } else {
        throw std::runtime_error("Inputs must both be one-dimensional or both have shape (N, 2)");
    }
}

void add_float128(superaccumulator &acc, const float128 &x)
{
    double hi, lo;
    x.extract(hi, lo);
    acc.add(hi);
    acc.add(lo);
}

py::bytes state_of(const superaccumulator &acc)
{
    return py::bytes(acc.to_state());
}

superaccumulator from_state(const py::bytes &state)
{
    std::optional<superaccumulator> restored = superaccumulator::from_state(std::string(state));
    if (!restored)
        throw py::value_error("not an Accumulator state written by tarsel");
    return *restored;
}

std::string repr(const superaccumulator &acc)
{
    return "<tarsel.Accumulator value=" + rounded(acc).to_string() + ">";
}

} // namespace

void register_reductions(py::module_ &m)
{
    m.def("fsum", &fsum,
          "Exact sum of the elements of a one-dimensional float64 array (anything NumPy converts to one), rounded "
          "once to a Float128: hi is the double nearest the exact sum S and lo the double nearest S - hi, so the "
          "result does not depend on the order of the elements, the threads or the instruction set.  A NaN, or "
          "infinities of both signs, give NaN; infinities of one sign give that infinity; a sum beyond the "
          "double range gives the signed infinity; no elements give +0.0.",
          py::arg("x"), py::pos_only());
    m.def("fdot", &fdot,
          "Exact dot product of two one-dimensional float64 arrays of the same length: every product x[i] * y[i] "
          "is exact, and their sum is rounded once to a Float128 as by fsum (the same special values).",
          py::arg("x"), py::arg("y"), py::pos_only());
    m.def("sum_arrays", &sum_arrays,
          "Exact sum of both parts of every row of an (N, 2) float64 array, rounded once to a Float128 as by "
          "fsum (the same special values).",
          py::arg("a"), py::pos_only());
    m.def("dot_arrays", &dot_arrays,
          "Exact dot product of two (N, 2) arrays of double-double rows: the four exact products of the parts of "
          "a[i] and b[i] summed and rounded once to a Float128 as by fsum (the same special values).",
          py::arg("a"), py::arg("b"), py::pos_only());

    py::class_<superaccumulator> acc(m, "Accumulator",
                                     "an exact running sum of floats, arrays and products, rounded once by value()");
    acc.def(py::init<>(), "an empty accumulator, whose value is +0.0");
    acc.def(py::init(&from_state), py::arg("state"),
            "the accumulator whose exact state the bytes `state` hold, as written by pickling (by this release or "
            "an earlier one); ValueError for any other bytes");

    // add: a Float128 adds both of its parts, a float one term, a
    // one-dimensional array its elements and an (N, 2) array both parts of
    // every row.
    acc.def("add", [](accumulator_self self, const float128 &x) { add_float128(*self.value, x); },
            "add both parts of a Float128", py::arg("x"));
    acc.def("add", [](accumulator_self self, float_value x) { self.value->add(x.value); }, "add one float",
            py::arg("x"));
    acc.def("add", [](accumulator_self self, const f64_array &x) { add_array(*self.value, x); },
            "add the elements of a one-dimensional array or both parts of every row of an (N, 2) array",
            py::arg("x"));
    acc.def("add_products",
            [](accumulator_self self, const f64_array &x, const f64_array &y) { add_products(*self.value, x, y); },
            "add the exact products of two one-dimensional or two (N, 2) arrays", py::arg("x"), py::arg("y"));
    acc.def("merge", [](accumulator_self self, const superaccumulator &other) { self.value->merge(other); },
            "add everything another Accumulator holds", py::arg("other"));
    acc.def("value", method(&rounded), "the exact sum rounded once to a Float128");
    acc.def("copy", [](accumulator_self self) { return *self.value; }, "a new Accumulator with the same exact state");

    // Pickling and copying: an accumulator reduces to (Accumulator, (state,)),
    // its whole exact state as a compact, versioned byte string (the layout
    // is in src/sum/superacc.cpp), which the second constructor reads back.
    // Every protocol goes through __reduce__, and no instance is ever made
    // without a constructor.
    acc.def("__reduce__", [](accumulator_self self) {
        return py::make_tuple(py::type::of<superaccumulator>(), py::make_tuple(state_of(*self.value)));
    });

    // Equality of the exact state; unhashable, as a mutable container.
    acc.def("__eq__", binary_method<superaccumulator>(std::equal_to<>()), py::is_operator());
    acc.def("__repr__", method(&repr));
}

} // namespace tarsel_binding
