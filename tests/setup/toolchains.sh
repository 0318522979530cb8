# Sourced by tests/run.sh: the toolchains of the extra builds of the C and C++
# tests, x86-64 Clang and 32-bit x86 GCC (-m32 -msse2 -mfpmath=sse, with
# GoogleTest built for 32 bits from Debian's sources).  As root on Debian the
# missing packages are installed and nothing may be skipped; otherwise every
# build whose toolchain is missing is skipped and named, loudly, at the start
# and again at the end of the run.

TARSEL_TOOLCHAIN_PACKAGES="clang g++-multilib googletest"
TARSEL_GTEST_SOURCES=/usr/src/googletest
TARSEL_SKIPPED_BUILDS=()

have_clang() {
  command -v clang >/dev/null 2>&1 && command -v clang++ >/dev/null 2>&1 &&
    echo '#include <gtest/gtest.h>' | clang++ -x c++ -std=c++17 -fsyntax-only - >/dev/null 2>&1
}

# A 32-bit C and C++ program builds and runs.
have_i386_gcc() {
  local exe status
  exe=$(mktemp)
  printf '#include <string>\nint main() { return (int)std::string("x").size() - 1; }\n' |
    g++ -m32 -msse2 -mfpmath=sse -x c++ - -o "$exe" >/dev/null 2>&1 &&
    echo 'int main(void) { return 0; }' | gcc -m32 -x c - -o "$exe" >/dev/null 2>&1 && "$exe"
  status=$?
  rm -f "$exe"
  return $status
}

have_gtest_sources() {
  [ -f "$TARSEL_GTEST_SOURCES/CMakeLists.txt" ]
}

have_all_toolchains() {
  have_clang && have_i386_gcc && have_gtest_sources
}

ensure_extra_toolchains() {
  local can_install=0
  [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1 && can_install=1
  if [ $can_install = 1 ] && ! have_all_toolchains; then
    echo "== Installing the Debian packages of the Clang and 32-bit x86 builds: $TARSEL_TOOLCHAIN_PACKAGES"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $TARSEL_TOOLCHAIN_PACKAGES >/dev/null
  fi
  have_clang || TARSEL_SKIPPED_BUILDS+=("x86-64 Clang: no clang++ that compiles the tests")
  have_i386_gcc || TARSEL_SKIPPED_BUILDS+=("32-bit x86 GCC: gcc/g++ -m32 cannot build and run a program")
  have_gtest_sources || TARSEL_SKIPPED_BUILDS+=("32-bit x86 GCC: no GoogleTest sources in $TARSEL_GTEST_SOURCES")
  if [ ${#TARSEL_SKIPPED_BUILDS[@]} -gt 0 ] && [ $can_install = 1 ]; then
    report_skipped_builds
    echo "tests/run.sh: the packages above were installed as root, yet the builds cannot run" >&2
    exit 1
  fi
  report_skipped_builds
}

clang_build_skipped() {
  [[ " ${TARSEL_SKIPPED_BUILDS[*]} " == *"x86-64 Clang:"* ]]
}

i386_build_skipped() {
  [[ " ${TARSEL_SKIPPED_BUILDS[*]} " == *"32-bit x86 GCC:"* ]]
}

report_skipped_builds() {
  [ ${#TARSEL_SKIPPED_BUILDS[@]} -eq 0 ] && return 0
  local reason
  {
    echo
    echo "################################################################################"
    echo "#  SKIPPED BUILDS: these C and C++ test builds did NOT run"
    for reason in "${TARSEL_SKIPPED_BUILDS[@]}"; do
      echo "#    - $reason"
    done
    echo "#  Install their toolchains as root, then run the tests again:"
    echo "#    apt-get install -y $TARSEL_TOOLCHAIN_PACKAGES"
    echo "################################################################################"
    echo
  } >&2
}
