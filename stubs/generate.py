"""Writes stubs/tarsel.pyi, the type stubs of the module, from the tarsel
module installed in the running interpreter; with --check, only compares.

    python stubs/generate.py           # rewrite stubs/tarsel.pyi
    python stubs/generate.py --check   # exit 1, with a diff, when it is stale

The text is pybind11-stubgen's, with two changes: a parameter typed
Complex128 also accepts a Python complex, float or int, as the module
converts them, which pybind11's signatures do not show; and the buffer
protocol is always typing_extensions.Buffer, which type checkers know for
every Python version (pybind11 writes collections.abc.Buffer when built for
3.12 and later), so that every interpreter generates the same file; and a
module attribute keeps its type but not its value (simd_level and
num_threads are read from the processor, the affinity mask and the
environment at import), except __all__ and __version__, which the source
fixes; and the compiled module tarsel._core, whose names the package
re-exports, is left out.  Stubs describe types, so the file is the same on
every machine.  The wheel installs the file as tarsel/__init__.pyi, beside
the py.typed marker (PEP 561).  stubs/regenerate.sh builds the module from
this checkout first."""
import argparse
import difflib
import re
import subprocess
import sys
import tempfile
from pathlib import Path

STUB = Path(__file__).resolve().parent / "tarsel.pyi"

# "name: Complex128" as a parameter (followed by ",", ")" or " ="), never a
# return annotation.
COMPLEX_PARAMETER = re.compile(r"(\w): Complex128(?=[,)]| =)")
PYTHON_NUMBERS = r"\1: Complex128 | complex | float | int"
BUFFER, PORTABLE_BUFFER = "collections.abc.Buffer", "typing_extensions.Buffer"
# "name: type = value" at the top level of the file.
MODULE_VALUE = re.compile(r"^(?!__all__|__version__)(\w+: [^=\n]+?) = .*$", re.MULTILINE)


def portable_buffer(text):
    if BUFFER not in text:
        return text
    text = text.replace(BUFFER, PORTABLE_BUFFER)
    if "\nimport typing_extensions\n" not in text:
        text = text.replace("\nimport typing\n", "\nimport typing\nimport typing_extensions\n", 1)
    return text


def generate():
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, "-m", "pybind11_stubgen", "tarsel", "--exit-code", "-o", out], check=True,
                       stdout=subprocess.DEVNULL)
        text = (Path(out) / "tarsel" / "__init__.pyi").read_text(encoding="utf-8")
    text = text.replace("from . import _core\n", "")
    return MODULE_VALUE.sub(r"\1", portable_buffer(COMPLEX_PARAMETER.sub(PYTHON_NUMBERS, text)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with stubs/tarsel.pyi, write nothing")
    args = parser.parse_args()
    fresh = generate()
    if not args.check:
        STUB.write_text(fresh, encoding="utf-8")
        return 0
    kept = STUB.read_text(encoding="utf-8") if STUB.exists() else ""
    if kept == fresh:
        return 0
    sys.stdout.writelines(difflib.unified_diff(kept.splitlines(True), fresh.splitlines(True),
                                               "stubs/tarsel.pyi (kept)", "stubs/tarsel.pyi (generated)"))
    print("stubs/tarsel.pyi is stale: run bash stubs/regenerate.sh", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
