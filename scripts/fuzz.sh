#!/usr/bin/env bash
# Builds the libFuzzer target (clang, address and undefined-behaviour
# sanitizers) in build/fuzz and runs it for SECONDS (default 30) over a fresh
# copy of tests/fuzz/corpus, so the inputs it adds stay out of the source
# tree. Exits non-zero when the fuzzer finds a crash or a failed check.
# With --seeds it only replays every seed once, as the ctest test
# fuzz.seed_corpus (its summary line is ctest's).
set -euo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
work=$build/run

cmake -S "$root" -B "$build" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBVRANK_FUZZ=ON -DBUILD_TESTING=OFF -DBVRANK_BENCH=OFF >/dev/null
cmake --build "$build" --target record_reader_fuzz -j"$(nproc)"

if [ "$seconds" = --seeds ]; then
  cd "$build/tests/fuzz"
  exec ctest --timeout 120 --output-on-failure
fi

rm -rf "$work/corpus" "$work/tmp"
mkdir -p "$work/corpus" "$work/artifacts" "$work/tmp"
cp "$root"/tests/fuzz/corpus/* "$work/corpus/"
# The target's scratch files (its input file and report) go here too.
export TMPDIR=$work/tmp

set +e
# Inputs up to 8 KB hold about a hundred records, enough for several chains
# and TER records; without these flags libFuzzer keeps near the largest seed.
"$build/tests/fuzz/record_reader_fuzz" \
  -max_total_time="$seconds" -max_len=8192 -len_control=0 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$work/corpus"
status=$?
set -e
if [ "$status" -ne 0 ]; then
  echo "fuzz.sh: the fuzzer failed (status $status); reproducer in $work/artifacts/" >&2
  exit "$status"
fi
echo "fuzz.sh: no crash in ${seconds}s; corpus grew to $(ls "$work/corpus" | wc -l) inputs"
