"""The README's examples and the scripts under examples/ run as they are
shown, so documentation that drifts from the code fails here.

A ```pycon block of the README is a doctest: every output it shows must be
the output the module gives.  A ```python block must run without an error,
or is skipped where a module it imports is not installed (dask, for one).
Every examples/*.py runs with --small, in a scratch directory."""
import doctest
import importlib.util
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
FENCE = re.compile(r"^```(\w+)\n(.*?)^```", re.S | re.M)


def readme_blocks(language):
    text = (ROOT / "README.md").read_text(encoding="utf-8")
    return [(text[:m.start()].count("\n") + 1, m.group(2))
            for m in FENCE.finditer(text) if m.group(1) == language]


def block_id(block):
    return f"README.md:{block[0]}"


@pytest.mark.parametrize("block", readme_blocks("pycon"), ids=block_id)
def test_readme_session_shows_what_the_module_prints(block):
    line, source = block
    test = doctest.DocTestParser().get_doctest(source, {}, "README.md", "README.md", line)
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    failures = []
    runner.run(test, out=failures.append)
    assert runner.failures == 0, "".join(failures)


def missing_modules(source):
    """The top-level modules a script imports that are not installed."""
    imported = re.findall(r"^(?:from|import)\s+(\w+)", source, re.M)
    return sorted({name for name in imported if importlib.util.find_spec(name) is None})


@pytest.mark.parametrize("block", readme_blocks("python"), ids=block_id)
def test_readme_script_runs(block, tmp_path):
    line, source = block
    missing = missing_modules(source)
    if missing:
        pytest.skip(f"README.md:{line} needs {', '.join(missing)}, which is not installed")
    proc = subprocess.run([sys.executable, "-c", source], cwd=tmp_path, capture_output=True, text=True,
                          timeout=300)
    assert proc.returncode == 0, f"README.md:{line}\n{proc.stderr}"


def test_readme_has_a_session_to_check():
    assert readme_blocks("pycon"), "the README's example is a ```pycon session"


EXAMPLES = sorted((ROOT / "examples").glob("*.py")) if (ROOT / "examples").is_dir() else []


@pytest.mark.parametrize("script", EXAMPLES, ids=lambda p: p.name)
def test_example_runs_at_a_small_size(script, tmp_path):
    env = dict(os.environ, MPLBACKEND="Agg")
    proc = subprocess.run([sys.executable, str(script), "--small"], cwd=tmp_path, capture_output=True,
                          text=True, timeout=600, env=env)
    assert proc.returncode == 0, proc.stdout + proc.stderr
