#!/usr/bin/env bash
# Makes the mmCIF test files from the PDB entries here with gemmi (Debian
# packages gemmi and python3-gemmi), independently of bvrank's code:
#   1hpv.cif.gz, pept.cif.gz  twins of 1hpv.pdb and pept.pdb (gemmi convert)
#   1tii_x2.cif.gz            1tii.pdb twice in one model, the second copy's
#                             chains named D2, E2, ... : 14 chains and 10 938
#                             polymer atoms; only the atom_site columns a
#                             reader of B values needs are kept, to keep the
#                             file small
# Usage: make_mmcif.sh   (writes into this directory)
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 1hpv.pdb (1994 format) keeps its ID code and line number in columns
# 73-80, which gemmi would take for segment, element and charge.
awk '/^(ATOM|HETATM|ANISOU|TER)/ {print substr($0, 1, 66); next} {print}' 1hpv.pdb >"$tmp/1hpv.pdb"
gemmi convert "$tmp/1hpv.pdb" "$tmp/1hpv.cif"
gemmi convert pept.pdb "$tmp/pept.cif"
gemmi convert 1tii.pdb "$tmp/1tii.cif"

/usr/bin/python3 - "$tmp/1tii.cif" "$tmp/1tii_x2.cif" <<'PY'
import sys
import gemmi

st = gemmi.read_structure(sys.argv[1])
model = st[0]
for chain in [ch.clone() for ch in model]:
    chain.name = (chain.name or "W") + "2"
    model.add_chain(chain)
st.assign_subchains(True)
st.setup_entities()
doc = st.make_mmcif_document()
block = doc.sole_block()
keep = ["id", "type_symbol", "label_atom_id", "label_alt_id", "label_comp_id",
        "label_asym_id", "label_entity_id", "label_seq_id", "B_iso_or_equiv",
        "auth_seq_id", "auth_asym_id", "pdbx_PDB_model_num"]
table = block.find("_atom_site.", keep)
rows = [list(row) for row in table]
loop = block.init_mmcif_loop("_atom_site.", keep)
for row in rows:
    loop.add_row(row)
doc.write_file(sys.argv[2])
PY

for name in 1hpv pept 1tii_x2; do
  gzip -9n <"$tmp/$name.cif" >"$name.cif.gz"
done
