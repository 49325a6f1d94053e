#!/usr/bin/env bash
# bvrank-cli.exe under Wine: the same screen lines (LF line ends) and the
# same report file (CR LF) as the independent computation, the exit
# statuses of a failed analysis and of a usage error, TSV rows, and the
# refusal of mmCIF input, which this build does not read.
# Usage: cli_windows_test.sh PATH/TO/bvrank-cli.exe TEST_DATA_DIR WINE_RUN
set -u
cli=$1
data=$2
wine_run=$3
source "$(dirname "$0")/checks.sh"

cp "$data/pept.pdb" "$data/il2.pdb" "$work"/
cd "$work" || exit 1
"$wine_run" "$cli" pept.pdb >pept.stdout 2>/dev/null </dev/null
check "pept: exit 0" test $? -eq 0
check "pept: screen lines" cmp -s pept.stdout "$data/expected/pept.screen"
check "pept: report file" cmp -s pept.out "$data/expected/pept.out"
"$wine_run" "$cli" il2.pdb >/dev/null 2>il2.stderr </dev/null
check "il2: exit 1" test $? -eq 1
check "il2: message" grep -q "B values are ZERO" il2.stderr
"$wine_run" "$cli" notes.txt >/dev/null 2>&1 </dev/null
check "bad name: exit 2" test $? -eq 2
rm -f pept.out
"$wine_run" "$cli" --format tsv --all pept.pdb >pept.tsv 2>/dev/null </dev/null
check "tsv: exit 0" test $? -eq 0
check "tsv: header and 13 rows" test "$(wc -l <pept.tsv)" -eq 14
check "tsv: the rank 1 row" grep -qx $'pept.pdb\t1\tE\tGLU\t8\t9\t41.88\t1\t1.420\t37.69\t45.24' pept.tsv
check "tsv: no report file" test ! -e pept.out
"$wine_run" "$cli" 1abc.cif.gz >/dev/null 2>cif.stderr </dev/null
check "mmCIF: exit 2 in this build" test $? -eq 2
check "mmCIF: says why" grep -q "reads PDB files only" cif.stderr
finish
