#!/usr/bin/env bash
# The whole test suite in one command, from a fresh clone:
#
#   bash tests/run.sh
#
# 1. the system tools of the C and C++ tests (cmake, g++, GoogleTest): as root
#    the missing Debian packages are installed, otherwise the apt-get line is
#    named;
# 2. the C and C++ tests through CTest, built as for use and again with
#    AddressSanitizer and UndefinedBehaviorSanitizer;
# 3. for every interpreter (TARSEL_PYTHONS, default CPython 3.12 where pyenv has
#    it and python3) a virtual environment under build/venvs with the test
#    requirements, the module built and installed into it, and pytest;
# 4. the Python tests once more, under the first of those interpreters, against
#    the module built with AddressSanitizer and UndefinedBehaviorSanitizer, in
#    its own venv (build/venvs/<tag>-sanitize).
#
# Nothing is installed into the interpreters themselves.  A second run reuses
# the build directories and the venvs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/setup/system.sh
source tests/setup/python.sh
source tests/setup/sanitizer.sh

jobs=$(nproc 2>/dev/null || echo 2)

ensure_system_tools

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

# Every venv is built before any is tested, so the tests of one interpreter
# can load the module built for another (the version-mismatch test).
venvs=()
for py in $(tested_pythons); do
  echo "== Building the module for $("$py" --version) in $(venv_dir "$py")"
  venv=$(prepare_venv "$py")
  install_module "$venv"
  venvs+=("$venv")
done

# The C-layer tests (which compile their own driver over the headers) do not
# depend on the interpreter: they run under the first one only.
skip_c_layer=0
for venv in "${venvs[@]}"; do
  other=""
  for candidate in "${venvs[@]}"; do
    [ "$candidate" != "$venv" ] && other=$(module_path "$candidate") && break
  done
  echo "== Python tests under $("$venv/bin/python" --version) ($venv)"
  TARSEL_OTHER_VERSION_MODULE="$other" TARSEL_SKIP_C_LAYER=$skip_c_layer \
    "$venv/bin/python" -m pytest -q tests/python
  skip_c_layer=1
done

py=$(tested_pythons | awk '{print $1}')
sanitize_venv="$(venv_dir "$py")-sanitize"
echo "== Python tests under $("$py" --version) against the module built with AddressSanitizer and UndefinedBehaviorSanitizer ($sanitize_venv)"
sanitize_venv=$(prepare_venv "$py" "$sanitize_venv")
sanitize_build=$(sanitize_build_dir "$py")
install_sanitized_module "$sanitize_venv" "$sanitize_build"
runtimes=$(sanitizer_runtimes "$sanitize_build")
run_sanitized_tests "$sanitize_venv" "$runtimes"
