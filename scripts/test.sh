#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
# KORVENA_BUILD_DIR and extra CMake options (KORVENA_CMAKE_ARGS) may be set by the caller.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
build=${KORVENA_BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja ${KORVENA_CMAKE_ARGS:-} > "$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j 2
