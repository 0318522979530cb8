# Sourced by tests/run.sh: ccache under every build of the run, when it is
# there (as root on Debian it is installed).  The library and the engine of
# the x86-64 GCC test build are the very objects of the module built for
# each interpreter (same compiler, same flags: every build here is a Release
# build of gcc and g++), and those of the sanitized test build are the
# sanitized module's, so ccache compiles each of them once; a second run
# compiles only what changed.  The cache lives in build/ccache.  Without
# ccache everything is compiled as before, only more slowly.

use_compiler_cache() {
  if ! command -v ccache >/dev/null 2>&1 && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq ccache >/dev/null 2>&1 ||
      { apt-get update -qq && apt-get install -y -qq ccache >/dev/null; } || true
  fi
  if ! command -v ccache >/dev/null 2>&1; then
    echo "== No ccache: every build compiles all of its files (apt-get install -y ccache speeds up the run)"
    return 0
  fi
  # ccache keys on the compiler's name as well as its contents: gcc and g++
  # by name in every GCC build, whatever CMake or scikit-build-core would
  # otherwise pick (cc, c++, ...).
  export CC=gcc CXX=g++
  export CCACHE_DIR=$PWD/build/ccache
  # The sanitized builds keep line tables (-g1), with which ccache would also
  # key on the build directory; the two sanitized builds are in different
  # ones and share their objects all the same.
  export CCACHE_NOHASHDIR=true
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  ccache --zero-stats >/dev/null
}

# One line of what the cache saved in this run.
report_compiler_cache() {
  command -v ccache >/dev/null 2>&1 && [ -n "${CCACHE_DIR:-}" ] || return 0
  echo "== ccache: $(ccache --print-stats | awk -F'\t' '$1 == "direct_cache_hit" || $1 == "preprocessed_cache_hit" {hit += $2} $1 == "cache_miss" {miss = $2} END {printf "%d objects reused, %d compiled", hit, miss}')"
}
