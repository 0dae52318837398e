#!/usr/bin/env bash
# Builds the result-file reader's fuzz target with clang and runs it briefly on seeds written by
# the host's result writer. Usage: bash fuzz/run.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${KORVENA_FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$build"
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build"
corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
"$build/make_fuzz_seeds" "$corpus"
"$build/result_reader_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$build/" "$corpus"
