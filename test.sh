#!/usr/bin/env bash
# Runs every test of both builds: installs missing Debian packages, builds
# native and Windows trees, sets up the Wine prefix, starts a private
# virtual display and a private print scheduler with a PDF queue, runs the
# native tests, the Windows tests under Wine, the fuzz target over its seed
# corpus (one test) and a short random fuzzing run (one more), and ends with
# one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)

started=$SECONDS
phase() { echo "== $1 ($((SECONDS - started)) s so far)"; }

phase "packages"
scripts/install-deps.sh || { echo "0 passed, 1 failed"; exit 1; }
phase "build"
scripts/build.sh || { echo "0 passed, 1 failed"; exit 1; }
phase "Wine prefix"
scripts/wine-prefix.sh || { echo "0 passed, 1 failed"; exit 1; }

source scripts/wine-env.sh
source scripts/xvfb.sh
source scripts/cups.sh
start_xvfb
# The print tests' queue: a scheduler of this tree's own, stopped at the end
# whatever happens; Wine reads CUPS_SERVER, so it is started before Wine.
trap 'stop_cups; stop_xvfb' EXIT
trap 'exit 1' INT TERM HUP
phase "print queue"
start_cups || echo "test.sh: no print queue; the print tests will fail"
# One persistent Wine server for the whole run (a server that exits between
# tests races with the next test's start), and its services started detached.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

passed=0
failed=0
count_ctest() {  # adds the totals of a ctest summary log
  local log=$1 line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  local f t
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  passed=$((passed + t - f))
  failed=$((failed + f))
}

phase "layout"
if scripts/check-layout.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi

phase "native tests"
(cd build/native && ctest -j2 --timeout 300 --output-on-failure) 2>&1 | tee build/native-tests.log
count_ctest build/native-tests.log

phase "Windows tests under Wine"
(cd build/windows && ctest -j2 --timeout 300 --output-on-failure) 2>&1 | tee build/windows-tests.log
count_ctest build/windows-tests.log

if [ -x scripts/fuzz.sh ]; then
  phase "fuzzing: the seed corpus once"
  scripts/fuzz.sh --seeds 2>&1 | tee build/fuzz-seeds.log
  count_ctest build/fuzz-seeds.log
  phase "fuzzing (short random run)"
  if scripts/fuzz.sh 20; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
fi

cd "$root"
phase "done"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
