#!/bin/bash
# Builds and runs the benchmarks (Release).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" bench
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCENOLUX_TESTS=OFF -DSCENOLUX_BENCH=ON
cmake --build "$root/build-bench" -j2
QT_QPA_PLATFORM=offscreen "$root/build-bench/scenolux_bench" "$@"
