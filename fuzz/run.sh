#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each briefly: the result-file reader on seeds written
# by the host's result writer, the .frd reader on the files in fuzz/frd-seeds.
# Usage: bash fuzz/run.sh [SECONDS]   (default 60, for each target)
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
frd_corpus="$build/frd-corpus"
rm -rf "$frd_corpus"
mkdir -p "$frd_corpus"
cp fuzz/frd-seeds/*.frd "$frd_corpus"
"$build/frd_reader_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$build/frd-" "$frd_corpus"
