#!/usr/bin/env bash
# Runs every benchmark of the build folder (the current directory).
set -euo pipefail
shopt -s nullglob
status=0
for b in bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true || status=1
done
exit $status
