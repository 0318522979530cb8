"""Legacy subinterpreters, which share the process with the main one, may
import the module: the constants of every interpreter stay protected from
in-place operators, also after another interpreter is destroyed."""
import subprocess
import sys
import textwrap

import pytest

pytestmark = pytest.mark.skipif(sys.version_info < (3, 12), reason="legacy subinterpreters are created from 3.12 on")

PROBE = """
import _xxsubinterpreters as interpreters
import tarsel
from tarsel import Float128

SUB = '''
import tarsel
before = tarsel.pi + tarsel.Float128(0.0)
p = tarsel.pi
p += tarsel.Float128(1.0)
assert tarsel.pi == before and p is not tarsel.pi
'''

def main_pi_is_protected():
    before = tarsel.pi + Float128(0.0)
    p = tarsel.pi
    p += Float128(1.0)
    return tarsel.pi == before and p is not tarsel.pi

sub = interpreters.create(isolated=False)
interpreters.run_string(sub, SUB)
print("while alive", main_pi_is_protected())
interpreters.destroy(sub)
print("after destroy", main_pi_is_protected())

# The constants of destroyed interpreters leave the table with them: no new
# instance that reuses their memory may count as a constant.
for _ in range(40):
    sub = interpreters.create(isolated=False)
    interpreters.run_string(sub, SUB)
    interpreters.destroy(sub)
one = Float128(1.0)
values = [Float128(2.0) for _ in range(20000)]
wrong = 0
for value in values:
    alias = value
    value += one
    wrong += value is not alias
print("mistaken for constants", wrong)
"""


def test_constants_of_every_interpreter_stay_protected():
    pytest.importorskip("_xxsubinterpreters")
    out = subprocess.run([sys.executable, "-c", textwrap.dedent(PROBE)], capture_output=True, text=True, timeout=120)
    assert out.returncode == 0, out.stderr
    assert out.stdout.splitlines() == ["while alive True", "after destroy True", "mistaken for constants 0"]
