"""The README's table of the special values that differ from C99 and NumPy
holds: each row's tarsel result is the module's (sign of zero included), its
C99 result is NumPy's float64 ufunc's, the two differ, the docstrings of its
functions say so, and bench/c99_differences.py finds no difference of its
grid that the table leaves out."""
import itertools
import math
import os
import re
import sys
from pathlib import Path

import pytest

np = pytest.importorskip("numpy")

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, os.path.join(ROOT, "bench"))
import c99_differences as sv  # noqa: E402

import tarsel  # noqa: E402

HEADING = "### Special values that differ from C99 and NumPy"
COLUMNS = ["function", "arguments", "tarsel", "C99 and NumPy", "the docstrings say"]
SETS = {
    "finite": [v for v in sv.GRID if math.isfinite(v)],
    "nonzero": [v for v in sv.GRID if math.isfinite(v) and v != 0.0],
    "positive": [v for v in sv.GRID if math.isfinite(v) and v > 0.0],
    "negative": [v for v in sv.GRID if math.isfinite(v) and v < 0.0],
}
PI = re.compile(r"([+-]?)(\d*)pi(?:/(\d+))?")


def split_top(text):
    """Splits at the commas outside parentheses and braces."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        depth += c in "({"
        depth -= c in ")}"
        if c == "," and depth == 0:
            parts.append(text[start:i].strip())
            start = i + 1
    parts.append(text[start:].strip())
    return parts


def values(cell):
    """The arguments a cell stands for: a literal, ±v, {a, b, ...} or a named set."""
    if cell.startswith("{") and cell.endswith("}"):
        return [v for part in split_top(cell[1:-1]) for v in values(part)]
    if cell.startswith("±"):
        return [float(cell[1:]), -float(cell[1:])]
    if cell in SETS:
        return SETS[cell]
    return [float(cell)]


def argument_tuples(cell, arity):
    cases = []
    for item in split_top(cell):
        if arity == 1:
            cases += [(v,) for v in values(item)]
        else:
            assert item.startswith("(") and item.endswith(")"), item
            cases += list(itertools.product(*(values(part) for part in split_top(item[1:-1]))))
    return cases


def result(token, args):
    """The value a result token stands for with these arguments."""
    if token == "x":
        return args[0]
    if token == "x mod y":
        return sv.exact_fmod(*args)
    m = PI.fullmatch(token)
    if m:
        return (-1.0 if m.group(1) == "-" else 1.0) * int(m.group(2) or 1) * math.pi / int(m.group(3) or 1)
    return float(token)


def results(cell, cases):
    tokens = split_top(cell)
    assert len(tokens) in (1, len(cases)), cell
    return [result(tokens[0 if len(tokens) == 1 else i], args) for i, args in enumerate(cases)]


def readme_rows():
    text = (ROOT / "README.md").read_text(encoding="utf-8")
    assert HEADING in text
    lines = text[text.index(HEADING):].splitlines()
    table = [line for line in itertools.dropwhile(lambda s: not s.startswith("|"), lines)]
    table = list(itertools.takewhile(lambda s: s.startswith("|"), table))
    header = [c.strip() for c in table[0].strip("|").split("|")]
    assert header == COLUMNS, header
    rows = []
    for line in table[2:]:
        cells = [c.strip().replace("`", "") for c in line.strip("|").split("|")]
        assert len(cells) == len(COLUMNS), line
        names, arguments, mine, c99, phrase = cells
        for name in split_top(names):
            assert name in sv.FUNCTIONS, name
            cases = argument_tuples(arguments, sv.arity(name))
            rows.append((name, cases, results(mine, cases), results(c99, cases), phrase))
    return rows


ROWS = readme_rows()


def bits(v):
    """A value to compare: NaN by class, anything else with the sign of its zero or infinity."""
    if isinstance(v, bool) or math.isnan(v):
        return v if isinstance(v, bool) else "nan"
    return math.copysign(1.0, v), abs(v)


def row_id(row):
    return f"{row[0]}: {row[4]}"


@pytest.mark.parametrize("row", ROWS, ids=row_id)
def test_the_row_states_tarsels_result_and_c99s_and_they_differ(row):
    name, cases, mine, c99, _ = row
    reference = sv.numpy_results(name, cases)
    for args, stated, stated_c99, numpy in zip(cases, mine, c99, reference):
        got = sv.tarsel_result(name, args)
        # tarsel's high part exactly as stated (a NaN by class), the sign of a zero included
        assert bits(got) == bits(stated), (name, args, got, stated)
        assert sv.same(numpy, stated_c99), (name, args, "NumPy", numpy, "README", stated_c99)
        assert not sv.same(got, numpy), (name, args, "no difference", got, numpy)


@pytest.mark.parametrize("row", ROWS, ids=row_id)
def test_the_docstrings_of_the_row_state_the_difference(row):
    name, phrase = row[0], row[4]
    docs = [sv.docstring(name)]
    array_function = getattr(tarsel, sv.ARRAY_FUNCTIONS.get(name, ""), None)
    # an array function whose docstring lists special values: more than its signature and one line
    if array_function is not None and len([s for s in array_function.__doc__.splitlines() if s.strip()]) > 2:
        docs.append(array_function.__doc__)
    for doc in docs:
        assert phrase in " ".join(doc.split()), (name, phrase, doc)


def test_the_table_lists_every_difference_of_the_grid():
    def key(name, args):     # float.hex tells -0.0 from +0.0 and makes every NaN one key
        return name, tuple(a.hex() for a in args)
    listed = {key(row[0], args) for row in ROWS for args in row[1]}
    missing = [(name, args, got, numpy) for name, args, got, numpy in sv.differences()
               if key(name, args) not in listed]
    assert not missing, "\n".join(f"{sv.call(n, a)}: tarsel {sv.show(g)}, NumPy {sv.show(r)}"
                                  for n, a, g, r in missing)


def test_numpys_results_on_the_grid_are_c99s_where_math_gives_one():
    assert sv.reference_disagreements() == []


def test_the_array_functions_give_the_scalar_results_on_the_grid():
    assert sv.array_mismatches() == []


def test_the_grid_compares_every_real_function_of_the_module():
    real = {name for name, value in vars(tarsel).items()
            if callable(value) and not isinstance(value, type) and not name.endswith("_arrays")}
    taking_arrays_or_complex = {"fsum", "fdot", "to_rows", "from_rows", "abs_sqr", "as_rows", "from_rows_view", "printoptions"}
    # an int argument, two results, a step of 106 bits: test_functions.py's special values
    off_the_grid = {"ldexp", "frexp", "modf", "spacing"}
    assert real - taking_arrays_or_complex - off_the_grid <= set(sv.FUNCTIONS), real - set(sv.FUNCTIONS)
