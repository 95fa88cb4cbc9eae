#!/usr/bin/env bash
# Runs the demo: installs what is missing, configures, builds, runs corvane-sim demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target corvane-sim
exec build/default/apps/corvane-sim/corvane-sim demo
