# Sourced by tests/run.sh: one virtual environment per tested interpreter,
# under build/venvs, so the suite never installs into the interpreter itself.
# A venv is reused while the requirements are unchanged; the module is
# rebuilt incrementally in build/<wheel tag> each run.

TARSEL_REQUIREMENTS=tests/setup/requirements.txt

# The interpreters to test: TARSEL_PYTHONS when set, else CPython 3.12 where
# pyenv has it and the default python3.
tested_pythons() {
  if [ -n "${TARSEL_PYTHONS:-}" ]; then
    echo "$TARSEL_PYTHONS"
    return
  fi
  local list=""
  if command -v pyenv >/dev/null 2>&1; then
    local py312
    py312=$(PYENV_VERSION=3.12.1 pyenv which python3.12 2>/dev/null || true)
    [ -n "$py312" ] && list="$py312"
  fi
  echo "$list python3"
}

# Prints the venv directory for an interpreter, e.g. build/venvs/cp312.
venv_dir() {
  local tag
  tag=$("$1" -c 'import sys; print("cp%d%d" % sys.version_info[:2])')
  echo "build/venvs/$tag"
}

# Creates (or reuses) the venv of interpreter $1, in directory $2 when given,
# and installs the test requirements into it when they changed since the
# last run.
prepare_venv() {
  local py=$1 dir=${2:-} stamp want
  [ -n "$dir" ] || dir=$(venv_dir "$py")
  if [ ! -x "$dir/bin/python" ]; then
    if ! "$py" -m venv "$dir" >/dev/null; then
      echo "tests/run.sh: '$py -m venv' failed; on Debian's own python3 install the venv module as root with:" >&2
      echo "    apt-get install -y python3-venv" >&2
      exit 1
    fi
  fi
  stamp="$dir/.tarsel-requirements"
  want=$(sha256sum "$TARSEL_REQUIREMENTS" | cut -d' ' -f1)
  if [ "$(cat "$stamp" 2>/dev/null)" != "$want" ]; then
    "$dir/bin/python" -m pip install -q --upgrade pip >/dev/null
    "$dir/bin/python" -m pip install -q -r "$TARSEL_REQUIREMENTS"
    echo "$want" > "$stamp"
  fi
  echo "$dir"
}

# Builds and installs the module into the venv $1.  Build isolation is off:
# the venv holds the build requirements at the versions the project needs.
install_module() {
  "$1/bin/python" -m pip install -q --no-build-isolation --no-deps --force-reinstall .
}

# The installed compiled module (tarsel._core) of the venv $1.
module_path() {
  "$1/bin/python" -c 'import tarsel._core; print(tarsel._core.__file__)'
}

# The oldest NumPy the module supports (pyproject.toml: numpy>=2.0).  The
# module is built once, against the newest NumPy, and must run under this
# one too.
TARSEL_OLDEST_NUMPY=2.0.2

# Runs the NumPy-facing Python tests under the oldest supported NumPy with
# the module built in the venv $1: a venv of the same interpreter whose
# requirements are the test requirements with NumPy pinned, and the
# installed package alone on PYTHONPATH (so that the newer NumPy beside it
# stays out).
run_oldest_numpy_tests() {
  local venv=$1 jobs=$2 py dir constraint module_dir
  py=$(readlink -f "$venv/bin/python")
  dir="${venv}-numpy-oldest"
  constraint=$(mktemp)
  echo "numpy==$TARSEL_OLDEST_NUMPY" > "$constraint"
  dir=$(PIP_CONSTRAINT="$constraint" prepare_venv "$venv/bin/python" "$dir")
  rm -f "$constraint"
  module_dir="$dir/tarsel-module"
  rm -rf "$module_dir"
  mkdir -p "$module_dir"
  cp -r "$(dirname "$(module_path "$venv")")" "$module_dir/"
  echo "== NumPy-facing Python tests under NumPy $("$dir/bin/python" -c 'import numpy; print(numpy.__version__)') ($dir)"
  PYTHONPATH="$module_dir" TARSEL_OTHER_VERSION_MODULE="" TARSEL_SKIP_C_LAYER=1 \
    "$dir/bin/python" -m pytest -q -n "$jobs" tests/python/test_dtype.py tests/python/test_arrays.py tests/python/test_engine.py \
    tests/python/test_reductions.py tests/python/test_rows.py
}
