#!/usr/bin/env bash
# Builds every fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer),
# writes the seed corpora (make_fuzz_seeds; the .frd reader's seeds are the files in
# fuzz/frd-seeds) and runs each target in turn for SECONDS.
# Usage: bash fuzz/run.sh [SECONDS]   (default 60, for each target)
# A target's whole output is in BUILD/logs/<target>.log; what a failing run found is in
# BUILD/<target>-crash-* (or -leak-, -timeout-, -oom-).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${KORVENA_FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$build"
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release > "$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j 2

corpus="$build/corpus"
logs="$build/logs"
rm -rf "$corpus" "$logs"
mkdir -p "$corpus/frd_reader_fuzz" "$logs"
"$build/make_fuzz_seeds" "$corpus"
cp fuzz/frd-seeds/*.frd "$corpus/frd_reader_fuzz"

# The longest input of each target: files and JSON texts are long, a block's layout is not.
declare -A max_len=([result_reader_fuzz]=65536 [frd_reader_fuzz]=65536 [host_input_fuzz]=8192
                    [launch_fuzz]=512 [curveplot_fuzz]=16384)
for target in result_reader_fuzz frd_reader_fuzz solvesetup_fuzz curvedit_fuzz convset_fuzz loadentry_fuzz \
              bcviewer_fuzz curveplot_fuzz launch_fuzz host_input_fuzz; do
  echo "== $target"
  # The tools' own words on standard output and error are left out (-close_fd_mask=3); the
  # fuzzer's, the sanitizers' and the harnesses' reports are kept.
  if ! "$build/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len="${max_len[$target]:-4096}" \
      -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$build/$target-" "$corpus/$target" \
      > "$logs/$target.log" 2>&1; then
    tail -n 80 "$logs/$target.log"
    echo "$target failed: see $logs/$target.log and $build/$target-*" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' \
    "$logs/$target.log" || true
done
