#!/usr/bin/env bash
# bvrank-cli as a user runs it: real files give byte-identical screen output
# and report files to the independent computation; failures give the
# program's messages and the documented exit statuses.
# Usage: cli_test.sh PATH/TO/bvrank-cli TEST_DATA_DIR
set -u
cli=$1
data=$2
source "$(dirname "$0")/checks.sh"

cp "$data"/*.pdb "$work"/
cd "$work" || exit 1

# One file at a time: stdout is the screen, the report file is beside it.
for stem in 1hpv 1tii pept; do
  "$cli" "$stem.pdb" >"$stem.stdout" 2>"$stem.stderr"
  status=$?
  check "$stem: exit status 0" test "$status" -eq 0
  check "$stem: screen lines" cmp -s "$stem.stdout" "$data/expected/$stem.screen"
  check "$stem: report file" cmp -s "$stem.out" "$data/expected/$stem.out"
  check "$stem: nothing on stderr" test ! -s "$stem.stderr"
done

# Several files in one run: screens one after the other, each report kept.
rm -f ./*.out
"$cli" pept.pdb 1hpv.pdb >both.stdout
check "two files: exit 0" test $? -eq 0
cat "$data/expected/pept.screen" "$data/expected/1hpv.screen" >both.expected
check "two files: screens in order" cmp -s both.stdout both.expected
check "two files: both reports kept" test -f pept.out -a -f 1hpv.out

# A failing analysis: its message on stderr, exit 1, the others still run.
"$cli" il2.pdb pept.pdb >fail.stdout 2>fail.stderr
check "B zero: exit 1" test $? -eq 1
check "B zero: message" test "$(cat fail.stderr)" = " B values are ZERO"
check "B zero: report deleted" test ! -e il2.out
check "B zero: next file analysed" test -f pept.out

"$cli" absent.pdb >/dev/null 2>missing.stderr
check "missing file: exit 1" test $? -eq 1
check "missing file: message" test "$(cat missing.stderr)" = " File not found : absent.pdb"

# Usage errors: exit 2 and nothing analysed.
rm -f pept.out
"$cli" notes.txt pept.pdb >/dev/null 2>usage.stderr
check "bad extension: exit 2" test $? -eq 2
check "bad extension: says why" grep -q 'must end in "pdb" or "PDB"' usage.stderr
check "bad extension: nothing analysed" test ! -e pept.out
"$cli" >/dev/null 2>&1
check "no arguments: exit 2" test $? -eq 2
"$cli" --help >help.txt
check "--help: exit 0 and usage" grep -q '^Usage: bvrank-cli' help.txt
check "--version" test "$("$cli" --version)" = "bvrank-cli 0.1.0"

# A run-time stop: a letter among the B-value columns.
sed '0,/^ATOM/s/^\(ATOM.\{57\}\)...../\1 4x.0/' pept.pdb >bad.pdb
"$cli" bad.pdb >/dev/null 2>bad.stderr
check "conversion error: exit 2" test $? -eq 2
check "conversion error: reported" grep -q 'conversion error' bad.stderr

finish
