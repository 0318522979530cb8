#!/usr/bin/env bash
# Rewrites stubs/tarsel.pyi from this checkout in one command:
#
#   bash stubs/regenerate.sh
#
# builds and installs the module into the test venv of the first tested
# interpreter (as tests/run.sh does, under build/venvs) and runs
# stubs/generate.py there.  Run it after adding or changing a name of the
# module; the test suite fails while the file is stale.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/setup/python.sh

py=$(tested_pythons | awk '{print $1}')
venv=$(prepare_venv "$py")
install_module "$venv"
"$venv/bin/python" stubs/generate.py
echo "stubs/tarsel.pyi regenerated with $("$venv/bin/python" --version)"
