// ufuncs.cpp -- the loops of NumPy's ufuncs for float128, and the promotion
// of mixed operands to float128.
//
// Two kinds of loop, each computing what the module function or operator
// computes on the same Float128 values, NaN bits included:
//  - the functions of the engine's function table, under the ufunc names
//    its NumPy column gives: NumPy's byte strides go to the engine's row
//    view as they are, so a ufunc runs the same vector kernels, threads and
//    interruption checks as the (N, 2) array functions;
//  - the functions the table does not hold (comparisons, predicates,
//    maximum and minimum, floor_divide ..., and ldexp, frexp and modf, whose
//    int exponent or two results the table cannot carry), one element at a
//    time over the scalar layer, listed once below.
// Every loop is quiet: the IEEE flags of the error terms are not the
// user's business.  A loop whose output overlaps an input other than
// element for element (NumPy's accumulate does this) runs element by
// element in order, so that each result sees the one before it.
#include "python/dtype/dtype.hpp"

#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "python/binding.hpp"
#include "src/linalg/matmul.hpp"
#include "src/sum/reductions.hpp"
#include "tarsel/tarsel_integer.h"
#include "tarsel/tarsel_math.h"
#include "tarsel/tarsel_parts.h"
#include "tarsel/tarsel_utils.h"

namespace tarsel_dtype {

namespace {

using tarsel_binding::engine_settings;
using tarsel_binding::signal_check_unlocked;
using tarsel_engine::array_function;

/* --- the scalar functions, one element at a time --- */

tarsel zero()
{
    return tarsel_from_double(0.0);
}

bool signbit_of(tarsel x)
{
    return std::signbit(hi_of(x));
}

tarsel positive(tarsel x) { return x; }
tarsel square(tarsel x) { return tarsel_mul(x, x); }
tarsel reciprocal(tarsel x) { return tarsel_div(tarsel_from_double(1.0), x); }
tarsel rint(tarsel x) { return tarsel_integer_round_even(x); }

// -1, 0 or 1 by the sign of the value (+0.0 for either zero), NaN as it is.
tarsel sign(tarsel x)
{
    if (tarsel_isnan(x))
        return x;
    return tarsel_from_double(tarsel_gt(x, zero()) ? 1.0 : tarsel_lt(x, zero()) ? -1.0 : 0.0);
}

// x with the sign of y: both parts negated when the signs of the high
// parts differ.
tarsel copysign(tarsel x, tarsel y)
{
    return signbit_of(x) != signbit_of(y) ? tarsel_neg(x) : x;
}

// The larger or the smaller of x and y.  maximum and minimum propagate a
// NaN (the first one); fmax and fmin ignore a NaN beside a number.
// Between equal values (+0.0 and -0.0) the first operand is kept, as
// NumPy's float loops keep it.
template <bool Larger, bool PropagateNan>
tarsel extreme(tarsel x, tarsel y)
{
    if (tarsel_isnan(x) || tarsel_isnan(y)) {
        if (PropagateNan)
            return tarsel_isnan(x) ? x : y;
        return tarsel_isnan(y) ? x : y;
    }
    return (Larger ? tarsel_lt(x, y) : tarsel_gt(x, y)) ? y : x;
}

// Python's float // and %, from fmod: the remainder takes the sign of the
// divisor, and the quotient is the floor of (x - mod) / y, moved to the
// nearest integer where that division left it just below one.
void floor_divmod(tarsel x, tarsel y, tarsel &q, tarsel &r)
{
    tarsel mod = tarsel_fmod(x, y);
    if (tarsel_isnan(mod) || tarsel_isinf(x) || tarsel_isnan(y) || tarsel_eq(y, zero())) {
        // NaN, an infinite x or a zero y: no quotient, as Python's divmod
        // would raise; NumPy's float64 loops give these.
        q = tarsel_div(x, y);
        r = mod;
        if (tarsel_isinf(y) && !tarsel_isinf(x) && !tarsel_isnan(x)) {
            // a finite x over an infinite y: quotient 0 or -1, remainder x
            // or y, as Python computes them
            bool same = signbit_of(x) == signbit_of(y) || tarsel_eq(x, zero());
            q = same ? copysign(zero(), tarsel_div(x, y)) : tarsel_from_double(-1.0);
            r = same ? x : y;
        }
        return;
    }
    tarsel div = tarsel_div(tarsel_sub(x, mod), y);
    if (!tarsel_eq(mod, zero())) {
        if (signbit_of(y) != signbit_of(mod)) {
            mod = tarsel_add(mod, y);
            div = tarsel_sub(div, tarsel_from_double(1.0));
        }
    } else {
        mod = copysign(zero(), y);
    }
    if (!tarsel_eq(div, zero())) {
        tarsel floordiv = tarsel_floor(div);
        if (tarsel_gt(tarsel_sub(div, floordiv), tarsel_from_double(0.5)))
            floordiv = tarsel_add(floordiv, tarsel_from_double(1.0));
        q = floordiv;
    } else {
        q = copysign(zero(), tarsel_div(x, y));
    }
    r = mod;
}

tarsel floor_divide(tarsel x, tarsel y)
{
    tarsel q, r;
    floor_divmod(x, y, q, r);
    return q;
}

tarsel remainder(tarsel x, tarsel y)
{
    tarsel q, r;
    floor_divmod(x, y, q, r);
    return r;
}

bool truth(tarsel x) { return !tarsel_eq(x, zero()); }

bool is_nan(tarsel x) { return tarsel_isnan(x); }
bool is_inf(tarsel x) { return tarsel_isinf(x); }
bool is_finite(tarsel x) { return tarsel_isfinite(x); }
bool logical_not(tarsel x) { return !truth(x); }

bool equal(tarsel x, tarsel y) { return tarsel_eq(x, y); }
bool not_equal(tarsel x, tarsel y) { return !tarsel_eq(x, y); }
bool less(tarsel x, tarsel y) { return tarsel_lt(x, y); }
bool less_equal(tarsel x, tarsel y) { return tarsel_le(x, y); }
bool greater(tarsel x, tarsel y) { return tarsel_gt(x, y); }
bool greater_equal(tarsel x, tarsel y) { return tarsel_ge(x, y); }
bool logical_and(tarsel x, tarsel y) { return truth(x) && truth(y); }
bool logical_or(tarsel x, tarsel y) { return truth(x) || truth(y); }
bool logical_xor(tarsel x, tarsel y) { return truth(x) != truth(y); }

/* --- element loops --- */

template <tarsel (*F)(tarsel)>
int unary_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0];
    char *out = data[1];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], out += s[1])
        store(out, F(load(a)));
    return 0;
}

template <tarsel (*F)(tarsel, tarsel)>
int binary_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0], *b = data[1];
    char *out = data[2];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], b += s[1], out += s[2])
        store(out, F(load(a), load(b)));
    return 0;
}

template <bool (*F)(tarsel)>
int predicate_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[],
                   NpyAuxData *)
{
    const char *a = data[0];
    char *out = data[1];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], out += s[1])
        *reinterpret_cast<npy_bool *>(out) = F(load(a)) ? NPY_TRUE : NPY_FALSE;
    return 0;
}

template <bool (*F)(tarsel, tarsel)>
int relation_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[],
                  NpyAuxData *)
{
    const char *a = data[0], *b = data[1];
    char *out = data[2];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], b += s[1], out += s[2])
        *reinterpret_cast<npy_bool *>(out) = F(load(a), load(b)) ? NPY_TRUE : NPY_FALSE;
    return 0;
}

// x 2^k for an integer k of the type of NumPy's exponent loop (int or long,
// as NumPy's 'di' and 'dl'), k clamped to the C int range as the module's
// ldexp clamps it: past 2^+-2200 every result saturates anyway.
template <class Exponent>
int ldexp_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0], *b = data[1];
    char *out = data[2];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], b += s[1], out += s[2]) {
        Exponent k;
        std::memcpy(&k, b, sizeof k);
        int clamped = k > INT_MAX ? INT_MAX : k < INT_MIN ? INT_MIN : int(k);
        store(out, tarsel_ldexp(load(a), clamped));
    }
    return 0;
}

// (m, e), e an int as NumPy's frexp gives it for float64.
int frexp_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0];
    char *m = data[1], *e = data[2];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], m += s[1], e += s[2]) {
        int exponent;
        tarsel mantissa = tarsel_frexp(load(a), &exponent);
        npy_int stored = exponent;
        store(m, mantissa);
        std::memcpy(e, &stored, sizeof stored);
    }
    return 0;
}

// (fractional part, integral part), as NumPy's modf orders them.
int modf_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0];
    char *f = data[1], *t = data[2];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], f += s[1], t += s[2]) {
        tarsel integral;
        tarsel fraction = tarsel_modf(load(a), &integral);
        store(f, fraction);
        store(t, integral);
    }
    return 0;
}

int divmod_loop(PyArrayMethod_Context *, char *const data[], const npy_intp n[], const npy_intp s[], NpyAuxData *)
{
    const char *a = data[0], *b = data[1];
    char *q = data[2], *r = data[3];
    for (npy_intp i = 0; i < n[0]; ++i, a += s[0], b += s[1], q += s[2], r += s[3]) {
        tarsel quotient, rest;
        floor_divmod(load(a), load(b), quotient, rest);
        store(q, quotient);
        store(r, rest);
    }
    return 0;
}

/* --- the engine's functions --- */

// Whether the n elements of an input at `in` with stride `in_step` share
// memory with the output other than element for element.  An output of
// stride 0 is a reduction's running value: each row reads the one before.
bool overlaps(const char *in, npy_intp in_step, const char *out, npy_intp out_step, npy_intp n)
{
    if (in == out && in_step == out_step && out_step != 0)
        return false;
    auto span = [n](const char *p, npy_intp step, const char *&lo, const char *&hi) {
        const char *last = p + (n - 1) * step;
        lo = step < 0 ? last : p;
        hi = (step < 0 ? p : last) + 16;
    };
    const char *in_lo, *in_hi, *out_lo, *out_hi;
    span(in, in_step, in_lo, in_hi);
    span(out, out_step, out_lo, out_hi);
    return in_lo < out_hi && out_lo < in_hi;
}

tarsel_engine::row_view rows_at(const char *p, npy_intp step)
{
    return {p, step, 8};
}

// The rows of f in order, one at a time, through the reference loop: each
// row may read the one written before it.
void rows_in_order(array_function f, char *const data[], npy_intp n, const npy_intp s[], int nin)
{
    tarsel_engine::rows_kernel reference = tarsel_engine::scalar_kernels.run[int(f)];
    char *out = data[nin];
    for (npy_intp i = 0; i < n; ++i) {
        double row[2];
        reference(rows_at(data[0] + i * s[0], s[0]), rows_at(data[nin - 1] + i * s[nin - 1], s[nin - 1]), row, 0, 1);
        std::memcpy(out + i * s[nin], row, sizeof row);
    }
}

// np.add.reduce hands the loop the running sum as first operand and output
// (stride 0) and the terms as second operand: the sum of all of them is
// formed exactly and rounded once.
int exact_sum(char *const data[], npy_intp n, const npy_intp s[])
{
    tars::superaccumulator acc;
    tarsel start = load(data[0]);
    double hi, lo;
    tarsel_extract(start, &hi, &lo);
    acc.add(hi);
    acc.add(lo);
    tars::strided_rows terms{data[1], n, s[1], 8};
    if (tars::add_row_sum(acc, terms, engine_settings(), signal_check_unlocked()) ==
        tarsel_engine::run_status::interrupted)
        return -1;
    store(data[2], acc.round());
    return 0;
}

// The rows of an output whose rows are not contiguous (or not aligned for
// the engine's double stores) are computed into
// this many contiguous rows at a time and then copied out.
constexpr npy_intp scatter_rows = 1024;

template <array_function F>
int engine_loop(PyArrayMethod_Context *, char *const data[], const npy_intp dimensions[], const npy_intp s[],
                NpyAuxData *)
{
    constexpr int nin = tarsel_engine::arity(F);
    npy_intp n = dimensions[0];
    if (n <= 0)
        return 0;
    if (F == array_function::add && nin == 2 && s[0] == 0 && s[2] == 0 && data[0] == data[2])
        return exact_sum(data, n, s);
    bool in_order = false;
    for (int k = 0; k < nin; ++k)
        in_order = in_order || overlaps(data[k], s[k], data[nin], s[nin], n);
    if (in_order) {
        rows_in_order(F, data, n, s, nin);
        return 0;
    }
    tarsel_engine::row_view a = rows_at(data[0], s[0]), b = rows_at(data[nin - 1], s[nin - 1]);
    if (s[nin] == 16 && reinterpret_cast<std::uintptr_t>(data[nin]) % alignof(double) == 0) {
        if (tarsel_engine::run_rows(F, engine_settings(), a, b, reinterpret_cast<double *>(data[nin]),
                                    n, signal_check_unlocked()) == tarsel_engine::run_status::interrupted)
            return -1;
        return 0;
    }
    double rows[2 * scatter_rows];
    for (npy_intp begin = 0; begin < n; begin += scatter_rows) {
        npy_intp count = n - begin < scatter_rows ? n - begin : scatter_rows;
        tarsel_engine::row_view a_part = rows_at(data[0] + begin * s[0], s[0]);
        tarsel_engine::row_view b_part = rows_at(data[nin - 1] + begin * s[nin - 1], s[nin - 1]);
        if (tarsel_engine::run_rows(F, engine_settings(), a_part, b_part, rows, count,
                                    signal_check_unlocked()) == tarsel_engine::run_status::interrupted)
            return -1;
        for (npy_intp i = 0; i < count; ++i)
            std::memcpy(data[nin] + (begin + i) * s[nin], rows + 2 * i, 16);
    }
    return 0;
}

/* --- the matrix product --- */

// np.matmul, the gufunc (n?,k),(k,m?)->(n?,m?): dimensions holds the outer
// count, then n, k and m; steps the outer steps of the three operands, then
// the core steps of a (n, k), b (k, m) and c (n, m).  NumPy copies an output
// that overlaps an input before the loop sees it.
int matmul_loop(PyArrayMethod_Context *, char *const data[], const npy_intp dimensions[], const npy_intp steps[],
                NpyAuxData *)
{
    tarsel_linalg::matmul_operands ops;
    ops.n = dimensions[1];
    ops.k = dimensions[2];
    ops.m = dimensions[3];
    for (npy_intp o = 0; o < dimensions[0]; ++o) {
        ops.a = {data[0] + o * steps[0], steps[3], steps[4]};
        ops.b = {data[1] + o * steps[1], steps[5], steps[6]};
        ops.c = {data[2] + o * steps[2], steps[7], steps[8]};
        if (tarsel_linalg::matmul(ops, engine_settings(), signal_check_unlocked()) ==
            tarsel_engine::run_status::interrupted)
            return -1;
    }
    // NumPy reads the flags after a generalized ufunc whatever the loop
    // says: those of the error terms are not the user's business.
    std::feclearexcept(FE_ALL_EXCEPT);
    return 0;
}

/* --- the registrations --- */

// The dtype of an operand: the float128 element, NumPy's bool, or NumPy's
// int ('i', int32) and long ('l') of the exponents of ldexp and frexp.
enum class operand { float128, boolean, c_int, c_long };

constexpr operand f128 = operand::float128, boolean = operand::boolean, c_int = operand::c_int,
                  c_long = operand::c_long;

struct loop_row {
    const char *ufuncs;   // space-separated NumPy names
    const char *engine;   // the engine's function, or null
    int nin, nout;
    operand types[4];     // the inputs', then the outputs' dtypes
    PyArrayMethod_StridedLoop *loop;
};

#define TARSEL_ENGINE_LOOP(name, arity, scalar, kernel, min_rows, ufuncs, doc) \
    {ufuncs, #name, arity, 1, {f128, f128, f128}, &engine_loop<array_function::name>},

// The functions of the engine, then the rest, each once.
const loop_row loop_rows[] = {
    TARSEL_ARRAY_FUNCTIONS(TARSEL_ENGINE_LOOP)
    {"positive", nullptr, 1, 1, {f128, f128}, &unary_loop<positive>},
    {"square", nullptr, 1, 1, {f128, f128}, &unary_loop<square>},
    {"reciprocal", nullptr, 1, 1, {f128, f128}, &unary_loop<reciprocal>},
    {"rint", nullptr, 1, 1, {f128, f128}, &unary_loop<rint>},
    {"sign", nullptr, 1, 1, {f128, f128}, &unary_loop<sign>},
    {"copysign", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<copysign>},
    {"matmul", nullptr, 2, 1, {f128, f128, f128}, &matmul_loop},
    {"maximum", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<extreme<true, true>>},
    {"minimum", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<extreme<false, true>>},
    {"fmax", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<extreme<true, false>>},
    {"fmin", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<extreme<false, false>>},
    {"floor_divide", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<floor_divide>},
    {"remainder", nullptr, 2, 1, {f128, f128, f128}, &binary_loop<remainder>},
    {"divmod", nullptr, 2, 2, {f128, f128, f128, f128}, &divmod_loop},
    {"ldexp", nullptr, 2, 1, {f128, c_int, f128}, &ldexp_loop<npy_int>},
    {"ldexp", nullptr, 2, 1, {f128, c_long, f128}, &ldexp_loop<npy_long>},
    {"frexp", nullptr, 1, 2, {f128, f128, c_int}, &frexp_loop},
    {"modf", nullptr, 1, 2, {f128, f128, f128}, &modf_loop},
    {"isnan", nullptr, 1, 1, {f128, boolean}, &predicate_loop<is_nan>},
    {"isinf", nullptr, 1, 1, {f128, boolean}, &predicate_loop<is_inf>},
    {"isfinite", nullptr, 1, 1, {f128, boolean}, &predicate_loop<is_finite>},
    {"signbit", nullptr, 1, 1, {f128, boolean}, &predicate_loop<signbit_of>},
    {"logical_not", nullptr, 1, 1, {f128, boolean}, &predicate_loop<logical_not>},
    {"equal", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<equal>},
    {"not_equal", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<not_equal>},
    {"less", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<less>},
    {"less_equal", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<less_equal>},
    {"greater", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<greater>},
    {"greater_equal", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<greater_equal>},
    {"logical_and", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<logical_and>},
    {"logical_or", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<logical_or>},
    {"logical_xor", nullptr, 2, 1, {f128, f128, boolean}, &relation_loop<logical_xor>},
};

#undef TARSEL_ENGINE_LOOP

// The start of a reduction over no elements: 0 for add, 1 for multiply;
// over some elements NumPy starts from the first, so -0.0 sums stay -0.0.
template <int Start>
int reduction_start(PyArrayMethod_Context *, npy_bool empty, void *initial)
{
    if (!empty)
        return 0;
    store(static_cast<char *>(initial), tarsel_from_double(double(Start)));
    return 1;
}

PyArray_DTypeMeta *dtype_of(operand type)
{
    switch (type) {
    case operand::boolean:
        return &PyArray_BoolDType;
    case operand::c_int:
        return &PyArray_IntDType;
    case operand::c_long:
        return &PyArray_LongDType;
    case operand::float128:
        break;
    }
    return float128_dtype();
}

// Mixed operands: every input that is not float128 (a float64 array, a
// Python int, an int8 ...) is cast to float128 first; the outputs are
// those of the loop.  Where the caller fixes another dtype (dtype=object,
// as Dask's sum asks), every operand it leaves open takes that dtype.
template <operand Output>
int promote(PyObject *ufunc, PyArray_DTypeMeta *const[], PyArray_DTypeMeta *const signature[],
            PyArray_DTypeMeta *new_op_dtypes[])
{
    const PyUFuncObject *u = reinterpret_cast<const PyUFuncObject *>(ufunc);
    int nargs = u->nin + u->nout;
    PyArray_DTypeMeta *fixed = nullptr;
    for (int k = 0; k < nargs && !fixed; ++k)
        if (signature[k] && signature[k] != float128_dtype())
            fixed = signature[k];
    for (int k = 0; k < nargs; ++k) {
        PyArray_DTypeMeta *d = signature[k] ? signature[k]
                               : fixed ? fixed
                               : k < u->nin ? float128_dtype() : dtype_of(Output);
        Py_INCREF(d);
        new_op_dtypes[k] = d;
    }
    return 0;
}

// The exponent of ldexp beside a float128: the loop NumPy's float64 ldexp
// would take for it, int ('di') for what casts safely to an int, else long
// ('dl'), and int for a Python int (a value beyond it then raises
// OverflowError, as for float64).  Any other dtype (a float, uint64) is
// refused with TypeError, as float64 refuses it.
int promote_exponent(PyObject *, PyArray_DTypeMeta *const op_dtypes[], PyArray_DTypeMeta *const signature[],
                     PyArray_DTypeMeta *new_op_dtypes[])
{
    PyArray_DTypeMeta *given = signature[1] ? signature[1] : op_dtypes[1];
    PyArray_DTypeMeta *exponent = nullptr;
    if (given == &PyArray_PyLongDType)
        exponent = &PyArray_IntDType;
    else if (given && (PyTypeNum_ISINTEGER(given->type_num) || PyTypeNum_ISBOOL(given->type_num)))
        exponent = PyArray_CanCastSafely(given->type_num, NPY_INT)    ? &PyArray_IntDType
                   : PyArray_CanCastSafely(given->type_num, NPY_LONG) ? &PyArray_LongDType
                                                                      : nullptr;
    if (!exponent) {
        PyErr_SetString(PyExc_TypeError, "ufunc 'ldexp' not supported for the input types: a float128 takes an "
                                         "integer exponent that casts safely to int32 or int64");
        return -1;
    }
    PyArray_DTypeMeta *chosen[3] = {float128_dtype(), exponent, float128_dtype()};
    for (int k = 0; k < 3; ++k) {
        PyArray_DTypeMeta *d = signature[k] ? signature[k] : chosen[k];
        Py_INCREF(d);
        new_op_dtypes[k] = d;
    }
    return 0;
}

// Registers a promoter for operands of these dtypes, one per operand
// (nullptr: any output); PyArrayDescr_Type stands for any dtype.
int add_promoter(PyObject *ufunc, const std::vector<PyObject *> &types, void *function)
{
    PyObject *tuple = PyTuple_New(Py_ssize_t(types.size()));
    if (!tuple)
        return -1;
    for (std::size_t j = 0; j < types.size(); ++j) {
        PyObject *t = types[j] ? types[j] : Py_None;
        Py_INCREF(t);
        PyTuple_SET_ITEM(tuple, Py_ssize_t(j), t);
    }
    PyObject *capsule = PyCapsule_New(function, "numpy._ufunc_promoter", nullptr);
    if (!capsule) {
        Py_DECREF(tuple);
        return -1;
    }
    int status = PyUFunc_AddPromoter(ufunc, tuple, capsule);
    Py_DECREF(tuple);
    Py_DECREF(capsule);
    return status;
}

int add_loop(PyObject *ufunc, const std::string &ufunc_name, const loop_row &row)
{
    std::vector<PyArray_DTypeMeta *> dtypes;
    for (int k = 0; k < row.nin + row.nout; ++k)
        dtypes.push_back(dtype_of(row.types[k]));
    // Every loop reads and writes elements through memcpy, so the same loop
    // serves unaligned operands.
    std::vector<PyType_Slot> slots = {{NPY_METH_strided_loop, reinterpret_cast<void *>(row.loop)},
                                      {NPY_METH_unaligned_strided_loop, reinterpret_cast<void *>(row.loop)}};
    if (ufunc_name == "add")
        slots.push_back({NPY_METH_get_reduction_initial, reinterpret_cast<void *>(&reduction_start<0>)});
    if (ufunc_name == "multiply")
        slots.push_back({NPY_METH_get_reduction_initial, reinterpret_cast<void *>(&reduction_start<1>)});
    slots.push_back({0, nullptr});
    std::string method_name = "float128_" + ufunc_name;
    method_description method = {};
    method.name = method_name.c_str();
    method.nin = row.nin;
    method.nout = row.nout;
    method.casting = NPY_NO_CASTING;
    // The engine's loops poll for Ctrl-C on the calling thread, which needs
    // the interpreter lock held (NumPy 2.0's reductions release it anyway:
    // the check then takes it, signal_check_unlocked).
    int flags = NPY_METH_NO_FLOATINGPOINT_ERRORS | NPY_METH_SUPPORTS_UNALIGNED | NPY_METH_REQUIRES_PYAPI;
    // Reductions of these over several axes at once (x.sum(), np.max(x)),
    // as NumPy allows for its own floats.
    static const std::set<std::string> reorderable = {"add", "multiply", "maximum", "minimum", "fmax", "fmin"};
    if (reorderable.count(ufunc_name))
        flags |= NPY_METH_IS_REORDERABLE;
    method.flags = NPY_ARRAYMETHOD_FLAGS(flags);
    method.dtypes = dtypes.data();
    method.slots = slots.data();
    if (PyUFunc_AddLoopFromSpec(ufunc, &method) < 0)
        return -1;

    // The promoters of a two-operand ufunc of float128 operands: float128
    // beside any other dtype, in either position.  ldexp's exponent has its
    // own, registered with its first loop.
    if (row.nin != 2)
        return 0;
    PyObject *f128_type = reinterpret_cast<PyObject *>(float128_dtype());
    PyObject *any = reinterpret_cast<PyObject *>(&PyArrayDescr_Type);
    std::vector<PyObject *> types(std::size_t(row.nin + row.nout), nullptr);
    if (row.types[1] == operand::c_int) {
        types[0] = f128_type;
        types[1] = any;
        return add_promoter(ufunc, types, reinterpret_cast<void *>(&promote_exponent));
    }
    if (row.types[1] != operand::float128)
        return 0;
    void *function = row.types[2] == operand::boolean ? reinterpret_cast<void *>(&promote<operand::boolean>)
                                                      : reinterpret_cast<void *>(&promote<operand::float128>);
    for (int k = 0; k < row.nin; ++k) {
        types[0] = k == 0 ? f128_type : any;
        types[1] = k == 1 ? f128_type : any;
        if (add_promoter(ufunc, types, function) < 0)
            return -1;
    }
    return 0;
}

// Every loop under each NumPy name it serves, in the order of the rows.
std::vector<std::pair<std::string, const loop_row *>> named_loops()
{
    std::vector<std::pair<std::string, const loop_row *>> loops;
    for (const loop_row &row : loop_rows) {
        std::string names = row.ufuncs;
        for (std::size_t start = 0, end; start < names.size(); start = end + 1) {
            end = names.find(' ', start);
            if (end == std::string::npos)
                end = names.size();
            loops.push_back({names.substr(start, end - start), &row});
        }
    }
    return loops;
}

} // namespace

PyObject *ufunc_loop_list()
{
    PyObject *list = PyList_New(0);
    for (const auto &[name, row] : named_loops()) {
        // The operands' dtypes, as numpy.dtype instances.
        PyObject *types = list ? PyTuple_New(row->nin + row->nout) : nullptr;
        for (int k = 0; types && k < row->nin + row->nout; ++k) {
            PyArray_Descr *descr = PyArray_GetDefaultDescr(dtype_of(row->types[k]));
            if (!descr) {
                Py_CLEAR(types);
                break;
            }
            PyTuple_SET_ITEM(types, k, reinterpret_cast<PyObject *>(descr));
        }
        PyObject *item = types ? Py_BuildValue("(siizN)", name.c_str(), row->nin, row->nout, row->engine, types)
                               : nullptr;
        if (!item || PyList_Append(list, item) < 0) {
            Py_XDECREF(item);
            Py_XDECREF(list);
            return nullptr;
        }
        Py_DECREF(item);
    }
    return list;
}

int register_ufunc_loops()
{
    PyObject *numpy = PyImport_ImportModule("numpy");
    if (!numpy)
        return -1;
    int status = 0;
    for (const auto &[name, row] : named_loops()) {
        PyObject *ufunc = PyObject_GetAttrString(numpy, name.c_str());
        status = ufunc ? add_loop(ufunc, name, *row) : -1;
        Py_XDECREF(ufunc);
        if (status < 0)
            break;
    }
    Py_DECREF(numpy);
    return status;
}

} // namespace tarsel_dtype
