# Sourced by tests/run.sh: makes sure the system tools the suite needs are
# present.  As root it installs the missing Debian packages; otherwise it
# names the exact apt-get line and stops.

# Debian packages of the C and C++ tests.
TARSEL_APT_PACKAGES="cmake g++ libgtest-dev"

have_gtest() {
  echo '#include <gtest/gtest.h>' | g++ -x c++ -std=c++17 -fsyntax-only - >/dev/null 2>&1
}

missing_system_tools() {
  local missing=""
  command -v cmake >/dev/null 2>&1 || missing="$missing cmake"
  command -v g++ >/dev/null 2>&1 || missing="$missing g++"
  if command -v g++ >/dev/null 2>&1 && ! have_gtest; then
    missing="$missing GoogleTest"
  fi
  echo "$missing"
}

ensure_system_tools() {
  local missing
  missing=$(missing_system_tools)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "== Installing the Debian packages of the C and C++ tests:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $TARSEL_APT_PACKAGES >/dev/null
    missing=$(missing_system_tools)
    [ -z "$missing" ] && return 0
  fi
  echo "tests/run.sh: missing:$missing" >&2
  echo "Install them as root with:" >&2
  echo "    apt-get install -y $TARSEL_APT_PACKAGES" >&2
  exit 1
}
