#!/usr/bin/env bash
# Builds the benchmarks (release) and runs them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/einrichten.sh

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DMORLIX_TESTS=OFF -DMORLIX_BENCH=ON >/dev/null
cmake --build build/bench --target benchmarks -j"$(nproc)"
for b in build/bench/bench/bench_*; do
  [ -x "$b" ] && "$b" --benchmark_min_time=0.2 "$@"
done
