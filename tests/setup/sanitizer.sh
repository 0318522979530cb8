# Sourced by tests/run.sh: the Python tests against a build of the module
# with AddressSanitizer and UndefinedBehaviorSanitizer (-DTARSEL_SANITIZE=ON),
# in a venv of its own under build/venvs.  The interpreter is not
# instrumented, so the sanitizer runtimes of the compiler that built the
# module are preloaded into it, and Python allocates through malloc so that
# the sanitizer also sees the memory of Python objects.

# The build directory of interpreter $1's sanitized module, e.g.
# build/sanitize-cp312.
sanitize_build_dir() {
  echo "build/sanitize-$(basename "$(venv_dir "$1")")"
}

# Builds the module with the sanitizers and installs it into the venv $1,
# building in $2.
install_sanitized_module() {
  "$1/bin/python" -m pip install -q --no-build-isolation --no-deps --force-reinstall \
    -C build-dir="$2" -C cmake.define.TARSEL_SANITIZE=ON .
}

# The AddressSanitizer and UndefinedBehaviorSanitizer runtimes of the C++
# compiler recorded in the CMake build directory $1, for LD_PRELOAD.
sanitizer_runtimes() {
  local cxx lib path runtimes=""
  cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$1/CMakeCache.txt")
  for lib in libasan.so libubsan.so; do
    path=$("$cxx" -print-file-name="$lib")
    if [ ! -e "$path" ]; then
      echo "tests/run.sh: $cxx has no $lib for the sanitizer run" >&2
      exit 1
    fi
    runtimes="$runtimes $path"
  done
  echo "${runtimes# }"
}

# Runs pytest in the venv $1 with the runtimes $2 preloaded.  Leak checking is
# off: the interpreter keeps memory to its end by design.  A failed allocation
# returns null, so that the tests of a result too large for memory see NumPy's
# MemoryError.  pytest captures Python's output only, so that a sanitizer
# report reaches the terminal even when it ends the process.  The C-layer
# tests compile and run drivers of their own, not the module: they are
# skipped here.
run_sanitized_tests() {
  LD_PRELOAD="$2" PYTHONMALLOC=malloc TARSEL_SKIP_C_LAYER=1 \
    ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$1/bin/python" -m pytest -q -n "${jobs:-2}" --capture=sys --durations=10 tests/python
}
