#!/usr/bin/python3
"""Computes the expected bvrank output for real PDB files with gemmi.

Independent of bvrank's code: gemmi reads the file and groups atoms into
residues; the mean B of each residue is taken in double precision and
stored as a 32-bit float; residues are ranked per chain, highest first,
earlier residue first on ties; values are printed rounded half away from
zero from their exact binary value. Which chains are analysed is stated per
file below (the atom block of each file ends at the first TER that is not
followed by an ATOM record).

Usage: make_expected.py OUTDIR   (writes NAME.screen and NAME.out)
       make_expected.py --check  (compares with the files in expected/ and
                                  exits 1 when any differs)
Run it with Debian's /usr/bin/python3 and python3-gemmi. The PDB files are
read from this script's directory.
"""
import os
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP

import gemmi

# file -> whether every residue of the first model is analysed ('all') or
# only the polymer part of each chain ('polymer').
FILES = {
    "1hpv.pdb": "polymer",
    "1tii.pdb": "polymer",
    "pept.pdb": "all",
}


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def fixed(value, width, decimals):
    q = Decimal(value).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    text = str(q)
    return text.rjust(width) if len(text) <= width else "*" * width


HERE = os.path.dirname(os.path.abspath(__file__))


def title_lines(path):
    lines = []
    with open(path, "rb") as f:
        for raw in f.read().decode("latin-1").splitlines():
            if raw.startswith("ATOM"):
                break
            if raw.startswith("TITLE"):
                lines.append("Title: " + raw[6:80])
    return lines


def chains_of(path, part):
    # Only columns up to the B value (66) matter here; 1hpv.pdb (1994
    # format) keeps its ID code and line number in columns 73-80, which
    # gemmi would take for segment, element and charge.
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").splitlines()
    text = "".join((l[:66] if l.startswith(("ATOM", "HETATM")) else l) + "\n" for l in lines)
    st = gemmi.read_pdb_string(text)
    result = []
    for ch in st[0]:
        residues = ch.get_polymer() if part == "polymer" else ch
        rows = []
        for res in residues:
            total = 0.0
            for atom in res:
                total += f32(atom.b_iso)
            rows.append((res.name, ch.name, res.seqid.num, f32(total / len(res))))
        if rows:
            result.append((ch.name, rows))
    return result


def chain_block(number, chain_id, rows, limit):
    ranked = sorted(range(len(rows)), key=lambda i: -rows[i][3])  # stable: earlier wins ties
    out = ["", "Chain identifier of chain no.%3d : %s" % (number, chain_id),
           "Residue Name  Residue seq. no.    B value   Rank"]
    for rank, i in enumerate(ranked[:limit], start=1):
        name, chain, seq, bavg = rows[i]
        out.append(" %3s  %s          %6d          %s %6d" % (name, chain, seq, fixed(bavg, 7, 2), rank))
    return out


def expected_files():
    """Yields (file name, bytes) of every expected file."""
    for name, part in FILES.items():
        path = os.path.join(HERE, name)
        chains = chains_of(path, part)
        head = [name] + title_lines(path)
        screen = head + ["(The highest 20 averaged B values are shown only.) "]
        report = list(head)
        for number, (chain_id, rows) in enumerate(chains, start=1):
            screen += chain_block(number, chain_id, rows, 20)
            report += chain_block(number, chain_id, rows, len(rows))
        stem = name[:-4]
        yield stem + ".screen", ("\n".join(screen) + "\n").encode("latin-1")
        yield stem + ".out", "".join(line + "\r\n" for line in report).encode("latin-1")


def main(args):
    if args == ["--check"]:
        stale = []
        for name, data in expected_files():
            with open(os.path.join(HERE, "expected", name), "rb") as f:
                if f.read() != data:
                    stale.append(name)
        for name in stale:
            print(f"expected/{name} differs from what gemmi computes", file=sys.stderr)
        print(f"{len(FILES) * 2 - len(stale)} of {len(FILES) * 2} expected files match")
        return 1 if stale else 0
    if len(args) != 1 or args[0].startswith("-"):
        print(__doc__, file=sys.stderr)
        return 2
    for name, data in expected_files():
        with open(os.path.join(args[0], name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
