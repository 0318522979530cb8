# Sourced by tests/run.sh: one CTest build of the C and C++ tests, and
# GoogleTest for the 32-bit x86 build.

# Configures, builds and tests the build directory $1; further arguments are
# CMake options of that build.  A Release build, as pip builds the module.
run_ctest_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTARSEL_BUILD_TESTS=ON -DTARSEL_BUILD_PYTHON=OFF "$@" >/dev/null
  cmake --build "$dir" -j "${jobs:-2}"
  ctest --test-dir "$dir" --output-on-failure -j "${jobs:-2}"
}

# GoogleTest built for 32 bits from Debian's sources (the packaged library is
# 64-bit only), once, into $1; prints the directory of its CMake package.
gtest_i386_package_dir() {
  local dir=$PWD/$1 config
  config=$(find "$dir/prefix" -name GTestConfig.cmake 2>/dev/null | head -n 1)
  if [ -z "$config" ]; then
    cmake -Wno-author -Wno-deprecated -S "$TARSEL_GTEST_SOURCES" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
      -DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32 -DCMAKE_INSTALL_PREFIX="$dir/prefix" >/dev/null
    cmake --build "$dir/build" -j "${jobs:-2}" >/dev/null
    cmake --install "$dir/build" >/dev/null
    config=$(find "$dir/prefix" -name GTestConfig.cmake | head -n 1)
  fi
  dirname "$config"
}
