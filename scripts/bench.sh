#!/usr/bin/env bash
# Builds the benchmarks optimised (Release, no sanitizers) in build/bench and
# runs them; extra arguments go to the benchmark program, e.g.
# --benchmark_filter=1tii. Prints times and ratios and judges nothing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/bench

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DBVRANK_BENCH=ON -DBVRANK_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target bvrank_bench -j"$(nproc)"
"$build/bench/bvrank_bench" "$@"
