// printing.cpp -- tarsel.printoptions(): NumPy's print options with the
// elements of float128 arrays shown as the shortest text that reads back.
//
// NumPy prints the elements of a dtype from outside NumPy through str()
// (NumPy 2.5 on: its "void" formatter) or repr() (NumPy 2.0 to 2.4: its
// "numpystr" formatter), which for Float128 give the fixed 32 digits.
// NumPy has no formatter of one dtype, so the context sets both of these
// formatters to one that writes Float128 elements as format(x, "<") and
// every other element as NumPy's own formatter would.
#include "python/binding.hpp"

namespace tarsel_binding {

namespace {

// NumPy's str_format and repr_format: a str or bytes scalar by its item.
py::object numpy_default_text(py::handle x, bool use_repr)
{
    py::module_ numpy = py::module_::import("numpy");
    py::object item = py::isinstance(x, numpy.attr("str_")) || py::isinstance(x, numpy.attr("bytes_"))
                          ? x.attr("item")()
                          : py::reinterpret_borrow<py::object>(x);
    return use_repr ? py::repr(item) : py::str(item);
}

py::object element_text(py::handle x, bool use_repr)
{
    if (py::isinstance<tars::float128>(x))
        return py::reinterpret_steal<py::object>(PyObject_Format(x.ptr(), py::str("<").ptr()));
    return numpy_default_text(x, use_repr);
}

py::object printoptions(py::kwargs options)
{
    py::dict formatter;
    if (options.contains("formatter") && !options["formatter"].is_none())
        formatter = py::dict(options["formatter"]);
    if (!formatter.contains("void"))
        formatter["void"] = py::cpp_function([](py::handle x) { return element_text(x, false); });
    if (!formatter.contains("numpystr"))
        formatter["numpystr"] = py::cpp_function([](py::handle x) { return element_text(x, true); });
    options["formatter"] = formatter;
    return py::module_::import("numpy").attr("printoptions")(**options);
}

} // namespace

void register_printing(py::module_ &m)
{
    m.def("printoptions", &printoptions,
          "numpy.printoptions(**options) with the elements of float128 arrays printed as the shortest text that "
          "reads back, format(x, \"<\"), instead of the fixed 32 digits of str(x): "
          "\"with tarsel.printoptions(): print(x)\".  Other elements print as NumPy prints them; a formatter "
          "given in options keeps its keys.");
}

} // namespace tarsel_binding
