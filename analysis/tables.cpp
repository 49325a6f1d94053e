// Storage of the analysis tables and shared blocks, and the growth of the
// tables when their limits are lifted (doubling, so that reading n atoms
// costs amortised constant time per atom).
#include "analysis/tables.h"

#include <algorithm>

#include "analysis/common_blocks.h"

namespace bvrank {

AtomTable atoms;
ResidueTable residues;
ChainTable chains;

InAndOut IN_AND_OUT;
InAndOutLen IN_AND_OUT_LEN;
Files FILES;

namespace {

bool g_limits_lifted = false;

int grown(int capacity, int needed) {
  return std::max(needed, 2 * capacity);
}

void grow_atoms(int capacity) {
  atoms.ATOM_SERIAL.grow_to(capacity);
  atoms.ATOM_NAME.grow_to(capacity);
  atoms.ATOM_ALTLOC.grow_to(capacity);
  atoms.ATOM_RESNAME.grow_to(capacity);
  atoms.ATOM_CHAIN.grow_to(capacity);
  atoms.ATOM_RESSEQ.grow_to(capacity);
  atoms.ATOM_B.grow_to(capacity);
  atoms.ATOM_ELEMENT.grow_to(capacity);
}

}  // namespace

void lift_table_limits(bool lifted) {
  g_limits_lifted = lifted;
}

bool table_limits_lifted() {
  return g_limits_lifted;
}

bool room_beyond_atom_limit() {
  const int needed = atoms.NATOM + 1;
  if (!g_limits_lifted) return needed <= kAtomCapacity;
  const int capacity = atoms.ATOM_B.capacity();
  if (needed > capacity) grow_atoms(grown(capacity, needed));
  return true;
}

void make_room_for_residues(int count) {
  const int capacity = residues.RES_BAVG.capacity();
  if (count <= capacity) return;
  const int to = grown(capacity, count);
  residues.RES_NAME.grow_to(to);
  residues.RES_CHAIN.grow_to(to);
  residues.RES_SEQ.grow_to(to);
  residues.RES_NATOM.grow_to(to);
  residues.RES_BAVG.grow_to(to);
  residues.RES_RANK.grow_to(to);
}

bool room_for_chain(int number) {
  if (!g_limits_lifted) return number <= kChainCapacity;
  const int capacity = chains.CHAIN_ID.capacity();
  if (number > capacity) {
    const int to = grown(capacity, number);
    chains.CHAIN_ID.grow_to(to);
    chains.CHAIN_FIRST.grow_to(to);
    chains.CHAIN_LAST.grow_to(to);
  }
  return true;
}

}  // namespace bvrank
