// Reading the atoms of an mmCIF (PDBx) file into the atom table: the atoms
// of polymer entities of the first model, in file order, which are what a
// PDB file holds between its first ATOM record and the TER that ends its
// chains. The residue statistics then run on them as on a PDB file's.
#pragma once

#include <cstdint>
#include <string>

namespace bvrank {

// Parses `text` (named `name` in parser messages) and fills atoms 1..NATOM
// and the titles. The chain is auth_asym_id kept whole, the residue number
// auth_seq_id, the residue name auth_comp_id (else label_comp_id), the
// atom name auth_atom_id (else label_atom_id), and B is B_iso_or_equiv read
// like a PDB number field (a value without a decimal point is whole). At
// most kAtomCapacity atoms unless the limits are lifted.
// Returns kStatusDone; kStatusNoAtoms when no polymer atom is found;
// kStatusZeroB at the first atom with B <= 0; kStatusReadError when the
// text cannot be read, with the reason in `detail`.
std::int32_t read_mmcif_atoms(const std::string& text, const std::string& name,
                              std::string& detail);

}  // namespace bvrank
