#!/usr/bin/env bash
# Installs what is missing, builds the tools and the stand-in host, and runs the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
cmake -S . -B build -G Ninja > build.configure.log 2>&1 || { cat build.configure.log; exit 1; }
cmake --build build
exec build/bin/korvena-host demo "${1:-solvesetup}"
