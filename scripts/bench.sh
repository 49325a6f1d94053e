#!/usr/bin/env bash
# Builds and runs the benchmarks and prints times and ratios; judges nothing.
# Native: the analysis benchmarks, optimised (Release, no sanitizers) in
# build/bench. Windows: the windowed shell's console throughput and start-up
# time, built in build/windows and run under Wine on a private virtual display
# with a Wine prefix of their own (build/wine-prefix-bench).
#
# Options first: --native-only, --windows-only, --breakdown (the console
# benchmark also shows where the shell's time goes). Other arguments go to
# the native benchmark program, e.g. --benchmark_filter=1tii.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
run_native=1
run_windows=1
console_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --native-only) run_windows=0 ;;
    --windows-only) run_native=0 ;;
    --breakdown) console_args+=(--breakdown) ;;
    *) break ;;
  esac
  shift
done

if [ "$run_native" = 1 ]; then
  build=$root/build/bench
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DBVRANK_BENCH=ON -DBVRANK_SANITIZE=OFF -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$build" --target bvrank_bench -j"$(nproc)"
  "$build/bench/bvrank_bench" "$@"
fi

if [ "$run_windows" = 1 ]; then
  windows=$root/build/windows
  if [ ! -f "$windows/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$windows" --target bvrank_winbench_console bvrank_winbench_startup -j"$(nproc)"

  # A prefix of its own: its Wine server then runs on this script's display
  # and stopping it ends no one else's programs.
  export BVRANK_WINEPREFIX="${BVRANK_WINEPREFIX:-$root/build/wine-prefix-bench}"
  source "$root/scripts/wine-env.sh"
  source "$root/scripts/xvfb.sh"
  wineserver -k >/dev/null 2>&1 || true
  start_xvfb
  trap stop_xvfb EXIT
  "$root/scripts/wine-prefix.sh"
  # Wine's background services start detached, before anything is timed.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  echo "== windowed shell under Wine (display $DISPLAY) =="
  timeout 900 wine "$windows/bench/win/bvrank_winbench_console.exe" ${console_args[@]+"${console_args[@]}"} </dev/null
  timeout 600 wine "$windows/bench/win/bvrank_winbench_startup.exe" </dev/null
fi
