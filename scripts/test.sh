#!/usr/bin/env bash
# Runs every test: installs what is missing, configures, builds, runs ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
