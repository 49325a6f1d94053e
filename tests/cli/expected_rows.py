#!/usr/bin/python3
"""The rows `bvrank-cli --format tsv` must print, computed independently of
bvrank's code with gemmi (Debian python3-gemmi).

PDB files are read with gemmi's PDB reader (the atoms bvrank reads are
stated per file in PDB_PART: the polymer part of each chain, or every atom
of the first model); mmCIF files with gemmi's CIF parser, taking the
_atom_site rows of polymer entities in the first model, the chain from
auth_asym_id and the residue number from auth_seq_id. Then, as bvrank
specifies: at most 10 000 atoms and 10 chains unless --all; a residue is a
run of atoms with the same number, a chain a run of residues with the same
chain name; averages are summed in double and stored as 32-bit floats; z
is taken against the mean and population standard deviation of the
chain's averages; main chain means the atoms named N, CA, C and O. Numbers
are rounded half away from zero from their exact binary value.

Usage: expected_rows.py [--all] FILE...   prints the expected TSV
       expected_rows.py --from-json       prints JSON Lines from stdin as TSV
"""
import gzip
import json
import math
import os
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP

import gemmi

PDB_PART = {"1hpv.pdb": "polymer", "1tii.pdb": "polymer", "pept.pdb": "all"}
MAIN_CHAIN = {"N", "CA", "C", "O"}
HEADER = "file\tchain_no\tchain\tresidue\tseq\tatoms\tb_mean\trank\tz\tb_main\tb_side"


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def fixed(value, places):
    if value is None:
        return ""
    text = str(Decimal(value).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP))
    return text[1:] if text.startswith("-") and Decimal(text) == 0 else text


def pdb_atoms(path):
    """(chain, seq, residue name, atom name, B) of the atoms bvrank reads."""
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").splitlines()
    # Columns past the B value (1hpv.pdb keeps an ID code there) are not
    # needed and would confuse gemmi's element and charge fields.
    text = "".join((l[:66] if l.startswith(("ATOM", "HETATM")) else l) + "\n" for l in lines)
    model = gemmi.read_pdb_string(text)[0]
    part = PDB_PART[os.path.basename(path)]
    atoms = []
    for chain in model:
        residues = chain.get_polymer() if part == "polymer" else chain
        for res in residues:
            for atom in res:
                atoms.append((chain.name, res.seqid.num, res.name, atom.name, f32(atom.b_iso)))
    return atoms


def mmcif_atoms(path):
    with (gzip.open(path, "rt") if path.endswith(".gz") else open(path)) as f:
        block = gemmi.cif.read_string(f.read()).sole_block()
    polymers = {gemmi.cif.as_string(r[0]) for r in block.find("_entity.", ["id", "type"])
                if gemmi.cif.as_string(r[1]) == "polymer"}
    rows = block.find("_atom_site.", ["label_entity_id", "auth_asym_id", "auth_seq_id",
                                      "label_comp_id", "label_atom_id", "B_iso_or_equiv",
                                      "pdbx_PDB_model_num"])
    first_model = rows[0][6]
    return [(gemmi.cif.as_string(r[1]), int(r[2]), r[3], gemmi.cif.as_string(r[4]),
             f32(float(r[5])))
            for r in rows if r[6] == first_model and gemmi.cif.as_string(r[0]) in polymers]


def runs(items, key):
    groups = []
    for item in items:
        if groups and key(groups[-1][-1]) == key(item):
            groups[-1].append(item)
        else:
            groups.append([item])
    return groups


def mean32(values):
    return f32(sum(values) / len(values)) if values else None


def rows_of(path, lift_limits):
    atoms = mmcif_atoms(path) if ".cif" in path else pdb_atoms(path)
    if not lift_limits:
        atoms = atoms[:10000]
    residues = runs(atoms, key=lambda a: a[1])
    chains = runs(residues, key=lambda r: r[0][0])
    if not lift_limits:
        chains = chains[:10]
    out = []
    for number, chain in enumerate(chains, start=1):
        figures = []
        for res in chain:
            b = [a[4] for a in res]
            main = [a[4] for a in res if a[3] in MAIN_CHAIN]
            side = [a[4] for a in res if a[3] not in MAIN_CHAIN]
            figures.append([res[0][2].strip(), res[0][1], len(res), mean32(b), mean32(main),
                            mean32(side)])
        means = [f[3] for f in figures]
        mu = sum(means) / len(means)
        sd = math.sqrt(sum((m - mu) ** 2 for m in means) / len(means))
        order = sorted(range(len(figures)), key=lambda i: -figures[i][3])  # stable: ties by position
        for rank, i in enumerate(order, start=1):
            name, seq, count, bmean, bmain, bside = figures[i]
            z = (bmean - mu) / sd if sd > 0 else 0.0
            out.append("\t".join([path, str(number), chain[0][0][0], name, str(seq), str(count),
                                  fixed(bmean, 2), str(rank), fixed(z, 3), fixed(bmain, 2),
                                  fixed(bside, 2)]))
    return out


def from_json():
    out = [HEADER]
    for line in sys.stdin:
        obj = json.loads(line)
        for chain in obj["chains"]:
            for r in chain["residues"]:
                def num(v, places):
                    return "" if v is None else "%.*f" % (places, v)
                out.append("\t".join([obj["file"], str(chain["chain_no"]), chain["chain"],
                                      r["residue"], str(r["seq"]), str(r["atoms"]),
                                      num(r["b_mean"], 2), str(r["rank"]), num(r["z"], 3),
                                      num(r["b_main"], 2), num(r["b_side"], 2)]))
    return out


def main(args):
    if args == ["--from-json"]:
        lines = from_json()
    else:
        lift = "--all" in args
        lines = [HEADER]
        for path in (a for a in args if a != "--all"):
            lines += rows_of(path, lift)
    sys.stdout.write("".join(line + "\n" for line in lines))


if __name__ == "__main__":
    main(sys.argv[1:])
