#!/bin/bash
# Builds and runs the benchmarks (Release).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" bench
# Google Benchmark itself in Release too: Debian's build is a debug one.
"$root/scripts/benchmark-library.sh" "$root/build-bench/benchmark"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCENOLUX_TESTS=OFF -DSCENOLUX_BENCH=ON \
  -Dbenchmark_DIR="$root/build-bench/benchmark/lib/cmake/benchmark"
cmake --build "$root/build-bench" -j2
QT_QPA_PLATFORM=offscreen "$root/build-bench/scenolux_bench" "$@"
