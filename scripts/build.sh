#!/usr/bin/env bash
# Configures (once) and builds both trees: build/native (Linux g++, with
# sanitizers) and build/windows (MinGW-w64, static).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

if [ ! -f build/native/CMakeCache.txt ]; then
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBVRANK_SANITIZE=ON >/dev/null
fi
cmake --build build/native -j"$jobs"

if [ ! -f build/windows/CMakeCache.txt ]; then
  cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build/windows -j"$jobs"
