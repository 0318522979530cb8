#!/usr/bin/env bash
# Records the golden digests anew, after a change that is meant to change
# result bits has landed:
#
#   bash tests/golden/record.sh
#
# The digests come from the reference build, x86-64 GCC (build/ctest, the
# same build the test command makes first); every other build must then
# reproduce them.  Shows which functions' digests changed.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "$(uname -m)" != x86_64 ]; then
  echo "tests/golden/record.sh: the digests are recorded on x86-64, not $(uname -m)" >&2
  exit 1
fi
CC=gcc CXX=g++ cmake -S . -B build/ctest -DTARSEL_BUILD_TESTS=ON -DTARSEL_BUILD_PYTHON=OFF >/dev/null
cmake --build build/ctest -j "$(nproc 2>/dev/null || echo 2)" --target tarsel_golden
build/ctest/tests/tarsel_golden record tests/golden/digests.txt
if git diff --quiet -- tests/golden/digests.txt 2>/dev/null; then
  echo "tests/golden/digests.txt: no digest changed"
else
  echo "tests/golden/digests.txt: the digests of these functions changed:"
  git diff -U0 -- tests/golden/digests.txt | sed -n 's/^+\([a-z_0-9]*\) .*/  \1/p'
fi
