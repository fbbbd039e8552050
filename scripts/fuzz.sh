#!/usr/bin/env bash
# Fuzzes the data file reader with libFuzzer for a bounded time.
#   FUZZ_SECONDS   run time (default 120)
#   FUZZ_BUILD_DIR build folder (default build-fuzz)
# Seeds: tests/fuzz/corpus and tests/fuzz/regressions (earlier findings).
# A crash leaves its input in <build>/findings/ and fails the run; copy it
# to tests/fuzz/regressions/ so the unit tests keep it fixed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-120}
jobs=${FUZZ_JOBS:-$(nproc)}

mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTAVELIN_BUILD_TESTS=OFF -DTAVELIN_BUILD_BENCH=OFF -DTAVELIN_BUILD_FUZZ=ON \
  -DCMAKE_C_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-omit-frame-pointer" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-omit-frame-pointer" \
  >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --target fuzz_datafile -j "$jobs"

corpus="$build/corpus"
findings="$build/findings"
mkdir -p "$corpus" "$findings"
export QT_QPA_PLATFORM=offscreen
export TAVELIN_SETTINGS="$build/fuzz-settings.ini"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=0

"$build/tests/fuzz/fuzz_datafile" \
  -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1 \
  "$corpus" "$root/tests/fuzz/corpus" "$root/tests/fuzz/regressions"
echo "fuzz: no crash in ${seconds}s"
