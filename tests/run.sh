#!/usr/bin/env bash
# The whole test suite in one command, from a fresh clone:
#
#   bash tests/run.sh
#
# 1. the system tools of the C and C++ tests (cmake, g++, GoogleTest) and the
#    toolchains of the Clang and 32-bit builds: as root the missing Debian
#    packages are installed, otherwise the apt-get line is named (a missing
#    extra toolchain skips its build, loudly);
# 2. the C and C++ tests through CTest (the golden digests and the
#    installed-package test among them), built with x86-64 GCC as for use and
#    again with AddressSanitizer and UndefinedBehaviorSanitizer, then with
#    x86-64 Clang and with 32-bit x86 GCC (-m32 -msse2 -mfpmath=sse);
# 3. for every interpreter (TARSEL_PYTHONS, default CPython 3.12 where pyenv has
#    it and python3) a virtual environment under build/venvs with the test
#    requirements, the module built and installed into it, and pytest on
#    every processor (pytest-xdist); under the first interpreter again with
#    TARSEL_SIMD at every level and TARSEL_NUM_THREADS=1;
#    the dtype, array and reduction tests under the first interpreter again with
#    the oldest NumPy the module supports (tests/setup/python.sh);
# 4. the Python tests once more, under the first of those interpreters, against
#    the module built with AddressSanitizer and UndefinedBehaviorSanitizer, in
#    its own venv (build/venvs/<tag>-sanitize).
#
# Nothing is installed into the interpreters themselves.  A second run reuses
# the build directories and the venvs.
#
#   bash tests/run.sh --quick
#
# runs only the x86-64 GCC build of the C and C++ tests (build/ctest) and
# pytest under the first interpreter, the C-layer tests included: no
# sanitizers, no Clang or 32-bit build, no TARSEL_SIMD runs.  For developers
# between changes; the suite without an argument is the one that counts.
#
# What the steps cover, by folder of the tree: tests/c and tests/cpp check the
# headers of include/tarsel (C11 and C++17), the text of src/text, the engine
# of src/engine against the scalar functions at every instruction set, and the
# sums of src/sum; tests/golden holds the digests of every function's result
# bits; tests/install installs the library and builds a C and a C++ consumer
# against it; tests/python checks the module of python/ (with tests/typing for
# the stubs of stubs/).
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/setup/system.sh
source tests/setup/toolchains.sh
source tests/setup/builds.sh
source tests/setup/python.sh
source tests/setup/sanitizer.sh
source tests/setup/compiler_cache.sh

quick=0
case "${1:-}" in
  "") ;;
  --quick) quick=1 ;;
  *)
    echo "usage: bash tests/run.sh [--quick]" >&2
    exit 2
    ;;
esac

jobs=$(nproc 2>/dev/null || echo 2)

ensure_system_tools
[ $quick = 1 ] || ensure_extra_toolchains
use_compiler_cache

echo "== C and C++ tests: x86-64 GCC (build/ctest)"
run_ctest_build build/ctest

if [ $quick = 1 ]; then
  py=$(tested_pythons | awk '{print $1}')
  echo "== Building the module for $("$py" --version) in $(venv_dir "$py")"
  venv=$(prepare_venv "$py")
  install_module "$venv"
  echo "== Python tests under $("$venv/bin/python" --version) ($venv)"
  TARSEL_OTHER_VERSION_MODULE="" TARSEL_SKIP_C_LAYER=0 "$venv/bin/python" -m pytest -q -n "$jobs" tests/python
  report_compiler_cache
  exit 0
fi

echo "== C and C++ tests under AddressSanitizer and UndefinedBehaviorSanitizer (build/ctest-asan)"
# Leak checking is off: the library allocates nothing, and the leak checker
# cannot run under some container and ptrace setups.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_ctest_build build/ctest-asan -DTARSEL_SANITIZE=ON

if ! clang_build_skipped; then
  echo "== C and C++ tests: x86-64 Clang (build/ctest-clang)"
  run_ctest_build build/ctest-clang -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
fi

if ! i386_build_skipped; then
  echo "== C and C++ tests: 32-bit x86 GCC, -m32 -msse2 -mfpmath=sse (build/ctest-i386)"
  gtest_dir=$(gtest_i386_package_dir build/gtest-i386)
  run_ctest_build build/ctest-i386 -DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32 -DGTest_DIR="$gtest_dir"
fi

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
    "$venv/bin/python" -m pytest -q -n "$jobs" tests/python
  skip_c_layer=1
done

# Nothing may depend on the processor or the affinity mask: the Python tests
# again under the first interpreter, at every level TARSEL_SIMD names, with
# one thread (a level above the processor's caps to the processor's).
for level in scalar sse2 avx2 avx512; do
  echo "== Python tests under $("${venvs[0]}/bin/python" --version) with TARSEL_SIMD=$level TARSEL_NUM_THREADS=1"
  TARSEL_SIMD=$level TARSEL_NUM_THREADS=1 TARSEL_OTHER_VERSION_MODULE="" TARSEL_SKIP_C_LAYER=1 \
    "${venvs[0]}/bin/python" -m pytest -q -n "$jobs" tests/python
done

run_oldest_numpy_tests "${venvs[0]}" "$jobs"

py=$(tested_pythons | awk '{print $1}')
sanitize_venv="$(venv_dir "$py")-sanitize"
echo "== Python tests under $("$py" --version) against the module built with AddressSanitizer and UndefinedBehaviorSanitizer ($sanitize_venv)"
sanitize_venv=$(prepare_venv "$py" "$sanitize_venv")
sanitize_build=$(sanitize_build_dir "$py")
install_sanitized_module "$sanitize_venv" "$sanitize_build"
runtimes=$(sanitizer_runtimes "$sanitize_build")
run_sanitized_tests "$sanitize_venv" "$runtimes"

report_compiler_cache
report_skipped_builds
