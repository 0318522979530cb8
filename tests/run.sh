#!/usr/bin/env bash
# Runs the whole test suite: the C and C++ tests through CTest, then the module
# built and installed with pip and its Python tests under every interpreter
# named in TARSEL_PYTHONS (default: CPython 3.12 where pyenv has it, then the
# default python3).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)

echo "== C and C++ tests"
cmake -S . -B build/ctest -DTARSEL_BUILD_TESTS=ON -DTARSEL_BUILD_PYTHON=OFF >/dev/null
cmake --build build/ctest -j "$jobs"
ctest --test-dir build/ctest --output-on-failure -j "$jobs"

echo "== C and C++ tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/ctest-asan -DTARSEL_BUILD_TESTS=ON -DTARSEL_BUILD_PYTHON=OFF -DTARSEL_SANITIZE=ON >/dev/null
cmake --build build/ctest-asan -j "$jobs"
# Leak checking is off: the library allocates nothing, and the leak checker
# cannot run under some container and ptrace setups.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/ctest-asan --output-on-failure -j "$jobs"

if [ -z "${TARSEL_PYTHONS:-}" ]; then
  TARSEL_PYTHONS=""
  if command -v pyenv >/dev/null 2>&1; then
    py312=$(PYENV_VERSION=3.12.1 pyenv which python3.12 2>/dev/null || true)
    [ -n "$py312" ] && TARSEL_PYTHONS="$py312"
  fi
  TARSEL_PYTHONS="$TARSEL_PYTHONS python3"
fi

for py in $TARSEL_PYTHONS; do
  echo "== Python tests under $("$py" --version)"
  "$py" -m pip install -q --no-build-isolation .
  "$py" -m pytest -q tests/python
done
