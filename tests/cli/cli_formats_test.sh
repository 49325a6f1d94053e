#!/usr/bin/env bash
# bvrank-cli beyond plain PDB files and the text report, run as a user would
# on real entries: TSV and JSON rows against an independent computation
# (expected_rows.py, with gemmi), mmCIF twins and gzipped files against
# their PDB files, the table limits and --all on an entry of 14 chains and
# 10 938 atoms, a path of over 100 characters, the profile picture parsed
# as XML and rendered with librsvg, and bad inputs.
# Usage: cli_formats_test.sh PATH/TO/bvrank-cli TEST_DATA_DIR
set -u
cli=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
py=/usr/bin/python3
source "$(dirname "$0")/checks.sh"
expected() { "$py" "$here/expected_rows.py" "$@"; }
same() { cmp -s "$1" "$2"; }
from_line2() { tail -n +2 "$1"; }

cp "$data"/*.pdb "$data"/*.cif.gz "$work"/
cd "$work" || exit 1

# Rows of several files in one run, against the independent computation.
"$cli" --format tsv 1hpv.pdb 1tii.pdb pept.pdb >rows.tsv
check "tsv: exit 0" test $? -eq 0
expected 1hpv.pdb 1tii.pdb pept.pdb >rows.expected
check "tsv: rows of 1hpv, 1tii and pept" same rows.tsv rows.expected
"$cli" --format json 1hpv.pdb 1tii.pdb pept.pdb >rows.json
check "json: one line per file" test "$(wc -l <rows.json)" -eq 3
expected --from-json <rows.json >json.tsv
check "json: parsed back, the same rows" same json.tsv rows.expected
check "tsv, json: no report file" test -z "$(ls ./*.out 2>/dev/null)"

# mmCIF twins (gemmi convert): the PDB file's rows and report.
for stem in 1hpv pept; do
  "$cli" --format tsv "$stem.pdb" | cut -f2- >pdb.tsv
  "$cli" --format tsv "$stem.cif.gz" | cut -f2- >twin.tsv
  check "$stem.cif.gz: the rows of $stem.pdb" same twin.tsv pdb.tsv
  expected "$stem.cif.gz" | cut -f2- >twin.expected
  check "$stem.cif.gz: the independent computation's rows" same twin.tsv twin.expected
  "$cli" "$stem.cif.gz" >twin.screen
  check "$stem.cif.gz: text report from line 2" \
    same <(from_line2 twin.screen) <(from_line2 "$data/expected/$stem.screen")
  check "$stem.cif.gz: first line is the input path" test "$(head -n1 twin.screen)" = "$stem.cif.gz"
  check "$stem.cif.gz: report file $stem.out" \
    same <(from_line2 "$stem.out") <(from_line2 "$data/expected/$stem.out")
  rm -f "$stem.out"
done

# 1tii twice: 14 chains (D2 ... C2 with two-character names), 10 938 atoms.
"$cli" --format tsv 1tii_x2.cif.gz >x2.tsv
check "limits: rows as computed with 10 000 atoms and 10 chains" \
  same x2.tsv <(expected 1tii_x2.cif.gz)
check "limits: 10 chains" test "$(cut -f2 x2.tsv | sed 1d | sort -un | tail -n1)" = 10
"$cli" --all --format tsv 1tii_x2.cif.gz >x2all.tsv
check "--all: rows as computed without limits" same x2all.tsv <(expected --all 1tii_x2.cif.gz)
check "--all: 14 chains" test "$(cut -f2 x2all.tsv | sed 1d | sort -un | tail -n1)" = 14
check "--all: chain D2 whole" test "$(awk -F'\t' '$3 == "D2"' x2all.tsv | wc -l)" -eq 98
check "--all: chains 1-7 are 1tii.pdb's" \
  same <(awk -F'\t' 'NR > 1 && $2 <= 7' x2all.tsv | cut -f2-) <(sed 1d rows.tsv | grep '^1tii' | cut -f2-)
"$cli" --all 1tii_x2.cif.gz >x2.screen
check "--all text: chain 14 named C2" grep -qx 'Chain identifier of chain no. 14 : C2' x2.screen
check "--all text: 14 chains in 1tii_x2.out" test "$(grep -c '^Chain identifier' 1tii_x2.out)" -eq 14
"$cli" 1tii_x2.cif.gz >x2limited.screen
check "text: 10 chains without --all" test "$(grep -c '^Chain identifier' x2limited.screen)" -eq 10

# A gzipped PDB file: READ_PDB on its text, report named without ".gz".
gzip -c 1hpv.pdb >1hpv.pdb.gz
"$cli" 1hpv.pdb.gz >gz.screen
check "1hpv.pdb.gz: exit 0" test $? -eq 0
check "1hpv.pdb.gz: screen" same <(from_line2 gz.screen) <(from_line2 "$data/expected/1hpv.screen")
check "1hpv.pdb.gz: report file 1hpv.out" \
  same <(from_line2 1hpv.out) <(from_line2 "$data/expected/1hpv.out")
rm -f 1hpv.out 1hpv.pdb.gz

# A path of 130 characters.
long=$work/$(printf 'd%.0s' $(seq 60))/$(printf 'e%.0s' $(seq 60))
mkdir -p "$long"
cp pept.pdb "$long/"
"$cli" "$long/pept.pdb" >long.screen
check "long path: exit 0" test $? -eq 0
check "long path: its own first line" test "$(head -n1 long.screen)" = "$long/pept.pdb"
check "long path: report beside it" same <(from_line2 "$long/pept.out") <(from_line2 "$data/expected/pept.out")

# The profile picture: well-formed SVG with a panel per chain and the 20
# highest-ranked residues of each marked and labelled; librsvg renders it.
"$cli" --format tsv --plot profile.svg 1hpv.pdb >/dev/null
check "--plot: exit 0" test $? -eq 0
check "--plot: panels, markers and labels" "$py" - profile.svg rows.expected <<'PY'
import sys
import xml.etree.ElementTree as ET
ns = "{http://www.w3.org/2000/svg}"
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == ns + "svg", root.tag
panels = root.findall(ns + "g")
assert len(panels) == 2, len(panels)
rows = [l.rstrip("\n").split("\t") for l in open(sys.argv[2]) if l.startswith("1hpv.pdb\t")]
for number, panel in enumerate(panels, start=1):
    markers = [c for c in panel.iter(ns + "circle") if c.get("r") == "4"]
    labels = {t.text for t in panel.iter(ns + "text") if t.get("class") == "label"}
    top = {"%s %s" % (r[3], r[4]) for r in rows if r[1] == str(number) and int(r[7]) <= 20}
    assert len(markers) == 20 and labels == top, (number, len(markers), labels ^ top)
PY
rsvg-convert profile.svg -o profile.png
check "--plot: librsvg renders it" test -s profile.png
check "--plot: 960 x 670 pixels" test "$(identify -format '%wx%h' profile.png)" = 960x670
mean=$(convert profile.png -colorspace gray -format '%[fx:mean]' info:)
check "--plot: drawn, not blank ($mean)" awk -v m="$mean" 'BEGIN { exit !(m > 0.8 && m < 0.99) }'
"$cli" --plot pept.pdb pept.pdb >/dev/null 2>plot.err
check "--plot naming an input: exit 2" test $? -eq 2
check "--plot naming an input: input intact" cmp -s pept.pdb "$data/pept.pdb"

# Output that cannot be written is an error, not a success.
"$cli" --format tsv pept.pdb >/dev/full 2>full.err
check "full standard output: exit 2" test $? -eq 2
check "full standard output: says so" grep -q "cannot write standard output" full.err

# Bad input: a clear message, exit 1 or 2, nothing written.
zcat 1hpv.cif.gz >1hpv.cif
head -c 20000 1hpv.cif.gz >trunc.cif.gz
gzip -c pept.pdb | head -c 1500 >trunc.pdb.gz
awk '/^_atom_site\.id/ { exit } NR > 1 { print prev } { prev = $0 }' 1hpv.cif >noatoms.cif  # up to its loop_
sed '0,/ PRO Apoly A 1 ? 13.12 39.003 5.159 1 55.41 /s// PRO Apoly A 1 ? 13.12 39.003 5.159 1 55,41 /' \
  1hpv.cif >badb.cif
: >empty.cif
: >empty.pdb
: >empty.pdb.gz
: >bad.out
: >bad.err
bad() {  # file, words of the message, options...
  local file=$1 words=$2; shift 2
  local before after status
  before=$(ls)
  "$cli" "$@" "$file" >bad.out 2>bad.err
  status=$?
  after=$(ls)
  check "$file $*: exit 1 or 2 ($status)" test "$status" -eq 1 -o "$status" -eq 2
  check "$file $*: says \"$words\"" grep -q "$words" bad.err
  check "$file $*: no file written" test "$before" = "$after"
  [ $# -eq 0 ] && check "$file: no report on standard output" test ! -s bad.out
}
bad trunc.cif.gz "trunc.cif.gz: the gzip data end early (truncated file)"
bad trunc.pdb.gz "trunc.pdb.gz: the gzip data end early (truncated file)"
bad noatoms.cif "noatoms.cif: no _atom_site table"
bad badb.cif 'badb.cif: atom 1: unreadable B value (B_iso_or_equiv) "55,41"'
bad notes.txt "notes.txt: not an input file name"
bad empty.cif "empty.cif: empty file"
bad empty.pdb "Unexpected end of file : empty.pdb" --format tsv
bad empty.pdb.gz "empty.pdb.gz: not in gzip format"

finish
