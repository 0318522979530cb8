"""Every class, method and module function carries a docstring that says
more than its signature, and real parameter names: help(tarsel) reads as a
reference.  The array functions keep their own one-line docstrings."""
import inspect

import pytest

import tarsel

CLASSES = [tarsel.Float128, tarsel.Complex128]
FUNCTIONS = sorted(name for name, value in vars(tarsel).items() if callable(value) and not isinstance(value, type))
METHODS = [(cls, name) for cls in CLASSES for name, value in vars(cls).items()
           if callable(value) or isinstance(value, (property, staticmethod))]
# Python's own slots that pybind11 fills in, which the module does not define.
INHERITED = {"__new__", "__init_subclass__", "__subclasshook__", "__dir__", "__format__", "__getattribute__",
             "__hash__", "__setattr__", "__delattr__", "__sizeof__", "__reduce_ex__", "__getstate__", "__class__",
             "_pybind11_conduit_v1_"}
# The operands of operators keep pybind11's arg0: naming them would make a
# None self give NotImplemented instead of TypeError.
OPERATORS = {f"__{op}__" for op in ("add sub mul truediv iadd isub imul itruediv eq ne lt le gt ge".split())}


def prose(doc):
    """The docstring without pybind11's signature lines and overload headers."""
    lines = [line.strip() for line in (doc or "").splitlines()]
    return " ".join(line for line in lines if line and not line.endswith("Overloaded function.")
                    and "->" not in line)


@pytest.mark.parametrize("cls", CLASSES, ids=lambda c: c.__name__)
def test_classes_have_a_docstring(cls):
    assert len(prose(cls.__doc__)) > 80


@pytest.mark.parametrize("name", FUNCTIONS)
def test_module_functions_say_what_they_compute_and_name_their_parameters(name):
    doc = getattr(tarsel, name).__doc__
    assert len(prose(doc)) > 20, doc
    if not name.endswith("_arrays"):   # the array functions keep their arguments as they are
        assert "arg0" not in doc and "arg1" not in doc, doc


@pytest.mark.parametrize("cls, name", [m for m in METHODS if m[1] not in INHERITED],
                         ids=lambda m: getattr(m, "__name__", m))
def test_methods_say_what_they_do(cls, name):
    value = vars(cls)[name]
    doc = (value if isinstance(value, property) else getattr(cls, name)).__doc__
    assert len(prose(doc)) > 10, f"{cls.__name__}.{name}: {doc!r}"


def test_only_the_text_constructor_and_operators_keep_an_unnamed_argument():
    unnamed = [line.strip() for cls in CLASSES for name in sorted(set(vars(cls)) - OPERATORS)
               for line in (getattr(cls, name).__doc__ or "").splitlines() if "arg0" in line]
    assert unnamed == ["3. __init__(self: tarsel.Float128, arg0: str) -> None"], unnamed


def test_help_reads_as_a_reference():
    text = inspect.getdoc(tarsel) + "".join(prose(getattr(tarsel, name).__doc__) for name in FUNCTIONS)
    assert "128-bit double-double" in text and "NaN" in text
