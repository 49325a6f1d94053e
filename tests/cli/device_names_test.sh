#!/usr/bin/env bash
# bvrank-cli on Linux: names that are devices on Windows (nul.pdb, con.pdb,
# aux.pdb, prn.pdb, com1.pdb) are ordinary files here and are analysed like
# any other; their reports are written beside them.
# Usage: device_names_test.sh PATH/TO/bvrank-cli TEST_DATA_DIR
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
for stem in nul con aux prn com1 NUL; do
  cp "$data/pept.pdb" "$stem.pdb"
  "$cli" "$stem.pdb" >"$stem.stdout" 2>"$stem.stderr"
  status=$?
  # The screen and the report name the input file on their first line.
  if [ "$status" -eq 0 ] && [ ! -s "$stem.stderr" ] &&
    cmp -s <(tail -n +2 "$stem.stdout") <(tail -n +2 "$data/expected/pept.screen") &&
    cmp -s <(tail -n +2 "$stem.out") <(tail -n +2 "$data/expected/pept.out"); then
    echo "ok   $stem.pdb analysed as a file"
  else
    echo "FAIL $stem.pdb (exit status $status): $(head -c 200 "$stem.stderr")"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
