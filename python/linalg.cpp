// linalg.cpp -- the entry points of tarsel.linalg in tarsel._core.  The
// package's linalg module (python/tarsel/linalg.py) handles shapes, stacks,
// conversions and errors, and passes one matrix at a time as the
// (rows, cols, 2) float64 view of a C-contiguous float128 array; the
// numerics are in src/linalg/.
#include <pybind11/numpy.h>

#include <string>
#include <vector>

#include "python/binding.hpp"
#include "src/linalg/factorizations.hpp"
#include "src/linalg/matmul.hpp"

namespace tarsel_binding {

namespace {

using tarsel_linalg::dense;
using tarsel_linalg::outcome;
using pairs = py::array_t<double, py::array::c_style>;

dense load(const pairs &a)
{
    if (a.ndim() != 3 || a.shape(2) != 2)
        throw py::value_error("expected the (rows, cols, 2) view of a float128 matrix");
    return tarsel_linalg::from_pairs(a.data(), a.shape(0), a.shape(1));
}

pairs store(const dense &m)
{
    pairs out({m.rows, m.cols, std::ptrdiff_t(2)});
    tarsel_linalg::to_pairs(m, out.mutable_data());
    return out;
}

pairs store_values(const std::vector<tars::float128> &values)
{
    dense m(std::ptrdiff_t(values.size()), 1);
    m.v = values;
    return store(m);
}

// The outcome's name for tarsel.linalg; an interruption raises the
// exception the signal handler set.
const char *name(outcome o)
{
    switch (o) {
    case outcome::interrupted: throw py::error_already_set();
    case outcome::ok: return "ok";
    case outcome::singular: return "singular";
    case outcome::not_positive_definite: return "not positive definite";
    default: return "no convergence";
    }
}

pairs matmul(const pairs &a, const pairs &b, bool exact)
{
    if (a.ndim() != 3 || b.ndim() != 3 || a.shape(2) != 2 || b.shape(2) != 2 || a.shape(1) != b.shape(0))
        throw py::value_error("expected the (n, k, 2) and (k, m, 2) views of two float128 matrices");
    pairs c({a.shape(0), b.shape(1), py::ssize_t(2)});
    tarsel_linalg::matmul_operands ops;
    ops.a = {reinterpret_cast<const char *>(a.data()), a.strides(0), a.strides(1)};
    ops.b = {reinterpret_cast<const char *>(b.data()), b.strides(0), b.strides(1)};
    ops.c = {reinterpret_cast<char *>(c.mutable_data()), c.strides(0), c.strides(1)};
    ops.n = a.shape(0);
    ops.k = a.shape(1);
    ops.m = b.shape(1);
    auto run = exact ? &tarsel_linalg::matmul_exact : &tarsel_linalg::matmul;
    if (run(ops, engine_settings(), signal_check()) == tarsel_engine::run_status::interrupted)
        throw py::error_already_set();
    return c;
}

py::tuple solve(const pairs &a, const pairs &b)
{
    dense x = load(b);
    outcome o = tarsel_linalg::solve(load(a), x, signal_check());
    return py::make_tuple(name(o), store(x));
}

py::tuple inverse(const pairs &a)
{
    dense inv;
    outcome o = tarsel_linalg::inverse(load(a), inv, signal_check());
    return py::make_tuple(name(o), store(inv));
}

py::tuple cholesky(const pairs &a)
{
    dense l;
    outcome o = tarsel_linalg::cholesky(load(a), l, signal_check());
    return py::make_tuple(name(o), store(l));
}

// (Q, R), or (None, R) without with_q.
py::tuple qr(const pairs &a, bool complete, bool with_q)
{
    dense q, r;
    name(tarsel_linalg::qr(load(a), with_q ? &q : nullptr, r, complete, signal_check()));
    return py::make_tuple(with_q ? py::object(store(q)) : py::none(), store(r));
}

py::tuple svd(const pairs &a, bool vectors)
{
    std::vector<tars::float128> s;
    dense u, vt;
    outcome o = tarsel_linalg::svd(load(a), s, vectors ? &u : nullptr, vectors ? &vt : nullptr, signal_check());
    return py::make_tuple(name(o), store_values(s), store(u), store(vt));
}

py::tuple eigh(const pairs &a, bool vectors)
{
    std::vector<tars::float128> w;
    dense v;
    outcome o = tarsel_linalg::eigh(load(a), w, vectors ? &v : nullptr, signal_check());
    return py::make_tuple(name(o), store_values(w), store(v));
}

} // namespace

void register_linalg(py::module_ &m)
{
    m.def("_linalg_matmul", &matmul, py::arg("a"), py::arg("b"), py::arg("exact"));
    m.def("_linalg_solve", &solve, py::arg("a"), py::arg("b"));
    m.def("_linalg_inv", &inverse, py::arg("a"));
    m.def("_linalg_det", [](const pairs &a) {
        tars::float128 det;
        name(tarsel_linalg::determinant(load(a), det, signal_check()));
        return det;
    }, py::arg("a"));
    m.def("_linalg_cholesky", &cholesky, py::arg("a"));
    m.def("_linalg_qr", &qr, py::arg("a"), py::arg("complete"), py::arg("with_q") = true);
    m.def("_linalg_svd", &svd, py::arg("a"), py::arg("vectors"));
    m.def("_linalg_eigh", &eigh, py::arg("a"), py::arg("vectors"));
}

} // namespace tarsel_binding
