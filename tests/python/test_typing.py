"""The type stubs: kept current with the module, installed where type
checkers look for them, and precise enough for mypy --strict to accept the
README's example and a script using every name, and to refuse a call the
module refuses."""
import ast
import doctest
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import tarsel

ROOT = Path(__file__).resolve().parents[2]
STUB = ROOT / "stubs" / "tarsel.pyi"
EVERY_NAME = ROOT / "tests" / "typing" / "every_name.py"


# The stubs describe types, never the machine: the same file whatever level
# and thread count the environment or the affinity mask gives the module.
MACHINES = [{}, {"TARSEL_NUM_THREADS": "1"}] + [{"TARSEL_SIMD": level, "TARSEL_NUM_THREADS": "1"}
                                               for level in ("scalar", "sse2", "avx2", "avx512")]


@pytest.mark.parametrize("machine", MACHINES, ids=lambda env: ",".join(f"{k}={v}" for k, v in env.items()) or "unset")
def test_kept_stubs_are_what_the_module_generates_now(machine):
    env = {k: v for k, v in os.environ.items() if k not in ("TARSEL_SIMD", "TARSEL_NUM_THREADS")}
    check = subprocess.run([sys.executable, str(ROOT / "stubs" / "generate.py"), "--check"], capture_output=True,
                           text=True, timeout=300, env={**env, **machine})
    assert check.returncode == 0, check.stdout + check.stderr


def test_the_installed_stub_package_is_the_kept_file():
    package = Path(tarsel.__file__).parent
    assert (package / "__init__.pyi").read_text(encoding="utf-8") == STUB.read_text(encoding="utf-8")
    assert (package / "py.typed").exists()


def names_used(source):
    """Attributes read anywhere in the script (tarsel.exp, x.hi, ...)."""
    return {node.attr for node in ast.walk(ast.parse(source)) if isinstance(node, ast.Attribute)}


def test_the_typed_script_uses_every_public_name():
    used = names_used(EVERY_NAME.read_text(encoding="utf-8"))
    public = {name for name in vars(tarsel) if not name.startswith("_")} | {"__version__"}
    for cls in (tarsel.Float128, tarsel.Complex128):
        public |= {name for name in dir(cls) if not name.startswith("_")}
    public -= {"Float128", "Complex128"}   # imported by name
    assert public <= used, sorted(public - used)


def readme_example():
    """The README's example session (the block under '## Example') as a script."""
    text = (ROOT / "README.md").read_text(encoding="utf-8")
    block = re.search(r"^## Example\n+```pycon\n(.*?)^```", text, re.S | re.M).group(1)
    return doctest.script_from_examples(block)


def mypy(tmp_path, **scripts):
    files = []
    for name, source in scripts.items():
        files.append(tmp_path / f"{name}.py")
        files[-1].write_text(source, encoding="utf-8")
    return subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental", *map(str, files)],
                          cwd=tmp_path, capture_output=True, text=True, timeout=600)


def test_mypy_strict_accepts_the_readme_example_and_the_typed_script(tmp_path):
    result = mypy(tmp_path, readme_example=readme_example(), every_name=EVERY_NAME.read_text(encoding="utf-8"))
    assert result.returncode == 0, result.stdout + result.stderr


def test_mypy_reports_the_calls_the_module_refuses(tmp_path):
    refused = "import tarsel\ntarsel.exp('1')\ntarsel.sqrt(2.0)\ntarsel.Float128(1.0) + 1.0\n"
    result = mypy(tmp_path, refused=refused)
    assert 'Argument 1 to "exp" has incompatible type "str"; expected "Float128"' in result.stdout, result.stdout
    assert 'Argument 1 to "sqrt" has incompatible type "float"' in result.stdout, result.stdout
    assert 'Unsupported operand types for + ("Float128" and "float")' in result.stdout, result.stdout
    assert "Found 3 errors" in result.stdout


def test_the_typed_script_runs():
    run = subprocess.run([sys.executable, str(EVERY_NAME)], capture_output=True, text=True, timeout=120)
    assert run.returncode == 0, run.stderr
